// The review proper of a computer-managed team: the last three slots let go,
// a payroll at the cap trimmed to 53 players and no further, and the review's
// turn in the weekly cycle.
#include <filesystem>
#include <string>

#include "base/random.h"
#include "commands/core_hooks.h"
#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/player_creation.h"
#include "test_support.h"
#include "trades/roster_review.h"
#include "trades/team_needs.h"

namespace {
constexpr int CAP_OF_ONE_THOUSAND = 1000000;  // dollars: every payroll is over it
constexpr int HIGHEST_CAP = 999000000;
constexpr int TRIMMED_ROSTER = 53;
constexpr int SIGNING_LINE = 2000;
constexpr int ROSTER_ROOM = 65;
constexpr int POOL_DRAW = 65;
constexpr uint32_t SEED = 4711;
constexpr int DOLLARS_PER_CASH_LEVEL = 15000;  // the cash level is per mille of $15 million
constexpr TNUM STARRING_TEAM = 2;
constexpr int PRICELESS = 100000;  // thousands a year: far more than any team would pay

uint32_t g_nSeed = SEED;
bool g_bEliminated = false;
bool Test_Elimination(TNUM) { return g_bEliminated; }

class RosterReviewTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        g_nSeed = SEED;
        std::filesystem::create_directory_symlink(std::string(BRAKVELL_GAME_DIR) + "/names", m_WorkDir / "names");
        ASSERT_TRUE(Load_Game((std::string(BRAKVELL_GAME_DIR) + "/Universe.dat").c_str()));
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, 0);
        After_League_Loaded();
        Set_League_Rule(LR_SALARY_CAP, HIGHEST_CAP);
    }
    static void Fill_To(TNUM nTeam, int nPlayers) {
        while (Number_Of_Players(nTeam) < nPlayers) Make_Journeyman(nTeam, First_Empty_Slot(nTeam), POS_LB);
    }
    void TearDown() override {
        Install_Core_Hooks();  // the standings' elimination back
        LeagueTest::TearDown();
    }
    // The draw the next Random(n) will give; the generator is left where it was.
    static int Next_Draw(int n) {
        Seed_Random(g_nSeed);
        int nDraw = Random(n);
        Seed_Random(g_nSeed);
        return nDraw;
    }
    static void Reseed() { Seed_Random(g_nSeed); }
    static int Line_Cash_Level(TNUM nTeam) { return SIGNING_LINE - Ratio(1000, ROSTER_ROOM, Number_Of_Players(nTeam)); }
    static void Set_Cash_Level(TNUM nTeam, int nLevel) {
        Set_Team_Financial_Stat(nTeam, FIN_CASH, nLevel * DOLLARS_PER_CASH_LEVEL);
        ASSERT_EQ(Get_Team_Financial_Stat(nTeam, FIN_WEALTH), nLevel);
    }
    static void Set_Payroll_At_Cap(TNUM nTeam) {
        Set_League_Rule(LR_SALARY_CAP, Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000);
    }
    // The pool player the next signing draws: another team's first starter,
    // costing nSalary. The generator is seeded to draw his slot.
    static int Drawn_Pool_Player(int nSalary) {
        int nID = ID_At(STARRING_TEAM, 0);
        Release_To_Free_Agency(STARRING_TEAM, 0);
        PNUM nSlot;
        Find_Player_ID(nID, nullptr, &nSlot);
        EXPECT_LT(nSlot, POOL_DRAW);
        for (g_nSeed = SEED; Next_Draw(POOL_DRAW) != nSlot;) g_nSeed++;
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY, nSalary);
        return nID;
    }
    static int ID_At(TNUM nTeam, PNUM nPlayer) { return Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID); }
};
}  // namespace

TEST_F(RosterReviewTest, AFullRosterLetsItsLastThreeSlotsGo) {
    Fill_To(0, PLAYERS_PER_TEAM);
    int nKept = ID_At(0, 76), anLast[3] = {ID_At(0, 77), ID_At(0, 78), ID_At(0, 79)};
    Review_Roster_And_Payroll(0);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM - 3);
    for (int nID : anLast) EXPECT_EQ(Team_Of(nID), FREE_AGENT_TEAM) << nID;
    EXPECT_EQ(Team_Of(nKept), 0);
    EXPECT_FALSE(Is_Valid_Player(0, 77));
}

