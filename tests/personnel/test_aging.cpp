#include <cstring>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "personnel/aging.h"
#include "personnel/ratings.h"
#include "personnel_support.h"
#include "platform/headless.h"
#include "test_support.h"

namespace {
constexpr TNUM TEAM = 0;
constexpr int START_YEAR = 2010;

class AgingTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Use_Teams(2);
        Set_League_Rule(LR_START_YEAR, START_YEAR);
        Set_Game_State(GS_SEASON_INDEX, 3);
        Reset_Aging_Tally();
    }
};

// nRecords history records of consecutive years, listed by the player.
void Give_History(TNUM nTeam, PNUM nSlot, int nRecords) {
    for (int nEntry = 0; nEntry < HISTORY_ENTRIES; nEntry++) g_League.aTeams[nTeam].aPlayers[nSlot].anHistory[nEntry] = -1;
    g_League.aTeams[nTeam].aPlayers[nSlot].nOpenRecord = -1;
    for (int nEntry = 0; nEntry < nRecords; nEntry++) {
        int nRecord = Allocate_History_Record();
        ASSERT_GE(nRecord, 0);
        g_League.aHistory[nRecord].nYear = START_YEAR - nRecords + nEntry;
        g_League.aHistory[nRecord].nTeam = (uint8_t)nTeam;
        g_League.aTeams[nTeam].aPlayers[nSlot].anHistory[nEntry] = nRecord;
    }
}

// A linebacker whose peak lasts past any age the tests use, so that only
// the noise is drawn and nothing develops while his value is modest.
void Make_Veteran(TNUM nTeam, PNUM nSlot, int nID, int nAge) {
    Make_Player(nTeam, nSlot, nID, POS_LB, nAge, 8);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_PEAK_START, 22);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_PEAK_END, 60);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_DECLINE_RATE, 100);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_CONTRACT_LEFT, 3);
    Give_History(nTeam, nSlot, 0);
}

// Sets tackles in both periods his value reads so that his current value is
// the nearest to nTarget on the asked side. Returns the value reached.
int Tune_Value(TNUM nTeam, PNUM nSlot, int nTarget, bool bAtLeast) {
    int nBest = 0, nBestValue = 0;
    bool bFound = false;
    for (int nTackles = -3000; nTackles <= 3000; nTackles++) {
        for (int nPeriod : {(int)PERIOD_PREDICTED, (int)PERIOD_LAST_SEASON})
            Set_Player_Season_Stat(nTeam, nSlot, nPeriod, SS_TACKLES, nTackles);
        int v = Player_Current_Value(nTeam, nSlot);
        if (bAtLeast ? v < nTarget : v > nTarget) continue;
        if (!bFound || std::abs(v - nTarget) < std::abs(nBestValue - nTarget)) {
            nBest = nTackles;
            nBestValue = v;
            bFound = true;
        }
    }
    for (int nPeriod : {(int)PERIOD_PREDICTED, (int)PERIOD_LAST_SEASON})
        Set_Player_Season_Stat(nTeam, nSlot, nPeriod, SS_TACKLES, nBest);
    return Player_Current_Value(nTeam, nSlot);
}

// A quarterback of a long career whose passing alone puts him in the hall.
void Make_Great_Passer(TNUM nTeam, PNUM nSlot, int nID) {
    Make_Veteran(nTeam, nSlot, nID, 45);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_POSITION, POS_QB);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_EXPERIENCE, 14);
    Set_Player_Season_Stat(nTeam, nSlot, PERIOD_CAREER, SS_PASS_YARDS, 60000);  // 30000 / 300: a score of 100
}

void Make_Member(PNUM nSlot, int nID, int nYear) {
    Make_Player(HALL_OF_FAME_TEAM, nSlot, nID, POS_RB, 50, 12);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VS_YEAR_INDUCTED, nYear);
    Give_History(HALL_OF_FAME_TEAM, nSlot, 1);
}
}  // namespace

