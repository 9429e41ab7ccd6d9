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
// demuxer-max-bytes and demuxer-max-back-bytes: the read-ahead cache is 150 MiB by default. 16 MiB ahead
// still takes in a whole song of six minutes or so at 128 kbit/s (mpv counts its per-packet overhead too,
// about half again as much): a cache that fills up before the end of the stream is topped up packet by
// packet, which wakes the reading thread some fifty times a second. 2 MiB kept behind serve a short seek
// back.
constexpr std::pair<const char *, const char *> kOptions[] = {
    {"vid", "no"},
    {"terminal", "no"},
    {"idle", "yes"},
    {"load-scripts", "no"},
    {"ytdl", "no"},
    {"access-references", "no"},
    {"audio-fallback-to-null", "yes"},
    {"stream-lavf-o", "reconnect=1,reconnect_delay_max=7"},
    {"demuxer-max-bytes", "16MiB"},
    {"demuxer-max-back-bytes", "2MiB"},
};

MpvHandle makeHandle()
{
    const MpvLibrary *mpv = MpvLibrary::instance();
    if (!mpv)
        return {};
    MpvHandle handle(mpv->create());
    if (!handle)
        return {};
    for (const auto &[name, value] : kOptions) {
        if (mpv->setOptionString(handle.get(), name, value) < 0)
            return {};
    }
    if (mpv->initialize(handle.get()) < 0)
        return {};
    return handle;
}

// Only called with a core, which exists only once the library is loaded.
const MpvLibrary &mpv()
{
    return *MpvLibrary::instance();
}

} // namespace

MpvSession::MpvSession(QObject *parent)
    : QObject(parent)
{
    // libmpv refuses to start under a locale whose decimal separator is not a dot. Set here, on our own
    // thread: the locale is the whole process's.
    std::setlocale(LC_NUMERIC, "C");
    m_starting = std::async(std::launch::async, makeHandle);
}

MpvSession::~MpvSession()
{
    // Once this returns the callback is not running and will not run again.
    if (mpv_handle *core = handle())
        mpv().setWakeupCallback(core, nullptr, nullptr);
}

mpv_handle *MpvSession::handle() const
{
    if (m_starting.valid()) {
        m_handle = m_starting.get();
        if (m_handle) {
            mpv().setWakeupCallback(m_handle.get(), &MpvSession::wakeUp, const_cast<MpvSession *>(this));
            for (const auto &[name, format] : m_pendingObservations)
                mpv().observeProperty(m_handle.get(), 0, name, format);
        }
        m_pendingObservations.clear();
    }
    return m_handle.get();
}

bool MpvSession::commandAsync(std::initializer_list<const char *> args, quint64 token)
{
    mpv_handle *core = handle();
    if (!core)
        return false;
    std::vector<const char *> argv(args);
    argv.push_back(nullptr);
    return mpv().commandAsync(core, token, argv.data()) >= 0;
}

void MpvSession::setFlagAsync(const char *name, bool value)
{
    int flag = value ? 1 : 0;
    if (mpv_handle *core = handle())
        mpv().setPropertyAsync(core, 0, name, MPV_FORMAT_FLAG, &flag);
}

void MpvSession::setNumberAsync(const char *name, double value)
{
    if (mpv_handle *core = handle())
        mpv().setPropertyAsync(core, 0, name, MPV_FORMAT_DOUBLE, &value);
}

void MpvSession::observe(const char *name, mpv_format format)
{
    // Asked for at construction, while the core is still starting: kept until it is up.
    if (m_starting.valid())
        m_pendingObservations.emplace_back(name, format);
    else if (m_handle)
        mpv().observeProperty(m_handle.get(), 0, name, format);
}

double MpvSession::readNumber(const char *name) const
{
    double value = 0;
    mpv_handle *core = handle();
    if (!core || mpv().getProperty(core, name, MPV_FORMAT_DOUBLE, &value) < 0)
        return 0;
    return value;
}

bool MpvSession::readFlag(const char *name) const
{
    int flag = 0;
    mpv_handle *core = handle();
    if (!core || mpv().getProperty(core, name, MPV_FORMAT_FLAG, &flag) < 0)
        return false;
    return flag != 0;
}

QByteArray MpvSession::readText(const char *name) const
{
    mpv_handle *core = handle();
    if (!core)
        return {};
    char *text = mpv().getPropertyString(core, name);
    const QByteArray result(text);
    mpv().free(text);
    return result;
}

QByteArray MpvSession::errorText(int error)
{
    const MpvLibrary *library = MpvLibrary::instance();
    return library ? QByteArray(library->errorString(error)) : QByteArray();
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
        const mpv_event *event = mpv().waitEvent(m_handle.get(), 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        emit eventArrived(*event);
    }
}
