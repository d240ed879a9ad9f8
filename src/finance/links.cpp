// Direct reads of the team and player records, standing in for the team and
// player accessors until those exist; each function here becomes a one-line
// call to them.
#include "finance/links.h"

#include "database/random.h"
#include "platform/platform.h"

namespace {
constexpr int VS_PLAYER_ID = 0;
constexpr int VS_AGE = 7;
constexpr int VS_BONUS = 10;
constexpr int VS_SALARY = 11;
constexpr int VS_CONTRACT_LEFT = 12;
constexpr int VS_CONTRACT_YEARS = 25;

bool Franchise_Code(TNUM nTeam) { return nTeam >= 0 && nTeam <= FREE_AGENT_TEAM; }

int Vital(TNUM nTeam, int nSlot, int nIndex) { return g_League.aTeams[nTeam].aPlayers[nSlot].anVital[nIndex]; }

int Cap_Impact(TNUM nTeam, int nSlot) {
    int nYears = Vital(nTeam, nSlot, VS_CONTRACT_YEARS);
    int nSalary = Max(225, Vital(nTeam, nSlot, VS_SALARY));
    return nYears == 0 ? nSalary : nSalary + Vital(nTeam, nSlot, VS_BONUS) / nYears;
}

int64_t Roster_Sum(TNUM nTeam, int (*pValue)(TNUM, int), int nSlots) {
    int64_t nSum = 0;
    for (int nSlot = 0; nSlot < nSlots; nSlot++)
        if (Vital(nTeam, nSlot, VS_PLAYER_ID) != 0) nSum += pValue(nTeam, nSlot);
    return nSum;
}

int Record_Season() { return Clamp(0, Current_Season_Index(), NUMBER_OF_SEASONS - 1); }
int& Yearly(TNUM nTeam, int nField) { return g_League.aTeams[nTeam].data.anYearly[Record_Season()][nField]; }

int Outcome_Level(TNUM nTeam, int nDivisionPlace) {
    int nSlot = -1;
    for (int i = 30; i >= 0 && nSlot < 0; i--)
        if (g_League.abPlayoffTeams[i] == nTeam) nSlot = i;
    if (nSlot == 30) return 8;
    if (nSlot >= 28) return 7;
    if (nSlot >= 16) return 6;
    if (nDivisionPlace == 0) return 5;
    if (nSlot >= 0) return 4;
    return nDivisionPlace <= 3 ? 4 - nDivisionPlace : 0;
}
}  // namespace

int Fin_Get(TNUM nTeam, int nCode) {
    if (!Franchise_Code(nTeam) || nCode < 0 || nCode > 101) return 0;
    const int32_t* pField = g_League.aTeams[nTeam].data.anFinancial;
    if (nCode < 80) {
        if (nCode == 50 && pField[50] == 0) return Team_City_Field(nTeam, 3) * 13 + 325000;
        if (nCode == 53 && pField[53] == 0) {
            int64_t nSum = 0;
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
                if (Vital(nTeam, nSlot, VS_PLAYER_ID) != 0)
                    nSum += Ratio(Max(225, Vital(nTeam, nSlot, VS_SALARY)), 1000, Get_League_Rule(LR_GAMES_PER_SEASON));
            return (int)nSum;
        }
        return pField[nCode];
    }
    switch (nCode) {
        case 80: return Fin_Get(nTeam, 86) + Fin_Get(nTeam, 57) + Fin_Get(nTeam, 89);
        case 81: return Fin_Get(nTeam, 87) + Fin_Get(nTeam, 58) + Fin_Get(nTeam, 90);
        case 82: return pField[14] + pField[7] + pField[10] + pField[22] + pField[29] + pField[36];
        case 83: return pField[16] + pField[8] + pField[11] + pField[23] + pField[30] + pField[37];
        case 84: return Fin_Get(nTeam, 82) - Fin_Get(nTeam, 80);
        case 85: return Fin_Get(nTeam, 83) - Fin_Get(nTeam, 81);
        case 86: return pField[51] + pField[54] + pField[60] + pField[63];
        case 87: return pField[52] + pField[55] + pField[61] + pField[64];
        case 88: return pField[72] == 0 ? 0 : Fin_Get(nTeam, 89) / pField[72];
        case 89: return Ratio(Fin_Get(nTeam, 82) - Fin_Get(nTeam, 86), 35, 100);
        case 90: return Ratio(Fin_Get(nTeam, 83) - Fin_Get(nTeam, 87), 35, 100);
        case 93: return (int)Roster_Sum(nTeam, Cap_Impact, PLAYERS_PER_TEAM);
        case 98: return Max(0, Ratio(1000, pField[68], 15000000));
        case 101: return pField[7] + pField[10];
        default: return 0;
    }
}

