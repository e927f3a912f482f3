#include "app/SeriesChartPanel.h"

#include "app/VerdictOverlay.h"
#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "quality/Verdicts.h"
#include "report/ReportStrings.h"
#include "resources/StringTable.h"

#include <QItemSelectionModel>
#include <QPainter>

CSeriesChartPanel::CSeriesChartPanel(const CMeasurementStore& store, const CToleranceTable& limits, CGridCtrl& grid,
                                     QWidget* parent)
    : QWidget(parent), m_store(store), m_limits(limits), m_grid(grid)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    FollowFocus();
}

void CSeriesChartPanel::FollowFocus()
{
    // A repaint is only scheduled: many changes in a row still paint the chart once.
    const auto repaint = [this] { update(); };
    connect(m_grid.selectionModel(), &QItemSelectionModel::currentChanged, this, repaint);
    connect(m_grid.selectionModel(), &QItemSelectionModel::selectionChanged, this, repaint);
}

int CSeriesChartPanel::ShownSeries() const
{
    const GridCellId focus = m_grid.GetFocusCell();
    if (focus.IsValid())
        return SeriesOfTableRow(m_store, focus.row);
    const GridRange selected = m_grid.GetSelectedCellRange();
    return selected.IsValid() ? SeriesOfTableRow(m_store, selected.minRow) : -1;
}

void CSeriesChartPanel::paintEvent(QPaintEvent*)
{
    ++m_paints;
    m_counts = {};
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF area = QRectF(rect()).adjusted(6, 4, -6, -6);
    const int series = ShownSeries();
    painter.setPen(palette().color(QPalette::Text));
    if (series < 0) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, ResString(ReportIds::NoSelection));
        return;
    }
    const MSERIE& serie = *m_store.series[series];
    const SeriesVerdict verdict = JudgeSeries(m_store, series, m_limits);
    const SeriesChartData data = SeriesChartDataOf(m_store, series, m_limits);
    const qreal line = fontMetrics().height() * 1.2;
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    const QRectF titleBox(area.left(), area.top(), area.width(), line);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, ResString(ReportIds::Series).arg(serie.seriesNo));
    if (verdict.IsJudged()) {
        painter.setPen(verdict.IsOk() ? QColor(20, 130, 40) : QColor(200, 30, 30));
        painter.drawText(titleBox, Qt::AlignRight | Qt::AlignVCenter, SeriesVerdictText(verdict));
    }
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    const QString limits = LimitsText(verdict.limits, data.unit);
    if (!limits.isEmpty())
        painter.drawText(QRectF(area.left(), area.top() + line, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                         ResString(ReportIds::Tolerance).arg(limits));
    const qreal top = area.top() + line * 2.2;
    m_counts = PaintSeriesChart(painter, QRectF(area.left(), top, area.width(), area.bottom() - top), data);
}
