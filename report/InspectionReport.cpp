#include "report/InspectionReport.h"

#include "report/ReportContent.h"
#include "report/ReportPages.h"
#include "report/ReportStrings.h"
#include "resources/StringTable.h"

#include "data/FileWriter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

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

QByteArray RenderInspectionReport(CMeasurementStore& store, const CToleranceTable& limits, const QDateTime& date,
                                  int* pages, QString* error)
{
    const ReportContent content = BuildReportContent(store, limits, date);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        SetUp(writer, content);
        const int count = CountReportPages(content, writer);
        QPainter painter;
        if (painter.begin(&writer)) {
            painted = PaintReportPages(content, writer, painter, count);
            painter.end();
        }
        if (pages)
            *pages = count;
    }
    if (!painted) {
        if (error)
            *error = QStringLiteral("the pages could not be drawn");
        return {};
    }
    return bytes;
}

ReportResult WriteInspectionReport(CMeasurementStore& store, const CToleranceTable& limits, const QString& path,
                                   const QDateTime& date)
{
    ReportResult result;
    QString reason;
    const QByteArray pdf = RenderInspectionReport(store, limits, date, &result.pages, &reason);
    if (pdf.isEmpty())
        return Failed(path, reason);
    if (FileWriter::WriteFile(path, pdf, &reason) != FileWriter::Result::Written)
        return Failed(path, reason);
    result.written = true;
    return result;
}
