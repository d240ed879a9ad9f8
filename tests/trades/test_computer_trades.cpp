// The computer's own trading: a round between two of its teams carries out
// only what both score above the bar and otherwise leaves the league alone;
// the draws follow the seed; the proposals to a person's team stay away when
// they should and change nothing until the person trades.
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "base/random.h"
#include "personnel/ratings.h"
#include "platform/headless.h"
#include "trade_league.h"
#include "trades/computer_trades.h"
#include "trades/trade_rules.h"
#include "trades/trade_value.h"

namespace {

constexpr int SEEDS = 40;
constexpr int PROBE = 1 << 30;
constexpr TNUM PERSON = 0;

std::vector<std::string> s_Told;
void Tell(const char* szLine) { s_Told.push_back(szLine); }
std::vector<TRADE_OFFER> s_Shown;
void Show(const TRADE_OFFER& offer) { s_Shown.push_back(offer); }

int Score_Of_Side(const TRADE_OFFER& offer, int nSide) {
    TRADE_OFFER judged = offer;
    if (nSide == 0) Mirror_Trade_Offer(&judged);
    TeamNeeds needs;
    Compute_Team_Needs(judged.anTeam[1], &needs);
    return Offer_Score(judged, needs);
}

bool Positions_Differ(const TRADE_OFFER& offer, int nSide) {
    std::set<int> positions;
    int nPlayers = 0;
    for (int i = 0; i < TRADE_ITEMS; i++)
        if (Trade_Item_Is_Player(offer, nSide, i)) {
            nPlayers++;
            positions.insert(Get_Player_Vital_Stat(offer.anTeam[nSide], offer.aanItems[nSide][i], VS_POSITION));
        }
    return (int)positions.size() == nPlayers;
}

class ComputerTradesTest : public TradeLeagueTest {
  protected:
    // A back's blocking rating is stored the first time his value is read:
    // read every value once, so that the checksums see only the trades.
    void SetUp() override {
        TradeLeagueTest::SetUp();
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
            for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
                if (Is_Valid_Player(nTeam, nPlayer)) Player_Trade_Value(nTeam, nPlayer);
    }
    void TearDown() override {
        Set_Computer_Trade_Observer(nullptr);
        Set_Trade_Proposal_Hook(nullptr);
        s_Told.clear();
        s_Shown.clear();
        TradeLeagueTest::TearDown();
    }
    // The draw that follows the seed after pAction: equal to the bare seed's
    // when the action drew nothing.
    template <typename Action>
    static int Draw_After(uint32_t nSeed, Action action) {
        Seed_Random(nSeed);
        action();
        return Random(PROBE);
    }
    static void Make_Person(TNUM nTeam) {
        Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        Set_Game_State(GS_MANAGED_TEAM, nTeam);
        Set_Game_State(GS_USER_TEAM, nTeam);
        Set_Game_State(GS_COMPUTER_TRADES, 1);
        Set_Game_State(GS_COMMISSIONER, 0);
        Set_Game_State(GS_DIFFICULTY, 1);
    }
};

}  // namespace

