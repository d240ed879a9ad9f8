#include <cstring>
#include <vector>

#include "base/random.h"
#include "database/integrity.h"
#include "player_fixture.h"

// ---- Vital stats and texts ----

TEST_F(PlayerTest, SalaryBelowTheMinimumIsRaisedWhenRead) {
    Put_Player(0, 0, 7);
    Set_Player_Vital_Stat(0, 0, VS_SALARY, 100);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_SALARY), 225);
    EXPECT_EQ(g_League.aTeams[0].aPlayers[0].anVital[VS_SALARY], 225);
}

TEST_F(PlayerTest, CapImpactSpreadsTheBonusOverTheContract) {
    Put_Player(0, 0, 7);
    Set_Player_Vital_Stat(0, 0, VS_SALARY, 500);
    Set_Player_Vital_Stat(0, 0, VS_BONUS, 900);
    Set_Player_Vital_Stat(0, 0, VS_CONTRACT_YEARS, 3);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_CAP_IMPACT), 800);
    Set_Player_Vital_Stat(0, 0, VS_CONTRACT_YEARS, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_CAP_IMPACT), 500);
}

TEST_F(PlayerTest, UnknownVitalStatLogsAndReadsZero) {
    Put_Player(0, 0, 7);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, NUMBER_OF_VITAL_STATS), 0);
    EXPECT_TRUE(Logged("Unrecognized VITAL_STAT: 30"));
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_CAP_IMPACT - 1), 0);
    EXPECT_TRUE(Logged("Unrecognized VITAL_STAT: 99"));
}

TEST_F(PlayerTest, TextsKeepTheirFieldWidths) {
    Put_Player(0, 0, 7);
    Set_Player_First_Name(0, 0, "Abcdefghijklmnopqrstuvwxy");  // 25 characters
    char szText[64];
    Get_Player_First_Name(0, 0, szText);
    EXPECT_STREQ(szText, "Abcdefghijk");
    Set_Player_Last_Name(0, 0, "Ng");
    Get_Player_Full_Name(0, 0, szText);
    EXPECT_STREQ(szText, "Abcdefghijk Ng");
    Get_Player_Reversed_Name(0, 0, szText);
    EXPECT_STREQ(szText, "Ng, Abcdefghijk");
    Set_Player_College(0, 0, "Texas A&M");
    Get_Player_College(0, 0, szText);
    EXPECT_STREQ(szText, "Texas A+M");
}

TEST_F(PlayerTest, FullNameOfAnInvalidTeamOrPlayer) {
    char szText[64];
    Get_Player_Full_Name(NO_TEAM, 0, szText);
    EXPECT_STREQ(szText, "INVALID-TEAM");
    EXPECT_TRUE(Logged("Invalid team in Get_Player_Full_Name()"));
    Get_Player_Full_Name(0, 5, szText);  // empty slot
    EXPECT_STREQ(szText, "INVALID-PLAYER");
    EXPECT_TRUE(Logged("Invalid player in Get_Player_Full_Name()"));
    Get_Player_Reversed_Name(0, 5, szText);
    EXPECT_STREQ(szText, "");
    Get_Player_Last_Name(0, 5, szText);
    EXPECT_STREQ(szText, "");
}

TEST_F(PlayerTest, PositionGroupsAndSides) {
    const int GROUPS[] = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3};
    const int SIDES[] = {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2};
    for (int p = 0; p < NUMBER_OF_POSITIONS; p++) {
        EXPECT_EQ(Position_Group(p), GROUPS[p]) << p;
        EXPECT_EQ(Position_Side(p), SIDES[p]) << p;
    }
}

// ---- Slots and whole records ----

TEST_F(PlayerTest, SlotCountsAndValidity) {
    EXPECT_EQ(First_Empty_Slot(1), 0);
    Fill_Team(1, 80, 100);
    EXPECT_EQ(First_Empty_Slot(1), NO_PLAYER);
    EXPECT_EQ(Number_Of_Players(1), 80);
    EXPECT_TRUE(Is_Franchise_Player(1, 79));
    Put_Player(FREE_AGENT_TEAM, 0, 9);
    EXPECT_TRUE(Is_Valid_Player(FREE_AGENT_TEAM, 0));
    EXPECT_FALSE(Is_Franchise_Player(FREE_AGENT_TEAM, 0));
    EXPECT_FALSE(Is_Valid_Player(5, 0));  // team not in use
}

