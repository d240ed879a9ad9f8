// The history pool: one record per player and season, listed by index in the
// player's record in ascending year order. Index 32767 is never handed out.
#include <cstring>

#include "database/player.h"
#include "database/player_internal.h"
#include "platform/platform.h"

namespace {
constexpr int LAST_USABLE_RECORD = NUMBER_OF_HISTORY_RECORDS - 2;

bool Counters_Used(const int32_t* anStats) {
    for (int i = 0; i < NUMBER_OF_COUNTERS; i++)
        if (anStats[i] != 0) return true;
    return false;
}
}  // namespace

// Every record below it is in use, so the search for the first free one
// starts there rather than at 0: a league holds some 25,000 records and
// opens thousands a season. A league read or made afresh starts it at 0
// again; should it ever stand too high, the search wraps round.
namespace {
int g_nFirstFree = 0;
}  // namespace

int Allocate_History_Record() {
    for (int nRecord = g_nFirstFree; nRecord <= LAST_USABLE_RECORD; nRecord++)
        if (g_League.aHistory[nRecord].nYear == 0) return g_nFirstFree = nRecord;
    for (int nRecord = 0; nRecord < g_nFirstFree && nRecord <= LAST_USABLE_RECORD; nRecord++)
        if (g_League.aHistory[nRecord].nYear == 0) return g_nFirstFree = nRecord;
    return -1;
}

void Free_History_Record(int nRecord) {
    if (!History_Record_In_Range(nRecord)) return;
    memset(&g_League.aHistory[nRecord], 0, sizeof(HistoryRecord));
    if (nRecord < g_nFirstFree) g_nFirstFree = nRecord;
}

void Forget_History_Allocation() { g_nFirstFree = 0; }

int Count_History_Records_In_Use() {
    int nUsed = 0;
    for (const HistoryRecord& record : g_League.aHistory)
        if (record.nYear != 0) nUsed++;
    return nUsed;
}

int Get_History_Year(int nRecord) { return History_Record_In_Range(nRecord) ? g_League.aHistory[nRecord].nYear : 0; }

int Get_History_Experience(int nRecord) {
    return History_Record_In_Range(nRecord) ? g_League.aHistory[nRecord].nExperience : 0;
}

TNUM Get_History_Team(int nRecord) {
    return History_Record_In_Range(nRecord) ? (TNUM)(g_League.aHistory[nRecord].nTeam & 0xFF) : NO_TEAM;
}

// The open record counts only while it is one of the player's own entries:
// a cleared or copied record may still carry a stale index.
int Get_Player_Open_Record(TNUM nTeam, PNUM nPlayer) {
    const PlayerRecord* pRecord = Player_Record(nTeam, nPlayer);
    if (!pRecord) return -1;
    int nOpen = pRecord->nOpenRecord;
    if (nOpen < 0 || nOpen > LAST_USABLE_RECORD) return -1;
    for (int nEntry = 0; nEntry < HISTORY_ENTRIES; nEntry++)
        if (pRecord->anHistory[nEntry] == nOpen) return nOpen;
    return -1;
}

int Open_History_Record(TNUM nTeam, PNUM nPlayer, bool bMakeOpen) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Open_History_Record");
    if (!pRecord) return -1;
    int nRecord = Get_Player_Open_Record(nTeam, nPlayer);
    if (nRecord < 0 || Counters_Used(g_League.aHistory[nRecord].anStats)) {
        // What was open holds another season or team: with no record of his
        // own this season he records nothing rather than pour into it.
        pRecord->nOpenRecord = -1;
        int nEntry = 0;
        while (nEntry < HISTORY_ENTRIES && pRecord->anHistory[nEntry] != -1) nEntry++;
        if (nEntry == HISTORY_ENTRIES) return -1;  // the list is full
        nRecord = Allocate_History_Record();
        if (nRecord < 0) return -1;  // the pool is full: the season is not recorded
        pRecord->anHistory[nEntry] = nRecord;
    }
    HistoryRecord& history = g_League.aHistory[nRecord];
    history.nYear = Current_Calendar_Year();
    history.nTeam = (uint8_t)nTeam;
    // The season he is in: negative while he is still at college.
    history.nExperience = pRecord->anVital[VS_EXPERIENCE];
    if (bMakeOpen) pRecord->nOpenRecord = nRecord;
    return nRecord;
}

