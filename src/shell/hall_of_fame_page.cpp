// The Vantor Hall Of Fame page: the level being viewed as its pressed button,
// ten managers and the current one, white text for ratings earned without
// help, gray for the others, orange for the built-in legends.
#include "commands/game_commands.h"
#include "database/text_format.h"
#include "platform/page_layout.h"
#include "reports/hall_of_fame_page.h"
#include "shell/drawing.h"
#include "shell/page_support.h"
#include "shell/page_view.h"
#include "shell/picture_store.h"
#include "shell/season_pages.h"

namespace {
const QColor BUILT_IN_COLOUR(255, 180, 40);
const QColor GRAY_COLOUR(127, 127, 127);
const QColor STAND_IN_BACKGROUND(24, 28, 52); // white and gray text stay readable without the picture

QColor Row_Colour(int nFlag) {
    if (nFlag == FAME_BUILT_IN) return BUILT_IN_COLOUR;
    return nFlag == FAME_WHITE ? QColor(Qt::white) : GRAY_COLOUR;
}

void Draw_Row(const PageDevice& device, const HallOfFameRow& row, int nTop) {
    if (!row.bShown) return;
    int nFlags = TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHADOW | TEXT_SHRINK;
    for (int i = 0; i < HOF_COLUMNS; i++) {
        const HallOfFameColumn& column = HOF_COLUMN_PLACES[i];
        Draw_Page_Text(device, QString::fromUtf8(row.aszColumns[i]), column.nLeft, nTop,
                       column.nLeft + column.nWidth, nTop + HOF_ROW_HEIGHT,
                       i == HOF_NAME ? nFlags : nFlags | TEXT_CENTER, 2, Row_Colour(row.nFlag));
    }
}

// The pressed button of the level viewed over the background's four; plain
// buttons with the levels' names when a picture is missing.
void Draw_Level_Buttons(const PageDevice& device, int nViewed, bool bBackground) {
    for (int nLevel = 0; nLevel < FAME_LEVELS; nLevel++) {
        char szPicture[TEXT_SIZE];
        Format_Text(szPicture, "News\\Diffbtn%d.jpg", nLevel);
        int nLeft = HOF_BUTTON_LEFT + HOF_BUTTON_STEP * nLevel;
        bool bViewed = nLevel == nViewed;
        if (bViewed && !Store_Picture(0, szPicture).isNull()) {
            Draw_Store_Picture(*device.pPainter, device.nWidth, device.nHeight, szPicture, nLeft,
                               HOF_BUTTON_TOP, HOF_BUTTON_WIDTH, HOF_BUTTON_HEIGHT);
            continue;
        }
        if (bBackground && !bViewed) continue;
        char szName[TEXT_SIZE];
        Get_Difficulty_Name(nLevel, szName);
        Draw_Page_Button(
            device, {nLeft, HOF_BUTTON_TOP, nLeft + HOF_BUTTON_WIDTH, HOF_BUTTON_TOP + HOF_BUTTON_HEIGHT},
            QString::fromUtf8(szName), bViewed);
    }
}

void Draw_Hall_Of_Fame(const PageDevice& device) {
    bool bBackground = !Page_Background_Picture(Page_Background(PAGE_HALL_OF_FAME)).isNull();
    if (!bBackground)
        Fill_Rectangle(device, 0, 0, LOGICAL_PAGE_WIDTH, LOGICAL_PAGE_HEIGHT, STAND_IN_BACKGROUND);
    HallOfFamePage page;
    Fill_Hall_Of_Fame_Page(&page);
    Draw_Level_Buttons(device, page.nLevel, bBackground);
    for (int i = 0; i < FAME_ENTRIES; i++)
        Draw_Row(device, page.aRows[i], HOF_FIRST_ROW_TOP + HOF_ROW_STEP * i);
    Draw_Row(device, page.own, HOF_OWN_ROW_TOP);
}

int Hall_Of_Fame_Pointer(int x, int y, int nKind) {
    if (Hall_Of_Fame_Button_At(x, y) < 0) return 0;
    if (nKind == POINTER_CLICK && Click_Hall_Of_Fame_Button(x, y)) {
        Click_Sound();
        Redraw_Page();
    }
    return 1;
}
} // namespace

void Register_Hall_Of_Fame_Page() {
    Register_Page(PAGE_HALL_OF_FAME, Draw_Hall_Of_Fame, Hall_Of_Fame_Pointer);
}
