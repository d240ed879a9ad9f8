// What the commands that run whole seasons share.
#include "sim/season_run.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <strings.h>
#include <unistd.h>

#include "database/league_database.h"
#include "database/saved_game.h"
#include "database/season_state.h"
#include "season/college_draft.h"
#include "season/season_loop.h"

double Cpu_Ms() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void End_Waiting_Draft() {
    if (College_Draft_Running()) End_College_Draft();
}

bool Finish_Season() {
    End_Waiting_Draft();
    while (!Season_Is_Over()) {
        int nWeek = Current_Week();
        Play_Weeks(SCHEDULE_SLOTS);
        if (Current_Week() == nWeek && !Season_Is_Over()) return false;
    }
    return true;
}

int Start_League_Bench(const char* szName, long nMaxCount, int argc, char** argv, long* pCount, long* pSeed,
                       ScratchFolder* pFolder) {
    std::string szUsage = std::string("bench ") + szName + " [--count N] [--seed S]";
    for (int i = 1; i < argc; i++)
        if (!Parse_Option(i, argc, argv, "--count", *pCount, 1, nMaxCount) &&
            !Parse_Option(i, argc, argv, "--seed", *pSeed, 0, MAXIMUM_SEED))
            return Sim_Usage(szUsage.c_str());
    std::string szStem = std::string("brakvell-bench-") + szName;
    if (!Enter_Scratch_Folder(szStem.c_str(), ".", pFolder)) return 1;
    if (!Link_Universe(*pFolder)) {
        Leave_Scratch_Folder(*pFolder);
        fprintf(stderr, "brakvell-sim: bench %s needs %s in the working folder\n", szName, UNIVERSE_FILE);
        return 1;
    }
    if (!Start_Default_Game((uint32_t)*pSeed)) {
        Leave_Scratch_Folder(*pFolder);
        return 1;
    }
    return 0;
}

bool Open_Game_To_Write_Back(const char* szFile) {
    std::string szShown = Printable(szFile);
    // The default league is where every new game starts, not a game to play on.
    if (strcasecmp(std::filesystem::path(szFile).filename().c_str(), UNIVERSE_FILE) == 0) {
        fprintf(stderr, "brakvell-sim: %s is the default league; play a saved game made by 'new'\n", szShown.c_str());
        return false;
    }
    // Refused before any week is played: the weeks could not be kept.
    int nLock = Lock_Game_File(szFile);
    if (nLock == GAME_FILE_IN_USE) {
        fprintf(stderr, "brakvell-sim: %s is in use by another process\n", szShown.c_str());
        return false;
    }
    // The new file is made beside the one at the end of any links.
    std::error_code error;
    std::string szFolder = std::filesystem::canonical(szFile, error).parent_path().string();
    if (nLock != GAME_FILE_LOCKED || error || access(szFile, W_OK) != 0 || access(szFolder.c_str(), W_OK) != 0) {
        fprintf(stderr, "brakvell-sim: %s is not a saved game that can be written back\n", szShown.c_str());
        return false;
    }
    if (!Load_League_File(szFile)) {
        fprintf(stderr, "brakvell-sim: cannot load %s; it is left as it was\n", szShown.c_str());
        return false;
    }
    return true;
}
