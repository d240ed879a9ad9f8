#include "trades/trading_block.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "platform/platform.h"
#include "database/team.h"
#include "database/text_format.h"
#include "trades/counter_offer.h"
#include "trades/trade_value.h"

namespace {

constexpr int MILLION = 1000000;
constexpr int FRUITLESS_ADDITIONS = 1000;  // in a row, before the team gives up
constexpr int PICK_DRAWS = 10;              // to find a pick not yet offered
constexpr int DESCRIBED_ITEMS = 4;          // a longer list ends in "..."
constexpr int UNLISTED_KEY = INT_MAX;       // empty and illegal records sort last

const char* const WISH_NAMES[TRADING_BLOCK_WISHES] = {
    "Quarterbacks", "Running Backs",  "Tight Ends", "Wide Receivers", "Tackles",     "Guards",   "Centers",
    "Defensive Ends", "Defensive Tackles", "Linebackers", "Cornerbacks", "Safeties", "Kickers", "Punters",
    "Any Players", "Prospects", "Veterans", "Draft Picks", "Cash"};

bool Legal_Offer(const TRADE_OFFER& offer) {
    char szReason[TRADE_TEXT_WIDTH];
    return Trade_Is_Legal(offer, szReason);
}

// Legality is checked after the draw: an illegal addition ends the answer.
bool Any_Offer(const TRADE_OFFER&) { return true; }

int Raised(int nNeed) { return nNeed * 4 / 3; }  // truncating, as the wish raises a need

bool Pick_Offered(const TRADE_OFFER& offer, int nItem) {
    for (int i = 0; i < TRADE_ITEMS; i++)
        if (offer.aanItems[1][i] == nItem) return true;
    return false;
}

// One of side 1's picks not yet offered; false when the draws all hit offered ones.
bool Add_Block_Pick(TRADE_OFFER* pOffer, int nPicks) {
    int nCount = Count_Trade_Items(*pOffer, 1);
    if (nCount >= TRADE_ITEMS || nPicks <= 0) return false;
    int nPlayers = Number_Of_Players(pOffer->anTeam[1]);
    for (int nDraw = 0; nDraw < PICK_DRAWS; nDraw++) {
        int nItem = nPlayers + Random(nPicks);
        if (nItem > INT8_MAX || Pick_Offered(*pOffer, nItem)) continue;
        pOffer->aanItems[1][nCount] = (int8_t)nItem;
        return true;
    }
    return false;
}

bool Answer_With_Cash(TRADE_OFFER* pOffer, const TeamNeeds& partners) {
    int nCash = Get_Team_Financial_Stat(pOffer->anTeam[1], FIN_CASH);
    int nPayment = Min(Max(0, nCash / MILLION), TRADE_CASH_LIMIT);
    for (; nPayment >= 0; nPayment--) {
        pOffer->nCash = -nPayment;
        if (!Legal_Offer(*pOffer)) return false;
        if (Offer_Score(*pOffer, partners) >= ACCEPTED_SCORE) return true;
    }
    return false;
}

// Picks or players added until the partner accepts and the user gets a fair return.
bool Answer_With_Items(TRADE_OFFER* pOffer, int nWish, const TeamNeeds& users, const TeamNeeds& partners) {
    TNUM nUser = pOffer->anTeam[0], nPartner = pOffer->anTeam[1];
    int anDesire[PLAYERS_PER_TEAM];
    int nPicks = 0;
    if (nWish == WISH_DRAFT_PICKS)
        nPicks = Count_Walk_Picks(nPartner);
    else
        Slot_Desires(nPartner, nUser, partners, users, false, anDesire);
    int nFruitless = 0;
    for (;;) {
        TRADE_OFFER mirror = *pOffer;
        Mirror_Trade_Offer(&mirror);
        if (Offer_Score(*pOffer, partners) >= ACCEPTED_SCORE && Offer_Score(mirror, users) > BLOCK_RETURN_SCORE)
            return true;
        bool bAdded = nWish == WISH_DRAFT_PICKS ? Add_Block_Pick(pOffer, nPicks)
                                                : Add_Desired_Player(pOffer, 1, anDesire, Any_Offer);
        if (!bAdded) {
            if (++nFruitless >= FRUITLESS_ADDITIONS) return false;
            continue;
        }
        nFruitless = 0;
        if (!Legal_Offer(*pOffer)) return false;
    }
}

int Order_Key(const TRADE_OFFER& offer, int nWish) {
    if (!Block_Offer_Listed(offer)) return UNLISTED_KEY;
    if (nWish == WISH_CASH) return offer.nCash;
    TeamNeeds partners;
    Compute_Team_Needs(offer.anTeam[1], &partners);
    return Offer_Score(offer, partners);
}

void Clear_Block_Record(TRADE_OFFER* pOffer) { Clear_Trade_Offer(pOffer, pOffer->anTeam[0], NO_TEAM); }

}  // namespace

