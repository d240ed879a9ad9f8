// Free agency: the computer's signing round (the player chosen by who he is,
// not where the pool has moved him; one signing a franchise), a person's
// signing rules with their boxes, the pool's contract reset and a release
// into a full pool.
#include <map>
#include <set>
#include <vector>

#include "database/season_state.h"
#include "database/text_format.h"
#include "personnel/negotiation.h"
#include "trades/free_agent_signing.h"
#include "trades/roster_review.h"
#include "trades/team_needs.h"
#include "trades/trade_fixture.h"

namespace {
constexpr int SCORED_SALARY = 1000;  // a million: the round's cheapest player
constexpr TNUM STAR_TEAM = 2;        // human-managed: gives its stars to the pool

class FreeAgentTest : public TradeTest {
  protected:
    void TearDown() override {
        Set_Contract_Policy(CONTRACT_POLICY_ASK);
        TradeTest::TearDown();
    }
    // Only these franchises are computer-run, and nobody in the pool asks enough to be scored.
    static void Round_Of(std::initializer_list<TNUM> anTeams) {
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        for (TNUM nTeam : anTeams) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
        for (PNUM nSlot = 0; nSlot < Number_Of_Players(FREE_AGENT_TEAM); nSlot++)
            Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY, MINIMUM_SALARY);
    }
    // STAR_TEAM's first player released to the pool asking nSalary; his ID.
    static int Star_To_Pool(int nSalary) {
        int nID = Get_Player_Vital_Stat(STAR_TEAM, 0, VS_PLAYER_ID);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, Release_To_Free_Agency(STAR_TEAM, 0), VS_SALARY, nSalary);
        Sort_Free_Agents();
        return nID;
    }
    static PNUM Pool_Slot(int nID) {
        TNUM nTeam;
        PNUM nSlot;
        return Find_Player_ID(nID, &nTeam, &nSlot) && nTeam == FREE_AGENT_TEAM ? nSlot : NO_PLAYER;
    }
    static int Score(TNUM nTeam, int nID) {
        TeamNeeds needs;
        Compute_Team_Needs(nTeam, &needs);
        PNUM nSlot = Pool_Slot(nID);
        return Pool_Offer_Score(nTeam, nSlot, NO_PLAYER, -(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY) / 1000), needs);
    }
};
}  // namespace

TEST_F(FreeAgentTest, EachScoredPlayerIsSignedByWhoHeIsNotWhereThePoolMovedHim) {
    Round_Of({0, 1});
    int nFirst = Star_To_Pool(3 * SCORED_SALARY), nSecond = Star_To_Pool(2 * SCORED_SALARY);
    int nUnscored = Star_To_Pool(SCORED_SALARY - 1);
    ASSERT_EQ(Pool_Slot(nSecond), 1);
    ASSERT_EQ(Pool_Slot(nUnscored), 2);
    for (TNUM nTeam : {0, 1})
        for (int nID : {nFirst, nSecond}) ASSERT_GT(Score(nTeam, nID), 0);
    Computer_Signing_Round();
    // The first signing moves the second up: the team that chose him must
    // still get him, not the player who slid into his place.
    EXPECT_EQ((std::set<TNUM>{Team_Of(nFirst), Team_Of(nSecond)}), (std::set<TNUM>{0, 1}));
    EXPECT_EQ(Team_Of(nUnscored), FREE_AGENT_TEAM);
}

TEST_F(FreeAgentTest, AFranchiseSignsOnePlayerAtMostAndPersonsTeamsNone) {
    Round_Of({0});
    std::vector<int> anWanted;  // the ones the team would not sign are priced out of the round
    while (anWanted.size() < 3 && Number_Of_Players(STAR_TEAM) > 0) {
        int nID = Star_To_Pool(SCORED_SALARY);
        if (Score(0, nID) > 0)
            anWanted.push_back(nID);
        else
            Set_Player_Vital_Stat(FREE_AGENT_TEAM, Pool_Slot(nID), VS_SALARY, MINIMUM_SALARY);
    }
    ASSERT_EQ(anWanted.size(), 3u);
    std::map<TNUM, int> players;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) players[nTeam] = Number_Of_Players(nTeam);
    Computer_Signing_Round();
    EXPECT_EQ(Number_Of_Players(0), players[0] + 1);
    for (TNUM nTeam = 1; nTeam < Number_Of_Teams(); nTeam++) EXPECT_EQ(Number_Of_Players(nTeam), players[nTeam]);
}

TEST_F(FreeAgentTest, ATeamAtTheCapOrAPlayerAskingLessThanAMillionIsPassedOver) {
    Round_Of({0});
    int nCheap = Star_To_Pool(SCORED_SALARY - 1);
    Computer_Signing_Round();
    EXPECT_EQ(Team_Of(nCheap), FREE_AGENT_TEAM);
    int nDear = Star_To_Pool(SCORED_SALARY);
    Set_League_Rule(LR_SALARY_CAP, Get_Team_Financial_Stat(0, FIN_PAYROLL) * 1000);
    Computer_Signing_Round();
    EXPECT_EQ(Team_Of(nDear), FREE_AGENT_TEAM);
    Set_League_Rule(LR_SALARY_CAP, (Get_Team_Financial_Stat(0, FIN_PAYROLL) + 1) * 1000);
    Computer_Signing_Round();
    EXPECT_EQ(Team_Of(nDear), 0);
}

