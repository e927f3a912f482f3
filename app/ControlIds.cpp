#include "app/ControlIds.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kProperty = "controlId";
}

void SetControlId(QWidget* widget, int id)
{
    widget->setProperty(kProperty, id);
}

int ControlId(const QWidget* widget)
{
    return widget ? widget->property(kProperty).toInt() : 0;
}

QWidget* FindControl(QWidget* root, int id)
{
    if (!root)
        return nullptr;
    if (ControlId(root) == id)
        return root;
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children)
        if (ControlId(child) == id)
            return child;
    return nullptr;
}
