// The regular-season schedule: the two fixed templates for 31 and 32 teams,
// a random schedule for any other league, the six playoff weeks and the
// kickoff times.
#pragma once
#include "database/season_state.h"
#include "database/team.h"

constexpr int TEMPLATE_WEEKS = 17;
constexpr int MAX_TEMPLATE_GAMES = 16;
constexpr int NO_TEMPLATE_GAME = -1;  // "none" from the template readers
constexpr int PLAYOFF_WEEKS = 6;
constexpr int LEAGUE_BYE_WEEK = 6;       // even leagues with a random schedule rest here
constexpr int LAST_PLAYOFF_START = SCHEDULE_SLOTS - 4;  // the four playoff rounds need slots

// Clears weeks 0..21 of every team, fills the regular season and sets the playoff weeks.
void Make_Season_Schedule();

// Template index of the visitor (nSide 0) or home team (nSide 1) of a game,
// or NO_TEMPLATE_GAME. Weeks 0..16, games 0..15.
int Get_2001_NFL_Schedule_Opponent(int nWeek, int nGame, int nSide);
int Get_2002_NFL_Schedule_Opponent(int nWeek, int nGame, int nSide);
// Fills the regular season from the template for 2001 (31 teams) or 2002 (32 teams).
void Fill_NFL_Schedule(int nTemplateYear);
// Every team's template index (anOrder[team]) for this season: the fixed table
// in the first season, otherwise from the last standings with the divisions exchanged.
void Make_Template_Order(int nTeams, int* anOrder);
// The fixed first-season index of a team, -1 outside the table.
int First_Season_Template_Index(int nTeams, TNUM nTeam);

void Fill_Random_Schedule();

// The first playoff week is the week after the last one with a game.
void Set_Playoff_Weeks();
int Last_Playoff_Week();
bool Trades_Allowed();  // before the trade deadline

// Kickoff time in hhmm of a twelve-hour clock: 100, 400 or 830. Draws one random number.
int Get_Kickoff_Time(TNUM nHomeTeam, int nWeek);
// Enters a game with its kickoff time in both teams' slots; 1 when it was entered.
int Schedule_Season_Game(TNUM nHomeTeam, TNUM nVisitingTeam, int nWeek);
