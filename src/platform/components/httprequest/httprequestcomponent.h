#pragma once

#include "platform/components/httprequest/httpsession.h"
#include "platform/toolkit/curlmultidriver.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <optional>

// The HTTP request object created by ProgID "WinHttp.WinHttpRequest.5.1", on libcurl.
//
// A request opened as synchronous is sent by send() to its end: it returns when the answer is in or the
// request has failed. One opened as asynchronous returns from send() at once, readyState 2, and runs on
// the event loop of the object's thread (a CurlMultiDriver of its own); readyState 4, always reached from
// the loop and announced by readyStateChanged, tells that the answer is in. open(), abort() and the
// object's end drop an exchange still running. Each object keeps its own connections, so requests to the
// same host reuse them, and they close with the object.
//
// A failed request (no connection, a time-out, an address that is not http or https, also behind a
// redirect, a TLS peer that does not verify, an answer that is not HTTP or one over 16 MiB) leaves status
// 0 and empty text, body and headers, never the previous answer. An HTTP error status is an answer like
// any other: a 500 gives its status, headers and body.
//
// readyState runs 0 (new or aborted), 1 (opened), 2 (sending), 3 (answer received), 4 (done, also after a
// failure). Each change calls the Invoke member of the object in onreadystatechange, which is not owned:
// when that object is deleted the property reads null.
class HttpRequestComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(int status READ status)
    Q_PROPERTY(QString statusText READ statusText)
    Q_PROPERTY(QString responseText READ responseText)
    Q_PROPERTY(QByteArray responseBody READ responseBody)
    Q_PROPERTY(QVariant responseStream READ responseStream)
    Q_PROPERTY(int readyState READ readyState NOTIFY readyStateChanged)
    Q_PROPERTY(QObject *onreadystatechange READ onReadyStateChange WRITE setOnReadyStateChange)

public:
    // The option indexes this object knows; any other reads as empty and refuses a write.
    enum OptionIndex {
        UserAgentOption = 0,
        // The address of the request: the opened one, after a completed request the one that answered.
        UrlOption = 1,
    };

    explicit HttpRequestComponent(QObject *parent = nullptr);
    ~HttpRequestComponent() override;

    // Starts a new request, dropping one still running: forgets the previous answer, request headers and
    // credentials; proxy, time-outs, certificate and user agent stay. An address that is not http or https,
    // or a method that is not an HTTP token, leaves nothing to send (readyState 0).
    Q_INVOKABLE void open(const QString &method, const QString &url, bool async = false);
    // Sends the opened request, with a body when one is given (bytes as they are, anything else as UTF-8
    // text): synchronous, it returns when the exchange has ended; asynchronous, at once (see the class
    // comment). Without an opened request only the answer is cleared.
    Q_INVOKABLE void send(const QVariant &body = QVariant());
    // True when the last request got an answer. An asynchronous exchange still running is waited for, with
    // the event loop running, up to timeoutSeconds (below 0: without a limit).
    Q_INVOKABLE bool waitForResponse(int timeoutSeconds = -1);
    // Drops the opened request and its answer; readyState goes back to 0.
    Q_INVOKABLE void abort();

    Q_INVOKABLE QVariant option(int index) const;
    // True when the value was taken: a user agent without line breaks, an http or https address.
    Q_INVOKABLE bool setOption(int index, const QVariant &value);

    // setting 0 takes the environment's proxy settings, 1 goes direct, 2 uses server, skipping the hosts
    // of the bypass list; other settings are ignored.
    Q_INVOKABLE void setProxy(int setting, const QString &server = QString(),
                              const QString &bypass = QString());
    // flags 0: for the server, 1: for the proxy; other flags are ignored. Valid until the next open().
    Q_INVOKABLE void setCredentials(const QString &user, const QString &password, int flags = 0);
    // Replaces an earlier header of the same name; a name that is not a token, or a value with a line
    // break, is ignored.
    Q_INVOKABLE void setRequestHeader(const QString &name, const QString &value);
    // The first answer header of that name (any case), empty when there is none.
    Q_INVOKABLE QString getResponseHeader(const QString &name) const;
    // The answer's header lines as received, without the status line, each followed by "\r\n".
    Q_INVOKABLE QString getAllResponseHeaders() const;
    // 0 or less means no limit of that phase's own. Kept for later requests.
    Q_INVOKABLE void setTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs);
    // The path of a PEM file holding the client certificate and its key; empty for none.
    Q_INVOKABLE void setClientCertificate(const QString &certificate);
    // Accepted and without effect: logging on with the desktop user's own credentials has no counterpart
    // on this platform.
    Q_INVOKABLE void setAutoLogonPolicy(int policy);

    int status() const;
    // The status line's phrase, or the standard phrase of the status when the line has none (HTTP/2).
    QString statusText() const;
    // The body decoded by the answer's charset; see bodyText().
    QString responseText() const;
    QByteArray responseBody() const;
    QVariant responseStream() const;
    int readyState() const { return m_readyState; }
    QObject *onReadyStateChange() const { return m_onReadyStateChange; }
    void setOnReadyStateChange(QObject *sink) { m_onReadyStateChange = sink; }

signals:
    void readyStateChanged(int state);

private:
    void setReadyState(int state);
    void startTransfer(const HttpSession::Request &request);
    void finishExchange(std::optional<HttpSession::Answer> answer);
    void failLater();
    void stopTransfer();

    HttpSession m_session;
    // Declared after the session: it goes first, dropping a transfer before the handle goes.
    CurlMultiDriver m_driver;
    // What send() sends: set by open(), the setters and option writes.
    HttpSession::Request m_request;
    bool m_opened = false;
    bool m_async = false;
    bool m_sending = false;
    // Tells a queued failure which exchange it belongs to.
    quint64 m_exchangeCount = 0;
    std::optional<HttpSession::Answer> m_answer;
    int m_readyState = 0;
    QPointer<QObject> m_onReadyStateChange;
};

// Makes HttpRequestComponent creatable by its ProgID.
void registerHttpRequestComponent();
