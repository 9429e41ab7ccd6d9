#include "radio/servicerequests.h"

#include "app/globals.h"
#include "platform/toolkit/urlreader.h"
#include "radio/cutbetween.h"
#include "radio/jsonstring.h"
#include "radio/servicehosts.h"

namespace {

QByteArray request(Globals &globals, const QByteArray &pathAndQuery)
{
    HttpRequest &api = *globals.apiRequest;
    api.open("GET", apiRoot() + pathAndQuery);
    api.send();
    return api.responseText();
}

// A field cut from a JSON answer, with its string escapes decoded.
QByteArray field(const QByteArray &answer, const char *left, const char *right)
{
    return decodeJsonString(cutBetween(answer, left, right));
}

} // namespace

void fetchChannelInfo(Globals &globals)
{
    const QByteArray answer = request(globals, "/j/v2/channel_info?id=" + globals.channelId);
    globals.channelName = field(answer, "\"name\":\"", "\",\"cover");
}

PlaylistSong fetchPlaylist(Globals &globals)
{
    const QByteArray answer = request(globals, "/j/v2/playlist?channel=" + globals.channelId
                                                   + "&kbps=128&client=s%3Amainsite%7Cy%3A3.0"
                                                     "&app_name=radio_website&version=100&type=n");
    PlaylistSong song;
    song.albumTitle = field(answer, "\"albumtitle\":\"", "\",\"url");
    song.title = field(answer, "\"title\":\"", "\",\"sid");
    song.artist = field(answer, "\"artist\":\"", "\",\"is_royal");
    song.url = field(answer, "\"url\":\"", "\",\"file_ext");
    song.picture = field(answer, "\"picture\":\"", "\",\"update_time");
    globals.songSid = field(answer, "\"sid\":\"", "\",\"sha256");
    globals.songSsid = field(answer, "\"ssid\":\"", "\",\"title");
    globals.songKbps = field(answer, "\"kbps\":\"", "\",\"available_formats");
    globals.playlistAlbum = field(answer, "\"album\":\"", "\",\"ssid");
    return song;
}

void fetchLyrics(Globals &globals)
{
    globals.lyricsAnswer = request(globals, "/j/v2/lyric?sid=" + globals.songSid + "&ssid=" + globals.songSsid);
    // Kept raw: the lyric lookup works on the escaped text.
    globals.lyricsText = cutBetween(globals.lyricsAnswer, "\"lyric\":\"", "\",\"name");
}

QByteArray fetchAlbumChannelId(const QByteArray &songAlbum)
{
    const QByteArray url = albumPageUrl(songAlbum);
    return url.isEmpty() ? QByteArray() : cutBetween(readUrl(url), "cid=", "&amp");
}
