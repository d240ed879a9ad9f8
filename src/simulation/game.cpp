// The game driver: set-up, the snap loop, the result of each play on the
// situation, the clock and the end of the game.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "database/team.h"
#include "database/text_format.h"
#include "finance/attendance.h"
#include "platform/platform.h"
#include "simulation/game_internal.h"

namespace {
// The clock field holds 16 bits; a playoff game still tied after sixteen
// overtime periods ends tied rather than run the clock round.
constexpr int LAST_SECOND = 18000;

bool s_bWriteFile = true;
int s_nClockSide = 0;       // whose possession time the last play counted
bool s_bHalfPending = false;  // a half ended on a touchdown; it starts after the try
bool s_bPeriodPending = false;  // so did a period: its header follows the try

int Month_Of_Day(int nDay) {
    static const int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int nLeft = (nDay % 365 + 365) % 365, nMonth = 0;
    while (nMonth < 11 && nLeft >= DAYS[nMonth]) nLeft -= DAYS[nMonth++];
    return nMonth;
}

int Temperature(const GameRecord* g) {
    TNUM nHome = g->anTeam[1];
    int nMonth = Month_Of_Day(g->nWeek * 7 + 243);
    int nSeason = nMonth > 6 ? nMonth - 6 : 6 - nMonth;
    int D = Clamp(23000, Get_Team_City_Data(nHome, CITY_LATITUDE), 46000) / ((nSeason - 10) * 100);
    int nTemperature = 105 + D + (g->nKickoffTime < 700 ? 10 : 0);
    nTemperature += Random(10);
    nTemperature -= Random(10);
    return nTemperature - Get_Team_City_Data(nHome, CITY_ALTITUDE) / 300;
}

}  // namespace

bool Game_Over(const GameRecord* g) {
    int nElapsed = Game_Elapsed(g);
    bool bTied = g->anScore[0] == g->anScore[1];
    if (nElapsed < 3600) return false;
    if (nElapsed == 3600) return !(Game_Down(g) == DOWN_TRY || bTied);
    if (!bTied || nElapsed >= LAST_SECOND) return true;
    return nElapsed >= 4500 && !Playoff_Game(g);
}

namespace {
void Start_Half(GameRecord* g) {
    int nElapsed = Game_Elapsed(g);
    int nKicking;
    if (nElapsed == 0 || nElapsed == 1800) {
        g->anTimeouts[0] = g->anTimeouts[1] = 3;
        bool bHomeFirst = Game_Coin(g) == 0;
        nKicking = (nElapsed == 0) == bHomeFirst ? 1 : 0;
    } else {
        nKicking = Random(2);
        g->anTimeouts[0] = g->anTimeouts[1] = 2;
    }
    g->nPossession = g->anTeam[nKicking];
    Set_Game_Down(g, DOWN_KICKOFF);
    Set_Game_Ball(g, 70);
    Set_Game_Clock_Stopped(g, true);
    s_bHalfPending = false;
    s_bPeriodPending = false;
    if (!Game_Over(g)) Append_Period_Header(nElapsed / 900);
}

void Add_To_Scoring_List(GameRecord* g, int nSide) {
    int nCount = Game_Scoring_Count(g);
    if (nCount >= SCORING_LIST_SIZE) return;
    PlayRecord& entry = g->aScoring[nCount];
    entry = g->play;
    entry.nTime = Game_Elapsed(g) & 0xFFFF;
    Set_Play_Side(&entry, nSide);
    Set_Game_Scoring_Count(g, nCount + 1);
}

// After a score the ball is kicked off (or free kicked) with the clock stopped.
void Kick_Next(GameRecord* g, int nDown) {
    Set_Game_Down(g, nDown);
    Set_Game_Ball(g, 70);
    Set_Game_Clock_Stopped(g, true);
}

void Change_Possession(GameRecord* g) { g->nPossession = g->anTeam[Defence_Side(g)]; }

// A flag replays the down, but grounding costs the one it was called on.
bool Down_Replayed(const GameRecord* g, bool bPenalty) {
    return bPenalty && Play_Amount(&g->play) != PENALTY_INTENTIONAL_GROUNDING;
}

}  // namespace

