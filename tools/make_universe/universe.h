// make_universe: builds the default league, Universe.dat, from the tables in
// data/ and a fixed random seed, so every build of the same source writes
// the same bytes. The modules below each fill one part of the league.
#pragma once
#include <string>
#include <vector>

#include "database/league_database.h"

// The first season of the default league. Fixed rather than taken from the
// clock so that two builds of the same source give identical files.
constexpr int UNIVERSE_START_YEAR = 2026;
constexpr uint32_t UNIVERSE_SEED = 20260101;

// ---- Data files (data_files.cpp) ----
struct CityRow {
    std::string szName, szPhoto;
    int anData[8]; // city fields 0..7
};
struct FranchiseRow {
    std::string szAbbreviation, szHome, szCity, szNickname;
    int nDivision;
    std::string szStadium, szPicture;
    int nCapacity, nStructure, nSurface, nYear, nConvenience, nComfort, nSightLines;
    int nLoyalty;
};
struct NameLists {
    std::vector<std::string> first, last;
};
// Each reader stops the program with a message naming the file and line on bad input.
std::vector<CityRow> Read_Cities(const std::string& szPath);
std::vector<FranchiseRow> Read_Franchises(const std::string& szPath);
std::vector<std::string> Read_Names(const std::string& szPath);

// ---- League, cities, teams, stadiums (league_setup.cpp) ----
void Set_Up_League(const std::vector<CityRow>& cities, const std::vector<FranchiseRow>& franchises,
                   const NameLists& names);

// ---- Players ----
// Rosters (rosters.cpp): every franchise's players in depth-chart order, then the free agents.
void Make_Rosters(const NameLists& names);
void Make_Free_Agents(const NameLists& names);

// Hall of fame (hall_of_fame.cpp): retired stars with complete careers.
void Make_Hall_Of_Fame(const NameLists& names);

// Payrolls (contracts.cpp): every franchise's salaries scaled to its target payroll.
void Scale_Payrolls();
