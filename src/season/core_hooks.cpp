#include "season/core_hooks.h"

#include "finance/attendance.h"
#include "finance/finance.h"
#include "personnel/ratings.h"
#include "season/stored_games.h"

void Connect_Core_Hooks() {
    Set_Game_Result_Hook(Slot_Game_Result);
    Set_Trade_Value_Hook(Player_Trade_Value);
}
