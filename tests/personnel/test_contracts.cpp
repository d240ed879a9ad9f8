#include "personnel/contracts.h"

#include "database/player.h"
#include "database/season_state.h"
#include "personnel/ratings.h"
#include "test_support.h"

namespace {
class ContractsTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Game_League(5, 2);
        Decide_Champion(NO_TEAM);
    }
    static void Decide_Champion(TNUM nTeam) { g_League.abPlayoffTeams[Champion_Slot()] = (int8_t)nTeam; }
    // The most valuable player of team 0: his asking salary is well clear of the minimum.
    static PNUM Star() {
        PNUM nBest = 0;
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(0, nPlayer) && Player_Current_Value(0, nPlayer) > Player_Current_Value(0, nBest))
                nBest = nPlayer;
        return nBest;
    }
    static int Asking(TNUM nTeam, PNUM nPlayer, int nYears, int nBonus) {
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT, nYears);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, nBonus);
        Compute_Asking_Salary(nTeam, nPlayer);
        return Get_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY);
    }
};
}  // namespace

TEST_F(ContractsTest, AskingSalaryIsTheMinimumOrEndsInZero) {
    EXPECT_EQ(Round_Asking_Salary(-4000), MINIMUM_SALARY);
    EXPECT_EQ(Round_Asking_Salary(MINIMUM_SALARY), MINIMUM_SALARY);
    EXPECT_EQ(Round_Asking_Salary(MINIMUM_SALARY + 1), 230);
    EXPECT_EQ(Round_Asking_Salary(230), 230);
    int nAboveMinimum = 0;
    for (TNUM nTeam = 0; nTeam < 2; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            if (!Is_Valid_Player(nTeam, nPlayer)) continue;
            for (int nYears = 0; nYears <= 7; nYears++)
                for (int nBonus : {0, 400, 5000}) {
                    int nSalary = Asking(nTeam, nPlayer, nYears, nBonus);
                    ASSERT_TRUE(nSalary == MINIMUM_SALARY || (nSalary > MINIMUM_SALARY && nSalary % 10 == 0)) << nSalary;
                    ASSERT_GE(Get_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS), nBonus);
                    if (nSalary > MINIMUM_SALARY) nAboveMinimum++;
                }
            int nMinimumBonus = Minimum_Signing_Bonus(nTeam, nPlayer);
            EXPECT_GE(nMinimumBonus, 0);
            EXPECT_EQ(nMinimumBonus % 100, 0);
        }
    EXPECT_GT(nAboveMinimum, 0);
}

TEST_F(ContractsTest, OnlyYoungPlayersTradeYearsForSalary) {
    // Without a minimum bonus to buy down, a player of 28 or more asks one
    // salary whatever the length.
    int nTried = 0;
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
        if (!Is_Valid_Player(0, nPlayer)) continue;
        for (int nAge : {28, 29, 36}) {
            Set_Player_Vital_Stat(0, nPlayer, VS_AGE, nAge);
            if (Minimum_Signing_Bonus(0, nPlayer) != 0 || Base_Asking_Salary(0, nPlayer) < 300) continue;
            nTried++;
            int nOneYear = Asking(0, nPlayer, 1, 0);
            for (int nYears = 2; nYears <= 7; nYears++) ASSERT_EQ(Asking(0, nPlayer, nYears, 0), nOneYear) << nAge;
        }
    }
    EXPECT_GT(nTried, 0);
    PNUM nStar = Star();
    Set_Player_Vital_Stat(0, nStar, VS_AGE, 23);
    EXPECT_GT(Asking(0, nStar, 7, 0), Asking(0, nStar, 1, 0));
    // A bonus spread over the years buys the salary down.
    EXPECT_LT(Asking(0, nStar, 4, 4000), Asking(0, nStar, 4, 0));
}

TEST_F(ContractsTest, VeteransPreferShorterContracts) {
    PNUM nStar = Star();
    Set_Player_Vital_Stat(0, nStar, VS_AGE, 31);
    int nAt31 = Preferred_Contract_Length(0, nStar);
    Set_Player_Vital_Stat(0, nStar, VS_AGE, 32);
    int nAt32 = Preferred_Contract_Length(0, nStar);
    EXPECT_LT(nAt32, nAt31);
    EXPECT_GE(nAt32, 2);
    Set_Player_Vital_Stat(0, nStar, VS_AGE, 45);
    EXPECT_EQ(Preferred_Contract_Length(0, nStar), 2);
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
        if (!Is_Valid_Player(1, nPlayer)) continue;
        int nLength = Preferred_Contract_Length(1, nPlayer);
        EXPECT_TRUE(nLength >= 2 && nLength <= 7) << nLength;
    }
}

