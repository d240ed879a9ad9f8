// Financial fields of a team: the stored fields 0..79, the computed codes
// 80..101 and the season-end copies of this year's figures into last year's.
#include <cstdint>

#include "database/player.h"
#include "database/player_internal.h"
#include "base/random.h"
#include "database/team.h"
#include "platform/platform.h"

namespace {
// Each current-year field and the field that keeps its previous-year value.
constexpr int PREVIOUS_YEAR_FIELDS[][2] = {{7, 8},   {10, 11}, {15, 17}, {14, 16}, {22, 23},
                                           {29, 30}, {36, 37}, {51, 52}, {54, 55}, {57, 58},
                                           {60, 61}, {63, 64}, {70, 71}, {72, 73}};
constexpr int CURRENT_YEAR_FIELDS[] = {7, 10, 14, 15, 19, 22, 29, 36, 51, 54, 57, 60, 63, 70, 72};
constexpr int AVERAGED_SLOTS = 53;

int32_t* Financial_Fields(TNUM nTeam) { return g_League.aTeams[nTeam].data.anFinancial; }

// Sums a vital stat over the filled slots among the first 53.
int64_t Sum_First_Slots(TNUM nTeam, int nIndex) {
    int64_t nSum = 0;
    for (PNUM nPlayer = 0; nPlayer < AVERAGED_SLOTS; nPlayer++)
        if (g_League.aTeams[nTeam].aPlayers[nPlayer].anVital[VS_PLAYER_ID] != 0)
            nSum += Get_Player_Vital_Stat(nTeam, nPlayer, nIndex);
    return nSum;
}

// The payroll: cap impacts of the team's players, or, while a fantasy draft
// runs, of every player whose destination is the team.
int64_t Payroll(TNUM nTeam) {
    bool bFantasy = Get_League_Rule(LR_FANTASY_DRAFT) != 0;
    int64_t nSum = 0;
    for (TNUM nOwner = 0; nOwner <= TOTAL_NUMBER_OF_TEAMS; nOwner++) {
        if (!bFantasy && nOwner != nTeam) continue;
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            const int32_t* anVital = g_League.aTeams[nOwner].aPlayers[nPlayer].anVital;
            if (anVital[VS_PLAYER_ID] == 0) continue;
            if (bFantasy && anVital[VS_DESTINATION] != nTeam) continue;
            nSum += Get_Player_Vital_Stat(nOwner, nPlayer, VS_CAP_IMPACT);
        }
    }
    return nSum;
}

int64_t Game_Salaries(TNUM nTeam) {
    int nGames = Get_League_Rule(LR_GAMES_PER_SEASON);
    int64_t nSum = 0;
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
        if (g_League.aTeams[nTeam].aPlayers[nPlayer].anVital[VS_PLAYER_ID] != 0)
            nSum += Ratio(Get_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY), 1000, nGames);
    return nSum;
}
}  // namespace

