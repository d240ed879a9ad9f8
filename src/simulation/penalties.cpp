// Flags before the snap, and the one player exposed to injury after it.
#include "base/random.h"
#include "database/text_format.h"
#include "platform/platform.h"
#include "simulation/game_internal.h"

namespace {
struct Penalty {
    const char* szName;
    bool bOnDefence;
    int nYards;
    bool bFirstDown;
    int nGroup;  // of the flagged player, or ANY_GROUP or THE_PASSER
    int nStat;   // weight of the flagged player, or EVEN_WEIGHT
    bool bCounted;
};

constexpr int THE_PASSER = -2;  // flagged without a draw
constexpr int NO_PENALTY = -1;

// In the order of the PENALTY_* codes.
const Penalty PENALTIES[NUMBER_OF_PENALTIES] = {
    {"Encroachment", true, 5, false, GROUP_DEFENCE, SS_SACKS, true},
    {"Incidental Facemask", true, 5, false, GROUP_DEFENCE, SS_ASSISTS, true},
    {"Defensive Holding", true, 5, true, GROUP_DEFENCE, SS_SACKS, true},
    {"Roughing The Passer", true, 15, true, GROUP_DEFENCE, SS_SACKS, true},
    {"Roughing The Kicker", true, 15, true, GROUP_DEFENCE, SS_SACKS, true},
    {"Unnecessary Roughness", true, 15, true, GROUP_DEFENCE, SS_TACKLES, true},
    {"Pass Interference", true, 16, true, GROUP_DEFENCE, SS_INTERCEPTIONS, true},
    {"Offensive Offsides", false, 5, false, ANY_GROUP, EVEN_WEIGHT, true},
    {"False Start", false, 5, false, ANY_GROUP, EVEN_WEIGHT, true},
    {"Illegal Motion", false, 5, false, GROUP_LINE, SS_PENALTIES, false},
    {"Offensive Pass Interference", false, 10, false, GROUP_SKILL, SS_RECEIVING_YARDS, false},
    {"Offensive Holding", false, 10, false, ANY_GROUP, EVEN_WEIGHT, true},
    {"Intentional Grounding", false, 10, false, THE_PASSER, EVEN_WEIGHT, false},
    {"Clipping", false, 15, false, ANY_GROUP, EVEN_WEIGHT, true},
    {"Unnecessary Roughness", false, 15, false, ANY_GROUP, EVEN_WEIGHT, true},
};

int Discipline(const GameRecord* g) {
    return Clamp(500, 3 * Lineup_Rating_Sum(g, Offence_Side(g), 6, 10, RATING_DISCIPLINE) - 50, 2000);
}

bool Waved_Off(const GameRecord* g) { return Random(2000) < Discipline(g); }

int Draw_Penalty(const GameRecord* g) {
    static const int DEFENCE_ODDS[6][2] = {
        {PENALTY_ENCROACHMENT, 9},        {PENALTY_FACEMASK, 0},            {PENALTY_DEFENSIVE_HOLDING, 6},
        {PENALTY_ROUGHING_THE_PASSER, 1}, {PENALTY_DEFENSIVE_ROUGHNESS, 1}, {PENALTY_PASS_INTERFERENCE, 6},
    };
    for (const auto& odds : DEFENCE_ODDS)
        if (Random(1000) <= odds[1]) return odds[0];
    if (Random(1000) < 20) {
        if (!Waved_Off(g)) return PENALTY_OFFSIDES;
    } else if (Random(1000) <= 14) {
        if (!Waved_Off(g)) return PENALTY_FALSE_START;
    }
    if (Random(1000) <= 9) return PENALTY_ILLEGAL_MOTION;
    if (Random(1000) <= 4) return PENALTY_OFFENSIVE_INTERFERENCE;
    if (Random(1000) < 20) return Waved_Off(g) ? NO_PENALTY : PENALTY_HOLDING;
    if (Random(1000) < 3 * Game_Down(g) + 1) return PENALTY_INTENTIONAL_GROUNDING;
    if (Random(1000) <= 3) return PENALTY_CLIPPING;
    if (Random(1000) <= 1) return PENALTY_OFFENSIVE_ROUGHNESS;
    return NO_PENALTY;
}
}  // namespace

const char* Penalty_Name(int nPenalty) {
    return nPenalty >= 0 && nPenalty < NUMBER_OF_PENALTIES ? PENALTIES[nPenalty].szName : "";
}

// Half the distance to the goal either way; interference into the end zone
// goes to the 1.
int Enforced_Penalty_Yards(int nPenalty, int nYards, int nBall) {
    if (!PENALTIES[nPenalty].bOnDefence) return Max(-nYards, (nBall - 100) / 2);
    if (nPenalty == PENALTY_PASS_INTERFERENCE && nYards >= nBall) return nBall - 1;
    return Min(nYards, nBall / 2);
}

bool Penalty_Check(GameRecord* g) {
    if (Game_Down(g) > 2 || Time_Left(g) < 120) return false;
    int nPenalty = Draw_Penalty(g);
    if (nPenalty == NO_PENALTY) return false;
    const Penalty& penalty = PENALTIES[nPenalty];
    int nYards = nPenalty == PENALTY_PASS_INTERFERENCE ? 16 + Random(30) : penalty.nYards;
    int nSide = penalty.bOnDefence ? Defence_Side(g) : Offence_Side(g);
    int nFlagged = penalty.nGroup == THE_PASSER ? 0 : Weighted_Draw(g, nSide, penalty.nGroup, penalty.nStat, true);
    nYards = Enforced_Penalty_Yards(nPenalty, nYards, Game_Ball(g));
    if (penalty.bFirstDown) Set_Game_To_Go(g, 0);
    int nAbsolute = nYards < 0 ? -nYards : nYards;
    TNUM nTeam = g->anTeam[nSide];
    PNUM nSlot = g->anLineup[nSide][nFlagged];
    if (penalty.bCounted && Counts_Penalties(Position_Group(Game_Player_Position(nTeam, nSlot)))) {
        Credit_Regular_Season_Stat(nTeam, nSlot, SS_PENALTIES, 1);
        Credit_Regular_Season_Stat(nTeam, nSlot, SS_PENALTY_YARDS, nAbsolute);
    }
    g->anTeamStats[nSide][TG_PENALTIES]++;
    g->anTeamStats[nSide][TG_PENALTY_YARDS] += nAbsolute;
    Set_Game_Gain(g, nYards);
    Set_Play_Result(&g->play, RESULT_PENALTY);
    g->play.nFirst = Game_Player_ID(nTeam, nSlot);
    Set_Play_Amount(&g->play, nPenalty);
    Set_Play_Yards(&g->play, nAbsolute);
    return true;
}

void Injury_Check(GameRecord* g) {
    int nSide = Random(2);
    int nIndex = Random(LINEUP_SIZE);
    TNUM nTeam = g->anTeam[nSide];
    PNUM nSlot = g->anLineup[nSide][nIndex];
    if (!Game_Slot_Filled(nTeam, nSlot) || !Game_Try_Injury(nTeam, nSlot)) return;
    Player_Hurt(g, nSide, nSlot);
    char szTeam[TEXT_SIZE], szPosition[TEXT_SIZE], szName[TEXT_SIZE];
    Get_Team_Label(nTeam, szTeam);
    Get_Position_Name(Game_Player_Position(nTeam, nSlot), szPosition);
    Get_Player_Full_Name(nTeam, nSlot, szName);
    Append_Play_Text("<< %s %s %s was injured on the play >>\n", szTeam, szPosition, szName);
}
