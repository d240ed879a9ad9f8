#include "personnel/roster.h"

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "personnel/player_creation.h"
#include "personnel/position_kinds.h"
#include "personnel/ratings.h"
#include "personnel/scouting_error.h"
#include "platform/platform.h"


namespace {
constexpr int BACKUP_KEY_OFFSET = 1400000;
constexpr int BACKUP_POSITION_WEIGHT = 100000;

const int STARTER_SPOTS[NUMBER_OF_SIDES] = {11, 11, 2};
const int LINEUP[NUMBER_OF_SIDES][11] = {
    {POS_QB, POS_RB, POS_RB, POS_TE, POS_WR, POS_WR, POS_T, POS_G, POS_C, POS_G, POS_T},
    {POS_DE, POS_DT, POS_DT, POS_DE, POS_LB, POS_LB, POS_LB, POS_CB, POS_CB, POS_S, POS_S},
    {POS_K, POS_P},
};
const int SIDE_FIRST_POSITION[NUMBER_OF_SIDES] = {POS_QB, POS_DE, POS_K};
const int SIDE_POSITION_COUNT[NUMBER_OF_SIDES] = {7, 5, 2};

bool Team_Code_Ok(TNUM nTeam, const char* szRoutine) {
    if (nTeam < 0 || nTeam > TOTAL_NUMBER_OF_TEAMS) {
        Error_Log("Invalid nTeam in %s()", szRoutine);
        return false;
    }
    return true;
}
bool Side_Ok(int nSide, const char* szRoutine) {
    if (nSide < 0 || nSide >= NUMBER_OF_SIDES) {
        Error_Log("Invalid side in %s()", szRoutine);
        return false;
    }
    return true;
}

int Position_At(TNUM nTeam, PNUM nSlot) { return Get_Player_Vital_Stat(nTeam, nSlot, VS_POSITION); }
// Side of the player in a slot, -1 for an empty slot.
int Side_At(TNUM nTeam, PNUM nSlot) {
    if (!Is_Valid_Player(nTeam, nSlot)) return -1;
    return Side_Of_Position(Position_At(nTeam, nSlot));
}
int Worth(TNUM nTeam, PNUM nSlot) { return Get_Player_Season_Stat(nTeam, nSlot, PERIOD_PREDICTED, SS_SEASON_WORTH); }

void Exchange(TNUM nTeam, PNUM a, PNUM b, int* pnCache) {
    Swap_Players(nTeam, a, nTeam, b);
    Swap_Int(pnCache[a], pnCache[b]);
}

// A journeyman of a random position of the side, signed to a minimum contract.
void Create_Side_Filler(TNUM nTeam, PNUM nSlot, int nSide) {
    int nPosition = SIDE_FIRST_POSITION[nSide] + Random(SIDE_POSITION_COUNT[nSide]);
    // No template of the position: the slot stays empty rather than half made.
    if (!Fabricate_Player(nTeam, nSlot, nPosition) || !Is_Valid_Player(nTeam, nSlot)) {
        Clear_Player(nTeam, nSlot);
        return;
    }
    int nAge = 22 + Random(20);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_AGE, nAge);
    Step_Down_New_Player(nTeam, nSlot, PERIOD_PREDICTED, 10 * Random(20) - 380, DEVELOP_YOUTH);
    int nDay = 0;
    int nMonth = Month_Of_Day(Random(365), &nDay);
    int nBirthYear = Current_Calendar_Year() - nAge - (nMonth > 7 ? 1 : 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_BIRTH_DATE, nBirthYear * 10000 + (nMonth + 1) * 100 + nDay + 1);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_EXPERIENCE, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_SALARY, MINIMUM_SALARY);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_BONUS, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_CONTRACT_LEFT, 3);
    Set_Player_Vital_Stat(nTeam, nSlot, VS_CONTRACT_YEARS, 3);
}

}  // namespace

int Starter_Spots(int nSide) { return nSide >= 0 && nSide < NUMBER_OF_SIDES ? STARTER_SPOTS[nSide] : 0; }

