#pragma once

#include "app/mpris/mprisplayerstate.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <optional>

// The program as an MPRIS2 media player on the session bus (org.mpris.MediaPlayer2.quorin at
// /org/mpris/MediaPlayer2), so the desktop's media controls, media keys and lyrics applets find it. Every
// value is read from the host when asked; the program tells the service when something changed, and the
// service announces the properties that did (PropertiesChanged). Position is read, never announced.
class MprisService : public QObject {
    Q_OBJECT
public:
    explicit MprisService(MprisHost host, QObject *parent = nullptr);
    ~MprisService() override;

    // Takes the bus name and exports the object; false, and the service stays silent, when the bus is not
    // there or the name is taken.
    bool attach(QDBusConnection connection = QDBusConnection::sessionBus());

    // A new song; its lyrics may follow later with setLyrics().
    void setTrack(const MprisTrack &track);
    void setLyrics(const QByteArray &lyrics);
public slots:
    // The player's state or the volume may have changed: announces what did.
    void refresh();

public:
    // What the adaptors serve.
    const MprisHost &host() const { return m_host; }
    QVariantMap metadata() const;

private:
    void announce(const QString &interface, const QVariantMap &changed);

    MprisHost m_host;
    MprisTrack m_track;
    std::optional<QDBusConnection> m_connection;
    QString m_announcedStatus;
    int m_announcedVolume = -1;
    QVariantMap m_announcedMetadata;
};
