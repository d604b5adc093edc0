#pragma once

#include <QLabel>

namespace tincta {

// A one-line plain-text label that keeps its width whatever its text: a text too long for it is
// drawn cut with an ellipsis and shown whole in a tooltip. text() stays the whole text.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString shownText() const;
};

} // namespace tincta
