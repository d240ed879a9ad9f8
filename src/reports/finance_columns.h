// The columns a user can choose for the Finances page: their headings, the
// letter grades, and each team's value as the page shows it.
#pragma once
#include "database/league_database.h"
#include "reports/group_strength.h"

enum {
    FC_RATING,
    FC_TITLES,
    FC_CHAMPIONSHIPS,
    FC_PLAYOFFS,
    FC_LOYALTY,
    FC_ATTENDANCE,
    FC_TICKET_PRICE,
    FC_AVERAGE_SALARY,
    FC_PAYROLL,
    FC_AVERAGE_AGE,
    FC_CONTRACT,
    FC_REVENUE,
    FC_EXPENSES,
    FC_PROFIT,
    FC_FRANCHISE,
    FC_CASH,
    FC_LIQUIDITY,
    FC_CAP_ROOM,
    FC_MEDICAL,
    FC_SCOUTING,
    FC_BONUS,
    FC_BROADCAST,
    FC_LOCAL,
    FC_NATIONAL,
    FC_QUARTERBACKS, // .. FC_PUNTERS: the strength groups in their order
    FC_PUNTERS = FC_QUARTERBACKS + NUMBER_OF_STRENGTH_GROUPS - 1,
    NUMBER_OF_FINANCE_COLUMNS,
};

inline int Strength_Column(int nGroup) {
    return (int)FC_QUARTERBACKS + nGroup;
}
const char* Finance_Column_Name(int nColumn); // "" for a bad column

// "F ", "D-", ... "A ", "A+" of a per-mille value: 1000 is a "C+".
const char* Letter_Grade(int nPerMille);
int Letter_Grade_Index(int nPerMille); // 0 .. 13 ("A+")

// League averages the graded columns compare with; fill once per page.
struct FinanceAverages {
    int nMedical;
    int anGroup[NUMBER_OF_STRENGTH_GROUPS];
};
void Compute_Finance_Averages(FinanceAverages* pAverages);

// szOut holds DIALOG_TEXT characters; a bad team or column gives "".
// Without averages they are computed for the one call.
void Finance_Column_Text(TNUM nTeam, int nColumn, char* szOut, const FinanceAverages* pAverages = nullptr);
