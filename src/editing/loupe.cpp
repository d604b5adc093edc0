#include "editing/loupe.h"

#include "colour/conversions.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QtMath>
#include <algorithm>

namespace tincta {

namespace {

constexpr int margin = 4;
// Far enough from the pointer that the loupe never covers the pixels it reads.
constexpr int pointerGap = 24;
constexpr int magnifiedSide = (2 * Loupe::radius + 1) * Loupe::zoom;
constexpr qreal inchInMetres = 0.0254;

// The lines of text below the magnified pixels, top to bottom.
enum TextLine { colourLine, positionLine, sampleLine, hintLine };

QString hint() {
    return Loupe::tr("Arrows move one pixel; Esc cancels");
}

QString averageHint() {
    return Loupe::tr("+ and - average an area");
}

// Where a layer lies in the loupe: its offset is in device pixels.
QPointF layerOrigin(const QImage& layer) {
    return QPointF(layer.offset()) / layer.devicePixelRatio();
}

int flippedIfOutside(int preferred, int other, int length, int low, int high) {
    if (preferred + length > high)
        preferred = other;
    return std::clamp(preferred, low, std::max(low, high - length));
}

} // namespace

Loupe::Loupe(QWidget* owner) : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("loupe"));
    setAccessibleName(tr("Magnified screen around the pick point"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The backdrop covers every pixel: no background fill first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    const int width = std::max({magnifiedSide, fontMetrics().horizontalAdvance(hint()),
                                fontMetrics().horizontalAdvance(averageHint())});
    setFixedSize(width + 2 * margin, magnifiedSide + 4 * lineHeight() + 3 * margin);
}

int Loupe::lineHeight() const {
    return fontMetrics().height();
}

QRect Loupe::magnifiedRect() const {
    return QRect((width() - magnifiedSide) / 2, margin, magnifiedSide, magnifiedSide);
}

void Loupe::setSampleSize(int size) {
    m_sampleSize = size;
    dropLayers();
}

QString Loupe::sampleText() const {
    if (m_sampleSize <= 1)
        return averageHint();
    return tr("%1 × %1 average").arg(m_sampleSize);
}

void Loupe::showArea(const ScreenArea& area, const Colour& picked, QPointF pointer) {
    // Premultiplied pixels scale onto the loupe by the direct route; others go pixel by pixel.
    m_pixels = area.pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_colourText = hexTriplet(picked);
    m_positionText =
        QStringLiteral("%1, %2").arg(area.devicePosition.x()).arg(area.devicePosition.y());
    const QScreen* screen = QGuiApplication::screenAt(pointer.toPoint());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    const QPoint placed = loupePlacement(pointer, size(), screen->geometry());
    move(isWindow() ? placed : parentWidget()->mapFromGlobal(placed));
    if (isVisible())
        update(changingArea());
    else
        show();
}

QRect Loupe::textLine(int line) const {
    return QRect(margin, magnifiedRect().bottom() + 1 + margin + line * lineHeight(),
                 width() - 2 * margin, lineHeight());
}

QRect Loupe::changingArea() const {
    return magnifiedRect().united(textLine(positionLine));
}

void Loupe::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LanguageChange:
        dropLayers();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void Loupe::dropLayers() {
    m_backdrop = QImage();
    m_overlay = QImage();
    update();
}

void Loupe::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The device's own pixels: the screen's scale, or that of an image the loupe is rendered to.
    const qreal ratio = painter.deviceTransform().m11();
    if (m_backdrop.isNull() || m_backdrop.devicePixelRatio() != ratio)
        paintLayers(ratio);
    painter.drawImage(layerOrigin(m_backdrop), m_backdrop);
    // Each screen pixel a sharp square: no smoothing between neighbours.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!m_pixels.isNull())
        painter.drawImage(magnifiedRect(), m_pixels);
    painter.drawImage(layerOrigin(m_overlay), m_overlay);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textLine(colourLine), Qt::AlignCenter, m_colourText);
    painter.drawText(textLine(positionLine), Qt::AlignCenter, m_positionText);
}

QImage Loupe::layer(const QRect& area, qreal ratio, QImage::Format format) const {
    const QPoint first(qFloor(area.left() * ratio), qFloor(area.top() * ratio));
    const QPoint end(qCeil((area.right() + 1) * ratio), qCeil((area.bottom() + 1) * ratio));
    QImage image(QSize(end.x() - first.x(), end.y() - first.y()), format);
    image.setDevicePixelRatio(ratio);
    image.setOffset(first);
    // Text keeps the size it has on the loupe's own screen.
    image.setDotsPerMeterX(qRound(logicalDpiX() / inchInMetres));
    image.setDotsPerMeterY(qRound(logicalDpiY() / inchInMetres));
    return image;
}

void Loupe::paintLayers(qreal ratio) {
    m_backdrop = layer(rect(), ratio, QImage::Format_RGB32);
    QPainter backdrop(&m_backdrop);
    backdrop.setFont(font());
    paintBackdrop(backdrop);
    // The frames of the averaged square reach a pixel beyond the magnified pixels.
    m_overlay =
        layer(magnifiedRect().adjusted(-2, -2, 2, 2), ratio, QImage::Format_ARGB32_Premultiplied);
    m_overlay.fill(Qt::transparent);
    QPainter overlay(&m_overlay);
    overlay.translate(-layerOrigin(m_overlay));
    paintOverlay(overlay);
}

void Loupe::paintBackdrop(QPainter& painter) const {
    // One more pixel each way: at a fractional scale the layer's last device pixel is partly
    // outside the loupe.
    painter.fillRect(rect().adjusted(0, 0, 1, 1), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(textLine(sampleLine), Qt::AlignCenter, sampleText());
    painter.drawText(textLine(hintLine), Qt::AlignCenter, hint());
}

void Loupe::paintOverlay(QPainter& painter) const {
    const QRect target = magnifiedRect();
    QColor grid = palette().color(QPalette::Mid);
    grid.setAlpha(110);
    painter.setPen(QPen(grid, 0));
    for (int cell = 1; cell < 2 * radius + 1; ++cell) {
        const int offset = cell * zoom;
        painter.drawLine(target.left() + offset, target.top(), target.left() + offset,
                         target.bottom());
        painter.drawLine(target.left(), target.top() + offset, target.right(),
                         target.top() + offset);
    }
    // Two frames in the theme's contrasting colours, so the pick pixel shows on any colour.
    const QRect pick(target.topLeft() + QPoint(radius * zoom, radius * zoom), QSize(zoom, zoom));
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.drawRect(pick.adjusted(-2, -2, 1, 1));
    painter.setPen(QPen(palette().color(QPalette::Window), 0));
    painter.drawRect(pick.adjusted(-1, -1, 0, 0));
    if (m_sampleSize > 1) {
        const int half = m_sampleSize / 2 * zoom;
        const QRect square = pick.adjusted(-half, -half, half, half);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
        painter.drawRect(square.adjusted(-1, -1, 0, 0));
        painter.setPen(QPen(palette().color(QPalette::Window), 0));
        painter.drawRect(square);
    }
}

QPoint loupePlacement(QPointF pointer, QSize size, const QRect& screen) {
    const QPoint at = pointer.toPoint();
    return QPoint(flippedIfOutside(at.x() + pointerGap, at.x() - pointerGap - size.width(),
                                   size.width(), screen.left(), screen.right() + 1),
                  flippedIfOutside(at.y() + pointerGap, at.y() - pointerGap - size.height(),
                                   size.height(), screen.top(), screen.bottom() + 1));
}

} // namespace tincta
