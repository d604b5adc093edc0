#include "gui/widgets/deferrediconstyle.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace tincta {

namespace {

class DeferredIconEngine final : public QIconEngine {
public:
    DeferredIconEngine(QPointer<const QStyle> style, QStyle::StandardPixmap which,
                       Qt::LayoutDirection direction)
        : m_style(std::move(style)), m_which(which), m_direction(direction) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }

    bool isNull() override { return icon().isNull(); }

    QIconEngine* clone() const override {
        return new DeferredIconEngine(m_style, m_which, m_direction);
    }

    QString key() const override { return QStringLiteral("TinctaDeferredIconEngine"); }

private:
    const QIcon& icon() {
        if (!m_read) {
            m_read = true;
            QStyleOption option;
            option.direction = m_direction;
            if (m_style != nullptr)
                m_icon = m_style->standardIcon(m_which, &option);
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    Qt::LayoutDirection m_direction;
    bool m_read = false;
    QIcon m_icon;
};

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (standardIcon != SP_ToolBarHorizontalExtensionButton &&
        standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    // The arrows point by the layout direction alone.
    const Qt::LayoutDirection direction =
        option != nullptr ? option->direction : QGuiApplication::layoutDirection();
    return QIcon(new DeferredIconEngine(baseStyle(), standardIcon, direction));
}

} // namespace tincta
