#include "reports/group_strength.h"

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "personnel/ratings.h"
#include "personnel/roster.h"

namespace {
// Each starter counts three times as much as the backup behind him, who
// counts once; deeper players not at all.
constexpr int STARTER_WEIGHT = 3, BACKUP_WEIGHT = 1;

const int GROUP_POSITIONS[NUMBER_OF_STRENGTH_GROUPS][3] = {
    {POS_QB, -1, -1},      {POS_RB, -1, -1},     {POS_TE, -1, -1}, {POS_WR, -1, -1},
    {POS_T, POS_G, POS_C}, {POS_DE, POS_DT, -1}, {POS_LB, -1, -1}, {POS_CB, -1, -1},
    {POS_S, -1, -1},       {-1, -1, -1},         {POS_K, -1, -1},  {POS_P, -1, -1},
};

int Lineup_Starters(int nPosition) {
    int nCount = 0;
    for (int nSide = 0; nSide < NUMBER_OF_SIDES; nSide++)
        for (int nSpot = 0; nSpot < Starter_Spots(nSide); nSpot++)
            if (Starter_Position(nSide, nSpot) == nPosition) nCount++;
    return nCount;
}

// The mean of the ratings the player card shows for his position.
int Player_Position_Rating(TNUM nTeam, PNUM nPlayer, int nPosition) {
    int nSum = 0, nCount = 0;
    for (int nSlot = 0; nSlot < RATINGS_PER_POSITION; nSlot++) {
        int nCode = Position_Rating_Code(nPosition, nSlot);
        if (!nCode) continue;
        nSum += Get_Player_Rating(nTeam, nPlayer, PERIOD_PREDICTED, nCode);
        nCount++;
    }
    return Ratio(1, nSum, nCount);
}

// Weighted sum and weights of one position, walking the roster in depth order;
// a missing starter or backup counts as a rating of 0.
void Add_Position(TNUM nTeam, int nPosition, int64_t* pnSum, int* pnWeight) {
    int nStarters = Lineup_Starters(nPosition);
    *pnWeight += nStarters * (STARTER_WEIGHT + BACKUP_WEIGHT);
    int nDepth = 0;
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM && nDepth < 2 * nStarters; nPlayer++) {
        if (!Is_Valid_Player(nTeam, nPlayer) ||
            Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION) != nPosition)
            continue;
        int nWeight = nDepth < nStarters ? STARTER_WEIGHT : BACKUP_WEIGHT;
        *pnSum += (int64_t)nWeight * Player_Position_Rating(nTeam, nPlayer, nPosition);
        nDepth++;
    }
}

int Returner_Skill(TNUM nTeam, int nKind, int nSkill) {
    PNUM nPlayer = Get_Team_Returner(nTeam, nKind);
    if (!Is_Valid_Player(nTeam, nPlayer)) return 0;
    return Get_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, nSkill);
}
} // namespace

int Group_Strength(TNUM nTeam, int nGroup) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES || nGroup < 0 || nGroup >= NUMBER_OF_STRENGTH_GROUPS)
        return 0;
    if (nGroup == SG_RETURN_TEAMS)
        return Returner_Skill(nTeam, KICK_RETURNER, SS_KICK_RETURN_SKILL) +
               Returner_Skill(nTeam, PUNT_RETURNER, SS_PUNT_RETURN_SKILL);
    int64_t nSum = 0;
    int nWeight = 0;
    for (int nPosition : GROUP_POSITIONS[nGroup])
        if (nPosition >= 0) Add_Position(nTeam, nPosition, &nSum, &nWeight);
    return Ratio(10, nSum, nWeight);
}

int League_Group_Strength(int nGroup) {
    int64_t nSum = 0;
    int nTeams = Number_Of_Teams();
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++)
        nSum += Group_Strength(nTeam, nGroup);
    return nTeams > 0 ? (int)(nSum / nTeams) : 0;
}
