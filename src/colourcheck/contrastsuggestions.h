#pragma once

#include "colour/colour.h"
#include "colour/contrastfix.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tincta {

// For one pair of marks, text on background: the nearest colours that would pass each WCAG level,
// for the text and for the background, each with a button that puts it into its mark.
class ContrastSuggestions : public QWidget {
    Q_OBJECT

public:
    explicit ContrastSuggestions(QWidget* parent = nullptr);

    // `textName` and `backgroundName` are what the marks are called in the heading.
    void showPair(int textMark, const Colour& text, const QString& textName, int backgroundMark,
                  const Colour& background, const QString& backgroundName);

Q_SIGNALS:
    void applyRequested(int mark, tincta::Colour colour);

private:
    struct Row {
        QLabel* finding = nullptr;
        QPushButton* apply = nullptr;
        int mark = 0;
        Colour colour;
    };
    static constexpr int levelCount = 3;
    // Text first, then background, each in the order AA, AA large, AAA.
    using Rows = std::array<Row, 2 * levelCount>;

    void buildRows(bool forBackground);
    void showRow(Row& row, int mark, const Colour& changed, const Colour& fixed,
                 ContrastLevel level);

    QGroupBox* m_group;
    Rows m_rows;
};

} // namespace tincta
