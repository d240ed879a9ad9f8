// The manager's Vantor Rating and retiring into the Vantor Hall Of Fame: the
// team's totals over its completed seasons, the rating in tenths, the
// top-ten tables of the permanent file and the Retire questions.
#pragma once
#include "database/league_database.h"
#include "halloffame/fame_file.h"

// Sums over the team's yearly records of the completed seasons.
struct TeamCareerTotals {
    int nWins, nLosses, nTies, nPlayoffWins, nPlayoffLosses;
};
TeamCareerTotals Team_Career_Totals(TNUM nTeam);

// The rating in tenths from totals, the market handicap (-100..100) and the
// number of completed seasons; 0 before the first season is complete.
int Vantor_Rating(const TeamCareerTotals& totals, int nHandicap, int nSeasons);
int Manager_Rating(TNUM nTeam); // from the league
// "%d.%d" of a rating in tenths; szOut holds TEXT_SIZE characters.
void Rating_Text(int nRating, char* szOut);

// The human-managed team with the highest rating, the later code on equal
// ratings; NO_TEAM when nobody manages a team.
TNUM Hall_Of_Fame_Team();

// Strictly above the tenth entry of the level.
bool Rating_Qualifies(const FameFile& fame, int nLevel, int nRating);
// The place a rating takes: the first entry rated strictly lower; -1 for none.
int Fame_Insert_Position(const FameFile& fame, int nLevel, int nRating);
// The entry of a retiring manager of nTeam; its flag is left gray.
FameEntry Manager_Fame_Entry(TNUM nTeam, int nRating);
// Entries from the place down move one place, the tenth falls off. Returns
// the place, or -1 (nothing changed) when the entry does not get in.
int Insert_Fame_Entry(FameFile* pFame, int nLevel, const FameEntry& entry);

// The number the #1 Vantor-level manager is told: six digits from his name.
int Secret_Code(const char* szManager);

// The Game menu's Retire, after the refusal while simulating: the questions,
// the entry and its message. True when the program is to close.
bool Retire();
