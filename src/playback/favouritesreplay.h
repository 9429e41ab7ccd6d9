#pragma once

struct Session;

// A double click on the favourites list: plays the selected row's song on the default channel, outside
// any playlist. The lyrics are asked for and the playback tick started only for a song with an album
// page; for another the previous song's lyrics answer stays. No row selected: empty texts, nothing plays.
void playFavourite(Session &session);
