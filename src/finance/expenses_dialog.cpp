#include <cstdio>
#include <cstring>

#include "database/team.h"
#include "finance/budget_dialogs.h"
#include "finance/dialog_support.h"

namespace {
// Whole steps of $10,000.
int Budget(int64_t nDollars) {
    if (nDollars < 0) return 0;
    return nDollars > MAX_BUDGET ? MAX_BUDGET : (int)(nDollars / BUDGET_SPIN * BUDGET_SPIN);
}

void Show_Budgets(ExpensesDialog* pDialog) {
    Money_Text(pDialog->nScouting, pDialog->szScouting);
    Money_Text(pDialog->nMedical, pDialog->szMedical);
}

void Set_Text(ExpensesDialog* pDialog, int* pBudget, const char* szText) {
    int64_t nCents;
    if (pDialog->bEditable && Parse_Money_Text(szText, &nCents)) *pBudget = Budget(nCents / 100);
    Show_Budgets(pDialog);
}

void Spin(ExpensesDialog* pDialog, int* pBudget, int nSteps) {
    if (pDialog->bEditable) *pBudget = Budget((int64_t)*pBudget + (int64_t)BUDGET_SPIN * nSteps);
    Show_Budgets(pDialog);
}
} // namespace

void Init_Expenses_Dialog(TNUM nTeam, ExpensesDialog* pDialog) {
    memset(pDialog, 0, sizeof *pDialog);
    pDialog->nTeam = NO_TEAM;
    if (!Dialog_Team(nTeam, "Init_Expenses_Dialog")) return;
    pDialog->nTeam = nTeam;
    pDialog->bEditable = Budget_Editable(nTeam);
    pDialog->nScouting = Get_Team_Financial_Stat(nTeam, FIN_SCOUTING_BUDGET);
    pDialog->nMedical = Get_Team_Financial_Stat(nTeam, FIN_MEDICAL_BUDGET);
    Show_Budgets(pDialog);
    Rank_Text(nTeam, FIN_SCOUTING_BUDGET, pDialog->szScoutingRank);
    Rank_Text(nTeam, FIN_MEDICAL_BUDGET, pDialog->szMedicalRank);
    Fill_Ranked_Figure(nTeam, FIN_SALARIES_LAST_GAME, &pDialog->salaries);
    Fill_Ranked_Figure(nTeam, FIN_OPERATIONS_LAST_GAME, &pDialog->operations);
    Fill_Ranked_Figure(nTeam, FIN_TAX_PER_GAME, &pDialog->tax);
    Fill_Ranked_Figure(nTeam, FIN_DIVIDEND_PER_GAME, &pDialog->dividends);
    Fill_Ranked_Figure(nTeam, FIN_REVENUE_SEASON, &pDialog->revenue);
    Fill_Ranked_Figure(nTeam, FIN_EXPENSES_SEASON, &pDialog->expenses);
    Fill_Ranked_Figure(nTeam, FIN_REVENUE_LAST_SEASON, &pDialog->lastRevenue);
    Fill_Ranked_Figure(nTeam, FIN_EXPENSES_LAST_SEASON, &pDialog->lastExpenses);
    Fill_Ranked_Figure(nTeam, FIN_CASH, &pDialog->cash);
}

void Set_Scouting_Text(ExpensesDialog* pDialog, const char* szText) {
    Set_Text(pDialog, &pDialog->nScouting, szText);
}
void Set_Medical_Text(ExpensesDialog* pDialog, const char* szText) {
    Set_Text(pDialog, &pDialog->nMedical, szText);
}
void Spin_Scouting(ExpensesDialog* pDialog, int nSteps) {
    Spin(pDialog, &pDialog->nScouting, nSteps);
}
void Spin_Medical(ExpensesDialog* pDialog, int nSteps) {
    Spin(pDialog, &pDialog->nMedical, nSteps);
}

bool Apply_Expenses_Dialog(const ExpensesDialog* pDialog) {
    if (!Budget_Editable(pDialog->nTeam)) return false;
    Set_Team_Financial_Stat(pDialog->nTeam, FIN_SCOUTING_BUDGET, Budget(pDialog->nScouting));
    Set_Team_Financial_Stat(pDialog->nTeam, FIN_MEDICAL_BUDGET, Budget(pDialog->nMedical));
    return true;
}
