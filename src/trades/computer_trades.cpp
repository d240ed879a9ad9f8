#include "trades/computer_trades.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/random.h"
#include "database/team.h"
#include "database/text_format.h"
#include "platform/platform.h"
#include "trades/counter_offer.h"
#include "trades/implement_trade.h"
#include "trades/trade_rules.h"
#include "trades/trade_value.h"

namespace {

constexpr int STALE_STEPS = 3;            // in a row, to end a phase
constexpr int EMPTY_MEASURE = -1;         // an empty offer: anything acceptable beats it
constexpr int REFUSED_MEASURE = INT_MIN;  // illegal, or a score below 0: never kept
enum { PHASE_PRODUCT, PHASE_BALANCE };

void (*s_pTradeObserver)(const char* szLine) = nullptr;
void (*s_pProposalHook)(const TRADE_OFFER& offer) = nullptr;
void (*s_pProposalDefault)(const TRADE_OFFER& offer) = nullptr;

bool Legal_Offer(const TRADE_OFFER& offer) {
    char szReason[TRADE_TEXT_WIDTH];
    return Trade_Is_Legal(offer, szReason);
}

bool Computer_Managed(TNUM nTeam) { return Valid_Team(nTeam) && !Human_Managed(nTeam); }

TNUM Draw_Computer_Team(TNUM nOther) {
    TNUM nTeam;
    do nTeam = (TNUM)Random(Number_Of_Teams());
    while (!Computer_Managed(nTeam) || nTeam == nOther);
    return nTeam;
}

int Measure(int nPhase, const TRADE_OFFER& offer, const TeamNeeds& needs0, const TeamNeeds& needs1,
            SearchedScores* pScores) {
    if (!Legal_Offer(offer)) return REFUSED_MEASURE;
    TRADE_OFFER mirror = offer;
    Mirror_Trade_Offer(&mirror);
    int e = Offer_Score(offer, needs1), f = Offer_Score(mirror, needs0);
    // The empty-offer score is negative too: it never reaches the arithmetic.
    if (e < 0 || f < 0) return REFUSED_MEASURE;
    *pScores = {e, f};
    if (nPhase == PHASE_BALANCE) return -std::abs(e - f);
    if (Count_Trade_Items(offer, 0) + Count_Trade_Items(offer, 1) == 0) return EMPTY_MEASURE;
    return Ratio(e, f, 1000);
}

void Slot_Desires_Of_Both(const TRADE_OFFER& offer, const TeamNeeds& needs0, const TeamNeeds& needs1,
                          int aanDesire[TRADE_SIDES][PLAYERS_PER_TEAM]) {
    Slot_Desires(offer.anTeam[0], offer.anTeam[1], needs0, needs1, false, aanDesire[0]);
    Slot_Desires(offer.anTeam[1], offer.anTeam[0], needs1, needs0, false, aanDesire[1]);
}

std::string Side_Items(const TRADE_OFFER& offer, int nSide) {
    int nCount = Count_Trade_Items(offer, nSide);
    if (nCount == 0) return "nothing";
    std::string text;
    char szItem[TRADE_TEXT_WIDTH];
    for (int i = 0; i < nCount; i++) {
        Format_Trade_Item(offer, nSide, i, szItem);
        if (i > 0) text += i == nCount - 1 ? " and " : ", ";
        text += szItem;
    }
    return text;
}

std::string Abbreviation(TNUM nTeam) {
    char szName[TEXT_SIZE];
    Get_Team_Abbreviation(nTeam, szName);
    return szName;
}

}  // namespace

SearchedScores Search_Computer_Offer(TRADE_OFFER* pOffer, const TeamNeeds& needs0, const TeamNeeds& needs1) {
    int aanDesire[TRADE_SIDES][PLAYERS_PER_TEAM];
    Slot_Desires_Of_Both(*pOffer, needs0, needs1, aanDesire);
    SearchedScores scores{0, 0};
    for (int nPhase : {PHASE_PRODUCT, PHASE_BALANCE}) {
        int nBest = Measure(nPhase, *pOffer, needs0, needs1, &scores);
        for (int nStale = 0; nStale < STALE_STEPS;) {
            // Side 1 opens: a person's team judging the mirror of an offer in
            // which it gives nothing sees the empty offer, so C must ask first.
            int nSide = scores.nSide1 >= scores.nSide0 ? 1 : 0;
            int nCount = Count_Trade_Items(*pOffer, nSide);
            if (!Add_Desired_Player(pOffer, nSide, aanDesire[nSide], Legal_Offer)) {
                nStale++;
                continue;
            }
            SearchedScores tried = scores;
            int nMeasure = Measure(nPhase, *pOffer, needs0, needs1, &tried);
            if (nMeasure > nBest) {
                nBest = nMeasure;
                scores = tried;
                nStale = 0;
            } else {
                pOffer->aanItems[nSide][nCount] = NO_TRADE_ITEM;
                nStale++;
            }
        }
    }
    return scores;
}

int Count_Computer_Managed_Teams() {
    int nCount = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        if (Computer_Managed(nTeam)) nCount++;
    return nCount;
}

