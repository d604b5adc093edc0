#include "mainwindowfixture.h"

namespace tincta::test {

MainWindowFixture::MainWindowFixture() {
    window = std::make_unique<MainWindow>(scripted.services);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window did not become active");
}

MainWindowFixture::~MainWindowFixture() = default;

void waitForAutocopy() {
    QTest::qWait(700);
}

} // namespace tincta::test
