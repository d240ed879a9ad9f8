// Contract terms: what a player asks for and for how long, the rookie scale
// of drafted players, and the salary-cap room a signing leaves. Every signing,
// renewal and draft pick takes its money from here, so the roundings below
// decide what the league pays.
#pragma once
#include "database/league_database.h"

// The draft position of the pick now on the clock: 100 a round, the pick in
// the round scaled to 0..100 by the teams in use (0 for the first overall pick).
int Rookie_Draft_Position(TNUM nTeam, PNUM nPlayer);
// The rookie scale at a draft position, read between its entries 50 apart.
int Rookie_Salary(int nDraftPosition);  // thousands of dollars
int Rookie_Bonus(int nDraftPosition);   // thousands of dollars
int Rookie_Contract_Length(int nDraftPosition);

// Years the player would sign for, 2..7; a draft prospect takes the rookie length.
int Preferred_Contract_Length(TNUM nTeam, PNUM nPlayer);
// What he asks a year at his preferred length without a bonus, thousands of dollars.
int Base_Asking_Salary(TNUM nTeam, PNUM nPlayer);
// At least MINIMUM_SALARY, else up to a multiple of 10.
int Round_Asking_Salary(int nSalary);
int Minimum_Signing_Bonus(TNUM nTeam, PNUM nPlayer);
// For the contract on file (VS_CONTRACT_LEFT years, VS_BONUS): raises the
// bonus to the minimum and stores the salary he asks for it.
void Compute_Asking_Salary(TNUM nTeam, PNUM nPlayer);

// Salary plus the bonus spread over the contract, thousands of dollars.
int Cap_Impact(TNUM nTeam, PNUM nPlayer);
// nTeam's room under the cap in thousands once the player of (nPlayerTeam,
// nPlayer) is signed: his cap impact counts only when he is not already on nTeam.
int Cap_Room(TNUM nTeam, TNUM nPlayerTeam, PNUM nPlayer);

// Trades and signings: open in commissioner mode, before the trade deadline
// week, and again once the champion is decided.
bool Signing_Window_Open();
