#pragma once

#include "catalogue.h"
#include "fault.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

struct Reply;

// A local stand-in for the radio service and its album site, on 127.0.0.1, for demos and tests: channel
// descriptions, playlists that rotate through demoSongs() per channel, lyrics, album pages, generated
// covers (PNG) and audio (WAV, with byte ranges), and a session kept in cookies: /j/v2/session/login,
// /refresh and /logout set, renew and delete it (answers.h gives their Set-Cookie values), and
// /j/v2/session/cookies answers with the Cookie header it was sent. Faults can be switched on at run time.
// All public functions are thread-safe.
class DemoStation {
public:
    // One request as it arrived: method and target (path and query, undecoded).
    struct LoggedRequest {
        std::string method;
        std::string target;
        bool operator==(const LoggedRequest &) const = default;
    };

    DemoStation();
    ~DemoStation();
    DemoStation(const DemoStation &) = delete;
    DemoStation &operator=(const DemoStation &) = delete;

    // Binds 127.0.0.1 on port (0: an ephemeral one) and serves on a thread of its own; returns the
    // port, or 0 when it cannot bind. Call at most once.
    int start(int port = 0);
    // Stops serving and joins the server thread; slow answers still waiting are sent at once.
    void stop();
    // "http://127.0.0.1:PORT", the root of the API and of the album site alike.
    std::string rootUrl() const;

    // From now on, requests whose path starts with pathPrefix (every request when it is empty) get
    // fault; Fault::None clears it.
    void setFault(Fault fault, const std::string &pathPrefix = {});
    // Every audio request is answered with these bytes (e.g. an MP3 for measuring playback) instead of the
    // generated WAV; empty bytes go back to the generated audio.
    void setAudioFile(std::string bytes, std::string contentType);
    // How long Fault::SlowAnswer holds each answer back (2 s unless set).
    void setSlowDelay(std::chrono::milliseconds delay);

    // Every request received so far, in order of arrival.
    std::vector<LoggedRequest> requestLog() const;
    void clearRequestLog();

    // The songs a playlist rotation goes through: the n-th playlist answer of a channel (counting from 0)
    // carries songs()[n % songs().size()].
    static const std::vector<DemoSong> &songs() { return demoSongs(); }
    static const std::vector<DemoChannel> &channels() { return demoChannels(); }

private:
    void addRoutes();
    Fault faultFor(const std::string &path) const;
    void holdBack();
    Reply channelInfo(const httplib::Request &req, Fault fault) const;
    Reply playlist(const httplib::Request &req, Fault fault);
    Reply lyric(const httplib::Request &req, Fault fault) const;
    Reply albumPage(const httplib::Request &req, Fault fault) const;
    Reply cover(const httplib::Request &req, Fault fault) const;
    Reply audio(const httplib::Request &req, Fault fault) const;
    Reply session(const httplib::Request &req, Fault fault) const;

    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    std::atomic<bool> m_listening = false;
    int m_port = 0;

    mutable std::mutex m_mutex; // guards everything below
    std::condition_variable m_wake;
    bool m_stopping = false;
    Fault m_fault = Fault::None;
    std::string m_faultPrefix;
    std::chrono::milliseconds m_slowDelay{2000};
    std::vector<LoggedRequest> m_log;
    std::map<std::string, size_t> m_rotation; // channel query value -> playlist answers given
    std::string m_audioFile;
    std::string m_audioFileType;
};
