#pragma once

#include "gui/widgets/swatchgrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace tincta::test {

// Lets windows closed with WA_DeleteOnClose go before counting what is left.
inline void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QList<QWidget*> topLevelsNamed(const QString& name) {
    flushDeletes();
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            found.append(window);
    }
    return found;
}

inline QWidget* topLevelNamed(const QString& name) {
    const QList<QWidget*> found = topLevelsNamed(name);
    return found.size() == 1 ? found.constFirst() : nullptr;
}

// Opens a palette window with its main window button and returns its grid.
inline SwatchGrid* openPalette(QAbstractButton* button, const QString& windowName,
                               const QString& gridName) {
    button->click();
    QWidget* window = topLevelNamed(windowName);
    if (window == nullptr)
        return nullptr;
    return window->findChild<SwatchGrid*>(gridName);
}

// A press and release in the middle of a cell.
inline void clickCell(SwatchGrid* grid, int index, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(grid, button, {}, grid->cellRect(index).center());
}

} // namespace tincta::test
