// How strong a team is at a group of positions, for the Finances page's
// grades: the depth chart's ratings, starters weighted above their backups.
#pragma once
#include "database/league_database.h"

enum {
    SG_QUARTERBACKS,
    SG_RUNNING_BACKS,
    SG_TIGHT_ENDS,
    SG_RECEIVERS,
    SG_OFFENSIVE_LINE,
    SG_DEFENSIVE_LINE,
    SG_LINEBACKERS,
    SG_CORNERBACKS,
    SG_SAFETIES,
    SG_RETURN_TEAMS,
    SG_KICKERS,
    SG_PUNTERS,
    NUMBER_OF_STRENGTH_GROUPS,
};

// Tenths of a rating point; the return teams count their returners' skills.
// 0 for a bad team or group.
int Group_Strength(TNUM nTeam, int nGroup);
// The average over the franchises in use.
int League_Group_Strength(int nGroup);
