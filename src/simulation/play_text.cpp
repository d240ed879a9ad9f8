// The play-by-play: one text per game, a line per play.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "database/text_format.h"
#include "simulation/game_internal.h"

namespace {
constexpr int PLAY_TEXT_SIZE = 1 << 18;
char s_szText[PLAY_TEXT_SIZE];
int s_nLength = 0;

// The last name of a player of the game; a team's city when he is not found.
const char* Name_Of(const GameRecord* g, int nID, char* szOut) {
    if (nID > 0) {
        for (int nSide = 0; nSide < SIDES; nSide++)
            for (int i = 0; i < LINEUP_SIZE; i++)
                if (Lineup_ID(g, nSide, i) == nID) {
                    Get_Player_Last_Name(g->anTeam[nSide], g->anLineup[nSide][i], szOut);
                    return szOut;
                }
        for (int nSide = 0; nSide < SIDES; nSide++)
            for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
                if (Game_Player_ID(g->anTeam[nSide], nSlot) == nID) {
                    Get_Player_Last_Name(g->anTeam[nSide], nSlot, szOut);
                    return szOut;
                }
    }
    Get_Team_City(g->nPossession, szOut);
    return szOut;
}

void Append_Raw(const char* szText) {
    int n = (int)strlen(szText);
    if (n > PLAY_TEXT_SIZE - 1 - s_nLength) n = PLAY_TEXT_SIZE - 1 - s_nLength;
    memcpy(s_szText + s_nLength, szText, n);
    s_nLength += n;
    s_szText[s_nLength] = '\0';
}

// A play text, cut to TEXT_SIZE like every text of the game.
__attribute__((format(printf, 2, 3))) void Play_Text(char* szOut, const char* szFormat, ...) {
    va_list args;
    va_start(args, szFormat);
    Format_Play_Args(szOut, TEXT_SIZE, szFormat, args);
    va_end(args);
}

const char* Yards_Word(int nYards) { return nYards == 1 ? "yard" : "yards"; }

void Upper_Nickname(TNUM nTeam, char* szOut) {
    Get_Team_Nickname(nTeam, szOut);
    Make_Upper_Case(szOut);
}
}  // namespace

const char* Play_By_Play_Text() { return s_szText; }

void Clear_Play_Text() {
    s_nLength = 0;
    s_szText[0] = '\0';
}

void Append_Play_Text(const char* szFormat, ...) {
    va_list args;
    va_start(args, szFormat);
    s_nLength += Format_Play_Args(s_szText + s_nLength, PLAY_TEXT_SIZE - s_nLength, szFormat, args);
    va_end(args);
}

void Append_Period_Header(int nPeriod) {
    static const char* const LABELS[8] = {"1st Q", "2nd Q", "3rd Q", "4th Q", "OT   ", "OT #2", "OT #3", "OT #4"};
    char szLabel[16];
    if (nPeriod < 8)
        snprintf(szLabel, sizeof szLabel, "%s", LABELS[nPeriod < 0 ? 0 : nPeriod]);
    else
        snprintf(szLabel, sizeof szLabel, "OT #%d", nPeriod - 3);
    Append_Play_Text("\n %s <=> Down Yardline Play\n ----- --- ---- -------- --------------------\n", szLabel);
}

void Build_Line_Prefix(const GameRecord* g, char* szOut) {
    int nElapsed = Game_Elapsed(g);
    int nLeft = 900 - nElapsed % 900;
    // A try at a period's end belongs to the period its touchdown ended.
    if (Game_Down(g) == DOWN_TRY && nElapsed % 900 == 0 && nElapsed > 0) nLeft = 0;
    char szTime[16], szTeam[TEXT_SIZE], szDown[16], szSpot[TEXT_SIZE];
    Format_Play(szTime, sizeof szTime, "%d:%02d", nLeft / 60, nLeft % 60);
    Get_Team_Abbreviation(g->nPossession, szTeam);
    int nDown = Game_Down(g), nToGo = Game_To_Go(g), nBall = Game_Ball(g);
    if (nDown <= 3 && nToGo >= nBall)
        Format_Play(szDown, sizeof szDown, "%d-G", nDown + 1);
    else if (nDown <= 3)
        Format_Play(szDown, sizeof szDown, "%d-%d", nDown + 1, nToGo);
    else
        Format_Play(szDown, sizeof szDown, "%s", nDown == DOWN_KICKOFF ? "KICK" : nDown == DOWN_TRY ? "CONV" : "----");
    if (nBall == 50) {
        Format_Play(szSpot, TEXT_SIZE, "(%-3s %2d)", "--", 50);
    } else {
        char szHalf[TEXT_SIZE];
        Get_Team_Abbreviation(nBall > 50 ? g->nPossession : g->anTeam[Defence_Side(g)], szHalf);
        Format_Play(szSpot, TEXT_SIZE, "(%-3s %2d)", szHalf, nBall > 50 ? 100 - nBall : nBall);
    }
    Format_Play(szOut, TEXT_SIZE, " %5s %3s %4s %8s", szTime, szTeam, szDown, szSpot);
}

