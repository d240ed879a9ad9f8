#include "commands/trade_page.h"

#include "database/league_database.h"
#include "database/team.h"
#include "database/text_format.h"
#include "platform/platform.h"
#include "season/college_draft.h"
#include "trades/computer_trades.h"
#include "trades/counter_offer.h"
#include "trades/free_agent_list.h"
#include "trades/implement_trade.h"
#include "trades/trade_answers.h"
#include "trades/trade_rules.h"
#include "trades/trade_value.h"

namespace {
constexpr int REPUTATION_PER_DIFFICULTY = 150;
constexpr int LOWEST_REPUTATION = -2000;
constexpr int HIGHEST_REPUTATION = 2000;
constexpr const char* ANSWER_TITLE = "Trade Offer Response";

TradeAnswerHook g_pAnswerHook = nullptr;

bool Legal_Offer(const TRADE_OFFER& offer) {
    char szReason[TRADE_TEXT_WIDTH];
    return Trade_Is_Legal(offer, szReason);
}

// The box every path shows for an illegal offer; false when it was shown.
bool Passes_Legality(const TRADE_OFFER& offer) {
    char szReason[TRADE_TEXT_WIDTH];
    if (Trade_Is_Legal(offer, szReason)) return true;
    Message_Box("Illegal Trade", "%s", szReason);
    return false;
}

bool Show_Refusal(bool bOpens, const TradeRefusal& refusal) {
    if (!bOpens) Message_Box(refusal.szTitle, "%s", refusal.szText);
    return bOpens;
}

// A completed trade leaves the page empty, and a draft waiting on the
// person's pick for the trade goes on to whoever is next.
TradeOutcome Trade_Completed(TRADE_OFFER* pOffer) {
    After_Completed_Trade(pOffer);
    if (College_Draft_Running()) Run_Computer_Picks();
    return TRADE_COMPLETED;
}

void Move_Reputation(int nSign) {
    Add_League_Rule(LR_TRADE_REPUTATION, nSign * Trade_Reputation_Step(), LOWEST_REPUTATION,
                    HIGHEST_REPUTATION);
}

// Without a window the answer is a question (an acceptance) or a notice.
bool Answer_Without_Page(const TradeAnswerView& view) {
    if (view.bAccepted) return Ask_Yes_No(ANSWER_TITLE, view.szLine.c_str()) == ANSWER_YES;
    Message_Box(ANSWER_TITLE, "%s\n\n%s", view.szLine.c_str(), view.szHint.c_str());
    return false;
}

int Partner_Score(const TRADE_OFFER& offer, TeamNeeds* pNeeds) {
    Compute_Team_Needs(offer.anTeam[1], pNeeds);
    return Offer_Score(offer, *pNeeds);
}

TradeOutcome Propose_To_Computer(TRADE_OFFER* pOffer) {
    TradeRefusal refusal;
    if (!Show_Refusal(Trade_Passes_Debt_Rule(*pOffer, &refusal), refusal)) return TRADE_IN_DEBT;
    TeamNeeds needs;
    TradeAnswerView view;
    view.nPartner = pOffer->anTeam[1];
    view.nScore = Partner_Score(*pOffer, &needs);
    view.bAccepted = Offer_Is_Accepted(view.nScore);
    view.szLine = Response_Text(view.nScore);
    view.szFace = General_Manager_Face(view.nPartner);
    if (!view.bAccepted) view.szHint = Needs_List_Text(needs);
    bool bSigned = g_pAnswerHook ? g_pAnswerHook(view) : Answer_Without_Page(view);
    if (!view.bAccepted) return TRADE_REFUSED;
    if (!bSigned) {
        Move_Reputation(-1);
        return TRADE_NOT_SIGNED;
    }
    // The page stayed open while the person made up his mind: whatever
    // changed since (an injury, a week played) is judged anew.
    if (!Passes_Legality(*pOffer)) {
        Move_Reputation(-1);
        return TRADE_ILLEGAL;
    }
    if (!Offer_Is_Accepted(Partner_Score(*pOffer, &needs))) {
        Message_Box("Cheater", "That's not the trade I agreed to!");
        Move_Reputation(-1);
        return TRADE_CHEATER;
    }
    if (!Implement_Trade(*pOffer)) return TRADE_ILLEGAL;
    Move_Reputation(1);
    return Trade_Completed(pOffer);
}
}  // namespace

void Set_Trade_Answer_Hook(TradeAnswerHook pHook) { g_pAnswerHook = pHook; }

TNUM Trade_Page_Team() { return Free_Agent_Signing_Team(); }

int Trade_Reputation_Step() { return Get_Game_State(GS_DIFFICULTY) * REPUTATION_PER_DIFFICULTY; }

bool Open_Trade_Offer(TNUM nUser, TRADE_OFFER* pOffer) {
    Clear_Trade_Offer(pOffer, nUser, Opening_Trade_Partner(nUser));
    TradeRefusal refusal;
    return Show_Refusal(!Trade_Page_Opening_Refusal(nUser, pOffer->anTeam[1], &refusal), refusal);
}

bool Change_Trade_Partner(TRADE_OFFER* pOffer, TNUM nPartner) {
    Clear_Trade_Offer(pOffer, pOffer->anTeam[0], nPartner);
    Set_Game_State(GS_TRADE_PARTNER, nPartner);
    TradeRefusal refusal;
    return Show_Refusal(!Trade_Page_Opening_Refusal(pOffer->anTeam[0], nPartner, &refusal), refusal);
}

const char* Submit_Button_Text() {
    return Get_Game_State(GS_COMMISSIONER) ? "&Force Trade" : "&Submit Offer";
}

TradeOutcome Submit_Trade_Offer(TRADE_OFFER* pOffer) {
    if (!Passes_Legality(*pOffer)) return TRADE_ILLEGAL;
    TNUM nPartner = pOffer->anTeam[1];
    if (Get_Game_State(GS_COMMISSIONER)) {
        if (!Implement_Trade(*pOffer)) return TRADE_ILLEGAL;
        return Trade_Completed(pOffer);
    }
    if (!Human_Managed(nPartner)) return Propose_To_Computer(pOffer);
    char szManager[64], szQuestion[128];
    Get_Team_String(nPartner, TS_MANAGER, szManager);
    snprintf(szQuestion, sizeof szQuestion, "Does %s give permission for this trade?", szManager);
    if (Ask_No_Yes("Permission Needed", szQuestion) != ANSWER_YES) return TRADE_NOT_PERMITTED;
    if (!Implement_Trade(*pOffer)) return TRADE_ILLEGAL;
    return Trade_Completed(pOffer);
}

bool Get_Counter_Offer(TRADE_OFFER* pOffer) { return Make_Counter_Offer(pOffer, Legal_Offer); }

void Answer_Trade_Proposal(const TRADE_OFFER& offer) {
    char szTeam[TEXT_SIZE];
    Get_Team_Label(offer.anTeam[0], szTeam);
    std::string szText = std::string(szTeam) + "\n...would like to trade you:";
    for (const std::string& szLine : Trade_Proposal_Lines(offer, 0)) szText += "\n  " + szLine;
    szText += "\n...in return for:";
    for (const std::string& szLine : Trade_Proposal_Lines(offer, 1)) szText += "\n  " + szLine;
    if (Ask_No_Yes("Trade Offer", szText.c_str()) != ANSWER_YES) return;
    TRADE_OFFER page;
    Talk_About_Trade_Proposal(offer, &page);
    Submit_Trade_Offer(&page);
}
