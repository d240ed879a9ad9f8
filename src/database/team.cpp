// Team data: team stats, stadium fields, returners, won-lost records and
// their readers, franchise history and the statistic totals.
#include "database/team.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "base/random.h"
#include "database/player.h"
#include "database/player_internal.h"
#include "platform/platform.h"

namespace {
TeamData& Data(TNUM nTeam) { return g_League.aTeams[nTeam].data; }

// True when nTeam is 0..nLast; otherwise logs szMessage.
bool Team_Accepted(TNUM nTeam, int nLast, const char* szMessage) {
    if (nTeam >= 0 && nTeam <= nLast) return true;
    Error_Log("%s", szMessage);
    return false;
}

bool Field_Accepted(int nIndex, int nCount, const char* szRoutine) {
    if (nIndex >= 0 && nIndex < nCount) return true;
    Error_Log("Invalid nIndex in %s(%d)", szRoutine, nIndex);
    return false;
}
}  // namespace

// ---- Team stats, stadium, city, returners ----

int Get_Team_Stat(TNUM nTeam, int nIndex) {
    if (!Team_Accepted(nTeam, TOTAL_NUMBER_OF_TEAMS, "nTeam out of bounds in Get_Team_Stat()")) return 0;
    if (!Field_Accepted(nIndex, NUMBER_OF_TEAM_STATS, "Get_Team_Stat")) return 0;
    return Data(nTeam).anStats[nIndex];
}

bool Human_Managed(TNUM nTeam) {
    return nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES && Data(nTeam).anStats[TEAM_STAT_CONTROL] == HUMAN_MANAGED;
}

void Set_Team_Stat(TNUM nTeam, int nIndex, int nValue) {
    if (nTeam == NO_TEAM) return;
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES) {
        Error_Log("nTeam out of bounds in Set_Team_Stat(<%d>,%d,%d)", nTeam, nIndex, nValue);
        return;
    }
    if (!Field_Accepted(nIndex, NUMBER_OF_TEAM_STATS, "Set_Team_Stat")) return;
    Data(nTeam).anStats[nIndex] = nValue;
}

