#include "platform/components/mediaplayer/mediaplayercomponent.h"
#include "platform/automation/componentregistry.h"
#include "platform/components/mediaplayer/playercontrols.h"
#include "platform/components/mediaplayer/playermedia.h"
#include "songserver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kStartTimeoutMs = 5000;

class MediaPlayerComponentTest : public testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(&player, &MediaPlayerComponent::playStateChanged,
                         [this](int state) { states.append(state); });
    }

    void open(const std::string &url) { player.setUrl(QString::fromStdString(url)); }

    bool waitForState(int state, int timeoutMs = kStartTimeoutMs)
    {
        return QTest::qWaitFor([&] { return player.playState() == state; }, timeoutMs);
    }

    // Waits until the position has moved more than `by` seconds past `from`.
    bool waitForPositionPast(double from, double by = 0.3)
    {
        return QTest::qWaitFor([&] { return player.position() > from + by; }, kStartTimeoutMs);
    }

    PlayerControls &controls() { return *qobject_cast<PlayerControls *>(player.controls()); }
    PlayerMedia &media() { return *qobject_cast<PlayerMedia *>(player.currentMedia()); }

    SongServer songs;
    MediaPlayerComponent player;
    QList<int> states;
};

TEST_F(MediaPlayerComponentTest, OpensPlaysAndDescribesTheStream)
{
    EXPECT_EQ(player.playState(), MediaPlayerComponent::Undefined);
    open(songs.url("/song/5000.wav"));
    ASSERT_TRUE(waitForState(MediaPlayerComponent::Playing));
    EXPECT_EQ(states.first(), MediaPlayerComponent::Transitioning);
    EXPECT_EQ(player.status(), "Playing");
    EXPECT_TRUE(waitForPositionPast(0.0));

    EXPECT_NEAR(media().duration(), 5.0, 0.01);
    EXPECT_EQ(media().getItemInfo("title"), QString::fromUtf8(SongTags::title));
    EXPECT_EQ(media().getItemInfo("Author"), QString::fromUtf8(SongTags::artist));
    EXPECT_EQ(media().getItemInfo("Copyright"), QString::fromUtf8(SongTags::copyright));
    EXPECT_EQ(media().getItemInfo("strType"), "wav");
    EXPECT_EQ(media().getItemInfo("Bitrate"), "128000");
    EXPECT_EQ(media().getItemInfo("NoSuchItem"), "");
}

TEST_F(MediaPlayerComponentTest, PauseHoldsThePositionAndPlayGoesOn)
{
    open(songs.url("/song/5000.wav"));
    ASSERT_TRUE(waitForState(MediaPlayerComponent::Playing));
    ASSERT_TRUE(waitForPositionPast(0.0));

    controls().pause();
    ASSERT_TRUE(waitForState(MediaPlayerComponent::Paused));
    const double held = player.position();
    QTest::qWait(300);
    EXPECT_NEAR(player.position(), held, 0.05);

    controls().play();
    ASSERT_TRUE(waitForState(MediaPlayerComponent::Playing));
    EXPECT_TRUE(waitForPositionPast(held, 0.2));
}

TEST_F(MediaPlayerComponentTest, SongThatPlaysToItsEndReportsMediaEndedThenStopped)
{
    open(songs.url("/song/2000.wav"));
    ASSERT_TRUE(waitForState(MediaPlayerComponent::Stopped, 8000));
    EXPECT_EQ(states, (QList<int>{MediaPlayerComponent::Transitioning, MediaPlayerComponent::Playing,
                                  MediaPlayerComponent::MediaEnded, MediaPlayerComponent::Stopped}));
    EXPECT_EQ(player.position(), 0.0);
}

TEST_F(MediaPlayerComponentTest, EventsOfAnEarlierAddressLeaveTheNextStreamAlone)
{
    open(songs.url("/song/30000.wav"));
    ASSERT_TRUE(waitForState(MediaPlayerComponent::Playing));
    states.clear();

    open("http://127.0.0.1:1/refused.wav");
    // Without events being handled, the engine meanwhile fails that address and queues the news of it.
    QThread::msleep(300);
    open(songs.url("/song/1500.wav"));
    ASSERT_TRUE(waitForState(MediaPlayerComponent::Stopped, 8000));
    EXPECT_EQ(states, (QList<int>{MediaPlayerComponent::Transitioning, MediaPlayerComponent::Playing,
                                  MediaPlayerComponent::MediaEnded, MediaPlayerComponent::Stopped}));
}

