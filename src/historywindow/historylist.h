#pragma once

#include "history/historystore.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <optional>

namespace tincta {

// The rows of the History window: a heading over the pinned entries, then one over the others,
// each entry a swatch with its hex text, name and age. The filter keeps the entries whose hex
// text or name holds it; a heading shows only above entries it has.
class HistoryList : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Ages are counted to `now`.
    void setEntries(QList<HistoryEntry> entries, const QDateTime& now);
    void setFilter(const QString& filter);

    // The entry shown in the row; nothing for a heading.
    std::optional<HistoryEntry> entryAt(int row) const;
    // The row of the colour's entry, or -1 when it is not shown.
    int rowOf(const Colour& colour) const;
    // The first row that shows an entry, or -1.
    int firstEntryRow() const;

    // The row's texts for a screen reader: "#C0FFEE, pinned, named Mint, 2 minutes ago".
    QString spokenText(const HistoryEntry& entry) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

Q_SIGNALS:
    // The user named a pinned entry in its row.
    void nameEdited(tincta::Colour colour, const QString& name);

private:
    // An index into m_entries, or -1 for the heading of the pinned (`pinnedHeading`) or the other
    // entries.
    struct Row {
        int entry = -1;
        bool pinnedHeading = false;
    };

    void buildRows();
    bool passesFilter(const HistoryEntry& entry) const;
    qint64 secondsAgo(const HistoryEntry& entry) const;

    QList<HistoryEntry> m_entries;
    QList<Row> m_rows;
    QString m_filter;
    QDateTime m_now;
};

} // namespace tincta
