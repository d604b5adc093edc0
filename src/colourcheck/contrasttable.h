#pragma once

#include "colour/colour.h"

#include <QTableWidget>
#include <array>

namespace tincta {

inline constexpr int checkedMarkCount = 6;
using MarkColours = std::array<Colour, checkedMarkCount>;
// The names the user gave the marks; empty for a mark without one.
using MarkNames = std::array<QString, checkedMarkCount>;

// What the window calls a mark: its name, or "mark 3" ("Mark 3" at the start of a sentence).
QString markCalled(const MarkNames& names, int mark, bool startsSentence = false);

// The WCAG 2.x contrast ratio of every pair of marks, text in the row's colour on the column's,
// with the levels it meets for normal and large text and the APCA lightness contrast. The selected
// mark's row and column stand out in the theme's highlight; the current cell is the pair the
// window suggests passing colours for.
class ContrastTable : public QTableWidget {
    Q_OBJECT

public:
    explicit ContrastTable(QWidget* parent = nullptr);

    void showMarks(const MarkColours& colours, const MarkNames& names, int selectedMark);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showPair(int row, int column);
    void highlight(int selectedMark);
    void fitToContents();

    MarkColours m_colours{};
    MarkNames m_names;
    int m_selectedMark = 0;
    bool m_fitted = false;
};

} // namespace tincta
