#include "settings/customformatdialog.h"

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

    txtFormat = named(new TrackedLineEdit(this), "txtFormat");
    txtFormat->setTypingLimit(customFormatMaxLength);
    txtFormat->setAccessibleName(tr("Custom format template"));
    txtFormat->installEventFilter(this);
    page->addWidget(txtFormat);

    auto* buttons = new QHBoxLayout;
    cmdOK = named(new QPushButton(okCaption, this), "cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = named(new QPushButton(cancelCaption, this), "cmdCancel");
    cmdHelp = named(new QPushButton(helpCaption, this), "cmdHelp");
    buttons->addStretch(1);
    for (QPushButton* button : {cmdOK, cmdCancel, cmdHelp}) {
        button->setMinimumWidth(buttonWidth);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    page->addLayout(buttons);

    QWidget* previous = txtFormat;
    for (QWidget* next : {static_cast<QWidget*>(cmdOK), static_cast<QWidget*>(cmdCancel),
                          static_cast<QWidget*>(cmdHelp)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QPushButton* button : codeButtons) {
        setTabOrder(previous, button);
        previous = button;
    }

    resize(clientWidth, clientHeight);

    // The box takes Enter for itself; here Enter means the default button, OK.
    connect(txtFormat, &TrackedLineEdit::enterPressed, cmdOK, &QPushButton::click);
    connect(cmdOK, &QPushButton::clicked, this,
            [this](bool) { ErrorGuard::run([this] { cmdOK_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this,
            [this](bool) { ErrorGuard::run([this] { cmdCancel_Click(); }); });
    // Help reports its own failures and never ends the program.
    connect(cmdHelp, &QPushButton::clicked, this, [this](bool) { cmdHelp_Click(); });
}

void CustomFormatDialog::load() {
    m_context.loadSettings();
    txtFormat->setText(m_context.record.CustomFormat);
    txtFormat->deselect();
    txtFormat->setCursorPosition(static_cast<int>(txtFormat->text().size()));
    // The dialog opens ready for typing, not on its default button.
    txtFormat->setFocus(Qt::OtherFocusReason);
}

void CustomFormatDialog::setVisible(bool visible) {
    const bool opening = visible && !isVisible();
    QDialog::setVisible(visible);
    // Showing a dialog focuses its first control as if by Tab, which selects the whole text; the
    // template opens with the caret at its end instead.
    if (opening && txtFormat->hasSelectedText()) {
        txtFormat->deselect();
        txtFormat->setCursorPosition(static_cast<int>(txtFormat->text().size()));
    }
}

bool CustomFormatDialog::eventFilter(QObject* watched, QEvent* event) {
    // The text box drops its selection when it loses the focus; a code button reached with Tab
    // still replaces what was selected.
    if (watched == txtFormat && event->type() == QEvent::FocusOut)
        m_lastSelection = currentSelection();
    return QDialog::eventFilter(watched, event);
}

CustomFormatDialog::Selection CustomFormatDialog::currentSelection() const {
    if (txtFormat->hasSelectedText())
        return {txtFormat->selectionStart(), txtFormat->selectedText().size()};
    return {txtFormat->cursorPosition(), 0};
}

void CustomFormatDialog::insertCode(const QString& code) {
    const QString text = txtFormat->text();
    const Selection selection = txtFormat->hasFocus() ? currentSelection() : m_lastSelection;
    const qsizetype start = std::min(selection.start, text.size());
    const qsizetype length = std::min(selection.length, text.size() - start);
    QString result = text.left(start) + code + text.mid(start + length);
    result.truncate(withinLimit(result));
    txtFormat->setText(result);
    txtFormat->setCursorPosition(static_cast<int>(std::min(start + code.size(), result.size())));
    txtFormat->setFocus(Qt::OtherFocusReason);
}

void CustomFormatDialog::cmdOK_Click() {
    const QString text = txtFormat->text();
    if (!saveSettings(m_context, this, {{customFormatValueName, text}}))
        return;
    m_context.record.CustomFormat = text;
    accept();
}

void CustomFormatDialog::cmdCancel_Click() {
    reject();
}

void CustomFormatDialog::cmdHelp_Click() {
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
