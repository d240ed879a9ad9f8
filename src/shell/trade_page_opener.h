// The one way the trading block and the computer's proposals reach the trade
// page: normally the Trades window itself, replaceable so that a window test
// can see the offer handed over without driving that window.
#pragma once
#include "trades/trade_offer.h"

class QWidget;

typedef void (*TradePageOpener)(QWidget* pOwner, const TRADE_OFFER* pStart);
void Open_Trade_Page(QWidget* pOwner, const TRADE_OFFER& offer);
// Null puts the Trades window back.
void Set_Trade_Page_Opener(TradePageOpener pOpen);
