#include "palettewindows/palettewindow.h"

#include "gui/widgets/svgicon.h"

#include <QCloseEvent>
#include <QIcon>

namespace tincta {

namespace {

const QString programIcon = QStringLiteral(":/icons/tincta.svg");

} // namespace

QRect twipsRect(int left, int top, int width, int height) {
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

PaletteWindow::PaletteWindow(const QString& name,
                             const QString& caption, QSize clientTwips)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowIcon(svgIcon(programIcon));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(clientTwips.width()), twipsToPixels(clientTwips.height()));
}

void PaletteWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    m_closed = event->isAccepted();
}

} // namespace tincta
