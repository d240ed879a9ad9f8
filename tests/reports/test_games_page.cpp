#include <filesystem>
#include <fstream>

#include "platform/headless.h"
#include "reports/games_page.h"
#include "reports/page_league.h"
#include "reports/play_by_play.h"

namespace {
const char* const MISSING_FILE = "Can't find Play-By-Play file. Make sure there is a directory labeled "
                                 "'Output' in your Brakvell directory "
                                 "before simulating any more games.";

class GamesPageTest : public PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        Make_Teams(4);
        Set_Game_State(GS_USER_TEAM, 1);
        Set_Game_State(GS_CURRENT_WEEK, 9);
    }
    // Games 0..4: weeks 0, 0, 1, 4, 4; team 1 plays in records 0 and 3.
    void Make_Season() {
        Add_Game(0, 1, 10, 0, 14, 0);
        Add_Game(1, 2, 3, 3, 6, 0);
        Add_Game(2, 0, 7, 2, 0, 1);
        Add_Game(3, 3, 21, 1, 28, 4);
        Add_Game(4, 0, 9, 2, 12, 4);
    }
    void Write_File(const char* szPath, const char* szText) {
        std::filesystem::create_directories(std::filesystem::path(szPath).parent_path());
        std::ofstream(szPath) << szText;
    }
};

TEST_F(GamesPageTest, OpensOnTheUsersLatestGameOrSaysThereIsNone) {
    EXPECT_FALSE(Open_Games_Page());
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "No Games Played");
    EXPECT_EQ(Headless_Notices()[0].text,
              "There is nothing to show in the Games Page. Please simulate at least one week of the season.");
    Make_Season();
    Set_Game_State(GS_GAMES_SCROLL, 40);
    std::filesystem::create_directories("Output");
    Write_File("Output/G-03-003.txt", "x\n");
    EXPECT_TRUE(Open_Games_Page());
    EXPECT_EQ(Games_Page_Game(), 3);
    EXPECT_EQ(Games_Scroll(), 0);
    EXPECT_EQ(Headless_Notices().size(), 1u); // the file is there
    EXPECT_EQ(Most_Recent_Game(2), 4);
    EXPECT_EQ(Most_Recent_Game(3), 3);
}

TEST_F(GamesPageTest, NoGameShownForMinusOneOrABlankRecord) {
    Set_Game_State(GS_GAMES_GAME, -1);
    EXPECT_EQ(Games_Page_Game(), NO_GAME);
    Set_Game_State(GS_GAMES_GAME, 7); // zeroed record: a team against itself
    EXPECT_EQ(Games_Page_Game(), NO_GAME);
    Set_Game_State(GS_GAMES_GAME, 5000);
    EXPECT_EQ(Games_Page_Game(), NO_GAME);
    EXPECT_TRUE(Logged_Nothing());
    for (int nMove = 0; nMove < NUMBER_OF_MOVES; nMove++)
        EXPECT_EQ(Game_Move_Target(nMove), NO_GAME);
}

TEST_F(GamesPageTest, MovesStopAtTheFirstAndLastGameAndWeek) {
    Make_Season();
    Select_Game(0);
    EXPECT_EQ(Game_Move_Target(MOVE_PREVIOUS_GAME), NO_GAME);
    EXPECT_EQ(Game_Move_Target(MOVE_PREVIOUS_WEEK), NO_GAME);
    EXPECT_EQ(Game_Move_Target(MOVE_NEXT_GAME), 1);
    EXPECT_EQ(Game_Move_Target(MOVE_NEXT_WEEK), 2);
    EXPECT_FALSE(Move_Game(MOVE_PREVIOUS_GAME));
    EXPECT_EQ(Games_Page_Game(), 0);
    Select_Game(2);
    EXPECT_EQ(Game_Move_Target(MOVE_NEXT_WEEK), 3); // weeks 2 and 3 had no games
    EXPECT_EQ(Game_Move_Target(MOVE_PREVIOUS_WEEK), 0);
    Select_Game(4);
    EXPECT_EQ(Game_Move_Target(MOVE_NEXT_GAME), NO_GAME);
    EXPECT_EQ(Game_Move_Target(MOVE_NEXT_WEEK), NO_GAME);
    EXPECT_EQ(Game_Move_Target(MOVE_PREVIOUS_WEEK), 2);
    Set_Game_State(GS_GAMES_SCROLL, 12);
    EXPECT_TRUE(Move_Game(MOVE_PREVIOUS_GAME));
    EXPECT_EQ(Games_Page_Game(), 3);
    EXPECT_EQ(Games_Scroll(), 0);
    EXPECT_STREQ(Game_Move_Text(MOVE_PREVIOUS_WEEK), "< Week");
    EXPECT_STREQ(Game_Move_Text(MOVE_NEXT_GAME), "Game >");
}

