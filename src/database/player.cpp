// Player records: vital stats, texts, slots, whole-record moves, the
// player-ID index and aging parameters.
#include "database/player.h"

#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "database/player_internal.h"
#include "platform/platform.h"

PlayerRecord* Checked_Player_Record(TNUM nTeam, PNUM nPlayer, const char* szRoutine) {
    if (!Team_Code_In_Range(nTeam)) {
        Error_Log("nTeam out of bounds in %s()", szRoutine);
        return nullptr;
    }
    if (!Slot_In_Range(nPlayer)) {
        Error_Log("nPlayer out of bounds in %s()", szRoutine);
        return nullptr;
    }
    return &g_League.aTeams[nTeam].aPlayers[nPlayer];
}

// ---- Positions ----

int Get_Player_Position_Group(TNUM nTeam, PNUM nPlayer) {
    return Position_Group(Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION));
}

int Get_Player_Side(TNUM nTeam, PNUM nPlayer) {
    return Position_Side(Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION));
}

int Ideal_Roster_Count(int nPosition) {
    static const int IDEAL[NUMBER_OF_POSITIONS] = {3, 6, 4, 7, 4, 4, 2, 6, 4, 9, 6, 5, 2, 2};
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) return 0;
    return IDEAL[nPosition];
}

int Minimum_Roster_Count(int nPosition) {
    static const int MINIMUM[NUMBER_OF_POSITIONS] = {2, 4, 4, 4, 4, 4, 2, 4, 4, 6, 4, 4, 1, 1};
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) return 0;
    return MINIMUM[nPosition];
}

int Starters_Count(int nPosition) {
    static const int STARTERS[NUMBER_OF_POSITIONS] = {1, 2, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) return 0;
    return STARTERS[nPosition];
}

int Position_Scale(int nPosition) {
    static const int SCALE[NUMBER_OF_POSITIONS] = {3500, 1100, 800, 1300, 700, 700, 800, 1000, 700, 700, 1400, 1100, 600, 600};
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) return 0;
    return SCALE[nPosition];
}

// ---- Vital stats ----

int Get_Player_Vital_Stat(TNUM nTeam, PNUM nPlayer, int nIndex) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Get_Player_Vital_Stat");
    if (!pRecord) return 0;
    if (nIndex == VS_CAP_IMPACT) {
        int nSalary = Get_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY);
        int nYears = pRecord->anVital[VS_CONTRACT_YEARS];
        if (nYears == 0) return nSalary;
        return nSalary + pRecord->anVital[VS_BONUS] / nYears;
    }
    if (nIndex < 0 || nIndex >= NUMBER_OF_VITAL_STATS) {
        Error_Log("Unrecognized VITAL_STAT: %d", nIndex);
        return 0;
    }
    if (nIndex == VS_SALARY && pRecord->anVital[VS_SALARY] < MINIMUM_SALARY)
        pRecord->anVital[VS_SALARY] = MINIMUM_SALARY;
    return pRecord->anVital[nIndex];
}

void Set_Player_Vital_Stat(TNUM nTeam, PNUM nPlayer, int nIndex, int nValue) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Set_Player_Vital_Stat");
    if (!pRecord) return;
    if (nIndex < 0 || nIndex >= NUMBER_OF_VITAL_STATS) {
        Error_Log("Unrecognized VITAL_STAT: %d", nIndex);
        return;
    }
    pRecord->anVital[nIndex] = nValue;
}

// ---- Texts ----

static void Get_Text(TNUM nTeam, PNUM nPlayer, char* szOut, size_t nOffset, int nWidth) {
    szOut[0] = '\0';
    PlayerRecord* pRecord = Player_Record(nTeam, nPlayer);
    if (pRecord) Copy_Field(szOut, nWidth, (const char*)pRecord + nOffset);
}

static void Set_Text(TNUM nTeam, PNUM nPlayer, const char* szText, size_t nOffset, int nWidth,
                     const char* szRoutine) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, szRoutine);
    if (pRecord) Copy_Field((char*)pRecord + nOffset, nWidth, szText);
}

