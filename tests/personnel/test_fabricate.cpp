#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "base/random.h"
#include "database/colleges.h"
#include "database/player.h"
#include "personnel/names.h"
#include "personnel/player_creation.h"
#include "personnel/ratings.h"
#include "test_support.h"

namespace {
class FabricateTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Reset_Name_File_Warnings();
        Use_Teams(2);
        Set_League_Rule(LR_START_YEAR, 2000);
        Set_Game_State(GS_SEASON_INDEX, 3);
        // Ten templates of every position, with a plausible season each.
        for (int i = 0; i < 10 * NUMBER_OF_POSITIONS; i++) {
            TNUM nTeam = (TNUM)(i / PLAYERS_PER_TEAM);
            PNUM nPlayer = (PNUM)(i % PLAYERS_PER_TEAM);
            int nPosition = i % NUMBER_OF_POSITIONS;
            Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID, 500 + i);
            Set_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION, nPosition);
            Set_Player_Vital_Stat(nTeam, nPlayer, VS_AGE, 27);
            Set_Player_Vital_Stat(nTeam, nPlayer, VS_DRAFTED, 10000 + 1995);
            for (int nStat = 0; nStat < NUMBER_OF_COUNTERS; nStat++)
                Set_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, nStat, 16 + 10 * nStat);
        }
        Build_Template_Pool();
        Headless_Reset();
        Seed_Random(2024);
    }
    static int Vital(TNUM nTeam, PNUM nPlayer, int nIndex) { return Get_Player_Vital_Stat(nTeam, nPlayer, nIndex); }
};
}  // namespace

TEST_F(FabricateTest, ProspectGetsANewIdentityAndAPast) {
    ASSERT_EQ(Fabricate_Player(38, 5, POS_RB), 1);
    int nID = Vital(38, 5, VS_PLAYER_ID);
    EXPECT_EQ(nID / 256, 5 + 100 * 38 + 10000 * 3 + 10101);
    TNUM nTeam;
    PNUM nPlayer;
    ASSERT_TRUE(Find_Player_ID(nID, &nTeam, &nPlayer));
    EXPECT_EQ(nTeam, 38);
    EXPECT_EQ(nPlayer, 5);

    EXPECT_EQ(Vital(38, 5, VS_POSITION), POS_RB);
    EXPECT_EQ(Vital(38, 5, VS_INJURY), -1);
    EXPECT_EQ(Vital(38, 5, VS_LAST_INJURY), -1);
    EXPECT_EQ(Vital(38, 5, VS_INJURY_WEEKS), 0);
    EXPECT_EQ(Vital(38, 5, VS_CONTRACT_LEFT), 0);
    EXPECT_EQ(Vital(38, 5, VS_DRAFTED), 0);  // not the template's draft
    int nExperience = Vital(38, 5, VS_EXPERIENCE);
    ASSERT_GE(nExperience, -4);
    ASSERT_LE(nExperience, -1);
    int nAge = Vital(38, 5, VS_AGE);
    EXPECT_TRUE(nAge == 22 + nExperience || nAge == 23 + nExperience);
    // Fixed when he is made, before he is taken back to his college level.
    EXPECT_GE(Vital(38, 5, VS_SCOUT_SCORE), 0);
    EXPECT_LE(Vital(38, 5, VS_SCOUT_SCORE), 100);
    int nBirth = Vital(38, 5, VS_BIRTH_DATE);
    int nMonth = nBirth / 100 % 100;
    EXPECT_EQ(nBirth / 10000, 2003 - nAge - (nMonth > 8 ? 1 : 0));
    EXPECT_GE(nBirth % 100, 1);

    char szText[32];
    Get_Player_College(38, 5, szText);
    EXPECT_STREQ(szText, Get_College_Name(Vital(38, 5, VS_COLLEGE)));
    Get_Player_Picture(38, 5, szText);
    // A running back's picture: "B" and 1..25 in three digits, sometimes an "a".
    int nNumber = 0;
    char szSuffix[4] = "";
    ASSERT_GE(sscanf(szText, "B%3d%3s", &nNumber, szSuffix), 1) << szText;
    EXPECT_GE(nNumber, 1);
    EXPECT_LE(nNumber, 25);
    EXPECT_TRUE(strlen(szText) == 4 || strcmp(szSuffix, "a") == 0) << szText;
    Get_Player_Full_Name(38, 5, szText);
    EXPECT_STREQ(szText, "John Smith");  // no name files here
    EXPECT_EQ(Headless_Notices().size(), 2u);

    // One history entry per past season, oldest first, then the open one of this season.
    int nSeasons = nExperience + 5;
    ASSERT_EQ(Count_History_Entries(38, 5), nSeasons + 1);
    for (int k = 0; k < nSeasons; k++) {
        int nRecord = Get_Player_History_Record(38, 5, k);
        EXPECT_EQ(Get_History_Year(nRecord), 2003 - nSeasons + k);
        EXPECT_EQ(Get_History_Experience(nRecord), k - 4);
        EXPECT_EQ(Get_History_Team(nRecord), NO_TEAM);
        EXPECT_LE(Get_Player_Season_Stat(38, 5, PERIOD_HISTORY + k, SS_GAMES), 12);
    }
    EXPECT_EQ(Get_History_Year(Get_Player_History_Record(38, 5, nSeasons)), 2003);
    EXPECT_FALSE(Player_Period_Has_Stats(38, 5, PERIOD_THIS_SEASON));
    for (int nStat = 0; nStat < NUMBER_OF_COUNTERS; nStat++)
        EXPECT_GE(Get_Player_Season_Stat(38, 5, PERIOD_PREDICTED, nStat), 0);
}

