#pragma once

#include <QString>
#include <QUrl>

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
};

// Hands a document or address to the desktop; false when the desktop refused it.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool openUrl(const QUrl& url) = 0;
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
    // Set where the desktop keeps the screen from programs: picks then go through it.
    ColourPortal* portal = nullptr;
};

} // namespace tincta
