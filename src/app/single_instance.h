// One console per user session on Linux: a later start hands its set file to
// the console already running, over a local socket in the user's runtime
// folder, which needs no session bus.
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QString>
#include <functional>

// The socket's place: the user's runtime folder, else the system's
// temporary folder under a name with the user's id.
QString ConsoleSocketName();

// Hands `path` to the console listening at `name`; true once that console
// has taken it. False, at once, when none listens there.
bool HandToRunningConsole(const QString& name, const QByteArray& path);

// Takes what later starts hand over, for as long as it lives.
class ConsoleListener {
public:
    using Take = std::function<void(const QByteArray& path)>;
    // Listens at `name` unless a console answers there, taking over a
    // socket that none answers at.
    ConsoleListener(const QString& name, Take take);
    bool Listening() const { return server_.isListening(); }

private:
    void Accept();

    QLocalServer server_;
    Take take_;
};
