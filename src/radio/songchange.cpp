#include "radio/songchange.h"

#include "app/globals.h"
#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "lyrics/lyricswindow.h"
#include "platform/toolkit/eventwait.h"
#include "platform/toolkit/urlreader.h"
#include "platform/toolkit/widgets/desktopservices.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "platform/toolkit/widgets/reportlist.h"
#include "playback/favourites.h"
#include "radio/channeltable.h"
#include "radio/servicehosts.h"
#include "radio/servicerequests.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int playbackTickMs = 500;
constexpr int hintMs = 1000;
constexpr int similarSongsWaitMs = 100;
const QByteArray playingText = "正在播放";

QString text(const QByteArray &utf8)
{
    return QString::fromUtf8(utf8);
}

bool isAlbumPage(const QByteArray &album)
{
    return album.contains("subject");
}

void showSongButtons(MainControls &c, const QByteArray &playlistAlbum)
{
    if (showAlbumLinks(c, playlistAlbum))
        showFavouriteHeart(c, isFavouriteTitle(*c.favouritesList, c.titleLabel->text().toUtf8()));
}

void changeSong(Session &session, const PlaylistSong &song)
{
    Globals &g = session.globals;
    MainControls &c = session.controls;
    g.songInfo = {song.picture, song.albumTitle, song.picture, song.artist, song.url, song.title};
    g.songTitle = song.title;
    g.songArtist = song.artist;
    g.songUrl = song.url;
    g.songPicture = song.picture;
    g.songAlbum = g.playlistAlbum;
    g.playStateText = playingText;

    showSongTexts(session, song.title, song.artist, g.songKbps);
    c.cover->setPictureBytes(readUrl(song.picture));
    startSong(session, song.url);
    c.playingAnimation->playAnimation(true);
    fetchLyrics(g);
    DesktopServices::setTimerPeriod(c.playbackTimer, playbackTickMs);
    showSongButtons(c, g.playlistAlbum);
}

} // namespace

void wireSongHandlers(Session &session)
{
    MainControls &c = session.controls;
    QObject::connect(c.channelList, &QComboBox::activated, c.window,
                     [&session](int index) { chooseChannel(session, index); });
    QObject::connect(c.similarButton, &QToolButton::clicked, c.window, [&session] { playSimilarSongs(session); });
}

void chooseChannel(Session &session, int index)
{
    Globals &g = session.globals;
    MainControls &c = session.controls;
    c.volumeSlider->hide();
    c.channelList->hide();
    c.channelLabel->show();
    if (!c.resumeButton->isHidden()) {
        c.pauseButton->show();
        c.resumeButton->hide();
    }
    if (index < 0 || index >= channelCount || !channelTable()[index].id)
        return;
    g.channelId = channelTable()[index].id;
    fetchChannelInfo(g);
    c.channelLabel->setText(index == 0 ? QStringLiteral("豆瓣精选 MHz") : text(g.channelName + " MHz"));
    fetchPlaylistAndPlay(session);
}

void fetchPlaylistAndPlay(Session &session)
{
    changeSong(session, fetchPlaylist(session.globals));
}

void showSongTexts(Session &session, const QByteArray &title, const QByteArray &artist,
                   const QByteArray &kbps)
{
    MainControls &c = session.controls;
    const QByteArray titleAndArtist = title + " - " + artist;
    c.titleLabel->setText(text(title));
    c.lyricLabel->setText(text(titleAndArtist));
    c.bitRateLabel->setText(text(kbps + "Kbps"));
    c.window->setWindowTitle(text(titleAndArtist));
    session.lyricsWindow.setText(titleAndArtist);
}

bool showAlbumLinks(MainControls &c, const QByteArray &album)
{
    const bool albumPage = isAlbumPage(album);
    c.cover->setCursor(albumPage ? Qt::PointingHandCursor : Qt::ArrowCursor);
    c.similarButton->setVisible(albumPage);
    return albumPage;
}

void startSong(Session &session, const QByteArray &url)
{
    MediaPlayer &player = *session.globals.player;
    player.open(url);
    player.setVolume(QByteArray::number(session.controls.volumeSlider->value()));
}

void openAlbumPage(Session &session)
{
    const Globals &g = session.globals;
    if (g.playStateText == playingText && isAlbumPage(g.songAlbum))
        DesktopServices::openUrl(albumPageUrl(g.songAlbum));
}

void playSimilarSongs(Session &session)
{
    Globals &g = session.globals;
    const QByteArray id = fetchAlbumChannelId(g.songAlbum);
    waitWithEvents(similarSongsWaitMs);
    g.channelId = id;
    fetchChannelInfo(g);
    waitWithEvents(similarSongsWaitMs);
    session.controls.channelLabel->setText(text(g.songArtist + " MHz"));
    fetchPlaylistAndPlay(session);
}

void copySongInfo(Session &session)
{
    const Globals &g = session.globals;
    DesktopServices::setClipboardText(g.songInfo[songInfoTitle] + " " + g.songInfo[songInfoArtist]);
    session.controls.hintLabel->setText(QStringLiteral("歌曲信息已复制"));
    DesktopServices::setTimerPeriod(session.controls.hintTimer, hintMs);
}
