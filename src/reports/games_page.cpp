#include "reports/games_page.h"

#include <cstring>
#include <vector>

#include "base/random.h"
#include "database/player.h"
#include "database/text_format.h"
#include "platform/platform.h"
#include "reports/page_text.h"
#include "reports/play_by_play.h"

namespace {
// Box-score rows (the columns each row's five counters hold).
enum { ROW_PASSER, ROW_OFFENCE, ROW_DEFENCE, ROW_KICKER };

// Season and week together, so that a record left from an earlier season
// never counts as more recent than this season's games.
int Game_Week(int nGame) {
    const GameRecord* pGame = Get_Game_Record(nGame);
    return pGame->nYear * 100 + pGame->nWeek;
}

// The week of the shown game's nearest neighbour in direction nStep (-1, +1).
int Neighbour_Week(int nWeek, int nStep) {
    int nBest = -1;
    for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++) {
        if (!Game_Was_Played(nGame)) continue;
        int nOther = Game_Week(nGame);
        if ((nOther - nWeek) * nStep <= 0) continue;
        if (nBest < 0 || (nOther - nBest) * nStep < 0) nBest = nOther;
    }
    return nBest;
}

bool Scoring_Result(int nResult) {
    switch (nResult) {
    case RESULT_TD_PASS:
    case RESULT_INTERCEPTION_TD:
    case RESULT_SAFETY:
    case RESULT_TD_RUN:
    case RESULT_FUMBLE_TD:
    case RESULT_FIELD_GOAL:
    case RESULT_PUNT_RETURN_TD:
    case RESULT_KICKOFF_RETURN_TD:
        return true;
    default:
        return false;
    }
}

int Box_Row(int nPosition) {
    if (nPosition == POS_QB) return ROW_PASSER;
    int nSide = Position_Side(nPosition);
    return nSide == SIDE_OFFENCE ? ROW_OFFENCE : nSide == SIDE_DEFENCE ? ROW_DEFENCE : ROW_KICKER;
}

// The stats part of a star line; empty when the line has nothing to tell.
void Star_Stats(int nRow, const int16_t* c, char* szOut) {
    szOut[0] = '\0';
    switch (nRow) {
    case ROW_PASSER:
        if (c[BOX_PASS_ATTEMPTS] > 0)
            Format_Text(szOut, "%d-%d  %d Yards  %d TD  %d Int", c[BOX_COMPLETIONS], c[BOX_PASS_ATTEMPTS],
                        c[BOX_PASS_YARDS], c[BOX_PASS_TD], c[BOX_INTERCEPTIONS_THROWN]);
        break;
    case ROW_OFFENCE:
        if (c[BOX_RUSHES] > 0 && c[BOX_RUSHES] >= c[BOX_RECEPTIONS])
            Format_Text(szOut, "%d Rushes  %d Yards, %d TD", c[BOX_RUSHES], c[BOX_RUSH_YARDS], c[BOX_TOUCHDOWNS]);
        else if (c[BOX_RECEPTIONS] > 0)
            Format_Text(szOut, "%d Rec.  %d Yards  %d TD", c[BOX_RECEPTIONS], c[BOX_RECEIVING_YARDS],
                        c[BOX_TOUCHDOWNS]);
        break;
    case ROW_DEFENCE:
        if (c[BOX_SACKS] > 0 && c[BOX_INTERCEPTIONS] > 0)
            Format_Text(szOut, "%d.%d Sacks  %d Int", c[BOX_SACKS] / 2, c[BOX_SACKS] % 2 * 5, c[BOX_INTERCEPTIONS]);
        else if (c[BOX_SACKS] > 0)
            Format_Text(szOut, "%d.%d Sacks", c[BOX_SACKS] / 2, c[BOX_SACKS] % 2 * 5);
        else if (c[BOX_INTERCEPTIONS] > 0)
            Format_Text(szOut, "%d Int", c[BOX_INTERCEPTIONS]);
        break;
    default:
        if (c[BOX_PAT_ATTEMPTS] + c[BOX_FG_ATTEMPTS] > 0)
            Format_Text(szOut, "%d/%d FG, %d/%d PAT", c[BOX_FG_MADE], c[BOX_FG_ATTEMPTS], c[BOX_PAT_MADE],
                        c[BOX_PAT_ATTEMPTS]);
        break;
    }
}
} // namespace

