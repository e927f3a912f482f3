#include "report/ReportPages.h"

#include "quality/VerdictColours.h"
#include "report/ReportStrings.h"
#include "resources/StringTable.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

QColor Colour(VerdictColours::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

const QColor kOkColour = Colour(VerdictColours::kOkMark);
const QColor kNotOkColour = Colour(VerdictColours::kNotOkMark);
const QColor kHiddenGrey(150, 150, 150);
const QColor kRule(60, 60, 60);
const QColor kHeadFill(225, 225, 225);

QFont Font(double points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Relative widths of the measurements table's columns.
constexpr double kColumnShares[6] = {0.10, 0.16, 0.14, 0.20, 0.22, 0.18};

// Goes down the pages once: without a painter it only counts, with one it draws. Both runs take
// the same decisions, so the page count of the first is the one the second prints.
class CReportCanvas {
public:
    CReportCanvas(const ReportContent& content, QPagedPaintDevice& device, QPainter* painter, int pageCount)
        : content(content), device(device), painter(painter), pageCount(pageCount),
          dpi(device.logicalDpiY()), body(Font(9)), bold(Font(9, true)), small(Font(8)), heading(Font(12, true)),
          title(Font(15, true))
    {
        const QRectF page(0, 0, device.width(), device.height());
        area = page.adjusted(Mm(15), Mm(12), -Mm(15), -Mm(12));
        line = Metrics(body).height() * 1.35;
        headerBottom = area.top() + Metrics(title).height() + line * 2.2;
        footerTop = area.bottom() - line * 2.6;
    }

    bool Run();
    int Pages() const { return page; }

private:
    qreal Mm(double mm) const { return mm * dpi / 25.4; }
    QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &device); }

    bool StartPage();
    void PaintHeader();
    void PaintFooter();
    // Makes room for height below y: a new page when it does not fit (and something is on this one).
    bool Room(qreal height);
    void Text(const QRectF& box, const QFont& font, const QColor& colour, int flags, const QString& text);

    bool Series(const SeriesReport& series);
    void StatisticsRow(const SeriesReport& series);
    void TableRow(const QStringList& cells, const QFont& font, const QColor& colour, bool head, const ReportRow* row);

    const ReportContent& content;
    QPagedPaintDevice& device;
    QPainter* painter;
    const int pageCount;
    const int dpi;
    QFont body, bold, small, heading, title;
    QRectF area;
    qreal line = 0;
    qreal headerBottom = 0;
    qreal footerTop = 0;
    int page = 0;
    qreal y = 0;
    bool pageEmpty = true;
    bool ok = true;
    const SeriesReport* tableOf = nullptr; // the series whose table is being written
};

void CReportCanvas::Text(const QRectF& box, const QFont& font, const QColor& colour, int flags, const QString& text)
{
    if (!painter)
        return;
    painter->setFont(font);
    painter->setPen(colour);
    painter->drawText(box, flags, text);
}

void CReportCanvas::PaintHeader()
{
    const qreal titleHeight = Metrics(title).height();
    Text(QRectF(area.left(), area.top(), area.width(), titleHeight), title, Qt::black, Qt::AlignLeft | Qt::AlignVCenter,
         content.title);
    Text(QRectF(area.left(), area.top(), area.width(), titleHeight), body, Qt::black, Qt::AlignRight | Qt::AlignVCenter,
         content.date);
    Text(QRectF(area.left(), area.top() + titleHeight, area.width(), line), body, Qt::black,
         Qt::AlignLeft | Qt::AlignVCenter, content.tester);
    if (painter) {
        painter->setPen(QPen(kRule, Mm(0.3)));
        const qreal rule = area.top() + titleHeight + line * 1.3;
        painter->drawLine(QPointF(area.left(), rule), QPointF(area.right(), rule));
    }
}

void CReportCanvas::PaintFooter()
{
    if (!painter)
        return;
    painter->setPen(QPen(kRule, Mm(0.3)));
    painter->drawLine(QPointF(area.left(), footerTop), QPointF(area.right(), footerTop));
    const qreal textTop = footerTop + line * 1.2;
    const QRectF row(area.left(), textTop, area.width(), line);
    const QString inspected = ResString(ReportIds::InspectedBy);
    const QString signature = ResString(ReportIds::Signature);
    const QFontMetricsF metrics = Metrics(body);
    const qreal signLine = Mm(45);
    Text(row, body, Qt::black, Qt::AlignLeft | Qt::AlignBottom, inspected);
    qreal x = area.left() + metrics.horizontalAdvance(inspected) + Mm(2);
    painter->setPen(QPen(Qt::black, Mm(0.2)));
    painter->drawLine(QPointF(x, row.bottom()), QPointF(x + signLine, row.bottom()));
    x += signLine + Mm(8);
    Text(QRectF(x, textTop, area.width(), line), body, Qt::black, Qt::AlignLeft | Qt::AlignBottom, signature);
    x += metrics.horizontalAdvance(signature) + Mm(2);
    painter->setPen(QPen(Qt::black, Mm(0.2)));
    painter->drawLine(QPointF(x, row.bottom()), QPointF(x + signLine, row.bottom()));
    Text(row, body, Qt::black, Qt::AlignRight | Qt::AlignBottom, ResString(ReportIds::Page).arg(page).arg(pageCount));
}

bool CReportCanvas::StartPage()
{
    if (page > 0) {
        PaintFooter();
        if (painter && !device.newPage())
            return ok = false;
    }
    ++page;
    PaintHeader();
    y = headerBottom;
    pageEmpty = true;
    return true;
}

