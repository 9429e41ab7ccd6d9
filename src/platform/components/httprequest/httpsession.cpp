#include "platform/components/httprequest/httpsession.h"

#include "platform/components/httprequest/phasedeadlines.h"

#include <QByteArrayView>

#include <algorithm>

namespace {

// What arrives during one exchange. A redirect or an interim "100 Continue" starts a new response with
// its own status line; only the last response's parts are kept.
struct Reception {
    QByteArray statusText;
    QByteArray headers;
    QByteArray body;
    qsizetype headerBytes = 0;
};

// "HTTP/1.1 404 Not Found" gives "Not Found"; HTTP/2 has no phrase.
QByteArray reasonPhrase(QByteArrayView statusLine)
{
    const qsizetype first = statusLine.indexOf(' ');
    const qsizetype second = first < 0 ? -1 : statusLine.indexOf(' ', first + 1);
    return second < 0 ? QByteArray() : statusLine.sliced(second + 1).trimmed().toByteArray();
}

size_t receiveHeader(char *data, size_t size, size_t count, void *userData)
{
    auto *reception = static_cast<Reception *>(userData);
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

// CURLOPT_MAXFILESIZE only knows an announced length; a chunked or compressed answer is stopped here.
size_t receiveBody(char *data, size_t size, size_t count, void *userData)
{
    auto *reception = static_cast<Reception *>(userData);
    const size_t length = size * count;
    if (length > static_cast<size_t>(HttpSession::kMaxBodyBytes - reception->body.size()))
        return 0; // aborts the transfer with a write error
    reception->body.append(data, static_cast<qsizetype>(length));
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

HttpSession::HttpSession()
    : m_handle(CurlSupport::makeEasyHandle())
{
}

std::optional<HttpSession::Answer> HttpSession::perform(const Request &request)
{
    if (!m_handle || !CurlSupport::isHttpUrl(request.url))
        return std::nullopt;
    CURL *handle = m_handle.get();
    // Back to curl's defaults; open connections and the DNS and TLS session caches stay.
    curl_easy_reset(handle);
    CurlSupport::applySafeDefaults(handle);
    PhaseDeadlines deadlines(request.timeouts);
    deadlines.apply(handle);
    applyProxy(handle, request.proxy);
    applyLogins(handle, request);
    applyMethod(handle, request);

    CurlHeaderList headers;
    for (const QByteArray &line : request.headers) {
        if (!appendLine(headers, line))
            return std::nullopt;
    }
    Reception reception;
    curl_easy_setopt(handle, CURLOPT_URL, request.url.constData());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, request.userAgent.constData());
    if (!request.clientCertificate.isEmpty())
        curl_easy_setopt(handle, CURLOPT_SSLCERT, request.clientCertificate.constData());
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kMaxBodyBytes));
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, receiveHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &reception);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, receiveBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &reception);
    // The handle keeps pointers into this frame until the next request resets it; curl only reads them
    // during a transfer.
    if (curl_easy_perform(handle) != CURLE_OK)
        return std::nullopt;

    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    const char *finalUrl = nullptr;
    curl_easy_getinfo(handle, CURLINFO_EFFECTIVE_URL, &finalUrl);
    return Answer{static_cast<int>(status), std::move(reception.statusText), std::move(reception.headers),
                  std::move(reception.body), finalUrl ? QByteArray(finalUrl) : request.url};
}
