// brakvell-sim commands that play a saved league's season.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <ctime>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "base/random.h"
#include "commands/start_up.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "platform/files.h"
#include "season/schedule.h"
#include "season/season_loop.h"
#include "season/stored_games.h"
#include "sim/commands.h"
#include "simulation/game.h"

namespace {
// "Week 5: BUF 17 at MIA 24, ..." for the week just played.
void Print_Week_Played() {
    int nWeek = Current_Week() - 1;
    printf("Week %d:", nWeek + 1);
    int nGames = 0;
    for (TNUM nHome = 0; nWeek < SCHEDULE_SLOTS && nHome < NUMBER_OF_FRANCHISES; nHome++) {
        if (!Valid_Team(nHome) || Get_Schedule_Kind(nHome, nWeek) != SLOT_FIRST_NAMED) continue;
        StoredGame game;
        if (!Stored_Game_Teams_And_Score(Get_Schedule_Field(nHome, nWeek, SLOT_GAME_RECORD), &game) ||
            game.nHome != nHome)
            continue;
        char szVisitor[TEXT_SIZE], szHome[TEXT_SIZE];
        Get_Team_Abbreviation(game.nVisitor, szVisitor);
        Get_Team_Abbreviation(game.nHome, szHome);
        printf("%s %s %d at %s %d", nGames++ ? "," : "", Printable(szVisitor).c_str(), game.nVisitorScore,
               Printable(szHome).c_str(), game.nHomeScore);
    }
    printf("%s\n", nGames ? "" : " no games");
}

// Processor time: on a shared machine the clock on the wall says more about the neighbours.
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
}  // namespace

int Sim_Play(int argc, char** argv) {
    const char* szUsage = "play FILE --weeks N [--seed S]";
    long nWeeks = 0, nSeed = -1;
    for (int i = 1; i < argc; i++)
        if (!Parse_Option(i, argc, argv, "--weeks", nWeeks, 1, 1000) &&
            !Parse_Option(i, argc, argv, "--seed", nSeed, 0, MAXIMUM_SEED))
            return Sim_Usage(szUsage);
    if (argc < 1 || nWeeks < 1) return Sim_Usage(szUsage);
    const char* szFile = argv[0];
    std::string szShown = Printable(szFile);
    // The default league is where every new game starts, not a game to play on.
    if (strcasecmp(std::filesystem::path(szFile).filename().c_str(), UNIVERSE_FILE) == 0) {
        fprintf(stderr, "brakvell-sim: %s is the default league; play a saved game made by 'new'\n", szShown.c_str());
        return 1;
    }
    // Refused before any week is played: the weeks could not be kept.
    int nLock = Lock_Game_File(szFile);
    if (nLock == GAME_FILE_IN_USE) {
        fprintf(stderr, "brakvell-sim: %s is in use by another process\n", szShown.c_str());
        return 1;
    }
    // The new file is made beside the one at the end of any links.
    std::error_code error;
    std::string szFolder = std::filesystem::canonical(szFile, error).parent_path().string();
    if (nLock != GAME_FILE_LOCKED || error || access(szFile, W_OK) != 0 || access(szFolder.c_str(), W_OK) != 0) {
        fprintf(stderr, "brakvell-sim: %s is not a saved game that can be written back\n", szShown.c_str());
        return 1;
    }
    if (!Load_League_File(szFile)) {
        fprintf(stderr, "brakvell-sim: cannot load %s; it is left as it was\n", szShown.c_str());
        return 1;
    }
    if (nSeed < 0) {
        nSeed = Clock_Seed();
        printf("Seed %ld\n", nSeed);
    }
    Seed_Random((uint32_t)nSeed);
    Set_Play_By_Play_File(false);
    // Only the file given is written, and only at the end.
    Skip_Automatic_Saves(true);
    SeasonLoopObserver observer{};
    observer.pRedraw_Page = Print_Week_Played;
    Set_Season_Loop_Observer(observer);
    int nSeason = Current_Season_Index();
    Play_Weeks((int)nWeeks);
    Set_Season_Loop_Observer(SeasonLoopObserver{});
    Skip_Automatic_Saves(false);
    if (Current_Season_Index() != nSeason) printf("Started the %d season\n", Current_Calendar_Year());
    if (Save_Game(szFile) != SAVE_OK) {
        fprintf(stderr, "brakvell-sim: cannot save %s\n", szShown.c_str());
        return 1;
    }
    return 0;
}

int Bench_Season(int argc, char** argv) {
    const char* szUsage = "bench season [--count N] [--seed S]";
    long nCount = 3, nSeed = 1;
    for (int i = 1; i < argc; i++)
        if (!Parse_Option(i, argc, argv, "--count", nCount, 1, 1000) &&
            !Parse_Option(i, argc, argv, "--seed", nSeed, 0, MAXIMUM_SEED))
            return Sim_Usage(szUsage);
    // The new game and the reports of the new seasons go to a scratch folder, not the caller's.
    ScratchFolder folder;
    if (!Enter_Scratch_Folder("brakvell-bench-season", ".", &folder)) return 1;
    if (!Link_Universe(folder)) {
        Leave_Scratch_Folder(folder);
        fprintf(stderr, "brakvell-sim: bench season needs %s in the working folder\n", UNIVERSE_FILE);
        return 1;
    }
    bool bLoaded = Start_Default_Game((uint32_t)nSeed);
    Set_Game_State(GS_AUTOSAVE, 0);
    Set_Play_By_Play_File(false);
    std::vector<double> times;
    for (long n = 0; bLoaded && n < nCount; n++) {
        if (n > 0) Process_Offseason();
        auto start = std::chrono::steady_clock::now();
        double fCpuStart = Cpu_Ms();
        Play_Weeks(22);  // the regular season
        Play_Weeks(22);  // the playoffs
        double fCpu = Cpu_Ms() - fCpuStart;
        double fWall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        times.push_back(fCpu);
        printf("season %ld: %.1f ms on the processor, %.1f ms elapsed\n", n + 1, fCpu, fWall);
    }
    Set_Play_By_Play_File(true);
    Leave_Scratch_Folder(folder);
    if (!bLoaded) return 1;
    printf("ms/season: %.0f\n", Median(times));
    return 0;
}
