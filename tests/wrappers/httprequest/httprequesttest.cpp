#include "wrappers/httprequest.h"

#include "platform/automation/comapartment.h"
#include "platform/automation/componentregistry.h"
#include "platform/components/httprequest/httprequestcomponent.h"

#include "recordingrequest.h"
#include "support/loopbackserver.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

const QByteArray kGbkGreeting = "\xC4\xE3\xBA\xC3"; // 你好 in GBK
const QByteArray kUnusedUrl = "http://127.0.0.1:9/";

struct HandledCall {
    int handler;
    const ReadyStateSink *sink;
    qint32 memberId;
    quint16 flags;
};
std::vector<HandledCall> g_handled;

template <int Handler> void noteCall(const ReadyStateSink::InvokeRecord *record)
{
    g_handled.push_back({Handler, record->sink, record->memberId, record->flags});
}

const ReadyStateSink *sinkOf(const HttpRequest &request)
{
    return qobject_cast<const ReadyStateSink *>(
        request.requestObject().readObject("onreadystatechange").object());
}

int closedPort()
{
    LoopbackServer server;
    return server.start();
}

class HttpRequestTest : public testing::Test {
protected:
    void SetUp() override
    {
        registerHttpRequestComponent();
        ComponentRegistry::add(RecordingRequest::kProgId, [] { return new RecordingRequest; });
    }
    void TearDown() override
    {
        ReadyStateSink::setReadyStateHandler(nullptr);
        g_handled.clear();
    }
};

TEST_F(HttpRequestTest, TheProgramsRequestGivesTheAnswerAsText)
{
    LoopbackServer server;
    server.server().Get("/hello", [](const httplib::Request &, httplib::Response &response) {
        response.set_header("Set-Cookie", "a=1");
        response.set_header("Set-Cookie", "b=2");
        response.set_content(kGbkGreeting.toStdString(), "text/plain; charset=GBK");
    });
    server.start();
    const QByteArray url = QByteArray::fromStdString(server.url("/hello"));

    HttpRequest request;
    request.open("GET", url);
    request.send();
    EXPECT_EQ(request.responseText(), "你好");
    EXPECT_EQ(request.status(), 200);
    EXPECT_EQ(request.statusText(), "OK");
    EXPECT_EQ(request.responseBody(), kGbkGreeting);
    EXPECT_EQ(request.responseStream().asBytes(), kGbkGreeting);
    EXPECT_EQ(request.responseHeader("content-type"), "text/plain; charset=GBK");
    EXPECT_TRUE(request.allResponseHeaders().contains("Set-Cookie: a=1\r\nSet-Cookie: b=2\r\n"));
    EXPECT_EQ(request.currentUrl(), url);
    EXPECT_TRUE(request.waitForResponse());
    EXPECT_EQ(request.readyState(), 4);

    // A failure after it leaves nothing of that answer.
    request.open("GET", "http://127.0.0.1:" + QByteArray::number(closedPort()) + "/");
    request.send();
    EXPECT_EQ(request.responseText(), "");
    EXPECT_EQ(request.status(), 0);
    EXPECT_EQ(request.allResponseHeaders(), "");
    EXPECT_TRUE(request.responseBody().isEmpty());
    EXPECT_FALSE(request.waitForResponse());
}

TEST_F(HttpRequestTest, WithoutARequestObjectEverythingIsEmpty)
{
    HttpRequest request;
    EXPECT_FALSE(request.createRequest("No.Such.Object"));
    EXPECT_FALSE(request.requestObject().isEmpty()) << "a failed create keeps the old object";
    request.releaseRequest();
    request.open("GET", kUnusedUrl);
    request.send();
    EXPECT_EQ(request.responseText(), "");
    EXPECT_EQ(request.status(), 0);
    EXPECT_EQ(request.currentUrl(), "");
    EXPECT_FALSE(request.waitForResponse());
    EXPECT_TRUE(request.option(1, 5).isEmpty());
}

