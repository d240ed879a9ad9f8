// What the money code reads from the team and player records. Everything the
// finance files need from outside the league record itself goes through here,
// so the rest of the module never depends on how those records are kept.
#pragma once
#include "database/league_database.h"

// Financial fields of a team (0..79 stored; 80..101 computed).
int Fin_Get(TNUM nTeam, int nCode);
void Fin_Set(TNUM nTeam, int nCode, int nValue);
void Fin_Add(TNUM nTeam, int nCode, int nAmount);
// The number of franchises in use with a greater value of the code.
int Fin_Rank(TNUM nTeam, int nCode);

int Team_City_Field(TNUM nTeam, int nField); // 0 city population, 1 region, 3 income, 5 longitude, 6 latitude
int Stadium_Field(TNUM nTeam, int nField);   // 0 capacity, 5 convenience, 6 comfort, 7 sight lines

// The current season's record.
int Season_Wins(TNUM nTeam);
int Season_Losses(TNUM nTeam);
int Season_Playoff_Wins(TNUM nTeam);
int Season_Outcome_Level(TNUM nTeam);

// Result of the team's game in one schedule slot: 1 won, -1 lost, 0 tied,
// GAME_NOT_PLAYED when the slot holds no game with a stored result.
constexpr int GAME_NOT_PLAYED = -2;
int Slot_Game_Result(TNUM nTeam, int nSlot);

// Season end of the team record: yearly fields, copies to last season, then
// the clearing of this season's fields.
void Store_Season_Record(TNUM nTeam, int nDivisionPlace);
void Clear_Season_Finances(TNUM nTeam);

// Players of a team, in slots 0..count-1.
int Roster_Size(TNUM nTeam);
int Player_Salary(TNUM nTeam, PNUM nPlayer); // $ thousands
int Player_Age(TNUM nTeam, PNUM nPlayer);
int Player_Contract_Left(TNUM nTeam, PNUM nPlayer);
int Player_Value_For_Franchise(TNUM nTeam, PNUM nPlayer); // the trade value
