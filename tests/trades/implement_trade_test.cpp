// A trade carried out: cash and picks change hands the right way round,
// players take their whole history with them, a refused offer touches
// nothing, the one rule of the trade-activity entry, and a league after a
// trade that the integrity check finds sound.
#include <string>
#include <vector>

#include "database/integrity.h"
#include "database/season_state.h"

#include "personnel/ratings.h"
#include "personnel/roster.h"
#include "trade_fixture.h"
#include "trades/implement_trade.h"
#include "trades/trade_rules.h"

namespace {
int History_Of(int nID, int nEntry) {
    TNUM nTeam;
    PNUM nPlayer;
    if (!Find_Player_ID(nID, &nTeam, &nPlayer)) return -1;
    return Get_Player_History_Record(nTeam, nPlayer, nEntry);
}
}  // namespace

TEST_F(TradeTest, NegativeCashIsPaidByThePartner) {
    Set_Team_Financial_Stat(0, FIN_CASH, 10000000);
    Set_Team_Financial_Stat(1, FIN_CASH, 20000000);
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, 0, 1);
    offer.nCash = -3;
    ASSERT_TRUE(Implement_Trade(offer));
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_CASH), 13000000);
    EXPECT_EQ(Get_Team_Financial_Stat(1, FIN_CASH), 17000000);

    // A fortune near the field's limit stays there instead of wrapping to a debt.
    Set_Team_Financial_Stat(0, FIN_CASH, 2000000000);
    offer.nCash = -999;
    ASSERT_TRUE(Implement_Trade(offer));
    EXPECT_GT(Get_Team_Financial_Stat(0, FIN_CASH), 2000000000);
}

TEST_F(TradeTest, APickChangesOwnerAndKeepsItsOriginalTeam) {
    Own_Next_Draft_Picks(1, 3);
    Own_Next_Draft_Picks(0, 2);
    DraftPick first, second;
    ASSERT_TRUE(Find_Walk_Pick(1, 0, &first));
    ASSERT_TRUE(Find_Walk_Pick(1, 2, &second));
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, 0, 1);
    // Both looked up before either moves: the second would otherwise be a third.
    offer.aanItems[1][0] = (int8_t)(Number_Of_Players(1) + 0);
    offer.aanItems[1][1] = (int8_t)(Number_Of_Players(1) + 2);
    ASSERT_TRUE(Implement_Trade(offer));
    EXPECT_EQ(g_League.abDraftPicks[first.nDraft][first.nRound][first.nOriginalTeam], 0);
    EXPECT_EQ(g_League.abDraftPicks[second.nDraft][second.nRound][second.nOriginalTeam], 0);
    EXPECT_EQ(first.nOriginalTeam, 1);
    EXPECT_EQ(second.nOriginalTeam, 1);
    EXPECT_EQ(Count_Walk_Picks(0), 4);
    EXPECT_EQ(Count_Walk_Picks(1), 1);
}

// A running draft's used picks leave the walk: the rounds gone by, and this
// round's pick once its original team has chosen.
TEST_F(TradeTest, TheDraftsUsedPicksAreNoLongerTraded) {
    Own_Next_Draft_Picks(1, 3);
    Set_Game_State(GS_DRAFT_ROUND, NUMBER_OF_DRAFT_ROUNDS);
    EXPECT_EQ(Count_Walk_Picks(1), 3);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Draft_Place(nTeam, Number_Of_Teams() - 1 - nTeam);
    Set_Game_State(GS_DRAFT_ROUND, 1);
    Set_Game_State(GS_DRAFT_PICK, Get_Draft_Place(1));  // 1 on the clock: its round-2 pick is still its own
    EXPECT_EQ(Count_Walk_Picks(1), 2);
    Set_Game_State(GS_DRAFT_PICK, Get_Draft_Place(1) + 1);
    DraftPick pick;
    ASSERT_TRUE(Find_Walk_Pick(1, 0, &pick));
    EXPECT_EQ(pick.nRound, 2);
    EXPECT_EQ(Count_Walk_Picks(1), 1);
}