TEST_F(GamesPageTest, MissingPlayByPlayIsReportedOnceWhenTheGameIsChosen) {
    Make_Season();
    Select_Game(2);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Error");
    EXPECT_EQ(Headless_Notices()[0].text, MISSING_FILE);
    std::vector<PlayByPlayLine> lines;
    EXPECT_FALSE(Read_Play_By_Play(2, &lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Games_Page_Game(), 2); // the page still shows the box score
}

TEST_F(GamesPageTest, PlayByPlayIsFoundWhateverTheLetterCase) {
    Make_Season();
    EXPECT_EQ(Play_By_Play_Path(3), "Output/G-03-003.txt");
    Write_File("output/g-03-003.txt",
               "Sunday, September 7: City3 Nick3 at City1 Nick1\n"
               "\n 1st Q <=> Down Yardline Play\n ----- --- ---- -------- --------------------\n"
               " 15:00  A3 KICK (A3  30) Smith returns kickoff 20 yards to his 25\r\n"
               " 14:31  A1 1-10 (--  50) Jones 12-yard pass to Brown\n"
               "  0:00  A1 CONV (A3   2) Kent kicked the extra point\n"
               "\n <><><><><><> NICK3 0 / NICK1 7 <><><><><><>\n"
               "\n OT #2 <=> Down Yardline Play\n ----- --- ---- -------- --------------------\n");
    std::vector<PlayByPlayLine> lines;
    ASSERT_TRUE(Read_Play_By_Play(3, &lines));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].nKind, PBP_TEXT);
    EXPECT_EQ(lines[0].szText, "Sunday, September 7: City3 Nick3 at City1 Nick1");
    EXPECT_EQ(lines[1].nKind, PBP_HEADING);
    EXPECT_EQ(lines[1].szText, "--- FIRST QUARTER ---");
    EXPECT_EQ(lines[2].nKind, PBP_PLAY);
    EXPECT_EQ(lines[2].szTime, "15:00");
    EXPECT_EQ(lines[2].szTeam, "A3");
    EXPECT_EQ(lines[2].szDown, "KICK");
    EXPECT_EQ(lines[2].szSpot, "(A3  30)");
    EXPECT_EQ(lines[2].szText, "Smith returns kickoff 20 yards to his 25");
    EXPECT_EQ(lines[3].szSpot, "(--  50)");
    EXPECT_EQ(lines[4].szTime, "0:00");
    EXPECT_EQ(lines[5].nKind, PBP_SCORE);
    EXPECT_EQ(lines[5].szText, "<><><><><><> NICK3 0 / NICK1 7 <><><><><><>");
    EXPECT_EQ(lines[6].szText, "--- DOUBLE OVERTIME ---");
    EXPECT_STREQ(Period_Heading("OT   "), "OVERTIME");
    EXPECT_STREQ(Period_Heading("4th Q"), "FOURTH QUARTER");
    EXPECT_STREQ(Period_Heading("OT #3"), "TRIPLE OVERTIME");

    Select_Game(3);
    EXPECT_TRUE(Headless_Notices().empty());
}

TEST_F(GamesPageTest, ScrollingStaysWithinTheText) {
    Set_Game_State(GS_GAMES_SCROLL, 0);
    EXPECT_FALSE(Scroll_Play_By_Play(-14, 100, 15));
    EXPECT_TRUE(Scroll_Play_By_Play(14, 100, 15));
    EXPECT_EQ(Games_Scroll(), 14);
    EXPECT_TRUE(Scroll_Play_By_Play(1000, 100, 15));
    EXPECT_EQ(Games_Scroll(), 85);
    EXPECT_FALSE(Scroll_Play_By_Play(14, 100, 15));
    EXPECT_TRUE(Scroll_Play_By_Play(-14, 10, 15)); // a short text has nowhere to scroll
    EXPECT_EQ(Games_Scroll(), 0);
}

