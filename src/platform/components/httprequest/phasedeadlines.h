#pragma once

#include "platform/components/httprequest/httpsession.h"

#include <curl/curl.h>

#include <chrono>
#include <optional>

// The time limits of one exchange, each phase with its own, as the request object's SetTimeouts gives them
// in milliseconds (0 or less: no limit of that phase's own). Resolving the host name and connecting are
// each bounded as a whole. Sending and receiving are bounded per wait for the peer: one that keeps taking
// or giving bytes goes on, one that stays silent longer than the limit is given up, and so is one that
// does not start its answer in time. When connect, send and receive all have limits, their sum (with the
// resolve limit) bounds the whole exchange as well, against a peer that trickles a byte now and then.
//
// The limits are checked from curl's progress callback, which curl calls on every transfer of bytes and
// about once a second in between, so a limit may be overrun by up to a second.
class PhaseDeadlines {
public:
    explicit PhaseDeadlines(const HttpSession::Timeouts &limits);
    PhaseDeadlines(const PhaseDeadlines &) = delete;
    PhaseDeadlines &operator=(const PhaseDeadlines &) = delete;

    // Sets the handle's limits and starts the clock; the handle refers to this object until its next
    // reset, so it must outlive the transfer.
    void apply(CURL *handle);

private:
    using Clock = std::chrono::steady_clock;

    static int onProgress(void *deadlines, curl_off_t downloadTotal, curl_off_t downloaded,
                          curl_off_t uploadTotal, curl_off_t uploaded);
    bool isOverdue(curl_off_t uploadTotal, curl_off_t uploaded, curl_off_t downloaded);

    HttpSession::Timeouts m_limits;
    CURL *m_handle = nullptr;
    Clock::time_point m_start;
    // Bytes moved so far, both ways; a change ends a wait.
    curl_off_t m_moved = 0;
    std::optional<Clock::time_point> m_waitStart;
};
