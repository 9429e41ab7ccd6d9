#include "platform/components/httprequest/httprequestcomponent.h"

#include "platform/automation/automationobject.h"
#include "platform/automation/componentregistry.h"
#include "platform/components/httprequest/bodytext.h"
#include "platform/components/httprequest/statusphrase.h"
#include "platform/toolkit/curlmultidriver.h"

#include <QByteArrayView>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace {

constexpr char kProgId[] = "WinHttp.WinHttpRequest.5.1";
// The platform object's own user agent: servers answer us as they answered it.
constexpr char kDefaultUserAgent[] = "Mozilla/4.0 (compatible; Win32; WinHttp.WinHttpRequest.5)";

// Invoke's arguments for an event: the default member, the user's locale, called as a method.
constexpr int kDispIdValue = 0;
constexpr int kLocaleUserDefault = 0x0400;
constexpr int kDispatchMethod = 1;

enum ReadyState { Uninitialized = 0, Opened = 1, Sending = 2, Received = 3, Completed = 4 };

// An HTTP token (RFC 9110): what a method or a header name may consist of.
bool isToken(QByteArrayView text)
{
    constexpr QByteArrayView symbols("!#$%&'*+-.^_`|~");
    const auto isTokenChar = [&](char c) {
        const char lower = static_cast<char>(c | 0x20);
        return (c >= '0' && c <= '9') || (lower >= 'a' && lower <= 'z') || symbols.contains(c);
    };
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenChar);
}

// A value with one of these would let a caller smuggle further header lines into the request.
bool hasLineBreak(QByteArrayView text)
{
    return text.contains('\r') || text.contains('\n') || text.contains('\0');
}

QByteArrayView nameOfLine(QByteArrayView line)
{
    return line.first(std::max<qsizetype>(line.indexOf(':'), 0)).trimmed();
}

// The value of the first "Name: value" line of headers with that name, in any case.
QByteArray headerValue(const QByteArray &headers, QByteArrayView name)
{
    for (qsizetype from = 0; from < headers.size();) {
        qsizetype end = headers.indexOf("\r\n", from);
        if (end < 0)
            end = headers.size();
        const QByteArrayView line = QByteArrayView(headers).sliced(from, end - from);
        if (line.contains(':') && nameOfLine(line).compare(name, Qt::CaseInsensitive) == 0)
            return line.sliced(line.indexOf(':') + 1).trimmed().toByteArray();
        from = end + 2;
    }
    return {};
}

std::optional<QByteArray> bodyBytes(const QVariant &body)
{
    if (!body.isValid())
        return std::nullopt;
    if (body.typeId() == QMetaType::QByteArray)
        return body.toByteArray();
    return body.toString().toUtf8();
}

} // namespace

HttpRequestComponent::HttpRequestComponent(QObject *parent)
    : QObject(parent)
{
    m_request.userAgent = kDefaultUserAgent;
}

HttpRequestComponent::~HttpRequestComponent()
{
    stopTransfer();
}

void HttpRequestComponent::open(const QString &method, const QString &url, bool async)
{
    stopTransfer();
    m_async = async;
    m_answer.reset();
    m_request.method = method.toUtf8();
    m_request.url = url.toUtf8();
    m_request.headers.clear();
    m_request.serverLogin.reset();
    m_request.proxyLogin.reset();
    m_opened = isToken(m_request.method) && CurlSupport::isHttpUrl(m_request.url);
    setReadyState(m_opened ? Opened : Uninitialized);
}

void HttpRequestComponent::send(const QVariant &body)
{
    // A ready-state handler that sends again from inside a send gets nothing.
    if (m_sending)
        return;
    m_answer.reset();
    if (!m_opened) {
        // An asynchronous caller waits for readyState 4, so it hears of the failure too.
        if (m_async)
            failLater();
        return;
    }
    HttpSession::Request request = m_request;
    request.body = bodyBytes(body);
    m_sending = true;
    setReadyState(Sending);
    if (m_async)
        startTransfer(request);
    else
        finishExchange(m_session.perform(request));
}

void HttpRequestComponent::startTransfer(const HttpSession::Request &request)
{
    if (m_session.prepare(request)
        && m_driver.start(m_session.handle(), [this](CURLcode result) { finishExchange(m_session.collect(result)); }))
        return;
    failLater();
}

void HttpRequestComponent::failLater()
{
    m_sending = true;
    // Reported from the loop, as an asynchronous caller expects, unless a newer exchange came first.
    const quint64 exchange = ++m_exchangeCount;
    QMetaObject::invokeMethod(
        this, [this, exchange] {
            if (exchange == m_exchangeCount && m_sending)
                finishExchange(std::nullopt);
        },
        Qt::QueuedConnection);
}

void HttpRequestComponent::finishExchange(std::optional<HttpSession::Answer> answer)
{
    m_sending = false;
    m_answer = std::move(answer);
    if (m_answer) {
        m_request.url = m_answer->url;
        setReadyState(Received);
    }
    setReadyState(Completed);
}

