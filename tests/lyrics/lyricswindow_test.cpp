#include "lyrics/lyricswindow.h"
#include "lyrics/lyricswindowprocedure.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Counts the paints the window gets, that is the frames presented, and keeps the area of the last one.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *window) { window->installEventFilter(this); }
    int paints = 0;
    QRect lastArea;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            lastArea = static_cast<QPaintEvent *>(event)->rect();
        }
        return false;
    }
};

// Where a frame is not transparent.
QRect ink(const QImage &frame)
{
    QRect bounds;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (qAlpha(frame.pixel(x, y)) > 0)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

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

TEST_F(LyricsWindowTest, CloseIsRefusedWhileNoCloseIsSet)
{
    m_lyrics.setNoClose(true);
    m_lyrics.show();
    EXPECT_FALSE(m_window->close());
    EXPECT_TRUE(m_window->isVisible());

    m_lyrics.setNoClose(false);
    EXPECT_TRUE(m_window->close());
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(LyricsWindowTest, LeftButtonDragsTheWindowWhileDragMoveIsSet)
{
    // Without a window manager (offscreen) the window follows the pointer itself.
    m_lyrics.move(100, 300, 400, 100);
    m_lyrics.show();
    EXPECT_TRUE(m_window->property(LyricsWindowProcedure::hitMoveProperty).toBool());
    QTest::mousePress(m_window, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(m_window, QPoint(80, 40));
    QTest::mouseRelease(m_window, Qt::LeftButton, {}, QPoint(80, 40));
    EXPECT_EQ(m_window->pos(), QPoint(130, 290));

    m_lyrics.setDragMove(false);
    EXPECT_FALSE(m_window->property(LyricsWindowProcedure::hitMoveProperty).toBool());
    QTest::mousePress(m_window, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(m_window, QPoint(90, 90));
    QTest::mouseRelease(m_window, Qt::LeftButton, {}, QPoint(90, 90));
    EXPECT_EQ(m_window->pos(), QPoint(130, 290));
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

    // Only the area of the old and the new line is presented again.
    const QRect before = ink(m_lyrics.frame());
    m_lyrics.setText("晨光照进窗");
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > shown; }));
    EXPECT_EQ(m_lyrics.frame(), drawLyricsFrame(m_lyrics.content(), m_lyrics.frame().size()));
    EXPECT_EQ(counter.lastArea, before | ink(m_lyrics.frame()));
}

} // namespace
