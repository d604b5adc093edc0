#include "mainwindowfixture.h"
#include "settingsstore.h"

#include "colour/contrast.h"
#include "editing/namebox.h"
#include "gui/widgets/themecolours.h"
#include "help/aboutbox.h"
#include "help/helpviewer.h"
#include "settingsdialogs/customformatdialog.h"
#include "settingsdialogs/optionsdialog.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <memory>
#include <optional>

using namespace tincta;
using namespace tincta::test;

namespace {

QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x2B, 0x2B, 0x2B);
    const QColor base(0x1E, 0x1E, 0x1E);
    const QColor text(0xE6, 0xE6, 0xE6);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::white);
    dark.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    dark.setColor(QPalette::Midlight, QColor(0x45, 0x45, 0x45));
    dark.setColor(QPalette::Mid, QColor(0x60, 0x60, 0x60));
    dark.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x18));
    dark.setColor(QPalette::Shadow, Qt::black);
    dark.setColor(QPalette::Highlight, QColor(0x3D, 0x6E, 0xA8));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x8A, 0xB4, 0xF8));
    dark.setColor(QPalette::LinkVisited, QColor(0xC5, 0x8A, 0xF9));
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(0xA0, 0xA0, 0xA0));
    return dark;
}

// Sets the application's palette for one test and puts the old one back afterwards.
struct ThemeScope {
    QPalette previous = QApplication::palette();
    explicit ThemeScope(const QPalette& theme) { QApplication::setPalette(theme); }
    ~ThemeScope() { QApplication::setPalette(previous); }
};

// The colour painted behind a widget that fills nothing itself: the nearest ancestor's that does.
QColor backgroundBehind(const QWidget* widget) {
    const QWidget* painter = widget;
    while (!painter->autoFillBackground() && !painter->isWindow())
        painter = painter->parentWidget();
    return painter->palette().color(painter->backgroundRole());
}

struct Shown {
    QColor text;
    QColor background;
};

// The colours a widget draws its text in, as the style paints them; none for widgets without
// text of their own.
std::optional<Shown> shownColours(const QWidget* widget) {
    const QPalette& colours = widget->palette();
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget))
        return Shown{colours.color(QPalette::Text), colours.color(QPalette::Base)};
    if (qobject_cast<const QPushButton*>(widget))
        return Shown{colours.color(QPalette::ButtonText), colours.color(QPalette::Button)};
    if (qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QGroupBox*>(widget))
        return Shown{colours.color(QPalette::WindowText), backgroundBehind(widget)};
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->text().isEmpty())
        return Shown{colours.color(label->foregroundRole()), backgroundBehind(label)};
    return std::nullopt;
}

bool isThemeColour(const QColor& colour, std::initializer_list<QPalette::ColorRole> roles) {
    for (QPalette::ColorRole role : roles) {
        if (QApplication::palette().color(role) == colour)
            return true;
    }
    return false;
}

// Text that a reader cannot make out, and colours a widget forces whatever the theme.
QStringList unreadableTexts(QWidget* window) {
    QStringList found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || !widget->isEnabled())
            continue;
        const std::optional<Shown> shown = shownColours(widget);
        if (!shown)
            continue;
        const double contrast = contrastRatio(colourOf(shown->text), colourOf(shown->background));
        const QString name = widget->objectName();
        if (contrast < readableContrast)
            found << QStringLiteral("%1 contrast %2").arg(name).arg(contrast, 0, 'f', 2);
        const auto* box = qobject_cast<const QLineEdit*>(widget);
        if (box != nullptr && isMarkedEdited(box))
            continue; // the lemon of an edited name is the same in every theme
        if (!isThemeColour(shown->background,
                           {QPalette::Window, QPalette::Base, QPalette::Button}) ||
            !isThemeColour(shown->text, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                         QPalette::Link}))
            found << name + QStringLiteral(" ignores the theme");
    }
    return found;
}

