#include "database/league_average.h"

#include "platform/platform.h"

namespace {
constexpr int NUMBER_OF_POSITIONS = 14;
constexpr int COUNTERS = 20;
const int LEAGUE_AVERAGE[NUMBER_OF_POSITIONS][COUNTERS] = {
    {14, 12, 420, 240, 14, 2400, 16, 25, 65, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0},  // QB
    {14, 12, 0, 0, 0, 0, 0, 140, 455, 4, 20, 110, 2, 3, 0, 0, 0, 0, 0, 0},  // RB
    {14, 12, 0, 0, 0, 0, 0, 0, 0, 0, 30, 270, 3, 2, 0, 0, 0, 0, 0, 0},  // TE
    {14, 12, 0, 0, 0, 0, 0, 2, 10, 0, 50, 600, 5, 2, 30, 540, 0, 30, 250, 0},  // WR
    {14, 11, 0, 0, 9, 0, 0, 115, 550, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},  // T
    {14, 11, 0, 0, 13, 0, 0, 310, 1200, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},  // G
    {14, 11, 0, 0, 17, 0, 0, 195, 680, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},  // C
    {14, 12, 25, 12, 7, 1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // DE
    {14, 12, 45, 18, 5, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // DT
    {14, 12, 60, 20, 3, 1, 7, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // LB
    {14, 12, 35, 5, 0, 0, 12, 3, 1, 0, 0, 0, 0, 0, 15, 275, 0, 15, 120, 0},  // CB
    {14, 12, 50, 5, 1, 0, 7, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // S
    {14, 12, 0, 0, 0, 0, 0, 0, 50, 49, 10, 9, 10, 8, 6, 4, 4, 2, 53, 0},  // K
    {14, 12, 50, 2000, 12, 60, 6, 480, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // P
};

// clang-format off
const int BASELINE[NUMBER_OF_POSITIONS][COUNTERS] = {
    {16, 16, 450, 270,  8, 3400, 25,  50,  200,  2,  0,    0,  0, 2,  0,   0, 0,  0,   0, 0},  // QB
    {16, 16,   0,   0,  0,    0,  0, 300, 1440, 10, 40,  360,  2, 1,  0,   0, 0,  0,   0, 0},  // RB
    {16, 16,   0,   0,  0,    0,  0,   0,    0,  0, 80,  960,  6, 1,  0,   0, 0,  0,   0, 0},  // TE
    {16, 16,   0,   0,  0,    0,  0,   5,   30,  0, 85, 1300, 10, 1, 30, 750, 0, 30, 375, 0},  // WR
    {16, 16,   0,   0, 12,    0,  0, 115,  520,  0, 10,  100,  0, 0,  0,   0, 0,  0,   0, 0},  // T
    {16, 16,   0,   0, 16,    0,  0, 310, 1160,  0, 10,  100,  0, 0,  0,   0, 0,  0,   0, 0},  // G
    {16, 16,   0,   0, 20,    0,  0, 195,  640,  0, 10,  100,  0, 0,  0,   0, 0,  0,   0, 0},  // C
    {16, 16,  40,  20, 25,    3,  3,   0,    2,  0,  0,    0,  0, 0,  0,   0, 0,  0,   0, 0},  // DE
    {16, 16,  75,  30, 18,    2,  5,   0,    1,  0,  0,    0,  0, 0,  0,   0, 0,  0,   0, 0},  // DT
    {16, 16, 100,  35, 10,    1, 12,   1,    3,  0,  0,    0,  0, 0,  0,   0, 0,  0,   0, 0},  // LB
    {16, 16,  60,   8,  2,    0, 21,   6,    2,  0,  0,    0,  0, 0, 15, 350, 0, 15, 175, 0},  // CB
    {16, 16,  80,  10,  5,    0, 12,   3,    2,  0,  0,    0,  0, 0,  0,   0, 0,  0,   0, 0},  // S
    {16, 16,   0,   0,  0,    0,  0,   0,   50, 50,  8,    8, 10, 9,  8,   6, 3,  2,  60, 0},  // K
    {16, 16,  50, 2250, 17,  65,  3, 350,    0,  0,  0,    0,  0, 0,  0,   0, 0,  0,   0, 0},  // P
};
// clang-format on

bool Valid_Entry(const char* szCaller, int nPosition, int nCounter) {
    if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS && nCounter >= 0 && nCounter < COUNTERS) return true;
    Error_Log("Invalid argument in %s(%d,%d)", szCaller, nPosition, nCounter);
    return false;
}
}  // namespace

int League_Average_Season(int nPosition, int nCounter) {
    if (!Valid_Entry("League_Average_Season", nPosition, nCounter)) return 0;
    return LEAGUE_AVERAGE[nPosition][nCounter];
}

int Baseline_Season(int nPosition, int nCounter) {
    if (!Valid_Entry("Baseline_Season", nPosition, nCounter)) return 0;
    return BASELINE[nPosition][nCounter];
}
