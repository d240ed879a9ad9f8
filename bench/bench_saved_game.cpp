// Saving and loading a full league: the auto-save runs during play, the
// load at every resume.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "../tests/sample_league.h"
#include "database/saved_game.h"

namespace {

// Benchmarks write into a scratch folder of their own.
struct ScratchFolder {
    std::string szPath;
    ScratchFolder() {
        char szTemplate[] = "/tmp/brakvell-bench-XXXXXX";
        szPath = mkdtemp(szTemplate);
    }
    ~ScratchFolder() {
        for (const char* szName : {"/league.vtr", "/[Auto Save].vtr", "/debug.txt"}) remove((szPath + szName).c_str());
        rmdir(szPath.c_str());
    }
};

ScratchFolder& Folder() {
    static ScratchFolder folder;
    return folder;
}

void BM_Save_Level6(benchmark::State& state) {
    sample::Fill_League(1);
    std::string szPath = Folder().szPath + "/league.vtr";
    for (auto _ : state)
        if (Save_Game(szPath.c_str()) != SAVE_OK) state.SkipWithError("save failed");
}
BENCHMARK(BM_Save_Level6)->Unit(benchmark::kMillisecond);

void BM_Auto_Save_Level1(benchmark::State& state) {
    sample::Fill_League(1);
    std::string szPath = Folder().szPath + "/" + AUTO_SAVE_FILE;
    for (auto _ : state)
        if (Save_Game(szPath.c_str()) != SAVE_OK) state.SkipWithError("auto-save failed");
}
BENCHMARK(BM_Auto_Save_Level1)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
    sample::Fill_League(1);
    std::string szPath = Folder().szPath + "/league.vtr";
    if (Save_Game(szPath.c_str()) != SAVE_OK) state.SkipWithError("save failed");
    for (auto _ : state)
        if (!Load_Game(szPath.c_str())) state.SkipWithError("load failed");
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

}  // namespace
