#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace tincta {

class SwatchGrid;

// A swatch grid as a screen reader meets it: a list whose cells have names and can be pressed.
class SwatchGridAccessible : public QAccessibleWidget {
public:
    explicit SwatchGridAccessible(SwatchGrid* grid);
    ~SwatchGridAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Serves the swatch grids to Qt's accessibility.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

private:
    SwatchGrid* grid() const;

    // Cells have no object of their own; the registered interfaces live as long as the grid's.
    mutable QHash<int, QAccessible::Id> m_cells;
};

} // namespace tincta
