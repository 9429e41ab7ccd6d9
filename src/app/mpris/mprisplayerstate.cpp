#include "app/mpris/mprisplayerstate.h"

#include <QDBusObjectPath>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr int statePaused = 2;
constexpr int statePlaying = 3;
constexpr int stateBuffering = 6;
constexpr int stateWaiting = 9;
constexpr int sliderMinimum = 1;
constexpr int sliderMaximum = 100;

// A sid may hold anything an answer put there; an object path takes letters, digits and "_" only.
QDBusObjectPath trackId(const QByteArray &sid)
{
    if (sid.isEmpty())
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    QString element;
    for (const char c : sid)
        element += std::isalnum(static_cast<unsigned char>(c)) ? QLatin1Char(c) : QLatin1Char('_');
    return QDBusObjectPath(QStringLiteral("/org/quorin/track/") + element);
}

} // namespace

QString playbackStatus(int playState)
{
    switch (playState) {
    case statePaused:
        return QStringLiteral("Paused");
    case statePlaying:
    case stateBuffering:
    case stateWaiting:
        return QStringLiteral("Playing");
    default:
        return QStringLiteral("Stopped");
    }
}

QVariantMap trackMetadata(const MprisTrack &track, double durationSeconds)
{
    QVariantMap metadata;
    metadata.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(trackId(track.sid)));
    if (track.sid.isEmpty() && track.title.isEmpty())
        return metadata;
    metadata.insert(QStringLiteral("xesam:title"), QString::fromUtf8(track.title));
    metadata.insert(QStringLiteral("xesam:artist"), QStringList{QString::fromUtf8(track.artist)});
    if (!track.album.isEmpty())
        metadata.insert(QStringLiteral("xesam:album"), QString::fromUtf8(track.album));
    if (!track.coverUrl.isEmpty())
        metadata.insert(QStringLiteral("mpris:artUrl"), QString::fromUtf8(track.coverUrl));
    if (durationSeconds > 0 && std::isfinite(durationSeconds))
        metadata.insert(QStringLiteral("mpris:length"), static_cast<qlonglong>(durationSeconds * 1e6));
    if (!track.lyrics.isEmpty())
        metadata.insert(QStringLiteral("xesam:asText"), QString::fromUtf8(track.lyrics));
    return metadata;
}

double volumeFromSlider(int position)
{
    return position / static_cast<double>(sliderMaximum);
}

int sliderFromVolume(double volume)
{
    if (!std::isfinite(volume))
        return sliderMinimum;
    const long scaled = std::lround(std::clamp(volume, 0.0, 1.0) * sliderMaximum);
    return std::clamp(static_cast<int>(scaled), sliderMinimum, sliderMaximum);
}