const char* Trading_Block_Wish_Name(int nWish) {
    return nWish >= 0 && nWish < TRADING_BLOCK_WISHES ? WISH_NAMES[nWish] : "";
}

void Reshape_Needs_By_Wish(TeamNeeds* pNeeds, int nWish) {
    for (int nRow = 0; nRow < NEED_ROWS; nRow++)
        for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) {
            int& nNeed = pNeeds->aanNeed[nRow][nPosition];
            if (nWish < NUMBER_OF_POSITIONS)
                nNeed = nPosition == nWish ? Raised(nNeed) : 0;
            else if (nWish == WISH_PROSPECTS)
                nNeed = nRow == NEED_YOUNG_BACKUP ? Raised(nNeed) : 0;
            else if (nWish == WISH_VETERANS)
                nNeed = nRow == NEED_YOUNG_BACKUP ? 0 : Raised(nNeed);
        }
}

void Set_Up_Trading_Block(TRADE_OFFER* pBlock, TNUM nUser, int nCashField, int nWish) {
    pBlock->anTeam[0] = nUser;
    pBlock->anTeam[1] = NO_TEAM;
    std::fill(std::begin(pBlock->aanItems[1]), std::end(pBlock->aanItems[1]), NO_TRADE_ITEM);
    pBlock->nCash = 0;
    if (nWish != WISH_CASH) Set_Trade_Cash_Field(pBlock, 0, nCashField);
}

bool Trading_Block_Refusal(const TRADE_OFFER& block, TradeRefusal* pRefusal) {
    TNUM nUser = block.anTeam[0];
    int nPlayers = 0;
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) nPlayers += Is_Valid_Player(nUser, nPlayer);
    for (int i = 0; i < TRADE_ITEMS; i++) nPlayers -= Trade_Item_Is_Player(block, 0, i);
    int nMinimum = Trade_Minimum_Roster(nUser);
    if (nPlayers >= nMinimum) return false;
    char szName[TEXT_SIZE];
    Get_Team_Nickname(nUser, szName);
    snprintf(pRefusal->szTitle, sizeof pRefusal->szTitle, "Illegal Trading Block Offer");
    snprintf(pRefusal->szText, sizeof pRefusal->szText, "%.60s would have less than %d players.", szName, nMinimum);
    return true;
}

bool Build_Block_Answer(TRADE_OFFER* pOffer, int nWish) {
    TeamNeeds users, partners;
    Compute_Team_Needs(pOffer->anTeam[0], &users);
    Reshape_Needs_By_Wish(&users, nWish);
    Compute_Team_Needs(pOffer->anTeam[1], &partners);
    if (nWish == WISH_CASH) return Answer_With_Cash(pOffer, partners);
    return Answer_With_Items(pOffer, nWish, users, partners);
}

int Build_Trading_Block_Offers(const TRADE_OFFER& block, int nWish, TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS],
                               TradeRefusal* pRefusal, const std::function<void(int nOffers)>& told) {
    for (int i = 0; i < TRADING_BLOCK_OFFERS; i++) Clear_Trade_Offer(&aOffers[i], block.anTeam[0], NO_TEAM);
    if (Trading_Block_Refusal(block, pRefusal)) return -1;
    Set_Game_State(GS_TRADING_BLOCK_WISH, nWish);
    int nCount = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams() && nCount < TRADING_BLOCK_OFFERS; nTeam++) {
        if (nTeam == block.anTeam[0]) continue;
        TRADE_OFFER& offer = aOffers[nCount];
        offer = block;
        offer.anTeam[1] = nTeam;
        if (Build_Block_Answer(&offer, nWish))
            nCount = Order_Trading_Block_Offers(aOffers, nWish);
        else
            Clear_Block_Record(&offer);
        if (told) told(nCount);
    }
    if (nCount == 0) {
        snprintf(pRefusal->szTitle, sizeof pRefusal->szTitle, "No Trade Offers");
        snprintf(pRefusal->szText, sizeof pRefusal->szText, "%s",
                 nWish == WISH_CASH ? "There are no offers for the listed player(s). Change the players offered."
                                    : "There are no offers for the listed player(s). Change the players offered, "
                                      "or add money to your offer.");
    }
    return nCount;
}

