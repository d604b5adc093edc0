#include "mainwindowfixture.h"
#include "palettewindowhelpers.h"

#include "gui/platform/qtservices.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <functional>

using namespace tincta;
using namespace tincta::test;

namespace {

// The windows that open beside the main window, each with the keys that open it.
QWidget* openSideWindow(MainWindowFixture& f, const QString& name) {
    if (name == QLatin1String("frmWebsafe"))
        f.ui().cmdWebsafe->click();
    else if (name == QLatin1String("frmFailsafe"))
        f.ui().cmdFailsafe->click();
    else if (name == QLatin1String("frmJavaScript"))
        f.ui().cmdJavaScript->click();
    else if (name == QLatin1String("frmColourCheck"))
        return f.openColourCheck();
    else
        QTest::keyClick(f.window.get(), Qt::Key_F1);
    return topLevelNamed(name);
}

void addSideWindowRows() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"frmWebsafe", "frmFailsafe", "frmJavaScript", "frmColourCheck", "helpViewer"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The frame each window will have: its own size and the main window's frame around it.
QRect frameOf(const QWidget* window, const QWidget* mainWindow) {
    const QSize frameExtra = mainWindow->frameGeometry().size() - mainWindow->size();
    return QRect(window->pos(), window->size() + frameExtra);
}

// Opens one of the program's real modal boxes or choosers over `owner` and waits for its answer.
using ModalOpener = std::function<void(QWidget* owner)>;

ModalOpener modalOpener(const QString& kind) {
    static QtMessageBoxes boxes;
    static QtFileDialogs files;
    const QString folder = QDir::tempPath();
    const QString filter = QStringLiteral("Text Files (*.txt)");
    if (kind == QLatin1String("message box"))
        return [](QWidget* owner) { warn(boxes, owner, QStringLiteral("A warning")); };
    if (kind == QLatin1String("open"))
        return [=](QWidget* owner) { files.openFileName(owner, kind, folder, filter); };
    if (kind == QLatin1String("save"))
        return [=](QWidget* owner) {
            files.saveFileName(owner, kind, folder, filter, QStringLiteral("txt"));
        };
    if (kind == QLatin1String("open of type"))
        return [=](QWidget* owner) { files.openFileOfType(owner, kind, folder, {filter}); };
    if (kind == QLatin1String("save of type"))
        return [=](QWidget* owner) { files.saveFileOfType(owner, kind, folder, {filter}); };
    return [=](QWidget* owner) { files.existingFolder(owner, kind, folder); };
}

} // namespace

class TestSideWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void escapeAndCtrlWClose_data();
    void escapeAndCtrlWClose();
    void mainWindowStaysReachable_data();
    void mainWindowStaysReachable();
    void sideWindowsOpenBesideTheMainWindow_data();
    void sideWindowsOpenBesideTheMainWindow();
    void helpStaysUsableBesideModalChoosers_data();
    void helpStaysUsableBesideModalChoosers();
};

void TestSideWindows::init() {
    // Windows of the row before close on the way out; none may be found by the next row.
    flushDeletes();
}

void TestSideWindows::escapeAndCtrlWClose_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("keys");
    for (const char* name :
         {"frmWebsafe", "frmFailsafe", "frmJavaScript", "frmColourCheck", "helpViewer"}) {
        QTest::addRow("%s, Escape", name)
            << QString::fromLatin1(name) << QKeySequence(Qt::Key_Escape);
        QTest::addRow("%s, Ctrl+W", name)
            << QString::fromLatin1(name) << QKeySequence(Qt::CTRL | Qt::Key_W);
    }
}

void TestSideWindows::escapeAndCtrlWClose() {
    QFETCH(QString, name);
    QFETCH(QKeySequence, keys);
    MainWindowFixture f;
    QWidget* window = openSideWindow(f, name);
    QVERIFY(window != nullptr);
    QVERIFY(activate(window));
    QWidget* focused = QApplication::focusWidget();
    QTest::keySequence(focused != nullptr ? focused : window, keys);
    QTRY_VERIFY(topLevelNamed(name) == nullptr || !topLevelNamed(name)->isVisible());
    // The main window stays open: only the side window was meant.
    QVERIFY(f.window->isVisible());
}

