#include "reports/team_history.h"

#include <algorithm>
#include <cstring>

#include "base/random.h"
#include "database/team.h"
#include "database/text_format.h"
#include "reports/page_common.h"

namespace {
// A sum over up to a hundred seasons' money does not fit an int.
int64_t Rounded_Average(int64_t nSum, int64_t nCount, int64_t nHalf) {
    return (nSum + nHalf) / nCount;
}

void Fill_Line(TNUM nTeam, int nSeason, char* szOut) {
    auto field = [&](int nField) { return Get_Team_Yearly_Stat(nTeam, nSeason, nField); };
    char szAttendance[DIALOG_TEXT], szNet[DIALOG_TEXT], szRecord[DIALOG_TEXT], szRank[DIALOG_TEXT],
        szOutcome[DIALOG_TEXT];
    Number_Text(field(YR_HOME_ATTENDANCE), szAttendance);
    Money_Text(field(YR_PROFIT), szNet);
    Dialog_Format(szRecord, "%d-%d-%d", field(YR_WINS), field(YR_LOSSES), field(YR_TIES));
    Rank_Ordinal_Text(field(YR_FINAL_RANK) + 1, szRank);
    Season_Outcome_Text(nTeam, field(YR_OUTCOME), szOutcome);
    Format_Text(szOut, "%d\t%s\t%s\t%s\t%s\t%s\t", Get_League_Rule(LR_START_YEAR) + nSeason, szAttendance,
                szNet, szRecord, szRank, szOutcome);
}

void Fill_Averages(TNUM nTeam, TeamHistory* pHistory) {
    int n = pHistory->nSeasons;
    if (n == 0) {
        Dialog_Format(pHistory->szAttendance, "Attendance: n/a");
        Dialog_Format(pHistory->szProfit, "Profit: n/a");
        Dialog_Format(pHistory->szRecord, "Record: n/a");
        Dialog_Format(pHistory->szRank, "Rank: n/a");
        return;
    }
    int64_t nAttendance = 0, nNet = 0, nWins = 0, nLosses = 0, nRanks = 0;
    for (int nSeason = 0; nSeason < n; nSeason++) {
        nAttendance += Get_Team_Yearly_Stat(nTeam, nSeason, YR_HOME_ATTENDANCE);
        nNet += Get_Team_Yearly_Stat(nTeam, nSeason, YR_PROFIT);
        nWins += Get_Team_Yearly_Stat(nTeam, nSeason, YR_WINS);
        nLosses += Get_Team_Yearly_Stat(nTeam, nSeason, YR_LOSSES);
        nRanks += Get_Team_Yearly_Stat(nTeam, nSeason, YR_FINAL_RANK);
    }
    char szText[DIALOG_TEXT];
    Number_Text(nAttendance / n, szText);
    Dialog_Format(pHistory->szAttendance, "Attendance: %s", szText);
    Money_Text(Rounded_Average(nNet, n, n / 2), szText);
    Dialog_Format(pHistory->szProfit, "Profit: %s", szText);
    Dialog_Format(pHistory->szRecord, "Record: %d-%d", (int)Rounded_Average(nWins, n, n / 2),
                  (int)Rounded_Average(nLosses, n, (n - 1) / 2));
    Rank_Ordinal_Text((int)Rounded_Average(nRanks, n, n / 2) + 1, szText);
    Dialog_Format(pHistory->szRank, "Rank: %s", szText);
}
} // namespace

void Season_Outcome_Text(TNUM nTeam, int nLevel, char* szOut) {
    static const char* const PLACES[] = {"5th", "4th", "3rd", "2nd"};
    char szDivision[16] = "", szConference[DIALOG_TEXT];
    TNUM nDivision = Get_Team_Division(nTeam);
    if (nDivision >= 0 && nDivision < NUMBER_OF_DIVISIONS) Get_Division_Name(nDivision, szDivision);
    Conference_Label(Get_Team_League(nTeam), szConference);
    switch (nLevel) {
    case 0:
    case 1:
    case 2:
    case 3:
        Dialog_Format(szOut, "%s (%s)", PLACES[nLevel], szDivision);
        return;
    case 4:
        Dialog_Format(szOut, "%s Wild Card", szConference);
        return;
    case 5:
        Dialog_Format(szOut, "1st (%s)", szDivision);
        return;
    case 6:
        Dialog_Format(szOut, "%s Divisional Winner", szConference);
        return;
    case 7:
        Dialog_Format(szOut, "%s Champion", szConference);
        return;
    case 8:
        Dialog_Format(szOut, "World Champion");
        return;
    default:
        szOut[0] = '\0';
    }
}

void Fill_Team_History(TNUM nTeam, TeamHistory* pHistory) {
    memset(pHistory, 0, sizeof *pHistory);
    if (nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES && Valid_Team(nTeam))
        pHistory->nSeasons = Clamp(0, Current_Season_Index(), NUMBER_OF_SEASONS);
    for (int nSeason = 0; nSeason < pHistory->nSeasons; nSeason++)
        Fill_Line(nTeam, nSeason, pHistory->aszLines[nSeason]);
    Fill_Averages(nTeam, pHistory);
}

void Fill_History_Chart(TNUM nTeam, HistoryChart* pChart) {
    memset(pChart, 0, sizeof *pChart);
    pChart->nMostGames = 1;
    if (nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES && Valid_Team(nTeam))
        pChart->nSeasons = Clamp(0, Current_Season_Index(), NUMBER_OF_SEASONS);
    for (int nSeason = 0; nSeason < pChart->nSeasons; nSeason++) {
        auto field = [&](int nField) { return Get_Team_Yearly_Stat(nTeam, nSeason, nField); };
        pChart->anYear[nSeason] = Get_League_Rule(LR_START_YEAR) + nSeason;
        // A damaged record's negative counts would draw below the axis.
        pChart->anWins[nSeason] = std::max(0, field(YR_WINS));
        int nGames = pChart->anWins[nSeason] + std::max(0, field(YR_LOSSES)) + std::max(0, field(YR_TIES));
        pChart->nMostGames = std::max(pChart->nMostGames, nGames);
        pChart->anProfit[nSeason] = field(YR_PROFIT);
        pChart->nHighProfit = std::max(pChart->nHighProfit, pChart->anProfit[nSeason]);
        pChart->nLowProfit = std::min(pChart->nLowProfit, pChart->anProfit[nSeason]);
    }
}

TNUM History_First_Team() {
    int nTeam = Get_Game_State(GS_USER_TEAM);
    return nTeam >= 0 && nTeam < Number_Of_Teams() ? (TNUM)nTeam : 0;
}
