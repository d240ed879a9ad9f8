// The Standings, Finances and Playoffs pages' contents, the championship
// page's choice and the heading editors.
#include "base/random.h"
#include "database/team.h"
#include "reports/championship.h"
#include "reports/finance_page.h"
#include "reports/heading_choice.h"
#include "reports/page_common.h"
#include "reports/playoff_page.h"
#include "reports/standings_page.h"
#include "season/playoffs.h"
#include "season/season_fixture.h"

namespace {
class SeasonPagesTest : public SeasonTest {
  protected:
    void SetUp() override {
        SeasonTest::SetUp();
        Make_Even_League(16, 2); // divisions 0..7, two teams each
        Set_League_Name("American", 0);
        Set_League_Name("National", 1);
        Set_Division_Name("East", 0);
        Set_Division_Name("West", 1);
        for (TNUM nTeam = 0; nTeam < 16; nTeam++) {
            char szName[32];
            snprintf(szName, sizeof szName, "Team%d", nTeam);
            Set_Team_String(szName, nTeam, TS_NICKNAME);
            snprintf(szName, sizeof szName, "City%d", nTeam);
            Set_Team_String(szName, nTeam, TS_CITY);
        }
        g_League.anGameState[GS_DRAFT_ROUND] = -1;
        Empty_Bracket();
    }
    static void Empty_Bracket() {
        for (int nSlot = 0; nSlot < PLAYOFF_SLOTS; nSlot++) {
            g_League.abPlayoffTeams[nSlot] = NO_TEAM;
            g_League.anPlayoffScores[nSlot] = 0;
        }
    }
    static void Put(int nSlot, TNUM nTeam, int nScore = 0) {
        g_League.abPlayoffTeams[nSlot] = nTeam;
        g_League.anPlayoffScores[nSlot] = nScore;
    }
};
} // namespace