void Get_Player_First_Name(TNUM nTeam, PNUM nPlayer, char* szOut) {
    Get_Text(nTeam, nPlayer, szOut, offsetof(PlayerRecord, szFirstName), FIRST_NAME_WIDTH);
}

void Set_Player_First_Name(TNUM nTeam, PNUM nPlayer, const char* szName) {
    Set_Text(nTeam, nPlayer, szName, offsetof(PlayerRecord, szFirstName), FIRST_NAME_WIDTH,
             "Set_Player_First_Name");
}

void Get_Player_Last_Name(TNUM nTeam, PNUM nPlayer, char* szOut) {
    szOut[0] = '\0';
    if (Is_Valid_Player(nTeam, nPlayer))
        Get_Text(nTeam, nPlayer, szOut, offsetof(PlayerRecord, szLastName), LAST_NAME_WIDTH);
}

void Set_Player_Last_Name(TNUM nTeam, PNUM nPlayer, const char* szName) {
    Set_Text(nTeam, nPlayer, szName, offsetof(PlayerRecord, szLastName), LAST_NAME_WIDTH,
             "Set_Player_Last_Name");
}

void Get_Player_Picture(TNUM nTeam, PNUM nPlayer, char* szOut) {
    Get_Text(nTeam, nPlayer, szOut, offsetof(PlayerRecord, szPicture), PICTURE_WIDTH);
}

void Set_Player_Picture(TNUM nTeam, PNUM nPlayer, const char* szPicture) {
    Set_Text(nTeam, nPlayer, szPicture, offsetof(PlayerRecord, szPicture), PICTURE_WIDTH,
             "Set_Player_Picture");
}

void Get_Player_College(TNUM nTeam, PNUM nPlayer, char* szOut) {
    Get_Text(nTeam, nPlayer, szOut, offsetof(PlayerRecord, szCollege), COLLEGE_WIDTH);
}

void Set_Player_College(TNUM nTeam, PNUM nPlayer, const char* szCollege) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Set_Player_College");
    if (!pRecord) return;
    Copy_Field(pRecord->szCollege, COLLEGE_WIDTH, szCollege);
    for (char* p = pRecord->szCollege; *p; p++)
        if (*p == '&') *p = '+';
}

void Get_Player_Reversed_Name(TNUM nTeam, PNUM nPlayer, char* szOut) {
    szOut[0] = '\0';
    if (!Is_Valid_Player(nTeam, nPlayer)) return;
    const PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nPlayer];
    snprintf(szOut, FULL_NAME_WIDTH + 1, "%.19s, %.11s", player.szLastName, player.szFirstName);
}

void Get_Player_Full_Name(TNUM nTeam, PNUM nPlayer, char* szOut) {
    if (!Valid_Team(nTeam)) {
        Error_Log("Invalid team in Get_Player_Full_Name()");
        strcpy(szOut, "INVALID-TEAM");
        return;
    }
    if (!Slot_In_Range(nPlayer) || g_League.aTeams[nTeam].aPlayers[nPlayer].anVital[VS_PLAYER_ID] == 0) {
        Error_Log("Invalid player in Get_Player_Full_Name()");
        strcpy(szOut, "INVALID-PLAYER");
        return;
    }
    const PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nPlayer];
    snprintf(szOut, FULL_NAME_WIDTH, "%.11s %.19s", player.szFirstName, player.szLastName);
}

// ---- Slots ----

PNUM First_Empty_Slot(TNUM nTeam) {
    if (!Team_Code_In_Range(nTeam)) {
        Error_Log("nTeam out of bounds in First_Empty_Slot()");
        return NO_PLAYER;
    }
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
        if (g_League.aTeams[nTeam].aPlayers[nPlayer].anVital[VS_PLAYER_ID] == 0) return nPlayer;
    return NO_PLAYER;
}

int Number_Of_Players(TNUM nTeam) {
    if (!Team_Code_In_Range(nTeam)) return 0;
    PNUM nEmpty = First_Empty_Slot(nTeam);
    return nEmpty == NO_PLAYER ? PLAYERS_PER_TEAM : nEmpty;
}

