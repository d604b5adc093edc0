#include "mainwindowfixture.h"
#include "palettetesthelpers.h"
#include "palettewindowhelpers.h"
#include "testdata.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <functional>
#include <map>

using namespace tincta;
using namespace tincta::test;

namespace {

// Generous: the clipboard follows three quiet ticks of its timer.
constexpr int clipboardWait = 5000;

QString hexColour(const Colour& colour) {
    return QColor(colour.red, colour.green, colour.blue).name().toUpper();
}

// What the window shows of the palette, as one text that a failure prints whole.
QString shownPalette(const MainWindowFixture& f) {
    QStringList marks;
    for (int mark = 0; mark < test::marks; ++mark) {
        marks << QStringLiteral("%1 %2").arg(
            hexColour(f.markColour(mark)), f.ui().txtName[static_cast<std::size_t>(mark)]->text());
    }
    return QStringLiteral("selected %1: %2").arg(f.selectedMark()).arg(marks.join(u", "));
}

// The built-in palette with the changes of one line of edits.txt.
QString expectedPalette(const QString& selected, const QString& colours, const QString& names) {
    QStringList hex{"#FF0000", "#FFFF00", "#00FF00", "#00FFFF", "#0000FF", "#FF00FF"};
    QStringList named(test::marks, QStringLiteral("Type a colour name"));
    for (const QString& change : colours.split(u' ', Qt::SkipEmptyParts))
        hex[change.section(u'=', 0, 0).toInt()] = change.section(u'=', 1);
    for (const QString& change : names.split(u';', Qt::SkipEmptyParts))
        named[change.section(u'=', 0, 0).toInt()] = change.section(u'=', 1);
    QStringList marks;
    for (int mark = 0; mark < test::marks; ++mark)
        marks << hex[mark] + u' ' + named[mark];
    return QStringLiteral("selected %1: %2").arg(selected, marks.join(u", "));
}

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

// Keys go where the user's focus is, so a name box or value field must leave them to the window.
void pressKeys(const MainWindowFixture& f, QKeyCombination keys) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : f.window.get(), keys.key(),
                    keys.keyboardModifiers());
}

const QKeyCombination undoKeys(Qt::ControlModifier, Qt::Key_Z);
const QKeyCombination redoKeys(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
const QKeyCombination otherRedoKeys(Qt::ControlModifier, Qt::Key_Y);

// Undoes until Undo is greyed; the number of steps there were.
int undoAll(const MainWindowFixture& f) {
    int steps = 0;
    while (f.ui().command(Command::Undo)->isEnabled() && steps < 100) {
        pressKeys(f, undoKeys);
        ++steps;
    }
    return steps;
}

void sendKey(QWidget* target, QEvent::Type type, Qt::Key key, bool autoRepeat) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(target, &event);
}

void typeName(const MainWindowFixture& f, int mark, const QString& text) {
    TrackedLineEdit* box = f.ui().txtName[static_cast<std::size_t>(mark)];
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void dragRedSlider(const MainWindowFixture& f) {
    QScrollBar* slider = f.ui().hsbRed;
    slider->setValue(100);
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    const QPoint thumb =
        slider->style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, slider)
            .center();
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(slider, thumb + QPoint(10 * step, 0));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, thumb + QPoint(40, 0));
}

struct Route {
    std::function<void(MainWindowFixture&, const QString& folder)> prepare;
    std::function<void(MainWindowFixture&, const QString& folder)> edit;
};