// The kickers stand last on an organised roster: a full roster lets go of
// the linebacker before them, never its only kicker or punter.
TEST_F(RosterReviewTest, TheLastSlotsNeverTakeTheOnlyKickerOrPunter) {
    Fill_To(0, PLAYERS_PER_TEAM);
    for (PNUM nBackup; (nBackup = Player_At_Depth(0, POS_K, 1)) != NO_PLAYER;) Delete_Player(0, nBackup);
    for (PNUM nBackup; (nBackup = Player_At_Depth(0, POS_P, 1)) != NO_PLAYER;) Delete_Player(0, nBackup);
    Fill_To(0, PLAYERS_PER_TEAM);
    int nKicker = ID_At(0, Player_At_Depth(0, POS_K, 0)), nPunter = ID_At(0, Player_At_Depth(0, POS_P, 0));
    int nLinebacker = ID_At(0, 77);
    Swap_Players(0, Player_At_Depth(0, POS_K, 0), 0, 78);
    Swap_Players(0, Player_At_Depth(0, POS_P, 0), 0, 79);
    Release_Last_Slots(0);
    EXPECT_EQ(Team_Of(nKicker), 0);
    EXPECT_EQ(Team_Of(nPunter), 0);
    EXPECT_EQ(Team_Of(nLinebacker), FREE_AGENT_TEAM);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM - 1);
}

TEST_F(RosterReviewTest, APayrollAtTheCapShedsTheWeakestDownToFiftyThree) {
    Fill_To(0, 60);
    int nWeakest = ID_At(0, Weakest_Player(0));
    Set_League_Rule(LR_SALARY_CAP, CAP_OF_ONE_THOUSAND);
    Review_Roster_And_Payroll(0);
    EXPECT_EQ(Number_Of_Players(0), TRIMMED_ROSTER);
    EXPECT_EQ(Team_Of(nWeakest), FREE_AGENT_TEAM);

    // Still over the cap, but the roster cannot spare anyone else.
    Review_Roster_And_Payroll(0);
    EXPECT_EQ(Number_Of_Players(0), TRIMMED_ROSTER);
}

TEST_F(RosterReviewTest, APayrollExactlyAtTheCapCountsAsOverAndOneReleaseEndsIt) {
    Fill_To(0, 60);
    int nPayroll = Get_Team_Financial_Stat(0, FIN_PAYROLL);
    Set_League_Rule(LR_SALARY_CAP, (nPayroll + 1) * 1000);  // just under: nobody goes
    Review_Roster_And_Payroll(0);
    EXPECT_EQ(Number_Of_Players(0), 60);
    Set_League_Rule(LR_SALARY_CAP, nPayroll * 1000);
    Review_Roster_And_Payroll(0);
    EXPECT_EQ(Number_Of_Players(0), 59);
}

TEST_F(RosterReviewTest, TheReviewRenewsTheMoneySettings) {
    Set_Team_Financial_Stat(0, FIN_TICKET_PRICE, 1);
    Set_Team_Financial_Stat(0, FIN_SCOUTING_BUDGET, 1);
    Review_Roster_And_Payroll(0);
    EXPECT_GT(Get_Team_Financial_Stat(0, FIN_TICKET_PRICE), 1);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_TICKET_PRICE) % 25, 0);
    EXPECT_NE(Get_Team_Financial_Stat(0, FIN_SCOUTING_BUDGET), 1);
}

TEST_F(RosterReviewTest, ATeamIsReviewedEverySixthWeekAndNeverInCommissionerMode) {
    Fill_To(0, PLAYERS_PER_TEAM);
    Fill_To(1, PLAYERS_PER_TEAM);
    // The week whose index, with the season's and the team code, makes a multiple of six.
    int nTurnOf0 = (6 - Current_Season_Index() % 6) % 6, nTurnOf1 = (nTurnOf0 + 5) % 6;
    Review_Computer_Rosters((nTurnOf0 + 2) % 6);  // neither team's turn
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM);
    EXPECT_EQ(Number_Of_Players(1), PLAYERS_PER_TEAM);
    Set_Game_State(GS_COMMISSIONER, 1);
    Review_Computer_Rosters(nTurnOf0);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM);
    Set_Game_State(GS_COMMISSIONER, 0);
    Review_Computer_Rosters(nTurnOf1);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM);
    EXPECT_EQ(Number_Of_Players(1), PLAYERS_PER_TEAM - 3);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Review_Computer_Rosters(nTurnOf0);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM);
}

