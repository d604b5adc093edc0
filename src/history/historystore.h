#pragma once

#include "colour/colour.h"
#include "palette/palettefile.h"
#include "registry/registrystore.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <chrono>
#include <optional>
#include <string>

namespace tincta {

// One colour of the history. A colour is there once at most: using it again moves it to the top.
struct HistoryEntry {
    Colour colour;
    // What went to the clipboard when the colour was last used; empty for an imported pin.
    QString text;
    // Empty for an entry without a name.
    QString name;
    bool pinned = false;
    QDateTime lastUsed;

    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

// The colours the program put on the clipboard or picked, kept in one SQLite file per user that
// every running copy shares: a write-ahead log lets one copy read while another writes, and each
// call opens the file and closes it again, so a copy sees the others' entries at its next read.
// Pinned entries are kept until the user removes them; of the others only the newest
// `unpinnedLimit` stay. A read waits for another copy's lock at most `readWaitLimit`, a write at
// most `writeWaitLimit`; a call that cannot use the file changes nothing and says so in the
// report. A file that is not a history of ours is moved aside and a fresh one takes its place.
class HistoryStore {
public:
    static constexpr int unpinnedLimit = 1000;
    static constexpr std::chrono::milliseconds readWaitLimit{1000};
    static constexpr std::chrono::milliseconds writeWaitLimit{2000};

    explicit HistoryStore(const QString& filePath);

    // $XDG_STATE_HOME (else ~/.local/state) + "/tincta/history.sqlite3"; on Windows
    // %LOCALAPPDATA%\Tincta\history.sqlite3.
    static QString defaultFilePath();
    QString filePath() const;

    // The pinned entries in their order, then the others newest first; nothing when the file
    // cannot be read.
    std::optional<QList<HistoryEntry>> entries();
    // The colour goes to the top, with the text that went to the clipboard; a pinned one keeps
    // its place among the pins.
    bool record(const Colour& colour, const QString& text, const QDateTime& when);
    // A new pin goes after the others.
    bool setPinned(const Colour& colour, bool pinned);
    bool setName(const Colour& colour, const QString& name);
    bool remove(const Colour& colour);
    // Every entry that is not pinned.
    bool clearUnpinned();
    // Each colour, in order, becomes a pin after the others, or stays the pin it is; a name
    // replaces the entry's own unless it is empty.
    bool addPins(const QList<PaletteMark>& colours, const QDateTime& when);

    // What the calls since the last report met.
    StoreReport takeReport();

private:
    template <typename Body> bool run(bool write, Body&& body);

    std::string m_filePath;
    StoreReport m_report;
};

} // namespace tincta
