#pragma once

#include "platform/components/mediaplayer/mpvlibrary.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>

#include <atomic>
#include <future>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

// Only made once the library is loaded, so instance() is there to take it back.
struct MpvHandleDeleter {
    void operator()(mpv_handle *handle) const { MpvLibrary::instance()->terminateDestroy(handle); }
};
using MpvHandle = std::unique_ptr<mpv_handle, MpvHandleDeleter>;

// One libmpv core set up to play audio streams without a window, a terminal, scripts or helper programs.
// Requests never wait for the core (they are queued to it); reads do, briefly. The core's events are
// handed out by eventArrived on the thread that made the session, never on mpv's own threads.
//
// The core starts on a thread of its own, as starting it takes a noticeable time that the program's first
// frame should not wait for; the first request or read after that waits for the start to finish.
class MpvSession : public QObject {
    Q_OBJECT

public:
    explicit MpvSession(QObject *parent = nullptr);
    ~MpvSession() override;

    // False when libmpv could not be set up; requests then fail and reads give their zero values.
    bool isValid() const { return handle() != nullptr; }

    // Queues a command; its outcome arrives as MPV_EVENT_COMMAND_REPLY carrying token. False when it could
    // not be queued.
    bool commandAsync(std::initializer_list<const char *> args, quint64 token = 0);
    void setFlagAsync(const char *name, bool value);
    void setNumberAsync(const char *name, double value);
    // Each change of the property arrives as MPV_EVENT_PROPERTY_CHANGE in the given format.
    void observe(const char *name, mpv_format format);

    // The property's value, or 0 / false / empty text when it is unavailable.
    double readNumber(const char *name) const;
    bool readFlag(const char *name) const;
    QByteArray readText(const char *name) const;
    // libmpv's description of one of its error codes.
    static QByteArray errorText(int error);

signals:
    // The event and what it points to are valid only while the signal is being delivered.
    void eventArrived(const mpv_event &event);

private:
    static void wakeUp(void *session);
    void drainEvents();
    // The core, once its start has finished (waiting for it the first time); null when it failed.
    mpv_handle *handle() const;

    // Mutable: the first read, though const, may be what ends the start.
    mutable std::future<MpvHandle> m_starting;
    mutable MpvHandle m_handle;
    // Observations asked for while the core was still starting.
    mutable std::vector<std::pair<const char *, mpv_format>> m_pendingObservations;
    // Set while a drain is queued, so that a burst of events queues one drain rather than one per event.
    std::atomic_bool m_drainQueued = false;
};
