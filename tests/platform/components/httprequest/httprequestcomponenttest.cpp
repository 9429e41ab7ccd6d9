#include "platform/components/httprequest/httprequestcomponent.h"
#include "platform/components/httprequest/bodytext.h"
#include "platform/components/httprequest/httpsession.h"

#include "rawreplyserver.h"
#include "support/loopbackserver.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

const QByteArray kGbkChinese = "\xD6\xD0\xCE\xC4"; // 中文 in GBK

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

// A port on 127.0.0.1 where nothing listens any more.
int closedPort()
{
    LoopbackServer server;
    return server.start();
}

// Notes the component's readyState each time the component calls it.
class StateRecorder : public QObject {
    Q_OBJECT

public:
    explicit StateRecorder(const HttpRequestComponent *request)
        : m_request(request)
    {
    }
    Q_INVOKABLE int Invoke(int, int, int)
    {
        states.push_back(m_request->readyState());
        return 0;
    }

    std::vector<int> states;

private:
    const HttpRequestComponent *m_request;
};

class HttpRequestComponentTest : public testing::Test {
protected:
    void SetUp() override
    {
        httplib::Server &server = m_server.server();
        server.Get("/hello", [](const httplib::Request &, httplib::Response &response) {
            response.set_header("Set-Cookie", "a=1; path=/");
            response.set_header("Set-Cookie", "b=2");
            response.set_header("X-Custom", "yes");
            response.set_content("Hello", "text/plain");
        });
        server.Get("/gbk", [](const httplib::Request &, httplib::Response &response) {
            response.set_content(kGbkChinese.toStdString(), "text/plain; charset=GBK");
        });
        server.Get("/fail", [](const httplib::Request &, httplib::Response &response) {
            response.status = 500;
            response.set_content("oops", "text/plain");
        });
        server.Get("/port", [](const httplib::Request &request, httplib::Response &response) {
            response.set_content(std::to_string(request.remote_port), "text/plain");
        });
        server.Get("/agent", [](const httplib::Request &request, httplib::Response &response) {
            response.set_content(request.get_header_value("User-Agent"), "text/plain");
        });
        server.Get("/private", [](const httplib::Request &request, httplib::Response &response) {
            if (request.get_header_value("Authorization") == "Basic dXNlcjpwdw==") { // user:pw
                response.set_content("welcome", "text/plain");
                return;
            }
            response.status = 401;
            response.set_header("WWW-Authenticate", "Basic realm=\"quorin\"");
        });
        // What a proxy is asked for: the whole address as the request target.
        server.Get("http://.*", [](const httplib::Request &request, httplib::Response &response) {
            response.set_content("proxied " + request.path, "text/plain");
        });
        server.Get("/redirect", [this](const httplib::Request &, httplib::Response &response) {
            response.set_redirect(m_server.url("/hello"));
        });
        server.Get("/to-file", [](const httplib::Request &, httplib::Response &response) {
            response.set_redirect("file:///etc/passwd");
        });
        const auto echo = [](const httplib::Request &request, httplib::Response &response) {
            response.set_content(request.method + "|" + request.get_header_value("X-Test") + "|" +
                                     request.get_header_value("X-Evil") + "|" + request.body,
                                 "text/plain");
        };
        server.Post("/echo", echo);
        server.Put("/echo", echo);
        server.Get("/cap", [](const httplib::Request &, httplib::Response &response) {
            response.set_content(std::string(HttpSession::kMaxBodyBytes, 'x'), "application/octet-stream");
        });
        server.Get("/over-cap", [](const httplib::Request &, httplib::Response &response) {
            response.set_content(std::string(HttpSession::kMaxBodyBytes + 1, 'x'),
                                 "application/octet-stream");
        });
        server.Get("/over-cap-chunked", [](const httplib::Request &, httplib::Response &response) {
            response.set_chunked_content_provider("application/octet-stream",
                                                  [](size_t offset, httplib::DataSink &sink) {
                                                      static const std::string chunk(1 << 20, 'x');
                                                      if (offset > size_t(HttpSession::kMaxBodyBytes)) {
                                                          sink.done();
                                                          return true;
                                                      }
                                                      return sink.write(chunk.data(), chunk.size());
                                                  });
        });
        server.Get("/latin1", [](const httplib::Request &, httplib::Response &response) {
            response.set_content("caf\xE9", "text/plain; charset=ISO-8859-1");
        });
        // Answers after 1.5 s of silence.
        server.Get("/slow", [](const httplib::Request &, httplib::Response &response) {
            std::this_thread::sleep_for(1500ms);
            response.set_content("slow", "text/plain");
        });
        // Says nothing until the test ends (at most 10 s), then answers: a request that waited for it
        // shows a missing time-out as a 200.
        server.Get("/stall", [this](const httplib::Request &, httplib::Response &response) {
            for (int i = 0; i < 1000 && !m_releaseStall; ++i)
                std::this_thread::sleep_for(10ms);
            response.set_content("late", "text/plain");
        });
        m_server.start();
    }

