#include "history/historyage.h"

#include <QCoreApplication>
#include <array>

namespace tincta {

namespace {

constexpr char context[] = "tincta::HistoryAge";

struct AgeUnit {
    qint64 seconds;
    const char* shortText;
    const char* one;
    const char* many;
};

// Largest first; an age takes the first unit it has one of.
// clang-format off
constexpr std::array<AgeUnit, 3> units{{
    {86400, QT_TRANSLATE_NOOP("tincta::HistoryAge", "%1 d ago"), QT_TRANSLATE_NOOP("tincta::HistoryAge", "1 day ago"), QT_TRANSLATE_NOOP("tincta::HistoryAge", "%1 days ago")},
    {3600, QT_TRANSLATE_NOOP("tincta::HistoryAge", "%1 h ago"), QT_TRANSLATE_NOOP("tincta::HistoryAge", "1 hour ago"), QT_TRANSLATE_NOOP("tincta::HistoryAge", "%1 hours ago")},
    {60, QT_TRANSLATE_NOOP("tincta::HistoryAge", "%1 min ago"), QT_TRANSLATE_NOOP("tincta::HistoryAge", "1 minute ago"), QT_TRANSLATE_NOOP("tincta::HistoryAge", "%1 minutes ago")},
}};
// clang-format on

QString translated(const char* text) {
    return QCoreApplication::translate(context, text);
}

template <typename Format> QString ageText(qint64 secondsAgo, Format format) {
    for (const AgeUnit& unit : units) {
        if (secondsAgo >= unit.seconds)
            return format(unit, secondsAgo / unit.seconds);
    }
    return translated(QT_TRANSLATE_NOOP("tincta::HistoryAge", "just now"));
}

} // namespace

QString shortAgeText(qint64 secondsAgo) {
    return ageText(secondsAgo, [](const AgeUnit& unit, qint64 count) {
        return translated(unit.shortText).arg(count);
    });
}

QString spokenAgeText(qint64 secondsAgo) {
    return ageText(secondsAgo, [](const AgeUnit& unit, qint64 count) {
        return count == 1 ? translated(unit.one) : translated(unit.many).arg(count);
    });
}

} // namespace tincta
