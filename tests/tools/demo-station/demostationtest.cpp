#include "demostation.h"

#include <QString>

#include <httplib.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace {

const std::string playlistQuery =
    "&kbps=128&client=s%3Amainsite%7Cy%3A3.0&app_name=radio_website&version=100&type=n";

// The text between the first left and the next right after it, the way the client cuts its fields.
std::optional<std::string> between(const std::string &text, const std::string &left, const std::string &right)
{
    const size_t start = text.find(left);
    if (start == std::string::npos)
        return std::nullopt;
    const size_t end = text.find(right, start + left.size());
    if (end == std::string::npos)
        return std::nullopt;
    return text.substr(start + left.size(), end - start - left.size());
}

// text as the service writes it inside a JSON string.
std::string escaped(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '/' || c == '"')
            out += std::string("\\") + c;
        else
            out += c;
    }
    return out;
}

bool isUtf8(const std::string &bytes)
{
    const QByteArray data = QByteArray::fromStdString(bytes);
    return QString::fromUtf8(data).toUtf8() == data;
}

std::uint32_t readLe(const std::string &bytes, size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

class DemoStationTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(station.start(), 0); }

    httplib::Result get(const std::string &target, const httplib::Headers &headers = {})
    {
        httplib::Client client(station.rootUrl());
        return client.Get(target, headers);
    }

    std::string body(const std::string &target)
    {
        const auto res = get(target);
        return res ? res->body : std::string();
    }

    DemoStation station;
};

TEST_F(DemoStationTest, PlaylistRotatesThroughTheSongsWithEveryFieldBetweenItsMarkers)
{
    const std::string root = escaped(station.rootUrl());
    for (const DemoSong &song : DemoStation::songs()) {
        SCOPED_TRACE(song.sid);
        const auto res = get("/j/v2/playlist?channel=-10" + playlistQuery);
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, 200);
        const struct {
            const char *left;
            const char *right;
            std::string value;
        } fields[] = {
            {"\"albumtitle\":\"", "\",\"url", escaped(song.albumTitle)},
            {"\"title\":\"", "\",\"sid", escaped(song.title)},
            {"\"artist\":\"", "\",\"is_royal", song.artist},
            {"\"url\":\"", "\",\"file_ext", root + "\\/audio\\/" + song.sid + ".wav"},
            {"\"picture\":\"", "\",\"update_time", root + "\\/cover\\/" + song.sid + ".png"},
            {"\"sid\":\"", "\",\"sha256", song.sid},
            {"\"ssid\":\"", "\",\"title", song.ssid},
            {"\"kbps\":\"", "\",\"available_formats", "128"},
            {"\"album\":\"", "\",\"ssid", escaped(song.album)},
        };
        for (const auto &field : fields)
            EXPECT_EQ(between(res->body, field.left, field.right), field.value) << field.left;
        EXPECT_TRUE(isUtf8(res->body));
    }
    // Each channel keeps a rotation of its own, and the rotation wraps.
    const std::string first = "\"sid\":\"" + DemoStation::songs()[0].sid + "\"";
    EXPECT_NE(body("/j/v2/playlist?channel=2" + playlistQuery).find(first), std::string::npos);
    EXPECT_NE(body("/j/v2/playlist?channel=-10" + playlistQuery).find(first), std::string::npos);
}

