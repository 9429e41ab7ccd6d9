#include "rawreplyserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

RawReplyServer::RawReplyServer(QByteArray reply)
    : m_reply(std::move(reply))
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
        ::listen(m_listener, 8) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return;
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

RawReplyServer::~RawReplyServer()
{
    m_stopping = true;
    // Wakes the blocked accept().
    ::shutdown(m_listener, SHUT_RDWR);
    if (m_thread.joinable())
        m_thread.join();
    if (m_listener >= 0)
        ::close(m_listener);
}

void RawReplyServer::serve()
{
    while (!m_stopping) {
        const int connection = ::accept(m_listener, nullptr, nullptr);
        if (connection < 0)
            return;
        char request[4096];
        [[maybe_unused]] const ssize_t received = ::recv(connection, request, sizeof request, 0);
        [[maybe_unused]] const ssize_t sent =
            ::send(connection, m_reply.constData(), m_reply.size(), MSG_NOSIGNAL);
        ::close(connection);
    }
}
