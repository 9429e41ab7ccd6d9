#pragma once

#include <QByteArray>

#include <functional>

class QObject;
class UrlReader;
struct Globals;

// How a service request ended. A request counts as failed when no answer came, when the answer has an
// error status, or when it is an HTML page (a login or error page served in place of the service's JSON):
// its fields are then all empty.
struct ServiceOutcome {
    // The HTTP status of the answer; 0 when none came.
    int status = 0;
    bool usable = false;
};

// The song fields of a playlist answer that the song change shows; sid, ssid, kbps and the album path go
// straight into the globals.
struct PlaylistSong {
    QByteArray albumTitle;
    QByteArray title;
    QByteArray artist;
    QByteArray url;
    QByteArray picture;
    ServiceOutcome outcome;

    // A usable answer with an audio address the player may open (http or https).
    bool isPlayable() const;
};

// The requests to the radio service, each through the global request object, which carries one request at
// a time: open("GET", url, async), send(), then the whole answer as text once it is in. Each returns at
// once; its routine runs later from the event loop, after the fields are set, unless `context` has gone
// by then. A new request on the request object before the routine has run drops the earlier one, and its
// routine never runs: callers keep their requests in one chain.

// Asks for the description of `channelId`; sets `channelName`.
void fetchChannelInfo(Globals &globals, QObject *context, std::function<void()> done);
// Asks for a playlist of `channelId`; sets songSid, songSsid, songKbps and playlistAlbum and hands over the
// first song's other fields.
void fetchPlaylist(Globals &globals, QObject *context, std::function<void(const PlaylistSong &song)> done);
// Asks for the lyrics of songSid/songSsid; sets lyricsAnswer (the whole answer) and lyricsText.
void fetchLyrics(Globals &globals, QObject *context, std::function<void()> done);
// Reads the album page of `songAlbum` on the music site with `reader` and hands over the channel id it
// links to (empty when there is none, or the album is not a page of that site).
void fetchAlbumChannelId(const QByteArray &songAlbum, UrlReader &reader, std::function<void(const QByteArray &id)> done);
