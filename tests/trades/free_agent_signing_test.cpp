// Free agency: the computer's signing round (the player chosen by who he is,
// not where the pool has moved him; one signing a franchise; the last three
// slots all let go), a person's signing rules with their boxes, the pool's
// contract reset and the roster's release.
#include <map>
#include <set>
#include <vector>

#include "database/season_state.h"
#include "database/text_format.h"
#include "personnel/contracts.h"
#include "personnel/negotiation.h"
#include "trades/free_agent_signing.h"
#include "trades/roster_review.h"
#include "trades/team_needs.h"
#include "trades/trade_fixture.h"

namespace {
constexpr int SCORED_SALARY = 1000;  // a million: the round's cheapest player
constexpr TNUM STAR_TEAM = 2;        // human-managed: gives its stars to the pool
constexpr int CAP_ROOM_OF = 20000;   // thousands

class FreeAgentTest : public TradeTest {
  protected:
    void TearDown() override {
        Set_Contract_Policy(CONTRACT_POLICY_ASK);
        TradeTest::TearDown();
    }
    // Every franchise but these is human-managed.
    static void Computer_Run_Only(std::initializer_list<TNUM> anTeams) {
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        for (TNUM nTeam : anTeams) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
    }
    // Nobody in the pool asks enough to be scored.
    static void Cheapen_Pool() {
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Valid_Player(FREE_AGENT_TEAM, nSlot)) Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY, MINIMUM_SALARY);
    }
    // A star of STAR_TEAM released to the pool asking nSalary; his ID.
    static int Star_To_Pool(PNUM nStarSlot, int nSalary) {
        int nID = Get_Player_Vital_Stat(STAR_TEAM, nStarSlot, VS_PLAYER_ID);
        PNUM nSlot = Release_To_Free_Agency(STAR_TEAM, nStarSlot);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY, nSalary);
        Sort_Free_Agents();
        return nID;
    }
    static PNUM Pool_Slot(int nID) {
        TNUM nTeam;
        PNUM nSlot;
        if (!Find_Player_ID(nID, &nTeam, &nSlot) || nTeam != FREE_AGENT_TEAM) return NO_PLAYER;
        return nSlot;
    }
    static int Score(TNUM nTeam, int nID) {
        PNUM nSlot = Pool_Slot(nID);
        TeamNeeds needs;
        Compute_Team_Needs(nTeam, &needs);
        return Pool_Offer_Score(nTeam, nSlot, NO_PLAYER, -(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY) / 1000), needs);
    }
    static void Fill_Pool_To(int nPlayers) {
        while (Number_Of_Players(FREE_AGENT_TEAM) < nPlayers)
            Make_Journeyman(FREE_AGENT_TEAM, First_Empty_Slot(FREE_AGENT_TEAM), POS_LB);
    }
    static std::vector<int> Pool_IDs() {
        std::vector<int> anIDs;
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Valid_Player(FREE_AGENT_TEAM, nSlot)) anIDs.push_back(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_PLAYER_ID));
        return anIDs;
    }
    static std::string Notice_Title() { return Headless_Notices().empty() ? "" : Headless_Notices().back().title; }
    static std::string Notice_Text() { return Headless_Notices().empty() ? "" : Headless_Notices().back().text; }
    static void Decide_Champion() {
        g_League.abPlayoffTeams[Champion_Slot()] = 1;
        ASSERT_TRUE(Season_Is_Over());
    }
};
}  // namespace

// ---- The computer's round ----

TEST_F(FreeAgentTest, EachScoredPlayerIsSignedByWhoHeIsNotWhereThePoolMovedHim) {
    Computer_Run_Only({0, 1});
    Cheapen_Pool();
    // Pool order: first, second, then one too cheap to be scored.
    int nFirst = Star_To_Pool(0, 3 * SCORED_SALARY);
    int nSecond = Star_To_Pool(0, 2 * SCORED_SALARY);
    int nUnscored = Star_To_Pool(0, SCORED_SALARY - 1);
    ASSERT_EQ(Pool_Slot(nFirst), 0);
    ASSERT_EQ(Pool_Slot(nSecond), 1);
    ASSERT_EQ(Pool_Slot(nUnscored), 2);
    for (TNUM nTeam : {0, 1})
        for (int nID : {nFirst, nSecond}) ASSERT_GT(Score(nTeam, nID), 0) << int(nTeam) << " " << nID;

    Computer_Signing_Round();
    // The first signing moves the second up to where the first stood: the
    // team that chose him must still get him, not the player who slid into his place.
    std::set<TNUM> signers = {Team_Of(nFirst), Team_Of(nSecond)};
    EXPECT_EQ(signers, (std::set<TNUM>{0, 1}));
    EXPECT_EQ(Team_Of(nUnscored), FREE_AGENT_TEAM);
}

