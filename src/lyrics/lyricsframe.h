#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>
#include <QString>

#include <array>
#include <optional>

// Everything one frame of the desktop lyrics is drawn from: the text and its look. Colours are ARGB
// (0xAARRGGBB); an empty optional means that part is not drawn.
struct LyricsFrameContent {
    QString text;
    // How much of the text box, from the left, is drawn in the highlight style: 0..100.
    int highlightPercent = 0;
    // Fill colours, start and end of the gradient (the first alone for a plain fill), and the fill mode:
    // 0 plain, 1 vertical gradient over the text box, 2 the same mirrored at half height.
    std::array<QRgb, 2> textColours{};
    int textGradient = 0;
    std::optional<QRgb> textPen;
    std::array<QRgb, 2> highlightColours{};
    int highlightGradient = 0;
    std::optional<QRgb> highlightPen;
    std::optional<QRgb> shadowBrush;
    int shadowOffset = 0;
    // None when no face could be made: then no text is drawn.
    std::optional<QFont> font;
    std::optional<QRgb> backgroundBrush;

    bool operator==(const LyricsFrameContent &) const = default;
};

// A Windows colour 0x00BBGGRR (the high byte ignored) as ARGB. Without `useAlpha`, or with an alpha of
// 256 or more, the colour is opaque; a negative alpha gives 0.
QRgb toArgb(int colour, int alpha, bool useAlpha);

// One frame of `size` logical pixels at `devicePixelRatio`: transparent but for the background, the text
// one line high and centred both ways as an outlined path over its shadow, filled as the content says.
QImage drawLyricsFrame(const LyricsFrameContent &content, QSize size, qreal devicePixelRatio = 1.0);
