#include "lyrics/lyricsfont.h"
#include "lyrics/lyricsframe.h"
#include "lyrics/lyricswindow.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QSize frameSize(600, 150);
// Full blocks fill the text box from top to bottom, so the fill can be probed at its edges.
const QString blocks = QStringLiteral("███");

// The bounding box of every pixel matching `test`.
QRect pixelsWhere(const QImage &image, const std::function<bool(QColor)> &test)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QRect ink(const QImage &image)
{
    return pixelsWhere(image, [](QColor c) { return c.alpha() > 0; });
}

QRect opaque(const QImage &image)
{
    return pixelsWhere(image, [](QColor c) { return c.alpha() == 255; });
}

bool near(QColor actual, QColor expected, int tolerance = 3)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance &&
           std::abs(actual.alpha() - expected.alpha()) <= tolerance;
}

// Each case changes the default look, draws a frame of full blocks and probes it.
struct FrameCase {
    const char *name;
    std::function<void(LyricsWindow &)> look;
    std::function<void(const QImage &)> probe;
};

class LyricsFrameTest : public testing::TestWithParam<FrameCase> {};

TEST_P(LyricsFrameTest, FrameShowsTheLook)
{
    LyricsWindow window;
    window.initGraphics();
    GetParam().look(window);
    LyricsFrameContent content = window.content();
    content.text = blocks;
    GetParam().probe(drawLyricsFrame(content, frameSize));
}

void plainLook(LyricsWindow &window)
{
    window.setShadow(0, 0, 0, false);
    window.setTextColours(0x0000FF, 0xFF0000, -1, 0); // red, blue, no outline
}

// Top and bottom rows that are fully covered, in the middle column of the text.
QColor topOf(const QImage &frame)
{
    const QRect box = opaque(frame);
    return frame.pixelColor(box.center().x(), box.top());
}

QColor bottomOf(const QImage &frame)
{
    const QRect box = opaque(frame);
    return frame.pixelColor(box.center().x(), box.bottom());
}

QColor middleOf(const QImage &frame)
{
    return frame.pixelColor(opaque(frame).center());
}

bool reddish(QColor c)
{
    return c.red() > 200 && c.blue() < 55;
}

bool bluish(QColor c)
{
    return c.blue() > 200 && c.red() < 55;
}

// The shadow alone shows where the text is not: black at alpha 150.
QRect shadowOnly(const QImage &frame)
{
    return pixelsWhere(frame, [](QColor c) { return near(c, QColor(0, 0, 0, 150), 1); });
}

// Where the plain look's text is, to measure the shadow against.
QRect plainInk()
{
    LyricsWindow window;
    window.initGraphics();
    plainLook(window);
    LyricsFrameContent content = window.content();
    content.text = blocks;
    return ink(drawLyricsFrame(content, frameSize));
}

INSTANTIATE_TEST_SUITE_P(
    Probes, LyricsFrameTest,
    testing::Values(FrameCase{"DefaultLookLeavesTheCornersTransparent", [](LyricsWindow &) {},
                              [](const QImage &f) {
                                  EXPECT_EQ(f.size(), frameSize);
                                  EXPECT_EQ(f.pixelColor(0, 0).alpha(), 0);
                                  EXPECT_EQ(f.pixelColor(599, 149).alpha(), 0);
                                  EXPECT_FALSE(ink(f).isEmpty());
                              }},
                    FrameCase{"TextIsCentredBothWays", plainLook,
                              [](const QImage &f) {
                                  const QRect box = ink(f);
                                  EXPECT_NEAR(box.left(), frameSize.width() - 1 - box.right(), 2);
                                  EXPECT_NEAR(box.top(), frameSize.height() - 1 - box.bottom(), 12);
                              }},
                    FrameCase{"BackgroundWithAlphaFillsTheFrame",
                              [](LyricsWindow &w) { w.setBackground(0x0000FF, 100, false); },
                              [](const QImage &f) {
                                  EXPECT_TRUE(near(f.pixelColor(0, 0), QColor(255, 0, 0, 100)));
                                  EXPECT_TRUE(near(f.pixelColor(599, 149), QColor(255, 0, 0, 100)));
                              }},
                    FrameCase{"PlainFillIsColourOne", plainLook,
                              [](const QImage &f) {
                                  EXPECT_TRUE(near(topOf(f), Qt::red, 0));
                                  EXPECT_TRUE(near(bottomOf(f), Qt::red, 0));
                              }},
                    FrameCase{"GradientRunsFromTopToBottom",
                              [](LyricsWindow &w) {
                                  plainLook(w);
                                  w.setTextColours(0x0000FF, 0xFF0000, -1, 1);
                              },
                              [](const QImage &f) {
                                  EXPECT_TRUE(reddish(topOf(f))) << qPrintable(topOf(f).name());
                                  EXPECT_TRUE(bluish(bottomOf(f))) << qPrintable(bottomOf(f).name());
                              }},
                    FrameCase{"MirroredGradientIsColourOneAtBothEdges",
                              [](LyricsWindow &w) {
                                  plainLook(w);
                                  w.setTextColours(0x0000FF, 0xFF0000, -1, 2);
                              },
                              [](const QImage &f) {
                                  EXPECT_TRUE(reddish(topOf(f))) << qPrintable(topOf(f).name());
                                  EXPECT_TRUE(reddish(bottomOf(f))) << qPrintable(bottomOf(f).name());
                                  EXPECT_TRUE(bluish(middleOf(f))) << qPrintable(middleOf(f).name());
                              }},
                    FrameCase{"ShadowLiesTwoPixelsRightAndDown",
                              [](LyricsWindow &w) {
                                  plainLook(w);
                                  w.setShadow(0, 150, 2, false);
                              },
                              [](const QImage &f) {
                                  EXPECT_EQ(ink(f), plainInk().adjusted(0, 0, 2, 2));
                                  EXPECT_FALSE(shadowOnly(f).isEmpty());
                              }},
                    FrameCase{"NoShadowWithAlphaZero",
                              [](LyricsWindow &w) {
                                  plainLook(w);
                                  w.setShadow(0, 0, 2, false);
                              },
                              [](const QImage &f) { EXPECT_EQ(ink(f), plainInk()); }},
                    FrameCase{"NoShadowWithOffsetZero",
                              [](LyricsWindow &w) {
                                  plainLook(w);
                                  w.setShadow(0, 150, 0, false);
                              },
                              [](const QImage &f) { EXPECT_EQ(ink(f), plainInk()); }},
                    FrameCase{"OutlineIsBlackAroundTheFill",
                              [](LyricsWindow &w) {
                                  plainLook(w);
                                  w.setTextColours(0x0000FF, 0xFF0000, 0x000000, 0);
                              },
                              [](const QImage &f) {
                                  const QRect dark = pixelsWhere(
                                      f, [](QColor c) { return c.alpha() > 60 && c.red() < 100; });
                                  EXPECT_TRUE(plainInk().contains(dark.adjusted(1, 1, -1, -1)));
                                  EXPECT_GE(dark.width(), plainInk().width() - 1);
                              }},
                    FrameCase{"NoOutlineWithMinusOne", plainLook,
                              [](const QImage &f) {
                                  EXPECT_TRUE(pixelsWhere(f, [](QColor c) {
                                                  return c.alpha() > 60 && c.red() < 100;
                                              }).isEmpty());
                              }}),
    [](const testing::TestParamInfo<FrameCase> &param) { return param.param.name; });