TEST_F(FreeAgentTest, AFranchiseSignsOnePlayerAtMostAndPersonsTeamsNone) {
    Computer_Run_Only({0});
    Cheapen_Pool();
    // Three the team would sign; the others it would not are priced out of the round.
    std::vector<int> anStars;
    while (anStars.size() < 3 && Number_Of_Players(STAR_TEAM) > 0) {
        int nID = Star_To_Pool(0, SCORED_SALARY + (int)anStars.size());
        if (Score(0, nID) > 0)
            anStars.push_back(nID);
        else
            Set_Player_Vital_Stat(FREE_AGENT_TEAM, Pool_Slot(nID), VS_SALARY, MINIMUM_SALARY);
    }
    ASSERT_EQ(anStars.size(), 3u);
    std::map<TNUM, int> players;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) players[nTeam] = Number_Of_Players(nTeam);

    Computer_Signing_Round();
    int nSigned = 0;
    for (int nID : anStars) nSigned += Team_Of(nID) == 0;
    EXPECT_EQ(nSigned, 1);
    EXPECT_EQ(Number_Of_Players(0), players[0] + 1);
    for (TNUM nTeam = 1; nTeam < Number_Of_Teams(); nTeam++) EXPECT_EQ(Number_Of_Players(nTeam), players[nTeam]) << int(nTeam);
}

TEST_F(FreeAgentTest, ATeamAtTheCapOrAPlayerAskingLessThanAMillionIsPassedOver) {
    Computer_Run_Only({0});
    Cheapen_Pool();
    int nCheap = Star_To_Pool(0, SCORED_SALARY - 1);
    Computer_Signing_Round();
    EXPECT_EQ(Team_Of(nCheap), FREE_AGENT_TEAM);

    int nDear = Star_To_Pool(0, SCORED_SALARY);
    Set_League_Rule(LR_SALARY_CAP, Get_Team_Financial_Stat(0, FIN_PAYROLL) * 1000);
    Computer_Signing_Round();
    EXPECT_EQ(Team_Of(nDear), FREE_AGENT_TEAM);
    Set_League_Rule(LR_SALARY_CAP, (Get_Team_Financial_Stat(0, FIN_PAYROLL) + 1) * 1000);
    Computer_Signing_Round();
    EXPECT_EQ(Team_Of(nDear), 0);
}

TEST_F(FreeAgentTest, TheRoundLetsAllThreeLastSlotsGoBeforeAndAfter) {
    Computer_Run_Only({0});
    Cheapen_Pool();
    Size_Roster(0, PLAYERS_PER_TEAM);
    std::vector<int> anLast = {Get_Player_Vital_Stat(0, 77, VS_PLAYER_ID), Get_Player_Vital_Stat(0, 78, VS_PLAYER_ID),
                               Get_Player_Vital_Stat(0, 79, VS_PLAYER_ID)};
    int nStar = Star_To_Pool(0, SCORED_SALARY);
    Computer_Signing_Round();
    for (int nID : anLast) EXPECT_EQ(Team_Of(nID), FREE_AGENT_TEAM) << nID;
    EXPECT_EQ(Team_Of(nStar), 0);
    EXPECT_LE(Number_Of_Players(0), 77);
}

// ---- A person's signing ----

TEST_F(FreeAgentTest, TheWindowClosesInWeekTwelveAndOpensWithTheChampion) {
    for (int8_t& nSlot : g_League.abPlayoffTeams) nSlot = NO_TEAM;  // no champion yet
    SigningRefusal refusal;
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK - 1);
    EXPECT_TRUE(Free_Agent_Signing_Allowed(0, &refusal));
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK);
    ASSERT_FALSE(Free_Agent_Signing_Allowed(0, &refusal));
    EXPECT_STREQ(refusal.szTitle, "Trading Deadline");
    EXPECT_STREQ(refusal.szText,
                 "You cannot sign a free agent after the transaction deadline. Wait until the end of the season.");
    Set_Game_State(GS_COMMISSIONER, 1);
    EXPECT_TRUE(Free_Agent_Signing_Allowed(0, &refusal));
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK + 8);
    EXPECT_TRUE(Free_Agent_Signing_Allowed(0, &refusal));
    Set_Game_State(GS_COMMISSIONER, 0);
    EXPECT_FALSE(Free_Agent_Signing_Allowed(0, &refusal));
    Decide_Champion();
    EXPECT_TRUE(Free_Agent_Signing_Allowed(0, &refusal));
}

