// Complete games per second, play-by-play text built, with and without
// writing the play-by-play file.
#include <benchmark/benchmark.h>

#include "base/random.h"
#include "bench_league.h"
#include "personnel/injuries.h"
#include "simulation/game.h"

namespace {
// The default league as a new game, as brakvell-sim bench games plays it.
void Play_Games(benchmark::State& state, bool bFiles) {
    BenchFolder folder = Enter_Bench_Folder("brakvell-bench-game", BRAKVELL_GAME_DIR);
    if (!Start_Bench_League(1) || Number_Of_Teams() < 2) {
        Leave_Bench_Folder(folder);
        state.SkipWithError("no Universe.dat in the game folder");
        return;
    }
    int nTeams = Number_Of_Teams();
    Seed_Random(1);
    Set_Play_By_Play_File(bFiles);
    GameRecord game;
    int i = 0;
    for (auto _ : state) {
        TNUM nHome = (TNUM)(i % nTeams), nVisitor = (TNUM)((i + 1 + i / nTeams) % nTeams);
        if (nHome == nVisitor) nVisitor = (TNUM)((nHome + 1) % nTeams);
        benchmark::DoNotOptimize(Play_Game(nHome, nVisitor, Current_Week(), &game));
        if (++i % (nTeams / 2) == 0) Heal_Injuries();  // a week's games
    }
    Leave_Bench_Folder(folder);
    Set_Play_By_Play_File(true);
    state.counters["games/s"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
}

void BM_Game(benchmark::State& state) { Play_Games(state, false); }
void BM_Game_With_File(benchmark::State& state) { Play_Games(state, true); }
}  // namespace

BENCHMARK(BM_Game)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Game_With_File)->Unit(benchmark::kMicrosecond);
