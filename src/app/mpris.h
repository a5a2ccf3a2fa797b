// The deck as an MPRIS player on the session bus, so that the desktop's
// media controls (panel players, media keys, playerctl) see and drive it.
// Commands go to the window as media-key messages, so they take the deck's
// own buttons; what the player shows follows the deck.
#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QTimer>
#include <QVariantMap>

class MprisPlayer : public QDBusVirtualObject {
public:
    // Registers on `bus` (nothing happens on a bus that is not connected).
    explicit MprisPlayer(QDBusConnection bus);
    ~MprisPlayer() override;
    bool Registered() const { return registered_; }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QVariantMap Properties(const QString& interface) const;
    // Sends PropertiesChanged for what differs from the last look.
    void Follow();

    QDBusConnection bus_;
    QString service_;
    bool registered_ = false;
    QTimer follow_;
    QVariantMap shown_;  // the player interface's properties as last announced
};