TEST_F(TradeTest, PlayersMoveWithTheirWholeHistory) {
    Size_Roster(0, 55);
    Size_Roster(1, 55);
    TRADE_OFFER offer = One_For_One(3, 10);
    offer.aanItems[0][1] = 20;
    int anIDs[3] = {Get_Player_Vital_Stat(0, 3, VS_PLAYER_ID), Get_Player_Vital_Stat(0, 20, VS_PLAYER_ID),
                    Get_Player_Vital_Stat(1, 10, VS_PLAYER_ID)};
    int anEntries[3], anFirst[3];
    for (int i = 0; i < 3; i++) {
        TNUM nTeam;
        PNUM nPlayer;
        ASSERT_TRUE(Find_Player_ID(anIDs[i], &nTeam, &nPlayer));
        anEntries[i] = Count_History_Entries(nTeam, nPlayer);
        anFirst[i] = Get_Player_History_Record(nTeam, nPlayer, 0);
    }
    int nRecords = Count_History_Records_In_Use();
    ASSERT_TRUE(Implement_Trade(offer));

    EXPECT_EQ(Number_Of_Players(0), 54);
    EXPECT_EQ(Number_Of_Players(1), 56);
    for (int i = 0; i < 3; i++) {
        TNUM nTeam;
        PNUM nPlayer;
        ASSERT_TRUE(Find_Player_ID(anIDs[i], &nTeam, &nPlayer));
        EXPECT_EQ(nTeam, i < 2 ? 1 : 0);
        int nEntries = Count_History_Entries(nTeam, nPlayer);
        EXPECT_GE(nEntries, anEntries[i]);
        EXPECT_LE(nEntries, anEntries[i] + 1);
        if (anFirst[i] >= 0) {
            EXPECT_EQ(History_Of(anIDs[i], 0), anFirst[i]);
        }
        int nOpen = Get_Player_Open_Record(nTeam, nPlayer);
        ASSERT_GE(nOpen, 0);
        EXPECT_EQ(Get_History_Team(nOpen), nTeam);
    }
    EXPECT_LE(Count_History_Records_In_Use(), nRecords + 3);
    // No record is held by two players.
    std::vector<int> anSeen(NUMBER_OF_HISTORY_RECORDS, 0);
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            if (!Is_Valid_Player(nTeam, nPlayer)) continue;
            for (int nEntry = 0; nEntry < Count_History_Entries(nTeam, nPlayer); nEntry++) {
                int nRecord = Get_Player_History_Record(nTeam, nPlayer, nEntry);
                if (nRecord >= 0) {
                    EXPECT_EQ(anSeen[nRecord]++, 0) << "record " << nRecord;
                }
            }
        }
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(TradeTest, AnIllegalOfferChangesNothing) {
    Size_Roster(0, 60);
    Size_Roster(1, PLAYERS_PER_TEAM);
    TRADE_OFFER offer = One_For_One(0, 0);
    offer.aanItems[0][1] = 1;
    offer.nCash = 5;
    uint32_t nBefore = Saved_Data_Checksum();
    EXPECT_FALSE(Implement_Trade(offer));
    EXPECT_TRUE(Logged("Invalid TRADE_OFFER passed to Implement_Trade()"));
    Size_Roster(1, 60);
    offer = One_For_One(0, (PNUM)(60 + Count_Walk_Picks(1)));  // past the partner's picks
    nBefore = Saved_Data_Checksum();
    EXPECT_FALSE(Implement_Trade(offer));
    offer.anTeam[1] = 0;
    EXPECT_FALSE(Implement_Trade(offer));
    EXPECT_EQ(Saved_Data_Checksum(), nBefore);
}

TEST_F(TradeTest, TheUsersNewcomerTakesTheLastStartersPlaceWhenWorthMore) {
    Set_Game_State(GS_USER_TEAM, 1);
    Size_Roster(0, 55);
    // The best quarterback of team 0 goes to team 1, whose own starter is its first quarterback.
    PNUM nBest = NO_PLAYER, nStarter = NO_PLAYER;
    for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(0); nPlayer++)
        if (Get_Player_Vital_Stat(0, nPlayer, VS_POSITION) == POS_QB &&
            (nBest == NO_PLAYER || Player_Current_Value(0, nPlayer) > Player_Current_Value(0, nBest)))
            nBest = nPlayer;
    for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(1) && nStarter == NO_PLAYER; nPlayer++)
        if (Get_Player_Vital_Stat(1, nPlayer, VS_POSITION) == POS_QB) nStarter = nPlayer;
    ASSERT_NE(nBest, NO_PLAYER);
    ASSERT_NE(nStarter, NO_PLAYER);
    int nStarterID = Get_Player_Vital_Stat(1, nStarter, VS_PLAYER_ID);
    // Make the newcomer clearly worth more than the starter, who stays in his slot otherwise.
    bool bBetter = Player_Current_Value(0, nBest) > Player_Current_Value(1, nStarter);
    int nID = Get_Player_Vital_Stat(0, nBest, VS_PLAYER_ID);
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, 0, 1);
    offer.aanItems[0][0] = (int8_t)nBest;
    ASSERT_TRUE(Implement_Trade(offer));
    TNUM nTeam;
    PNUM nNew, nOld;
    ASSERT_TRUE(Find_Player_ID(nID, &nTeam, &nNew));
    ASSERT_TRUE(Find_Player_ID(nStarterID, &nTeam, &nOld));
    EXPECT_EQ(nNew < nOld, bBetter);
}

