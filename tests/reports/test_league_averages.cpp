// brakvell-sim report: a league whose season totals are known gives the known averages.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "reports/league_averages.h"
#include "season/season_fixture.h"
#include "season/stored_games.h"
#include "simulation/game_record.h"

namespace {
class LeagueAveragesTest : public SeasonTest {
  protected:
    // Two teams that met three times: twice in the regular season (one game
    // into overtime), once in the playoffs.
    void Make_Known_Season() {
        Make_Even_League(2, 4);
        Set_Game_State(GS_DRAFT_ROUND, 7);
        Add_Game(0, 1, 20, 0, 24, 0, 5, 7, 3900);
        Add_Game(1, 0, 30, 1, 10, 1, 6, 8, 3600);
        Add_Game(2, 1, 13, 0, 27, 17, 2, 4, 3600);  // playoffs
        for (TNUM nTeam = 0; nTeam < 2; nTeam++) {
            Set_Team_Record_Stat(nTeam, YR_WINS, 1);
            Set_Team_Record_Stat(nTeam, YR_LOSSES, 1);
        }
        Set_Team_Record_Stat(0, YR_PLAYOFF_WINS, 1);
        Set_Team_Record_Stat(1, YR_PLAYOFF_LOSSES, 1);
        Totals(0, LINE_OFFENCE,
               {{SS_PASS_ATTEMPTS, 70}, {SS_COMPLETIONS, 42}, {SS_INTERCEPTIONS_THROWN, 2}, {SS_PASS_YARDS, 500},
                {SS_RUSHES, 55}, {SS_RUSH_YARDS, 220}, {SS_FUMBLES, 1}});
        Totals(1, LINE_OFFENCE,
               {{SS_PASS_ATTEMPTS, 66}, {SS_COMPLETIONS, 38}, {SS_INTERCEPTIONS_THROWN, 2}, {SS_PASS_YARDS, 400},
                {SS_RUSHES, 53}, {SS_RUSH_YARDS, 230}, {SS_FUMBLES, 2}});
        Totals(0, LINE_DEFENCE, {{SS_SACKS, 10}});
        Totals(1, LINE_DEFENCE, {{SS_SACKS, 8}});
        Totals(0, LINE_KICKERS,
               {{SS_PUNTS, 10}, {SS_PAT_ATTEMPTS, 6}, {SS_PAT_MADE, 6}, {SS_FGA_UNDER_30, 3}, {SS_FG_UNDER_30, 3},
                {SS_FGA_UNDER_40, 4}, {SS_FG_UNDER_40, 3}, {SS_FGA_UNDER_50, 2}, {SS_FG_UNDER_50, 1},
                {SS_FGA_50_PLUS, 1}});
        Totals(1, LINE_KICKERS,
               {{SS_PUNTS, 9}, {SS_PAT_ATTEMPTS, 3}, {SS_PAT_MADE, 2}, {SS_FGA_UNDER_30, 2}, {SS_FG_UNDER_30, 2}});
    }
    void Add_Game(int nGame, TNUM nVisitor, int nVisitorScore, TNUM nHome, int nHomeScore, int nWeek,
                  int nVisitorPenalties, int nHomePenalties, int nElapsed) {
        Set_Stored_Game(nGame, nVisitor, nHome, nVisitorScore, nHomeScore, nWeek);
        GameRecord* pGame = Get_Game_Record(nGame);
        pGame->anTeamStats[0][TG_PENALTIES] = (int16_t)nVisitorPenalties;
        pGame->anTeamStats[1][TG_PENALTIES] = (int16_t)nHomePenalties;
        Set_Game_Elapsed(pGame, nElapsed);
    }
    static void Totals(TNUM nTeam, int nLine, std::initializer_list<std::pair<int, int>> counters) {
        for (const auto& [nStat, nValue] : counters) {
            Set_Team_Total(nTeam, nLine, PERIOD_THIS_SEASON, nStat, nValue);
            Set_Team_Total(nTeam, nLine, PERIOD_CAREER, nStat, 10 * nValue);  // never read
        }
    }
};

const char* const KNOWN_REPORT =
    "points\t20.67\t21.70\ntotal_yards\t225.00\t328.00\npass_att\t22.67\t33.80\ncmp_pct\t58.82\t59.60\n"
    "rush_att\t18.00\t27.50\nypc\t4.17\t4.20\nint\t0.67\t1.03\nsacks\t1.50\t2.30\nfumbles_lost\t0.50\t0.78\n"
    "punts\t3.17\t4.80\nfg_pct\t75.00\t77.50\nxp_pct\t88.89\t98.60\npenalties\t5.33\t6.50\n"
    "home_win_pct\t50.00\t58.00\not_pct\t50.00\t9.80\n";
}  // namespace

