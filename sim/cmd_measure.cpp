// brakvell-sim measure: regular seasons of a league played straight through,
// with the league averages of all of them. Tunes the default league; the
// season loop's upkeep (money, trades, standings) is left out.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "database/player.h"
#include "database/random.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/injuries.h"
#include "personnel/roster.h"
#include "reports/league_averages.h"
#include "season/schedule.h"
#include "simulation/game.h"
#include "sim/commands.h"

namespace {
const char* const USAGE = "measure FILE [--seasons N] [--seed S]";

void Start_Season() {
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, 0);
        for (int nField = YR_WINS; nField <= YR_PLAYOFF_LOSSES; nField++) Set_Team_Record_Stat(nTeam, nField, 0);
    }
    Clear_Team_Totals();
    Clear_All_Players_Period(PERIOD_THIS_SEASON);
    memset(g_League.aGames, 0, sizeof g_League.aGames);
    Set_Game_State(GS_CURRENT_WEEK, 0);
    Organise_Computer_Teams();
    Make_Season_Schedule();
}

void Play_Regular_Season() {
    int nGame = 0;
    for (int nWeek = 0; nWeek < First_Playoff_Week(); nWeek++) {
        Set_Game_State(GS_CURRENT_WEEK, nWeek);
        for (TNUM nHome = 0; nHome < Number_Of_Teams(); nHome++) {
            if (Get_Schedule_Kind(nHome, nWeek) != SLOT_FIRST_NAMED || nGame >= NUMBER_OF_GAME_RECORDS) continue;
            Play_Game(nHome, Get_Schedule_Opponent(nHome, nWeek), nWeek, Get_Game_Record(nGame++));
        }
        Heal_Injuries();
    }
}
}  // namespace

int Sim_Measure(int argc, char** argv) {
    if (argc < 1) return Sim_Usage(USAGE);
    long nSeasons = 5, nSeed = 1;
    for (int i = 1; i < argc; i++) {
        char* pEnd = nullptr;
        long nValue = i + 1 < argc ? strtol(argv[i + 1], &pEnd, 10) : 0;
        if (!pEnd || *pEnd != '\0' || pEnd == argv[i + 1]) return Sim_Usage(USAGE);
        if (strcmp(argv[i], "--seasons") == 0 && nValue > 0)
            nSeasons = nValue;
        else if (strcmp(argv[i], "--seed") == 0)
            nSeed = nValue;
        else
            return Sim_Usage(USAGE);
        i++;
    }
    Set_Play_By_Play_File(false);
    LeagueSums sums = {};
    for (long nSeason = 0; nSeason < nSeasons; nSeason++) {
        if (!Load_Game(argv[0])) {
            fprintf(stderr, "brakvell-sim: cannot load %s\n", argv[0]);
            return 1;
        }
        Seed_Random((uint32_t)(nSeed + nSeason));
        Start_Season();
        Play_Regular_Season();
        Add_Season_Sums(&sums);
    }
    printf("seasons\t%ld\tgames\t%d\n", nSeasons, sums.nRegularGames);
    Write_League_Averages(stdout, sums);
    return 0;
}