TEST_F(FreeAgentTest, ATeamInDebtMaySignNobodyButOneWithNothingMay) {
    SigningRefusal refusal;
    Set_Game_State(GS_CURRENT_WEEK, 0);
    Set_Team_Financial_Stat(0, FIN_CASH, 0);
    EXPECT_TRUE(Free_Agent_Signing_Allowed(0, &refusal));
    Set_Team_Financial_Stat(0, FIN_CASH, -1);
    ASSERT_FALSE(Free_Agent_Signing_Allowed(0, &refusal));
    EXPECT_STREQ(refusal.szTitle, "Debt");
    EXPECT_STREQ(refusal.szText,
                 "Because you are currently in debt, you are not allowed to sign free agents or increase your payroll.");
}

TEST_F(FreeAgentTest, TheCapLineCountsARoomOfNothingAsExceeding) {
    char szLine[TEXT_SIZE];
    int nPayroll = Get_Team_Financial_Stat(0, FIN_PAYROLL);
    Set_League_Rule(LR_SALARY_CAP, nPayroll * 1000);
    Free_Agent_Cap_Room_Text(0, szLine);
    EXPECT_STREQ(szLine, "Exceeding Salary Cap by: $0,000");
    Set_League_Rule(LR_SALARY_CAP, (nPayroll + 1) * 1000);
    Free_Agent_Cap_Room_Text(0, szLine);
    EXPECT_STREQ(szLine, "Room Under Salary Cap: $1,000");
    Set_League_Rule(LR_SALARY_CAP, (nPayroll - CAP_ROOM_OF) * 1000);
    Free_Agent_Cap_Room_Text(0, szLine);
    EXPECT_STREQ(szLine, "Exceeding Salary Cap by: $20,000,000");
}

TEST_F(FreeAgentTest, ASignedFreeAgentJoinsAfterTheLastOfHisSide) {
    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    Set_Game_State(GS_CURRENT_WEEK, 0);
    Set_Team_Financial_Stat(0, FIN_CASH, 50000000);
    PNUM nPool = NO_PLAYER;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM && nPool == NO_PLAYER; nSlot++)
        if (Is_Valid_Player(FREE_AGENT_TEAM, nSlot) && Get_Player_Side(FREE_AGENT_TEAM, nSlot) == SIDE_OFFENCE) nPool = nSlot;
    ASSERT_NE(nPool, NO_PLAYER);
    int nID = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nPool, VS_PLAYER_ID);
    PNUM nLastOffence = NO_PLAYER;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (Is_Valid_Player(0, nSlot) && Get_Player_Side(0, nSlot) == SIDE_OFFENCE) nLastOffence = nSlot;
    int nFirstDefender = Get_Player_Vital_Stat(0, (PNUM)(nLastOffence + 1), VS_PLAYER_ID);

    PNUM nNew = Sign_Free_Agent(0, nPool);
    ASSERT_EQ(nNew, nLastOffence + 1);
    EXPECT_EQ(Get_Player_Vital_Stat(0, nNew, VS_PLAYER_ID), nID);
    EXPECT_EQ(Get_Player_Vital_Stat(0, (PNUM)(nNew + 1), VS_PLAYER_ID), nFirstDefender);
    EXPECT_TRUE(Headless_Notices().empty());
}

TEST_F(FreeAgentTest, AFullRosterIsRefusedBeforeTheNegotiationAndNothingChanges) {
    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    Set_Game_State(GS_CURRENT_WEEK, 0);
    Size_Roster(0, PLAYERS_PER_TEAM);
    int nCash = Get_Team_Financial_Stat(0, FIN_CASH);
    int nID = Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VS_PLAYER_ID);
    int nYears = Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VS_CONTRACT_LEFT);
    char szName[FULL_NAME_WIDTH + 1];
    Get_Player_Full_Name(FREE_AGENT_TEAM, 0, szName);

    EXPECT_EQ(Sign_Free_Agent(0, 0), NO_PLAYER);
    EXPECT_EQ(Notice_Title(), "Too Many Players");
    EXPECT_EQ(Notice_Text(),
              std::string("Your team is currently full. You must release a player before you add ") + szName + ".");
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_CASH), nCash);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VS_PLAYER_ID), nID);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VS_CONTRACT_LEFT), nYears);

    // Filled up while the negotiation ran: the join itself refuses him.
    SigningRefusal refusal;
    EXPECT_EQ(Join_Signed_Free_Agent(0, 0, &refusal), NO_PLAYER);
    EXPECT_STREQ(refusal.szTitle, "Too Many Players");
    EXPECT_EQ(Team_Of(nID), FREE_AGENT_TEAM);
}

