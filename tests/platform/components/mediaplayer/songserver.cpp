#include "songserver.h"

#include <QtEndian>

#include <chrono>
#include <cmath>
#include <thread>

namespace {

constexpr int sampleRate = 8000;
constexpr int bytesPerSample = 2;

void appendLe32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendLe16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void appendChunk(QByteArray &out, const char *id, const QByteArray &body)
{
    out.append(id, 4);
    appendLe32(out, static_cast<quint32>(body.size()));
    out.append(body);
    if (body.size() % 2 != 0)
        out.append('\0');
}

QByteArray infoList()
{
    QByteArray list("INFO");
    appendChunk(list, "INAM", QByteArray(SongTags::title).append('\0'));
    appendChunk(list, "IART", QByteArray(SongTags::artist).append('\0'));
    appendChunk(list, "ICOP", QByteArray(SongTags::copyright).append('\0'));
    return list;
}

QByteArray formatChunk()
{
    QByteArray format;
    appendLe16(format, 1); // PCM
    appendLe16(format, 1); // mono
    appendLe32(format, sampleRate);
    appendLe32(format, sampleRate * bytesPerSample);
    appendLe16(format, bytesPerSample);
    appendLe16(format, 8 * bytesPerSample);
    return format;
}

QByteArray samples(double seconds)
{
    QByteArray data;
    const int count = static_cast<int>(seconds * sampleRate);
    data.reserve(count * bytesPerSample);
    for (int i = 0; i < count; ++i)
        appendLe16(data, static_cast<quint16>(static_cast<qint16>(2000 * std::sin(i * 0.3))));
    return data;
}

double secondsOf(const httplib::Request &request)
{
    return std::stoi(request.matches[1].str()) / 1000.0;
}

} // namespace

QByteArray makeSong(double seconds)
{
    QByteArray body("WAVE");
    appendChunk(body, "fmt ", formatChunk());
    appendChunk(body, "LIST", infoList());
    appendChunk(body, "data", samples(seconds));
    QByteArray song("RIFF");
    appendLe32(song, static_cast<quint32>(body.size()));
    return song.append(body);
}

qint64 SongServer::dropCutOffset(double seconds)
{
    const int halfOfSamples = static_cast<int>(seconds * sampleRate) / 2;
    return makeSong(0).size() + halfOfSamples * bytesPerSample;
}

SongServer::SongServer()
{
    httplib::Server &server = m_server.server();
    server.Get(R"(/song/(\d+)\.wav)", [](const httplib::Request &request, httplib::Response &response) {
        const QByteArray song = makeSong(secondsOf(request));
        response.set_content(song.constData(), song.size(), "audio/wav");
    });
    server.Get(R"(/drop/(\d+)\.wav)", [this](const httplib::Request &request, httplib::Response &response) {
        const int number = ++m_dropRequests;
        {
            std::lock_guard lock(m_mutex);
            m_dropStarts.append(request.ranges.empty() ? 0 : request.ranges.front().first);
        }
        if (number == 2) {
            response.status = 503;
            return;
        }
        const double seconds = secondsOf(request);
        const QByteArray song = makeSong(seconds);
        const qint64 cutAt = number == 1 ? dropCutOffset(seconds) : song.size();
        response.set_content_provider(
            song.size(), "audio/wav", [song, cutAt](size_t offset, size_t length, httplib::DataSink &sink) {
                constexpr qint64 quarterSecond = sampleRate * bytesPerSample / 4;
                // Giving up mid-body drops the connection.
                if (qint64(offset) >= cutAt)
                    return false;
                const qint64 end = std::min<qint64>(offset + std::min<qint64>(length, quarterSecond), cutAt);
                if (!sink.write(song.constData() + offset, end - offset))
                    return false;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                return true;
            });
    });
    server.Get("/page.html", [](const httplib::Request &, httplib::Response &response) {
        response.set_content("<html><body>Not a song</body></html>", "text/html");
    });
    m_server.start();
}

QList<qint64> SongServer::dropRequestStarts() const
{
    std::lock_guard lock(m_mutex);
    return m_dropStarts;
}
