#pragma once

#include "colour/colour.h"

#include <QFrame>
#include <vector>

class QPushButton;
class QRadioButton;

namespace tincta {

class MessageBoxes;
class TrackedLineEdit;

// Typing the selected colour as three decimal or hex values, or as one HTML hex value.
class ValueEntry : public QFrame {
    Q_OBJECT

public:
    ValueEntry(MessageBoxes& messages, QWidget* parent);

    // Writes a colour into the three fields in the chosen notation.
    void showColour(const Colour& colour);
    // One HTML hex field instead of the three fields; leaving it fills them with `colour`.
    void setHtmlHexMode(bool on, const Colour& colour);
    // Decimal values, as every palette starts.
    void chooseDecimal();
    // The controls in the order Tab visits them.
    std::vector<QWidget*> tabOrder() const;

Q_SIGNALS:
    void colourEntered(tincta::Colour colour);
    // Dec or Hex chosen: the fields need the colour again in the new notation.
    void notationChosen();

private:
    TrackedLineEdit* makeField(const char* name, int typingLimit, const QString& accessibleName,
                               const QString& toolTip);
    void setColour();
    template <typename Parse> void setFromFields(Parse parse, const QString& invalidMessage);
    void setFromHtmlHex();
    void onEnterPressed(TrackedLineEdit* field);
    void showSetButtonToolTip();

    MessageBoxes& m_messages;
    bool m_htmlHexMode = false;
    QPushButton* m_setButton;
    TrackedLineEdit* m_htmlHexField;
    TrackedLineEdit* m_redField;
    TrackedLineEdit* m_greenField;
    TrackedLineEdit* m_blueField;
    QRadioButton* m_decimalButton;
    QRadioButton* m_hexButton;
};

} // namespace tincta