bool Is_Valid_Player(TNUM nTeam, PNUM nPlayer) {
    return Valid_Team(nTeam) && Slot_In_Range(nPlayer) &&
           g_League.aTeams[nTeam].aPlayers[nPlayer].anVital[VS_PLAYER_ID] != 0;
}

bool Is_Franchise_Player(TNUM nTeam, PNUM nPlayer) {
    return Is_Valid_Player(nTeam, nPlayer) && nTeam < NUMBER_OF_FRANCHISES;
}

// ---- Whole records ----

void Clear_Player(TNUM nTeam, PNUM nPlayer) {
    if (nTeam == NO_TEAM) {
        Error_Log("'NO_TEAM' passed to Clear_Player()");
        return;
    }
    if (nPlayer == NO_PLAYER) {
        Error_Log("'NO_PLAYER' passed to Clear_Player()");
        return;
    }
    if (!Team_Code_In_Range(nTeam)) {
        Error_Log("nTeam out of bounds in Clear_Player(%d,%d)", nTeam, nPlayer);
        return;
    }
    if (!Slot_In_Range(nPlayer)) {
        Error_Log("nPlayer out of bounds in Clear_Player()");
        return;
    }
    memset(&g_League.aTeams[nTeam].aPlayers[nPlayer], 0, sizeof(PlayerRecord));
}

// Logs "Negative <szWhat> in <routine>()" or "Invalid <szWhat> in <routine>()" for a bad place.
static bool Check_Place(TNUM nTeam, PNUM nPlayer, const char* szWhat, const char* szRoutine) {
    if (nTeam < 0 || nPlayer < 0) {
        Error_Log("Negative %s in %s()", szWhat, szRoutine);
        return false;
    }
    if (!Team_Code_In_Range(nTeam) || !Slot_In_Range(nPlayer)) {
        Error_Log("Invalid %s in %s()", szWhat, szRoutine);
        return false;
    }
    return true;
}

void Copy_Player(TNUM nDstTeam, PNUM nDstPlayer, TNUM nSrcTeam, PNUM nSrcPlayer) {
    if (!Check_Place(nDstTeam, nDstPlayer, "destination", "Copy_Player")) return;
    if (!Check_Place(nSrcTeam, nSrcPlayer, "source", "Copy_Player")) return;
    memmove(Player_Record(nDstTeam, nDstPlayer), Player_Record(nSrcTeam, nSrcPlayer), sizeof(PlayerRecord));
}

void Copy_Player_To_Memory(PlayerRecord* pBuffer, TNUM nTeam, PNUM nPlayer) {
    if (!Check_Place(nTeam, nPlayer, "source", "Copy_Player_To_Memory") || !pBuffer) return;
    memcpy(pBuffer, Player_Record(nTeam, nPlayer), sizeof(PlayerRecord));
}

void Copy_Player_From_Memory(TNUM nTeam, PNUM nPlayer, const PlayerRecord* pBuffer) {
    if (!Check_Place(nTeam, nPlayer, "destination", "Copy_Player_From_Memory") || !pBuffer) return;
    memcpy(Player_Record(nTeam, nPlayer), pBuffer, sizeof(PlayerRecord));
}

void Swap_Players(TNUM nTeamA, PNUM nPlayerA, TNUM nTeamB, PNUM nPlayerB) {
    if (nTeamA > TOTAL_NUMBER_OF_TEAMS || nTeamB > TOTAL_NUMBER_OF_TEAMS) {
        Error_Log("Invalid Swap_Players() Team");
        return;
    }
    if (nTeamA < 0 || nTeamB < 0) {
        Error_Log("Negative Swap_Players() Team");
        return;
    }
    if (nPlayerA >= PLAYERS_PER_TEAM || nPlayerB >= PLAYERS_PER_TEAM) {
        Error_Log("Invalid Swap_Players() Slot");
        return;
    }
    if (nPlayerA < 0 || nPlayerB < 0) {
        Error_Log("Negative Swap_Players() Slot");
        return;
    }
    if (nTeamA == nTeamB) {
        int8_t* pReturners = g_League.aTeams[nTeamA].data.abReturners;
        for (int i = 0; i < 2; i++) {
            if (pReturners[i] == nPlayerA)
                pReturners[i] = nPlayerB;
            else if (pReturners[i] == nPlayerB)
                pReturners[i] = nPlayerA;
        }
    }
    int32_t* pA = (int32_t*)Player_Record(nTeamA, nPlayerA);
    int32_t* pB = (int32_t*)Player_Record(nTeamB, nPlayerB);
    for (size_t i = 0; i < sizeof(PlayerRecord) / sizeof(int32_t); i++) {
        int32_t n = pA[i];
        pA[i] = pB[i];
        pB[i] = n;
    }
}

