#pragma once

#include <QFont>
#include <QString>

#include <optional>

// Style bits of a lyrics font, as the font reports them back.
enum LyricsFontStyle : int { FontBold = 1, FontItalic = 2, FontUnderline = 4 };

// The faces tried for the desktop lyrics, ";"-separated: `face` first, then the faces the program was
// designed with, then CJK faces found on Linux desktops and the system's sans face, so a line of Chinese
// text always shows.
QString lyricsFaceList(const QString &face);

// A font of `pixelSize` pixels and `style` (LyricsFontStyle bits) in the first installed face of the
// ";"-separated list, the later installed faces standing by for glyphs it lacks; none when no face is
// installed or the size is below 1.
std::optional<QFont> makeFontFromList(const QString &faceList, int pixelSize, int style);
