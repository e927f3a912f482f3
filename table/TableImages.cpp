#include "table/TableImages.h"

#include <QtGlobal>

#include <stdexcept>

static void InitTableResources()
{
    // The strip lives in a static library; its resources must be registered by hand.
    Q_INIT_RESOURCE(table_images);
}

CTableImages::CTableImages()
{
    InitTableResources();
    const QImage strip(QStringLiteral(":/table/tree-images.xpm"));
    if (strip.width() != kCount * kSize || strip.height() != kSize)
        throw std::runtime_error("tree image strip missing or of the wrong size");
    const QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < kCount; ++i) {
        QImage image = argb.copy(i * kSize, 0, kSize, kSize);
        for (int y = 0; y < kSize; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < kSize; ++x)
                if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu)
                    line[x] = qRgba(255, 255, 255, 0);
        }
        images.append(image);
    }
}
