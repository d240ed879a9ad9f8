// A few weeks of the default league: stopping the loop, the injury alert,
// the auto-save rule and the turn of the season.
#include <filesystem>
#include <string>
#include <vector>

#include "database/integrity.h"
#include "database/player.h"
#include "database/season_state.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "default_season_fixture.h"
#include "personnel/injuries.h"
#include "personnel/negotiation.h"
#include "platform/platform.h"
#include "season/playoffs.h"
#include "season/schedule.h"
#include "season/season_loop.h"
#include "season/stored_games.h"
#include "season_fixture.h"
#include "trades/computer_trades.h"
#include "trades/implement_trade.h"

extern const PlatformOps g_HeadlessOps;

namespace {
int s_nPumps = 0;
bool s_bUseStopCommand = false;

// The window's message pump: the user chooses "&Stop" during the first game.
void Pump_With_Stop() {
    if (s_nPumps++ > 0) return;
    if (s_bUseStopCommand)
        Stop_Season_Loop();
    else
        Request_Stop();
}

class SeasonWeeksTest : public DefaultSeasonTest {
  protected:
    void SetUp() override {
        DefaultSeasonTest::SetUp();
        Start(5);
    }
    void TearDown() override {
        Platform_Install(nullptr);
        DefaultSeasonTest::TearDown();
    }
    void Play_With_Stop(bool bStopCommand) {
        static PlatformOps ops;
        ops = g_HeadlessOps;
        ops.pump_messages = Pump_With_Stop;
        s_nPumps = 0;
        s_bUseStopCommand = bStopCommand;
        Platform_Install(&ops);
        Play_Weeks(4);
        Platform_Install(nullptr);
    }
    static int Stored_Games() {
        int nCount = 0;
        StoredGame game;
        for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++) nCount += Stored_Game_Teams_And_Score(nGame, &game);
        return nCount;
    }
};
}  // namespace

TEST_F(SeasonWeeksTest, AStopDuringAWeekEndsTheLoopWhenTheWeekIsDone) {
    Play_With_Stop(false);
    EXPECT_EQ(Current_Week(), 1);
    EXPECT_EQ(Stored_Games(), Number_Of_Teams() / 2);  // the whole first week, nothing more
    EXPECT_FALSE(Stop_Requested());
    EXPECT_EQ(Get_Game_State(GS_SIMULATING), 0);

    Play_With_Stop(true);
    EXPECT_EQ(Current_Week(), 2);
    Play_Weeks(1);  // nothing left over from the stop
    EXPECT_EQ(Current_Week(), 3);
}

TEST_F(SeasonWeeksTest, AManagedPlayersLongInjuryStopsTheLoopAndIsReported) {
    Set_Team_Stat(0, TEAM_STAT_CONTROL, 1);
    Set_Team_Stat(1, TEAM_STAT_CONTROL, 1);
    Set_Injury_Alert(true, 1);
    Play_Weeks(8);
    EXPECT_LT(Current_Week(), 8);
    EXPECT_EQ(Get_Game_State(GS_PENDING_INJURY), 0);
    bool bReported = false;
    for (const RecordedNotice& notice : Headless_Notices()) bReported |= notice.title == "Injury";
    EXPECT_TRUE(bReported);
}

TEST_F(SeasonWeeksTest, AutoSaveWhenTheWeekModFourIsBelowTheWeeksPlayed) {
    Set_Game_State(GS_AUTOSAVE, 1);
    Set_Game_State(GS_CURRENT_WEEK, 4);
    Play_Weeks(1);
    EXPECT_EQ(Current_Week(), 5);
    EXPECT_TRUE(std::filesystem::remove(AUTO_SAVE_FILE));
    Play_Weeks(1);
    EXPECT_EQ(Current_Week(), 6);
    EXPECT_FALSE(std::filesystem::exists(AUTO_SAVE_FILE));
    Play_Weeks(4);  // 6 mod 4 = 2 is below 4
    EXPECT_TRUE(std::filesystem::exists(AUTO_SAVE_FILE));
}

// Only the weeks before the deadline count towards the offers to a person,
// and each run of weeks starts the count afresh.
TEST_F(SeasonWeeksTest, TheWeeksBeforeTheDeadlineCountTowardsTheOffers) {
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK - 2);
    Set_Game_State(GS_TRADE_ACTIVITY, TRADE_COMPLETED_MARK);
    Play_Weeks(4);
    EXPECT_EQ(Current_Week(), TRADE_DEADLINE_WEEK + 2);
    EXPECT_EQ(Get_Game_State(GS_TRADE_ACTIVITY), 2 * TRADE_ACTIVITY_PER_WEEK);
    Play_Weeks(1);
    EXPECT_EQ(Get_Game_State(GS_TRADE_ACTIVITY), 0);
}