TEST_F(ComputerTradesTest, ARoundTradesWhatBothScoreAboveTheBarOrChangesNothing) {
    Set_Computer_Trade_Observer(Tell);
    std::vector<LeagueDatabase> saved(1, g_League);
    int nTrades = 0;
    for (uint32_t nSeed = 1; nSeed <= SEEDS; nSeed++) {
        g_League = saved[0];
        uint32_t nSum = Saved_Data_Checksum();
        size_t nTold = s_Told.size();
        Seed_Random(nSeed);
        TRADE_OFFER offer;
        if (!Computer_Trade_Round(&offer)) {
            EXPECT_EQ(Saved_Data_Checksum(), nSum) << "seed " << nSeed;
            EXPECT_EQ(s_Told.size(), nTold);
            continue;
        }
        nTrades++;
        ASSERT_EQ(s_Told.size(), nTold + 1);
        EXPECT_EQ(s_Told.back().rfind("Trade: ", 0), 0u) << s_Told.back();
        // A sum is blind to players changing places: the record itself must differ.
        EXPECT_NE(memcmp(&g_League, &saved[0], sizeof g_League), 0);
        // Judged again on the league as it was before the players moved.
        g_League = saved[0];
        char szReason[TRADE_TEXT_WIDTH];
        EXPECT_TRUE(Trade_Is_Legal(offer, szReason)) << szReason;
        EXPECT_GT(Score_Of_Side(offer, 1), COMPUTER_TRADE_SCORE) << "seed " << nSeed;
        EXPECT_GT(Score_Of_Side(offer, 0), COMPUTER_TRADE_SCORE) << "seed " << nSeed;
        EXPECT_TRUE(Positions_Differ(offer, 0) && Positions_Differ(offer, 1)) << s_Told.back();
        EXPECT_NE(offer.anTeam[0], offer.anTeam[1]);
        EXPECT_EQ(offer.nCash, 0);
    }
    EXPECT_GT(nTrades, 0);
    EXPECT_LT(nTrades, SEEDS);
}

