// The college draft on the default league: the order, who is on the clock,
// the computer's and the person's picks, the draft file, and the league left
// sound and in its new season once the draft is over.
#include <cstdlib>
#include <fstream>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "database/integrity.h"
#include "database/season_state.h"
#include "database/text_format.h"
#include "default_season_fixture.h"
#include "personnel/negotiation.h"
#include "personnel/scouting_error.h"
#include "season/college_draft.h"
#include "season/draft_dialog.h"
#include "season/schedule.h"

namespace {
std::vector<int> s_PagesShown;
void Record_Page(int nPage) { s_PagesShown.push_back(nPage); }

class CollegeDraftTest : public DefaultSeasonTest {
  protected:
    void SetUp() override {
        DefaultSeasonTest::SetUp();
        Start(5);
        // The draft comes after the off-season has moved the season on: the
        // default league's own rookies were drafted the year before.
        Set_Game_State(GS_SEASON_INDEX, 1);
        s_PagesShown.clear();
        SeasonLoopObserver observer{};
        observer.pShow_Page = Record_Page;
        Set_Season_Loop_Observer(observer);
        m_ePolicy = Get_Contract_Policy();
    }
    void TearDown() override {
        Set_Season_Loop_Observer(SeasonLoopObserver{});
        Set_Contract_Policy(m_ePolicy);
        DefaultSeasonTest::TearDown();
    }
    // A draft standing at its first pick, without running any pick.
    static void Open_Draft() {
        Set_Game_State(GS_DRAFT_ROUND, 0);
        Set_Game_State(GS_DRAFT_PICK, 0);
        Set_Draft_Order();
        ASSERT_TRUE(Make_College_Class());
    }
    // The season just ended: every team the same finish (rank 0 of a
    // champion) but the ones given, outside the playoffs.
    static void Set_Finishes(std::initializer_list<std::pair<TNUM, int>> worse) {
        int nYear = Current_Season_Index() - 1;
        for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
            Set_Team_Yearly_Stat(nTeam, nYear, YR_FINAL_RANK, 0);
            Set_Team_Yearly_Stat(nTeam, nYear, YR_OUTCOME, 8);
        }
        for (auto [nTeam, nRank] : worse) {
            Set_Team_Yearly_Stat(nTeam, nYear, YR_FINAL_RANK, nRank);
            Set_Team_Yearly_Stat(nTeam, nYear, YR_OUTCOME, 0);
        }
    }
    static int Pool_Count() {
        int nCount = 0;
        for (int nTeam = DRAFT_POOL_TEAMS; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
            nCount += Number_Of_Players((TNUM)nTeam);
        return nCount;
    }
    // Fills the roster to 80 with journeymen.
    static void Fill_Roster(TNUM nTeam) {
        for (PNUM nSlot = First_Empty_Slot(nTeam); nSlot != NO_PLAYER; nSlot = First_Empty_Slot(nTeam))
            ASSERT_EQ(Make_Journeyman(nTeam, nSlot, POS_LB), 1);
    }
    static std::vector<std::string> Draft_File_Lines() {
        std::ifstream file(Draft_File_Path());
        std::vector<std::string> lines;
        for (std::string szLine; std::getline(file, szLine);) lines.push_back(szLine);
        return lines;
    }
    static int Drafted_This_Year(TNUM nTeam) {
        int nCount = 0;
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Valid_Player(nTeam, nSlot) && Get_Player_Vital_Stat(nTeam, nSlot, VS_DRAFTED) ==
                                                     (nTeam + 1) * DRAFTED_TEAM_UNIT + Current_Calendar_Year())
                nCount++;
        return nCount;
    }
    static bool Has_Player(TNUM nTeam, int nID) {
        TNUM nFound = NO_TEAM;
        return Find_Player_ID(nID, &nFound) && nFound == nTeam;
    }
    static void Expect_New_Season_Set_Up() {
        EXPECT_FALSE(College_Draft_Running());
        EXPECT_EQ(Current_Week(), 0);
        EXPECT_EQ(Pool_Count(), 0);
        int nScheduled = 0;
        for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
            if (Valid_Team(nTeam) && Get_Schedule_Opponent(nTeam, 0) != NO_TEAM) nScheduled++;
        EXPECT_GT(nScheduled, 0);
        for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++)
            for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
                if (Is_Valid_Player((TNUM)nTeam, nSlot)) {
                    EXPECT_GE(Get_Player_Vital_Stat((TNUM)nTeam, nSlot, VS_EXPERIENCE), 0);
                }
        std::vector<std::string> violations;
        EXPECT_EQ(Check_League_Integrity(&violations), 0) << (violations.empty() ? "" : violations.front());
    }
    ContractPolicy m_ePolicy = CONTRACT_POLICY_ASK;
};
}  // namespace

