#include "app/application.h"
#include "app/mainwindow.h"
#include "platform/automation/componentregistry.h"
#include "playback/playbackcontrol.h"
#include "support/scopedenv.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A player that reports whatever the test sets, to check what the tick shows for given figures.
class FakeMedia : public QObject {
    Q_OBJECT
    Q_PROPERTY(double duration MEMBER duration)
public:
    using QObject::QObject;
    double duration = 0;
};

class FakeControls : public QObject {
    Q_OBJECT
    Q_PROPERTY(double currentPosition MEMBER position)
public:
    using QObject::QObject;
    double position = 0;
};

class FakePlayer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int playState MEMBER state)
    Q_PROPERTY(QString url MEMBER url)
    Q_PROPERTY(QObject *Controls READ controlsObject)
    Q_PROPERTY(QObject *currentMedia READ mediaObject)
public:
    QObject *controlsObject() { return &controls; }
    QObject *mediaObject() { return &media; }

    int state = 3;
    QString url;
    FakeControls controls{this};
    FakeMedia media{this};
};

FakePlayer *g_fake = nullptr;

class ProgressTest : public testing::Test {
protected:
    ProgressTest()
    {
        ComponentRegistry::add("wmplayer.ocx", [] { return g_fake = new FakePlayer; });
        m_app.globals().player.emplace();
        m_app.globals().player->open("http://127.0.0.1:1/song.mp3");
    }

    ScopedEnv m_api{"QUORIN_API_ROOT", "http://127.0.0.1:1"};
    Application m_app;
    MainWindow &m_window = m_app.openMainWindow();
    const MainControls &c = m_window.controls();
};

struct ProgressCase {
    double position;
    double duration;
    const char *label;
    int barWidth;
};

TEST_F(ProgressTest, TickShowsTimeAndBarOfAPlayingSong)
{
    for (const ProgressCase &p : {ProgressCase{65.9, 185.2, "01:05 | 03:05", 137}, ProgressCase{5, 0, "00:05 | 00:00", 0},
                                  ProgressCase{200, 185, "03:20 | 03:05", 421}, ProgressCase{0, 30, "00:00 | 00:30", 0}}) {
        SCOPED_TRACE(p.label);
        g_fake->controls.position = p.position;
        g_fake->media.duration = p.duration;
        playbackTick(m_window.session());
        EXPECT_EQ(c.timeLabel->text(), p.label);
        EXPECT_EQ(c.progressBar->width(), p.barWidth);
    }
}

TEST_F(ProgressTest, TickShowsTheLyricLineOfThePlayedSecond)
{
    m_app.globals().lyricsAnswer = R"({"lyric":"[10:05.00]第十分钟\r\n[10:06.00]下一句\r\n"})";
    g_fake->controls.position = 605.9;
    g_fake->media.duration = 700;
    playbackTick(m_window.session());
    EXPECT_EQ(c.lyricLabel->text(), "第十分钟");
}

TEST_F(ProgressTest, PausedPlayerLeavesTheDisplayAlone)
{
    g_fake->state = 2;
    g_fake->controls.position = 65;
    g_fake->media.duration = 185;
    playbackTick(m_window.session());
    EXPECT_EQ(c.timeLabel->text(), "00:00/00:00");
}

} // namespace

#include "progress_test.moc"
