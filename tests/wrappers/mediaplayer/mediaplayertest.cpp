#include "wrappers/mediaplayer.h"

#include "platform/automation/comapartment.h"
#include "platform/automation/componentregistry.h"
#include "platform/components/mediaplayer/mediaplayercomponent.h"
#include "songserver.h"

#include <QObject>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

// A player whose media reports a given bit rate, to reach the edges of its conversion.
class FakeMedia : public QObject {
    Q_OBJECT

public:
    explicit FakeMedia(QObject *parent)
        : QObject(parent)
    {
    }
    Q_INVOKABLE QString getItemInfo(const QString &name) const
    {
        return name == "Bitrate" ? bitrate : QString();
    }
    inline static QString bitrate;
};

class FakePlayer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString url MEMBER m_url)
    Q_PROPERTY(QObject *currentMedia READ currentMedia CONSTANT)

public:
    QObject *currentMedia() const { return m_media; }

private:
    QString m_url;
    FakeMedia *m_media = new FakeMedia(this);
};

TEST(MediaPlayerTimeTest, FormatTime)
{
    const std::pair<qint64, const char *> cases[] = {
        {0, "00:00"}, {59, "00:59"}, {60, "01:00"}, {605, "10:05"}, {6000, "100:00"}, {-5, "00:00"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(MediaPlayer::formatTime(seconds), text) << seconds;
}

TEST(MediaPlayerTimeTest, ParseTime)
{
    const std::pair<const char *, qint64> cases[] = {
        {"03:25", 205}, {"100:00", 6000}, {"0325", 0}, {"", 0}, {"1:2:3", 62}, {"ab:07", 7}, {"02:", 120},
    };
    for (const auto &[text, seconds] : cases)
        EXPECT_EQ(MediaPlayer::parseTime(text), seconds) << text;
}

TEST(MediaPlayerBitRateTest, WholeKilobitsRoundedDown)
{
    ComponentRegistry::add(MediaPlayer::kProgId, [] { return new FakePlayer; });
    MediaPlayer player;
    EXPECT_EQ(player.bitRateText(), "0 kbit/sec"); // no media yet
    player.open("http://127.0.0.1/a.mp3");
    const std::pair<const char *, const char *> cases[] = {
        {"128000", "128 kbit/sec"}, {"127999", "127 kbit/sec"}, {"999", "0 kbit/sec"},
        {"", "0 kbit/sec"},         {"-5000", "0 kbit/sec"},
    };
    for (const auto &[bitrate, text] : cases) {
        FakeMedia::bitrate = bitrate;
        EXPECT_EQ(player.bitRateText(), text) << bitrate;
    }
    registerMediaPlayerComponent();
}

TEST(MediaPlayerLifetimeTest, ApartmentIsBalancedAndCopiesShareTheObjects)
{
    registerMediaPlayerComponent();
    const int entered = ComApartment::initializeCount();
    const int left = ComApartment::uninitializeCount();
    std::optional<MediaPlayer> player(std::in_place);
    EXPECT_EQ(ComApartment::initializeCount(), entered + 1);
    ASSERT_FALSE(player->playerObject().isEmpty());
    EXPECT_TRUE(player->controlsObject().isEmpty());
    EXPECT_TRUE(player->mediaObject().isEmpty());

    std::optional<MediaPlayer> copy(std::in_place, *player);
    EXPECT_EQ(copy->playerObject().object(), player->playerObject().object());
    copy.reset();
    EXPECT_EQ(ComApartment::initializeCount(), entered + 1);
    EXPECT_EQ(ComApartment::uninitializeCount(), left);
    player.reset();
    EXPECT_EQ(ComApartment::uninitializeCount(), left + 1);
}

TEST(MediaPlayerLifetimeTest, WithoutThePlayerEverythingGivesZeroValues)
{
    ComponentRegistry::remove(MediaPlayer::kProgId);
    MediaPlayer player;
    player.open("http://127.0.0.1/a.wav");
    player.setVolume("50");
    player.play();
    EXPECT_TRUE(player.playerObject().isEmpty());
    EXPECT_EQ(player.playState(), 0);
    EXPECT_EQ(player.position(), 0.0);
    EXPECT_EQ(player.status(), "");
    EXPECT_EQ(player.bitRateText(), "0 kbit/sec");
    EXPECT_EQ(MediaPlayer::formatTime(65), "01:05");
    registerMediaPlayerComponent();
}

class MediaPlayerPlaybackTest : public testing::Test {
protected:
    void SetUp() override
    {
        registerMediaPlayerComponent();
        player.emplace();
        component = qobject_cast<MediaPlayerComponent *>(player->playerObject().object());
        ASSERT_NE(component, nullptr);
    }

    // What reached the engine under the component.
    const MpvSession &engine() const { return component->session(); }

    SongServer songs;
    std::optional<MediaPlayer> player;
    MediaPlayerComponent *component = nullptr;
};

TEST_F(MediaPlayerPlaybackTest, WithoutMediaTheDescriptionsFallBack)
{
    EXPECT_EQ(player->playState(), 0);
    EXPECT_EQ(player->title(), "未知标题");
    EXPECT_EQ(player->author(), "未知作者");
    EXPECT_EQ(player->mediaRights(), "未知版权");
    EXPECT_EQ(player->mediaType(), "未知类型");
    EXPECT_EQ(player->bitRateText(), "0 kbit/sec");
}

TEST_F(MediaPlayerPlaybackTest, OpenPlaysTheSongAndDescribesIt)
{
    player->open(QByteArray::fromStdString(songs.url("/song/5000.wav")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->playState() == 3; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->position() > 0.3; }, 5000));
    EXPECT_EQ(static_cast<int>(player->duration()), 5);
    EXPECT_EQ(player->status(), "Playing");
    EXPECT_EQ(player->title(), SongTags::title);
    EXPECT_EQ(player->author(), SongTags::artist);
    EXPECT_EQ(player->mediaRights(), SongTags::copyright);
    EXPECT_EQ(player->mediaType(), "wav");
    EXPECT_EQ(player->bitRateText(), "128 kbit/sec");
    EXPECT_EQ(player->bufferingCount(), "0");

    player->pause();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->playState() == 2; }, 2000));
    player->play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->playState() == 3; }, 2000));
}

TEST_F(MediaPlayerPlaybackTest, VolumeTextReachesTheEngine)
{
    player->open(QByteArray::fromStdString(songs.url("/song/5000.wav")));
    player->setVolume("37");
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine().readNumber("volume") == 37.0; }, 2000));
    EXPECT_EQ(player->settingsObject().readNumber("volume"), 37.0);
}

TEST_F(MediaPlayerPlaybackTest, ToggleMuteTwiceLeavesMuteAsItWas)
{
    player->open(QByteArray::fromStdString(songs.url("/song/5000.wav")));
    ASSERT_FALSE(player->settingsObject().readBool("mute"));
    player->toggleMute();
    EXPECT_TRUE(player->settingsObject().readBool("mute"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine().readFlag("mute"); }, 2000));
    player->toggleMute();
    EXPECT_FALSE(player->settingsObject().readBool("mute"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !engine().readFlag("mute"); }, 2000));
}

} // namespace

#include "mediaplayertest.moc"