// Worst finish outside the playoffs first, the champion last, equal keys in
// code order; the owner of a traded pick makes it.
TEST_F(CollegeDraftTest, TheOrderFollowsTheFinishAndTradedPicksGoToTheirOwners) {
    Set_Finishes({{9, 1}, {5, 3}, {2, 1}});
    Open_Draft();
    EXPECT_EQ(Number_Of_Players(DRAFT_POOL_TEAMS), PLAYERS_PER_TEAM);  // the class fills the pool in order
    EXPECT_EQ(Number_Of_Players(DRAFT_POOL_TEAMS + 2), COLLEGE_CLASS_SIZE - 2 * PLAYERS_PER_TEAM);
    EXPECT_EQ(Draft_Order_Team(0), 5);
    EXPECT_EQ(Draft_Order_Team(1), 2);
    EXPECT_EQ(Draft_Order_Team(2), 9);
    EXPECT_EQ(Draft_Order_Team(3), 0);
    EXPECT_EQ(Draft_Order_Team(Number_Of_Teams()), NO_TEAM);

    EXPECT_EQ(Team_On_The_Clock(), 5);
    g_League.abDraftPicks[0][0][5] = 20;  // 5's first-round pick belongs to 20
    EXPECT_EQ(Team_On_The_Clock(), 20);
    Set_Game_State(GS_DRAFT_ROUND, 1);
    EXPECT_EQ(Team_On_The_Clock(), 5);
    g_League.abDraftPicks[0][1][5] = 99;  // no team: the pick stays home
    EXPECT_EQ(Team_On_The_Clock(), 5);

    // 20 picks in 5's place; the draft stops where a person picks next.
    Set_Game_State(GS_DRAFT_ROUND, 0);
    Set_Team_Stat(2, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Run_Computer_Picks();
    EXPECT_EQ(Drafted_This_Year(20), 1);
    EXPECT_EQ(Drafted_This_Year(5), 0);
    EXPECT_EQ(Get_Game_State(GS_DRAFT_PICK), 1);
    EXPECT_EQ(Team_On_The_Clock(), 2);

    // A damaged order falls back to code order rather than stalling.
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) Set_Draft_Place(nTeam, NOT_IN_DRAFT_ORDER);
    EXPECT_EQ(Draft_Order_Team(1), 1);
}

TEST_F(CollegeDraftTest, EqualScoresGoToTheEarlierProspectAndAFullRosterPassesLate) {
    Open_Draft();
    for (int nTeam = DRAFT_POOL_TEAMS; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM nSlot = 0; nSlot < Number_Of_Players((TNUM)nTeam); nSlot++) {
            Set_Player_Vital_Stat((TNUM)nTeam, nSlot, VS_POSITION, POS_LB);
            Set_Player_Vital_Stat((TNUM)nTeam, nSlot, VS_SCOUT_SCORE, 500);
        }
    int nFirst = Get_Player_Vital_Stat(DRAFT_POOL_TEAMS, 0, VS_PLAYER_ID);
    ASSERT_TRUE(Computer_Draft_Pick(3));
    EXPECT_TRUE(Has_Player(3, nFirst));
    // One point more, far down the pool, beats every earlier tie.
    Set_Player_Vital_Stat(DRAFT_POOL_TEAMS + 2, 10, VS_SCOUT_SCORE, 501);
    int nBetter = Get_Player_Vital_Stat(DRAFT_POOL_TEAMS + 2, 10, VS_PLAYER_ID);
    ASSERT_TRUE(Computer_Draft_Pick(3));
    EXPECT_TRUE(Has_Player(3, nBetter));

    Fill_Roster(4);
    int nPool = Pool_Count();
    Set_Game_State(GS_DRAFT_ROUND, 5);  // the sixth round: nobody is released for a pick
    EXPECT_FALSE(Computer_Draft_Pick(4));
    EXPECT_EQ(Number_Of_Players(4), PLAYERS_PER_TEAM);
    EXPECT_EQ(Pool_Count(), nPool);
    // In the first four rounds the last defender makes room for the linebacker.
    Set_Game_State(GS_DRAFT_ROUND, 3);
    PNUM nLast = PLAYERS_PER_TEAM - 1;
    while (Get_Player_Side(4, nLast) != SIDE_DEFENCE) nLast--;
    int nReleased = Get_Player_Vital_Stat(4, nLast, VS_PLAYER_ID);
    EXPECT_TRUE(Computer_Draft_Pick(4));
    EXPECT_EQ(Number_Of_Players(4), PLAYERS_PER_TEAM);
    EXPECT_EQ(Pool_Count(), nPool - 1);
    EXPECT_TRUE(Has_Player(FREE_AGENT_TEAM, nReleased));
}

