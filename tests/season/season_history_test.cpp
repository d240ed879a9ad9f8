// Seasons of the default league played through, watching the history pool:
// departing players give their records back, and with the pool full a season
// is left unrecorded instead of poured into last season's records.
#include <cstring>
#include <string>
#include <vector>

#include "database/integrity.h"
#include "database/player.h"
#include "default_season_fixture.h"
#include "personnel/player_creation.h"
#include "season/playoffs.h"
#include "season/season_loop.h"

namespace {
class SeasonHistoryTest : public DefaultSeasonTest {
  protected:
    static void Expect_Sound(const char* szWhen) {
        std::vector<std::string> violations;
        Check_League_Integrity(&violations);
        for (const std::string& szViolation : violations) ADD_FAILURE() << szWhen << ": " << szViolation;
    }
    static void Finish_Season() {
        while (!Season_Is_Over()) Play_Weeks(22);
    }
    // The ID of the player whose history list names each record, 0 for none.
    static std::vector<int> Record_Owners() {
        std::vector<int> anOwner(NUMBER_OF_HISTORY_RECORDS, 0);
        for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
            for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
                if (!Is_Valid_Player(nTeam, nSlot)) continue;
                for (int nEntry = 0; nEntry < HISTORY_ENTRIES; nEntry++) {
                    int nRecord = Get_Player_History_Record(nTeam, nSlot, nEntry);
                    if (nRecord >= 0) anOwner[(size_t)nRecord] = Get_Player_Vital_Stat(nTeam, nSlot, VS_PLAYER_ID);
                }
            }
        return anOwner;
    }
    static bool Counters_Used(const HistoryRecord& record) {
        for (int32_t n : record.anStats)
            if (n != 0) return true;
        return false;
    }
};
}  // namespace

TEST_F(SeasonHistoryTest, SeasonsAndTheirTurnsStaySoundAndLoseNoRecords) {
    Start(3);
    // A full free-agent pool: every release drops a free agent from the league.
    for (PNUM nSlot = First_Empty_Slot(FREE_AGENT_TEAM); nSlot != NO_PLAYER; nSlot = First_Empty_Slot(FREE_AGENT_TEAM))
        ASSERT_EQ(Make_Free_Agent(FREE_AGENT_TEAM, nSlot), 1);
    int nUnowned = Count_Unowned_History_Records();
    for (int nSeason = 0; nSeason < 3; nSeason++) {
        Finish_Season();
        Expect_Sound("season over");
        EXPECT_EQ(Count_Unowned_History_Records(), nUnowned);
        Play_Weeks(1);  // the turn of the season
        ASSERT_EQ(Current_Week(), 0);
        Expect_Sound("new season");
        EXPECT_EQ(Count_Unowned_History_Records(), nUnowned);
    }
}

TEST_F(SeasonHistoryTest, AFullPoolLeavesTheNewSeasonUnrecorded) {
    Start(4);
    Finish_Season();
    // Every free record taken by nobody: the next season finds none.
    for (int n = 0; n < NUMBER_OF_HISTORY_RECORDS - 1; n++)
        if (g_League.aHistory[n].nYear == 0) g_League.aHistory[n].nYear = 1;
    std::vector<HistoryRecord> before(std::begin(g_League.aHistory), std::end(g_League.aHistory));
    std::vector<int> anOwnersBefore = Record_Owners();
    Play_Weeks(1);
    ASSERT_EQ(Current_Week(), 0);
    Play_Weeks(4);
    ASSERT_EQ(Current_Week(), 4);
    Expect_Sound("four weeks with the pool full");
    int nChanged = 0, nPlayed = 0;
    std::vector<int> anOwnersAfter = Record_Owners();
    for (int n = 0; n < NUMBER_OF_HISTORY_RECORDS; n++)
        // Retirements give records back, and the new season or the college
        // class's made-up past may take them: only a record still of its old
        // year and its old owner must be untouched.
        if (Counters_Used(before[(size_t)n]) && g_League.aHistory[n].nYear == before[(size_t)n].nYear &&
            anOwnersBefore[(size_t)n] != 0 && anOwnersAfter[(size_t)n] == anOwnersBefore[(size_t)n] &&
            memcmp(&before[(size_t)n], &g_League.aHistory[n], sizeof(HistoryRecord)) != 0)
            nChanged++;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Valid_Player(nTeam, nSlot)) nPlayed += Get_Player_Season_Stat(nTeam, nSlot, PERIOD_THIS_SEASON, SS_GAMES);
    EXPECT_EQ(nChanged, 0);
    EXPECT_GT(nPlayed, 0);
}
