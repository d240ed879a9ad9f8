// The load conversions that work player by player.
#include "database/colleges.h"
#include "database/league_average.h"
#include "database/player.h"
#include "database/saved_game_internal.h"

namespace {

constexpr int FIRST_VERSION = 1000;
constexpr int AGING_VERSION = 2180;

template <typename Action>
void For_Each_Player(Action action) {
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Valid_Player(nTeam, nSlot)) action(nTeam, nSlot);
}

// The first version kept no Predicted figures for blocking and penalties.
void Fill_First_Version_Predictions(TNUM nTeam, PNUM nSlot) {
    static const int LINEMAN_COUNTERS[] = {SS_SACKS_ALLOWED, SS_RUSHES, SS_RUSH_YARDS, SS_PENALTIES, SS_PENALTY_YARDS};
    static const int DEFENDER_COUNTERS[] = {SS_PENALTIES, SS_PENALTY_YARDS};
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VS_POSITION);
    auto fill = [&](const int* pCounters, int nCount) {
        for (int i = 0; i < nCount; i++)
            Set_Player_Season_Stat(nTeam, nSlot, PERIOD_PREDICTED, pCounters[i],
                                   League_Average_Season(nPosition, pCounters[i]));
    };
    if (nPosition >= POS_T && nPosition <= POS_C) fill(LINEMAN_COUNTERS, 5);
    if (nPosition >= POS_DE && nPosition <= POS_S) fill(DEFENDER_COUNTERS, 2);
}

}  // namespace

void Finish_Oldest_Conversion() {
    For_Each_Player([](TNUM nTeam, PNUM nSlot) {
        Snapshot_Player_Period(nTeam, nSlot, PERIOD_LAST_SEASON);
        Snapshot_Player_Period(nTeam, nSlot, PERIOD_THIS_SEASON);
        // A college index the list does not have leaves the name empty.
        int nCollege = Get_Player_Vital_Stat(nTeam, nSlot, VS_COLLEGE);
        if (nCollege >= 0 && nCollege < NUMBER_OF_COLLEGES)
            Set_Player_College(nTeam, nSlot, Get_College_Name(nCollege));
    });
}

void Convert_Players_For_Version(int nVersion) {
    if (nVersion == FIRST_VERSION) For_Each_Player(Fill_First_Version_Predictions);
    // Members keep their induction year and votes in those fields, and
    // prospects were given theirs when they were made.
    if (nVersion < AGING_VERSION)
        For_Each_Player([](TNUM nTeam, PNUM nSlot) {
            if (nTeam < HALL_OF_FAME_TEAM) Set_Aging_Parameters(nTeam, nSlot);
        });
}

void Rebuild_Players_After_Load() { Rebuild_Player_Index(); }
