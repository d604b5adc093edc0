#pragma once

#include "app/mainwindow.h"
#include "colour/colour.h"
#include "controls.h"
#include "scriptedservices.h"

#include <QTest>
#include <memory>

namespace tincta::test {

// A main window with scripted dialogs, shown and active, as a user meets it after start-up.
struct MainWindowFixture {
    ScriptedServices scripted;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<Controls> controls;

    // With a portal, picks go through it as on a desktop that keeps the screen private.
    explicit MainWindowFixture(ColourPortal* portal = nullptr);
    ~MainWindowFixture();

    const Controls& ui() const { return *controls; }

    // What the window shows of the palette.
    Colour markColour(int mark) const;
    int selectedMark() const;
    Colour sliderColour() const;
    // Whether New would ask to save the palette first.
    bool paletteChanged() const;

    template <typename T> T* find(const QString& name) const { return window->findChild<T*>(name); }

    // Ctrl+K in the main window: the Colour Check window, or nullptr unless exactly one is open.
    QWidget* openColourCheck();
};

// The Colour Check windows on screen.
QList<QWidget*> shownColourChecks();

// Lets the clipboard timer run until it has copied (three ticks after the last change); at once
// when no copy is due.
void waitForAutocopy();
// Far beyond the three ticks of a copy, for a machine busy with other work.
inline constexpr int autocopyTimeoutMs = 5000;

} // namespace tincta::test
