#include "app/globals.h"

void Globals::clearTexts()
{
    for (QByteArray *text : {&playStateText, &songAlbum, &channelId, &channelName, &songSid, &songSsid,
                             &songKbps, &playlistAlbum, &songTitle, &songArtist, &songUrl, &songPicture,
                             &lyricsAnswer, &lyricsText, &lyricsShownFlag})
        text->clear();
    songInfo = {};
}
