#include "app/mediacontrols.h"

#include "app/globals.h"
#include "app/mainwindow.h"
#include "app/mpris/mprisservice.h"
#include "platform/components/mediaplayer/mediaplayercomponent.h"
#include "radio/jsonstring.h"
#include "radio/songflow.h"

#include <QFileInfo>
#include <QSlider>
#include <QToolButton>

namespace {

// libdbus would otherwise try to launch a bus of its own (X11 autolaunch) where none runs.
bool sessionBusExists()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

// The lyric field as LRC text with real line breaks; empty when the song has none.
QByteArray songLyrics(const Globals &g)
{
    QByteArray lyrics = decodeJsonString(g.lyricsText);
    if (lyrics == "暂无歌词")
        return {};
    return lyrics.replace("\r\n", "\n");
}

MprisTrack currentTrack(const Globals &g)
{
    // A replayed favourite carries no album title; songInfo still describes the last playlist song then.
    const bool fromPlaylist = g.songInfo[songInfoTitle] == g.songTitle;
    return {g.songSid,     g.songTitle,
            g.songArtist,  fromPlaylist ? g.songInfo[songInfoAlbumTitle] : QByteArray(),
            g.songPicture, QByteArray()};
}

// Clicks whichever of the pair is showing, or only `wanted` when it is the one showing.
void clickShowing(QToolButton *wanted, QToolButton *other, bool eitherOne)
{
    if (!wanted->isHidden())
        wanted->click();
    else if (eitherOne)
        other->click();
}

MprisHost hostFor(MainWindow &window)
{
    Globals &g = window.session().globals;
    const MainControls &c = window.controls();
    MprisHost host;
    host.playState = [&g] { return g.player->playState(); };
    host.positionSeconds = [&g] { return g.player->position(); };
    host.durationSeconds = [&g] { return g.player->duration(); };
    host.volume = [&c] { return c.volumeSlider->value(); };
    host.setVolume = [&c](int volume) { c.volumeSlider->setValue(volume); };
    host.playPause = [&c] { clickShowing(c.pauseButton, c.resumeButton, true); };
    host.play = [&c] { clickShowing(c.resumeButton, c.pauseButton, false); };
    host.pause = [&c] { clickShowing(c.pauseButton, c.resumeButton, false); };
    host.next = [&c] { c.nextButton->click(); };
    host.raise = [&window] { window.bringToFront(); };
    host.quit = [&window] { window.close(); };
    return host;
}

} // namespace

MprisService *attachMediaControls(MainWindow &window)
{
    if (!sessionBusExists())
        return nullptr;
    auto *service = new MprisService(hostFor(window), &window);
    if (!service->attach()) {
        delete service;
        return nullptr;
    }
    Session &session = window.session();
    const Globals &g = session.globals;
    QObject::connect(&session.flow, &SongFlow::songChanged, service,
                     [service, &g] { service->setTrack(currentTrack(g)); });
    QObject::connect(&session.flow, &SongFlow::lyricsChanged, service,
                     [service, &g] { service->setLyrics(songLyrics(g)); });
    QObject::connect(window.controls().volumeSlider, &QSlider::valueChanged, service, &MprisService::refresh);
    if (auto *player = qobject_cast<MediaPlayerComponent *>(g.player->playerObject().object()))
        QObject::connect(player, &MediaPlayerComponent::playStateChanged, service, &MprisService::refresh);
    return service;
}
