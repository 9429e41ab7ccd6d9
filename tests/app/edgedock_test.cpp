#include "app/edgedock.h"

#include <gtest/gtest.h>

namespace {

constexpr QSize screen{1920, 1080};
constexpr int W = 432;
constexpr int H = 240;

struct DockCase {
    const char *name;
    QPoint window;
    QPoint cursor;
    QPoint expected;
};

class EdgeDockTest : public testing::TestWithParam<DockCase> {};

TEST_P(EdgeDockTest, MovesTheWindowAsTheEdgeRulesSay)
{
    const DockCase &c = GetParam();
    EXPECT_EQ(edgeDock(QRect(c.window, QSize(W, H)), screen, c.cursor), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EdgeDockTest,
    testing::Values(DockCase{"FreeWindowStays", {500, 300}, {10, 10}, {500, 300}},
                    DockCase{"TopHidesWhenCursorLeaves", {500, 0}, {100, 500}, {500, 3 - H}},
                    DockCase{"TopAboveEdgeHides", {500, -40}, {100, 500}, {500, 3 - H}},
                    DockCase{"TopStaysWhileCursorInside", {500, 0}, {600, 100}, {500, 0}},
                    DockCase{"TopRevealsAtStrip", {500, 3 - H}, {600, 1}, {500, 0}},
                    DockCase{"TopStripOutsideSpanStaysHidden", {500, 3 - H}, {400, 1}, {500, 3 - H}},
                    DockCase{"LeftHidesWhenCursorLeaves", {0, 300}, {1000, 500}, {3 - W, 300}},
                    DockCase{"LeftRevealsAtStrip", {3 - W, 300}, {1, 400}, {0, 300}},
                    DockCase{"LeftStripBelowWindowStaysHidden", {3 - W, 300}, {1, 600}, {3 - W, 300}},
                    DockCase{"RightRevealsFromAnywhere", {800, 300}, {1919, 400}, {1920 - W, 300}},
                    DockCase{"RightHidesWhenCursorLeaves", {1920 - W, 300}, {100, 100}, {1917, 300}},
                    DockCase{"RightRevealsAtStrip", {1917, 300}, {1918, 350}, {1920 - W, 300}},
                    DockCase{"TopLeftCornerBecomesLeftDocked", {-10, -10}, {800, 800}, {3 - W, 1}},
                    DockCase{
                        "TopRightCornerBecomesTopDocked", {1600, -10}, {100, 800}, {1920 - W - 1, 3 - H}}),
    [](const testing::TestParamInfo<DockCase> &param) { return param.param.name; });

struct UndockCase {
    const char *name;
    QPoint window;
    QPoint expected;
};

class UndockTest : public testing::TestWithParam<UndockCase> {};

// Wherever a window hides, it comes back in view and the next docking tick, with the pointer away from
// every edge, leaves it there.
TEST_P(UndockTest, BringsTheWindowIntoViewWhereDockingLeavesIt)
{
    const UndockCase &c = GetParam();
    const QPoint shown = undockedPosition(QRect(c.window, QSize(W, H)), screen);
    EXPECT_EQ(shown, c.expected);
    EXPECT_EQ(edgeDock(QRect(shown, QSize(W, H)), screen, {960, 1000}), shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, UndockTest,
                         testing::Values(UndockCase{"Free", {500, 300}, {500, 300}},
                                         UndockCase{"HiddenAtTop", {500, 3 - H}, {500, 1}},
                                         UndockCase{"HiddenAtLeft", {3 - W, 300}, {1, 300}},
                                         UndockCase{"HiddenAtRight", {1917, 300}, {1920 - W - 1, 300}},
                                         UndockCase{"BelowTheScreen", {500, 2000}, {500, 1080 - H}}),
                         [](const testing::TestParamInfo<UndockCase> &param) { return param.param.name; });

} // namespace
