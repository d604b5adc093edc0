#pragma once

#include "colour/colour.h"

#include <QDBusConnection>
#include <QObject>
#include <optional>

class QDBusMessage;

namespace tincta {

// Where the desktop lets no program read the screen or hold the pointer, the desktop itself lets
// the user pick a colour and hands it over.
class ColourPortal : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Asks for a pick. The request ends in one of the signals; a later request or abandon()
    // makes it stale, and a stale request's answer is dropped.
    virtual void requestColour() = 0;
    virtual void abandon() = 0;

Q_SIGNALS:
    void colourPicked(tincta::Colour colour);
    // The user cancelled the pick.
    void pickCancelled();
    // Nothing on this desktop can pick a colour, or the desktop failed the pick or answered
    // with no colour.
    void unavailable();
};

// The XDG desktop portal's screenshot interface over D-Bus, which answers a pick with a Response
// signal on a request object of its own.
class DesktopColourPortal final : public ColourPortal {
    Q_OBJECT

public:
    explicit DesktopColourPortal(QDBusConnection bus = QDBusConnection::sessionBus(),
                                 QObject* parent = nullptr);

    void requestColour() override;
    void abandon() override;

private Q_SLOTS:
    void onResponse(const QDBusMessage& response);

private:
    void askForColour(int number);
    void answerWith(const QList<QVariant>& arguments);

    QDBusConnection m_bus;
    int m_requestNumber = 0;
    // The request object whose answer counts; empty when no pick is waiting.
    QString m_requestPath;
    // The unique bus name of the portal asked: any other connection may send a Response on the
    // request object too.
    QString m_portalOwner;
};

// The colour of a portal answer, three channels from 0 to 1, or nothing for an answer that is no
// colour at all.
std::optional<Colour> colourFromPortal(double red, double green, double blue);

// True where the platform keeps the screen from programs, so picks go through the portal.
bool screenIsPrivate();

} // namespace tincta
