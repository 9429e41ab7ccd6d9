#pragma once

// Returns after at least the given time (0 or less: at once, after the events already due), handling the
// thread's events meanwhile, so timers, repaints and input go on during the wait. Needs only a
// QCoreApplication.
void waitWithEvents(int milliseconds);
