#include "trades/team_needs.h"

#include <cstdlib>

#include "base/random.h"
#include "database/season_state.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/ratings.h"

namespace {

constexpr int NEED_WITHOUT_DEPTH = 1200;  // a starter or his backup missing
constexpr int RECORD_WEIGHT = 50;         // per game of losses over wins
constexpr int OLDEST_PROSPECT = 30;       // older players add nothing to the youth row
constexpr int PROSPECT_PRIME = 25;        // after this the youth value fades by age
constexpr int NEEDS_LIST_LINES = 5;
constexpr int PLAIN_NEED = 1200;   // league-relative needs below this are flattened towards 600
constexpr int LOWEST_NEED = 600;
constexpr int HIGHEST_NEED = 2000;
constexpr int SPREAD_STEP = 400;      // per mille per mean deviation from the league average
constexpr int LEAST_DEVIATION = 100;  // so that a need all teams share alike stays plain

int Record_Weight(TNUM nTeam) { return (Get_Team_Losses(nTeam) - Get_Team_Wins(nTeam)) * RECORD_WEIGHT; }

// The team's players at one position in roster order, with the values the
// needs read, gathered in one pass so that no slot is looked at twice.
struct PositionPlayers {
    int nCount = 0;
    PNUM anSlot[PLAYERS_PER_TEAM];
    int anCurrent[PLAYERS_PER_TEAM];
};

void Gather_Positions(TNUM nTeam, PositionPlayers* aPositions) {
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
        if (!Is_Valid_Player(nTeam, nPlayer)) continue;
        int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
        if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) continue;
        PositionPlayers& players = aPositions[nPosition];
        players.anSlot[players.nCount] = nPlayer;
        players.anCurrent[players.nCount++] = Player_Current_Value(nTeam, nPlayer);
    }
}

int Starter_Need(const PositionPlayers& players, int nPosition, int nRecordWeight) {
    int nScale = Position_Scale(nPosition);
    int nStarter = Starters_Count(nPosition) - 1, nBackup = Starters_Count(nPosition);
    if (nStarter < 0 || nBackup >= players.nCount) return NEED_WITHOUT_DEPTH;
    int e = Max(0, Ratio(1000, players.anCurrent[nStarter], nScale));
    int g = Ratio(1000, players.anCurrent[nBackup], nScale);
    int h = Max(2000 - e, 1200 - Max(g, 0) / 3);
    return Ratio(h, 1000 - nRecordWeight, 1000);
}

int Depth_Need(const PositionPlayers& players, int nPosition) {
    int nTotal = 0;
    for (int nDepth = Max(0, Starters_Count(nPosition)); nDepth < players.nCount; nDepth++)
        nTotal += Max(0, players.anCurrent[nDepth]);
    int nBackups = Ideal_Roster_Count(nPosition) - Starters_Count(nPosition);
    return 1700 - Ratio(2000, nTotal, Position_Scale(nPosition) * nBackups);
}

int Youth_Need(TNUM nTeam, const PositionPlayers& players, int nPosition, int nRecordWeight) {
    int c = (2 * Ideal_Roster_Count(nPosition) - 1) * Position_Scale(nPosition);
    int nSum = 0;
    for (int i = 0; i < players.nCount; i++) {
        PNUM nPlayer = players.anSlot[i];
        int nAge = Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
        if (nAge > OLDEST_PROSPECT) continue;
        int y = (Player_Potential_From_Current(nTeam, nPlayer, players.anCurrent[i]) + players.anCurrent[i]) / 2 + 500;
        if (nAge > PROSPECT_PRIME) y = Ratio(y, OLDEST_PROSPECT + 1 - nAge, 9);
        nSum += Max(0, y);
    }
    return Ratio(2000 - Ratio(2500, nSum, c), nRecordWeight + 1000, 1000);
}

