#include "editing/valueentry.h"

#include "colour/colourtables.h"
#include "colour/conversions.h"
#include "gui/platform/errorguard.h"
#include "gui/platform/services.h"
#include "gui/widgets/accessiblerole.h"
#include "gui/widgets/trackedlineedit.h"
#include "gui/widgets/widgethelpers.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

namespace tincta {

namespace {

constexpr int valueFieldLength = 3;
constexpr int htmlHexFieldLength = 7;
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

ValueEntry::ValueEntry(MessageBoxes& messages, QWidget* parent)
    : QFrame(parent), m_messages(messages),
      m_setButton(named(new QPushButton(tr("Set"), this), "cmdSetColor")),
      m_htmlHexField(makeField("txtHTMLHex", htmlHexFieldLength, tr("HTML Hex value"),
                               tr("Paste or type a lower or upper case HTML Hex value and click "
                                  "on the Set button"))),
      m_redField(
          makeField("txtSetRed", valueFieldLength, tr("Red value"), tr("Type the red value"))),
      m_greenField(makeField("txtSetGreen", valueFieldLength, tr("Green value"),
                             tr("Type the green value"))),
      m_blueField(
          makeField("txtSetBlue", valueFieldLength, tr("Blue value"), tr("Type the blue value"))),
      m_decimalButton(named(new QRadioButton(tr("Dec"), this), "optSetDec")),
      m_hexButton(named(new QRadioButton(tr("Hex"), this), "optSetHex")) {
    setObjectName(QStringLiteral("frmSet"));
    setAccessibleRole(this, QAccessible::Grouping);
    setAccessibleName(tr("Colour values"));
    m_setButton->setAutoDefault(false);
    // A push button is at least 75 pixels wide by default; the three-letter caption needs far
    // less, and the window must fit a 640-pixel-wide screen (1280 device pixels at twice the
    // scale).
    m_setButton->setMinimumWidth(m_setButton->fontMetrics().horizontalAdvance(m_setButton->text()) +
                                 24);
    showSetButtonToolTip();
    const int valueWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12;
    for (auto* field : {m_redField, m_greenField, m_blueField})
        field->setFixedWidth(valueWidth);
    m_htmlHexField->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDDD")) + 12);
    m_htmlHexField->hide();
    m_decimalButton->setToolTip(tr("Click here for decimal colour values"));
    m_hexButton->setToolTip(tr("Click here for hexadecimal colour values"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* control : std::initializer_list<QWidget*>{m_setButton, m_htmlHexField, m_redField,
                                                            m_greenField, m_blueField})
        row->addWidget(control);
    row->addSpacing(6);
    row->addWidget(m_decimalButton);
    row->addWidget(m_hexButton);
    row->addStretch(1);

    connect(m_setButton, &QPushButton::clicked, this, guarded([this] { setColour(); }));
    for (QRadioButton* button : {m_decimalButton, m_hexButton}) {
        connect(button, &QRadioButton::toggled, this, guarded([this](bool on) {
                    if (on)
                        Q_EMIT notationChosen();
                }));
    }
    for (TrackedLineEdit* field : {m_redField, m_greenField, m_blueField, m_htmlHexField}) {
        connect(field, &TrackedLineEdit::focusGained, field, [field](Qt::FocusReason reason) {
            if (isTabFocus(reason))
                field->selectAll();
        });
        connect(field, &TrackedLineEdit::enterPressed, this,
                guarded([this, field] { onEnterPressed(field); }));
    }
}

TrackedLineEdit* ValueEntry::makeField(const char* name, int typingLimit,
                                       const QString& accessibleName, const QString& toolTip) {
    auto* field = named(new TrackedLineEdit(this), name);
    field->setAccessibleName(accessibleName);
    field->setTypingLimit(typingLimit);
    field->setWindowUndo(true);
    field->setToolTip(toolTip);
    field->setUpperCaseTyping(true);
    return field;
}

std::vector<QWidget*> ValueEntry::tabOrder() const {
    return {m_setButton, m_htmlHexField,  m_redField, m_greenField,
            m_blueField, m_decimalButton, m_hexButton};
}

void ValueEntry::showSetButtonToolTip() {
    m_setButton->setToolTip(
        m_htmlHexMode
            ? tr("Click here to change the selected colour according to the value to the right")
            : tr("Click here to change the selected colour according to the values to the right"));
}

void ValueEntry::chooseDecimal() {
    const QSignalBlocker quiet(m_decimalButton);
    m_decimalButton->setChecked(true);
}

void ValueEntry::showColour(const Colour& colour) {
    const std::array<TrackedLineEdit*, 3> fields{m_redField, m_greenField, m_blueField};
    const std::array<int, 3> channels{colour.red, colour.green, colour.blue};
    const auto& hex = colourTables().hexBytes;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int value = channels[i];
        fields[i]->setText(m_decimalButton->isChecked() ? QString::number(value)
                                                        : hex[static_cast<std::size_t>(value)]);
    }
}

void ValueEntry::setColour() {
    if (m_htmlHexMode)
        setFromHtmlHex();
    else if (m_decimalButton->isChecked())
        setFromFields(decimalChannel,
                      tr("The value is not allowed. Only values from 0 to 255 are allowed."));
    else
        setFromFields(hexChannel,
                      tr("The value is not allowed. Only values from 00 to FF are allowed."));
}

template <typename Parse>
void ValueEntry::setFromFields(Parse parse, const QString& invalidMessage) {
    // Fields are read red, green, blue; the first invalid one is reported and nothing moves.
    std::array<int, 3> values{};
    const std::array<TrackedLineEdit*, 3> fields{m_redField, m_greenField, m_blueField};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::optional<int> value = parse(fields[i]->text());
        if (!value) {
            warn(m_messages, window(), invalidMessage);
            fields[i]->setFocus(Qt::OtherFocusReason);
            fields[i]->selectAll();
            return;
        }
        values[i] = *value;
    }
    Q_EMIT colourEntered(Colour{values[0], values[1], values[2]});
}

void ValueEntry::setFromHtmlHex() {
    TrackedLineEdit* field = m_htmlHexField;
    QString value = trimBlanks(field->text());
    // The "#" goes in front of the text as typed, blanks included, and stays whatever follows.
    if (!field->text().startsWith(QLatin1Char('#')))
        field->setText(QLatin1Char('#') + field->text());
    if (value.startsWith(QLatin1Char('#')))
        value.remove(0, 1);
    if (value.size() == 6) {
        value = value.toUpper();
        const auto red = hexChannel(QStringView(value).mid(0, 2));
        const auto green = hexChannel(QStringView(value).mid(2, 2));
        const auto blue = hexChannel(QStringView(value).mid(4, 2));
        if (red && green && blue) {
            Q_EMIT colourEntered(Colour{*red, *green, *blue});
            return;
        }
    }
    warn(m_messages, window(), tr("%1 is not a valid HTML Hex value.").arg(field->text()));
}

void ValueEntry::setHtmlHexMode(bool on, const Colour& colour) {
    m_htmlHexMode = on;
    const std::array<QWidget*, 5> valueControls{m_redField, m_greenField, m_blueField,
                                                m_decimalButton, m_hexButton};
    if (on) {
        for (TrackedLineEdit* field : {m_redField, m_greenField, m_blueField})
            field->clear();
        for (QWidget* control : valueControls)
            control->hide();
        m_htmlHexField->show();
        showSetButtonToolTip();
        m_htmlHexField->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_htmlHexField->clear();
    showColour(colour);
    m_htmlHexField->hide();
    for (QWidget* control : valueControls)
        control->show();
    showSetButtonToolTip();
}

void ValueEntry::onEnterPressed(TrackedLineEdit* field) {
    setColour();
    field->selectAll();
}

} // namespace tincta
