#pragma once

#include "colour/colour.h"

#include <QTableWidget>
#include <array>

namespace tincta {

inline constexpr int checkedMarkCount = 6;
using MarkColours = std::array<Colour, checkedMarkCount>;

// The WCAG 2.x contrast ratio of every pair of marks, text in the row's colour on the column's,
// with the levels it meets for normal and large text. The selected mark's row and column stand
// out in the theme's highlight.
class ContrastTable : public QTableWidget {
    Q_OBJECT

public:
    explicit ContrastTable(QWidget* parent = nullptr);

    void showMarks(const MarkColours& colours, int selectedMark);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showPair(int row, int column);
    void highlight(int selectedMark);
    void fitToContents();

    MarkColours m_colours{};
    int m_selectedMark = 0;
    bool m_fitted = false;
};

} // namespace tincta