TEST_F(DemoStationTest, ChannelNamesLyricsAndAlbumLinksSitBetweenTheirMarkers)
{
    for (const DemoChannel &channel : DemoStation::channels())
        EXPECT_EQ(
            between(body("/j/v2/channel_info?id=" + std::to_string(channel.id)), "\"name\":\"", "\",\"cover"),
            channel.name);
    EXPECT_EQ(between(body("/j/v2/channel_info?id=999"), "\"name\":\"", "\",\"cover"), std::nullopt);

    for (const DemoSong &song : DemoStation::songs()) {
        SCOPED_TRACE(song.sid);
        const std::string lyric = body("/j/v2/lyric?sid=" + song.sid + "&ssid=" + song.ssid);
        EXPECT_EQ(between(lyric, "\"lyric\":\"", "\",\"name"), escaped(song.lyric));
        EXPECT_EQ(lyric.find_first_of("\r\n"), std::string::npos) << "line breaks travel as JSON escapes";
        if (song.album.find("subject") != std::string::npos) {
            EXPECT_EQ(between(body(song.album), "cid=", "&amp"), std::to_string(song.albumChannel));
        }
        const auto cover = get("/cover/" + song.sid + ".png");
        ASSERT_TRUE(cover);
        EXPECT_EQ(cover->body.substr(0, 8), "\x89PNG\r\n\x1a\n");
    }
    EXPECT_NE(body("/j/v2/lyric?sid=1002&ssid=a3c7").find("[00:02.00]灯火在水面摇晃\\r\\n"),
              std::string::npos);
}

TEST_F(DemoStationTest, AudioIsPcmWavOfTheSongsLengthAndHonoursRanges)
{
    for (const DemoSong &song : DemoStation::songs()) {
        SCOPED_TRACE(song.sid);
        const auto res = get("/audio/" + song.sid + ".wav");
        ASSERT_TRUE(res);
        const std::string &wav = res->body;
        ASSERT_GE(wav.size(), 44u);
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(readLe(wav, 4, 4), wav.size() - 8);
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(readLe(wav, 20, 2), 1u) << "PCM";
        EXPECT_EQ(wav.substr(36, 4), "data");
        const std::uint32_t byteRate = readLe(wav, 28, 4);
        EXPECT_EQ(readLe(wav, 40, 4), byteRate * std::uint32_t(song.lengthSeconds));
        EXPECT_EQ(readLe(wav, 40, 4), wav.size() - 44);
    }

    const std::string wav = body("/audio/1001.wav");
    const size_t size = wav.size();
    const struct {
        std::string range;
        int status;
        std::string body;
    } cases[] = {
        {"bytes=100-199", 206, wav.substr(100, 100)},
        {"bytes=" + std::to_string(size - 10) + "-", 206, wav.substr(size - 10)},
        {"bytes=-10", 206, wav.substr(size - 10)},
        {"bytes=" + std::to_string(size) + "-", 416, ""},
        {"bytes=0-" + std::to_string(size), 416, ""},
    };
    for (const auto &c : cases) {
        const auto res = get("/audio/1001.wav", {{"Range", c.range}});
        ASSERT_TRUE(res) << c.range;
        EXPECT_EQ(res->status, c.status) << c.range;
        EXPECT_EQ(res->body.size(), c.body.size()) << c.range;
        EXPECT_TRUE(res->body == c.body) << c.range;
    }
}

