// Team needs against the league: a team short at a position needs it more
// than the others, the figures spread across the league, and the hint and
// seeking texts name the right needs in the right order.
#include <algorithm>

#include "trade_league.h"
#include "trades/team_needs.h"

namespace {

constexpr int LOWEST_NEED = 600;
constexpr int HIGHEST_NEED = 2000;
constexpr int ROW_SPREAD = 300;    // the least difference within each of a team's rows
constexpr int CLEAR_RISE = 100;    // per mille a lost starter must add to the need

TeamNeeds Needs_Of(TNUM nTeam) {
    TeamNeeds needs;
    Compute_Team_Needs(nTeam, &needs);
    return needs;
}

TeamNeeds Flat_Needs(int nWeight) {
    TeamNeeds needs;
    for (auto& anRow : needs.aanNeed) std::fill(std::begin(anRow), std::end(anRow), nWeight);
    return needs;
}

}  // namespace

// Deep teams drive the raw backup and youth needs below zero, so their league
// averages sit near zero: put over the average, any young-lineman need
// outgrew a missing quarterback. Needs above the pressing mark are damped
// together, so among them the order is not his to win, but he is near the top.
TEST_F(TradeLeagueTest, ATeamThatLosesItsStartingQuarterbackNeedsOneAmongTheFirst) {
    const std::string UNIVERSE = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
    constexpr int FIRST_NEEDS = 5;  // as many as the hint names
    int nTeams = Number_Of_Teams(), nAmongFirst = 0, nClearRises = 0;
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        ASSERT_TRUE(Load_Game(UNIVERSE.c_str()));
        After_League_Loaded();
        TeamNeeds before = Needs_Of(nTeam);
        Delete_Player(nTeam, Player_At_Depth(nTeam, POS_QB, 0));
        TeamNeeds after = Needs_Of(nTeam);
        int nBefore = before.aanNeed[NEED_STARTER][POS_QB], nQuarterback = after.aanNeed[NEED_STARTER][POS_QB];
        if (nBefore < PRESSING_NEED) {
            EXPECT_GE(nQuarterback, nBefore) << nTeam;
        }
        nClearRises += nQuarterback > nBefore + CLEAR_RISE;
        int nAbove = 0;
        for (const auto& anRow : after.aanNeed)
            for (int nNeed : anRow) nAbove += nNeed > nQuarterback;
        nAmongFirst += nAbove < FIRST_NEEDS;
    }
    EXPECT_GE(nAmongFirst, nTeams * 4 / 5);
    // Only a team whose starter was already poor, or whose backup is nearly
    // as good, hardly notices.
    EXPECT_GE(nClearRises, nTeams / 2);
}

TEST_F(TradeLeagueTest, ANeedEveryTeamSharesAlikeIsPlain) {
    // With a single kicker and no backup the starter need is the same fixed
    // figure everywhere: no spread, no team above the others.
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        for (PNUM nBackup; (nBackup = Player_At_Depth(nTeam, POS_K, 1)) != NO_PLAYER;) Delete_Player(nTeam, nBackup);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        EXPECT_EQ(Needs_Of(nTeam).aanNeed[NEED_STARTER][POS_K], Needs_Of(0).aanNeed[NEED_STARTER][POS_K]);
    EXPECT_LT(Needs_Of(0).aanNeed[NEED_STARTER][POS_K], PRESSING_NEED * 3 / 4);
}

TEST_F(TradeLeagueTest, EveryTeamsNeedsStayInRangeAndTellItsPositionsApart) {
    for (TNUM t = 0; t < Number_Of_Teams(); t++) {
        TeamNeeds needs = Needs_Of(t);
        for (int r = 0; r < NEED_ROWS; r++) {
            int nLow = HIGHEST_NEED, nHigh = 0;
            for (int p = 0; p < NUMBER_OF_POSITIONS; p++) {
                int nNeed = needs.aanNeed[r][p];
                bool bKicker = p == POS_K || p == POS_P;
                EXPECT_GE(nNeed, bKicker ? LOWEST_NEED * 3 / 4 : LOWEST_NEED) << t << " " << r << " " << p;
                EXPECT_LE(nNeed, bKicker ? HIGHEST_NEED * 3 / 4 : HIGHEST_NEED) << t << " " << r << " " << p;
                nLow = std::min(nLow, nNeed);
                nHigh = std::max(nHigh, nNeed);
            }
            EXPECT_GE(nHigh - nLow, ROW_SPREAD) << t << " " << r;
        }
    }
}

