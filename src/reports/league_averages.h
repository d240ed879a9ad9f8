// The season's league averages per team-game beside the real league's, for
// judging how true to life the simulated seasons are.
#pragma once
#include <cstdio>

enum LEAGUE_AVERAGE {
    LA_POINTS,
    LA_TOTAL_YARDS,
    LA_PASS_ATTEMPTS,
    LA_COMPLETION_PCT,
    LA_RUSH_ATTEMPTS,
    LA_YARDS_PER_CARRY,
    LA_INTERCEPTIONS,
    LA_SACKS,
    LA_FUMBLES_LOST,
    LA_PUNTS,
    LA_FIELD_GOAL_PCT,
    LA_EXTRA_POINT_PCT,
    LA_PENALTIES,
    LA_HOME_WIN_PCT,
    LA_OVERTIME_PCT,
    NUMBER_OF_LEAGUE_AVERAGES,
};

// Raw counts, summed over one or more seasons before the averages are taken.
// The team totals hold every game the teams played, playoffs included, so
// team-games count playoff games too; home wins and overtime are counted over
// the regular season's stored games.
struct LeagueSums {
    int nTeamGames;
    int nPoints, nPenalties;  // stored games: the totals keep neither
    int nPassYards, nRushYards, nPassAttempts, nCompletions, nRushes;
    int nInterceptions, nHalfSacks, nFumblesLost, nPunts;
    int nFieldGoalTries, nFieldGoals, nExtraPointTries, nExtraPoints;
    int nRegularGames, nHomeWins, nHomeTies, nOvertimeGames;
};

// Adds the current season of the league in memory.
void Add_Season_Sums(LeagueSums* pSums);
// Hundredths (percentages as percent); 0 where nothing was counted.
int League_Average(const LeagueSums& sums, int nAverage);
const char* League_Average_Key(int nAverage);
int League_Average_Reference(int nAverage);  // hundredths
// "key<TAB>value<TAB>reference" lines, in key order.
void Write_League_Averages(FILE* pFile, const LeagueSums& sums);
