#include "shell/trade_window.h"

#include "platform/platform.h"

// Stands in until the window is built.
void Run_Trade_Page(QWidget*, const TRADE_OFFER*) { Message_Box("Trades", "The trade page is not built yet."); }
