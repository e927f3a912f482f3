// scleron-manual: renders the operating instructions, written in Markdown, to a PDF document.
//
//   scleron-manual INPUT.md OUTPUT.pdf [PICTURES_DIR]
//
// Pictures are named relative to PICTURES_DIR (without it, to the Markdown file's folder) and are
// scaled down to the page's width. The pages are A4 with page numbers at their foot. Runs without a
// display.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include <cstdio>

namespace {

// Pictures are named relative to folder; they are looked up by their full path, and those wider
// than width are drawn at that width.
void PlaceImages(QTextDocument& document, const QString& folder, qreal width)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            const QString path = QDir::cleanPath(QDir(folder).absoluteFilePath(format.name()));
            format.setName(path);
            const QSize size = QImageReader(path).size();
            if (size.isValid() && size.width() > width) {
                format.setWidth(width);
                format.setHeight(width * size.height() / size.width());
            }
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr, "usage: scleron-manual INPUT.md OUTPUT.pdf [PICTURES_DIR]\n");
        return 2;
    }
    QFile input(args[1]);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "scleron-manual: %s: %s\n", qPrintable(args[1]), qPrintable(input.errorString()));
        return 1;
    }
    const QString folder = args.size() == 4 ? QDir(args[3]).absolutePath() : QFileInfo(args[1]).absolutePath();

    QSaveFile output(args[2]);
    if (!output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "scleron-manual: %s: %s\n", qPrintable(args[2]), qPrintable(output.errorString()));
        return 1;
    }
    QPdfWriter writer(&output);
    // QTextDocument::print gives the pages margins of 2 cm itself.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Scleron"));

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setMarkdown(QString::fromUtf8(input.readAll()));
    // print() lays the document out again on the page, in units of the screen's 96 dots per inch,
    // between its own margins of 2 cm: a picture may be as wide as the page less those.
    constexpr qreal kDotsPerInch = 96.0;
    const qreal margin = int((2 / 2.54) * kDotsPerInch);
    PlaceImages(document, folder, writer.pageLayout().paintRect(QPageLayout::Inch).width() * kDotsPerInch - 2 * margin);
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
    writer.setTitle(title.isEmpty() ? QFileInfo(args[1]).baseName() : title);
    document.print(&writer);
    if (!output.commit()) {
        std::fprintf(stderr, "scleron-manual: %s: %s\n", qPrintable(args[2]), qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
