// The Trades window: both rosters, the offer between them, the cash fields
// and the buttons that propose it. The trading block and the computer's
// proposals open it on an offer of their own.
#pragma once
#include "trades/trade_offer.h"

class QWidget;

// Opens the window on pStart (side 0 the person's team), or, with null, on
// the last partner; returns when it closes.
void Run_Trade_Page(QWidget* pOwner, const TRADE_OFFER* pStart);
// The Trades entry of the Players menu.
void Register_Trade_Window();
