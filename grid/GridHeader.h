#pragma once
// CGridHeader: shows the grid's title row (row 0) above the body: every section is drawn from
// the title cell's attributes, its height is the title row's height, and mouse releases on it
// are reported to the grid as clicks on row 0.

#include <QHeaderView>

class CGridCtrl;

class CGridHeader final : public QHeaderView {
    Q_OBJECT
public:
    explicit CGridHeader(CGridCtrl* grid);

    void SetRowHeight(int height);
    int RowHeight() const { return m_height; }

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CGridCtrl* m_grid;
    int m_height = 22;
};