TEST_F(ComputerTradesTest, FewerThanTwoComputerTeamsDrawAndTradeNothing) {
    for (TNUM nTeam = 1; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    for (int nComputers : {1, 0}) {
        if (nComputers == 0) Set_Team_Stat(0, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        EXPECT_EQ(Count_Computer_Managed_Teams(), nComputers);
        uint32_t nSum = Saved_Data_Checksum();
        bool bTraded = true;
        EXPECT_EQ(Draw_After(7, [&] { bTraded = Computer_Trade_Round(); }), Draw_After(7, [] {}));
        EXPECT_FALSE(bTraded);
        EXPECT_EQ(Saved_Data_Checksum(), nSum);
    }
}

TEST_F(ComputerTradesTest, TheSameSeedGivesTheSameLeague) {
    Set_Computer_Trade_Observer(Tell);
    std::vector<LeagueDatabase> saved(1, g_League);
    uint32_t anSum[2];
    std::vector<std::string> told[2];
    for (int nRun = 0; nRun < 2; nRun++) {
        g_League = saved[0];
        s_Told.clear();
        Seed_Random(11);
        for (int nRound = 0; nRound < 4 * COMPUTER_TRADE_ROUNDS_PER_WEEK; nRound++) Computer_Trade_Round();
        anSum[nRun] = Saved_Data_Checksum();
        told[nRun] = s_Told;
    }
    EXPECT_EQ(anSum[0], anSum[1]);
    EXPECT_EQ(told[0], told[1]);
}

TEST_F(ComputerTradesTest, NoProposalsWithoutAPersonTheOptionOrOutsideCommissionerMode) {
    Make_Person(PERSON);
    Set_Game_State(GS_TRADE_ACTIVITY, 12 * TRADE_ACTIVITY_PER_WEEK);
    ASSERT_GT(Trade_Proposal_Count(), 0);
    Set_Trade_Proposal_Hook(Show);
    auto check_nothing = [&](const char* szCase) {
        EXPECT_EQ(Trade_Proposal_Count(), 0) << szCase;
        uint32_t nSum = Saved_Data_Checksum();
        EXPECT_EQ(Draw_After(3, [] { Computer_Trade_Proposals(); }), Draw_After(3, [] {})) << szCase;
        EXPECT_EQ(Saved_Data_Checksum(), nSum) << szCase;
        EXPECT_TRUE(s_Shown.empty()) << szCase;
    };
    Set_Game_State(GS_COMPUTER_TRADES, 0);
    check_nothing("option off");
    Set_Game_State(GS_COMPUTER_TRADES, 1);
    Set_Game_State(GS_COMMISSIONER, 1);
    check_nothing("commissioner");
    Set_Game_State(GS_COMMISSIONER, 0);
    Set_Team_Stat(PERSON, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
    check_nothing("no person");
}

TEST_F(ComputerTradesTest, TheWeeksPlayedDecideHowManyProposals) {
    Make_Person(PERSON);
    Set_Game_State(GS_TRADE_ACTIVITY, 0);
    EXPECT_EQ(Trade_Proposal_Count(), 0);
    // One week at the lowest difficulty is enough for one.
    Set_Game_State(GS_DIFFICULTY, 0);
    Set_Game_State(GS_TRADE_ACTIVITY, TRADE_ACTIVITY_PER_WEEK);
    EXPECT_EQ(Trade_Proposal_Count(), 1);
    // A hard game brings more offers for the same weeks.
    Set_Game_State(GS_TRADE_ACTIVITY, 4 * TRADE_ACTIVITY_PER_WEEK);
    int nEasy = Trade_Proposal_Count();
    Set_Game_State(GS_DIFFICULTY, 3);
    EXPECT_GT(Trade_Proposal_Count(), nEasy);
}

TEST_F(ComputerTradesTest, ProposalsShownOrNotedLeaveTheLeagueUnchanged) {
    Make_Person(PERSON);
    Set_Game_State(GS_DIFFICULTY, 0);
    Set_Game_State(GS_TRADE_ACTIVITY, 60 * TRADE_ACTIVITY_PER_WEEK);
    uint32_t nSum = Saved_Data_Checksum();
    Set_Trade_Proposal_Hook(Show);
    Seed_Random(5);
    Computer_Trade_Proposals();
    EXPECT_EQ(Saved_Data_Checksum(), nSum);
    ASSERT_FALSE(s_Shown.empty());
    for (const TRADE_OFFER& offer : s_Shown) {
        EXPECT_EQ(offer.anTeam[1], PERSON);
        EXPECT_FALSE(Human_Managed(offer.anTeam[0]));
        EXPECT_GT(Score_Of_Side(offer, 1), ACCEPTED_SCORE);
        EXPECT_GT(Score_Of_Side(offer, 0), COMPUTER_TRADE_SCORE);
    }
    // Without the window's page the same proposals are put to the script,
    // whose default declines them.
    Set_Trade_Proposal_Hook(nullptr);
    Headless_Reset();
    Seed_Random(5);
    Computer_Trade_Proposals();
    EXPECT_EQ(Saved_Data_Checksum(), nSum);
    ASSERT_EQ(Headless_Questions().size(), s_Shown.size());
    for (const RecordedNotice& question : Headless_Questions()) EXPECT_EQ(question.title, "Trade Offer");
}

TEST_F(ComputerTradesTest, TalkingTurnsTheProposalRoundForThePersonsPage) {
    Make_Person(PERSON);
    TRADE_OFFER offer, page;
    Clear_Trade_Offer(&offer, 5, PERSON);
    offer.aanItems[0][0] = 2;
    offer.aanItems[1][0] = 7;
    offer.aanItems[1][1] = 9;
    offer.nCash = -4;  // the person's team pays
    Set_Game_State(GS_TRADE_PARTNER, 5);
    Talk_About_Trade_Proposal(offer, &page);
    EXPECT_EQ(page.anTeam[0], PERSON);
    EXPECT_EQ(page.anTeam[1], 5);
    EXPECT_EQ(page.aanItems[0][1], 9);
    EXPECT_EQ(page.aanItems[1][0], 2);
    EXPECT_EQ(page.nCash, 4);
    EXPECT_EQ(Get_Game_State(GS_TRADE_PARTNER), NO_TEAM);
    // The cash stands under the side that pays it, after the players.
    std::vector<std::string> persons = Trade_Proposal_Lines(offer, 1), computers = Trade_Proposal_Lines(offer, 0);
    ASSERT_EQ(persons.size(), 3u);
    EXPECT_EQ(persons[2], "$4,000,000");
    ASSERT_EQ(computers.size(), 1u);
    EXPECT_EQ(computers[0].find('$'), std::string::npos);
}
