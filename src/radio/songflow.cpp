#include "radio/songflow.h"

using namespace std::chrono_literals;

namespace {

// A cover is a small picture: a server that cannot send it in this time is not worth waiting for.
UrlReadLimits coverLimits()
{
    UrlReadLimits limits;
    limits.connectTimeout = 5s;
    limits.totalTimeout = 10s;
    return limits;
}

} // namespace

SongFlow::SongFlow(QObject *parent)
    : QObject(parent)
    , m_coverReader(coverLimits())
{
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, [this] {
        if (m_retryRoutine)
            m_retryRoutine();
    });
}

void SongFlow::startWhenFree(Chain chain)
{
    if (!m_busy)
        run(std::move(chain));
    else if (m_waiting.size() < kMaxWaiting)
        m_waiting.append(std::move(chain));
}

bool SongFlow::startIfFree(Chain chain)
{
    if (m_busy)
        return false;
    run(std::move(chain));
    return true;
}

std::chrono::seconds SongFlow::scheduleRetry()
{
    const std::chrono::seconds wait = m_backoff.failed();
    m_retryTimer.start(wait);
    return wait;
}

void SongFlow::songStarted()
{
    m_songHasPlayed = false;
    emit songChanged();
}

void SongFlow::songPlaying()
{
    m_songHasPlayed = true;
    m_backoff.reset();
}

void SongFlow::run(Chain chain)
{
    m_busy = true;
    // Whatever starts now replaces the attempt the timer was waiting for.
    m_retryTimer.stop();
    // Guards against a chain that calls finish twice.
    auto once = std::make_shared<bool>(false);
    chain([this, once] {
        if (!std::exchange(*once, true))
            finished();
    });
}

void SongFlow::finished()
{
    if (m_waiting.isEmpty()) {
        m_busy = false;
        return;
    }
    // Still busy until the waiting chain runs, from the loop, so that a tick cannot slip in before it and
    // one chain never runs inside the last step of another.
    QTimer::singleShot(0, this, [this] { run(m_waiting.takeFirst()); });
}
