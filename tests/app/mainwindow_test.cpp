#include "app/application.h"
#include "app/mainwindow.h"
#include "app/terminationsignals.h"
#include "lyrics/lyricswindow.h"
#include "platform/toolkit/endofprogram.h"
#include "platform/toolkit/programdirectory.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "platform/toolkit/widgets/reportlist.h"
#include "radio/channeltable.h"
#include "support/scopedenv.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QString caption(const QLabel *label)
{
    return label->text();
}

class MainWindowTest : public testing::Test {
protected:
    // Nothing listens on port 1: the start-up request fails at once, as with no network.
    ScopedEnv m_api{"QUORIN_API_ROOT", "http://127.0.0.1:1"};
    Application m_app;
    MainWindow &m_window = m_app.openMainWindow();
    const MainControls &c = m_window.controls();

    int settingsLeft() const { return c.settingsPanel->x(); }
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
};

TEST_F(MainWindowTest, CreatedHandlerSetsTheFirstState)
{
    EXPECT_EQ(m_window.windowTitle(), "QuorinV1.4");
    EXPECT_EQ(m_window.geometry(), QRect(50, 50, 432, 240));
    EXPECT_EQ(m_app.globals().channelId, "-10");
    EXPECT_EQ(m_app.globals().channelName, "");
    EXPECT_EQ(caption(c.hintLabel), "音量：100");
    EXPECT_EQ(c.favouritesGroup->title(), "收藏列表（共0首）");
    EXPECT_EQ(caption(c.channelLabel), "豆瓣精选 MHz");
    EXPECT_TRUE(m_app.globals().lyricsShownFlag.isEmpty());
}

