#include "database/team.h"
#include "reports/playoff_page.h"

#include "base/random.h"
#include "database/text_format.h"

namespace {
// A game is played once its two slots hold different scores: a playoff game
// cannot end tied and the slots start at 0.
void Fill_Slot(int nSlot, int nChampionSlot, PlayoffSlotView* pView) {
    pView->nTeam = Get_Playoff_Team(nSlot);
    if (pView->nTeam == NO_TEAM || !Valid_Team(pView->nTeam)) {
        pView->nTeam = NO_TEAM;
        pView->nState = PLAYOFF_SLOT_EMPTY;
        return;
    }
    pView->bHuman = Human_Managed(pView->nTeam);
    char szName[TEXT_SIZE];
    Get_Team_Nickname(pView->nTeam, szName);
    Dialog_Format(pView->szName, "%s", szName);
    pView->nState = nSlot == nChampionSlot ? PLAYOFF_SLOT_WON : PLAYOFF_SLOT_WAITING;
    if (nSlot == nChampionSlot || nSlot >= CHAMPION_SLOT) return;
    int nPartner = nSlot ^ 1;
    int nOwn = Get_Playoff_Score(nSlot), nOther = Get_Playoff_Score(nPartner);
    if (nOwn == nOther || Get_Playoff_Team(nPartner) == NO_TEAM) return;
    pView->nState = nOwn > nOther ? PLAYOFF_SLOT_WON : PLAYOFF_SLOT_LOST;
    Dialog_Format(pView->szScore, "%d-%d", Max(nOwn, nOther), Min(nOwn, nOther));
}
} // namespace

void Fill_Playoff_Page(PlayoffPage* pPage) {
    *pPage = {};
    pPage->bProvisional = Current_Week() < First_Playoff_Week();
    pPage->nChampionSlot = Champion_Slot();
    for (int nSlot = 0; nSlot < PLAYOFF_SLOTS; nSlot++) {
        PlayoffSlotView& view = pPage->aSlots[nSlot];
        Fill_Slot(nSlot, pPage->nChampionSlot, &view);
        // Slots fill in order: a winner moves from slot s to s / 2 + 16.
        int nFeeder = 2 * (nSlot - 16);
        if (view.nState == PLAYOFF_SLOT_EMPTY && nFeeder >= 0 &&
            (pPage->aSlots[nFeeder].nState != PLAYOFF_SLOT_EMPTY ||
             pPage->aSlots[nFeeder + 1].nState != PLAYOFF_SLOT_EMPTY))
            view.nState = PLAYOFF_SLOT_OPEN;
    }
}
