#include "app/application.h"
#include "app/globals.h"
#include "app/mainwindow.h"
#include "lyrics/lyricssettings.h"
#include "lyrics/lyrictick.h"
#include "lyrics/lyricswindow.h"
#include "platform/toolkit/inifile.h"
#include "platform/toolkit/widgets/colourpicker.h"
#include "support/scopedenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr QByteArrayView section = "GECI";

// The whole program, started on a settings directory that holds the given "gcsz.ini" or none.
class LyricsInWindowTest : public testing::Test {
protected:
    LyricsInWindowTest() { QFile::remove(lyricsSettingsPath()); }

    void start() { m_app.emplace().openMainWindow(); }
    void restart()
    {
        m_app.reset();
        start();
    }
    void writeSettings(std::initializer_list<std::pair<const char *, const char *>> values)
    {
        QDir().mkpath(QFileInfo(lyricsSettingsPath()).path());
        IniFile file(lyricsSettingsPath());
        for (const auto &[key, value] : values)
            file.setValue(section, key, value);
        ASSERT_TRUE(file.save());
    }
    QByteArray saved(const char *key) const { return IniFile(lyricsSettingsPath()).value(section, key); }

    MainWindow &window() { return *m_app->mainWindow(); }
    Session &session() { return window().session(); }
    const MainControls &c() { return window().controls(); }
    LyricsWindow &lyrics() { return session().lyricsWindow; }
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // Nothing listens on port 1: the start-up request fails at once, as with no network.
    ScopedEnv m_api{"QUORIN_API_ROOT", "http://127.0.0.1:1"};
    std::optional<Application> m_app;
};

// The look alone, without the text it was last drawn with.
LyricsFrameContent look(const LyricsWindow &window)
{
    LyricsFrameContent content = window.content();
    content.text.clear();
    return content;
}

TEST_F(LyricsInWindowTest, FirstStartPanelHoldsTheDefaultLook)
{
    start();
    const LyricsFrameContent defaultLook = look(lyrics());
    EXPECT_EQ(c().fontSize->currentText(), "50");
    EXPECT_TRUE(c().fontBold->isChecked());
    EXPECT_EQ(c().fillMode->currentText(), "两色渐变");

    // Applying (or saving at close and loading at the next start) what nobody chose changes nothing.
    click(c().applySettingsButton);
    EXPECT_EQ(look(lyrics()), defaultLook);
    restart();
    EXPECT_EQ(look(lyrics()), defaultLook);
}

TEST_F(LyricsInWindowTest, AppliedLookReachesTheWindowAndTheNextStart)
{
    start();
    click(c().settingsButton);
    c().fontFace->setCurrentIndex(2);
    c().fontSize->setCurrentIndex(5);
    c().fontItalic->setChecked(true);
    c().fillColour1->setColour(0x0000FF);
    c().fillMode->setCurrentIndex(2);
    click(c().applySettingsButton);

    ASSERT_TRUE(lyrics().content().font);
    EXPECT_EQ(lyrics().content().font->pixelSize(), 60);
    EXPECT_TRUE(lyrics().content().font->italic());
    EXPECT_EQ(lyrics().content().textGradient, 2);
    EXPECT_EQ(lyrics().content().textColours[0], 0xFFFF0000u);
    EXPECT_EQ(c().settingsPanel->x(), settingsHome);
    EXPECT_EQ(saved("字体型号"), "2");
    EXPECT_EQ(saved("字体大小"), "5");
    EXPECT_EQ(saved("字体加粗"), "真");
    EXPECT_EQ(saved("字体选中"), "真");
    EXPECT_EQ(saved("字体下划线"), "假");
    EXPECT_EQ(saved("文字颜色1"), "255");
    EXPECT_EQ(saved("文字渐变"), "2");

    const LyricsFrameContent applied = look(lyrics());
    restart();
    EXPECT_TRUE(c().fontItalic->isChecked());
    EXPECT_EQ(c().fontSize->currentText(), "60");
    EXPECT_EQ(look(lyrics()), applied);
}

