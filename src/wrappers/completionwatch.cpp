#include "wrappers/completionwatch.h"

#include <QMetaMethod>

namespace {

constexpr int kCompleted = 4;
constexpr int kOpened = 1;

} // namespace

bool CompletionWatch::watch(QObject *request, QObject *context, std::function<void()> done)
{
    if (!request)
        return false;
    const QMetaObject *meta = request->metaObject();
    const int signalIndex = meta->indexOfSignal("readyStateChanged(int)");
    if (signalIndex < 0)
        return false;
    auto *watch = new CompletionWatch(request, context, std::move(done));
    const QMetaMethod slot = watch->metaObject()->method(watch->metaObject()->indexOfSlot("onReadyStateChanged(int)"));
    return static_cast<bool>(QObject::connect(request, meta->method(signalIndex), watch, slot));
}

CompletionWatch::CompletionWatch(QObject *request, QObject *context, std::function<void()> done)
    : QObject(request)
    , m_context(context)
    , m_done(std::move(done))
{
}

void CompletionWatch::onReadyStateChanged(int state)
{
    if (state != kCompleted && state > kOpened)
        return;
    // Disconnected before the routine runs: it may open and send the next request on the same object.
    disconnect();
    deleteLater();
    const std::function<void()> done = std::exchange(m_done, nullptr);
    if (state == kCompleted && m_context && done)
        done();
}
