#include "reports/finance_columns.h"

#include "base/random.h"
#include "database/team.h"
#include "finance/dialog_support.h"
#include "reports/page_common.h"

namespace {
const char* const COLUMN_NAMES[NUMBER_OF_FINANCE_COLUMNS] = {
    "Rating",       "Titles",        "Championships", "Playoffs",     "Loyalty",   "Attendance",
    "Ticket Price", "Avg. Salary",   "Payroll",       "Avg. Age",     "Contract",  "Revenue",
    "Expenses",     "Profit",        "Franchise",     "Cash",         "Liquidity", "Cap Room",
    "Medical",      "Scouting",      "Bonus",         "Broadcast",    "Local",     "National",
    "Quarterbacks", "Running Backs", "Tight Ends",    "Receivers",    "Off. Line", "Def. Line",
    "Linebackers",  "Cornerbacks",   "Safeties",      "Return Teams", "Kickers",   "Punters",
};

const char* const GRADES[] = {"F ", "D-", "D-", "D ", "D+", "C-", "C ",
                              "C+", "B-", "B ", "B+", "A-", "A ", "A+"};
constexpr int GRADE_A_PLUS = 13;
constexpr int GRADE_D = 3; // the position groups never show less

int Average_Medical_Quality() {
    int64_t nSum = 0;
    int nTeams = Number_Of_Teams();
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++)
        nSum += Get_Team_Financial_Stat(nTeam, FIN_MEDICAL_QUALITY);
    return nTeams > 0 ? (int)(nSum / nTeams) : 0;
}

bool Fantasy_League_Building() {
    return Get_League_Rule(LR_FANTASY_DRAFT) != 0;
}

void Money_Column(TNUM nTeam, int nCode, char* szOut) {
    Money_Text(Get_Team_Financial_Stat(nTeam, nCode), szOut);
}
} // namespace

const char* Finance_Column_Name(int nColumn) {
    return nColumn >= 0 && nColumn < NUMBER_OF_FINANCE_COLUMNS ? COLUMN_NAMES[nColumn] : "";
}

// The step-of-50 rule of the stored settings, with "A+" above its top step:
// clamping there would leave the table's "A+" out of reach.
int Letter_Grade_Index(int nPerMille) {
    if (nPerMille >= Step50_Value(GRADE_A_PLUS) - 25) return GRADE_A_PLUS;
    return Step50_Index(nPerMille);
}

const char* Letter_Grade(int nPerMille) {
    return GRADES[Letter_Grade_Index(nPerMille)];
}

void Compute_Finance_Averages(FinanceAverages* pAverages) {
    pAverages->nMedical = Average_Medical_Quality();
    for (int nGroup = 0; nGroup < NUMBER_OF_STRENGTH_GROUPS; nGroup++)
        pAverages->anGroup[nGroup] = League_Group_Strength(nGroup);
}