// Where a team stands in the league at one need: 1000 at the league average,
// SPREAD_STEP per mille for each mean deviation above or below it. A plain
// ratio to the average cannot serve: the depth and youth rows go negative for
// deep teams, so their averages near zero blew every need there up to the cap
// and a team without a quarterback needed a young tackle more.
int League_Relative_Need(int nNeed, int nAverage, int nDeviation, int nPosition) {
    int g = 1000 + Ratio(nNeed - nAverage, SPREAD_STEP, Max(nDeviation, LEAST_DEVIATION));
    if (g < PLAIN_NEED)
        g = Max(g / 2 + LOWEST_NEED, LOWEST_NEED);
    else if (g > PRESSING_NEED)
        g = Min((g - PRESSING_NEED) / 2 + PRESSING_NEED, HIGHEST_NEED);
    if (nPosition == POS_K || nPosition == POS_P) g = Ratio(g, 3, 4);
    return g;
}

const char* const NEED_TEXTS[NEED_ROWS] = {"A starting %s", "A backup %s", "A young %s"};

}  // namespace

PNUM Player_At_Depth(TNUM nTeam, int nPosition, int nDepth) {
    if (nDepth < 0) return NO_PLAYER;
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
        if (!Is_Valid_Player(nTeam, nPlayer) || Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION) != nPosition)
            continue;
        if (nDepth-- == 0) return nPlayer;
    }
    return NO_PLAYER;
}

// Without a last starter at his position he would start.
int Player_Role(TNUM nTeam, PNUM nPlayer, TNUM nFor) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    PNUM nStarter = Player_At_Depth(nFor, nPosition, Starters_Count(nPosition) - 1);
    if (nStarter == NO_PLAYER || Player_Current_Value(nTeam, nPlayer) >= Player_Current_Value(nFor, nStarter))
        return NEED_STARTER;
    return Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE) < Get_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_START)
               ? NEED_YOUNG_BACKUP
               : NEED_VETERAN_BACKUP;
}

int Age_Adjusted_Value(int nValue, int nAge) {
    // Index 0 is age 20; from 27 on nothing is added.
    static const int MULTIPLIER[25] = {150, 145, 140, 135, 130, 125, 120, 115, 110, 105, 100, 95, 90,
                                       85,  80,  75,  70,  65,  60,  55,  50,  40,  30,  20,  10};
    static const int ADDITION[25] = {150, 150, 125, 100, 75, 50, 25};
    int i = Clamp(0, nAge - 20, 24);
    return Ratio(nValue, MULTIPLIER[i], 100) + ADDITION[i];
}

int Salary_Burden(TNUM nTeam, PNUM nPlayer) {
    int y = Max(1, Get_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT));
    return (int)((int64_t)y * Max(0, Get_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY) - 1000) / (y + 1));
}

// A user's player whose contract runs out once the season is over is worth
// nothing to a computer team: he would leave before he played for it.
int Player_Worth(TNUM nTeam, PNUM nPlayer, TNUM nFor) {
    if (Get_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT) <= 1 && Season_Is_Over() && Human_Managed(nTeam))
        return 0;
    int nBurden = Salary_Burden(nTeam, nPlayer);
    nBurden = Ratio(nBurden, 1000, Get_Team_Financial_Stat(nFor, FIN_WEALTH));
    nBurden = Ratio(nBurden, Get_Team_Financial_Stat(nFor, FIN_PAYROLL_INDEX) + 1000, 2000);
    nBurden = Ratio(nBurden, 3000, Get_Team_Financial_Stat(nFor, FIN_START_VALUE_INDEX) + 2000);
    if (nTeam == nFor) nBurden = Ratio(nBurden, 1000, Get_Game_State(GS_DIFFICULTY) * 400 + 1800);
    return Age_Adjusted_Value(Player_Trade_Value(nTeam, nPlayer), Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE)) -
           nBurden;
}

void Raw_Team_Needs(TNUM nTeam, TeamNeeds* pNeeds) {
    int w = Record_Weight(nTeam);
    PositionPlayers aPositions[NUMBER_OF_POSITIONS];
    Gather_Positions(nTeam, aPositions);
    for (int p = 0; p < NUMBER_OF_POSITIONS; p++) {
        pNeeds->aanNeed[NEED_STARTER][p] = Starter_Need(aPositions[p], p, w);
        pNeeds->aanNeed[NEED_VETERAN_BACKUP][p] = Depth_Need(aPositions[p], p);
        pNeeds->aanNeed[NEED_YOUNG_BACKUP][p] = Youth_Need(nTeam, aPositions[p], p, w);
    }
}

