#pragma once

#include "radio/retrybackoff.h"

#include <QByteArray>

#include <functional>

struct MainControls;
struct Session;

// The song-related handlers. Whatever asks the radio service runs as a chain of steps on the event loop
// (see SongFlow): a handler returns at once, and its steps run in their order as the answers come in.

// Connects the channel list and the similar-songs button to their handlers, and the retry timer to a new
// attempt.
void wireSongHandlers(Session &session);

// Item selected in the channel list: sets the channel and plays its first song (separators only tidy up).
void chooseChannel(Session &session, int index);
// Steps of a running chain: asks for a playlist of the current channel and changes to its first song;
// `done` runs after the song change's last step. When the answer is no use, nothing changes but the
// message in the lyric label, and a new attempt is scheduled after the backoff's wait.
void fetchPlaylistAndPlay(Session &session, std::function<void()> done);
// Nothing plays: stops the playback timer and the animation, says why in the lyric label and schedules
// the next attempt.
void waitBeforeRetry(Session &session, RetryReason reason, int status = 0);
// Shows a song's title, artist and bit rate in the labels, the window title and the desktop lyrics.
void showSongTexts(Session &session, const QByteArray &title, const QByteArray &artist,
                   const QByteArray &kbps);
// The cover's hand pointer and the similar-songs button, shown for a song whose album path is an album
// page (it holds "subject"); true then.
bool showAlbumLinks(MainControls &c, const QByteArray &album);
// Steps of a running chain: asks for the lyrics of the current song, then starts the playback tick.
void fetchLyricsAndTick(Session &session, std::function<void()> then);
// The cover: cleared, then read without waiting (connect 5 s, total 10 s); the picture appears when it
// arrives. A newer read replaces this one, so a late picture never lands on the wrong song.
void showCover(Session &session, const QByteArray &pictureUrl);
// The player takes the audio address, then the volume slider's value.
void startSong(Session &session, const QByteArray &url);
// The cover click: opens the album page of the playing song in the browser.
void openAlbumPage(Session &session);
// The similar-songs click: switches to the channel the album page links to.
void playSimilarSongs(Session &session);
// The title click: copies title and artist to the clipboard and says so for a second.
void copySongInfo(Session &session);
