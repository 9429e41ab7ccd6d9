#include "wrappers/httprequest.h"

#include "platform/automation/comapartment.h"
#include "platform/toolkit/markersearch.h"
#include "wrappers/completionwatch.h"

#include <QObject>

#include <algorithm>

namespace {

// The bytes of [first, first + length) that lie inside the text; `first` counts from 0.
QByteArray clippedSlice(QByteArrayView text, qsizetype first, qsizetype length)
{
    const qsizetype begin = std::max<qsizetype>(first, 0);
    const qsizetype end = std::min(first + length, text.size());
    return begin < end ? text.sliced(begin, end - begin).toByteArray() : QByteArray();
}

} // namespace

HttpRequest::HttpRequest()
{
    createRequest();
}

HttpRequest::~HttpRequest()
{
    m_request.clear();
    m_apartment.leaveAll();
}

HttpRequest::HttpRequest(const HttpRequest &other)
    : m_sinkObject(other.m_sinkObject)
    , m_keptCookies(other.m_keptCookies)
    , m_request(other.m_request)
{
}

bool HttpRequest::createRequest(QByteArrayView progId)
{
    m_apartment.enter();
    return m_request.create(progId);
}

void HttpRequest::releaseRequest()
{
    m_request.clear();
}

QByteArray HttpRequest::currentUrl() const
{
    return m_request.readVariant("Option", {1}).asText();
}

AutomationObject HttpRequest::requestObject() const
{
    return m_request;
}

int HttpRequest::status() const
{
    return truncatedToInt(m_request.readNumber("Status"));
}

QByteArray HttpRequest::statusText() const
{
    return m_request.readText("StatusText");
}

QByteArray HttpRequest::responseText() const
{
    return m_request.readText("ResponseText");
}

QByteArray HttpRequest::responseBody() const
{
    return m_request.readVariant("ResponseBody").asBytes();
}

AutomationVariant HttpRequest::responseStream() const
{
    return m_request.readVariant("ResponseStream");
}

AutomationVariant HttpRequest::option(int index, std::optional<int> number,
                                      const std::optional<QByteArray> &text,
                                      const std::optional<QByteArray> &bytes,
                                      const std::optional<AutomationVariant> &value)
{
    if (number) {
        m_request.write("Option", {index}, *number);
    } else if (text) {
        m_request.write("Option", {index}, *text);
    } else if (bytes) {
        AutomationVariant byteArray;
        byteArray.assign(*bytes, AutomationVariant::Bytes::AsByteArray);
        m_request.write("Option", {index}, byteArray);
    } else if (value) {
        m_request.write("Option", {index}, *value);
    }
    return m_request.readVariant("Option", {index});
}

void HttpRequest::setProxy(const QByteArray &server, const QByteArray &bypass)
{
    setProxy(2, server, bypass);
}

void HttpRequest::setProxy(int setting, const QByteArray &server, const QByteArray &bypass)
{
    m_request.call("SetProxy", {setting, server, bypass});
}

void HttpRequest::setCredentials(const QByteArray &user, const QByteArray &password, int flags)
{
    m_request.call("SetCredentials", {user, password, flags});
}

void HttpRequest::open(const QByteArray &url)
{
    open("GET", url);
}

void HttpRequest::open(const QByteArray &method, const QByteArray &url, bool async)
{
    m_request.call("Open", {method, url, async});
}

void HttpRequest::setHeader(const QByteArray &name, const QByteArray &value)
{
    m_request.call("SetRequestHeader", {name, value});
}

void HttpRequest::setBrowserHeaders(const QByteArray &referrer)
{
    setHeader("Accept", "*/*");
    setHeader("Accept-Language", "zh_cn");
    setHeader("Referer", referrer);
    setHeader("Content-Type", "application/x-www-form-urlencoded");
}

void HttpRequest::setRange(const QByteArray &range)
{
    setHeader("Range", range);
}

void HttpRequest::setCookieHeader(const QByteArray &cookies)
{
    setHeader("Cookie", cookies);
}

QByteArray HttpRequest::responseHeader(const QByteArray &name) const
{
    return m_request.callText("GetResponseHeader", {name});
}

QByteArray HttpRequest::allResponseHeaders() const
{
    return m_request.callText("GetAllResponseHeaders");
}

void HttpRequest::send()
{
    m_request.call("Send");
}

void HttpRequest::send(const AutomationVariant &body)
{
    m_request.call("Send", {body});
}

bool HttpRequest::waitForResponse(int timeout)
{
    return m_request.callBool("WaitForResponse", {timeout});
}

void HttpRequest::abort()
{
    m_request.call("Abort");
}

void HttpRequest::setTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs)
{
    m_request.call("SetTimeouts", {resolveMs, connectMs, sendMs, receiveMs});
}

void HttpRequest::setClientCertificate(const QByteArray &certificate)
{
    m_request.call("SetClientCertificate", {certificate});
}

void HttpRequest::setAutoLogonPolicy(int policy)
{
    m_request.call("SetAutoLogonPolicy", {policy});
}

bool HttpRequest::whenCompleted(QObject *context, std::function<void()> done)
{
    return CompletionWatch::watch(m_request.object(), context, std::move(done));
}

int HttpRequest::readyState() const
{
    return truncatedToInt(m_request.readNumber("readyState"));
}

void HttpRequest::setReadyStateHandler(ReadyStateSink::Handler handler)
{
    ReadyStateSink::setReadyStateHandler(handler);
    // The handle owns the sink, so the request object reading it back shares it rather than taking it over.
    if (m_sinkObject.isEmpty())
        m_sinkObject = AutomationObject::adopt(new ReadyStateSink);
    m_request.write("onreadystatechange", m_sinkObject);
}

QByteArray HttpRequest::textBetween(QByteArrayView text, QByteArrayView left, QByteArrayView right,
                                    qsizetype start, bool ignoreCase, qsizetype *end, qsizetype extraBefore,
                                    qsizetype extraAfter)
{
    const qsizetype leftAt = findMarker(text, left, std::max<qsizetype>(start, 1) - 1, ignoreCase);
    if (leftAt < 0)
        return {};
    // From here on positions count from 1, as the caller's do.
    const qsizetype p = leftAt + 1;
    const qsizetype l = left.size();
    qsizetype e = text.size() + l;
    if (!right.isEmpty()) {
        const qsizetype rightAt = findMarker(text, right, leftAt + l, ignoreCase);
        e = rightAt + 1;
        if (end)
            *end = e;
        if (rightAt < 0)
            return {};
    } else if (end) {
        *end = e;
    }
    return clippedSlice(text, p + l - extraBefore - 1, (e - l - p) + extraBefore + extraAfter);
}
