#include "commands/game_commands.h"

#include <cstdio>

#include "base/random.h"
#include "database/league_database.h"
#include "halloffame/fame_file.h"
#include "personnel/contracts.h"
#include "platform/platform.h"
#include "season/college_draft.h"
#include "season/playoffs.h"
#include "season/schedule.h"

namespace {
struct PageInfo {
    int nPage;
    const char* szBackground;
    const char* szTopic;
    const char* szHelpItem;
};

const PageInfo PAGES[] = {
    {PAGE_STANDINGS, "News\\Standing.jpg", "standings", "&Help on Standings Page"},
    {PAGE_FINANCES, "News\\Finance.jpg", "finances", "&Help on Financial Page"},
    {PAGE_LEADERS, "News\\Leaders.jpg", "leaders", "&Help on Leaders Page"},
    {PAGE_GAMES, "News\\Games.jpg", "games", "&Help on Games Page"},
    {PAGE_CALENDAR, "News\\Calendar.jpg", "calendar", "&Help on Calendar Page"},
    {PAGE_PLAYOFFS, "News\\Playoffs.jpg", "playoffs", "&Help on Playoffs Page"},
    {PAGE_DRAFT, "News\\Draft.jpg", "draft", "&Help on Draft Page"},
    {PAGE_HALL_OF_FAME, "News\\Vanhof.jpg", "object", "&Help on Vantor Hall Of Fame"},
    {PAGE_CHAMPIONSHIP, nullptr, "playing", nullptr},
};

const PageInfo* Find_Page(int nPage) {
    for (const PageInfo& page : PAGES)
        if (page.nPage == nPage) return &page;
    return nullptr;
}

struct RefusalText {
    const char* szTitle;
    const char* szText;
};

const RefusalText REFUSALS[] = {
    {"New Game", "Can't start a new game while simulating games.\n\nPlease try again once this week's games are completed."},
    {"Resume Game", "Can't load a file while simulating games.\n\nPlease try again once this week's games are completed."},
    {"Save Game", "You can't save while simulating games.\n\nPlease try again once this week's games are completed."},
    {"Retiring", "Can't retire while simulations are in progress.\n\nPlease try again once this week's games are completed."},
    {"Exit Game", "Can't exit while simulations are in progress.\n\nPlease try again once this week's games are completed."},
};
}  // namespace

const char* Page_Background(int nPage) {
    const PageInfo* pPage = Find_Page(nPage);
    return pPage ? pPage->szBackground : "HalvercornLogo.jpg";
}

const char* Page_Help_Topic(int nPage) {
    const PageInfo* pPage = Find_Page(nPage);
    return pPage ? pPage->szTopic : "playing";
}

const char* Page_Help_Item(int nPage) {
    const PageInfo* pPage = Find_Page(nPage);
    return pPage ? pPage->szHelpItem : nullptr;
}

const char* Refusal_Title(Refusal refusal) { return REFUSALS[refusal].szTitle; }
const char* Refusal_Text(Refusal refusal) { return REFUSALS[refusal].szText; }

bool Refuse_While_Simulating(Refusal refusal) {
    if (!Get_Game_State(GS_SIMULATING)) return false;
    // The texts carry no format directives; pass them as arguments all the same.
    Message_Box(Refusal_Title(refusal), "%s", Refusal_Text(refusal));
    Request_Stop();
    return true;
}

bool Check_Trading_Deadline() {
    if (Signing_Window_Open()) return true;
    Message_Box("Trading Deadline", "No trades are allowed after week %d of the season.", TRADE_DEADLINE_WEEK);
    return false;
}

bool Update_Check_Due(int64_t nNow, int32_t nLastCheckWord, int32_t nSwitchWord) {
    if (nSwitchWord == FS_NO_UPDATE_CHECK) return false;
    int64_t nElapsed = nNow - 64 * (int64_t)nLastCheckWord;
    return nElapsed > 432000 || nElapsed < 86400;
}

int32_t Update_Time_Word(int64_t nNow) { return (int32_t)(nNow / 64); }

std::string Title_Line(int nFantasyRound, int nFantasyPick) {
    char szTitle[128];
    if (Get_League_Rule(LR_FANTASY_DRAFT) != 0)
        snprintf(szTitle, sizeof szTitle, "Fantasy Draft: Round %d, Pick %d", nFantasyRound + 1, nFantasyPick + 1);
    else
        snprintf(szTitle, sizeof szTitle, "Brakvell: %d, Week %d%s", Current_Calendar_Year(), Current_Week() + 1,
                 Get_Game_State(GS_SIMULATING) == 1 ? "  (Playing...)" : "");
    return szTitle;
}

