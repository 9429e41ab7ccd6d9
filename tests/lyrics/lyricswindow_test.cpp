#include "lyrics/lyricswindow.h"
#include "lyrics/lyricswindowprocedure.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Counts the paints the window gets, that is the frames presented.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *window) { window->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

class LyricsWindowTest : public testing::Test {
protected:
    LyricsWindow m_lyrics;
    bool m_created = m_lyrics.createWindow();
    QWidget *m_window = QWidget::find(m_lyrics.handle());
};

TEST_F(LyricsWindowTest, NativeWindowExistsHiddenAtTheBottomOfTheWorkArea)
{
    ASSERT_TRUE(m_created);
    ASSERT_NE(m_window, nullptr);
    EXPECT_TRUE(m_window->testAttribute(Qt::WA_WState_Created));
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_window->windowTitle(), "PelorLyricsWindow");
    EXPECT_EQ(m_window->windowFlags(), Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(m_window->testAttribute(Qt::WA_TranslucentBackground));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(m_window->geometry(), QRect(area.left(), area.bottom() + 1 - 150, area.width(), 150));
    EXPECT_EQ(m_lyrics.frame().size(), QSize(area.width(), 150));
}

TEST_F(LyricsWindowTest, NarrowerWindowIsCentredAsIfTheWorkAreaBeganAtTheLeftEdge)
{
    LyricsWindow lyrics;
    ASSERT_TRUE(lyrics.createWindow(300, 80));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(QRect(lyrics.left(), lyrics.top(), lyrics.width(), lyrics.height()),
              QRect((area.width() - 300) / 2, area.bottom() + 1 - 80, 300, 80));
}

TEST_F(LyricsWindowTest, SecondCreateIsRefusedAndDestroyEndsTheWindow)
{
    const WId first = m_lyrics.handle();
    EXPECT_FALSE(m_lyrics.createWindow(100, 100));
    EXPECT_EQ(m_lyrics.handle(), first);
    EXPECT_EQ(m_lyrics.height(), 150);
    EXPECT_FALSE(m_lyrics.attachWindow(first));

    EXPECT_TRUE(m_lyrics.destroy());
    EXPECT_FALSE(m_lyrics.isCreated());
    EXPECT_EQ(m_lyrics.handle(), 0u);
    EXPECT_FALSE(m_lyrics.destroy());
    EXPECT_TRUE(m_lyrics.createWindow(100, 100));
}

TEST_F(LyricsWindowTest, OrdinaryCloseIsRefusedUntilTheSessionEnds)
{
    m_lyrics.setNoClose(true);
    m_lyrics.show();
    EXPECT_FALSE(m_window->close());
    EXPECT_TRUE(m_window->isVisible());

    // The program's end (and the session manager's save request) lets the window go.
    QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
    EXPECT_TRUE(m_window->close());
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(LyricsWindowTest, DraggingAndClosingFollowTheirSettings)
{
    EXPECT_TRUE(m_window->property(LyricsWindowProcedure::hitMoveProperty).toBool());
    m_lyrics.setDragMove(false);
    EXPECT_FALSE(m_window->property(LyricsWindowProcedure::hitMoveProperty).toBool());
    m_lyrics.setNoClose(false);
    m_lyrics.show();
    EXPECT_TRUE(m_window->close());
}

TEST_F(LyricsWindowTest, TopmostChangesWithoutRecreatingTheWindow)
{
    m_lyrics.show();
    const WId id = m_lyrics.handle();
    m_lyrics.setTopmost(false);
    EXPECT_FALSE(m_window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(m_window->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_lyrics.handle(), id);
}

TEST_F(LyricsWindowTest, MoveKeepsWhatIsLeftOut)
{
    m_lyrics.move(10, 20, 300, 40);
    m_lyrics.move(std::nullopt, 25);
    EXPECT_EQ(QRect(m_lyrics.left(), m_lyrics.top(), m_lyrics.width(), m_lyrics.height()), QRect(10, 25, 300, 40));
    m_lyrics.move(std::nullopt, std::nullopt, std::nullopt, 60);
    EXPECT_EQ(m_lyrics.height(), 60);
    EXPECT_EQ(m_lyrics.width(), 300);
}

TEST_F(LyricsWindowTest, HighlightIsClampedToAPercentage)
{
    for (const auto &[given, stored] : {std::pair{150, 100}, {-5, 0}, {40, 40}}) {
        m_lyrics.setText("晨光", given);
        EXPECT_EQ(m_lyrics.highlightPercent(), stored);
    }
}

TEST_F(LyricsWindowTest, OnlyAChangedFrameIsPresented)
{
    PaintCounter counter(m_window);
    m_lyrics.setText("晨光照进窗");
    m_lyrics.setText("新的一天开始了");
    m_lyrics.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }));
    const int shown = counter.paints;

    // The lyric step sets the same line twice a second.
    m_lyrics.setText("新的一天开始了");
    QTest::qWait(50);
    EXPECT_EQ(counter.paints, shown);

    m_lyrics.setText("晨光照进窗");
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > shown; }));
    EXPECT_EQ(m_lyrics.frame(), drawLyricsFrame(m_lyrics.content(), m_lyrics.frame().size()));
}

} // namespace