TEST_F(FreeAgentTest, TheWindowClosesInWeekTwelveAndOpensWithTheChampionAndDebtCloses) {
    for (int8_t& nSlot : g_League.abPlayoffTeams) nSlot = NO_TEAM;  // no champion yet
    SigningRefusal refusal;
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK - 1);
    Set_Team_Financial_Stat(0, FIN_CASH, 0);
    EXPECT_TRUE(Free_Agent_Signing_Allowed(0, &refusal));
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK);
    ASSERT_FALSE(Free_Agent_Signing_Allowed(0, &refusal));
    EXPECT_STREQ(refusal.szTitle, "Trading Deadline");
    EXPECT_STREQ(refusal.szText,
                 "You cannot sign a free agent after the transaction deadline. Wait until the end of the season.");
    Set_Game_State(GS_COMMISSIONER, 1);
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK + 8);
    EXPECT_TRUE(Free_Agent_Signing_Allowed(0, &refusal));
    Set_Game_State(GS_COMMISSIONER, 0);
    EXPECT_FALSE(Free_Agent_Signing_Allowed(0, &refusal));
    g_League.abPlayoffTeams[Champion_Slot()] = 1;
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
}

TEST_F(FreeAgentTest, AFullRosterIsRefusedBeforeTheBonusIsPaid) {
    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    Set_Game_State(GS_CURRENT_WEEK, 0);
    Size_Roster(0, PLAYERS_PER_TEAM);
    int nCash = Get_Team_Financial_Stat(0, FIN_CASH), nID = Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VS_PLAYER_ID);
    char szName[FULL_NAME_WIDTH + 1];
    Get_Player_Full_Name(FREE_AGENT_TEAM, 0, szName);
    EXPECT_EQ(Sign_Free_Agent(0, 0), NO_PLAYER);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Too Many Players");
    EXPECT_EQ(Headless_Notices()[0].text,
              std::string("Your team is currently full. You must release a player before you add ") + szName + ".");
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_CASH), nCash);
    EXPECT_EQ(Team_Of(nID), FREE_AGENT_TEAM);
}

TEST_F(FreeAgentTest, TheResetForgetsEveryOldContractAndKeepsThePoolSorted) {
    // What the reset gives cannot depend on the terms he had.
    auto Terms = [] {
        std::map<int, std::vector<int>> terms;
        for (PNUM nSlot = 0; nSlot < Number_Of_Players(FREE_AGENT_TEAM); nSlot++) {
            std::vector<int>& anTerms = terms[Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_PLAYER_ID)];
            for (int nCode : {VS_CONTRACT_LEFT, VS_CONTRACT_YEARS, VS_BONUS, VS_SALARY})
                anTerms.push_back(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, nCode));
            if (nSlot > 0) {
                EXPECT_LE(anTerms.back(), Get_Player_Vital_Stat(FREE_AGENT_TEAM, (PNUM)(nSlot - 1), VS_SALARY));
            }
        }
        return terms;
    };
    Reset_Free_Agent_Contracts();
    std::map<int, std::vector<int>> first = Terms();
    ASSERT_GT(first.size(), 2u);
    for (PNUM nSlot = 0; nSlot < Number_Of_Players(FREE_AGENT_TEAM); nSlot++) {
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_CONTRACT_LEFT, 1 + nSlot % LONGEST_OFFER);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_BONUS, 100 * nSlot);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY, MINIMUM_SALARY + 37 * nSlot);
    }
    Reset_Free_Agent_Contracts();
    EXPECT_EQ(Terms(), first);
}

TEST_F(FreeAgentTest, AFullPoolStaysFullAndTheDroppedPlayersHistoryIsFreed) {
    for (PNUM nSlot = First_Empty_Slot(FREE_AGENT_TEAM); nSlot != NO_PLAYER; nSlot = First_Empty_Slot(FREE_AGENT_TEAM)) {
        Make_Journeyman(FREE_AGENT_TEAM, nSlot, POS_LB);
        Open_History_Record(FREE_AGENT_TEAM, nSlot, true);
    }
    std::map<int, int> entries;  // ID: history entries
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        entries[Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_PLAYER_ID)] = Count_History_Entries(FREE_AGENT_TEAM, nSlot);
    int nReleased = Get_Player_Vital_Stat(0, 0, VS_PLAYER_ID), nRecords = Count_History_Records_In_Use();
    Release_Player(0, 0, true);
    EXPECT_EQ(Number_Of_Players(FREE_AGENT_TEAM), PLAYERS_PER_TEAM);
    EXPECT_EQ(Team_Of(nReleased), FREE_AGENT_TEAM);
    int nDropped = 0, nFreed = 0;
    for (const auto& [nID, nEntries] : entries)
        if (Team_Of(nID) == NO_TEAM) {
            nDropped++;
            nFreed += nEntries;
        }
    EXPECT_EQ(nDropped, 1);
    EXPECT_GT(nFreed, 0);
    EXPECT_EQ(Count_History_Records_In_Use(), nRecords - nFreed);
}

TEST_F(FreeAgentTest, APersonReleasesOnlyFromATeamHeManagesBeforeAnyQuestion) {
    int nPlayers = Number_Of_Players(0);
    EXPECT_FALSE(Ask_To_Release_Player(0, 0));  // computer-managed
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Release Player");
    EXPECT_FALSE(Ask_To_Release_Player(FREE_AGENT_TEAM, 0));
    EXPECT_FALSE(Ask_To_Release_Player(0, (PNUM)nPlayers));  // an empty slot
    EXPECT_TRUE(Headless_Questions().empty());
    EXPECT_EQ(Number_Of_Players(0), nPlayers);
    Set_Game_State(GS_COMMISSIONER, 1);
    EXPECT_TRUE(Release_Allowed(1, 0, nullptr));
    Set_Game_State(GS_COMMISSIONER, 0);
    Set_Team_Stat(1, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    EXPECT_TRUE(Release_Allowed(1, 0, nullptr));
}
