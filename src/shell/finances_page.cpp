// The Finances page and its heading editor.
#include "commands/game_commands.h"
#include "reports/finance_page.h"
#include "reports/heading_choice.h"
#include "shell/dialogs.h"
#include "shell/drawing.h"
#include "shell/page_colours.h"
#include "shell/page_view.h"
#include "shell/season_pages.h"

namespace {
constexpr int VALUE_LEFT = 162, VALUE_WIDTH = 58;

QColor Value_Colour(int nColour) {
    return nColour == FINANCE_NEGATIVE ? QColor(170, 0, 0)
           : nColour == FINANCE_HUMAN  ? QColor(0, 110, 40)
                                       : Qt::black;
}

void Draw_Finances(const PageDevice& device) {
    FinancePage page;
    Fill_Finance_Page(&page);
    QColor colour = Conference_Colour(page.nConference);
    int nText = TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHRINK;
    for (int i = 0; i < FINANCE_CHOSEN_COLUMNS; i++) {
        int nLeft = FINANCE_HEADING_LEFT + FINANCE_HEADING_STEP * i;
        Draw_Page_Text(device, page.aszHeadings[i], nLeft, FINANCE_HEADING_TOP, nLeft + FINANCE_HEADING_STEP,
                       FINANCE_HEADING_BOTTOM, nText | TEXT_CENTER, 1, colour);
    }
    Draw_Page_Text(device, page.szLabel, 527, 360, 605, 387, nText | TEXT_CENTER, 5, colour);
    // A sum too wide for its cell shrinks its whole column, not itself alone.
    int nValue = TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_CENTER;
    QFont aColumnFonts[FINANCE_CHOSEN_COLUMNS];
    for (int i = 0; i < FINANCE_CHOSEN_COLUMNS; i++) {
        QStringList texts;
        for (int nRow = 0; nRow < page.nRows; nRow++) texts << QString::fromUtf8(page.aRows[nRow].aszValues[i]);
        int nLeft = VALUE_LEFT + FINANCE_HEADING_STEP * i;
        aColumnFonts[i] = Column_Font(device, Page_Font(2), texts, nLeft, nLeft + VALUE_WIDTH, FINANCE_ROW_STEP, nValue);
    }
    for (int nRow = 0; nRow < page.nRows; nRow++) {
        const FinanceRow& row = page.aRows[nRow];
        int y = FINANCE_FIRST_ROW + FINANCE_ROW_STEP * nRow;
        Draw_Page_Text(device, row.szName, 29, y, 160, y + FINANCE_ROW_STEP, nText, 2,
                       Value_Colour(row.bHuman ? FINANCE_HUMAN : FINANCE_PLAIN));
        for (int i = 0; i < FINANCE_CHOSEN_COLUMNS; i++) {
            int nLeft = VALUE_LEFT + FINANCE_HEADING_STEP * i;
            Draw_Page_Text(device, row.aszValues[i], nLeft, y, nLeft + VALUE_WIDTH, y + FINANCE_ROW_STEP, nValue,
                           aColumnFonts[i], Value_Colour(row.anColour[i]));
        }
    }
}

int Finances_Pointer(int x, int y, int nKind) {
    return Heading_Page_Pointer(Finance_Heading_At(x, y), Finance_Label_At(x, y), nKind,
                                DIALOG_FINANCIAL_STAT);
}

int Run_Financial_Stat(QWidget* pOwner) {
    return Run_Heading_Dialog(pOwner, HEADINGS_FINANCES, Clicked_Heading(), "Financial Stat");
}
} // namespace

void Register_Finances_Page() {
    Register_Page(PAGE_FINANCES, Draw_Finances, Finances_Pointer);
    Register_Dialog(DIALOG_FINANCIAL_STAT, Run_Financial_Stat);
}
