// The "Trade Offer" page: a computer team's proposal to a person's team after
// a run of weeks, with its general manager's picture, what it would give and
// what it asks. "Let's Talk" takes the offer, turned round, to the trade page;
// "No Thanks" leaves the league as it was.
#pragma once
#include <QDialog>

#include "trades/trade_offer.h"

class TradeProposalPage : public QDialog {
    Q_OBJECT
  public:
    TradeProposalPage(QWidget* pOwner, const TRADE_OFFER& offer);
};

// The proposals' hook: the page over the main window, then the trade page
// when the person wants to talk.
void Show_Trade_Proposal(const TRADE_OFFER& offer);
