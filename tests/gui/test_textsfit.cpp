#include "mainwindowfixture.h"
#include "palettewindowhelpers.h"
#include "settingsstore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QTranslator>
#include <cmath>

using namespace tincta;
using namespace tincta::test;

namespace {

// Every text 40% longer, as translations into wordier languages are: the text followed by its own
// first letters, so that the added width is like that of the text.
class LongerTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        static const QRegularExpression notLetters(QStringLiteral("[&\\s%]"));
        const QString source = QString::fromUtf8(sourceText);
        const QString letters = QString(source).remove(notLetters);
        if (letters.isEmpty())
            return {};
        const auto padding = static_cast<qsizetype>(std::ceil(source.size() * 0.4));
        return source + letters.repeated(2 + padding / letters.size()).left(padding);
    }
};

// A translator of the application while it lives.
class InstalledTranslator {
public:
    explicit InstalledTranslator(QTranslator& translator) : m_translator(translator) {
        QCoreApplication::installTranslator(&m_translator);
    }
    ~InstalledTranslator() { QCoreApplication::removeTranslator(&m_translator); }
    InstalledTranslator(const InstalledTranslator&) = delete;
    InstalledTranslator& operator=(const InstalledTranslator&) = delete;

private:
    QTranslator& m_translator;
};

QString shownText(const QString& text) {
    return QString(text).remove(QLatin1Char('&'));
}

bool buttonTextFits(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(button) != nullptr)
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox*>(button) != nullptr)
        contents = QStyle::SE_CheckBoxContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    const int iconWidth = button->icon().isNull() ? 0 : button->iconSize().width();
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    return text.width() + iconWidth <= room.width() && text.height() <= room.height();
}

bool labelTextFits(const QLabel* label) {
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    const QSize needed = label->sizeHint();
    return needed.width() <= label->width() && needed.height() <= label->height();
}

// The buttons, labels and group titles of `window` whose text is cut where it is shown.
QStringList cutTexts(QWidget* window) {
    QStringList cut;
    const auto note = [&cut](const QWidget* widget, const QString& text) {
        cut.append(QStringLiteral("%1 \"%2\" (%3 px wide)")
                       .arg(widget->objectName(), shownText(text))
                       .arg(widget->width()));
    };
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const bool shown = button->isVisibleTo(window) && !button->text().isEmpty();
        if (shown && qobject_cast<const QToolButton*>(button) == nullptr && !buttonTextFits(button))
            note(button, button->text());
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window) && !label->text().isEmpty() && !labelTextFits(label))
            note(label, label->text());
    }
    for (const QGroupBox* group : window->findChildren<QGroupBox*>()) {
        if (group->isVisibleTo(window) && group->minimumSizeHint().width() > group->width())
            note(group, group->title());
    }
    return cut;
}

QStringList cutTextsOfModal(QAction* opener) {
    QStringList cut;
    whenModalOpens([&cut](QWidget* dialog) {
        cut = cutTexts(dialog);
        dialog->close();
    });
    opener->trigger();
    return cut;
}

QStringList cutTextsOfSideWindow(QAbstractButton* opener, const QString& windowName) {
    opener->click();
    QWidget* window = topLevelNamed(windowName);
    if (window == nullptr)
        return {windowName + QStringLiteral(" did not open")};
    if (!QTest::qWaitForWindowExposed(window))
        return {windowName + QStringLiteral(" was not shown")};
    return cutTexts(window);
}

} // namespace

class TestTextsFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { clearStoredSettings(); }
    void textsFitTheirControls_data();
    void textsFitTheirControls();

private:
    LongerTexts m_longerTexts;
    QTranslator m_german;
};

void TestTextsFit::initTestCase() {
    QVERIFY(m_german.load(QStringLiteral(TINCTA_TEST_TRANSLATIONS_DIR "/tincta_de.qm")));
}

void TestTextsFit::textsFitTheirControls_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("german");
    for (const char* window : {"frmMain", "frmOptions", "frmCustomFormat", "frmAbout", "frmWebsafe",
                               "frmFailsafe", "frmJavaScript", "frmColourCheck"}) {
        QTest::addRow("%s, 40%% longer", window) << QString::fromLatin1(window) << false;
        QTest::addRow("%s, German", window) << QString::fromLatin1(window) << true;
    }
}

void TestTextsFit::textsFitTheirControls() {
    QFETCH(QString, window);
    QFETCH(bool, german);
    const InstalledTranslator translation(german ? m_german : m_longerTexts);
    MainWindowFixture f;
    const Controls& ui = f.ui();
    QStringList cut;
    if (window == QLatin1String("frmMain"))
        cut = cutTexts(f.window.get());
    else if (window == QLatin1String("frmOptions"))
        cut = cutTextsOfModal(ui.mnuToolsOptions);
    else if (window == QLatin1String("frmCustomFormat"))
        cut = cutTextsOfModal(ui.mnuToolsCustomFormat);
    else if (window == QLatin1String("frmAbout"))
        cut = cutTextsOfModal(ui.mnuHelpAboutTincta);
    else if (window == QLatin1String("frmWebsafe"))
        cut = cutTextsOfSideWindow(ui.cmdWebsafe, window);
    else if (window == QLatin1String("frmFailsafe"))
        cut = cutTextsOfSideWindow(ui.cmdFailsafe, window);
    else if (window == QLatin1String("frmJavaScript"))
        cut = cutTextsOfSideWindow(ui.cmdJavaScript, window);
    else
        cut = cutTexts(f.openColourCheck());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestTextsFit)
#include "test_textsfit.moc"