bool CReportCanvas::Room(qreal height)
{
    if (y + height <= footerTop - line * 0.5 || pageEmpty)
        return true;
    if (!StartPage())
        return false;
    // A measurements table that goes on repeats its title row.
    if (tableOf)
        TableRow(content.columnTitles, bold, Qt::black, true, nullptr);
    return true;
}

void CReportCanvas::TableRow(const QStringList& cells, const QFont& font, const QColor& colour, bool head,
                             const ReportRow* row)
{
    const qreal height = line * 1.1;
    if (painter && head)
        painter->fillRect(QRectF(area.left(), y, area.width(), height), kHeadFill);
    qreal x = area.left();
    for (int c = 0; c < cells.size() && c < 6; ++c) {
        const qreal width = area.width() * kColumnShares[c];
        QColor cellColour = colour;
        if (row && c == 5 && !row->hidden)
            cellColour = Colour(VerdictColours::MarkOf(row->verdict, {colour.red(), colour.green(), colour.blue()}));
        Text(QRectF(x + Mm(1), y, width - Mm(2), height), font, cellColour,
             (c == 0 ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter, cells[c]);
        x += width;
    }
    if (painter) {
        painter->setPen(QPen(QColor(200, 200, 200), Mm(0.15)));
        painter->drawLine(QPointF(area.left(), y + height), QPointF(area.right(), y + height));
    }
    y += height;
    pageEmpty = false;
}

void CReportCanvas::StatisticsRow(const SeriesReport& series)
{
    const qreal height = line * 1.2;
    const qreal width = area.width() / qreal(std::max<qsizetype>(1, series.statistics.size()));
    if (painter) {
        painter->setPen(QPen(kRule, Mm(0.2)));
        painter->setBrush(Qt::NoBrush);
    }
    for (int i = 0; i < series.statistics.size(); ++i) {
        const QRectF box(area.left() + width * i, y, width, height);
        if (painter) {
            painter->setPen(QPen(kRule, Mm(0.2)));
            painter->drawRect(box);
        }
        Text(box, body, Qt::black, Qt::AlignCenter, series.statistics[i]);
    }
    y += height + line * 0.4;
}

bool CReportCanvas::Series(const SeriesReport& series)
{
    const qreal headingHeight = Metrics(heading).height() * 1.3;
    const qreal chartHeight = Mm(55);
    const qreal settingsHeight = line * ((series.settings.size() + 1) / 2);
    const qreal opening = headingHeight + settingsHeight + line * 0.3 + line * 1.6 + chartHeight + line * 0.5;
    const qreal whole = opening + line * 1.1 * qreal(series.rows.size() + 1);
    // A series that fits on a page is never split: it starts a new page when this one is too
    // full. A longer one starts where it is, its heading kept with its settings, statistics,
    // chart and the table's first rows.
    const bool fitsOnAPage = whole <= footerTop - line * 0.5 - headerBottom;
    if (!Room(fitsOnAPage ? whole : opening + line * 3.5))
        return false;
    const QRectF headingBox(area.left(), y, area.width(), headingHeight);
    Text(headingBox, heading, Qt::black, Qt::AlignLeft | Qt::AlignVCenter, series.heading);
    if (!series.verdictMark.isEmpty())
        Text(headingBox, heading, series.ok ? kOkColour : kNotOkColour, Qt::AlignRight | Qt::AlignVCenter,
             series.verdictMark);
    y += headingHeight;
    for (int i = 0; i < series.settings.size(); ++i) {
        // Two columns: scale, material, impact body on the left; counts, tolerance, verdict on the right.
        const int half = int((series.settings.size() + 1) / 2);
        const int column = i < half ? 0 : 1;
        const int rowIndex = i < half ? i : i - half;
        Text(QRectF(area.left() + column * area.width() / 2, y + rowIndex * line, area.width() / 2, line), body,
             Qt::black, Qt::AlignLeft | Qt::AlignVCenter, series.settings[i]);
    }
    y += settingsHeight + line * 0.3;
    StatisticsRow(series);
    if (painter) {
        painter->setFont(small);
        PaintSeriesChart(*painter, QRectF(area.left(), y, area.width(), chartHeight), series.chart);
    }
    y += chartHeight + line * 0.5;
    pageEmpty = false;

    TableRow(content.columnTitles, bold, Qt::black, true, nullptr);
    tableOf = &series;
    for (const ReportRow& row : series.rows) {
        if (!Room(line * 1.1))
            return false;
        TableRow(row.cells, body, row.hidden ? kHiddenGrey : Qt::black, false, &row);
    }
    tableOf = nullptr;
    y += line;
    return true;
}

bool CReportCanvas::Run()
{
    if (!StartPage())
        return false;
    if (content.series.empty()) {
        Text(QRectF(area.left(), y, area.width(), line), body, Qt::black, Qt::AlignLeft | Qt::AlignVCenter,
             ResString(ReportIds::NoSeries));
        y += line;
    }
    for (const SeriesReport& series : content.series)
        if (!Series(series))
            return false;
    PaintFooter();
    return ok;
}

} // namespace

int CountReportPages(const ReportContent& content, QPagedPaintDevice& device)
{
    CReportCanvas canvas(content, device, nullptr, 0);
    canvas.Run();
    return canvas.Pages();
}

bool PaintReportPages(const ReportContent& content, QPagedPaintDevice& device, QPainter& painter, int pageCount)
{
    CReportCanvas canvas(content, device, &painter, pageCount);
    return canvas.Run();
}
