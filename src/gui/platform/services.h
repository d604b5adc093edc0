#pragma once

#include "palette/palettefile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QWidget;

namespace tincta {

class ColourPortal;
class ScreenPixelReader;

enum class MessageIcon { Information, Warning, Question, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct Message {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

// Modal message boxes; the program shows real ones, gui tests answer them from a script.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(QWidget* parent, const Message& message) = 0;
};

// A file chosen in a chooser that offers several types, and the filter of the type shown when it
// was chosen ("GIMP palette (*.gpl)"). The path is empty when the user cancelled.
struct ChosenFile {
    QString path;
    QString filter;
};

// Modal file and folder choosers. Each returns the full path chosen, or an empty text.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    // Asks before replacing an existing file; adds defaultSuffix to a name typed without one.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter, const QString& defaultSuffix) = 0;
    virtual QString existingFolder(QWidget* parent, const QString& title,
                                   const QString& folder) = 0;
    // Choosers with one filter per file type, the first one shown first. Saving asks before
    // replacing a file and adds the suffix of the filter shown to a name typed without one.
    virtual ChosenFile openFileOfType(QWidget* parent, const QString& title, const QString& folder,
                                      const QStringList& filters) = 0;
    virtual ChosenFile saveFileOfType(QWidget* parent, const QString& title, const QString& folder,
                                      const QStringList& filters) = 0;
};

// Hands a document or address to the desktop; false when the desktop refused it.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool openUrl(const QUrl& url) = 0;
};

// Which colours of an imported file go into which marks: the chosen colours (positions in the
// file, in file order) into consecutive marks from firstMark on.
struct ImportChoice {
    QList<qsizetype> colours;
    int firstMark = 0;

    friend bool operator==(const ImportChoice&, const ImportChoice&) = default;
};

// How many colours an import into the marks from `firstMark` on can take.
constexpr int importRoom(int firstMark) {
    return paletteMarkCount - firstMark;
}

// The modal "Import Colours" dialog for a file of more or fewer than six colours; nullopt when
// the user cancelled. The program shows the real one, gui tests answer it from a script.
class ImportChooser {
public:
    virtual ~ImportChooser() = default;
    virtual std::optional<ImportChoice>
    chooseColours(QWidget* parent, const QList<PaletteMark>& colours, int selectedMark) = 0;
};

// The title of the program's own message boxes.
inline const QString messageTitle = QStringLiteral("Tincta");

// A notice (information icon) or a warning about something the user can correct or retry, each
// with an OK button and the program's title.
void inform(MessageBoxes& messages, QWidget* parent, const QString& text);
void warn(MessageBoxes& messages, QWidget* parent, const QString& text);

// Everything modal or external the windows go through.
struct Services {
    MessageBoxes& messages;
    FileDialogs& files;
    Launcher& launcher;
    ScreenPixelReader& screen;
    ImportChooser& importChooser;
    // Set where the desktop keeps the screen from programs: picks then go through it.
    ColourPortal* portal = nullptr;
};

} // namespace tincta
