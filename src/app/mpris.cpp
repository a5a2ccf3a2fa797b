#include "app/mpris.h"

#include <unistd.h>

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include "cd/cd_transport.h"
#include "cd/media_keys.h"
#include "platform/host.h"
#include "shell/console_state.h"

namespace {

const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int kFollowMs = 250;

const char kIntrospection[] = R"(<interface name="org.mpris.MediaPlayer2">
  <method name="Raise"/><method name="Quit"/>
  <property name="CanQuit" type="b" access="read"/><property name="CanRaise" type="b" access="read"/>
  <property name="HasTrackList" type="b" access="read"/><property name="Identity" type="s" access="read"/>
  <property name="DesktopEntry" type="s" access="read"/>
  <property name="SupportedUriSchemes" type="as" access="read"/>
  <property name="SupportedMimeTypes" type="as" access="read"/>
</interface>
<interface name="org.mpris.MediaPlayer2.Player">
  <method name="Next"/><method name="Previous"/><method name="Pause"/><method name="PlayPause"/>
  <method name="Stop"/><method name="Play"/>
  <method name="Seek"><arg direction="in" type="x"/></method>
  <method name="SetPosition"><arg direction="in" type="o"/><arg direction="in" type="x"/></method>
  <method name="OpenUri"><arg direction="in" type="s"/></method>
  <signal name="Seeked"><arg type="x"/></signal>
  <property name="PlaybackStatus" type="s" access="read"/><property name="Rate" type="d" access="read"/>
  <property name="Metadata" type="a{sv}" access="read"/><property name="Volume" type="d" access="read"/>
  <property name="Position" type="x" access="read"/><property name="MinimumRate" type="d" access="read"/>
  <property name="MaximumRate" type="d" access="read"/><property name="CanGoNext" type="b" access="read"/>
  <property name="CanGoPrevious" type="b" access="read"/><property name="CanPlay" type="b" access="read"/>
  <property name="CanPause" type="b" access="read"/><property name="CanSeek" type="b" access="read"/>
  <property name="CanControl" type="b" access="read"/>
</interface>
)";

int MediaCommand(const QString& method) {
    if (method == QLatin1String("Play")) return win::APPCOMMAND_MEDIA_PLAY;
    if (method == QLatin1String("Pause")) return win::APPCOMMAND_MEDIA_PAUSE;
    if (method == QLatin1String("PlayPause")) return win::APPCOMMAND_MEDIA_PLAY_PAUSE;
    if (method == QLatin1String("Stop")) return win::APPCOMMAND_MEDIA_STOP;
    if (method == QLatin1String("Next")) return win::APPCOMMAND_MEDIA_NEXTTRACK;
    if (method == QLatin1String("Previous")) return win::APPCOMMAND_MEDIA_PREVIOUSTRACK;
    return 0;
}

QString PlaybackStatus() {
    if (g_cdState == 0) return QStringLiteral("Playing");
    return g_cdState == 1 ? QStringLiteral("Paused") : QStringLiteral("Stopped");
}

QVariantMap Metadata() {
    QVariantMap metadata;
    const int track = g_trackCount > 0 ? CdCurrentTrack() : 0;
    if (track < 1 || track > g_trackCount) {
        metadata[QStringLiteral("mpris:trackid")] =
            QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack")));
        return metadata;
    }
    metadata[QStringLiteral("mpris:trackid")] =
        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/tornel/Tornel/track/%1").arg(track)));
    metadata[QStringLiteral("xesam:trackNumber")] = track;
    metadata[QStringLiteral("mpris:length")] = static_cast<qlonglong>(CdTrackLengthMs(track)) * 1000;
    return metadata;
}

QDBusMessage ErrorFor(const QDBusMessage& message, const QString& text) {
    return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"), text);
}

}  // namespace

// A second console takes a name of its own, as players do.
MprisPlayer::MprisPlayer(QDBusConnection bus) : bus_(std::move(bus)) {
    if (!bus_.isConnected()) return;
    if (!bus_.registerVirtualObject(kPath, this)) return;
    service_ = QStringLiteral("org.mpris.MediaPlayer2.tornel");
    if (!bus_.registerService(service_)) {
        service_ += QStringLiteral(".instance%1").arg(getpid());
        if (!bus_.registerService(service_)) return;
    }
    registered_ = true;
    shown_ = Properties(kPlayer);
    QObject::connect(&follow_, &QTimer::timeout, [this] { Follow(); });
    follow_.start(kFollowMs);
}

