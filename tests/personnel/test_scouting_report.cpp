// The scout's verdict: age groups at their edges, the blur kept within its
// limits and reflected back into the table, none in Commissioner Mode, the
// same verdict all month, and no report on a free agent that would name a team.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "database/player.h"
#include "database/team.h"
#include "personnel/scouting_error.h"
#include "personnel/scouting_report.h"
#include "personnel_support.h"
#include "test_support.h"

namespace {
constexpr int PLAYERS = 60;
constexpr int WORST_DIFFICULTY = NUMBER_OF_DIFFICULTIES - 1;

class ScoutingReportTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Page_League(4);
        Set_Team_Stat(0, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        Set_Game_State(GS_USER_TEAM, 0);
        for (int i = 0; i < PLAYERS; i++) {
            PNUM p = (PNUM)i;
            Make_Player(1, p, 100 + 37 * i, POS_QB + i % (POS_P + 1), 21 + i % 17);
            Set_Player_First_Name(1, p, "Ann");
            Set_Player_Last_Name(1, p, "Other");
        }
    }
    static void Expect_Same_Reports(const char* szWhen, std::string* pReports) {
        for (int i = 0; i < PLAYERS; i++) {
            char sz[NEWS_TEXT_SIZE];
            Get_Scouting_Report(1, (PNUM)i, 0, sz);
            if (pReports[i].empty()) pReports[i] = sz;
            EXPECT_EQ(pReports[i], sz) << szWhen << " player " << i;
        }
    }
};
}  // namespace

TEST_F(ScoutingReportTest, AgeGroupsAtTheirEdges) {
    EXPECT_EQ(Scout_Age_Group(24, 27, 31), 0);
    EXPECT_EQ(Scout_Age_Group(26, 27, 31), 1);  // not at his peak, but no prospect at 26
    EXPECT_EQ(Scout_Age_Group(25, 25, 31), 0);
    EXPECT_EQ(Scout_Age_Group(30, 27, 31), 1);
    EXPECT_EQ(Scout_Age_Group(36, 27, 33), 2);
    EXPECT_EQ(Scout_Age_Group(34, 27, 33), 1);  // past his peak, not yet a veteran
    EXPECT_EQ(Scout_Age_Group(35, 27, 33), 2);
}

TEST_F(ScoutingReportTest, TheBlurIsReflectedBackIntoTheTable) {
    EXPECT_EQ(Scouted_Tier(9, 8), 7);
    EXPECT_EQ(Scouted_Tier(1, -8), 1);
    EXPECT_EQ(Scouted_Tier(5, -3), 5);  // under a quarter step moves nothing
    for (int t = 0; t < SCOUT_TIERS; t++)
        for (int e = -14; e <= 14; e++) {
            int s = Scouted_Tier(t, e);
            EXPECT_TRUE(s >= 0 && s < SCOUT_TIERS && abs(s - t) <= 3) << t << " " << e;
        }
}

// The worst scouts at the hardest level, every month of two seasons: the
// error stays within its bound; Commissioner Mode sees every player as he is.
TEST_F(ScoutingReportTest, BlurStaysWithinItsLimitsAndVanishesForTheCommissioner) {
    Set_Game_State(GS_DIFFICULTY, WORST_DIFFICULTY);
    Set_Team_Financial_Stat(0, FIN_SCOUTING_QUALITY, 0);
    int nLargest = 0;
    for (int bCommissioner = 0; bCommissioner <= 1; bCommissioner++) {
        Set_Game_State(GS_COMMISSIONER, bCommissioner);
        for (int nSeason = 0; nSeason < 2; nSeason++)
            for (int nWeek = 0; nWeek < 52; nWeek += 4) {
                Set_Game_State(GS_SEASON_INDEX, nSeason);
                Set_Game_State(GS_CURRENT_WEEK, nWeek);
                for (int i = 0; i < PLAYERS; i++) {
                    ScoutingView view;
                    ASSERT_TRUE(Get_Scouting_View(1, (PNUM)i, 0, &view));
                    if (bCommissioner) {
                        EXPECT_EQ(view.nError, 0);
                        EXPECT_EQ(view.nShownTier, view.nTier);
                    }
                    EXPECT_LE(abs(view.nError), 14);
                    EXPECT_TRUE(view.nLine >= 0 && view.nLine < SCOUT_LINES);
                    nLargest = std::max(nLargest, abs(view.nError));
                }
            }
    }
    EXPECT_EQ(nLargest, 14);  // the bound is reached, so it is the bound that holds
}

TEST_F(ScoutingReportTest, TheVerdictHoldsForTheMonthAndMovesWithIt) {
    std::string asSeptember[PLAYERS], asOctober[PLAYERS];
    Set_Game_State(GS_CURRENT_WEEK, 0);  // September 1
    Expect_Same_Reports("week 0", asSeptember);
    Set_Game_State(GS_CURRENT_WEEK, 3);  // September 22
    Expect_Same_Reports("week 3", asSeptember);
    Set_Game_State(GS_CURRENT_WEEK, 5);  // October 6
    Expect_Same_Reports("week 5", asOctober);
    int nChanged = 0;
    for (int i = 0; i < PLAYERS; i++) nChanged += asSeptember[i] != asOctober[i];
    EXPECT_GT(nChanged, 0);
}

// Every line of the table comes out whole: no token misspelt, none left over.
TEST_F(ScoutingReportTest, EveryLineFillsIn) {
    for (int i = 0; i < SCOUT_LINES; i++) {
        char sz[NEWS_TEXT_SIZE];
        snprintf(sz, sizeof sz, "%s", Scout_Line(i));
        ASSERT_NE(sz[0], '\0') << i;
        Substitute_News_Strings(1, 0, sz);
        EXPECT_EQ(strpbrk(sz, "{}[]"), nullptr) << i << ": " << sz;
    }
    EXPECT_STREQ(Scout_Line(SCOUT_LINES), "");
}

TEST_F(ScoutingReportTest, NoReportThatWouldNameAFreeAgentsTeam) {
    int nNamed = 0, nPlain = 0;
    for (int nID = 1; nID < 400 && (nNamed == 0 || nPlain == 0); nID++) {
        Make_Player(FREE_AGENT_TEAM, 0, nID, POS_QB, 28);
        Make_Player(1, 0, nID, POS_QB, 28);
        Set_Player_Last_Name(1, 0, "Other");
        ScoutingView view;
        Get_Scouting_View(FREE_AGENT_TEAM, 0, 0, &view);
        char szFree[NEWS_TEXT_SIZE], szSigned[NEWS_TEXT_SIZE];
        Get_Scouting_Report(FREE_AGENT_TEAM, 0, 0, szFree);
        Get_Scouting_Report(1, 0, 0, szSigned);
        EXPECT_NE(szSigned[0], '\0') << nID;
        if (strstr(Scout_Line(view.nLine), "{TEAM")) {
            nNamed++;
            EXPECT_STREQ(szFree, "") << nID;
        } else {
            nPlain++;
            EXPECT_NE(szFree[0], '\0') << nID;
        }
    }
    EXPECT_GT(nNamed, 0);
    EXPECT_GT(nPlain, 0);
    Make_Player(HALL_OF_FAME_TEAM, 0, 5, POS_QB, 40);
    char sz[NEWS_TEXT_SIZE];
    Get_Scouting_Report(HALL_OF_FAME_TEAM, 0, 0, sz);
    EXPECT_STREQ(sz, "");
}
