#include "mainwindowfixture.h"

#include "app/translations.h"
#include "help/aboutbox.h"

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace tincta;
using namespace tincta::test;

namespace {

struct CatalogueEntry {
    QString translation;
    bool finished = false;
};

// The messages of a Qt Linguist file by context and source text.
QHash<QString, CatalogueEntry> readMessages(const QString& path) {
    QHash<QString, CatalogueEntry> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto text = [&xml] {
            return xml.readElementText(QXmlStreamReader::IncludeChildElements);
        };
        if (xml.name() == QLatin1String("name")) {
            context = text();
        } else if (xml.name() == QLatin1String("source")) {
            source = text();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.insert(context + QLatin1Char('|') + source, CatalogueEntry{text(), finished});
        }
    }
    return messages;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsFollowTheLocale_data();
    void textsFollowTheLocale();
    void catalogueTranslatesEveryText_data();
    void catalogueTranslatesEveryText();
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

void TestTranslations::catalogueTranslatesEveryText_data() {
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("German") << QStringLiteral("tincta_de.ts");
}

void TestTranslations::catalogueTranslatesEveryText() {
    QFETCH(QString, catalogue);
    const QHash<QString, CatalogueEntry> texts =
        readMessages(QStringLiteral(TINCTA_TRANSLATION_TEMPLATE));
    const QHash<QString, CatalogueEntry> translations =
        readMessages(QStringLiteral(TINCTA_CATALOGUES_DIR "/") + catalogue);
    QVERIFY(!texts.isEmpty());
    QStringList untranslated;
    for (auto text = texts.cbegin(); text != texts.cend(); ++text) {
        const CatalogueEntry found = translations.value(text.key());
        const QString source = text.key().section(QLatin1Char('|'), 1, -1);
        if (!found.finished || found.translation.isEmpty() ||
            placeholders(found.translation) != placeholders(source))
            untranslated.append(text.key());
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TestTranslations::cleanup() {
    // A translator leaves the application when it goes.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
