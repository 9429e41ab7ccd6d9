#include "app/globals.h"
#include "demostation.h"
#include "platform/components/httprequest/httprequestcomponent.h"
#include "radio/servicehosts.h"
#include "radio/servicerequests.h"
#include "platform/toolkit/urlreader.h"
#include "support/scopedenv.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

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

    // Runs one request and waits for its routine; fails the test when the routine is not called.
    void run(const std::function<void(std::function<void()> done)> &request)
    {
        QEventLoop loop;
        bool done = false;
        request([&] {
            done = true;
            loop.quit();
        });
        EXPECT_FALSE(done) << "the routine must run from the loop";
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_TRUE(done);
    }
    void channelInfo()
    {
        run([&](auto done) { fetchChannelInfo(m_globals, &m_context, done); });
    }
    PlaylistSong playlist()
    {
        PlaylistSong song;
        run([&](auto done) {
            fetchPlaylist(m_globals, &m_context, [&song, done](const PlaylistSong &answer) {
                song = answer;
                done();
            });
        });
        return song;
    }
    void lyrics()
    {
        run([&](auto done) { fetchLyrics(m_globals, &m_context, done); });
    }
    QByteArray albumChannelId(const QByteArray &album)
    {
        QByteArray id = "none";
        UrlReader reader;
        run([&](auto done) {
            fetchAlbumChannelId(album, reader, [&id, done](const QByteArray &answer) {
                id = answer;
                done();
            });
        });
        return id;
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
    QObject m_context;
};

TEST_F(ServiceRequestsTest, ChannelInfoAsksForTheChannelAsIs)
{
    m_globals.channelId = "-10";
    channelInfo();
    EXPECT_EQ(targets(), std::vector<std::string>{"GET /j/v2/channel_info?id=-10"});
    EXPECT_EQ(m_globals.channelName, "豆瓣精选");

    m_globals.channelId = "1";
    channelInfo();
    EXPECT_EQ(m_globals.channelName, "华语");
}

TEST_F(ServiceRequestsTest, PlaylistFieldsLandDecodedInTheirPlaces)
{
    m_globals.channelId = "2";
    const PlaylistSong song = playlist();
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
    playlist();
    lyrics();
    EXPECT_EQ(targets().back(), "GET /j/v2/lyric?sid=" + m_globals.songSid.toStdString()
                                    + "&ssid=" + m_globals.songSsid.toStdString());
    EXPECT_TRUE(m_globals.lyricsAnswer.startsWith("{"));
    EXPECT_TRUE(m_globals.lyricsText.contains("\\r\\n"));
    EXPECT_TRUE(m_globals.lyricsText.startsWith("["));
}

TEST_F(ServiceRequestsTest, AlbumPageGivesItsChannelOnlyOnTheAlbumSite)
{
    const DemoSong &song = DemoStation::songs().front();
    EXPECT_EQ(albumChannelId(bytes(song.album)), QByteArray::number(song.albumChannel));
    m_station.clearRequestLog();
    EXPECT_EQ(albumChannelId("@127.0.0.2/subject/1/"), "");
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
    for (Fault fault : {Fault::EmptyAnswer, Fault::ServerError, Fault::LoginPage, Fault::Garbage, Fault::MissingFields}) {
        SCOPED_TRACE(std::string(faultName(fault)));
        m_station.setFault(fault);
        m_globals.channelId = "1";
        channelInfo();
        const PlaylistSong song = playlist();
        lyrics();
        EXPECT_EQ(m_globals.channelName, "");
        EXPECT_EQ(song.title, "");
        EXPECT_EQ(song.url, "");
        EXPECT_EQ(m_globals.lyricsText, "");
    }
}

TEST_F(ServiceRequestsTest, ErrorPagesAreFailedRequests)
{
    m_globals.channelId = "1";
    playlist();
    for (Fault fault : {Fault::ServerError, Fault::LoginPage}) {
        SCOPED_TRACE(std::string(faultName(fault)));
        m_station.setFault(fault);
        const PlaylistSong song = playlist();
        EXPECT_FALSE(song.outcome.usable);
        EXPECT_FALSE(song.isPlayable());
        EXPECT_EQ(song.outcome.status, fault == Fault::ServerError ? 500 : 403);
        lyrics();
        EXPECT_EQ(m_globals.lyricsAnswer, "");
        EXPECT_EQ(m_globals.lyricsText, "");
    }
}

TEST_F(ServiceRequestsTest, RefusedConnectionGivesEmptyFields)
{
    ScopedEnv unreachable("QUORIN_API_ROOT", "http://127.0.0.1:1");
    m_globals.channelId = "1";
    channelInfo();
    const PlaylistSong song = playlist();
    EXPECT_EQ(m_globals.channelName, "");
    EXPECT_EQ(song.title, "");
    EXPECT_EQ(song.outcome.status, 0);
    EXPECT_EQ(m_globals.songSid, "");
}

} // namespace