TEST_F(FabricateTest, CollegeClassFillsThePoolInScoreOrder) {
    ASSERT_TRUE(Make_College_Class());
    EXPECT_EQ(Number_Of_Players(38), 80);
    EXPECT_EQ(Number_Of_Players(39), 80);
    EXPECT_EQ(Number_Of_Players(40), 77);
    std::set<int> ids;
    int nLastScore = 1000;
    for (int i = 0; i < COLLEGE_CLASS_SIZE; i++) {
        TNUM nTeam = (TNUM)(38 + i / 80);
        PNUM nPlayer = (PNUM)(i % 80);
        ids.insert(Vital(nTeam, nPlayer, VS_PLAYER_ID));
        EXPECT_LE(Vital(nTeam, nPlayer, VS_SCOUT_SCORE), nLastScore);
        nLastScore = Vital(nTeam, nPlayer, VS_SCOUT_SCORE);
    }
    EXPECT_EQ(ids.size(), (size_t)COLLEGE_CLASS_SIZE);
    // Only the two missing name files were reported.
    EXPECT_EQ(Headless_Notices().size(), 2u);
}

TEST_F(FabricateTest, FreeAgentsTopUpThePool) {
    ASSERT_EQ(Fabricate_Player(FREE_AGENT_TEAM, 0, POS_QB), 1);
    Fill_Free_Agent_Pool();
    EXPECT_EQ(Number_Of_Players(FREE_AGENT_TEAM), LAST_FREE_AGENT_FILL_SLOT + 1);
    for (PNUM nPlayer = 1; nPlayer <= LAST_FREE_AGENT_FILL_SLOT; nPlayer++) {
        EXPECT_EQ(Vital(FREE_AGENT_TEAM, nPlayer, VS_EXPERIENCE), 0);
        EXPECT_EQ(Vital(FREE_AGENT_TEAM, nPlayer, VS_SALARY), FREE_AGENT_SALARY);
        EXPECT_EQ(Vital(FREE_AGENT_TEAM, nPlayer, VS_CONTRACT_LEFT), 3);
        EXPECT_EQ(Vital(FREE_AGENT_TEAM, nPlayer, VS_CONTRACT_YEARS), 3);
        int nAge = Vital(FREE_AGENT_TEAM, nPlayer, VS_AGE);
        EXPECT_GE(nAge, 22);
        EXPECT_LE(nAge, 41);
    }
}

