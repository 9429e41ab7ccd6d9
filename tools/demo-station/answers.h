#pragma once

#include "catalogue.h"

#include <string>
#include <string_view>

struct SongMedia;

// Builders of the station's answer bodies, shaped like the radio service's. root is the station's own
// "http://127.0.0.1:PORT", which every URL in an answer starts with. keyFields false leaves out the
// fields a client looks for, for tests of missing fields.

// text as the inside of a JSON string, with "/" escaped as "\/" the way the service writes it.
std::string jsonEscape(std::string_view text);

// The channel_info answer for channel; nullptr (an unknown id) gives an empty channel list.
std::string channelInfoAnswer(const DemoChannel *channel, const std::string &root, bool keyFields);

// The playlist answer carrying song and nothing else.
std::string playlistAnswer(const DemoSong &song, const SongMedia &media, const std::string &root,
                           bool keyFields);

// The lyric answer for sid with that name and lyric (lines joined by real "\r\n", escaped here).
std::string lyricAnswer(const std::string &sid, const std::string &name, const std::string &lyric,
                        bool keyFields);

// The HTML album page of song, with its "cid=" link to the channel of similar songs.
std::string albumPage(const DemoSong &song, const std::string &root, bool keyFields);

// The Set-Cookie values of the session answers: logging in sets a session and a user, a refresh gives the
// session a new value, logging out deletes it the way servers do, with a date in the past.
inline constexpr std::string_view kLoginSessionCookie = "sid=Qk7fL2ma9x; Path=/; HttpOnly";
inline constexpr std::string_view kLoginUserCookie =
    "uid=1001; Expires=Fri, 01 Jan 2038 00:00:00 GMT; Path=/";
inline constexpr std::string_view kRefreshedSessionCookie = "sid=Zr3pW8vNc1; Path=/; HttpOnly";
inline constexpr std::string_view kLogoutSessionCookie =
    "sid=deleted; expires=Thu, 01 Jan 1970 00:00:00 GMT; Path=/";

// The answer to a session request whose Cookie header was cookieHeader: it names the cookies it got.
std::string sessionAnswer(const std::string &cookieHeader);
