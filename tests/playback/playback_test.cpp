#include "app/application.h"
#include "app/mainwindow.h"
#include "demostation.h"
#include "platform/toolkit/endofprogram.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "playback/playbackcontrol.h"
#include "radio/songchange.h"
#include "radio/songflow.h"
#include "stationfixture.h"
#include "support/scopedenv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

constexpr int playing = 3;
constexpr int paused = 2;

class PlaybackTest : public StationFixture {
protected:
    MediaPlayer &player() { return *m_app.globals().player; }
    QString caption(const char *name) { return m_window.findChild<QLabel *>(name)->text(); }

    bool waitForState(int state, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return player().playState() == state; }, timeoutMs);
    }
    int playlistRequests() const { return requestCount("/j/v2/playlist"); }
};

TEST_F(PlaybackTest, StartUpAsksOnlyForTheDefaultChannelsDescription)
{
    ASSERT_TRUE(settle());
    ASSERT_EQ(m_station.requestLog().size(), 1u);
    EXPECT_EQ(m_station.requestLog().front().target, "/j/v2/channel_info?id=-10");
    EXPECT_EQ(m_app.globals().channelName, "豆瓣精选");
    EXPECT_EQ(player().playState(), 0);
}

TEST_F(PlaybackTest, ChoosingAChannelPlaysItsFirstSong)
{
    const DemoSong &song = DemoStation::songs().front();
    chooseChannel(session(), 2); // 华语
    ASSERT_TRUE(settle());

    EXPECT_EQ(caption("标签5"), "华语 MHz");
    EXPECT_EQ(caption("标签1"), QString::fromStdString(song.title));
    EXPECT_EQ(caption("标签2"), QString::fromStdString(song.title + " - " + song.artist));
    EXPECT_EQ(m_window.windowTitle(), QString::fromStdString(song.title + " - " + song.artist));
    EXPECT_EQ(caption("标签4"), "128Kbps");
    EXPECT_TRUE(QTest::qWaitFor([&] { return c.cover->hasPicture(); }, 3000));
    EXPECT_TRUE(c.playingAnimation->isAnimationPlaying());
    EXPECT_EQ(c.playbackTimer->interval(), 500);
    EXPECT_FALSE(c.similarButton->isHidden());
    ASSERT_TRUE(waitForState(playing));
    EXPECT_TRUE(QTest::qWaitFor([&] { return caption("标签3").startsWith("00:01 | 00:0"); }, 3000));
}

TEST_F(PlaybackTest, SongThatEndsIsFollowedByTheNext)
{
    chooseChannel(session(), 0); // the first song of a rotation is three seconds long
    ASSERT_TRUE(settle());
    EXPECT_EQ(caption("标签5"), "豆瓣精选 MHz");
    ASSERT_TRUE(waitForState(playing));
    const QString second = QString::fromStdString(DemoStation::songs().at(1).title);
    EXPECT_TRUE(QTest::qWaitFor([&] { return caption("标签1") == second; }, 10000));
    EXPECT_EQ(playlistRequests(), 2);
    EXPECT_TRUE(waitForState(playing));
}

TEST_F(PlaybackTest, PauseHoldsThePositionAndResumeGoesOn)
{
    m_station.clearRequestLog();
    chooseChannel(session(), 3);
    QTest::mouseClick(c.nextButton, Qt::LeftButton); // the second song is long enough to pause in
    ASSERT_TRUE(settle());
    ASSERT_EQ(caption("标签1"), QString::fromStdString(DemoStation::songs().at(1).title));
    ASSERT_TRUE(waitForState(playing));
    QTest::mouseClick(c.pauseButton, Qt::LeftButton);
    ASSERT_TRUE(waitForState(paused, 2000));
    EXPECT_TRUE(c.pauseButton->isHidden());
    EXPECT_FALSE(c.resumeButton->isHidden());
    EXPECT_FALSE(c.playingAnimation->isAnimationPlaying());
    const double held = player().position();
    QTest::qWait(600);
    EXPECT_NEAR(player().position(), held, 0.05);

    QTest::mouseClick(c.resumeButton, Qt::LeftButton);
    ASSERT_TRUE(waitForState(playing, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player().position() > held + 0.3; }, 3000));
    EXPECT_FALSE(c.pauseButton->isHidden());
    EXPECT_TRUE(c.playingAnimation->isAnimationPlaying());
}