void Finance_Column_Text(TNUM nTeam, int nColumn, char* szOut, const FinanceAverages* pAverages) {
    szOut[0] = '\0';
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES || !Valid_Team(nTeam)) return;
    if (nColumn < 0 || nColumn >= NUMBER_OF_FINANCE_COLUMNS) return;
    bool bNeedsAverages = nColumn == FC_MEDICAL || nColumn >= FC_QUARTERBACKS;
    FinanceAverages averages;
    if (!pAverages && bNeedsAverages) {
        Compute_Finance_Averages(&averages);
        pAverages = &averages;
    }
    FranchiseHistory history;
    switch (nColumn) {
    case FC_RATING:
        Tenths_Text(Get_Franchise_Score(nTeam), szOut);
        return;
    case FC_TITLES:
    case FC_CHAMPIONSHIPS:
    case FC_PLAYOFFS:
        Get_Franchise_History(nTeam, &history);
        Dialog_Format(szOut, "%d",
                      nColumn == FC_TITLES          ? history.nSeasonsAbove7
                      : nColumn == FC_CHAMPIONSHIPS ? history.nSeasonsAbove6
                                                    : history.nPlayoffSeasons);
        return;
    case FC_LOYALTY:
        Dialog_Format(szOut, "%s", Letter_Grade(Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY)));
        return;
    case FC_ATTENDANCE: {
        int nAttendance = Get_Team_Financial_Stat(nTeam, FIN_AVERAGE_HOME_ATTENDANCE);
        if (nAttendance < 1)
            Dialog_Format(szOut, "n/a");
        else
            Number_Text(nAttendance, szOut);
        return;
    }
    case FC_TICKET_PRICE: {
        int nCents = Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE);
        Dialog_Format(szOut, "$%d.%02d", nCents / 100, nCents % 100);
        return;
    }
    case FC_AVERAGE_SALARY: {
        if (Fantasy_League_Building()) return;
        int nThousands = Get_Team_Financial_Stat(nTeam, FIN_AVERAGE_SALARY);
        Dialog_Format(szOut, "$%d.%02dM", nThousands / 1000, nThousands % 1000 / 10);
        return;
    }
    case FC_PAYROLL: {
        int nThousands = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
        Dialog_Format(szOut, "$%d.%dM", nThousands / 1000, nThousands % 1000 / 100);
        return;
    }
    case FC_AVERAGE_AGE:
    case FC_CONTRACT:
        if (Fantasy_League_Building()) return;
        Tenths_Text(Get_Team_Financial_Stat(nTeam, nColumn == FC_AVERAGE_AGE ? FIN_AVERAGE_AGE
                                                                             : FIN_AVERAGE_CONTRACT),
                    szOut);
        return;
    case FC_REVENUE:
        Money_Column(nTeam, FIN_REVENUE_SEASON, szOut);
        return;
    case FC_EXPENSES:
        Money_Column(nTeam, FIN_OUTLAY_SEASON, szOut);
        return;
    case FC_PROFIT:
        Money_Column(nTeam, FIN_PROFIT, szOut);
        return;
    case FC_FRANCHISE:
        Money_Column(nTeam, FIN_START_VALUE, szOut);
        return;
    case FC_CASH:
        Money_Column(nTeam, FIN_CASH, szOut);
        return;
    case FC_LIQUIDITY: {
        char szTenths[DIALOG_TEXT];
        Tenths_Text(Get_Team_Financial_Stat(nTeam, FIN_LIQUIDITY), szTenths);
        Dialog_Format(szOut, "%s%%", szTenths);
        return;
    }
    case FC_CAP_ROOM: {
        int nCap = Get_League_Rule(LR_SALARY_CAP);
        if (nCap < 1000)
            Dialog_Format(szOut, "n/a");
        else
            Money_Text(((int64_t)nCap / 1000 - Get_Team_Financial_Stat(nTeam, FIN_PAYROLL)) * 1000, szOut);
        return;
    }
    case FC_MEDICAL:
        Dialog_Format(szOut, "%s",
                      Letter_Grade(Ratio(1100, Get_Team_Financial_Stat(nTeam, FIN_MEDICAL_QUALITY),
                                         pAverages->nMedical)));
        return;
    case FC_SCOUTING:
        Dialog_Format(szOut, "%s", Letter_Grade(Get_Team_Financial_Stat(nTeam, FIN_SCOUTING_QUALITY)));
        return;
    case FC_BONUS:
        Tenths_Text(Get_Team_Financial_Stat(nTeam, FIN_MARKET_HANDICAP), szOut);
        return;
    case FC_BROADCAST:
        Money_Column(nTeam, FIN_BROADCAST_REVENUE_SEASON, szOut);
        return;
    case FC_LOCAL:
        Money_Column(nTeam, FIN_LOCAL_BROADCAST_SEASON, szOut);
        return;
    case FC_NATIONAL:
        Money_Column(nTeam, FIN_NATIONAL_BROADCAST_SEASON, szOut);
        return;
    default: { // the strength groups
        int nGroup = nColumn - FC_QUARTERBACKS;
        int nGrade =
            Letter_Grade_Index(Ratio(1100, Group_Strength(nTeam, nGroup), pAverages->anGroup[nGroup]));
        Dialog_Format(szOut, "%s", GRADES[Max(GRADE_D, nGrade)]);
        return;
    }
    }
}
