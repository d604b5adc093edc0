#include "colourcheck/contrasttable.h"

#include "colour/contrast.h"

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

// The highest level met: AAA implies AA at the same text size.
QString levelText(bool aa, bool aaa, const QString& none) {
    if (aaa)
        return QStringLiteral("AAA");
    if (aa)
        return QStringLiteral("AA");
    return none;
}

} // namespace

ContrastTable::ContrastTable(QWidget* parent)
    : QTableWidget(checkedMarkCount, checkedMarkCount, parent) {
    setObjectName(QStringLiteral("tblContrast"));
    setAccessibleName(tr("Contrast between the marks"));
    setAccessibleDescription(tr("WCAG 2.x contrast ratio of text in the row's mark colour on "
                                "the column's, with the level it meets for normal and large "
                                "text"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The highlight shows the selected mark; a selection of cells of its own would blur it.
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setIconSize(sampleSize);
    for (int mark = 0; mark < checkedMarkCount; ++mark) {
        setHorizontalHeaderItem(mark, markHeader(mark));
        setVerticalHeaderItem(mark, markHeader(mark));
        for (int column = 0; column < checkedMarkCount; ++column)
            setItem(mark, column, new QTableWidgetItem);
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void ContrastTable::showMarks(const MarkColours& colours, int selectedMark) {
    m_colours = colours;
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
    const QString noLevel = tr("\u2013");
    const QString fails = tr("fails");
    QTableWidgetItem* cell = item(row, column);
    cell->setText(tr("%1\n%2 / %3")
                      .arg(ratioText, levelText(grades.aaNormal, grades.aaaNormal, noLevel),
                           levelText(grades.aaLarge, grades.aaaLarge, noLevel)));
    cell->setData(Qt::AccessibleTextRole,
                  tr("Mark %1 on mark %2: %3, normal text %4, large text %5")
                      .arg(row + 1)
                      .arg(column + 1)
                      .arg(ratioText, levelText(grades.aaNormal, grades.aaaNormal, fails),
                           levelText(grades.aaLarge, grades.aaaLarge, fails)));
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
    probe->setText(tr("%1\n%2 / %3")
                       .arg(contrastRatioText(21.0), QStringLiteral("AAA"), QStringLiteral("AAA")));
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
