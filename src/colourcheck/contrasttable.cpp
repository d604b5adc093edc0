#include "colourcheck/contrasttable.h"

#include "colour/apca.h"
#include "colour/contrast.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>

namespace tincta {

namespace {

constexpr QSize sampleSize(24, 18);
constexpr QSize headerSwatchSize(12, 12);

QColor toQColor(const Colour& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QPixmap swatch(const Colour& colour, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(toQColor(colour));
    return pixmap;
}

// What the pair looks like as text: the row's colour on the column's.
QPixmap textSample(const Colour& text, const Colour& background, const QFont& font) {
    QPixmap pixmap = swatch(background, sampleSize);
    QPainter painter(&pixmap);
    painter.setPen(toQColor(text));
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Aa"));
    return pixmap;
}

// The number alone keeps the table narrow; the vision panel numbers the marks the same way.
QTableWidgetItem* markHeader(int mark) {
    auto* header = new QTableWidgetItem(QString::number(mark + 1));
    const QString caption = ContrastTable::tr("Mark %1").arg(mark + 1);
    header->setToolTip(caption);
    header->setData(Qt::AccessibleTextRole, caption);
    return header;
}

// What an APCA contrast is enough for, in the words of the common thresholds.
QString apcaUseText(double lightnessContrast) {
    switch (apcaUse(lightnessContrast)) {
    case ApcaUse::PreferredBodyText:
        return ContrastTable::tr("preferred for body text");
    case ApcaUse::BodyText:
        return ContrastTable::tr("enough for body text");
    case ApcaUse::OtherText:
        return ContrastTable::tr("enough for other text");
    case ApcaUse::LargeText:
        return ContrastTable::tr("enough for large text");
    case ApcaUse::NonText:
        return ContrastTable::tr("enough for non-text only");
    case ApcaUse::None:
        break;
    }
    return ContrastTable::tr("too low even for non-text");
}

QString lcText(double lightnessContrast) {
    return ContrastTable::tr("Lc %1").arg(lightnessContrast, 0, 'f', 1);
}

// The highest level met: AAA implies AA at the same text size.
QString levelText(bool aa, bool aaa, const QString& none) {
    if (aaa)
        return QStringLiteral("AAA");
    if (aa)
        return QStringLiteral("AA");
    return none;
}

} // namespace

QString markCalled(const MarkNames& names, int mark, bool startsSentence) {
    const QString& name = names[static_cast<std::size_t>(mark)];
    if (!name.isEmpty())
        return name;
    return startsSentence ? ContrastTable::tr("Mark %1").arg(mark + 1)
                          : ContrastTable::tr("mark %1").arg(mark + 1);
}

ContrastTable::ContrastTable(QWidget* parent)
    : QTableWidget(checkedMarkCount, checkedMarkCount, parent) {
    setObjectName(QStringLiteral("tblContrast"));
    setAccessibleName(tr("Contrast between the marks"));
    setAccessibleDescription(tr("WCAG 2.x contrast ratio of text in the row's mark colour on "
                                "the column's, with the level it meets for normal and large "
                                "text"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setIconSize(sampleSize);
    for (int mark = 0; mark < checkedMarkCount; ++mark) {
        setHorizontalHeaderItem(mark, markHeader(mark));
        setVerticalHeaderItem(mark, markHeader(mark));
        for (int column = 0; column < checkedMarkCount; ++column)
            setItem(mark, column, new QTableWidgetItem);
    }
    // With nothing to select, the corner only says how to read the table.
    setCornerButtonEnabled(false);
    if (auto* corner = findChild<QAbstractButton*>())
        corner->setAccessibleName(tr("Text colour by row, background colour by column"));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void ContrastTable::showMarks(const MarkColours& colours, const MarkNames& names,
                              int selectedMark) {
    m_colours = colours;
    m_names = names;
    for (int mark = 0; mark < checkedMarkCount; ++mark) {
        const QIcon icon(swatch(colours[static_cast<std::size_t>(mark)], headerSwatchSize));
        horizontalHeaderItem(mark)->setIcon(icon);
        verticalHeaderItem(mark)->setIcon(icon);
    }
    for (int row = 0; row < checkedMarkCount; ++row) {
        for (int column = 0; column < checkedMarkCount; ++column)
            showPair(row, column);
    }
    highlight(selectedMark);
    if (!m_fitted)
        fitToContents();
}

void ContrastTable::showPair(int row, int column) {
    const Colour& text = m_colours[static_cast<std::size_t>(row)];
    const Colour& background = m_colours[static_cast<std::size_t>(column)];
    const double ratio = contrastRatio(text, background);
    const ContrastGrades grades = gradeContrast(ratio);
    const QString ratioText = contrastRatioText(ratio);
    const double lightnessContrast = apcaContrast(text, background);
    const QString noLevel = tr("\u2013");
    const QString fails = tr("fails");
    QTableWidgetItem* cell = item(row, column);
    cell->setText(tr("%1\n%2 / %3\n%4")
                      .arg(ratioText, levelText(grades.aaNormal, grades.aaaNormal, noLevel),
                           levelText(grades.aaLarge, grades.aaaLarge, noLevel),
                           lcText(lightnessContrast)));
    cell->setData(Qt::AccessibleTextRole,
                  tr("%1 on %2: %3, normal text %4, large text %5; APCA %6, %7")
                      .arg(markCalled(m_names, row, true), markCalled(m_names, column), ratioText,
                           levelText(grades.aaNormal, grades.aaaNormal, fails),
                           levelText(grades.aaLarge, grades.aaaLarge, fails),
                           lcText(lightnessContrast), apcaUseText(lightnessContrast)));
    cell->setIcon(QIcon(textSample(text, background, font())));
}

void ContrastTable::highlight(int selectedMark) {
    m_selectedMark = selectedMark;
    const QBrush highlightBrush = palette().brush(QPalette::Highlight);
    const QBrush highlightedText = palette().brush(QPalette::HighlightedText);
    for (int row = 0; row < checkedMarkCount; ++row) {
        for (int column = 0; column < checkedMarkCount; ++column) {
            QTableWidgetItem* cell = item(row, column);
            const bool lit = row == selectedMark || column == selectedMark;
            cell->setBackground(lit ? highlightBrush : QBrush());
            cell->setForeground(lit ? highlightedText : QBrush());
        }
    }
    for (int mark = 0; mark < checkedMarkCount; ++mark) {
        for (QTableWidgetItem* header : {horizontalHeaderItem(mark), verticalHeaderItem(mark)}) {
            QFont font = header->font();
            font.setBold(mark == selectedMark);
            header->setFont(font);
        }
    }
}

// The table shows every pair at once, without scrolling, and every column is wide enough for
// the widest cell any palette can give.
void ContrastTable::fitToContents() {
    QTableWidgetItem* probe = item(0, 0);
    const QString shown = probe->text();
    probe->setText(tr("%1\n%2 / %3\n%4")
                       .arg(contrastRatioText(21.0), QStringLiteral("AAA"), QStringLiteral("AAA"),
                            lcText(-107.9)));
    resizeColumnToContents(0);
    probe->setText(shown);
    resizeRowsToContents();
    const int cellWidth = columnWidth(0);
    int width = verticalHeader()->sizeHint().width() + 2 * frameWidth();
    int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
    for (int mark = 0; mark < checkedMarkCount; ++mark) {
        setColumnWidth(mark, cellWidth);
        width += cellWidth;
        height += rowHeight(mark);
    }
    setMinimumSize(width, height);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fitted = true;
}

// A theme change brings new highlight colours.
void ContrastTable::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        highlight(m_selectedMark);
}

} // namespace tincta
