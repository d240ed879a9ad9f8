// brakvell-sim report: the season's league averages beside the real league's.
#include <cstdio>

#include "database/saved_game.h"
#include "reports/league_averages.h"
#include "sim/commands.h"

int Sim_Report(int argc, char** argv) {
    if (argc != 1) return Sim_Usage("report FILE");
    if (!Load_League_File(argv[0])) {
        fprintf(stderr, "brakvell-sim: cannot load %s\n", argv[0]);
        return 1;
    }
    LeagueSums sums = {};
    Add_Season_Sums(&sums);
    if (sums.nTeamGames == 0) {
        fprintf(stderr, "brakvell-sim: no games have been played this season in %s\n", argv[0]);
        return 1;
    }
    Write_League_Averages(stdout, sums);
    return 0;
}