TEST_F(AgingTest, TheRetirementLineRisesAThousandAYearPastTheLimit) {
    EXPECT_TRUE(Stays_In_Football(FRANCHISE_RETIREMENT_AGE - 1, -100000, FRANCHISE_RETIREMENT_AGE));
    EXPECT_TRUE(Stays_In_Football(FRANCHISE_RETIREMENT_AGE, -2000, FRANCHISE_RETIREMENT_AGE));
    EXPECT_FALSE(Stays_In_Football(FRANCHISE_RETIREMENT_AGE, -2001, FRANCHISE_RETIREMENT_AGE));
    EXPECT_TRUE(Stays_In_Football(FRANCHISE_RETIREMENT_AGE + 2, 0, FRANCHISE_RETIREMENT_AGE));
    EXPECT_FALSE(Stays_In_Football(FRANCHISE_RETIREMENT_AGE + 2, -1, FRANCHISE_RETIREMENT_AGE));
    // Extreme values neither wrap nor overflow.
    EXPECT_FALSE(Stays_In_Football(100, INT32_MIN, FREE_AGENT_RETIREMENT_AGE));
    EXPECT_TRUE(Stays_In_Football(100, INT32_MAX, FREE_AGENT_RETIREMENT_AGE));
}

TEST_F(AgingTest, FranchisePlayersRetireByAgeAndValue) {
    struct Case {
        int nAge, nTarget;
        bool bAtLeast, bStays;
    };
    const Case aCases[] = {
        {40, 0, true, true},       {40, -3000, false, true},  // below the limit nothing counts
        {41, -2000, true, true},   {41, -2001, false, false},
        {43, 0, true, true},       {43, -1, false, false},
    };
    int nID = 100;
    for (const Case& c : aCases) {
        Make_Veteran(TEAM, 0, ++nID, c.nAge);
        int v = Tune_Value(TEAM, 0, c.nTarget, c.bAtLeast);
        ASSERT_LT(std::abs(v - c.nTarget), 400) << c.nAge << " " << c.nTarget;
        Seed_Random(nID);
        EXPECT_EQ(Season_End_Step(TEAM, 0), c.bStays ? 1 : 0) << c.nAge << " value " << v;
        EXPECT_EQ(Is_Valid_Player(TEAM, 0), c.bStays);
        if (c.bStays) {
            EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_AGE), c.nAge + 1);
        }
    }
}

TEST_F(AgingTest, AFreeAgentPastTheLineRetiresInTheSameStep) {
    Make_Veteran(FREE_AGENT_TEAM, 0, 201, 37);
    Make_Veteran(FREE_AGENT_TEAM, 1, 202, 37);
    ASSERT_LT(Tune_Value(FREE_AGENT_TEAM, 0, -2001, false), -2000);
    int v = Tune_Value(FREE_AGENT_TEAM, 1, -500, true);
    ASSERT_GE(v, -1000);
    ASSERT_LT(v, 0);
    EXPECT_EQ(Season_End_Step(FREE_AGENT_TEAM, 0), 0);
    EXPECT_EQ(Get_Aging_Tally().nRetirements, 1);
    // The next free agent moved up into the slot; he stays, a year older.
    ASSERT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VS_PLAYER_ID), 202);
    EXPECT_EQ(Season_End_Step(FREE_AGENT_TEAM, 0), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VS_AGE), FREE_AGENT_RETIREMENT_AGE);
    EXPECT_EQ(Get_Aging_Tally().nRetirements, 1);
}

TEST_F(AgingTest, APlayerInHisPrimeBelowStarValueIsNotChanged) {
    Make_Player(TEAM, 0, 301, POS_LB, 28, 4);
    Set_Player_Vital_Stat(TEAM, 0, VS_PEAK_END, 31);
    Tune_Value(TEAM, 0, 3000, false);
    PlayerRecord before;
    Copy_Player_To_Memory(&before, TEAM, 0);
    Seed_Random(5);
    Random(16);
    Random(16);
    uint32_t nExpected = Random_Next();
    Seed_Random(5);
    Yearly_Development(TEAM, 0);
    // The noise is drawn even though nothing uses it.
    EXPECT_EQ(Random_Next(), nExpected);
    PlayerRecord after;
    Copy_Player_To_Memory(&after, TEAM, 0);
    EXPECT_EQ(memcmp(&before, &after, sizeof before), 0);
}

