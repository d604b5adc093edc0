#include "gui/widgets/programicon.h"

#include "gui/widgets/iconsizes.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace tincta {

namespace {

// The smallest drawn size that covers `side`, so a scaled icon is only ever made smaller.
int drawnSizeFor(int side) {
    const auto* covering =
        std::lower_bound(renderedIconSizes.begin(), renderedIconSizes.end(), side);
    return covering != renderedIconSizes.end() ? *covering : renderedIconSizes.back();
}

class ProgramIconEngine final : public QIconEngine {
public:
    explicit ProgramIconEngine(QString name) : m_name(std::move(name)) {}

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
        QPixmap drawn = QPixmap::fromImage(read(size));
        if (mode == QIcon::Disabled && qApp != nullptr) {
            QStyleOption option;
            option.palette = QApplication::palette();
            drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        }
        m_pixmaps.insert(key, drawn);
        return drawn;
    }

    // The sizes window systems ask for a window's icon; any other size is made when asked.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(22, 22), QSize(24, 24),  QSize(32, 32),
                QSize(48, 48), QSize(64, 64), QSize(128, 128)};
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(m_name); }

    QString key() const override { return QStringLiteral("TinctaProgramIconEngine"); }

private:
    QImage read(const QSize& size) const {
        const int side = drawnSizeFor(std::max(size.width(), size.height()));
        // Named as PNG so that Qt reads it itself instead of asking every format plugin.
        QImageReader reader(QStringLiteral(":/icons/%1-%2.png").arg(m_name).arg(side), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull() || image.size() == size)
            return image;
        return image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QString m_name;
    QHash<QString, QPixmap> m_pixmaps;
};

} // namespace

QIcon programIcon(const QString& name) {
    return QIcon(new ProgramIconEngine(name));
}

QIcon tinctaIcon() {
    return programIcon(QStringLiteral("tincta"));
}

} // namespace tincta
