// The Draft page rebuilt from the drafted players and the season's finish:
// made picks, picks still to come in a running draft (traded ones named), the
// players who left, and the bounds of the year and round buttons.
#include "platform/headless.h"
#include "reports/draft_page.h"
#include "reports/page_league.h"

namespace {
constexpr int START_YEAR = 2003;

class DraftPageTest : public PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        Make_Teams(4);
        Set_League_Rule(LR_START_YEAR, START_YEAR);
        // Season 0 finished worst to best: 3, 1, 0, 2 (rank 3 is last); team 2 champion.
        const int anRank[4] = {1, 2, 0, 3};
        for (TNUM t = 0; t < 4; t++) Set_Team_Yearly_Stat(t, 0, YR_FINAL_RANK, anRank[t]);
        Set_Team_Yearly_Stat(2, 0, YR_OUTCOME, 8);
        Set_Game_State(GS_SEASON_INDEX, 1);
        for (auto& aRounds : g_League.abDraftPicks)
            for (auto& abOwners : aRounds)
                for (int t = 0; t < NUMBER_OF_FRANCHISES; t++) abOwners[t] = (uint8_t)t;
    }
    void Draft(TNUM nTeam, PNUM nPlayer, int nRound, int nOverall, const char* szLast) {
        Add_Player(nTeam, nPlayer, POS_QB, "Al", szLast);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_DRAFTED, (nTeam + 1) * DRAFTED_TEAM_UNIT + START_YEAR + 1);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_DRAFT_PICK, nRound * DRAFTED_TEAM_UNIT + nOverall);
        Set_Player_College(nTeam, nPlayer, "Miami");
    }
    DraftPage Page() {
        DraftPage page;
        Fill_Draft_Page(&page);
        return page;
    }
};

TEST_F(DraftPageTest, BeforeTheFirstDraftF8OnlyExplains) {
    Set_Game_State(GS_SEASON_INDEX, 0);
    Set_Game_State(GS_CURRENT_PAGE, PAGE_STANDINGS);
    EXPECT_FALSE(Open_Draft_Page());
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Draft Page");
    EXPECT_EQ(Get_Game_State(GS_CURRENT_PAGE), PAGE_STANDINGS);
}

TEST_F(DraftPageTest, AFinishedDraftShowsItsPlayersAndThoseWhoLeft) {
    Set_Game_State(GS_DRAFT_ROUND, NUMBER_OF_DRAFT_ROUNDS);
    Draft(3, 0, 1, 1, "First");
    Draft(0, 0, 1, 3, "Third");
    Draft(2, 0, 2, 8, "Eighth");
    ASSERT_TRUE(Open_Draft_Page());
    Prepare_Draft_Page();
    DraftPage page = Page();
    EXPECT_STREQ(page.szTitle, "2004 College Draft: Round 1");
    ASSERT_EQ(page.nLines, 4);
    EXPECT_STREQ(page.aszLines[0], "1) City3: Al First, QB (Miami)");
    EXPECT_STREQ(page.aszLines[1], "2) Player no longer in league");
    EXPECT_STREQ(page.aszLines[2], "3) City0: Al Third, QB (Miami)");
    // The champion picks last.
    EXPECT_STREQ(page.aszLines[3], "4) Player no longer in league");
    EXPECT_TRUE(Click_Draft_Page_Button(DRAFT_PAGE_BUTTON_PLACES[DRAFT_NEXT_ROUND].nLeft + 1,
                                        DRAFT_PAGE_BUTTON_PLACES[DRAFT_NEXT_ROUND].nTop + 1));
    EXPECT_STREQ(Page().aszLines[3], "8) City2: Al Eighth, QB (Miami)");
}

TEST_F(DraftPageTest, ARunningDraftNamesWhoOwnsThePicksToCome) {
    Set_Game_State(GS_DRAFT_ROUND, 0);
    Set_Game_State(GS_DRAFT_PICK, 1);
    Draft(3, 0, 1, 1, "First");
    g_League.abDraftPicks[0][0][0] = 2;  // team 0's first-round pick belongs to team 2
    Prepare_Draft_Page();
    DraftPage page = Page();
    EXPECT_STREQ(page.aszLines[0], "1) City3: Al First, QB (Miami)");
    EXPECT_STREQ(page.aszLines[1], "2) City1");
    EXPECT_STREQ(page.aszLines[2], "3) City2 (from A0)");
}

TEST_F(DraftPageTest, TheButtonsStopAtTheFirstAndLastYearAndRound) {
    Set_Game_State(GS_SEASON_INDEX, 3);
    Set_Game_State(GS_DRAFT_ROUND, NUMBER_OF_DRAFT_ROUNDS);
    Prepare_Draft_Page();
    auto Click = [](int nButton) {
        return Click_Draft_Page_Button(DRAFT_PAGE_BUTTON_PLACES[nButton].nLeft, DRAFT_PAGE_BUTTON_PLACES[nButton].nTop);
    };
    EXPECT_FALSE(Page().abButtonActive[DRAFT_NEXT_YEAR]);
    EXPECT_FALSE(Click(DRAFT_PREVIOUS_ROUND));
    int nMoves = 0;
    while (Click(DRAFT_PREVIOUS_YEAR)) nMoves++;
    EXPECT_EQ(nMoves, 2);  // the drafts of 2004, 2005 and 2006
    EXPECT_STREQ(Page().szTitle, "2004 College Draft: Round 1");
    for (nMoves = 0; Click(DRAFT_NEXT_ROUND);) nMoves++;
    EXPECT_EQ(nMoves, NUMBER_OF_DRAFT_ROUNDS - 1);
    EXPECT_FALSE(Page().abButtonActive[DRAFT_NEXT_ROUND]);
}
}  // namespace