TEST_F(GamesPageTest, TeamStatisticsLines) {
    GameRecord* pGame = Add_Game(0, 1, 10, 0, 14, 0);
    int16_t* s = pGame->anTeamStats[1];
    s[TG_FIRST_DOWNS] = 19;
    s[TG_RUSHES] = 31;
    s[TG_RUSH_YARDS] = 140;
    s[TG_PASS_ATTEMPTS] = 28;
    s[TG_COMPLETIONS] = 17;
    s[TG_PASS_YARDS] = 210;
    s[TG_PENALTIES] = 6;
    s[TG_PENALTY_YARDS] = 45;
    s[TG_THIRD_DOWNS] = 13;
    s[TG_THIRD_CONVERSIONS] = 6;
    pGame->anTeamStats[0][TG_RUSHES] = 4;
    pGame->anTeamStats[0][TG_RUSH_YARDS] = -3;
    pGame->aScoring[0].nData = 0;
    Set_Play_Result(&pGame->aScoring[0], RESULT_TD_RUN);
    Set_Play_Side(&pGame->aScoring[0], 1);
    Set_Play_Result(&pGame->aScoring[1], RESULT_EXTRA_POINT);
    Set_Play_Side(&pGame->aScoring[1], 1);
    Set_Play_Result(&pGame->aScoring[2], RESULT_SAFETY);
    Set_Play_Side(&pGame->aScoring[2], 0);
    Set_Game_Scoring_Count(pGame, 3);
    GameStatLine aLines[GAME_STAT_LINES];
    Get_Game_Stat_Lines(pGame, aLines);
    auto Value = [&](const char* szLabel, int nSide) -> std::string {
        for (auto& line : aLines)
            if (std::string(line.szLabel) == szLabel) return line.aszValue[nSide];
        return "?";
    };
    EXPECT_EQ(Value("1st Downs", 1), "19");
    EXPECT_EQ(Value("Rushing", 1), "31-140");
    EXPECT_EQ(Value("Yards/Rush", 1), "4.5");
    EXPECT_EQ(Value("Yards/Rush", 0), "-0.7"); // -7.5 tenths, rounded as Ratio() rounds
    EXPECT_EQ(Value("Passing", 1), "210");
    EXPECT_EQ(Value("Completion", 1), "17/28");
    EXPECT_EQ(Value("Total", 1), "59");
    EXPECT_EQ(Value("Total Yards", 1), "350");
    EXPECT_EQ(Value("3rd Down", 1), "6/13");
    EXPECT_EQ(Value("Penalties", 1), "6-45");
    EXPECT_EQ(Value("Scoring Plays", 1), "1");
    EXPECT_EQ(Value("Scoring Plays", 0), "1");
    EXPECT_EQ(Value("Turnovers", 0), "0");
    EXPECT_EQ(Value("Sacks", 0), "0");
}

TEST_F(GamesPageTest, StarLinesFollowEachPlayersRow) {
    GameRecord* pGame = Add_Game(0, 1, 10, 0, 14, 0);
    Add_Player(0, 0, POS_QB, "Q", "Passer");
    Add_Player(0, 1, POS_RB, "R", "Runner");
    Add_Player(0, 2, POS_WR, "W", "Catcher");
    Add_Player(0, 3, POS_LB, "L", "Hitter");
    Add_Player(0, 4, POS_K, "K", "Kicker");
    Add_Player(0, 5, POS_CB, "C", "Quiet");
    const int16_t aLines[6][BOX_COLUMNS] = {{30, 18, 245, 2, 1}, {22, 97, 1, 5, 1}, {0, 0, 6, 88, 0},
                                            {3, 1, 0, 0, 0},     {2, 2, 3, 2, 0},   {0, 0, 0, 0, 0}};
    for (int i = 0; i < 6; i++) {
        pGame->anBoxPlayers[1][i] = 1 + i;
        for (int c = 0; c < BOX_COLUMNS; c++)
            pGame->anBoxLines[1][i][c] = aLines[i][c];
    }
    pGame->anBoxPlayers[1][6] = 4242; // nobody has this ID any more
    StarLine stars[10];
    ASSERT_EQ(Get_Star_Lines(pGame, 1, stars, 10), 5);
    EXPECT_STREQ(stars[0].szName, "Passer");
    EXPECT_STREQ(stars[0].szStats, "18-30  245 Yards  2 TD  1 Int");
    EXPECT_STREQ(stars[1].szStats, "22 Rushes  97 Yards, 1 TD");
    EXPECT_STREQ(stars[2].szStats, "6 Rec.  88 Yards  0 TD");
    EXPECT_STREQ(stars[3].szStats, "1.5 Sacks  1 Int");
    EXPECT_STREQ(stars[4].szStats, "2/3 FG, 2/2 PAT");
    EXPECT_EQ(Get_Star_Lines(pGame, 1, stars, 2), 2);
    EXPECT_EQ(Get_Star_Lines(pGame, 0, stars, 10), 0);
}
} // namespace
