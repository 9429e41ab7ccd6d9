#pragma once

#include "platform/toolkit/curlsupport.h"

#include <QByteArray>
#include <QObject>

#include <chrono>
#include <functional>

// Bounds of one read, so that a dead, slow or hostile server cannot keep a read going for more than about
// a minute. The body's size is bounded by CurlSupport::kMaxBodyBytes.
struct UrlReadLimits {
    std::chrono::milliseconds connectTimeout{15'000};
    // A transfer slower than lowSpeedBytesPerSecond for stallTime is given up.
    long lowSpeedBytesPerSecond = 16;
    std::chrono::seconds stallTime{20};
    std::chrono::milliseconds totalTimeout{60'000};
};

// HTTP(S) GET of a whole body on the event loop: read() returns at once and the body comes to a routine
// later. One read at a time per reader; a new read or the reader's end drops the read in flight, whose
// routine then never runs, so a late answer cannot land on what asked for a newer one.
class UrlReader : public QObject {
    Q_OBJECT
public:
    // Gets the whole body, or empty bytes on any failure: not an http or https address (also after a
    // redirect), no connection, a TLS peer that does not verify, a status other than 2xx, a body over
    // the size limit, or a time-out.
    using Done = std::function<void(const QByteArray &body)>;

    explicit UrlReader(UrlReadLimits limits = {}, QObject *parent = nullptr);
    ~UrlReader() override;

    // Starts reading `url` in place of any read in flight. `done` runs from the event loop, never from
    // inside this call, also when the read fails at once.
    void read(const QByteArray &url, Done done);
    // Drops the read in flight, if any, without calling its routine.
    void cancel();
    bool isReading() const { return static_cast<bool>(m_done); }

private:
    void finish(CURLcode result);

    UrlReadLimits m_limits;
    CurlEasyHandle m_handle;
    QByteArray m_body;
    Done m_done;
    // Tells a queued failure which read it belongs to.
    quint64 m_readCount = 0;
};
