#include "app/application.h"
#include "app/mainwindow.h"
#include "platform/toolkit/inifile.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "platform/toolkit/widgets/reportlist.h"
#include "playback/favourites.h"
#include "radio/songchange.h"
#include "stationfixture.h"
#include "support/scopedenv.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <optional>

namespace {

// Removes the favourites file before the program starts and after the test.
struct FreshFavouritesFile {
    FreshFavouritesFile() { QFile::remove(favouritesPath()); }
    ~FreshFavouritesFile() { QFile::remove(favouritesPath()); }
};

QByteArray savedRows()
{
    return IniFile(favouritesPath()).value("Rect", "Rows");
}

// The program with no reachable service; songs are put into the globals by hand.
class FavouritesTest : public testing::Test {
protected:
    // The song a playlist would have given last: in songInfo and in the song globals alike.
    void setSong(const QByteArray &title, const QByteArray &album = "/subject/1/")
    {
        Globals &g = app().globals();
        g.songInfo[songInfoTitle] = title;
        g.songTitle = title;
        g.songArtist = title + " artist";
        g.songUrl = "http://127.0.0.1:1/" + title + ".mp3";
        g.songAlbum = album;
        c().titleLabel->setText(QString::fromUtf8(title));
        showFavouriteHeart(session().controls, isFavouriteTitle(list(), title));
    }
    void addRows(std::initializer_list<const char *> titles)
    {
        for (const char *title : titles) {
            setSong(title);
            addFavourite(session());
        }
    }
    QByteArray titles() const
    {
        QByteArrayList all;
        for (int row = 0; row < list().rowCount(); ++row)
            all << list().cellText(row, 0);
        return all.join(',');
    }

    Application &app() { return *m_app; }
    Session &session() { return m_window->session(); }
    const MainControls &c() const { return m_window->controls(); }
    ReportList &list() const { return *c().favouritesList; }
    void restart()
    {
        m_app.reset(); // no will-be-destroyed handler: as if the process were killed
        m_app.emplace();
        m_window = &m_app->openMainWindow();
    }

    FreshFavouritesFile m_file;
    ScopedEnv m_api{"QUORIN_API_ROOT", "http://127.0.0.1:1"};
    std::optional<Application> m_app{std::in_place};
    MainWindow *m_window = &m_app->openMainWindow();
};

TEST_F(FavouritesTest, AddedSongIsOnDiskAtOnceAndBackAfterAKill)
{
    setSong("晨光");
    ASSERT_FALSE(c().favouriteButton->isHidden());
    QTest::mouseClick(c().favouriteButton, Qt::LeftButton);
    EXPECT_TRUE(c().favouriteButton->isHidden());
    EXPECT_FALSE(c().unfavouriteButton->isHidden());
    EXPECT_EQ(c().favouritesGroup->title(), "收藏列表（共1首）");
    EXPECT_EQ(list().cellText(0, 1), "晨光 artist");
    EXPECT_EQ(list().cellText(0, 7), "/subject/1/");

    restart();
    ASSERT_EQ(list().rowCount(), 1);
    EXPECT_EQ(list().cellText(0, 2), "http://127.0.0.1:1/晨光.mp3");
    EXPECT_EQ(c().favouritesGroup->title(), "收藏列表（共1首）");
}

TEST_F(FavouritesTest, DuplicateTitleIsRefusedAndSoIsAnyAddWhileTheHintShows)
{
    addRows({"晨光"});
    showFavouriteHeart(session().controls, false); // as a song without an album page may leave it
    QTest::mouseClick(c().favouriteButton, Qt::LeftButton);
    EXPECT_EQ(c().hintLabel->text(), "歌曲收藏已存在");
    EXPECT_FALSE(c().unfavouriteButton->isHidden());
    EXPECT_EQ(c().hintTimer->interval(), 1000);

    setSong("夜航船");
    addFavourite(session());
    EXPECT_EQ(titles(), "晨光");

    ASSERT_TRUE(QTest::qWaitFor([&] { return c().hintLabel->text() == "音量：100"; }, 3000));
    addFavourite(session());
    EXPECT_EQ(titles(), "晨光,夜航船");
}

TEST_F(FavouritesTest, AfterAReplayAddComparesTheLastPlaylistSong)
{
    addRows({"晨光"});
    Globals &g = app().globals();
    g.songInfo[songInfoTitle] = "晨光"; // the last playlist song, while a favourite "夜航船" plays
    g.songTitle = "夜航船";
    addFavourite(session());
    EXPECT_EQ(c().hintLabel->text(), "歌曲收藏已存在");
    EXPECT_EQ(titles(), "晨光");
}

TEST_F(FavouritesTest, RedHeartRemovesTheShownSong)
{
    addRows({"a", "b", "c"});
    setSong("b");
    QTest::mouseClick(c().unfavouriteButton, Qt::LeftButton);
    EXPECT_EQ(titles(), "a,c");
    EXPECT_FALSE(c().favouriteButton->isHidden());
    EXPECT_EQ(c().favouritesGroup->title(), "收藏列表（共2首）");
    EXPECT_EQ(savedRows(), "2");
}

TEST_F(FavouritesTest, DeleteSelectedAndClearAreSaved)
{
    addRows({"a", "b", "c"});
    list().setCurrentRow(2); // the song shown
    c().favouritesMenu->findChild<QAction *>("删除选中")->trigger();
    EXPECT_EQ(titles(), "a,b");
    EXPECT_TRUE(c().unfavouriteButton->isHidden());
    EXPECT_EQ(savedRows(), "2");

    list().clearSelection();
    c().favouritesMenu->findChild<QAction *>("删除选中")->trigger();
    EXPECT_EQ(titles(), "a,b");

    c().favouritesMenu->findChild<QAction *>("清空全部")->trigger();
    EXPECT_EQ(list().rowCount(), 0);
    EXPECT_EQ(c().favouritesGroup->title(), "收藏列表（共0首）");
    EXPECT_EQ(savedRows(), "0");
}

TEST_F(FavouritesTest, RightPressOnTheListOpensTheMenu)
{
    addRows({"a"});
    const QPoint onRow = list().visualItemRect(list().topLevelItem(0)).center();
    QTest::mousePress(list().viewport(), Qt::RightButton, {}, onRow);
    EXPECT_TRUE(c().favouritesMenu->isVisible());
    EXPECT_EQ(list().currentRow(), 0);
    c().favouritesMenu->close();
}

TEST_F(FavouritesTest, PanelButtonTogglesTheWidth)
{
    const struct {
        int before;
        int after;
    } cases[] = {{432, 658}, {658, 432}, {500, 432}};
    for (const auto &w : cases) {
        m_window->setFixedSize(w.before, 240);
        QTest::mouseClick(c().favouritesPanelButton, Qt::LeftButton);
        EXPECT_EQ(m_window->width(), w.after) << w.before;
    }
}

// Replay against the demo station.
class FavouritesReplayTest : private FreshFavouritesFile, public StationFixture {
protected:
    ReportList &list() { return *c.favouritesList; }
    void doubleClickRow(int row)
    {
        list().setCurrentRow(row);
        const QPoint onRow = list().visualItemRect(list().topLevelItem(row)).center();
        QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, onRow);
    }
};

