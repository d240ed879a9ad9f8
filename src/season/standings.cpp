#include "season/standings.h"

#include "database/team.h"
#include "platform/platform.h"
#include "season/playoffs.h"
#include "season/stored_games.h"

namespace {
int Margin(TNUM nTeam) { return Get_Team_Wins(nTeam) - Get_Team_Losses(nTeam); }
int Margin(const GameCount& count) { return count.nWins - count.nLosses; }

bool Opponent_Counts(TNUM nTeam, int nFilter, TNUM nFilterTeam, TNUM nOpponent) {
    switch (nFilter) {
    case VERSUS_TEAM:
        return nOpponent == nFilterTeam;
    case VERSUS_DIVISION:
        return Get_Team_Division(nOpponent) == Get_Team_Division(nTeam);
    case VERSUS_CONFERENCE:
        return Get_Team_League(nOpponent) == Get_Team_League(nTeam);
    }
    return false;
}

// Picks the unplaced team of a division with the best division score.
TNUM Best_Unplaced(int nDivision, const bool* abPlaced, const int* anScore) {
    TNUM nBest = NO_TEAM;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        if (Get_Team_Division(nTeam) != nDivision || abPlaced[nTeam]) continue;
        if (nBest == NO_TEAM || anScore[nTeam] > anScore[nBest] ||
            (anScore[nTeam] == anScore[nBest] && (Current_Season_Index() + nTeam) % 2 == 0))
            nBest = nTeam;
    }
    return nBest;
}

void Order_Divisions() {
    int anScore[NUMBER_OF_FRANCHISES];
    bool abPlaced[NUMBER_OF_FRANCHISES] = {};
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) anScore[nTeam] = Get_Division_Score(nTeam);
    for (int nDivision = 0; nDivision < NUMBER_OF_DIVISIONS; nDivision++) {
        for (int nPlace = 0; nPlace < DIVISION_PLACES; nPlace++) {
            TNUM nTeam = Best_Unplaced(nDivision, abPlaced, anScore);
            g_League.abStandingsOrder[nDivision][nPlace] = nTeam;
            if (nTeam != NO_TEAM) abPlaced[nTeam] = true;
        }
    }
}

void Rank_League() {
    int anScore[NUMBER_OF_FRANCHISES];
    bool abRanked[NUMBER_OF_FRANCHISES] = {};
    int nTeams = Number_Of_Teams();
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) anScore[nTeam] = Get_League_Score(nTeam);
    for (int nRank = 0; nRank < nTeams; nRank++) {
        TNUM nBest = NO_TEAM;
        for (TNUM nTeam = 0; nTeam < nTeams; nTeam++)
            if (!abRanked[nTeam] && (nBest == NO_TEAM || anScore[nTeam] > anScore[nBest])) nBest = nTeam;
        abRanked[nBest] = true;
        Set_Team_Record_Stat(nBest, YR_FINAL_RANK, nRank);
    }
}
}  // namespace

GameCount Count_Stored_Results(TNUM nTeam, int nFilter, TNUM nOpponent) {
    GameCount count = {0, 0, 0};
    // Playoff games must not reorder a division once its season is over.
    int nFirstPlayoffWeek = First_Playoff_Week();
    for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++) {
        StoredGame game;
        if (!Stored_Game_Teams_And_Score(nGame, &game) || game.nWeek >= nFirstPlayoffWeek) continue;
        int nOwn, nOther;
        TNUM nOtherTeam;
        if (game.nHome == nTeam) {
            nOwn = game.nHomeScore, nOther = game.nVisitorScore, nOtherTeam = game.nVisitor;
        } else if (game.nVisitor == nTeam) {
            nOwn = game.nVisitorScore, nOther = game.nHomeScore, nOtherTeam = game.nHome;
        } else {
            continue;
        }
        if (!Opponent_Counts(nTeam, nFilter, nOpponent, nOtherTeam)) continue;
        if (nOwn > nOther)
            count.nWins++;
        else if (nOwn < nOther)
            count.nLosses++;
        else
            count.nTies++;
    }
    return count;
}

int Get_Division_Score(TNUM nTeam) {
    int nHeadToHead = 0;
    for (TNUM nRival = 0; nRival < Number_Of_Teams(); nRival++)
        if (nRival != nTeam && Get_Team_Division(nRival) == Get_Team_Division(nTeam) &&
            Margin(nRival) == Margin(nTeam))
            nHeadToHead += Margin(Count_Stored_Results(nTeam, VERSUS_TEAM, nRival));
    int nDivision = Margin(Count_Stored_Results(nTeam, VERSUS_DIVISION));
    int nConference = Margin(Count_Stored_Results(nTeam, VERSUS_CONFERENCE));
    return 1000 * Margin(nTeam) + 100 * nHeadToHead + 10 * nDivision + nConference;
}

int Get_League_Score(TNUM nTeam) {
    GameCount versusEqual = {0, 0, 0};
    for (TNUM nRival = 0; nRival < Number_Of_Teams(); nRival++) {
        bool bLevel = Get_Team_League(nRival) == Get_Team_League(nTeam) && Margin(nRival) == Margin(nTeam);
        if (nRival == nTeam || !bLevel) continue;
        GameCount count = Count_Stored_Results(nTeam, VERSUS_TEAM, nRival);
        versusEqual.nWins += count.nWins;
        versusEqual.nLosses += count.nLosses;
    }
    int nBonus = versusEqual.nWins > 0 && versusEqual.nLosses == 0 ? 4000 : 0;
    return 10000 * Margin(nTeam) + nBonus + 100 * Margin(Count_Stored_Results(nTeam, VERSUS_CONFERENCE));
}

int Conference_Division_Count(int nConference) {
    int nCount = 0;
    for (int nDivision = 4 * nConference; nDivision < 4 * nConference + 4; nDivision++)
        if (Division_Team_Count(nDivision) > 0) nCount++;
    return nCount;
}

void Recompute_Standings() {
    Rank_League();
    Order_Divisions();
    if (Current_Week() < First_Playoff_Week()) Fill_Playoff_Field();
}

TNUM Get_Standings_Team(int nDivision, int nPlace) {
    if (nDivision < 0 || nDivision >= NUMBER_OF_DIVISIONS || nPlace < 0 || nPlace >= DIVISION_PLACES)
        return NO_TEAM;
    return g_League.abStandingsOrder[nDivision][nPlace];
}

int Get_Team_Standing(TNUM nTeam) {
    for (int nDivision = 0; nDivision < NUMBER_OF_DIVISIONS; nDivision++)
        for (int nPlace = 0; nPlace < DIVISION_PLACES; nPlace++)
            if (nTeam != NO_TEAM && g_League.abStandingsOrder[nDivision][nPlace] == nTeam) return nPlace;
    Error_Log("Team not found in Get_Team_Standing()");
    return NO_TEAM;
}
