#include "demostation.h"

#include "answers.h"
#include "media.h"
#include "reply.h"

#include <httplib.h>

#include <charconv>
#include <optional>

namespace {

constexpr auto jsonType = "application/json; charset=utf-8";

std::optional<int> parseInt(const std::string &text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

Reply notFound()
{
    return {404, "text/plain; charset=utf-8", "not found", true};
}

} // namespace

DemoStation::DemoStation()
    : m_server(std::make_unique<httplib::Server>())
{
    // Without no-delay every keep-alive request waits for the peer's delayed ACK.
    m_server->set_tcp_nodelay(true);
    m_server->set_keep_alive_max_count(100);
    // stop() waits for idle keep-alive connections to time out: keep that short.
    m_server->set_keep_alive_timeout(1);
    m_server->set_read_timeout(std::chrono::seconds(5));
    m_server->set_payload_max_length(64 * 1024);
    addRoutes();
}

DemoStation::~DemoStation()
{
    stop();
}

int DemoStation::start(int port)
{
    // Building the media here keeps the first audio request as quick as the others.
    findMedia({});
    if (port == 0)
        port = m_server->bind_to_any_port("127.0.0.1");
    else if (!m_server->bind_to_port("127.0.0.1", port))
        port = -1;
    if (port <= 0)
        return 0;
    m_port = port;
    m_listening = true;
    m_thread = std::thread([this] {
        m_server->listen_after_bind();
        m_listening = false;
    });
    return m_port;
}

void DemoStation::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (!m_thread.joinable())
        return;
    // stop() only acts on a server that already runs: wait for the thread to get there.
    while (m_listening && !m_server->is_running())
        std::this_thread::yield();
    m_server->stop();
    m_thread.join();
}

std::string DemoStation::rootUrl() const
{
    return "http://127.0.0.1:" + std::to_string(m_port);
}

void DemoStation::setFault(Fault fault, const std::string &pathPrefix)
{
    const std::lock_guard lock(m_mutex);
    m_fault = fault;
    m_faultPrefix = pathPrefix;
}

void DemoStation::setSlowDelay(std::chrono::milliseconds delay)
{
    const std::lock_guard lock(m_mutex);
    m_slowDelay = delay;
}

std::vector<DemoStation::LoggedRequest> DemoStation::requestLog() const
{
    const std::lock_guard lock(m_mutex);
    return m_log;
}

void DemoStation::clearRequestLog()
{
    const std::lock_guard lock(m_mutex);
    m_log.clear();
}

void DemoStation::addRoutes()
{
    // Logged before routing, so that a test sees the request even while its answer is held back.
    m_server->set_pre_routing_handler([this](const httplib::Request &req, httplib::Response &) {
        const std::lock_guard lock(m_mutex);
        m_log.push_back({req.method, req.target});
        return httplib::Server::HandlerResponse::Unhandled;
    });
    const auto route = [this](const char *pattern, auto build) {
        m_server->Get(pattern, [this, build](const httplib::Request &req, httplib::Response &res) {
            const Fault fault = faultFor(req.path);
            if (fault == Fault::SlowAnswer)
                holdBack();
            sendReply(req, res, (this->*build)(req, fault), fault);
        });
    };
    route("/j/v2/channel_info", &DemoStation::channelInfo);
    route("/j/v2/playlist", &DemoStation::playlist);
    route("/j/v2/lyric", &DemoStation::lyric);
    route(R"((/(?:subject|album)/\d+/))", &DemoStation::albumPage);
    route(R"(/cover/(\w+)\.png)", &DemoStation::cover);
    route(R"(/audio/(\w+)\.wav)", &DemoStation::audio);
    route(R"(/j/v2/session/(login|refresh|logout|cookies))", &DemoStation::session);
}

Fault DemoStation::faultFor(const std::string &path) const
{
    const std::lock_guard lock(m_mutex);
    return path.starts_with(m_faultPrefix) ? m_fault : Fault::None;
}

void DemoStation::holdBack()
{
    std::unique_lock lock(m_mutex);
    m_wake.wait_for(lock, m_slowDelay, [this] { return m_stopping; });
}

Reply DemoStation::channelInfo(const httplib::Request &req, Fault fault) const
{
    const auto id = parseInt(req.get_param_value("id"));
    const DemoChannel *channel = id ? findChannel(*id) : nullptr;
    return {200, jsonType, channelInfoAnswer(channel, rootUrl(), fault != Fault::MissingFields), true};
}

Reply DemoStation::playlist(const httplib::Request &req, Fault fault)
{
    size_t turn = 0;
    {
        const std::lock_guard lock(m_mutex);
        turn = m_rotation[req.get_param_value("channel")]++;
    }
    const DemoSong &song = songs()[turn % songs().size()];
    return {200, jsonType,
            playlistAnswer(song, *findMedia(song.sid), rootUrl(), fault != Fault::MissingFields), true};
}

Reply DemoStation::lyric(const httplib::Request &req, Fault fault) const
{
    const std::string sid = req.get_param_value("sid");
    const DemoSong *song = findSong(sid);
    std::string text = song ? song->lyric : "暂无歌词";
    if (fault == Fault::NoLyricMatch)
        text = "没有匹配到歌词.";
    return {200, jsonType, lyricAnswer(sid, song ? song->title : "", text, fault != Fault::MissingFields),
            true};
}

Reply DemoStation::albumPage(const httplib::Request &req, Fault fault) const
{
    for (const DemoSong &song : songs())
        if (song.album == req.matches[1])
            return {200, "text/html; charset=utf-8",
                    ::albumPage(song, rootUrl(), fault != Fault::MissingFields), true};
    return notFound();
}

Reply DemoStation::cover(const httplib::Request &req, Fault) const
{
    if (req.matches[1] == "channel")
        return {200, "image/png", channelCover()};
    const SongMedia *media = findMedia(req.matches[1]);
    return media ? Reply{200, "image/png", media->png} : notFound();
}

void DemoStation::setAudioFile(std::string bytes, std::string contentType)
{
    const std::lock_guard lock(m_mutex);
    m_audioFile = std::move(bytes);
    m_audioFileType = std::move(contentType);
}

Reply DemoStation::audio(const httplib::Request &req, Fault) const
{
    {
        const std::lock_guard lock(m_mutex);
        if (!m_audioFile.empty())
            return Reply{200, m_audioFileType, m_audioFile};
    }
    const SongMedia *media = findMedia(req.matches[1]);
    return media ? Reply{200, "audio/wav", media->wav} : notFound();
}

Reply DemoStation::session(const httplib::Request &req, Fault) const
{
    Reply reply{200, jsonType, sessionAnswer(req.get_header_value("Cookie")), true};
    const std::string action = req.matches[1];
    if (action == "login")
        reply.cookies = {std::string(kLoginSessionCookie), std::string(kLoginUserCookie)};
    else if (action == "refresh")
        reply.cookies = {std::string(kRefreshedSessionCookie)};
    else if (action == "logout")
        reply.cookies = {std::string(kLogoutSessionCookie)};
    return reply;
}
