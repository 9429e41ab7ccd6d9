#include "radio/servicerequests.h"

#include "app/globals.h"
#include "platform/toolkit/curlsupport.h"
#include "platform/toolkit/urlreader.h"
#include "radio/cutbetween.h"
#include "radio/jsonstring.h"
#include "radio/servicehosts.h"

#include <QObject>
#include <QTimer>

namespace {

struct ServiceAnswer {
    ServiceOutcome outcome;
    QByteArray text;
};

ServiceAnswer takeAnswer(HttpRequest &api)
{
    ServiceAnswer answer;
    answer.outcome.status = api.status();
    const bool success = answer.outcome.status >= 200 && answer.outcome.status <= 299;
    const bool htmlPage = api.responseHeader("Content-Type").trimmed().toLower().startsWith("text/html");
    answer.outcome.usable = success && !htmlPage;
    if (answer.outcome.usable)
        answer.text = api.responseText();
    return answer;
}

void request(Globals &globals, QObject *context, const QByteArray &pathAndQuery,
             std::function<void(const ServiceAnswer &)> done)
{
    HttpRequest &api = *globals.apiRequest;
    api.open("GET", apiRoot() + pathAndQuery, true);
    if (api.whenCompleted(context, [&api, done] { done(takeAnswer(api)); })) {
        api.send();
        return;
    }
    // No request object: a failed request all the same, reported from the loop like any other.
    QTimer::singleShot(0, context, [done] { done({}); });
}

// A field cut from a JSON answer, with its string escapes decoded.
QByteArray field(const QByteArray &answer, const char *left, const char *right)
{
    return decodeJsonString(cutBetween(answer, left, right));
}

} // namespace

bool PlaylistSong::isPlayable() const
{
    return outcome.usable && CurlSupport::isHttpUrl(url);
}

void fetchChannelInfo(Globals &globals, QObject *context, std::function<void()> done)
{
    request(globals, context, "/j/v2/channel_info?id=" + globals.channelId,
            [&globals, done](const ServiceAnswer &answer) {
                globals.channelName = field(answer.text, "\"name\":\"", "\",\"cover");
                done();
            });
}

void fetchPlaylist(Globals &globals, QObject *context, std::function<void(const PlaylistSong &)> done)
{
    const QByteArray pathAndQuery = "/j/v2/playlist?channel=" + globals.channelId
                                    + "&kbps=128&client=s%3Amainsite%7Cy%3A3.0"
                                      "&app_name=radio_website&version=100&type=n";
    request(globals, context, pathAndQuery, [&globals, done](const ServiceAnswer &answer) {
        const QByteArray &text = answer.text;
        PlaylistSong song;
        song.albumTitle = field(text, "\"albumtitle\":\"", "\",\"url");
        song.title = field(text, "\"title\":\"", "\",\"sid");
        song.artist = field(text, "\"artist\":\"", "\",\"is_royal");
        song.url = field(text, "\"url\":\"", "\",\"file_ext");
        song.picture = field(text, "\"picture\":\"", "\",\"update_time");
        globals.songSid = field(text, "\"sid\":\"", "\",\"sha256");
        globals.songSsid = field(text, "\"ssid\":\"", "\",\"title");
        globals.songKbps = field(text, "\"kbps\":\"", "\",\"available_formats");
        globals.playlistAlbum = field(text, "\"album\":\"", "\",\"ssid");
        song.outcome = answer.outcome;
        done(song);
    });
}

void fetchLyrics(Globals &globals, QObject *context, std::function<void()> done)
{
    request(globals, context, "/j/v2/lyric?sid=" + globals.songSid + "&ssid=" + globals.songSsid,
            [&globals, done](const ServiceAnswer &answer) {
                globals.lyricsAnswer = answer.text;
                // Kept raw: the lyric lookup works on the escaped text.
                globals.lyricsText = cutBetween(globals.lyricsAnswer, "\"lyric\":\"", "\",\"name");
                done();
            });
}

void fetchAlbumChannelId(const QByteArray &songAlbum, UrlReader &reader, std::function<void(const QByteArray &)> done)
{
    // An empty address fails in the reader, so the answer still comes from the loop.
    reader.read(albumPageUrl(songAlbum), [done](const QByteArray &page) { done(cutBetween(page, "cid=", "&amp")); });
}
