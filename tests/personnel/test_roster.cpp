#include <vector>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "personnel/player_creation.h"
#include "personnel/ratings.h"
#include "personnel/roster.h"
#include "personnel/scouting_error.h"
#include "personnel_support.h"
#include "test_support.h"

using RosterTest = LeagueTest;

namespace {
constexpr int P = PERIOD_PREDICTED;

struct Entry {
    int nPosition;
    int nQuality;  // larger is better
};

// Worth grows with nQuality at every position family used here.
void Add_Player(TNUM nTeam, PNUM nSlot, int nID, const Entry& e) {
    Make_Player(nTeam, nSlot, nID, e.nPosition);
    if (e.nPosition >= POS_DE && e.nPosition <= POS_S)
        Set_Player_Season_Stat(nTeam, nSlot, P, SS_TACKLES, e.nQuality);
    else if (e.nPosition <= POS_WR) {
        Set_Player_Season_Stat(nTeam, nSlot, P, SS_STORED_BLOCKING, 60);  // no bonus
        Set_Player_Season_Stat(nTeam, nSlot, P, SS_RECEIVING_YARDS, 10 * e.nQuality);
    } else if (e.nPosition <= POS_C)
        Set_Counters(nTeam, nSlot, P,
                     {{SS_GAMES, 16}, {SS_STARTS, 16}, {SS_RUSHES, 300}, {SS_RUSH_YARDS, 10 * e.nQuality}});
    else
        Set_Counters(nTeam, nSlot, P, {{SS_PUNTS, 50}, {SS_PUNT_YARDS, 40 * e.nQuality}});
}

// A full roster listed in a scrambled order: defence first, kickers in the
// middle, offence last, each position's players from worst to best.
std::vector<Entry> Standard_Roster() {
    return {
        {POS_S, 10},  {POS_S, 30},   {POS_S, 20},  {POS_LB, 10}, {POS_LB, 40}, {POS_LB, 30}, {POS_LB, 20},
        {POS_CB, 10}, {POS_CB, 30},  {POS_CB, 20}, {POS_DT, 10}, {POS_DT, 30}, {POS_DT, 20}, {POS_DE, 10},
        {POS_DE, 30}, {POS_DE, 20},  {POS_K, 10},  {POS_P, 10},  {POS_QB, 10}, {POS_QB, 20}, {POS_RB, 10},
        {POS_RB, 30}, {POS_RB, 20},  {POS_TE, 10}, {POS_TE, 20}, {POS_WR, 10}, {POS_WR, 40}, {POS_WR, 30},
        {POS_WR, 20}, {POS_T, 10},   {POS_T, 30},  {POS_T, 20},  {POS_G, 10},  {POS_G, 30},  {POS_G, 20},
        {POS_C, 10},  {POS_C, 20},
    };
}

int Fill_Team(TNUM nTeam, const std::vector<Entry>& roster, int nFirstID) {
    for (size_t i = 0; i < roster.size(); i++) Add_Player(nTeam, (PNUM)i, nFirstID + (int)i, roster[i]);
    return (int)roster.size();
}

int Position(TNUM nTeam, int nSlot) { return Get_Player_Vital_Stat(nTeam, (PNUM)nSlot, VS_POSITION); }
int Tackles(TNUM nTeam, int nSlot) { return Get_Player_Season_Stat(nTeam, (PNUM)nSlot, P, SS_TACKLES); }
int Side(int nPosition) { return nPosition <= POS_C ? SIDE_OFFENCE : nPosition <= POS_S ? SIDE_DEFENCE : SIDE_KICKERS; }
}  // namespace