const std::map<QString, Route>& routes() {
    static const std::map<QString, Route> table{
        {"slider key",
         {nullptr,
          [](MainWindowFixture& f, const QString&) {
              f.ui().hsbRed->setFocus();
              QTest::keyClick(f.ui().hsbRed, Qt::Key_Left);
          }}},
        {"value entry",
         {nullptr,
          [](MainWindowFixture& f, const QString&) {
              f.ui().txtSetRed->setText(QStringLiteral("51"));
              f.ui().txtSetGreen->setText(QStringLiteral("102"));
              f.ui().txtSetBlue->setText(QStringLiteral("153"));
              f.ui().txtSetBlue->setFocus();
              QTest::keyClick(f.ui().txtSetBlue, Qt::Key_Return);
          }}},
        {"colour bar",
         {nullptr,
          [](MainWindowFixture& f, const QString&) { clickCell(f.ui().lblColorBar, 128); }}},
        {"websafe window",
         {nullptr,
          [](MainWindowFixture& f, const QString&) {
              SwatchGrid* grid = openPalette(f.ui().cmdWebsafe, QStringLiteral("frmWebsafe"),
                                             QStringLiteral("lblWebsafeColor"));
              QVERIFY(grid != nullptr);
              clickCell(grid, 41);
              grid->window()->close();
              f.window->activateWindow();
              QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
          }}},
        {"pick",
         {[](MainWindowFixture& f, const QString&) {
              f.scripted.screen.picture = QImage(20, 20, QImage::Format_RGB32);
              f.scripted.screen.picture.fill(QColor(10, 20, 30));
              QTest::keyClick(f.window.get(), Qt::Key_F7);
          },
          [](MainWindowFixture& f, const QString&) {
              ColourBox* sample = f.ui().picSample[0];
              QTest::mousePress(sample, Qt::LeftButton, {}, QPoint(5, 5));
              QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(2, 2), Qt::NoButton,
                               Qt::LeftButton, Qt::NoModifier);
              QCoreApplication::sendEvent(sample, &move);
              QTest::mouseRelease(sample, Qt::LeftButton, {}, QPoint(5, 5));
          }}},
        {"paste",
         {[](MainWindowFixture& f, const QString&) {
              f.ui().selectMark(1);
              QTest::keyClick(f.window.get(), Qt::Key_F2);
              f.ui().selectMark(0);
          },
          [](MainWindowFixture& f, const QString&) {
              QTest::keyClick(f.window.get(), Qt::Key_F3);
          }}},
        {"drop",
         {nullptr,
          [](MainWindowFixture& f, const QString&) {
              QMimeData data;
              data.setText(QStringLiteral("#336699"));
              QWidget* target = f.ui().txtName[4];
              QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
              QCoreApplication::sendEvent(target, &enter);
              QDropEvent dropped(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
              QCoreApplication::sendEvent(target, &dropped);
          }}},
        {"import",
         {nullptr,
          [](MainWindowFixture& f, const QString& folder) {
              const QString path = folder + QStringLiteral("/sea.gpl");
              writeFile(path, "GIMP Palette\n51 102 153 Sea\n");
              f.scripted.files.paths << path;
              QTest::keyClick(f.window.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
          }}},
        {"find names",
         {nullptr, [](MainWindowFixture& f,
                      const QString&) { QTest::keyClick(f.window.get(), Qt::Key_F5); }}},
        {"typing a name",
         {nullptr,
          [](MainWindowFixture& f, const QString&) { typeName(f, 2, QStringLiteral("sky")); }}},
        {"properties rename",
         {nullptr,
          [](MainWindowFixture& f, const QString&) {
              f.scripted.messages.answers << MessageAnswer::Yes;
              QTest::keyClick(f.window.get(), Qt::Key_F4);
          }}},
    };
    return table;
}

// A route that changes the first mark's colour, for the tests of the stack as a whole.
void editFirstMark(MainWindowFixture& f) {
    f.ui().selectMark(0);
    f.ui().hsbRed->setValue(f.ui().hsbRed->value() == 7 ? 8 : 7);
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void everyRouteIsOneStep_data();
    void everyRouteIsOneStep();
    void gesturesMergeIntoOneStep_data();
    void gesturesMergeIntoOneStep();
    void newAndOpenDropTheSteps_data();
    void newAndOpenDropTheSteps();
    void undoToTheSavedPaletteAsksNothing_data();
    void undoToTheSavedPaletteAsksNothing();

private:
    QTemporaryDir m_dir;
};

void TestUndo::init() {
    QVERIFY(m_dir.isValid());
}

void TestUndo::everyRouteIsOneStep_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("clipboard");
    const QStringList lines =
        QString::fromUtf8(readTestData(QStringLiteral("undo/edits.txt"))).split(u'\n');
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList fields = line.split(u'|');
        for (QString& field : fields)
            field = field.trimmed();
        QTest::newRow(qPrintable(fields[0]))
            << fields[0] << fields[1] << expectedPalette(fields[2], fields[3], fields[4])
            << fields[5];
    }
}

void TestUndo::everyRouteIsOneStep() {
    QFETCH(QString, route);
    QFETCH(QString, step);
    QFETCH(QString, after);
    QFETCH(QString, clipboard);
    const Route& how = routes().at(route);
    MainWindowFixture f;
    QAction* undo = f.ui().command(Command::Undo);
    QAction* redo = f.ui().command(Command::Redo);
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));
    if (how.prepare)
        how.prepare(f, m_dir.path());
    QTRY_COMPARE_WITH_TIMEOUT(clipboardText(), f.ui().lblClipboard->text(), clipboardWait);
    const QString before = shownPalette(f);
    const QString clipboardBefore = clipboardText();

    how.edit(f, m_dir.path());
    QCOMPARE(shownPalette(f), after);
    QVERIFY(f.paletteChanged());
    QTRY_COMPARE_WITH_TIMEOUT(clipboardText(), clipboard, clipboardWait);
    QVERIFY(undo->isEnabled() && !redo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo %1").arg(step));

    pressKeys(f, undoKeys);
    QCOMPARE(shownPalette(f), before);
    QCOMPARE(f.sliderColour(), f.markColour(f.selectedMark()));
    QVERIFY(!f.paletteChanged());
    QTRY_COMPARE_WITH_TIMEOUT(clipboardText(), clipboardBefore, clipboardWait);
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    QCOMPARE(redo->text(), QStringLiteral("&Redo %1").arg(step));

    pressKeys(f, redoKeys);
    QCOMPARE(shownPalette(f), after);
    QVERIFY(f.paletteChanged());
    QTRY_COMPARE_WITH_TIMEOUT(clipboardText(), clipboard, clipboardWait);

    pressKeys(f, undoKeys);
    QCOMPARE(shownPalette(f), before);
    pressKeys(f, otherRedoKeys);
    QCOMPARE(shownPalette(f), after);
    QVERIFY(f.scripted.messages.shown.size() <= (route == QLatin1String("properties rename")));
}

