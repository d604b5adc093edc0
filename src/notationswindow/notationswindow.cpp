#include "notationswindow/notationswindow.h"

#include "editing/notationpanel.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/programicon.h"
#include "gui/widgets/sidewindow.h"
#include "gui/widgets/widgethelpers.h"
#include "gui/widgets/windowplacement.h"
#include "palette/palettemodel.h"
#include "settings/settingsrecord.h"

#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tincta {

namespace {

enum Column { NameColumn, TextColumn };

constexpr int starredShortcuts = 9;

Notation notationOf(const QTreeWidgetItem* item) {
    return static_cast<Notation>(item->data(NameColumn, Qt::UserRole).toInt());
}

} // namespace

NotationTexts::NotationTexts(const PaletteModel& palette, const SettingsRecord& settings)
    : m_palette(palette), m_settings(settings) {}

NotationSource NotationTexts::source() const {
    return selectedMarkSource(m_palette, m_palette.selectedColour(), m_settings.customFormat);
}

QString NotationTexts::text(Notation notation) const {
    return notationText(notation, source());
}

const std::vector<int>& NotationTexts::starredRows() const {
    return m_settings.starredFormats;
}

std::optional<Notation> NotationTexts::starred(int position) const {
    const std::vector<int>& stars = starredRows();
    if (position < 0 || position >= static_cast<int>(stars.size()))
        return std::nullopt;
    return notationAtRow(stars[static_cast<std::size_t>(position)]);
}

