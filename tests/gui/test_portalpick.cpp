// Picking through the desktop portal, against a fake portal on a private session bus that the
// test starts itself.

#include "mainwindowfixture.h"

#include "editing/frozenpicker.h"
#include "editing/markspanel.h"
#include "editing/pickmode.h"
#include "gui/platform/colourportal.h"
#include "gui/widgets/colourbox.h"

#include <QClipboard>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

using namespace tincta;
using namespace tincta::test;

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");

struct PortalAnswer {
    uint response = 0;
    double red = 0;
    double green = 0;
    double blue = 0;
};

QDBusArgument colourStructure(const QList<double>& channels) {
    QDBusArgument colour;
    colour.beginStructure();
    for (double channel : channels)
        colour << channel;
    colour.endStructure();
    return colour;
}

QVariantMap colourResults(const QList<double>& channels) {
    return {{QStringLiteral("color"), QVariant::fromValue(colourStructure(channels))}};
}

// A Response signal on the request object, sent from `bus`, whoever owns that connection.
void sendResponse(QDBusConnection bus, const QString& request, const QVariantList& arguments) {
    QDBusMessage response = QDBusMessage::createSignal(
        request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    response.setArguments(arguments);
    bus.send(response);
}

// Waits until the bus has handled everything sent on `bus` so far.
void flush(QDBusConnection bus) {
    bus.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")));
}

// The screenshot interface of a desktop portal: records each PickColor request and answers it
// at once when an answer is queued, or later through answer().
class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    explicit FakePortal(QDBusConnection bus) : m_bus(std::move(bus)) {}

    void answer(const QString& request, const PortalAnswer& answer) {
        sendResponse(m_bus, request,
                     {answer.response, colourResults({answer.red, answer.green, answer.blue})});
    }

    QDBusConnection bus() const { return m_bus; }

    QList<PortalAnswer> queued;
    QStringList requests;
    QStringList parentWindows;
    // The still image Screenshot hands over; without one it answers "ended another way" (2).
    QString screenshotFile;
    QVariantMap screenshotOptions;

public Q_SLOTS:
    QDBusObjectPath Screenshot(const QString& parentWindow, const QVariantMap& options) {
        parentWindows.append(parentWindow);
        screenshotOptions = options;
        const QString request = requestPathFor(options);
        QVariantMap results;
        if (!screenshotFile.isEmpty())
            results.insert(QStringLiteral("uri"), QUrl::fromLocalFile(screenshotFile).toString());
        sendResponse(m_bus, request, {screenshotFile.isEmpty() ? 2U : 0U, results});
        return QDBusObjectPath(request);
    }

    QDBusObjectPath PickColor(const QString& parentWindow, const QVariantMap& options) {
        parentWindows.append(parentWindow);
        const QString request = requestPathFor(options);
        requests.append(request);
        if (!queued.isEmpty())
            answer(request, queued.takeFirst());
        return QDBusObjectPath(request);
    }

private:
    QString requestPathFor(const QVariantMap& options) const {
        QString sender = message().service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        return QStringLiteral("%1/request/%2/%3")
            .arg(portalPath, sender, options.value(QStringLiteral("handle_token")).toString());
    }

    QDBusConnection m_bus;
};

// A portal from before colours could be picked.
class OldPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public Q_SLOTS:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap&) { return {}; }
};

// Counts the portal's answers as they reach the program's connection. Connected after the
// program's own portal, so by the time an answer is counted the program has handled it.
class AnswerCounter : public QObject {
    Q_OBJECT

public:
    explicit AnswerCounter(QDBusConnection bus) {
        // QtDBus delivers signals only to named slots.
        bus.connect(QString(), QString(), QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"), this, SLOT(onResponse(QDBusMessage)));
    }

    int count = 0;

public Q_SLOTS:
    void onResponse(const QDBusMessage&) { ++count; }
};

enum class Desktop { NoSessionBus, NoPortal, NoScreenshotInterface, NoPickColor };

} // namespace

Q_DECLARE_METATYPE(Desktop)

