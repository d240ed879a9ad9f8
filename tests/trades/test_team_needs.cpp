// Team needs against the league: a team short at a position needs it more
// than the others, the figures spread across the league, and the hint and
// seeking texts name the right needs in the right order.
#include <algorithm>

#include "trade_league.h"
#include "trades/team_needs.h"

namespace {

constexpr int LOWEST_NEED = 600;
constexpr int HIGHEST_NEED = 2000;
constexpr int ROW_SPREAD = 300;    // the least difference within a team's starter and youth rows
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

TEST_F(TradeLeagueTest, ATeamThatLosesItsStartingQuarterbackNeedsOneMostOfAll) {
    TeamNeeds before = Needs_Of(0);
    Delete_Player(0, Player_At_Depth(0, POS_QB, 0));
    TeamNeeds after = Needs_Of(0);
    int nQuarterback = after.aanNeed[NEED_STARTER][POS_QB];
    EXPECT_GT(nQuarterback, before.aanNeed[NEED_STARTER][POS_QB] + CLEAR_RISE);
    for (int p = 0; p < NUMBER_OF_POSITIONS; p++)
        if (p != POS_QB) {
            EXPECT_GT(nQuarterback, after.aanNeed[NEED_STARTER][p]) << p;
        }
    // The others are measured against a league that now holds one weak team.
    EXPECT_LT(Needs_Of(1).aanNeed[NEED_STARTER][POS_QB], nQuarterback);
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
            // The depth row is flat wherever the backups play below zero, which
            // they mostly do in a new league.
            if (r != NEED_VETERAN_BACKUP) {
                EXPECT_GE(nHigh - nLow, ROW_SPREAD) << t << " " << r;
            }
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