TEST_F(MediaPlayerComponentTest, StopEndsTheStreamAndPlayStartsItAgain)
{
    open(songs.url("/song/5000.wav"));
    ASSERT_TRUE(waitForState(MediaPlayerComponent::Playing));
    controls().stop();
    EXPECT_EQ(player.playState(), MediaPlayerComponent::Stopped);
    EXPECT_EQ(controls().currentPosition(), 0.0);

    controls().play();
    ASSERT_TRUE(waitForState(MediaPlayerComponent::Playing));
    EXPECT_TRUE(waitForPositionPast(0.0));
}

TEST_F(MediaPlayerComponentTest, DroppedConnectionResumesFromWhereItBroke)
{
    constexpr double seconds = 4.0;
    open(songs.url("/drop/4000.wav"));
    double lastPosition = 0;
    double furthest = 0;
    bool wentBack = false;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const double position = player.position();
            if (position > 0) {
                wentBack = wentBack || position < lastPosition - 0.1;
                lastPosition = position;
                furthest = std::max(furthest, position);
            }
            return player.playState() == MediaPlayerComponent::Stopped;
        },
        15000));

    EXPECT_FALSE(wentBack);
    EXPECT_GT(furthest, seconds - 1.0);
    ASSERT_GE(states.size(), 2);
    EXPECT_EQ(states.last(2), (QList<int>{MediaPlayerComponent::MediaEnded, MediaPlayerComponent::Stopped}));
    const QList<qint64> starts = songs.dropRequestStarts();
    ASSERT_GE(starts.size(), 3);
    EXPECT_EQ(starts.first(), 0);
    EXPECT_EQ(starts.last(), SongServer::dropCutOffset(seconds));
}

struct UnplayableCase {
    const char *name;
    std::string (*url)(const SongServer &songs, const QString &songFile);
    friend void PrintTo(const UnplayableCase &c, std::ostream *out) { *out << c.name; }
};

class UnplayableAddressTest : public MediaPlayerComponentTest,
                              public testing::WithParamInterface<UnplayableCase> {};

TEST_P(UnplayableAddressTest, EndsInStoppedOrReadyAndNeverPlays)
{
    // A real song on disk: the file addresses fail because they are refused, not because nothing is there.
    QTemporaryDir dir;
    const QString songFile = dir.filePath("song.wav");
    QFile file(songFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(makeSong(3.0));
    file.close();

    open(GetParam().url(songs, songFile));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const int state = player.playState();
            return state == MediaPlayerComponent::Stopped || state == MediaPlayerComponent::Ready;
        },
        kStartTimeoutMs));
    // Long enough for a local song to have started had it been handed to the engine.
    QTest::qWait(400);
    for (int state : states) {
        EXPECT_TRUE(state == MediaPlayerComponent::Transitioning || state == MediaPlayerComponent::Stopped ||
                    state == MediaPlayerComponent::Ready)
            << state;
    }
    EXPECT_FALSE(player.status().isEmpty());
    EXPECT_EQ(player.session().readText("path"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, UnplayableAddressTest,
    testing::Values(
        UnplayableCase{
            "RefusedConnection",
            [](const SongServer &, const QString &) { return std::string("http://127.0.0.1:1/a.wav"); }},
        UnplayableCase{"NotFound",
                       [](const SongServer &s, const QString &) { return s.url("/missing.wav"); }},
        UnplayableCase{"NotAudio", [](const SongServer &s, const QString &) { return s.url("/page.html"); }},
        UnplayableCase{"FileUrl", [](const SongServer &,
                                     const QString &file) { return "file://" + file.toStdString(); }},
        UnplayableCase{"PlainPath",
                       [](const SongServer &, const QString &file) { return file.toStdString(); }},
        UnplayableCase{"OtherProtocol", [](const SongServer &,
                                           const QString &) { return std::string("ftp://127.0.0.1/a.wav"); }},
        UnplayableCase{"Empty", [](const SongServer &, const QString &) { return std::string(); }}),
    [](const testing::TestParamInfo<UnplayableCase> &param) { return std::string(param.param.name); });

TEST(MediaPlayerRegistrationTest, RegistersTheProgId)
{
    registerMediaPlayerComponent();
    std::unique_ptr<QObject> made(ComponentRegistry::make("WMPlayer.OCX"));
    EXPECT_NE(qobject_cast<MediaPlayerComponent *>(made.get()), nullptr);
}

} // namespace