TEST_F(FavouritesReplayTest, DoubleClickReplaysTheRowOnTheDefaultChannel)
{
    const DemoSong &first = DemoStation::songs().at(0);
    chooseChannel(session(), 2);
    ASSERT_TRUE(settle());
    addFavourite(session());
    QTest::mouseClick(c.nextButton, Qt::LeftButton);
    ASSERT_TRUE(settle());
    m_window.setFixedSize(658, 240);
    m_station.clearRequestLog();

    doubleClickRow(0);
    ASSERT_TRUE(settle());
    Globals &g = m_app.globals();
    EXPECT_EQ(c.titleLabel->text(), QString::fromStdString(first.title));
    EXPECT_EQ(m_window.windowTitle(), QString::fromStdString(first.title + " - " + first.artist));
    EXPECT_EQ(g.songSid, QByteArray::fromStdString(first.sid));
    EXPECT_TRUE(g.player->playerObject().readText("url").endsWith("/audio/1001.wav"));
    EXPECT_EQ(g.channelId, "-10");
    EXPECT_EQ(c.channelLabel->text(), "豆瓣精选 MHz");
    EXPECT_EQ(m_window.width(), 432);
    EXPECT_FALSE(c.unfavouriteButton->isHidden());
    EXPECT_FALSE(c.similarButton->isHidden());
    EXPECT_EQ(requestCount("/j/v2/lyric"), 1);
    EXPECT_EQ(c.playbackTimer->interval(), 500);
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.player->playState() == 3; }, 5000));
}

TEST_F(FavouritesReplayTest, SongWithoutAlbumPageKeepsThePreviousLyrics)
{
    chooseChannel(session(), 2);
    ASSERT_TRUE(settle());
    const int row = list().insertRow(0, "无名小调");
    list().setCellText(row, 2, QByteArray::fromStdString(m_station.rootUrl() + "/audio/1003.wav"));
    list().setCellText(row, 7, "/album/77/");
    Globals &g = m_app.globals();
    const QByteArray previousAnswer = g.lyricsAnswer;
    ASSERT_FALSE(previousAnswer.isEmpty());
    m_station.clearRequestLog();

    doubleClickRow(row);
    ASSERT_TRUE(settle());
    EXPECT_EQ(g.lyricsAnswer, previousAnswer);
    EXPECT_EQ(requestCount("/j/v2/lyric"), 0);
    EXPECT_TRUE(c.similarButton->isHidden());
    EXPECT_EQ(c.cover->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
