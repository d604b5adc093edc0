#include "mainwindowfixture.h"

#include "palette/palettemodel.h"

#include <QApplication>
#include <QTimer>

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

QWidget* MainWindowFixture::openColourCheck() {
    QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
    const QList<QWidget*> windows = shownColourChecks();
    return windows.size() == 1 ? windows.first() : nullptr;
}

QList<QWidget*> shownColourChecks() {
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmColourCheck") && window->isVisible())
            windows << window;
    }
    return windows;
}

namespace {

// The clipboard timer runs only while a copy is due and stops as it copies.
bool copyDue() {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        for (const QTimer* timer : window->findChildren<QTimer*>(QStringLiteral("tmrClip"))) {
            if (timer->isActive())
                return true;
        }
    }
    return false;
}

} // namespace

void waitForAutocopy() {
    QTRY_VERIFY_WITH_TIMEOUT(!copyDue(), autocopyTimeoutMs);
}

} // namespace tincta::test
