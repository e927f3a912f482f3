#pragma once
// The trend of series means over time for one tester and scale, with the tolerance limits drawn
// as dashed lines: one point per series, joined in time order.

#include "quality/ToleranceLimits.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class CArchiveTrendChart : public QWidget {
    Q_OBJECT
public:
    struct Point {
        std::int64_t time; // seconds since 1970
        double mean;
    };

    explicit CArchiveTrendChart(QWidget* parent = nullptr);
    // Shows the points (any order) with their title, unit and limits; no points: the hint text.
    void SetTrend(const QString& title, std::vector<Point> points, const QString& unit, const ToleranceLimits& limits);
    void Clear(const QString& hint);
    const std::vector<Point>& Points() const { return points; }
    QSize sizeHint() const override { return {600, 180}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title;
    QString unit;
    std::vector<Point> points;
    ToleranceLimits limits;
};
