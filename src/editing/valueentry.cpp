#include "editing/valueentry.h"

#include "app/mainwindowui.h"
#include "app/services.h"
#include "colour/colourtables.h"
#include "colour/conversions.h"
#include "editing/selectedcolour.h"
#include "editing/trackedlineedit.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

namespace tincta {

namespace {

const QString invalidDecimal =
    QStringLiteral("The value is not allowed. Only values from 0 to 255 are allowed.");
const QString invalidHex =
    QStringLiteral("The value is not allowed. Only values from 00 to FF are allowed.");
const QString invalidHtmlHexSuffix = QStringLiteral(" is not a valid HTML Hex value.");
const QString setToolTipFields =
    QStringLiteral("Click here to change the selected colour according to the values to the right");
const QString setToolTipHtmlHex =
    QStringLiteral("Click here to change the selected colour according to the value to the right");
const QString invalidPair = QStringLiteral("-1");

// Trims only the blank (code 32), as typed values are judged.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

std::optional<int> hexChannel(QStringView text) {
    const QString pair = normaliseHexPair(text);
    if (pair == invalidPair)
        return std::nullopt;
    return hexPairValue(pair);
}

std::optional<int> decimalChannel(QStringView text) {
    const int value = parseDecimalChannel(text);
    if (value < 0)
        return std::nullopt;
    return value;
}

} // namespace

ValueEntry::ValueEntry(QWidget* window, MainWindowUi& ui, AppState& state, SelectedColour& selected,
                       MessageBoxes& messages)
    : m_window(window), m_ui(ui), m_state(state), m_selected(selected), m_messages(messages) {}

bool ValueEntry::htmlHexMode() const {
    return m_ui.mnuEditPasteHTMLHex->isChecked();
}

void ValueEntry::cmdSetColor_Click() {
    if (htmlHexMode())
        setFromHtmlHex();
    else if (m_ui.optSetDec->isChecked())
        setFromDecimalFields();
    else
        setFromHexFields();
}

template <typename Parse>
void ValueEntry::setFromFields(Parse parse, const QString& invalidMessage) {
    // Fields are read red, green, blue; the first invalid one is reported and nothing moves.
    std::array<int, 3> values{};
    const std::array<TrackedLineEdit*, 3> fields{m_ui.txtSetRed, m_ui.txtSetGreen, m_ui.txtSetBlue};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::optional<int> value = parse(fields[i]->text());
        if (!value) {
            warn(m_messages, m_window, invalidMessage);
            fields[i]->setFocus(Qt::OtherFocusReason);
            fields[i]->selectAll();
            return;
        }
        values[i] = *value;
    }
    m_selected.setSliders(Colour{values[0], values[1], values[2]});
}

void ValueEntry::setFromDecimalFields() {
    setFromFields(decimalChannel, invalidDecimal);
}

void ValueEntry::setFromHexFields() {
    setFromFields(hexChannel, invalidHex);
}

void ValueEntry::setFromHtmlHex() {
    TrackedLineEdit* field = m_ui.txtHTMLHex;
    QString value = trimBlanks(field->text());
    // The "#" goes in front of the text as typed, blanks included, and stays whatever follows.
    if (!field->text().startsWith(QLatin1Char('#'))) {
        field->setText(QLatin1Char('#') + field->text());
    }
    if (value.startsWith(QLatin1Char('#')))
        value.remove(0, 1);
    if (value.size() == 6) {
        value = value.toUpper();
        const auto red = hexChannel(QStringView(value).mid(0, 2));
        const auto green = hexChannel(QStringView(value).mid(2, 2));
        const auto blue = hexChannel(QStringView(value).mid(4, 2));
        if (red && green && blue) {
            m_selected.setSliders(Colour{*red, *green, *blue});
            return;
        }
    }
    warn(m_messages, m_window, field->text() + invalidHtmlHexSuffix);
}

void ValueEntry::optSetDec_Click() {
    m_selected.refreshFromSliders();
}

void ValueEntry::optSetHex_Click() {
    m_selected.refreshFromSliders();
}

void ValueEntry::mnuEditPasteHTMLHex_Click() {
    const std::array<TrackedLineEdit*, 3> fields{m_ui.txtSetRed, m_ui.txtSetGreen, m_ui.txtSetBlue};
    if (htmlHexMode()) {
        for (TrackedLineEdit* field : fields)
            field->clear();
        for (TrackedLineEdit* field : fields)
            field->hide();
        m_ui.optSetDec->hide();
        m_ui.optSetHex->hide();
        m_ui.txtHTMLHex->show();
        m_ui.cmdSetColor->setToolTip(setToolTipHtmlHex);
        m_ui.txtHTMLHex->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_ui.txtHTMLHex->clear();
    const Colour colour = m_state.markColour[static_cast<std::size_t>(m_state.selectedMark)];
    const std::array<int, 3> channels{colour.red, colour.green, colour.blue};
    const auto& hex = colourTables().hexBytes;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int value = channels[i];
        fields[i]->setText(m_ui.optSetDec->isChecked() ? QString::number(value)
                                                       : hex[static_cast<std::size_t>(value)]);
    }
    m_ui.txtHTMLHex->hide();
    for (TrackedLineEdit* field : fields)
        field->show();
    m_ui.optSetDec->show();
    m_ui.optSetHex->show();
    m_ui.cmdSetColor->setToolTip(setToolTipFields);
}

void ValueEntry::field_GotFocus(TrackedLineEdit* field, bool byTab) {
    if (byTab)
        field->selectAll();
}

void ValueEntry::field_EnterPressed(TrackedLineEdit* field) {
    cmdSetColor_Click();
    field->selectAll();
}

} // namespace tincta
