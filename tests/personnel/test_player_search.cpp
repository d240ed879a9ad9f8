// The player search over the default league: the criteria narrow as the
// window promises, the stored criteria come back, and a search changes nothing.
#include <cstring>
#include <set>
#include <string>

#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/player_search.h"
#include "platform/headless.h"
#include "test_support.h"

namespace {
class PlayerSearchTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        ASSERT_TRUE(Load_Game((std::string(BRAKVELL_GAME_DIR) + "/Universe.dat").c_str()));
        After_League_Loaded();
    }
    static int Vital(const FoundPlayer& found, int nIndex) {
        return Get_Player_Vital_Stat(found.nTeam, found.nSlot, nIndex);
    }
};
}  // namespace

TEST_F(PlayerSearchTest, EachCriterionNarrowsTheListAndTheFirstHundredAreKept) {
    SearchCriteria criteria = Default_Search_Criteria();
    std::vector<FoundPlayer> all = Find_Players(criteria);
    ASSERT_EQ((int)all.size(), FOUND_PLAYERS_LIMIT);
    EXPECT_EQ(all.front().nTeam, 0);
    EXPECT_EQ(all.front().nSlot, 0);

    criteria.nPosition = POS_QB;
    criteria.nAgeLimit = 30;
    criteria.nSalaryLimit = 2000;
    for (const FoundPlayer& found : Find_Players(criteria)) {
        EXPECT_EQ(Vital(found, VS_POSITION), POS_QB);
        EXPECT_LT(Vital(found, VS_AGE), 30);
        EXPECT_LE(Vital(found, VS_SALARY), 2000);
        for (int i = 0; i < RATINGS_PER_POSITION; i++)
            EXPECT_GE(Get_Player_Season_Stat(found.nTeam, found.nSlot, PERIOD_PREDICTED, Position_Rating_Code(POS_QB, i)),
                      criteria.anMinimum[i]);
    }
    // Minimums out of reach leave nobody at a position, and are ignored for any player.
    for (int& nMinimum : criteria.anMinimum) nMinimum = 101;
    EXPECT_TRUE(Search_For_Players(criteria).empty());
    ASSERT_FALSE(Headless_Notices().empty());
    EXPECT_EQ(Headless_Notices().back().title, "Search Failed");
    criteria.nPosition = POS_ANY;
    EXPECT_FALSE(Find_Players(criteria).empty());
}

TEST_F(PlayerSearchTest, TheNameIsFoundInAnyCaseAndTheAgeLimitIsNeverReached) {
    char szName[FULL_NAME_WIDTH];
    Get_Player_Full_Name(3, 5, szName);
    SearchCriteria criteria = Default_Search_Criteria();
    std::string szLower(szName);
    for (char& c : szLower) c = (char)tolower((unsigned char)c);
    strcpy(criteria.szName, szLower.c_str());
    std::vector<FoundPlayer> found = Find_Players(criteria);
    ASSERT_FALSE(found.empty());
    EXPECT_NE(Found_Player_Line(found.front()).find(szName), std::string::npos);

    Set_Player_Vital_Stat(3, 5, VS_AGE, 50);
    found = Find_Players(criteria);
    for (const FoundPlayer& player : found) EXPECT_FALSE(player.nTeam == 3 && player.nSlot == 5);
}

TEST_F(PlayerSearchTest, ProspectsAreFoundOnlyWhileTheDraftRunsAndReadUndrafted) {
    Swap_Players(3, 0, DRAFT_POOL_TEAMS, 0);  // into the empty pool
    SearchCriteria criteria = Default_Search_Criteria();
    char szName[FULL_NAME_WIDTH];
    Get_Player_Full_Name(DRAFT_POOL_TEAMS, 0, szName);
    strcpy(criteria.szName, szName);
    auto Has_Prospect = [&] {
        for (const FoundPlayer& found : Find_Players(criteria))
            if (found.nTeam == DRAFT_POOL_TEAMS) return Found_Player_Line(found).find("\tUndrafted") != std::string::npos;
        return false;
    };
    Set_Game_State(GS_DRAFT_ROUND, NUMBER_OF_DRAFT_ROUNDS);
    EXPECT_FALSE(Has_Prospect());
    Set_Game_State(GS_DRAFT_ROUND, 0);
    EXPECT_TRUE(Has_Prospect());
}

