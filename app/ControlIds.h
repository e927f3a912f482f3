#pragma once
// Control identifiers on widgets: each window the program's parts refer to by number (the view,
// the toolbar, the status bar, the device list box, the table) carries its id as a property.

class QWidget;

void SetControlId(QWidget* widget, int id);
// The widget's control id; 0 when it has none.
int ControlId(const QWidget* widget);
// The first widget below root (root included) with the control id; nullptr when none.
QWidget* FindControl(QWidget* root, int id);
