// Whole seasons of the default league: every game, the money, the standings
// and the playoffs, through the play menu's operation.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "../tests/season/default_league.h"
#include "database/saved_game.h"
#include "season/core_hooks.h"
#include "simulation/game.h"

namespace {
void BM_Season(benchmark::State& state) {
    Connect_Core_Hooks();
    std::string szGame = BRAKVELL_GAME_DIR;
    auto old = std::filesystem::current_path();
    auto scratch = std::filesystem::temp_directory_path() / ("brakvell-bench-season-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    std::error_code error;
    std::filesystem::create_directory_symlink(szGame + "/names", scratch / "names", error);
    std::filesystem::current_path(scratch);
    if (!season_fixture::Start_Default_League((szGame + "/Universe.dat").c_str(), 1)) {
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
    std::filesystem::current_path(old);
    std::filesystem::remove_all(scratch, error);
}
}  // namespace

BENCHMARK(BM_Season)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime();
