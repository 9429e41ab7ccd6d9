#include "platform/components/mediaplayer/mediaplayercomponent.h"

#include "platform/automation/componentregistry.h"
#include "platform/components/mediaplayer/playercontrols.h"
#include "platform/components/mediaplayer/playermedia.h"
#include "platform/components/mediaplayer/playernetwork.h"
#include "platform/components/mediaplayer/playersettings.h"
#include "platform/toolkit/curlsupport.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool isFlagSet(const mpv_event_property &property)
{
    return property.format == MPV_FORMAT_FLAG && *static_cast<const int *>(property.data) != 0;
}

qint64 integerOf(const mpv_event_property &property)
{
    return property.format == MPV_FORMAT_INT64 ? *static_cast<const qint64 *>(property.data) : 0;
}

// The playlist entry a loadfile reply names, or -1.
qint64 entryIdOf(const mpv_node &result)
{
    if (result.format != MPV_FORMAT_NODE_MAP)
        return -1;
    const mpv_node_list *map = result.u.list;
    for (int i = 0; i < map->num; ++i) {
        if (std::strcmp(map->keys[i], "playlist_entry_id") == 0 && map->values[i].format == MPV_FORMAT_INT64)
            return map->values[i].u.int64;
    }
    return -1;
}

} // namespace

MediaPlayerComponent::MediaPlayerComponent(QObject *parent)
    : QObject(parent)
    , m_controls(new PlayerControls(*this))
    , m_settings(new PlayerSettings(m_session, this))
    , m_currentMedia(new PlayerMedia(m_session, this))
    , m_network(new PlayerNetwork(*this))
{
    m_session.observe("pause", MPV_FORMAT_FLAG);
    m_session.observe("paused-for-cache", MPV_FORMAT_FLAG);
    m_session.observe("cache-buffering-state", MPV_FORMAT_INT64);
    connect(&m_session, &MpvSession::eventArrived, this, &MediaPlayerComponent::handleEvent);
}

MediaPlayerComponent::~MediaPlayerComponent() = default;

void MediaPlayerComponent::setUrl(const QString &url)
{
    m_url = url;
    if (!CurlSupport::isHttpUrl(url.toUtf8())) {
        // mpv would open local files and other protocols itself, so only http and https reach it.
        m_session.commandAsync({"stop"});
        fail(QStringLiteral("Only http and https addresses can be played"));
        return;
    }
    load();
}

QString MediaPlayerComponent::status() const
{
    switch (m_reportedState) {
    case Stopped:
        return QStringLiteral("Stopped");
    case Paused:
        return QStringLiteral("Paused");
    case Playing:
        return QStringLiteral("Playing");
    case Buffering:
        return QStringLiteral("Buffering");
    case MediaEnded:
        return QStringLiteral("Media ended");
    case Transitioning:
        return QStringLiteral("Opening");
    case Ready:
        return m_failure;
    default:
        return {};
    }
}

void MediaPlayerComponent::play()
{
    switch (m_phase) {
    case Phase::Opening:
    case Phase::Active:
        m_session.setFlagAsync("pause", false);
        break;
    case Phase::Ended:
    case Phase::Stopped:
    case Phase::Failed:
        if (CurlSupport::isHttpUrl(m_url.toUtf8()))
            load();
        break;
    case Phase::Idle:
        break;
    }
}

void MediaPlayerComponent::pause()
{
    if (m_phase == Phase::Opening || m_phase == Phase::Active)
        m_session.setFlagAsync("pause", true);
}

void MediaPlayerComponent::stop()
{
    if (m_phase != Phase::Opening && m_phase != Phase::Active)
        return;
    m_session.commandAsync({"stop"});
    m_entryId = -1;
    m_phase = Phase::Stopped;
    updateState();
}

double MediaPlayerComponent::position() const
{
    return m_phase == Phase::Active ? m_session.readNumber("time-pos") : 0.0;
}

void MediaPlayerComponent::seek(double seconds)
{
    if (m_phase == Phase::Active && !std::isnan(seconds))
        m_session.setNumberAsync("time-pos", std::max(seconds, 0.0));
}

