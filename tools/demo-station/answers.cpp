#include "answers.h"

#include "media.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

// Members of a JSON object in order: key and the value as JSON text.
using Members = std::vector<std::pair<std::string_view, std::string>>;

std::string quoted(std::string_view text)
{
    return "\"" + jsonEscape(text) + "\"";
}

// The object with its members in the given order, less the omitted keys.
std::string object(const Members &members, const std::vector<std::string_view> &omitted = {})
{
    std::string out = "{";
    for (const auto &[key, value] : members) {
        if (std::find(omitted.begin(), omitted.end(), key) != omitted.end())
            continue;
        if (out.size() > 1)
            out += ',';
        out += "\"" + std::string(key) + "\":" + value;
    }
    return out + "}";
}

std::string htmlEscape(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::vector<std::string_view> omittedIf(bool leaveOut, std::vector<std::string_view> keys)
{
    return leaveOut ? keys : std::vector<std::string_view>{};
}

} // namespace

std::string jsonEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '/':
            out += "\\/";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out;
}

std::string channelInfoAnswer(const DemoChannel *channel, const std::string &root, bool keyFields)
{
    std::string channels;
    if (channel) {
        channels = object({{"name", quoted(channel->name)},
                           {"cover", quoted(root + "/cover/channel.png")},
                           {"id", std::to_string(channel->id)},
                           {"intro", quoted(channel->name + "，随时随地")},
                           {"song_num", std::to_string(demoSongs().size())}},
                          omittedIf(!keyFields, {"name"}));
    }
    return object({{"status", "true"}, {"data", object({{"channels", "[" + channels + "]"}})}});
}

std::string playlistAnswer(const DemoSong &song, const SongMedia &media, const std::string &root,
                           bool keyFields)
{
    // The client cuts each field up to the key that follows it, so this order is part of the interface.
    const std::string songObject =
        object({{"alert_msg", quoted("")},
                {"album", quoted(song.album)},
                {"ssid", quoted(song.ssid)},
                {"title", quoted(song.title)},
                {"sid", quoted(song.sid)},
                {"sha256", quoted(media.sha256)},
                {"picture", quoted(root + "/cover/" + song.sid + ".png")},
                {"update_time", std::to_string(song.updateTime)},
                {"albumtitle", quoted(song.albumTitle)},
                {"url", quoted(root + "/audio/" + song.sid + ".wav")},
                {"file_ext", quoted("wav")},
                {"artist", quoted(song.artist)},
                {"is_royal", "false"},
                {"kbps", quoted("128")},
                {"available_formats", object({{"128", std::to_string(media.wav.size() / 1024)}})},
                {"length", std::to_string(song.lengthSeconds)},
                {"like", "0"},
                {"status", "0"}},
               omittedIf(!keyFields, {"title", "url"}));
    return object({{"warning", quoted("user_is_ananymous")},
                   {"r", "0"},
                   {"version_max", "100"},
                   {"is_show_quick_start", "0"},
                   {"song", "[" + songObject + "]"}});
}

std::string lyricAnswer(const std::string &sid, const std::string &name, const std::string &lyric,
                        bool keyFields)
{
    return object({{"lyric", quoted(lyric)}, {"name", quoted(name)}, {"sid", quoted(sid)}},
                  omittedIf(!keyFields, {"lyric"}));
}

std::string albumPage(const DemoSong &song, const std::string &root, bool keyFields)
{
    const std::string title = htmlEscape(song.albumTitle);
    const std::string radio =
        keyFields ? root + "/radio?cid=" + std::to_string(song.albumChannel) + "&amp;from=album"
                  : root + "/radio";
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head><meta charset=\"utf-8\"><title>" + title +
           "</title></head>\n<body>\n<h1>" + title + "</h1>\n<p>表演者: " + htmlEscape(song.artist) +
           "</p>\n<img src=\"" + root + "/cover/" + song.sid + ".png\" alt=\"" + title +
           "\">\n<p><a href=\"" + radio + "\">收听相似歌曲</a></p>\n</body>\n</html>\n";
}

std::string sessionAnswer(const std::string &cookieHeader)
{
    return object({{"r", "0"}, {"cookie", quoted(cookieHeader)}});
}
