#include "platform/components/httprequest/phasedeadlines.h"

#include <algorithm>

namespace {

// curl takes a connect limit of 0 as its own default of 300 s; a day stands in for no limit.
constexpr long kNoConnectLimitMs = 24L * 60 * 60 * 1000;

bool exceeds(std::chrono::steady_clock::duration elapsed, int limitMs)
{
    return limitMs > 0 && elapsed > std::chrono::milliseconds(limitMs);
}

// A time curl reports in microseconds from the start of the exchange; 0 while the event has not happened.
curl_off_t microsecondsTo(CURL *handle, CURLINFO info)
{
    curl_off_t microseconds = 0;
    curl_easy_getinfo(handle, info, &microseconds);
    return microseconds;
}

} // namespace

PhaseDeadlines::PhaseDeadlines(const HttpSession::Timeouts &limits)
    : m_limits(limits)
{
}

void PhaseDeadlines::apply(CURL *handle)
{
    m_handle = handle;
    m_start = Clock::now();
    const int resolve = std::max(m_limits.resolve, 0);
    // curl's connect limit covers the look-up too, so it can only serve when both have limits; the
    // callback bounds each on its own.
    const bool bothLimited = m_limits.resolve > 0 && m_limits.connect > 0;
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                     bothLimited ? long{resolve} + m_limits.connect : kNoConnectLimitMs);
    if (m_limits.connect > 0 && m_limits.send > 0 && m_limits.receive > 0) {
        curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS,
                         long{resolve} + m_limits.connect + m_limits.send + m_limits.receive);
    }
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
}

int PhaseDeadlines::onProgress(void *deadlines, curl_off_t, curl_off_t downloaded, curl_off_t uploadTotal,
                               curl_off_t uploaded)
{
    // Anything but 0 aborts the transfer.
    return static_cast<PhaseDeadlines *>(deadlines)->isOverdue(uploadTotal, uploaded, downloaded) ? 1 : 0;
}

bool PhaseDeadlines::isOverdue(curl_off_t uploadTotal, curl_off_t uploaded, curl_off_t downloaded)
{
    const Clock::time_point now = Clock::now();
    const curl_off_t resolved = microsecondsTo(m_handle, CURLINFO_NAMELOOKUP_TIME_T);
    // Connected, with TLS and any proxy tunnel set up: the request goes out from here.
    const curl_off_t ready = microsecondsTo(m_handle, CURLINFO_PRETRANSFER_TIME_T);
    if (ready == 0) {
        if (resolved == 0)
            return exceeds(now - m_start, m_limits.resolve);
        return exceeds(now - (m_start + std::chrono::microseconds(resolved)), m_limits.connect);
    }

    // Header lines count as received bytes: a server may take its time between headers and body.
    long headerBytes = 0;
    curl_easy_getinfo(m_handle, CURLINFO_HEADER_SIZE, &headerBytes);
    const curl_off_t moved = uploaded + downloaded + headerBytes;
    if (!m_waitStart) {
        m_waitStart = m_start + std::chrono::microseconds(ready);
        m_moved = moved;
    } else if (moved != m_moved) {
        m_waitStart = now;
        m_moved = moved;
    }
    const bool sending = uploadTotal > 0 && uploaded < uploadTotal;
    return exceeds(now - *m_waitStart, sending ? m_limits.send : m_limits.receive);
}