void Set_Every_Team_Stat(int nIndex, int nValue) {
    for (int nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Stat((TNUM)nTeam, nIndex, nValue);
}

int Get_Team_City_Data(TNUM nTeam, int nField) {
    return Get_City_Data(Get_Team_Stat(nTeam, TEAM_STAT_CITY), nField);
}

// The stadium fields take any code and index; out-of-range ones read 0 and are not written.
int Get_Stadium_Field(TNUM nTeam, int nIndex) {
    if (!Team_Code_In_Range(nTeam) || nIndex < 0 || nIndex >= NUMBER_OF_STADIUM_FIELDS) return 0;
    return Data(nTeam).anStadium[nIndex];
}

void Set_Stadium_Field(TNUM nTeam, int nIndex, int nValue) {
    if (!Team_Code_In_Range(nTeam) || nIndex < 0 || nIndex >= NUMBER_OF_STADIUM_FIELDS) return;
    Data(nTeam).anStadium[nIndex] = nValue;
}

PNUM Get_Team_Returner(TNUM nTeam, int nKind) {
    if (!Team_Accepted(nTeam, TOTAL_NUMBER_OF_TEAMS, "nTeam out of bounds in Get_Team_Returner()")) return NO_PLAYER;
    if (nKind != KICK_RETURNER && nKind != PUNT_RETURNER) return NO_PLAYER;
    return Data(nTeam).abReturners[nKind];
}

void Set_Team_Returner(TNUM nTeam, int nKind, PNUM nPlayer) {
    if (!Team_Accepted(nTeam, TOTAL_NUMBER_OF_TEAMS, "nTeam out of bounds in Set_Team_Returner()")) return;
    if (nKind == KICK_RETURNER || nKind == PUNT_RETURNER) Data(nTeam).abReturners[nKind] = nPlayer;
}

// ---- Won-lost records ----

// The college draft runs from the season rollover (which has already moved the
// season index on) until the new season is set up; its round is past the last
// one otherwise.
bool Season_Is_Off_Season() {
    int nRound = g_League.anGameState[GS_DRAFT_ROUND];
    return nRound >= 0 && nRound < 7;
}

int Record_Season_Index() {
    int nYear = Current_Season_Index();
    if (Season_Is_Off_Season() && nYear > 0) nYear--;
    return nYear;
}

static bool Year_Accepted(int nYear) {
    if (nYear >= 0 && nYear < NUMBER_OF_SEASONS) return true;
    Quick_Message("Invalid nYear in Get_Team_Yearly_Stat: %d", nYear);
    return false;
}

int Get_Team_Yearly_Stat(TNUM nTeam, int nYear, int nField) {
    if (!Team_Code_In_Range(nTeam) || !Year_Accepted(nYear)) return 0;
    if (!Field_Accepted(nField, NUMBER_OF_YEARLY_FIELDS, "Get_Team_Yearly_Stat")) return 0;
    return Data(nTeam).anYearly[nYear][nField];
}

void Set_Team_Yearly_Stat(TNUM nTeam, int nYear, int nField, int nValue) {
    if (!Team_Accepted(nTeam, FREE_AGENT_TEAM, "nTeam out of bounds in Set_Team_Yearly_Stat()")) return;
    if (!Year_Accepted(nYear)) return;
    if (!Field_Accepted(nField, NUMBER_OF_YEARLY_FIELDS, "Set_Team_Yearly_Stat")) return;
    Data(nTeam).anYearly[nYear][nField] = nValue;
}

int Get_Team_Record_Stat(TNUM nTeam, int nField) {
    if (!Team_Accepted(nTeam, TOTAL_NUMBER_OF_TEAMS, "nTeam out of bounds in Get_Team_Record_Stat()")) return 0;
    return Get_Team_Yearly_Stat(nTeam, Record_Season_Index(), nField);
}

void Set_Team_Record_Stat(TNUM nTeam, int nField, int nValue) {
    if (!Team_Accepted(nTeam, FREE_AGENT_TEAM, "nTeam out of bounds in Set_Team_Record_Stat()")) return;
    Set_Team_Yearly_Stat(nTeam, Current_Season_Index(), nField, nValue);
}

// Adds one to a field of the current season (not the one the readers show).
static void Count_Result(TNUM nTeam, int nField) {
    Set_Team_Record_Stat(nTeam, nField, Get_Team_Yearly_Stat(nTeam, Current_Season_Index(), nField) + 1);
}

// One message, not one per field, when the current season has no record.
static bool Current_Season_Accepted() { return Year_Accepted(Current_Season_Index()); }

void Add_Team_Win(TNUM nTeam, bool bHome) {
    if (!Team_Accepted(nTeam, NUMBER_OF_FRANCHISES - 1, "nTeam out of bounds in Add_Team_Win()")) return;
    if (!Current_Season_Accepted()) return;
    if (Current_Week() >= First_Playoff_Week()) {
        Count_Result(nTeam, YR_PLAYOFF_WINS);
        return;
    }
    Count_Result(nTeam, YR_WINS);
    if (bHome) Count_Result(nTeam, YR_HOME_WINS);
}

void Add_Team_Loss(TNUM nTeam, bool bHome) {
    if (!Team_Accepted(nTeam, FREE_AGENT_TEAM, "nTeam out of bounds in Add_Team_Loss()")) return;
    if (!Current_Season_Accepted()) return;
    if (Current_Week() >= First_Playoff_Week()) {
        Add_Team_Playoff_Loss(nTeam);
        return;
    }
    Count_Result(nTeam, YR_LOSSES);
    if (bHome) Count_Result(nTeam, YR_HOME_LOSSES);
}

void Add_Team_Playoff_Loss(TNUM nTeam) {
    if (!Team_Accepted(nTeam, NUMBER_OF_FRANCHISES - 1, "nTeam out of bounds in Add_Team_Playoff_Loss()")) return;
    if (!Current_Season_Accepted()) return;
    Count_Result(nTeam, YR_PLAYOFF_LOSSES);
}

void Add_Team_Tie(TNUM nTeam, bool bHome) {
    if (!Team_Accepted(nTeam, FREE_AGENT_TEAM, "nTeam out of bounds in Add_Team_Tie()")) return;
    if (!Current_Season_Accepted()) return;
    Count_Result(nTeam, YR_TIES);
    if (bHome) Count_Result(nTeam, YR_HOME_TIES);
}

int Get_Team_Wins(TNUM nTeam) { return Get_Team_Record_Stat(nTeam, YR_WINS); }
int Get_Team_Losses(TNUM nTeam) { return Get_Team_Record_Stat(nTeam, YR_LOSSES); }
int Get_Team_Ties(TNUM nTeam) { return Get_Team_Record_Stat(nTeam, YR_TIES); }
int Get_Team_Home_Wins(TNUM nTeam) { return Get_Team_Record_Stat(nTeam, YR_HOME_WINS); }
int Get_Team_Home_Losses(TNUM nTeam) { return Get_Team_Record_Stat(nTeam, YR_HOME_LOSSES); }
int Get_Team_Home_Ties(TNUM nTeam) { return Get_Team_Record_Stat(nTeam, YR_HOME_TIES); }
int Get_Team_Road_Wins(TNUM nTeam) { return Get_Team_Wins(nTeam) - Get_Team_Home_Wins(nTeam); }
int Get_Team_Road_Losses(TNUM nTeam) { return Get_Team_Losses(nTeam) - Get_Team_Home_Losses(nTeam); }
int Get_Team_Road_Ties(TNUM nTeam) { return Get_Team_Ties(nTeam) - Get_Team_Home_Ties(nTeam); }
int Get_Team_Playoff_Wins(TNUM nTeam) { return Get_Team_Record_Stat(nTeam, YR_PLAYOFF_WINS); }
int Get_Team_Playoff_Losses(TNUM nTeam) { return Get_Team_Record_Stat(nTeam, YR_PLAYOFF_LOSSES); }

void Get_Team_Record_Text(TNUM nTeam, char* szOut) {
    int nWins = Get_Team_Wins(nTeam), nLosses = Get_Team_Losses(nTeam), nTies = Get_Team_Ties(nTeam);
    if (nTies != 0)
        snprintf(szOut, RECORD_TEXT_WIDTH, "(%d-%d-%d)", nWins, nLosses, nTies);
    else
        snprintf(szOut, RECORD_TEXT_WIDTH, "(%d-%d)", nWins, nLosses);
}

int Get_Team_Winning_Percentage(TNUM nTeam) {
    int nWins = Get_Team_Wins(nTeam), nLosses = Get_Team_Losses(nTeam), nTies = Get_Team_Ties(nTeam);
    return Ratio(1000, nTies + 2 * nWins, 2 * (nWins + nLosses + nTies));
}

int Get_Team_Highest_Playoff_Slot(TNUM nTeam) {
    for (int nSlot = NUMBER_OF_PLAYOFF_SLOTS - 1; nSlot >= 0; nSlot--)
        if (g_League.abPlayoffTeams[nSlot] == nTeam) return nSlot;
    return -1;
}

int Team_Season_Outcome_Level(TNUM nTeam, int nDivisionPlace) {
    int nPlayoffSlot = Get_Team_Highest_Playoff_Slot(nTeam);
    if (nPlayoffSlot == 30) return 8;
    if (nPlayoffSlot >= 28 && nPlayoffSlot <= 29) return 7;
    if (nPlayoffSlot >= 16 && nPlayoffSlot <= 27) return 6;
    if (nDivisionPlace == 0) return 5;
    if (nPlayoffSlot >= 0) return 4;
    if (nDivisionPlace >= 1 && nDivisionPlace <= 3) return 4 - nDivisionPlace;
    return 0;
}

namespace {
int Draft_Outcome_Weight(int nOutcome) {
    switch (nOutcome) {
        case 8: return 0;
        case 7: return 100;
        case 6: return 200;
        case 5:
        case 4: return 300;
        default: return 400;
    }
}

int Draft_Key(TNUM nTeam, int nSeasonIndex) {
    return Get_Team_Yearly_Stat(nTeam, nSeasonIndex, YR_FINAL_RANK) +
           Draft_Outcome_Weight(Get_Team_Yearly_Stat(nTeam, nSeasonIndex, YR_OUTCOME));
}
}  // namespace

// By neighbour exchange on strictly larger keys, so equal teams keep code order.
int Draft_Order_Of_Season(int nSeasonIndex, TNUM* pOrder) {
    int anKey[NUMBER_OF_FRANCHISES];
    int n = 0;
    for (TNUM t = 0; t < NUMBER_OF_FRANCHISES; t++) {
        if (!Valid_Team(t)) continue;
        pOrder[n] = t;
        anKey[n++] = Draft_Key(t, nSeasonIndex);
    }
    for (bool bSwapped = true; bSwapped;) {
        bSwapped = false;
        for (int i = 0; i + 1 < n; i++)
            if (anKey[i] < anKey[i + 1]) {
                std::swap(anKey[i], anKey[i + 1]);
                std::swap(pOrder[i], pOrder[i + 1]);
                bSwapped = true;
            }
    }
    return n;
}

void Get_Franchise_History(TNUM nTeam, FranchiseHistory* pHistory) {
    FranchiseHistory history = {};
    *pHistory = history;
    if (!Team_Accepted(nTeam, TOTAL_NUMBER_OF_TEAMS, "nTeam out of bounds in Get_Franchise_History()")) return;
    int nSeasons = Min(Current_Season_Index(), NUMBER_OF_SEASONS);
    for (int nYear = 0; nYear < nSeasons; nYear++) {
        const int32_t* anRecord = Data(nTeam).anYearly[nYear];
        history.nWins += anRecord[YR_WINS];
        history.nLosses += anRecord[YR_LOSSES];
        history.nTies += anRecord[YR_TIES];
        history.nPlayoffWins += anRecord[YR_PLAYOFF_WINS];
        history.nPlayoffLosses += anRecord[YR_PLAYOFF_LOSSES];
        if (anRecord[YR_OUTCOME] > 3) history.nPlayoffSeasons++;
        if (anRecord[YR_OUTCOME] > 6) history.nSeasonsAbove6++;
        if (anRecord[YR_OUTCOME] > 7) history.nSeasonsAbove7++;
    }
    int nPercentage = Ratio(1000, history.nTies + 2 * (history.nWins + history.nPlayoffWins),
                            2 * (history.nTies + history.nLosses + history.nWins));
    int nWeight = Min(1000, Root((int64_t)nSeasons * 100000));
    history.nScore = Max(0, Ratio(nPercentage + Get_Team_Financial_Stat(nTeam, FIN_MARKET_HANDICAP), nWeight, 1000));
    *pHistory = history;
}

int Get_Franchise_Score(TNUM nTeam) {
    FranchiseHistory history;
    Get_Franchise_History(nTeam, &history);
    return history.nScore;
}

// ---- Statistic totals ----

static bool Total_Accepted(TNUM nTeam, int nLine, int nPeriod, const char* szRoutine) {
    if (!Team_Code_In_Range(nTeam)) {
        Error_Log("nTeam out of bounds in %s()", szRoutine);
        return false;
    }
    if (nLine < 0 || nLine >= NUMBER_OF_STAT_LINES || nPeriod < 0 || nPeriod >= NUMBER_OF_STAT_PERIODS) {
        Error_Log("Invalid stat line in %s(%d,%d)", szRoutine, nLine, nPeriod);
        return false;
    }
    return true;
}

int Get_Team_Total(TNUM nTeam, int nLine, int nPeriod, int nStat) {
    if (!Total_Accepted(nTeam, nLine, nPeriod, "Get_Team_Total")) return 0;
    const int32_t* s = Data(nTeam).anTotals[nLine][nPeriod];
    auto line = [&](int nOtherLine, int nCounter) { return Data(nTeam).anTotals[nOtherLine][nPeriod][nCounter]; };
    auto games = [&]() { return Get_Team_Wins(nTeam) + Get_Team_Losses(nTeam); };
    switch (nStat) {
    case SS_YARDS_PER_RUSH: return Ratio(10, s[SS_RUSH_YARDS], s[SS_RUSHES]);
    case SS_YARDS_PER_RECEPTION: return Ratio(10, s[SS_RECEIVING_YARDS], s[SS_RECEPTIONS]);
    case SS_SCRIMMAGE_YARDS: return s[SS_RECEIVING_YARDS] + s[SS_RUSH_YARDS];
    case SS_SCRIMMAGE_TD: return s[SS_RECEIVING_TD] + s[SS_RUSH_TD];
    case SS_SCRIMMAGE_YARDS_PER_GAME: return Ratio(10, s[SS_RECEIVING_YARDS] + s[SS_RUSH_YARDS], games());
    case SS_RUSH_YARDS_PER_GAME: return Ratio(10, s[SS_RUSH_YARDS], games());
    case SS_RECEIVING_YARDS_PER_GAME: return Ratio(10, s[SS_RECEIVING_YARDS], games());
    case SS_TOTAL_TD:
        return line(LINE_OFFENCE, SS_RECEIVING_TD) + line(LINE_OFFENCE, SS_RUSH_TD) +
               line(LINE_DEFENCE, SS_DEFENSIVE_TD) + line(LINE_OFFENCE, SS_KICK_RETURN_TD) +
               line(LINE_OFFENCE, SS_PUNT_RETURN_TD) + line(LINE_DEFENCE, SS_KICK_RETURN_TD) +
               line(LINE_DEFENCE, SS_PUNT_RETURN_TD);
    case SS_SACKS_X10: return s[SS_SACKS] * 5;
    default: return nStat >= 0 && nStat < NUMBER_OF_COUNTERS ? s[nStat] : 0;
    }
}

static int32_t* Total_Counter(TNUM nTeam, int nLine, int nPeriod, int nStat, const char* szRoutine) {
    if (!Total_Accepted(nTeam, nLine, nPeriod, szRoutine)) return nullptr;
    if (!Field_Accepted(nStat, NUMBER_OF_COUNTERS, szRoutine)) return nullptr;
    return &Data(nTeam).anTotals[nLine][nPeriod][nStat];
}

void Set_Team_Total(TNUM nTeam, int nLine, int nPeriod, int nStat, int nValue) {
    if (int32_t* p = Total_Counter(nTeam, nLine, nPeriod, nStat, "Set_Team_Total")) *p = nValue;
}

void Add_Team_Total(TNUM nTeam, int nLine, int nPeriod, int nStat, int nValue) {
    if (int32_t* p = Total_Counter(nTeam, nLine, nPeriod, nStat, "Add_Team_Total")) *p += nValue;
}

int Get_Team_Total_Rank(TNUM nTeam, int nLine, int nPeriod, int nStat) {
    int nValue = Get_Team_Total(nTeam, nLine, nPeriod, nStat);
    int nRank = 0;
    for (int nOther = 0; nOther < Number_Of_Teams(); nOther++)
        if (Get_Team_Total((TNUM)nOther, nLine, nPeriod, nStat) > nValue) nRank++;
    return nRank;
}

void Clear_Team_Totals(TNUM nTeam) {
    if (nTeam == NO_TEAM) {
        Error_Log("'NO_TEAM' passed to Clear_Team_Totals()");
        return;
    }
    if (!Team_Accepted(nTeam, TOTAL_NUMBER_OF_TEAMS, "nTeam out of bounds in Clear_Team_Totals()")) return;
    memset(Data(nTeam).anTotals, 0, sizeof Data(nTeam).anTotals);
}

void Clear_Team_Totals() {
    for (int nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Clear_Team_Totals((TNUM)nTeam);
}