bool Block_Offer_Listed(const TRADE_OFFER& offer) { return offer.anTeam[1] != NO_TEAM && Legal_Offer(offer); }

int Order_Trading_Block_Offers(TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS], int nWish) {
    for (int i = 0; i < TRADING_BLOCK_OFFERS; i++)
        for (int j = i + 1; j < TRADING_BLOCK_OFFERS; j++)
            if (aOffers[i].anTeam[1] != NO_TEAM && memcmp(&aOffers[i], &aOffers[j], sizeof(TRADE_OFFER)) == 0) {
                Clear_Block_Record(&aOffers[i]);
                break;
            }
    // Keys once: judging an offer reads the whole roster, and nothing moves meanwhile.
    int anKey[TRADING_BLOCK_OFFERS];
    for (int i = 0; i < TRADING_BLOCK_OFFERS; i++) anKey[i] = Order_Key(aOffers[i], nWish);
    for (int nPass = 0; nPass < TRADING_BLOCK_OFFERS; nPass++)
        for (int i = 0; i + 1 < TRADING_BLOCK_OFFERS; i++)
            if (anKey[i] > anKey[i + 1]) {
                std::swap(anKey[i], anKey[i + 1]);
                std::swap(aOffers[i], aOffers[i + 1]);
            }
    int nListed = 0;
    while (nListed < TRADING_BLOCK_OFFERS && anKey[nListed] != UNLISTED_KEY) nListed++;
    return nListed;
}

std::string Describe_Block_Offer(const TRADE_OFFER& offer) {
    char szAbbreviation[TEXT_SIZE], szItem[TRADE_TEXT_WIDTH];
    Get_Team_Abbreviation(offer.anTeam[1], szAbbreviation);
    std::string text = std::string(szAbbreviation) + " offers\t";
    int nCount = Count_Trade_Items(offer, 1);
    if (nCount == 0) {
        Format_Thousands(Trade_Cash_Field(offer, 1) * MILLION, szItem);
        return text + "$" + szItem;
    }
    for (int i = 0; i < nCount; i++) {
        Format_Trade_Item(offer, 1, i, szItem);
        text += szItem;
        if (i == nCount - 1) break;
        if (i == DESCRIBED_ITEMS - 1) return text + " ...";
        text += i == nCount - 2 ? " and " : ", ";
    }
    return text;
}

void Open_Block_Offer(const TRADE_OFFER& offer, TRADE_OFFER* pPage) {
    *pPage = offer;
    Set_Game_State(GS_TRADE_PARTNER, NO_TEAM);
    Set_Game_State(GS_TRADE_ACTIVITY, 0);
}

bool Block_Trade_Completed() { return Get_Game_State(GS_TRADE_ACTIVITY) != 0; }

void Open_Trading_Block(TradingBlockPage* pPage, TNUM nUser) {
    int nWish = Get_Game_State(GS_TRADING_BLOCK_WISH);
    pPage->nWish = nWish >= 0 && nWish < TRADING_BLOCK_WISHES ? nWish : WISH_ANY_PLAYERS;
    pPage->nCashField = 0;
    Clear_Trade_Offer(&pPage->block, nUser, NO_TEAM);
    for (TRADE_OFFER& offer : pPage->aOffers) Clear_Trade_Offer(&offer, nUser, NO_TEAM);
    pPage->nOffers = 0;
}

bool Block_Lists_Player(const TradingBlockPage& page, PNUM nPlayer) {
    for (int i = 0; i < TRADE_ITEMS; i++)
        if (page.block.aanItems[0][i] == nPlayer && Trade_Item_Is_Player(page.block, 0, i)) return true;
    return false;
}

