#include "platform/components/scriptcontrol/scriptwatchdog.h"

#include <QJSEngine>

ScriptWatchdog::ScriptWatchdog(QJSEngine *engine)
    : m_engine(engine)
{
}

ScriptWatchdog::~ScriptWatchdog()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void ScriptWatchdog::arm(std::optional<std::chrono::milliseconds> limit)
{
    if (!limit)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_deadline = std::chrono::steady_clock::now() + *limit;
        m_fired = false;
    }
    if (!m_thread.joinable())
        m_thread = std::thread([this] { watch(); });
    else
        m_wake.notify_all();
}

bool ScriptWatchdog::disarm()
{
    const std::lock_guard lock(m_mutex);
    m_deadline.reset();
    const bool fired = m_fired;
    m_fired = false;
    // Under the lock, so the watch cannot interrupt again between this and the next arm().
    if (fired)
        m_engine->setInterrupted(false);
    return fired;
}

void ScriptWatchdog::watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        if (!m_deadline) {
            m_wake.wait(lock);
            continue;
        }
        const auto deadline = *m_deadline;
        if (m_wake.wait_until(lock, deadline) == std::cv_status::timeout && m_deadline == deadline) {
            m_engine->setInterrupted(true);
            m_fired = true;
            m_deadline.reset();
        }
    }
}
