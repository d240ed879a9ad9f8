// Roster organisation and trade values run inside the computer's trade and
// draft loops, over whole rosters at a time: they must stay in the
// microseconds per player.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "base/random.h"
#include "commands/start_up.h"
#include "database/league_database.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/ratings.h"
#include "personnel/roster.h"

namespace {
int TEAMS = 32;
// A 53-man roster by position, QB..P.
const int ROSTER_COUNT[NUMBER_OF_POSITIONS] = {3, 5, 3, 6, 4, 4, 2, 4, 4, 7, 5, 4, 1, 1};

void Fill_Player(TNUM nTeam, PNUM nSlot, int nID, int nPosition) {
    Clear_Player(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_PLAYER_ID, nID);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_POSITION, nPosition);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_AGE, 22 + Random(13));
    Set_Player_Vital_Stat(nTeam, nSlot, VS_EXPERIENCE, Random(8));
    Set_Player_Vital_Stat(nTeam, nSlot, VS_HEIGHT, 70 + Random(8));
    Set_Player_Vital_Stat(nTeam, nSlot, VS_WEIGHT, 190 + Random(130));
    Set_Player_Vital_Stat(nTeam, nSlot, VS_PEAK_START, 26 + Random(5) - Random(5));
    Set_Player_Vital_Stat(nTeam, nSlot, VS_PEAK_END, 31 + Random(5) - Random(5));
    Set_Player_Vital_Stat(nTeam, nSlot, VS_GROWTH_RATE, 1000 / (Random(7) - Random(7) + 10));
    for (int nPeriod : {PERIOD_PREDICTED, PERIOD_LAST_SEASON}) {
        for (int i = 0; i < NUMBER_OF_COUNTERS; i++)
            Set_Player_Season_Stat(nTeam, nSlot, nPeriod, i, Baseline_Season(nPosition, i));
        Modify_Predicted_Player_Stats(nTeam, nSlot, nPeriod, Random(700) - 500, DEVELOP_GENERAL);
    }
}

// The default league when it has been built; otherwise a league of 32 full
// rosters, each listed position by position from the kickers down.
void Build_League() {
    static bool bBuilt = false;
    if (bBuilt) return;
    bBuilt = true;
    std::string szUniverse = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
    if (std::filesystem::exists(szUniverse) && Load_Game(szUniverse.c_str())) {
        After_League_Loaded();
        TEAMS = Number_Of_Teams();
        return;
    }
    Clear_League();
    Seed_Random(1998);
    for (TNUM t = 0; t < NUMBER_OF_FRANCHISES; t++)
        g_League.aTeams[t].data.anStats[TEAM_STAT_CONTROL] = t < TEAMS ? COMPUTER_MANAGED : TEAM_NOT_IN_USE;
    Count_Teams();
    int nID = 1;
    for (TNUM t = 0; t < TEAMS; t++) {
        PNUM nSlot = 0;
        for (int nPosition = POS_P; nPosition >= POS_QB; nPosition--)
            for (int k = 0; k < ROSTER_COUNT[nPosition]; k++) Fill_Player(t, nSlot++, nID++, nPosition);
    }
}

int Players_In_League() {
    int n = 0;
    for (TNUM t = 0; t < TEAMS; t++) n += Number_Of_Players(t);
    return n;
}

// Turns every roster upside down so that each organisation starts unsorted.
void Reverse_Rosters() {
    for (TNUM t = 0; t < TEAMS; t++) {
        int n = Number_Of_Players(t);
        for (int i = 0; i < n / 2; i++) Swap_Players(t, (PNUM)i, t, (PNUM)(n - 1 - i));
    }
}

void BM_Organise_Every_Team(benchmark::State& state) {
    Build_League();
    for (auto _ : state) {
        state.PauseTiming();
        Reverse_Rosters();
        state.ResumeTiming();
        Organise_Every_Team();
    }
    state.SetItemsProcessed(state.iterations() * Players_In_League());
    state.SetLabel("items = players");
}
BENCHMARK(BM_Organise_Every_Team)->Unit(benchmark::kMillisecond);

void BM_Trade_Value_Every_Player(benchmark::State& state) {
    Build_League();
    for (auto _ : state) {
        int64_t nSum = 0;
        for (TNUM t = 0; t < TEAMS; t++)
            for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
                if (Is_Valid_Player(t, p)) nSum += Player_Trade_Value(t, p);
        benchmark::DoNotOptimize(nSum);
    }
    state.SetItemsProcessed(state.iterations() * Players_In_League());
    state.SetLabel("items = players");
}
BENCHMARK(BM_Trade_Value_Every_Player)->Unit(benchmark::kMicrosecond);

void BM_Overall_Rating_Every_Player(benchmark::State& state) {
    Build_League();
    for (auto _ : state) {
        int64_t nSum = 0;
        for (TNUM t = 0; t < TEAMS; t++)
            for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
                if (Is_Valid_Player(t, p)) nSum += Get_Player_Season_Stat(t, p, PERIOD_PREDICTED, RATING_OVERALL);
        benchmark::DoNotOptimize(nSum);
    }
    state.SetItemsProcessed(state.iterations() * Players_In_League());
}
BENCHMARK(BM_Overall_Rating_Every_Player)->Unit(benchmark::kMicrosecond);
}  // namespace