TEST_F(HttpRequestTest, PassesDefaultsAndValuesInTheirKinds)
{
    const struct {
        const char *name;
        std::function<void(HttpRequest &)> action;
        QStringList expected;
    } cases[] = {
        {"open without a method",
         [](HttpRequest &r) { r.open("http://x/"); },
         {"Open(QString GET, QString http://x/, bool false)"}},
        {"open with everything",
         [](HttpRequest &r) { r.open("POST", "http://x/", true); },
         {"Open(QString POST, QString http://x/, bool true)"}},
        {"send without a body", [](HttpRequest &r) { r.send(); }, {"Send()"}},
        {"send with a body", [](HttpRequest &r) { r.send(AutomationVariant("a=1")); }, {"Send(QString a=1)"}},
        {"waitForResponse without a time-out",
         [](HttpRequest &r) { r.waitForResponse(); },
         {"WaitForResponse(int 100)"}},
        {"option without a value only reads", [](HttpRequest &r) { r.option(5); }, {"Option(int 5)"}},
        {"option writes the integer before the text",
         [](HttpRequest &r) { r.option(5, 7, "seven"); },
         {"setOption(int 5, int 7)", "Option(int 5)"}},
        {"option writes the text when no integer is given",
         [](HttpRequest &r) { r.option(5, std::nullopt, "seven", "bytes"); },
         {"setOption(int 5, QString seven)", "Option(int 5)"}},
        {"option writes bytes as a byte array",
         [](HttpRequest &r) { r.option(5, std::nullopt, std::nullopt, "ab", AutomationVariant(1)); },
         {"setOption(int 5, QByteArray ab)", "Option(int 5)"}},
        {"option writes a variant last",
         [](HttpRequest &r) {
             r.option(5, std::nullopt, std::nullopt, std::nullopt, AutomationVariant(true));
         },
         {"setOption(int 5, bool true)", "Option(int 5)"}},
        {"currentUrl reads option 1", [](HttpRequest &r) { r.currentUrl(); }, {"Option(int 1)"}},
        {"setProxy without a setting",
         [](HttpRequest &r) { r.setProxy("proxy:8080"); },
         {"SetProxy(int 2, QString proxy:8080, QString )"}},
        {"setProxy with a setting",
         [](HttpRequest &r) { r.setProxy(1, "", "a;b"); },
         {"SetProxy(int 1, QString , QString a;b)"}},
        {"setCredentials without flags",
         [](HttpRequest &r) { r.setCredentials("user", "pw"); },
         {"SetCredentials(QString user, QString pw, int 0)"}},
        {"setBrowserHeaders",
         [](HttpRequest &r) { r.setBrowserHeaders("http://ref/"); },
         {"SetRequestHeader(QString Accept, QString */*)",
          "SetRequestHeader(QString Accept-Language, QString zh_cn)",
          "SetRequestHeader(QString Referer, QString http://ref/)",
          "SetRequestHeader(QString Content-Type, QString application/x-www-form-urlencoded)"}},
        {"setRange",
         [](HttpRequest &r) { r.setRange("bytes=0-9"); },
         {"SetRequestHeader(QString Range, QString bytes=0-9)"}},
        {"setCookieHeader",
         [](HttpRequest &r) { r.setCookieHeader("a=1;"); },
         {"SetRequestHeader(QString Cookie, QString a=1;)"}},
        {"setTimeouts in order",
         [](HttpRequest &r) { r.setTimeouts(1, 2, 3, 4); },
         {"SetTimeouts(int 1, int 2, int 3, int 4)"}},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        HttpRequest request;
        ASSERT_TRUE(request.createRequest(RecordingRequest::kProgId));
        auto *recorder = qobject_cast<RecordingRequest *>(request.requestObject().object());
        ASSERT_NE(recorder, nullptr);
        testCase.action(request);
        EXPECT_EQ(recorder->calls, testCase.expected);
    }
}

TEST_F(HttpRequestTest, OnlyTheCreatingInstanceLeavesTheApartment)
{
    const int entered = ComApartment::initializeCount();
    const int left = ComApartment::uninitializeCount();
    {
        HttpRequest request;
        EXPECT_EQ(ComApartment::initializeCount(), entered + 1);
        {
            const HttpRequest copy(request);
            EXPECT_EQ(copy.requestObject().object(), request.requestObject().object());
        }
        EXPECT_EQ(ComApartment::initializeCount(), entered + 1);
        EXPECT_EQ(ComApartment::uninitializeCount(), left);
        EXPECT_FALSE(request.requestObject().isEmpty());
        request.createRequest();
    }
    EXPECT_EQ(ComApartment::initializeCount(), entered + 2);
    EXPECT_EQ(ComApartment::uninitializeCount(), left + 2);
}

TEST_F(HttpRequestTest, TheLastHandlerServesEverySink)
{
    HttpRequest first;
    HttpRequest second;
    first.setReadyStateHandler(&noteCall<1>);
    second.setReadyStateHandler(&noteCall<2>);
    const ReadyStateSink *firstSink = sinkOf(first);
    const ReadyStateSink *secondSink = sinkOf(second);
    ASSERT_NE(firstSink, nullptr);
    ASSERT_NE(secondSink, nullptr);
    EXPECT_NE(firstSink, secondSink);

    // Opening moves the ready state from 0 to 1 without touching the network.
    first.open("GET", kUnusedUrl);
    second.open("GET", kUnusedUrl);
    ASSERT_EQ(g_handled.size(), 2U);
    EXPECT_EQ(g_handled[0].handler, 2);
    EXPECT_EQ(g_handled[0].sink, firstSink);
    EXPECT_EQ(g_handled[1].handler, 2);
    EXPECT_EQ(g_handled[1].sink, secondSink);
    EXPECT_EQ(g_handled[0].memberId, 0);
    EXPECT_EQ(g_handled[0].flags, 1U);

    // A second call keeps the sink's identity.
    first.setReadyStateHandler(&noteCall<1>);
    EXPECT_EQ(sinkOf(first), firstSink);
}

TEST_F(HttpRequestTest, ACopySharesTheSinkBeyondTheOriginal)
{
    auto original = std::make_unique<HttpRequest>();
    original->setReadyStateHandler(&noteCall<1>);
    const ReadyStateSink *sink = sinkOf(*original);
    const HttpRequest copy(*original);
    original.reset();

    copy.requestObject().call("Open", {"GET", kUnusedUrl, false});
    ASSERT_EQ(g_handled.size(), 1U);
    EXPECT_EQ(g_handled[0].sink, sink);
}

} // namespace