int Get_Team_Financial_Stat(TNUM nTeam, int nCode) {
    if (!Team_Code_In_Range(nTeam)) {
        Error_Log("nTeam out of bounds in Get_Team_Financial_Stat()");
        return 0;
    }
    const int32_t* f = Financial_Fields(nTeam);
    auto fin = [&](int nOther) -> int64_t { return Get_Team_Financial_Stat(nTeam, nOther); };
    int64_t nValue = 0;
    switch (nCode) {
    case 50: nValue = f[50] != 0 ? f[50] : (int64_t)Get_Team_City_Data(nTeam, 3) * 13 + 325000; break;
    case 53: nValue = f[53] != 0 ? f[53] : Game_Salaries(nTeam); break;
    case 80: nValue = fin(86) + fin(57) + fin(89); break;
    case 81: nValue = fin(87) + fin(58) + fin(90); break;
    case 82: nValue = fin(14) + fin(7) + fin(10) + fin(22) + fin(29) + fin(36); break;
    case 83: nValue = fin(16) + fin(8) + fin(11) + fin(23) + fin(30) + fin(37); break;
    case 84: nValue = fin(82) - fin(80); break;
    case 85: nValue = fin(83) - fin(81); break;
    case 86: nValue = fin(51) + fin(54) + fin(60) + fin(63); break;
    case 87: nValue = fin(52) + fin(55) + fin(61) + fin(64); break;
    case 88: nValue = fin(72) == 0 ? 0 : fin(89) / fin(72); break;
    case 89: nValue = Ratio(fin(82) - fin(86), 35, 100); break;
    case 90: nValue = Ratio(fin(83) - fin(87), 35, 100); break;
    case 91: nValue = fin(70) < 1 ? fin(15) : fin(15) / fin(70); break;
    case 92: {
        int64_t nDifference = fin(72) - fin(70);
        nValue = nDifference < 1 ? fin(19) : fin(19) / nDifference;
        break;
    }
    case 93: nValue = Payroll(nTeam); break;
    case 94: nValue = Sum_First_Slots(nTeam, VS_SALARY) / AVERAGED_SLOTS; break;
    case 95: nValue = Ratio(10, Sum_First_Slots(nTeam, VS_AGE), AVERAGED_SLOTS); break;
    case 96: nValue = Ratio(10, Sum_First_Slots(nTeam, VS_CONTRACT_LEFT), AVERAGED_SLOTS); break;
    case 97: nValue = Ratio(1000, fin(68), fin(69)); break;
    case 98: nValue = Max(0, Ratio(1000, fin(68), 15000000)); break;
    case 99: nValue = Ratio(1000, fin(93), 63000); break;
    case 100: nValue = Ratio(1000, fin(69), 200000000); break;
    case 101: nValue = fin(7) + fin(10); break;
    default:
        if (nCode < 0 || nCode >= NUMBER_OF_FINANCIAL_FIELDS) {
            Error_Log("Invalid nIndex in Get_Team_Financial_Stat(%d)", nCode);
            return 0;
        }
        nValue = f[nCode];
    }
    return (int)nValue;  // 32-bit figures, as stored
}

void Set_Team_Financial_Stat(TNUM nTeam, int nIndex, int nValue) {
    if (nTeam == NO_TEAM) return;
    if (nTeam < 0 || nTeam > FREE_AGENT_TEAM) {
        Error_Log("nTeam out of bounds in Set_Team_Financial_Stat()");
        return;
    }
    if (nIndex < 0 || nIndex >= NUMBER_OF_FINANCIAL_FIELDS) {
        Error_Log("Invalid nIndex in Set_Team_Financial_Stat(%d)", nIndex);
        return;
    }
    Financial_Fields(nTeam)[nIndex] = nValue;
}

int Get_Team_Financial_Rank(TNUM nTeam, int nCode) {
    int nValue = Get_Team_Financial_Stat(nTeam, nCode);
    int nTeams = Number_Of_Teams();
    // The injury test ranks a stored field on every snap of a game.
    bool bStored = nCode >= 0 && nCode < NUMBER_OF_FINANCIAL_FIELDS && nCode != 50 && nCode != 53 &&
                   nTeams <= TOTAL_NUMBER_OF_TEAMS + 1;
    int nRank = 0;
    for (int nOther = 0; nOther < nTeams; nOther++) {
        int nOtherValue = bStored ? Financial_Fields((TNUM)nOther)[nCode] : Get_Team_Financial_Stat((TNUM)nOther, nCode);
        if (nOtherValue > nValue) nRank++;
    }
    return nRank;
}

void Clear_Previous_Financial_Stats(TNUM nTeam) {
    if (nTeam < 0 || nTeam > FREE_AGENT_TEAM) {
        Error_Log("nTeam out of bounds in Clear_Previous_Financial_Stats");
        return;
    }
    for (int nField : CURRENT_YEAR_FIELDS) Financial_Fields(nTeam)[nField] = 0;
}

void Team_Season_End(TNUM nTeam, int nDivisionPlace) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES) {
        Error_Log("nTeam out of bounds in Team_Season_End()");
        return;
    }
    Set_Team_Record_Stat(nTeam, YR_FINANCIAL_15, Get_Team_Financial_Stat(nTeam, 15));
    Set_Team_Record_Stat(nTeam, YR_PROFIT, Get_Team_Financial_Stat(nTeam, FIN_PROFIT));
    Set_Team_Record_Stat(nTeam, YR_OUTCOME, Team_Season_Outcome_Level(nTeam, nDivisionPlace));
    int32_t* f = Financial_Fields(nTeam);
    for (const auto& pair : PREVIOUS_YEAR_FIELDS) f[pair[1]] = f[pair[0]];
}
