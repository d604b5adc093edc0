#include "editing/notationpanel.h"

#include "colour/colourtables.h"
#include "colour/notation.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/widgethelpers.h"
#include "palette/paletteexchange.h"
#include "palette/palettemodel.h"
#include "settings/settingsrecord.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <utility>

namespace tincta {

namespace {

constexpr int clipboardTimerMs = 200;

} // namespace

NotationSource selectedMarkSource(const PaletteModel& palette, const Colour& colour,
                                  const QString& customTemplate) {
    const int mark = palette.selectedMark();
    const QString& name = palette.name(mark);
    return {colour, customTemplate, isPlaceholderName(name) ? QString() : name, mark + 1};
}

NotationPanel::NotationPanel(const SettingsRecord& settings, const PaletteModel& palette,
                             QWidget* parent)
    : QObject(parent), m_settings(settings), m_palette(palette),
      m_list(named(new QListWidget(parent), "lstAutocopy")),
      m_timer(named(new QTimer(this), "tmrClip")) {
    m_list->setToolTip(tr("Select the format you want to copy to the clipboard"));
    m_list->setAccessibleName(tr("Notation"));
    m_list->setMinimumWidth(170);
    m_list->addItems(notationNames());
    buildClipboardRow(parent);
    connect(m_list, &QListWidget::currentRowChanged, this, guarded([this] { render(m_colour); }));
    m_timer->setInterval(clipboardTimerMs);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, guarded([this] { onTick(); }));
}

void NotationPanel::buildClipboardRow(QWidget* parent) {
    m_clipboardRow = new QWidget(parent);
    auto* row = new QHBoxLayout(m_clipboardRow);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = named(new QLabel(tr("Sent To Clipboard"), m_clipboardRow), "lblClipboardLabel");
    m_clipboardLabel = named(new QLabel(m_clipboardRow), "lblClipboard");
    m_clipboardLabel->setToolTip(tr("This is what Tincta put on the clipboard"));
    m_clipboardLabel->setTextFormat(Qt::PlainText);
    m_clipboardLabel->setAccessibleName(tr("Sent to clipboard"));
    // A field's colours, the theme's own, as the value fields beside it.
    m_clipboardLabel->setAutoFillBackground(true);
    m_clipboardLabel->setBackgroundRole(QPalette::Base);
    m_clipboardLabel->setForegroundRole(QPalette::Text);
    m_clipboardLabel->setFrameShape(QFrame::StyledPanel);
    m_clipboardLabel->setMargin(3);
    m_clipboardLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    row->addWidget(caption);
    row->addWidget(m_clipboardLabel, 1);
}

void NotationPanel::render(const Colour& colour) {
    m_colour = colour;
    if (const std::optional<QString> text = renderedText(colour))
        showSentText(*text);
    m_ticksSinceChange = 0;
    m_copyFollowsChange = true;
    // A timer already ticking keeps its phase, so the copy still falls on its third tick; an
    // idle one starts again here.
    if (!m_timer->isActive())
        m_timer->start();
}

void NotationPanel::showSentText(const QString& text) {
    m_clipboardLabel->setText(text);
    // The label's name is what a screen reader speaks, so it carries the text itself.
    m_clipboardLabel->setAccessibleName(text.isEmpty() ? tr("Sent to clipboard: nothing")
                                                       : tr("Sent to clipboard: %1").arg(text));
}

std::optional<QString> NotationPanel::renderedText(const Colour& colour) const {
    if (m_javaScriptNames)
        return javaScriptName(pack(colour));
    const std::optional<Notation> notation = notationAtRow(m_list->currentRow());
    if (!notation)
        return std::nullopt;
    return notationText(*notation, selectedMarkSource(m_palette, colour, m_settings.customFormat));
}

QString NotationPanel::textOf(const Colour& colour) const {
    return renderedText(colour).value_or(QString());
}

void NotationPanel::showRememberedNotation(const Colour& colour) {
    const bool changePending = m_copyFollowsChange && m_timer->isActive();
    if (!m_javaScriptNames)
        m_list->setCurrentRow(m_rememberedNotation);
    render(colour);
    m_copyFollowsChange = changePending;
}

void NotationPanel::showStartColour(const Colour& colour) {
    showRememberedNotation(colour);
    m_copyFollowsChange = false;
}

void NotationPanel::windowDeactivated() {
    if (!m_javaScriptNames)
        m_rememberedNotation = m_list->currentRow();
}

void NotationPanel::setJavaScriptNamesMode(bool on, const Colour& colour) {
    m_javaScriptNames = on;
    if (on) {
        m_rememberedNotation = m_list->currentRow();
        m_list->setCurrentRow(-1);
        m_list->clearSelection();
    } else {
        m_list->setCurrentRow(m_rememberedNotation);
    }
    m_list->setEnabled(!on);
    render(colour);
}

void NotationPanel::onTick() {
    ++m_ticksSinceChange;
    if (m_ticksSinceChange == ticksBeforeCopy) {
        // Nothing is left to copy until the next change, so the program sleeps till then.
        // Stopped first, so a rendering in the handlers below starts it again.
        m_timer->stop();
        Q_EMIT colourRested();
        copyToClipboard();
    }
}

void NotationPanel::copyToClipboard() {
    const QString text = m_clipboardLabel->text();
    putOnClipboard(text);
    if (std::exchange(m_copyFollowsChange, false))
        Q_EMIT colourCopied(m_colour, text);
}

void NotationPanel::copyColour(const Colour& colour) {
    const QString text = textOf(colour);
    putOnClipboard(text);
    Q_EMIT colourCopied(colour, text);
}

void NotationPanel::copyText(const QString& text) {
    putOnClipboard(text);
    Q_EMIT colourCopied(m_palette.selectedColour(), text);
}

void NotationPanel::putOnClipboard(const QString& text) {
    // A clipboard that cannot be written is left alone; the next change tries again.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace tincta
