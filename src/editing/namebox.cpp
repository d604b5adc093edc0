#include "editing/namebox.h"

#include <QLineEdit>

namespace tincta {

namespace {

// The edited colour is a fixed light lemon in every theme, so its text is fixed dark too.
const QColor editedNameText(0x20, 0x20, 0x20);

} // namespace

void setNameBoxBackground(QLineEdit* box, PackedColour colour) {
    if (colour != editedNameColour) {
        // Any other background is the theme's own, light or dark.
        if (box->testAttribute(Qt::WA_SetPalette))
            box->setPalette(QPalette());
        return;
    }
    if (isMarkedEdited(box))
        return;
    const Colour c = unpack(colour);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(c.red, c.green, c.blue));
    palette.setColor(QPalette::Text, editedNameText);
    box->setPalette(palette);
}

PackedColour nameBoxBackground(const QLineEdit* box) {
    const QColor base = box->palette().color(QPalette::Base);
    return pack(base.red(), base.green(), base.blue());
}

} // namespace tincta
