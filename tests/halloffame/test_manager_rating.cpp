// The manager rating, the top-ten tables and Retire against a permanent file
// in the scratch folder.
#include <cstring>
#include <filesystem>
#include <fstream>

#include "database/team.h"
#include "database/text_format.h"
#include "halloffame/manager_rating.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {
class ManagerRatingTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Page_League(4);
        for (TNUM nTeam = 0; nTeam < 4; nTeam++) {
            Set_Team_String("Sam Hollow", nTeam, TS_MANAGER);
            Set_Team_Financial_Stat(nTeam, FIN_MARKET_HANDICAP, 0); // an average market
        }
        Set_Team_Stat(USER, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    }
    static constexpr TNUM USER = 1;

    // Every completed season alike, and the season under way with games of its own.
    static void Play_Seasons(TNUM nTeam, int nSeasons, int nWins, int nLosses, int nTies, int nPlayoffWins,
                             int nPlayoffLosses) {
        Set_Game_State(GS_SEASON_INDEX, nSeasons);
        for (int nYear = 0; nYear <= nSeasons; nYear++) {
            Set_Team_Yearly_Stat(nTeam, nYear, YR_WINS, nWins);
            Set_Team_Yearly_Stat(nTeam, nYear, YR_LOSSES, nLosses);
            Set_Team_Yearly_Stat(nTeam, nYear, YR_TIES, nTies);
            Set_Team_Yearly_Stat(nTeam, nYear, YR_PLAYOFF_WINS, nPlayoffWins);
            Set_Team_Yearly_Stat(nTeam, nYear, YR_PLAYOFF_LOSSES, nPlayoffLosses);
        }
    }
    static FameFile Read() {
        FameFile fame;
        Read_Fame_File(&fame);
        return fame;
    }
    static std::string File_Bytes() {
        std::ifstream file(FAME_FILE_NAME, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), {});
    }
    static bool Told(const char* szTitle) {
        for (const RecordedNotice& notice : Headless_Notices())
            if (notice.title == szTitle) return true;
        return false;
    }
};

constexpr int VANTOR = 3;
constexpr int MANAGER = 2;
} // namespace

TEST_F(ManagerRatingTest, RatingFollowsTheWorkedExamples) {
    Play_Seasons(USER, 1, 16, 0, 0, 3, 0);
    EXPECT_EQ(Manager_Rating(USER), 375); // ratio(1188, 316, 1000)
    char szText[TEXT_SIZE];
    Rating_Text(Manager_Rating(USER), szText);
    EXPECT_STREQ(szText, "37.5");
    // The season under way does not count: during the first one every rating is 0.
    Set_Game_State(GS_SEASON_INDEX, 0);
    EXPECT_EQ(Manager_Rating(USER), 0);
    // A damaged index: the rounded root would take -4 for four seasons.
    Set_Game_State(GS_SEASON_INDEX, -4);
    EXPECT_EQ(Manager_Rating(USER), 0);
    // Ten perfect seasons in an average market make exactly 100.0, and tenure stops there.
    Play_Seasons(USER, 10, 16, 0, 0, 0, 0);
    EXPECT_EQ(Manager_Rating(USER), 1000);
    Play_Seasons(USER, 40, 16, 0, 0, 0, 0);
    EXPECT_EQ(Manager_Rating(USER), 1000);
    // No games leave the handicap alone, and never below zero.
    Play_Seasons(USER, 1, 0, 0, 0, 0, 0);
    Set_Team_Financial_Stat(USER, FIN_MARKET_HANDICAP, 100);
    EXPECT_EQ(Manager_Rating(USER), 32);
    Set_Team_Financial_Stat(USER, FIN_MARKET_HANDICAP, -100);
    EXPECT_EQ(Manager_Rating(USER), 0);
    // Ties count half, playoff wins once more, playoff losses nothing.
    EXPECT_EQ(Vantor_Rating({8, 7, 2, 2, 5}, 0, 10), 647); // (2 + 20) / 34
}

