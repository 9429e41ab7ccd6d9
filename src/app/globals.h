#pragma once

#include "wrappers/httprequest.h"
#include "wrappers/mediaplayer.h"

#include <QByteArray>

#include <array>
#include <optional>

// The program-wide state that every handler reads and writes, in declaration order. The desktop lyrics
// window, which stands between `songAlbum` and `channelId` in that order, is a widget and lives beside
// this state in the GUI (see Application). Texts are UTF-8; every text starts empty.
struct Globals {
    std::optional<MediaPlayer> player;
    QByteArray playStateText;
    QByteArray songAlbum;
    QByteArray channelId;
    QByteArray channelName;
    std::optional<HttpRequest> apiRequest;
    QByteArray songSid;
    QByteArray songSsid;
    QByteArray songKbps;
    QByteArray playlistAlbum;
    // Cover URL, album title, cover URL, artist, audio URL, title; only the artist and title are read.
    std::array<QByteArray, 6> songInfo;
    QByteArray songTitle;
    QByteArray songArtist;
    QByteArray songUrl;
    QByteArray songPicture;
    QByteArray lyricsAnswer;
    QByteArray lyricsText;
    QByteArray lyricsShownFlag;

    // Empties every text (the objects are released by their owner, in order).
    void clearTexts();
};

// Indexes into songInfo of the entries that are read (the album title by the media controls only).
inline constexpr int songInfoAlbumTitle = 1;
inline constexpr int songInfoArtist = 3;
inline constexpr int songInfoTitle = 5;