TEST(LyricsHighlight, CoversTheShareOfTheTextBoxFromTheLeft)
{
    LyricsWindow window;
    window.initGraphics();
    plainLook(window);
    window.setHighlightColours(0xFF0000, 0xFF0000, -1, 0); // plain blue
    for (const int percent : {0, 50, 100}) {
        SCOPED_TRACE(percent);
        LyricsFrameContent content = window.content();
        content.text = blocks;
        content.highlightPercent = percent;
        // The middle row of the frame crosses the text box; the glyphs may reach above it.
        const QImage row =
            drawLyricsFrame(content, frameSize).copy(0, frameSize.height() / 2, frameSize.width(), 1);
        const QRect red = pixelsWhere(row, [](QColor c) { return c == Qt::red; });
        const QRect blue = pixelsWhere(row, [](QColor c) { return c == Qt::blue; });
        const int middle = frameSize.width() / 2;
        if (percent == 0) {
            EXPECT_TRUE(blue.isEmpty());
        } else if (percent == 50) {
            EXPECT_NEAR(blue.right(), middle, 1);
            EXPECT_NEAR(red.left(), middle, 1);
        } else {
            EXPECT_TRUE(red.isEmpty());
        }
    }
}

TEST(LyricsColours, ToArgbExamples)
{
    EXPECT_EQ(toArgb(0x1483FE, 0, false), 0xFFFE8314u);
    EXPECT_EQ(toArgb(0x000000, 300, true), 0xFF000000u);
    EXPECT_EQ(toArgb(0x000000, -4, true), 0u);
    EXPECT_EQ(toArgb(0x00FEE3, 150, true), 0x96E3FE00u);
    EXPECT_EQ(toArgb(0x7F0000FF, 0, false), 0xFFFF0000u); // the high byte is not a colour
}

TEST(LyricsFont, UnknownFaceFallsBackToAChineseFace)
{
    for (const char *face : {"", "不存在的字体", "黑体"}) {
        const std::optional<QFont> font =
            makeFontFromList(lyricsFaceList(QString::fromUtf8(face)), 50, FontBold);
        ASSERT_TRUE(font) << face;
        EXPECT_EQ(QFontInfo(*font).family(), "WenQuanYi Micro Hei") << face;
        EXPECT_TRUE(QFontInfo(*font).bold());
    }
    const std::optional<QFont> chosen =
        makeFontFromList(lyricsFaceList(QStringLiteral("DejaVu Serif")), 30, FontItalic);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(QFontInfo(*chosen).family(), "DejaVu Serif");
    EXPECT_EQ(QFontInfo(*chosen).pixelSize(), 30);
}

TEST(LyricsFont, SizeZeroMakesNoFontAndDrawsNoText)
{
    EXPECT_FALSE(makeFontFromList(lyricsFaceList(QString()), 0, 0));
    LyricsWindow window;
    window.initGraphics();
    window.setFont("", 0, true, false, false);
    LyricsFrameContent content = window.content();
    content.text = QStringLiteral("晨光照进窗");
    EXPECT_FALSE(content.font);
    EXPECT_TRUE(ink(drawLyricsFrame(content, frameSize)).isEmpty());
}

} // namespace