void Build_Play_Text(const GameRecord* g, char* szOut) {
    const PlayRecord* p = &g->play;
    char szCity1[TEXT_SIZE], szCity2[TEXT_SIZE];
    const char* szFirst = Name_Of(g, p->nFirst, szCity1);
    const char* szSecond = Name_Of(g, p->nSecond, szCity2);
    int nYards = Play_Yards(p), nAmount = Play_Amount(p);
    int nResult = Play_Result(p);
    switch (nResult) {
    case RESULT_INCOMPLETE: return Play_Text(szOut, "%s incomplete to %s", szSecond, szFirst);
    case RESULT_COMPLETE: return Play_Text(szOut, "%s %d-yard pass to %s", szSecond, nYards, szFirst);
    case RESULT_INTERCEPTED: return Play_Text(szOut, "Pass to %s intercepted by %s", szSecond, szFirst);
    case RESULT_SACKED: return Play_Text(szOut, "%s sacked by %s for %d-yard loss", szFirst, szSecond, nYards);
    case RESULT_KNOCKED_DOWN: return Play_Text(szOut, "Pass to %s knocked down by %s", szSecond, szFirst);
    case RESULT_TD_PASS: return Play_Text(szOut, "%s %d-yard TD pass to %s", szSecond, nYards, szFirst);
    case RESULT_INTERCEPTION_TD: return Play_Text(szOut, "%s returns interception for a TD!", szFirst);
    case RESULT_SAFETY: return Play_Text(szOut, "%s tackled by %s for safety", szFirst, szSecond);
    case RESULT_RUN_LEFT:
    case RESULT_RUN_MIDDLE:
    case RESULT_RUN_RIGHT: {
        static const char* const DIRECTIONS[3] = {"left", "up the middle", "right"};
        const char* szWay = DIRECTIONS[nResult - RESULT_RUN_LEFT];
        int nGain = Play_Signed_Yards(p);
        if (nGain > 1) return Play_Text(szOut, "%s rushes %s for %d yards", szFirst, szWay, nGain);
        if (nGain == 1) return Play_Text(szOut, "%s rushes %s for 1 yard", szFirst, szWay);
        if (nGain == 0) return Play_Text(szOut, "%s rushes %s for no gain", szFirst, szWay);
        return Play_Text(szOut, "%s rushes %s for a %d-yard loss", szFirst, szWay, -nGain);
    }
    case RESULT_TD_RUN: return Play_Text(szOut, "%s %d yard TD run!", szFirst, nYards);
    case RESULT_FUMBLE: return Play_Text(szOut, "%s fumble recovered by %s", szSecond, szFirst);
    case RESULT_FUMBLE_TD: return Play_Text(szOut, "%s fumble recovered by %s for TD", szSecond, szFirst);
    case RESULT_FIELD_GOAL: return Play_Text(szOut, "%s kicks %d-yard FG", szFirst, nYards);
    case RESULT_FIELD_GOAL_MISSED: return Play_Text(szOut, "%s misses %d-yard FG", szFirst, nYards);
    case RESULT_PUNT:
        if (nAmount == 0) return Play_Text(szOut, "%d-yard punt - fair catch by %s", nYards, szFirst);
        return Play_Text(szOut, "%d-yard punt returned %d %s by %s", nYards, nAmount, Yards_Word(nAmount), szFirst);
    case RESULT_PUNT_TOUCHBACK: return Play_Text(szOut, "Punt went into endzone for a touchback");
    case RESULT_PUNT_RETURN_TD: return Play_Text(szOut, "Punt returned by %s for a TD!", szFirst);
    case RESULT_PUNT_FUMBLED: return Play_Text(szOut, "%s fumbles punt - %s recovers", szFirst, szSecond);
    case RESULT_KICKOFF_RETURN:
        if (nAmount > 49)
            return Play_Text(szOut, "%s returns kickoff %d %s to his %d", szFirst, nYards, Yards_Word(nYards), 100 - nAmount);
        return Play_Text(szOut, "%s returns kickoff to opponent's %d!", szFirst, nAmount);
    case RESULT_KICKOFF_TOUCHBACK: return Play_Text(szOut, "Kickoff downed in endzone for a touchback");
    case RESULT_KICKOFF_RETURN_TD: return Play_Text(szOut, "%s returned kickoff for a TD!", szFirst);
    case RESULT_KICKOFF_FUMBLED: return Play_Text(szOut, "Kickoff return fumbled by %s -- %s recovers", szFirst, szSecond);
    case RESULT_EXTRA_POINT: return Play_Text(szOut, "%s kicked the extra point", szFirst);
    case RESULT_EXTRA_POINT_MISSED: return Play_Text(szOut, "%s missed the extra point", szFirst);
    case RESULT_TWO_POINTS: return Play_Text(szOut, "2-pt conversion successful (%s)", szFirst);
    case RESULT_TWO_POINTS_FAILED: return Play_Text(szOut, "2-pt conversion failed (%s)", szFirst);
    case RESULT_PENALTY: {
        char szName[TEXT_SIZE];
        Format_Play(szName, TEXT_SIZE, "%s", Penalty_Name(nAmount));
        Make_Upper_Case(szName);
        return Play_Text(szOut, "%s (%s): %d %s", szName, szFirst, nYards, Yards_Word(nYards));
    }
    default: return Play_Text(szOut, "UNHANDLED nResult (%d) in PLAY", nResult);
    }
}

void Append_Play_Line(const GameRecord* g, const char* szPrefix) {
    char szText[TEXT_SIZE];
    Build_Play_Text(g, szText);
    Append_Raw(szPrefix);
    Append_Raw(" ");
    Append_Raw(szText);
    Append_Raw("\n");
    int nResult = Play_Result(&g->play);
    if (nResult == RESULT_SAFETY || nResult == RESULT_FIELD_GOAL ||
        (nResult >= RESULT_EXTRA_POINT && nResult <= RESULT_TWO_POINTS_FAILED)) {
        char szVisitor[TEXT_SIZE], szHome[TEXT_SIZE];
        Upper_Nickname(g->anTeam[0], szVisitor);
        Upper_Nickname(g->anTeam[1], szHome);
        Append_Play_Text("\n <><><><><><> %s %d / %s %d <><><><><><>\n", szVisitor, g->anScore[0], szHome, g->anScore[1]);
    }
}