int Play_Menu_For(bool bSimulating, bool bDraftRunning, int nWeek, int nFirstPlayoffWeek,
                  PlayMenuEntry* pEntries) {
    int n = 0;
    if (bSimulating) {
        pEntries[n++] = {"&Stop", PLAY_STOP};
    } else if (bDraftRunning) {
        pEntries[n++] = {"&End Draft", PLAY_END_DRAFT};
    } else if (nWeek < nFirstPlayoffWeek) {
        pEntries[n++] = {"One &Week\tF12", 1};
        pEntries[n++] = {"One &Month", 4};
        pEntries[n++] = {"&Half Season", 8};
        pEntries[n++] = {"&Entire Season", 22};
    } else if (nWeek <= nFirstPlayoffWeek + 5) {
        pEntries[n++] = {"One &Week", 1};
        pEntries[n++] = {"&Through Playoffs", 22};
    } else {
        pEntries[n++] = {"&Start Next Season", 22};
    }
    return n;
}

int Play_Menu(PlayMenuEntry* pEntries) {
    // Once the champion is known every play command starts the next season; the menu says so.
    int nWeek = Season_Is_Over() ? First_Playoff_Week() + PLAYOFF_WEEKS : Current_Week();
    return Play_Menu_For(Get_Game_State(GS_SIMULATING) != 0, College_Draft_Running(), nWeek, First_Playoff_Week(),
                         pEntries);
}

WindowRect Apply_Aspect_Rule(WindowRect rect, DragEdge edge, int nMinWidth, int nMinHeight) {
    if (nMinWidth <= 0 || nMinHeight <= 0) return rect;
    bool bLeft = edge == DRAG_LEFT || edge == DRAG_TOP_LEFT || edge == DRAG_BOTTOM_LEFT;
    bool bTop = edge == DRAG_TOP || edge == DRAG_TOP_LEFT || edge == DRAG_TOP_RIGHT;
    if (bLeft)
        rect.nLeft = Min(rect.nRight - nMinWidth, rect.nLeft);
    else
        rect.nRight = Max(rect.nLeft + nMinWidth, rect.nRight);
    if (bTop)
        rect.nTop = Min(rect.nBottom - nMinHeight, rect.nTop);
    else
        rect.nBottom = Max(rect.nTop + nMinHeight, rect.nBottom);
    double dRatio = (double)nMinWidth / nMinHeight;
    switch (edge) {
    case DRAG_LEFT:
    case DRAG_RIGHT: rect.nBottom = rect.nTop + (int)((rect.nRight - rect.nLeft) / dRatio); break;
    case DRAG_TOP_LEFT:
    case DRAG_BOTTOM_LEFT: rect.nLeft = rect.nRight - (int)(dRatio * (rect.nBottom - rect.nTop)); break;
    default: rect.nRight = rect.nLeft + (int)(dRatio * (rect.nBottom - rect.nTop)); break;
    }
    return rect;
}

bool Saved_Rect_Usable(const WindowRect& rect) { return rect.nRight > 0 && rect.nBottom > 0; }

WindowRect Saved_Window_Rect() {
    FameFile fame;
    Read_Fame_File(&fame);
    return {fame.anSettings[FS_WINDOW_LEFT], fame.anSettings[FS_WINDOW_TOP], fame.anSettings[FS_WINDOW_RIGHT],
            fame.anSettings[FS_WINDOW_BOTTOM]};
}

bool Store_Window_Rect(const WindowRect& rect) {
    const int anWords[4] = {FS_WINDOW_LEFT, FS_WINDOW_TOP, FS_WINDOW_RIGHT, FS_WINDOW_BOTTOM};
    const int anValues[4] = {rect.nLeft, rect.nTop, rect.nRight, rect.nBottom};
    return Set_Fame_Settings(anWords, anValues, 4);
}

bool Confirm_Leaving_Rated_Game() {
    if (!Get_Game_State(GS_RATING_VALID)) return true;
    return Ask_Yes_No("Vantor Rating Warning",
                      "Leaving this game and resuming it later will invalidate your Vantor Rating. Leave anyway?") ==
           ANSWER_YES;
}

bool End_Draft_Command() {
    if (!College_Draft_Running() ||
        Ask_Yes_No("End College Draft?", "Ending the College Draft will cause the computer to decide all remaining "
                                         "draft picks. Are you sure?") != ANSWER_YES)
        return false;
    End_College_Draft();
    return true;
}
