#pragma once

#include <QCoreApplication>
#include <QString>

namespace tincta {

// A text the user reads, kept as its English source and translated each time it is used, so a
// constant made before the translations are installed still shows in the user's language.
// lupdate finds it when it is written as UiText{QT_TRANSLATE_NOOP("tincta", "...")}.
struct UiText {
    const char* source;

    QString text() const { return QCoreApplication::translate(context, source); }
    operator QString() const { return text(); }

    static constexpr const char* context = "tincta";
};

} // namespace tincta