bool Game_Was_Played(int nGame) {
    if (nGame < 0 || nGame >= NUMBER_OF_GAME_RECORDS) return false;
    const GameRecord* pGame = Get_Game_Record(nGame);
    TNUM nVisitor = pGame->anTeam[0], nHome = pGame->anTeam[1];
    return nVisitor != nHome && nVisitor >= 0 && nHome >= 0 && nVisitor < Number_Of_Teams() &&
           nHome < Number_Of_Teams();
}

int Games_Page_Game() {
    int nGame = Get_Game_State(GS_GAMES_GAME);
    return Game_Was_Played(nGame) ? nGame : NO_GAME;
}

int Most_Recent_Game(TNUM nTeam) {
    int nBest = NO_GAME;
    for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++) {
        if (!Game_Was_Played(nGame)) continue;
        const GameRecord* pGame = Get_Game_Record(nGame);
        if (pGame->anTeam[0] != nTeam && pGame->anTeam[1] != nTeam) continue;
        if (nBest == NO_GAME || Game_Week(nGame) >= Game_Week(nBest)) nBest = nGame;
    }
    return nBest;
}

bool Open_Games_Page() {
    int nGame = Most_Recent_Game((TNUM)Get_Game_State(GS_USER_TEAM));
    if (nGame == NO_GAME) {
        Message_Box(
            "No Games Played",
            "There is nothing to show in the Games Page. Please simulate at least one week of the season.");
        return false;
    }
    Select_Game(nGame);
    return true;
}

void Select_Game(int nGame) {
    Set_Game_State(GS_GAMES_GAME, Game_Was_Played(nGame) ? nGame : NO_GAME);
    Set_Game_State(GS_GAMES_SCROLL, 0);
    if (!Game_Was_Played(nGame)) return;
    std::vector<PlayByPlayLine> lines;
    if (!Read_Play_By_Play(nGame, &lines))
        Message_Box("Error",
                    "Can't find Play-By-Play file. Make sure there is a directory labeled 'Output' in your "
                    "Brakvell directory before simulating any more games.");
}

const char* Game_Move_Text(int nMove) {
    static const char* const TEXTS[NUMBER_OF_MOVES] = {"< Game", "Game >", "< Week", "Week >"};
    return nMove >= 0 && nMove < NUMBER_OF_MOVES ? TEXTS[nMove] : "";
}

int Game_Move_Target(int nMove) {
    int nShown = Games_Page_Game();
    if (nShown == NO_GAME) return NO_GAME;
    if (nMove == MOVE_PREVIOUS_GAME || nMove == MOVE_NEXT_GAME) {
        int nStep = nMove == MOVE_PREVIOUS_GAME ? -1 : 1;
        for (int nGame = nShown + nStep; nGame >= 0 && nGame < NUMBER_OF_GAME_RECORDS; nGame += nStep)
            if (Game_Was_Played(nGame)) return nGame;
        return NO_GAME;
    }
    if (nMove != MOVE_PREVIOUS_WEEK && nMove != MOVE_NEXT_WEEK) return NO_GAME;
    int nWeek = Neighbour_Week(Game_Week(nShown), nMove == MOVE_PREVIOUS_WEEK ? -1 : 1);
    if (nWeek < 0) return NO_GAME;
    for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++)
        if (Game_Was_Played(nGame) && Game_Week(nGame) == nWeek) return nGame;
    return NO_GAME;
}

bool Move_Game(int nMove) {
    int nTarget = Game_Move_Target(nMove);
    if (nTarget == NO_GAME) return false;
    Select_Game(nTarget);
    return true;
}

int Scoring_Plays(const GameRecord* pGame, int nSide) {
    int nCount = 0, nEntries = Min(Game_Scoring_Count(pGame), SCORING_LIST_SIZE);
    for (int i = 0; i < nEntries; i++) {
        const PlayRecord* pPlay = &pGame->aScoring[i];
        if (Play_Side(pPlay) == nSide && Scoring_Result(Play_Result(pPlay))) nCount++;
    }
    return nCount;
}