// ---- Keeping rosters gap-free ----

void Remove_Player(TNUM nTeam, PNUM nPlayer) {
    Clear_Player(nTeam, nPlayer);
    if (!Player_Record(nTeam, nPlayer)) return;
    for (int nSlot = nPlayer; nSlot < PLAYERS_PER_TEAM - 1; nSlot++)
        Swap_Players(nTeam, (PNUM)nSlot, nTeam, (PNUM)(nSlot + 1));
}

// His history goes back to the pool with him; a move copies the record
// first and the copy keeps the history, so only a departure comes here.
void Delete_Player(TNUM nTeam, PNUM nPlayer) {
    if (!Checked_Player_Record(nTeam, nPlayer, "Delete_Player")) return;
    // An empty slot's list is zeros, not -1: it names nobody's records.
    if (Is_Valid_Player(nTeam, nPlayer)) Remove_All_History(nTeam, nPlayer);
    Remove_Player(nTeam, nPlayer);
}

void Compact_Team(TNUM nTeam) {
    if (!Team_Code_In_Range(nTeam)) {
        Error_Log("nTeam out of bounds in Compact_Team()");
        return;
    }
    const PlayerRecord* aPlayers = g_League.aTeams[nTeam].aPlayers;
    for (bool bChanged = true; bChanged;) {
        bChanged = false;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM - 1; nSlot++) {
            if (aPlayers[nSlot].anVital[VS_PLAYER_ID] == 0 && aPlayers[nSlot + 1].anVital[VS_PLAYER_ID] != 0) {
                Remove_Player(nTeam, (PNUM)nSlot);
                bChanged = true;
                break;
            }
        }
    }
}

// The free agents have no depth chart of their own yet: depth order is slot order.
static void Remove_Surplus_Free_Agent() {
    const PlayerRecord* aPool = g_League.aTeams[FREE_AGENT_TEAM].aPlayers;
    int anCount[NUMBER_OF_POSITIONS] = {};
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        const int32_t* anVital = aPool[nSlot].anVital;
        int nPosition = anVital[VS_POSITION];
        if (anVital[VS_PLAYER_ID] != 0 && anVital[VS_INJURY_WEEKS] <= 0 && nPosition >= 0 &&
            nPosition < NUMBER_OF_POSITIONS)
            anCount[nPosition]++;
    }
    int nWorst = 0;
    for (int nPosition = 1; nPosition < NUMBER_OF_POSITIONS; nPosition++)
        if (anCount[nPosition] - Ideal_Roster_Count(nPosition) >= anCount[nWorst] - Ideal_Roster_Count(nWorst))
            nWorst = nPosition;
    int nVictim = PLAYERS_PER_TEAM - 1;  // when nobody plays that position
    for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0; nSlot--) {
        if (aPool[nSlot].anVital[VS_PLAYER_ID] != 0 && aPool[nSlot].anVital[VS_POSITION] == nWorst) {
            nVictim = nSlot;
            break;
        }
    }
    Delete_Player(FREE_AGENT_TEAM, (PNUM)nVictim);
}