void TestUndo::gesturesMergeIntoOneStep_data() {
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("steps");
    QTest::newRow("drag of a slider") << "drag" << 1;
    QTest::newRow("key held on a slider") << "held key" << 1;
    QTest::newRow("three key presses") << "key presses" << 3;
    QTest::newRow("typing into one name box") << "typing" << 1;
    QTest::newRow("typing, leaving the box, typing again") << "typing twice" << 2;
}

void TestUndo::gesturesMergeIntoOneStep() {
    QFETCH(QString, gesture);
    QFETCH(int, steps);
    MainWindowFixture f;
    QScrollBar* red = f.ui().hsbRed;
    const QString start = shownPalette(f);
    if (gesture == QLatin1String("drag")) {
        dragRedSlider(f);
        // The setting of the start position by code is a step of its own.
        ++steps;
    } else if (gesture.endsWith(QLatin1String("key"))) {
        red->setFocus();
        sendKey(red, QEvent::KeyPress, Qt::Key_Left, false);
        for (int repeat = 0; repeat < 4; ++repeat) {
            sendKey(red, QEvent::KeyRelease, Qt::Key_Left, true);
            sendKey(red, QEvent::KeyPress, Qt::Key_Left, true);
        }
        sendKey(red, QEvent::KeyRelease, Qt::Key_Left, false);
        QCOMPARE(red->value(), 250);
    } else if (gesture == QLatin1String("key presses")) {
        red->setFocus();
        for (int press = 0; press < 3; ++press)
            QTest::keyClick(red, Qt::Key_Left);
    } else {
        typeName(f, 3, QStringLiteral("sea"));
        QTest::keyClicks(f.ui().txtName[3], QStringLiteral(" green"));
        if (gesture == QLatin1String("typing twice")) {
            f.ui().txtName[4]->setFocus();
            f.ui().txtName[3]->setFocus();
            QTest::keyClicks(f.ui().txtName[3], QStringLiteral("ish"));
        }
    }
    QVERIFY(shownPalette(f) != start);
    QCOMPARE(undoAll(f), steps);
    QCOMPARE(shownPalette(f), start);
}

void TestUndo::newAndOpenDropTheSteps_data() {
    QTest::addColumn<bool>("open");
    QTest::newRow("New") << false;
    QTest::newRow("Open") << true;
}

void TestUndo::newAndOpenDropTheSteps() {
    QFETCH(bool, open);
    MainWindowFixture f;
    editFirstMark(f);
    QVERIFY(f.ui().command(Command::Undo)->isEnabled());
    f.scripted.messages.answers << MessageAnswer::No;
    if (open) {
        f.scripted.files.paths << testDataPath(QStringLiteral("palettefile/names.txt"));
        QTest::keyClick(f.window.get(), Qt::Key_O, Qt::ControlModifier);
    } else {
        QTest::keyClick(f.window.get(), Qt::Key_N, Qt::ControlModifier);
    }
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QVERIFY(!f.ui().command(Command::Undo)->isEnabled());
    QVERIFY(!f.ui().command(Command::Redo)->isEnabled());
    const QString shown = shownPalette(f);
    pressKeys(f, undoKeys);
    QCOMPARE(shownPalette(f), shown);
}

void TestUndo::undoToTheSavedPaletteAsksNothing_data() {
    QTest::addColumn<QString>("start");
    QTest::newRow("new palette") << "new";
    QTest::newRow("saved palette") << "saved";
    QTest::newRow("opened palette") << "opened";
}

void TestUndo::undoToTheSavedPaletteAsksNothing() {
    QFETCH(QString, start);
    MainWindowFixture f;
    if (start == QLatin1String("saved")) {
        editFirstMark(f);
        f.scripted.files.paths << m_dir.filePath(QStringLiteral("saved.txt"));
        QTest::keyClick(f.window.get(), Qt::Key_S, Qt::ControlModifier);
    } else if (start == QLatin1String("opened")) {
        f.scripted.files.paths << testDataPath(QStringLiteral("palettefile/names.txt"));
        QTest::keyClick(f.window.get(), Qt::Key_O, Qt::ControlModifier);
    }
    QVERIFY(!f.paletteChanged());
    editFirstMark(f);
    typeName(f, 1, QStringLiteral("sun"));
    QVERIFY(f.paletteChanged());
    pressKeys(f, undoKeys);
    pressKeys(f, undoKeys);
    QVERIFY(!f.paletteChanged());
    QTest::keyClick(f.window.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - New palette"));
}

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
