#pragma once
// CDeviceMirror: the picture of the tester in the main view's top right corner, whose display
// repeats what the connected tester's own display shows (the store's displayCodes and
// displayMode). The store owns one; the main view draws it from its paint handler, before the
// key-lock symbol, and forwards the mouse (MirrorGeometry.h).
//
// Artwork: the picture (440 x 150, drawn opaque) and 24 segment images, each the size of its cell
// with the segment at its place, drawn transparent over the display window.

#include "mirror/DIBSectionLiteNP.h"
#include "mirror/DisplaySegments.h"

#include <map>

class CMeasurementStore;
class QPainter;

class CDeviceMirror {
public:
    // The picture's resource number and the decimal point's.
    static constexpr int kPictureResource = 227;
    static constexpr int kDecimalPointResource = 225;

    explicit CDeviceMirror(const CMeasurementStore& store);

    // Draws the picture at (W - 440, 0) and the display over it; W is the view's client width.
    void Draw(QPainter& painter, int W) const;
    // What the display lights for the store's codes and mode now.
    Display::SLitDisplay Lit() const;

    const CDIBSectionLiteNP& Picture() const { return m_picture; }
    // The image of one segment of cell 1..4 (a null image for a segment the cell does not have).
    const CDIBSectionLiteNP& SegmentImage(int cell, Display::Segment segment) const;
    const CDIBSectionLiteNP& DecimalPointImage() const;
    // The resource number of a cell's segment image (203..226); 0 when the cell has no such segment.
    static int SegmentResource(int cell, Display::Segment segment);

private:
    const CMeasurementStore& m_store;
    CDIBSectionLiteNP m_picture;
    std::map<int, CDIBSectionLiteNP> m_segments; // by resource number
};