NotationsWindow::NotationsWindow(const PaletteModel& palette, const SettingsRecord& settings)
    : QWidget(nullptr, Qt::Window), m_palette(palette), m_texts(palette, settings),
      m_rows(named(new QTreeWidget(this), "lstAllNotations")),
      m_copied(named(new QLabel(this), "lblCopied")) {
    setObjectName(QStringLiteral("frmAllNotations"));
    setWindowTitle(tr("All Notations"));
    setWindowIcon(tinctaIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    makeSideWindow(this);

    auto* caption = new QLabel(
        tr("&Enter or a click copies a notation; Ctrl+1 to Ctrl+9 copy the starred ones."), this);
    caption->setWordWrap(true);
    caption->setBuddy(m_rows);
    m_rows->setAccessibleName(tr("Notations of the selected colour"));
    m_rows->setColumnCount(2);
    m_rows->setHeaderLabels({tr("Star, notation"), tr("Text")});
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setAllColumnsShowFocus(true);
    m_rows->header()->setStretchLastSection(true);
    m_copied->setTextFormat(Qt::PlainText);
    buildRows();

    auto* page = new QVBoxLayout(this);
    page->addWidget(caption);
    page->addWidget(m_rows, 1);
    page->addWidget(m_copied);

    connect(&palette, &PaletteModel::colourChanged, this, guarded([this] { refresh(); }));
    connect(&palette, &PaletteModel::nameChanged, this, guarded([this] { refresh(); }));
    connect(&palette, &PaletteModel::selectionChanged, this, guarded([this] { refresh(); }));
    connect(&palette, &PaletteModel::paletteReset, this, guarded([this] { refresh(); }));
    connect(m_rows, &QTreeWidget::itemActivated, this,
            guarded([this](const QTreeWidgetItem* item, int) { copyRow(item); }));
    // A click on the star changes the star only.
    connect(m_rows, &QTreeWidget::itemClicked, this,
            guarded([this](const QTreeWidgetItem* item, int column) {
                if (column == TextColumn)
                    copyRow(item);
            }));
    connect(m_rows, &QTreeWidget::itemChanged, this,
            guarded([this](const QTreeWidgetItem*, int column) { onItemChanged(column); }));
    refresh();
    m_rows->setCurrentItem(m_rows->topLevelItem(0));
    m_rows->setFocus();
}

void NotationsWindow::buildRows() {
    const std::vector<int>& stars = m_texts.starredRows();
    for (const NotationRow& row : notationRows()) {
        auto* item = new QTreeWidgetItem(m_rows);
        item->setText(NameColumn, QString::fromLatin1(row.listName));
        item->setData(NameColumn, Qt::UserRole, listRow(row.notation));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool starred =
            std::find(stars.begin(), stars.end(), listRow(row.notation)) != stars.end();
        item->setCheckState(NameColumn, starred ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(NameColumn, tr("Star the notation to copy it with Ctrl+1 to Ctrl+9"));
    }
}

void NotationsWindow::refresh() {
    m_refreshing = true;
    const NotationSource source = m_texts.source();
    for (int i = 0; i < m_rows->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_rows->topLevelItem(i);
        const QString text = detailedNotationText(notationOf(item), source);
        item->setText(TextColumn, text);
        // A screen reader speaks the notation with its text, whichever column it is on.
        const QString spoken = tr("%1: %2").arg(item->text(NameColumn), text);
        item->setData(NameColumn, Qt::AccessibleTextRole, spoken);
        item->setData(TextColumn, Qt::AccessibleTextRole, spoken);
    }
    m_refreshing = false;
}

void NotationsWindow::copyRow(const QTreeWidgetItem* item) {
    if (item == nullptr)
        return;
    const QString text = m_texts.text(notationOf(item));
    Q_EMIT copyRequested(text);
    m_copied->setText(tr("Copied: %1").arg(text));
}

void NotationsWindow::onItemChanged(int column) {
    if (m_refreshing || column != NameColumn)
        return;
    std::vector<int> stars;
    for (int i = 0; i < m_rows->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_rows->topLevelItem(i);
        if (row->checkState(NameColumn) == Qt::Checked)
            stars.push_back(listRow(notationOf(row)));
    }
    Q_EMIT starsChanged(stars);
}

QSize NotationsWindow::preferredSize() const {
    // Sizes follow the style's fonts, which a window gets only when polished.
    ensurePolished();
    const int frame = 2 * m_rows->frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_rows->resizeColumnToContents(NameColumn);
    m_rows->resizeColumnToContents(TextColumn);
    const QHeaderView* header = m_rows->header();
    const int rowHeight = m_rows->sizeHintForRow(0);
    const QSize rows(header->length() + frame + scrollBar,
                     header->sizeHint().height() + m_rows->topLevelItemCount() * rowHeight + frame);
    const QSize chrome = sizeHint() - m_rows->sizeHint();
    // Room is left for the window frame; what does not fit scrolls.
    return (rows + chrome).boundedTo(screen()->availableSize() * 0.9);
}

AllNotations::AllNotations(QWidget* mainWindow, const PaletteModel& palette,
                           const SettingsRecord& settings)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_palette(palette), m_settings(settings),
      m_texts(palette, settings) {
    addStarredShortcuts(mainWindow);
}

AllNotations::~AllNotations() {
    // The window follows the main window's palette; it must not outlive it.
    delete m_window.data();
}

void AllNotations::open() {
    // A window closed a moment ago is on its way out: a new one takes its place.
    if (m_window.isNull() || !m_window->isVisible()) {
        auto* window = new NotationsWindow(m_palette, m_settings);
        connect(window, &NotationsWindow::copyRequested, this, &AllNotations::copyRequested);
        connect(window, &NotationsWindow::starsChanged, this, &AllNotations::starsChanged);
        addStarredShortcuts(window);
        waitWithMainWindow(window, m_mainWindow);
        window->resize(window->preferredSize());
        placeBeside(window, m_mainWindow, Placement::Right);
        m_window = window;
    }
    bringForward(m_window);
}

void AllNotations::addStarredShortcuts(QWidget* window) {
    for (int position = 0; position < starredShortcuts; ++position) {
        auto* shortcut = new QShortcut(
            QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + position)), window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                guarded([this, position] { copyStarred(position); }));
    }
}

void AllNotations::copyStarred(int position) {
    if (const std::optional<Notation> notation = m_texts.starred(position))
        Q_EMIT copyRequested(m_texts.text(*notation));
}

} // namespace tincta
