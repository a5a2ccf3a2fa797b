#include "app/single_instance.h"

#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QLocalSocket>

namespace {

// Long enough for a console busy in a handler (a pad decoding a long file)
// to come back to its loop; a console that takes longer is taken for gone.
constexpr int kAnswerMs = 5000;
constexpr char kTaken = '1';

}  // namespace

QString ConsoleSocketName() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QFile::decodeName(runtime)).exists())
        return QFile::decodeName(runtime) + QStringLiteral("/tornel-console");
    return QDir::tempPath() + QStringLiteral("/tornel-console-%1").arg(getuid());
}

bool HandToRunningConsole(const QString& name, const QByteArray& path) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kAnswerMs)) return false;
    QDataStream out(&socket);
    out << path;
    if (!socket.waitForBytesWritten(kAnswerMs)) return false;
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(kAnswerMs)) return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}

ConsoleListener::ConsoleListener(const QString& name, Take take) : take_(std::move(take)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, [this] { Accept(); });
    // A console answers there: it keeps the place, and later starts find it.
    // Asked first, since listening would put a new socket in its place.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kAnswerMs)) return;
    // Left behind by a console that ended without removing it.
    QLocalServer::removeServer(name);
    server_.listen(name);
}

// A request is one path in the stream's framing; it may arrive in pieces.
void ConsoleListener::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QByteArray path;
            in >> path;
            if (!in.commitTransaction()) return;
            socket->putChar(kTaken);
            socket->flush();
            take_(path);
        });
    }
}
