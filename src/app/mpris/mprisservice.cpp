#include "app/mpris/mprisservice.h"

#include "app/mpris/mprisadaptors.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {

const QString serviceName = QStringLiteral("org.mpris.MediaPlayer2.quorin");
const QString objectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

} // namespace

MprisService::MprisService(MprisHost host, QObject *parent)
    : QObject(parent)
    , m_host(std::move(host))
{
    new MprisRootAdaptor(this, *this);
    new MprisPlayerAdaptor(this, *this);
}

MprisService::~MprisService()
{
    if (!m_connection)
        return;
    m_connection->unregisterObject(objectPath);
    m_connection->unregisterService(serviceName);
}

bool MprisService::attach(QDBusConnection connection)
{
    if (!connection.isConnected())
        return false;
    if (!connection.registerObject(objectPath, this, QDBusConnection::ExportAdaptors))
        return false;
    if (!connection.registerService(serviceName)) {
        connection.unregisterObject(objectPath);
        return false;
    }
    m_connection = connection;
    m_announcedStatus = playbackStatus(m_host.playState());
    m_announcedVolume = m_host.volume();
    m_announcedMetadata = metadata();
    return true;
}

QVariantMap MprisService::metadata() const
{
    return trackMetadata(m_track, m_host.durationSeconds());
}

void MprisService::setTrack(const MprisTrack &track)
{
    m_track = track;
    refresh();
}

void MprisService::setLyrics(const QByteArray &lyrics)
{
    m_track.lyrics = lyrics;
    refresh();
}

void MprisService::refresh()
{
    if (!m_connection)
        return;
    QVariantMap changed;
    const QString status = playbackStatus(m_host.playState());
    if (status != m_announcedStatus)
        changed.insert(QStringLiteral("PlaybackStatus"), m_announcedStatus = status);
    const int volume = m_host.volume();
    if (volume != m_announcedVolume) {
        m_announcedVolume = volume;
        changed.insert(QStringLiteral("Volume"), volumeFromSlider(volume));
    }
    // The length becomes known once the song plays, so a change of state may change the metadata too.
    const QVariantMap current = metadata();
    if (current != m_announcedMetadata)
        changed.insert(QStringLiteral("Metadata"), m_announcedMetadata = current);
    if (!changed.isEmpty())
        announce(playerInterface, changed);
}

void MprisService::announce(const QString &interface, const QVariantMap &changed)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        objectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << interface << changed << QStringList();
    m_connection->send(signal);
}
