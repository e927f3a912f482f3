#pragma once
// The program's own pictures, compiled in from SVG files under resources/: toolbar buttons,
// the program icon and the About box artwork.

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