TEST_F(ContractsTest, FirstOverallPickTakesTheTopOfTheRookieScale) {
    constexpr TNUM PROSPECTS = DRAFT_POOL_TEAMS;
    Copy_Player(PROSPECTS, 0, 0, Star());
    Set_Player_Vital_Stat(PROSPECTS, 0, VS_AGE, 22);
    Set_Game_State(GS_DRAFT_ROUND, 0);
    Set_Game_State(GS_DRAFT_PICK, 0);
    EXPECT_EQ(Rookie_Draft_Position(PROSPECTS, 0), 0);
    EXPECT_EQ(Preferred_Contract_Length(PROSPECTS, 0), 6);
    EXPECT_EQ(Minimum_Signing_Bonus(PROSPECTS, 0), 9500);
    // At his preferred six years: 90% of 4000 and a tenth of his own asking,
    // less the 9500 bonus grown at 12% a year (18752) spread over six years.
    int nBase = Base_Asking_Salary(PROSPECTS, 0);
    EXPECT_EQ(Asking(PROSPECTS, 0, 6, 0), Round_Asking_Salary(3600 + nBase / 10 - 3125));
    EXPECT_EQ(Get_Player_Vital_Stat(PROSPECTS, 0, VS_BONUS), 9500);

    // Half a round in a league of two teams: draft position 150.
    Set_Game_State(GS_DRAFT_ROUND, 1);
    Set_Game_State(GS_DRAFT_PICK, 1);
    EXPECT_EQ(Rookie_Draft_Position(PROSPECTS, 0), 150);
}

TEST_F(ContractsTest, RookieScaleIsReadBetweenItsEntriesAndClamped) {
    EXPECT_EQ(Rookie_Salary(-100), Rookie_Salary(0));
    EXPECT_EQ(Rookie_Salary(25), (Rookie_Salary(0) + Rookie_Salary(50)) / 2);
    EXPECT_EQ(Rookie_Bonus(75), (Rookie_Bonus(50) + Rookie_Bonus(100)) / 2);
    EXPECT_EQ(Rookie_Salary(699), Rookie_Salary(700));  // the last two entries are equal
    EXPECT_EQ(Rookie_Salary(100000), Rookie_Salary(700));
    EXPECT_EQ(Rookie_Bonus(100000), 0);
    for (int p = 0; p < 700; p++) {
        ASSERT_GE(Rookie_Salary(p), Rookie_Salary(p + 1)) << p;
        ASSERT_GE(Rookie_Bonus(p), Rookie_Bonus(p + 1)) << p;
        ASSERT_GE(Rookie_Contract_Length(p), Rookie_Contract_Length(p + 1)) << p;
    }
}

TEST_F(ContractsTest, FreeAgentsAskMostBetweenSeasonsAndLeastInMidSeason) {
    PNUM nStar = Star();
    Copy_Player(FREE_AGENT_TEAM, 0, 0, nStar);
    auto Pool_And_Team = [&](int nWeek) {
        Set_Game_State(GS_CURRENT_WEEK, nWeek);
        return std::make_pair(Base_Asking_Salary(FREE_AGENT_TEAM, 0), Base_Asking_Salary(0, nStar));
    };
    auto [nWeek0, nTeam0] = Pool_And_Team(0);
    ASSERT_GT(nTeam0, 1000);
    EXPECT_NEAR(nWeek0, nTeam0 * 125 / 100, 15);
    auto [nWeek6, nTeam6] = Pool_And_Team(6);
    EXPECT_NEAR(nWeek6, nTeam6 * 65 / 100, 15);
    EXPECT_EQ(Pool_And_Team(11).first, nWeek6);
    auto [nWeek12, nTeam12] = Pool_And_Team(12);
    EXPECT_EQ(nWeek12, nTeam12);
    EXPECT_EQ(Pool_And_Team(20).first, nTeam12);  // playoffs still running
    Decide_Champion(0);
    EXPECT_EQ(Pool_And_Team(20).first, nWeek0);
}

TEST_F(ContractsTest, SigningWindow) {
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK - 1);
    EXPECT_TRUE(Signing_Window_Open());
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK);
    EXPECT_FALSE(Signing_Window_Open());
    Set_Game_State(GS_COMMISSIONER, 1);
    EXPECT_TRUE(Signing_Window_Open());
    Set_Game_State(GS_COMMISSIONER, 0);
    Decide_Champion(1);
    EXPECT_TRUE(Signing_Window_Open());
}
