#pragma once
// The program's own pictures, compiled in from SVG files under resources/: toolbar buttons,
// the program icon, the About box artwork and the main view's pictures.

#include <QIcon>
#include <QImage>
#include <QString>

// Renders the SVG at resource path (":/..."), at its natural size when size is empty, into an
// image with per-pixel alpha. A null image when the picture is missing.
QImage RenderArtwork(const QString& path, QSize size = {});
// A toolbar button image of 32 x 32 pixels by file name (without folder and ".svg").
QIcon ToolbarIcon(const QString& name);
// Icon 128, the program's icon.
QIcon ProgramIcon();
// Bitmap 170, the About box artwork.
QImage AboutArtwork();
// The main view's pictures: 228 (the background of the device area left of the tester), 231
// (keys locked) and 232 (keys unlocked). A null image for any other number.
QImage ViewImage(int resource);
