#pragma once
// Where the tester's picture, its display cells, keys and key-lock symbol lie in the main view.
// Everything follows the right edge: W is the width of the view's client area, and a view
// narrower than the picture shows its left part cut off.

#include <QColor>
#include <QPoint>
#include <QRect>

namespace MirrorGeometry {

constexpr int kPictureWidth = 440;
constexpr int kPictureHeight = 150;
constexpr int kLockSize = 26;

QPoint PictureOrigin(int W);
// Display cell 1..4: its position and size (24 x 32, 20 x 32, 25 x 34, 20 x 32).
QRect CellRect(int cell, int W);
// The key-lock symbol (drawn by the view, after the picture).
QRect LockRect(int W);

// The parts of the picture that answer the mouse.
enum class Area { None, LeftKey, RightKey, DownKey, KeyLock };

// Which area a point falls in, for each kind of mouse event: the down key answers a button press
// a pixel further right and higher than it answers moves and releases, and a release only down to
// y = 119.
Area PressArea(QPoint p, int W);
Area MoveArea(QPoint p, int W);
Area ReleaseArea(QPoint p, int W);

// The key number an area presses on the tester (1 left, 2 right, 3 down); 0 for the lock.
int KeyOf(Area area);

// The frame drawn round an area under the mouse, and its colours (upper-left and lower-right
// edges).
QRect HighlightFrame(Area area, int W);
QColor FrameUpperLeft(Area area);
QColor FrameLowerRight(Area area);

// What a key press, a lock toggle or the end of a highlight redraws.
QRect KeysRect(int W);

} // namespace MirrorGeometry
