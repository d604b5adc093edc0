#include "mainwindowfixture.h"

#include "app/translations.h"
#include "help/aboutbox.h"

#include <QTranslator>

using namespace tincta;
using namespace tincta::test;

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsFollowTheLocale_data();
    void textsFollowTheLocale();
    void cleanup();
};

void TestTranslations::textsFollowTheLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("aboutCaption");
    QTest::addColumn<QString>("fileMenu");
    QTest::newRow("German") << "de_DE" << true << QStringLiteral("Über Tincta")
                            << QStringLiteral("&Datei");
    QTest::newRow("English, the source") << "en_GB" << false << "About Tincta"
                                         << "&File";
    QTest::newRow("no translation") << "fr_FR" << false << "About Tincta"
                                    << "&File";
}

void TestTranslations::textsFollowTheLocale() {
    QFETCH(QString, locale);
    QFETCH(bool, found);
    QFETCH(QString, aboutCaption);
    QFETCH(QString, fileMenu);
    const QStringList folders{QStringLiteral("/nonexistent"),
                              QStringLiteral(TINCTA_TEST_TRANSLATIONS_DIR)};
    QCOMPARE(installTranslations(*QCoreApplication::instance(), QLocale(locale), folders), found);
    ScriptedServices scripted;
    AboutBox box(scripted.services, nullptr);
    QCOMPARE(box.windowTitle(), aboutCaption);
    MainWindowFixture f;
    QCOMPARE(f.ui().mnuFile->title(), fileMenu);
}

void TestTranslations::cleanup() {
    // A translator leaves the application when it goes.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
