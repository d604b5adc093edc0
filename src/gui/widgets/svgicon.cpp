#include "gui/widgets/svgicon.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace tincta {

namespace {

class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QString path) : m_path(std::move(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        // Drawn at the device's resolution, so it stays sharp on a scaled screen.
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QString key = QStringLiteral("%1x%2-%3")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(static_cast<int>(mode));
        const auto cached = m_pixmaps.constFind(key);
        if (cached != m_pixmaps.constEnd())
            return *cached;
        QPixmap drawn = draw(size);
        if (mode == QIcon::Disabled && qApp != nullptr) {
            QStyleOption option;
            option.palette = QApplication::palette();
            drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        }
        m_pixmaps.insert(key, drawn);
        return drawn;
    }

    // The sizes window systems ask for a window's icon; any other size is drawn when asked.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(22, 22), QSize(24, 24),  QSize(32, 32),
                QSize(48, 48), QSize(64, 64), QSize(128, 128)};
    }

    QIconEngine* clone() const override { return new SvgIconEngine(m_path); }

    QString key() const override { return QStringLiteral("TinctaSvgIconEngine"); }

private:
    QPixmap draw(const QSize& size) const {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QSvgRenderer renderer(m_path);
        if (renderer.isValid()) {
            QPainter painter(&image);
            renderer.render(&painter);
        }
        return QPixmap::fromImage(image);
    }

    QString m_path;
    QHash<QString, QPixmap> m_pixmaps;
};

} // namespace

QIcon svgIcon(const QString& path) {
    return QIcon(new SvgIconEngine(path));
}

} // namespace tincta
