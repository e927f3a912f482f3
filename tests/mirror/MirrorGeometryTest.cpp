// Where the keys and the lock symbol answer the mouse: just inside and just outside every bound,
// for presses, moves and releases, at two view widths.
#include "mirror/MirrorGeometry.h"

#include <gtest/gtest.h>

using MirrorGeometry::Area;

namespace {

enum class Event { Press, Move, Release };

Area Hit(Event e, QPoint p, int W)
{
    switch (e) {
    case Event::Press:
        return MirrorGeometry::PressArea(p, W);
    case Event::Move:
        return MirrorGeometry::MoveArea(p, W);
    default:
        return MirrorGeometry::ReleaseArea(p, W);
    }
}

struct Bound {
    Area area;
    Event event;
    int left, right, top, bottom; // W - left < x < W - right, top <= y <= bottom
};

const Bound kBounds[] = {
    {Area::LeftKey, Event::Press, 346, 321, 89, 101},
    {Area::LeftKey, Event::Move, 346, 321, 89, 101},
    {Area::LeftKey, Event::Release, 346, 321, 89, 101},
    {Area::RightKey, Event::Press, 300, 275, 89, 101},
    {Area::RightKey, Event::Move, 300, 275, 89, 101},
    {Area::RightKey, Event::Release, 300, 275, 89, 101},
    {Area::DownKey, Event::Press, 254, 241, 95, 120},
    {Area::DownKey, Event::Move, 255, 242, 96, 121},
    {Area::DownKey, Event::Release, 255, 242, 96, 119},
    {Area::KeyLock, Event::Press, 210, 184, 115, 139},
    {Area::KeyLock, Event::Move, 210, 184, 115, 139},
    {Area::KeyLock, Event::Release, 210, 184, 115, 139},
};

TEST(MirrorGeometry, HitAreasJustInsideAndJustOutside)
{
    for (int W : {1000, 300}) {
        for (const Bound& b : kBounds) {
            const int midY = (b.top + b.bottom) / 2;
            const int midX = W - (b.left + b.right) / 2;
            const std::string what = "area " + std::to_string(int(b.area)) + " event " + std::to_string(int(b.event))
                + " W " + std::to_string(W);
            EXPECT_EQ(Hit(b.event, {W - b.left + 1, midY}, W), b.area) << what;
            EXPECT_EQ(Hit(b.event, {W - b.right - 1, midY}, W), b.area) << what;
            EXPECT_EQ(Hit(b.event, {midX, b.top}, W), b.area) << what;
            EXPECT_EQ(Hit(b.event, {midX, b.bottom}, W), b.area) << what;
            EXPECT_EQ(Hit(b.event, {W - b.left, midY}, W), Area::None) << what;
            EXPECT_EQ(Hit(b.event, {W - b.right, midY}, W), Area::None) << what;
            EXPECT_EQ(Hit(b.event, {midX, b.top - 1}, W), Area::None) << what;
            EXPECT_EQ(Hit(b.event, {midX, b.bottom + 1}, W), Area::None) << what;
        }
    }
    // The down key: a press at x = W - 242 is in, a move there is out; a move at y = 121 is in, a
    // release there is out.
    EXPECT_EQ(MirrorGeometry::PressArea({1000 - 242, 100}, 1000), Area::DownKey);
    EXPECT_EQ(MirrorGeometry::MoveArea({1000 - 242, 100}, 1000), Area::None);
    EXPECT_EQ(MirrorGeometry::MoveArea({1000 - 250, 121}, 1000), Area::DownKey);
    EXPECT_EQ(MirrorGeometry::ReleaseArea({1000 - 250, 121}, 1000), Area::None);
    EXPECT_EQ(MirrorGeometry::PressArea({1000 - 254, 100}, 1000), Area::None);
    EXPECT_EQ(MirrorGeometry::MoveArea({1000 - 254, 100}, 1000), Area::DownKey);
}

TEST(MirrorGeometry, FramesKeysAndColours)
{
    const int W = 1000;
    EXPECT_EQ(MirrorGeometry::HighlightFrame(Area::LeftKey, W), QRect(W - 347, 87, 29, 18));
    EXPECT_EQ(MirrorGeometry::HighlightFrame(Area::RightKey, W), QRect(W - 301, 87, 29, 18));
    EXPECT_EQ(MirrorGeometry::HighlightFrame(Area::DownKey, W), QRect(W - 255, 94, 18, 30));
    EXPECT_EQ(MirrorGeometry::HighlightFrame(Area::KeyLock, W), QRect(W - 210, 114, 27, 27));
    EXPECT_EQ(MirrorGeometry::FrameUpperLeft(Area::LeftKey), QColor(0, 160, 167));
    EXPECT_EQ(MirrorGeometry::FrameLowerRight(Area::DownKey), QColor(0, 0, 0));
    EXPECT_EQ(MirrorGeometry::FrameUpperLeft(Area::KeyLock), QColor(200, 200, 200));
    EXPECT_EQ(MirrorGeometry::FrameLowerRight(Area::KeyLock), QColor(100, 100, 100));
    EXPECT_EQ(MirrorGeometry::KeyOf(Area::LeftKey), 1);
    EXPECT_EQ(MirrorGeometry::KeyOf(Area::RightKey), 2);
    EXPECT_EQ(MirrorGeometry::KeyOf(Area::DownKey), 3);
    EXPECT_EQ(MirrorGeometry::KeyOf(Area::KeyLock), 0);
    // Every frame lies inside the rectangle a key press or the end of a highlight redraws.
    for (Area a : {Area::LeftKey, Area::RightKey, Area::DownKey, Area::KeyLock})
        EXPECT_TRUE(MirrorGeometry::KeysRect(W).contains(MirrorGeometry::HighlightFrame(a, W))) << int(a);
    EXPECT_EQ(MirrorGeometry::KeysRect(W), QRect(W - 350, 80, 200, 65));
    EXPECT_EQ(MirrorGeometry::LockRect(W), QRect(W - 210, 114, 26, 26));
}

} // namespace
