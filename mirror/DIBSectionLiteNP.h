#pragma once
// CDIBSectionLiteNP: a picture of the program's artwork and the four ways the device area draws
// one: opaque at its natural size, opaque stretched into a rectangle, transparent (every pixel of
// the colour of the top-left pixel leaves what is beneath untouched) and blended by its own
// per-pixel alpha.

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

class CDIBSectionLiteNP {
public:
    CDIBSectionLiteNP() = default;
    explicit CDIBSectionLiteNP(const QImage& image);

    bool IsNull() const { return m_image.isNull(); }
    QSize Size() const { return m_image.size(); }
    // The picture as loaded, with its alpha.
    const QImage& Image() const { return m_image; }

    // Every pixel replaces what is beneath; alpha is ignored.
    void Draw(QPainter& painter, QPoint at) const;
    // Opaque, scaled to fill target; an empty target draws nothing.
    void Stretch(QPainter& painter, const QRect& target) const;
    // Pixels of the top-left pixel's colour are left out (the mask is built once, on first use);
    // the others are drawn with their own alpha, so smoothed edges blend in.
    void DrawTransparent(QPainter& painter, QPoint at) const;
    // Blended by the picture's per-pixel alpha.
    void DrawAlpha(QPainter& painter, QPoint at) const;

private:
    const QImage& Opaque() const;
    const QImage& Masked() const;

    QImage m_image;
    mutable QImage m_opaque;
    mutable QImage m_masked;
};