TEST_F(AgingTest, StarsInTheirPrimeOnlyEverFallBack) {
    Make_Player(TEAM, 0, 401, POS_LB, 28, 4);
    Set_Player_Vital_Stat(TEAM, 0, VS_PEAK_END, 31);
    int v = Tune_Value(TEAM, 0, 20000, true);
    ASSERT_GT(v, 3000 + 50 * 100);  // pulled back in more than one year in ten
    PlayerRecord star;
    Copy_Player_To_Memory(&star, TEAM, 0);
    int nFell = 0;
    for (uint32_t nSeed = 1; nSeed <= 40; nSeed++) {
        Copy_Player_From_Memory(TEAM, 0, &star);
        Seed_Random(nSeed);
        Yearly_Development(TEAM, 0);
        int nAfter = Player_Current_Value(TEAM, 0);
        EXPECT_LE(nAfter, v) << nSeed;
        if (nAfter < v) nFell++;
    }
    EXPECT_GT(nFell, 0);
}

TEST_F(AgingTest, StayingAYearHealsAndCountsExperience) {
    struct Case {
        int nExperience, nCareerGames, nExpected;
    };
    const Case aCases[] = {{4, 0, 5}, {0, 1, 1}, {0, 0, 0}};
    for (const Case& c : aCases) {
        Make_Veteran(TEAM, 0, 501, 26);
        Set_Player_Vital_Stat(TEAM, 0, VS_EXPERIENCE, c.nExperience);
        Set_Player_Season_Stat(TEAM, 0, PERIOD_CAREER, SS_GAMES, c.nCareerGames);
        Set_Player_Vital_Stat(TEAM, 0, VS_INJURY, 3);
        Set_Player_Vital_Stat(TEAM, 0, VS_INJURY_WEEKS, 6);
        Set_Player_Vital_Stat(TEAM, 0, VS_BONUS, 900);
        ASSERT_EQ(Season_End_Step(TEAM, 0), 1);
        EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_EXPERIENCE), c.nExpected);
        EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_INJURY), -1);
        EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_INJURY_WEEKS), 0);
        // Three years left become two; the bonus is divided by the three.
        EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_CONTRACT_LEFT), 2);
        EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_BONUS), 300);
    }
}

TEST_F(AgingTest, ARetiredPlayerFreesHisHistoryAndHisManagerIsTold) {
    Set_Team_Stat(TEAM, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Game_State(GS_MANAGED_TEAM, TEAM);
    Make_Veteran(TEAM, 0, 601, 44);
    Set_Player_First_Name(TEAM, 0, "Odd");
    Set_Player_Last_Name(TEAM, 0, "Tollefsen");
    Give_History(TEAM, 0, 4);
    Make_Veteran(TEAM, 1, 602, 30);
    Give_History(TEAM, 1, 2);
    Tune_Value(TEAM, 0, -5000, false);
    ASSERT_EQ(Count_History_Records_In_Use(), 6);
    EXPECT_EQ(Season_End_Step(TEAM, 0), 0);
    EXPECT_EQ(Count_History_Records_In_Use(), 2);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_PLAYER_ID), 602);
    EXPECT_EQ(Count_History_Entries(TEAM, 0), 2);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Retiring Player");
    EXPECT_EQ(Headless_Notices()[0].text, "Odd Tollefsen is retiring from football at the age of 44.");
    // A computer team's retirements pass in silence.
    Make_Veteran(1, 0, 603, 44);
    Tune_Value(1, 0, -5000, false);
    EXPECT_EQ(Season_End_Step(1, 0), 0);
    EXPECT_EQ(Headless_Notices().size(), 1u);
}