void HttpRequestComponent::stopTransfer()
{
    ++m_exchangeCount;
    if (m_async && m_sending) {
        m_driver.cancel(m_session.handle());
        m_sending = false;
    }
}

bool HttpRequestComponent::waitForResponse(int timeoutSeconds)
{
    if (m_async && m_sending) {
        QEventLoop loop;
        connect(this, &HttpRequestComponent::readyStateChanged, &loop, [&loop](int state) {
            if (state == Completed)
                loop.quit();
        });
        if (timeoutSeconds >= 0)
            QTimer::singleShot(std::chrono::seconds(timeoutSeconds), &loop, &QEventLoop::quit);
        loop.exec();
    }
    return m_answer.has_value();
}

void HttpRequestComponent::abort()
{
    stopTransfer();
    m_answer.reset();
    m_opened = false;
    setReadyState(Uninitialized);
}

QVariant HttpRequestComponent::option(int index) const
{
    switch (index) {
    case UserAgentOption:
        return QString::fromUtf8(m_request.userAgent);
    case UrlOption:
        return QString::fromUtf8(m_request.url);
    default:
        return {};
    }
}

bool HttpRequestComponent::setOption(int index, const QVariant &value)
{
    const QByteArray text = value.toString().toUtf8();
    switch (index) {
    case UserAgentOption:
        if (hasLineBreak(text))
            return false;
        m_request.userAgent = text;
        return true;
    case UrlOption:
        if (!CurlSupport::isHttpUrl(text))
            return false;
        m_request.url = text;
        return true;
    default:
        return false;
    }
}

void HttpRequestComponent::setProxy(int setting, const QString &server, const QString &bypass)
{
    using Mode = HttpSession::Proxy::Mode;
    switch (setting) {
    case 0:
        m_request.proxy = {};
        break;
    case 1:
        m_request.proxy = {Mode::Direct, {}, {}};
        break;
    case 2:
        m_request.proxy = {Mode::Named, server.toUtf8(), bypass.toUtf8()};
        break;
    default:
        break;
    }
}

void HttpRequestComponent::setCredentials(const QString &user, const QString &password, int flags)
{
    const HttpSession::Login login{user.toUtf8(), password.toUtf8()};
    if (flags == 0)
        m_request.serverLogin = login;
    else if (flags == 1)
        m_request.proxyLogin = login;
}

void HttpRequestComponent::setRequestHeader(const QString &name, const QString &value)
{
    const QByteArray nameBytes = name.toUtf8();
    const QByteArray valueBytes = value.toUtf8();
    if (!isToken(nameBytes) || hasLineBreak(valueBytes))
        return;
    m_request.headers.removeIf([&](const QByteArray &line) {
        return nameOfLine(line).compare(nameBytes, Qt::CaseInsensitive) == 0;
    });
    m_request.headers.append(nameBytes + ": " + valueBytes);
}

QString HttpRequestComponent::getResponseHeader(const QString &name) const
{
    return m_answer ? QString::fromUtf8(headerValue(m_answer->headers, name.toUtf8())) : QString();
}

QString HttpRequestComponent::getAllResponseHeaders() const
{
    return m_answer ? QString::fromUtf8(m_answer->headers) : QString();
}

void HttpRequestComponent::setTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs)
{
    m_request.timeouts = {resolveMs, connectMs, sendMs, receiveMs};
}

void HttpRequestComponent::setClientCertificate(const QString &certificate)
{
    m_request.clientCertificate = certificate.toUtf8();
}

void HttpRequestComponent::setAutoLogonPolicy(int /*policy*/) {}

int HttpRequestComponent::status() const
{
    return m_answer ? m_answer->status : 0;
}

QString HttpRequestComponent::statusText() const
{
    if (!m_answer)
        return {};
    // An HTTP/2 status line has no phrase.
    return QString::fromUtf8(m_answer->statusText.isEmpty() ? standardReasonPhrase(m_answer->status)
                                                            : m_answer->statusText);
}

QString HttpRequestComponent::responseText() const
{
    return m_answer ? bodyText(m_answer->body, headerValue(m_answer->headers, "Content-Type")) : QString();
}

QByteArray HttpRequestComponent::responseBody() const
{
    return m_answer ? m_answer->body : QByteArray();
}

QVariant HttpRequestComponent::responseStream() const
{
    return m_answer ? QVariant(m_answer->body) : QVariant();
}

void HttpRequestComponent::setReadyState(int state)
{
    if (state == m_readyState)
        return;
    m_readyState = state;
    if (m_onReadyStateChange) {
        AutomationObject::borrow(m_onReadyStateChange)
            .call("Invoke", {kDispIdValue, kLocaleUserDefault, kDispatchMethod});
    }
    emit readyStateChanged(state);
}

void registerHttpRequestComponent()
{
    ComponentRegistry::add(kProgId, [] { return new HttpRequestComponent; });
}