TEST_F(RosterReviewTest, ATeamExactlyAtTheSigningLineSignsACheapPoolPlayer) {
    int nID = Drawn_Pool_Player(MINIMUM_SALARY);
    Set_Cash_Level(0, Line_Cash_Level(0));
    int nPlayers = Number_Of_Players(0);
    Sign_Or_Release(0);
    EXPECT_EQ(Team_Of(nID), 0);
    EXPECT_EQ(Number_Of_Players(0), nPlayers + 1);
}

TEST_F(RosterReviewTest, OneBelowTheSigningLineOrAtTheCapNobodyIsSigned) {
    g_bEliminated = false;
    Set_Elimination_Hook(Test_Elimination);
    int nID = Drawn_Pool_Player(MINIMUM_SALARY);
    Set_Cash_Level(0, Line_Cash_Level(0) - 1);
    Sign_Or_Release(0);
    EXPECT_EQ(Team_Of(nID), FREE_AGENT_TEAM);

    Reseed();
    Set_Cash_Level(0, SIGNING_LINE);
    Set_Payroll_At_Cap(0);
    Sign_Or_Release(0);
    EXPECT_EQ(Team_Of(nID), FREE_AGENT_TEAM);
}

TEST_F(RosterReviewTest, APoolPlayerNotWorthHisSalaryIsNotSigned) {
    int nID = Drawn_Pool_Player(PRICELESS);
    Set_Cash_Level(0, SIGNING_LINE);
    Sign_Or_Release(0);
    EXPECT_EQ(Team_Of(nID), FREE_AGENT_TEAM);
}

TEST_F(RosterReviewTest, OnlyAnEliminatedTeamSellsItsDrawnPlayerToThePool) {
    Set_Elimination_Hook(Test_Elimination);
    Fill_To(0, PLAYERS_PER_TEAM);
    Set_Payroll_At_Cap(0);
    Set_Cash_Level(0, 1000);  // the pool pays a million
    int nID = ID_At(0, (PNUM)Next_Draw(PLAYERS_PER_TEAM));

    g_bEliminated = false;
    Sign_Or_Release(0);
    EXPECT_EQ(Team_Of(nID), 0);

    Reseed();
    g_bEliminated = true;
    Sign_Or_Release(0);
    EXPECT_EQ(Team_Of(nID), FREE_AGENT_TEAM);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM - 1);
}

TEST_F(RosterReviewTest, ARichEliminatedTeamIsOfferedNothingAndKeepsHim) {
    Set_Elimination_Hook(Test_Elimination);
    g_bEliminated = true;
    Fill_To(0, PLAYERS_PER_TEAM);
    Set_Payroll_At_Cap(0);
    Set_Cash_Level(0, 1200);  // (1200 - 1200) / 200: no money, score 0
    int nID = ID_At(0, (PNUM)Next_Draw(PLAYERS_PER_TEAM));
    Sign_Or_Release(0);
    EXPECT_EQ(Team_Of(nID), 0);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM);
}

TEST_F(RosterReviewTest, OffseasonWorkFillsTheMinimumsTrimsThePayrollThenOrganises) {
    for (PNUM nPlayer = PLAYERS_PER_TEAM - 1; nPlayer >= 0; nPlayer--)
        if (Is_Valid_Player(0, nPlayer) && Get_Player_Vital_Stat(0, nPlayer, VS_POSITION) == POS_K) Delete_Player(0, nPlayer);
    Fill_To(0, 60);
    Swap_Players(0, 0, 0, (PNUM)(Number_Of_Players(0) - 1));  // a kicker or linebacker at the head of the offence
    Set_League_Rule(LR_SALARY_CAP, CAP_OF_ONE_THOUSAND);

    Computer_Offseason_Roster_Work(0);
    int nKickers = 0, nSide = SIDE_OFFENCE;
    for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(0); nPlayer++) {
        nKickers += Get_Player_Vital_Stat(0, nPlayer, VS_POSITION) == POS_K;
        EXPECT_GE(Get_Player_Side(0, nPlayer), nSide) << int(nPlayer);
        nSide = Get_Player_Side(0, nPlayer);
    }
    EXPECT_GE(nKickers, Minimum_Roster_Count(POS_K));
    EXPECT_EQ(Number_Of_Players(0), TRIMMED_ROSTER);
}
