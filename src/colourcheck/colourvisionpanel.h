#pragma once

#include "colour/colourvision.h"
#include "colourcheck/contrasttable.h"

#include <QWidget>
#include <array>

class QGridLayout;
class QLabel;

namespace tincta {

class ColourBox;

// The six marks as viewers with each of the three dichromacies see them, and for each the pairs
// of marks that become hard to tell apart.
class ColourVisionPanel : public QWidget {
    Q_OBJECT

public:
    explicit ColourVisionPanel(QWidget* parent = nullptr);

    void showMarks(const MarkColours& colours);

private:
    struct KindView {
        ColourVision kind;
        std::array<ColourBox*, checkedMarkCount> swatches{};
        QLabel* pairs = nullptr;
    };

    void buildKind(QGridLayout* grid, KindView& view, const char* name, const QString& caption);
    static void showKind(const KindView& view, const MarkColours& colours);

    std::array<KindView, 3> m_kinds;
};

} // namespace tincta
