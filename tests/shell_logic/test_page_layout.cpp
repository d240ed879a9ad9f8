#include "platform/page_layout.h"
#include "test_support.h"

TEST(PageLayoutTest, ScalingRoundsAndIsExactAtLogicalSize) {
    EXPECT_EQ(Scale_X(301, 636), 301);
    EXPECT_EQ(Scale_Y(437, 438), 437);
    EXPECT_EQ(Scale_X(636, 1272), 1272);
    EXPECT_EQ(Scale_X(1, 954), 2);   // 1.5 rounds up
    EXPECT_EQ(Scale_Y(96, 500), 110);  // 109.59
    EXPECT_EQ(Scale_X(0, 0), 0);
}

TEST(PageLayoutTest, FontHeightsFollowTheWindowsShorterProportion) {
    EXPECT_EQ(Page_Font_Height(0, 636, 438), 10);
    EXPECT_EQ(Page_Font_Height(9, 636, 438), 48);
    EXPECT_EQ(Page_Font_Height(6, 1272, 876), 72);
    EXPECT_EQ(Page_Font_Height(6, 2000, 876), 72);     // wider than tall: by height
    EXPECT_EQ(Page_Font_Height(4, 700, 900), 20 * 700 / 636);  // narrower than tall: by width
    EXPECT_EQ(Page_Font_Height(3, 1000, 500), 21 * 500 / 438);  // truncated: 23
    EXPECT_EQ(Page_Font_Height(10, 636, 438), 0);
    EXPECT_EQ(Page_Font_Height(-1, 636, 438), 0);
}

TEST(PageLayoutTest, FontFaces) {
    EXPECT_STREQ(Page_Font_Face(0), "Arial");
    EXPECT_STREQ(Page_Font_Face(4), "Times New Roman");
    EXPECT_STREQ(Page_Font_Face(6), "Times New Roman");
    EXPECT_STREQ(Page_Font_Face(7), "Courier New");
    EXPECT_STREQ(Page_Font_Face(9), "Arial");
    EXPECT_EQ(Page_Font_Face(10), nullptr);
}
