// The finances page's chosen columns: grades, money texts and their edges.
#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "finance/dialog_support.h"
#include "finance/factors.h"
#include "finance/money_league.h"
#include "reports/finance_columns.h"

namespace {
class FinanceColumnsTest : public MoneyTest {
  protected:
    void SetUp() override {
        MoneyTest::SetUp();
        Make_League(4);
    }
    static std::string Text(TNUM nTeam, int nColumn) {
        char szText[DIALOG_TEXT];
        Finance_Column_Text(nTeam, nColumn, szText);
        return szText;
    }
    // A player of the position whose Predicted counters are all n.
    static void Add_Rated_Player(TNUM nTeam, int nPosition, int n) {
        PNUM nPlayer = First_Empty_Slot(nTeam);
        ASSERT_NE(NO_PLAYER, nPlayer);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID, 5000 + nTeam * 100 + nPlayer);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION, nPosition);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_AGE, 27);
        for (int nStat = 0; nStat < NUMBER_OF_COUNTERS; nStat++)
            Set_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, nStat, n);
    }
};
} // namespace

TEST(LetterGrade, StepsOfFiftyWithAPlusAboveTheTop) {
    EXPECT_STREQ(Letter_Grade(-5000), "F ");
    EXPECT_STREQ(Letter_Grade(0), "F ");
    EXPECT_STREQ(Letter_Grade(674), "F ");
    EXPECT_STREQ(Letter_Grade(675), "D-");
    EXPECT_STREQ(Letter_Grade(725), "D-"); // the table names D- twice
    EXPECT_STREQ(Letter_Grade(774), "D-");
    EXPECT_STREQ(Letter_Grade(775), "D ");
    EXPECT_STREQ(Letter_Grade(1000), "C+");
    EXPECT_STREQ(Letter_Grade(1100), "B ");
    EXPECT_STREQ(Letter_Grade(1224), "A-");
    EXPECT_STREQ(Letter_Grade(1225), "A ");
    EXPECT_STREQ(Letter_Grade(1274), "A ");
    EXPECT_STREQ(Letter_Grade(1275), "A+");
    EXPECT_STREQ(Letter_Grade(100000), "A+");
    EXPECT_EQ(Letter_Grade_Index(1275), 13);
    EXPECT_EQ(Letter_Grade_Index(1274), 12);
}

TEST_F(FinanceColumnsTest, HeadingsAreTheThirtySixOfTheVocabulary) {
    EXPECT_EQ(NUMBER_OF_FINANCE_COLUMNS, 36);
    EXPECT_STREQ(Finance_Column_Name(FC_RATING), "Rating");
    EXPECT_STREQ(Finance_Column_Name(FC_CAP_ROOM), "Cap Room");
    EXPECT_STREQ(Finance_Column_Name(FC_QUARTERBACKS), "Quarterbacks");
    EXPECT_STREQ(Finance_Column_Name(Strength_Column(SG_RETURN_TEAMS)), "Return Teams");
    EXPECT_STREQ(Finance_Column_Name(FC_PUNTERS), "Punters");
    EXPECT_STREQ(Finance_Column_Name(36), "");
}

TEST_F(FinanceColumnsTest, AttendanceIsNotAvailableBeforeTheFirstHomeGame) {
    EXPECT_EQ(Text(0, FC_ATTENDANCE), "n/a");
    Set_Fin(0, FIN_HOME_ATTENDANCE_SEASON, 130001);
    Set_Fin(0, FIN_HOME_GAMES_SEASON, 2);
    EXPECT_EQ(Text(0, FC_ATTENDANCE), "65,000");
}

TEST_F(FinanceColumnsTest, MoneyTextsAndANegativeProfit) {
    Set_Fin(0, FIN_TICKET_REVENUE_SEASON, 1000); // ticket revenue
    Set_Fin(0, FIN_OPERATIONS_SEASON, 5000); // operating expenses: a loss, so a tax credit of 1,399
    EXPECT_EQ(Text(0, FC_REVENUE), "$1,000");
    EXPECT_EQ(Text(0, FC_EXPENSES), "$3,601");
    EXPECT_EQ(Text(0, FC_PROFIT), "-$2,601");
    EXPECT_EQ(Text(0, FC_CASH), "$15,000,000");
    Set_Fin(0, FIN_LOCAL_BROADCAST_SEASON, 250000);
    Set_Fin(0, FIN_NATIONAL_BROADCAST_SEASON, 1234567);
    EXPECT_EQ(Text(0, FC_LOCAL), "$250,000");
    EXPECT_EQ(Text(0, FC_NATIONAL), "$1,234,567");
    EXPECT_EQ(Text(0, FC_BROADCAST), "$1,484,567");
    EXPECT_EQ(Text(0, FC_TICKET_PRICE), "$25.00");
    Set_Fin(0, FIN_TICKET_PRICE, 4205);
    EXPECT_EQ(Text(0, FC_TICKET_PRICE), "$42.05");
}