void Get_Game_Stat_Lines(const GameRecord* pGame, GameStatLine* aLines) {
    static const char* const LABELS[GAME_STAT_LINES] = {
        "1st Downs", "Rushing",     "Yards/Rush", "Passing",   "Completion", "Sacks",
        "Total",     "Total Yards", "3rd Down",   "Penalties", "Turnovers",  "Scoring Plays"};
    for (int nLine = 0; nLine < GAME_STAT_LINES; nLine++)
        aLines[nLine].szLabel = LABELS[nLine];
    for (int nSide = 0; nSide < SIDES; nSide++) {
        const int16_t* s = pGame->anTeamStats[nSide];
        Format_Text(aLines[0].aszValue[nSide], "%d", s[TG_FIRST_DOWNS]);
        Format_Text(aLines[1].aszValue[nSide], "%d-%d", s[TG_RUSHES], s[TG_RUSH_YARDS]);
        Format_Decimal(Ratio(10, s[TG_RUSH_YARDS], s[TG_RUSHES]), 10, 1, "", aLines[2].aszValue[nSide]);
        Format_Text(aLines[3].aszValue[nSide], "%d", s[TG_PASS_YARDS]);
        Format_Text(aLines[4].aszValue[nSide], "%d/%d", s[TG_COMPLETIONS], s[TG_PASS_ATTEMPTS]);
        Format_Text(aLines[5].aszValue[nSide], "%d", s[TG_SACKS]);
        Format_Text(aLines[6].aszValue[nSide], "%d", s[TG_RUSHES] + s[TG_PASS_ATTEMPTS]);
        Format_Text(aLines[7].aszValue[nSide], "%d", s[TG_RUSH_YARDS] + s[TG_PASS_YARDS]);
        Format_Text(aLines[8].aszValue[nSide], "%d/%d", s[TG_THIRD_CONVERSIONS], s[TG_THIRD_DOWNS]);
        Format_Text(aLines[9].aszValue[nSide], "%d-%d", s[TG_PENALTIES], s[TG_PENALTY_YARDS]);
        Format_Text(aLines[10].aszValue[nSide], "%d", s[TG_TURNOVERS]);
        Format_Text(aLines[11].aszValue[nSide], "%d", Scoring_Plays(pGame, nSide));
    }
}

int Get_Star_Lines(const GameRecord* pGame, int nSide, StarLine* aLines, int nMaximum) {
    int nCount = 0;
    for (int nLine = 0; nLine < BOX_LINES && nCount < nMaximum; nLine++) {
        int nID = pGame->anBoxPlayers[nSide][nLine];
        TNUM nTeam;
        PNUM nPlayer;
        if (nID == 0 || !Find_Player_ID(nID, &nTeam, &nPlayer)) continue;
        int nRow = Box_Row(Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION));
        StarLine& line = aLines[nCount];
        Star_Stats(nRow, pGame->anBoxLines[nSide][nLine], line.szStats);
        if (!line.szStats[0]) continue;
        char szLast[LAST_NAME_WIDTH];
        Get_Player_Last_Name(nTeam, nPlayer, szLast);
        Format_Text(line.szName, "%s", szLast);
        nCount++;
    }
    return nCount;
}

void Get_Game_Heading(const GameRecord* pGame, char* szOut) {
    char szWeek[TEXT_SIZE], szDate[TEXT_SIZE];
    Get_Week_Name(pGame->nWeek, szWeek);
    Get_Date_Text(pGame->nWeek * 7 + 243, szDate);
    Format_Text(szOut, "%s: %s", szWeek, szDate);
}

void Get_Helmet_Picture(TNUM nTeam, bool bSecond, char* szOut) {
    Format_Text(szOut, "helmets\\helmet%d%s.jpg", nTeam, bSecond ? "a" : "");
}

int Games_Scroll() {
    return Max(0, Get_Game_State(GS_GAMES_SCROLL));
}

bool Scroll_Play_By_Play(int nDelta, int nLines, int nVisible) {
    int nOld = Games_Scroll();
    int nNew = Clamp(0, nOld + nDelta, Max(0, nLines - nVisible));
    Set_Game_State(GS_GAMES_SCROLL, nNew);
    return nNew != nOld;
}