bool Computer_Trade_Round(TRADE_OFFER* pSearched) {
    if (Count_Computer_Managed_Teams() < 2) return false;
    TNUM nA = Draw_Computer_Team(NO_TEAM);
    TNUM nB = Draw_Computer_Team(nA);
    TeamNeeds needsA, needsB;
    Compute_Team_Needs(nA, &needsA);
    Compute_Team_Needs(nB, &needsB);
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, nA, nB);
    SearchedScores scores = Search_Computer_Offer(&offer, needsA, needsB);
    if (pSearched) *pSearched = offer;
    if (scores.nSide1 <= COMPUTER_TRADE_SCORE || scores.nSide0 <= COMPUTER_TRADE_SCORE) return false;
    char szLine[4 * TEXT_SIZE];
    Format_Computer_Trade(offer, szLine, sizeof szLine);
    if (!Implement_Trade(offer)) return false;
    if (s_pTradeObserver) s_pTradeObserver(szLine);
    return true;
}

void Format_Computer_Trade(const TRADE_OFFER& offer, char* szOut, size_t nSize) {
    snprintf(szOut, nSize, "Trade: %s sends %s to %s for %s", Abbreviation(offer.anTeam[0]).c_str(),
             Side_Items(offer, 0).c_str(), Abbreviation(offer.anTeam[1]).c_str(), Side_Items(offer, 1).c_str());
}

void Set_Computer_Trade_Observer(void (*pTold)(const char* szLine)) { s_pTradeObserver = pTold; }

int Trade_Proposal_Count() {
    if (Get_Game_State(GS_COMMISSIONER) || !Get_Game_State(GS_COMPUTER_TRADES)) return 0;
    if (Count_Computer_Managed_Teams() == 0) return 0;
    bool bPerson = false;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) bPerson = bPerson || Human_Managed(nTeam);
    if (!bPerson) return 0;
    int e = Ratio(Get_Game_State(GS_TRADE_ACTIVITY), Get_Game_State(GS_DIFFICULTY) + 3, 3);
    return Max(0, (e + 5) / 6);
}

bool Draw_Trade_Proposal(TRADE_OFFER* pOffer) {
    TNUM anPersons[NUMBER_OF_FRANCHISES];
    int nPersons = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        if (Human_Managed(nTeam)) anPersons[nPersons++] = nTeam;
    if (nPersons == 0 || Count_Computer_Managed_Teams() == 0) return false;
    TNUM nPerson = anPersons[Random(nPersons)];
    TNUM nComputer = Draw_Computer_Team(NO_TEAM);
    TeamNeeds persons, computers;
    Compute_Team_Needs(nPerson, &persons);
    Compute_Team_Needs(nComputer, &computers);
    Clear_Trade_Offer(pOffer, nComputer, nPerson);
    SearchedScores scores = Search_Computer_Offer(pOffer, computers, persons);
    int nMargin = PROPOSAL_DIFFICULTY_MARGIN * Get_Game_State(GS_DIFFICULTY);
    return Offer_Is_Accepted(scores.nSide1) && scores.nSide0 - nMargin > COMPUTER_TRADE_SCORE;
}

void Set_Trade_Proposal_Hook(void (*pShow)(const TRADE_OFFER& offer)) { s_pProposalHook = pShow; }

void Set_Trade_Proposal_Default(void (*pAnswer)(const TRADE_OFFER& offer)) { s_pProposalDefault = pAnswer; }

void Computer_Trade_Proposals() {
    for (int n = Trade_Proposal_Count(); n > 0; n--) {
        TRADE_OFFER offer;
        if (!Draw_Trade_Proposal(&offer)) continue;
        if (s_pProposalHook || s_pProposalDefault) {
            (s_pProposalHook ? s_pProposalHook : s_pProposalDefault)(offer);
            continue;
        }
        char szName[TEXT_SIZE];
        Get_Team_Abbreviation(offer.anTeam[0], szName);
        Message_Box("Trade Offer", "%s would like to trade you: %s in return for: %s", szName,
                    Side_Items(offer, 0).c_str(), Side_Items(offer, 1).c_str());
    }
}

std::vector<std::string> Trade_Proposal_Lines(const TRADE_OFFER& offer, int nSide) {
    std::vector<std::string> lines;
    char szItem[TRADE_TEXT_WIDTH];
    for (int i = 0; i < Count_Trade_Items(offer, nSide); i++) {
        Format_Trade_Item(offer, nSide, i, szItem);
        lines.push_back(szItem);
    }
    if (int nMillions = Trade_Cash_Field(offer, nSide)) {
        Format_Thousands(nMillions * 1000000, szItem);
        lines.push_back(std::string("$") + szItem);
    }
    return lines;
}

void Talk_About_Trade_Proposal(const TRADE_OFFER& offer, TRADE_OFFER* pPage) {
    *pPage = offer;
    Mirror_Trade_Offer(pPage);
    Set_Game_State(GS_TRADE_PARTNER, NO_TEAM);
}
