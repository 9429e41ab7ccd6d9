#pragma once

#include <QByteArray>

struct MainControls;
struct Session;

// Connects the channel list and the similar-songs button to their handlers.
void wireSongHandlers(Session &session);

// Item selected in the channel list: sets the channel and plays its first song (separators only tidy up).
void chooseChannel(Session &session, int index);
// Asks for a playlist of the current channel and changes to its first song.
void fetchPlaylistAndPlay(Session &session);
// Shows a song's title, artist and bit rate in the labels, the window title and the desktop lyrics.
void showSongTexts(Session &session, const QByteArray &title, const QByteArray &artist,
                   const QByteArray &kbps);
// The cover's hand pointer and the similar-songs button, shown for a song whose album path is an album
// page (it holds "subject"); true then.
bool showAlbumLinks(MainControls &c, const QByteArray &album);
// The player takes the audio address, then the volume slider's value.
void startSong(Session &session, const QByteArray &url);
// The cover click: opens the album page of the playing song in the browser.
void openAlbumPage(Session &session);
// The similar-songs click: switches to the channel the album page links to.
void playSimilarSongs(Session &session);
// The title click: copies title and artist to the clipboard and says so for a second.
void copySongInfo(Session &session);
