#include "platform/toolkit/eventwait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

void waitWithEvents(int milliseconds)
{
    const QDeadlineTimer deadline(std::max(milliseconds, 0), Qt::PreciseTimer);
    // Only there to wake the blocking event wait below at the deadline. processEvents rather than a local
    // QEventLoop: a nested loop returns at once while the application is quitting, which would turn this
    // wait into a busy loop.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    do {
        wakeUp.start(static_cast<int>(deadline.remainingTime()));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    } while (!deadline.hasExpired());
}
