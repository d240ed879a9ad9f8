// The trade page's commands: opening it on a partner, proposing the offer
// to a computer team, to another person's team or, in commissioner mode,
// forcing it through, and asking for a counter-offer. The partner's answer
// reaches the person through a hook, so that the window can show the general
// manager's face while the tool and the tests answer from a script.
#pragma once
#include <string>

#include "trades/trade_offer.h"

enum TradeOutcome {
    TRADE_COMPLETED,
    TRADE_ILLEGAL,       // the "Illegal Trade" box with the reason
    TRADE_IN_DEBT,       // the "Debt" box
    TRADE_NOT_PERMITTED,  // the partner's manager said No
    TRADE_REFUSED,       // the partner's general manager declined
    TRADE_NOT_SIGNED,    // accepted, but the person walked away
    TRADE_CHEATER,       // accepted, then worth less when it came to signing
};

// What the answer page shows: the partner's line (drawn once, so the page
// and any later look agree), his face, and for a refusal the needs list.
struct TradeAnswerView {
    TNUM nPartner;
    int nScore;
    bool bAccepted;
    std::string szLine;
    std::string szFace;
    std::string szHint;
};
// True when the person signs. The window installs one; without it an
// accepted offer is a Yes/No question and a refusal a notice.
typedef bool (*TradeAnswerHook)(const TradeAnswerView& view);
void Set_Trade_Answer_Hook(TradeAnswerHook pHook);

// The team the page trades for: the person's, or in commissioner mode the
// team being viewed, as for signings.
TNUM Trade_Page_Team();
// The offer the page opens with: side 0 the person's team, side 1 the last
// partner (or the first other team), nothing on the table. The "Salary Cap"
// box comes when the two cannot trade at all; false then.
bool Open_Trade_Offer(TNUM nUser, TRADE_OFFER* pOffer);
// Another partner: the offer starts again empty, with the same box.
bool Change_Trade_Partner(TRADE_OFFER* pOffer, TNUM nPartner);

// "&Submit Offer", or "&Force Trade" in commissioner mode. On a completed
// trade the offer is emptied and a running college draft picks on to the
// next person's team; any other outcome leaves the league as it was.
TradeOutcome Submit_Trade_Offer(TRADE_OFFER* pOffer);
const char* Submit_Button_Text();

// "&Get Counter Offer": the partner fills the person's side until it would
// accept. False (with its "Nope" box) leaves the offer as it was.
bool Get_Counter_Offer(TRADE_OFFER* pOffer);

// How far one accepted offer moves the person's trade reputation.
int Trade_Reputation_Step();

// A computer team's proposal without the window: put to the script, No (the
// page's default) declines it; Yes talks it over and proposes it back as it
// stands, through Submit_Trade_Offer. Installed by the core's start-up.
void Answer_Trade_Proposal(const TRADE_OFFER& offer);
