// The partner's answer to an offer (Trade Offer Response) with his general
// manager's face, and the Trade Hint it leads to after a refusal. The core's
// Submit reaches them through its answer hook.
#pragma once
#include <string>

#include "commands/trade_page.h"

class QWidget;

// True when the person signs the accepted deal.
bool Run_Trade_Answer(const TradeAnswerView& view);
// The partner's needs, a numbered line each.
void Show_Trade_Hint(QWidget* pOwner, TNUM nPartner, const std::string& szNeeds);
