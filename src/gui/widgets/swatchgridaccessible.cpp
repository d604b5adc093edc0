#include "gui/widgets/swatchgridaccessible.h"

#include "gui/widgets/swatchgrid.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace tincta {

namespace {

class SwatchCellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    SwatchCellAccessible(SwatchGrid* grid, int index) : m_grid(grid), m_index(index) {}

    int index() const { return m_index; }

    bool isValid() const override { return m_grid && m_index < m_grid->cellCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_grid);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? m_grid->cellAccessibleName(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect cell = m_grid->cellRect(m_index);
        return QRect(m_grid->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        const bool current = m_grid->currentCell() == m_index;
        state.focused = current && m_grid->hasFocus();
        state.selected = current;
        state.invisible = !m_grid->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid())
            m_grid->activateCell(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<SwatchGrid> m_grid;
    int m_index;
};

} // namespace

SwatchGridAccessible::SwatchGridAccessible(SwatchGrid* grid)
    : QAccessibleWidget(grid, QAccessible::List) {}

SwatchGridAccessible::~SwatchGridAccessible() {
    for (QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
}

SwatchGrid* SwatchGridAccessible::grid() const {
    return static_cast<SwatchGrid*>(widget());
}

int SwatchGridAccessible::childCount() const {
    return grid()->cellCount();
}

QAccessibleInterface* SwatchGridAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = m_cells.constFind(index); found != m_cells.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* cell = new SwatchCellAccessible(grid(), index);
    m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int SwatchGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const SwatchCellAccessible*>(child);
    return cell != nullptr && cell->parent() == this ? cell->index() : -1;
}

QAccessibleInterface* SwatchGridAccessible::childAt(int x, int y) const {
    return child(grid()->cellAt(grid()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* SwatchGridAccessible::focusChild() const {
    return grid()->hasFocus() ? child(grid()->currentCell()) : nullptr;
}

QAccessibleInterface* SwatchGridAccessible::factory(const QString&, QObject* object) {
    if (auto* grid = qobject_cast<SwatchGrid*>(object))
        return new SwatchGridAccessible(grid);
    return nullptr;
}

} // namespace tincta
