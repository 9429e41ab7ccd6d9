#include "playback/favouritesreplay.h"

#include "app/globals.h"
#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "platform/toolkit/widgets/reportlist.h"
#include "radio/servicerequests.h"
#include "radio/songchange.h"
#include "radio/songflow.h"

#include <QLabel>
#include <QToolButton>

#include <array>

namespace {

// The columns of a favourites row.
enum Column { Title, Artist, Url, Picture, Sid, Ssid, Kbps, Album, ColumnCount };
using FavouriteRow = std::array<QByteArray, ColumnCount>;

FavouriteRow readRow(const ReportList &list, int row)
{
    FavouriteRow cells;
    for (int column = 0; column < ColumnCount; ++column)
        cells[column] = list.cellText(row, column);
    return cells;
}

void takeSongFields(Globals &g, const FavouriteRow &song)
{
    g.songTitle = song[Title];
    g.songArtist = song[Artist];
    g.songUrl = song[Url];
    g.songPicture = song[Picture];
    g.songAlbum = song[Album];
    g.songSid = song[Sid];
    g.songSsid = song[Ssid];
    g.songKbps = song[Kbps];
}

} // namespace

void playFavourite(Session &session)
{
    const ReportList &list = *session.controls.favouritesList;
    // The row is read at the double click; its steps run when no other song change is on its way.
    const FavouriteRow song = readRow(list, list.currentRow());
    session.flow.startWhenFree([&session, song](auto finish) {
        Globals &g = session.globals;
        MainControls &c = session.controls;
        // The plain heart keeps its state; the red one lies on top of it.
        c.unfavouriteButton->show();
        showSongTexts(session, song[Title], song[Artist], song[Kbps]);
        showCover(session, song[Picture]);
        takeSongFields(g, song);
        startSong(session, song[Url]);
        c.playingAnimation->playAnimation(true);
        c.window->setFixedSize(narrowWidth, c.window->height());

        g.channelId = "-10";
        fetchChannelInfo(g, c.window, [&session, finish] {
            MainControls &controls = session.controls;
            controls.channelLabel->setText(QStringLiteral("豆瓣精选 MHz"));
            if (!showAlbumLinks(controls, session.globals.songAlbum)) {
                finish();
                return;
            }
            fetchLyricsAndTick(session, finish);
        });
    });
}
