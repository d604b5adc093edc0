#include "historywindow/historylist.h"

#include "colour/conversions.h"
#include "history/historyage.h"

#include <QColor>
#include <QFont>
#include <QMimeData>

namespace tincta {

namespace {

const QString colourMimeType = QStringLiteral("application/x-color");

} // namespace

void HistoryList::setEntries(QList<HistoryEntry> entries, const QDateTime& now) {
    beginResetModel();
    m_entries = std::move(entries);
    m_now = now;
    buildRows();
    endResetModel();
}

void HistoryList::setFilter(const QString& filter) {
    beginResetModel();
    m_filter = filter.trimmed();
    buildRows();
    endResetModel();
}

void HistoryList::buildRows() {
    m_rows.clear();
    bool pinnedHeadingShown = false;
    bool otherHeadingShown = false;
    for (int i = 0; i < m_entries.size(); ++i) {
        const HistoryEntry& entry = m_entries[i];
        if (!passesFilter(entry))
            continue;
        bool& headingShown = entry.pinned ? pinnedHeadingShown : otherHeadingShown;
        if (!headingShown)
            m_rows.append(Row{-1, entry.pinned});
        headingShown = true;
        m_rows.append(Row{i, false});
    }
}

bool HistoryList::passesFilter(const HistoryEntry& entry) const {
    if (m_filter.isEmpty())
        return true;
    QStringView filter(m_filter);
    if (filter.startsWith(QLatin1Char('#')))
        return hexTriplet(entry.colour).startsWith(filter, Qt::CaseInsensitive);
    return hexTriplet(entry.colour).contains(filter, Qt::CaseInsensitive) ||
           entry.name.contains(filter, Qt::CaseInsensitive);
}

qint64 HistoryList::secondsAgo(const HistoryEntry& entry) const {
    return entry.lastUsed.secsTo(m_now);
}

std::optional<HistoryEntry> HistoryList::entryAt(int row) const {
    if (row < 0 || row >= m_rows.size() || m_rows[row].entry < 0)
        return std::nullopt;
    return m_entries[m_rows[row].entry];
}

int HistoryList::rowOf(const Colour& colour) const {
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].entry >= 0 && m_entries[m_rows[row].entry].colour == colour)
            return row;
    }
    return -1;
}

int HistoryList::firstEntryRow() const {
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].entry >= 0)
            return row;
    }
    return -1;
}

QString HistoryList::spokenText(const HistoryEntry& entry) const {
    QStringList parts{hexTriplet(entry.colour)};
    if (entry.pinned)
        parts.append(tr("pinned"));
    if (!entry.name.isEmpty())
        parts.append(tr("named %1").arg(entry.name));
    parts.append(spokenAgeText(secondsAgo(entry)));
    return parts.join(QStringLiteral(", "));
}

int HistoryList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant HistoryList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& row = m_rows[index.row()];
    if (row.entry < 0) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return row.pinnedHeading ? tr("Pinned") : tr("Recent");
        if (role == Qt::FontRole) {
            QFont heading;
            heading.setBold(true);
            return heading;
        }
        return {};
    }
    const HistoryEntry& entry = m_entries[row.entry];
    switch (role) {
    case Qt::DisplayRole: {
        QStringList parts{hexTriplet(entry.colour)};
        if (!entry.name.isEmpty())
            parts.append(entry.name);
        parts.append(shortAgeText(secondsAgo(entry)));
        return parts.join(QStringLiteral("   "));
    }
    case Qt::EditRole:
        return entry.name;
    case Qt::DecorationRole:
        return QColor(entry.colour.red, entry.colour.green, entry.colour.blue);
    case Qt::AccessibleTextRole:
        return spokenText(entry);
    case Qt::ToolTipRole:
        return entry.text.isEmpty() ? QVariant() : tr("Copied as %1").arg(entry.text);
    default:
        return {};
    }
}

bool HistoryList::setData(const QModelIndex& index, const QVariant& value, int role) {
    const std::optional<HistoryEntry> entry = entryAt(index.row());
    if (role != Qt::EditRole || !entry || !entry->pinned)
        return false;
    Q_EMIT nameEdited(entry->colour, value.toString());
    return true;
}

Qt::ItemFlags HistoryList::flags(const QModelIndex& index) const {
    const std::optional<HistoryEntry> entry = entryAt(index.row());
    if (!entry)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (entry->pinned)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QStringList HistoryList::mimeTypes() const {
    return {colourMimeType, QStringLiteral("text/plain")};
}

// A colour, as the marks and other programs take it, with the text that went to the clipboard.
QMimeData* HistoryList::mimeData(const QModelIndexList& indexes) const {
    const std::optional<HistoryEntry> entry =
        indexes.isEmpty() ? std::nullopt : entryAt(indexes.front().row());
    if (!entry)
        return nullptr;
    auto* data = new QMimeData;
    data->setColorData(QColor(entry->colour.red, entry->colour.green, entry->colour.blue));
    data->setText(entry->text.isEmpty() ? hexTriplet(entry->colour) : entry->text);
    return data;
}

} // namespace tincta
