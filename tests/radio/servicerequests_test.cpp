#include "app/globals.h"
#include "demostation.h"
#include "platform/components/httprequest/httprequestcomponent.h"
#include "radio/servicehosts.h"
#include "radio/servicerequests.h"
#include "support/scopedenv.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

class ServiceRequestsTest : public testing::Test {
protected:
    ServiceRequestsTest()
    {
        registerHttpRequestComponent();
        m_station.start();
        m_root = std::make_unique<ScopedEnv>("QUORIN_API_ROOT", bytes(m_station.rootUrl()));
        m_site = std::make_unique<ScopedEnv>("QUORIN_ALBUM_SITE", bytes(m_station.rootUrl()));
        m_globals.apiRequest.emplace();
    }

    std::vector<std::string> targets() const
    {
        std::vector<std::string> result;
        for (const auto &request : m_station.requestLog())
            result.push_back(request.method + " " + request.target);
        return result;
    }

    DemoStation m_station;
    std::unique_ptr<ScopedEnv> m_root;
    std::unique_ptr<ScopedEnv> m_site;
    Globals m_globals;
};

TEST_F(ServiceRequestsTest, ChannelInfoAsksForTheChannelAsIs)
{
    m_globals.channelId = "-10";
    fetchChannelInfo(m_globals);
    EXPECT_EQ(targets(), std::vector<std::string>{"GET /j/v2/channel_info?id=-10"});
    EXPECT_EQ(m_globals.channelName, "豆瓣精选");

    m_globals.channelId = "1";
    fetchChannelInfo(m_globals);
    EXPECT_EQ(m_globals.channelName, "华语");
}

TEST_F(ServiceRequestsTest, PlaylistFieldsLandDecodedInTheirPlaces)
{
    m_globals.channelId = "2";
    const PlaylistSong song = fetchPlaylist(m_globals);
    const DemoSong &expected = DemoStation::songs().front();
    EXPECT_EQ(targets(), std::vector<std::string>{"GET /j/v2/playlist?channel=2&kbps=128&client=s%3Amainsite%7Cy%3A3.0"
                                                  "&app_name=radio_website&version=100&type=n"});
    EXPECT_EQ(song.title, bytes(expected.title));
    EXPECT_EQ(song.artist, bytes(expected.artist));
    EXPECT_EQ(song.albumTitle, bytes(expected.albumTitle));
    EXPECT_EQ(song.url, bytes(m_station.rootUrl() + "/audio/" + expected.sid + ".wav"));
    EXPECT_TRUE(song.picture.startsWith(bytes(m_station.rootUrl() + "/")));
    EXPECT_EQ(m_globals.songSid, bytes(expected.sid));
    EXPECT_EQ(m_globals.songSsid, bytes(expected.ssid));
    EXPECT_EQ(m_globals.songKbps, "128");
    EXPECT_EQ(m_globals.playlistAlbum, bytes(expected.album));
}

TEST_F(ServiceRequestsTest, LyricsStayAsTheServiceEscapedThem)
{
    m_globals.channelId = "1";
    fetchPlaylist(m_globals);
    fetchLyrics(m_globals);
    EXPECT_EQ(targets().back(), "GET /j/v2/lyric?sid=" + m_globals.songSid.toStdString()
                                    + "&ssid=" + m_globals.songSsid.toStdString());
    EXPECT_TRUE(m_globals.lyricsAnswer.startsWith("{"));
    EXPECT_TRUE(m_globals.lyricsText.contains("\\r\\n"));
    EXPECT_TRUE(m_globals.lyricsText.startsWith("["));
}

TEST_F(ServiceRequestsTest, AlbumPageGivesItsChannelOnlyOnTheAlbumSite)
{
    const DemoSong &song = DemoStation::songs().front();
    EXPECT_EQ(fetchAlbumChannelId(bytes(song.album)), QByteArray::number(song.albumChannel));
    m_station.clearRequestLog();
    EXPECT_EQ(fetchAlbumChannelId("@127.0.0.2/subject/1/"), "");
    EXPECT_TRUE(targets().empty());
}

TEST(AlbumPageUrlTest, OnlyPagesOnTheAlbumSiteItself)
{
    ScopedEnv site("QUORIN_ALBUM_SITE", "https://music.example");
    const struct {
        QByteArray album;
        QByteArray url;
    } cases[] = {
        {"/subject/1/", "https://music.example/subject/1/"},
        {"@elsewhere.example/subject/1/", ""},
        {".elsewhere.example/subject/1/", ""},
        {":8080/subject/1/", ""},
        {"/subject/1/ spaced", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.album.toStdString());
        EXPECT_EQ(albumPageUrl(c.album), c.url);
    }
}

TEST_F(ServiceRequestsTest, BrokenAnswersGiveEmptyFields)
{
    for (Fault fault : {Fault::EmptyAnswer, Fault::ServerError, Fault::Garbage, Fault::MissingFields}) {
        SCOPED_TRACE(std::string(faultName(fault)));
        m_station.setFault(fault);
        m_globals.channelId = "1";
        fetchChannelInfo(m_globals);
        const PlaylistSong song = fetchPlaylist(m_globals);
        fetchLyrics(m_globals);
        EXPECT_EQ(m_globals.channelName, "");
        EXPECT_EQ(song.title, "");
        EXPECT_EQ(song.url, "");
        EXPECT_EQ(m_globals.lyricsText, "");
    }
}

TEST_F(ServiceRequestsTest, RefusedConnectionGivesEmptyFields)
{
    ScopedEnv unreachable("QUORIN_API_ROOT", "http://127.0.0.1:1");
    m_globals.channelId = "1";
    fetchChannelInfo(m_globals);
    const PlaylistSong song = fetchPlaylist(m_globals);
    EXPECT_EQ(m_globals.channelName, "");
    EXPECT_EQ(song.title, "");
    EXPECT_EQ(m_globals.songSid, "");
}

} // namespace
