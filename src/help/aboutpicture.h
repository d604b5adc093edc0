#pragma once

#include <QWidget>

namespace tincta {

// The light panel of the about box with the program's colours painted around its text: the six
// colours of the default palette across the top, the program icon in the corner and a band of
// shades along the bottom.
class AboutPicture : public QWidget {
    Q_OBJECT

public:
    explicit AboutPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tincta
