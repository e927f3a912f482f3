#include "app/TableArea.h"

#include "app/CommandIds.h"
#include "app/ControlIds.h"
#include "data/MeasurementStore.h"

#include <QFrame>

QWidget* CreateTableWindow(CMeasurementStore& store, QWidget* parent)
{
    (void)store; // the grid widget will be held by store.grid
    auto* window = new QFrame(parent);
    window->setFrameShape(QFrame::StyledPanel);
    window->setFocusPolicy(Qt::StrongFocus);
    SetControlId(window, CtrlId::Table);
    window->show();
    return window;
}

void SetupTableArea(CMeasurementStore& store)
{
    (void)store; // SetupTable(store) once the table library is linked in
}

void RefreshTableArea(CMeasurementStore& store)
{
    (void)store; // RefreshTable(store) once the table library is linked in
}