TEST_F(FabricateTest, FixedAgingLeagueGivesEveryProspectTheSameCurve) {
    Set_League_Rule(LR_FIXED_AGING, 1);
    ASSERT_EQ(Fabricate_Player(39, 0, POS_CB), 1);
    EXPECT_EQ(Vital(39, 0, VS_PEAK_START), 26);
    EXPECT_EQ(Vital(39, 0, VS_PEAK_END), 31);
    EXPECT_EQ(Vital(39, 0, VS_GROWTH_RATE), 100);
    EXPECT_EQ(Vital(39, 0, VS_DECLINE_RATE), 100);
}

// A journeyman's step down: the same draws and the same plays as the
// development table gives, but no pass, carry, catch or return worth fewer
// yards than before it.
namespace {
class StepDownTest : public FabricateTest {
  protected:
    static constexpr TNUM TEAM = 1;
    static constexpr PNUM SLOT = 70;
    // A season of a back or receiver of the league: passes, runs, catches, returns.
    void Make_Player(int nPosition, const int32_t anSeason[NUMBER_OF_COUNTERS]) {
        Set_Player_Vital_Stat(TEAM, SLOT, VS_PLAYER_ID, 9999);
        Set_Player_Vital_Stat(TEAM, SLOT, VS_POSITION, nPosition);
        for (int n = 0; n < NUMBER_OF_COUNTERS; n++) Set_Player_Season_Stat(TEAM, SLOT, PERIOD_PREDICTED, n, anSeason[n]);
    }
    static void Read(int32_t anOut[NUMBER_OF_COUNTERS]) {
        for (int n = 0; n < NUMBER_OF_COUNTERS; n++) anOut[n] = Get_Player_Season_Stat(TEAM, SLOT, PERIOD_PREDICTED, n);
    }
    // The table's own step and ours from the same seed; false when the draws differ.
    bool Both_Steps(int nPosition, const int32_t anSeason[NUMBER_OF_COUNTERS], int nModifier, uint32_t nSeed,
                    int32_t anTable[NUMBER_OF_COUNTERS], int32_t anOurs[NUMBER_OF_COUNTERS]) {
        Make_Player(nPosition, anSeason);
        Seed_Random(nSeed);
        Modify_Predicted_Player_Stats(TEAM, SLOT, PERIOD_PREDICTED, nModifier, DEVELOP_YOUTH);
        uint32_t nAfterTable = Random_Next();
        Read(anTable);
        Make_Player(nPosition, anSeason);
        Seed_Random(nSeed);
        Step_Down_New_Player(TEAM, SLOT, PERIOD_PREDICTED, nModifier, DEVELOP_YOUTH);
        uint32_t nAfterOurs = Random_Next();
        Read(anOurs);
        return nAfterTable == nAfterOurs;
    }
};

//                                          G   S  att  cmp int  yds  td rush ryds rtd rec  yds td fum kr  kry  krtd pr pry prtd
constexpr int32_t RECEIVER[NUMBER_OF_COUNTERS] = {16, 16, 0, 60, 0, 0, 0, 6, 40, 0, 48, 560, 4, 1, 20, 460, 0, 12, 110, 0};
constexpr int32_t BACK[NUMBER_OF_COUNTERS] = {16, 16, 0, 75, 0, 0, 0, 180, 700, 5, 30, 240, 1, 3, 0, 0, 0, 0, 0, 0};
constexpr int32_t PASSER[NUMBER_OF_COUNTERS] = {16, 16, 430, 250, 14, 2600, 17, 30, 90, 1, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0};
}  // namespace

