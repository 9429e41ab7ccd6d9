#include "support/loopbackserver.h"

LoopbackServer::LoopbackServer()
{
    // Without this every keep-alive request waits for the peer's delayed ACK.
    m_server.set_tcp_nodelay(true);
}

LoopbackServer::~LoopbackServer()
{
    // stop() only acts on a running server: wait for the thread to get there first.
    while (m_thread.joinable() && !m_server.is_running())
        std::this_thread::yield();
    m_server.stop();
    if (m_thread.joinable())
        m_thread.join();
}

int LoopbackServer::start()
{
    m_port = m_server.bind_to_any_port("127.0.0.1");
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    // The socket already listens: connections made before the thread runs wait in the backlog.
    return m_port;
}

std::string LoopbackServer::url(const std::string &path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}
