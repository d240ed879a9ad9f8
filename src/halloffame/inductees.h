// The players' hall of fame (team code 37) as a list: a line per member in
// slot order, with the members still in their waiting period marked.
#pragma once
#include <vector>

#include "database/league_database.h"
#include "database/text_format.h"

struct InducteeLine {
    PNUM nSlot;
    int nPosition;
    int nYearInducted;
    int nVotes;
    bool bWaiting; // inducted this calendar year or later: not shown yet
    char szName[TEXT_SIZE];
    char szPosition[TEXT_SIZE]; // abbreviation
    char szVotes[TEXT_SIZE];    // "92%"
};

// Every member; with bShownOnly the ones whose year is already past.
std::vector<InducteeLine> Hall_Of_Fame_Inductees(bool bShownOnly);
