#include "season/season_loop.h"

namespace {
SeasonLoopObserver g_Observer{};
}

void Set_Season_Loop_Observer(const SeasonLoopObserver& observer) { g_Observer = observer; }
void Play_Weeks(int) {}
void Play_The_Week() {}
void Stop_Season_Loop() {}
bool Start_Next_Season() { return false; }
void Process_Offseason() {}
void Set_Up_New_Season() {}
