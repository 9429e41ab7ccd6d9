#include "wrappers/responsecookies.h"
#include "wrappers/httprequest.h"
#include "wrappers/scriptengine.h"

#include "platform/automation/componentregistry.h"
#include "platform/components/httprequest/httprequestcomponent.h"
#include "platform/components/scriptcontrol/scriptcontrolcomponent.h"

#include "answers.h"
#include "demostation.h"
#include "recordingrequest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ResponseCookiesTest : public testing::Test {
protected:
    void SetUp() override
    {
        registerHttpRequestComponent();
        registerScriptControlComponent();
        ComponentRegistry::add(RecordingRequest::kProgId, [] { return new RecordingRequest; });
        ASSERT_TRUE(request.createRequest(RecordingRequest::kProgId));
        recorder = qobject_cast<RecordingRequest *>(request.requestObject().object());
        ASSERT_NE(recorder, nullptr);
    }

    // The next answer carries these header lines.
    void answer(const QByteArray &headers) { recorder->headers = QString::fromUtf8(headers); }

    HttpRequest request;
    RecordingRequest *recorder = nullptr;
};

TEST(ScriptTextBetweenTest, CutsBetweenMarkersWithAScript)
{
    const struct {
        const char *text;
        const char *left;
        const char *right;
        const char *expected;
    } cases[] = {
        {"a=1;b=2;", "b=", ";", "2"}, {"a=1;b=2;", "c=", ";", ""},          {"a=1;b=2", "b=", ";", ""},
        {"x;a=1", "a=", ";", ""},     {"歌名=晴天;", "歌名=", ";", "晴天"},
    };
    registerScriptControlComponent();
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.text);
        EXPECT_EQ(scriptTextBetween(testCase.text, testCase.left, testCase.right), testCase.expected);
    }
    ComponentRegistry::remove(ScriptEngine::kDefaultProgId);
    EXPECT_EQ(scriptTextBetween("a=1;", "a=", ";"), "") << "without a script control";
    registerScriptControlComponent();
}

TEST_F(ResponseCookiesTest, ReadsACookieValueAndTheSetCookieLines)
{
    answer("Content-Type: text/plain\r\n"
           "Set-Cookie:sid=5; path=/\r\n"
           "Set-Cookie: flag=on\r\n"
           "X-After: a; b\r\n"
           "Set-Cookie: bid=\"x=y\"; Path=/\r\n"
           "set-cookie: low=1\r\n");
    const struct {
        const char *name;
        const char *expected;
    } cases[] = {
        {"sid", "5"},       // without the blank after the colon
        {"flag", "on"},     // no attributes: the line's end closes the value
        {"bid", "\"x=y\""}, // the first "=" after the name opens it
        {"low", ""},        // header names match in exact case
        {"missing", ""},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(request.cookieValue(testCase.name), testCase.expected);
    }
    EXPECT_EQ(request.setCookieLines(),
              "Set-Cookie:sid=5; path=/\r\nSet-Cookie: flag=on\r\nSet-Cookie: bid=\"x=y\"; Path=/\r\n");
    answer("");
    EXPECT_EQ(request.setCookieLines(), "");
}

TEST_F(ResponseCookiesTest, MergesEachAnswersCookiesIntoTheKeptOnes)
{
    const struct {
        const char *name;
        std::vector<QByteArray> answers;
        QByteArray kept;
    } cases[] = {
        {"in the order first set", {"Set-Cookie: sid=1; path=/\r\nSet-Cookie: uid=2\r\n"}, "sid=1;uid=2;"},
        {"a new value replaces the kept one",
         {"Set-Cookie: sid=1\r\nSet-Cookie: uid=2\r\n", "Set-Cookie: sid=7; path=/\r\n"},
         "sid=7;uid=2;"},
        {"a deleted cookie goes",
         {"Set-Cookie: sid=1\r\nSet-Cookie: uid=2\r\n",
          "Set-Cookie: sid=deleted; expires=Thu, 01 Jan 1970 00:00:00 GMT; path=/\r\n"},
         "uid=2;"},
        {"a value with nothing after it", {"Set-Cookie: a=b\r\n"}, "a=b;"},
        {"without the blank after the colon: ignored", {"Set-Cookie:sid=5; path=/\r\n"}, ""},
        // Found by a plain search, "id=" inside "xid=1;" would take xid's place.
        {"a name is not found inside a longer kept one",
         {"Set-Cookie: xid=1\r\n", "Set-Cookie: id=2\r\n", "Set-Cookie: id=3\r\n"},
         "xid=1;id=3;"},
        {"a line without a name ends the merge",
         {"Set-Cookie: a=1\r\nSet-Cookie: junk\r\nSet-Cookie: b=2\r\n"},
         "a=1;"},
        {"a line that starts with = ends it too", {"Set-Cookie: =x\r\nSet-Cookie: b=2\r\n"}, ""},
        {"other headers between cookies",
         {"Set-Cookie: a=1\r\nX-Note: z=9;\r\nSet-Cookie: b=2\r\n"},
         "a=1;b=2;"},
        {"an answer without cookies changes nothing", {"Set-Cookie: a=1\r\n", ""}, "a=1;"},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        HttpRequest fresh;
        ASSERT_TRUE(fresh.createRequest(RecordingRequest::kProgId));
        auto *answering = qobject_cast<RecordingRequest *>(fresh.requestObject().object());
        QByteArray kept;
        for (const QByteArray &headers : testCase.answers) {
            answering->headers = QString::fromUtf8(headers);
            kept = fresh.mergeResponseCookies();
        }
        EXPECT_EQ(kept, testCase.kept);
    }
}

TEST_F(ResponseCookiesTest, SendsTheKeptCookies)
{
    answer("Set-Cookie: sid=1\r\nSet-Cookie: uid=2\r\n");
    request.mergeResponseCookies();
    recorder->calls.clear();
    request.sendKeptCookies();
    EXPECT_EQ(recorder->calls, QStringList{"SetRequestHeader(QString Cookie, QString sid=1;uid=2;)"});
}

// A session kept in cookies against the demo station's real answers.
TEST(ResponseCookiesStationTest, KeepsASessionAcrossAnswers)
{
    registerHttpRequestComponent();
    registerScriptControlComponent();
    DemoStation station;
    ASSERT_NE(station.start(), 0);
    HttpRequest request;
    const auto get = [&](const std::string &action) {
        request.open("GET", QByteArray::fromStdString(station.rootUrl() + "/j/v2/session/" + action));
        request.sendKeptCookies();
        request.send();
        return request.responseText();
    };

    get("login");
    EXPECT_EQ(request.cookieValue("sid"), "Qk7fL2ma9x");
    EXPECT_EQ(request.setCookieLines(), QByteArray("Set-Cookie: ") + kLoginSessionCookie.data() +
                                            "\r\nSet-Cookie: " + kLoginUserCookie.data() + "\r\n");
    EXPECT_EQ(request.mergeResponseCookies(), "sid=Qk7fL2ma9x;uid=1001;");

    get("refresh");
    EXPECT_EQ(request.mergeResponseCookies(), "sid=Zr3pW8vNc1;uid=1001;");
    EXPECT_TRUE(get("cookies").contains("\"cookie\":\"sid=Zr3pW8vNc1;uid=1001;\""));

    get("logout");
    EXPECT_EQ(request.cookieValue("sid"), "deleted");
    EXPECT_EQ(request.mergeResponseCookies(), "uid=1001;");
    EXPECT_TRUE(get("cookies").contains("\"cookie\":\"uid=1001;\""));
}

} // namespace
