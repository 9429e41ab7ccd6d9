#include "platform/toolkit/curlmultidriver.h"

#include "platform/toolkit/curlsupport.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <algorithm>
#include <climits>

namespace {

// A disabled notifier is out of the dispatcher at once, so a new one for a reused descriptor never meets
// it; the object itself goes later, as curl may drop a socket from inside that notifier's own signal.
void retire(QSocketNotifier *&notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
    notifier = nullptr;
}

} // namespace

CurlMultiDriver *CurlMultiDriver::instance()
{
    static QPointer<CurlMultiDriver> driver;
    if (!driver && QCoreApplication::instance())
        driver = new CurlMultiDriver(QCoreApplication::instance());
    return driver;
}

CurlMultiDriver::CurlMultiDriver(QObject *parent)
    : QObject(parent)
{
    CurlSupport::makeEasyHandle(); // process-wide set-up before the first multi handle
    m_multi.reset(curl_multi_init());
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
    if (!m_multi)
        return;
    curl_multi_setopt(m_multi.get(), CURLMOPT_SOCKETFUNCTION, &CurlMultiDriver::onSocket);
    curl_multi_setopt(m_multi.get(), CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi.get(), CURLMOPT_TIMERFUNCTION, &CurlMultiDriver::onTimer);
    curl_multi_setopt(m_multi.get(), CURLMOPT_TIMERDATA, this);
}

CurlMultiDriver::~CurlMultiDriver()
{
    while (!m_transfers.isEmpty())
        cancel(m_transfers.begin().key());
    for (SocketWatch &watch : m_sockets) {
        retire(watch.read);
        retire(watch.write);
    }
}

bool CurlMultiDriver::start(CURL *handle, Finished finished)
{
    if (!m_multi || !handle || m_transfers.contains(handle))
        return false;
    m_transfers.insert(handle, std::move(finished));
    // curl answers an added handle with a time-out of 0, so the transfer begins on the next loop pass.
    if (curl_multi_add_handle(m_multi.get(), handle) != CURLM_OK) {
        m_transfers.remove(handle);
        return false;
    }
    return true;
}

void CurlMultiDriver::cancel(CURL *handle)
{
    if (m_transfers.remove(handle))
        curl_multi_remove_handle(m_multi.get(), handle);
}

int CurlMultiDriver::onSocket(CURL *, curl_socket_t socket, int what, void *driver, void *)
{
    auto *self = static_cast<CurlMultiDriver *>(driver);
    if (what == CURL_POLL_REMOVE)
        self->forgetSocket(socket);
    else
        self->watchSocket(socket, what);
    return 0;
}

int CurlMultiDriver::onTimer(CURLM *, long timeoutMs, void *driver)
{
    auto *self = static_cast<CurlMultiDriver *>(driver);
    if (timeoutMs < 0)
        self->m_timer.stop();
    else
        self->m_timer.start(static_cast<int>(std::min(timeoutMs, long{INT_MAX})));
    return 0;
}

void CurlMultiDriver::watchSocket(curl_socket_t socket, int what)
{
    SocketWatch &watch = m_sockets[socket];
    const auto follow = [&](QSocketNotifier *&notifier, QSocketNotifier::Type type, bool wanted, int event) {
        if (!wanted) {
            retire(notifier);
        } else if (!notifier) {
            notifier = new QSocketNotifier(socket, type, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, socket, event] { act(socket, event); });
        }
    };
    follow(watch.read, QSocketNotifier::Read, what & CURL_POLL_IN, CURL_CSELECT_IN);
    follow(watch.write, QSocketNotifier::Write, what & CURL_POLL_OUT, CURL_CSELECT_OUT);
}

void CurlMultiDriver::forgetSocket(curl_socket_t socket)
{
    auto found = m_sockets.find(socket);
    if (found == m_sockets.end())
        return;
    retire(found->read);
    retire(found->write);
    m_sockets.erase(found);
}

void CurlMultiDriver::act(curl_socket_t socket, int events)
{
    int running = 0;
    curl_multi_socket_action(m_multi.get(), socket, events, &running);
    finishDoneTransfers();
}

void CurlMultiDriver::finishDoneTransfers()
{
    int left = 0;
    while (const CURLMsg *message = curl_multi_info_read(m_multi.get(), &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        CURL *handle = message->easy_handle;
        const CURLcode result = message->data.result;
        // Taken out first: the routine may start a new transfer on the same handle.
        Finished finished = m_transfers.take(handle);
        curl_multi_remove_handle(m_multi.get(), handle);
        if (finished)
            finished(result);
    }
}
