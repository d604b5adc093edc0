#pragma once

#include <QString>
#include <optional>

class QApplication;

namespace tincta {

class ColourPortal;
class ScreenPixelReader;

// The list row of the notation called `name`, in any letter case; nothing for an unknown name.
std::optional<int> notationRowNamed(const QString& name);

// The message for an unknown notation name: the name and every name that would do.
QString unknownNotationText(const QString& name);

// `tincta --pick`: a pick on a still image of the screens (or through the portal where the
// screen is private) with no main window; prints the colour in the notation of `row`, or the
// stored standard notation, and leaves it on the clipboard. Returns the exit status: 0 picked,
// 1 cancelled or failed.
int runCommandLinePick(QApplication& app, std::optional<int> row, ScreenPixelReader& screen,
                       ColourPortal* portal);

// The helper process that keeps `text` on the clipboard after the pick has returned, until
// another program takes the clipboard, as clipboard tools do where no clipboard manager runs.
int holdClipboard(QApplication& app, const QString& text);

} // namespace tincta
