#include "playback/playbackcontrol.h"

#include "app/globals.h"
#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "lyrics/lyrictick.h"
#include "platform/toolkit/widgets/desktopservices.h"
#include "platform/toolkit/widgets/leftpresswatcher.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "radio/songchange.h"
#include "radio/songflow.h"

#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int progressWidth = 390;

// Player states the tick acts on.
constexpr int stateUndefined = 0;
constexpr int stateStopped = 1;
constexpr int statePlaying = 3;
constexpr int stateReady = 10;

void closeSettingsPanel(MainControls &c)
{
    if (c.settingsPanel->x() == settingsOpen)
        c.settingsPanel->move(settingsHome, c.settingsPanel->y());
}

// Pause and resume: shows `revealed` in place of `other` and sets the animation, or, when `revealed` is
// already showing, swaps the pair back without touching the animation. Then the panel tidy-up.
void switchButtons(MainControls &c, QToolButton *revealed, QToolButton *other, bool animate)
{
    c.volumeSlider->hide();
    if (revealed->isHidden()) {
        other->hide();
        revealed->show();
        c.playingAnimation->playAnimation(animate);
    } else {
        other->show();
        revealed->hide();
    }
    closeSettingsPanel(c);
}

QString volumeHint(const MainControls &c)
{
    return QStringLiteral("音量：%1").arg(c.volumeSlider->value());
}

// Returns the played time as the label shows it, the key of the lyric step.
QByteArray showProgress(Session &session)
{
    MediaPlayer &player = *session.globals.player;
    MainControls &c = session.controls;
    const int position = truncatedToInt(player.position());
    const int duration = truncatedToInt(player.duration());
    const QByteArray positionText = MediaPlayer::formatTime(position);
    c.timeLabel->setText(QString::fromUtf8(positionText + " | " + MediaPlayer::formatTime(duration)));
    // Not clamped: a position past the duration draws past the grey bar.
    const double share = duration > 0 ? static_cast<double>(position) / static_cast<double>(duration) : 0.0;
    c.progressBar->resize(static_cast<int>(share * progressWidth), c.progressBar->height());
    return positionText;
}

} // namespace

void wirePlaybackHandlers(Session &session)
{
    MainControls &c = session.controls;
    QObject *context = c.window;
    QObject::connect(c.pauseButton, &QToolButton::clicked, context, [&session] { pausePlayback(session); });
    QObject::connect(c.resumeButton, &QToolButton::clicked, context, [&session] { resumePlayback(session); });
    QObject::connect(c.nextButton, &QToolButton::clicked, context, [&session] { playNextSong(session); });
    QObject::connect(c.volumeButton, &QToolButton::clicked, context,
                     [&c] { c.volumeSlider->setVisible(c.volumeSlider->isHidden()); });
    QObject::connect(c.volumeSlider, &QSlider::valueChanged, context, [&session] { changeVolume(session); });
    LeftPressWatcher::watchRelease(c.volumeSlider, [&c] { c.volumeSlider->hide(); });
    QObject::connect(c.hintTimer, &QTimer::timeout, context, [&session] { restoreVolumeHint(session); });
    QObject::connect(c.playbackTimer, &QTimer::timeout, context, [&session] { playbackTick(session); });
}

void pausePlayback(Session &session)
{
    session.globals.player->pause();
    switchButtons(session.controls, session.controls.resumeButton, session.controls.pauseButton, false);
}

void resumePlayback(Session &session)
{
    session.globals.player->play();
    switchButtons(session.controls, session.controls.pauseButton, session.controls.resumeButton, true);
}

void playNextSong(Session &session)
{
    session.flow.startWhenFree([&session](auto finish) {
        fetchPlaylistAndPlay(session, [&session, finish] {
            MainControls &c = session.controls;
            c.volumeSlider->hide();
            c.window->setFixedSize(narrowWidth, c.window->height());
            if (!c.resumeButton->isHidden()) {
                c.pauseButton->show();
                c.resumeButton->hide();
            }
            closeSettingsPanel(c);
            finish();
        });
    });
}

void changeVolume(Session &session)
{
    MainControls &c = session.controls;
    session.globals.player->setVolume(QByteArray::number(c.volumeSlider->value()));
    c.hintLabel->setText(volumeHint(c));
}

void restoreVolumeHint(Session &session)
{
    MainControls &c = session.controls;
    c.hintLabel->setText(volumeHint(c));
    DesktopServices::setTimerPeriod(c.hintTimer, 0);
}

void playbackTick(Session &session)
{
    SongFlow &flow = session.flow;
    const int state = session.globals.player->playState();
    if (state == stateStopped || state == stateUndefined || state == stateReady) {
        // A song change already on its way (its new song may not have started yet) is left to finish.
        if (flow.isBusy())
            return;
        DesktopServices::setTimerPeriod(session.controls.playbackTimer, 0);
        // A song that never played is a failed attempt: the next one waits, so a service that hands out
        // unplayable songs is not asked again at every tick.
        if (!flow.songHasPlayed()) {
            waitBeforeRetry(session, RetryReason::UnplayableSong);
            return;
        }
        flow.startIfFree([&session](auto finish) { fetchPlaylistAndPlay(session, finish); });
    } else if (state == statePlaying) {
        flow.songPlaying();
        lyricTick(session, showProgress(session));
    }
}
