#pragma once

#include "gui/platform/services.h"

namespace tincta {

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const Message& message) override;
};

class QtFileDialogs final : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter, const QString& defaultSuffix) override;
    QString existingFolder(QWidget* parent, const QString& title, const QString& folder) override;
    ChosenFile openFileOfType(QWidget* parent, const QString& title, const QString& folder,
                              const QStringList& filters) override;
    ChosenFile saveFileOfType(QWidget* parent, const QString& title, const QString& folder,
                              const QStringList& filters) override;
};

class DesktopLauncher final : public Launcher {
public:
    bool openUrl(const QUrl& url) override;
};

} // namespace tincta