TEST_F(PlayerSearchTest, TheCriteriaComeBackAsStoredAndASearchChangesNothing) {
    Set_Game_State(GS_SEARCH_AGE, 0);  // a league that never stored any: the defaults
    SearchCriteria stored = Stored_Search_Criteria();
    EXPECT_EQ(stored.nPosition, POS_ANY);
    EXPECT_EQ(stored.nAgeLimit, Default_Search_Criteria().nAgeLimit);
    stored.nPosition = POS_QB;  // a real position, and code 0
    stored.nAgeLimit = 33;
    stored.anMinimum[4] = 71;
    Store_Search_Criteria(stored);
    SearchCriteria back = Stored_Search_Criteria();
    EXPECT_EQ(back.nPosition, POS_QB);
    EXPECT_EQ(back.nAgeLimit, 33);
    EXPECT_EQ(back.anMinimum[4], 71);

    uint32_t nBefore = Saved_Data_Checksum();
    Find_Players(Default_Search_Criteria());
    EXPECT_EQ(Saved_Data_Checksum(), nBefore);
}

// The window's typed fields: whole numbers in range or a message, and a
// refused field leaves every criterion as it was.
TEST(SearchFields, OnlyWholeNumbersInRangeAreTakenAndARefusalChangesNothing) {
    const char* const aszFifty[RATINGS_PER_POSITION] = {"50", "50", "50", "50", "50"};
    SearchCriteria criteria = Default_Search_Criteria();
    std::string szMessage;
    ASSERT_TRUE(Read_Search_Fields(" 1 ", "0", aszFifty, &criteria, &szMessage));
    EXPECT_EQ(criteria.nAgeLimit, 1);
    EXPECT_EQ(criteria.nSalaryLimit, 0);
    ASSERT_TRUE(Read_Search_Fields("100", "100000", aszFifty, &criteria, &szMessage));
    EXPECT_EQ(criteria.nSalaryLimit, 100000);
    SearchCriteria before = criteria;
    for (const char* szAge : {"0", "101", "", "  ", "-5", "3O", "2.5", "99999999999999999999"}) {
        szMessage.clear();
        EXPECT_FALSE(Read_Search_Fields(szAge, "500", aszFifty, &criteria, &szMessage)) << szAge;
        EXPECT_NE(szMessage.find("age limit"), std::string::npos);
        EXPECT_EQ(criteria.nAgeLimit, before.nAgeLimit);
        EXPECT_EQ(criteria.nSalaryLimit, before.nSalaryLimit);
    }
    EXPECT_FALSE(Read_Search_Fields("30", "100001", aszFifty, &criteria, &szMessage));
    EXPECT_NE(szMessage.find("salary limit"), std::string::npos);
    const char* const aszBad[RATINGS_PER_POSITION] = {"50", "50", "50", "50", "101"};
    EXPECT_FALSE(Read_Search_Fields("30", "500", aszBad, &criteria, &szMessage));
    EXPECT_NE(szMessage.find("rating"), std::string::npos);
    EXPECT_EQ(criteria.anMinimum[RATINGS_PER_POSITION - 1], before.anMinimum[RATINGS_PER_POSITION - 1]);
    EXPECT_EQ(criteria.nAgeLimit, before.nAgeLimit);
}

TEST(SearchFields, ThePositionChoicesAreTheFourteenPluralsAndAnyPlayer) {
    EXPECT_EQ(Search_Position_Text(POS_QB), "Quarterbacks");
    EXPECT_EQ(Search_Position_Text(POS_S), "Safeties");
    EXPECT_EQ(Search_Position_Text(POS_ANY), "Any Player");
    std::set<std::string> names;
    for (int nPosition = 0; nPosition <= POS_ANY; nPosition++) names.insert(Search_Position_Text(nPosition));
    EXPECT_EQ((int)names.size(), POS_ANY + 1);
}
