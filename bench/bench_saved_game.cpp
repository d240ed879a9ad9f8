// Saving and loading a full league: the auto-save runs during play, the
// load at every resume.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "bench_league.h"
#include "database/saved_game.h"

namespace {

// The league is made once, in a scratch folder of its own that the saves share.
struct SavedGameFolder {
    BenchFolder folder;
    bool bStarted;
    SavedGameFolder() : folder(Enter_Bench_Folder("brakvell-bench-saved", BRAKVELL_GAME_DIR)) {
        bStarted = Start_Bench_League(1);
        std::filesystem::current_path(folder.old);
    }
    ~SavedGameFolder() { Leave_Bench_Folder(folder); }
};

// The league as it was made; a load in between must not change what the next benchmark saves.
bool Fresh_League(std::string* pFolder) {
    static SavedGameFolder saved;
    static std::vector<unsigned char> league;
    if (!saved.bStarted) return false;
    if (league.empty()) league.assign((unsigned char*)&g_League, (unsigned char*)&g_League + sizeof g_League);
    memcpy(&g_League, league.data(), sizeof g_League);
    *pFolder = saved.folder.scratch.string();
    return true;
}

void BM_Save_Level6(benchmark::State& state) {
    std::string szFolder;
    if (!Fresh_League(&szFolder)) return state.SkipWithError("no Universe.dat in the game folder");
    std::string szPath = szFolder + "/league.vtr";
    for (auto _ : state)
        if (Save_Game(szPath.c_str()) != SAVE_OK) state.SkipWithError("save failed");
}
BENCHMARK(BM_Save_Level6)->Unit(benchmark::kMillisecond);

void BM_Auto_Save_Level1(benchmark::State& state) {
    std::string szFolder;
    if (!Fresh_League(&szFolder)) return state.SkipWithError("no Universe.dat in the game folder");
    std::string szPath = szFolder + "/" + AUTO_SAVE_FILE;
    for (auto _ : state)
        if (Save_Game(szPath.c_str()) != SAVE_OK) state.SkipWithError("auto-save failed");
}
BENCHMARK(BM_Auto_Save_Level1)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
    std::string szFolder;
    if (!Fresh_League(&szFolder)) return state.SkipWithError("no Universe.dat in the game folder");
    std::string szPath = szFolder + "/league.vtr";
    if (Save_Game(szPath.c_str()) != SAVE_OK) state.SkipWithError("save failed");
    for (auto _ : state)
        if (!Load_Game(szPath.c_str())) state.SkipWithError("load failed");
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

}  // namespace