class TestPortalPick : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void colourFromPortal_data();
    void colourFromPortal();
    void answeredPickAppliesTheColourAsAReleaseDoes();
    void cancelledPickChangesNothingSilently();
    void failedPickSaysSoOnceAndChangesNothing_data();
    void failedPickSaysSoOnceAndChangesNothing();
    void responseFromAnotherConnectionIsIgnored();
    void missingPortalSaysSoOnceAndChangesNothing_data();
    void missingPortalSaysSoOnceAndChangesNothing();
    void staleRequestsAreIgnored();
    void commandPicksThroughThePortalWithoutPickMode();
    void commandPicksOnTheDesktopsStillImage();
    void windowHandle_data();
    void windowHandle();

private:
    // A connection of the test's own to the private bus, closed after each test.
    QDBusConnection connect(const QString& name) {
        m_connections.append(name);
        return QDBusConnection::connectToBus(m_address, name);
    }
    // Takes the portal's name on the bus, with `object` (if any) where the portal keeps its
    // interfaces.
    static bool ownPortalName(QDBusConnection bus, QObject* object) {
        return bus.isConnected() && bus.registerService(portalService) &&
               (object == nullptr ||
                bus.registerObject(portalPath, object, QDBusConnection::ExportAllSlots));
    }

    QTemporaryDir m_busFolder;
    QProcess m_bus;
    QString m_address;
    QStringList m_connections;
};

void TestPortalPick::initTestCase() {
    QVERIFY(m_busFolder.isValid());
    // A bus of our own that starts no services, so the desktop's real portal never answers.
    const QString config = m_busFolder.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                              "<policy context=\"default\"><allow send_destination=\"*\"/>"
                              "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy>"
                              "</busconfig>")
                   .arg(m_busFolder.path())
                   .toUtf8());
    file.close();
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--config-file=") + config, QStringLiteral("--print-address"),
                 QStringLiteral("--nofork"), QStringLiteral("--nopidfile")});
    QVERIFY2(m_bus.waitForStarted(), "dbus-daemon did not start");
    QVERIFY(m_bus.waitForReadyRead(5000));
    m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
}

void TestPortalPick::cleanupTestCase() {
    m_bus.terminate();
    m_bus.waitForFinished();
}

void TestPortalPick::cleanup() {
    for (const QString& name : std::as_const(m_connections))
        QDBusConnection::disconnectFromBus(name);
    m_connections.clear();
}

void TestPortalPick::colourFromPortal_data() {
    QTest::addColumn<double>("red");
    QTest::addColumn<double>("green");
    QTest::addColumn<double>("blue");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<Colour>("expected");
    QTest::newRow("#336699") << 0.2 << 0.4 << 0.6 << true << Colour{51, 102, 153};
    QTest::newRow("ends") << 0.0 << 1.0 << 0.5 << true << Colour{0, 255, 128};
    QTest::newRow("rounds to nearest") << 0.498 << 0.501 << 0.002 << true << Colour{127, 128, 1};
    QTest::newRow("clamped") << -0.3 << 1.7 << 1e300 << true << Colour{0, 255, 255};
    QTest::newRow("not a number") << qQNaN() << 0.0 << 0.0 << false << Colour{};
    QTest::newRow("infinite") << 0.0 << qInf() << 0.0 << false << Colour{};
}

void TestPortalPick::colourFromPortal() {
    QFETCH(double, red);
    QFETCH(double, green);
    QFETCH(double, blue);
    QFETCH(bool, valid);
    QFETCH(Colour, expected);
    const std::optional<Colour> colour = tincta::colourFromPortal(red, green, blue);
    QCOMPARE(colour.has_value(), valid);
    if (valid)
        QCOMPARE(*colour, expected);
}

struct PortalFixture {
    explicit PortalFixture(const QDBusConnection& bus) : portal(bus), f(&portal), answers(bus) {
        QTest::keyClick(f.window.get(), Qt::Key_F7);
    }
    ColourBox* sample() const { return f.ui().picSample[0]; }
    void press() { QTest::mousePress(sample(), Qt::LeftButton, {}, QPoint(5, 5)); }
    void release() { QTest::mouseRelease(sample(), Qt::LeftButton, {}, QPoint(5, 5)); }
    void pick() {
        press();
        release();
    }
    // Every call the program made to the portal has had its reply and been handled.
    bool callsAnswered() const { return portal.findChildren<QDBusPendingCallWatcher*>().isEmpty(); }

    DesktopColourPortal portal;
    MainWindowFixture f;
    AnswerCounter answers;
};