TEST_F(TradeTest, TradeActivityIsOneCountThatACompletedTradeMarks) {
    TRADE_OFFER offer = One_For_One(0, 0);
    offer.nCash = 2;
    Set_Game_State(GS_TRADE_ACTIVITY, 0);
    ASSERT_TRUE(Implement_Trade(offer));
    EXPECT_EQ(Get_Game_State(GS_TRADE_ACTIVITY), 0);  // the computer's own trades leave it alone
    After_Completed_Trade(&offer);
    EXPECT_EQ(Get_Game_State(GS_TRADE_ACTIVITY), TRADE_COMPLETED_MARK);
    EXPECT_EQ(Count_Trade_Items(offer, 0) + Count_Trade_Items(offer, 1), 0);
    EXPECT_EQ(offer.nCash, 0);
    EXPECT_EQ(offer.anTeam[1], 1);
    // The weeks' count is never lowered by a trade.
    Set_Game_State(GS_TRADE_ACTIVITY, 6);
    After_Completed_Trade(&offer);
    EXPECT_EQ(Get_Game_State(GS_TRADE_ACTIVITY), 6);
}

TEST_F(TradeTest, AReturnerWhoLeavesIsReplacedByTheBestAtReturns) {
    Set_Game_State(GS_USER_TEAM, 0);  // the user's roster is only regrouped, not organised
    Size_Roster(0, 55);
    PNUM nReturner = Get_Team_Returner(0, KICK_RETURNER);
    ASSERT_TRUE(Is_Valid_Player(0, nReturner));
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, 0, 1);
    offer.aanItems[0][0] = (int8_t)nReturner;
    ASSERT_TRUE(Implement_Trade(offer));
    PNUM anAfter[2] = {Get_Team_Returner(0, KICK_RETURNER), Get_Team_Returner(0, PUNT_RETURNER)};
    Choose_Returners(0);
    EXPECT_EQ(anAfter[0], Get_Team_Returner(0, KICK_RETURNER));
    EXPECT_EQ(anAfter[1], Get_Team_Returner(0, PUNT_RETURNER));
}

namespace {
// The violations whose text holds every one of the pieces.
int Violations_Naming(const std::vector<std::string>& pieces) {
    std::vector<std::string> violations;
    Check_League_Integrity(&violations);
    int nCount = 0;
    for (const std::string& szLine : violations) {
        bool bAll = true;
        for (const std::string& szPiece : pieces) bAll = bAll && szLine.find(szPiece) != std::string::npos;
        nCount += bAll;
    }
    return nCount;
}
}  // namespace

TEST_F(TradeTest, ALeagueAfterATradeIsSoundAndEachFaultATradeCouldLeaveIsNamed) {
    Own_Next_Draft_Picks(0, 2);
    Own_Next_Draft_Picks(1, 2);
    int nID = Get_Player_Vital_Stat(0, 2, VS_PLAYER_ID);
    TRADE_OFFER offer = One_For_One(2, 4);
    offer.aanItems[0][1] = 3;
    offer.aanItems[0][2] = (int8_t)(Number_Of_Players(0) + 1);  // its second pick
    offer.aanItems[1][1] = (int8_t)Number_Of_Players(1);        // its first pick
    offer.nCash = -2;
    ASSERT_TRUE(Implement_Trade(offer));
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << (violations.empty() ? "" : violations[0]);

    TNUM nTeam;
    PNUM nSlot;
    ASSERT_TRUE(Find_Player_ID(nID, &nTeam, &nSlot));
    ASSERT_EQ(nTeam, 1);
    std::string szSlot = " slot " + std::to_string(nSlot) + ": ";

    uint8_t& nOwner = g_League.abDraftPicks[0][1][0];
    uint8_t nOldOwner = nOwner;
    nOwner = (uint8_t)Number_Of_Teams();
    EXPECT_EQ(Violations_Naming({"draft 0 round 2 pick", "not in use"}), 1);
    nOwner = nOldOwner;

    int nSalary = Get_Player_Vital_Stat(1, nSlot, VS_SALARY);
    Set_Player_Vital_Stat(1, nSlot, VS_SALARY, MINIMUM_SALARY - 1);
    EXPECT_EQ(Violations_Naming({szSlot, "salary " + std::to_string(MINIMUM_SALARY - 1) + " below"}), 1);
    Set_Player_Vital_Stat(1, nSlot, VS_SALARY, nSalary);

    int nYears = Get_Player_Vital_Stat(1, nSlot, VS_CONTRACT_LEFT);
    Set_Player_Vital_Stat(1, nSlot, VS_CONTRACT_LEFT, -1);
    EXPECT_EQ(Violations_Naming({szSlot, "contract years left -1"}), 1);
    Set_Player_Vital_Stat(1, nSlot, VS_CONTRACT_LEFT, nYears);

    // His season's record left naming the team he came from.
    int nOpen = Get_Player_Open_Record(1, nSlot);
    ASSERT_GE(nOpen, 0);
    int32_t& nRecordTeam = g_League.aHistory[nOpen].nTeam;
    int32_t nOldTeam = nRecordTeam;
    nRecordTeam = 0;
    EXPECT_EQ(Violations_Naming({szSlot, "open record " + std::to_string(nOpen) + " names team 0, not his team 1"}), 1);
    nRecordTeam = nOldTeam;
    EXPECT_EQ(Check_League_Integrity(nullptr), 0);
}
