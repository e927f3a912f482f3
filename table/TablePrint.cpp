#include "table/TablePrint.h"

#include "data/MeasurementStore.h"
#include "data/UserPrompts.h"
#include "grid/GridCtrl.h"
#include "resources/StringTable.h"
#include "table/PrintDialogSeam.h"
#include "table/TableHost.h"
#include "table/TableStrings.h"
#include "table/TableTexts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <ctime>
#include <stdexcept>

namespace {

struct PageGeometry {
    double width = 0;       // logical page width: table width plus both margins
    double height = 0;      // logical page height, in proportion to the printer's page
    double margin = 0;      // left and right: 4 average character widths
    double line = 0;        // one text line of the print font
    double tableWidth = 0;  // columns 1..8
    double keyWidth = 0;    // column 0, which is not printed

    double HeaderHeight() const { return 2 * line; }
    double FooterTop() const { return height - 2 * line; }
    double TitleRowTop() const { return HeaderHeight() + line; }
};

QFont PrintFont(const CGridCtrl& grid)
{
    // The grid's font family at the size the page layout is made for.
    QFont font = grid.font();
    font.setPixelSize(10);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

PageGeometry MeasurePage(const CGridCtrl& grid, const QFont& font, QPrinter& printer)
{
    PageGeometry page;
    const QFontMetricsF metrics(font, &printer);
    static const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const double averageChar = metrics.horizontalAdvance(kLetters) / kLetters.size();
    page.margin = 4 * averageChar;
    page.line = metrics.height();
    page.keyWidth = grid.GetColumnWidth(0);
    for (int column = 1; column < grid.GetColumnCount(); ++column)
        page.tableWidth += grid.GetColumnWidth(column);
    page.width = page.tableWidth + 2 * page.margin;
    const QRectF paper = printer.pageRect(QPrinter::DevicePixel);
    page.height = paper.height() * page.width / paper.width();
    return page;
}

QString DateText()
{
    // strftime with the format of the string table ("%c"), in the current locale.
    const QByteArray format = ResString(TableStrings::PrintDate).toLocal8Bit();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[256];
    const std::size_t length = format.isEmpty() ? 0 : std::strftime(buffer, sizeof buffer, format.constData(), &local);
    return QString::fromLocal8Bit(buffer, static_cast<qsizetype>(length));
}

QString PageText(int page, int pages)
{
    QString text = ResString(TableStrings::PageOf);
    // "Page %d of %d": the first %d is the page, the second the count.
    const int first = text.indexOf(QLatin1String("%d"));
    if (first >= 0) {
        text.replace(first, 2, QString::number(page));
        const int second = text.indexOf(QLatin1String("%d"), first + QString::number(page).size());
        if (second >= 0)
            text.replace(second, 2, QString::number(pages));
    }
    return text;
}

void DrawHeader(QPainter& painter, const PageGeometry& page, const QFont& bold, const QString& title)
{
    const QRectF area(page.margin, 0, page.tableWidth, page.HeaderHeight());
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, title);
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, ResString(TableStrings::AppTitle));
    painter.drawLine(QPointF(area.left(), area.bottom()), QPointF(area.right(), area.bottom()));
}

void DrawFooter(QPainter& painter, const PageGeometry& page, const QFont& bold, int number, int count,
                const QString& date)
{
    const QRectF area(page.margin, page.FooterTop(), page.tableWidth, 2 * page.line);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(area.left(), area.top()), QPointF(area.right(), area.top()));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, PageText(number, count));
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, date);
}

void DrawBody(QPainter& painter, const CGridCtrl& grid, const PageGeometry& page, const QFont& font,
              const QList<int>& rows)
{
    // Rows are drawn whole and column 0 is clipped away.
    painter.save();
    painter.setClipRect(QRectF(page.margin, 0, page.tableWidth + 1, page.height));
    const double x = page.margin - page.keyWidth;
    double y = page.TitleRowTop();
    y += grid.DrawRow(painter, 0, QPointF(x, y), &font);
    for (const int row : rows)
        y += grid.DrawRow(painter, row, QPointF(x, y), &font);
    painter.restore();
}

} // namespace

QList<QList<int>> PaginateRows(const CGridCtrl& grid, bool selectionOnly, double bodyHeight)
{
    QList<QList<int>> pages(1);
    double used = 0;
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        const int height = grid.GetRowHeight(row);
        if (height <= 0 || (selectionOnly && !grid.IsCellSelected(row, 1)))
            continue;
        if (!pages.last().isEmpty() && used + height > bodyHeight) {
            pages.append(QList<int>());
            used = 0;
        }
        pages.last().append(row);
        used += height;
    }
    return pages;
}

bool PrintTableOn(CMeasurementStore& store, QPrinter& printer, bool selectionOnly)
{
    if (!store.grid)
        throw std::invalid_argument("the measurement table has no grid");
    const CGridCtrl& grid = *store.grid;
    const QFont font = PrintFont(grid);
    QFont bold = font;
    bold.setWeight(QFont::Bold);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PageGeometry page = MeasurePage(grid, font, printer);
    const QRectF paper = printer.pageRect(QPrinter::DevicePixel);
    const double scale = paper.width() / page.width;
    painter.scale(scale, scale);

    const double bodyHeight = page.FooterTop() - page.line - page.TitleRowTop() - grid.GetRowHeight(0);
    const QList<QList<int>> pages = PaginateRows(grid, selectionOnly, bodyHeight);
    const QString title = PrintTitleText(store);
    const QString date = DateText();
    for (int p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            printer.abort();
            painter.end();
            return false;
        }
        DrawHeader(painter, page, bold, title);
        DrawBody(painter, grid, page, font, pages[p]);
        DrawFooter(painter, page, bold, p + 1, static_cast<int>(pages.size()), date);
    }
    return painter.end();
}

void PrintTable(CMeasurementStore& store)
{
    TableHost().SetStatusText(ResString(TableStrings::Printing));
    QPrinter printer(QPrinter::HighResolution);
    QWidget* window = TableHost().MainWindow();
    QString documentName = ResString(TableStrings::AppTitle);
    if (documentName.isEmpty() && window)
        documentName = window->windowTitle();
    printer.setDocName(documentName);
    const PrintDialogChoice choice = PrintDialog().Run(printer, window);
    if (choice.accepted) {
        bool printed = false;
        {
            // As for the export: the wait cursor only once the dialog is closed, and not over
            // the error box.
            CWaitCursor wait;
            printed = PrintTableOn(store, printer, choice.selectionOnly);
        }
        if (!printed)
            Prompts().Message(ResString(TableStrings::PrintFailed), PromptButtons::Ok, PromptIcon::Error);
    }
    ShowConnectionStatus();
}
