// Complete games per second, play-by-play text built, with and without
// writing the play-by-play file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "../tests/simulation/game_fixture.h"
#include "base/random.h"
#include "database/saved_game.h"
#include "personnel/injuries.h"
#include "platform/files.h"
#include "simulation/game.h"

namespace {
// The default league when the build has made it, else eight hand-built
// teams, as brakvell-sim bench games plays them.
int Load_League() {
    std::string szUniverse = Find_Data_File((std::string(BRAKVELL_GAME_DIR) + "/Universe.dat").c_str());
    if (!szUniverse.empty() && Load_Game(szUniverse.c_str()) && Number_Of_Teams() >= 2)
        return Number_Of_Teams();
    game_fixture::Build_League(1, 8);
    return 8;
}

void Play_Games(benchmark::State& state, bool bFiles) {
    int nTeams = Load_League();
    Seed_Random(1);
    Set_Play_By_Play_File(bFiles);
    auto old = std::filesystem::current_path();
    auto scratch = std::filesystem::temp_directory_path() / ("brakvell-bench-game-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    std::filesystem::current_path(scratch);
    GameRecord game;
    int i = 0;
    for (auto _ : state) {
        TNUM nHome = (TNUM)(i % nTeams), nVisitor = (TNUM)((i + 1 + i / nTeams) % nTeams);
        if (nHome == nVisitor) nVisitor = (TNUM)((nHome + 1) % nTeams);
        benchmark::DoNotOptimize(Play_Game(nHome, nVisitor, Current_Week(), &game));
        if (++i % (nTeams / 2) == 0) Heal_Injuries();  // a week's games
    }
    std::filesystem::current_path(old);
    std::filesystem::remove_all(scratch);
    Set_Play_By_Play_File(true);
    state.counters["games/s"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
}

void BM_Game(benchmark::State& state) { Play_Games(state, false); }
void BM_Game_With_File(benchmark::State& state) { Play_Games(state, true); }
}  // namespace

BENCHMARK(BM_Game)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Game_With_File)->Unit(benchmark::kMicrosecond);