TEST_F(LeagueAveragesTest, KnownTotalsGiveKnownFiguresAndTheSameFileTheSameOutput) {
    Make_Known_Season();
    ASSERT_EQ(SAVE_OK, Save_Game("season.vtr"));
    std::string szPath = (m_WorkDir / "season.vtr").string();
    SimResult first = Run_Sim("report " + szPath);
    ASSERT_EQ(first.nStatus, 0) << first.szOutput;
    EXPECT_EQ(first.szOutput, KNOWN_REPORT);
    EXPECT_EQ(Run_Sim("report " + szPath).szOutput, first.szOutput);
}

TEST_F(LeagueAveragesTest, SumsAddUpOverSeasonsBeforeTheAveragesAreTaken) {
    Make_Known_Season();
    LeagueSums sums = {};
    Add_Season_Sums(&sums);
    Add_Season_Sums(&sums);
    EXPECT_EQ(sums.nTeamGames, 12);
    EXPECT_EQ(sums.nRegularGames, 4);
    EXPECT_EQ(League_Average(sums, LA_POINTS), 2067);
    EXPECT_EQ(League_Average(sums, LA_HOME_WIN_PCT), 5000);
    LeagueSums none = {};
    for (int n = 0; n < NUMBER_OF_LEAGUE_AVERAGES; n++) EXPECT_EQ(League_Average(none, n), 0) << n;
}

TEST_F(LeagueAveragesTest, BadFilesAndSeasonsWithoutGamesAreRefused) {
    EXPECT_EQ(Run_Sim("report").nStatus, 2);
    SimResult missing = Run_Sim("report " + (m_WorkDir / "none.vtr").string());
    EXPECT_EQ(missing.nStatus, 1);
    EXPECT_NE(missing.szOutput.find("cannot load"), std::string::npos) << missing.szOutput;
    { std::ofstream("junk.vtr") << "not a league"; }
    EXPECT_EQ(Run_Sim("report " + (m_WorkDir / "junk.vtr").string()).nStatus, 1);

    Make_Even_League(2, 4);
    ASSERT_EQ(SAVE_OK, Save_Game("empty.vtr"));
    SimResult empty = Run_Sim("report " + (m_WorkDir / "empty.vtr").string());
    EXPECT_EQ(empty.nStatus, 1);
    EXPECT_NE(empty.szOutput.find("no games have been played"), std::string::npos) << empty.szOutput;
}

// New players of the seasons take their names from the game folder's lists.
class MeasureCommand : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        std::filesystem::create_directory_symlink(std::string(BRAKVELL_GAME_DIR) + "/names", m_WorkDir / "names");
    }
};

TEST_F(MeasureCommand, PlaysTheDefaultLeaguesSeasonsAndPrintsEveryKeyInOrder) {
    std::string szUniverse = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
    SimResult result = Run_Sim("measure " + szUniverse + " --seasons 1 --seed 3");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    std::istringstream lines(result.szOutput);
    std::string szLine;
    std::getline(lines, szLine);
    EXPECT_EQ(szLine, "seasons\t1\tgames\t256");
    for (int n = 0; n < NUMBER_OF_LEAGUE_AVERAGES; n++) {
        ASSERT_TRUE(std::getline(lines, szLine));
        EXPECT_EQ(szLine.rfind(std::string(League_Average_Key(n)) + "\t", 0), 0u) << szLine;
    }
    // A season of the default league looks like football.
    auto value = [&](const char* szKey) {
        size_t nAt = result.szOutput.find(std::string("\n") + szKey + "\t");
        return nAt == std::string::npos ? -1.0 : atof(result.szOutput.c_str() + nAt + strlen(szKey) + 2);
    };
    EXPECT_GT(value("points"), 14.0);
    EXPECT_LT(value("points"), 28.0);
    EXPECT_GT(value("total_yards"), 260.0);
    EXPECT_LT(value("total_yards"), 420.0);
    EXPECT_EQ(Run_Sim("measure " + szUniverse + " --seed 3").szOutput.substr(0, 10), "seasons\t5\t");
}

TEST_F(MeasureCommand, WrongArgumentsAndMissingFiles) {
    EXPECT_EQ(Run_Sim("measure").nStatus, 2);
    EXPECT_EQ(Run_Sim("measure x.vtr --seasons").nStatus, 2);
    EXPECT_EQ(Run_Sim("measure x.vtr --seasons 0").nStatus, 2);
    EXPECT_EQ(Run_Sim("measure x.vtr --laps 3").nStatus, 2);
    EXPECT_EQ(Run_Sim("measure /nonexistent/none.vtr --seasons 1").nStatus, 1);
}