TEST_F(ManagerRatingTest, HallOfFameTeamIsBestHumanLaterOnTies) {
    Set_Team_Stat(0, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
    Play_Seasons(0, 3, 16, 0, 0, 3, 0); // the best record, but the computer's
    Play_Seasons(USER, 3, 8, 8, 0, 0, 0);
    EXPECT_EQ(Hall_Of_Fame_Team(), USER);
    Set_Team_Stat(3, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Play_Seasons(3, 3, 8, 8, 0, 0, 0);
    EXPECT_EQ(Hall_Of_Fame_Team(), 3);
    Play_Seasons(USER, 3, 9, 7, 0, 0, 0);
    EXPECT_EQ(Hall_Of_Fame_Team(), USER);
}

TEST_F(ManagerRatingTest, QualifyingNeedsMoreThanTheTenthAndEqualGoesBelow) {
    FameFile fame;
    memset(&fame, 0, sizeof fame);
    Fill_Built_In_Fame_Entries(&fame);
    int nTenth = fame.aTables[MANAGER][FAME_ENTRIES - 1].nRating;
    EXPECT_FALSE(Rating_Qualifies(fame, MANAGER, nTenth));
    EXPECT_TRUE(Rating_Qualifies(fame, MANAGER, nTenth + 1));
    FameFile before = fame;
    FameEntry entry = Manager_Fame_Entry(USER, fame.aTables[MANAGER][3].nRating);
    EXPECT_EQ(Insert_Fame_Entry(&fame, MANAGER, entry), 4);
    EXPECT_STREQ(fame.aTables[MANAGER][4].szManager, "Sam Hollow");
    EXPECT_EQ(memcmp(&fame.aTables[MANAGER][3], &before.aTables[MANAGER][3], sizeof entry), 0);
    for (int i = 5; i < FAME_ENTRIES; i++)
        EXPECT_EQ(memcmp(&fame.aTables[MANAGER][i], &before.aTables[MANAGER][i - 1], sizeof entry), 0) << i;
    EXPECT_EQ(memcmp(&fame.aTables[VANTOR], &before.aTables[VANTOR], sizeof fame.aTables[VANTOR]), 0);
}

TEST_F(ManagerRatingTest, NotQualifyingAskedOnceAndWritesNothing) {
    Rebuild_Fame_File();
    std::string szBefore = File_Bytes();
    Set_Game_State(GS_DIFFICULTY, MANAGER);
    Play_Seasons(USER, 1, 16, 0, 0, 3, 0); // 37.5, far below the tenth
    Headless_Push_Answer(ANSWER_NO);
    EXPECT_FALSE(Retire());
    Headless_Push_Answer(ANSWER_YES);
    EXPECT_TRUE(Retire());
    ASSERT_EQ(Headless_Questions().size(), 2u);
    EXPECT_EQ(Headless_Questions()[0].title, "Retirement");
    EXPECT_EQ(Headless_Questions()[0].text,
              "Your Vantor Rating of 37.5 does not qualify for the Vantor Hall Of Fame. Retire anyway?");
    EXPECT_EQ(File_Bytes(), szBefore);
}

TEST_F(ManagerRatingTest, QualifyingAnsweredNoPlaysOn) {
    Rebuild_Fame_File();
    std::string szBefore = File_Bytes();
    Play_Seasons(USER, 10, 16, 0, 0, 3, 0);
    Headless_Push_Answer(ANSWER_NO);
    EXPECT_FALSE(Retire());
    ASSERT_EQ(Headless_Questions().size(), 1u);
    EXPECT_EQ(Headless_Questions()[0].text, "Congratulations. Your score qualifies for the Vantor Hall Of "
                                            "Fame. Are you sure you want to retire?");
    EXPECT_EQ(File_Bytes(), szBefore);
}

TEST_F(ManagerRatingTest, ValidFirstAtVantorIsWhiteWithSecretCode) {
    Rebuild_Fame_File();
    Set_Game_State(GS_DIFFICULTY, VANTOR);
    Set_Game_State(GS_RATING_VALID, 1);
    Play_Seasons(USER, 10, 16, 0, 0, 3, 0);
    Headless_Push_Answer(ANSWER_YES);
    ASSERT_TRUE(Retire());
    FameFile fame = Read();
    EXPECT_STREQ(fame.aTables[VANTOR][0].szManager, "Sam Hollow");
    EXPECT_EQ(fame.aTables[VANTOR][0].nFlag, FAME_WHITE);
    EXPECT_EQ(fame.aTables[VANTOR][0].nRating, Manager_Rating(USER));
    EXPECT_EQ(fame.aTables[VANTOR][1].nRating, 761);
    EXPECT_EQ(fame.aTables[MANAGER][0].nRating, 761);
    ASSERT_TRUE(Told("Congratulations!"));
    EXPECT_EQ(Headless_Notices().back().text,
              "You have earned the #1 spot at the VANTOR level of difficulty. Your secret code is " +
                  std::to_string(Secret_Code("Sam Hollow")) + ".");
    EXPECT_FALSE(Told("Vantor Rating"));
    EXPECT_NE(Secret_Code("Sam Hollow"), Secret_Code("Sam Hollows"));
    EXPECT_GE(Secret_Code(""), 100000);
}

TEST_F(ManagerRatingTest, ValidFirstBelowVantorSaysNothing) {
    Rebuild_Fame_File();
    Set_Game_State(GS_DIFFICULTY, MANAGER); // first place, but not at the Vantor level
    Set_Game_State(GS_RATING_VALID, 1);
    Play_Seasons(USER, 10, 10, 5, 1, 2, 1); // 78.1
    Headless_Push_Answer(ANSWER_YES);
    ASSERT_TRUE(Retire());
    FameEntry entry = Read().aTables[MANAGER][0];
    EXPECT_EQ(entry.nFlag, FAME_WHITE);
    EXPECT_EQ(entry.nRating, 781);
    EXPECT_EQ(entry.nFirstSeason, 2003);
    EXPECT_EQ(entry.nLastSeason, 2012);
    EXPECT_EQ(entry.nTies, 10);
    EXPECT_EQ(entry.nPlayoffLosses, 10);
    EXPECT_TRUE(Headless_Notices().empty());
}

TEST_F(ManagerRatingTest, InvalidRatingIsGrayEvenAtTheTop) {
    Rebuild_Fame_File();
    Set_Game_State(GS_DIFFICULTY, VANTOR);
    Set_Game_State(GS_RATING_VALID, 0);
    Play_Seasons(USER, 10, 16, 0, 0, 3, 0);
    Headless_Push_Answer(ANSWER_YES);
    ASSERT_TRUE(Retire());
    EXPECT_EQ(Read().aTables[VANTOR][0].nFlag, FAME_GRAY);
    EXPECT_FALSE(Told("Congratulations!"));
    ASSERT_TRUE(Told("Vantor Rating"));
    EXPECT_NE(Headless_Notices().back().text.find("It will be shown in gray."), std::string::npos);
}

TEST_F(ManagerRatingTest, MissingFileGetsTheBuiltInTablesAndTheEntry) {
    Set_Game_State(GS_DIFFICULTY, MANAGER);
    Play_Seasons(USER, 10, 13, 3, 0, 0, 0); // 81.3
    Headless_Push_Answer(ANSWER_YES);
    ASSERT_TRUE(Retire());
    FameFile fame = Read();
    EXPECT_EQ(fame.aTables[MANAGER][0].nRating, 813);
    EXPECT_EQ(fame.aTables[MANAGER][1].nRating, 761);
    EXPECT_EQ(fame.aTables[0][0].nRating, 761);
}

TEST_F(ManagerRatingTest, UnreadableFileIsNeverWrittenOver) {
    fs::create_directory(FAME_FILE_NAME); // opens, but every read fails
    Play_Seasons(USER, 10, 13, 3, 0, 0, 0);
    Headless_Push_Answer(ANSWER_YES);
    EXPECT_TRUE(Retire());
    EXPECT_TRUE(fs::is_directory(FAME_FILE_NAME));
    EXPECT_EQ(Headless_Notices().back().text, "Couldn't read 'VantorFame.dat' for writing.");
}

TEST_F(ManagerRatingTest, ShortFileKeepsWhatItHeld) {
    Rebuild_Fame_File();
    std::string szBytes = File_Bytes().substr(0, sizeof(FameEntry) * FAME_ENTRIES + 100);
    { std::ofstream(FAME_FILE_NAME, std::ios::binary) << szBytes; }
    Set_Game_State(GS_DIFFICULTY, VANTOR);
    Play_Seasons(USER, 1, 16, 0, 0, 3, 0); // 37.5 beats the zeros past the end
    Headless_Push_Answer(ANSWER_YES);
    ASSERT_TRUE(Retire());
    std::string szAfter = File_Bytes();
    ASSERT_EQ(szAfter.size(), FAME_FILE_SIZE);
    EXPECT_EQ(szAfter.substr(0, szBytes.size()), szBytes);
    EXPECT_EQ(Read().aTables[VANTOR][0].nRating, 375);
}