void Fin_Set(TNUM nTeam, int nCode, int nValue) {
    if (!Franchise_Code(nTeam) || nCode < 0 || nCode >= 80) {
        Error_Log("nTeam out of bounds in Set_Team_Financial_Stat()");
        return;
    }
    g_League.aTeams[nTeam].data.anFinancial[nCode] = nValue;
}

void Fin_Add(TNUM nTeam, int nCode, int nAmount) { Fin_Set(nTeam, nCode, Fin_Get(nTeam, nCode) + nAmount); }

int Fin_Rank(TNUM nTeam, int nCode) {
    int nValue = Fin_Get(nTeam, nCode), nRank = 0;
    for (TNUM nOther = 0; nOther < NUMBER_OF_FRANCHISES; nOther++)
        if (Valid_Team(nOther) && Fin_Get(nOther, nCode) > nValue) nRank++;
    return nRank;
}

bool Human_Controlled(TNUM nTeam) { return Franchise_Code(nTeam) && g_League.aTeams[nTeam].data.anStats[2] == 1; }

int Team_City_Field(TNUM nTeam, int nField) {
    if (!Franchise_Code(nTeam)) return 0;
    return Get_City_Data(g_League.aTeams[nTeam].data.anStats[3], nField);
}

int Stadium_Field(TNUM nTeam, int nField) {
    if (!Franchise_Code(nTeam) || nField < 0 || nField >= 20) return 0;
    return g_League.aTeams[nTeam].data.anStadium[nField];
}

int Season_Wins(TNUM nTeam) { return Franchise_Code(nTeam) ? Yearly(nTeam, 0) : 0; }
int Season_Losses(TNUM nTeam) { return Franchise_Code(nTeam) ? Yearly(nTeam, 1) : 0; }
int Season_Playoff_Wins(TNUM nTeam) { return Franchise_Code(nTeam) ? Yearly(nTeam, 6) : 0; }
int Season_Outcome_Level(TNUM nTeam) { return Franchise_Code(nTeam) ? Yearly(nTeam, 11) : 0; }

int Slot_Game_Result(TNUM nTeam, int nSlot) {
    if (!Franchise_Code(nTeam) || nSlot < 0 || nSlot >= SCHEDULE_SLOTS) return GAME_NOT_PLAYED;
    const int32_t* pSlot = g_League.aTeams[nTeam].data.anSchedule[nSlot];
    if (pSlot[0] == 0 || pSlot[3] < 0 || pSlot[3] >= NUMBER_OF_GAME_RECORDS) return GAME_NOT_PLAYED;
    // Game record: visitor and home codes, then the two sides' points.
    const uint8_t* pGame = g_League.aGames[pSlot[3]].abBytes;
    int nSide;
    if ((TNUM)pGame[1] == nTeam) nSide = 1;
    else if ((TNUM)pGame[0] == nTeam) nSide = 0;
    else return GAME_NOT_PLAYED;
    const int32_t* pScore = reinterpret_cast<const int32_t*>(pGame + 4);
    int nOwn = pScore[nSide], nOther = pScore[1 - nSide];
    return nOwn > nOther ? 1 : nOwn < nOther ? -1 : 0;
}

void Store_Season_Record(TNUM nTeam, int nDivisionPlace) {
    if (!Franchise_Code(nTeam)) return;
    Yearly(nTeam, 8) = Fin_Get(nTeam, 15);
    Yearly(nTeam, 9) = Fin_Get(nTeam, 84);
    Yearly(nTeam, 11) = Outcome_Level(nTeam, nDivisionPlace);
    static const int COPIES[][2] = {{7, 8},   {10, 11}, {15, 17}, {14, 16}, {22, 23}, {29, 30}, {36, 37},
                                    {51, 52}, {54, 55}, {57, 58}, {60, 61}, {63, 64}, {70, 71}, {72, 73}};
    for (const auto& copy : COPIES) Fin_Set(nTeam, copy[1], Fin_Get(nTeam, copy[0]));
}

void Clear_Season_Finances(TNUM nTeam) {
    static const int FIELDS[] = {7, 10, 14, 15, 19, 22, 29, 36, 51, 54, 57, 60, 63, 70, 72};
    for (int nField : FIELDS) Fin_Set(nTeam, nField, 0);
}

int Roster_Size(TNUM nTeam) {
    if (!Franchise_Code(nTeam)) return 0;
    int nCount = 0;
    while (nCount < PLAYERS_PER_TEAM && Vital(nTeam, nCount, VS_PLAYER_ID) != 0) nCount++;
    return nCount;
}

int Player_Salary(TNUM nTeam, PNUM nPlayer) { return Max(225, Vital(nTeam, nPlayer, VS_SALARY)); }
int Player_Age(TNUM nTeam, PNUM nPlayer) { return Vital(nTeam, nPlayer, VS_AGE); }
int Player_Contract_Left(TNUM nTeam, PNUM nPlayer) { return Vital(nTeam, nPlayer, VS_CONTRACT_LEFT); }
int Player_Trade_Value(TNUM, PNUM) { return 0; }