void TestPortalPick::answeredPickAppliesTheColourAsAReleaseDoes() {
    FakePortal fake(connect(QStringLiteral("portal")));
    QVERIFY(ownPortalName(fake.bus(), &fake));
    PortalFixture p(connect(QStringLiteral("app")));
    QCOMPARE(p.sample()->toolTip(),
             QStringLiteral("Click here to pick a colour anywhere on the screen"));
    QVERIFY(p.f.ui().mnuToolsColourPickMode->isChecked());
    QVERIFY(!p.f.ui().mnuFileOpen->isEnabled());

    fake.queued.append({0, 0.2, 0.4, 0.6});
    p.press();
    // No drag: the sliders stay, nothing holds the mouse.
    QVERIFY(p.f.ui().picPick->isHidden());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QTRY_COMPARE(p.f.sliderColour(), (Colour{0x33, 0x66, 0x99}));
    p.release();
    QCOMPARE(fake.requests.size(), 1);
    QCOMPARE(p.f.markColour(0), (Colour{0x33, 0x66, 0x99}));
    waitForAutocopy();
    QCOMPARE(p.f.ui().lblColorProp[0]->text(), QStringLiteral("W"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#336699"));
    QVERIFY(p.f.scripted.messages.shown.isEmpty());
    QCOMPARE(p.f.scripted.screen.reads, 0);
}

void TestPortalPick::cancelledPickChangesNothingSilently() {
    FakePortal fake(connect(QStringLiteral("portal")));
    QVERIFY(ownPortalName(fake.bus(), &fake));
    PortalFixture p(connect(QStringLiteral("app")));
    QSignalSpy cancelled(&p.portal, &ColourPortal::pickCancelled);
    fake.queued.append({1, 0.2, 0.4, 0.6});
    p.press();
    p.release();
    QTRY_COMPARE(cancelled.count(), 1);
    QTRY_VERIFY(p.callsAnswered());
    QCOMPARE(p.f.sliderColour(), (Colour{255, 0, 0}));
    QCOMPARE(p.f.markColour(0), (Colour{255, 0, 0}));
    QVERIFY(!p.f.paletteChanged());
    QVERIFY(p.f.scripted.messages.shown.isEmpty());
}

void TestPortalPick::failedPickSaysSoOnceAndChangesNothing_data() {
    QTest::addColumn<QVariantList>("arguments");
    const QVariantMap red = colourResults({1.0, 0.0, 0.0});
    QTest::newRow("ended another way") << QVariantList{2U, red};
    QTest::newRow("unknown response") << QVariantList{3U, red};
    QTest::newRow("no colour") << QVariantList{0U, QVariantMap()};
    QTest::newRow("colour of two channels") << QVariantList{0U, colourResults({0.2, 0.4})};
    QTest::newRow("colour not a number") << QVariantList{0U, colourResults({qQNaN(), 0.0, 0.0})};
    QTest::newRow("colour as a text")
        << QVariantList{0U, QVariantMap{{QStringLiteral("color"), QStringLiteral("#336699")}}};
    QTest::newRow("no results") << QVariantList{0U};
    QTest::newRow("response as a text") << QVariantList{QStringLiteral("0"), red};
}

void TestPortalPick::failedPickSaysSoOnceAndChangesNothing() {
    QFETCH(QVariantList, arguments);
    FakePortal fake(connect(QStringLiteral("portal")));
    QVERIFY(ownPortalName(fake.bus(), &fake));
    PortalFixture p(connect(QStringLiteral("app")));
    p.pick();
    QTRY_COMPARE(fake.requests.size(), 1);
    sendResponse(fake.bus(), fake.requests[0], arguments);
    QTRY_COMPARE(p.f.scripted.messages.shown.size(), 1);
    QCOMPARE(p.f.scripted.messages.shown[0].text, PickMode::portalFailedText());
    QCOMPARE(p.f.scripted.messages.shown[0].icon, MessageIcon::Warning);
    QCOMPARE(p.f.sliderColour(), (Colour{255, 0, 0}));
    QVERIFY(!p.f.paletteChanged());
    // The next pick works, and the failed one said nothing more meanwhile.
    fake.queued.append({0, 0.2, 0.4, 0.6});
    p.pick();
    QTRY_COMPARE(p.f.sliderColour(), (Colour{0x33, 0x66, 0x99}));
    QCOMPARE(p.f.scripted.messages.shown.size(), 1);
}

// Another program on the session bus may send a Response on our request object before the
// portal does; only the portal's answer counts.
void TestPortalPick::responseFromAnotherConnectionIsIgnored() {
    FakePortal fake(connect(QStringLiteral("portal")));
    QVERIFY(ownPortalName(fake.bus(), &fake));
    const QDBusConnection forger = connect(QStringLiteral("forger"));
    PortalFixture p(connect(QStringLiteral("app")));
    QSignalSpy picked(&p.portal, &ColourPortal::colourPicked);
    p.pick();
    QTRY_COMPARE(fake.requests.size(), 1);
    sendResponse(forger, fake.requests[0], {0U, colourResults({0.8, 0.1, 0.1})});
    flush(forger);
    fake.answer(fake.requests[0], {0, 0.2, 0.4, 0.6});
    QTRY_COMPARE(p.f.sliderColour(), (Colour{0x33, 0x66, 0x99}));
    QCOMPARE(picked.count(), 1);
    QCOMPARE(p.f.markColour(0), (Colour{0x33, 0x66, 0x99}));
    QVERIFY(p.f.scripted.messages.shown.isEmpty());
}

void TestPortalPick::missingPortalSaysSoOnceAndChangesNothing_data() {
    QTest::addColumn<Desktop>("desktop");
    QTest::newRow("no session bus") << Desktop::NoSessionBus;
    QTest::newRow("no portal") << Desktop::NoPortal;
    QTest::newRow("no screenshot interface") << Desktop::NoScreenshotInterface;
    QTest::newRow("no colour picks") << Desktop::NoPickColor;
}

void TestPortalPick::missingPortalSaysSoOnceAndChangesNothing() {
    QFETCH(Desktop, desktop);
    OldPortal old;
    if (desktop == Desktop::NoScreenshotInterface)
        QVERIFY(ownPortalName(connect(QStringLiteral("portal")), nullptr));
    else if (desktop == Desktop::NoPickColor)
        QVERIFY(ownPortalName(connect(QStringLiteral("portal")), &old));
    PortalFixture p(desktop == Desktop::NoSessionBus ? QDBusConnection(QStringLiteral("none"))
                                                     : connect(QStringLiteral("app")));
    p.pick();
    QTRY_COMPARE(p.f.scripted.messages.shown.size(), 1);
    QTRY_VERIFY(p.callsAnswered());
    QCOMPARE(p.f.scripted.messages.shown.size(), 1);
    QCOMPARE(p.f.scripted.messages.shown[0].text, PickMode::portalUnavailableText());
    QCOMPARE(p.f.sliderColour(), (Colour{255, 0, 0}));
    QVERIFY(!p.f.paletteChanged());
}

void TestPortalPick::staleRequestsAreIgnored() {
    FakePortal fake(connect(QStringLiteral("portal")));
    QVERIFY(ownPortalName(fake.bus(), &fake));
    PortalFixture p(connect(QStringLiteral("app")));
    p.pick();
    QTRY_COMPARE(fake.requests.size(), 1);
    p.pick();
    QTRY_COMPARE(fake.requests.size(), 2);
    // The first request was overtaken by the second.
    fake.answer(fake.requests[0], {0, 0.2, 0.4, 0.6});
    QTRY_COMPARE(p.answers.count, 1);
    QCOMPARE(p.f.sliderColour(), (Colour{255, 0, 0}));
    fake.answer(fake.requests[1], {0, 1.0, 1.0, 1.0});
    QTRY_COMPARE(p.f.sliderColour(), (Colour{255, 255, 255}));
    // An answer repeated, or one to a pick abandoned by leaving pick mode, changes nothing.
    fake.answer(fake.requests[1], {0, 0.0, 0.0, 0.0});
    p.press();
    QTRY_COMPARE(fake.requests.size(), 3);
    QTest::keyClick(p.f.window.get(), Qt::Key_F7);
    fake.answer(fake.requests[2], {0, 0.0, 0.0, 0.0});
    QTRY_COMPARE(p.answers.count, 4);
    QCOMPARE(p.f.sliderColour(), (Colour{255, 255, 255}));
    QVERIFY(p.f.scripted.messages.shown.isEmpty());
}

void TestPortalPick::commandPicksThroughThePortalWithoutPickMode() {
    FakePortal fake(connect(QStringLiteral("portal")));
    QVERIFY(ownPortalName(fake.bus(), &fake));
    PortalFixture p(connect(QStringLiteral("app")));
    QTest::keyClick(p.f.window.get(), Qt::Key_F7);
    QVERIFY(!p.f.ui().mnuToolsColourPickMode->isChecked());
    fake.queued.append({0, 0.2, 0.4, 0.6});
    p.f.ui().command(Command::PickFromScreen)->trigger();
    QTRY_COMPARE(p.f.markColour(0), (Colour{0x33, 0x66, 0x99}));
    // The still image was refused, so the desktop's picker was asked; neither got a window
    // handle, which this platform has none of.
    QCOMPARE(fake.parentWindows, (QStringList{QString(), QString()}));
    QCOMPARE(p.f.scripted.screen.reads, 0);
    p.f.ui().command(Command::Undo)->trigger();
    QCOMPARE(p.f.markColour(0), (Colour{255, 0, 0}));
    // A cancel after the command leaves everything as it was.
    fake.queued.append({1, 1.0, 1.0, 1.0});
    p.f.ui().command(Command::PickFromScreen)->trigger();
    QTRY_COMPARE(p.answers.count, 2);
    QCOMPARE(p.f.markColour(0), (Colour{255, 0, 0}));
    QVERIFY(p.f.scripted.messages.shown.isEmpty());
}

void TestPortalPick::commandPicksOnTheDesktopsStillImage() {
    FakePortal fake(connect(QStringLiteral("portal")));
    QVERIFY(ownPortalName(fake.bus(), &fake));
    QTemporaryDir folder;
    QImage desktop(QGuiApplication::primaryScreen()->geometry().size(), QImage::Format_RGB32);
    desktop.fill(QColor(0x40, 0x40, 0x40));
    desktop.setPixelColor(120, 80, QColor(0xC0, 0xFF, 0xEE));
    fake.screenshotFile = folder.filePath(QStringLiteral("desktop.png"));
    QVERIFY(desktop.save(fake.screenshotFile));
    PortalFixture p(connect(QStringLiteral("app")));
    QTest::keyClick(p.f.window.get(), Qt::Key_F7);
    p.f.ui().command(Command::PickFromScreen)->trigger();
    QTRY_VERIFY(p.f.window->findChild<FrozenPicker*>() != nullptr);
    QCOMPARE(fake.screenshotOptions.value(QStringLiteral("interactive")), QVariant(false));
    QVERIFY(fake.requests.isEmpty());
    QWidget* screen = p.f.window->findChild<FrozenPicker*>()->window(0);
    for (const auto type : {QEvent::MouseMove, QEvent::MouseButtonPress}) {
        QMouseEvent event(type, QPointF(120.5, 80.5), QPointF(120.5, 80.5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(screen->windowHandle(), &event);
    }
    QCOMPARE(p.f.markColour(0), (Colour{0xC0, 0xFF, 0xEE}));
    QVERIFY(p.f.scripted.messages.shown.isEmpty());
}

void TestPortalPick::windowHandle_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<quintptr>("id");
    QTest::addColumn<QString>("exported");
    QTest::addColumn<QString>("expected");
    const QString none;
    const QString exported = QStringLiteral("5d1f2a9c-4b7e");
    QTest::newRow("X11") << QStringLiteral("xcb") << quintptr{0x3a00007} << none
                         << QStringLiteral("x11:3a00007");
    QTest::newRow("X11, no window yet") << QStringLiteral("xcb") << quintptr{0} << none << none;
    QTest::newRow("Wayland, exported") << QStringLiteral("wayland") << quintptr{5} << exported
                                       << QStringLiteral("wayland:5d1f2a9c-4b7e");
    QTest::newRow("Wayland with EGL, exported")
        << QStringLiteral("wayland-egl") << quintptr{5} << exported
        << QStringLiteral("wayland:5d1f2a9c-4b7e");
    QTest::newRow("Wayland, export not answered yet")
        << QStringLiteral("wayland") << quintptr{5} << none << none;
    QTest::newRow("offscreen") << QStringLiteral("offscreen") << quintptr{5} << exported << none;
}

void TestPortalPick::windowHandle() {
    QFETCH(QString, platform);
    QFETCH(quintptr, id);
    QFETCH(QString, exported);
    QFETCH(QString, expected);
    QCOMPARE(portalWindowHandle(platform, id, exported), expected);
}

QTEST_MAIN(TestPortalPick)
#include "test_portalpick.moc"
