#include "table/TableContextMenu.h"

#include "conversion/ConversionTables.h"
#include "conversion/ConversionTypes.h"
#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "resources/StringTable.h"
#include "table/ConversionCommands.h"
#include "table/TableCommandIds.h"
#include "table/TableRows.h"

#include <QAction>
#include <QMenu>

namespace {

void AddCommand(QMenu* menu, int id)
{
    QAction* action = menu->addAction(ResMenuText(id));
    action->setData(id);
}

void AddThree(QMenu* menu, int all, int selected, int thisRow)
{
    AddCommand(menu, all);
    AddCommand(menu, selected);
    AddCommand(menu, thisRow);
}

// A catalogue or material name as a menu title: the names line up their parts with runs of blanks
// for the table's lists; a menu needs one.
QString MenuTitle(const QString& name)
{
    QString title = name.simplified();
    return title.replace(QLatin1Char('&'), QLatin1String("&&"));
}

void AddConversionMenu(const CMeasurementStore& store, QMenu* menu, bool leebDL)
{
    QMenu* conversion = menu->addMenu(ResPopupText("table.conversion"));
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(store, leebDL ? ProbeType::LeebDL : ProbeType::LeebD);
    QMenu* scaleMenu = nullptr;
    int shownScale = -1;
    for (const ConversionRow& row : ConversionRows()) {
        if (leebDL && !row.inLeebDLMenu)
            continue;
        if (row.scale != shownScale) {
            const QString name = row.scale < catalogue.GetSize() ? catalogue[row.scale]->name : QString();
            scaleMenu = conversion->addMenu(MenuTitle(name));
            shownScale = row.scale;
        }
        QMenu* target = scaleMenu;
        if (row.material != MaterialIndex::None) {
            const QString name = row.material < store.materialNames.size() ? store.materialNames[row.material] : QString();
            target = scaleMenu->addMenu(MenuTitle(name));
        }
        AddThree(target, row.all, row.selected, row.thisRow);
    }
}

void AddTableCommandMenus(QMenu* menu)
{
    using namespace TableCmd;
    struct Popup {
        const char* key;
        int all, selected, thisRow;
    };
    static constexpr Popup kPopups[] = {
        {"table.expand", ExpandAll, ExpandSelected, ExpandThis},
        {"table.collapse", CollapseAll, CollapseSelected, CollapseThis},
        {"table.copy", CopyAll, CopySelected, CopyThis},
        {"table.show", ShowAll, ShowSelected, ShowThis},
        {"table.hide", HideAll, HideSelected, HideThis},
        {"table.delete", DeleteAll, DeleteSelected, DeleteThis},
    };
    for (const Popup& popup : kPopups)
        AddThree(menu->addMenu(ResPopupText(popup.key)), popup.all, popup.selected, popup.thisRow);
}

void CollectCommands(const QMenu& menu, QList<int>& ids)
{
    for (const QAction* action : menu.actions()) {
        if (action->menu())
            CollectCommands(*action->menu(), ids);
        else if (!action->isSeparator())
            ids << action->data().toInt();
    }
}

} // namespace

int ChooseContextMenu(CMeasurementStore& store)
{
    const CGridCtrl& grid = TableGrid(store);
    int leebD = 0;
    int leebDL = 0;
    const GridRange range = grid.GetSelectedCellRange();
    for (int row = range.minRow; range.IsValid() && row <= range.maxRow; ++row) {
        if (!IsRowSelected(grid, row))
            continue;
        const std::optional<TableRow> target = ReadTableRow(store, row);
        if (!target || !target->key.IsSeries())
            continue;
        if (SeriesOf(store, *target).probe == ProbeType::LeebDL)
            ++leebDL;
        else
            ++leebD;
    }
    return leebDL > 0 && leebD == 0 ? TableMenu::LeebDL : TableMenu::LeebD;
}

std::unique_ptr<QMenu> CreateContextMenu(const CMeasurementStore& store, int menuId, QWidget* parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    menu->setObjectName(QStringLiteral("tableMenu%1").arg(menuId));
    AddConversionMenu(store, menu.get(), menuId == TableMenu::LeebDL);
    AddTableCommandMenus(menu.get());
    return menu;
}

QList<int> MenuCommands(const QMenu& menu)
{
    QList<int> ids;
    CollectCommands(menu, ids);
    return ids;
}
