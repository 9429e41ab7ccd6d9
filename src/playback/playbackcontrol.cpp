#include "playback/playbackcontrol.h"

#include "app/globals.h"
#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "platform/toolkit/widgets/desktopservices.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "radio/songchange.h"

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

QString volumeHint(const MainControls &c)
{
    return QStringLiteral("音量：%1").arg(c.volumeSlider->value());
}

void showProgress(Session &session)
{
    MediaPlayer &player = *session.globals.player;
    MainControls &c = session.controls;
    const auto position = static_cast<qint64>(player.position());
    const auto duration = static_cast<qint64>(player.duration());
    c.timeLabel->setText(
        QString::fromUtf8(MediaPlayer::formatTime(position) + " | " + MediaPlayer::formatTime(duration)));
    // Not clamped: a position past the duration draws past the grey bar.
    const double share = duration > 0 ? static_cast<double>(position) / static_cast<double>(duration) : 0.0;
    c.progressBar->resize(static_cast<int>(share * progressWidth), c.progressBar->height());
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
    QObject::connect(c.volumeSlider, &QSlider::sliderReleased, context, [&c] { c.volumeSlider->hide(); });
    QObject::connect(c.hintTimer, &QTimer::timeout, context, [&session] { restoreVolumeHint(session); });
    QObject::connect(c.playbackTimer, &QTimer::timeout, context, [&session] { playbackTick(session); });
}

void pausePlayback(Session &session)
{
    MainControls &c = session.controls;
    session.globals.player->pause();
    c.volumeSlider->hide();
    if (c.resumeButton->isHidden()) {
        c.pauseButton->hide();
        c.resumeButton->show();
        c.playingAnimation->playAnimation(false);
    } else {
        c.pauseButton->show();
        c.resumeButton->hide();
    }
    closeSettingsPanel(c);
}

void resumePlayback(Session &session)
{
    MainControls &c = session.controls;
    session.globals.player->play();
    c.volumeSlider->hide();
    if (c.pauseButton->isHidden()) {
        c.pauseButton->show();
        c.resumeButton->hide();
        c.playingAnimation->playAnimation(true);
    } else {
        c.pauseButton->hide();
        c.resumeButton->show();
    }
    closeSettingsPanel(c);
}

void playNextSong(Session &session)
{
    MainControls &c = session.controls;
    fetchPlaylistAndPlay(session);
    c.volumeSlider->hide();
    c.window->resize(narrowWidth, c.window->height());
    if (!c.resumeButton->isHidden()) {
        c.pauseButton->show();
        c.resumeButton->hide();
    }
    closeSettingsPanel(c);
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
    const int state = session.globals.player->playState();
    if (state == stateStopped || state == stateUndefined || state == stateReady) {
        DesktopServices::setTimerPeriod(session.controls.playbackTimer, 0);
        fetchPlaylistAndPlay(session);
    } else if (state == statePlaying) {
        showProgress(session);
    }
}
