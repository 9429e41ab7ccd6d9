#pragma once

#include "platform/toolkit/urlreader.h"
#include "radio/retrybackoff.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

// The bookkeeping that keeps the radio's requests in one chain: the channel description at start-up, a
// channel choice, a song change, the similar-songs switch. At most one chain is in flight, since they all
// share the one request object and the song globals; what comes meanwhile either waits for its turn (a
// click) or is dropped (a tick, a retry).
//
// It also keeps the wait between failed attempts (RetryBackoff and its timer), whether the current song
// has played, and the readers of the cover and the album page, which run beside the chain.
class SongFlow : public QObject {
    Q_OBJECT
public:
    // A chain's steps; it calls `finish` exactly once, after its last step.
    using Chain = std::function<void(std::function<void()> finish)>;
    static constexpr int kMaxWaiting = 3;

    explicit SongFlow(QObject *parent = nullptr);

    // Starts `chain` now when nothing is in flight; otherwise it waits its turn behind the running chain
    // and those already waiting. At most kMaxWaiting wait: a click beyond that is dropped.
    void startWhenFree(Chain chain);
    // Starts `chain` now when nothing is in flight; otherwise drops it and gives false.
    bool startIfFree(Chain chain);
    bool isBusy() const { return m_busy; }

    // Counts a failed attempt and starts the retry timer; gives the wait it set.
    std::chrono::seconds scheduleRetry();
    // The routine the retry timer runs when its wait is over.
    void setRetryRoutine(std::function<void()> routine) { m_retryRoutine = std::move(routine); }
    bool isRetryPending() const { return m_retryTimer.isActive(); }

    // A new song was given to the player: it has not played yet.
    void songStarted();
    // The lyrics of the current song are in (or known to be missing).
    void lyricsArrived() { emit lyricsChanged(); }
    // The player reports the current song playing: failures in a row start again from the first wait.
    void songPlaying();
    bool songHasPlayed() const { return m_songHasPlayed; }

    UrlReader &coverReader() { return m_coverReader; }
    UrlReader &albumReader() { return m_albumReader; }

signals:
    // The song globals hold a new song; its lyrics follow with lyricsChanged().
    void songChanged();
    void lyricsChanged();

private:
    void run(Chain chain);
    void finished();

    bool m_busy = false;
    QList<Chain> m_waiting;
    RetryBackoff m_backoff;
    QTimer m_retryTimer;
    std::function<void()> m_retryRoutine;
    bool m_songHasPlayed = false;
    UrlReader m_coverReader;
    UrlReader m_albumReader;
};
