// Whole seasons of the default league: every game, the money, the standings
// and the playoffs, through the play menu's operation.
#include <benchmark/benchmark.h>

#include "bench_league.h"
#include "database/league_database.h"
#include "season/season_loop.h"
#include "simulation/game.h"

namespace {
void BM_Season(benchmark::State& state) {
    BenchFolder folder = Enter_Bench_Folder("brakvell-bench-season", BRAKVELL_GAME_DIR);
    if (!Start_Bench_League(1)) {
        state.SkipWithError("no Universe.dat in the game folder");
    } else {
        Set_Game_State(GS_AUTOSAVE, 0);
        Set_Play_By_Play_File(false);
        bool bFirst = true;
        for (auto _ : state) {
            if (!bFirst) {
                state.PauseTiming();
                Process_Offseason();
                state.ResumeTiming();
            }
            bFirst = false;
            Play_Weeks(22);  // the regular season
            Play_Weeks(22);  // the playoffs
        }
        Set_Play_By_Play_File(true);
    }
    Leave_Bench_Folder(folder);
}
}  // namespace

BENCHMARK(BM_Season)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime();
