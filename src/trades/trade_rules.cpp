#include "trades/trade_rules.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"

namespace {
constexpr int NAME_WIDTH = 32;  // team strings
constexpr int MILLION = 1000000;

void Set_Refusal(TradeRefusal* pRefusal, const char* szTitle, const char* szText) {
    if (!pRefusal) return;
    snprintf(pRefusal->szTitle, sizeof pRefusal->szTitle, "%s", szTitle);
    snprintf(pRefusal->szText, sizeof pRefusal->szText, "%s", szText);
}

void Nickname(TNUM nTeam, char* szOut) { Get_Team_Nickname(nTeam, szOut); }

// Only franchises in use trade; the pools pass Valid_Team but have no
// roster limits, cap or cash to hold them to.
bool Trading_Team(TNUM nTeam) { return nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES && Valid_Team(nTeam); }

int Salary_Cap_Thousands() { return Get_League_Rule(LR_SALARY_CAP) / 1000; }

// Refuses what no page could have built: gaps in a list, an item twice, a
// pick the team lacks. Run only on valid teams.
bool Side_Items_Are_Sound(const TRADE_OFFER& offer, int nSide, char* szReason) {
    TNUM nTeam = offer.anTeam[nSide];
    char szName[NAME_WIDTH];
    Nickname(nTeam, szName);
    int nCount = Count_Trade_Items(offer, nSide);
    int nPlayers = Number_Of_Players(nTeam), nPicks = Count_Walk_Picks(nTeam);
    for (int nIndex = 0; nIndex < TRADE_ITEMS; nIndex++) {
        int nItem = offer.aanItems[nSide][nIndex];
        if (nIndex >= nCount) {
            if (nItem == NO_TRADE_ITEM) continue;
            snprintf(szReason, TRADE_TEXT_WIDTH, "The %s's items have a gap.", szName);
            return false;
        }
        if (nItem < 0) {
            snprintf(szReason, TRADE_TEXT_WIDTH, "The %s offer no item %d.", szName, nItem);
            return false;
        }
        if (nItem >= nPlayers && nItem - nPlayers >= nPicks) {
            snprintf(szReason, TRADE_TEXT_WIDTH, "The %s do not own that draft pick.", szName);
            return false;
        }
        for (int nEarlier = 0; nEarlier < nIndex; nEarlier++)
            if (offer.aanItems[nSide][nEarlier] == nItem) {
                snprintf(szReason, TRADE_TEXT_WIDTH, "%s",
                         nItem < nPlayers ? "That player is already part of the trade offer."
                                          : "That draft pick is already part of the trade offer.");
                return false;
            }
    }
    return true;
}
}  // namespace

int Trade_Minimum_Roster(TNUM nTeam) {
    int nPicks = 0;
    DraftPick pick;
    for (int nIndex = 0; Find_Walk_Pick(nTeam, nIndex, &pick) && pick.nDraft == 0; nIndex++) nPicks++;
    return FULL_ROSTER_MINIMUM - nPicks;
}

bool Trade_Is_Legal(const TRADE_OFFER& offer, char* szReason) {
    szReason[0] = '\0';
    if (!Trading_Team(offer.anTeam[0]) || !Trading_Team(offer.anTeam[1])) {
        snprintf(szReason, TRADE_TEXT_WIDTH, "The offer names a team that is not in the league.");
        return false;
    }
    if (offer.anTeam[0] == offer.anTeam[1]) {
        snprintf(szReason, TRADE_TEXT_WIDTH, "A team cannot trade with itself.");
        return false;
    }
    if (offer.nCash < -TRADE_CASH_LIMIT || offer.nCash > TRADE_CASH_LIMIT) {
        snprintf(szReason, TRADE_TEXT_WIDTH, "No more than $%d million may change hands in a trade.", TRADE_CASH_LIMIT);
        return false;
    }
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        if (!Side_Items_Are_Sound(offer, nSide, szReason)) return false;

    int anChange[TRADE_SIDES] = {0, 0};
    int anOutgoing[TRADE_SIDES] = {0, 0};  // thousands
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        for (int nIndex = 0; nIndex < TRADE_ITEMS; nIndex++) {
            if (!Trade_Item_Is_Player(offer, nSide, nIndex)) continue;
            anChange[nSide]--;
            anChange[1 - nSide]++;
            anOutgoing[nSide] += Get_Player_Vital_Stat(offer.anTeam[nSide], offer.aanItems[nSide][nIndex], VS_CAP_IMPACT);
        }

    char szName[NAME_WIDTH];
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        TNUM nTeam = offer.anTeam[nSide];
        Nickname(nTeam, szName);
        int nNewSize = Number_Of_Players(nTeam) + anChange[nSide];
        if (nNewSize > TRADE_ROSTER_LIMIT) {
            snprintf(szReason, TRADE_TEXT_WIDTH, "The %s do not have room for %d more players.", szName, anChange[nSide]);
            return false;
        }
        int nMinimum = Trade_Minimum_Roster(nTeam);
        if (anChange[nSide] < 0 && nNewSize < nMinimum) {
            snprintf(szReason, TRADE_TEXT_WIDTH, "%s would have less than %d players.", szName, nMinimum);
            return false;
        }
    }
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        TNUM nTeam = offer.anTeam[nSide];
        int nIncoming = anOutgoing[1 - nSide], nOutgoing = anOutgoing[nSide];
        // Over the cap already, a team may still trade without adding to its payroll.
        if (nIncoming > nOutgoing &&
            Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) + nIncoming - nOutgoing > Salary_Cap_Thousands()) {
            Nickname(nTeam, szName);
            snprintf(szReason, TRADE_TEXT_WIDTH, "%s exceed league salary cap.", szName);
            return false;
        }
    }
    return true;
}

