// The figures of the standings page and the standings report, over the
// regular season's stored games: points for and against per game, yards per
// play and the turnover margin.
#pragma once
#include "database/league_database.h"

struct TeamGameTotals {
    int nGames;
    int nPointsFor, nPointsAgainst;
    int nPlays, nYards;  // rushes and pass attempts; their yards
    int nTurnovers, nTakeaways;
};
void Sum_Team_Games(TNUM nTeam, TeamGameTotals* pTotals);

// szOut holds TEXT_SIZE. Tenths: "24.3"; "0.0" before the first game.
void Get_Points_For_Text(TNUM nTeam, char* szOut);
void Get_Points_Against_Text(TNUM nTeam, char* szOut);
void Get_Yards_Per_Play_Text(TNUM nTeam, char* szOut);
void Get_Turnover_Margin_Text(TNUM nTeam, char* szOut);  // takeaways less turnovers: "+7", "-3", "0"