int Starter_Position(int nSide, int nSpot) {
    if (nSpot < 0 || nSpot >= Starter_Spots(nSide)) return -1;
    return LINEUP[nSide][nSpot];
}

void Group_By_Side(TNUM nTeam) {
    if (!Team_Code_Ok(nTeam, "Group_By_Side")) return;
    PNUM anFilled[PLAYERS_PER_TEAM];
    int nFilled = 0;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
        if (Is_Valid_Player(nTeam, p)) anFilled[nFilled++] = p;
    for (int nPass = 0; nPass < nFilled; nPass++) {
        bool bSwapped = false;
        for (int i = 0; i + 1 < nFilled; i++) {
            if (Side_At(nTeam, anFilled[i + 1]) < Side_At(nTeam, anFilled[i])) {
                Swap_Players(nTeam, anFilled[i], nTeam, anFilled[i + 1]);
                bSwapped = true;
            }
        }
        if (!bSwapped) break;  // further passes would change nothing
    }
}

PNUM First_Slot_Of_Side(TNUM nTeam, int nSide) {
    if (!Team_Code_Ok(nTeam, "First_Slot_Of_Side") || !Side_Ok(nSide, "First_Slot_Of_Side")) return NO_PLAYER;
    // The whole roster is searched: a player standing behind a gap is no
    // reason to create another.
    for (int nTry = 0; nTry < 2; nTry++) {
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
            if (Side_At(nTeam, p) == nSide) return p;
        PNUM nEmpty = First_Empty_Slot(nTeam);
        if (nEmpty == NO_PLAYER) return NO_PLAYER;
        Create_Side_Filler(nTeam, nEmpty, nSide);
    }
    return NO_PLAYER;
}

PNUM Last_Slot_Of_Side(TNUM nTeam, int nSide) {
    if (!Team_Code_Ok(nTeam, "Last_Slot_Of_Side")) return NO_PLAYER;
    for (int p = PLAYERS_PER_TEAM - 1; p >= 0; p--)
        if (Side_At(nTeam, (PNUM)p) == nSide) return (PNUM)p;
    return NO_PLAYER;
}

void Choose_Starters(TNUM nTeam, int nSide) {
    if (!Team_Code_Ok(nTeam, "Choose_Starters") || !Side_Ok(nSide, "Choose_Starters")) return;
    PNUM nFirst = First_Slot_Of_Side(nTeam, nSide);
    if (nFirst == NO_PLAYER) return;
    PNUM nLast = Last_Slot_Of_Side(nTeam, nSide);
    bool bHuman = Human_Managed(nTeam);
    int anWorth[PLAYERS_PER_TEAM] = {};
    for (int p = nFirst; p <= nLast; p++)
        if (Side_At(nTeam, (PNUM)p) == nSide) anWorth[p] = Worth(nTeam, (PNUM)p);

    for (int i = 0; i < STARTER_SPOTS[nSide]; i++) {
        int nSpot = nFirst + i;
        int nBest = NO_PLAYER;
        int nBestScore = 0;
        for (int c = nSpot; c <= nLast; c++) {
            if (Side_At(nTeam, (PNUM)c) != nSide) continue;
            int nScore = anWorth[c];
            if (bHuman) {
                int s = Scouting_Error(nTeam, Get_Player_Vital_Stat(nTeam, (PNUM)c, VS_PLAYER_ID));
                nScore = Ratio(nScore, Random(s) + 500, 500);
            }
            if (Position_At(nTeam, (PNUM)c) == LINEUP[nSide][i])
                nScore = Max(1000, nScore + 10000);
            else
                nScore /= 100;
            if (nBest == NO_PLAYER || nScore > nBestScore) {
                nBest = c;
                nBestScore = nScore;
            }
        }
        // Fewer players than spots: the remaining spots stay open.
        if (nBest == NO_PLAYER) break;
        if (nBest != nSpot) Exchange(nTeam, (PNUM)nBest, (PNUM)nSpot, anWorth);
    }
    // The lineup calls the best linebacker's spot second.
    if (nSide == 1 && nFirst + 5 <= nLast && Side_At(nTeam, nFirst + 4) == 1 && Side_At(nTeam, nFirst + 5) == 1)
        Swap_Players(nTeam, nFirst + 4, nTeam, nFirst + 5);
}