TEST_F(RosterTest, DefensiveLineupOrderAfterOrganising) {
    Use_Teams(2);
    int n = Fill_Team(0, Standard_Roster(), 100);
    Organise_Team(0);
    PNUM nFirst = First_Slot_Of_Side(0, SIDE_DEFENCE);
    ASSERT_EQ(nFirst, 19);  // after nineteen offensive players
    const int LINEUP[11] = {POS_DE, POS_DT, POS_DT, POS_DE, POS_LB, POS_LB, POS_LB, POS_CB, POS_CB, POS_S, POS_S};
    const int TACKLES[11] = {30, 30, 20, 20, 30, 40, 20, 30, 20, 30, 20};
    for (int i = 0; i < 11; i++) {
        EXPECT_EQ(Position(0, nFirst + i), LINEUP[i]) << i;
        EXPECT_EQ(Tackles(0, nFirst + i), TACKLES[i]) << i;  // second-best linebacker before the best
    }
    // Backups by position, best first; then the kickers; no gaps.
    const int BACKUPS[5][2] = {{POS_DE, 10}, {POS_DT, 10}, {POS_LB, 10}, {POS_CB, 10}, {POS_S, 10}};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(Position(0, nFirst + 11 + i), BACKUPS[i][0]);
        EXPECT_EQ(Tackles(0, nFirst + 11 + i), BACKUPS[i][1]);
    }
    EXPECT_EQ(Position(0, n - 2), POS_K);
    EXPECT_EQ(Position(0, n - 1), POS_P);
    EXPECT_EQ(Number_Of_Players(0), n);
}

TEST_F(RosterTest, OffenceFollowsTheLineupAndSidesStayTogether) {
    Use_Teams(2);
    int n = Fill_Team(0, Standard_Roster(), 100);
    Organise_Team(0);
    const int LINEUP[11] = {POS_QB, POS_RB, POS_RB, POS_TE, POS_WR, POS_WR, POS_T, POS_G, POS_C, POS_G, POS_T};
    for (int i = 0; i < 11; i++) EXPECT_EQ(Position(0, i), LINEUP[i]) << i;
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, P, SS_RECEIVING_YARDS), 200);  // the better quarterback
    EXPECT_EQ(Get_Player_Season_Stat(0, 4, P, SS_RECEIVING_YARDS), 400);
    EXPECT_EQ(Get_Player_Season_Stat(0, 5, P, SS_RECEIVING_YARDS), 300);
    int nLastSide = 0;
    for (int p = 0; p < n; p++) {
        EXPECT_GE(Side(Position(0, p)), nLastSide) << p;
        nLastSide = Side(Position(0, p));
    }
    // Offensive backups: QB, RB, TE, WR, WR, T, G, C in position order.
    const int BACKUPS[8] = {POS_QB, POS_RB, POS_TE, POS_WR, POS_WR, POS_T, POS_G, POS_C};
    for (int i = 0; i < 8; i++) EXPECT_EQ(Position(0, 11 + i), BACKUPS[i]) << i;
    EXPECT_EQ(Get_Player_Season_Stat(0, 14, P, SS_RECEIVING_YARDS), 200);  // WR 20 before WR 10
}

TEST_F(RosterTest, RightPositionOutranksAnyBetterPlayerElsewhere) {
    Use_Teams(2);
    Fill_Team(0, {{POS_RB, 900}, {POS_QB, 1}, {POS_RB, 5}, {POS_RB, 4}, {POS_K, 1}}, 100);
    Organise_Team(0);
    EXPECT_EQ(Position(0, 0), POS_QB);
    EXPECT_EQ(Get_Player_Season_Stat(0, 1, P, SS_RECEIVING_YARDS), 9000);
}

