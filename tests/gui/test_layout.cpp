#include "mainwindowfixture.h"
#include "settingsstore.h"

#include "settingsdialogs/optionsdialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

using namespace tincta;
using namespace tincta::test;

namespace {

// A nested layout passes a change of size up one level per round of layout requests.
void settleLayout() {
    for (int level = 0; level < 4; ++level)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { clearStoredSettings(); }
    void optionsDialogKeepsOneSize_data();
    void optionsDialogKeepsOneSize();
};

void TestLayout::optionsDialogKeepsOneSize_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("customFormat");
    QTest::newRow(".NET HTML") << 7 << "";
    QTest::newRow(".NET Win32") << 9 << "";
    QTest::newRow("Custom, 250 characters in one word") << 11 << QString(250, QLatin1Char('W'));
    QTest::newRow("Custom, 250 characters in words")
        << 11 << QStringLiteral("rgb(%DR%, %DG%, %DB%) ").repeated(11).left(250);
}

void TestLayout::optionsDialogKeepsOneSize() {
    QFETCH(int, row);
    QFETCH(QString, customFormat);
    storeSetting(customFormatValueName, customFormat);
    MainWindowFixture f;
    OwnSettings settings(f.scripted.messages);
    OptionsDialog dialog(f.window.get(), settings.context(f.scripted.services));
    dialog.load();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstStandardFormat"));
    auto* example = dialog.findChild<QLabel*>(QStringLiteral("lblExample"));
    auto* frame = dialog.findChild<QGroupBox*>(QStringLiteral("fraExample"));
    list->setCurrentRow(0);
    settleLayout();
    const QSize size = dialog.size();
    list->setCurrentRow(row);
    settleLayout();
    QCOMPARE(dialog.size(), size);
    QVERIFY(dialog.frameGeometry().width() <= 800);
    QVERIFY(dialog.frameGeometry().height() <= 600);
    QVERIFY(frame->contentsRect().contains(example->geometry()));
    // The label keeps the whole example; only its drawing is cut.
    QCOMPARE(example->text(), exampleText(row, customFormat));
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
