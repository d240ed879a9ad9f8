// Team codes stored outside the team blocks. A code names a block by its
// place, so when blocks move (the team order of a load) every stored code
// must be renumbered in the same pass, or a schedule, a playoff tree or a
// draft pick starts naming another team.
#include <cstring>
#include <initializer_list>

#include "database/player.h"
#include "database/team.h"

namespace {
GameRecordTeamsHook s_pGameRecordTeams = nullptr;

struct CodeMap {
    const TNUM* anNewCode;
    int operator()(int nCode) const {
        return nCode >= 0 && nCode < NUMBER_OF_FRANCHISES ? anNewCode[nCode] : nCode;
    }
};

// A slot holds +(code + 1) or -(code + 1); the sign says who was named first.
int Renumber_Opponent(int nEntry, const CodeMap& newCode) {
    // A damaged entry names no block; left as it is, the range check refuses it.
    if (nEntry > NUMBER_OF_FRANCHISES || nEntry < -NUMBER_OF_FRANCHISES) return nEntry;
    if (nEntry > 0) return newCode(nEntry - 1) + 1;
    if (nEntry < 0) return -(newCode(-nEntry - 1) + 1);
    return 0;
}

void Renumber_Draft_Picks(const CodeMap& newCode) {
    constexpr int DRAFTS = sizeof g_League.abDraftPicks / sizeof g_League.abDraftPicks[0];
    constexpr int ROUNDS = sizeof g_League.abDraftPicks[0] / sizeof g_League.abDraftPicks[0][0];
    // A pick is filed under the team it was first given to, and names its owner.
    for (int nDraft = 0; nDraft < DRAFTS; nDraft++)
        for (int nRound = 0; nRound < ROUNDS; nRound++) {
            uint8_t abOld[NUMBER_OF_FRANCHISES];
            memcpy(abOld, g_League.abDraftPicks[nDraft][nRound], sizeof abOld);
            for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
                g_League.abDraftPicks[nDraft][nRound][newCode(nTeam)] = (uint8_t)newCode(abOld[nTeam]);
        }
    uint8_t abFlags[NUMBER_OF_FRANCHISES];
    memcpy(abFlags, g_League.abDraftFlags, sizeof abFlags);
    for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) g_League.abDraftFlags[newCode(nTeam)] = abFlags[nTeam];
}

void Renumber_Players(const CodeMap& newCode) {
    for (TeamBlock& team : g_League.aTeams)
        for (PlayerRecord& player : team.aPlayers) {
            if (player.anVital[VS_PLAYER_ID] == 0) continue;
            int32_t& nDrafted = player.anVital[VS_DRAFTED];
            if (nDrafted >= DRAFTED_TEAM_UNIT) {
                int nTeam = nDrafted / DRAFTED_TEAM_UNIT - 1;
                nDrafted = (newCode(nTeam) + 1) * DRAFTED_TEAM_UNIT + nDrafted % DRAFTED_TEAM_UNIT;
            }
            player.anVital[VS_DESTINATION] = newCode(player.anVital[VS_DESTINATION]);
        }
}

void Renumber_History(const CodeMap& newCode) {
    for (HistoryRecord& record : g_League.aHistory) {
        if (record.nYear == 0) continue;
        int nTeam = record.nTeam & 0xFF;
        record.nTeam = (int32_t)(((uint32_t)record.nTeam & ~0xFFu) | (uint32_t)(newCode(nTeam) & 0xFF));
    }
}
}  // namespace

void Set_Game_Record_Teams_Hook(GameRecordTeamsHook pHook) { s_pGameRecordTeams = pHook; }

void Renumber_Team_Codes(const TNUM anNewCode[NUMBER_OF_FRANCHISES]) {
    CodeMap newCode{anNewCode};
    for (int nEntry : {GS_USER_TEAM, GS_MANAGED_TEAM, GS_TRADE_PARTNER, GS_DRAFT_ORDER_TEAM})
        g_League.anGameState[nEntry] = newCode(g_League.anGameState[nEntry]);
    // The blocks have moved already: each holds its own slots with old codes.
    for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        for (int nSlot = 0; nSlot < SCHEDULE_SLOTS; nSlot++) {
            int32_t& nEntry = g_League.aTeams[nTeam].data.anSchedule[nSlot][SLOT_OPPONENT];
            nEntry = Renumber_Opponent(nEntry, newCode);
        }
    for (int nSlot = 0; nSlot < NUMBER_OF_PLAYOFF_SLOTS; nSlot++)
        g_League.abPlayoffTeams[nSlot] = (int8_t)newCode(g_League.abPlayoffTeams[nSlot]);
    for (auto& abDivision : g_League.abStandingsOrder)
        for (int8_t& nTeam : abDivision) nTeam = (int8_t)newCode(nTeam);
    Renumber_Draft_Picks(newCode);
    Renumber_Players(newCode);
    Renumber_History(newCode);
    if (s_pGameRecordTeams) s_pGameRecordTeams(anNewCode);
}