TEST_F(FinanceColumnsTest, PayrollSalaryAgeAndCapRoom) {
    Add_Player(0, 2345, 25, 3);
    Add_Player(0, 1000, 30, 2);
    int nPayroll = Fin(0, FIN_PAYROLL);
    char szExpected[64];
    snprintf(szExpected, sizeof szExpected, "$%d.%dM", nPayroll / 1000, nPayroll % 1000 / 100);
    EXPECT_EQ(Text(0, FC_PAYROLL), szExpected);
    EXPECT_EQ(Text(0, FC_AVERAGE_SALARY), "$0.06M"); // 3,345 / 53 = 63 thousand
    EXPECT_EQ(Text(0, FC_AVERAGE_AGE), "1.0");       // ratio(10, 55, 53)
    EXPECT_EQ(Text(0, FC_CONTRACT), "0.1");
    Set_League_Rule(LR_SALARY_CAP, 999);
    EXPECT_EQ(Text(0, FC_CAP_ROOM), "n/a");
    Set_League_Rule(LR_SALARY_CAP, 71100000);
    Money_Text((71100 - (int64_t)nPayroll) * 1000, szExpected);
    EXPECT_EQ(Text(0, FC_CAP_ROOM), szExpected);
    // While a fantasy draft builds the league, salaries, ages and contracts mean nothing yet.
    Set_League_Rule(LR_FANTASY_DRAFT, 1);
    EXPECT_EQ(Text(0, FC_AVERAGE_SALARY), "");
    EXPECT_EQ(Text(0, FC_AVERAGE_AGE), "");
    EXPECT_EQ(Text(0, FC_CONTRACT), "");
}

TEST_F(FinanceColumnsTest, SignedTenthsForLiquidityAndBonus) {
    Set_Fin(0, FIN_START_VALUE, 10000000);
    Set_Fin(0, FIN_CASH, -1260000);  // ratio() gives -125
    EXPECT_EQ(Text(0, FC_LIQUIDITY), "-12.5%");
    Set_Fin(0, FIN_CASH, 20000000);
    EXPECT_EQ(Text(0, FC_LIQUIDITY), "200.0%");
    Set_Fin(0, FIN_MARKET_HANDICAP, -35);
    EXPECT_EQ(Text(0, FC_BONUS), "-3.5");
    Set_Fin(0, FIN_MARKET_HANDICAP, 100);
    EXPECT_EQ(Text(0, FC_BONUS), "10.0");
    EXPECT_EQ(Text(0, FC_FRANCHISE), "$10,000,000");
}

TEST_F(FinanceColumnsTest, RatingAndHonoursCountCompletedSeasons) {
    EXPECT_EQ(Text(0, FC_RATING), "0.0"); // no completed season yet
    Set_Team_Yearly_Stat(0, 0, YR_WINS, 16);
    Set_Team_Yearly_Stat(0, 0, YR_PLAYOFF_WINS, 3);
    Set_Team_Yearly_Stat(0, 0, YR_OUTCOME, 8);
    Set_Team_Yearly_Stat(0, 1, YR_OUTCOME, 4);
    g_League.anGameState[GS_SEASON_INDEX] = 1;
    EXPECT_EQ(Text(0, FC_RATING), "37.5"); // s = 1188, tenure 316
    EXPECT_EQ(Text(0, FC_TITLES), "1");
    g_League.anGameState[GS_SEASON_INDEX] = 2;
    EXPECT_EQ(Text(0, FC_TITLES), "1");
    EXPECT_EQ(Text(0, FC_CHAMPIONSHIPS), "1");
    EXPECT_EQ(Text(0, FC_PLAYOFFS), "2");
}

TEST_F(FinanceColumnsTest, QualityGradesAgainstTheLeague) {
    for (TNUM nTeam = 0; nTeam < 4; nTeam++)
        Set_Fin(nTeam, FIN_MEDICAL_QUALITY, 1000);
    Set_Fin(0, FIN_MEDICAL_QUALITY, 1400); // average 1100: this team 1400
    EXPECT_EQ(Text(0, FC_MEDICAL), "A+");
    EXPECT_EQ(Text(1, FC_MEDICAL), "C+"); // ratio(1100, 1000, 1100)
    EXPECT_EQ(Text(0, FC_LOYALTY), "C+");
    Set_Fin(0, FIN_FAN_LOYALTY, 1300);
    EXPECT_EQ(Text(0, FC_LOYALTY), "A+");
    Set_Fin(0, FIN_SCOUTING_QUALITY, 700);
    EXPECT_EQ(Text(0, FC_SCOUTING), "D-");
}

TEST_F(FinanceColumnsTest, PositionGroupsAverageIsABAndNothingBelowAD) {
    for (TNUM nTeam = 0; nTeam < 4; nTeam++) {
        Add_Rated_Player(nTeam, POS_QB, 40);
        Add_Rated_Player(nTeam, POS_K, 20);
    }
    EXPECT_GT(Group_Strength(0, SG_QUARTERBACKS), 0);
    EXPECT_EQ(Text(0, FC_QUARTERBACKS), "B ");
    EXPECT_EQ(Text(0, Strength_Column(SG_KICKERS)), "B ");
    // No tight end anywhere: no strength and no average, yet a "D ".
    EXPECT_EQ(Group_Strength(0, SG_TIGHT_ENDS), 0);
    EXPECT_EQ(Text(0, Strength_Column(SG_TIGHT_ENDS)), "D ");
    // A backup behind the starter makes the group stronger than the league's.
    Add_Rated_Player(1, POS_QB, 40);
    EXPECT_GT(Group_Strength(1, SG_QUARTERBACKS), Group_Strength(0, SG_QUARTERBACKS));
    EXPECT_GT(Letter_Grade_Index(
                  Ratio(1100, Group_Strength(1, SG_QUARTERBACKS), League_Group_Strength(SG_QUARTERBACKS))),
              Letter_Grade_Index(1100));
    EXPECT_EQ(Group_Strength(NO_TEAM, SG_QUARTERBACKS), 0);
    EXPECT_EQ(Group_Strength(0, NUMBER_OF_STRENGTH_GROUPS), 0);
}

TEST_F(FinanceColumnsTest, BadTeamOrColumnGivesNothing) {
    EXPECT_EQ(Text(0, 36), "");
    EXPECT_EQ(Text(NO_TEAM, FC_CASH), "");
    EXPECT_EQ(Text(9, FC_CASH), "");
}
