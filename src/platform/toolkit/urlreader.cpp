#include "platform/toolkit/urlreader.h"

#include "platform/toolkit/curlmultidriver.h"

namespace {

void applyLimits(CURL *handle, const UrlReadLimits &limits)
{
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stallTime.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeout.count()));
}

bool isSuccessStatus(CURL *handle)
{
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    return status >= 200 && status <= 299;
}

} // namespace

UrlReader::UrlReader(UrlReadLimits limits, QObject *parent)
    : QObject(parent)
    , m_limits(limits)
    , m_handle(CurlSupport::makeEasyHandle())
{
}

UrlReader::~UrlReader()
{
    cancel();
}

void UrlReader::read(const QByteArray &url, Done done)
{
    cancel();
    const quint64 readNumber = ++m_readCount;
    m_done = std::move(done);
    m_body.clear();
    CurlMultiDriver *driver = CurlMultiDriver::instance();
    if (m_handle && driver && CurlSupport::isHttpUrl(url)) {
        CURL *handle = m_handle.get();
        curl_easy_reset(handle);
        CurlSupport::applySafeDefaults(handle);
        applyLimits(handle, m_limits);
        CurlSupport::collectBodyInto(handle, &m_body);
        curl_easy_setopt(handle, CURLOPT_URL, url.constData());
        if (driver->start(handle, [this](CURLcode result) { finish(result); }))
            return;
    }
    QMetaObject::invokeMethod(
        this, [this, readNumber] {
            if (readNumber == m_readCount && m_done)
                finish(CURLE_FAILED_INIT);
        },
        Qt::QueuedConnection);
}

void UrlReader::cancel()
{
    ++m_readCount;
    m_done = nullptr;
    if (CurlMultiDriver *driver = CurlMultiDriver::instance(); driver && m_handle)
        driver->cancel(m_handle.get());
}

void UrlReader::finish(CURLcode result)
{
    // A 404 is a successful transfer to curl: the status is checked as well.
    const bool ok = result == CURLE_OK && isSuccessStatus(m_handle.get());
    const Done done = std::exchange(m_done, nullptr);
    const QByteArray body = ok ? std::exchange(m_body, {}) : QByteArray();
    if (done)
        done(body);
}
