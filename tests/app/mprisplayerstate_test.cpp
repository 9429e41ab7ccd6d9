#include "app/mpris/mprisplayerstate.h"

#include <QDBusObjectPath>
#include <QStringList>

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(MprisPlayerStateTest, PlaybackStatusFollowsThePlayerState)
{
    const std::pair<int, const char *> cases[] = {{0, "Stopped"},  {1, "Stopped"}, {2, "Paused"},
                                                  {3, "Playing"},  {6, "Playing"}, {9, "Playing"},
                                                  {10, "Stopped"}, {8, "Stopped"}};
    for (const auto &[state, status] : cases)
        EXPECT_EQ(playbackStatus(state), QLatin1String(status)) << state;
}

TEST(MprisPlayerStateTest, MetadataCarriesTheSongAndItsLyrics)
{
    const MprisTrack track{"1a/2", "歌名",           "歌手",
                           "专辑", "http://c/p.png", "[00:01.00]第一行\n[00:02.00]第二行"};
    const QVariantMap metadata = trackMetadata(track, 185.5);
    EXPECT_EQ(metadata.value("mpris:trackid").value<QDBusObjectPath>().path(), "/org/quorin/track/1a_2");
    EXPECT_EQ(metadata.value("xesam:title").toString(), QStringLiteral("歌名"));
    EXPECT_EQ(metadata.value("xesam:artist").toStringList(), QStringList{QStringLiteral("歌手")});
    EXPECT_EQ(metadata.value("xesam:album").toString(), QStringLiteral("专辑"));
    EXPECT_EQ(metadata.value("mpris:artUrl").toString(), "http://c/p.png");
    EXPECT_EQ(metadata.value("mpris:length").toLongLong(), 185'500'000);
    EXPECT_EQ(metadata.value("xesam:asText").toString(),
              QStringLiteral("[00:01.00]第一行\n[00:02.00]第二行"));
}

TEST(MprisPlayerStateTest, UnknownLengthAndMissingLyricsAreLeftOut)
{
    const QVariantMap metadata = trackMetadata({"7", "T", "A", "", "", ""}, 0);
    EXPECT_FALSE(metadata.contains("mpris:length"));
    EXPECT_FALSE(metadata.contains("xesam:asText"));
    EXPECT_FALSE(metadata.contains("xesam:album"));
    EXPECT_EQ(trackMetadata({}, 0).keys(), QStringList{"mpris:trackid"});
}

TEST(MprisPlayerStateTest, VolumeMapsToTheSliderBothWays)
{
    EXPECT_DOUBLE_EQ(volumeFromSlider(37), 0.37);
    const std::pair<double, int> cases[] = {
        {0.37, 37}, {1.0, 100}, {0.0, 1},     {2.5, 100},
        {-1.0, 1},  {0.004, 1}, {0.996, 100}, {std::numeric_limits<double>::quiet_NaN(), 1}};
    for (const auto &[volume, slider] : cases)
        EXPECT_EQ(sliderFromVolume(volume), slider) << volume;
}

} // namespace