void Compute_Team_Needs(TNUM nTeam, TeamNeeds* pNeeds) {
    TeamNeeds aLeague[NUMBER_OF_FRANCHISES];
    int nTeams = 0;
    for (TNUM t = 0; t < NUMBER_OF_FRANCHISES; t++)
        if (Valid_Team(t)) Raw_Team_Needs(t, &aLeague[nTeams++]);
    Raw_Team_Needs(nTeam, pNeeds);
    if (nTeams == 0) aLeague[nTeams++] = *pNeeds;
    for (int r = 0; r < NEED_ROWS; r++)
        for (int p = 0; p < NUMBER_OF_POSITIONS; p++) {
            int64_t nSum = 0, nDeviations = 0;
            for (int i = 0; i < nTeams; i++) nSum += aLeague[i].aanNeed[r][p];
            int nAverage = (int)(nSum / nTeams);
            for (int i = 0; i < nTeams; i++) nDeviations += std::abs(aLeague[i].aanNeed[r][p] - nAverage);
            pNeeds->aanNeed[r][p] =
                League_Relative_Need(pNeeds->aanNeed[r][p], nAverage, (int)(nDeviations / nTeams), p);
        }
}

std::string Needs_List_Text(const TeamNeeds& needs) {
    TeamNeeds left = needs;
    std::string text;
    for (int nLine = 1; nLine <= NEEDS_LIST_LINES; nLine++) {
        int nRow = 0, nPosition = 0;
        for (int r = 0; r < NEED_ROWS; r++)
            for (int p = 0; p < NUMBER_OF_POSITIONS; p++)
                if (left.aanNeed[r][p] > left.aanNeed[nRow][nPosition]) nRow = r, nPosition = p;
        int nWeight = left.aanNeed[nRow][nPosition];
        left.aanNeed[nRow][nPosition] = INT32_MIN;  // taken
        char szName[TEXT_SIZE], szNeed[TEXT_SIZE], szLine[TEXT_SIZE];
        if (nRow == NEED_VETERAN_BACKUP && Starters_Count(nPosition) > 1) {
            Get_Position_At_Text(nPosition, szName);
            Format_Text(szNeed, "More depth %s", szName);
        } else {
            Get_Position_Name_Lower(nPosition, szName);
            Format_Text(szNeed, NEED_TEXTS[nRow], szName);
        }
        Format_Text(szLine, "(%d) %s", nLine, szNeed);
        if (!text.empty()) text += '\n';
        text += szLine;
        if (nWeight <= PRESSING_NEED) break;
    }
    return text;
}

std::string Seeking_Phrase(const TeamNeeds& needs) {
    int anSum[NUMBER_OF_POSITIONS];
    for (int p = 0; p < NUMBER_OF_POSITIONS; p++)
        anSum[p] = needs.aanNeed[NEED_STARTER][p] + needs.aanNeed[NEED_VETERAN_BACKUP][p] +
                   needs.aanNeed[NEED_YOUNG_BACKUP][p];
    std::string phrase;
    int nPrevious = -1;
    for (int nNamed = 0; nNamed < 2; nNamed++) {
        int nBest = -1;
        for (int p = 0; p < NUMBER_OF_POSITIONS; p++)
            if (p != nPrevious && (nBest < 0 || anSum[p] > anSum[nBest])) nBest = p;
        char szName[TEXT_SIZE];
        Get_Position_Name(nBest, szName);
        std::string name = szName;
        if (!name.empty() && name.back() == 'y')
            name.replace(name.size() - 1, 1, "ies");
        else if (!name.empty() && name.back() == 's')
            name += "es";
        else
            name += "s";
        phrase += name + ", ";
        if (anSum[nBest] <= PRESSING_NEED) break;
        nPrevious = nBest;
    }
    return phrase;
}
