// The Budget menu: Tickets, Concessions, Broadcast and Expenses for the team
// the user is viewing. The figures, limits and rounding are the finance rules'.
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>
#include <vector>

#include "database/league_database.h"
#include "database/text_format.h"
#include "finance/budget_dialogs.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"

namespace {
QLabel* Text(const char* szText, QWidget* pParent) { return new QLabel(QString::fromUtf8(szText), pParent); }

CoreSpinBox* Spin_Box(const char* szObject, PriceBox box, bool bEditable, std::function<void(int)> spin,
                      std::function<void(const char*)> setText, std::function<const char*()> text, QWidget* pParent) {
    CoreSpinBox* pSpin = new CoreSpinBox(std::move(spin), std::move(setText), std::move(text), pParent);
    pSpin->setObjectName(szObject);
    char szWidest[DIALOG_TEXT];
    Widest_Price_Text(box, szWidest);
    pSpin->Fit_Text(QString::fromUtf8(szWidest));
    pSpin->setEnabled(bEditable);
    return pSpin;
}

// Label / value rows in a box.
QGroupBox* Figures_Box(const char* szTitle, std::initializer_list<std::pair<const char*, const char*>> rows,
                       QWidget* pParent) {
    QGroupBox* pBox = new QGroupBox(QString::fromUtf8(szTitle), pParent);
    QGridLayout* pGrid = new QGridLayout(pBox);
    int nRow = 0;
    for (const auto& row : rows) {
        pGrid->addWidget(Text(row.first, pBox), nRow, 0);
        pGrid->addWidget(Text(row.second, pBox), nRow++, 1, Qt::AlignRight);
    }
    return pBox;
}

// Opens the form on the team the user is viewing, lets pBuild lay out its
// widgets (answering the spin boxes whose typed text counts on OK) and
// applies the form on OK.
template <class Form>
using BudgetBuilder = std::vector<CoreSpinBox*> (*)(QDialog& dialog, QVBoxLayout* pLayout, Form& form);

template <class Form>
int Run_Budget_Dialog(QWidget* pOwner, const char* szTitle, const char* szHelpTopic, void (*pOpen)(TNUM, Form*),
                      BudgetBuilder<Form> pBuild, bool (*pApply)(const Form*)) {
    Form form;
    pOpen(Get_Game_State(GS_USER_TEAM), &form);
    if (form.nTeam == NO_TEAM) return DIALOG_CANCELLED;
    QDialog dialog(pOwner);
    char szTeam[TEXT_SIZE];
    Get_Team_Label(form.nTeam, szTeam);
    QVBoxLayout* pLayout =
        Dialog_Layout(dialog, QString("%1 - %2").arg(szTitle, QString::fromUtf8(szTeam)).toUtf8().constData());
    std::vector<CoreSpinBox*> spins = pBuild(dialog, pLayout, form);
    pLayout->addWidget(Ok_Cancel_Help(&dialog, szHelpTopic));
    int nResult = Dialog_Result(dialog.exec());
    if (nResult == DIALOG_OK) {
        for (CoreSpinBox* pSpin : spins) pSpin->Commit();
        pApply(&form);
    }
    return nResult;
}

std::vector<CoreSpinBox*> Build_Tickets(QDialog& dialog, QVBoxLayout* pLayout, TicketsDialog& tickets) {
    QHBoxLayout* pPrice = new QHBoxLayout;
    pPrice->addWidget(Text("Ticket Price: $", &dialog));
    CoreSpinBox* pSpin = Spin_Box(
        "price", PRICE_BOX_TICKET, tickets.bEditable, [&](int n) { Spin_Tickets_Price(&tickets, n); },
        [&](const char* sz) { Set_Tickets_Price_Text(&tickets, sz); }, [&] { return (const char*)tickets.szPrice; },
        &dialog);
    pPrice->addWidget(pSpin);
    pLayout->addLayout(pPrice);
    pLayout->addWidget(Figures_Box("Last Game",
                                   {{"Price:", tickets.szLastPrice},
                                    {"Attendance:", tickets.szLastAttendance},
                                    {"Ticket Sales:", tickets.szLastSales}},
                                   &dialog));
    const char* const YEARS[2] = {"This Year", "Last Year"};
    for (int nYear = 0; nYear < 2; nYear++)
        pLayout->addWidget(Figures_Box(YEARS[nYear],
                                       {{"Attendance:", tickets.szAttendancePerGame[nYear]},
                                        {"", tickets.szAttendanceTotal[nYear]},
                                        {"Ticket Sales:", tickets.szSalesPerGame[nYear]}},
                                       &dialog));
    QGroupBox* pCity = new QGroupBox("City Profile", &dialog);
    QVBoxLayout* pCityLines = new QVBoxLayout(pCity);
    for (const char* sz : {tickets.szPopulation, tickets.szIncome, tickets.szCapacity}) pCityLines->addWidget(Text(sz, pCity));
    pLayout->addWidget(pCity);
    return {pSpin};
}

std::vector<CoreSpinBox*> Build_Concessions(QDialog& dialog, QVBoxLayout* pLayout, ConcessionsDialog& concessions) {
    QGridLayout* pItems = new QGridLayout;
    const char* const ITEM_NAMES[NUMBER_OF_ITEMS] = {"Beer", "Food", "Souvenirs"};
    const char* const ITEM_OBJECTS[NUMBER_OF_ITEMS] = {"beer", "food", "souvenirs"};
    std::vector<CoreSpinBox*> spins;
    pItems->addWidget(Text("Price", &dialog), 0, 2);
    pItems->addWidget(Text("Last Game Profits", &dialog), 0, 3);
    for (int nItem = 0; nItem < NUMBER_OF_ITEMS; nItem++) {
        pItems->addWidget(Picture_Label(concessions.aszPicture[nItem], 80, 60, &dialog), nItem + 1, 0);
        pItems->addWidget(Text(ITEM_NAMES[nItem], &dialog), nItem + 1, 1);
        spins.push_back(Spin_Box(
            ITEM_OBJECTS[nItem], PRICE_BOX_CONCESSION, concessions.bEditable,
            [&, nItem](int n) { Spin_Concession_Price(&concessions, nItem, n); },
            [&, nItem](const char* sz) { Set_Concession_Price_Text(&concessions, nItem, sz); },
            [&, nItem] { return (const char*)concessions.aszPrice[nItem]; }, &dialog));
        pItems->addWidget(spins.back(), nItem + 1, 2);
        pItems->addWidget(Text(concessions.aszLastProfit[nItem], &dialog), nItem + 1, 3, Qt::AlignRight);
    }
    pItems->addWidget(Text("Total", &dialog), NUMBER_OF_ITEMS + 1, 1);
    pItems->addWidget(Text(concessions.szLastProfitTotal, &dialog), NUMBER_OF_ITEMS + 1, 3, Qt::AlignRight);
    pLayout->addLayout(pItems);
    pLayout->addWidget(Figures_Box("Profit Per Game",
                                   {{concessions.aszPerGameLabel[0], concessions.aszPerGame[0]},
                                    {concessions.aszPerGameLabel[1], concessions.aszPerGame[1]}},
                                   &dialog));
    return spins;
}

QGroupBox* Broadcast_Figures(const char* szTitle, const BroadcastFigures& figures, QWidget* pParent) {
    return Figures_Box(szTitle,
                       {{"Last Game:", figures.szLastGame},
                        {"This Year (Per Game):", figures.szPerGame[0]},
                        {"This Year (Total):", figures.szTotal[0]},
                        {"Last Year (Per Game):", figures.szPerGame[1]},
                        {"Last Year (Total):", figures.szTotal[1]}},
                       pParent);
}

std::vector<CoreSpinBox*> Build_Broadcast(QDialog& dialog, QVBoxLayout* pLayout, BroadcastDialog& broadcast) {
    QHBoxLayout* pChoice = new QHBoxLayout;
    QVBoxLayout* pPolicies = new QVBoxLayout;
    QButtonGroup* pGroup = new QButtonGroup(&dialog);
    for (int nPolicy = 0; nPolicy < NUMBER_OF_POLICIES; nPolicy++) {
        QRadioButton* pButton = new QRadioButton(Broadcast_Policy_Name(nPolicy), &dialog);
        pButton->setObjectName(QString("policy%1").arg(nPolicy));
        pButton->setChecked(nPolicy == broadcast.nPolicy);
        pButton->setEnabled(broadcast.bEditable);
        pGroup->addButton(pButton, nPolicy);
        pPolicies->addWidget(pButton);
    }
    QLabel* pDescription = Text(Broadcast_Policy_Description(broadcast.nPolicy), &dialog);
    pDescription->setWordWrap(true);
    pPolicies->addWidget(pDescription);
    pChoice->addLayout(pPolicies, 1);
    QLabel* pPicture = Picture_Label(broadcast.szPicture, 160, 120, &dialog);
    pChoice->addWidget(pPicture);
    pLayout->addLayout(pChoice);
    QObject::connect(pGroup, &QButtonGroup::idClicked, &dialog, [&broadcast, pDescription, pPicture](int nPolicy) {
        Choose_Broadcast_Policy(&broadcast, nPolicy);
        pDescription->setText(Broadcast_Policy_Description(broadcast.nPolicy));
        Set_Picture(pPicture, broadcast.szPicture, 160, 120);
    });
    QHBoxLayout* pFigures = new QHBoxLayout;
    pFigures->addWidget(Broadcast_Figures("Local", broadcast.local, &dialog));
    pFigures->addWidget(Broadcast_Figures("National", broadcast.national, &dialog));
    pLayout->addLayout(pFigures);
    return {};
}

void Ranked_Row(QGridLayout* pGrid, int nRow, const char* szLabel, const RankedFigure& figure, QWidget* pParent) {
    pGrid->addWidget(Text(szLabel, pParent), nRow, 0);
    pGrid->addWidget(Text(figure.szValue, pParent), nRow, 1, Qt::AlignRight);
    pGrid->addWidget(Text(figure.szRank, pParent), nRow, 2);
}

std::vector<CoreSpinBox*> Build_Expenses(QDialog& dialog, QVBoxLayout* pLayout, ExpensesDialog& expenses) {
    QGroupBox* pGame = new QGroupBox("Per Game", &dialog);
    QGridLayout* pGrid = new QGridLayout(pGame);
    CoreSpinBox* pScouting = Spin_Box(
        "scouting", PRICE_BOX_BUDGET, expenses.bEditable, [&](int n) { Spin_Scouting(&expenses, n); },
        [&](const char* sz) { Set_Scouting_Text(&expenses, sz); }, [&] { return (const char*)expenses.szScouting; },
        pGame);
    CoreSpinBox* pMedical = Spin_Box(
        "medical", PRICE_BOX_BUDGET, expenses.bEditable, [&](int n) { Spin_Medical(&expenses, n); },
        [&](const char* sz) { Set_Medical_Text(&expenses, sz); }, [&] { return (const char*)expenses.szMedical; },
        pGame);
    pGrid->addWidget(Text("Scouting:", pGame), 0, 0);
    pGrid->addWidget(pScouting, 0, 1);
    pGrid->addWidget(Text(expenses.szScoutingRank, pGame), 0, 2);
    pGrid->addWidget(Text("Medical Staff:", pGame), 1, 0);
    pGrid->addWidget(pMedical, 1, 1);
    pGrid->addWidget(Text(expenses.szMedicalRank, pGame), 1, 2);
    Ranked_Row(pGrid, 2, "Player Salaries:", expenses.salaries, pGame);
    Ranked_Row(pGrid, 3, "Operating Expenses:", expenses.operations, pGame);
    Ranked_Row(pGrid, 4, "Corporate Income Tax:", expenses.tax, pGame);
    Ranked_Row(pGrid, 5, "Owner Dividends:", expenses.dividends, pGame);
    pLayout->addWidget(pGame);
    QGroupBox* pYear = new QGroupBox("Yearly", &dialog);
    QGridLayout* pYearly = new QGridLayout(pYear);
    Ranked_Row(pYearly, 0, "This Year's Revenue", expenses.revenue, pYear);
    Ranked_Row(pYearly, 1, "This Year's Expenses", expenses.expenses, pYear);
    Ranked_Row(pYearly, 2, "Last Year's Revenue", expenses.lastRevenue, pYear);
    Ranked_Row(pYearly, 3, "Last Year's Expenses", expenses.lastExpenses, pYear);
    Ranked_Row(pYearly, 4, "CASH", expenses.cash, pYear);
    pLayout->addWidget(pYear);
    return {pScouting, pMedical};
}

int Run_Tickets(QWidget* pOwner) {
    return Run_Budget_Dialog<TicketsDialog>(pOwner, "Tickets", "tickets", Open_Tickets_Dialog, Build_Tickets,
                                            Apply_Tickets_Dialog);
}
int Run_Concessions(QWidget* pOwner) {
    return Run_Budget_Dialog<ConcessionsDialog>(pOwner, "Concessions", "concessions", Open_Concessions_Dialog,
                                                Build_Concessions, Apply_Concessions_Dialog);
}
int Run_Broadcast(QWidget* pOwner) {
    return Run_Budget_Dialog<BroadcastDialog>(pOwner, "Broadcast", "broadcast", Init_Broadcast_Dialog, Build_Broadcast,
                                              Apply_Broadcast_Dialog);
}
int Run_Expenses(QWidget* pOwner) {
    return Run_Budget_Dialog<ExpensesDialog>(pOwner, "Expenses", "expenses", Init_Expenses_Dialog, Build_Expenses,
                                             Apply_Expenses_Dialog);
}
}  // namespace

void Register_Budget_Dialogs() {
    Register_Dialog(DIALOG_TICKETS, Run_Tickets);
    Register_Dialog(DIALOG_CONCESSIONS, Run_Concessions);
    Register_Dialog(DIALOG_BROADCAST, Run_Broadcast);
    Register_Dialog(DIALOG_EXPENSES, Run_Expenses);
}
