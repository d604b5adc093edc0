#include "settingsdialogs/customformatdialog.h"

#include "gui/platform/errorguard.h"
#include "gui/widgets/trackedlineedit.h"
#include "gui/widgets/uitext.h"
#include "gui/widgets/widgethelpers.h"
#include "help/helpmessages.h"
#include "settings/settingsrecord.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace tincta {

namespace {

const UiText dialogCaption{QT_TRANSLATE_NOOP("tincta", "Custom Format")};
const UiText okCaption{QT_TRANSLATE_NOOP("tincta", "OK")};
const UiText cancelCaption{QT_TRANSLATE_NOOP("tincta", "Cancel")};
const UiText helpCaption{QT_TRANSLATE_NOOP("tincta", "Help")};
const QString customFormatHelpTopic = QStringLiteral("tincta10.htm");

struct CodeButton {
    const char* name;
    const char* caption;
    const char* code;
    const char* toolTip;
    int row;    // 1 upper case hex, 2 lower case hex, 3 decimal, 4 long decimal
    int column; // 1 red, 2 green, 3 blue
};

// In tab order.
constexpr std::array<CodeButton, 10> codeTable{{
    {"cmdUR", "UR", "%UR%",
     QT_TRANSLATE_NOOP("tincta", "Insert the code for Red in Upper Case Hex"), 1, 1},
    {"cmdUG", "UG", "%UG%",
     QT_TRANSLATE_NOOP("tincta", "Insert the code for Green in Upper Case Hex"), 1, 2},
    {"cmdUB", "UB", "%UB%",
     QT_TRANSLATE_NOOP("tincta", "Insert the code for Blue in Upper Case Hex"), 1, 3},
    {"cmdLR", "LR", "%LR%",
     QT_TRANSLATE_NOOP("tincta", "Insert the code for Red in Lower Case Hex"), 2, 1},
    {"cmdLG", "LG", "%LG%",
     QT_TRANSLATE_NOOP("tincta", "Insert the code for Green in Lower Case Hex"), 2, 2},
    {"cmdLB", "LB", "%LB%",
     QT_TRANSLATE_NOOP("tincta", "Insert the code for Blue in Lower Case Hex"), 2, 3},
    {"cmdDR", "DR", "%DR%", QT_TRANSLATE_NOOP("tincta", "Insert the code for Red in Decimal"), 3,
     1},
    {"cmdDG", "DG", "%DG%", QT_TRANSLATE_NOOP("tincta", "Insert the code for Green in Decimal"), 3,
     2},
    {"cmdDB", "DB", "%DB%", QT_TRANSLATE_NOOP("tincta", "Insert the code for Blue in Decimal"), 3,
     3},
    {"cmdLD", "LD", "%LD%", QT_TRANSLATE_NOOP("tincta", "Insert the code for Long Decimal"), 4, 2},
}};

struct Heading {
    const char* name;
    const char* caption;
    int row;
    int column;
};

constexpr std::array<Heading, 7> headings{{
    {"lblRed", QT_TRANSLATE_NOOP("tincta", "Red"), 0, 1},
    {"lblGreen", QT_TRANSLATE_NOOP("tincta", "Green"), 0, 2},
    {"lblBlue", QT_TRANSLATE_NOOP("tincta", "Blue"), 0, 3},
    {"lblUpperCaseHex", QT_TRANSLATE_NOOP("tincta", "Upper Case Hex"), 1, 0},
    {"lblLowerCaseHex", QT_TRANSLATE_NOOP("tincta", "Lower Case Hex"), 2, 0},
    {"lblDecimal", QT_TRANSLATE_NOOP("tincta", "Decimal"), 3, 0},
    {"lblLongDecimal", QT_TRANSLATE_NOOP("tincta", "Long Decimal"), 4, 0},
}};

// Sizes from the dialog's design, in twips, 15 to a pixel.
constexpr int clientWidth = 7710 / twipsPerPixel;
constexpr int clientHeight = 5415 / twipsPerPixel;
constexpr int codeButtonWidth = 600 / twipsPerPixel;
constexpr int codeButtonHeight = 495 / twipsPerPixel;
constexpr int columnWidth = 885 / twipsPerPixel;
constexpr int buttonWidth = 1450 / twipsPerPixel;

// How much of an inserted-into text stays: at most the limit, and never the first half of a
// character whose second half would be cut off.
qsizetype withinLimit(const QString& text) {
    if (text.size() <= customFormatMaxLength)
        return text.size();
    return text[customFormatMaxLength - 1].isHighSurrogate() ? customFormatMaxLength - 1
                                                             : customFormatMaxLength;
}

} // namespace

CustomFormatDialog::CustomFormatDialog(QWidget* owner, SettingsContext context,
                                       HelpTopicOpener openHelpTopic)
    : QDialog(owner), m_context(std::move(context)), m_openHelpTopic(std::move(openHelpTopic)) {
    setObjectName(QStringLiteral("frmCustomFormat"));
    setWindowTitle(dialogCaption);
    // Modal to the program's windows only: the help viewer stays usable beside it, as a help
    // program of its own would.
    setWindowModality(Qt::WindowModal);
    buildControls();
}

