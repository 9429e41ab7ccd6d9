#pragma once

#include <curl/curl.h>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class QSocketNotifier;

struct CurlMultiDeleter {
    void operator()(CURLM *multi) const { curl_multi_cleanup(multi); }
};
using CurlMultiHandle = std::unique_ptr<CURLM, CurlMultiDeleter>;

// Runs curl transfers on the Qt event loop of the thread that made the driver, so that no request ever
// blocks that loop: curl hands over its sockets (one QSocketNotifier per direction) and its next time-out
// (one single-shot QTimer), and each readiness is passed back through curl_multi_socket_action.
//
// The easy handles stay owned by the caller, who sets them up before start() and must keep them, and
// whatever their options point at, alive until the transfer has finished or been cancelled.
class CurlMultiDriver : public QObject {
    Q_OBJECT
public:
    using Finished = std::function<void(CURLcode result)>;

    // The driver of the GUI thread, made on first use and deleted with the application object. Null when
    // there is no application object (nothing can run without an event loop anyway).
    static CurlMultiDriver *instance();

    explicit CurlMultiDriver(QObject *parent = nullptr);
    // Drops every transfer still running; their finished routines are not called.
    ~CurlMultiDriver() override;

    // Starts the transfer of a set-up handle; `finished` runs later, from the event loop, once it has
    // ended, never from inside this call. False (and `finished` never runs) when curl refuses the handle.
    bool start(CURL *handle, Finished finished);
    // Stops a running transfer; its finished routine is not called. Unknown handles are ignored.
    void cancel(CURL *handle);
    bool isRunning(CURL *handle) const { return m_transfers.contains(handle); }

private:
    struct SocketWatch {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };

    static int onSocket(CURL *handle, curl_socket_t socket, int what, void *driver, void *socketData);
    static int onTimer(CURLM *multi, long timeoutMs, void *driver);
    void watchSocket(curl_socket_t socket, int what);
    void forgetSocket(curl_socket_t socket);
    void act(curl_socket_t socket, int events);
    void finishDoneTransfers();

    CurlMultiHandle m_multi;
    QTimer m_timer;
    QHash<curl_socket_t, SocketWatch> m_sockets;
    QHash<CURL *, Finished> m_transfers;
};
