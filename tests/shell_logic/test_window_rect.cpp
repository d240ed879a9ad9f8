#include "commands/game_commands.h"
#include "halloffame/fame_file.h"
#include "test_support.h"

using WindowRectTest = LeagueTest;

// A frame of 8 pixels each side, 23 of caption and 20 of menu.
constexpr int W0 = 636 + 16;
constexpr int H0 = 438 + 23 + 20 + 16;

TEST_F(WindowRectTest, RightEdgeSetsHeightFromWidth) {
    WindowRect rect = Apply_Aspect_Rule({100, 50, 100 + 2 * W0, 400}, DRAG_RIGHT, W0, H0);
    EXPECT_EQ(rect, (WindowRect{100, 50, 100 + 2 * W0, 50 + 2 * H0}));
}

TEST_F(WindowRectTest, BottomRightCornerSetsWidthFromHeight) {
    WindowRect rect = Apply_Aspect_Rule({0, 0, 10, 3 * H0}, DRAG_BOTTOM_RIGHT, W0, H0);
    EXPECT_EQ(rect, (WindowRect{0, 0, 3 * W0, 3 * H0}));
}

TEST_F(WindowRectTest, LeftCornersMoveTheLeftEdge) {
    WindowRect rect = Apply_Aspect_Rule({500, 0, 2000, 2 * H0}, DRAG_BOTTOM_LEFT, W0, H0);
    EXPECT_EQ(rect, (WindowRect{2000 - 2 * W0, 0, 2000, 2 * H0}));
    rect = Apply_Aspect_Rule({500, 0, 2000, 2 * H0}, DRAG_TOP_LEFT, W0, H0);
    EXPECT_EQ(rect.nLeft, 2000 - 2 * W0);
}

TEST_F(WindowRectTest, TooSmallGrowsToTheMinimumAwayFromTheDraggedEdge) {
    WindowRect rect = Apply_Aspect_Rule({300, 300, 310, 310}, DRAG_TOP_LEFT, W0, H0);
    EXPECT_EQ(rect.nRight, 310);
    EXPECT_EQ(rect.nBottom, 310);
    EXPECT_EQ(rect.nTop, 310 - H0);
    EXPECT_EQ(rect.nLeft, 310 - W0);
    rect = Apply_Aspect_Rule({300, 300, 310, 310}, DRAG_BOTTOM_RIGHT, W0, H0);
    EXPECT_EQ(rect, (WindowRect{300, 300, 300 + W0, 300 + H0}));
}

TEST_F(WindowRectTest, ResultsAreTruncated) {
    // 1000 / (652 / 497) = 762.27
    WindowRect rect = Apply_Aspect_Rule({0, 0, 1000, 0}, DRAG_LEFT, W0, H0);
    EXPECT_EQ(rect.nBottom, 762);
    // 652 / 497 x 600 = 787.12
    rect = Apply_Aspect_Rule({0, 0, 0, 600}, DRAG_TOP, W0, H0);
    EXPECT_EQ(rect.nRight, 787);
}

TEST_F(WindowRectTest, DegenerateMinimumLeavesTheRectangle) {
    EXPECT_EQ(Apply_Aspect_Rule({1, 2, 3, 4}, DRAG_RIGHT, 0, 0), (WindowRect{1, 2, 3, 4}));
}

TEST_F(WindowRectTest, RightOrBottomAtZeroOrBelowMeansMaximised) {
    EXPECT_TRUE(Saved_Rect_Usable({10, 10, 700, 500}));
    EXPECT_TRUE(Saved_Rect_Usable({-100, -100, 1, 1}));
    EXPECT_FALSE(Saved_Rect_Usable({0, 0, 0, 500}));
    EXPECT_FALSE(Saved_Rect_Usable({0, 0, 700, 0}));
    EXPECT_FALSE(Saved_Rect_Usable({-800, 0, -1, 500}));
    EXPECT_FALSE(Saved_Rect_Usable({0, -600, 700, -5}));
}

TEST_F(WindowRectTest, StoredRectangleRoundTripsThroughWords164To167) {
    Rebuild_Fame_File();
    ASSERT_TRUE(Store_Window_Rect({12, 34, 700, 560}));
    EXPECT_EQ(Saved_Window_Rect(), (WindowRect{12, 34, 700, 560}));
    EXPECT_EQ(Get_Fame_Setting(164), 12);
    EXPECT_EQ(Get_Fame_Setting(167), 560);
}
