#include "platform/components/mediaplayer/mpvsession.h"

#include <clocale>
#include <utility>
#include <vector>

namespace {

// vid=no: audio only, so no window is ever made. idle=yes keeps the core alive between songs. Scripts and
// ytdl would run other programs (ytdl takes about a second on every failing URL). access-references=no
// keeps a stream from pulling in other addresses, such as the entries of a playlist.
// audio-fallback-to-null=yes: on a machine without a sound device the song still plays, silently and in
// real time, instead of failing to load. reconnect: a dropped connection mid-song is opened again at the
// byte where it broke (the servers support ranges), retried for some seconds before the song gives up.
constexpr std::pair<const char *, const char *> kOptions[] = {
    {"vid", "no"},
    {"terminal", "no"},
    {"idle", "yes"},
    {"load-scripts", "no"},
    {"ytdl", "no"},
    {"access-references", "no"},
    {"audio-fallback-to-null", "yes"},
    {"stream-lavf-o", "reconnect=1,reconnect_delay_max=7"},
};

MpvHandle makeHandle()
{
    // libmpv refuses to start under a locale whose decimal separator is not a dot.
    std::setlocale(LC_NUMERIC, "C");
    MpvHandle handle(mpv_create());
    if (!handle)
        return {};
    for (const auto &[name, value] : kOptions) {
        if (mpv_set_option_string(handle.get(), name, value) < 0)
            return {};
    }
    if (mpv_initialize(handle.get()) < 0)
        return {};
    return handle;
}

} // namespace

MpvSession::MpvSession(QObject *parent)
    : QObject(parent)
    , m_handle(makeHandle())
{
    if (m_handle)
        mpv_set_wakeup_callback(m_handle.get(), &MpvSession::wakeUp, this);
}

MpvSession::~MpvSession()
{
    // Once this returns the callback is not running and will not run again.
    if (m_handle)
        mpv_set_wakeup_callback(m_handle.get(), nullptr, nullptr);
}

bool MpvSession::commandAsync(std::initializer_list<const char *> args, quint64 token)
{
    if (!m_handle)
        return false;
    std::vector<const char *> argv(args);
    argv.push_back(nullptr);
    return mpv_command_async(m_handle.get(), token, argv.data()) >= 0;
}

void MpvSession::setFlagAsync(const char *name, bool value)
{
    int flag = value ? 1 : 0;
    if (m_handle)
        mpv_set_property_async(m_handle.get(), 0, name, MPV_FORMAT_FLAG, &flag);
}

void MpvSession::setNumberAsync(const char *name, double value)
{
    if (m_handle)
        mpv_set_property_async(m_handle.get(), 0, name, MPV_FORMAT_DOUBLE, &value);
}

void MpvSession::observe(const char *name, mpv_format format)
{
    if (m_handle)
        mpv_observe_property(m_handle.get(), 0, name, format);
}

double MpvSession::readNumber(const char *name) const
{
    double value = 0;
    if (!m_handle || mpv_get_property(m_handle.get(), name, MPV_FORMAT_DOUBLE, &value) < 0)
        return 0;
    return value;
}

bool MpvSession::readFlag(const char *name) const
{
    int flag = 0;
    if (!m_handle || mpv_get_property(m_handle.get(), name, MPV_FORMAT_FLAG, &flag) < 0)
        return false;
    return flag != 0;
}

QByteArray MpvSession::readText(const char *name) const
{
    if (!m_handle)
        return {};
    char *text = mpv_get_property_string(m_handle.get(), name);
    const QByteArray result(text);
    mpv_free(text);
    return result;
}

void MpvSession::wakeUp(void *session)
{
    // Runs on one of mpv's threads: touch nothing but the flag, and hand the work to our own thread.
    auto *self = static_cast<MpvSession *>(session);
    if (!self->m_drainQueued.exchange(true))
        QMetaObject::invokeMethod(self, &MpvSession::drainEvents, Qt::QueuedConnection);
}

void MpvSession::drainEvents()
{
    // Cleared first: an event that comes in while we drain queues another drain rather than getting lost.
    m_drainQueued = false;
    while (m_handle) {
        const mpv_event *event = mpv_wait_event(m_handle.get(), 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        emit eventArrived(*event);
    }
}