TEST_F(PlayerTest, ClearPlayerTestsItsArgumentsInOrder) {
    Clear_Player(NO_TEAM, NO_PLAYER);
    Clear_Player(0, NO_PLAYER);
    Clear_Player(41, 90);
    Clear_Player(0, 80);
    std::vector<std::string> expected = {
        "ERROR: 'NO_TEAM' passed to Clear_Player()", "ERROR: 'NO_PLAYER' passed to Clear_Player()",
        "ERROR: nTeam out of bounds in Clear_Player(41,90)", "ERROR: nPlayer out of bounds in Clear_Player()"};
    EXPECT_EQ(Headless_Log_Lines(), expected);
}

TEST_F(PlayerTest, CopyPlayerAndMemoryCopies) {
    Put_Player(0, 0, 7);
    Set_Player_Last_Name(0, 0, "Ives");
    Copy_Player(1, 4, 0, 0);
    EXPECT_EQ(memcmp(&g_League.aTeams[1].aPlayers[4], &g_League.aTeams[0].aPlayers[0], sizeof(PlayerRecord)), 0);
    PlayerRecord buffer;
    Copy_Player_To_Memory(&buffer, 0, 0);
    Copy_Player_From_Memory(2, 9, &buffer);
    EXPECT_EQ(ID(2, 9), 7);
    Copy_Player(-1, 0, 0, 0);
    Copy_Player(0, 0, 0, -1);
    Copy_Player_To_Memory(&buffer, -3, 0);
    Copy_Player_From_Memory(0, -1, &buffer);
    std::vector<std::string> expected = {"ERROR: Negative destination in Copy_Player()",
                                         "ERROR: Negative source in Copy_Player()",
                                         "ERROR: Negative source in Copy_Player_To_Memory()",
                                         "ERROR: Negative destination in Copy_Player_From_Memory()"};
    EXPECT_EQ(Headless_Log_Lines(), expected);
}

TEST_F(PlayerTest, SwapKeepsTheReturnersOnTheirPlayers) {
    Fill_Team(0, 10, 100);
    g_League.aTeams[0].data.abReturners[KICK_RETURNER] = 3;
    g_League.aTeams[0].data.abReturners[PUNT_RETURNER] = 7;
    Swap_Players(0, 3, 0, 7);
    EXPECT_EQ(ID(0, 3), 107);
    EXPECT_EQ(ID(0, 7), 103);
    EXPECT_EQ(g_League.aTeams[0].data.abReturners[KICK_RETURNER], 7);
    EXPECT_EQ(g_League.aTeams[0].data.abReturners[PUNT_RETURNER], 3);
    Swap_Players(0, 7, 1, 0);  // another team: returners stay
    EXPECT_EQ(g_League.aTeams[0].data.abReturners[KICK_RETURNER], 7);
}

TEST_F(PlayerTest, SwapRejectsBadArgumentsInOrder) {
    Swap_Players(41, -1, 0, 90);
    Swap_Players(-1, 0, 0, 90);
    Swap_Players(0, 90, 0, -1);
    Swap_Players(0, 0, 0, -1);
    std::vector<std::string> expected = {"ERROR: Invalid Swap_Players() Team", "ERROR: Negative Swap_Players() Team",
                                         "ERROR: Invalid Swap_Players() Slot", "ERROR: Negative Swap_Players() Slot"};
    EXPECT_EQ(Headless_Log_Lines(), expected);
}

