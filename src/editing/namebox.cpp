#include "editing/namebox.h"

#include <QLineEdit>

namespace tincta {

void setNameBoxBackground(QLineEdit* box, PackedColour colour) {
    if (nameBoxBackground(box) == colour)
        return;
    const Colour c = unpack(colour);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(c.red, c.green, c.blue));
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

PackedColour nameBoxBackground(const QLineEdit* box) {
    const QColor base = box->palette().color(QPalette::Base);
    return pack(base.red(), base.green(), base.blue());
}

} // namespace tincta