void Choose_Returners(TNUM nTeam) {
    if (!Team_Code_Ok(nTeam, "Choose_Returners")) return;
    PNUM nKick = NO_PLAYER, nPunt = NO_PLAYER;
    int nBestKick = 0, nBestPunt = 0;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
        if (!Is_Valid_Player(nTeam, p)) continue;
        int nKickSkill = Get_Player_Season_Stat(nTeam, p, PERIOD_PREDICTED, SS_KICK_RETURN_SKILL);
        int nPuntSkill = Get_Player_Season_Stat(nTeam, p, PERIOD_PREDICTED, SS_PUNT_RETURN_SKILL);
        if (nKick == NO_PLAYER || nKickSkill > nBestKick) {
            nKick = p;
            nBestKick = nKickSkill;
        }
        if (nPunt == NO_PLAYER || nPuntSkill > nBestPunt) {
            nPunt = p;
            nBestPunt = nPuntSkill;
        }
    }
    if (nKick == NO_PLAYER) return;  // nobody to choose from
    Set_Team_Returner(nTeam, KICK_RETURNER, nKick);
    Set_Team_Returner(nTeam, PUNT_RETURNER, nPunt);
}

void Sort_Backups(TNUM nTeam, int nSide) {
    if (!Team_Code_Ok(nTeam, "Sort_Backups") || !Side_Ok(nSide, "Sort_Backups")) return;
    PNUM nFirst = First_Slot_Of_Side(nTeam, nSide);
    if (nFirst == NO_PLAYER) return;
    int nLast = Last_Slot_Of_Side(nTeam, nSide);
    int anKey[PLAYERS_PER_TEAM] = {};
    int nBegin = nFirst + STARTER_SPOTS[nSide];
    for (int p = nBegin; p <= nLast; p++)
        if (Is_Valid_Player(nTeam, (PNUM)p))
            anKey[p] = Worth(nTeam, (PNUM)p) - BACKUP_POSITION_WEIGHT * Position_At(nTeam, (PNUM)p) + BACKUP_KEY_OFFSET;
    for (int p = nBegin; p <= nLast; p++) {
        int nBest = NO_PLAYER;
        for (int c = p; c <= nLast; c++)
            if (Is_Valid_Player(nTeam, (PNUM)c) && (nBest == NO_PLAYER || anKey[c] > anKey[nBest])) nBest = c;
        if (nBest == NO_PLAYER) break;
        if (nBest != p) Exchange(nTeam, (PNUM)nBest, (PNUM)p, anKey);
    }
}

void Sort_All_Backups(TNUM nTeam) {
    for (int nSide = 0; nSide < NUMBER_OF_SIDES; nSide++) Sort_Backups(nTeam, nSide);
}

void Organise_Team(TNUM nTeam) {
    if (!Team_Code_Ok(nTeam, "Organise_Team")) return;
    Group_By_Side(nTeam);
    for (int nSide = 0; nSide < NUMBER_OF_SIDES; nSide++) Choose_Starters(nTeam, nSide);
    Choose_Returners(nTeam);
    Sort_All_Backups(nTeam);
    Compact_Team(nTeam);
}

void Organise_Computer_Teams() {
    if (!Get_Game_State(GS_COMMISSIONER))
        for (TNUM t = 0; t < NUMBER_OF_FRANCHISES; t++)
            if (Valid_Team(t) && !Human_Managed(t)) Organise_Team(t);
    for (TNUM t = FREE_AGENT_TEAM; t <= TOTAL_NUMBER_OF_TEAMS; t++) Compact_Team(t);
}

void Organise_Every_Team() {
    for (TNUM t = 0; t < NUMBER_OF_FRANCHISES; t++)
        if (Valid_Team(t)) Organise_Team(t);
}
