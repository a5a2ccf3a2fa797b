// The deck as an MPRIS player on a private session bus that the test starts:
// the desktop's calls take the deck's buttons, and the properties (with their
// change signals) follow the deck.
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QProcess>
#include <QTest>

#include "app/mpris.h"
#include "qt/qt_console.h"
#include "shell/console_state.h"

namespace {

const QString kService = QStringLiteral("org.mpris.MediaPlayer2.tornel");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");

class Mpris : public QtConsole {
protected:
    Mpris() {
        daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        if (!daemon.waitForStarted() || !daemon.waitForReadyRead(10000)) return;
        address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~Mpris() override {
        player.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("mpris-player"));
        QDBusConnection::disconnectFromBus(QStringLiteral("mpris-client"));
        daemon.kill();
        daemon.waitForFinished();
    }
    void SetUp() override {
        if (address.isEmpty()) GTEST_SKIP() << "no dbus-daemon to start";
        player = std::make_unique<MprisPlayer>(QDBusConnection::connectToBus(address, QStringLiteral("mpris-player")));
        ASSERT_TRUE(player->Registered());
    }
    QDBusConnection Client() const { return QDBusConnection::connectToBus(address, QStringLiteral("mpris-client")); }

    // Asked without blocking: the player answers from this thread's loop.
    QDBusMessage Call(const QString& interface, const QString& method, const QVariantList& args = {}) {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, interface, method);
        call.setArguments(args);
        QDBusPendingCall pending = Client().asyncCall(call);
        EXPECT_TRUE(QTest::qWaitFor([&pending] { return pending.isFinished(); }, 10000));
        Pump();
        return pending.reply();
    }
    QVariant Get(const QString& interface, const QString& name) {
        const QDBusMessage reply =
            Call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"), {interface, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    QVariant PlayerProperty(const QString& name) { return Get(kPlayer, name); }

    QProcess daemon;
    QString address;
    std::unique_ptr<MprisPlayer> player;
};

}  // namespace

TEST_F(Mpris, NamesItselfAsTheDesktopEntry) {
    EXPECT_EQ(Get(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Identity")).toString(), "Tornel");
    EXPECT_EQ(Get(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("DesktopEntry")).toString(),
              "org.tornel.Tornel");
    const QDBusMessage unknown = Call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                      {kPlayer, QStringLiteral("Shuffle")});
    EXPECT_EQ(unknown.type(), QDBusMessage::ErrorMessage);
}

TEST_F(Mpris, CallsTakeTheDecksButtonsAndTheStatusFollows) {
    cd.Answer("status cdaudio current track", "3");
    EXPECT_EQ(PlayerProperty("PlaybackStatus").toString(), "Stopped");
    EXPECT_FALSE(PlayerProperty("CanGoNext").toBool());
    EXPECT_TRUE(PlayerProperty("CanPlay").toBool());

    Call(kPlayer, "Play");
    EXPECT_EQ(g_cdState, 0);
    EXPECT_EQ(PlayerProperty("PlaybackStatus").toString(), "Playing");
    EXPECT_TRUE(PlayerProperty("CanGoNext").toBool());
    EXPECT_TRUE(PlayerProperty("CanPause").toBool());

    cd.ClearSent();
    Call(kPlayer, "Next");
    const Commands& sent = cd.Sent();
    EXPECT_NE(std::find(sent.begin(), sent.end(), "play cdaudio from 4 notify"), sent.end());

    Call(kPlayer, "PlayPause");
    EXPECT_EQ(g_cdState, 1);
    EXPECT_EQ(PlayerProperty("PlaybackStatus").toString(), "Paused");
    Call(kPlayer, "PlayPause");
    EXPECT_EQ(g_cdState, 0);
    Call(kPlayer, "Stop");
    EXPECT_EQ(g_cdState, 2);
}

TEST_F(Mpris, MetadataAndPositionDescribeTheCurrentTrack) {
    cd.Answer("status cdaudio current track", "2");
    cd.Answer("status cdaudio position", "02:01:05:15");
    const QVariantMap metadata = qdbus_cast<QVariantMap>(PlayerProperty("Metadata"));
    EXPECT_EQ(metadata.value("mpris:trackid").value<QDBusObjectPath>().path(), "/org/tornel/Tornel/track/2");
    EXPECT_EQ(metadata.value("xesam:trackNumber").toInt(), 2);
    EXPECT_EQ(metadata.value("mpris:length").toLongLong(), 200000LL * 1000);
    EXPECT_EQ(PlayerProperty("Position").toLongLong(), (65 * 1000 + 200) * 1000LL);
}

// Watched as a desktop's panel would, from another process.
TEST_F(Mpris, ChangesAreAnnounced) {
    QProcess monitor;
    monitor.start(QStringLiteral("dbus-monitor"),
                  {"--address", address, "type='signal',member='PropertiesChanged',path='/org/mpris/MediaPlayer2'"});
    ASSERT_TRUE(monitor.waitForStarted());
    QByteArray seen;
    // The monitor is listening once it reports its own name.
    ASSERT_TRUE(QTest::qWaitFor([&] { return (seen += monitor.readAll()).contains("NameAcquired"); }, 10000));
    Call(kPlayer, "Play");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            seen += monitor.readAll();
            return seen.contains("PlaybackStatus") && seen.contains("Playing");
        },
        10000));
    monitor.kill();
    monitor.waitForFinished();
}