TEST_F(CollegeDraftTest, AnAllComputerDraftWritesEveryRoundAndSetsUpTheNewSeason) {
    int nUnowned = Count_Unowned_History_Records();
    Start_College_Draft();
    EXPECT_EQ(Get_Game_State(GS_DRAFT_ROUND), NUMBER_OF_DRAFT_ROUNDS);
    Expect_New_Season_Set_Up();
    // Undrafted prospects and any free agent they pushed out kept or gave back their records.
    EXPECT_EQ(Count_Unowned_History_Records(), nUnowned);

    std::vector<std::string> lines = Draft_File_Lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "               " + std::to_string(Current_Calendar_Year()) + " COLLEGE DRAFT");
    const char* const ROUNDS[] = {"FIRST", "SECOND", "THIRD", "FOURTH", "FIFTH", "SIXTH", "SEVENTH"};
    int nRound = -1, nPicks = 0;
    std::vector<int> anPicksInRound(NUMBER_OF_DRAFT_ROUNDS, 0);
    std::set<std::string> picks;
    for (size_t n = 2; n < lines.size(); n++) {
        if (lines[n].empty()) {
            ASSERT_LT(nRound + 1, NUMBER_OF_DRAFT_ROUNDS) << "a banner too many at line " << n;
            ASSERT_LT(n + 1, lines.size());
            EXPECT_EQ(lines[++n], std::string("================= ") + ROUNDS[++nRound] + " ROUND =================");
            continue;
        }
        ASSERT_GE(nRound, 0);
        anPicksInRound[(size_t)nRound]++;
        nPicks++;
        picks.insert(lines[n]);
    }
    EXPECT_EQ(nRound, NUMBER_OF_DRAFT_ROUNDS - 1);
    for (int nCount : anPicksInRound) {
        EXPECT_LE(nCount, Number_Of_Teams());
        EXPECT_GE(nCount, Number_Of_Teams() - 4);  // only a full roster passes
    }
    // A line for every player drafted, each with his own overall pick.
    std::set<int> overall;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        for (PNUM nSlot = 0; Valid_Team(nTeam) && nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Valid_Player(nTeam, nSlot) && Get_Player_Vital_Stat(nTeam, nSlot, VS_DRAFTED) ==
                                                     (nTeam + 1) * DRAFTED_TEAM_UNIT + Current_Calendar_Year())
                overall.insert(Get_Player_Vital_Stat(nTeam, nSlot, VS_DRAFT_PICK) % DRAFTED_TEAM_UNIT);
    EXPECT_EQ((int)overall.size(), nPicks);
    EXPECT_EQ(picks.size(), (size_t)nPicks);
}