TEST_F(AgingTest, AnInducteeKeepsHisHistoryInTheHall) {
    Make_Great_Passer(TEAM, 0, 701);
    Give_History(TEAM, 0, 14);
    int nFirstRecord = Get_Player_History_Record(TEAM, 0, 0);
    ASSERT_EQ(Hall_Of_Fame_Score(TEAM, 0), 100);
    Retire_Player(TEAM, 0);
    EXPECT_FALSE(Is_Valid_Player(TEAM, 0));
    ASSERT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_PLAYER_ID), 701);
    EXPECT_EQ(Count_History_Records_In_Use(), 14);
    EXPECT_EQ(Get_Player_History_Record(HALL_OF_FAME_TEAM, 0, 0), nFirstRecord);
    EXPECT_EQ(Count_History_Entries(HALL_OF_FAME_TEAM, 0), 14);
    // He came into the league at 45 - 14; 87 per cent of the votes: the shortest wait.
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_PEAK_START), 31);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_VOTES), 87);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_YEAR_INDUCTED), Current_Calendar_Year() + 5);
    EXPECT_EQ(Get_Aging_Tally().nInductions, 1);
    EXPECT_EQ(Get_Aging_Tally().nRetirements, 1);
}

TEST_F(AgingTest, NineSeasonsAreTooFewForTheHall) {
    Make_Great_Passer(TEAM, 0, 801);
    Set_Player_Vital_Stat(TEAM, 0, VS_EXPERIENCE, 9);
    Retire_Player(TEAM, 0);
    EXPECT_EQ(Number_Of_Players(HALL_OF_FAME_TEAM), 0);
    EXPECT_EQ(Get_Aging_Tally().nInductions, 0);
}

TEST_F(AgingTest, InducteesStandInTheOrderOfTheirYears) {
    int nNow = Current_Calendar_Year();
    Make_Member(0, 1, nNow + 2);
    Make_Member(1, 2, nNow + 5);
    Make_Member(2, 3, nNow + 8);
    Make_Great_Passer(TEAM, 0, 901);
    // Votes of 85 and more wait five years: after the member of the same year.
    EXPECT_EQ(Induct_Into_Hall_Of_Fame(TEAM, 0, 85), 2);
    // 81 per cent waits two more: before the one of year + 8...
    EXPECT_EQ(Induct_Into_Hall_Of_Fame(TEAM, 0, 81), 3);
    // ...and 69 per cent eight more, after everybody, into the first empty slot.
    EXPECT_EQ(Induct_Into_Hall_Of_Fame(TEAM, 0, 69), 5);
    const int anExpected[] = {1, 2, 901, 901, 3, 901};
    for (PNUM nSlot = 0; nSlot < 6; nSlot++)
        EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VS_PLAYER_ID), anExpected[nSlot]) << nSlot;
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 3, VS_YEAR_INDUCTED), nNow + 7);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 5, VS_YEAR_INDUCTED), nNow + 13);
}

TEST_F(AgingTest, AFullHallLosesItsEarliestMemberAndHisHistory) {
    int nNow = Current_Calendar_Year();
    for (PNUM nSlot = 0; nSlot < HALL_OF_FAME_SIZE; nSlot++) Make_Member(nSlot, 1000 + nSlot, nNow - 80 + nSlot);
    int nDropped = Get_Player_History_Record(HALL_OF_FAME_TEAM, 0, 0);
    ASSERT_EQ(Count_History_Records_In_Use(), HALL_OF_FAME_SIZE);
    Make_Great_Passer(TEAM, 0, 1901);
    Give_History(TEAM, 0, 3);
    Retire_Player(TEAM, 0);
    EXPECT_EQ(Number_Of_Players(HALL_OF_FAME_TEAM), HALL_OF_FAME_SIZE);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_PLAYER_ID), 1001);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, HALL_OF_FAME_SIZE - 1, VS_PLAYER_ID), 1901);
    EXPECT_EQ(Get_History_Year(nDropped), 0);
    EXPECT_EQ(Count_History_Records_In_Use(), HALL_OF_FAME_SIZE - 1 + 3);

    // One still waiting for his year keeps his place ahead of the earliest.
    Make_Member(HALL_OF_FAME_SIZE - 1, 1999, nNow + 20);
    Make_Great_Passer(TEAM, 0, 1902);
    Retire_Player(TEAM, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_PLAYER_ID), 1002);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, HALL_OF_FAME_SIZE - 2, VS_PLAYER_ID), 1902);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, HALL_OF_FAME_SIZE - 1, VS_PLAYER_ID), 1999);
}
