#include "shell/trade_page_opener.h"

#include "shell/trade_window.h"

namespace {
TradePageOpener g_pOpen = nullptr;
}

void Open_Trade_Page(QWidget* pOwner, const TRADE_OFFER& offer) {
    if (g_pOpen)
        g_pOpen(pOwner, &offer);
    else
        Run_Trade_Page(pOwner, &offer);
}

void Set_Trade_Page_Opener(TradePageOpener pOpen) { g_pOpen = pOpen; }