    void TearDown() override { m_releaseStall = true; }

    QString url(const std::string &path) const { return qs(m_server.url(path)); }

    void get(HttpRequestComponent &request, const std::string &path) const
    {
        request.open(QStringLiteral("GET"), url(path));
        request.send();
    }

    std::atomic<bool> m_releaseStall = false;
    LoopbackServer m_server;
};

TEST_F(HttpRequestComponentTest, GivesStatusBodyAndHeaderLines)
{
    HttpRequestComponent request;
    get(request, "/hello");

    EXPECT_EQ(request.status(), 200);
    EXPECT_EQ(request.statusText(), "OK");
    EXPECT_EQ(request.responseText(), "Hello");
    EXPECT_EQ(request.responseBody(), "Hello");
    EXPECT_EQ(request.responseStream().toByteArray(), "Hello");
    EXPECT_EQ(request.getResponseHeader(QStringLiteral("x-CUSTOM")), "yes");
    EXPECT_EQ(request.getResponseHeader(QStringLiteral("X-Missing")), "");
    EXPECT_TRUE(request.waitForResponse());
    EXPECT_EQ(request.readyState(), 4);

    const QString headers = request.getAllResponseHeaders();
    EXPECT_TRUE(headers.contains("Set-Cookie: a=1; path=/\r\n")) << headers.toStdString();
    EXPECT_TRUE(headers.contains("Set-Cookie: b=2\r\n")) << headers.toStdString();
    EXPECT_TRUE(headers.contains("X-Custom: yes\r\n")) << headers.toStdString();
    EXPECT_FALSE(headers.contains("HTTP/")) << "no status line";
    EXPECT_TRUE(headers.endsWith("\r\n"));
    EXPECT_FALSE(headers.contains("\r\n\r\n")) << "no blank line";
}

TEST_F(HttpRequestComponentTest, DecodesTheBodyByTheAnswersCharset)
{
    HttpRequestComponent request;
    get(request, "/gbk");
    EXPECT_EQ(request.responseText(), QStringLiteral("中文"));
    EXPECT_EQ(request.responseBody(), kGbkChinese);
}

TEST_F(HttpRequestComponentTest, ReadsADeclaredCharsetOfAnyKind)
{
    HttpRequestComponent request;
    get(request, "/latin1");
    EXPECT_EQ(request.responseText(), QStringLiteral("café"));
}

