#include "radio/retrybackoff.h"

#include <gtest/gtest.h>

#include <vector>

using namespace std::chrono_literals;

namespace {

TEST(RetryBackoffTest, WaitsDoubleUpToHalfAMinuteAndStartAgainAfterASong)
{
    RetryBackoff backoff;
    std::vector<std::chrono::seconds> waits;
    for (int i = 0; i < 8; ++i)
        waits.push_back(backoff.failed());
    EXPECT_EQ(waits, (std::vector<std::chrono::seconds>{1s, 2s, 4s, 8s, 16s, 30s, 30s, 30s}));
    for (int i = 0; i < 100; ++i)
        backoff.failed();
    EXPECT_EQ(backoff.failed(), 30s);

    backoff.reset();
    EXPECT_EQ(backoff.failed(), 1s);
    EXPECT_EQ(backoff.failed(), 2s);
}

TEST(RetryBackoffTest, MessageSaysWhatHappenedAndWhenTheNextTryComes)
{
    const struct {
        RetryReason reason;
        int status;
        std::chrono::seconds wait;
        const char *text;
    } cases[] = {
        {RetryReason::NoConnection, 0, 5s, "无法连接电台，5 秒后重试"},
        {RetryReason::ErrorStatus, 500, 1s, "电台返回错误 (500)，1 秒后重试"},
        {RetryReason::UnusablePlaylist, 200, 30s, "电台返回的歌单无法使用，30 秒后重试"},
        {RetryReason::UnplayableSong, 0, 2s, "歌曲无法播放，2 秒后重试"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(retryMessage(c.reason, c.status, c.wait), QString::fromUtf8(c.text));
}

} // namespace
