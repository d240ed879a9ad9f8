// The logic of the Budget menu's dialogs and of the New Game franchise box.
// A dialog is opened with Open_* (which also plays its sound), fills one of
// these structures from the league, lets the user edit the values through
// the Set_* and Spin_* functions, and writes them back with Apply_* on OK.
// Only the user's own teams are editable, or any team in Commissioner Mode.
#pragma once
#include "database/league_database.h"

constexpr int DIALOG_TEXT = 64;

// A money figure with the team's league rank beside it.
struct RankedFigure {
    int nValue;
    char szValue[DIALOG_TEXT]; // "$1,234,567"
    char szRank[DIALOG_TEXT];  // "(1st)"
};

bool Budget_Editable(TNUM nTeam);
// Reads "25", "$25.50", "1,250.5"; false when there is no number in it.
bool Parse_Money_Text(const char* szText, int64_t* pCents);
// The longest text a price box shows (its highest price), so that the
// window can make the box wide enough for any price it will hold.
enum PriceBox { PRICE_BOX_TICKET, PRICE_BOX_CONCESSION, PRICE_BOX_BUDGET };
void Widest_Price_Text(PriceBox box, char* szOut);  // szOut holds DIALOG_TEXT

// Tickets.
constexpr int MAX_TICKET_PRICE = 50000; // cents
struct TicketsDialog {
    TNUM nTeam;
    bool bEditable;
    int nPrice;                         // cents
    char szPrice[DIALOG_TEXT];          // "%d.%02d"
    char szLastPrice[DIALOG_TEXT];      // "$%d.%02d"
    char szLastAttendance[DIALOG_TEXT]; // "*" appended at capacity
    char szLastSales[DIALOG_TEXT];
    char szAttendancePerGame[2][DIALOG_TEXT]; // [0] this year, [1] last year
    char szAttendanceTotal[2][DIALOG_TEXT];
    char szSalesPerGame[2][DIALOG_TEXT];
    char szPopulation[DIALOG_TEXT];
    char szIncome[DIALOG_TEXT];
    char szCapacity[DIALOG_TEXT];
};
void Init_Tickets_Dialog(TNUM nTeam, TicketsDialog* pDialog);
void Open_Tickets_Dialog(TNUM nTeam, TicketsDialog* pDialog);
void Set_Tickets_Price_Text(TicketsDialog* pDialog, const char* szText);
void Spin_Tickets_Price(TicketsDialog* pDialog, int nSteps); // $1.00 a step
bool Apply_Tickets_Dialog(const TicketsDialog* pDialog);

// Concessions.
enum { ITEM_BEER, ITEM_FOOD, ITEM_SOUVENIRS, NUMBER_OF_ITEMS };
constexpr int MAX_CONCESSION_PRICE = 10000; // cents
struct ConcessionsDialog {
    TNUM nTeam;
    bool bEditable;
    int anPrice[NUMBER_OF_ITEMS]; // cents
    char aszPrice[NUMBER_OF_ITEMS][DIALOG_TEXT];
    char aszPicture[NUMBER_OF_ITEMS][DIALOG_TEXT];
    char aszLastProfit[NUMBER_OF_ITEMS][DIALOG_TEXT];
    char szLastProfitTotal[DIALOG_TEXT];
    char aszPerGameLabel[2][DIALOG_TEXT]; // "%d Profit Per Game": this year, last year
    char aszPerGame[2][DIALOG_TEXT];
};
void Init_Concessions_Dialog(TNUM nTeam, ConcessionsDialog* pDialog);
void Open_Concessions_Dialog(TNUM nTeam, ConcessionsDialog* pDialog);
void Set_Concession_Price_Text(ConcessionsDialog* pDialog, int nItem, const char* szText);
void Spin_Concession_Price(ConcessionsDialog* pDialog, int nItem, int nSteps); // 25 cents a step
bool Apply_Concessions_Dialog(const ConcessionsDialog* pDialog);

// Broadcast.
constexpr int NUMBER_OF_POLICIES = 3;
const char* Broadcast_Policy_Name(int nPolicy);
const char* Broadcast_Policy_Description(int nPolicy);
struct BroadcastFigures {
    char szLastGame[DIALOG_TEXT];
    char szPerGame[2][DIALOG_TEXT]; // this year, last year
    char szTotal[2][DIALOG_TEXT];
};
struct BroadcastDialog {
    TNUM nTeam;
    bool bEditable;
    int nPolicy;
    char szPicture[DIALOG_TEXT]; // "dialogs/misc/brdcst%d.jpg"
    BroadcastFigures local;
    BroadcastFigures national;
};
void Init_Broadcast_Dialog(TNUM nTeam, BroadcastDialog* pDialog);
void Choose_Broadcast_Policy(BroadcastDialog* pDialog, int nPolicy);
bool Apply_Broadcast_Dialog(const BroadcastDialog* pDialog);

// Expenses.
constexpr int MAX_BUDGET = 5000000;
constexpr int BUDGET_SPIN = 10000;
struct ExpensesDialog {
    TNUM nTeam;
    bool bEditable;
    int nScouting; // per game, dollars
    int nMedical;
    char szScouting[DIALOG_TEXT];
    char szMedical[DIALOG_TEXT];
    char szScoutingRank[DIALOG_TEXT];
    char szMedicalRank[DIALOG_TEXT];
    RankedFigure salaries, operations, tax, dividends;               // per game
    RankedFigure revenue, expenses, lastRevenue, lastExpenses, cash; // yearly
};
void Init_Expenses_Dialog(TNUM nTeam, ExpensesDialog* pDialog);
void Set_Scouting_Text(ExpensesDialog* pDialog, const char* szText);
void Set_Medical_Text(ExpensesDialog* pDialog, const char* szText);
void Spin_Scouting(ExpensesDialog* pDialog, int nSteps);
void Spin_Medical(ExpensesDialog* pDialog, int nSteps);
bool Apply_Expenses_Dialog(const ExpensesDialog* pDialog);

// The New Game dialog's box about the chosen franchise.
struct FranchiseProfile {
    char szFanBase[DIALOG_TEXT];
    char szLoyalty[DIALOG_TEXT];
    char szIncome[DIALOG_TEXT];
    char szValue[DIALOG_TEXT];
    char szCapacity[DIALOG_TEXT];
    char szPayroll[DIALOG_TEXT];
};
void Get_Franchise_Profile(TNUM nTeam, FranchiseProfile* pProfile);
