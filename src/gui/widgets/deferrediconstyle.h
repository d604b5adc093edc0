#pragma once

#include <QProxyStyle>

namespace tincta {

// The desktop's own style, except that the overflow arrows of menu bars and toolbars are read
// from their files when first drawn instead of when the bars are built: reading an icon file
// makes Qt load every image format plugin to recognise it, a cost at start-up for arrows that
// only a narrow window ever shows.
class DeferredIconStyle final : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tincta
