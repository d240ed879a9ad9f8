// Small builders for the personnel tests: players with the vitals the
// ratings read and the Predicted counters filled in directly.
#pragma once
#include <initializer_list>
#include <utility>

#include "database/player.h"

inline void Make_Player(TNUM nTeam, PNUM nSlot, int nID, int nPosition, int nAge = 25, int nExperience = 3) {
    Clear_Player(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_PLAYER_ID, nID);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_POSITION, nPosition);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_AGE, nAge);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_EXPERIENCE, nExperience);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_HEIGHT, 74);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_WEIGHT, 223);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_PEAK_START, 26);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_PEAK_END, 31);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_GROWTH_RATE, 100);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_SALARY, 500);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_INJURY, -1);
}

inline void Set_Counters(TNUM nTeam, PNUM nSlot, int nPeriod, std::initializer_list<std::pair<int, int>> counters) {
    for (const auto& [nCounter, nValue] : counters) Set_Player_Season_Stat(nTeam, nSlot, nPeriod, nCounter, nValue);
}
