#include "colourcheck/contrastsuggestions.h"

#include "colour/contrast.h"
#include "colour/conversions.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/widgethelpers.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tincta {

namespace {

struct LevelRow {
    ContrastLevel level;
    const char* key;
    const char* caption;
    const char* foregroundName;
    const char* backgroundName;
};

// clang-format off
constexpr std::array<LevelRow, 3> levelRows{{
    {ContrastLevel::Aa, "Aa", QT_TRANSLATE_NOOP("tincta::ContrastSuggestions", "AA (4.5:1)"), QT_TRANSLATE_NOOP("tincta::ContrastSuggestions", "Apply AA foreground"), QT_TRANSLATE_NOOP("tincta::ContrastSuggestions", "Apply AA background")},
    {ContrastLevel::AaLarge, "AaLarge", QT_TRANSLATE_NOOP("tincta::ContrastSuggestions", "AA large (3:1)"), QT_TRANSLATE_NOOP("tincta::ContrastSuggestions", "Apply AA large foreground"), QT_TRANSLATE_NOOP("tincta::ContrastSuggestions", "Apply AA large background")},
    {ContrastLevel::Aaa, "Aaa", QT_TRANSLATE_NOOP("tincta::ContrastSuggestions", "AAA (7:1)"), QT_TRANSLATE_NOOP("tincta::ContrastSuggestions", "Apply AAA foreground"), QT_TRANSLATE_NOOP("tincta::ContrastSuggestions", "Apply AAA background")},
}};
// clang-format on

QString translated(const char* text) {
    return QCoreApplication::translate("tincta::ContrastSuggestions", text);
}

} // namespace

ContrastSuggestions::ContrastSuggestions(QWidget* parent)
    : QWidget(parent), m_group(named(new QGroupBox(this), "fraSuggestions")) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_group);
    auto* grid = new QGridLayout(m_group);
    grid->setColumnStretch(2, 1);
    buildRows(false);
    buildRows(true);
}

void ContrastSuggestions::buildRows(bool forBackground) {
    auto* grid = static_cast<QGridLayout*>(m_group->layout());
    const int firstRow = forBackground ? levelCount + 1 : 0;
    grid->addWidget(new QLabel(forBackground ? tr("Background:") : tr("Text:"), m_group), firstRow,
                    0, 1, 3);
    for (int i = 0; i < levelCount; ++i) {
        const LevelRow& level = levelRows[static_cast<std::size_t>(i)];
        Row& row = m_rows[static_cast<std::size_t>((forBackground ? levelCount : 0) + i)];
        const QString side = forBackground ? QStringLiteral("Background") : QStringLiteral("Text");
        auto* caption = new QLabel(translated(level.caption), m_group);
        row.finding = named(new QLabel(m_group),
                            QStringLiteral("lblSuggest%1%2").arg(side, QLatin1String(level.key)));
        row.finding->setTextFormat(Qt::PlainText);
        row.finding->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                             Qt::TextSelectableByMouse);
        row.apply = named(new QPushButton(tr("Apply"), m_group),
                          QStringLiteral("cmdApply%1%2").arg(side, QLatin1String(level.key)));
        row.apply->setAccessibleName(
            translated(forBackground ? level.backgroundName : level.foregroundName));
        caption->setBuddy(row.apply);
        connect(row.apply, &QPushButton::clicked, this,
                guarded([this, &row] { Q_EMIT applyRequested(row.mark, row.colour); }));
        grid->addWidget(caption, firstRow + 1 + i, 0);
        grid->addWidget(row.apply, firstRow + 1 + i, 1);
        grid->addWidget(row.finding, firstRow + 1 + i, 2);
    }
}

void ContrastSuggestions::showPair(int textMark, const Colour& text, const QString& textName,
                                   int backgroundMark, const Colour& background,
                                   const QString& backgroundName) {
    m_group->setTitle(tr("Nearest passing colours for %1 on %2").arg(textName, backgroundName));
    for (int i = 0; i < levelCount; ++i) {
        const ContrastLevel level = levelRows[static_cast<std::size_t>(i)].level;
        showRow(m_rows[static_cast<std::size_t>(i)], textMark, text, background, level);
        showRow(m_rows[static_cast<std::size_t>(levelCount + i)], backgroundMark, background, text,
                level);
    }
}

void ContrastSuggestions::showRow(Row& row, int mark, const Colour& changed, const Colour& fixed,
                                  ContrastLevel level) {
    const std::optional<ContrastSuggestion> suggestion =
        passingColour(changed, fixed, minimumRatio(level));
    row.mark = mark;
    if (!suggestion) {
        row.finding->setText(tr("No lightness of this hue passes"));
        row.apply->setEnabled(false);
        return;
    }
    row.colour = suggestion->colour;
    const QString hex = hexTriplet(suggestion->colour);
    const QString ratio = contrastRatioText(suggestion->ratio);
    const bool passes = suggestion->colour == changed;
    row.finding->setText(passes ? tr("%1, %2: passes already").arg(hex, ratio)
                                : tr("%1, %2").arg(hex, ratio));
    row.apply->setEnabled(!passes);
}

} // namespace tincta