TEST_F(MainWindowTest, DesktopLyricsWindowExistsHiddenWithTheWelcome)
{
    const QWidget *lyrics = QWidget::find(m_window.session().lyricsWindow.handle());
    ASSERT_NE(lyrics, nullptr);
    EXPECT_FALSE(lyrics->isVisible());
    EXPECT_EQ(lyrics->windowTitle(), "PelorLyricsWindow");
    EXPECT_EQ(lyrics->height(), 150);
    EXPECT_TRUE(lyrics->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(m_window.session().lyricsWindow.text(), "欢迎进入Quorin");
}

// One row of the window's control table: where a control sits and how it starts.
struct ControlRow {
    const char *name;
    const char *parent;
    QRect place;
    bool hidden;
    bool hand;
    int fontPx; // 0: the table gives none
};

const ControlRow controlTable[] = {
    {"音乐播放外形框", "窗口", {-16, -1, 649, 217}, false, false, 0},
    {"标签1", "音乐播放外形框", {34, 41, 263, 46}, false, false, 21},
    {"标签2", "音乐播放外形框", {34, 86, 263, 24}, false, false, 14},
    {"标签3", "音乐播放外形框", {36, 119, 80, 20}, false, false, 12},
    {"标签4", "音乐播放外形框", {180, 120, 56, 20}, false, false, 12},
    {"标签5", "音乐播放外形框", {55, 15, 225, 24}, false, true, 14},
    {"提示", "音乐播放外形框", {36, 188, 144, 20}, false, false, 12},
    {"组合框1", "音乐播放外形框", {56, 18, 99, 20}, true, false, 0},
    {"图片框1", "音乐播放外形框", {306, 16, 120, 120}, false, false, 0},
    {"图片框2", "音乐播放外形框", {32, 17, 20, 20}, false, false, 0},
    {"进度条_灰", "音乐播放外形框", {36, 142, 390, 3}, false, false, 0},
    {"进度条_绿", "音乐播放外形框", {36, 142, 0, 3}, false, false, 0},
    {"滑块条1", "音乐播放外形框", {136, 120, 129, 19}, true, false, 0},
    {"音量", "音乐播放外形框", {111, 118, 20, 20}, false, true, 0},
    {"歌词显示", "音乐播放外形框", {245, 120, 20, 19}, false, true, 0},
    {"暂停按钮", "音乐播放外形框", {326, 157, 30, 30}, false, true, 0},
    {"下一曲", "音乐播放外形框", {379, 157, 30, 30}, false, true, 0},
    {"相似歌曲", "音乐播放外形框", {272, 157, 30, 30}, true, true, 0},
    {"收藏歌曲", "音乐播放外形框", {39, 156, 30, 30}, true, true, 0},
    {"红心歌曲", "音乐播放外形框", {39, 156, 30, 30}, true, true, 0},
    {"收藏按钮", "音乐播放外形框", {430, 81, 12, 40}, false, false, 0},
    {"继续播放", "窗口", {310, 156, 30, 30}, true, true, 0},
    {"设置", "窗口", {257, 118, 20, 20}, false, true, 0},
    {"外形框1", "窗口", {430, -3, 248, 216}, true, false, 0},
    {"设置分组框1", "外形框1", {8, 11, 234, 197}, false, false, 0},
    {"设置2", "外形框1", {165, 160, 69, 35}, false, false, 0},
    {"外形框2", "窗口", {427, -4, 228, 216}, false, false, 0},
    {"设置分组框2", "外形框2", {11, 8, 208, 197}, false, false, 0},
    {"收藏歌曲列表", "设置分组框2", {4, 17, 199, 170}, false, false, 12},
};

TEST_F(MainWindowTest, EveryControlSitsWhereTheLayoutTablePutsIt)
{
    EXPECT_EQ(m_window.objectName(), "窗口");
    EXPECT_EQ(m_window.geometry(), QRect(50, 50, 432, 240));
    for (const ControlRow &row : controlTable) {
        SCOPED_TRACE(row.name);
        const QWidget *control = m_window.findChild<QWidget *>(QString::fromUtf8(row.name));
        ASSERT_NE(control, nullptr);
        ASSERT_NE(control->parentWidget(), nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QString::fromUtf8(row.parent));
        EXPECT_EQ(control->geometry(), row.place);
        EXPECT_EQ(control->isHidden(), row.hidden);
        EXPECT_EQ(control->cursor().shape(), row.hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
        if (row.fontPx) {
            EXPECT_EQ(control->font().pixelSize(), row.fontPx);
        }
    }
}

TEST_F(MainWindowTest, ControlsStartWithTheirContents)
{
    EXPECT_EQ(c.pauseButton->mapTo(&m_window, QPoint(0, 0)), c.resumeButton->pos());
    EXPECT_EQ(c.volumeSlider->value(), 100);
    EXPECT_EQ(c.volumeSlider->minimum(), 1);
    EXPECT_EQ(c.volumeSlider->maximum(), 100);
    EXPECT_EQ(caption(c.timeLabel), "00:00/00:00");
    EXPECT_EQ(c.settingsGroup->title(), "歌词设置");

    ASSERT_EQ(c.channelList->count(), channelCount);
    EXPECT_EQ(c.channelList->itemText(14), "民谣MHz");
    EXPECT_EQ(c.channelList->itemText(31), "运动");

    ASSERT_EQ(c.favouritesList->columnCount(), 8);
    EXPECT_EQ(c.favouritesList->columnTitle(0), "歌曲名称");
    EXPECT_EQ(c.favouritesList->columnWidth(1), 90);
    EXPECT_EQ(c.favouritesList->columnTitle(7), "6");
    EXPECT_EQ(c.favouritesList->columnWidth(7), 0);
}

TEST_F(MainWindowTest, ChannelLabelTwiceShowsListThenName)
{
    click(c.channelLabel);
    ASSERT_TRUE(c.channelLabel->isHidden());
    // The list now covers the label's place; the label is reached again through its own handler.
    QTest::mousePress(c.channelLabel, Qt::LeftButton);
    EXPECT_TRUE(c.channelList->isHidden());
    EXPECT_FALSE(c.channelLabel->isHidden());
}

TEST_F(MainWindowTest, SettingsButtonOpensAndClosesThePanel)
{
    click(c.settingsButton);
    EXPECT_EQ(settingsLeft(), settingsOpen);
    EXPECT_FALSE(c.settingsPanel->isHidden());
    click(c.settingsButton);
    EXPECT_EQ(settingsLeft(), settingsHome);
    EXPECT_TRUE(c.settingsPanel->isHidden());
}

TEST_F(MainWindowTest, HidingClicksLeaveThePanelOpenUnderneath)
{
    for (QWidget *hider : {static_cast<QWidget *>(c.channelLabel), static_cast<QWidget *>(c.cover)}) {
        SCOPED_TRACE(hider->objectName().toStdString());
        click(c.settingsButton);
        click(hider);
        EXPECT_TRUE(c.settingsPanel->isHidden());
        EXPECT_EQ(settingsLeft(), settingsOpen);
        click(c.settingsButton); // moves it home, still hidden
        EXPECT_EQ(settingsLeft(), settingsHome);
        EXPECT_TRUE(c.settingsPanel->isHidden());
        click(c.settingsButton); // only now it opens again
        EXPECT_FALSE(c.settingsPanel->isHidden());
        click(c.settingsButton);
    }
}

TEST_F(MainWindowTest, LyricLabelAndPanelClicksCloseTheSettings)
{
    for (QWidget *closer : {static_cast<QWidget *>(c.lyricLabel), static_cast<QWidget *>(c.playerPanel)}) {
        SCOPED_TRACE(closer->objectName().toStdString());
        click(c.settingsButton);
        c.volumeSlider->show();
        click(closer);
        EXPECT_EQ(settingsLeft(), settingsHome);
        EXPECT_TRUE(c.settingsPanel->isHidden());
        EXPECT_TRUE(c.volumeSlider->isHidden());
    }
}

TEST_F(MainWindowTest, TitleClickClosesTheSettingsFirstAndCopiesSecond)
{
    Globals &g = m_app.globals();
    g.songInfo[songInfoTitle] = "稻香";
    g.songInfo[songInfoArtist] = "周杰伦";
    QApplication::clipboard()->setText("before");

    click(c.settingsButton);
    click(c.titleLabel);
    EXPECT_EQ(settingsLeft(), settingsHome);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");

    click(c.titleLabel);
    EXPECT_EQ(QApplication::clipboard()->text(), "稻香 周杰伦");
    EXPECT_EQ(caption(c.hintLabel), "歌曲信息已复制");
    EXPECT_TRUE(QTest::qWaitFor([&] { return caption(c.hintLabel) == "音量：100"; }, 3000));
}

TEST_F(MainWindowTest, DockingLeavesAHiddenWindowAlone)
{
    m_window.hide();
    m_window.move(-10, -10);
    QTest::qWait(300);
    EXPECT_EQ(m_window.pos(), QPoint(-10, -10));
    m_window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_window.pos() != QPoint(-10, -10); }, 2000));
}

