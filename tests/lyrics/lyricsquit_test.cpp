#include "lyrics/lyricswindow.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// On its own: once the application has quit, its event loop no longer delivers paints to later tests.
TEST(LyricsWindowQuit, ShownWindowThatRefusesClosesDoesNotHoldUpTheQuit)
{
    LyricsWindow lyrics;
    ASSERT_TRUE(lyrics.createWindow());
    lyrics.setNoClose(true);
    lyrics.show();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    // exit() ends the loop without asking the windows, should the quit be refused.
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(QWidget::find(lyrics.handle())->isVisible());
}

} // namespace