PNUM Release_To_Free_Agency(TNUM nTeam, PNUM nPlayer) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Release_To_Free_Agency");
    if (!pRecord) return NO_PLAYER;
    int nID = pRecord->anVital[VS_PLAYER_ID];
    if (nID == 0) {
        Error_Log("Empty slot in Release_To_Free_Agency(%d,%d)", nTeam, nPlayer);
        return NO_PLAYER;
    }
    if (nTeam == FREE_AGENT_TEAM) return nPlayer;
    PNUM nSlot = First_Empty_Slot(FREE_AGENT_TEAM);
    if (nSlot == NO_PLAYER) {
        Remove_Surplus_Free_Agent();
        nSlot = First_Empty_Slot(FREE_AGENT_TEAM);
    }
    Swap_Players(FREE_AGENT_TEAM, nSlot, nTeam, nPlayer);
    Remove_Player(nTeam, nPlayer);
    Sort_Free_Agents();
    for (PNUM nNew = 0; nNew < PLAYERS_PER_TEAM; nNew++)
        if (g_League.aTeams[FREE_AGENT_TEAM].aPlayers[nNew].anVital[VS_PLAYER_ID] == nID) return nNew;
    return nSlot;
}

namespace {
// Grouped by position, quarterbacks first, the dearest of each position on top.
int Free_Agent_Order_Key(const int32_t* anVital) {
    int nSalary = Max(anVital[VS_SALARY], MINIMUM_SALARY);  // as the salary getter reads it
    if (!Get_Game_State(GS_DRAFT_LIST_ORDER)) return nSalary;
    return 1400000 - 100000 * anVital[VS_POSITION] + nSalary;
}

int Free_Agent_Sort_Key(PNUM nPlayer) {
    Get_Player_Vital_Stat(FREE_AGENT_TEAM, nPlayer, VS_SALARY);  // a salary below the least is raised on the way
    return Free_Agent_Order_Key(g_League.aTeams[FREE_AGENT_TEAM].aPlayers[nPlayer].anVital);
}
}  // namespace

// Neighbour exchange, one pass per player: equal keys keep their order, so a
// re-sort after one release moves nobody else.
void Sort_Free_Agents() {
    int nAgents = Number_Of_Players(FREE_AGENT_TEAM);
    for (int nPass = 0; nPass < nAgents; nPass++)
        for (PNUM nPlayer = 0; nPlayer + 1 < nAgents; nPlayer++)
            if (Free_Agent_Sort_Key(nPlayer) < Free_Agent_Sort_Key((PNUM)(nPlayer + 1)))
                Swap_Players(FREE_AGENT_TEAM, nPlayer, FREE_AGENT_TEAM, (PNUM)(nPlayer + 1));
}

bool Free_Agents_In_Order() {
    const PlayerRecord* aPool = g_League.aTeams[FREE_AGENT_TEAM].aPlayers;
    for (int nPlayer = 0; nPlayer + 1 < PLAYERS_PER_TEAM && aPool[nPlayer + 1].anVital[VS_PLAYER_ID] != 0; nPlayer++)
        if (Free_Agent_Order_Key(aPool[nPlayer].anVital) < Free_Agent_Order_Key(aPool[nPlayer + 1].anVital))
            return false;
    return true;
}

// ---- The player-ID index ----

namespace {
constexpr int INDEX_BUCKETS = 4096;
struct IdBucket {
    int32_t nID;  // -1 = empty
    TNUM nTeam;   // NO_TEAM when the position is not known
    PNUM nPlayer;
};
IdBucket g_aIndex[INDEX_BUCKETS];
bool g_bIndexReady = false;
int g_nIndexCount = 0;

void Empty_Index() {
    for (IdBucket& bucket : g_aIndex) bucket = {-1, NO_TEAM, NO_PLAYER};
    g_nIndexCount = 0;
    g_bIndexReady = true;
}

// The bucket that holds the ID or the empty bucket where it belongs; -1 when the index is full.
int Probe(int nPlayerID) {
    if (!g_bIndexReady) Empty_Index();
    int nBucket = nPlayerID & (INDEX_BUCKETS - 1);
    for (int nProbes = 0; nProbes < INDEX_BUCKETS; nProbes++) {
        if (g_aIndex[nBucket].nID == -1 || g_aIndex[nBucket].nID == nPlayerID) return nBucket;
        nBucket = (nBucket + 1) & (INDEX_BUCKETS - 1);
    }
    return -1;
}

int Slot_ID(TNUM nTeam, PNUM nPlayer) {
    const PlayerRecord* pRecord = Player_Record(nTeam, nPlayer);
    return pRecord ? pRecord->anVital[VS_PLAYER_ID] : 0;
}
}  // namespace