void Apply_Result(GameRecord* g, bool bPenalty) {
    int nOffence = Offence_Side(g);
    int nDownBefore = Game_Down(g);
    int nDown = nDownBefore;
    int nResult = Play_Result(&g->play);
    if (nDown == DOWN_TRY) Set_Game_Play_Time(g, 0);
    int nElapsed = Game_Elapsed(g);
    int nUsed = Min(Game_Play_Time(g), 900 - nElapsed % 900);
    Set_Game_Play_Time(g, nUsed);
    Set_Game_Elapsed(g, nElapsed + nUsed);
    g->anTeamStats[nOffence][TG_POSSESSION] = (int16_t)(g->anTeamStats[nOffence][TG_POSSESSION] + nUsed);
    s_nClockSide = nOffence;

    int nBall = Game_Ball(g);
    bool bTurnover = Game_Turnover(g);
    if (nDown == DOWN_TRY) {
        // A turnover on a try ends it; the trying team still kicks off.
        bool bKick = nResult == RESULT_EXTRA_POINT || nResult == RESULT_EXTRA_POINT_MISSED;
        if (!bKick) {
            if (!bTurnover && nBall - Game_Gain(g) <= 0) {
                g->anScore[nOffence] += 2;
                Set_Play_Result(&g->play, RESULT_TWO_POINTS);
            } else {
                Set_Play_Result(&g->play, RESULT_TWO_POINTS_FAILED);
            }
        }
        Add_To_Scoring_List(g, nOffence);
        return Kick_Next(g, DOWN_KICKOFF);
    }
    if (bTurnover) {
        nBall = 100 - nBall;
        Change_Possession(g);
        Set_Game_Down(g, 0);
    }
    nBall -= Game_Gain(g);
    if (nResult == RESULT_FIELD_GOAL) {
        Add_To_Scoring_List(g, nOffence);
        return Kick_Next(g, DOWN_KICKOFF);
    }
    if (nResult == RESULT_FIELD_GOAL_MISSED) Add_To_Scoring_List(g, nOffence);
    if (nBall <= 0) {
        int nScorer = Offence_Side(g);
        g->anScore[nScorer] += 6;
        Add_To_Scoring_List(g, nScorer);
        Set_Game_Down(g, DOWN_TRY);
        Set_Game_Ball(g, 2);
        Set_Game_To_Go(g, 2);
        return;
    }
    if (nBall >= 100) {
        if (bTurnover) {
            Set_Game_Ball(g, 80);
            Set_Game_To_Go(g, 10);
            return;
        }
        int nDefence = Defence_Side(g);
        g->anScore[nDefence] += 2;
        Set_Play_Result(&g->play, RESULT_SAFETY);
        g->play.nSecond = Lineup_ID(g, nDefence, Weighted_Draw(g, nDefence, GROUP_DEFENCE, SS_TACKLES));
        Add_To_Scoring_List(g, nDefence);
        return Kick_Next(g, DOWN_FREE_KICK);
    }
    Set_Game_Ball(g, nBall);
    if (nDownBefore == DOWN_KICKOFF || nDownBefore == DOWN_FREE_KICK || Game_Down(g) == DOWN_CHANGE) {
        Set_Game_Down(g, 0);
    } else if (!bTurnover) {
        int nGain = Game_Gain(g), nToGo = Game_To_Go(g);
        if (nDownBefore == 2) g->anTeamStats[nOffence][TG_THIRD_DOWNS]++;
        if (nDownBefore == 3) g->anTeamStats[nOffence][TG_FOURTH_DOWNS]++;
        if (nGain < nToGo) {
            nDown = Game_Down(g) + (Down_Replayed(g, bPenalty) ? 0 : 1);
            Set_Game_To_Go(g, nToGo - nGain);
            if (nDown >= 4) {
                Change_Possession(g);
                nBall = 100 - nBall;
                Set_Game_Ball(g, nBall);
                nDown = 0;
                Set_Game_To_Go(g, Min(10, nBall));
            }
            Set_Game_Down(g, nDown);
        } else {
            if (nDownBefore == 2) g->anTeamStats[nOffence][TG_THIRD_CONVERSIONS]++;
            if (nDownBefore == 3) g->anTeamStats[nOffence][TG_FOURTH_CONVERSIONS]++;
            Set_Game_Down(g, 0);
            Set_Game_To_Go(g, Min(10, nBall));
            g->anTeamStats[nOffence][TG_FIRST_DOWNS]++;
        }
    }
    if (Game_Down(g) == 0 && !bPenalty) Set_Game_To_Go(g, Min(10, Game_Ball(g)));
}