TEST_F(PlaybackTest, NextSongAfterPauseReturnsToThePlayingLook)
{
    chooseChannel(session(), 3);
    ASSERT_TRUE(waitForState(playing));
    QTest::mouseClick(c.pauseButton, Qt::LeftButton);
    m_window.setFixedSize(658, 240);
    QTest::mouseClick(c.nextButton, Qt::LeftButton);
    ASSERT_TRUE(settle());
    EXPECT_EQ(caption("标签1"), QString::fromStdString(DemoStation::songs().at(1).title));
    EXPECT_FALSE(c.pauseButton->isHidden());
    EXPECT_TRUE(c.resumeButton->isHidden());
    EXPECT_EQ(m_window.width(), 432);
    EXPECT_TRUE(waitForState(playing));
}

TEST_F(PlaybackTest, SliderVolumeReachesThePlayer)
{
    chooseChannel(session(), 2);
    ASSERT_TRUE(settle());
    QTest::mouseClick(c.volumeButton, Qt::LeftButton);
    EXPECT_FALSE(c.volumeSlider->isHidden());
    c.volumeSlider->setValue(37);
    EXPECT_EQ(player().settingsObject().readNumber("volume"), 37);
    EXPECT_EQ(caption("提示"), "音量：37");
    // A click on the groove, away from the handle, hides the slider as well as the end of a drag.
    QTest::mouseClick(c.volumeSlider, Qt::LeftButton, {}, QPoint(2, c.volumeSlider->height() / 2));
    EXPECT_TRUE(c.volumeSlider->isHidden());
}

TEST_F(PlaybackTest, FailuresSayWhyAndWaitLongerEachTimeUntilTheStationRecovers)
{
    ASSERT_TRUE(settle());
    const QString before = caption("标签1");
    m_station.clearRequestLog();
    m_station.setFault(Fault::EmptyAnswer);
    chooseChannel(session(), 2);
    ASSERT_TRUE(settle());
    EXPECT_EQ(caption("标签2"), "电台返回的歌单无法使用，1 秒后重试");
    EXPECT_EQ(caption("标签1"), before);
    EXPECT_FALSE(c.playbackTimer->isActive());

    m_station.setFault(Fault::ServerError);
    ASSERT_TRUE(QTest::qWaitFor([&] { return caption("标签2").startsWith("电台返回错误"); }, 3000));
    EXPECT_EQ(caption("标签2"), "电台返回错误 (500)，2 秒后重试");
    EXPECT_EQ(playlistRequests(), 2);
    QTest::qWait(1500); // within the two seconds: nothing more is asked
    EXPECT_EQ(playlistRequests(), 2);

    m_station.setFault(Fault::None);
    EXPECT_TRUE(waitForState(playing, 5000));
    EXPECT_EQ(playlistRequests(), 3);
    // The station's rotation counts the failed answers too.
    EXPECT_EQ(caption("标签1"), QString::fromStdString(DemoStation::songs().at(2).title));
}

TEST_F(PlaybackTest, NextSongTriesAgainAtOnceDuringTheWait)
{
    ASSERT_TRUE(settle());
    m_station.setFault(Fault::ServerError);
    QTest::mouseClick(c.nextButton, Qt::LeftButton);
    ASSERT_TRUE(settle());
    ASSERT_TRUE(session().flow.isRetryPending());
    m_station.setFault(Fault::None);
    QTest::mouseClick(c.nextButton, Qt::LeftButton);
    ASSERT_TRUE(settle(1000));
    EXPECT_FALSE(session().flow.isRetryPending());
    EXPECT_EQ(caption("标签1"), QString::fromStdString(DemoStation::songs().at(1).title));
}

