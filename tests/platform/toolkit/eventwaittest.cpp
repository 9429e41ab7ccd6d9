#include "platform/toolkit/eventwait.h"
#include "platform/toolkit/endofprogram.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(EventWaitTest, HandlesEventsAndWaitsAtLeastTheTime)
{
    for (const int milliseconds : {0, 1, 60}) {
        SCOPED_TRACE(milliseconds);
        bool fired = false;
        QTimer::singleShot(0, [&fired] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        waitWithEvents(milliseconds);
        EXPECT_GE(clock.elapsed(), milliseconds);
        EXPECT_TRUE(fired);
    }
}

TEST(EventWaitTest, TimersDueDuringTheWaitFire)
{
    bool fired = false;
    QTimer::singleShot(30, [&fired] { fired = true; });
    waitWithEvents(60);
    EXPECT_TRUE(fired);
}

TEST(EndOfProgramTest, RunsTheRoutineOnce)
{
    runEndOfProgramRoutine(); // none set: nothing happens
    int runs = 0;
    setEndOfProgramRoutine([&runs] {
        ++runs;
        runEndOfProgramRoutine(); // a routine that ends up here again
    });
    runEndOfProgramRoutine();
    runEndOfProgramRoutine();
    EXPECT_EQ(runs, 1);
}

} // namespace
