#pragma once

#include <optional>
#include <string_view>

// The misbehaviours the station can put on its answers so that clients can be tested against them.
enum class Fault {
    None,
    EmptyAnswer,   // status 200, empty body
    ServerError,   // status 500 with a small HTML body
    LoginPage,     // status 403 with an HTML login page, as a service asks a client it no longer trusts
    Garbage,       // status 200, binary noise instead of the body
    InvalidUtf8,   // text answers with every multi-byte character cut short by one byte
    MissingFields, // answers without their key fields ("name", "title", "url", "lyric", the "cid=" link)
    SlowAnswer,    // the normal answer after the configured delay
    CutMidBody,    // the connection closes halfway through a body that starts at byte 0
    NoLyricMatch,  // lyric answers carry "没有匹配到歌词." as their lyric
    SetCookies,    // the normal answer with several Set-Cookie headers
};

// The command-line name of a fault, e.g. "cut-mid-body".
std::string_view faultName(Fault fault);

// The fault with that command-line name, or nothing.
std::optional<Fault> faultFromName(std::string_view name);