TEST_F(PlaybackTest, SongThatNeverPlaysIsRetriedAfterAWait)
{
    ASSERT_TRUE(settle());
    m_station.setFault(Fault::ServerError, "/audio/");
    chooseChannel(session(), 2);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(QTest::qWaitFor([&] { return caption("标签2") == "歌曲无法播放，1 秒后重试"; }, 5000));
    m_station.setFault(Fault::None);
    EXPECT_TRUE(waitForState(playing, 5000));
    EXPECT_EQ(playlistRequests(), 2);
}

TEST_F(PlaybackTest, WindowStaysLiveWhileTheStationIsSlowAndUsesTheAnswersInOrder)
{
    ASSERT_TRUE(settle());
    m_station.clearRequestLog();
    m_station.setSlowDelay(std::chrono::seconds(5));
    m_station.setFault(Fault::SlowAnswer, "/j/v2/channel_info");
    int dockTicks = 0;
    QObject::connect(c.dockTimer, &QTimer::timeout, [&dockTicks] { ++dockTicks; });
    chooseChannel(session(), 2);
    QTest::qWait(4000);
    EXPECT_GE(dockTicks, 30); // 100 ms apart: the loop ran all along
    EXPECT_EQ(caption("标签5"), "豆瓣精选 MHz");

    ASSERT_TRUE(settle(5000));
    EXPECT_EQ(caption("标签5"), "华语 MHz");
    std::vector<std::string> serviceRequests;
    for (const auto &request : m_station.requestLog()) {
        if (request.target.starts_with("/j/"))
            serviceRequests.push_back(request.target.substr(0, request.target.find('?')));
    }
    EXPECT_EQ(serviceRequests,
              (std::vector<std::string>{"/j/v2/channel_info", "/j/v2/playlist", "/j/v2/lyric"}));
}

TEST_F(PlaybackTest, ClosingDuringARequestEndsAtOnce)
{
    ASSERT_TRUE(settle());
    m_station.setSlowDelay(std::chrono::seconds(30));
    m_station.setFault(Fault::SlowAnswer, "/j/");
    chooseChannel(session(), 2);
    QTimer::singleShot(300, &m_window, &QWidget::close);
    QElapsedTimer clock;
    clock.start();
    QObject guard;
    QTimer::singleShot(10000, &guard, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    runEndOfProgramRoutine();
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(PlaybackTest, SongGoesOnAfterTheConnectionDrops)
{
    m_station.setFault(Fault::CutMidBody, "/audio/");
    chooseChannel(session(), 2); // three seconds, cut halfway
    ASSERT_TRUE(settle());
    ASSERT_TRUE(waitForState(playing));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player().position() >= 2.5; }, 6000));
}

TEST_F(PlaybackTest, SimilarSongsSwitchesToTheAlbumsChannel)
{
    chooseChannel(session(), 2);
    ASSERT_TRUE(settle());
    const DemoSong &song = DemoStation::songs().front();
    const std::string channel = std::to_string(song.albumChannel);
    m_station.clearRequestLog();
    QTest::mouseClick(c.similarButton, Qt::LeftButton);
    ASSERT_TRUE(settle());
    EXPECT_EQ(m_app.globals().channelId, QByteArray::number(song.albumChannel));
    EXPECT_EQ(caption("标签5"), QString::fromStdString(song.artist + " MHz"));

    // The album page, then the linked channel's description and playlist (the player's own requests for
    // the audio may come in between).
    std::vector<std::string> serviceRequests;
    for (const auto &request : m_station.requestLog()) {
        if (!request.target.starts_with("/audio/") && !request.target.starts_with("/cover/"))
            serviceRequests.push_back(request.target.substr(0, request.target.find('&')));
    }
    ASSERT_GE(serviceRequests.size(), 3u);
    EXPECT_EQ(serviceRequests[0], song.album);
    EXPECT_EQ(serviceRequests[1], "/j/v2/channel_info?id=" + channel);
    EXPECT_EQ(serviceRequests[2], "/j/v2/playlist?channel=" + channel);
}

} // namespace
