#include "base/random.h"
#include "commands/core_hooks.h"
#include "database/team.h"
#include "finance/attendance.h"
#include "finance/factors.h"
#include "money_league.h"
#include "season/stored_games.h"

namespace {
class FactorsTest : public MoneyTest {};

TEST_F(FactorsTest, LoneCityOfThreeAndAHalfMillionIsTheReferenceMarket) {
    Make_League(2);
    EXPECT_EQ(1000, Competition_Factor(0));
    EXPECT_EQ(MARKET_OF_3500000, Team_Market(0));
}

TEST_F(FactorsTest, NeighboursShareTheMarket) {
    Make_League(3);
    Move_Team_To_City_Of(1, 0);
    EXPECT_EQ(667, Competition_Factor(0));
    EXPECT_EQ(74877, Team_Market(0));
    // 1500 thousandths away counts a quarter as much; 2000 away not at all.
    g_League.aCities[2].anData[CITY_LONGITUDE] = g_League.aCities[0].anData[CITY_LONGITUDE] + 1500;
    Move_Team_To_City_Of(1, 2);
    EXPECT_EQ(800, Competition_Factor(0)); // two such neighbours
    g_League.aCities[2].anData[CITY_LONGITUDE] = g_League.aCities[0].anData[CITY_LONGITUDE] + 1000;
    g_League.aCities[2].anData[CITY_LATITUDE] = g_League.aCities[0].anData[CITY_LATITUDE] - 1000;
    EXPECT_EQ(1000, Competition_Factor(0));
}

TEST_F(FactorsTest, LeagueWealthNeverFallsBelowHalf) {
    Make_League(2);
    EXPECT_EQ(1000, League_Wealth());
    Set_Fin(0, FIN_CASH, -40000000);
    Set_Fin(1, FIN_CASH, 0);
    EXPECT_EQ(500, League_Wealth());
}

TEST_F(FactorsTest, LeagueWealthAveragesWithoutOverflow) {
    Make_League(3);
    for (TNUM nTeam = 0; nTeam < 3; nTeam++)
        Set_Fin(nTeam, FIN_CASH, 1000000000);
    EXPECT_EQ(66667, League_Wealth());
}

TEST_F(FactorsTest, SpendingFollowsDifficultyForHumanTeamsOnly) {
    Make_League(2);
    EXPECT_EQ(6000, Spending_Index(0));
    g_League.anGameState[GS_DIFFICULTY] = 0;
    EXPECT_EQ(6600, Spending_Index(0));
    g_League.anGameState[GS_DIFFICULTY] = 3;
    EXPECT_EQ(4800, Spending_Index(0));
    g_League.aTeams[0].data.anStats[TEAM_STAT_CONTROL] = 0;
    for (int i = 0; i < 50; i++)
        Add_Player(0, 1000, 25, 2); // payroll 50000, not small
    EXPECT_EQ(6000, Spending_Index(0));
}

TEST_F(FactorsTest, ComputerTeamsWithSmallPayrollsSpendMore) {
    Make_League(2);
    g_League.aTeams[0].data.anStats[TEAM_STAT_CONTROL] = 0;
    EXPECT_EQ(12000, Spending_Index(0));
}

TEST_F(FactorsTest, WealthLowersAndDebtRaisesAmounts) {
    Make_League(2);
    Set_Fin(0, FIN_CASH, 200000000);
    EXPECT_EQ(500, Apply_Cash_Factors(0, 1000));
    Set_Fin(0, FIN_CASH, -15000000);
    EXPECT_EQ(1000, Apply_Cash_Factors(0, 1000));
    Set_Fin(0, FIN_CASH, -30000000);
    EXPECT_EQ(2000, Apply_Cash_Factors(0, 1000));
}

TEST_F(FactorsTest, EveryPlayoffWeekIsPostseason) {
    Make_League(2);
    g_League.anGameState[GS_CURRENT_WEEK] = 16;
    EXPECT_FALSE(Is_Postseason());
    g_League.anGameState[GS_CURRENT_WEEK] = 17;
    EXPECT_TRUE(Is_Postseason());
}

class AttendanceTest : public MoneyTest {
  protected:
    void SetUp() override {
        MoneyTest::SetUp();
        Make_League(2);
    }
};

TEST_F(AttendanceTest, PriceAtTheCeilingDrawsFourThousand) {
    ASSERT_EQ(6000, Ticket_Price_Ceiling(0, 1));
    Set_Fin(0, FIN_TICKET_PRICE, 6000);
    EXPECT_EQ(4000, Game_Attendance_Demand(0, 1));
}

TEST_F(AttendanceTest, AboveTheCeilingTheCrowdFallsSlowlyAndStopsAtZero) {
    Set_Fin(0, FIN_TICKET_PRICE, 6060);
    int nCrowd = Game_Attendance_Demand(0, 1);
    EXPECT_GT(nCrowd, 3500);
    EXPECT_LT(nCrowd, 4000);
    Set_Fin(0, FIN_TICKET_PRICE, 12000);
    EXPECT_EQ(0, Game_Attendance_Demand(0, 1));
    Set_Fin(0, FIN_TICKET_PRICE, 50000);
    EXPECT_EQ(0, Game_Attendance_Demand(0, 1));
}

TEST_F(AttendanceTest, BroadcastPolicyAndPostseasonMultiplyTheCrowd) {
    Set_Fin(0, FIN_TICKET_PRICE, 0);
    EXPECT_EQ(112260, Game_Attendance_Demand(0, 1));
    Set_Fin(0, FIN_BROADCAST_POLICY, 1);
    EXPECT_EQ(117873, Game_Attendance_Demand(0, 1));
    Set_Fin(0, FIN_BROADCAST_POLICY, 2);
    EXPECT_EQ(140325, Game_Attendance_Demand(0, 1));
    g_League.anGameState[GS_CURRENT_WEEK] = 17;
    EXPECT_EQ(168390, Game_Attendance_Demand(0, 1));
    Set_Fin(0, FIN_BROADCAST_POLICY, 0);
    EXPECT_EQ(168390, Game_Attendance_Demand(0, 1));
}

TEST_F(AttendanceTest, NeverMoreThanTheStadiumHolds) {
    Set_Fin(0, FIN_TICKET_PRICE, 0);
    g_League.aTeams[0].data.anStadium[STADIUM_CAPACITY] = 65000;
    EXPECT_EQ(65000, Game_Attendance_Demand(0, 1));
    g_League.aTeams[0].data.anStadium[STADIUM_CAPACITY] = -5;
    EXPECT_EQ(0, Game_Attendance_Demand(0, 1));
}

TEST_F(AttendanceTest, StreaksCountBackFromTheLastPlayedGame) {
    Record_Result(0, 1, 0, 10, 20);
    Record_Result(1, 0, 1, 7, 14);
    Record_Result(0, 1, 2, 21, 3);
    int nWins, nLosses;
    Get_Team_Streaks(0, &nWins, &nLosses);
    EXPECT_EQ(2, nWins);
    EXPECT_EQ(0, nLosses);
    EXPECT_EQ(6360, Ticket_Price_Ceiling(0, 1));
    Get_Team_Streaks(1, &nWins, &nLosses);
    EXPECT_EQ(0, nWins);
    EXPECT_EQ(2, nLosses);
    EXPECT_EQ(5760, Ticket_Price_Ceiling(1, 0));
}

TEST_F(AttendanceTest, ATieEndsTheStreakAndByeWeeksAreSkipped) {
    g_League.anGameState[GS_CURRENT_WEEK] = 5;
    Record_Result(0, 1, 0, 10, 20);
    Record_Result(0, 1, 1, 10, 10);
    Record_Result(0, 1, 2, 10, 0);
    Record_Result(0, 1, 4, 10, 0); // week 3 is a bye
    int nWins, nLosses;
    Get_Team_Streaks(0, &nWins, &nLosses);
    EXPECT_EQ(2, nWins);
    EXPECT_EQ(0, nLosses);
}

TEST_F(AttendanceTest, ThisWeeksGameIsNotYetPartOfTheStreak) {
    Record_Result(0, 1, 3, 30, 0);
    int nWins, nLosses;
    Get_Team_Streaks(0, &nWins, &nLosses);
    EXPECT_EQ(0, nWins);
}

TEST_F(AttendanceTest, RecordsAndVisitorLoyaltyMoveTheCeiling) {
    g_League.aTeams[0].data.anYearly[0][YR_WINS] = 5; // 5-0 at home
    g_League.aTeams[1].data.anFinancial[FIN_FAN_LOYALTY] = 1200;
    // 6000 x 30/25, then x 2000/2000 for an 0-0 visitor, then x 2200/2000.
    EXPECT_EQ(7920, Ticket_Price_Ceiling(0, 1));
}

TEST_F(AttendanceTest, BadTeamsDrawNobody) {
    EXPECT_EQ(0, Game_Attendance_Demand(0, 5));
    EXPECT_TRUE(Logged("Invalid nTeam in Game_Attendance_Demand(0, 5)"));
    EXPECT_EQ(0, Game_Attendance_Demand(FREE_AGENT_TEAM, 0));
}
} // namespace

