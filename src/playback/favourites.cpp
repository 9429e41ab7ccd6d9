#include "playback/favourites.h"

#include "app/globals.h"
#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "platform/toolkit/programdirectory.h"
#include "platform/toolkit/widgets/desktopservices.h"
#include "platform/toolkit/widgets/reportlist.h"
#include "playback/favouritesreplay.h"
#include "playback/listini.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include <iterator>

namespace {

constexpr int hintMs = 1000;
const QString alreadyFavouriteHint = QStringLiteral("歌曲收藏已存在");

QByteArray titleShown(const MainControls &c)
{
    return c.titleLabel->text().toUtf8();
}

// After every change: the count, then the file, so nothing the user did waits for a normal exit.
void listChanged(MainControls &c)
{
    showFavouritesCount(c);
    saveFavourites(c);
}

void appendCurrentSong(ReportList &list, const Globals &g)
{
    const QByteArray cells[] = {g.songTitle, g.songArtist, g.songUrl,  g.songPicture,
                                g.songSid,   g.songSsid,   g.songKbps, g.songAlbum};
    const int row = list.insertRow(list.rowCount(), cells[0]);
    for (int column = 1; column < std::ssize(cells); ++column)
        list.setCellText(row, column, cells[column]);
}

} // namespace

void wireFavouritesHandlers(Session &session)
{
    MainControls &c = session.controls;
    QObject *context = c.window;
    QObject::connect(c.favouriteButton, &QToolButton::clicked, context,
                     [&session] { addFavourite(session); });
    QObject::connect(c.unfavouriteButton, &QToolButton::clicked, context,
                     [&session] { removeCurrentFavourite(session); });
    QObject::connect(c.favouritesPanelButton, &QToolButton::clicked, context,
                     [&session] { toggleFavouritesPanel(session); });
    QObject::connect(c.favouritesList, &ReportList::rightPressed, context,
                     [&c] { DesktopServices::popUpMenu(c.favouritesMenu); });
    QObject::connect(c.favouritesMenu->findChild<QAction *>(QStringLiteral("删除选中")), &QAction::triggered,
                     context, [&session] { deleteSelectedFavourite(session); });
    QObject::connect(c.favouritesMenu->findChild<QAction *>(QStringLiteral("清空全部")), &QAction::triggered,
                     context, [&session] { clearFavourites(session); });
    QObject::connect(c.favouritesList, &ReportList::rowDoubleClicked, context,
                     [&session] { playFavourite(session); });
}

QString favouritesPath()
{
    return programDirectory() + QStringLiteral("/scgq.ini");
}

void loadFavourites(MainControls &c)
{
    if (fileExists(favouritesPath()))
        loadListFromIni(*c.favouritesList, favouritesPath());
}

bool saveFavourites(const MainControls &c)
{
    return saveListToIni(*c.favouritesList, favouritesPath());
}

void showFavouritesCount(MainControls &c)
{
    c.favouritesGroup->setTitle(QStringLiteral("收藏列表（共%1首）").arg(c.favouritesList->rowCount()));
}

bool isFavouriteTitle(const ReportList &list, const QByteArray &title)
{
    for (int row = 0; row < list.rowCount(); ++row) {
        if (list.cellText(row, 0) == title)
            return true;
    }
    return false;
}

void showFavouriteHeart(MainControls &c, bool favourite)
{
    c.unfavouriteButton->setVisible(favourite);
    c.favouriteButton->setVisible(!favourite);
}

void addFavourite(Session &session)
{
    const Globals &g = session.globals;
    MainControls &c = session.controls;
    showFavouriteHeart(c, !c.favouriteButton->isHidden());
    // The last playlist song's title, not the title shown: after a replay the two differ.
    if (isFavouriteTitle(*c.favouritesList, g.songInfo[songInfoTitle]))
        c.hintLabel->setText(alreadyFavouriteHint);
    // Read back from the label, so a second add while the hint still shows is refused as well.
    if (c.hintLabel->text() == alreadyFavouriteHint) {
        DesktopServices::setTimerPeriod(c.hintTimer, hintMs);
        return;
    }
    appendCurrentSong(*c.favouritesList, g);
    listChanged(c);
}

void removeCurrentFavourite(Session &session)
{
    MainControls &c = session.controls;
    ReportList &list = *c.favouritesList;
    showFavouriteHeart(c, c.unfavouriteButton->isHidden());
    const QByteArray title = titleShown(c);
    const int count = list.rowCount();
    // Over the count taken before the loop: the successor of a deleted row moves up and is passed over.
    for (int row = 0; row < count; ++row) {
        if (list.cellText(row, 0) == title)
            list.deleteRow(row);
    }
    if (list.rowCount() != count)
        listChanged(c);
}

void toggleFavouritesPanel(Session &session)
{
    QWidget *window = session.controls.window;
    window->setFixedSize(window->width() == narrowWidth ? wideWidth : narrowWidth, window->height());
}

void deleteSelectedFavourite(Session &session)
{
    MainControls &c = session.controls;
    ReportList &list = *c.favouritesList;
    const int row = list.currentRow();
    // With no row selected the cell reads empty, as does the title label before the first song.
    if (list.cellText(row, 0) == titleShown(c))
        showFavouriteHeart(c, false);
    if (row >= 0) {
        list.deleteRow(row);
        listChanged(c);
    }
}

void clearFavourites(Session &session)
{
    MainControls &c = session.controls;
    c.favouritesList->deleteAllRows();
    showFavouriteHeart(c, false);
    listChanged(c);
}
