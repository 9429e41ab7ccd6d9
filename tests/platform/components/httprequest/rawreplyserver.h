#pragma once

#include <QByteArray>

#include <atomic>
#include <thread>

// A TCP server on 127.0.0.1 that answers every connection with fixed bytes and closes it: for answers
// that are not HTTP at all.
class RawReplyServer {
public:
    explicit RawReplyServer(QByteArray reply);
    ~RawReplyServer();
    RawReplyServer(const RawReplyServer &) = delete;
    RawReplyServer &operator=(const RawReplyServer &) = delete;

    int port() const { return m_port; }

private:
    void serve();

    QByteArray m_reply;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping = false;
    std::thread m_thread;
};
