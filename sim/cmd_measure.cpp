// brakvell-sim measure: regular seasons of new games of the default league,
// each as `new --team 0 --difficulty 1 --seed S` and `play --weeks 22 --seed S`
// make it, with the league averages of all of them. Tunes the default league.
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "base/random.h"
#include "database/saved_game.h"
#include "reports/league_averages.h"
#include "season/schedule.h"
#include "season/season_loop.h"
#include "sim/commands.h"
#include "simulation/game.h"

namespace fs = std::filesystem;

namespace {
const char* const USAGE = "measure FILE [--seasons N] [--seed S]";

bool Play_New_Season(uint32_t nSeed, LeagueSums* pSums) {
    // Saved and loaded again, as between `new` and `play`.
    if (!Start_Default_Game(nSeed) || Save_Game("season.vtr") != SAVE_OK || !Load_League_File("season.vtr"))
        return false;
    Seed_Random(nSeed);
    Set_Game_State(GS_AUTOSAVE, 0);
    Play_Weeks(SCHEDULE_SLOTS);  // stops where the playoffs begin
    Add_Season_Sums(pSums);
    return true;
}
}  // namespace

int Sim_Measure(int argc, char** argv) {
    if (argc < 1) return Sim_Usage(USAGE);
    long nSeasons = 5, nSeed = 1;
    for (int i = 1; i < argc; i++)
        if (!Parse_Option(i, argc, argv, "--seasons", nSeasons, 1, 1000) &&
            !Parse_Option(i, argc, argv, "--seed", nSeed, 0, MAXIMUM_SEED))
            return Sim_Usage(USAGE);
    std::error_code error;
    fs::path universe = fs::absolute(argv[0], error);
    if (!fs::is_regular_file(universe, error)) {
        fprintf(stderr, "brakvell-sim: cannot load %s\n", argv[0]);
        return 1;
    }
    // New games clear the output folder and write the fame file: they do it
    // in a scratch folder that holds the league and the name lists beside it.
    ScratchFolder folder;
    if (!Enter_Scratch_Folder("brakvell-measure", universe.parent_path(), &folder)) return 1;
    fs::create_symlink(universe, UNIVERSE_FILE, error);
    Set_Play_By_Play_File(false);
    LeagueSums sums = {};
    bool bPlayed = true;
    for (long nSeason = 0; bPlayed && nSeason < nSeasons; nSeason++)
        bPlayed = Play_New_Season((uint32_t)(nSeed + nSeason), &sums);
    Leave_Scratch_Folder(folder);
    if (!bPlayed) {
        fprintf(stderr, "brakvell-sim: cannot start a new game from %s\n", argv[0]);
        return 1;
    }
    printf("seasons\t%ld\tgames\t%d\n", nSeasons, sums.nRegularGames);
    Write_League_Averages(stdout, sums);
    return 0;
}
