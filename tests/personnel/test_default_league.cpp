// Ratings and organisation on the league a new game starts from.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "database/integrity.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/ratings.h"
#include "personnel/roster.h"
#include "test_support.h"

namespace {
class DefaultLeagueTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        std::string szUniverse = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
        if (!std::filesystem::exists(szUniverse)) GTEST_SKIP() << "no default league built";
        ASSERT_TRUE(Load_Game(szUniverse.c_str()));
    }
};

int Side(int nPosition) { return nPosition <= POS_C ? 0 : nPosition <= POS_S ? 1 : 2; }
}  // namespace

TEST_F(DefaultLeagueTest, EveryRatingWithinItsRange) {
    for (TNUM t = 0; t <= TOTAL_NUMBER_OF_TEAMS; t++)
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
            if (!Is_Valid_Player(t, p)) continue;
            int nPosition = Get_Player_Vital_Stat(t, p, VS_POSITION);
            for (int i = 0; i < RATINGS_PER_POSITION; i++) {
                int nCode = Position_Rating_Code(nPosition, i);
                if (!nCode) continue;
                int nRating = Get_Player_Season_Stat(t, p, PERIOD_PREDICTED, nCode);
                EXPECT_TRUE(nRating >= 50 && nRating <= 100) << (int)t << "/" << (int)p << " code " << nCode;
            }
            int nOverall = Player_Overall_Rating(t, p);
            EXPECT_TRUE(nOverall >= 0 && nOverall <= 100) << (int)t << "/" << (int)p;
        }
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(DefaultLeagueTest, OverallRatingsSpreadAtEveryPosition) {
    int anLow[14], anHigh[14];
    std::fill(anLow, anLow + 14, 101);
    std::fill(anHigh, anHigh + 14, -1);
    for (TNUM t = 0; t < NUMBER_OF_FRANCHISES; t++)
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
            if (!Is_Valid_Player(t, p)) continue;
            int nPosition = Get_Player_Vital_Stat(t, p, VS_POSITION);
            int nOverall = Player_Overall_Rating(t, p);
            anLow[nPosition] = std::min(anLow[nPosition], nOverall);
            anHigh[nPosition] = std::max(anHigh[nPosition], nOverall);
        }
    for (int nPosition = 0; nPosition < 14; nPosition++)
        EXPECT_GE(anHigh[nPosition] - anLow[nPosition], 15) << "position " << nPosition;
}

TEST_F(DefaultLeagueTest, OrganisingEveryTeamLeavesValidRosters) {
    int anBefore[NUMBER_OF_FRANCHISES];
    for (TNUM t = 0; t < NUMBER_OF_FRANCHISES; t++) anBefore[t] = Number_Of_Players(t);
    Organise_Every_Team();
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << (violations.empty() ? "" : violations[0]);
    for (TNUM t = 0; t < NUMBER_OF_FRANCHISES; t++) {
        if (!Valid_Team(t)) continue;
        int n = Number_Of_Players(t);
        EXPECT_GE(n, anBefore[t]);
        for (PNUM p = (PNUM)n; p < PLAYERS_PER_TEAM; p++) EXPECT_FALSE(Is_Valid_Player(t, p)) << "gap in " << (int)t;
        int nLastSide = 0;
        int anCount[3] = {};
        for (PNUM p = 0; p < n; p++) {
            int nSide = Side(Get_Player_Vital_Stat(t, p, VS_POSITION));
            EXPECT_GE(nSide, nLastSide) << (int)t << "/" << (int)p;
            nLastSide = nSide;
            anCount[nSide]++;
        }
        // With enough players at each position, the lineup reads as it should.
        PNUM nDefence = First_Slot_Of_Side(t, 1);
        EXPECT_EQ(nDefence, anCount[0]);
        EXPECT_EQ(Get_Player_Vital_Stat(t, 0, VS_POSITION), POS_QB) << (int)t;
        EXPECT_EQ(Get_Player_Vital_Stat(t, nDefence, VS_POSITION), POS_DE) << (int)t;
        EXPECT_EQ(Get_Player_Vital_Stat(t, nDefence + 4, VS_POSITION), POS_LB) << (int)t;
        EXPECT_EQ(Get_Player_Vital_Stat(t, nDefence + anCount[1], VS_POSITION), POS_K) << (int)t;
        PNUM nKick = Get_Team_Returner(t, KICK_RETURNER), nPunt = Get_Team_Returner(t, PUNT_RETURNER);
        EXPECT_TRUE(Is_Valid_Player(t, nKick)) << (int)t;
        EXPECT_TRUE(Is_Valid_Player(t, nPunt)) << (int)t;
    }
}

// The maker rates its backs and receivers with the game's own formula: every
// season they have stored is what the game would store for that body.
TEST_F(DefaultLeagueTest, StoredBlockingIsTheGamesOwnForEverySeason) {
    int nChecked = 0;
    for (TNUM t = 0; t <= TOTAL_NUMBER_OF_TEAMS; t++)
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
            if (!Is_Valid_Player(t, p)) continue;
            int nPosition = Get_Player_Vital_Stat(t, p, VS_POSITION);
            if (nPosition != POS_RB && nPosition != POS_TE && nPosition != POS_WR) continue;
            std::vector<int> anPeriods = {PERIOD_PREDICTED, PERIOD_LAST_SEASON};
            for (int nPeriod = PERIOD_HISTORY; nPeriod < PERIOD_HISTORY + Count_History_Entries(t, p); nPeriod++)
                if (Player_Period_Has_Stats(t, p, nPeriod)) anPeriods.push_back(nPeriod);
            for (int nPeriod : anPeriods) {
                int nStored = Get_Player_Season_Stat(t, p, nPeriod, SS_COMPLETIONS);
                if (nPeriod == PERIOD_LAST_SEASON && !Player_Period_Has_Stats(t, p, nPeriod)) continue;
                ASSERT_TRUE(nStored >= RATING_FLOOR && nStored <= RATING_CEILING)
                    << (int)t << "/" << (int)p << " period " << nPeriod << ": " << nStored;
                Store_Blocking_Rating(t, p, nPeriod);
                ASSERT_EQ(Get_Player_Season_Stat(t, p, nPeriod, SS_COMPLETIONS), nStored)
                    << (int)t << "/" << (int)p << " period " << nPeriod;
                nChecked++;
            }
        }
    EXPECT_GT(nChecked, 1000);
    EXPECT_TRUE(Logged_Nothing());
}
