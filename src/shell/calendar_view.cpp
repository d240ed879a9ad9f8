// The Calendar page: helmet, title, the Other Team button, four chosen
// columns and the 22 weeks of the team in setting 28.
#include "commands/game_commands.h"
#include "reports/calendar_page.h"
#include "shell/dialogs.h"
#include "shell/heading_dialogs.h"
#include "shell/page_support.h"
#include "shell/page_view.h"
#include "shell/statistics_pages.h"

namespace {
constexpr HotRect OTHER_TEAM = {473, 6, 619, 26};
constexpr int COLUMN_X = 370, COLUMN_WIDTH = 65, HEADING_TOP = 54, HEADING_BOTTOM = 87;
constexpr int FIRST_ROW = 88, ROW_HEIGHT = 15;
const QColor TITLE_COLOUR(255, 255, 255);
const QColor TEXT_COLOUR(20, 20, 40);
const QColor ROW_COLOURS[2] = {QColor(245, 245, 222), QColor(228, 228, 204)};
const QColor OUTCOME_COLOURS[3] = {QColor(150, 0, 0), QColor(20, 20, 40), QColor(0, 110, 0)};

HotRect Heading_Rect(int nColumn) {
    int x = COLUMN_X + COLUMN_WIDTH * nColumn;
    return {x, HEADING_TOP, x + COLUMN_WIDTH, HEADING_BOTTOM};
}

void Draw_Row(const PageDevice& device, TNUM nTeam, int nWeek) {
    CalendarRow row;
    Get_Calendar_Row(nTeam, nWeek, &row);
    int y = FIRST_ROW + nWeek * ROW_HEIGHT, y2 = y + ROW_HEIGHT;
    int nFlags = TEXT_VCENTER | TEXT_SINGLE_LINE;
    Fill_Rectangle(device, 15, y, COLUMN_X + COLUMN_WIDTH * CALENDAR_COLUMNS, y2, ROW_COLOURS[nWeek % 2]);
    Draw_Page_Text(device, row.szWeek, 20, y, 85, y2, nFlags, 1, TEXT_COLOUR);
    Draw_Page_Text(device, row.szOpponent, 88, y, 270, y2, nFlags, 1, TEXT_COLOUR);
    if (row.nOutcome != OUTCOME_NONE)
        Draw_Page_Text(device, row.szScore, 275, y, 365, y2, nFlags | TEXT_CENTER, 1,
                       OUTCOME_COLOURS[row.nOutcome]);
    for (int nColumn = 0; nColumn < CALENDAR_COLUMNS; nColumn++) {
        HotRect column = Heading_Rect(nColumn);
        Draw_Page_Text(device, row.aszValue[nColumn], column.nLeft, y, column.nRight, y2,
                       nFlags | TEXT_CENTER, 1, TEXT_COLOUR);
    }
}

void Draw_Calendar(const PageDevice& device) {
    TNUM nTeam = Calendar_Team();
    Draw_Helmet(device, nTeam, false, 5, 3, 90, 80);
    char szTitle[TEXT_SIZE];
    Get_Calendar_Title(nTeam, szTitle);
    Draw_Page_Text(device, szTitle, 110, 2, 440, 33, TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHADOW | TEXT_SHRINK, 5,
                   TITLE_COLOUR);
    Draw_Page_Button(device, OTHER_TEAM, "Other Team", true);
    for (int nColumn = 0; nColumn < CALENDAR_COLUMNS; nColumn++) {
        HotRect heading = Heading_Rect(nColumn);
        Draw_Page_Text(device, Calendar_Stat_Name(Calendar_Column_Stat(nColumn)), heading.nLeft, heading.nTop,
                       heading.nRight, heading.nBottom, TEXT_CENTER | TEXT_VCENTER | TEXT_SHADOW | TEXT_SHRINK, 1,
                       SHADOW_TEXT_COLOUR);
    }
    for (int nWeek = 0; nWeek < CALENDAR_WEEKS; nWeek++)
        Draw_Row(device, nTeam, nWeek);
}

int Calendar_Pointer(int x, int y, int nKind) {
    bool bClick = nKind == POINTER_CLICK;
    if (OTHER_TEAM.Contains(x, y)) {
        if (bClick) {
            Click_Sound();
            Do_Dialog(nullptr, DIALOG_OTHER_TEAM);
        }
        return 1;
    }
    for (int nColumn = 0; nColumn < CALENDAR_COLUMNS; nColumn++) {
        if (!Heading_Rect(nColumn).Contains(x, y)) continue;
        if (bClick) {
            Click_Sound();
            Set_Schedule_Stat_Column(nColumn);
            Do_Dialog(nullptr, DIALOG_SCHEDULE_STAT);
        }
        return 1;
    }
    return 0;
}
} // namespace

void Register_Calendar_Page() {
    Register_Page(PAGE_CALENDAR, Draw_Calendar, Calendar_Pointer);
    Register_Dialog(DIALOG_SCHEDULE_STAT, Run_Schedule_Stat);
    Register_Dialog(DIALOG_OTHER_TEAM, Run_Other_Team);
}
