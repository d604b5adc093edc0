#pragma once

#include <QAccessible>

class QWidget;

namespace tincta {

// The role a screen reader gives a plain container widget (a window, a group of controls) whose
// class alone does not tell it. Meant for containers only: a control keeps Qt's own interface.
void setAccessibleRole(QWidget* container, QAccessible::Role role);

} // namespace tincta
