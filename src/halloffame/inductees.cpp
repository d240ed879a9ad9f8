#include "halloffame/inductees.h"

#include "database/player.h"

std::vector<InducteeLine> Hall_Of_Fame_Inductees(bool bShownOnly) {
    std::vector<InducteeLine> lines;
    int nYear = Current_Calendar_Year();
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Valid_Player(HALL_OF_FAME_TEAM, nSlot)) continue;
        InducteeLine line = {};
        line.nSlot = nSlot;
        line.nPosition = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VS_POSITION);
        line.nYearInducted = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VS_YEAR_INDUCTED);
        line.nVotes = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VS_VOTES);
        line.bWaiting = line.nYearInducted >= nYear;
        if (bShownOnly && line.bWaiting) continue;
        Get_Player_Full_Name(HALL_OF_FAME_TEAM, nSlot, line.szName);
        Get_Position_Abbreviation(line.nPosition, line.szPosition);
        Format_Text(line.szVotes, "%d%%", line.nVotes);
        lines.push_back(line);
    }
    return lines;
}
