#pragma once

#include <QByteArray>
#include <QString>

struct MainControls;
struct Session;
class ReportList;

// The favourites list: songs the user keeps, one row each (title, artist, audio URL, cover URL, sid,
// ssid, bit rate, album path), stored in "scgq.ini". Every change is saved at once, so a favourite
// survives a crash or a killed process, not only a normal exit.

// Connects the heart buttons, the panel button, the list's pop-up menu and its double click.
void wireFavouritesHandlers(Session &session);

// Path of the favourites file in the program's directory.
QString favouritesPath();
// Fills the list from the favourites file, when it exists.
void loadFavourites(MainControls &c);
// Writes the list to the favourites file; false when it could not be saved.
bool saveFavourites(const MainControls &c);
// The group box caption with the row count: 收藏列表（共N首）.
void showFavouritesCount(MainControls &c);

// True when a row's title is, byte for byte, `title`.
bool isFavouriteTitle(const ReportList &list, const QByteArray &title);
// Shows the red heart (a favourite) or the plain heart (not one) in their shared place.
void showFavouriteHeart(MainControls &c, bool favourite);

// The plain heart clicked: adds the current song, unless a row holds the last playlist song's title
// (then says so in the hint for a second). While that hint shows, every add is refused.
void addFavourite(Session &session);
// The red heart clicked: removes the row of the song in the title label.
void removeCurrentFavourite(Session &session);
// The panel button: widens the window to show the list, or narrows it back.
void toggleFavouritesPanel(Session &session);
// Menu item 删除选中: deletes the selected row.
void deleteSelectedFavourite(Session &session);
// Menu item 清空全部: deletes every row.
void clearFavourites(Session &session);
