// CGridCtrl: cell contents, attributes and types, and the cell handles.
#include "grid/GridCtrl.h"

#include "grid/GridModel.h"
#include "grid/GridPaint.h"

namespace {

quint16 AlignmentBits(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return 2;
    if (alignment & Qt::AlignHCenter)
        return 1;
    return 0;
}

} // namespace

// ---- contents and attributes ----------------------------------------------------------------

bool CGridCtrl::SetItemText(int row, int column, const QString& text)
{
    CGridRows& rows = m_model->Rows();
    if (!rows.IsCell(row, column) || rows.Cell(row, column).Type() == GridCellType::DateTime)
        return false;
    if (rows.SetText(row, column, text))
        m_model->CellChanged(row, column);
    return true;
}

QString CGridCtrl::GetItemText(int row, int column) const
{
    return m_model->DisplayText(row, column);
}

bool CGridCtrl::SetItem(int row, int column, const QString& text, int image, const QColor& background)
{
    CGridRows& rows = m_model->Rows();
    if (!rows.IsCell(row, column))
        return false;
    GridCellData& cell = rows.Cell(row, column);
    if (cell.Type() != GridCellType::DateTime)
        rows.SetText(row, column, text);
    cell.image = static_cast<qint16>(std::clamp(image, -1, 0x7FFF));
    cell.Set(GridCellData::FlagBackColour, background.isValid());
    cell.backColour = background.isValid() ? background.rgba() : 0;
    m_model->CellChanged(row, column);
    return true;
}

bool CGridCtrl::SetItemImage(int row, int column, int image)
{
    if (!m_model->Rows().IsCell(row, column))
        return false;
    m_model->Rows().Cell(row, column).image = static_cast<qint16>(std::clamp(image, -1, 0x7FFF));
    m_model->CellChanged(row, column);
    return true;
}

int CGridCtrl::GetItemImage(int row, int column) const
{
    return m_model->Rows().IsCell(row, column) ? m_model->Rows().Cell(row, column).image : -1;
}

bool CGridCtrl::SetItemFgColour(int row, int column, const QColor& colour)
{
    if (!m_model->Rows().IsCell(row, column))
        return false;
    GridCellData& cell = m_model->Rows().Cell(row, column);
    cell.Set(GridCellData::FlagTextColour, colour.isValid());
    cell.textColour = colour.isValid() ? colour.rgba() : 0;
    m_model->CellChanged(row, column);
    return true;
}

QColor CGridCtrl::GetItemFgColour(int row, int column) const
{
    if (!m_model->Rows().IsCell(row, column))
        return {};
    const GridCellData& cell = m_model->Rows().Cell(row, column);
    return cell.Has(GridCellData::FlagTextColour) ? QColor::fromRgba(cell.textColour) : QColor();
}

bool CGridCtrl::SetItemBkColour(int row, int column, const QColor& colour)
{
    if (!m_model->Rows().IsCell(row, column))
        return false;
    GridCellData& cell = m_model->Rows().Cell(row, column);
    cell.Set(GridCellData::FlagBackColour, colour.isValid());
    cell.backColour = colour.isValid() ? colour.rgba() : 0;
    m_model->CellChanged(row, column);
    return true;
}

QColor CGridCtrl::GetItemBkColour(int row, int column) const
{
    if (!m_model->Rows().IsCell(row, column))
        return {};
    const GridCellData& cell = m_model->Rows().Cell(row, column);
    return cell.Has(GridCellData::FlagBackColour) ? QColor::fromRgba(cell.backColour) : QColor();
}

bool CGridCtrl::SetItemFont(int row, int column, const QFont& font)
{
    if (!m_model->Rows().IsCell(row, column))
        return false;
    m_model->Rows().Cell(row, column).font = m_model->Rows().FontNumber(font);
    m_model->CellChanged(row, column);
    return true;
}

QFont CGridCtrl::GetItemFont(int row, int column) const
{
    return m_model->EffectiveFont(row, column);
}

bool CGridCtrl::SetItemFormat(int row, int column, Qt::Alignment alignment)
{
    if (!m_model->Rows().IsCell(row, column))
        return false;
    GridCellData& cell = m_model->Rows().Cell(row, column);
    cell.flags = static_cast<quint16>((cell.flags & ~GridCellData::AlignMask) | AlignmentBits(alignment));
    m_model->CellChanged(row, column);
    return true;
}

