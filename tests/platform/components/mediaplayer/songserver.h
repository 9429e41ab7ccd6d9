#pragma once

#include "support/loopbackserver.h"

#include <QByteArray>
#include <QList>

#include <atomic>
#include <mutex>
#include <string>

// Tags that the songs carry, as the player should report them.
namespace SongTags {
inline constexpr char title[] = "测试之歌";
inline constexpr char artist[] = "Quorin 乐队";
inline constexpr char copyright[] = "(c) Quorin";
} // namespace SongTags

// A WAV song: 8000 Hz, mono, 16-bit PCM (128000 bit/s), a quiet tone, tagged with SongTags.
QByteArray makeSong(double seconds);

// Songs on a loopback server:
//   /song/<ms>.wav  a song of that many milliseconds;
//   /drop/<ms>.wav  the same, sent at five times its playing speed; the first request breaks off halfway
//                   through the body and the next one is answered 503, later ones are served as usual;
//   /page.html      an HTML page; anything else is 404.
// Every server supports byte ranges.
class SongServer {
public:
    SongServer();

    std::string url(const std::string &path) const { return m_server.url(path); }
    // The first byte asked for by each request to /drop/, in order.
    QList<qint64> dropRequestStarts() const;
    // Where the first /drop/ request breaks off for a song of that length.
    static qint64 dropCutOffset(double seconds);

private:
    mutable std::mutex m_mutex;
    QList<qint64> m_dropStarts;
    std::atomic_int m_dropRequests = 0;
    // Last, so that it stops serving before the state its handlers use goes away.
    LoopbackServer m_server;
};
