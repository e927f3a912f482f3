#include "mirror/MirrorGeometry.h"

#include <iterator>

namespace MirrorGeometry {
namespace {

// Bounds measured from the right edge: W - left < x < W - right, top <= y <= bottom.
struct Bounds {
    int left;
    int right;
    int top;
    int bottom;

    bool Contains(QPoint p, int W) const
    {
        return W - left < p.x() && p.x() < W - right && top <= p.y() && p.y() <= bottom;
    }
};

struct AreaRow {
    Area area;
    Bounds press;
    Bounds move;
    Bounds release;
    QRect frame; // x measured from the right edge
};

constexpr Bounds kLeftKey{346, 321, 89, 101};
constexpr Bounds kRightKey{300, 275, 89, 101};
constexpr Bounds kKeyLock{210, 184, 115, 139};

const AreaRow kAreas[] = {
    //  area            press                    move                     release                  frame
    {Area::LeftKey,  kLeftKey,              kLeftKey,              kLeftKey,              QRect(347, 87, 29, 18)},
    {Area::RightKey, kRightKey,             kRightKey,             kRightKey,             QRect(301, 87, 29, 18)},
    {Area::DownKey,  Bounds{254, 241, 95, 120}, Bounds{255, 242, 96, 121}, Bounds{255, 242, 96, 119}, QRect(255, 94, 18, 30)},
    {Area::KeyLock,  kKeyLock,              kKeyLock,              kKeyLock,              QRect(210, 114, 27, 27)},
};

template <class Pick>
Area Find(QPoint p, int W, Pick pick)
{
    for (const AreaRow& row : kAreas)
        if (pick(row).Contains(p, W))
            return row.area;
    return Area::None;
}

struct CellRow {
    int left; // from the right edge
    int top;
    int width;
    int height;
};

constexpr CellRow kCells[] = {{352, 34, 24, 32}, {321, 34, 20, 32}, {294, 34, 25, 34}, {267, 34, 20, 32}};

} // namespace

QPoint PictureOrigin(int W)
{
    return {W - kPictureWidth, 0};
}

QRect CellRect(int cell, int W)
{
    if (cell < 1 || cell > static_cast<int>(std::size(kCells)))
        return {};
    const CellRow& row = kCells[cell - 1];
    return {W - row.left, row.top, row.width, row.height};
}

QRect LockRect(int W)
{
    return {W - 210, 114, kLockSize, kLockSize};
}

Area PressArea(QPoint p, int W)
{
    return Find(p, W, [](const AreaRow& row) { return row.press; });
}

Area MoveArea(QPoint p, int W)
{
    return Find(p, W, [](const AreaRow& row) { return row.move; });
}

Area ReleaseArea(QPoint p, int W)
{
    return Find(p, W, [](const AreaRow& row) { return row.release; });
}

int KeyOf(Area area)
{
    switch (area) {
    case Area::LeftKey:
        return 1;
    case Area::RightKey:
        return 2;
    case Area::DownKey:
        return 3;
    default:
        return 0;
    }
}

QRect HighlightFrame(Area area, int W)
{
    for (const AreaRow& row : kAreas)
        if (row.area == area)
            return {W - row.frame.x(), row.frame.y(), row.frame.width(), row.frame.height()};
    return {};
}

QColor FrameUpperLeft(Area area)
{
    return area == Area::KeyLock ? QColor(200, 200, 200) : QColor(0, 160, 167);
}

QColor FrameLowerRight(Area area)
{
    return area == Area::KeyLock ? QColor(100, 100, 100) : QColor(0, 0, 0);
}

QRect KeysRect(int W)
{
    // From (W - 350, 80) to (W - 150, 145), right and bottom edges excluded.
    return QRect(QPoint(W - 350, 80), QPoint(W - 151, 144));
}

} // namespace MirrorGeometry
