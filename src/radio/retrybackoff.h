#pragma once

#include <QString>

#include <chrono>

// Why the radio waits before its next attempt.
enum class RetryReason {
    NoConnection,     // the playlist request got no answer
    ErrorStatus,      // the service answered with an error status
    UnusablePlaylist, // an answer without a song the player could open
    UnplayableSong,   // the song ended without ever playing
};

// The wait before the next attempt when attempts fail in a row: 1 s, 2 s, 4 s, … at most 30 s, so that a
// failing service is not hammered. One song that plays starts the sequence again.
class RetryBackoff {
public:
    static constexpr std::chrono::seconds kFirstWait{1};
    static constexpr std::chrono::seconds kLongestWait{30};

    // Counts one more failure and gives the wait before the next attempt.
    std::chrono::seconds failed();
    // A song played: the next failure waits kFirstWait again.
    void reset() { m_failures = 0; }
    int failuresInARow() const { return m_failures; }

private:
    int m_failures = 0;
};

// The short sentence that tells the user what went wrong and when the next try comes, e.g.
// "无法连接电台，5 秒后重试"; `status` is the HTTP status for RetryReason::ErrorStatus.
QString retryMessage(RetryReason reason, int status, std::chrono::seconds wait);
