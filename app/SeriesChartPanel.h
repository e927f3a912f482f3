#pragma once
// The chart panel beside the table: the chart of the series the table's focus row belongs to
// (its series row, statistics row or a measurement row), with the series' number, scale,
// material and verdict above it. It repaints when the focus moves to another row, and whoever
// creates it connects the table's change notification to update() (a conversion, hiding,
// deleting, a new download), so it always shows what the table shows; it keeps no copy of the data.

#include "report/SeriesChart.h"

#include <QWidget>

class CGridCtrl;
class CMeasurementStore;
class CToleranceTable;

class CSeriesChartPanel : public QWidget {
    Q_OBJECT
public:
    // store, limits and grid must outlive the panel's painting (they live as long as the view).
    CSeriesChartPanel(const CMeasurementStore& store, const CToleranceTable& limits, CGridCtrl& grid,
                      QWidget* parent = nullptr);

    // The series shown: the one of the table's focus row, else of the first selected row; -1: none.
    int ShownSeries() const;
    // What the last paint drew (all zero when no series was shown).
    const ChartDrawCounts& LastCounts() const { return m_counts; }
    int PaintCount() const { return m_paints; }

    QSize sizeHint() const override { return {300, 300}; }
    QSize minimumSizeHint() const override { return {200, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FollowFocus();

    const CMeasurementStore& m_store;
    const CToleranceTable& m_limits;
    CGridCtrl& m_grid;
    ChartDrawCounts m_counts;
    int m_paints = 0;
};
