#include "mainwindowfixture.h"
#include "settingsstore.h"

#include "settingsdialogs/customformatdialog.h"
#include "settingsdialogs/optionsdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace tincta;
using namespace tincta::test;

namespace {

const QString unreadableMessage =
    QStringLiteral("The settings could not be read; Tincta uses its standard settings for now.");
const QString notSavedMessage = QStringLiteral(
    "The settings could not be saved. Check that the settings file is not locked or read-only.");

QString storePath() {
    return QString::fromStdString(SqliteStore::defaultFilePath());
}

template <typename T> T* control(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QLatin1String(name));
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void lockedStoreAtStartUsesDefaultsAndSaysSoOnce();
    void okOnALockedStoreKeepsTheDialogOpen_data();
    void okOnALockedStoreKeepsTheDialogOpen();
};

void TestSettingsStore::init() {
    QDir(QFileInfo(storePath()).absolutePath()).removeRecursively();
}

void TestSettingsStore::lockedStoreAtStartUsesDefaultsAndSaysSoOnce() {
    storeSetting(promptToSaveValueName, QStringLiteral("0"));
    storeSetting(formatIndexValueName, QStringLiteral("3"));
    {
        StoreLock lock;
        MainWindowFixture f;
        QCOMPARE(f.scripted.messages.shown.size(), 1);
        QCOMPARE(f.scripted.messages.shown[0].text, unreadableMessage);
        QCOMPARE(f.scripted.messages.shown[0].icon, MessageIcon::Information);
        QCOMPARE(f.ui().lstAutocopy->currentRow(), 0);
        // A dialog opening loads again: same result, no second message.
        whenModalOpens([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        f.ui().mnuToolsOptions->trigger();
        QCOMPARE(f.scripted.messages.shown.size(), 1);
        // The standard prompt to save is on, whatever the store holds.
        f.ui().hsbBlue->setValue(1);
        f.scripted.messages.answers = {MessageAnswer::Cancel};
        f.ui().mnuFileExit->trigger();
        QCOMPARE(f.scripted.messages.shown.size(), 2);
        QVERIFY(f.window->isVisible());
    }
    // Nothing was restored over the stored values.
    QCOMPARE(storedSetting(promptToSaveValueName), QStringLiteral("0"));
    QCOMPARE(storedSetting(formatIndexValueName), QStringLiteral("3"));
}

void TestSettingsStore::okOnALockedStoreKeepsTheDialogOpen_data() {
    QTest::addColumn<QString>("dialogName");
    QTest::newRow("options") << "frmOptions";
    QTest::newRow("custom format") << "frmCustomFormat";
}

void TestSettingsStore::okOnALockedStoreKeepsTheDialogOpen() {
    QFETCH(QString, dialogName);
    MainWindowFixture f;
    OwnSettings settings(f.scripted.messages);
    std::unique_ptr<QDialog> dialog;
    {
        StoreLock lock;
        if (dialogName == QLatin1String("frmOptions")) {
            auto options = std::make_unique<OptionsDialog>(f.window.get(),
                                                           settings.context(f.scripted.services));
            options->load();
            options->show();
            control<QRadioButton>(options.get(), "optNo")->setChecked(true);
            dialog = std::move(options);
        } else {
            auto custom = std::make_unique<CustomFormatDialog>(
                f.window.get(), settings.context(f.scripted.services), nullptr);
            custom->load();
            custom->show();
            control<QLineEdit>(custom.get(), "txtFormat")->setText(QStringLiteral("%DR%"));
            dialog = std::move(custom);
        }
        QTest::mouseClick(control<QPushButton>(dialog.get(), "cmdOK"), Qt::LeftButton);
        QVERIFY(!f.scripted.messages.shown.isEmpty());
        QCOMPARE(f.scripted.messages.shown.last().text, notSavedMessage);
        QCOMPARE(f.scripted.messages.shown.last().icon, MessageIcon::Warning);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }
    QCOMPARE(settings.record.promptToSave, 1);
    QCOMPARE(settings.record.customFormat, QString());
    QVERIFY(!programRegistry()->ExistingKey(HKEY_CURRENT_USER, programKeyPath));
    // Once the store is free again, the same OK saves and closes.
    QTest::mouseClick(control<QPushButton>(dialog.get(), "cmdOK"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
