// The few team-record and schedule-slot operations the season code needs, in
// one place. They forward to the team record accessors; nothing else in
// src/season touches a team block directly.
#pragma once
#include "database/league_database.h"

// Won-lost record of the season the record readers show.
int Season_Team_Wins(TNUM nTeam);
int Season_Team_Losses(TNUM nTeam);
int Season_Team_Ties(TNUM nTeam);
void Season_Set_Team_Final_Rank(TNUM nTeam, int nRank);
int Season_Get_Team_Final_Rank(TNUM nTeam);
void Season_Set_Team_Outcome_Level(TNUM nTeam, int nLevel);
int Season_Outcome_Level_Of(int nDivisionPlace, int nPlayoffSlot);  // 0..8

// Schedule slots. Scheduling answers 1 when the game was entered.
int Season_Schedule_Game(TNUM nTeamA, TNUM nTeamB, int nWeek);
void Season_Clear_Scheduled_Games(TNUM nTeam, int nFirstWeek, int nEndWeek);
TNUM Season_Schedule_Opponent(TNUM nTeam, int nWeek);  // NO_TEAM without a game
bool Season_Is_Home_Game(TNUM nTeam, int nWeek);         // the positive entry
void Season_Set_Kickoff_Time(TNUM nTeam, int nWeek, int nTime);
int Season_Get_Kickoff_Time(TNUM nTeam, int nWeek);
