// The main window comes back where it was, on a screen that still exists; whatever the stored
// place holds, the settings stay as they are.

#include "mainwindowfixture.h"
#include "settingsstore.h"
#include "testdata.h"

#include "registry/sqlitestore.h"
#include "settings/settingsnames.h"
#include "settings/windowgeometry.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>

using namespace tincta;
using namespace tincta::test;

namespace {

QRect availableArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class TestMainWindowPlace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void placeIsKeptForTheNextStart();
    void unreadablePlaceCentresTheWindowAndLeavesTheSettings_data();
    void unreadablePlaceCentresTheWindowAndLeavesTheSettings();
    void placeOnAScreenThatIsGoneIsBroughtBack();
};

void TestMainWindowPlace::init() {
    const QString path = QString::fromStdString(SqliteStore::defaultFilePath());
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
}

void TestMainWindowPlace::placeIsKeptForTheNextStart() {
    QRect place;
    {
        MainWindowFixture f;
        f.window->resize(f.window->size() + QSize(37, 23));
        f.window->move(availableArea().topLeft() + QPoint(11, 17));
        place = QRect(f.window->pos(), f.window->size());
        f.ui().mnuFileExit->trigger();
        QVERIFY(!f.window->isVisible());
    }
    QCOMPARE(storedSetting(windowGeometryValueName), windowGeometryText(place));
    MainWindowFixture again;
    QCOMPARE(again.window->pos(), place.topLeft());
    QCOMPARE(again.window->size(), place.size());
}

void TestMainWindowPlace::unreadablePlaceCentresTheWindowAndLeavesTheSettings_data() {
    QTest::addColumn<QString>("stored");
    for (const QStringList& row :
         readTestTable(QStringLiteral("settings/window-geometry-texts.txt"))) {
        if (row[1] == QLatin1String("unreadable"))
            QTest::addRow("%s", qPrintable(row[0])) << row[0];
    }
}

void TestMainWindowPlace::unreadablePlaceCentresTheWindowAndLeavesTheSettings() {
    QFETCH(QString, stored);
    storeSetting(formatIndexValueName, QStringLiteral("3"));
    storeSetting(windowGeometryValueName, stored);
    MainWindowFixture f;
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(f.ui().lstAutocopy->currentRow(), 3);
    QCOMPARE(storedSetting(formatIndexValueName), QStringLiteral("3"));
    const QPoint offCentre =
        QRect(f.window->pos(), f.window->size()).center() - availableArea().center();
    QVERIFY2(offCentre.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
}

// As on a second monitor that has since been unplugged.
void TestMainWindowPlace::placeOnAScreenThatIsGoneIsBroughtBack() {
    const QSize size = availableArea().size() - QSize(40, 30);
    storeSetting(windowGeometryValueName,
                 QStringLiteral("5000,4000,%1,%2").arg(size.width()).arg(size.height()));
    MainWindowFixture f;
    QCOMPARE(f.window->size(), size);
    QVERIFY(availableArea().contains(QRect(f.window->pos(), f.window->size())));
}

QTEST_MAIN(TestMainWindowPlace)
#include "test_mainwindowplace.moc"
