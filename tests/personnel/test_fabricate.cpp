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

// A journeyman's step down: the development table's draws and plays, but no
// pass, carry, catch or return worth fewer yards than before it.
namespace {
//                                          G   S  att  cmp int  yds  td rush ryds rtd rec  yds td fum kr  kry  krtd pr pry prtd
constexpr int32_t RECEIVER[NUMBER_OF_COUNTERS] = {16, 16, 0, 60, 0, 0, 0, 6, 40, 0, 48, 560, 4, 1, 20, 460, 0, 12, 110, 0};
constexpr int32_t BACK[NUMBER_OF_COUNTERS] = {16, 16, 0, 75, 0, 0, 0, 180, 700, 5, 30, 240, 1, 3, 0, 0, 0, 0, 0, 0};
constexpr int32_t PASSER[NUMBER_OF_COUNTERS] = {16, 16, 430, 250, 14, 2600, 17, 30, 90, 1, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0};
constexpr int32_t NO_PLAYS[NUMBER_OF_COUNTERS] = {16, 16};

class StepDownTest : public FabricateTest {
  protected:
    // The table's own step (or ours) on a player of the season, from a seed;
    // the counters after it and the next draw.
    static uint32_t Step(bool bOurs, int nPosition, const int32_t* pSeason, int nModifier, uint32_t nSeed,
                         int32_t anOut[NUMBER_OF_COUNTERS]) {
        Set_Player_Vital_Stat(1, 70, VS_PLAYER_ID, 9999);
        Set_Player_Vital_Stat(1, 70, VS_POSITION, nPosition);
        for (int n = 0; n < NUMBER_OF_COUNTERS; n++) Set_Player_Season_Stat(1, 70, PERIOD_PREDICTED, n, pSeason[n]);
        Seed_Random(nSeed);
        if (bOurs)
            Step_Down_New_Player(1, 70, PERIOD_PREDICTED, nModifier, DEVELOP_YOUTH);
        else
            Modify_Predicted_Player_Stats(1, 70, PERIOD_PREDICTED, nModifier, DEVELOP_YOUTH);
        for (int n = 0; n < NUMBER_OF_COUNTERS; n++) anOut[n] = Get_Player_Season_Stat(1, 70, PERIOD_PREDICTED, n);
        return Random_Next();
    }
};
}  // namespace

TEST_F(StepDownTest, YardsPerPlayNeverFallAndEverythingElseIsTheTables) {
    // A back's or receiver's blocking sits where a passer's completions do.
    const int PLAYS[][2] = {{SS_RUSHES, SS_RUSH_YARDS}, {SS_RECEPTIONS, SS_RECEIVING_YARDS},
                            {SS_KICK_RETURNS, SS_KICK_RETURN_YARDS}, {SS_PUNT_RETURNS, SS_PUNT_RETURN_YARDS},
                            {SS_COMPLETIONS, SS_PASS_YARDS}};
    struct Case {
        int nPosition;
        const int32_t* pSeason;
        int nPairs;  // of PLAYS that are his
    };
    // Linemen, defenders and kickers keep other things in those counters.
    const Case CASES[] = {{POS_WR, RECEIVER, 4}, {POS_TE, RECEIVER, 4}, {POS_RB, BACK, 4}, {POS_QB, PASSER, 5},
                          {POS_WR, NO_PLAYS, 4}, {POS_T, RECEIVER, 0}, {POS_LB, RECEIVER, 0}, {POS_CB, RECEIVER, 0},
                          {POS_K, RECEIVER, 0}};
    int nLifted = 0;
    for (const Case& c : CASES)
        for (int nModifier : {-380, -190, -30, 0})
            for (uint32_t nSeed = 1; nSeed <= 20; nSeed++) {
                int32_t anTable[NUMBER_OF_COUNTERS], anOurs[NUMBER_OF_COUNTERS];
                ASSERT_EQ(Step(false, c.nPosition, c.pSeason, nModifier, nSeed, anTable),
                          Step(true, c.nPosition, c.pSeason, nModifier, nSeed, anOurs));
                std::set<int> yards;
                for (int k = 0; k < c.nPairs; k++) {
                    int nPlays = PLAYS[k][0], nYards = PLAYS[k][1];
                    yards.insert(nYards);
                    EXPECT_GE(anOurs[nYards], anTable[nYards]);
                    if (anOurs[nYards] > anTable[nYards]) nLifted++;
                    // Yards per play as before, to the rounding of one yard.
                    EXPECT_GE((int64_t)(anOurs[nYards] + 1) * c.pSeason[nPlays], (int64_t)c.pSeason[nYards] * anOurs[nPlays])
                        << c.nPosition << " " << nYards << " " << nModifier;
                }
                for (int n = 0; n < NUMBER_OF_COUNTERS; n++)
                    if (!yards.count(n)) {
                        EXPECT_EQ(anOurs[n], anTable[n]) << c.nPosition << " counter " << n;
                    }
            }
    // The table alone would have left receivers and backs short of yards.
    EXPECT_GT(nLifted, 100);
    Headless_Reset();
    Step_Down_New_Player(1, PLAYERS_PER_TEAM, PERIOD_PREDICTED, -380, DEVELOP_YOUTH);
    Step_Down_New_Player(1, 71, PERIOD_PREDICTED, -380, DEVELOP_YOUTH);  // empty
    EXPECT_FALSE(Logged_Nothing());
}