void Clock_Events(GameRecord* g) {
    int nElapsed = Game_Elapsed(g), nPlay = Game_Play_Time(g);
    if (nElapsed / 1800 > (nElapsed - nPlay) / 1800) s_bHalfPending = true;
    if (s_bHalfPending) {
        if (Game_Down(g) != DOWN_TRY) Start_Half(g);
        return;
    }
    // Overtime periods are timed alone, so their ends are found here rather
    // than from the time left in a half.
    if (nElapsed > 3600 && nElapsed % 900 == 0 && nPlay > 0) {
        s_bPeriodPending = true;
        Set_Game_Clock_Stopped(g, true);
    }
    if (s_bPeriodPending) {
        if (Game_Down(g) == DOWN_TRY) return;
        s_bPeriodPending = false;
        if (!Game_Over(g)) Append_Period_Header(nElapsed / 900);
        return;
    }
    int nLeft = Time_Left(g);
    if (nLeft <= 120 && nLeft + nPlay > 120) {
        int nWarning = Quarter(g) * 900 - 120;
        int nBack = nElapsed - nWarning;
        Set_Game_Elapsed(g, nWarning);
        g->anTeamStats[s_nClockSide][TG_POSSESSION] = (int16_t)(g->anTeamStats[s_nClockSide][TG_POSSESSION] - nBack);
        Set_Game_Clock_Stopped(g, true);
    } else if (nLeft <= 900 && nLeft + nPlay > 900) {
        Set_Game_Elapsed(g, nElapsed < 1800 ? 900 : 2700);
        Set_Game_Clock_Stopped(g, true);
        if (Game_Down(g) == DOWN_TRY)
            s_bPeriodPending = true;
        else if (!Game_Over(g))
            Append_Period_Header(Game_Elapsed(g) / 900);
    }
}

namespace {
void Reset_Play(GameRecord* g) {
    Set_Game_Play_Time(g, 0);
    Set_Game_Turnover(g, false);
    Set_Game_Gain(g, 0);
    g->play.nTime = 0;
    g->play.nFirst = -1;
    g->play.nSecond = -1;
    g->play.nData = 0;
    Set_Play_Result(&g->play, RESULT_NONE);
}

void Time_Between_Plays(GameRecord* g) {
    if (Game_Clock_Stopped(g)) return;
    int nOffence = Offence_Side(g), nDefence = 1 - nOffence;
    bool bHurry = Offence_Hurrying(g);
    if (bHurry && g->anTimeouts[nOffence] > 0) {
        g->anTimeouts[nOffence]--;
    } else if (Second_Half(g) && Time_Left(g) < 240 && g->anScore[nDefence] < g->anScore[nOffence]) {
        if (g->anTimeouts[nDefence] > 0) g->anTimeouts[nDefence]--;
    }
    Set_Game_Play_Time(g, bHurry ? 8 : 25);
}

void Run_The_Play(GameRecord* g) {
    switch (g->anFormation[Offence_Side(g)]) {
    case FORM_KICKOFF: return Kickoff_Play(g);
    case FORM_PUNT: return Punt_Play(g);
    case FORM_FIELD_GOAL: return Field_Goal_Play(g);
    case FORM_EXTRA_POINT: return Extra_Point_Play(g);
    default: return Choose_Run(g) ? Run_Play(g) : Pass_Play(g);
    }
}

void Write_Play_By_Play(const GameRecord* g) {
    if (!s_bWriteFile) return;
    mkdir("Output", 0777);
    char szPath[64];
    snprintf(szPath, sizeof szPath, "Output/G-%02d-%03d.txt", g->nYear % 100, Get_Game_State(GS_GAME_NUMBER));
    FILE* f = fopen(szPath, "w");
    if (!f) return;
    fputs(Play_By_Play_Text(), f);
    fclose(f);
}

}  // namespace

void Set_Up_Game(GameRecord* g, TNUM nHome, TNUM nVisitor, int nWeek) {
    memset(g, 0, sizeof *g);
    g->anTeam[0] = nVisitor;
    g->anTeam[1] = nHome;
    g->nYear = Current_Calendar_Year();
    g->nWeek = Current_Week();
    g->nKickoffTime = Game_Kickoff_Time(nHome, nWeek);
    g->nTemperature = Temperature(g);
    g->nWind = Random(120);
    g->nAttendance = Min(Game_Attendance_Demand(nHome, nVisitor), Get_Stadium_Field(nHome, STADIUM_CAPACITY));
    Load_Game_Rosters(g);
    Credit_Game_Starters(g);
    for (int nSide = 0; nSide < SIDES; nSide++)
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) Game_Set_Player_Played(g->anTeam[nSide], nSlot, false);
    Clear_Play_Text();
    char szDate[TEXT_SIZE], szVisitor[TEXT_SIZE], szHome[TEXT_SIZE];
    Get_Date_Text(g->nWeek * 7 + 243, szDate);
    Get_Team_Label(nVisitor, szVisitor);
    Get_Team_Label(nHome, szHome);
    Append_Play_Text("%s: %s at %s\n", szDate, szVisitor, szHome);
    Set_Game_Coin(g, Random(2));
    s_bHalfPending = false;
    s_bPeriodPending = false;
    Start_Half(g);
}