QColor fragmentText(const QTextCharFormat& format, const QPalette& colours) {
    if (format.foreground().style() != Qt::NoBrush)
        return format.foreground().color();
    return colours.color(format.isAnchor() ? QPalette::Link : QPalette::Text);
}

QColor blockBackground(const QTextBlock& block, const QPalette& colours) {
    if (block.blockFormat().background().style() != Qt::NoBrush)
        return block.blockFormat().background().color();
    QTextCursor cursor(block);
    if (QTextTable* table = cursor.currentTable()) {
        const QBrush cell = table->cellAt(block.position()).format().background();
        if (cell.style() != Qt::NoBrush)
            return cell.color();
    }
    return colours.color(QPalette::Base);
}

// Every run of visible text on the page whose colour does not stand out from what is behind it.
QStringList unreadableRuns(const QTextDocument& page, const QPalette& colours) {
    QStringList found;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        const QColor behind = blockBackground(block, colours);
        for (auto run = block.begin(); !run.atEnd(); ++run) {
            const QTextFragment fragment = run.fragment();
            QString text = fragment.text();
            text.remove(QChar::Nbsp);
            if (text.trimmed().isEmpty())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QColor background =
                format.background().style() != Qt::NoBrush ? format.background().color() : behind;
            const double contrast =
                contrastRatio(colourOf(fragmentText(format, colours)), colourOf(background));
            if (contrast < readableContrast)
                found << QStringLiteral("%1 (%2)").arg(text.left(30)).arg(contrast, 0, 'f', 2);
        }
    }
    return found;
}

void addThemes() {
    QTest::addColumn<QPalette>("theme");
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark") << darkPalette();
}

} // namespace

class TestThemeContrast : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowsAreReadable_data();
    void windowsAreReadable();
    void helpPagesAreReadable_data();
    void helpPagesAreReadable();
};

void TestThemeContrast::windowsAreReadable_data() {
    addThemes();
}

void TestThemeContrast::windowsAreReadable() {
    QFETCH(QPalette, theme);
    const ThemeScope scope(theme);
    MainWindowFixture f;
    OwnSettings settings{f.scripted.messages};
    // A named mark whose colour is edited turns lemon.
    f.ui().txtName[0]->setText(QStringLiteral("sky"));
    f.ui().hsbGreen->setValue(10);
    QVERIFY(isMarkedEdited(f.ui().txtName[0]));
    const SettingsContext context = settings.context(f.scripted.services);
    OptionsDialog options(f.window.get(), context);
    CustomFormatDialog customFormat(f.window.get(), context, [](const QString&) { return true; });
    AboutBox about(f.scripted.services, f.window.get());
    QWidget* colourCheck = f.openColourCheck();
    QVERIFY(colourCheck != nullptr);
    for (QWidget* window : std::initializer_list<QWidget*>{f.window.get(), &options, &customFormat,
                                                           &about, colourCheck})
        QVERIFY2(unreadableTexts(window).isEmpty(),
                 qPrintable(unreadableTexts(window).join(QStringLiteral(", "))));
    // A new name takes the theme's colours back.
    f.ui().txtName[0]->setText(QStringLiteral("sea"));
    QVERIFY(unreadableTexts(f.window.get()).isEmpty());
}

void TestThemeContrast::helpPagesAreReadable_data() {
    addThemes();
}

void TestThemeContrast::helpPagesAreReadable() {
    QFETCH(QPalette, theme);
    const ThemeScope scope(theme);
    MainWindowFixture f;
    HelpViewer viewer(f.scripted.services);
    for (const char* topic : {"qrc:/help/tincta1.htm", "qrc:/help/tincta10.htm"}) {
        viewer.showTopic(QUrl(QString::fromLatin1(topic)));
        const QStringList unreadable =
            unreadableRuns(*viewer.browser()->document(), viewer.browser()->palette());
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
    }
}

QTEST_MAIN(TestThemeContrast)
#include "test_themecontrast.moc"