void TestSideWindows::mainWindowStaysReachable_data() {
    addSideWindowRows();
}

void TestSideWindows::mainWindowStaysReachable() {
    QFETCH(QString, name);
    MainWindowFixture f;
    QWidget* window = openSideWindow(f, name);
    QVERIFY(window != nullptr);
    QVERIFY(activate(window));
    // Tied to the main window, a side window is kept above it, or keeps it from the keyboard,
    // by some window managers.
    QCOMPARE(window->windowHandle()->transientParent(), nullptr);
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QVERIFY(activate(f.window.get()));
    QLineEdit* name0 = f.ui().txtName[0];
    name0->setFocus();
    name0->selectAll();
    QTest::keyClick(f.window->windowHandle(), Qt::Key_Q);
    QCOMPARE(name0->text(), QStringLiteral("q"));
    QVERIFY(window->isVisible());
}

void TestSideWindows::sideWindowsOpenBesideTheMainWindow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("corner");
    for (const char* name : {"frmWebsafe", "frmFailsafe", "frmJavaScript", "frmColourCheck"}) {
        for (const char* corner : {"top left", "top right", "bottom left", "bottom right"})
            QTest::addRow("%s, %s", name, corner)
                << QString::fromLatin1(name) << QString::fromLatin1(corner);
    }
}

void TestSideWindows::sideWindowsOpenBesideTheMainWindow() {
    QFETCH(QString, name);
    QFETCH(QString, corner);
    MainWindowFixture f;
    const QRect screen = f.window->screen()->availableGeometry();
    // A main window a third of the screen each way, in one corner, so that some side has room.
    f.window->resize(screen.size() / 3);
    const QSize frame = f.window->frameGeometry().size();
    const int x =
        corner.endsWith(QLatin1String("left")) ? screen.left() : screen.right() + 1 - frame.width();
    const int y = corner.startsWith(QLatin1String("top")) ? screen.top()
                                                          : screen.bottom() + 1 - frame.height();
    f.window->move(x, y);
    QWidget* window = openSideWindow(f, name);
    QVERIFY(window != nullptr);
    const QRect placed = frameOf(window, f.window.get());
    const bool fits = placed.width() <= screen.width() && placed.height() <= screen.height();
    if (fits)
        QVERIFY2(screen.contains(placed), qPrintable(name));
    const QRect mainFrame = f.window->frameGeometry();
    // Room on a side: the window fits there, with some to spare for the gap left between them.
    const int spare = 16;
    const bool roomAcross = placed.height() <= screen.height() &&
                            placed.width() + spare <= screen.width() - mainFrame.width();
    const bool roomDown = placed.width() <= screen.width() &&
                          placed.height() + spare <= screen.height() - mainFrame.height();
    if (roomAcross || roomDown)
        QVERIFY2(!placed.intersects(mainFrame),
                 qPrintable(QStringLiteral("%1,%2 %3x%4 over the main window")
                                .arg(placed.x())
                                .arg(placed.y())
                                .arg(placed.width())
                                .arg(placed.height())));
}

void TestSideWindows::helpStaysUsableBesideModalChoosers_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind :
         {"message box", "open", "save", "open of type", "save of type", "folder"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestSideWindows::helpStaysUsableBesideModalChoosers() {
    QFETCH(QString, kind);
    MainWindowFixture f;
    QTest::keyClick(f.window.get(), Qt::Key_F1);
    QWidget* viewer = topLevelNamed(QStringLiteral("helpViewer"));
    QVERIFY(viewer != nullptr);
    viewer->resize(320, 160);
    QScrollBar* scroll = viewer->findChild<QTextBrowser*>()->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    int scrolledTo = -1;
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        wasModal = modal != nullptr;
        // A click low on the scroll bar's track, as the window system delivers it.
        const QPoint track(scroll->width() / 2, scroll->height() - scroll->width() - 4);
        QTest::mouseClick(viewer->windowHandle(), Qt::LeftButton, {}, scroll->mapTo(viewer, track));
        scrolledTo = scroll->value();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    modalOpener(kind)(f.window.get());
    QVERIFY(wasModal);
    QVERIFY2(scrolledTo > 0, "the help viewer took no click while the chooser was open");
}

QTEST_MAIN(TestSideWindows)
#include "test_sidewindows.moc"
