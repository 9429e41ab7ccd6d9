#pragma once

#include "platform/toolkit/curlsupport.h"

#include <QByteArray>
#include <QList>

#include <memory>
#include <optional>

class PhaseDeadlines;

// One curl easy handle kept across requests, so a connection to the same host stays open between them.
// Each request starts from curl's defaults again: nothing set for one request carries into the next.
//
// An exchange runs either at once with perform(), or in three steps for a caller that drives the handle
// itself (the event loop's CurlMultiDriver): prepare(), run handle() to its end, collect().
class HttpSession {
public:
    // Milliseconds per phase; 0 or less means no limit of that phase's own.
    struct Timeouts {
        int resolve = 0;
        int connect = 60'000;
        int send = 30'000;
        int receive = 30'000;
    };
    // How the proxy is chosen: the environment's (curl's own rules), none, or the named server.
    struct Proxy {
        enum class Mode { Default, Direct, Named };
        Mode mode = Mode::Default;
        QByteArray server;
        // Host names that bypass the named proxy, separated by ',' or ';'.
        QByteArray bypass;
    };
    struct Login {
        QByteArray user;
        QByteArray password;
    };
    struct Request {
        QByteArray method = "GET";
        QByteArray url;
        // Complete "Name: value" lines.
        QList<QByteArray> headers;
        std::optional<QByteArray> body;
        QByteArray userAgent;
        Timeouts timeouts;
        Proxy proxy;
        std::optional<Login> serverLogin;
        std::optional<Login> proxyLogin;
        // Path of a PEM file holding the client certificate and its key; empty for none.
        QByteArray clientCertificate;
    };
    struct Answer {
        int status = 0;
        QByteArray statusText;
        // The final response's header lines as received, each followed by "\r\n"; no status line.
        QByteArray headers;
        QByteArray body;
        // The address that answered, after any redirects.
        QByteArray url;
    };

    // What arrives during one exchange. A redirect or an interim "100 Continue" starts a new response with
    // its own status line; only the last response's parts are kept.
    struct Reception {
        QByteArray statusText;
        QByteArray headers;
        QByteArray body;
        qsizetype headerBytes = 0;
    };

    static constexpr qsizetype kMaxBodyBytes = CurlSupport::kMaxBodyBytes;
    static constexpr qsizetype kMaxHeaderBytes = 1024 * 1024;

    HttpSession();
    ~HttpSession();

    // Runs one exchange to its end. Nothing when no complete answer came: an address that is not http or
    // https (also behind a redirect), no connection, a TLS peer that does not verify, a time-out, an answer
    // that is not HTTP or one over the size limits. An HTTP error status is an answer.
    std::optional<Answer> perform(const Request &request);

    // Sets the handle up for the request; false when there is nothing to send (see perform()).
    bool prepare(const Request &request);
    // The handle that prepare() set up; null when curl could not make one.
    CURL *handle() const { return m_handle.get(); }
    // The answer of the prepared exchange, once curl has ended it with `result`; as perform() gives it.
    std::optional<Answer> collect(CURLcode result);

private:
    CurlEasyHandle m_handle;
    // The limits of the prepared exchange; curl's progress callback refers to them until the next one.
    std::unique_ptr<PhaseDeadlines> m_deadlines;
    // Kept for the length of an exchange, as curl points into them.
    Request m_request;
    CurlHeaderList m_headers;
    Reception m_reception;
};