TEST_F(RosterTest, MissingKickersAreCreatedOnAMinimumContract) {
    Use_Teams(2);
    Set_League_Rule(LR_START_YEAR, 2000);
    std::vector<Entry> roster = Standard_Roster();
    std::erase_if(roster, [](const Entry& e) { return e.nPosition >= POS_K; });
    int n = Fill_Team(0, roster, 100);
    // New players are made from templates: a kicker and a punter elsewhere.
    Add_Player(1, 0, 900, {POS_K, 10});
    Add_Player(1, 1, 901, {POS_P, 10});
    Set_Player_Season_Stat(1, 0, P, SS_STARTS, 16);
    Set_Player_Season_Stat(1, 1, P, SS_STARTS, 16);
    Build_Template_Pool();
    Seed_Random(11);
    Organise_Team(0);
    ASSERT_EQ(Number_Of_Players(0), n + 1);
    PNUM nNew = (PNUM)n;
    int nPosition = Position(0, nNew);
    EXPECT_TRUE(nPosition == POS_K || nPosition == POS_P);
    int nAge = Get_Player_Vital_Stat(0, nNew, VS_AGE);
    EXPECT_GE(nAge, 22);
    EXPECT_LE(nAge, 41);
    int nBirth = Get_Player_Vital_Stat(0, nNew, VS_BIRTH_DATE);
    int nMonth = nBirth / 100 % 100;
    EXPECT_EQ(nBirth / 10000, 2000 - nAge - (nMonth > 8 ? 1 : 0));
    EXPECT_GE(nBirth % 100, 1);
    EXPECT_EQ(Get_Player_Vital_Stat(0, nNew, VS_EXPERIENCE), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, nNew, VS_SALARY), 225);
    EXPECT_EQ(Get_Player_Vital_Stat(0, nNew, VS_BONUS), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, nNew, VS_CONTRACT_LEFT), 3);
    EXPECT_EQ(Get_Player_Vital_Stat(0, nNew, VS_CONTRACT_YEARS), 3);
    // Organising again creates nobody.
    Organise_Team(0);
    EXPECT_EQ(Number_Of_Players(0), n + 1);
}

TEST_F(RosterTest, ReturnersChosenByReturnSkillAndFollowTheirPlayers) {
    Use_Teams(2);
    Fill_Team(0, Standard_Roster(), 100);
    Set_Player_Season_Stat(0, 9, P, SS_KICK_RETURN_YARDS, 800);                   // a cornerback backup
    Set_Player_Season_Stat(0, 9, PERIOD_LAST_SEASON, SS_KICK_RETURN_YARDS, 100);  // 800 + 10
    Set_Player_Season_Stat(0, 25, P, SS_KICK_RETURN_YARDS, 805);                  // a receiver: 805
    Set_Player_Season_Stat(0, 27, PERIOD_LAST_SEASON, SS_PUNT_RETURN_YARDS, 900);  // last season only: 90
    Organise_Team(0);
    PNUM nKick = Get_Team_Returner(0, KICK_RETURNER);
    PNUM nPunt = Get_Team_Returner(0, PUNT_RETURNER);
    EXPECT_EQ(Get_Player_Vital_Stat(0, nKick, VS_PLAYER_ID), 109);
    EXPECT_EQ(Get_Player_Vital_Stat(0, nPunt, VS_PLAYER_ID), 127);
    EXPECT_EQ(Get_Player_Season_Stat(0, nKick, P, SS_KICK_RETURN_SKILL), 810);
}

TEST_F(RosterTest, ComputerTeamsOnlyAndNoneInCommissionerMode) {
    Use_Teams(3);
    for (TNUM t = 0; t < 3; t++) Fill_Team(t, Standard_Roster(), 100 * (t + 1));
    Set_Team_Stat(1, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Make_Player(FREE_AGENT_TEAM, 3, 900, POS_QB);  // a gap before him
    PlayerRecord before[3];
    for (TNUM t = 0; t < 3; t++) Copy_Player_To_Memory(&before[t], t, 0);

    Set_Game_State(GS_COMMISSIONER, 1);
    Organise_Computer_Teams();
    for (TNUM t = 0; t < 3; t++) EXPECT_EQ(Get_Player_Vital_Stat(t, 0, VS_POSITION), POS_S);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VS_PLAYER_ID), 900);  // gaps closed all the same

    Set_Game_State(GS_COMMISSIONER, 0);
    Organise_Computer_Teams();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_POSITION), POS_QB);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 0, VS_POSITION), POS_S);  // the user's roster is his own
    EXPECT_EQ(Get_Player_Vital_Stat(2, 0, VS_POSITION), POS_QB);
    Organise_Every_Team();
    EXPECT_EQ(Get_Player_Vital_Stat(1, 0, VS_POSITION), POS_QB);
}

