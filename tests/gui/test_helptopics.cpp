#include "app/commandtable.h"
#include "colour/notation.h"
#include "gui/widgets/resources.h"

#include <QFile>
#include <QKeySequence>
#include <QMainWindow>
#include <QRegularExpression>
#include <QTest>

using namespace tincta;

namespace {

const QString mainTopic = QStringLiteral(":/help/tincta1.htm");

QString topicText(const QString& path) {
    initResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The rows "command | key" of the help's shortcut tables, by command as the menu shows it.
QHash<QString, QString> helpShortcuts() {
    static const QRegularExpression row(
        QStringLiteral("<tr><td>([^<]*)</td><td><kbd>([^<]*)</kbd></td></tr>"));
    QHash<QString, QString> shortcuts;
    for (const QRegularExpressionMatch& match : row.globalMatch(topicText(mainTopic)))
        shortcuts.insert(match.captured(1), match.captured(2));
    return shortcuts;
}

QString menuCaption(const QAction* action) {
    return QString(action->text()).remove(QLatin1Char('&'));
}

} // namespace

class TestHelpTopics : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyShortcutIsInTheHelp_data();
    void everyShortcutIsInTheHelp();
    void everyNotationIsInTheHelp_data();
    void everyNotationIsInTheHelp();
};

void TestHelpTopics::everyShortcutIsInTheHelp_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");
    QMainWindow window;
    const CommandTable commands(&window);
    for (std::size_t index = 0; index < commandCount; ++index) {
        const QAction* action = commands.action(static_cast<Command>(index));
        if (action->shortcut().isEmpty())
            continue;
        const QString caption = menuCaption(action);
        QTest::newRow(qPrintable(caption))
            << caption << action->shortcut().toString(QKeySequence::PortableText);
    }
}

void TestHelpTopics::everyShortcutIsInTheHelp() {
    QFETCH(QString, caption);
    QFETCH(QString, key);
    const QHash<QString, QString> shortcuts = helpShortcuts();
    QVERIFY2(!shortcuts.isEmpty(), "the main help topic has no shortcut table");
    QCOMPARE(shortcuts.value(caption), key);
}

void TestHelpTopics::everyNotationIsInTheHelp_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : notationNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestHelpTopics::everyNotationIsInTheHelp() {
    QFETCH(QString, name);
    const QString notationRow = QStringLiteral("<tr><td>%1</td>").arg(name.toHtmlEscaped());
    QVERIFY2(topicText(mainTopic).contains(notationRow), qPrintable(notationRow));
}

QTEST_MAIN(TestHelpTopics)
#include "test_helptopics.moc"
