// Financial fields of a team: the stored fields 0..79, the computed codes
// 80..101 and the season-end copies of this year's figures into last year's.
#include <cstdint>

#include "base/random.h"
#include "database/player.h"
#include "database/player_internal.h"
#include "database/team.h"
#include "platform/platform.h"

namespace {
// Each current-year field and the field that keeps its previous-year value.
constexpr int PREVIOUS_YEAR_FIELDS[][2] = {
    {FIN_LOCAL_BROADCAST_SEASON, FIN_LOCAL_BROADCAST_LAST_SEASON},
    {FIN_NATIONAL_BROADCAST_SEASON, FIN_NATIONAL_BROADCAST_LAST_SEASON},
    {FIN_HOME_ATTENDANCE_SEASON, FIN_HOME_ATTENDANCE_LAST_SEASON},
    {FIN_TICKET_REVENUE_SEASON, FIN_TICKET_REVENUE_LAST_SEASON},
    {FIN_FOOD_PROFIT_SEASON, FIN_FOOD_PROFIT_LAST_SEASON},
    {FIN_BEER_PROFIT_SEASON, FIN_BEER_PROFIT_LAST_SEASON},
    {FIN_SOUVENIR_PROFIT_SEASON, FIN_SOUVENIR_PROFIT_LAST_SEASON},
    {FIN_OPERATIONS_SEASON, FIN_OPERATIONS_LAST_SEASON},
    {FIN_SALARIES_SEASON, FIN_SALARIES_LAST_SEASON},
    {FIN_DIVIDENDS_SEASON, FIN_DIVIDENDS_LAST_SEASON},
    {FIN_SCOUTING_SPENT_SEASON, FIN_SCOUTING_SPENT_LAST_SEASON},
    {FIN_MEDICAL_SPENT_SEASON, FIN_MEDICAL_SPENT_LAST_SEASON},
    {FIN_HOME_GAMES_SEASON, FIN_HOME_GAMES_LAST_SEASON},
    {FIN_GAMES_SEASON, FIN_GAMES_LAST_SEASON},
};
constexpr int CURRENT_YEAR_FIELDS[] = {
    FIN_LOCAL_BROADCAST_SEASON, FIN_NATIONAL_BROADCAST_SEASON, FIN_TICKET_REVENUE_SEASON,
    FIN_HOME_ATTENDANCE_SEASON, FIN_ROAD_ATTENDANCE_SEASON,    FIN_FOOD_PROFIT_SEASON,
    FIN_BEER_PROFIT_SEASON,     FIN_SOUVENIR_PROFIT_SEASON,    FIN_OPERATIONS_SEASON,
    FIN_SALARIES_SEASON,        FIN_DIVIDENDS_SEASON,          FIN_SCOUTING_SPENT_SEASON,
    FIN_MEDICAL_SPENT_SEASON,   FIN_HOME_GAMES_SEASON,         FIN_GAMES_SEASON,
};
constexpr int AVERAGED_SLOTS = 53;
constexpr int WEALTH_UNIT = 15000000;
constexpr int PAYROLL_UNIT = 63000;  // thousands
constexpr int START_VALUE_UNIT = 200000000;

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

int64_t Operating_Expense(int nIncome) { return (int64_t)nIncome * 13 + 325000; }

int Get_Team_Financial_Stat(TNUM nTeam, int nCode) {
    if (!Team_Code_In_Range(nTeam)) {
        Error_Log("nTeam out of bounds in Get_Team_Financial_Stat()");
        return 0;
    }
    const int32_t* f = Financial_Fields(nTeam);
    auto fin = [&](int nOther) -> int64_t { return Get_Team_Financial_Stat(nTeam, nOther); };
    int64_t nValue = 0;
    switch (nCode) {
    case FIN_OPERATIONS_LAST_GAME:
        nValue = f[nCode] != 0 ? f[nCode] : Operating_Expense(Get_Team_City_Data(nTeam, CITY_INCOME));
        break;
    case FIN_SALARIES_LAST_GAME: nValue = f[nCode] != 0 ? f[nCode] : Game_Salaries(nTeam); break;
    case FIN_OUTLAY_SEASON:
        nValue = fin(FIN_EXPENSES_SEASON) + fin(FIN_DIVIDENDS_SEASON) + fin(FIN_TAX_SEASON);
        break;
    case FIN_OUTLAY_LAST_SEASON:
        nValue = fin(FIN_EXPENSES_LAST_SEASON) + fin(FIN_DIVIDENDS_LAST_SEASON) + fin(FIN_TAX_LAST_SEASON);
        break;
    case FIN_REVENUE_SEASON:
        nValue = fin(FIN_TICKET_REVENUE_SEASON) + fin(FIN_LOCAL_BROADCAST_SEASON) +
                 fin(FIN_NATIONAL_BROADCAST_SEASON) + fin(FIN_FOOD_PROFIT_SEASON) +
                 fin(FIN_BEER_PROFIT_SEASON) + fin(FIN_SOUVENIR_PROFIT_SEASON);
        break;
    case FIN_REVENUE_LAST_SEASON:
        nValue = fin(FIN_TICKET_REVENUE_LAST_SEASON) + fin(FIN_LOCAL_BROADCAST_LAST_SEASON) +
                 fin(FIN_NATIONAL_BROADCAST_LAST_SEASON) + fin(FIN_FOOD_PROFIT_LAST_SEASON) +
                 fin(FIN_BEER_PROFIT_LAST_SEASON) + fin(FIN_SOUVENIR_PROFIT_LAST_SEASON);
        break;
    case FIN_PROFIT: nValue = fin(FIN_REVENUE_SEASON) - fin(FIN_OUTLAY_SEASON); break;
    case FIN_PROFIT_LAST_SEASON: nValue = fin(FIN_REVENUE_LAST_SEASON) - fin(FIN_OUTLAY_LAST_SEASON); break;
    case FIN_EXPENSES_SEASON:
        nValue = fin(FIN_OPERATIONS_SEASON) + fin(FIN_SALARIES_SEASON) + fin(FIN_SCOUTING_SPENT_SEASON) +
                 fin(FIN_MEDICAL_SPENT_SEASON);
        break;
    case FIN_EXPENSES_LAST_SEASON:
        nValue = fin(FIN_OPERATIONS_LAST_SEASON) + fin(FIN_SALARIES_LAST_SEASON) +
                 fin(FIN_SCOUTING_SPENT_LAST_SEASON) + fin(FIN_MEDICAL_SPENT_LAST_SEASON);
        break;
    case FIN_TAX_PER_GAME:
        nValue = fin(FIN_GAMES_SEASON) == 0 ? 0 : fin(FIN_TAX_SEASON) / fin(FIN_GAMES_SEASON);
        break;
    case FIN_TAX_SEASON:
        nValue = Ratio(fin(FIN_REVENUE_SEASON) - fin(FIN_EXPENSES_SEASON), CORPORATE_TAX_PERCENT, 100);
        break;
    case FIN_TAX_LAST_SEASON:
        nValue =
            Ratio(fin(FIN_REVENUE_LAST_SEASON) - fin(FIN_EXPENSES_LAST_SEASON), CORPORATE_TAX_PERCENT, 100);
        break;
    case FIN_AVERAGE_HOME_ATTENDANCE: {
        int64_t nHomeGames = fin(FIN_HOME_GAMES_SEASON), nCrowds = fin(FIN_HOME_ATTENDANCE_SEASON);
        nValue = nHomeGames < 1 ? nCrowds : nCrowds / nHomeGames;
        break;
    }
    case FIN_AVERAGE_ROAD_ATTENDANCE: {
        int64_t nRoadGames = fin(FIN_GAMES_SEASON) - fin(FIN_HOME_GAMES_SEASON);
        int64_t nCrowds = fin(FIN_ROAD_ATTENDANCE_SEASON);
        nValue = nRoadGames < 1 ? nCrowds : nCrowds / nRoadGames;
        break;
    }
    case FIN_PAYROLL: nValue = Payroll(nTeam); break;
    case FIN_AVERAGE_SALARY: nValue = Sum_First_Slots(nTeam, VS_SALARY) / AVERAGED_SLOTS; break;
    case FIN_AVERAGE_AGE: nValue = Ratio(10, Sum_First_Slots(nTeam, VS_AGE), AVERAGED_SLOTS); break;
    case FIN_AVERAGE_CONTRACT:
        nValue = Ratio(10, Sum_First_Slots(nTeam, VS_CONTRACT_LEFT), AVERAGED_SLOTS);
        break;
    case FIN_LIQUIDITY: nValue = Ratio(1000, fin(FIN_CASH), fin(FIN_START_VALUE)); break;
    case FIN_WEALTH: nValue = Max(0, Ratio(1000, fin(FIN_CASH), WEALTH_UNIT)); break;
    case FIN_PAYROLL_INDEX: nValue = Ratio(1000, fin(FIN_PAYROLL), PAYROLL_UNIT); break;
    case FIN_START_VALUE_INDEX: nValue = Ratio(1000, fin(FIN_START_VALUE), START_VALUE_UNIT); break;
    case FIN_BROADCAST_REVENUE_SEASON:
        nValue = fin(FIN_LOCAL_BROADCAST_SEASON) + fin(FIN_NATIONAL_BROADCAST_SEASON);
        break;
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

void Add_Team_Financial_Stat(TNUM nTeam, int nIndex, int nAmount) {
    Set_Team_Financial_Stat(nTeam, nIndex, Get_Team_Financial_Stat(nTeam, nIndex) + nAmount);
}

int Get_Team_Financial_Rank(TNUM nTeam, int nCode) {
    int nValue = Get_Team_Financial_Stat(nTeam, nCode);
    int nTeams = Number_Of_Teams();
    // The injury test ranks a stored field on every snap of a game.
    bool bStored = nCode >= 0 && nCode < NUMBER_OF_FINANCIAL_FIELDS && nCode != FIN_OPERATIONS_LAST_GAME &&
                   nCode != FIN_SALARIES_LAST_GAME &&
                   nTeams <= TOTAL_NUMBER_OF_TEAMS + 1;
    int nRank = 0;
    for (int nOther = 0; nOther < nTeams; nOther++) {
        int nOtherValue =
            bStored ? Financial_Fields((TNUM)nOther)[nCode] : Get_Team_Financial_Stat((TNUM)nOther, nCode);
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
    Set_Team_Record_Stat(nTeam, YR_HOME_ATTENDANCE,
                         Get_Team_Financial_Stat(nTeam, FIN_HOME_ATTENDANCE_SEASON));
    Set_Team_Record_Stat(nTeam, YR_PROFIT, Get_Team_Financial_Stat(nTeam, FIN_PROFIT));
    Set_Team_Record_Stat(nTeam, YR_OUTCOME, Team_Season_Outcome_Level(nTeam, nDivisionPlace));
    int32_t* f = Financial_Fields(nTeam);
    for (const auto& pair : PREVIOUS_YEAR_FIELDS) f[pair[1]] = f[pair[0]];
}
