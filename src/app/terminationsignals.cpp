#include "app/terminationsignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] written by the signal handler, [1] read on the event loop.
int g_signalSockets[2] = {-1, -1};

extern "C" void onTerminationSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe calls here; a full socket already holds a pending wake-up.
    [[maybe_unused]] const ssize_t written = ::write(g_signalSockets[0], &byte, 1);
}

constexpr int handledSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::onReadable);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : handledSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    for (int signal : handledSignals)
        std::signal(signal, SIG_DFL);
    for (int &socket : g_signalSockets) {
        if (socket >= 0)
            ::close(socket);
        socket = -1;
    }
}

void TerminationSignals::onReadable()
{
    char buffer[16];
    while (::read(g_signalSockets[1], buffer, sizeof buffer) > 0) {
    }
    m_handler();
}