TEST_F(LyricsInWindowTest, FileValuesSelectItemsAsTheListsAllow)
{
    writeSettings({{"字体型号", "1abc"}, {"字体大小", "9"}, {"文字颜色1", "16711680"}, {"文字渐变", "-1"}});
    start();
    EXPECT_EQ(c().fontFace->currentText(), "楷体");
    EXPECT_EQ(c().fontSize->currentText(), "60");
    EXPECT_FALSE(c().fontBold->isChecked());
    EXPECT_EQ(c().fillColour1->colour(), 0xFF0000);
    EXPECT_EQ(c().fillColour2->colour(), 0);
    EXPECT_EQ(c().fillMode->currentIndex(), -1);
    EXPECT_EQ(lyrics().content().textGradient, -1);

    writeSettings({{"字体大小", "-1"}});
    restart();
    EXPECT_EQ(c().fontSize->currentIndex(), -1);
    EXPECT_FALSE(lyrics().content().font);
}

TEST_F(LyricsInWindowTest, GearLiesOverTheOpenPanelAndClosesIt)
{
    start();
    const QPoint gear = c().settingsButton->geometry().center();
    click(c().settingsButton);
    ASSERT_EQ(c().settingsPanel->x(), settingsOpen);
    QWidget *hit = window().childAt(gear);
    ASSERT_EQ(hit, c().settingsButton);
    click(hit);
    EXPECT_EQ(c().settingsPanel->x(), settingsHome);
    EXPECT_TRUE(c().settingsPanel->isHidden());

    EXPECT_EQ(c().applySettingsButton->parentWidget(), c().settingsPanel);
    EXPECT_EQ(c().applySettingsButton->geometry(), QRect(165, 160, 69, 35));
    EXPECT_FALSE(c().applySettingsButton->testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(c().fillColour1->testAttribute(Qt::WA_SetCursor));
}

TEST_F(LyricsInWindowTest, LyricsButtonShowsAndHidesTheDesktopLyrics)
{
    start();
    QWidget *desktop = QWidget::find(lyrics().handle());
    c().volumeSlider->show();
    click(c().lyricsButton);
    EXPECT_TRUE(desktop->isVisible());
    EXPECT_EQ(m_app->globals().lyricsShownFlag, "123");
    EXPECT_TRUE(c().volumeSlider->isHidden());
    click(c().lyricsButton);
    EXPECT_FALSE(desktop->isVisible());
    EXPECT_EQ(m_app->globals().lyricsShownFlag, "");
}

struct TickCase {
    const char *name;
    QByteArray answer;
    QByteArray lyricText;
    const char *key;
    const char *shown;
};

class LyricTickTest : public LyricsInWindowTest, public testing::WithParamInterface<TickCase> {};

TEST_P(LyricTickTest, ShowsTheLineInTheLabelAndTheDesktopLyrics)
{
    start();
    const TickCase &t = GetParam();
    Globals &g = m_app->globals();
    c().lyricLabel->setText(QStringLiteral("晨光 - 林小舟"));
    lyrics().setText("晨光 - 林小舟");
    g.lyricsAnswer = t.answer;
    g.lyricsText = t.lyricText;
    lyricTick(session(), t.key);
    EXPECT_EQ(c().lyricLabel->text(), QString::fromUtf8(t.shown));
    EXPECT_EQ(lyrics().text(), QString::fromUtf8(t.shown));
}

const QByteArray timed = R"({"lyric":"[00:01.00]晨光照进窗\r\n[00:02.00]他说 \"早\"\r\n","name":"晨光"})";

INSTANTIATE_TEST_SUITE_P(
    Cases, LyricTickTest,
    testing::Values(TickCase{"LineOfTheSecond", timed, "", "00:01", "晨光照进窗"},
                    TickCase{"EscapesOfTheLineAreDecoded", timed, "", "00:02", "他说 \"早\""},
                    TickCase{"SecondWithoutLineKeepsTheText", timed, "", "00:09", "晨光 - 林小舟"},
                    TickCase{"EmptyAnswerKeepsTheText", "", "", "00:01", "晨光 - 林小舟"},
                    TickCase{"NoMatchAnswerKeepsTheText", "没有匹配到歌词.", "", "00:01", "晨光 - 林小舟"},
                    TickCase{"NoTagsAndNoLyrics", R"({"lyric":"暂无歌词","name":"x"})", "暂无歌词", "00:01", "暂无歌词"},
                    TickCase{"NoTagsOtherwise", R"({"lyric":"潮水退去的时候","name":"x"})", "潮水退去的时候", "00:01",
                             "当前歌词不支持滚动"}),
    [](const testing::TestParamInfo<TickCase> &param) { return param.param.name; });

} // namespace
