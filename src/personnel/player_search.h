// Finding players by position, age, salary, name and the least the
// position's five ratings may read.
#pragma once
#include <string>
#include <vector>

#include "database/league_database.h"
#include "personnel/ratings.h"

constexpr int FOUND_PLAYERS_LIMIT = 100;
constexpr int SEARCH_NAME_WIDTH = 32;

struct SearchCriteria {
    int nPosition;     // a position, or POS_ANY
    int nAgeLimit;     // only younger players qualify
    int nSalaryLimit;  // thousands a year, inclusive
    char szName[SEARCH_NAME_WIDTH];  // a fragment of the full name, any case; empty for all
    int anMinimum[RATINGS_PER_POSITION];  // for a chosen position only
};

struct FoundPlayer {
    TNUM nTeam;
    PNUM nSlot;
};

// Any player younger than 50 earning up to $10 million, ratings of 50 and up.
SearchCriteria Default_Search_Criteria();
// The criteria the search window was last closed with (the name is never
// kept); the defaults in a league that never searched.
SearchCriteria Stored_Search_Criteria();
void Store_Search_Criteria(const SearchCriteria& criteria);
// Every franchise, the free agents and, while the draft runs, the prospects,
// in team-code then slot order; at most FOUND_PLAYERS_LIMIT.
std::vector<FoundPlayer> Find_Players(const SearchCriteria& criteria);
// The same, with the "Search Failed" notice when nobody qualifies.
std::vector<FoundPlayer> Search_For_Players(const SearchCriteria& criteria);
// The search window's choice for a position: "Quarterbacks" .. "Punters",
// "Any Player" for POS_ANY.
std::string Search_Position_Text(int nPosition);
// The search window's typed fields (age limit, salary limit in thousands,
// the five least ratings) read into the criteria. False, with the message to
// show and the criteria untouched, when one is no whole number in its range.
bool Read_Search_Fields(const char* szAge, const char* szSalary, const char* const aszMinimum[RATINGS_PER_POSITION],
                        SearchCriteria* pCriteria, std::string* pszMessage);
// "Name\tTeam": a prospect's team reads "Undrafted".
std::string Found_Player_Line(const FoundPlayer& found);
