#include "radio/songchange.h"

#include "app/globals.h"
#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "lyrics/lyricswindow.h"
#include "platform/toolkit/widgets/desktopservices.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "platform/toolkit/widgets/reportlist.h"
#include "playback/favourites.h"
#include "radio/channeltable.h"
#include "radio/servicehosts.h"
#include "radio/servicerequests.h"
#include "radio/songflow.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int playbackTickMs = 500;
constexpr int hintMs = 1000;
constexpr int similarSongsPauseMs = 100;
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

RetryReason reasonOf(const ServiceOutcome &outcome)
{
    if (outcome.status == 0)
        return RetryReason::NoConnection;
    return outcome.usable ? RetryReason::UnusablePlaylist : RetryReason::ErrorStatus;
}

void changeSong(Session &session, const PlaylistSong &song, std::function<void()> done)
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
    showCover(session, song.picture);
    startSong(session, song.url);
    c.playingAnimation->playAnimation(true);
    fetchLyricsAndTick(session, [&session, done] {
        showSongButtons(session.controls, session.globals.playlistAlbum);
        done();
    });
}

// Runs `step` after the similar-songs click's short pause; dropped with the window.
void afterPause(Session &session, std::function<void()> step)
{
    QTimer::singleShot(similarSongsPauseMs, session.controls.window, std::move(step));
}

} // namespace

void wireSongHandlers(Session &session)
{
    MainControls &c = session.controls;
    QObject::connect(c.channelList, &QComboBox::activated, c.window,
                     [&session](int index) { chooseChannel(session, index); });
    QObject::connect(c.similarButton, &QToolButton::clicked, c.window,
                     [&session] { playSimilarSongs(session); });
    session.flow.setRetryRoutine([&session] {
        session.flow.startIfFree([&session](auto finish) { fetchPlaylistAndPlay(session, finish); });
    });
}

void chooseChannel(Session &session, int index)
{
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
    session.flow.startWhenFree([&session, index](auto finish) {
        Globals &g = session.globals;
        g.channelId = channelTable()[index].id;
        fetchChannelInfo(g, session.controls.window, [&session, index, finish] {
            session.controls.channelLabel->setText(index == 0 ? QStringLiteral("豆瓣精选 MHz")
                                                              : text(session.globals.channelName + " MHz"));
            fetchPlaylistAndPlay(session, finish);
        });
    });
}

void fetchPlaylistAndPlay(Session &session, std::function<void()> done)
{
    fetchPlaylist(session.globals, session.controls.window, [&session, done](const PlaylistSong &song) {
        if (song.isPlayable()) {
            changeSong(session, song, done);
            return;
        }
        session.globals.player->stop();
        waitBeforeRetry(session, reasonOf(song.outcome), song.outcome.status);
        done();
    });
}

void waitBeforeRetry(Session &session, RetryReason reason, int status)
{
    MainControls &c = session.controls;
    DesktopServices::setTimerPeriod(c.playbackTimer, 0);
    c.playingAnimation->playAnimation(false);
    const std::chrono::seconds wait = session.flow.scheduleRetry();
    c.lyricLabel->setText(retryMessage(reason, status, wait));
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
    session.flow.songStarted();
}

void fetchLyricsAndTick(Session &session, std::function<void()> then)
{
    fetchLyrics(session.globals, session.controls.window, [&session, then] {
        session.flow.lyricsArrived();
        DesktopServices::setTimerPeriod(session.controls.playbackTimer, playbackTickMs);
        then();
    });
}

void showCover(Session &session, const QByteArray &pictureUrl)
{
    PictureBox *cover = session.controls.cover;
    cover->setPictureBytes({});
    session.flow.coverReader().read(pictureUrl,
                                    [cover](const QByteArray &bytes) { cover->setPictureBytes(bytes); });
}

void openAlbumPage(Session &session)
{
    const Globals &g = session.globals;
    if (g.playStateText == playingText && isAlbumPage(g.songAlbum))
        DesktopServices::openUrl(albumPageUrl(g.songAlbum));
}

void playSimilarSongs(Session &session)
{
    session.flow.startWhenFree([&session](auto finish) {
        fetchAlbumChannelId(
            session.globals.songAlbum, session.flow.albumReader(), [&session, finish](const QByteArray &id) {
                afterPause(session, [&session, id, finish] {
                    Globals &g = session.globals;
                    g.channelId = id;
                    fetchChannelInfo(g, session.controls.window, [&session, finish] {
                        afterPause(session, [&session, finish] {
                            session.controls.channelLabel->setText(text(session.globals.songArtist + " MHz"));
                            fetchPlaylistAndPlay(session, finish);
                        });
                    });
                });
            });
    });
}
void copySongInfo(Session &session)
{
    const Globals &g = session.globals;
    DesktopServices::setClipboardText(g.songInfo[songInfoTitle] + " " + g.songInfo[songInfoArtist]);
    session.controls.hintLabel->setText(QStringLiteral("歌曲信息已复制"));
    DesktopServices::setTimerPeriod(session.controls.hintTimer, hintMs);
}
