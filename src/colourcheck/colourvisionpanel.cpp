#include "colourcheck/colourvisionpanel.h"

#include "gui/widgets/colourbox.h"
#include "gui/widgets/widgethelpers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

namespace tincta {

namespace {

constexpr int swatchSide = 20;

// Pairs that a viewer with normal vision tells apart but this viewer does not: pairs alike to
// everyone are no news here.
QStringList pairsThatBecomeAlike(ColourVision kind, const MarkColours& colours) {
    QStringList pairs;
    for (std::size_t first = 0; first < colours.size(); ++first) {
        for (std::size_t second = first + 1; second < colours.size(); ++second) {
            if (hardToTellApartWith(kind, colours[first], colours[second]) &&
                !hardToTellApart(colours[first], colours[second]))
                pairs << ColourVisionPanel::tr("marks %1 and %2").arg(first + 1).arg(second + 1);
        }
    }
    return pairs;
}

} // namespace

ColourVisionPanel::ColourVisionPanel(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* group =
        named(new QGroupBox(tr("As seen with colour blindness"), this), "fraColourVision");
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    for (int mark = 0; mark < checkedMarkCount; ++mark) {
        auto* number = new QLabel(QString::number(mark + 1), group);
        number->setAlignment(Qt::AlignHCenter);
        grid->addWidget(number, 0, mark);
    }
    m_kinds[0].kind = ColourVision::Protanopia;
    m_kinds[1].kind = ColourVision::Deuteranopia;
    m_kinds[2].kind = ColourVision::Tritanopia;
    buildKind(grid, m_kinds[0], "Protanopia", tr("Protanopia"));
    buildKind(grid, m_kinds[1], "Deuteranopia", tr("Deuteranopia"));
    buildKind(grid, m_kinds[2], "Tritanopia", tr("Tritanopia"));
    column->addWidget(group);
    column->addStretch(1);
}

// The kind's name, a row of swatches under the mark numbers, and the finding beneath it.
void ColourVisionPanel::buildKind(QGridLayout* grid, KindView& view, const char* name,
                                  const QString& caption) {
    QWidget* group = grid->parentWidget();
    const QString kindName = QLatin1String(name);
    const int row = grid->rowCount() + 1;
    grid->addWidget(new QLabel(caption, group), row - 1, 0, 1, checkedMarkCount);
    for (int mark = 0; mark < checkedMarkCount; ++mark) {
        auto* swatch =
            named(new ColourBox(group), QStringLiteral("pic%1_%2").arg(kindName).arg(mark));
        swatch->setFixedSize(swatchSide, swatchSide);
        swatch->setAccessibleName(tr("Mark %1 as seen with %2").arg(mark + 1).arg(caption));
        grid->addWidget(swatch, row, mark, Qt::AlignHCenter);
        view.swatches[static_cast<std::size_t>(mark)] = swatch;
    }
    view.pairs = named(new QLabel(group), QStringLiteral("lbl") + kindName);
    view.pairs->setTextFormat(Qt::PlainText);
    view.pairs->setWordWrap(true);
    // Reachable with Tab, so the finding can be read out, not only seen. Its accessible name is
    // the finding itself; what it is about comes with it.
    view.pairs->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    view.pairs->setAccessibleDescription(caption);
    grid->addWidget(view.pairs, row + 1, 0, 1, checkedMarkCount);
}

void ColourVisionPanel::showMarks(const MarkColours& colours) {
    for (const KindView& view : m_kinds)
        showKind(view, colours);
}

void ColourVisionPanel::showKind(const KindView& view, const MarkColours& colours) {
    for (std::size_t mark = 0; mark < colours.size(); ++mark)
        view.swatches[mark]->setColour(pack(simulateColourVision(view.kind, colours[mark])));
    const QStringList pairs = pairsThatBecomeAlike(view.kind, colours);
    view.pairs->setText(pairs.isEmpty() ? tr("No two marks become hard to tell apart.")
                                        : tr("Hard to tell apart: %1.").arg(pairs.join(tr(", "))));
}

} // namespace tincta
