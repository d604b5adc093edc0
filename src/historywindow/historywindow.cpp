#include "historywindow/historywindow.h"

#include "gui/platform/errorguard.h"
#include "gui/widgets/programicon.h"
#include "gui/widgets/sidewindow.h"
#include "gui/widgets/trackedlineedit.h"
#include "gui/widgets/widgethelpers.h"
#include "historywindow/colourhistory.h"
#include "historywindow/historylist.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace tincta {

namespace {

// Swatches keep their true colour in the current row, where the style would tint them; names
// typed in a row keep to the limit without cutting a longer name the row already holds.
class HistoryDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = named(new TrackedLineEdit(parent), "txtHistoryName");
        editor->setTypingLimit(HistoryWindow::nameTypingLimit);
        editor->setAccessibleName(tr("Name of the colour"));
        return editor;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant decoration = index.data(Qt::DecorationRole);
        if (decoration.typeId() != QMetaType::QColor)
            return;
        QPixmap swatch(option->decorationSize);
        swatch.fill(decoration.value<QColor>());
        QIcon icon;
        icon.addPixmap(swatch, QIcon::Normal);
        icon.addPixmap(swatch, QIcon::Selected);
        option->icon = icon;
    }
};

constexpr int swatchSize = 24;
constexpr int shownRows = 14;

} // namespace

HistoryWindow::HistoryWindow(ColourHistory& history)
    : QWidget(nullptr, Qt::Window), m_history(history), m_list(new HistoryList(this)),
      m_filter(named(new QLineEdit(this), "txtHistoryFilter")),
      m_view(named(new QListView(this), "lstHistory")) {
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("History"));
    setWindowIcon(tinctaIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    makeSideWindow(this);

    auto* filterLabel = new QLabel(tr("&Filter:"), this);
    filterLabel->setBuddy(m_filter);
    m_filter->setPlaceholderText(tr("Hex or name"));
    m_filter->setAccessibleName(tr("Filter by hex or name"));
    m_filter->setClearButtonEnabled(true);

    m_view->setModel(m_list);
    m_view->setAccessibleName(tr("Colours of the history"));
    m_view->setIconSize(QSize(swatchSize, swatchSize));
    m_view->setUniformItemSizes(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_view->setItemDelegate(new HistoryDelegate(m_view));
    m_view->setDragEnabled(true);
    m_view->setDragDropMode(QAbstractItemView::DragOnly);
    m_view->setDefaultDropAction(Qt::CopyAction);

    auto* page = new QVBoxLayout(this);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter, 1);
    page->addLayout(filterRow);
    page->addWidget(m_view, 1);
    page->addWidget(buildButtons());

    addListKey(QKeySequence(Qt::Key_Return), &HistoryWindow::applyCurrent);
    addListKey(QKeySequence(Qt::Key_Enter), &HistoryWindow::applyCurrent);
    addListKey(QKeySequence(Qt::Key_P), &HistoryWindow::togglePin);
    addListKey(QKeySequence(Qt::Key_Delete), &HistoryWindow::removeCurrent);
    connect(m_view, &QListView::doubleClicked, this, guarded([this] { applyCurrent(); }));
    connect(m_filter, &QLineEdit::textChanged, this, guarded([this](const QString& text) {
                const std::optional<HistoryEntry> current = currentEntry();
                m_list->setFilter(text);
                showCurrent(current ? std::optional(current->colour) : std::nullopt);
            }));
    // Queued: the write reads the list again, which must not happen while the row's editor is
    // still handing over its text.
    connect(
        m_list, &HistoryList::nameEdited, this,
        guarded([this](Colour colour, const QString& name) { m_history.setName(colour, name); }),
        Qt::QueuedConnection);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            guarded([this] { updateButtons(); }));
    connect(&m_history, &ColourHistory::changed, this, guarded([this] { reload(); }));
    setTabOrder(m_filter, m_view);
    m_view->setFocus();
    reload();
}