TEST_F(CollegeDraftTest, APersonIsToldWhenOnTheClockAndPicksAfterTheNegotiation) {
    constexpr TNUM nFirst = 7;
    Set_Finishes({{nFirst, 5}});
    Set_Team_Stat(nFirst, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Start_College_Draft();
    ASSERT_TRUE(College_Draft_Running());
    EXPECT_EQ(Team_On_The_Clock(), nFirst);
    char szNick[TEXT_SIZE];
    Get_Team_Nickname(nFirst, szNick);
    ASSERT_FALSE(Headless_Notices().empty());
    EXPECT_EQ(Headless_Notices().back().title, "Round 1: Overall Pick #1");
    EXPECT_EQ(Headless_Notices().back().text,
              std::string(szNick) + ": Make your draft pick (choose 'College Draft' from 'Players' menu).");
    EXPECT_EQ(s_PagesShown, std::vector<int>{PAGE_DRAFT});
    // No week while the draft waits.
    Play_Weeks(1);
    EXPECT_EQ(Current_Week(), 0);
    EXPECT_TRUE(College_Draft_Running());

    // Refused terms: nobody moves and the pick waits.
    Set_Contract_Policy(CONTRACT_POLICY_RELEASE);
    int nProspect = Get_Player_Vital_Stat(DRAFT_POOL_TEAMS, 0, VS_PLAYER_ID);
    EXPECT_FALSE(Human_Draft_Pick(DRAFT_POOL_TEAMS, 0));
    EXPECT_EQ(Get_Game_State(GS_DRAFT_PICK), 0);
    EXPECT_TRUE(Has_Player(DRAFT_POOL_TEAMS, nProspect));

    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    ASSERT_TRUE(Human_Draft_Pick(DRAFT_POOL_TEAMS, 0));
    EXPECT_TRUE(Has_Player(nFirst, nProspect));
    // The computer has made the rest of the round: the person is on again.
    EXPECT_EQ(Get_Game_State(GS_DRAFT_ROUND), 1);
    EXPECT_EQ(Team_On_The_Clock(), nFirst);
    EXPECT_EQ(Headless_Notices().back().title,
              "Round 2: Overall Pick #" + std::to_string(Number_Of_Teams() + 1));
    EXPECT_EQ(Headless_Notices().back().text, std::string(szNick) + ": Make your draft pick.");
    EXPECT_EQ(s_PagesShown.size(), 1u);
    std::string szUpper = szNick;
    Make_Upper_Case(szUpper.data());
    bool bCapitals = false;
    for (const std::string& szLine : Draft_File_Lines()) bCapitals |= szLine.rfind(" " + szUpper + " ", 0) == 0;
    EXPECT_TRUE(bCapitals);

    // A full roster is told so before any money changes hands.
    Fill_Roster(nFirst);
    int nCash = Get_Team_Financial_Stat(nFirst, FIN_CASH);
    EXPECT_FALSE(Human_Draft_Pick(DRAFT_POOL_TEAMS, 0));
    EXPECT_EQ(Headless_Notices().back().title, "Too Many Players");
    EXPECT_EQ(Get_Team_Financial_Stat(nFirst, FIN_CASH), nCash);

    // "&End Draft": the computer picks for everyone, the full roster passing late.
    Delete_Player(nFirst, PLAYERS_PER_TEAM - 1);
    End_College_Draft();
    Expect_New_Season_Set_Up();
    EXPECT_GE(Drafted_This_Year(nFirst), 2);
}

// The Draft window: the clock, the scouts' blurred view of the class and the
// Pick button that only a person's turn allows.
TEST_F(CollegeDraftTest, TheDraftWindowShowsTheClockTheScoutsViewAndPicksOnlyOnAPersonsTurn) {
    constexpr TNUM nPerson = 7;
    DraftDialogState state;
    Get_Draft_Dialog_State(nPerson, &state);
    EXPECT_FALSE(state.bRunning);
    EXPECT_FALSE(state.bCanPick);
    EXPECT_EQ(state.nOnTheClock, NO_TEAM);
    EXPECT_TRUE(Draft_Class_Rows(nPerson).empty());

    Set_Finishes({{nPerson, 5}});
    Set_Team_Stat(nPerson, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Game_State(GS_MANAGED_TEAM, nPerson);
    Open_Draft();
    Get_Draft_Dialog_State(nPerson, &state);
    char szNick[TEXT_SIZE];
    Get_Team_Nickname(nPerson, szNick);
    EXPECT_TRUE(state.bRunning && state.bCanPick);
    EXPECT_EQ(state.nOnTheClock, nPerson);
    EXPECT_EQ(std::string(state.szTitle), "Draft (" + std::string(szNick) + ")");
    EXPECT_EQ(std::string(state.szClock), "Round 1, Pick 1 (#1): " + std::string(szNick));

    // Poor scouts on the hardest level misjudge some of the class, never by more
    // than their error, and looking draws no random number.
    Set_Game_State(GS_DIFFICULTY, NUMBER_OF_DIFFICULTIES - 1);
    Set_Team_Financial_Stat(nPerson, FIN_SCOUTING_QUALITY, 0);
    Seed_Random(11);
    std::vector<PlayerRow> rows = Draft_Class_Rows(nPerson);
    uint32_t nNext = Random_Next();
    Seed_Random(11);
    EXPECT_EQ(Random_Next(), nNext);
    ASSERT_EQ((int)rows.size(), Pool_Count());
    int nMisjudged = 0;
    for (size_t i = 0; i < rows.size(); i++) {
        if (i) {
            EXPECT_LT(rows[i - 1].nTeam * PLAYERS_PER_TEAM + rows[i - 1].nSlot,
                      rows[i].nTeam * PLAYERS_PER_TEAM + rows[i].nSlot);
        }
        int nTrue = Get_Player_Vital_Stat(rows[i].nTeam, rows[i].nSlot, VS_SCOUT_SCORE);
        int nShown = (int)rows[i].anKey[COLUMN_SCOUT_SCORE];
        EXPECT_LE(std::abs(nShown - nTrue), SCOUTING_ERROR_LIMIT);
        EXPECT_EQ(std::string(rows[i].aszText[COLUMN_SCOUT_SCORE]),
                  std::to_string(nShown / 10) + "." + std::to_string(nShown % 10));
        nMisjudged += nShown != nTrue;
    }
    EXPECT_GT(nMisjudged, 0);
    // The commissioner sees the class as it is.
    Set_Game_State(GS_COMMISSIONER, 1);
    for (const PlayerRow& row : Draft_Class_Rows(nPerson))
        ASSERT_EQ(row.anKey[COLUMN_SCOUT_SCORE], Get_Player_Vital_Stat(row.nTeam, row.nSlot, VS_SCOUT_SCORE));
    Set_Game_State(GS_COMMISSIONER, 0);

    // The person's pick moves him on; with a computer team on the clock the button does nothing.
    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    int nProspect = Get_Player_Vital_Stat(DRAFT_POOL_TEAMS, 0, VS_PLAYER_ID);
    ASSERT_TRUE(Draft_Dialog_Pick(DRAFT_POOL_TEAMS, 0));
    EXPECT_TRUE(Has_Player(nPerson, nProspect));
    Get_Draft_Dialog_State(nPerson, &state);
    EXPECT_EQ(state.nOnTheClock, nPerson);  // the computer made the rest of the round
    EXPECT_EQ(Get_Game_State(GS_DRAFT_ROUND), 1);
    Set_Team_Stat(nPerson, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
    Get_Draft_Dialog_State(nPerson, &state);
    EXPECT_FALSE(state.bCanPick);
    int nRound = Get_Game_State(GS_DRAFT_ROUND), nPick = Get_Game_State(GS_DRAFT_PICK);
    EXPECT_FALSE(Draft_Dialog_Pick(DRAFT_POOL_TEAMS, 0));
    EXPECT_EQ(Get_Game_State(GS_DRAFT_ROUND), nRound);
    EXPECT_EQ(Get_Game_State(GS_DRAFT_PICK), nPick);
}

// With the free-agent pool full every undrafted prospect pushes a free agent
// out of the league, and the one pushed out gives his history back.
TEST_F(CollegeDraftTest, UndraftedProspectsJoinAFullPoolAndNobodysHistoryIsLost) {
    for (PNUM nSlot = First_Empty_Slot(FREE_AGENT_TEAM); nSlot != NO_PLAYER; nSlot = First_Empty_Slot(FREE_AGENT_TEAM))
        ASSERT_EQ(Make_Free_Agent(FREE_AGENT_TEAM, nSlot), 1);
    Open_Draft();
    int nUnowned = Count_Unowned_History_Records();
    int nBest = Get_Player_Vital_Stat(DRAFT_POOL_TEAMS, 0, VS_PLAYER_ID);
    Move_Undrafted_Prospects();
    EXPECT_EQ(Pool_Count(), 0);
    EXPECT_EQ(Number_Of_Players(FREE_AGENT_TEAM), PLAYERS_PER_TEAM);
    EXPECT_EQ(Count_Unowned_History_Records(), nUnowned);
    TNUM nTeam = NO_TEAM;
    PNUM nSlot = NO_PLAYER;
    if (Find_Player_ID(nBest, &nTeam, &nSlot)) {
        EXPECT_EQ(nTeam, FREE_AGENT_TEAM);
        EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VS_EXPERIENCE), 0);
    }
    for (PNUM n = 0; n < PLAYERS_PER_TEAM; n++) EXPECT_GE(Get_Player_Vital_Stat(FREE_AGENT_TEAM, n, VS_EXPERIENCE), 0);
}
