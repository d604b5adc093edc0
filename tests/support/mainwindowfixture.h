#pragma once

#include "app/mainwindow.h"
#include "scriptedservices.h"

#include <QTest>
#include <memory>

namespace tincta::test {

// A main window with scripted dialogs, shown and active, as a user meets it after start-up.
struct MainWindowFixture {
    ScriptedServices scripted;
    std::unique_ptr<MainWindow> window;

    MainWindowFixture();
    ~MainWindowFixture();

    const MainWindowUi& ui() const { return window->ui(); }
    AppState& state() { return window->state(); }

    template <typename T> T* find(const QString& name) const { return window->findChild<T*>(name); }
};

// Lets the clipboard timer run until it has copied (three ticks after the last change).
void waitForAutocopy();

} // namespace tincta::test
