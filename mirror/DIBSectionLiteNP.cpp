#include "mirror/DIBSectionLiteNP.h"

#include <QPainter>

CDIBSectionLiteNP::CDIBSectionLiteNP(const QImage& image)
    : m_image(image.convertToFormat(QImage::Format_ARGB32_Premultiplied))
{
}

const QImage& CDIBSectionLiteNP::Opaque() const
{
    if (m_opaque.isNull() && !m_image.isNull()) {
        // Alpha dropped: a pixel keeps its colour whatever its coverage.
        m_opaque = m_image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < m_opaque.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_opaque.scanLine(y));
            for (int x = 0; x < m_opaque.width(); ++x)
                line[x] |= 0xFF000000u;
        }
        m_opaque = m_opaque.convertToFormat(QImage::Format_RGB32);
    }
    return m_opaque;
}

const QImage& CDIBSectionLiteNP::Masked() const
{
    if (m_masked.isNull() && !m_image.isNull()) {
        m_masked = m_image;
        // Compared as stored, so a colour and its coverage must both match the corner's.
        const QRgb key = reinterpret_cast<const QRgb*>(m_image.constScanLine(0))[0];
        for (int y = 0; y < m_masked.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_masked.scanLine(y));
            for (int x = 0; x < m_masked.width(); ++x)
                if (line[x] == key)
                    line[x] = 0;
        }
    }
    return m_masked;
}

void CDIBSectionLiteNP::Draw(QPainter& painter, QPoint at) const
{
    if (!IsNull())
        painter.drawImage(at, Opaque());
}

void CDIBSectionLiteNP::Stretch(QPainter& painter, const QRect& target) const
{
    if (!IsNull() && target.width() > 0 && target.height() > 0)
        painter.drawImage(target, Opaque());
}

void CDIBSectionLiteNP::DrawTransparent(QPainter& painter, QPoint at) const
{
    if (!IsNull())
        painter.drawImage(at, Masked());
}

void CDIBSectionLiteNP::DrawAlpha(QPainter& painter, QPoint at) const
{
    if (!IsNull())
        painter.drawImage(at, m_image);
}
