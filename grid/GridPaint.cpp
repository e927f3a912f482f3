#include "grid/GridPaint.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr qreal kTextMargin = 3;    // between the cell border (or image) and the text
constexpr qreal kImageMargin = 1;   // between the cell border and the image

bool IsCLocale()
{
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C;
}

// The locale's time format always with seconds: impacts follow each other within seconds.
QString WithSeconds(QString format)
{
    if (format.contains(QLatin1Char('s')))
        return format;
    const qsizetype minutes = format.lastIndexOf(QLatin1String("mm"));
    if (minutes < 0)
        return QStringLiteral("HH:mm:ss");
    format.insert(minutes + 2, QLatin1String(":ss"));
    return format;
}

} // namespace

QString GridDateFormat()
{
    static const QString format =
        IsCLocale() ? QStringLiteral("yyyy-MM-dd") : QLocale::system().dateFormat(QLocale::ShortFormat);
    return format;
}

QString GridTimeFormat()
{
    static const QString format =
        IsCLocale() ? QStringLiteral("HH:mm:ss") : WithSeconds(QLocale::system().timeFormat(QLocale::ShortFormat));
    return format;
}

namespace {

constexpr qint64 kMsecsPerDay = 86400000;

const QLocale& DisplayLocale()
{
    static const QLocale locale = QLocale::system();
    return locale;
}

} // namespace

qint64 GridWallClock(const QDateTime& value)
{
    const QDateTime local = value.timeSpec() == Qt::LocalTime ? value : value.toLocalTime();
    return local.date().toJulianDay() * kMsecsPerDay + local.time().msecsSinceStartOfDay();
}

QDateTime GridDateTimeOf(qint64 wallClock)
{
    const qint64 day = wallClock >= 0 ? wallClock / kMsecsPerDay : (wallClock - kMsecsPerDay + 1) / kMsecsPerDay;
    const auto msecs = static_cast<int>(wallClock - day * kMsecsPerDay);
    return QDateTime(QDate::fromJulianDay(day), QTime::fromMSecsSinceStartOfDay(msecs), Qt::LocalTime);
}

QString GridFormatWallClock(qint64 wallClock, bool timeDisplay)
{
    const qint64 day = wallClock >= 0 ? wallClock / kMsecsPerDay : (wallClock - kMsecsPerDay + 1) / kMsecsPerDay;
    if (timeDisplay)
        return DisplayLocale().toString(QTime::fromMSecsSinceStartOfDay(static_cast<int>(wallClock - day * kMsecsPerDay)),
                                        GridTimeFormat());
    return DisplayLocale().toString(QDate::fromJulianDay(day), GridDateFormat());
}

qreal GridCellWidthFor(const QFontMetricsF& metrics, const QString& text, const QPixmap* image)
{
    qreal width = metrics.horizontalAdvance(text) + 2 * kTextMargin;
    if (image != nullptr && !image->isNull())
        width += kImageMargin + image->deviceIndependentSize().width();
    return width;
}

void PaintGridCell(QPainter& painter, const QRectF& rect, const GridCellLook& look)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    if (look.background.isValid())
        painter.fillRect(rect, look.background);
    QRectF textRect = rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    if (look.image != nullptr && !look.image->isNull()) {
        const QSizeF size = look.image->deviceIndependentSize();
        const QRectF target(rect.left() + kImageMargin, rect.top() + (rect.height() - size.height()) / 2,
                            size.width(), size.height());
        painter.drawPixmap(target, *look.image, QRectF(look.image->rect()));
        textRect.setLeft(target.right() + kTextMargin);
    }
    if (!look.text.isEmpty() && textRect.width() > 0) {
        painter.setFont(look.font);
        painter.setPen(look.textColour);
        painter.drawText(textRect, static_cast<int>(look.alignment | Qt::AlignVCenter | Qt::TextSingleLine),
                         look.text);
    }
    painter.restore();
}