Qt::Alignment CGridCtrl::GetItemFormat(int row, int column) const
{
    if (!m_model->Rows().IsCell(row, column))
        return Qt::AlignLeft;
    switch (m_model->Rows().Cell(row, column).flags & GridCellData::AlignMask) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

bool CGridCtrl::SetItemState(int row, int column, unsigned state)
{
    if (!m_model->Rows().IsCell(row, column))
        return false;
    m_model->Rows().Cell(row, column).Set(GridCellData::FlagReadOnly, (state & GridState::ReadOnly) != 0);
    const QModelIndex index = IndexOf(row, column);
    if (index.isValid() && column >= m_model->FixedColumns()) {
        const bool select = (state & GridState::Selected) != 0;
        if (select != selectionModel()->isSelected(index))
            selectionModel()->select(index, select ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
    }
    m_model->CellChanged(row, column);
    return true;
}

unsigned CGridCtrl::GetItemState(int row, int column) const
{
    if (!m_model->Rows().IsCell(row, column))
        return 0;
    unsigned state = 0;
    if (m_model->Rows().Cell(row, column).Has(GridCellData::FlagReadOnly))
        state |= GridState::ReadOnly;
    if (IsCellSelected(row, column))
        state |= GridState::Selected;
    if (GetFocusCell() == GridCellId{row, column})
        state |= GridState::Focused;
    return state;
}

CGridCell CGridCtrl::GetCell(int row, int column)
{
    return CGridCell(this, row, column);
}

CGridCellCombo CGridCtrl::GetComboCell(int row, int column)
{
    return CGridCellCombo(this, row, column);
}

CGridCellDateTime CGridCtrl::GetDateTimeCell(int row, int column)
{
    return CGridCellDateTime(this, row, column);
}

// ---- cell types -----------------------------------------------------------------------------

bool CGridCtrl::SetCellType(int row, int column, GridCellType type)
{
    if (!m_model->Rows().IsCell(row, column))
        return false;
    GridCellData& cell = m_model->Rows().Cell(row, column);
    if (cell.Type() == type)
        return true;
    cell.SetType(type);
    cell.value = 0;
    cell.Set(GridCellData::FlagDateValid, false);
    cell.Set(GridCellData::FlagTimeDisplay, false);
    cell.Set(GridCellData::FlagFreeText, false);
    m_model->CellChanged(row, column);
    return true;
}

GridCellType CGridCtrl::GetCellType(int row, int column) const
{
    return m_model->Rows().IsCell(row, column) ? m_model->Rows().Cell(row, column).Type() : GridCellType::Plain;
}

bool CGridCtrl::SetComboOptions(int row, int column, const QStringList& options)
{
    if (GetCellType(row, column) != GridCellType::DropDown)
        return false;
    m_model->Rows().Cell(row, column).value = m_model->Rows().OptionListNumber(options);
    return true;
}

QStringList CGridCtrl::GetComboOptions(int row, int column) const
{
    if (GetCellType(row, column) != GridCellType::DropDown)
        return {};
    return m_model->Rows().OptionList(m_model->Rows().Cell(row, column).value);
}

bool CGridCtrl::SetComboStyle(int row, int column, GridComboStyle style)
{
    if (GetCellType(row, column) != GridCellType::DropDown)
        return false;
    m_model->Rows().Cell(row, column).Set(GridCellData::FlagFreeText, style == GridComboStyle::DropDown);
    return true;
}

GridComboStyle CGridCtrl::GetComboStyle(int row, int column) const
{
    if (GetCellType(row, column) != GridCellType::DropDown)
        return GridComboStyle::DropDownList;
    return m_model->Rows().Cell(row, column).Has(GridCellData::FlagFreeText) ? GridComboStyle::DropDown
                                                                             : GridComboStyle::DropDownList;
}

bool CGridCtrl::SetDateTimeDisplay(int row, int column, GridDateTimeDisplay display)
{
    if (GetCellType(row, column) != GridCellType::DateTime)
        return false;
    m_model->Rows().Cell(row, column).Set(GridCellData::FlagTimeDisplay, display == GridDateTimeDisplay::Time);
    m_model->CellChanged(row, column);
    return true;
}

GridDateTimeDisplay CGridCtrl::GetDateTimeDisplay(int row, int column) const
{
    if (GetCellType(row, column) != GridCellType::DateTime)
        return GridDateTimeDisplay::Date;
    return m_model->Rows().Cell(row, column).Has(GridCellData::FlagTimeDisplay) ? GridDateTimeDisplay::Time
                                                                                : GridDateTimeDisplay::Date;
}

bool CGridCtrl::SetDateTime(int row, int column, const QDateTime& value)
{
    if (GetCellType(row, column) != GridCellType::DateTime)
        return false;
    GridCellData& cell = m_model->Rows().Cell(row, column);
    cell.Set(GridCellData::FlagDateValid, value.isValid());
    cell.value = value.isValid() ? GridWallClock(value) : 0;
    m_model->CellChanged(row, column);
    return true;
}

QDateTime CGridCtrl::GetDateTime(int row, int column) const
{
    return m_model->DateTimeValue(row, column);
}

QString CGridCtrl::FormatDateTime(const QDateTime& value, GridDateTimeDisplay display)
{
    if (!value.isValid())
        return {};
    return GridFormatWallClock(GridWallClock(value), display == GridDateTimeDisplay::Time);
}

// ---- handles --------------------------------------------------------------------------------

bool CGridCell::IsValid() const
{
    return m_grid != nullptr && m_row >= 0 && m_row < m_grid->GetRowCount() && m_column >= 0
           && m_column < m_grid->GetColumnCount();
}

void CGridCell::SetText(const QString& text) const { if (m_grid) m_grid->SetItemText(m_row, m_column, text); }
QString CGridCell::GetText() const { return m_grid ? m_grid->GetItemText(m_row, m_column) : QString(); }
void CGridCell::SetImage(int image) const { if (m_grid) m_grid->SetItemImage(m_row, m_column, image); }
int CGridCell::GetImage() const { return m_grid ? m_grid->GetItemImage(m_row, m_column) : -1; }
void CGridCell::SetTextClr(const QColor& colour) const { if (m_grid) m_grid->SetItemFgColour(m_row, m_column, colour); }
QColor CGridCell::GetTextClr() const { return m_grid ? m_grid->GetItemFgColour(m_row, m_column) : QColor(); }
void CGridCell::SetBackClr(const QColor& colour) const { if (m_grid) m_grid->SetItemBkColour(m_row, m_column, colour); }
QColor CGridCell::GetBackClr() const { return m_grid ? m_grid->GetItemBkColour(m_row, m_column) : QColor(); }
void CGridCell::SetFont(const QFont& font) const { if (m_grid) m_grid->SetItemFont(m_row, m_column, font); }
QFont CGridCell::GetFont() const { return m_grid ? m_grid->GetItemFont(m_row, m_column) : QFont(); }
void CGridCell::SetState(unsigned state) const { if (m_grid) m_grid->SetItemState(m_row, m_column, state); }
unsigned CGridCell::GetState() const { return m_grid ? m_grid->GetItemState(m_row, m_column) : 0; }
void CGridCell::SetFormat(Qt::Alignment alignment) const { if (m_grid) m_grid->SetItemFormat(m_row, m_column, alignment); }
Qt::Alignment CGridCell::GetFormat() const { return m_grid ? m_grid->GetItemFormat(m_row, m_column) : Qt::AlignLeft; }
GridCellType CGridCell::GetType() const { return m_grid ? m_grid->GetCellType(m_row, m_column) : GridCellType::Plain; }

void CGridCellCombo::SetOptions(const QStringList& options) const { if (m_grid) m_grid->SetComboOptions(m_row, m_column, options); }
QStringList CGridCellCombo::GetOptions() const { return m_grid ? m_grid->GetComboOptions(m_row, m_column) : QStringList(); }
void CGridCellCombo::SetStyle(GridComboStyle style) const { if (m_grid) m_grid->SetComboStyle(m_row, m_column, style); }
GridComboStyle CGridCellCombo::GetStyle() const
{
    return m_grid ? m_grid->GetComboStyle(m_row, m_column) : GridComboStyle::DropDownList;
}

void CGridCellDateTime::SetDisplay(GridDateTimeDisplay display) const
{
    if (m_grid)
        m_grid->SetDateTimeDisplay(m_row, m_column, display);
}
GridDateTimeDisplay CGridCellDateTime::GetDisplay() const
{
    return m_grid ? m_grid->GetDateTimeDisplay(m_row, m_column) : GridDateTimeDisplay::Date;
}
void CGridCellDateTime::SetTime(const QDateTime& value) const { if (m_grid) m_grid->SetDateTime(m_row, m_column, value); }
QDateTime CGridCellDateTime::GetTime() const { return m_grid ? m_grid->GetDateTime(m_row, m_column) : QDateTime(); }