void CustomFormatDialog::buildControls() {
    auto* page = new QVBoxLayout(this);
    page->setSpacing(12);

    auto* table = new QGridLayout;
    table->setHorizontalSpacing(10);
    table->setVerticalSpacing(8);
    for (const Heading& heading : headings) {
        auto* label = named(new QLabel(UiText{heading.caption}, this), heading.name);
        label->setAlignment(heading.row == 0 ? Qt::AlignHCenter | Qt::AlignBottom
                                             : Qt::AlignRight | Qt::AlignVCenter);
        table->addWidget(label, heading.row, heading.column);
    }
    std::array<QPushButton*, codeTable.size()> codeButtons{};
    for (std::size_t i = 0; i < codeTable.size(); ++i) {
        const CodeButton& entry = codeTable[i];
        auto* button = named(new QPushButton(QLatin1String(entry.caption), this), entry.name);
        button->setToolTip(UiText{entry.toolTip});
        // The two letters mean little when heard; the tooltip says what the button inserts.
        button->setAccessibleName(button->toolTip());
        button->setFixedSize(codeButtonWidth, codeButtonHeight);
        // A click leaves the focus, and with it the selection, in the text box.
        button->setFocusPolicy(Qt::TabFocus);
        table->addWidget(button, entry.row, entry.column, Qt::AlignCenter);
        codeButtons[i] = button;
        const QString code = QLatin1String(entry.code);
        connect(button, &QPushButton::clicked, this,
                [this, code](bool) { ErrorGuard::run([this, code] { insertCode(code); }); });
    }
    for (int column = 1; column <= 3; ++column)
        table->setColumnMinimumWidth(column, columnWidth);
    auto* centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addLayout(table);
    centred->addStretch(2);
    page->addLayout(centred);
    page->addStretch(1);

    m_templateEdit = named(new TrackedLineEdit(this), "txtFormat");
    m_templateEdit->setTypingLimit(customFormatMaxLength);
    m_templateEdit->setAccessibleName(tr("Custom format template"));
    m_templateEdit->installEventFilter(this);
    page->addWidget(m_templateEdit);

    auto* buttons = new QHBoxLayout;
    auto* okButton = named(new QPushButton(okCaption, this), "cmdOK");
    okButton->setDefault(true);
    auto* cancelButton = named(new QPushButton(cancelCaption, this), "cmdCancel");
    auto* helpButton = named(new QPushButton(helpCaption, this), "cmdHelp");
    buttons->addStretch(1);
    for (QPushButton* button : {okButton, cancelButton, helpButton}) {
        button->setMinimumWidth(buttonWidth);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    page->addLayout(buttons);

    QWidget* previous = m_templateEdit;
    for (QWidget* next : {static_cast<QWidget*>(okButton), static_cast<QWidget*>(cancelButton),
                          static_cast<QWidget*>(helpButton)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QPushButton* button : codeButtons) {
        setTabOrder(previous, button);
        previous = button;
    }

    resize(clientWidth, clientHeight);

    // The box takes Enter for itself; here Enter means the default button, OK.
    connect(m_templateEdit, &TrackedLineEdit::enterPressed, okButton, &QPushButton::click);
    connect(okButton, &QPushButton::clicked, this,
            [this](bool) { ErrorGuard::run([this] { saveAndClose(); }); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // Help reports its own failures and never ends the program.
    connect(helpButton, &QPushButton::clicked, this, [this](bool) { showHelp(); });
}

void CustomFormatDialog::load() {
    m_context.loadSettings();
    m_templateEdit->setText(m_context.record.customFormat);
    m_templateEdit->deselect();
    m_templateEdit->setCursorPosition(static_cast<int>(m_templateEdit->text().size()));
    // The dialog opens ready for typing, not on its default button.
    m_templateEdit->setFocus(Qt::OtherFocusReason);
}

void CustomFormatDialog::setVisible(bool visible) {
    const bool opening = visible && !isVisible();
    QDialog::setVisible(visible);
    // Showing a dialog focuses its first control as if by Tab, which selects the whole text; the
    // template opens with the caret at its end instead.
    if (opening && m_templateEdit->hasSelectedText()) {
        m_templateEdit->deselect();
        m_templateEdit->setCursorPosition(static_cast<int>(m_templateEdit->text().size()));
    }
}

bool CustomFormatDialog::eventFilter(QObject* watched, QEvent* event) {
    // The text box drops its selection when it loses the focus; a code button reached with Tab
    // still replaces what was selected.
    if (watched == m_templateEdit && event->type() == QEvent::FocusOut)
        m_lastSelection = currentSelection();
    return QDialog::eventFilter(watched, event);
}

CustomFormatDialog::Selection CustomFormatDialog::currentSelection() const {
    if (m_templateEdit->hasSelectedText())
        return {m_templateEdit->selectionStart(), m_templateEdit->selectedText().size()};
    return {m_templateEdit->cursorPosition(), 0};
}

void CustomFormatDialog::insertCode(const QString& code) {
    const QString text = m_templateEdit->text();
    const Selection selection = m_templateEdit->hasFocus() ? currentSelection() : m_lastSelection;
    const qsizetype start = std::min(selection.start, text.size());
    const qsizetype length = std::min(selection.length, text.size() - start);
    QString result = text.left(start) + code + text.mid(start + length);
    result.truncate(withinLimit(result));
    m_templateEdit->setText(result);
    m_templateEdit->setCursorPosition(
        static_cast<int>(std::min(start + code.size(), result.size())));
    m_templateEdit->setFocus(Qt::OtherFocusReason);
}

void CustomFormatDialog::saveAndClose() {
    const QString text = m_templateEdit->text();
    if (!saveSettings(m_context, this, {{customFormatValueName, text}}))
        return;
    m_context.record.customFormat = text;
    accept();
}

void CustomFormatDialog::showHelp() {
    bool shown = false;
    try {
        shown = m_openHelpTopic && m_openHelpTopic(customFormatHelpTopic);
    } catch (...) {
        shown = false;
    }
    if (!shown)
        warn(m_context.services.messages, this, helpProblem);
}

void showCustomFormatDialog(QWidget* owner, const SettingsContext& context,
                            const HelpTopicOpener& openHelpTopic) {
    CustomFormatDialog dialog(owner, context, openHelpTopic);
    dialog.load();
    dialog.exec();
}

} // namespace tincta
