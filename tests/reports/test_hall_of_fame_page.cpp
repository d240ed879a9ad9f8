// The Vantor Hall Of Fame page's rows, texts and level buttons.
#include <cstring>
#include <fstream>

#include "database/team.h"
#include "database/text_format.h"
#include "halloffame/manager_rating.h"
#include "reports/hall_of_fame_page.h"
#include "test_support.h"

namespace {
class HallOfFamePageTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Page_League(4);
        Set_Team_Stat(2, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        Set_Team_String("Ida Marsh", 2, TS_MANAGER);
        Set_Game_State(GS_DIFFICULTY, 1);
        Set_Game_State(GS_HOF_VIEW_LEVEL, 1);
        Rebuild_Fame_File();
    }
    static std::string Text(const HallOfFameRow& row, int nColumn) { return row.aszColumns[nColumn]; }
};
} // namespace

TEST_F(HallOfFamePageTest, TenRowsOfTheViewedLevelAndTheOwnLine) {
    FameFile fame;
    Read_Fame_File(&fame);
    fame.aTables[1][3].nFlag = FAME_GRAY;
    fame.aTables[1][3].nTies = 0;
    Write_Fame_File(&fame);
    Set_Game_State(GS_SEASON_INDEX, 2);
    for (int nYear = 0; nYear < 2; nYear++) {
        Set_Team_Yearly_Stat(2, nYear, YR_WINS, 12);
        Set_Team_Yearly_Stat(2, nYear, YR_LOSSES, 4);
        Set_Team_Yearly_Stat(2, nYear, YR_PLAYOFF_WINS, 1);
        Set_Team_Yearly_Stat(2, nYear, YR_PLAYOFF_LOSSES, 1);
    }
    HallOfFamePage page;
    Fill_Hall_Of_Fame_Page(&page);
    EXPECT_EQ(page.nLevel, 1);
    for (int i = 0; i < FAME_ENTRIES; i++) {
        ASSERT_TRUE(page.aRows[i].bShown) << i;
        EXPECT_EQ(page.aRows[i].nFlag, i == 3 ? FAME_GRAY : FAME_BUILT_IN) << i;
    }
    EXPECT_EQ(Text(page.aRows[0], HOF_RATING), "76.1");
    EXPECT_EQ(Text(page.aRows[3], HOF_RECORD), "96-46"); // no ties: two figures
    EXPECT_EQ(Text(page.aRows[0], HOF_RECORD), "152-58-6");

    ASSERT_TRUE(page.own.bShown);
    EXPECT_EQ(Text(page.own, HOF_NAME), "Ida Marsh");
    EXPECT_EQ(Text(page.own, HOF_HOME), "City2 Nick2");
    EXPECT_EQ(Text(page.own, HOF_SEASONS), "2003-2004");
    EXPECT_EQ(Text(page.own, HOF_RECORD), "24-8");
    EXPECT_EQ(Text(page.own, HOF_PERCENTAGE), ".750");
    EXPECT_EQ(Text(page.own, HOF_PLAYOFFS), "2-2");
    char szRating[TEXT_SIZE];
    Rating_Text(Manager_Rating(2), szRating);
    EXPECT_EQ(Text(page.own, HOF_RATING), szRating);
}

TEST_F(HallOfFamePageTest, OwnLineOnlyAtTheGamesLevel) {
    Set_Game_State(GS_HOF_VIEW_LEVEL, 3);
    HallOfFamePage page;
    Fill_Hall_Of_Fame_Page(&page);
    EXPECT_EQ(page.nLevel, 3);
    EXPECT_FALSE(page.own.bShown);
    EXPECT_TRUE(page.aRows[9].bShown);
    Set_Game_State(GS_HOF_VIEW_LEVEL, 77); // a damaged game views the top level
    Fill_Hall_Of_Fame_Page(&page);
    EXPECT_EQ(page.nLevel, 3);
}

TEST_F(HallOfFamePageTest, OwnSeasonsAndPercentages) {
    char szText[DIALOG_TEXT];
    Own_Seasons_Text(2003, 0, szText);
    EXPECT_STREQ(szText, "--");
    Own_Seasons_Text(2003, 1, szText);
    EXPECT_STREQ(szText, "2003");
    Own_Seasons_Text(2003, 4, szText);
    EXPECT_STREQ(szText, "2003-2006");
    Winning_Percentage_Text(10, 6, szText);
    EXPECT_STREQ(szText, ".625");
    Winning_Percentage_Text(2, 1, szText);
    EXPECT_STREQ(szText, ".666"); // cut, not rounded
    Winning_Percentage_Text(16, 0, szText);
    EXPECT_STREQ(szText, "1.000");
    Winning_Percentage_Text(0, 0, szText);
    EXPECT_STREQ(szText, ".000");
}

TEST_F(HallOfFamePageTest, DamagedFileShowsNoGarbage) {
    FameFile fame;
    Read_Fame_File(&fame);
    memset(fame.aTables[1][0].szManager, 'M', sizeof fame.aTables[1][0].szManager); // no terminator
    memset(&fame.aTables[1][9], 0, sizeof fame.aTables[1][9]);
    Write_Fame_File(&fame);
    HallOfFamePage page;
    Fill_Hall_Of_Fame_Page(&page);
    EXPECT_EQ(strlen(page.aRows[0].aszColumns[HOF_NAME]), (size_t)DIALOG_TEXT - 1);
    EXPECT_EQ(Text(page.aRows[0], HOF_HOME), "Duluth");
    EXPECT_FALSE(page.aRows[9].bShown);
}

TEST_F(HallOfFamePageTest, LevelButtonsHaveExactEdges) {
    EXPECT_EQ(Hall_Of_Fame_Button_At(HOF_BUTTON_LEFT, HOF_BUTTON_TOP), 0);
    EXPECT_EQ(Hall_Of_Fame_Button_At(HOF_BUTTON_LEFT + HOF_BUTTON_WIDTH, HOF_BUTTON_TOP), -1); // the gap
    EXPECT_EQ(
        Hall_Of_Fame_Button_At(HOF_BUTTON_LEFT + HOF_BUTTON_STEP, HOF_BUTTON_TOP + HOF_BUTTON_HEIGHT - 1), 1);
    EXPECT_EQ(Hall_Of_Fame_Button_At(HOF_BUTTON_LEFT + 4 * HOF_BUTTON_STEP, HOF_BUTTON_TOP), -1);
    EXPECT_EQ(Hall_Of_Fame_Button_At(HOF_BUTTON_LEFT, HOF_BUTTON_TOP - 1), -1);
    EXPECT_EQ(Hall_Of_Fame_Button_At(HOF_BUTTON_LEFT, HOF_BUTTON_TOP + HOF_BUTTON_HEIGHT), -1);

    EXPECT_FALSE(Click_Hall_Of_Fame_Button(300, 300));
    EXPECT_EQ(Get_Game_State(GS_HOF_VIEW_LEVEL), 1);
    EXPECT_TRUE(Click_Hall_Of_Fame_Button(HOF_BUTTON_LEFT + 2 * HOF_BUTTON_STEP + 5, HOF_BUTTON_TOP + 5));
    EXPECT_EQ(Get_Game_State(GS_HOF_VIEW_LEVEL), 2);
}
