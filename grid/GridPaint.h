#pragma once
// Drawing of one cell, shared by the screen (the item delegate and the title row) and the
// printout (CGridCtrl::DrawRow), so both look alike.

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QRectF>
#include <QString>

class QFontMetricsF;
class QPainter;
class QPixmap;

struct GridCellLook {
    QString text;
    const QPixmap* image = nullptr;   // drawn at the left edge, vertically centred
    QColor textColour;
    QColor background;                // invalid: the background is left as it is
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft;   // horizontal part only
};

// Fills the background, draws the image and then the text, clipped to the cell, in one line,
// vertically centred. Lengths are in the painter's current units.
void PaintGridCell(QPainter& painter, const QRectF& rect, const GridCellLook& look);

// The width a cell needs to show `text` (and the image) whole: the inverse of PaintGridCell.
qreal GridCellWidthFor(const QFontMetricsF& metrics, const QString& text, const QPixmap* image);

// The display format of date-time cells (see CGridCtrl::FormatDateTime).
QString GridDateFormat();
QString GridTimeFormat();

// Date-time cells keep their value as local wall-clock time (day number * 86,400,000 +
// milliseconds of the day), so showing, copying and exporting them needs no time-zone lookup.
qint64 GridWallClock(const QDateTime& value);        // value must be valid
QDateTime GridDateTimeOf(qint64 wallClock);          // local time
QString GridFormatWallClock(qint64 wallClock, bool timeDisplay);