GameRecord* Get_Game_Record(int nIndex) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_GAME_RECORDS) {
        Error_Log("Invalid nIndex in Get_Game_Record(%d)", nIndex);
        return nullptr;
    }
    return reinterpret_cast<GameRecord*>(&g_League.aGames[nIndex]);
}

void Renumber_Game_Record_Teams(const TNUM anNewCode[NUMBER_OF_FRANCHISES]) {
    auto renumber = [&](TNUM& nTeam) {
        if (nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES) nTeam = anNewCode[nTeam];
    };
    for (int nIndex = 0; nIndex < NUMBER_OF_GAME_RECORDS; nIndex++) {
        GameRecord* g = Get_Game_Record(nIndex);
        renumber(g->anTeam[0]);
        renumber(g->anTeam[1]);
        renumber(g->nPossession);
    }
}

void Set_Play_By_Play_File(bool bWrite) { s_bWriteFile = bWrite; }

int Time_Left(const GameRecord* g) {
    int nElapsed = Game_Elapsed(g);
    if (nElapsed < 1800) return 1800 - nElapsed;
    if (nElapsed < 3600) return 3600 - nElapsed;
    return ((18000 - nElapsed) % 900 + 900) % 900;
}

int Quarter(const GameRecord* g) { return Game_Elapsed(g) / 900 + 1; }
bool Second_Half(const GameRecord* g) { return Game_Elapsed(g) >= 1800 && Game_Elapsed(g) < 3600; }
bool Playoff_Game(const GameRecord* g) { return g->nWeek >= First_Playoff_Week(); }

void Play_Snap(GameRecord* g) {
    Reset_Play(g);
    Time_Between_Plays(g);
    Set_Team_Formations(g);
    Fill_Lineup(g, 0);
    Fill_Lineup(g, 1);
    char szPrefix[TEXT_SIZE];
    Build_Line_Prefix(g, szPrefix);
    bool bPenalty = Penalty_Check(g);
    if (!bPenalty) Run_The_Play(g);
    Apply_Result(g, bPenalty);
    Append_Play_Line(g, szPrefix);
    if (!bPenalty) Injury_Check(g);
    Clock_Events(g);
}

int Play_Game(TNUM nHome, TNUM nVisitor, int nWeek, GameRecord* g) {
    if (!g) {
        Error_Log("Missing game record in Play_Game()");
        return 0;
    }
    if (nHome < 0 || nHome >= NUMBER_OF_FRANCHISES || nVisitor < 0 || nVisitor >= NUMBER_OF_FRANCHISES ||
        nHome == nVisitor || !Valid_Team(nHome) || !Valid_Team(nVisitor)) {
        Message_Box("Play_Game()", "Invalid TNUM parameter to Play_Game()");
        return 0;
    }
    Set_Up_Game(g, nHome, nVisitor, nWeek);
    while (!Game_Over(g)) Play_Snap(g);
    Finish_Game(g);
    return 1;
}

void Finish_Game(GameRecord* g) {
    TNUM nVisitor = g->anTeam[0], nHome = g->anTeam[1];
    Write_Play_By_Play(g);
    for (int nSide = 0; nSide < SIDES; nSide++)
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Game_Player_Played(g->anTeam[nSide], nSlot))
                Increment_Stat(g, g->anTeam[nSide], nSlot, ANY_GROUP, SS_GAMES, 1);
    if (g->anScore[1] > g->anScore[0]) {
        Add_Team_Win(nHome, true);
        Add_Team_Loss(nVisitor, false);
    } else if (g->anScore[0] > g->anScore[1]) {
        Add_Team_Win(nVisitor, false);
        Add_Team_Loss(nHome, true);
    } else {
        Add_Team_Tie(nHome, true);
        Add_Team_Tie(nVisitor, false);
    }
}