TEST_F(PlayerTest, FindPlayerIdSurvivesMovesThroughOneFullScan) {
    Fill_Team(0, 10, 100);
    Put_Player(FREE_AGENT_TEAM, 0, 4196);  // same bucket as 100
    Rebuild_Player_Index();
    EXPECT_EQ(Player_ID_Index_Count(), 11);
    TNUM nTeam;
    PNUM nPlayer;
    ASSERT_TRUE(Find_Player_ID(4196, &nTeam, &nPlayer));
    EXPECT_EQ(nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(nPlayer, 0);
    Swap_Players(0, 2, FREE_AGENT_TEAM, 0);
    ASSERT_TRUE(Find_Player_ID(4196, &nTeam, &nPlayer));
    EXPECT_EQ(nTeam, 0);
    EXPECT_EQ(nPlayer, 2);
    ASSERT_TRUE(Find_Player_ID(102, &nTeam, &nPlayer));
    EXPECT_EQ(nTeam, FREE_AGENT_TEAM);
    // A copy earlier in scan order shows that the next answer comes from the index.
    Copy_Player(0, 1, 0, 2);
    EXPECT_TRUE(Find_Player_ID(4196, &nTeam, &nPlayer));
    EXPECT_EQ(nPlayer, 2);
    Clear_Player(0, 9);
    EXPECT_FALSE(Find_Player_ID(109, &nTeam, &nPlayer));
    EXPECT_EQ(nTeam, NO_TEAM);
    EXPECT_EQ(nPlayer, NO_PLAYER);
    EXPECT_FALSE(Find_Player_ID(0));
    EXPECT_TRUE(Logged("nPlayerID=0 in Find_Player_ID()"));
}

TEST_F(PlayerTest, FindPlayerIdAddsAnUnindexedPlayer) {
    Rebuild_Player_Index();
    Put_Player(3, 5, 555);
    EXPECT_TRUE(Find_Player_ID(555));  // found by the scan, ID entered without a place
    EXPECT_EQ(Player_ID_Index_Count(), 1);
    TNUM nTeam;
    PNUM nPlayer;
    EXPECT_TRUE(Find_Player_ID(555, &nTeam, &nPlayer));
    EXPECT_EQ(nTeam, 3);
    EXPECT_EQ(nPlayer, 5);
    EXPECT_EQ(Player_ID_Index_Count(), 1);
}

// ---- Keeping rosters gap-free ----

TEST_F(PlayerTest, RemovingSlotZeroOfAFortyManRoster) {
    Fill_Team(0, 40, 100);
    g_League.aTeams[0].data.abReturners[KICK_RETURNER] = 5;
    Remove_Player(0, 0);
    for (int n = 0; n < 39; n++) EXPECT_EQ(ID(0, (PNUM)n), 101 + n);
    EXPECT_EQ(ID(0, 39), 0);
    EXPECT_EQ(Number_Of_Players(0), 39);
    EXPECT_EQ(g_League.aTeams[0].data.abReturners[KICK_RETURNER], 4);
}

TEST_F(PlayerTest, CompactingClosesEveryGap) {
    Put_Player(0, 1, 11);
    Put_Player(0, 4, 14);
    Put_Player(0, 5, 15);
    Put_Player(0, 79, 19);
    Compact_Team(0);
    EXPECT_EQ(ID(0, 0), 11);
    EXPECT_EQ(ID(0, 1), 14);
    EXPECT_EQ(ID(0, 2), 15);
    EXPECT_EQ(ID(0, 3), 19);
    EXPECT_EQ(Number_Of_Players(0), 4);
}

TEST_F(PlayerTest, ReleaseMovesThePlayerAndClosesHisSlot) {
    Fill_Team(0, 5, 100);
    Put_Player(FREE_AGENT_TEAM, 0, 900);
    EXPECT_EQ(Release_To_Free_Agency(0, 1), 1);
    EXPECT_EQ(ID(FREE_AGENT_TEAM, 1), 101);
    EXPECT_EQ(ID(0, 1), 102);
    EXPECT_EQ(Number_Of_Players(0), 4);
}

TEST_F(PlayerTest, ReleaseIntoAFullPoolDropsFromTheLargestSurplus) {
    // Ideal counts: 3 QB, 2 K, 2 P. 70 healthy QB (surplus 67), 10 P of whom
    // 8 are injured (surplus 0): the last quarterback goes.
    Fill_Team(FREE_AGENT_TEAM, 70, 1000, POS_QB);
    for (int n = 70; n < 80; n++) {
        Put_Player(FREE_AGENT_TEAM, (PNUM)n, 1000 + n, POS_P);
        if (n < 78) Set_Player_Vital_Stat(FREE_AGENT_TEAM, (PNUM)n, VS_INJURY_WEEKS, 2);
    }
    Put_Player(0, 0, 5);
    EXPECT_EQ(Release_To_Free_Agency(0, 0), 79);
    EXPECT_EQ(ID(FREE_AGENT_TEAM, 69), 1070);  // QB 1069 removed, the punters moved up
    EXPECT_EQ(ID(FREE_AGENT_TEAM, 79), 5);
    EXPECT_FALSE(Find_Player_ID(1069));
}

TEST_F(PlayerTest, ReleaseBreaksSurplusTiesTowardsTheHigherPosition) {
    // 3 QB (surplus 0) and 2 K (surplus 0) healthy, everyone else injured.
    for (int n = 0; n < 80; n++) {
        int nPosition = n < 3 ? POS_QB : n < 5 ? POS_K : POS_RB;
        Put_Player(FREE_AGENT_TEAM, (PNUM)n, 2000 + n, nPosition);
        if (n >= 5) Set_Player_Vital_Stat(FREE_AGENT_TEAM, (PNUM)n, VS_INJURY_WEEKS, 1);
    }
    Put_Player(0, 0, 5);
    Release_To_Free_Agency(0, 0);
    EXPECT_EQ(ID(FREE_AGENT_TEAM, 3), 2003);
    EXPECT_EQ(ID(FREE_AGENT_TEAM, 4), 2005);  // kicker 2004, the last K, removed
}

// ---- The free-agent pool's order ----

namespace {
void Put_Agent(PNUM nPlayer, int nID, int nPosition, int nSalary) {
    Clear_Player(FREE_AGENT_TEAM, nPlayer);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, nPlayer, VS_PLAYER_ID, nID);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, nPlayer, VS_POSITION, nPosition);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, nPlayer, VS_SALARY, nSalary);
}
std::vector<int> Pool_IDs() {
    std::vector<int> anIDs;
    for (PNUM n = 0; n < Number_Of_Players(FREE_AGENT_TEAM); n++)
        anIDs.push_back(Get_Player_Vital_Stat(FREE_AGENT_TEAM, n, VS_PLAYER_ID));
    return anIDs;
}
}  // namespace

