#pragma once

#include "platform/automation/automationobject.h"
#include "platform/automation/comapartment.h"
#include "platform/automation/automationvariant.h"
#include "wrappers/readystatesink.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <optional>

class QObject;

// The platform's HTTP request object, driven late-bound. The program keeps one, `apiRequest`, and sends
// every service request through it as open("GET", url), send(), responseText().
//
// Fields, in order: the handle of the ready-state sink (empty until setReadyStateHandler), the cookies kept
// across answers, the handle of the request object. The platform builds the sink from a routine table, a
// word pointing at it and that word's address; here the sink is a ReadyStateSink object owned by its
// handle (see its class comment), made on the first setReadyStateHandler and shared by copies.
//
// Apartment balance: each createRequest enters the apartment once, and the destructor leaves it once for
// every entry this instance made, so a copy, which makes none, leaves none.
//
// Asynchronous use, on the event loop: open(method, url, true), then whenCompleted(), then send(), which
// returns at once; the routine runs when the answer is in (or the request failed) and reads it with
// responseText() and status().
//
// Every member gives the zero value (empty text, 0, false, an empty variant) when the request object is
// missing or the call fails.
class HttpRequest {
public:
    static constexpr char kDefaultProgId[] = "WinHttp.WinHttpRequest.5.1";

    // Creates the request object from kDefaultProgId; the result is not looked at.
    HttpRequest();
    // Releases the request object, then leaves the apartment as the class comment says.
    ~HttpRequest();
    // Shares the request object and the sink; enters no apartment.
    HttpRequest(const HttpRequest &other);
    HttpRequest &operator=(const HttpRequest &) = delete;

    // Enters the apartment, then creates a new request object in place of the old one; false leaves the
    // old one.
    bool createRequest(QByteArrayView progId = kDefaultProgId);
    void releaseRequest();
    // The request's address (option 1).
    QByteArray currentUrl() const;
    // A handle sharing the request object.
    AutomationObject requestObject() const;
    int status() const;
    QByteArray statusText() const;
    // The whole answer body as text; empty when the request failed.
    QByteArray responseText() const;
    QByteArray responseBody() const;
    AutomationVariant responseStream() const;
    // Writes the first value given, in the order number, text, bytes, variant, then reads the option.
    AutomationVariant option(int index, std::optional<int> number = std::nullopt,
                             const std::optional<QByteArray> &text = std::nullopt,
                             const std::optional<QByteArray> &bytes = std::nullopt,
                             const std::optional<AutomationVariant> &value = std::nullopt);
    // Without a setting: 2, the named proxy server.
    void setProxy(const QByteArray &server, const QByteArray &bypass = {});
    void setProxy(int setting, const QByteArray &server, const QByteArray &bypass = {});
    void setCredentials(const QByteArray &user, const QByteArray &password, int flags = 0);
    // Without a method: "GET".
    void open(const QByteArray &url);
    void open(const QByteArray &method, const QByteArray &url, bool async = false);
    void setHeader(const QByteArray &name, const QByteArray &value);
    // The headers a browser's form request carries, with the given referrer.
    void setBrowserHeaders(const QByteArray &referrer);
    void setRange(const QByteArray &range);
    void setCookieHeader(const QByteArray &cookies);
    QByteArray responseHeader(const QByteArray &name) const;
    QByteArray allResponseHeaders() const;
    // Synchronous: returns when the answer is in or the request failed. Asynchronous: returns at once.
    void send();
    void send(const AutomationVariant &body);
    bool waitForResponse(int timeout = 100);
    void abort();
    void setTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs);
    void setClientCertificate(const QByteArray &certificate);
    void setAutoLogonPolicy(int policy);
    int readyState() const;
    // Runs `done` once, from the event loop, when the asynchronous exchange about to be sent ends
    // (readyState 4); not when it is dropped by a new open or an abort first, nor once `context` is gone.
    // False, and `done` never runs, when the request object cannot tell (it is missing).
    bool whenCompleted(QObject *context, std::function<void()> done);
    // Makes `handler` the handler of every sink of the process and hands this instance's sink to the
    // request object as its onreadystatechange.
    void setReadyStateHandler(ReadyStateSink::Handler handler);

    // The cookies of the answers (responsecookies.cpp). Names and header names match in exact case.
    //
    // The value the first "Set-Cookie: name=" header of the answer set (or, when that gives nothing, the
    // first "Set-Cookie:name="), up to the first ";" or the end of its line; empty when there is none.
    QByteArray cookieValue(const QByteArray &name) const;
    // Every header line of the answer that begins with "Set-Cookie:", each followed by "\r\n".
    QByteArray setCookieLines() const;
    // Takes the cookies of the answer's "Set-Cookie: " lines into the kept cookies, "name=value;" each in the
    // order the names were first kept: a new name is added, a kept one gets its new value, and a value that
    // is empty or "deleted; expires=..." removes it. A line without a name stops the merge. Gives the kept
    // cookies.
    QByteArray mergeResponseCookies();
    // Makes the kept cookies the Cookie header of the request being prepared.
    void sendKeptCookies();

    // The text after the first `left` marker at or after `start` (1-based; below 1: from the first byte) up
    // to the next `right` marker, widened by `extraBefore` and `extraAfter` bytes and cut at the text's
    // ends; with an empty `right` the rest of the text. Empty when a marker is missing. Positions count
    // bytes from 1, and a marker matches only where a UTF-8 character starts. `ignoreCase` folds ASCII
    // letters only. When `end` is given it receives the right marker's position (0 when it is missing), or
    // without a right marker the text's length plus the left marker's.
    static QByteArray textBetween(QByteArrayView text, QByteArrayView left, QByteArrayView right = {},
                                  qsizetype start = 0, bool ignoreCase = false, qsizetype *end = nullptr,
                                  qsizetype extraBefore = 0, qsizetype extraAfter = 0);

private:
    AutomationObject m_sinkObject;
    QByteArray m_keptCookies;
    AutomationObject m_request;
    ApartmentEntries m_apartment;
};