bool Find_Player_ID(int nPlayerID, TNUM* pTeam, PNUM* pPlayer) {
    if (pTeam) *pTeam = NO_TEAM;
    if (pPlayer) *pPlayer = NO_PLAYER;
    if (nPlayerID == 0) {
        Error_Log("nPlayerID=0 in Find_Player_ID()");
        return false;
    }
    int nBucket = Probe(nPlayerID);
    IdBucket* pBucket = nBucket >= 0 ? &g_aIndex[nBucket] : nullptr;
    if (pBucket && pBucket->nID == nPlayerID) {
        if (Slot_ID(pBucket->nTeam, pBucket->nPlayer) == nPlayerID) {
            if (pTeam) *pTeam = pBucket->nTeam;
            if (pPlayer) *pPlayer = pBucket->nPlayer;
            return true;
        }
        pBucket->nTeam = NO_TEAM;
        pBucket->nPlayer = NO_PLAYER;
    }
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            if (Slot_ID(nTeam, nPlayer) != nPlayerID) continue;
            if (pBucket && pBucket->nID == -1) {
                pBucket->nID = nPlayerID;
                g_nIndexCount++;
            }
            if (pBucket && (pTeam || pPlayer)) {
                pBucket->nTeam = nTeam;
                pBucket->nPlayer = nPlayer;
            }
            if (pTeam) *pTeam = nTeam;
            if (pPlayer) *pPlayer = nPlayer;
            return true;
        }
    }
    return false;
}

void Rebuild_Player_Index() {
    Forget_History_Allocation();  // the same signal: a league put in place wholesale
    Empty_Index();
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            int nPlayerID = Slot_ID(nTeam, nPlayer);
            if (nPlayerID == 0) continue;
            int nBucket = Probe(nPlayerID);
            if (nBucket < 0 || g_aIndex[nBucket].nID != -1) continue;  // full, or a duplicate ID
            g_aIndex[nBucket] = {nPlayerID, nTeam, nPlayer};
            g_nIndexCount++;
        }
    }
}

int Player_ID_Index_Count() { return g_nIndexCount; }

// ---- Aging parameters ----

// 1000 / (rand(7) - rand(7) + 10), the two draws in order.
static int Draw_Rate() {
    int nFirst = Random(7);
    int nSecond = Random(7);
    return 1000 / (nFirst - nSecond + 10);
}

// base + rand(5) - rand(5), the two draws in order.
static int Draw_Age(int nBase) {
    int nFirst = Random(5);
    int nSecond = Random(5);
    return nBase + nFirst - nSecond;
}

void Set_Aging_Parameters(TNUM nTeam, PNUM nPlayer) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Set_Aging_Parameters");
    if (!pRecord) return;
    int32_t* anVital = pRecord->anVital;
    if (Get_League_Rule(LR_FIXED_AGING) != 0) {
        anVital[VS_DECLINE_RATE] = 100;
        anVital[VS_GROWTH_RATE] = 100;
        anVital[VS_PEAK_START] = 26;
        anVital[VS_PEAK_END] = 31;
        return;
    }
    int nAge = anVital[VS_AGE];
    int nGrowth = Draw_Rate();
    if (nAge <= 26) nGrowth = Ratio(nGrowth, 37 - nAge, 10);
    int nDecline = Draw_Rate();
    if (nAge > 30) nDecline = Ratio(nDecline, nAge - 20, 10);
    anVital[VS_GROWTH_RATE] = nGrowth;
    anVital[VS_DECLINE_RATE] = nDecline;
    anVital[VS_PEAK_START] = Draw_Age(26);
    anVital[VS_PEAK_END] = Draw_Age(31);
}
