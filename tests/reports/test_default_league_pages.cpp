// The season pages on the default league: before its first game, after a
// whole season played through the season loop, and in the next season's
// History.
#include <string>

#include "database/team.h"
#include "reports/championship.h"
#include "reports/finance_columns.h"
#include "reports/finance_page.h"
#include "reports/playoff_page.h"
#include "reports/standings_columns.h"
#include "reports/standings_page.h"
#include "reports/team_history.h"
#include "season/default_season_fixture.h"
#include "season/playoffs.h"
#include "season/season_loop.h"

namespace {
constexpr TNUM HUMAN_TEAM = 3;

class DefaultLeaguePagesTest : public DefaultSeasonTest {
  protected:
    void SetUp() override {
        DefaultSeasonTest::SetUp();
        Start(11);
        if (HasFatalFailure()) return;
        Set_Team_Stat(HUMAN_TEAM, TEAM_STAT_CONTROL, 1);
        Headless_Reset();
    }
    static std::string Finance(TNUM nTeam, int nColumn) {
        char szText[DIALOG_TEXT];
        Finance_Column_Text(nTeam, nColumn, szText);
        return szText;
    }
    static void Play_Season() {
        Play_Weeks(22);
        while (!Season_Is_Over() && Current_Week() < SCHEDULE_SLOTS + 6)
            Play_Weeks(1);
    }
};
} // namespace

TEST_F(DefaultLeaguePagesTest, EveryColumnOfEveryTeamHasItsTextBeforeTheFirstGame) {
    ASSERT_GT(Number_Of_Teams(), 0);
    FinanceAverages averages;
    Compute_Finance_Averages(&averages);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        char szText[DIALOG_TEXT];
        for (int nColumn = 0; nColumn < NUMBER_OF_STANDINGS_COLUMNS; nColumn++) {
            Standings_Column_Text(nTeam, nColumn, szText);
            EXPECT_NE(szText[0], '\0') << (int)nTeam << " standings column " << nColumn;
        }
        for (int nColumn = 0; nColumn < NUMBER_OF_FINANCE_COLUMNS; nColumn++) {
            Finance_Column_Text(nTeam, nColumn, szText, &averages);
            EXPECT_NE(szText[0], '\0') << (int)nTeam << " finance column " << nColumn;
        }
        EXPECT_EQ(Finance(nTeam, FC_ATTENDANCE), "n/a");
    }
    for (int nGroup = 0; nGroup < NUMBER_OF_STRENGTH_GROUPS; nGroup++)
        EXPECT_GT(League_Group_Strength(nGroup), 0) << "group " << nGroup;
    PlayoffPage playoffs;
    Fill_Playoff_Page(&playoffs);
    EXPECT_TRUE(playoffs.bProvisional);
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(DefaultLeaguePagesTest, AfterASeasonTheBracketIsCompleteAndTheHistoryHasItsLine) {
    Play_Season();
    ASSERT_TRUE(Season_Is_Over());
    PlayoffPage playoffs;
    Fill_Playoff_Page(&playoffs);
    EXPECT_FALSE(playoffs.bProvisional);
    const PlayoffSlotView& champion = playoffs.aSlots[playoffs.nChampionSlot];
    EXPECT_EQ(champion.nState, PLAYOFF_SLOT_WON);
    EXPECT_EQ(champion.nTeam, Get_League_Champion());
    int nWon = 0, nLost = 0;
    for (int nSlot = 0; nSlot < CHAMPION_SLOT; nSlot++) {
        const PlayoffSlotView& slot = playoffs.aSlots[nSlot];
        EXPECT_NE(slot.nState, PLAYOFF_SLOT_OPEN) << nSlot;
        EXPECT_NE(slot.nState, PLAYOFF_SLOT_WAITING) << nSlot;
        nWon += slot.nState == PLAYOFF_SLOT_WON;
        nLost += slot.nState == PLAYOFF_SLOT_LOST;
        if (slot.nState == PLAYOFF_SLOT_WON || slot.nState == PLAYOFF_SLOT_LOST) {
            EXPECT_NE(slot.szScore[0], '\0') << nSlot;
        }
    }
    EXPECT_EQ(nWon, nLost);
    EXPECT_EQ(nWon, 11); // six seeds in each conference: 4 + 4 + 2 + 1 games

    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        EXPECT_NE(Finance(nTeam, FC_ATTENDANCE), "n/a") << (int)nTeam;
        char szText[DIALOG_TEXT];
        Standings_Column_Text(nTeam, SC_POINTS_FOR, szText);
        EXPECT_STRNE(szText, "0.0") << (int)nTeam;
    }
    ChampionshipPage championship;
    Fill_Championship_Page(&championship);
    EXPECT_TRUE(championship.nTeam == NO_TEAM || championship.nTeam == HUMAN_TEAM);

    Play_Weeks(1); // "Start Next Season"
    TeamHistory history;
    Fill_Team_History(HUMAN_TEAM, &history);
    ASSERT_EQ(history.nSeasons, 1);
    char szOutcome[DIALOG_TEXT];
    Season_Outcome_Text(HUMAN_TEAM, Get_Team_Yearly_Stat(HUMAN_TEAM, 0, YR_OUTCOME), szOutcome);
    EXPECT_NE(szOutcome[0], '\0');
    EXPECT_NE(std::string(history.aszLines[0]).find(szOutcome), std::string::npos) << history.aszLines[0];
    EXPECT_STRNE(history.szRecord, "Record: n/a");
}
