#include "platform/toolkit/urlreader.h"

#include "platform/toolkit/curlsupport.h"

namespace {

struct Body {
    QByteArray bytes;
    qsizetype limit = 0;
};

// CURLOPT_MAXFILESIZE only knows the announced length; a chunked answer is stopped here instead.
size_t appendToBody(char *data, size_t size, size_t count, void *userData)
{
    auto *body = static_cast<Body *>(userData);
    const size_t length = size * count;
    if (length > static_cast<size_t>(body->limit - body->bytes.size()))
        return 0; // tells curl to abort with a write error
    body->bytes.append(data, static_cast<qsizetype>(length));
    return length;
}

void applyLimits(CURL *handle, const UrlReadLimits &limits)
{
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stallTime.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBodyBytes));
}

bool isSuccessStatus(CURL *handle)
{
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    return status >= 200 && status <= 299;
}

} // namespace

QByteArray readUrl(const QByteArray &url)
{
    return readUrl(url, UrlReadLimits());
}

QByteArray readUrl(const QByteArray &url, const UrlReadLimits &limits)
{
    if (!CurlSupport::isHttpUrl(url))
        return {};
    const CurlEasyHandle handle = CurlSupport::makeEasyHandle();
    if (!handle)
        return {};
    CurlSupport::applySafeDefaults(handle.get());
    applyLimits(handle.get(), limits);
    Body body;
    body.limit = limits.maxBodyBytes;
    curl_easy_setopt(handle.get(), CURLOPT_URL, url.constData());
    curl_easy_setopt(handle.get(), CURLOPT_WRITEFUNCTION, appendToBody);
    curl_easy_setopt(handle.get(), CURLOPT_WRITEDATA, &body);
    // A 404 is a successful transfer to curl: the status is checked as well.
    if (curl_easy_perform(handle.get()) != CURLE_OK || !isSuccessStatus(handle.get()))
        return {};
    return body.bytes;
}