TEST_F(HttpRequestComponentTest, EachPhaseKeepsItsOwnTimeLimit)
{
    const struct {
        const char *name;
        HttpSession::Timeouts limits;
        const char *path;
        int status;
    } cases[] = {
        // Merged into one stall limit, the longer send limit used to let the silence through.
        {"a receive limit cuts a silent answer", {0, 60'000, 30'000, 1'200}, "/stall", 0},
        // The short send limit used to cut the wait for the answer.
        {"no receive limit waits for a slow answer", {0, 60'000, 500, 0}, "/slow", 200},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        HttpRequestComponent request;
        const auto &[resolve, connect, send, receive] = testCase.limits;
        request.setTimeouts(resolve, connect, send, receive);
        get(request, testCase.path);
        EXPECT_EQ(request.status(), testCase.status);
    }
}

TEST_F(HttpRequestComponentTest, AStatusLineWithoutAPhraseGetsTheStandardOne)
{
    const RawReplyServer noPhrase("HTTP/1.1 404\r\nContent-Length: 2\r\n\r\nno");
    ASSERT_NE(noPhrase.port(), 0);
    HttpRequestComponent request;
    request.open(QStringLiteral("GET"), QStringLiteral("http://127.0.0.1:%1/").arg(noPhrase.port()));
    request.send();
    EXPECT_EQ(request.status(), 404);
    EXPECT_EQ(request.statusText(), "Not Found");
}

TEST_F(HttpRequestComponentTest, AnErrorStatusIsAnAnswer)
{
    HttpRequestComponent request;
    get(request, "/fail");
    EXPECT_EQ(request.status(), 500);
    EXPECT_EQ(request.statusText(), "Internal Server Error");
    EXPECT_EQ(request.responseText(), "oops");
    EXPECT_TRUE(request.waitForResponse());
}

TEST_F(HttpRequestComponentTest, AFailedRequestLeavesNoAnswerBehind)
{
    const RawReplyServer garbage(QByteArray("\x00\xff\xfe\x01 no HTTP here\r\n\r\n", 20));
    ASSERT_NE(garbage.port(), 0);
    const struct {
        const char *name;
        QString url;
    } cases[] = {
        {"refused connection", QStringLiteral("http://127.0.0.1:%1/").arg(closedPort())},
        {"answer that is not HTTP", QStringLiteral("http://127.0.0.1:%1/").arg(garbage.port())},
        {"announced body over the cap", url("/over-cap")},
        {"chunked body over the cap", url("/over-cap-chunked")},
        {"stalled server", url("/stall")},
        {"file address", QStringLiteral("file:///etc/passwd")},
        {"redirect to a file address", url("/to-file")},
        {"other scheme", QStringLiteral("ftp://127.0.0.1/")},
    };
    HttpRequestComponent request;
    request.setTimeouts(500, 500, 500, 500);
    for (const auto &failure : cases) {
        SCOPED_TRACE(failure.name);
        get(request, "/hello");
        ASSERT_EQ(request.status(), 200);

        request.open(QStringLiteral("GET"), failure.url);
        request.send();
        EXPECT_EQ(request.status(), 0);
        EXPECT_EQ(request.statusText(), "");
        EXPECT_EQ(request.responseText(), "");
        EXPECT_TRUE(request.responseBody().isEmpty());
        EXPECT_FALSE(request.responseStream().isValid());
        EXPECT_EQ(request.getAllResponseHeaders(), "");
        EXPECT_EQ(request.getResponseHeader(QStringLiteral("X-Custom")), "");
        EXPECT_FALSE(request.waitForResponse());
    }
}

TEST_F(HttpRequestComponentTest, TakesABodyUpToTheCap)
{
    HttpRequestComponent request;
    get(request, "/cap");
    EXPECT_EQ(request.status(), 200);
    EXPECT_EQ(request.responseBody().size(), HttpSession::kMaxBodyBytes);
}

TEST_F(HttpRequestComponentTest, KeepsItsConnectionAcrossRequests)
{
    HttpRequestComponent request;
    get(request, "/port");
    const QString firstPort = request.responseText();
    get(request, "/port");
    EXPECT_FALSE(firstPort.isEmpty());
    EXPECT_EQ(request.responseText(), firstPort);
}

TEST_F(HttpRequestComponentTest, SendsMethodHeadersAndBody)
{
    HttpRequestComponent request;
    request.open(QStringLiteral("POST"), url("/echo"));
    request.setRequestHeader(QStringLiteral("X-Test"), QStringLiteral("1"));
    request.setRequestHeader(QStringLiteral("x-test"), QStringLiteral("2"));
    request.setRequestHeader(QStringLiteral("X-Evil"), QStringLiteral("a\r\nX-Test: 3"));
    request.send(QByteArray("raw"));
    EXPECT_EQ(request.responseText(), "POST|2||raw");

    // A new open forgets the headers of the last request.
    request.open(QStringLiteral("PUT"), url("/echo"));
    request.send(QStringLiteral("文字"));
    EXPECT_EQ(request.responseText(), "PUT|||文字");

    request.open(QStringLiteral("BAD METHOD"), url("/echo"));
    request.send();
    EXPECT_EQ(request.status(), 0);
}

TEST_F(HttpRequestComponentTest, OptionsGiveTheAddressThatAnswered)
{
    HttpRequestComponent request;
    get(request, "/redirect");
    EXPECT_EQ(request.responseText(), "Hello");
    EXPECT_EQ(request.option(HttpRequestComponent::UrlOption).toString(), url("/hello"));

    EXPECT_FALSE(request.setOption(HttpRequestComponent::UrlOption, QStringLiteral("file:///etc/passwd")));
    EXPECT_EQ(request.option(HttpRequestComponent::UrlOption).toString(), url("/hello"));
    EXPECT_TRUE(request.setOption(HttpRequestComponent::UrlOption, url("/fail")));
    request.send();
    EXPECT_EQ(request.status(), 500);

    EXPECT_FALSE(request.option(7).isValid());
    EXPECT_FALSE(request.setOption(7, 1));

    EXPECT_TRUE(request.option(HttpRequestComponent::UserAgentOption).toString().contains("WinHttp"));
    EXPECT_FALSE(request.setOption(HttpRequestComponent::UserAgentOption, QStringLiteral("a\r\nX-Evil: 1")));
    EXPECT_TRUE(request.setOption(HttpRequestComponent::UserAgentOption, QStringLiteral("Agent/1")));
    get(request, "/agent");
    EXPECT_EQ(request.responseText(), "Agent/1");
}

TEST_F(HttpRequestComponentTest, CredentialsLastUntilTheNextOpen)
{
    HttpRequestComponent request;
    get(request, "/private");
    EXPECT_EQ(request.status(), 401);

    request.open(QStringLiteral("GET"), url("/private"));
    request.setCredentials(QStringLiteral("user"), QStringLiteral("pw"));
    request.send();
    EXPECT_EQ(request.responseText(), "welcome");

    get(request, "/private");
    EXPECT_EQ(request.status(), 401);
}

TEST_F(HttpRequestComponentTest, GoesThroughTheProxyItIsGiven)
{
    const QString proxy = QStringLiteral("127.0.0.1:%1").arg(m_server.port());
    const QString proxied = "proxied " + url("/hello");
    const struct {
        const char *name;
        int setting;
        QString bypass;
        QString expected;
    } cases[] = {
        {"named proxy", 2, QString(), proxied},
        {"host on the bypass list", 2, QStringLiteral("localhost;127.0.0.1"), QStringLiteral("Hello")},
        {"direct", 1, QString(), QStringLiteral("Hello")},
        {"unknown setting keeps the last", 7, QString(), QStringLiteral("Hello")},
    };
    HttpRequestComponent request;
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        request.setProxy(testCase.setting, proxy, testCase.bypass);
        get(request, "/hello");
        EXPECT_EQ(request.responseText(), testCase.expected);
    }
}

TEST_F(HttpRequestComponentTest, ReportsEachReadyStateChangeToItsSink)
{
    HttpRequestComponent request;
    auto recorder = std::make_unique<StateRecorder>(&request);
    ASSERT_TRUE(request.setProperty("onreadystatechange", QVariant::fromValue<QObject *>(recorder.get())));

    get(request, "/hello");
    EXPECT_EQ(recorder->states, (std::vector<int>{1, 2, 3, 4}));

    recorder->states.clear();
    request.open(QStringLiteral("GET"), qs("http://127.0.0.1:" + std::to_string(closedPort()) + "/"));
    request.send();
    request.abort();
    EXPECT_EQ(recorder->states, (std::vector<int>{1, 2, 4, 0}));

    recorder.reset();
    EXPECT_EQ(request.onReadyStateChange(), nullptr);
    get(request, "/hello");
    EXPECT_EQ(request.status(), 200);
}

TEST_F(HttpRequestComponentTest, AsynchronousExchangeEndsFromTheLoop)
{
    HttpRequestComponent request;
    std::vector<int> states;
    QEventLoop loop;
    QObject::connect(&request, &HttpRequestComponent::readyStateChanged, &loop, [&](int state) {
        states.push_back(state);
        if (state == 4)
            loop.quit();
    });
    const auto waitForTheEnd = [&] {
        QTimer::singleShot(5s, &loop, &QEventLoop::quit);
        loop.exec();
    };

    // send() returns before the exchange has even begun; a new open drops that exchange.
    request.open(QStringLiteral("GET"), url("/gbk"), true);
    request.send();
    EXPECT_EQ(request.readyState(), 2);
    request.open(QStringLiteral("GET"), url("/hello"), true);
    request.send();
    waitForTheEnd();
    EXPECT_EQ(states, (std::vector<int>{1, 2, 1, 2, 3, 4}));
    EXPECT_EQ(request.status(), 200);
    EXPECT_EQ(request.responseText(), "Hello");

    // Nothing to send still ends, from the loop, so a caller waiting for readyState 4 hears of it.
    states.clear();
    request.open(QStringLiteral("GET"), QStringLiteral("file:///etc/passwd"), true);
    request.send();
    EXPECT_EQ(states, std::vector<int>{0});
    waitForTheEnd();
    EXPECT_EQ(states, (std::vector<int>{0, 4}));
    EXPECT_EQ(request.status(), 0);
}

TEST(BodyTextTest, DecodesByTheCharsetOfTheContentType)
{
    const QString chinese = QStringLiteral("中文");
    const struct {
        const char *contentType;
        QByteArray body;
        QString expected;
    } cases[] = {
        {"text/plain; charset=GBK", kGbkChinese, chinese},
        {"text/html; Charset=\"gb2312\"", kGbkChinese, chinese},
        {"application/json;charset=GB18030", kGbkChinese, chinese},
        {"application/json", chinese.toUtf8(), chinese},
        {"", chinese.toUtf8(), chinese},
        {"text/plain; charset=x-unknown", chinese.toUtf8(), chinese},
        {"text/plain", "\xFFok", QStringLiteral("\uFFFDok")},
        {"text/plain; charset=gbk", kGbkChinese + "\xFF", chinese + QStringLiteral("\uFFFD")},
        {"text/plain; charset=gbk", kGbkChinese + "\xD6", chinese + QStringLiteral("\uFFFD")},
        {"text/plain; charset=big5", "\xA4\xA4\xA4\xE5", chinese},
        {"text/plain; charset=Shift_JIS", "\x93\xFA\x96\x7B", QStringLiteral("日本")},
        {"text/plain; charset=shift_jis", "\xA0ok", QStringLiteral("\uFFFDok")},
        {"text/plain", kGbkChinese, chinese},
        {"text/plain; charset=x-unknown", kGbkChinese, chinese},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.contentType);
        SCOPED_TRACE(testCase.body.toHex().toStdString());
        EXPECT_EQ(bodyText(testCase.body, testCase.contentType), testCase.expected);
    }
}

} // namespace

#include "httprequestcomponenttest.moc"