QWidget* HistoryWindow::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* grid = new QGridLayout(buttons);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto add = [this, grid](const char* name, const QString& caption, int row, int column,
                                  auto handler) {
        auto* button = named(new QPushButton(caption, this), name);
        button->setAutoDefault(false);
        grid->addWidget(button, row, column);
        connect(button, &QPushButton::clicked, this, guarded(handler));
        return button;
    };
    m_pin = add("cmdHistoryPin", tr("&Pin"), 0, 0, [this] { togglePin(); });
    m_name = add("cmdHistoryName", tr("&Name"), 0, 1, [this] { nameCurrent(); });
    m_remove = add("cmdHistoryDelete", tr("&Delete"), 0, 2, [this] { removeCurrent(); });
    add("cmdHistoryClear", tr("&Clear History..."), 1, 0, [this] { m_history.clear(); });
    add("cmdHistoryExport", tr("&Export Pins..."), 1, 1,
        [this] { Q_EMIT m_history.exportPinsRequested(); });
    add("cmdHistoryImport", tr("&Import to Pins..."), 1, 2,
        [this] { Q_EMIT m_history.importPinsRequested(); });
    m_pin->setToolTip(tr("Pin or unpin the colour (P)"));
    m_name->setToolTip(tr("Name the pinned colour (F2)"));
    m_remove->setToolTip(tr("Remove the colour from the history (Delete)"));
    return buttons;
}

// Keys of the list alone: in the filter box P is a letter and Delete deletes one.
void HistoryWindow::addListKey(const QKeySequence& key, void (HistoryWindow::*handler)()) {
    auto* action = new QAction(m_view);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, guarded([this, handler] { (this->*handler)(); }));
    m_view->addAction(action);
}

bool HistoryWindow::event(QEvent* event) {
    // Another running copy may have added entries since the window was last looked at.
    if (event->type() == QEvent::WindowActivate)
        ErrorGuard::run([this] { reload(); });
    return QWidget::event(event);
}

void HistoryWindow::reload() {
    const std::optional<HistoryEntry> current = currentEntry();
    m_list->setEntries(m_history.entries(), QDateTime::currentDateTimeUtc());
    showCurrent(current ? std::optional(current->colour) : std::nullopt);
}

void HistoryWindow::fitScreen() {
    ensurePolished();
    const int rowHeight = std::max(swatchSize, fontMetrics().height()) + 6;
    const QSize wanted(fontMetrics().averageCharWidth() * 48,
                       sizeHint().height() + rowHeight * shownRows);
    resize(wanted.boundedTo(screen()->availableSize() * 0.9).expandedTo(minimumSizeHint()));
}

std::optional<HistoryEntry> HistoryWindow::currentEntry() const {
    return m_list->entryAt(m_view->currentIndex().row());
}

// The colour's entry becomes current, or the first entry when it is not shown.
void HistoryWindow::showCurrent(std::optional<Colour> colour) {
    int row = colour ? m_list->rowOf(*colour) : -1;
    if (row < 0)
        row = m_list->firstEntryRow();
    if (row >= 0)
        m_view->setCurrentIndex(m_list->index(row));
    updateButtons();
}

void HistoryWindow::updateButtons() {
    const std::optional<HistoryEntry> entry = currentEntry();
    m_pin->setEnabled(entry.has_value());
    m_pin->setText(entry && entry->pinned ? tr("Un&pin") : tr("&Pin"));
    m_name->setEnabled(entry && entry->pinned);
    m_remove->setEnabled(entry.has_value());
}

void HistoryWindow::applyCurrent() {
    if (const std::optional<HistoryEntry> entry = currentEntry())
        Q_EMIT m_history.colourChosen(entry->colour);
}

void HistoryWindow::togglePin() {
    if (const std::optional<HistoryEntry> entry = currentEntry())
        m_history.setPinned(entry->colour, !entry->pinned);
}

void HistoryWindow::nameCurrent() {
    const std::optional<HistoryEntry> entry = currentEntry();
    if (entry && entry->pinned)
        m_view->edit(m_view->currentIndex());
}

void HistoryWindow::removeCurrent() {
    const std::optional<HistoryEntry> entry = currentEntry();
    if (!entry)
        return;
    // The entry below takes its place, as in a file manager.
    const int row = m_view->currentIndex().row();
    const std::optional<HistoryEntry> next = m_list->entryAt(row + 1);
    const std::optional<HistoryEntry> previous = m_list->entryAt(row - 1);
    m_history.remove(entry->colour);
    if (next || previous)
        showCurrent((next ? next : previous)->colour);
}

} // namespace tincta