void Snapshot_Player_Period(TNUM nTeam, PNUM nPlayer, int nPeriod) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Snapshot_Player_Period");
    if (!pRecord) return;
    if (nPeriod != PERIOD_THIS_SEASON && nPeriod != PERIOD_LAST_SEASON) {
        Error_Log("Invalid nPeriod in Snapshot_Player_Period(%d)", nPeriod);
        return;
    }
    if (nPeriod == PERIOD_LAST_SEASON && pRecord->anStats[PERIOD_LAST_SEASON][SS_GAMES] == 0) return;
    int nRecord = Open_History_Record(nTeam, nPlayer, true);
    if (nRecord < 0) return;
    HistoryRecord& history = g_League.aHistory[nRecord];
    if (nPeriod == PERIOD_LAST_SEASON) history.nYear--;
    memcpy(history.anStats, pRecord->anStats[nPeriod], sizeof history.anStats);
}

void Add_Player_Open_Record_Stat(TNUM nTeam, PNUM nPlayer, int nStat, int nValue) {
    if (nStat < 0 || nStat >= NUMBER_OF_COUNTERS) {
        Error_Log("Invalid nStat in Add_Player_Open_Record_Stat(%d)", nStat);
        return;
    }
    int nRecord = Get_Player_Open_Record(nTeam, nPlayer);
    if (nRecord >= 0) g_League.aHistory[nRecord].anStats[nStat] += nValue;
}

int Count_History_Entries(TNUM nTeam, PNUM nPlayer) {
    const PlayerRecord* pRecord = Player_Record(nTeam, nPlayer);
    if (!pRecord) return 0;
    int nCount = 0;
    for (int nEntry = 0; nEntry < HISTORY_ENTRIES; nEntry++)
        if (pRecord->anHistory[nEntry] != -1) nCount++;
    return nCount;
}

int Get_Player_History_Record(TNUM nTeam, PNUM nPlayer, int nEntry) {
    const PlayerRecord* pRecord = Player_Record(nTeam, nPlayer);
    if (!pRecord || nEntry < 0 || nEntry >= HISTORY_ENTRIES) return -1;
    int nRecord = pRecord->anHistory[nEntry];
    return History_Record_In_Range(nRecord) ? nRecord : -1;
}

int Find_Player_History_Year(TNUM nTeam, PNUM nPlayer, int nYear) {
    for (int nEntry = 0; nEntry < HISTORY_ENTRIES; nEntry++) {
        int nRecord = Get_Player_History_Record(nTeam, nPlayer, nEntry);
        if (nRecord >= 0 && g_League.aHistory[nRecord].nYear == nYear) return nEntry;
    }
    return -1;
}

bool Has_History_Year(TNUM nTeam, PNUM nPlayer, int nYear) {
    return Find_Player_History_Year(nTeam, nPlayer, nYear) >= 0;
}

void Remove_History_Entry(TNUM nTeam, PNUM nPlayer, int nEntry) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Remove_History_Entry");
    if (!pRecord) return;
    if (nEntry < 0 || nEntry >= HISTORY_ENTRIES) {
        Error_Log("Invalid nEntry in Remove_History_Entry(%d)", nEntry);
        return;
    }
    Free_History_Record(pRecord->anHistory[nEntry]);
    for (int k = nEntry; k < HISTORY_ENTRIES - 1; k++) pRecord->anHistory[k] = pRecord->anHistory[k + 1];
    pRecord->anHistory[HISTORY_ENTRIES - 1] = -1;
}

void Remove_All_History(TNUM nTeam, PNUM nPlayer) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Remove_All_History");
    if (!pRecord) return;
    for (int nEntry = 0; nEntry < HISTORY_ENTRIES; nEntry++) {
        Free_History_Record(pRecord->anHistory[nEntry]);
        pRecord->anHistory[nEntry] = -1;
    }
}

void Clear_Player_Stats(TNUM nTeam, PNUM nPlayer) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Clear_Player_Stats");
    if (!pRecord) return;
    for (int nPeriod = PERIOD_THIS_SEASON; nPeriod <= PERIOD_CAREER; nPeriod++)
        memset(pRecord->anStats[nPeriod], 0, sizeof pRecord->anStats[nPeriod]);
    Remove_All_History(nTeam, nPlayer);
}

void Sort_History_Lists() {
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            if (!Is_Valid_Player(nTeam, nPlayer)) continue;
            int32_t* anList = g_League.aTeams[nTeam].aPlayers[nPlayer].anHistory;
            for (int nPass = 0; nPass < HISTORY_ENTRIES - 1; nPass++) {
                for (int k = 0; k < HISTORY_ENTRIES - 1; k++) {
                    if (!History_Record_In_Range(anList[k]) || !History_Record_In_Range(anList[k + 1])) continue;
                    if (g_League.aHistory[anList[k + 1]].nYear < g_League.aHistory[anList[k]].nYear) {
                        int32_t n = anList[k];
                        anList[k] = anList[k + 1];
                        anList[k + 1] = n;
                    }
                }
            }
        }
    }
}
