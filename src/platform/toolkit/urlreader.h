#pragma once

#include <QByteArray>

#include <chrono>

// Bounds of one read, so that a dead, slow or hostile server cannot hold the window for more than about
// a minute nor fill the memory.
struct UrlReadLimits {
    std::chrono::milliseconds connectTimeout{15'000};
    // A transfer slower than lowSpeedBytesPerSecond for stallTime is given up.
    long lowSpeedBytesPerSecond = 16;
    std::chrono::seconds stallTime{20};
    std::chrono::milliseconds totalTimeout{60'000};
    qsizetype maxBodyBytes = 32 * 1024 * 1024;
};

// HTTP(S) GET of the whole body; blocks until done. Empty on any failure: not an http or https address
// (also after a redirect), no connection, a TLS peer that does not verify, a status other than 2xx, a
// body over the limit, or a time-out.
QByteArray readUrl(const QByteArray &url);
QByteArray readUrl(const QByteArray &url, const UrlReadLimits &limits);
