#include "wrappers/mediaplayer.h"

#include "platform/automation/comapartment.h"
#include "platform/toolkit/textnumber.h"

#include <algorithm>
#include <cmath>

namespace {

QByteArray twoDigits(qint64 value)
{
    return value < 10 ? "0" + QByteArray::number(value) : QByteArray::number(value);
}

} // namespace

MediaPlayer::MediaPlayer()
{
    m_apartment.enter();
    m_playerObject.create(kProgId);
}

MediaPlayer::~MediaPlayer()
{
    m_playerObject.clear();
    m_apartment.leaveAll();
}

MediaPlayer::MediaPlayer(const MediaPlayer &other)
    : m_playerObject(other.m_playerObject)
    , m_controlsObject(other.m_controlsObject)
    , m_settingsObject(other.m_settingsObject)
    , m_mediaObject(other.m_mediaObject)
    , m_networkObject(other.m_networkObject)
{
}

void MediaPlayer::initHosting() {}

void MediaPlayer::open(const QByteArray &url)
{
    m_playerObject.write("url", url);
    m_controlsObject = m_playerObject.callObject("Controls");
    m_mediaObject = m_playerObject.callObject("currentMedia");
    m_settingsObject = m_playerObject.callObject("settings");
    m_networkObject = m_playerObject.callObject("Network");
}

void MediaPlayer::play()
{
    m_controlsObject.call("Play");
}

void MediaPlayer::setPlayCount(const QByteArray &count)
{
    m_settingsObject.write("PlayCount", count);
}

void MediaPlayer::toggleMute()
{
    const bool muted = m_settingsObject.readBool("mute");
    m_settingsObject.write("mute", muted ? "false" : "true");
}

void MediaPlayer::setVolume(const QByteArray &volume)
{
    m_settingsObject.write("volume", volume);
}

void MediaPlayer::pause()
{
    m_controlsObject.call("Pause");
}

void MediaPlayer::stop()
{
    m_controlsObject.call("stop");
}

QByteArray MediaPlayer::status() const
{
    return m_playerObject.readText("status");
}

int MediaPlayer::playState() const
{
    return truncatedToInt(m_playerObject.readNumber("playstate"));
}

double MediaPlayer::position() const
{
    return m_controlsObject.readNumber("currentPosition");
}

double MediaPlayer::duration() const
{
    return m_mediaObject.readNumber("duration");
}

QByteArray MediaPlayer::title() const
{
    return itemInfo("title", "未知标题");
}

QByteArray MediaPlayer::author() const
{
    return itemInfo("Author", "未知作者");
}

QByteArray MediaPlayer::mediaRights() const
{
    return itemInfo("Copyright", "未知版权");
}

QByteArray MediaPlayer::mediaType() const
{
    return itemInfo("strType", "未知类型");
}

QByteArray MediaPlayer::bitRateText() const
{
    const double kilobits = std::floor(m_mediaObject.readNumber("getItemInfo", {"Bitrate"}) / 1000);
    // A figure no stream has (or no number at all) is taken as no figure.
    const bool plausible = kilobits >= 0 && kilobits < 1e12;
    return QByteArray::number(plausible ? static_cast<qint64>(kilobits) : 0) + " kbit/sec";
}

QByteArray MediaPlayer::bufferingCount() const
{
    return m_networkObject.readText("bufferingCount");
}

QByteArray MediaPlayer::bufferingProgress() const
{
    return m_networkObject.readText("bufferingProgress");
}

void MediaPlayer::setPosition(const QByteArray &seconds)
{
    m_controlsObject.write("currentPosition", seconds);
}

QByteArray MediaPlayer::formatTime(qint64 seconds)
{
    seconds = std::max<qint64>(seconds, 0);
    return twoDigits(seconds / 60) + ":" + twoDigits(seconds % 60);
}

qint64 MediaPlayer::parseTime(QByteArrayView text)
{
    const QByteArrayView head = text.first(std::min<qsizetype>(text.size(), 5));
    const qsizetype colon = head.indexOf(':');
    if (colon < 0)
        return 0;
    return leadingInteger(head.first(colon)) * 60 + leadingInteger(head.sliced(colon + 1));
}

QByteArray MediaPlayer::itemInfo(const char *name, const char *fallback) const
{
    const QByteArray value = m_mediaObject.readText("getItemInfo", {name});
    return value.isEmpty() ? QByteArray(fallback) : value;
}