TEST_F(PlayerTest, FreeAgentsSortBySalaryAndKeepTheOrderOfEquals) {
    // A salary below the minimum reads as the minimum and ties with it.
    Put_Agent(0, 1, POS_K, MINIMUM_SALARY);
    Put_Agent(1, 2, POS_QB, 800);
    Put_Agent(2, 3, POS_WR, 100);
    Put_Agent(3, 4, POS_QB, 5000);
    Put_Agent(4, 5, POS_P, 800);
    Put_Agent(5, 6, POS_RB, MINIMUM_SALARY);
    Sort_Free_Agents();
    EXPECT_EQ(Pool_IDs(), (std::vector<int>{4, 2, 5, 1, 3, 6}));
    Sort_Free_Agents();
    EXPECT_EQ(Pool_IDs(), (std::vector<int>{4, 2, 5, 1, 3, 6}));

    // Grouped by position, quarterbacks first; a punter's salary cannot lift him above a kicker.
    Set_Game_State(GS_DRAFT_LIST_ORDER, 1);
    Put_Agent(6, 7, POS_K, 9000);
    Sort_Free_Agents();
    EXPECT_EQ(Pool_IDs(), (std::vector<int>{4, 2, 6, 3, 7, 1, 5}));
}

TEST_F(PlayerTest, ADearReleaseGoesToTheTopOfTheFullPool) {
    for (int n = 0; n < PLAYERS_PER_TEAM; n++) Put_Agent((PNUM)n, 1000 + n, n % NUMBER_OF_POSITIONS, 300 + 10 * (80 - n));
    Put_Player(0, 0, 5);
    Set_Player_Vital_Stat(0, 0, VS_SALARY, 2000);
    EXPECT_EQ(Release_To_Free_Agency(0, 0), 0);
    EXPECT_EQ(Number_Of_Players(FREE_AGENT_TEAM), PLAYERS_PER_TEAM);
    for (PNUM n = 1; n < PLAYERS_PER_TEAM; n++)
        ASSERT_LE(Get_Player_Vital_Stat(FREE_AGENT_TEAM, n, VS_SALARY),
                  Get_Player_Vital_Stat(FREE_AGENT_TEAM, (PNUM)(n - 1), VS_SALARY));
}

// ---- Departures give their history back ----

// Two seasons of history for a player: 2001 and 2002.
static void Give_History(TNUM nTeam, PNUM nPlayer) {
    for (int nSeason = 1; nSeason <= 2; nSeason++) {
        Set_Game_State(GS_SEASON_INDEX, nSeason);
        Open_History_Record(nTeam, nPlayer, true);
        Add_Player_Open_Record_Stat(nTeam, nPlayer, SS_GAMES, 1);
    }
}

TEST_F(PlayerTest, TheFreeAgentDroppedFromAFullPoolFreesHisHistory) {
    Fill_Team(FREE_AGENT_TEAM, 80, 1000, POS_QB);
    for (PNUM n = 0; n < 80; n++) Give_History(FREE_AGENT_TEAM, n);
    Put_Player(0, 0, 5);
    Give_History(0, 0);
    int nVictimFirst = Get_Player_History_Record(FREE_AGENT_TEAM, 79, 0);
    int nVictimSecond = Get_Player_History_Record(FREE_AGENT_TEAM, 79, 1);
    int nUsed = 0;
    for (const HistoryRecord& record : g_League.aHistory) nUsed += record.nYear != 0;
    EXPECT_EQ(nUsed, 2 * 81);

    PNUM nSlot = Release_To_Free_Agency(0, 0);
    EXPECT_EQ(Get_History_Year(nVictimFirst), 0);
    EXPECT_EQ(Get_History_Year(nVictimSecond), 0);
    EXPECT_EQ(Count_Unowned_History_Records(), 0);
    // The released player's own history came with him.
    ASSERT_EQ(Count_History_Entries(FREE_AGENT_TEAM, nSlot), 2);
    EXPECT_EQ(Get_History_Year(Get_Player_History_Record(FREE_AGENT_TEAM, nSlot, 1)), 2002);
    EXPECT_EQ(Get_History_Team(Get_Player_History_Record(FREE_AGENT_TEAM, nSlot, 1)), 0);
}

