#pragma once

#include <QString>
#include <QUrl>

namespace tincta {

class Launcher;

// The address the desktop gets for a document, program or address: anything that names a
// scheme goes as it is, anything else is a local path and goes whole, blanks and all.
QUrl shellTarget(const QString& target);

// Hands a document, program or address to the desktop's default action. False when the
// desktop refused it; whether a browser or editor then shows up is not known here.
bool openWithShell(Launcher& launcher, const QString& target);

// Hands "mailto:" followed by the address to the desktop's mail client.
bool openMailTo(Launcher& launcher, const QString& address);

} // namespace tincta
