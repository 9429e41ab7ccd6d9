#pragma once

#include <QByteArray>

struct Globals;

// The song fields of a playlist answer that the song change shows; sid, ssid, kbps and the album path go
// straight into the globals.
struct PlaylistSong {
    QByteArray albumTitle;
    QByteArray title;
    QByteArray artist;
    QByteArray url;
    QByteArray picture;
};

// The requests to the radio service, each through the global request object: GET, the whole answer as
// text. A failed request gives an empty answer and so empty fields.

// Asks for the description of `channelId`; sets `channelName`.
void fetchChannelInfo(Globals &globals);
// Asks for a playlist of `channelId`; sets songSid, songSsid, songKbps and playlistAlbum and returns the
// first song's other fields.
PlaylistSong fetchPlaylist(Globals &globals);
// Asks for the lyrics of songSid/songSsid; sets lyricsAnswer (the whole answer) and lyricsText.
void fetchLyrics(Globals &globals);
// Reads the album page of `songAlbum` on the music site and gives the channel id it links to.
QByteArray fetchAlbumChannelId(const QByteArray &songAlbum);
