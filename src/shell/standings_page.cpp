// The Standings page and its heading editor.
#include <QColor>

#include "commands/game_commands.h"
#include "reports/heading_choice.h"
#include "reports/standings_page.h"
#include "shell/dialogs.h"
#include "shell/drawing.h"
#include "shell/page_colours.h"
#include "shell/page_view.h"
#include "shell/season_pages.h"

namespace {
// Where the fixed columns sit across the division band.
const int FIXED_LEFT[STANDINGS_FIXED_COLUMNS + 1] = {150, 184, 218, 252, 302};
const char* const FIXED_HEADINGS[STANDINGS_FIXED_COLUMNS] = {"W", "L", "T", "Pct."};
constexpr int ROW_RIGHT = STANDINGS_HEADING_LEFT + STANDINGS_HEADING_STEP * STANDINGS_CHOSEN_COLUMNS;

void Draw_Division(const PageDevice& device, const StandingsDivision& division, QColor colour,
                   const QFont* aColumnFonts) {
    int y = division.nTop;
    Fill_Rectangle(device, 0, y, STANDINGS_BAND_RIGHT, y + STANDINGS_BAND_HEIGHT, colour);
    int nText = TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHRINK;
    Draw_Page_Text(device, division.szName, 6, y, FIXED_LEFT[0], y + STANDINGS_BAND_HEIGHT, nText, 2,
                   Qt::white);
    for (int i = 0; i < STANDINGS_FIXED_COLUMNS; i++)
        Draw_Page_Text(device, FIXED_HEADINGS[i], FIXED_LEFT[i], y, FIXED_LEFT[i + 1],
                       y + STANDINGS_BAND_HEIGHT, nText | TEXT_CENTER, 1, Qt::white);
    y += STANDINGS_BAND_HEIGHT;
    for (int nRow = 0; nRow < division.nRows; nRow++, y += STANDINGS_ROW_HEIGHT) {
        const StandingsRow& row = division.aRows[nRow];
        Fill_Rectangle(device, 0, y, ROW_RIGHT, y + STANDINGS_ROW_HEIGHT - 1,
                       row.bHuman ? HUMAN_ROW_COLOUR : COMPUTER_ROW_COLOUR);
        int nBottom = y + STANDINGS_ROW_HEIGHT;
        Draw_Page_Text(device, row.szName, 6, y, FIXED_LEFT[0], nBottom, nText, 2, Qt::black);
        for (int i = 0; i < STANDINGS_FIXED_COLUMNS; i++)
            Draw_Page_Text(device, row.aszFixed[i], FIXED_LEFT[i], y, FIXED_LEFT[i + 1], nBottom,
                           nText | TEXT_CENTER, 2, Qt::black);
        for (int i = 0; i < STANDINGS_CHOSEN_COLUMNS; i++) {
            int nLeft = STANDINGS_HEADING_LEFT + STANDINGS_HEADING_STEP * i;
            Draw_Page_Text(device, row.aszChosen[i], nLeft, y, nLeft + STANDINGS_HEADING_STEP, nBottom,
                           TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_CENTER, aColumnFonts[i], Qt::black);
        }
    }
}

void Draw_Standings(const PageDevice& device) {
    StandingsPage page;
    Fill_Standings_Page(&page);
    QColor colour = Conference_Colour(page.nConference);
    Fill_Rectangle(device, 30, 10, 606, 13, colour);
    Fill_Rectangle(device, 30, 58, 606, 61, colour);
    Draw_Page_Text(device, page.szTitle, 38, 11, 411, 60, TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHRINK, 6, colour);
    Draw_Page_Text(device, page.szSwitch, 411, 40, 602, 60,
                   TEXT_RIGHT | TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHRINK, 2,
                   Conference_Colour(1 - page.nConference));
    for (int i = 0; i < STANDINGS_CHOSEN_COLUMNS; i++) {
        int nLeft = STANDINGS_HEADING_LEFT + STANDINGS_HEADING_STEP * i;
        Draw_Page_Text(device, page.aszHeadings[i], nLeft, STANDINGS_HEADING_TOP,
                       nLeft + STANDINGS_HEADING_STEP, STANDINGS_HEADING_BOTTOM,
                       TEXT_CENTER | TEXT_VCENTER | TEXT_WORD_BREAK | TEXT_SHRINK, 2, colour);
    }
    // A figure too wide for its cell shrinks its whole column, not itself alone.
    QFont aColumnFonts[STANDINGS_CHOSEN_COLUMNS];
    for (int i = 0; i < STANDINGS_CHOSEN_COLUMNS; i++) {
        QStringList texts;
        for (int nDivision = 0; nDivision < page.nDivisions; nDivision++)
            for (int nRow = 0; nRow < page.aDivisions[nDivision].nRows; nRow++)
                texts << QString::fromUtf8(page.aDivisions[nDivision].aRows[nRow].aszChosen[i]);
        int nLeft = STANDINGS_HEADING_LEFT + STANDINGS_HEADING_STEP * i;
        aColumnFonts[i] = Column_Font(device, Page_Font(2), texts, nLeft, nLeft + STANDINGS_HEADING_STEP,
                                      STANDINGS_ROW_HEIGHT, TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_CENTER);
    }
    for (int i = 0; i < page.nDivisions; i++)
        Draw_Division(device, page.aDivisions[i], colour, aColumnFonts);
}

int Standings_Pointer(int x, int y, int nKind) {
    return Heading_Page_Pointer(Standings_Heading_At(x, y), Standings_Switch_At(x, y), nKind,
                                DIALOG_STANDINGS_HEADING);
}

int Run_Standings_Heading(QWidget* pOwner) {
    return Run_Heading_Dialog(pOwner, HEADINGS_STANDINGS, Clicked_Heading(), "Standings Heading");
}
} // namespace

void Register_Standings_Page() {
    Register_Page(PAGE_STANDINGS, Draw_Standings, Standings_Pointer);
    Register_Dialog(DIALOG_STANDINGS_HEADING, Run_Standings_Heading);
}
