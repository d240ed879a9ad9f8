#include <cstring>
#include <initializer_list>

#include "player_fixture.h"

class HistoryTest : public PlayerTest {
  protected:
    void SetUp() override {
        PlayerTest::SetUp();
        Set_Game_State(GS_SEASON_INDEX, 5);  // calendar year 2005
        Put_Player(2, 4, 77, POS_RB);
    }
    static int Record(int nEntry) { return Get_Player_History_Record(2, 4, nEntry); }
};

TEST_F(HistoryTest, OpeningReusesAnUnusedRecord) {
    int nFirst = Open_History_Record(2, 4, true);
    EXPECT_EQ(nFirst, 0);
    EXPECT_EQ(Get_History_Year(nFirst), 2005);
    EXPECT_EQ(Get_History_Team(nFirst), 2);
    EXPECT_EQ(Get_Player_Open_Record(2, 4), nFirst);
    // Nothing counted yet: opening again keeps the same record.
    EXPECT_EQ(Open_History_Record(2, 4, true), nFirst);
    EXPECT_EQ(Count_History_Entries(2, 4), 1);
    Add_Player_Open_Record_Stat(2, 4, SS_RUSHES, 12);
    int nSecond = Open_History_Record(2, 4, true);
    EXPECT_EQ(nSecond, 1);
    EXPECT_EQ(Count_History_Entries(2, 4), 2);
    EXPECT_EQ(Get_Player_Season_Stat(2, 4, PERIOD_HISTORY, SS_RUSHES), 12);
}

TEST_F(HistoryTest, SnapshotsOfLastAndThisSeason) {
    Set_Player_Season_Stat(2, 4, PERIOD_LAST_SEASON, SS_GAMES, 14);
    Set_Player_Season_Stat(2, 4, PERIOD_LAST_SEASON, SS_RUSH_YARDS, 900);
    Set_Player_Season_Stat(2, 4, PERIOD_THIS_SEASON, SS_RUSH_YARDS, 80);
    Snapshot_Player_Period(2, 4, PERIOD_LAST_SEASON);
    Snapshot_Player_Period(2, 4, PERIOD_THIS_SEASON);
    ASSERT_EQ(Count_History_Entries(2, 4), 2);
    EXPECT_EQ(Get_History_Year(Record(0)), 2004);
    EXPECT_EQ(Get_Player_Season_Stat(2, 4, PERIOD_HISTORY + 0, SS_RUSH_YARDS), 900);
    EXPECT_EQ(Get_History_Year(Record(1)), 2005);
    EXPECT_EQ(Get_Player_Season_Stat(2, 4, PERIOD_HISTORY + 1, SS_RUSH_YARDS), 80);
    EXPECT_EQ(Get_Player_Open_Record(2, 4), Record(1));
    EXPECT_TRUE(Has_History_Year(2, 4, 2004));
    EXPECT_FALSE(Has_History_Year(2, 4, 2003));
}

TEST_F(HistoryTest, LastSeasonWithoutGamesIsNotRecorded) {
    Set_Player_Season_Stat(2, 4, PERIOD_LAST_SEASON, SS_RUSH_YARDS, 5);
    Snapshot_Player_Period(2, 4, PERIOD_LAST_SEASON);
    EXPECT_EQ(Count_History_Entries(2, 4), 0);
}

TEST_F(HistoryTest, AFullPoolRecordsNothing) {
    for (int n = 0; n < NUMBER_OF_HISTORY_RECORDS; n++) g_League.aHistory[n].nYear = n == 32767 ? 0 : 1999;
    EXPECT_EQ(Open_History_Record(2, 4, true), -1);  // 32767 is never handed out
    EXPECT_EQ(Count_History_Entries(2, 4), 0);
}

// Every record but the never-used last one is taken, except those listed.
static void Fill_Pool_Except(std::initializer_list<int> anKeep) {
    for (int n = 0; n < NUMBER_OF_HISTORY_RECORDS - 1; n++)
        if (g_League.aHistory[n].nYear == 0) g_League.aHistory[n].nYear = 1999;
    for (int n : anKeep) memset(&g_League.aHistory[n], 0, sizeof(HistoryRecord));
}

