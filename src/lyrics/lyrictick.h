#pragma once

#include <QByteArray>

struct Session;

// The lyric step of a playback tick: the line of `timeKey` ("mm:ss", as the time label shows it) in the
// current lyrics answer goes to the lyric label and the desktop lyrics; a second without a line leaves
// them as they are. An answer without any time tag shows "暂无歌词" or "当前歌词不支持滚动" instead, and an
// empty answer, or the service's "no match" answer, changes nothing.
void lyricTick(Session &session, const QByteArray &timeKey);

// The lyrics button: shows the desktop lyrics when hidden, hides them when shown.
void toggleDesktopLyrics(Session &session);

// Connects the lyrics button and the settings panel's apply button.
void wireLyricsHandlers(Session &session);
