#include "platform/components/httprequest/httpsession.h"

#include "platform/components/httprequest/phasedeadlines.h"

#include <QByteArrayView>


namespace {


// "HTTP/1.1 404 Not Found" gives "Not Found"; HTTP/2 has no phrase.
QByteArray reasonPhrase(QByteArrayView statusLine)
{
    const qsizetype first = statusLine.indexOf(' ');
    const qsizetype second = first < 0 ? -1 : statusLine.indexOf(' ', first + 1);
    return second < 0 ? QByteArray() : statusLine.sliced(second + 1).trimmed().toByteArray();
}

size_t receiveHeader(char *data, size_t size, size_t count, void *userData)
{
    auto *reception = static_cast<HttpSession::Reception *>(userData);
    const size_t length = size * count;
    // curl 7.88 bounds each line but not their number: a hostile server could send headers forever.
    if (length > static_cast<size_t>(HttpSession::kMaxHeaderBytes - reception->headerBytes))
        return 0; // aborts the transfer
    reception->headerBytes += static_cast<qsizetype>(length);
    QByteArrayView line(data, static_cast<qsizetype>(length));
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.startsWith("HTTP/")) {
        reception->statusText = reasonPhrase(line);
        reception->headers.clear();
        reception->body.clear();
    } else if (!line.isEmpty()) {
        reception->headers.append(line);
        reception->headers.append("\r\n");
    }
    return length;
}

void applyProxy(CURL *handle, const HttpSession::Proxy &proxy)
{
    using Mode = HttpSession::Proxy::Mode;
    if (proxy.mode == Mode::Direct) {
        // An empty proxy also overrides the proxy variables of the environment.
        curl_easy_setopt(handle, CURLOPT_PROXY, "");
    } else if (proxy.mode == Mode::Named) {
        curl_easy_setopt(handle, CURLOPT_PROXY, proxy.server.constData());
        curl_easy_setopt(handle, CURLOPT_NOPROXY, QByteArray(proxy.bypass).replace(';', ',').constData());
    }
}

void applyLogins(CURL *handle, const HttpSession::Request &request)
{
    if (request.serverLogin) {
        curl_easy_setopt(handle, CURLOPT_USERNAME, request.serverLogin->user.constData());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, request.serverLogin->password.constData());
        curl_easy_setopt(handle, CURLOPT_HTTPAUTH, CURLAUTH_ANY);
    }
    if (request.proxyLogin) {
        curl_easy_setopt(handle, CURLOPT_PROXYUSERNAME, request.proxyLogin->user.constData());
        curl_easy_setopt(handle, CURLOPT_PROXYPASSWORD, request.proxyLogin->password.constData());
        curl_easy_setopt(handle, CURLOPT_PROXYAUTH, CURLAUTH_ANY);
    }
}

void applyMethod(CURL *handle, const HttpSession::Request &request)
{
    const QByteArray &method = request.method;
    if (method == "HEAD") {
        curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    } else if (request.body || method == "POST") {
        const char *body = request.body ? request.body->constData() : "";
        const curl_off_t size = request.body ? request.body->size() : 0;
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, size);
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body);
    }
    // curl picks GET, POST and HEAD itself, and turns a POST into a GET after a 303 as it should; any
    // other method, or a GET that carries a body, is named explicitly.
    const bool curlNamesMethod = method == "POST" || method == "HEAD" || (method == "GET" && !request.body);
    if (!curlNamesMethod)
        curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, method.constData());
}

// False when memory ran out; the list then holds the lines appended so far.
bool appendLine(CurlHeaderList &list, const QByteArray &line)
{
    curl_slist *head = list.release();
    curl_slist *grown = curl_slist_append(head, line.constData());
    list.reset(grown ? grown : head);
    return grown != nullptr;
}

} // namespace

HttpSession::~HttpSession() = default;

HttpSession::HttpSession()
    : m_handle(CurlSupport::makeEasyHandle())
{
}

bool HttpSession::prepare(const Request &request)
{
    if (!m_handle || !CurlSupport::isHttpUrl(request.url))
        return false;
    CURL *handle = m_handle.get();
    // Back to curl's defaults; open connections and the DNS and TLS session caches stay.
    curl_easy_reset(handle);
    CurlSupport::applySafeDefaults(handle);
    m_deadlines = std::make_unique<PhaseDeadlines>(request.timeouts);
    m_deadlines->apply(handle);
    applyProxy(handle, request.proxy);
    applyLogins(handle, request);
    // curl keeps pointers to the body and the header list, so they live here until the next request.
    m_request = request;
    applyMethod(handle, m_request);

    m_headers.reset();
    for (const QByteArray &line : m_request.headers) {
        if (!appendLine(m_headers, line))
            return false;
    }
    m_reception = {};
    curl_easy_setopt(handle, CURLOPT_URL, m_request.url.constData());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, m_headers.get());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, m_request.userAgent.constData());
    if (!m_request.clientCertificate.isEmpty())
        curl_easy_setopt(handle, CURLOPT_SSLCERT, m_request.clientCertificate.constData());
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, receiveHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &m_reception);
    CurlSupport::collectBodyInto(handle, &m_reception.body);
    return true;
}

std::optional<HttpSession::Answer> HttpSession::collect(CURLcode result)
{
    if (result != CURLE_OK)
        return std::nullopt;
    CURL *handle = m_handle.get();
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    const char *finalUrl = nullptr;
    curl_easy_getinfo(handle, CURLINFO_EFFECTIVE_URL, &finalUrl);
    return Answer{static_cast<int>(status), std::move(m_reception.statusText), std::move(m_reception.headers),
                  std::move(m_reception.body), finalUrl ? QByteArray(finalUrl) : m_request.url};
}

std::optional<HttpSession::Answer> HttpSession::perform(const Request &request)
{
    if (!prepare(request))
        return std::nullopt;
    return collect(curl_easy_perform(m_handle.get()));
}