TEST_F(FreeAgentTest, RefusalsBeforeTheNegotiationChangeNoData) {
    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    for (int8_t& nSlot : g_League.abPlayoffTeams) nSlot = NO_TEAM;
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK);
    uint32_t nBefore = Saved_Data_Checksum();
    EXPECT_EQ(Sign_Free_Agent(0, 0), NO_PLAYER);
    EXPECT_EQ(Notice_Title(), "Trading Deadline");
    EXPECT_EQ(Saved_Data_Checksum(), nBefore);
    Set_Game_State(GS_CURRENT_WEEK, 0);
    Set_Team_Financial_Stat(0, FIN_CASH, -1);
    nBefore = Saved_Data_Checksum();
    EXPECT_EQ(Sign_Free_Agent(0, 0), NO_PLAYER);
    EXPECT_EQ(Notice_Title(), "Debt");
    EXPECT_EQ(Saved_Data_Checksum(), nBefore);
}

// ---- The pool's contracts and the roster's release ----

TEST_F(FreeAgentTest, TheResetForgetsEveryOldContractAndKeepsThePoolSorted) {
    // What the reset gives cannot depend on the terms he had.
    Reset_Free_Agent_Contracts();
    std::map<int, std::vector<int>> terms;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Valid_Player(FREE_AGENT_TEAM, nSlot)) continue;
        terms[Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_PLAYER_ID)] = {
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_CONTRACT_LEFT),
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_CONTRACT_YEARS),
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_BONUS),
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY)};
        EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_CONTRACT_LEFT),
                  Preferred_Contract_Length(FREE_AGENT_TEAM, nSlot));
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_CONTRACT_LEFT, 1 + nSlot % LONGEST_OFFER);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_CONTRACT_YEARS, LONGEST_OFFER);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_BONUS, 100 * nSlot);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY, MINIMUM_SALARY + 37 * nSlot);
    }
    ASSERT_GT(terms.size(), 2u);
    Reset_Free_Agent_Contracts();
    int nLastSalary = 0;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Valid_Player(FREE_AGENT_TEAM, nSlot)) continue;
        int nID = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_PLAYER_ID);
        std::vector<int> now = {Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_CONTRACT_LEFT),
                                Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_CONTRACT_YEARS),
                                Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_BONUS),
                                Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY)};
        EXPECT_EQ(now, terms[nID]) << nID;
        if (nSlot > 0) {
            EXPECT_LE(now[3], nLastSalary) << int(nSlot);
        }
        nLastSalary = now[3];
    }
}

TEST_F(FreeAgentTest, AFullPoolStaysFullAndTheDroppedPlayersHistoryIsFreed) {
    Fill_Pool_To(PLAYERS_PER_TEAM);
    std::vector<int> anBefore = Pool_IDs();
    std::map<int, int> entries;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        entries[Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_PLAYER_ID)] = Count_History_Entries(FREE_AGENT_TEAM, nSlot);
    int nReleased = Get_Player_Vital_Stat(0, 0, VS_PLAYER_ID);
    int nReleasedEntries = Count_History_Entries(0, 0);
    ASSERT_GT(nReleasedEntries, 0);
    int nRecords = Count_History_Records_In_Use();

    Release_Player(0, 0, true);
    EXPECT_EQ(Number_Of_Players(FREE_AGENT_TEAM), PLAYERS_PER_TEAM);
    EXPECT_EQ(Team_Of(nReleased), FREE_AGENT_TEAM);
    std::vector<int> anDropped;
    for (int nID : anBefore)
        if (Team_Of(nID) == NO_TEAM) anDropped.push_back(nID);
    ASSERT_EQ(anDropped.size(), 1u);
    EXPECT_EQ(Count_History_Records_In_Use(), nRecords - entries[anDropped[0]]);
    PNUM nSlot = Pool_Slot(nReleased);
    ASSERT_NE(nSlot, NO_PLAYER);
    EXPECT_EQ(Count_History_Entries(FREE_AGENT_TEAM, nSlot), nReleasedEntries);
}

TEST_F(FreeAgentTest, AReleaseOutOfTheLeagueFreesHisHistoryAndClosesTheGap) {
    int nPlayers = Number_Of_Players(0), nPool = Number_Of_Players(FREE_AGENT_TEAM);
    int nGone = Get_Player_Vital_Stat(0, 3, VS_PLAYER_ID), nNext = Get_Player_Vital_Stat(0, 4, VS_PLAYER_ID);
    int nEntries = Count_History_Entries(0, 3), nRecords = Count_History_Records_In_Use();
    ASSERT_GT(nEntries, 0);
    Release_Player(0, 3, false);
    EXPECT_EQ(Team_Of(nGone), NO_TEAM);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 3, VS_PLAYER_ID), nNext);
    EXPECT_EQ(Number_Of_Players(0), nPlayers - 1);
    EXPECT_EQ(Number_Of_Players(FREE_AGENT_TEAM), nPool);
    EXPECT_EQ(Count_History_Records_In_Use(), nRecords - nEntries);
}
