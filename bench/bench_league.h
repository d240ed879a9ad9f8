// The league the benchmarks measure: the default league of the game folder
// as a new game, started as the program starts. It is set up in a scratch
// folder of the benchmark's own, since a new game writes the fame file and
// empties the output folder.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "commands/start_up.h"

struct BenchFolder {
    std::filesystem::path old, scratch;
};

// A fresh scratch folder, entered, that sees the league and the name lists of szGame.
inline BenchFolder Enter_Bench_Folder(const char* szStem, const std::string& szGame) {
    namespace fs = std::filesystem;
    BenchFolder folder;
    std::error_code error;
    folder.old = fs::current_path(error);
    folder.scratch = fs::temp_directory_path(error) / (std::string(szStem) + "-" + std::to_string(getpid()));
    fs::create_directories(folder.scratch, error);
    for (const char* szName : {"Universe.dat", "names"})
        if (fs::exists(fs::path(szGame) / szName, error))
            fs::create_symlink(fs::absolute(fs::path(szGame) / szName, error), folder.scratch / szName, error);
    fs::current_path(folder.scratch, error);
    return folder;
}

inline void Leave_Bench_Folder(const BenchFolder& folder) {
    std::error_code error;
    std::filesystem::current_path(folder.old, error);
    std::filesystem::remove_all(folder.scratch, error);
}

// What `brakvell-sim new --team 0 --difficulty 1 --seed S` makes, from the
// working folder's Universe.dat; false when there is none.
inline bool Start_Bench_League(uint32_t nSeed) {
    StartUpOptions options;
    options.bSeedFromClock = false;
    options.nSeed = nSeed;
    return Start_Up_Core(options).bUniverseLoaded && Start_Default_New_Game(0, 1);
}
