#pragma once

#include <httplib.h>

#include <string>
#include <thread>

// An HTTP server on 127.0.0.1 and an ephemeral port, run on its own thread for one test. Register the
// handlers on server() before start().
class LoopbackServer {
public:
    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer &) = delete;
    LoopbackServer &operator=(const LoopbackServer &) = delete;

    httplib::Server &server() { return m_server; }
    // Binds and starts serving; returns the port.
    int start();
    int port() const { return m_port; }
    // "http://127.0.0.1:PORT" followed by path.
    std::string url(const std::string &path = "/") const;

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};