TEST_F(SeasonWeeksTest, AfterTheFinalThePlayCommandStartsTheNextSeason) {
    // The season as it stands after the final, without playing it.
    Set_Game_State(GS_CURRENT_WEEK, Last_Playoff_Week() + 1);
    g_League.abPlayoffTeams[Champion_Slot()] = 3;
    Set_Team_Record_Stat(3, YR_WINS, 12);
    Set_Player_Season_Stat(3, 0, PERIOD_THIS_SEASON, SS_GAMES, 16);
    int nID = Get_Player_Vital_Stat(3, 0, VS_PLAYER_ID);
    int nSeason = Current_Season_Index();
    Copy_Field(g_League.szGameName, sizeof g_League.szGameName, "Turn");

    Play_Weeks(22);
    EXPECT_EQ(Current_Season_Index(), nSeason + 1);
    EXPECT_EQ(Current_Week(), 0);
    EXPECT_FALSE(Season_Is_Over());
    EXPECT_EQ(Get_Playoff_Team(Champion_Slot()), NO_TEAM);
    EXPECT_EQ(Stored_Games(), 0);
    TNUM nTeam;
    PNUM nPlayer;
    ASSERT_TRUE(Find_Player_ID(nID, &nTeam, &nPlayer));
    EXPECT_EQ(Get_Player_Season_Stat(nTeam, nPlayer, PERIOD_LAST_SEASON, SS_GAMES), 16);
    EXPECT_EQ(Get_Player_Season_Stat(nTeam, nPlayer, PERIOD_THIS_SEASON, SS_GAMES), 0);
    EXPECT_GE(Number_Of_Players(FREE_AGENT_TEAM), LAST_FREE_AGENT_FILL_SLOT + 1);
    for (TNUM t = 0; t < Number_Of_Teams(); t++) EXPECT_EQ(Games_Of(t), 16) << (int)t;
    EXPECT_TRUE(std::filesystem::exists("Turn.vtr"));
    // The finished season's money and record went into its yearly record.
    EXPECT_EQ(Get_Team_Yearly_Stat(3, nSeason, YR_WINS), 12);
    EXPECT_EQ(Get_Team_Financial_Stat(3, FIN_GAMES_SEASON), 0);
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << violations.front();
}

namespace {
// Small leagues, no games: the question before the off-season.
class ExpiringContractsTest : public SeasonTest {
  protected:
    void SetUp() override {
        SeasonTest::SetUp();
        Make_League({0, 0, 4, 4});
        for (TNUM nTeam = 0; nTeam < 2; nTeam++) {
            Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, 1);
            Set_Player_Vital_Stat(nTeam, 0, VS_PLAYER_ID, 100 + nTeam);
            Set_Player_Vital_Stat(nTeam, 0, VS_CONTRACT_LEFT, 1);
        }
        g_League.anCalendar[0] = 17;
        Set_Game_State(GS_CURRENT_WEEK, 23);
        g_League.abPlayoffTeams[Champion_Slot()] = 2;
    }
};
}  // namespace

TEST_F(ExpiringContractsTest, NoLeavesTheSeasonOverAndEverythingAsItWas) {
    Headless_Push_Answer(ANSWER_NO);
    uint32_t nBefore = Saved_Data_Checksum();
    EXPECT_FALSE(Start_Next_Season());
    EXPECT_EQ(Saved_Data_Checksum(), nBefore);
    ASSERT_EQ(Headless_Questions().size(), 1u);  // two teams, one question
    EXPECT_EQ(Headless_Questions()[0].title, "Start New Season");
    EXPECT_EQ(Headless_Questions()[0].text,
              "Your team(s) have players with expiring contracts. You should renegotiate these contracts before "
              "starting a new season (especially if you are close to the salary cap), or you may lose important "
              "players. Start a new season anyway?");

    Headless_Push_Answer(ANSWER_NO);
    Play_Weeks(22);
    EXPECT_TRUE(Season_Is_Over());
    EXPECT_EQ(Current_Week(), 23);
    EXPECT_EQ(Current_Season_Index(), 0);
}

// Yes goes on: the off-season runs and each expiring contract of a person's
// team is put to the negotiation, whose answer here is to let him go.
TEST_F(ExpiringContractsTest, YesGoesOnAndTheExpiringContractsAreNegotiated) {
    Set_Contract_Policy(CONTRACT_POLICY_RELEASE);
    Headless_Push_Answer(ANSWER_YES);
    EXPECT_TRUE(Start_Next_Season());
    Set_Contract_Policy(CONTRACT_POLICY_ASK);
    EXPECT_EQ(Current_Season_Index(), 1);
    EXPECT_EQ(Current_Week(), 0);
    // Let go to the pool, where a computer team short at his position may have signed him.
    for (TNUM nOldTeam = 0; nOldTeam < 2; nOldTeam++) {
        TNUM nTeam = NO_TEAM;
        EXPECT_TRUE(Find_Player_ID(100 + nOldTeam, &nTeam));
        EXPECT_NE(nTeam, nOldTeam) << int(nOldTeam);
        EXPECT_FALSE(Human_Managed(nTeam)) << int(nOldTeam);
    }
}

// The yearly records end with season index 99: no season may follow it.
TEST_F(ExpiringContractsTest, NoSeasonFollowsTheLastTheRecordsHold) {
    Set_Game_State(GS_SEASON_INDEX, NUMBER_OF_SEASONS - 1);
    EXPECT_FALSE(Start_Next_Season());
    EXPECT_TRUE(Headless_Questions().empty());
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Start New Season");
}

namespace {
// Four managed teams without a schedule: the calendar alone.
class SeasonCalendarTest : public SeasonTest {
  protected:
    void SetUp() override {
        SeasonTest::SetUp();
        Make_League({0, 0, 4, 4});
        for (TNUM nTeam = 0; nTeam < 4; nTeam++) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, 1);
        g_League.anCalendar[0] = 17;
        Clear_Playoff_Slots();
    }
};
}  // namespace

TEST_F(SeasonCalendarTest, TheRegularSeasonStopsAtThePlayoffsAndNothingRunsPastThem) {
    Set_Game_State(GS_CURRENT_WEEK, 15);
    Play_Weeks(4);
    EXPECT_EQ(Current_Week(), 17);
    Play_Weeks(22);
    EXPECT_EQ(Current_Week(), 23);  // the last playoff week is 22
    EXPECT_TRUE(Season_Is_Over());  // two one-division conferences: the final alone
    EXPECT_EQ(Get_Game_State(GS_SIMULATING), 0);
}
