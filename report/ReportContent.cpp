#include "report/ReportContent.h"

#include "conversion/Conversion.h"
#include "grid/GridCtrl.h"
#include "report/ReportStrings.h"
#include "resources/StringTable.h"
#include "table/TableBuilder.h"
#include "table/TableSheet.h"
#include "table/TableTexts.h"

#include <algorithm>

namespace {

QString DateTimeText(const QDateTime& time)
{
    return CGridCtrl::FormatDateTime(time, GridDateTimeDisplay::Date) + QLatin1Char(' ')
        + CGridCtrl::FormatDateTime(time, GridDateTimeDisplay::Time);
}

QString VerdictLine(const SeriesVerdict& verdict)
{
    if (!verdict.limits.IsSet())
        return {};
    QString text = verdict.IsJudged() ? SeriesVerdictText(verdict) + QStringLiteral(" (")
                                            + ResString(ReportIds::Counts)
                                                  .arg(verdict.inside)
                                                  .arg(verdict.below)
                                                  .arg(verdict.above)
                                            + QLatin1Char(')')
                                      : ResString(ReportIds::NothingJudged);
    if (verdict.notJudged > 0)
        text += QStringLiteral("; ") + ResString(ReportIds::NotJudgedCount).arg(verdict.notJudged);
    return ResString(ReportIds::Verdict).arg(text);
}

int HiddenCount(const MSERIE& serie)
{
    return int(std::count_if(serie.measurements.begin(), serie.measurements.end(),
                             [](const MEAS* meas) { return meas->hidden != 0; }));
}

std::vector<ReportRow> MeasurementRows(const CMeasurementStore& store, int k, const SeriesVerdict& verdict)
{
    const MSERIE& serie = *store.series[k];
    std::vector<ReportRow> rows;
    rows.reserve(std::size_t(serie.Count()));
    for (int j = 1; j <= serie.Count(); ++j) {
        const MEAS& meas = *serie.measurements[j - 1];
        const QDateTime time = QDateTime::fromSecsSinceEpoch(meas.time, Qt::LocalTime);
        ReportRow row;
        row.hidden = meas.hidden != 0;
        row.verdict = verdict.measurements[std::size_t(j - 1)];
        row.cells << QString::number(serie.seriesNo) + QLatin1Char('.') + QString::number(j)
                  << CGridCtrl::FormatDateTime(time, GridDateTimeDisplay::Date)
                  << CGridCtrl::FormatDateTime(time, GridDateTimeDisplay::Time)
                  << FormatMeasurementValue(store, k, j - 1) << GravityComponentText(meas.angle)
                  << (row.hidden ? ResString(ReportIds::Hidden) : VerdictText(row.verdict));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

ReportContent BuildReportContent(CMeasurementStore& store, const CToleranceTable& limits, const QDateTime& date)
{
    ReportContent content;
    content.title = ResString(ReportIds::Title);
    content.tester = ResString(ReportIds::Tester).arg(ExportHeaderText(store));
    content.date = ResString(ReportIds::Date).arg(DateTimeText(date));

    // The Scale and Material texts come from the table's own fill, on a window-less sheet.
    CTableSheet sheet;
    TableBuilder<CTableSheet> builder(store, sheet);
    builder.Setup();
    for (int c = 1; c <= 5; ++c)
        content.columnTitles << sheet.GetItemText(0, c);
    content.columnTitles << ResString(ReportIds::VerdictColumn);

    for (int k = 0; k < store.series.GetSize(); ++k) {
        MSERIE& serie = *store.series[k];
        const int row = builder.AppendSeriesRow();
        builder.FillScaleMaterialCells(row, k);
        for (MEAS* meas : serie.measurements)
            meas->SetAngle(std::clamp(meas->angle, 0, 180));

        const SeriesVerdict verdict = JudgeSeries(store, k, limits);
        SeriesReport report;
        report.heading = ResString(ReportIds::Series).arg(serie.seriesNo);
        report.verdictMark = SeriesVerdictText(verdict);
        report.ok = verdict.IsOk();
        report.settings << ResString(ReportIds::Scale).arg(sheet.GetItemText(row, 6))
                        << ResString(ReportIds::Material).arg(sheet.GetItemText(row, 7))
                        << ResString(ReportIds::ImpactBody).arg(ImpactBodyText(serie.probe))
                        << ResString(ReportIds::Measurements).arg(serie.Count()).arg(HiddenCount(serie));
        report.chart = SeriesChartDataOf(store, k, limits);
        const QString unit = SeriesUnit(store, k);
        report.settings << ResString(ReportIds::Tolerance)
                               .arg(verdict.limits.IsSet() ? LimitsText(verdict.limits, unit)
                                                           : ResString(ReportIds::NoLimits));
        if (const QString line = VerdictLine(verdict); !line.isEmpty())
            report.settings << line;
        report.statistics = StatisticsRowTexts(ComputeSeriesStatistics(store, k));
        report.rows = MeasurementRows(store, k, verdict);
        content.series.push_back(std::move(report));
    }
    return content;
}
