#include "reports/heading_choice.h"

#include "base/random.h"
#include "database/league_database.h"
#include "reports/finance_columns.h"
#include "reports/finance_page.h"
#include "reports/standings_columns.h"
#include "reports/standings_page.h"

namespace {
struct HeadingKind {
    int nFirstSetting; // game-state entries, one per heading
    int nSlots;
    int nChoices;
    const char* (*pName)(int nChoice);
};
const HeadingKind KINDS[NUMBER_OF_HEADING_KINDS] = {
    {GS_STANDINGS_COLUMN, STANDINGS_CHOSEN_COLUMNS, NUMBER_OF_STANDINGS_COLUMNS, Standings_Column_Name},
    {GS_FINANCE_COLUMN, FINANCE_CHOSEN_COLUMNS, NUMBER_OF_FINANCE_COLUMNS, Finance_Column_Name},
};

const HeadingKind* Kind(int nKind) {
    return nKind >= 0 && nKind < NUMBER_OF_HEADING_KINDS ? &KINDS[nKind] : nullptr;
}
} // namespace

int Heading_Slots(int nKind) {
    return Kind(nKind) ? Kind(nKind)->nSlots : 0;
}
int Heading_Choices(int nKind) {
    return Kind(nKind) ? Kind(nKind)->nChoices : 0;
}

const char* Heading_Choice_Name(int nKind, int nChoice) {
    return Kind(nKind) ? Kind(nKind)->pName(nChoice) : "";
}

int Chosen_Heading(int nKind, int nSlot) {
    const HeadingKind* pKind = Kind(nKind);
    if (!pKind || nSlot < 0 || nSlot >= pKind->nSlots) return 0;
    int nChoice = Get_Game_State(pKind->nFirstSetting + nSlot);
    return nChoice >= 0 && nChoice < pKind->nChoices ? nChoice : 0;
}

HeadingChoice Open_Heading_Choice(int nKind, int nSlot) {
    HeadingChoice choice = {nKind, Clamp(0, nSlot, Max(0, Heading_Slots(nKind) - 1)), 0};
    if (Kind(nKind)) choice.nPrevious = Get_Game_State(Kind(nKind)->nFirstSetting + choice.nSlot);
    return choice;
}

void Choose_Heading(const HeadingChoice& choice, int nChoice) {
    const HeadingKind* pKind = Kind(choice.nKind);
    if (!pKind || nChoice < 0 || nChoice >= pKind->nChoices) return;
    Set_Game_State(pKind->nFirstSetting + choice.nSlot, nChoice);
}

void Cancel_Heading_Choice(const HeadingChoice& choice) {
    if (const HeadingKind* pKind = Kind(choice.nKind))
        Set_Game_State(pKind->nFirstSetting + choice.nSlot, choice.nPrevious);
}
