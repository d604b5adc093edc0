#include "mainwindowfixture.h"

#include "palette/palettemodel.h"

namespace tincta::test {

MainWindowFixture::MainWindowFixture(ColourPortal* portal) {
    scripted.services.portal = portal;
    window = std::make_unique<MainWindow>(scripted.services);
    controls = std::make_unique<Controls>(window.get());
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window did not become active");
}

MainWindowFixture::~MainWindowFixture() = default;

Colour MainWindowFixture::markColour(int mark) const {
    return unpack(ui().picSample[static_cast<std::size_t>(mark)]->colour());
}

int MainWindowFixture::selectedMark() const {
    for (int mark = 0; mark < marks; ++mark) {
        if (ui().optColor[static_cast<std::size_t>(mark)]->isChecked())
            return mark;
    }
    return -1;
}

Colour MainWindowFixture::sliderColour() const {
    return Colour{ui().hsbRed->value(), ui().hsbGreen->value(), ui().hsbBlue->value()};
}

bool MainWindowFixture::paletteChanged() const {
    return window->palette().isModified();
}

void waitForAutocopy() {
    QTest::qWait(700);
}

} // namespace tincta::test
