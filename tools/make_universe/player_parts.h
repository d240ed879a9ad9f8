// The pieces a player is made of, shared by the roster, free-agent and
// hall-of-fame makers.
#pragma once
#include "universe.h"

// How much of a season a player plays: a starter, the first man off the
// bench, or a reserve.
enum Role { ROLE_STARTER, ROLE_ROTATION, ROLE_RESERVE };

// ---- Identity (player_maker.cpp) ----
// Player ID, name, position, body, birth date for the age, college, picture
// code, and the fields of a player without injury, draft or contract.
void Make_Identity(TNUM nTeam, PNUM nPlayer, int nPosition, int nAge, bool bBlockingBack,
                   const NameLists& names);
// A birth date that makes a player nAge in the first season, drawn.
int Birth_Date(int nAge);
// Seasons in the league of a player of this age and position, drawn.
int Draw_Experience(int nPosition, int nAge);
// The 40-yard time of the player from his Predicted period and body.
int Forty_Yard_Time(int nPosition, const int anPredicted[NUMBER_OF_COUNTERS], int nWeight);

// ---- Careers (careers.cpp) ----
// The seasons a player has behind him, counted back from an anchor season
// in which he has the given quality and role.
struct CareerPlan {
    int nPosition;
    Role role;
    int nQuality;
    int nAnchorYear, nAnchorAge;
    int nSeasons;     // seasons played before the anchor season
    TNUM nTeam;       // the team of his most recent seasons
    int nTenure;      // how many of those seasons he played for it
    TNUM nFormerTeam; // the team of the seasons before
    bool bKickReturner, bPuntReturner, bBlockingBack;
};
// Writes a history record for every past season and fills Last Season and
// Career from them. The aging parameters must be set already.
void Make_Past_Seasons(TNUM nTeam, PNUM nPlayer, const CareerPlan& plan);
// Quality the player gains (or, past his peak, loses) from the season at nAge to the next.
int Quality_Change(TNUM nTeam, PNUM nPlayer, int nAge);
// Fills the Predicted period for the plan's anchor season.
void Make_Predicted(TNUM nTeam, PNUM nPlayer, const CareerPlan& plan);

// ---- Draft and contract (contracts.cpp) ----
// Draft year, round and pick; returns the draft position 0..699 for the
// rookie scale, or -1 for a player nobody drafted.
int Make_Draft_Record(TNUM nTeam, PNUM nPlayer, TNUM nDraftTeam, int nDraftYear, Role role, int nQuality);
// Salary, bonus, length and years left: a rookie deal while one runs, else a veteran's.
void Make_Contract(TNUM nTeam, PNUM nPlayer, Role role, int nQuality, int nDraftPosition);
// A free agent's asking terms: short, no bonus.
void Make_Free_Agent_Contract(TNUM nTeam, PNUM nPlayer, Role role, int nQuality);
// 225 or more, in steps of ten.
int Salary_On_Grid(int nSalary);
