// The columns a user can choose for the Standings page: their headings and
// each team's value as the page shows it. The season's standings report
// writes some of the same figures and takes their texts from here.
#pragma once
#include "database/league_database.h"

enum {
    SC_LAST_3,
    SC_LAST_5,
    SC_STREAK,
    SC_HOME_RECORD,
    SC_AWAY_RECORD,
    SC_DIVISION_RECORD,
    SC_CONFERENCE_RECORD,
    SC_POINTS_FOR, // per game
    SC_POINTS_AGAINST,
    SC_OFFENSE, // yards per game
    SC_DEFENSE,
    SC_PASSING,
    SC_RUSHING,
    SC_PASS_DEFENSE,
    SC_RUSH_DEFENSE,
    SC_TURNOVERS,
    SC_TAKEAWAYS,
    SC_OFFENSE_RANK,
    SC_DEFENSE_RANK,
    SC_PASSING_RANK,
    SC_RUSHING_RANK,
    SC_PASS_DEFENSE_RANK,
    SC_RUSH_DEFENSE_RANK,
    SC_YARDS_PER_PLAY,
    SC_THIRD_DOWN,
    SC_SACKS,
    NUMBER_OF_STANDINGS_COLUMNS,
};

const char* Standings_Column_Name(int nColumn); // "" for a bad column
// szOut holds DIALOG_TEXT characters; a bad team or column gives "".
void Standings_Column_Text(TNUM nTeam, int nColumn, char* szOut);
// Takeaways less turnovers: "+3", "-2", "0".
void Turnover_Margin_Text(TNUM nTeam, char* szOut);
