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
// than the text are drawn at the text's width.
void PlaceImages(QTextDocument& document, const QString& folder)
{
    const qreal width = document.textWidth();
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
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 18)));
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Scleron"));

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setMarkdown(QString::fromUtf8(input.readAll()));
    // The document is laid out at the screen's 96 dots per inch and printed scaled to the page,
    // so a picture may be as wide as the printable width at that resolution.
    document.setTextWidth(writer.pageLayout().paintRect(QPageLayout::Inch).width() * 96.0);
    PlaceImages(document, folder);
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
    writer.setTitle(title.isEmpty() ? QFileInfo(args[1]).baseName() : title);
    document.print(&writer);
    if (!output.commit()) {
        std::fprintf(stderr, "scleron-manual: %s: %s\n", qPrintable(args[2]), qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
