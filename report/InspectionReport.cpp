#include "report/InspectionReport.h"

#include "report/ReportContent.h"
#include "report/ReportPages.h"
#include "report/ReportStrings.h"
#include "resources/StringTable.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "ScleronVersion.h"

namespace {

constexpr int kResolution = 300; // dots per inch of the page's coordinates

void SetUp(QPdfWriter& writer, const ReportContent& content)
{
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(content.title);
    writer.setCreator(QStringLiteral(SCLERON_PRODUCT_NAME " " SCLERON_VERSION_TEXT));
}

ReportResult Failed(const QString& path, const QString& reason)
{
    ReportResult result;
    result.error = ResString(ReportIds::WriteFailed).arg(path, reason);
    return result;
}

} // namespace

ReportResult WriteInspectionReport(CMeasurementStore& store, const CToleranceTable& limits, const QString& path,
                                   const QDateTime& date)
{
    const ReportContent content = BuildReportContent(store, limits, date);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failed(path, file.errorString());
    int pages = 0;
    {
        QPdfWriter writer(&file);
        SetUp(writer, content);
        pages = CountReportPages(content, writer);
        QPainter painter;
        if (!painter.begin(&writer))
            return Failed(path, file.errorString());
        const bool painted = PaintReportPages(content, writer, painter, pages);
        painter.end();
        if (!painted)
            return Failed(path, file.errorString());
    }
    if (file.error() != QFileDevice::NoError || !file.commit())
        return Failed(path, file.errorString());
    ReportResult result;
    result.written = true;
    result.pages = pages;
    return result;
}