// A program that forgets to connect the layers must say so, not quietly
// price every game as if nobody had ever won.
TEST_F(AttendanceTest, WithoutTheResultHookThereIsNoStreakAndTheLogSaysWhy) {
    Record_Result(0, 1, 0, 21, 3);
    Record_Result(0, 1, 1, 21, 3);
    Set_Game_Result_Hook(nullptr);
    int nWins = -1, nLosses = -1;
    Get_Team_Streaks(0, &nWins, &nLosses);
    Install_Core_Hooks();
    EXPECT_EQ(0, nWins);
    EXPECT_EQ(0, nLosses);
    EXPECT_TRUE(Logged("No game result hook in Get_Team_Streaks()"));
    Get_Team_Streaks(0, &nWins, &nLosses);
    EXPECT_EQ(2, nWins);
}

// A record whose teams are no longer the slot's is a game of another season.
TEST_F(AttendanceTest, AReusedGameRecordBreaksNoStreak) {
    Record_Result(0, 1, 0, 21, 3);
    Record_Result(0, 1, 1, 21, 3);
    Record_Result(0, 1, 2, 21, 3);
    Set_Stored_Game(1, 2, 3, 0, 50, 1); // week 1's record now holds another pairing
    int nWins, nLosses;
    Get_Team_Streaks(0, &nWins, &nLosses);
    EXPECT_EQ(2, nWins);
    EXPECT_EQ(GAME_NOT_PLAYED, Slot_Game_Result(0, 1));
    EXPECT_EQ(GAME_NOT_PLAYED, Slot_Game_Result(0, 3)); // this week's slot is empty
    EXPECT_EQ(GAME_LOST, Slot_Game_Result(1, 2));
}

TEST_F(AttendanceTest, AGameRecordOutsideTheTableIsNoResult) {
    ASSERT_EQ(1, Schedule_Game(0, 1, 0));
    for (int nRecord : {-1, NUMBER_OF_GAME_RECORDS}) {
        Set_Schedule_Field(0, 0, SLOT_GAME_RECORD, nRecord);
        EXPECT_EQ(GAME_NOT_PLAYED, Slot_Game_Result(0, 0)) << nRecord;
    }
}
