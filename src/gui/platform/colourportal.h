#pragma once

#include "colour/colour.h"

#include <QDBusConnection>
#include <QImage>
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

    // Asks for a pick on behalf of the window with the portal's handle `parentWindow` (empty
    // where the window has none the desktop understands). The request ends in one of the
    // signals; a later request or abandon() makes it stale, and a stale request's answer is
    // dropped.
    virtual void requestColour(const QString& parentWindow) = 0;
    // Asks for a still image of the whole desktop, taken at once without a dialog; ends in
    // screenshotTaken(), pickCancelled() or screenshotRefused().
    virtual void requestScreenshot(const QString& parentWindow) = 0;
    virtual void abandon() = 0;

Q_SIGNALS:
    void colourPicked(tincta::Colour colour);
    // The user cancelled the pick.
    void pickCancelled();
    // Nothing on this desktop can pick a colour.
    void unavailable();
    // The desktop ended the pick in failure or answered with no colour.
    void failed();
    void screenshotTaken(QImage desktop);
    // No still image: the desktop has no such portal, refused it or answered with no image.
    void screenshotRefused();
};

// The XDG desktop portal's screenshot interface over D-Bus, which answers a pick with a Response
// signal on a request object of its own.
class DesktopColourPortal final : public ColourPortal {
    Q_OBJECT

public:
    explicit DesktopColourPortal(QDBusConnection bus = QDBusConnection::sessionBus(),
                                 QObject* parent = nullptr);

    void requestColour(const QString& parentWindow) override;
    void requestScreenshot(const QString& parentWindow) override;
    void abandon() override;

private Q_SLOTS:
    void onResponse(const QDBusMessage& response);

private:
    enum class Asked { Colour, Screenshot };

    void request(Asked asked, const QString& parentWindow);
    void ask(int number, Asked asked, const QString& parentWindow);
    // The request could not be made or was answered with nonsense.
    void fail(Asked asked);
    void answerWith(Asked asked, const QList<QVariant>& arguments);
    // The results of an answer, or an invalid variant for an answer other than success.
    void answerColour(const QVariant& results);
    void answerScreenshot(const QVariant& results);

    QDBusConnection m_bus;
    int m_requestNumber = 0;
    // The request object whose answer counts; empty when no pick is waiting.
    QString m_requestPath;
    // The unique bus name of the portal asked: any other connection may send a Response on the
    // request object too.
    QString m_portalOwner;
    Asked m_asked = Asked::Colour;
};

// The colour of a portal answer, three channels from 0 to 1, or nothing for an answer that is no
// colour at all.
std::optional<Colour> colourFromPortal(double red, double green, double blue);

// The portal's handle of a window: "x11:" and the window's id in hex on X11, "wayland:" and the
// handle of the window's export on Wayland (`exportHandle`, empty while there is none); empty
// elsewhere, where the portal then places its dialogs on its own.
QString portalWindowHandle(const QString& platformName, quintptr windowId,
                           const QString& exportHandle);

// True where the platform keeps the screen from programs, so picks go through the portal.
bool screenIsPrivate();

} // namespace tincta
