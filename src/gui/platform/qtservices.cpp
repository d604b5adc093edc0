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

// "tokens.json" of "Design tokens (*.tokens.json)": what a name typed without a suffix gets.
QString filterSuffix(const QString& filter) {
    static const QLatin1StringView patternStart{"(*."};
    const qsizetype start = filter.indexOf(patternStart);
    if (start < 0)
        return {};
    const qsizetype from = start + patternStart.size();
    qsizetype end = from;
    while (end < filter.size() && filter[end] != u')' && filter[end] != u' ')
        ++end;
    return filter.sliced(from, end - from);
}

// Modal to the window that asked, not to the whole program: the help viewer, a window of its own,
// stays usable beside the box. Without an owner the box waits for the whole program.
int runModal(QDialog& dialog, QWidget* owner) {
    dialog.setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    return dialog.exec();
}

// The path chosen in a dialog run modal to its owner, or an empty text when it was cancelled.
QString chosenPath(QFileDialog& dialog, QWidget* owner) {
    if (runModal(dialog, owner) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

MessageAnswer QtMessageBoxes::show(QWidget* parent, const Message& message) {
    QMessageBox box(boxIcon(message.icon), message.title, message.text, boxButtons(message.buttons),
                    parent);
    box.setDefaultButton(boxButton(message.defaultAnswer));
    if (message.buttons == MessageButtons::YesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    return answerOf(runModal(box, parent));
}

QString QtFileDialogs::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) {
    return openFileOfType(parent, title, folder, {filter}).path;
}

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return chosenPath(dialog, parent);
}

QString QtFileDialogs::existingFolder(QWidget* parent, const QString& title,
                                      const QString& folder) {
    QFileDialog dialog(parent, title, folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return chosenPath(dialog, parent);
}

ChosenFile QtFileDialogs::openFileOfType(QWidget* parent, const QString& title,
                                         const QString& folder, const QStringList& filters) {
    QFileDialog dialog(parent, title, folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    const QString path = chosenPath(dialog, parent);
    if (path.isEmpty())
        return {};
    return {path, dialog.selectedNameFilter()};
}

ChosenFile QtFileDialogs::saveFileOfType(QWidget* parent, const QString& title,
                                         const QString& folder, const QStringList& filters) {
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(filterSuffix(filters.value(0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
    const QString path = chosenPath(dialog, parent);
    if (path.isEmpty())
        return {};
    return {path, dialog.selectedNameFilter()};
}

bool DesktopLauncher::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace tincta
