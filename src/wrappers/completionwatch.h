#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

// Waits for one asynchronous exchange of a request object to end: the first readyState 4 the object
// announces runs the routine once, and the watch goes. A new open or an abort (readyState 1 or 0) before
// that means the exchange was dropped: the watch then goes without running the routine.
//
// The watch is a child of the request object, found late-bound through its readyStateChanged(int)
// signal; it never outlives that object, and it skips the routine when `context` has gone.
class CompletionWatch : public QObject {
    Q_OBJECT
public:
    // Watches `request` for the end of the exchange just sent. False, and nothing watched, when the object
    // has no readyStateChanged(int) signal.
    static bool watch(QObject *request, QObject *context, std::function<void()> done);

private:
    CompletionWatch(QObject *request, QObject *context, std::function<void()> done);
    Q_SLOT void onReadyStateChanged(int state);

    QPointer<QObject> m_context;
    std::function<void()> m_done;
};