TEST_F(RosterTest, HumanTeamDrawsOnceForEveryCandidate) {
    Use_Teams(2);
    int n = Fill_Team(0, Standard_Roster(), 100);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Group_By_Side(0);
    int nSide[3] = {19, 16, 2};
    int nDraws = 0;
    for (int s = 0; s < 3; s++)
        for (int i = 0; i < Starter_Spots(s); i++) nDraws += nSide[s] - i;
    Seed_Random(3);
    for (int i = 0; i < nDraws; i++) Random_Next();
    uint32_t nExpected = Random_Next();
    Seed_Random(3);
    for (int s = 0; s < 3; s++) Choose_Starters(0, s);
    EXPECT_EQ(Random_Next(), nExpected);
    // Blurred or not, positions are never mixed up.
    EXPECT_EQ(Position(0, 0), POS_QB);
    EXPECT_EQ(Position(0, n - 2), POS_K);
}

TEST_F(RosterTest, ShortSideLeavesOpenSpotsAndNeverPullsAnotherSide) {
    Use_Teams(2);
    Fill_Team(0, {{POS_QB, 10}, {POS_RB, 10}, {POS_DE, 10}, {POS_LB, 10}, {POS_K, 10}, {POS_P, 10}}, 100);
    // Spots a side cannot fill stay open; slot 0 is never dragged into them.
    Organise_Team(0);
    EXPECT_EQ(Number_Of_Players(0), 6);
    const int ORDER[6] = {POS_QB, POS_RB, POS_DE, POS_LB, POS_K, POS_P};
    for (int i = 0; i < 6; i++) EXPECT_EQ(Position(0, i), ORDER[i]) << i;
}

TEST_F(RosterTest, ScoutingErrorAndPlayerHash) {
    Use_Teams(4);
    Set_Game_State(GS_DIFFICULTY, 3);
    EXPECT_EQ(Month_Of_Day(243), 8);  // the first week is in September
    EXPECT_EQ(Player_Hash(1234, 100), 71);
    EXPECT_EQ(Scouting_Error(NO_TEAM, 1234), 1);  // (300 - 1000 + 1500) / 4 / 72
    Set_Team_Financial_Stat(0, FIN_SCOUTING_QUALITY, 400);
    EXPECT_EQ(Scouting_Error(0, 1234), 2);
    Set_Team_Financial_Stat(0, FIN_SCOUTING_QUALITY, 600);
    Set_Team_Financial_Stat(1, FIN_SCOUTING_QUALITY, 700);
    Set_Team_Financial_Stat(2, FIN_SCOUTING_QUALITY, 800);
    EXPECT_EQ(Scouting_Error(0, 1234), -2);  // two better of three others: 1500 - 666
    Set_Game_State(GS_SEASON_INDEX, 6);
    EXPECT_EQ(Player_Hash(0, 100), 0);
    Set_Team_Financial_Stat(0, FIN_SCOUTING_QUALITY, 0);
    EXPECT_EQ(Scouting_Error(0, 0), 14);
    Set_Game_State(GS_COMMISSIONER, 1);
    EXPECT_EQ(Scouting_Error(0, 0), 0);
}

TEST_F(RosterTest, GapsAreClosedAndNobodyIsLost) {
    Use_Teams(2);
    int n = Fill_Team(0, Standard_Roster(), 100);
    // Move two players behind a run of empty slots.
    Swap_Players(0, 3, 0, 60);
    Swap_Players(0, 20, 0, 75);
    Organise_Team(0);
    EXPECT_EQ(Number_Of_Players(0), n);
    std::vector<bool> seen(n, false);
    for (PNUM p = 0; p < n; p++) seen[Get_Player_Vital_Stat(0, p, VS_PLAYER_ID) - 100] = true;
    for (int i = 0; i < n; i++) EXPECT_TRUE(seen[i]) << i;
    EXPECT_EQ(Position(0, 0), POS_QB);
    EXPECT_EQ(Position(0, 19), POS_DE);
}