TEST_F(TradeLeagueTest, ALosingRecordValuesStartersLessAndYouthMore) {
    TeamNeeds before;
    Raw_Team_Needs(0, &before);
    for (int nGame = 0; nGame < 6; nGame++) Add_Team_Loss(0, true);
    TeamNeeds after;
    Raw_Team_Needs(0, &after);
    EXPECT_LT(after.aanNeed[NEED_STARTER][POS_QB], before.aanNeed[NEED_STARTER][POS_QB]);
    EXPECT_EQ(after.aanNeed[NEED_VETERAN_BACKUP][POS_QB], before.aanNeed[NEED_VETERAN_BACKUP][POS_QB]);
    EXPECT_GT(after.aanNeed[NEED_YOUNG_BACKUP][POS_QB], before.aanNeed[NEED_YOUNG_BACKUP][POS_QB]);
}

TEST(TeamNeedsText, TheHintNamesTheLargestNeedsWhileTheyArePressing) {
    TeamNeeds needs = Flat_Needs(1000);
    needs.aanNeed[NEED_STARTER][POS_QB] = 1900;
    needs.aanNeed[NEED_VETERAN_BACKUP][POS_RB] = 1500;
    needs.aanNeed[NEED_YOUNG_BACKUP][POS_S] = 1450;
    needs.aanNeed[NEED_VETERAN_BACKUP][POS_C] = 1300;
    EXPECT_EQ(Needs_List_Text(needs),
              "(1) A starting quarterback\n(2) More depth at running back\n(3) A young safety\n(4) A backup center");

    // Nothing pressing: only the first line; on a tie the earlier row and position win.
    needs = Flat_Needs(900);
    needs.aanNeed[NEED_YOUNG_BACKUP][POS_G] = 1400;
    needs.aanNeed[NEED_VETERAN_BACKUP][POS_LB] = 1400;
    EXPECT_EQ(Needs_List_Text(needs), "(1) More depth at linebacker");

    needs = Flat_Needs(HIGHEST_NEED);
    EXPECT_EQ(Needs_List_Text(needs),
              "(1) A starting quarterback\n(2) A starting running back\n(3) A starting tight end\n"
              "(4) A starting wide receiver\n(5) A starting tackle");
}

TEST(TeamNeedsText, TheSeekingPhraseNamesTheTwoLargestSumsInThePlural) {
    TeamNeeds needs = Flat_Needs(LOWEST_NEED);
    needs.aanNeed[NEED_YOUNG_BACKUP][POS_S] = HIGHEST_NEED;
    needs.aanNeed[NEED_STARTER][POS_LB] = 1500;
    needs.aanNeed[NEED_STARTER][POS_DT] = 1500;
    EXPECT_EQ(Seeking_Phrase(needs), "Safeties, Defensive Tackles, ");
}

TEST(AgeAdjustment, YouthAddsAndAgeTakesAwayWithinTheTable) {
    constexpr int VALUE = 1000;
    EXPECT_EQ(Age_Adjusted_Value(VALUE, 15), Age_Adjusted_Value(VALUE, 20));
    EXPECT_EQ(Age_Adjusted_Value(VALUE, 60), Age_Adjusted_Value(VALUE, 44));
    EXPECT_EQ(Age_Adjusted_Value(VALUE, 30), VALUE);
    for (int nAge = 20; nAge < 44; nAge++)
        EXPECT_GT(Age_Adjusted_Value(VALUE, nAge), Age_Adjusted_Value(VALUE, nAge + 1)) << nAge;
    EXPECT_GT(Age_Adjusted_Value(VALUE, 44), 0);
}

TEST_F(TradeLeagueTest, TheToolShowsEveryPositionsNeedsAndTheHint) {
    const std::string UNIVERSE = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
    SimResult r = Run_Sim("needs " + UNIVERSE + " 0");
    ASSERT_EQ(r.nStatus, 0) << r.szOutput;
    for (const char* szPosition : {"Quarterback", "Defensive Tackle", "Punter"})
        EXPECT_NE(r.szOutput.find(szPosition), std::string::npos) << szPosition;
    EXPECT_NE(r.szOutput.find("Hint:\n(1) A "), std::string::npos) << r.szOutput;
    EXPECT_EQ(Run_Sim("needs " + UNIVERSE + " 99").nStatus, 1);
    EXPECT_EQ(Run_Sim("needs " + UNIVERSE).nStatus, 2);
}