void Format_Trade_Legality_Line(const TRADE_OFFER& offer, char* szOut) {
    char szReason[TRADE_TEXT_WIDTH];
    if (Trade_Is_Legal(offer, szReason))
        snprintf(szOut, TRADE_TEXT_WIDTH, "Double-click players to add them to trade.");
    else
        snprintf(szOut, TRADE_TEXT_WIDTH, "Illegal Trade: %.*s", TRADE_TEXT_WIDTH - 16, szReason);
}

bool Trade_Passes_Debt_Rule(const TRADE_OFFER& offer, TradeRefusal* pRefusal) {
    TNUM nTeam = offer.anTeam[0];
    if (nTeam != (TNUM)Get_Game_State(GS_USER_TEAM) || Get_Team_Financial_Stat(nTeam, FIN_CASH) >= 0) return true;
    int anSalaries[TRADE_SIDES] = {0, 0};
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        for (int nIndex = 0; nIndex < TRADE_ITEMS; nIndex++)
            if (Trade_Item_Is_Player(offer, nSide, nIndex))
                anSalaries[nSide] += Get_Player_Vital_Stat(offer.anTeam[nSide], offer.aanItems[nSide][nIndex], VS_SALARY);
    if (anSalaries[0] >= anSalaries[1]) return true;
    Set_Refusal(pRefusal, "Debt", "While in debt, you cannot offer a trade that increases your payroll.");
    return false;
}

bool Trade_Cap_Deadlock(TNUM nTeamA, TNUM nTeamB) {
    int64_t nPayrolls =
        (int64_t)Get_Team_Financial_Stat(nTeamA, FIN_PAYROLL) + Get_Team_Financial_Stat(nTeamB, FIN_PAYROLL);
    return nPayrolls >= 2 * (int64_t)Salary_Cap_Thousands();
}

TNUM Opening_Trade_Partner(TNUM nUser) {
    TNUM nLast = (TNUM)Get_Game_State(GS_TRADE_PARTNER);
    if (nLast != nUser && nLast >= 0 && nLast < Number_Of_Teams() && Valid_Team(nLast)) return nLast;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        if (nTeam != nUser && Valid_Team(nTeam)) return nTeam;
    return NO_TEAM;
}

bool Trade_Page_Opening_Refusal(TNUM nUser, TNUM nPartner, TradeRefusal* pRefusal) {
    if (Get_Game_State(GS_COMMISSIONER) || !Trade_Cap_Deadlock(nUser, nPartner)) return false;
    char szUser[NAME_WIDTH], szPartner[NAME_WIDTH], szText[TRADE_TEXT_WIDTH];
    Nickname(nUser, szUser);
    Nickname(nPartner, szPartner);
    snprintf(szText, sizeof szText,
             "A trade cannot be constructed between %s and %s that would satify the league salary cap.", szUser,
             szPartner);
    Set_Refusal(pRefusal, "Salary Cap", szText);
    return true;
}

namespace {
bool Add_Trade_Item(TRADE_OFFER* pOffer, int nSide, int nItem, bool bPick, TradeRefusal* pRefusal) {
    const char* szTitle = bPick ? "Can't draft pick add to deal" : "Can't add player to deal";
    const char* szAlready = bPick ? "That draft pick is already part of the trade offer."
                                  : "That player is already part of the trade offer.";
    if (nSide < 0 || nSide >= TRADE_SIDES) return false;
    int nCount = Count_Trade_Items(*pOffer, nSide);
    for (int nIndex = 0; nIndex < nCount; nIndex++)
        if (pOffer->aanItems[nSide][nIndex] == nItem) {
            Set_Refusal(pRefusal, bPick ? "Can't add draft pick to deal" : "Can't add player to deal", szAlready);
            return false;
        }
    if (nCount >= TRADE_ITEMS) {
        char szText[TRADE_TEXT_WIDTH];
        snprintf(szText, sizeof szText,
                 "No more than %d items (players or draft picks) per team may be offered in a trade.", TRADE_ITEMS);
        Set_Refusal(pRefusal, szTitle, szText);
        return false;
    }
    pOffer->aanItems[nSide][nCount] = (int8_t)nItem;
    return true;
}
}  // namespace

