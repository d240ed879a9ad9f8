#include <cstdio>
#include <cstring>

#include "database/team.h"
#include "finance/budget_dialogs.h"
#include "finance/dialog_support.h"
#include "finance/factors.h"
#include "platform/platform.h"

namespace {
const char* const POLICY_NAMES[NUMBER_OF_POLICIES] = {"Normal Broadcast", "Pay Only", "Blackout"};
const char* const POLICY_DESCRIPTIONS[NUMBER_OF_POLICIES] = {
    "A normal broadcast contract with a local station raises some TV revenue and also ensures that any fan "
    "who "
    "wants to can see your team play.",
    "Selling an exclusive contract to a paid TV channel will raise a big hunk of broadcast revenue but will "
    "lower "
    "your team's overall exposure.",
    "Blacking out your home games to local fans will help bring them into the ballpark. But it slashes local "
    "TV "
    "revenue in half and may engender some resentment.",
};

bool Valid_Policy(int nPolicy) {
    return nPolicy >= 0 && nPolicy < NUMBER_OF_POLICIES;
}

// This year's and last year's: the season totals and the games played.
void Fill_Figures(TNUM nTeam, int nLastGameField, const int (&anSeasonFields)[2],
                  BroadcastFigures* pFigures) {
    constexpr int GAMES_FIELDS[2] = {FIN_GAMES_SEASON, FIN_GAMES_LAST_SEASON};
    Money_Text(Get_Team_Financial_Stat(nTeam, nLastGameField), pFigures->szLastGame);
    for (int nYear = 0; nYear < 2; nYear++) {
        int nTotal = Get_Team_Financial_Stat(nTeam, anSeasonFields[nYear]);
        Money_Text(Per_Game(nTotal, Get_Team_Financial_Stat(nTeam, GAMES_FIELDS[nYear])),
                   pFigures->szPerGame[nYear]);
        Money_Text(nTotal, pFigures->szTotal[nYear]);
    }
}

void Set_Picture(BroadcastDialog* pDialog) {
    Dialog_Format(pDialog->szPicture, "dialogs/misc/brdcst%d.jpg", pDialog->nPolicy);
}
} // namespace

const char* Broadcast_Policy_Name(int nPolicy) {
    return Valid_Policy(nPolicy) ? POLICY_NAMES[nPolicy] : "";
}

const char* Broadcast_Policy_Description(int nPolicy) {
    return Valid_Policy(nPolicy) ? POLICY_DESCRIPTIONS[nPolicy] : "";
}

void Init_Broadcast_Dialog(TNUM nTeam, BroadcastDialog* pDialog) {
    memset(pDialog, 0, sizeof *pDialog);
    pDialog->nTeam = NO_TEAM;
    if (!Dialog_Team(nTeam, "Init_Broadcast_Dialog")) return;
    pDialog->nTeam = nTeam;
    pDialog->bEditable = Budget_Editable(nTeam);
    int nPolicy = Get_Team_Financial_Stat(nTeam, FIN_BROADCAST_POLICY);
    pDialog->nPolicy = Valid_Policy(nPolicy) ? nPolicy : BROADCAST_NORMAL;
    Set_Picture(pDialog);
    Fill_Figures(nTeam, FIN_LOCAL_BROADCAST_LAST_GAME,
                 {FIN_LOCAL_BROADCAST_SEASON, FIN_LOCAL_BROADCAST_LAST_SEASON}, &pDialog->local);
    Fill_Figures(nTeam, FIN_NATIONAL_BROADCAST_LAST_GAME,
                 {FIN_NATIONAL_BROADCAST_SEASON, FIN_NATIONAL_BROADCAST_LAST_SEASON}, &pDialog->national);
}

void Choose_Broadcast_Policy(BroadcastDialog* pDialog, int nPolicy) {
    if (!Valid_Policy(nPolicy)) {
        Error_Log("Invalid broadcast policy %d", nPolicy);
        return;
    }
    if (!pDialog->bEditable) return;
    pDialog->nPolicy = nPolicy;
    Set_Picture(pDialog);
}

bool Apply_Broadcast_Dialog(const BroadcastDialog* pDialog) {
    if (!Budget_Editable(pDialog->nTeam) || !Valid_Policy(pDialog->nPolicy)) return false;
    Set_Team_Financial_Stat(pDialog->nTeam, FIN_BROADCAST_POLICY, pDialog->nPolicy);
    return true;
}