MprisPlayer::~MprisPlayer() {
    if (!bus_.isConnected()) return;
    if (registered_) bus_.unregisterService(service_);
    bus_.unregisterObject(kPath);
}

QString MprisPlayer::introspect(const QString&) const { return QString::fromLatin1(kIntrospection); }

QVariantMap MprisPlayer::Properties(const QString& interface) const {
    QVariantMap properties;
    if (interface == kRoot) {
        properties[QStringLiteral("CanQuit")] = false;
        properties[QStringLiteral("CanRaise")] = false;
        properties[QStringLiteral("HasTrackList")] = false;
        properties[QStringLiteral("Identity")] = QStringLiteral("Tornel");
        properties[QStringLiteral("DesktopEntry")] = QStringLiteral("org.tornel.Tornel");
        properties[QStringLiteral("SupportedUriSchemes")] = QStringList();
        properties[QStringLiteral("SupportedMimeTypes")] = QStringList();
    } else if (interface == kPlayer) {
        const bool disc = g_trackCount > 0;
        properties[QStringLiteral("PlaybackStatus")] = PlaybackStatus();
        properties[QStringLiteral("Rate")] = 1.0;
        properties[QStringLiteral("MinimumRate")] = 1.0;
        properties[QStringLiteral("MaximumRate")] = 1.0;
        properties[QStringLiteral("Volume")] = 1.0;
        properties[QStringLiteral("Metadata")] = Metadata();
        properties[QStringLiteral("Position")] = static_cast<qlonglong>(disc ? CdTrackPositionMs() : 0) * 1000;
        properties[QStringLiteral("CanGoNext")] = DeckCanSkip();
        properties[QStringLiteral("CanGoPrevious")] = DeckCanSkip();
        properties[QStringLiteral("CanPlay")] = disc;
        properties[QStringLiteral("CanPause")] = disc && g_cdState == 0;
        properties[QStringLiteral("CanSeek")] = false;
        properties[QStringLiteral("CanControl")] = true;
    }
    return properties;
}

bool MprisPlayer::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    const QString interface = message.interface();
    const QString member = message.member();
    const QVariantList args = message.arguments();
    if (interface == kProperties) {
        const QVariantMap properties = Properties(args.value(0).toString());
        if (member == QLatin1String("GetAll")) return connection.send(message.createReply(QVariant(properties)));
        if (member == QLatin1String("Get")) {
            const QString name = args.value(1).toString();
            if (!properties.contains(name)) return connection.send(ErrorFor(message, QStringLiteral("No such property")));
            return connection.send(message.createReply(QVariant::fromValue(QDBusVariant(properties[name]))));
        }
        return connection.send(ErrorFor(message, QStringLiteral("The properties are read-only")));
    }
    if (interface == kPlayer || interface.isEmpty()) {
        if (const int command = MediaCommand(member)) {
            if (win::HWND window = win::MainWindow())
                win::SendMessageA(window, win::WM_APPCOMMAND, 0, win::MAKELPARAM(0, command));
            connection.send(message.createReply());
            Follow();
            return true;
        }
        // Seeking and opening are not the deck's: they do nothing.
        if (member == QLatin1String("Seek") || member == QLatin1String("SetPosition") ||
            member == QLatin1String("OpenUri"))
            return connection.send(message.createReply());
    }
    if (interface == kRoot || interface.isEmpty()) {
        if (member == QLatin1String("Raise") || member == QLatin1String("Quit"))
            return connection.send(message.createReply());
    }
    return false;
}

// The position moves on its own and is not announced, as players do.
void MprisPlayer::Follow() {
    QVariantMap now = Properties(kPlayer);
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (it.key() != QLatin1String("Position") && shown_.value(it.key()) != it.value()) changed[it.key()] = it.value();
    }
    shown_ = now;
    if (changed.isEmpty()) return;
    QDBusMessage signal = QDBusMessage::createSignal(kPath, kProperties, QStringLiteral("PropertiesChanged"));
    signal << kPlayer << changed << QStringList();
    bus_.send(signal);
}
