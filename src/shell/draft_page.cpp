// The Draft page: one round of a year's college draft in two columns of
// picks under the pink title, with the year and round buttons at the sides.
#include "commands/game_commands.h"
#include "reports/draft_page.h"
#include "platform/page_layout.h"
#include "shell/command_table.h"
#include "shell/main_window.h"
#include "shell/page_support.h"
#include "shell/page_view.h"
#include "shell/picture_store.h"
#include "shell/season_pages.h"
#include "shell/window_commands.h"

namespace {
const QColor TITLE_COLOUR(255, 153, 153);
const QColor PICK_COLOUR(40, 28, 20);         // dark on the page's paper
const QColor STAND_IN_BACKGROUND(236, 228, 210);  // paper, when the picture is missing
constexpr int FIRST_ROW_TOP = 80;  // under the rule beneath the title band
constexpr int ROW_STEP = 22;
constexpr int ROWS_PER_COLUMN = 16;
constexpr int COLUMN_LEFTS[2] = {12, 326};
constexpr int COLUMN_WIDTH = 300;

void Draw_Draft(const PageDevice& device) {
    if (Page_Background_Picture(Page_Background(PAGE_DRAFT)).isNull())
        Fill_Rectangle(device, 0, 0, LOGICAL_PAGE_WIDTH, LOGICAL_PAGE_HEIGHT, STAND_IN_BACKGROUND);
    DraftPage page;
    Fill_Draft_Page(&page);
    Draw_Page_Text(device, QString::fromUtf8(page.szTitle), 110, 0, 530, 59,
                   TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHADOW | TEXT_SHRINK, 6, TITLE_COLOUR);
    for (int nButton = 0; nButton < DRAFT_PAGE_BUTTONS; nButton++) {
        const DraftPageButton& place = DRAFT_PAGE_BUTTON_PLACES[nButton];
        Draw_Page_Button(device, {place.nLeft, place.nTop, place.nRight, place.nBottom},
                         Draft_Page_Button_Text(nButton), page.abButtonActive[nButton]);
    }
    // Two columns, down then across, so the order reads like a list; one
    // size for every line, the size in which the longest fits.
    int nRows = page.nLines > ROWS_PER_COLUMN ? (page.nLines + 1) / 2 : page.nLines;
    int nFlags = TEXT_VCENTER | TEXT_SINGLE_LINE;
    QStringList texts;
    for (int i = 0; i < page.nLines; i++) texts << QString::fromUtf8(page.aszLines[i]);
    QFont font = Column_Font(device, Page_Font(2), texts, 0, COLUMN_WIDTH, ROW_STEP, nFlags);
    for (int i = 0; i < page.nLines; i++) {
        int nLeft = COLUMN_LEFTS[i / nRows], nTop = FIRST_ROW_TOP + ROW_STEP * (i % nRows);
        Draw_Page_Text(device, texts[i], nLeft, nTop, nLeft + COLUMN_WIDTH, nTop + ROW_STEP, nFlags, font, PICK_COLOUR);
    }
}

int Draft_Pointer(int x, int y, int nKind) {
    if (Draft_Page_Button_At(x, y) < 0) return 0;
    if (nKind == POINTER_CLICK && Click_Draft_Page_Button(x, y)) {
        Click_Sound();
        Redraw_Page();
    }
    return 1;
}

// F8: before the first college draft only the notice.
void Command_Draft_Page(MainWindow& window) {
    if (Get_Game_State(GS_CURRENT_PAGE) == PAGE_DRAFT) return;
    if (Open_Draft_Page()) window.Show_Page(PAGE_DRAFT);
}

void Command_End_Draft(MainWindow& window) {
    if (!End_Draft_Command()) return;
    window.Refresh_Title();
    window.Refresh_Menus();
    window.Page_View()->Forget_Page();
}
}  // namespace

void Register_Draft_Page() {
    Register_Page(PAGE_DRAFT, Draw_Draft, Draft_Pointer);
    Register_Page_Opener(PAGE_DRAFT, Prepare_Draft_Page);
    Register_Command_Handler(PAGE_DRAFT, Command_Draft_Page);
    Register_Command_Handler(CMD_END_DRAFT, Command_End_Draft);
}