void MediaPlayerComponent::load()
{
    m_entryId = -1;
    m_bufferingCount = 0;
    m_bufferingProgress = 0;
    // A pause belongs to the song it was made in; a new stream starts playing by itself.
    m_session.setFlagAsync("pause", false);
    const QByteArray url = m_url.toUtf8();
    if (!m_session.commandAsync({"loadfile", url.constData(), "replace"}, ++m_loadToken)) {
        fail(QStringLiteral("The player is not available"));
        return;
    }
    m_phase = Phase::Opening;
    updateState();
}

void MediaPlayerComponent::fail(const QString &reason)
{
    m_entryId = -1;
    m_failure = reason;
    m_phase = Phase::Failed;
    updateState();
}

void MediaPlayerComponent::finish()
{
    m_phase = Phase::Ended;
    updateState();
    // The platform player reports "media ended" and then "stopped"; the token keeps this from touching a
    // stream that was started in between.
    const quint64 token = m_loadToken;
    QMetaObject::invokeMethod(
        this,
        [this, token] {
            if (m_phase == Phase::Ended && m_loadToken == token) {
                m_phase = Phase::Stopped;
                updateState();
            }
        },
        Qt::QueuedConnection);
}

void MediaPlayerComponent::handleEvent(const mpv_event &event)
{
    switch (event.event_id) {
    case MPV_EVENT_COMMAND_REPLY:
        handleCommandReply(event);
        break;
    case MPV_EVENT_START_FILE:
        m_startedEntryId = static_cast<const mpv_event_start_file *>(event.data)->playlist_entry_id;
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        if (m_phase == Phase::Opening && m_entryId >= 0 && m_startedEntryId == m_entryId)
            m_phase = Phase::Active;
        break;
    case MPV_EVENT_END_FILE:
        handleEndFile(*static_cast<const mpv_event_end_file *>(event.data));
        break;
    case MPV_EVENT_PROPERTY_CHANGE:
        handlePropertyChange(*static_cast<const mpv_event_property *>(event.data));
        break;
    default:
        return;
    }
    updateState();
}

void MediaPlayerComponent::handleCommandReply(const mpv_event &event)
{
    if (event.reply_userdata != m_loadToken || m_phase != Phase::Opening)
        return;
    const qint64 entryId = entryIdOf(static_cast<const mpv_event_command *>(event.data)->result);
    if (event.error < 0 || entryId < 0)
        fail(QStringLiteral("The stream cannot be opened: %1")
                 .arg(QString::fromUtf8(MpvSession::errorText(event.error))));
    else
        m_entryId = entryId;
}

void MediaPlayerComponent::handleEndFile(const mpv_event_end_file &end)
{
    if (m_entryId < 0 || end.playlist_entry_id != m_entryId)
        return;
    if (end.reason == MPV_END_FILE_REASON_EOF)
        finish();
    else if (end.reason == MPV_END_FILE_REASON_ERROR)
        fail(QStringLiteral("The stream cannot be played: %1")
                 .arg(QString::fromUtf8(MpvSession::errorText(end.error))));
}

void MediaPlayerComponent::handlePropertyChange(const mpv_event_property &property)
{
    const QByteArrayView name(property.name);
    if (name == "pause")
        m_paused = isFlagSet(property);
    else if (name == "paused-for-cache")
        m_waitingForData = isFlagSet(property);
    else if (name == "cache-buffering-state")
        m_bufferingProgress = static_cast<int>(std::clamp<qint64>(integerOf(property), 0, 100));
}

int MediaPlayerComponent::currentState() const
{
    switch (m_phase) {
    case Phase::Idle:
        return Undefined;
    case Phase::Opening:
        return Transitioning;
    case Phase::Active:
        return m_paused ? Paused : m_waitingForData ? Buffering : Playing;
    case Phase::Ended:
        return MediaEnded;
    case Phase::Stopped:
        return Stopped;
    case Phase::Failed:
        return Ready;
    }
    return Undefined;
}

void MediaPlayerComponent::updateState()
{
    const int state = currentState();
    if (state == m_reportedState)
        return;
    if (state == Buffering)
        ++m_bufferingCount;
    m_reportedState = state;
    emit playStateChanged(state);
}

void registerMediaPlayerComponent()
{
    ComponentRegistry::add("wmplayer.ocx", [] { return new MediaPlayerComponent; });
}
