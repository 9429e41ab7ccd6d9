#include "radio/retrybackoff.h"

#include <algorithm>

std::chrono::seconds RetryBackoff::failed()
{
    // Doubling stops at the cap, so the count can grow without the shift overflowing.
    const int doublings = std::min(m_failures, 8);
    ++m_failures;
    return std::min(kFirstWait * (1 << doublings), kLongestWait);
}

QString retryMessage(RetryReason reason, int status, std::chrono::seconds wait)
{
    const QString when = QStringLiteral("，%1 秒后重试").arg(wait.count());
    switch (reason) {
    case RetryReason::NoConnection:
        return QStringLiteral("无法连接电台") + when;
    case RetryReason::ErrorStatus:
        return QStringLiteral("电台返回错误 (%1)").arg(status) + when;
    case RetryReason::UnusablePlaylist:
        return QStringLiteral("电台返回的歌单无法使用") + when;
    case RetryReason::UnplayableSong:
        return QStringLiteral("歌曲无法播放") + when;
    }
    return when;
}