TEST_F(SeasonPagesTest, StandingsTitleSwitchAndDivisions) {
    Set_Team_Stat(3, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Recompute_Standings();
    StandingsPage page;
    Fill_Standings_Page(&page);
    EXPECT_STREQ(page.szTitle, "AFC Standings");
    EXPECT_STREQ(page.szSwitch, "Click to see NFC");
    ASSERT_EQ(page.nDivisions, 4);
    EXPECT_STREQ(page.aDivisions[1].szName, "West");
    EXPECT_EQ(page.aDivisions[0].nTop, 96);
    EXPECT_EQ(page.aDivisions[1].nTop, 96 + 18 + 2 * 16);
    EXPECT_EQ(page.aDivisions[1].nRows, 2);
    EXPECT_STREQ(page.aDivisions[0].aRows[0].aszFixed[3], ".000");
    bool bHumanSeen = false;
    for (const StandingsRow& row : page.aDivisions[1].aRows)
        if (row.nTeam == 3) bHumanSeen = row.bHuman;
    EXPECT_TRUE(bHumanSeen);

    EXPECT_TRUE(Standings_Switch_At(500, 50));
    Switch_Shown_Conference();
    Fill_Standings_Page(&page);
    EXPECT_EQ(Get_Game_State(GS_CONFERENCE_VIEW), 1);
    EXPECT_STREQ(page.szTitle, "NFC Standings");
    EXPECT_STREQ(page.szSwitch, "Click to see AFC");
    EXPECT_EQ(page.aDivisions[0].aRows[0].nTeam, 8);

    g_League.anGameState[GS_DRAFT_ROUND] = 2; // the college draft: last season's standings
    Fill_Standings_Page(&page);
    EXPECT_STREQ(page.szTitle, "NFC Standings (2001)");
}

TEST_F(SeasonPagesTest, StandingsNeverRepeatOrLoseATeamOfAnUncomputedTable) {
    // A league fresh from its file: every place of the table reads team 0.
    memset(g_League.abStandingsOrder, 0, sizeof g_League.abStandingsOrder);
    StandingsPage page;
    Fill_Standings_Page(&page);
    ASSERT_EQ(page.nDivisions, 4);
    EXPECT_EQ(page.aDivisions[0].nRows, 2);
    EXPECT_EQ(page.aDivisions[0].aRows[0].nTeam, 0);
    EXPECT_EQ(page.aDivisions[0].aRows[1].nTeam, 1);
    EXPECT_EQ(page.aDivisions[3].aRows[1].nTeam, 7);
}

TEST_F(SeasonPagesTest, OneConferenceHasNoSwitch) {
    Make_Even_League(4, 2);
    g_League.anGameState[GS_CONFERENCE_VIEW] = 1;
    EXPECT_EQ(Shown_Conference(), 0);
    StandingsPage page;
    Fill_Standings_Page(&page);
    EXPECT_STREQ(page.szSwitch, "");
    EXPECT_FALSE(Standings_Switch_At(500, 50));
    EXPECT_EQ(page.nDivisions, 2);
}

TEST_F(SeasonPagesTest, HeadingsAnswerClicksWithinTheirColumns) {
    EXPECT_EQ(Standings_Heading_At(301, 71), 0);
    EXPECT_EQ(Standings_Heading_At(383, 95), 0);
    EXPECT_EQ(Standings_Heading_At(384, 80), 1);
    EXPECT_EQ(Standings_Heading_At(550, 80), 3);
    EXPECT_EQ(Standings_Heading_At(300, 80), -1);
    EXPECT_EQ(Standings_Heading_At(400, 96), -1);
    EXPECT_EQ(Finance_Heading_At(160, 44), 0);
    EXPECT_EQ(Finance_Heading_At(509, 60), 4);
    EXPECT_EQ(Finance_Heading_At(510, 50), -1);
    EXPECT_TRUE(Finance_Label_At(530, 370));
}

TEST_F(SeasonPagesTest, HeadingDialogStoresAtOnceAndCancelRestores) {
    g_League.anGameState[GS_STANDINGS_COLUMN + 2] = 7;
    HeadingChoice choice = Open_Heading_Choice(HEADINGS_STANDINGS, 2);
    Choose_Heading(choice, 25);
    EXPECT_EQ(Chosen_Heading(HEADINGS_STANDINGS, 2), 25);
    Choose_Heading(choice, 26); // no such column: ignored
    EXPECT_EQ(Chosen_Heading(HEADINGS_STANDINGS, 2), 25);
    Cancel_Heading_Choice(choice);
    EXPECT_EQ(Chosen_Heading(HEADINGS_STANDINGS, 2), 7);

    g_League.anGameState[GS_FINANCE_COLUMN + 4] = 15;
    choice = Open_Heading_Choice(HEADINGS_FINANCES, 4);
    Choose_Heading(choice, 35);
    EXPECT_EQ(Get_Game_State(GS_FINANCE_COLUMN + 4), 35);
    Cancel_Heading_Choice(choice);
    EXPECT_EQ(Get_Game_State(GS_FINANCE_COLUMN + 4), 15);
    EXPECT_EQ(Get_Game_State(GS_STANDINGS_COLUMN + 3), 0); // its neighbours untouched
    EXPECT_EQ(Heading_Choices(HEADINGS_FINANCES), 36);
    EXPECT_STREQ(Heading_Choice_Name(HEADINGS_FINANCES, 35), "Punters");
    EXPECT_STREQ(Heading_Choice_Name(HEADINGS_STANDINGS, 0), "Last 3");
}

TEST_F(SeasonPagesTest, StoredHeadingsOutOfRangeReadAsTheFirstColumn) {
    g_League.anGameState[GS_STANDINGS_COLUMN + 1] = 26;
    g_League.anGameState[GS_FINANCE_COLUMN + 1] = -3;
    EXPECT_EQ(Chosen_Heading(HEADINGS_STANDINGS, 1), 0);
    EXPECT_EQ(Chosen_Heading(HEADINGS_FINANCES, 1), 0);
    EXPECT_EQ(Chosen_Heading(HEADINGS_FINANCES, 5), 0); // no sixth heading
    FinancePage page;
    Fill_Finance_Page(&page);
    EXPECT_STREQ(page.aszHeadings[1], "Rating");
}

TEST_F(SeasonPagesTest, FinanceRowsOfTheShownConferenceInTeamOrder) {
    Set_Team_Stat(9, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    g_League.anGameState[GS_CONFERENCE_VIEW] = 1;
    g_League.anGameState[GS_FINANCE_COLUMN] = 15; // Cash
    Set_Team_Financial_Stat(10, FIN_CASH, -5);
    FinancePage page;
    Fill_Finance_Page(&page);
    EXPECT_STREQ(page.szLabel, "NFC");
    EXPECT_STREQ(page.aszHeadings[0], "Cash");
    ASSERT_EQ(page.nRows, 8);
    EXPECT_EQ(page.aRows[0].nTeam, 8);
    EXPECT_STREQ(page.aRows[0].szName, "City8");
    EXPECT_STREQ(page.aRows[1].szName, "CITY9");
    EXPECT_EQ(page.aRows[1].anColour[0], FINANCE_HUMAN);
    EXPECT_STREQ(page.aRows[2].aszValues[0], "-$5");
    EXPECT_EQ(page.aRows[2].anColour[0], FINANCE_NEGATIVE);
    EXPECT_EQ(page.aRows[3].anColour[0], FINANCE_PLAIN);
}

TEST_F(SeasonPagesTest, PlayoffSlotsShowScoresHigherFirstAndWhoWentOn) {
    g_League.anGameState[GS_CURRENT_WEEK] = 18;
    Put(0, 4, 17);
    Put(1, 5, 24);
    Put(4, 6);
    Put(5, 7);
    Put(16, 5);
    Set_Team_Stat(4, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    PlayoffPage page;
    Fill_Playoff_Page(&page);
    EXPECT_FALSE(page.bProvisional);
    EXPECT_EQ(page.nChampionSlot, 30);
    EXPECT_EQ(page.aSlots[0].nState, PLAYOFF_SLOT_LOST);
    EXPECT_TRUE(page.aSlots[0].bHuman);
    EXPECT_STREQ(page.aSlots[0].szScore, "24-17");
    EXPECT_STREQ(page.aSlots[0].szName, "Team4");
    EXPECT_EQ(page.aSlots[1].nState, PLAYOFF_SLOT_WON);
    EXPECT_STREQ(page.aSlots[1].szScore, "24-17");
    EXPECT_EQ(page.aSlots[4].nState, PLAYOFF_SLOT_WAITING);
    EXPECT_STREQ(page.aSlots[4].szScore, "");
    EXPECT_EQ(page.aSlots[16].nState, PLAYOFF_SLOT_WAITING);
    EXPECT_EQ(page.aSlots[2].nState, PLAYOFF_SLOT_EMPTY);
    // Still to be played for: the winner of 4-5, and the rounds above.
    EXPECT_EQ(page.aSlots[18].nState, PLAYOFF_SLOT_OPEN);
    EXPECT_EQ(page.aSlots[24].nState, PLAYOFF_SLOT_OPEN);
    EXPECT_EQ(page.aSlots[28].nState, PLAYOFF_SLOT_OPEN);
    EXPECT_EQ(page.aSlots[30].nState, PLAYOFF_SLOT_OPEN);
    EXPECT_EQ(page.aSlots[26].nState, PLAYOFF_SLOT_EMPTY);  // nobody in the other conference
    Put(30, 5);
    Fill_Playoff_Page(&page);
    EXPECT_EQ(page.aSlots[30].nState, PLAYOFF_SLOT_WON);
    g_League.anGameState[GS_CURRENT_WEEK] = 16;
    Fill_Playoff_Page(&page);
    EXPECT_TRUE(page.bProvisional);
}

TEST_F(SeasonPagesTest, ChampionshipGoesToTheBestHumanResult) {
    g_League.anGameState[GS_CURRENT_WEEK] = 21;
    Recompute_Standings();
    ChampionshipPage page;
    Fill_Championship_Page(&page);
    EXPECT_EQ(page.nTeam, NO_TEAM); // nobody human

    TNUM nLeader = Get_Standings_Team(2, 0), nOtherLeader = Get_Standings_Team(1, 0);
    Set_Team_Stat(Get_Standings_Team(0, 1), TEAM_STAT_CONTROL, HUMAN_MANAGED); // a runner-up only
    Fill_Championship_Page(&page);
    EXPECT_EQ(page.nTeam, NO_TEAM);
    Set_Team_Stat(nLeader, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Team_Stat(nOtherLeader, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Fill_Championship_Page(&page);
    EXPECT_EQ(page.nTeam, Min(nLeader, nOtherLeader)); // equal results: the first in code order
    EXPECT_EQ(page.nResult, CHAMPIONSHIP_DIVISION);
    EXPECT_STREQ(page.szPicture, "News\\Divchamp.jpg");
    EXPECT_STREQ(page.szSound, "celeb1.wav");

    Put(28, nLeader);
    Put(29, 12);
    Fill_Championship_Page(&page);
    EXPECT_EQ(page.nTeam, nLeader);
    EXPECT_EQ(page.nResult, CHAMPIONSHIP_CONFERENCE);
    EXPECT_STREQ(page.szPicture, "News\\Conferen.jpg");
    EXPECT_STREQ(page.szSound, "celeb2.wav");

    Put(30, 12);
    Set_Team_Stat(12, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Fill_Championship_Page(&page);
    EXPECT_EQ(page.nTeam, 12);
    EXPECT_STREQ(page.szPicture, "News\\Champs.jpg");
    EXPECT_STREQ(page.szSound, "celeb3.wav");
    EXPECT_STREQ(page.szYear, "2002");
    EXPECT_STREQ(page.szTeam, "City12 Team12");
}
