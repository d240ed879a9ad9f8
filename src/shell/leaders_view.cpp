// The Leaders page: title, period and four boxes of ten leaders.
#include <QPainter>

#include "commands/game_commands.h"
#include "database/team.h"
#include "database/text_format.h"
#include "reports/leaders.h"
#include "shell/dialogs.h"
#include "shell/heading_dialogs.h"
#include "shell/page_support.h"
#include "shell/page_view.h"
#include "shell/statistics_pages.h"

namespace {
const int BOX_X[LEADER_BOXES] = {59, 333, 59, 333};
const int BOX_Y[LEADER_BOXES] = {63, 63, 250, 250};
constexpr int BOX_WIDTH = 230, HEADING_HEIGHT = 20, ROW_HEIGHT = 15;
const QColor TITLE_COLOUR(255, 255, 255);
const QColor LINE_COLOUR(20, 20, 40);

HotRect Heading_Rect(int nBox) {
    return {BOX_X[nBox], BOX_Y[nBox], BOX_X[nBox] + BOX_WIDTH, BOX_Y[nBox] + HEADING_HEIGHT};
}

void Draw_Box(const PageDevice& device, int nBox) {
    int nCategory = Leader_Box_Category(nBox);
    HotRect heading = Heading_Rect(nBox);
    Draw_Page_Text(device, Leader_Category_Name(nCategory), heading.nLeft, heading.nTop, heading.nRight,
                   heading.nBottom, TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHADOW | TEXT_SHRINK, 2,
                   SHADOW_TEXT_COLOUR);
    Leader aLeaders[LEADERS_PER_BOX];
    int nCount = Compute_Leaders(nCategory, Leaders_Conference(), Leaders_Period(), aLeaders);
    int x = BOX_X[nBox];
    for (int i = 0; i < nCount; i++) {
        int y = heading.nBottom + 2 + i * ROW_HEIGHT, y2 = y + ROW_HEIGHT;
        char szText[TEXT_SIZE];
        int nFlags = TEXT_VCENTER | TEXT_SINGLE_LINE;
        Format_Text(szText, "%d.", aLeaders[i].nRank);
        Draw_Page_Text(device, szText, x, y, x + 20, y2, nFlags | TEXT_RIGHT, 1, LINE_COLOUR);
        Format_Leader_Name(aLeaders[i].nTeam, aLeaders[i].nPlayer, szText);
        Draw_Page_Text(device, szText, x + 24, y, x + 150, y2, nFlags, 1, LINE_COLOUR);
        Get_Team_Abbreviation(aLeaders[i].nTeam, szText);
        Draw_Page_Text(device, szText, x + 150, y, x + 185, y2, nFlags, 1, LINE_COLOUR);
        Format_Leader_Value(nCategory, aLeaders[i].nValue, szText);
        Draw_Page_Text(device, szText, x + 175, y, x + BOX_WIDTH, y2, nFlags | TEXT_RIGHT, 1, LINE_COLOUR);
    }
}

void Draw_Leaders(const PageDevice& device) {
    char szText[TEXT_SIZE];
    Get_Leaders_Title(szText);
    Draw_Page_Text(device, szText, 38, 11, 411, 44, TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHRINK, 6, TITLE_COLOUR);
    Get_Leaders_Period_Text(szText);
    Draw_Page_Text(device, szText, 434, 11, 595, 44, TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHRINK, 6,
                   TITLE_COLOUR);
    for (int nBox = 0; nBox < LEADER_BOXES; nBox++)
        Draw_Box(device, nBox);
}

int Leaders_Pointer(int x, int y, int nKind) {
    for (int nBox = 0; nBox < LEADER_BOXES; nBox++) {
        if (!Heading_Rect(nBox).Contains(x, y)) continue;
        if (nKind == POINTER_CLICK) {
            Click_Sound();
            Set_Leader_Heading_Box(nBox);
            Do_Dialog(nullptr, DIALOG_LEADER_HEADING);
        }
        return 1;
    }
    return 0;
}
} // namespace

void Register_Leaders_Page() {
    Register_Page(PAGE_LEADERS, Draw_Leaders, Leaders_Pointer);
    Register_Dialog(DIALOG_LEADER_HEADING, Run_Leader_Heading);
}