TEST_F(HistoryTest, WithThePoolFullANewSeasonLeavesLastSeasonClosed) {
    Set_Game_State(GS_SEASON_INDEX, 4);
    int nLast = Open_History_Record(2, 4, true);
    Add_Player_Open_Record_Stat(2, 4, SS_RUSH_YARDS, 700);
    Fill_Pool_Except({});
    Set_Game_State(GS_SEASON_INDEX, 5);
    EXPECT_EQ(Open_History_Record(2, 4, true), -1);
    EXPECT_EQ(Get_Player_Open_Record(2, 4), -1);
    Add_Player_Open_Record_Stat(2, 4, SS_RUSH_YARDS, 55);
    EXPECT_EQ(g_League.aHistory[nLast].anStats[SS_RUSH_YARDS], 700);
    EXPECT_EQ(Get_History_Year(nLast), 2004);
    EXPECT_EQ(Count_History_Entries(2, 4), 1);
    // A record freed later is his again from the next opening on.
    Fill_Pool_Except({9});
    EXPECT_EQ(Open_History_Record(2, 4, true), 9);
    Add_Player_Open_Record_Stat(2, 4, SS_RUSH_YARDS, 55);
    EXPECT_EQ(g_League.aHistory[9].anStats[SS_RUSH_YARDS], 55);
    EXPECT_EQ(g_League.aHistory[nLast].anStats[SS_RUSH_YARDS], 700);
}

TEST_F(HistoryTest, AFullListLeavesLastSeasonClosed) {
    for (int nYear = 0; nYear < HISTORY_ENTRIES; nYear++) {
        Set_Game_State(GS_SEASON_INDEX, nYear);
        Open_History_Record(2, 4, true);
        Add_Player_Open_Record_Stat(2, 4, SS_GAMES, 1);
    }
    Set_Game_State(GS_SEASON_INDEX, HISTORY_ENTRIES);
    EXPECT_EQ(Open_History_Record(2, 4, true), -1);
    EXPECT_EQ(Get_Player_Open_Record(2, 4), -1);
}

TEST_F(HistoryTest, RemovingEntriesFreesTheirRecords) {
    for (int nYear = 0; nYear < 3; nYear++) {
        Set_Game_State(GS_SEASON_INDEX, nYear);
        Open_History_Record(2, 4, true);
        Add_Player_Open_Record_Stat(2, 4, SS_GAMES, 1);
    }
    int nMiddle = Record(1), nLast = Record(2);
    Remove_History_Entry(2, 4, 1);
    EXPECT_EQ(Get_History_Year(nMiddle), 0);
    EXPECT_EQ(Record(1), nLast);
    EXPECT_EQ(Record(2), -1);
    EXPECT_EQ(g_League.aTeams[2].aPlayers[4].anHistory[29], -1);
    Set_Player_Season_Stat(2, 4, PERIOD_PREDICTED, SS_RUSHES, 200);
    Set_Player_Season_Stat(2, 4, PERIOD_CAREER, SS_RUSHES, 600);
    int nFirst = Record(0);
    Clear_Player_Stats(2, 4);
    EXPECT_EQ(Count_History_Entries(2, 4), 0);
    EXPECT_EQ(Get_History_Year(nFirst), 0);
    EXPECT_EQ(Get_History_Year(nLast), 0);
    EXPECT_EQ(Get_Player_Season_Stat(2, 4, PERIOD_CAREER, SS_RUSHES), 0);
    EXPECT_EQ(Get_Player_Season_Stat(2, 4, PERIOD_PREDICTED, SS_RUSHES), 200);
    // The freed open record is no longer his: the next season gets a fresh one.
    EXPECT_EQ(Get_Player_Open_Record(2, 4), -1);
    EXPECT_EQ(Open_History_Record(2, 4, true), 0);
    EXPECT_EQ(Count_History_Entries(2, 4), 1);
}

TEST_F(HistoryTest, SortingOrdersEveryListByYear) {
    const int YEARS[] = {2003, 2001, 2004, 2002};
    int32_t* anList = g_League.aTeams[2].aPlayers[4].anHistory;
    for (int k = 0; k < 4; k++) {
        anList[k] = 100 + k;
        g_League.aHistory[100 + k].nYear = YEARS[k];
    }
    Sort_History_Lists();
    for (int k = 0; k < 4; k++) EXPECT_EQ(Get_History_Year(anList[k]), 2001 + k);
    EXPECT_EQ(anList[4], -1);
}

// Each simulated season's record says which season of his it was, so that a
// college season (negative) is told from a professional one; the pool counts
// what is taken.
TEST_F(HistoryTest, AnOpenedRecordCarriesHisExperienceAndCounts) {
    int nInUse = Count_History_Records_In_Use();
    Set_Player_Vital_Stat(2, 4, VS_EXPERIENCE, 6);
    int nRecord = Open_History_Record(2, 4, true);
    EXPECT_EQ(Get_History_Experience(nRecord), 6);
    EXPECT_EQ(Count_History_Records_In_Use(), nInUse + 1);
    // Reopened unused after a move or as a prospect: the experience follows him.
    Set_Player_Vital_Stat(2, 4, VS_EXPERIENCE, -2);
    EXPECT_EQ(Open_History_Record(2, 4, true), nRecord);
    EXPECT_EQ(Get_History_Experience(nRecord), -2);
    Remove_All_History(2, 4);
    EXPECT_EQ(Count_History_Records_In_Use(), nInUse);
}
