#include "gui/widgets/accessiblerole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace tincta {

namespace {

const char accessibleRoleProperty[] = "tinctaAccessibleRole";

QAccessibleInterface* containerWithRole(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    const QVariant role = widget->property(accessibleRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void setAccessibleRole(QWidget* container, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(&containerWithRole);
        return true;
    }();
    Q_UNUSED(installed);
    container->setProperty(accessibleRoleProperty, static_cast<int>(role));
}

} // namespace tincta
