// The Games page: the score, both helmets, the navigation, the team
// statistics, the star lines and the scrolling play-by-play.
#include <QPainter>
#include <QPolygon>
#include <vector>

#include "base/random.h"
#include "commands/game_commands.h"
#include "database/text_format.h"
#include "platform/page_frames.h"
#include "reports/games_page.h"
#include "reports/play_by_play.h"
#include "shell/command_table.h"
#include "shell/main_window.h"
#include "shell/page_support.h"
#include "shell/page_view.h"
#include "shell/statistics_pages.h"

namespace {
// Everything stays inside the panels of the background picture.
constexpr HotRect MOVES[NUMBER_OF_MOVES] = {
    {86, 86, 156, 102}, {246, 86, 316, 102}, {16, 86, 76, 102}, {326, 86, 386, 102}};
constexpr int SCORE_LEFT = 330, SCORE_RIGHT = GAMES_SCORE_PANEL.nRight - 8;
constexpr HotRect PLAY_BOX = {16, 264, 604, 429};
constexpr HotRect SCROLL_UP = {607, 264, 621, 278};
constexpr HotRect SCROLL_DOWN = {607, 415, 621, 429};
constexpr int PLAY_ROW = 11;
constexpr int WHEEL_LINES = 3;
constexpr int VISIBLE_PLAYS = (PLAY_BOX.nBottom - PLAY_BOX.nTop) / PLAY_ROW;
constexpr int STAR_LINES = 5, STAT_ROW = 10;
constexpr int STATS_TOP = GAMES_STATISTICS_PANEL.nTop + 2;
const QColor TEXT_COLOUR(20, 20, 40);
const QColor HEADING_COLOUR(120, 20, 20);
const QColor BOX_COLOUR(245, 245, 230);
const QColor ARROW_COLOUR(40, 56, 110);

void Draw_Scores(const PageDevice& device, const GameRecord* pGame) {
    char szText[TEXT_SIZE];
    Get_Game_Heading(pGame, szText);
    int nFlags = TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHADOW | TEXT_SHRINK;
    Draw_Page_Text(device, szText, 16, 14, SCORE_RIGHT, 32, nFlags, 2, SHADOW_TEXT_COLOUR);
    for (int nSide = 0; nSide < SIDES; nSide++) {
        int y = 33 + nSide * 25;
        Get_Team_Label(pGame->anTeam[nSide], szText);
        Draw_Page_Text(device, szText, 16, y, SCORE_LEFT - 4, y + 25, nFlags, 4, SHADOW_TEXT_COLOUR);
        Format_Text(szText, "%d", pGame->anScore[nSide]);
        Draw_Page_Text(device, szText, SCORE_LEFT, y, SCORE_RIGHT, y + 25, nFlags | TEXT_RIGHT, 4,
                       SHADOW_TEXT_COLOUR);
    }
    for (int nMove = 0; nMove < NUMBER_OF_MOVES; nMove++)
        Draw_Page_Button(device, MOVES[nMove], Game_Move_Text(nMove), Game_Move_Target(nMove) != NO_GAME);
}

void Draw_Team_Stats(const PageDevice& device, const GameRecord* pGame) {
    int nFlags = TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHRINK;
    Fill_Rectangle(device, 14, STATS_TOP, 312, GAMES_STATISTICS_PANEL.nBottom - 2, BOX_COLOUR);
    char szText[TEXT_SIZE];
    for (int nSide = 0; nSide < SIDES; nSide++) {
        Get_Team_Abbreviation(pGame->anTeam[nSide], szText);
        Draw_Page_Text(device, szText, 150 + 80 * nSide, STATS_TOP, 230 + 80 * nSide, STATS_TOP + STAT_ROW,
                       nFlags | TEXT_CENTER, 0, HEADING_COLOUR);
    }
    GameStatLine aLines[GAME_STAT_LINES];
    Get_Game_Stat_Lines(pGame, aLines);
    for (int nLine = 0; nLine < GAME_STAT_LINES; nLine++) {
        int y = STATS_TOP + STAT_ROW * (nLine + 1), y2 = y + STAT_ROW;
        Draw_Page_Text(device, aLines[nLine].szLabel, 20, y, 150, y2, nFlags, 0, TEXT_COLOUR);
        for (int nSide = 0; nSide < SIDES; nSide++)
            Draw_Page_Text(device, aLines[nLine].aszValue[nSide], 150 + 80 * nSide, y, 230 + 80 * nSide, y2,
                           nFlags | TEXT_CENTER, 0, TEXT_COLOUR);
    }
}

void Draw_Stars(const PageDevice& device, const GameRecord* pGame) {
    int nFlags = TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHRINK;
    Fill_Rectangle(device, 318, STATS_TOP, 622, GAMES_STATISTICS_PANEL.nBottom - 2, BOX_COLOUR);
    int y = STATS_TOP;
    for (int nSide = 0; nSide < SIDES; nSide++) {
        char szText[TEXT_SIZE];
        Get_Team_Nickname(pGame->anTeam[nSide], szText);
        Draw_Page_Text(device, szText, 322, y, 617, y + STAT_ROW, nFlags, 0, HEADING_COLOUR);
        y += STAT_ROW;
        StarLine aLines[STAR_LINES];
        int nCount = Get_Star_Lines(pGame, nSide, aLines, STAR_LINES);
        for (int i = 0; i < nCount; i++, y += STAT_ROW) {
            Draw_Page_Text(device, aLines[i].szName, 330, y, 430, y + STAT_ROW, nFlags, 0, TEXT_COLOUR);
            Draw_Page_Text(device, aLines[i].szStats, 430, y, 617, y + STAT_ROW, nFlags, 0, TEXT_COLOUR);
        }
        y = STATS_TOP + (STAR_LINES + 1) * STAT_ROW + 4;
    }
}

void Draw_Arrow(const PageDevice& device, const HotRect& rect, bool bUp) {
    Fill_Rectangle(device, rect.nLeft, rect.nTop, rect.nRight, rect.nBottom, ARROW_COLOUR);
    QRect box = Scale_Rect(device.nWidth, device.nHeight, rect.nLeft + 3, rect.nTop + 3, rect.nRight - 3,
                           rect.nBottom - 3);
    QPolygon triangle;
    if (bUp)
        triangle << QPoint(box.center().x(), box.top()) << box.bottomLeft() << box.bottomRight();
    else
        triangle << box.topLeft() << box.topRight() << QPoint(box.center().x(), box.bottom());
    device.pPainter->save();
    device.pPainter->setPen(Qt::NoPen);
    device.pPainter->setBrush(QColor(255, 255, 255));
    device.pPainter->drawPolygon(triangle);
    device.pPainter->restore();
}

void Draw_Play_Line(const PageDevice& device, const PlayByPlayLine& line, int y) {
    int y2 = y + PLAY_ROW, nFlags = TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHRINK;
    int x = PLAY_BOX.nLeft + 4, nRight = PLAY_BOX.nRight - 4;
    switch (line.nKind) {
    case PBP_PLAY:
        Draw_Page_Text(device, line.szTime.c_str(), x, y, x + 30, y2, nFlags | TEXT_RIGHT, 0, TEXT_COLOUR);
        Draw_Page_Text(device, line.szTeam.c_str(), x + 36, y, x + 66, y2, nFlags, 0, TEXT_COLOUR);
        Draw_Page_Text(device, line.szDown.c_str(), x + 66, y, x + 96, y2, nFlags, 0, TEXT_COLOUR);
        Draw_Page_Text(device, line.szSpot.c_str(), x + 96, y, x + 150, y2, nFlags, 0, TEXT_COLOUR);
        Draw_Page_Text(device, line.szText.c_str(), x + 154, y, nRight, y2, nFlags, 0, TEXT_COLOUR);
        break;
    case PBP_HEADING:
    case PBP_SCORE:
        Draw_Page_Text(device, line.szText.c_str(), x, y, nRight, y2, nFlags | TEXT_CENTER, 0,
                       HEADING_COLOUR);
        break;
    default:
        Draw_Page_Text(device, line.szText.c_str(), x, y, nRight, y2, nFlags, 0, TEXT_COLOUR);
        break;
    }
}

void Draw_Play_By_Play(const PageDevice& device, int nGame) {
    Fill_Rectangle(device, PLAY_BOX.nLeft, PLAY_BOX.nTop, PLAY_BOX.nRight, PLAY_BOX.nBottom, BOX_COLOUR);
    Draw_Page_Text(device, "Play By Play", PLAY_BOX.nLeft, GAMES_PLAY_BY_PLAY_PANEL.nTop + 1, PLAY_BOX.nRight,
                   PLAY_BOX.nTop - 1, TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHADOW | TEXT_SHRINK, 1, SHADOW_TEXT_COLOUR);
    std::vector<PlayByPlayLine> lines;
    Read_Play_By_Play(nGame, &lines);
    int nFirst = Min(Games_Scroll(), Max(0, (int)lines.size() - VISIBLE_PLAYS));
    for (int i = 0; i < VISIBLE_PLAYS && nFirst + i < (int)lines.size(); i++)
        Draw_Play_Line(device, lines[nFirst + i], PLAY_BOX.nTop + i * PLAY_ROW);
    Draw_Arrow(device, SCROLL_UP, true);
    Draw_Arrow(device, SCROLL_DOWN, false);
}

void Draw_Games(const PageDevice& device) {
    int nGame = Games_Page_Game();
    if (nGame == NO_GAME) return;
    const GameRecord* pGame = Get_Game_Record(nGame);
    for (int nSide = 0; nSide < SIDES; nSide++) {
        const PageRect& box = GAMES_HELMET_BOXES[nSide];
        Draw_Helmet(device, pGame->anTeam[nSide], nSide == 1, box.nLeft, box.nTop, box.nRight - box.nLeft,
                    box.nBottom - box.nTop, 70);
    }
    Draw_Scores(device, pGame);
    Draw_Team_Stats(device, pGame);
    Draw_Stars(device, pGame);
    Draw_Play_By_Play(device, nGame);
}

// A page of lines up or down; false when already at that end.
bool Scroll(int nGame, int nDirection) {
    std::vector<PlayByPlayLine> lines;
    Read_Play_By_Play(nGame, &lines);
    return Scroll_Play_By_Play(nDirection * (VISIBLE_PLAYS - 1), (int)lines.size(), VISIBLE_PLAYS);
}

int Games_Pointer(int x, int y, int nKind) {
    int nGame = Games_Page_Game();
    if (nGame == NO_GAME) return 0;
    bool bClick = nKind == POINTER_CLICK || nKind == POINTER_DOUBLE_CLICK;
    for (int nMove = 0; nMove < NUMBER_OF_MOVES; nMove++) {
        if (!MOVES[nMove].Contains(x, y)) continue;
        if (Game_Move_Target(nMove) == NO_GAME) return 0;
        if (bClick && Move_Game(nMove)) {
            Click_Sound();
            Redraw_Page();
        }
        return 1;
    }
    if (SCROLL_UP.Contains(x, y) || SCROLL_DOWN.Contains(x, y) || PLAY_BOX.Contains(x, y)) {
        bool bUp = SCROLL_UP.Contains(x, y) ||
                   (PLAY_BOX.Contains(x, y) && y < (PLAY_BOX.nTop + PLAY_BOX.nBottom) / 2);
        if (bClick && Scroll(nGame, bUp ? -1 : 1)) {
            Click_Sound();
            Redraw_Page();
        }
        return 1;
    }
    return 0;
}

// Three lines a notch, as text views scroll, over the play-by-play only.
void Games_Wheel(int x, int y, int nNotches) {
    int nGame = Games_Page_Game();
    if (nGame == NO_GAME || !(PLAY_BOX.Contains(x, y) || SCROLL_UP.Contains(x, y) || SCROLL_DOWN.Contains(x, y)))
        return;
    std::vector<PlayByPlayLine> lines;
    Read_Play_By_Play(nGame, &lines);
    if (Scroll_Play_By_Play(nNotches * WHEEL_LINES, (int)lines.size(), VISIBLE_PLAYS)) Redraw_Page();
}

// F5: the most recent game of the user's team, or the notice that there is none.
void Command_Games(MainWindow& window) {
    if (Get_Game_State(GS_CURRENT_PAGE) == PAGE_GAMES) return;
    if (Open_Games_Page()) window.Show_Page(PAGE_GAMES);
}
} // namespace

void Register_Games_Page() {
    Register_Page(PAGE_GAMES, Draw_Games, Games_Pointer);
    Register_Page_Wheel(PAGE_GAMES, Games_Wheel);
    Register_Command_Handler(PAGE_GAMES, Command_Games);
}
