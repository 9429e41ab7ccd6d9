#include "platform/toolkit/curlsupport.h"

namespace {

constexpr long kMaxRedirects = 10;

bool startsWithNoCase(QByteArrayView text, QByteArrayView prefix)
{
    return text.size() >= prefix.size() && text.first(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

// CURLOPT_MAXFILESIZE only knows an announced length; a chunked or compressed answer is stopped here.
size_t appendWithinCap(char *data, size_t size, size_t count, void *userData)
{
    auto *body = static_cast<QByteArray *>(userData);
    const size_t length = size * count;
    if (length > static_cast<size_t>(CurlSupport::kMaxBodyBytes - body->size()))
        return 0; // tells curl to abort with a write error
    body->append(data, static_cast<qsizetype>(length));
    return length;
}

} // namespace

bool CurlSupport::isHttpUrl(QByteArrayView url)
{
    return startsWithNoCase(url, "http://") || startsWithNoCase(url, "https://");
}

CurlEasyHandle CurlSupport::makeEasyHandle()
{
    // curl_global_init is not thread-safe in general; doing it once here, on first use, keeps that rule.
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return initialised ? CurlEasyHandle(curl_easy_init()) : CurlEasyHandle();
}

void CurlSupport::applySafeDefaults(CURL *handle)
{
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");
}

void CurlSupport::collectBodyInto(CURL *handle, QByteArray *body)
{
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kMaxBodyBytes));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, appendWithinCap);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, body);
}