// The offers answered the block as it was; a changed block makes them stale.
static void Forget_Block_Offers(TradingBlockPage* pPage) {
    for (TRADE_OFFER& offer : pPage->aOffers) Clear_Block_Record(&offer);
    pPage->nOffers = 0;
}

bool List_Block_Player(TradingBlockPage* pPage, PNUM nPlayer, TradeRefusal* pRefusal) {
    if (!Add_Trade_Player(&pPage->block, 0, nPlayer, pRefusal)) return false;
    Forget_Block_Offers(pPage);
    return true;
}

void Unlist_Block_Player(TradingBlockPage* pPage, PNUM nPlayer) {
    for (int i = 0; i < TRADE_ITEMS; i++)
        if (pPage->block.aanItems[0][i] == nPlayer) {
            Remove_Trade_Item(&pPage->block, 0, i);
            Forget_Block_Offers(pPage);
            return;
        }
}

std::vector<std::string> Block_Player_Lines(const TradingBlockPage& page) {
    std::vector<std::string> lines;
    char szItem[TRADE_TEXT_WIDTH];
    for (int i = 0; i < Count_Trade_Items(page.block, 0); i++) {
        Format_Trade_Item(page.block, 0, i, szItem);
        lines.push_back(szItem);
    }
    return lines;
}

std::string Block_Roster_Line(const TradingBlockPage& page) {
    TNUM nUser = page.block.anTeam[0];
    int nStaying = Number_Of_Players(nUser);
    for (int i = 0; i < TRADE_ITEMS; i++) nStaying -= Trade_Item_Is_Player(page.block, 0, i);
    char szLine[TRADE_TEXT_WIDTH];
    snprintf(szLine, sizeof szLine, "%d players would stay (at least %d needed).", nStaying, Trade_Minimum_Roster(nUser));
    return szLine;
}

int Trading_Block_Cash_Limit(const TradingBlockPage& page) {
    if (page.nWish == WISH_CASH) return 0;
    TRADE_OFFER probe = page.block;
    Set_Trade_Cash_Field(&probe, 0, TRADE_CASH_LIMIT);
    return Trade_Cash_Field(probe, 0);
}

int Ask_For_Block_Offers(TradingBlockPage* pPage, const std::function<void(const TradingBlockPage&)>& shown) {
    Set_Up_Trading_Block(&pPage->block, pPage->block.anTeam[0], pPage->nCashField, pPage->nWish);
    pPage->nCashField = Trade_Cash_Field(pPage->block, 0);
    pPage->nOffers = 0;
    TradeRefusal refusal;
    if (Trading_Block_Refusal(pPage->block, &refusal)) {
        Forget_Block_Offers(pPage);
        Message_Box(refusal.szTitle, "%s", refusal.szText);
        return 0;
    }
    Open_Progress("Asking for offers", Max(1, Number_Of_Teams() - 1));
    int nCount = Build_Trading_Block_Offers(pPage->block, pPage->nWish, pPage->aOffers, &refusal, [&](int nOffers) {
        Step_Progress();
        pPage->nOffers = nOffers;
        if (shown && nOffers <= LIVE_BLOCK_OFFERS) shown(*pPage);
    });
    Close_Progress();
    pPage->nOffers = Max(0, nCount);
    if (nCount <= 0) Message_Box(refusal.szTitle, "%s", refusal.szText);
    return pPage->nOffers;
}

std::vector<std::string> Block_Offer_Lines(const TradingBlockPage& page) {
    std::vector<std::string> lines;
    for (int i = 0; i < page.nOffers; i++) lines.push_back(Describe_Block_Offer(page.aOffers[i]));
    return lines;
}

bool Return_To_Trading_Block(TradingBlockPage* pPage) {
    if (!Block_Trade_Completed()) return false;
    int nWish = pPage->nWish, nCash = pPage->nCashField;
    Open_Trading_Block(pPage, pPage->block.anTeam[0]);
    pPage->nWish = nWish;
    pPage->nCashField = Min(nCash, Trading_Block_Cash_Limit(*pPage));
    return true;
}
