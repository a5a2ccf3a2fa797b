#include "app/realtime_kit.h"

#include <sys/resource.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariant>

#include <algorithm>

#include "audio/thread_priority.h"

namespace {

const char* const kService = "org.freedesktop.RealtimeKit1";
const char* const kPath = "/org/freedesktop/RealtimeKit1";
constexpr int kTimeoutMs = 1000;
// The service grants only processes that cap their threads' real-time CPU
// time without a sleep; an audio thread sleeps every few milliseconds.
constexpr rlim_t kRealtimeCpuMicroseconds = 200000;

bool CapRealtimeCpu()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) != 0) return false;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max <= kRealtimeCpuMicroseconds) return true;
    limit.rlim_cur = limit.rlim_max = kRealtimeCpuMicroseconds;
    return setrlimit(RLIMIT_RTTIME, &limit) == 0;
}

// The service's MaxRealtimePriority, or -1 when it does not answer.
int HighestGranted(QDBusConnection& bus)
{
    QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, "org.freedesktop.DBus.Properties", "Get");
    get << QString(kService) << QString("MaxRealtimePriority");
    const QDBusMessage reply = bus.call(get, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return -1;
    bool ok = false;
    const int highest = reply.arguments().first().value<QDBusVariant>().variant().toInt(&ok);
    return ok ? highest : -1;
}

}  // namespace

bool MakeThreadRealtimeThroughRealtimeKit(long tid, int priority)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !CapRealtimeCpu()) return false;
    const int highest = HighestGranted(bus);
    if (highest < 1) return false;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, "MakeThreadRealtime");
    call << static_cast<qulonglong>(tid) << static_cast<quint32>(std::min(priority, highest));
    return bus.call(call, QDBus::Block, kTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

RealtimeKitClient::RealtimeKitClient() { audio::SetRealtimeKit(MakeThreadRealtimeThroughRealtimeKit); }

RealtimeKitClient::~RealtimeKitClient() { audio::SetRealtimeKit(nullptr); }