TEST_F(StepDownTest, YardsPerPlayNeverFallAndEverythingElseIsTheTables) {
    struct Case {
        int nPosition;
        const int32_t* pSeason;
    };
    const Case CASES[] = {{POS_WR, RECEIVER}, {POS_TE, RECEIVER}, {POS_RB, BACK}, {POS_QB, PASSER}};
    const int PLAYS[][2] = {{SS_RUSHES, SS_RUSH_YARDS},
                            {SS_RECEPTIONS, SS_RECEIVING_YARDS},
                            {SS_KICK_RETURNS, SS_KICK_RETURN_YARDS},
                            {SS_PUNT_RETURNS, SS_PUNT_RETURN_YARDS},
                            {SS_COMPLETIONS, SS_PASS_YARDS}};
    int nLifted = 0;
    for (const Case& c : CASES)
        for (int nModifier : {-380, -300, -190, -30, 0})
            for (uint32_t nSeed = 1; nSeed <= 20; nSeed++) {
                int32_t anTable[NUMBER_OF_COUNTERS], anOurs[NUMBER_OF_COUNTERS];
                ASSERT_TRUE(Both_Steps(c.nPosition, c.pSeason, nModifier, nSeed, anTable, anOurs));
                std::set<int> yards;
                for (const auto& pair : PLAYS) {
                    // A back's or receiver's blocking sits where a passer's completions do.
                    if (pair[0] == SS_COMPLETIONS && c.nPosition != POS_QB) continue;
                    yards.insert(pair[1]);
                    int nPlays = anOurs[pair[0]];
                    EXPECT_EQ(nPlays, anTable[pair[0]]);
                    EXPECT_GE(anOurs[pair[1]], anTable[pair[1]]);
                    if (anOurs[pair[1]] > anTable[pair[1]]) nLifted++;
                    // Yards per play as before, to the rounding of one yard.
                    EXPECT_GE((int64_t)(anOurs[pair[1]] + 1) * c.pSeason[pair[0]], (int64_t)c.pSeason[pair[1]] * nPlays)
                        << c.nPosition << " " << pair[1] << " " << nModifier;
                }
                for (int n = 0; n < NUMBER_OF_COUNTERS; n++)
                    if (!yards.count(n)) {
                        EXPECT_EQ(anOurs[n], anTable[n]) << c.nPosition << " counter " << n;
                    }
            }
    // The table alone would have left receivers and backs short of yards.
    EXPECT_GT(nLifted, 100);
}

TEST_F(StepDownTest, LinemenDefendersAndKickersTakeTheTablesStepUnchanged) {
    // Their counters 7 and 8 are runs behind a lineman, a defender's
    // interceptions and recoveries, a punter's and kicker's own: not plays and yards.
    for (int nPosition : {POS_T, POS_C, POS_LB, POS_CB, POS_K, POS_P}) {
        int32_t anTable[NUMBER_OF_COUNTERS], anOurs[NUMBER_OF_COUNTERS];
        ASSERT_TRUE(Both_Steps(nPosition, RECEIVER, -380, 7, anTable, anOurs));
        for (int n = 0; n < NUMBER_OF_COUNTERS; n++) EXPECT_EQ(anOurs[n], anTable[n]) << nPosition << " " << n;
    }
}

TEST_F(StepDownTest, NoPlaysBeforeMeansNoFloorAndABadSlotIsOnlyLogged) {
    int32_t anNothing[NUMBER_OF_COUNTERS] = {16, 16};
    int32_t anTable[NUMBER_OF_COUNTERS], anOurs[NUMBER_OF_COUNTERS];
    ASSERT_TRUE(Both_Steps(POS_WR, anNothing, -380, 3, anTable, anOurs));
    for (int n = 0; n < NUMBER_OF_COUNTERS; n++) EXPECT_EQ(anOurs[n], anTable[n]) << n;
    Headless_Reset();
    Step_Down_New_Player(TEAM, PLAYERS_PER_TEAM, PERIOD_PREDICTED, -380, DEVELOP_YOUTH);
    Step_Down_New_Player(TEAM, SLOT + 1, PERIOD_PREDICTED, -380, DEVELOP_YOUTH);  // empty
    EXPECT_FALSE(Logged_Nothing());
}
