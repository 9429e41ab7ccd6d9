#pragma once

#include <string>
#include <vector>

// A channel of the station, as listed by channel_info.
struct DemoChannel {
    int id = 0;
    std::string name;
};

// One song of the station. Texts are UTF-8; `album` is a path on the album site.
struct DemoSong {
    std::string sid;
    std::string ssid;
    std::string title;
    std::string artist;
    std::string albumTitle;
    std::string album;
    int albumChannel = 0; // the channel the album page links to ("cid=")
    int lengthSeconds = 0;
    long long updateTime = 0;
    std::string lyric; // lines joined by "\r\n", as the lyric answer carries it before escaping
};

// The channels of the client's channel list, separators left out.
const std::vector<DemoChannel> &demoChannels();

// The songs every channel rotates through, in rotation order; the first is the short one.
const std::vector<DemoSong> &demoSongs();

// The channel with that id, or nullptr.
const DemoChannel *findChannel(int id);

// The song with that sid, or nullptr.
const DemoSong *findSong(const std::string &sid);
