// brakvell-sim measure: regular seasons of a league made ready as a new game
// makes it, with the league averages of all of them. Tunes the default league.
#include <cstdio>

#include "reports/league_averages.h"
#include "season/season_loop.h"
#include "simulation/game.h"
#include "sim/commands.h"
#include "tests/season/default_league.h"

namespace {
const char* const USAGE = "measure FILE [--seasons N] [--seed S]";
}  // namespace

int Sim_Measure(int argc, char** argv) {
    if (argc < 1) return Sim_Usage(USAGE);
    long nSeasons = 5, nSeed = 1;
    for (int i = 1; i < argc; i++)
        if (!Parse_Option(i, argc, argv, "--seasons", nSeasons) && !Parse_Option(i, argc, argv, "--seed", nSeed))
            return Sim_Usage(USAGE);
    if (nSeasons < 1) return Sim_Usage(USAGE);
    Set_Play_By_Play_File(false);
    LeagueSums sums = {};
    for (long nSeason = 0; nSeason < nSeasons; nSeason++) {
        if (!season_fixture::Start_Default_League(argv[0], (uint32_t)(nSeed + nSeason))) {
            fprintf(stderr, "brakvell-sim: cannot load %s\n", argv[0]);
            return 1;
        }
        Set_Game_State(GS_AUTOSAVE, 0);
        Play_Weeks(SCHEDULE_SLOTS);  // stops where the playoffs begin
        Add_Season_Sums(&sums);
    }
    printf("seasons\t%ld\tgames\t%d\n", nSeasons, sums.nRegularGames);
    Write_League_Averages(stdout, sums);
    return 0;
}