bool Add_Trade_Player(TRADE_OFFER* pOffer, int nSide, PNUM nPlayer, TradeRefusal* pRefusal) {
    if (nSide < 0 || nSide >= TRADE_SIDES || !Is_Valid_Player(pOffer->anTeam[nSide], nPlayer)) {
        Set_Refusal(pRefusal, "Can't add player to deal", "There is no player in that slot.");
        return false;
    }
    return Add_Trade_Item(pOffer, nSide, nPlayer, false, pRefusal);
}

bool Add_Trade_Pick(TRADE_OFFER* pOffer, int nSide, int nPick, TradeRefusal* pRefusal) {
    if (nSide < 0 || nSide >= TRADE_SIDES || nPick < 0 || !Valid_Team(pOffer->anTeam[nSide]) ||
        nPick >= Count_Walk_Picks(pOffer->anTeam[nSide])) {
        Set_Refusal(pRefusal, "Can't add draft pick to deal", "The team does not own that draft pick.");
        return false;
    }
    int nItem = Number_Of_Players(pOffer->anTeam[nSide]) + nPick;
    // An item is one signed byte: 80 players and the full 3 x 7 x 36 walk do not fit.
    if (nItem > INT8_MAX) {
        Set_Refusal(pRefusal, "Can't add draft pick to deal", "That draft pick cannot be offered.");
        return false;
    }
    return Add_Trade_Item(pOffer, nSide, nItem, true, pRefusal);
}

void Remove_Trade_Item(TRADE_OFFER* pOffer, int nSide, int nIndex) {
    if (nSide < 0 || nSide >= TRADE_SIDES || nIndex < 0 || nIndex >= TRADE_ITEMS) return;
    int8_t* pItems = pOffer->aanItems[nSide];
    std::copy(pItems + nIndex + 1, pItems + TRADE_ITEMS, pItems + nIndex);
    pItems[TRADE_ITEMS - 1] = NO_TRADE_ITEM;
}

int Trade_Cash_Field(const TRADE_OFFER& offer, int nPayingSide) {
    return std::max(0, nPayingSide == 0 ? offer.nCash : -offer.nCash);
}

void Set_Trade_Cash_Field(TRADE_OFFER* pOffer, int nPayingSide, int nMillions) {
    if (nPayingSide < 0 || nPayingSide >= TRADE_SIDES) return;
    int nCash = Get_Team_Financial_Stat(pOffer->anTeam[nPayingSide], FIN_CASH);
    int nLimit = std::clamp(nCash / MILLION, 0, TRADE_CASH_LIMIT);
    nMillions = std::clamp(nMillions, 0, nLimit);
    if (nMillions > 0)
        pOffer->nCash = nPayingSide == 0 ? nMillions : -nMillions;
    else if (Trade_Cash_Field(*pOffer, nPayingSide) > 0)
        pOffer->nCash = 0;  // the other field keeps its figure
}

void Format_Trade_Pick(const DraftPick& pick, char* szOut) {
    char szRound[NAME_WIDTH], szTeam[NAME_WIDTH];
    Get_Ordinal_Words_Capitalised(pick.nRound + 1, szRound);
    Get_Team_Abbreviation(pick.nOriginalTeam, szTeam);
    snprintf(szOut, TRADE_TEXT_WIDTH, "%d - %s Round (%s)", Current_Calendar_Year() + pick.nDraft + 1, szRound, szTeam);
}

void Format_Owner_Pick(const DraftPick& pick, char* szOut) {
    char szRound[NAME_WIDTH], szTeam[NAME_WIDTH];
    Get_Ordinal_Words_Capitalised(pick.nRound + 1, szRound);
    Get_Team_Abbreviation(pick.nOriginalTeam, szTeam);
    snprintf(szOut, TRADE_TEXT_WIDTH, "  %s Round Pick\t (%d)\t(%s)", szRound, Current_Calendar_Year() + pick.nDraft + 1,
             szTeam);
}

void Format_Trade_Item(const TRADE_OFFER& offer, int nSide, int nIndex, char* szOut) {
    szOut[0] = '\0';
    if (nSide < 0 || nSide >= TRADE_SIDES || nIndex < 0 || nIndex >= TRADE_ITEMS) return;
    int nItem = offer.aanItems[nSide][nIndex];
    TNUM nTeam = offer.anTeam[nSide];
    if (nItem == NO_TRADE_ITEM || !Valid_Team(nTeam)) return;
    if (Trade_Item_Is_Player(offer, nSide, nIndex)) {
        char szName[FULL_NAME_WIDTH + 1], szPosition[NAME_WIDTH];
        Get_Player_Full_Name(nTeam, (PNUM)nItem, szName);
        Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, (PNUM)nItem, VS_POSITION), szPosition);
        snprintf(szOut, TRADE_TEXT_WIDTH, "%s (%s)", szName, szPosition);
        return;
    }
    DraftPick pick;
    if (Find_Walk_Pick(nTeam, nItem - Number_Of_Players(nTeam), &pick)) Format_Trade_Pick(pick, szOut);
}

void Format_Trade_Roster_Count(TNUM nTeam, char* szOut) {
    snprintf(szOut, TRADE_TEXT_WIDTH, "Players (%d/%d)", Number_Of_Players(nTeam), TRADE_ROSTER_LIMIT);
}
