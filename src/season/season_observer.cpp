#include "season/season_loop.h"
#include "season/season_loop_internal.h"

namespace {
SeasonLoopObserver g_Observer{};
void (*g_pWrite_Reports)() = nullptr;
}

void Set_Season_Loop_Observer(const SeasonLoopObserver& observer) { g_Observer = observer; }
void Set_Season_Report_Hook(void (*pWrite_Reports)()) { g_pWrite_Reports = pWrite_Reports; }
void Notify_Season_Reports() {
    if (g_pWrite_Reports) g_pWrite_Reports();
}

void Notify_Title() {
    if (g_Observer.pRedraw_Title) g_Observer.pRedraw_Title();
}
void Notify_Page() {
    if (g_Observer.pRedraw_Page) g_Observer.pRedraw_Page();
}
void Notify_Show_Page(int nPage) {
    if (g_Observer.pShow_Page) g_Observer.pShow_Page(nPage);
}
void Notify_Play_Menu() {
    if (g_Observer.pPlay_Menu_Changed) g_Observer.pPlay_Menu_Changed();
}
bool Notify_Injury_Report(TNUM nTeam, PNUM nPlayer) {
    if (!g_Observer.pInjury_Report) return false;
    g_Observer.pInjury_Report(nTeam, nPlayer);
    return true;
}
