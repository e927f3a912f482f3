// CGridCtrl::GetContentWidth: the room a column's texts need.
#include "grid/GridCtrl.h"

#include "grid/GridPaint.h"

#include <QFontMetricsF>
#include <QHash>

#include <cmath>

int CGridCtrl::GetContentWidth(int column) const
{
    if (column < 0 || column >= GetColumnCount())
        return 0;
    // Metrics per font: a table has a handful of fonts and thousands of cells.
    QHash<QString, QFontMetricsF> metricsOf;
    const auto metrics = [&](const QFont& font) -> const QFontMetricsF& {
        const QString key = font.key();
        auto it = metricsOf.find(key);
        if (it == metricsOf.end())
            it = metricsOf.insert(key, QFontMetricsF(font, this));
        return *it;
    };
    qreal widest = 0;
    for (int row = 0; row < GetRowCount(); ++row) {
        const QFontMetricsF& fm = metrics(GetItemFont(row, column));
        const int image = GetItemImage(row, column);
        const QPixmap* pixmap = image >= 0 && image < m_images.size() ? &m_images[image] : nullptr;
        widest = std::max(widest, GridCellWidthFor(fm, GetItemText(row, column), pixmap));
        if (GetCellType(row, column) == GridCellType::DropDown)
            for (const QString& option : GetComboOptions(row, column))
                widest = std::max(widest, GridCellWidthFor(fm, option, nullptr));
    }
    // One pixel more for the grid line at the cell's right edge.
    return static_cast<int>(std::ceil(widest)) + 1;
}