TEST_F(PlayerTest, AMoveKeepsTheHistoryAndADeletionFreesIt) {
    Fill_Team(1, 3, 300);
    for (PNUM n = 0; n < 3; n++) Give_History(1, n);
    int nFirst = Get_Player_History_Record(1, 1, 0);
    ASSERT_TRUE(Move_Player_To_Team(1, 1, 2));
    EXPECT_EQ(Get_Player_History_Record(2, 0, 0), nFirst);
    EXPECT_EQ(Count_History_Entries(2, 0), 3);  // and one opened at his new team
    EXPECT_EQ(Count_Unowned_History_Records(), 0);

    Delete_Player(2, 0);
    EXPECT_EQ(Get_History_Year(nFirst), 0);
    EXPECT_EQ(Number_Of_Players(2), 0);
    // An empty slot's zeroed list is no claim on record 0.
    int nZeroYear = Get_History_Year(0);
    ASSERT_NE(nZeroYear, 0);
    Delete_Player(2, 5);
    EXPECT_EQ(Get_History_Year(0), nZeroYear);
    Delete_Player(1, 0);
    EXPECT_EQ(ID(1, 0), 302);  // the gap closed
    EXPECT_EQ(Count_Unowned_History_Records(), 0);
}

// ---- Aging parameters ----

TEST_F(PlayerTest, FixedAgingParameters) {
    Put_Player(0, 0, 7);
    Set_League_Rule(LR_FIXED_AGING, 1);
    Set_Aging_Parameters(0, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_DECLINE_RATE), 100);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_GROWTH_RATE), 100);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_PEAK_START), 26);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_PEAK_END), 31);
}

TEST_F(PlayerTest, AgingParametersDrawInTheirOrder) {
    for (int nAge : {22, 28, 34}) {
        Put_Player(0, 0, 7);
        Set_Player_Vital_Stat(0, 0, VS_AGE, nAge);
        Seed_Random(2024);
        int d[8];
        for (int i = 0; i < 8; i++) d[i] = Random(i < 4 ? 7 : 5);
        int nGrowth = 1000 / (d[0] - d[1] + 10), nDecline = 1000 / (d[2] - d[3] + 10);
        if (nAge <= 26) nGrowth = Ratio(nGrowth, 37 - nAge, 10);
        if (nAge > 30) nDecline = Ratio(nDecline, nAge - 20, 10);
        Seed_Random(2024);
        Set_Aging_Parameters(0, 0);
        EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_GROWTH_RATE), nGrowth) << nAge;
        EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_DECLINE_RATE), nDecline) << nAge;
        EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_PEAK_START), 26 + d[4] - d[5]) << nAge;
        EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_PEAK_END), 31 + d[6] - d[7]) << nAge;
    }
}

// Only a player taken from the pool by a franchise is a signing: a trade, a
// drafted prospect, a release or a move a full roster refused is none.
TEST_F(PlayerTest, TheSigningTallyCountsPlayersTakenFromThePool) {
    Reset_Signing_Tally();
    Fill_Team(FREE_AGENT_TEAM, 3, 700);
    Fill_Team(DRAFT_POOL_TEAMS, 1, 800);
    Fill_Team(1, 2, 300);
    ASSERT_TRUE(Move_Player_To_Team(FREE_AGENT_TEAM, 0, 1));
    EXPECT_EQ(Get_Signing_Tally(), 1);
    ASSERT_TRUE(Move_Player_To_Team(1, 0, 2));                 // a trade
    ASSERT_TRUE(Move_Player_To_Team(DRAFT_POOL_TEAMS, 0, 2));  // a draft pick
    Move_Player_To_Team(2, 0, FREE_AGENT_TEAM);                // a release
    EXPECT_EQ(Get_Signing_Tally(), 1);
    Fill_Team(3, PLAYERS_PER_TEAM, 1000);
    EXPECT_FALSE(Move_Player_To_Team(FREE_AGENT_TEAM, 0, 3));  // no room
    EXPECT_EQ(Get_Signing_Tally(), 1);
    Reset_Signing_Tally();
    EXPECT_EQ(Get_Signing_Tally(), 0);
}
