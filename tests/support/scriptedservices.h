#pragma once

#include "gui/platform/screenpixel.h"
#include "gui/platform/services.h"

#include <QImage>
#include <QList>
#include <QStringList>

namespace tincta::test {

// Answers message boxes from a queue (Ok when the queue is empty) and records what was shown.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const Message& message) override;

    QList<MessageAnswer> answers;
    QList<Message> shown;
};

// Hands out the queued paths (empty when the queue is empty) and records each request.
class ScriptedFileDialogs final : public FileDialogs {
public:
    struct Request {
        QString kind; // "open", "save" or "folder"
        QString title;
        QString folder;
        QString filter;
        QString defaultSuffix;
    };

    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter, const QString& defaultSuffix) override;
    QString existingFolder(QWidget* parent, const QString& title, const QString& folder) override;
    // Record the filters offered joined by ";;"; answer the next path with the next of
    // `filters`, or the first filter offered when that queue is empty.
    ChosenFile openFileOfType(QWidget* parent, const QString& title, const QString& folder,
                              const QStringList& filters) override;
    ChosenFile saveFileOfType(QWidget* parent, const QString& title, const QString& folder,
                              const QStringList& filters) override;

    QStringList paths;
    QStringList filters;
    QList<Request> requests;

private:
    QString next();
    ChosenFile nextOfType(const QStringList& offered);
};

// Records every address; answers with `succeed`.
class RecordingLauncher final : public Launcher {
public:
    bool openUrl(const QUrl& url) override;

    QList<QUrl> opened;
    bool succeed = true;
};

// A desktop made of one picture of device pixels, `ratio` of them to a device-independent pixel.
// Reads outside the picture fail, as a refused screen read does. `reads` counts the grabs.
class ScriptedScreen final : public ScreenPixelReader {
public:
    ScreenShot grab() override;

    QImage picture;
    qreal ratio = 1;
    int reads = 0;
};

// Answers the Import Colours dialog from a queue: with the dialog's own first answer (the first
// six colours into the marks from mark 1) when the queue is empty; records each request.
class ScriptedImportChooser final : public ImportChooser {
public:
    struct Request {
        QList<PaletteMark> colours;
        int selectedMark = 0;
    };

    std::optional<ImportChoice> chooseColours(QWidget* parent, const QList<PaletteMark>& colours,
                                              int selectedMark) override;

    QList<std::optional<ImportChoice>> answers;
    QList<Request> requests;
};

// The five together, ready to hand to a window under test.
struct ScriptedServices {
    ScriptedMessageBoxes messages;
    ScriptedFileDialogs files;
    RecordingLauncher launcher;
    ScriptedScreen screen;
    ScriptedImportChooser importChooser;
    Services services{messages, files, launcher, screen, importChooser};
};

} // namespace tincta::test