TEST_F(DemoStationTest, FaultsShapeTheAnswersOfTheirPathsOnly)
{
    const std::string playlist = "/j/v2/playlist?channel=1" + playlistQuery;
    using Check = std::function<void(const httplib::Response &)>;
    const auto hasTitle = [](const httplib::Response &res) {
        return res.body.find("\"title\":\"") != std::string::npos;
    };
    const struct {
        Fault fault;
        std::string prefix;
        std::string target;
        Check check;
    } cases[] = {
        {Fault::EmptyAnswer, "", playlist,
         [](auto &res) {
             EXPECT_EQ(res.status, 200);
             EXPECT_EQ(res.body, "");
         }},
        {Fault::ServerError, "", "/j/v2/channel_info?id=1", [](auto &res) { EXPECT_EQ(res.status, 500); }},
        {Fault::Garbage, "", playlist,
         [&](auto &res) {
             EXPECT_FALSE(hasTitle(res));
             EXPECT_FALSE(isUtf8(res.body));
         }},
        {Fault::InvalidUtf8, "", playlist,
         [&](auto &res) {
             EXPECT_TRUE(hasTitle(res));
             EXPECT_FALSE(isUtf8(res.body));
         }},
        {Fault::MissingFields, "", playlist,
         [&](auto &res) {
             EXPECT_FALSE(hasTitle(res));
             EXPECT_EQ(res.body.find("\"url\":\""), std::string::npos);
             EXPECT_NE(res.body.find("\"sid\":\""), std::string::npos);
         }},
        {Fault::MissingFields, "", "/j/v2/channel_info?id=1",
         [](auto &res) { EXPECT_EQ(res.body.find("\"name\""), std::string::npos); }},
        {Fault::MissingFields, "", "/j/v2/lyric?sid=1002&ssid=a3c7",
         [](auto &res) { EXPECT_EQ(res.body.find("\"lyric\""), std::string::npos); }},
        {Fault::MissingFields, "", "/subject/1234567/",
         [](auto &res) { EXPECT_EQ(res.body.find("cid="), std::string::npos); }},
        {Fault::NoLyricMatch, "", "/j/v2/lyric?sid=1002&ssid=a3c7",
         [](auto &res) { EXPECT_EQ(between(res.body, "\"lyric\":\"", "\",\"name"), "没有匹配到歌词."); }},
        {Fault::SetCookies, "", playlist,
         [&](auto &res) {
             EXPECT_GE(res.get_header_value_count("Set-Cookie"), 2u);
             EXPECT_TRUE(hasTitle(res));
         }},
        {Fault::ServerError, "/audio/", playlist,
         [&](auto &res) {
             EXPECT_EQ(res.status, 200);
             EXPECT_TRUE(hasTitle(res));
         }},
        {Fault::ServerError, "/audio/", "/audio/1001.wav", [](auto &res) { EXPECT_EQ(res.status, 500); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(faultName(c.fault)) + " " + c.target);
        station.setFault(c.fault, c.prefix);
        const auto res = get(c.target);
        ASSERT_TRUE(res);
        c.check(*res);
    }
    station.setFault(Fault::None);
    const auto res = get(playlist);
    ASSERT_TRUE(res);
    EXPECT_TRUE(hasTitle(*res));
    EXPECT_EQ(res->get_header_value_count("Set-Cookie"), 0u);
}

TEST_F(DemoStationTest, SlowAnswerOutlastsAShortReadTimeout)
{
    station.setSlowDelay(std::chrono::seconds(5));
    station.setFault(Fault::SlowAnswer, "/j/v2/");
    httplib::Client client(station.rootUrl());
    client.set_read_timeout(0, 100'000);
    EXPECT_FALSE(client.Get("/j/v2/channel_info?id=1"));
    EXPECT_TRUE(get("/cover/channel.png")) << "other paths answer at once";
    // stop() releases the held answer instead of waiting the delay out.
}

TEST_F(DemoStationTest, BodyCutMidwayIsRecoveredWithARange)
{
    const std::string whole = body("/audio/1002.wav");
    station.setFault(Fault::CutMidBody, "/audio/");

    httplib::Client client(station.rootUrl());
    std::string received;
    const auto cut = client.Get("/audio/1002.wav", [&](const char *data, size_t length) {
        received.append(data, length);
        return true;
    });
    EXPECT_FALSE(cut);
    ASSERT_GT(received.size(), 0u);
    ASSERT_LT(received.size(), whole.size());

    const auto rest = get("/audio/1002.wav", {{"Range", "bytes=" + std::to_string(received.size()) + "-"}});
    ASSERT_TRUE(rest);
    EXPECT_EQ(rest->status, 206);
    EXPECT_EQ(received.size() + rest->body.size(), whole.size());
    EXPECT_TRUE(received + rest->body == whole);
}

TEST_F(DemoStationTest, RequestLogKeepsMethodPathAndQueryAsReceived)
{
    body("/cover/channel.png");
    station.clearRequestLog();
    const std::string targets[] = {
        "/j/v2/playlist?channel=-10" + playlistQuery,
        "/j/v2/playlist?channel=" + playlistQuery,
        "/j/v2/lyric?sid=1001&ssid=9b1f",
        "/nowhere/%E4%B8%AD?x=1&x=2",
    };
    std::vector<DemoStation::LoggedRequest> expected;
    for (const std::string &target : targets) {
        get(target);
        expected.push_back({"GET", target});
    }
    EXPECT_EQ(station.requestLog(), expected);
}

} // namespace
