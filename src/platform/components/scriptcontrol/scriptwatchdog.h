#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class QJSEngine;

// Stops a script that runs past its time limit: a thread of its own interrupts the engine when the deadline
// passes, which ends even `while (true) {}` within milliseconds (the script cannot catch it). The engine
// then refuses to run anything until disarm() lets it go again.
class ScriptWatchdog {
public:
    explicit ScriptWatchdog(QJSEngine *engine);
    // Stops the thread; the engine must outlive the watchdog.
    ~ScriptWatchdog();
    ScriptWatchdog(const ScriptWatchdog &) = delete;
    ScriptWatchdog &operator=(const ScriptWatchdog &) = delete;

    // Interrupts the engine once `limit` has passed, unless disarmed before; no limit arms nothing.
    void arm(std::optional<std::chrono::milliseconds> limit);
    // Ends the watch; true when the deadline had passed and the engine was interrupted, which is undone.
    bool disarm();

private:
    void watch();

    QJSEngine *m_engine;
    std::mutex m_mutex; // guards everything below
    std::condition_variable m_wake;
    std::optional<std::chrono::steady_clock::time_point> m_deadline;
    bool m_fired = false;
    bool m_stopping = false;
    // Started on the first arm(): an engine that is never given a limit needs no thread.
    std::thread m_thread;
};
