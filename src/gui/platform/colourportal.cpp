#include "gui/platform/colourportal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace tincta {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString screenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString busService = QStringLiteral("org.freedesktop.DBus");
const QString busPath = QStringLiteral("/org/freedesktop/DBus");

// The response codes of the portal's Request interface.
constexpr uint pickAnswered = 0;
constexpr uint pickCancelledByUser = 1;

// The portal names the request object after the caller and the token, so the answer can be
// recognised even when it arrives before the reply that names the object.
QString requestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName.mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("%1/request/%2/%3").arg(portalPath, sender, token);
}

std::optional<Colour> colourFromResults(const QVariant& results) {
    const QVariant colour = qdbus_cast<QVariantMap>(results).value(QStringLiteral("color"));
    if (!colour.canConvert<QDBusArgument>())
        return std::nullopt;
    const auto argument = colour.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double red = 0;
    double green = 0;
    double blue = 0;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    return colourFromPortal(red, green, blue);
}

} // namespace

DesktopColourPortal::DesktopColourPortal(QDBusConnection bus, QObject* parent)
    : ColourPortal(parent), m_bus(std::move(bus)) {
    // QtDBus delivers signals only to named slots; any request object's answer comes here and is
    // matched against the request that is waiting.
    m_bus.connect(QString(), QString(), requestInterface, QStringLiteral("Response"), this,
                  SLOT(onResponse(QDBusMessage)));
}

void DesktopColourPortal::requestColour(const QString& parentWindow) {
    request(Asked::Colour, parentWindow);
}

void DesktopColourPortal::requestScreenshot(const QString& parentWindow) {
    request(Asked::Screenshot, parentWindow);
}

void DesktopColourPortal::request(Asked asked, const QString& parentWindow) {
    const int number = ++m_requestNumber;
    m_requestPath.clear();
    m_portalOwner.clear();
    m_asked = asked;
    if (!m_bus.isConnected()) {
        fail(asked);
        return;
    }
    // The owner is known before the portal is asked, so its answer can never come first.
    QDBusMessage ownerQuery = QDBusMessage::createMethodCall(busService, busPath, busService,
                                                             QStringLiteral("GetNameOwner"));
    ownerQuery << portalService;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(ownerQuery), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, number, asked, parentWindow](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (number != m_requestNumber)
                    return;
                const QDBusPendingReply<QString> owner = *finished;
                if (owner.isError()) {
                    fail(asked);
                    return;
                }
                m_portalOwner = owner.value();
                ask(number, asked, parentWindow);
            });
}

void DesktopColourPortal::ask(int number, Asked asked, const QString& parentWindow) {
    const QString token = QStringLiteral("tincta%1").arg(number);
    m_requestPath = requestPath(m_bus.baseService(), token);
    QVariantMap options{{QStringLiteral("handle_token"), token}};
    if (asked == Asked::Screenshot)
        options.insert(QStringLiteral("interactive"), false);
    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, portalPath, screenshotInterface,
        asked == Asked::Colour ? QStringLiteral("PickColor") : QStringLiteral("Screenshot"));
    call << parentWindow << options;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, number, asked](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                // Stale, or already answered.
                if (number != m_requestNumber || m_requestPath.isEmpty())
                    return;
                const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                if (reply.isError()) {
                    m_requestPath.clear();
                    fail(asked);
                    return;
                }
                // Older portals choose the object's name themselves.
                m_requestPath = reply.value().path();
            });
}

void DesktopColourPortal::fail(Asked asked) {
    if (asked == Asked::Screenshot)
        Q_EMIT screenshotRefused();
    else
        Q_EMIT unavailable();
}

void DesktopColourPortal::abandon() {
    ++m_requestNumber;
    m_requestPath.clear();
}

void DesktopColourPortal::onResponse(const QDBusMessage& response) {
    if (m_requestPath.isEmpty() || response.path() != m_requestPath ||
        response.service() != m_portalOwner)
        return;
    m_requestPath.clear();
    answerWith(m_asked, response.arguments());
}

// Only a cancel by the user is silent: a failed pick or an answer that makes no sense must not
// look as if nothing had been asked.
void DesktopColourPortal::answerWith(Asked asked, const QList<QVariant>& arguments) {
    const bool hasCode =
        !arguments.isEmpty() && arguments[0].metaType() == QMetaType::fromType<uint>();
    if (hasCode && arguments[0].toUInt() == pickCancelledByUser) {
        Q_EMIT pickCancelled();
        return;
    }
    const bool answered = hasCode && arguments[0].toUInt() == pickAnswered && arguments.size() == 2;
    const QVariant results = answered ? arguments[1] : QVariant();
    if (asked == Asked::Colour)
        answerColour(results);
    else
        answerScreenshot(results);
}

void DesktopColourPortal::answerColour(const QVariant& results) {
    const std::optional<Colour> colour = colourFromResults(results);
    if (colour)
        Q_EMIT colourPicked(*colour);
    else
        Q_EMIT failed();
}

void DesktopColourPortal::answerScreenshot(const QVariant& results) {
    const QUrl uri(qdbus_cast<QVariantMap>(results).value(QStringLiteral("uri")).toString());
    QImage desktop;
    if (uri.isLocalFile())
        desktop.load(uri.toLocalFile());
    if (desktop.isNull())
        Q_EMIT screenshotRefused();
    else
        Q_EMIT screenshotTaken(desktop);
}

std::optional<Colour> colourFromPortal(double red, double green, double blue) {
    if (!std::isfinite(red) || !std::isfinite(green) || !std::isfinite(blue))
        return std::nullopt;
    const auto channel = [](double value) { return qRound(std::clamp(value, 0.0, 1.0) * 255); };
    return Colour{channel(red), channel(green), channel(blue)};
}

QString portalWindowHandle(const QString& platformName, quintptr windowId,
                           const QString& exportHandle) {
    if (platformName == QLatin1String("xcb") && windowId != 0)
        return QStringLiteral("x11:") + QString::number(windowId, 16);
    if (platformName.startsWith(QLatin1String("wayland")) && !exportHandle.isEmpty())
        return QStringLiteral("wayland:") + exportHandle;
    return {};
}

bool screenIsPrivate() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace tincta