TEST_F(MainWindowTest, SizeIsFixedAndTheFavouritesToggleMovesItsLimits)
{
    const auto fixedAt = [&](QSize size) {
        return m_window.size() == size && m_window.minimumSize() == size && m_window.maximumSize() == size;
    };
    EXPECT_TRUE(fixedAt({432, 240}));
    click(c.favouritesPanelButton);
    EXPECT_TRUE(fixedAt({658, 240}));
    click(c.favouritesPanelButton);
    EXPECT_TRUE(fixedAt({432, 240}));
    const QWidget *lyrics = QWidget::find(m_window.session().lyricsWindow.handle());
    ASSERT_NE(lyrics, nullptr);
    EXPECT_EQ(lyrics->minimumSize(), lyrics->maximumSize());

    for (const Qt::WindowState state : {Qt::WindowFullScreen, Qt::WindowMaximized}) {
        m_window.setWindowState(state);
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_window.windowState() == Qt::WindowNoState; }, 2000));
        EXPECT_TRUE(fixedAt({432, 240}));
    }
}

TEST_F(MainWindowTest, KeysRunTheirControlsHandlers)
{
    m_window.show();
    QApplication::setActiveWindow(&m_window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    // The offscreen platform hands activation to the hidden desktop lyrics window at times; keys go to the
    // active window only.
    const auto press = [&](QKeySequence key) {
        QApplication::setActiveWindow(&m_window);
        QTest::keySequence(&m_window, key);
    };

    press(Qt::Key_Space);
    EXPECT_TRUE(c.pauseButton->isHidden());
    EXPECT_FALSE(c.resumeButton->isHidden());
    press(Qt::Key_Space);
    EXPECT_FALSE(c.pauseButton->isHidden());
    EXPECT_TRUE(c.resumeButton->isHidden());

    press(Qt::Key_L);
    EXPECT_EQ(m_app.globals().lyricsShownFlag, "123");
    press(Qt::Key_L);
    EXPECT_EQ(m_app.globals().lyricsShownFlag, "");

    click(c.settingsButton);
    ASSERT_EQ(settingsLeft(), settingsOpen);
    press(Qt::Key_Escape);
    EXPECT_EQ(settingsLeft(), settingsHome);

    press(QKeySequence::Copy);
    EXPECT_EQ(caption(c.hintLabel), "歌曲信息已复制");

    for (const QKeySequence &key : {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_Right)}) {
        click(c.favouritesPanelButton);
        ASSERT_EQ(m_window.width(), 658);
        press(key);
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_window.width() == 432; }, 3000))
            << key.toString().toStdString();
    }
}

// A signal that comes while the created handler still runs (its waits let it through) closes the window,
// which saves the settings, and the program then ends as soon as its loop starts.
TEST(StartUpSignalTest, SignalDuringStartUpClosesNormally)
{
    ScopedEnv api("QUORIN_API_ROOT", "http://127.0.0.1:1");
    const QString settingsFile = programDirectory() + "/gcsz.ini";
    QFile::remove(settingsFile);
    {
        Application quorin;
        TerminationSignals terminationSignals([&quorin] { quorin.requestClose(); });
        std::raise(SIGTERM);
        MainWindow &window = quorin.openMainWindow();
        EXPECT_TRUE(window.hasClosed());
        EXPECT_FALSE(window.isVisible());
        QObject guard;
        QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(1); });
        EXPECT_EQ(QApplication::exec(), 0);
        runEndOfProgramRoutine();
    }
    EXPECT_TRUE(QFile::exists(settingsFile));
}

} // namespace
