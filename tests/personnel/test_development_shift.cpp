#include <cstring>

#include "base/random.h"
#include "database/player.h"
#include "personnel/development_shift.h"
#include "personnel_support.h"
#include "test_support.h"

using DevelopmentShiftTest = LeagueTest;

// A new season moves the franchises' players only; the free agents, the
// hall of fame, the prospects and a franchise code not in use stay as they were.
TEST_F(DevelopmentShiftTest, TheYearlyFluctuationTouchesOnlyFranchisesInUse) {
    Use_Teams(2);
    constexpr TNUM UNUSED_TEAM = 5;
    const TNUM anTeams[] = {0, UNUSED_TEAM, FREE_AGENT_TEAM, HALL_OF_FAME_TEAM, DRAFT_POOL_TEAMS};
    Make_Player(0, 0, 1, POS_RB, 21, 0);  // young and new: the likeliest to move
    Set_Counters(0, 0, PERIOD_PREDICTED, {{SS_RUSHES, 200}, {SS_RUSH_YARDS, 800}, {SS_RECEPTIONS, 20}});
    PlayerRecord young;
    Copy_Player_To_Memory(&young, 0, 0);
    int nFranchiseMoved = 0, nAllMoved = 0;
    for (uint32_t nSeed = 1; nSeed <= 30; nSeed++) {
        for (TNUM nTeam : anTeams) Copy_Player_From_Memory(nTeam, 0, &young);
        Seed_Random(nSeed);
        Random_Yearly_Fluctuation();
        for (TNUM nTeam : anTeams) {
            bool bMoved = memcmp(g_League.aTeams[nTeam].aPlayers[0].anStats[PERIOD_PREDICTED],
                                 young.anStats[PERIOD_PREDICTED], sizeof young.anStats[PERIOD_PREDICTED]) != 0;
            if (nTeam == 0)
                nFranchiseMoved += bMoved;
            else
                EXPECT_FALSE(bMoved) << (int)nTeam << " seed " << nSeed;
        }
        // A new game's league moves everybody.
        for (TNUM nTeam : anTeams) Copy_Player_From_Memory(nTeam, 0, &young);
        Seed_Random(nSeed);
        Random_Development_Shift();
        nAllMoved += memcmp(g_League.aTeams[FREE_AGENT_TEAM].aPlayers[0].anStats[PERIOD_PREDICTED],
                            young.anStats[PERIOD_PREDICTED], sizeof young.anStats[PERIOD_PREDICTED]) != 0;
    }
    EXPECT_GT(nFranchiseMoved, 0);
    EXPECT_GT(nAllMoved, 0);
}
