#pragma once

#include "colour/colour.h"
#include "gui/platform/screenpixel.h"

#include <QImage>
#include <QWidget>

namespace tincta {

// A small panel beside the pointer during a pick (a window of its own over the live screens, a
// child of the still image in a frozen pick): the screen around the pick point magnified,
// with a grid and the pick pixel and the averaged square framed, the picked colour as HTML hex,
// its position and the size of the square.
class Loupe : public QWidget {
    Q_OBJECT

public:
    // 15 x 15 device pixels, each shown 8 device-independent pixels wide: a whole number of
    // device pixels at scales 1, 1.5 and 2, so the grid stays sharp.
    static constexpr int radius = 7;
    static constexpr int zoom = 8;

    explicit Loupe(QWidget* owner);

    // Shows the area read around the pick point with the colour picked there, beside the pointer
    // and inside the screen that holds it.
    void showArea(const ScreenArea& area, const Colour& picked, QPointF pointer);

    // The side of the square the pick averages, framed in the magnified pixels and named below.
    void setSampleSize(int size);
    int sampleSize() const { return m_sampleSize; }

    QString colourText() const { return m_colourText; }
    QString sampleText() const;
    QString positionText() const { return m_positionText; }
    // Where the magnified pixels are drawn, in the loupe's own coordinates.
    QRect magnifiedRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A pointer move changes only the magnified pixels and the two lines of text above the hint:
    // everything else is drawn once into these layers, at the scale of the device painted on.
    void paintLayers(qreal ratio);
    // The device pixels that show `area`, with their place in the loupe as the image's offset.
    QImage layer(const QRect& area, qreal ratio, QImage::Format format) const;
    void paintBackdrop(QPainter& painter) const;
    void paintOverlay(QPainter& painter) const;
    void dropLayers();
    QRect textLine(int line) const;
    // The part of the loupe that a new area changes.
    QRect changingArea() const;
    int lineHeight() const;

    // The area read around the pick point.
    QImage m_pixels;
    int m_sampleSize = 1;
    QString m_colourText;
    QString m_positionText;
    // Under the magnified pixels: the background, the border and the lines that do not follow
    // the pointer. Opaque.
    QImage m_backdrop;
    // Over the magnified pixels: the grid and the frames of the pick pixel and the averaged
    // square; transparent elsewhere.
    QImage m_overlay;
};

// The top-left corner for a loupe of `size` beside `pointer`: below and to the right, flipped to
// the other side where that would leave `screen`, and never outside it.
QPoint loupePlacement(QPointF pointer, QSize size, const QRect& screen);

} // namespace tincta
