#include "app/Artwork.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resource file lives in this static library; nothing else references it, so it is
// registered explicitly before its first use.
static void RegisterArtwork()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(AppArtwork);
        return true;
    }();
    (void)registered;
}

QImage RenderArtwork(const QString& path, QSize size)
{
    RegisterArtwork();
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.defaultSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QIcon ToolbarIcon(const QString& name)
{
    constexpr int kButtonImageSize = 32;
    const QImage image = RenderArtwork(QStringLiteral(":/toolbar/%1.svg").arg(name), {kButtonImageSize, kButtonImageSize});
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(RenderArtwork(QStringLiteral(":/art/scleron.svg"), {size, size})));
    return icon;
}

QImage AboutArtwork()
{
    return RenderArtwork(QStringLiteral(":/art/about.svg"));
}

QImage ViewImage(int resource)
{
    switch (resource) {
    case 228:
        return RenderArtwork(QStringLiteral(":/device/band.svg"));
    case 231:
        return RenderArtwork(QStringLiteral(":/device/lock-locked.svg"));
    case 232:
        return RenderArtwork(QStringLiteral(":/device/lock-unlocked.svg"));
    default:
        return {};
    }
}
