#include "platform/toolkit/urlreader.h"

#include "support/loopbackserver.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr qsizetype kLimit = CurlSupport::kMaxBodyBytes;

// Short limits, so the failure cases finish in a second or two.
UrlReadLimits shortLimits()
{
    UrlReadLimits limits;
    limits.connectTimeout = 2s;
    limits.lowSpeedBytesPerSecond = 1;
    limits.stallTime = 1s;
    limits.totalTimeout = 3s;
    return limits;
}

// One read run to its end on a loop of its own; a read that never answers fails the test after 20 s.
QByteArray readUrl(const QByteArray &url, const UrlReadLimits &limits = {})
{
    UrlReader reader(limits);
    QEventLoop loop;
    QByteArray result = "no answer";
    reader.read(url, [&](const QByteArray &body) {
        result = body;
        loop.quit();
    });
    const bool answeredInside = result != "no answer";
    QTimer::singleShot(20s, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(answeredInside) << "the answer must come from the loop";
    return result;
}

// A body of the given size in chunks, so its length is not announced.
void serveChunked(httplib::Response &response, size_t size)
{
    response.set_chunked_content_provider(
        "application/octet-stream", [size](size_t offset, httplib::DataSink &sink) {
            const std::string chunk(std::min<size_t>(64 * 1024, size - offset), 'x');
            if (!chunk.empty())
                sink.write(chunk.data(), chunk.size());
            if (offset + chunk.size() >= size)
                sink.done();
            return true;
        });
}

class UrlReaderTest : public testing::Test {
protected:
    UrlReaderTest()
    {
        httplib::Server &server = m_server.server();
        server.Get("/body", [](const httplib::Request &, httplib::Response &response) {
            response.set_content("cover bytes", "image/jpeg");
        });
        server.Get("/missing", [](const httplib::Request &, httplib::Response &response) {
            response.status = 404;
            response.set_content("not here", "text/plain");
        });
        server.Get("/error", [](const httplib::Request &, httplib::Response &response) {
            response.status = 500;
            response.set_content("broken", "text/plain");
        });
        server.Get("/redirect", [this](const httplib::Request &, httplib::Response &response) {
            response.set_redirect(m_server.url("/body"));
        });
        server.Get("/to-file", [](const httplib::Request &, httplib::Response &response) {
            response.set_redirect("file:///etc/passwd");
        });
        server.Get("/at-limit", [](const httplib::Request &, httplib::Response &response) {
            serveChunked(response, kLimit);
        });
        server.Get("/over-limit", [](const httplib::Request &, httplib::Response &response) {
            serveChunked(response, kLimit + 1);
        });
        server.Get("/over-limit-announced", [](const httplib::Request &, httplib::Response &response) {
            response.set_content(std::string(kLimit + 1, 'x'), "application/octet-stream");
        });
        server.Get("/stall", [this](const httplib::Request &, httplib::Response &response) {
            waitForRelease();
            response.set_content("late", "text/plain");
        });
        server.Get("/trickle", [this](const httplib::Request &, httplib::Response &response) {
            // Not a text type: the server would compress it and hold the bytes back.
            response.set_chunked_content_provider(
                "application/octet-stream", [this](size_t, httplib::DataSink &sink) {
                    sink.write("x", 1); // fast enough for the stall limit, never done
                    std::this_thread::sleep_for(100ms);
                    return !m_release && sink.is_writable();
                });
        });
        m_server.start();
    }
    ~UrlReaderTest() override { m_release = true; } // lets the stalled handlers end before the server stops

    QByteArray url(const std::string &path) const { return QByteArray::fromStdString(m_server.url(path)); }

    void waitForRelease() const
    {
        for (int i = 0; i < 1000 && !m_release; ++i)
            std::this_thread::sleep_for(10ms);
    }

    std::atomic<bool> m_release{false};
    LoopbackServer m_server;
};

TEST_F(UrlReaderTest, ReadsTheBody)
{
    EXPECT_EQ(readUrl(url("/body")), "cover bytes");
    EXPECT_EQ(readUrl(url("/redirect")), "cover bytes");
    EXPECT_EQ(readUrl("HTTP" + url("/body").mid(4)), "cover bytes");
    EXPECT_EQ(readUrl(url("/at-limit"), shortLimits()).size(), kLimit);
}

TEST_F(UrlReaderTest, FailuresGiveEmptyBytes)
{
    struct Case {
        const char *name;
        QByteArray url;
    };
    const Case cases[] = {
        {"404", url("/missing")},
        {"500", url("/error")},
        {"file address", "file:///etc/passwd"},
        {"other protocol", "ftp://127.0.0.1/"},
        {"no address", ""},
        {"redirect to a file", url("/to-file")},
        {"chunked body over the limit", url("/over-limit")},
        {"announced body over the limit", url("/over-limit-announced")},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_TRUE(readUrl(test.url, shortLimits()).isEmpty());
    }
}

TEST_F(UrlReaderTest, ANewReadDropsTheOneInFlight)
{
    UrlReader reader(shortLimits());
    QEventLoop loop;
    QList<QByteArray> answers;
    reader.read(url("/stall"), [&](const QByteArray &body) { answers.append("stalled: " + body); });
    reader.read(url("/body"), [&](const QByteArray &body) {
        answers.append(body);
        loop.quit();
    });
    QTimer::singleShot(5s, &loop, &QEventLoop::quit);
    loop.exec();
    m_release = true;
    QTimer::singleShot(1500ms, &loop, &QEventLoop::quit); // time for the first answer, were it still due
    loop.exec();
    EXPECT_EQ(answers, QList<QByteArray>{"cover bytes"});
}

TEST_F(UrlReaderTest, RefusedConnectionGivesEmptyBytes)
{
    int port = 0;
    {
        LoopbackServer closed;
        port = closed.start();
    }
    EXPECT_TRUE(readUrl("http://127.0.0.1:" + QByteArray::number(port) + "/", shortLimits()).isEmpty());
}

TEST_F(UrlReaderTest, SlowServersAreGivenUp)
{
    for (const char *path : {"/stall", "/trickle"}) {
        SCOPED_TRACE(path);
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(readUrl(url(path), shortLimits()).isEmpty());
        EXPECT_LT(clock.elapsed(), 8000); // a hang would take until the handler gives up, 10 s
    }
}

} // namespace
