#include "gui/platform/qtservices.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace tincta {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton boxButton(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

MessageAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

MessageAnswer QtMessageBoxes::show(QWidget* parent, const Message& message) {
    QMessageBox box(boxIcon(message.icon), message.title, message.text, boxButtons(message.buttons),
                    parent);
    box.setDefaultButton(boxButton(message.defaultAnswer));
    if (message.buttons == MessageButtons::YesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    return answerOf(box.exec());
}

QString QtFileDialogs::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::existingFolder(QWidget* parent, const QString& title,
                                      const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

bool DesktopLauncher::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace tincta
