// The season's text reports as the user finds them in "Output".
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "database/player.h"
#include "database/team.h"
#include "personnel/personnel_support.h"
#include "reports/season_reports.h"
#include "season/season_fixture.h"
#include "season/standings.h"

namespace {
std::vector<std::string> Read_Lines(const std::string& szPath) {
    std::ifstream file(szPath);
    std::vector<std::string> lines;
    for (std::string szLine; std::getline(file, szLine);) lines.push_back(szLine);
    return lines;
}

std::string Read_All(const std::string& szPath) {
    std::ifstream file(szPath);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

int Index_Of(const std::vector<std::string>& lines, const std::string& szLine) {
    for (size_t n = 0; n < lines.size(); n++)
        if (lines[n] == szLine) return (int)n;
    return -1;
}

class SeasonReportTest : public SeasonTest {
  protected:
    void SetUp() override {
        SeasonTest::SetUp();
        Set_Game_State(GS_DRAFT_ROUND, 7);
        Set_League_Name("Alpha", 0);
        Set_League_Name("Beta", 1);
        for (int nDivision = 0; nDivision < NUMBER_OF_DIVISIONS; nDivision++)
            Set_Division_Name(("Div " + std::to_string(nDivision)).c_str(), nDivision);
    }
    static void Name_Team(TNUM nTeam, const char* szCity, const char* szNickname, const char* szAbbreviation) {
        Set_Team_String(szCity, nTeam, TS_CITY);
        Set_Team_String(szNickname, nTeam, TS_NICKNAME);
        Set_Team_String(szAbbreviation, nTeam, TS_ABBREVIATION);
    }
    static void Name_Every_Team() {
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
            std::string szNumber = std::to_string(nTeam);
            Name_Team(nTeam, ("City" + szNumber).c_str(), ("Nick" + szNumber).c_str(), ("T" + szNumber).c_str());
        }
    }
    static void Set_Playoff_Slot(int nSlot, TNUM nTeam, int nScore) {
        g_League.abPlayoffTeams[nSlot] = nTeam;
        g_League.anPlayoffScores[nSlot] = nScore;
    }
    static void Set_Season_Total(TNUM nTeam, int nLine, int nStat, int nValue) {
        Set_Team_Total(nTeam, nLine, PERIOD_THIS_SEASON, nStat, nValue);
    }
    static void Empty_Playoffs() {
        for (int nSlot = 0; nSlot <= 30; nSlot++) Set_Playoff_Slot(nSlot, NO_TEAM, 0);
    }
    // Named teams in standing order, no playoff games yet.
    void Make_Named_League(int nTeams, int nPerDivision) {
        Make_Even_League(nTeams, nPerDivision);
        Name_Every_Team();
        Recompute_Standings();
        Empty_Playoffs();
    }
};
}  // namespace

TEST_F(SeasonReportTest, StandingsListEachConferencesDivisionsWithTheirTeamsAndTheTeamFigures) {
    Make_Even_League(32, 4);
    Name_Every_Team();
    Play(4, 10, 0, 24);  // team 0 leads division 0
    // Yards per play and the margin come from the season's totals, as on the standings page.
    Set_Season_Total(0, LINE_OFFENCE, SS_RUSHES, 30);
    Set_Season_Total(0, LINE_OFFENCE, SS_RUSH_YARDS, 120);
    Set_Season_Total(0, LINE_OFFENCE, SS_PASS_ATTEMPTS, 20);
    Set_Season_Total(0, LINE_OFFENCE, SS_PASS_YARDS, 201);
    Set_Season_Total(0, LINE_DEFENCE, SS_INTERCEPTIONS, 2);
    Set_Season_Total(0, LINE_DEFENCE, SS_FUMBLE_RECOVERIES, 1);
    Set_Season_Total(0, 3 + LINE_DEFENCE, SS_FUMBLE_RECOVERIES, 1);
    Set_Season_Total(4, LINE_DEFENCE, SS_FUMBLE_RECOVERIES, 1);
    Set_Season_Total(4, 3 + LINE_DEFENCE, SS_INTERCEPTIONS, 3);
    Recompute_Standings();
    Empty_Playoffs();
    Set_Game_State(GS_TEXT_STANDINGS, 1);
    Write_Season_Reports();

    std::vector<std::string> lines = Read_Lines("Output/Stndng02.txt");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "ALPHA CONFERENCE (2002)");
    EXPECT_EQ(lines[2], "");
    int nBeta = Index_Of(lines, "BETA CONFERENCE (2002)");
    ASSERT_GT(nBeta, 0);
    for (int nDivision = 0; nDivision < NUMBER_OF_DIVISIONS; nDivision++) {
        char szHeader[128];
        snprintf(szHeader, sizeof szHeader, " DIV %-16d   W   L   T   PCT    PF    PA   Yds   +/-", nDivision);
        int nAt = Index_Of(lines, szHeader);
        ASSERT_GT(nAt, 0) << szHeader;
        EXPECT_EQ(nAt < nBeta, nDivision < 4) << szHeader;
        EXPECT_EQ(lines[nAt + 5], "");  // four teams, then a gap
    }
    int nFirst = Index_Of(lines, " DIV 0                  W   L   T   PCT    PF    PA   Yds   +/-");
    EXPECT_EQ(lines[nFirst + 1], " City0 Nick0            1   0   0 1.000  24.0  10.0   6.4    +2");
    EXPECT_NE(Index_Of(lines, " City4 Nick4            0   1   0  .000  10.0  24.0   0.0    -2"), -1);
    EXPECT_NE(Index_Of(lines, " City8 Nick8            0   0   0  .000   0.0   0.0   0.0     0"), -1);
    EXPECT_EQ(lines.back(), "");
}

TEST_F(SeasonReportTest, PlayoffLinesFollowTheirRoundsAndEqualScoresWriteNothing) {
    Make_Named_League(32, 4);
    Set_Playoff_Slot(0, 1, 17);
    Set_Playoff_Slot(1, 2, 20);
    Set_Playoff_Slot(4, 5, 0);  // not played: both scores equal
    Set_Playoff_Slot(5, 6, 0);
    Set_Playoff_Slot(28, 3, 31);
    Set_Playoff_Slot(29, 20, 7);
    Set_Game_State(GS_TEXT_STANDINGS, 1);
    Write_Standings_Report();

    std::string szText = Read_All("Output/Stndng02.txt");
    EXPECT_NE(szText.find("\n\nWILD CARD GAMES\n Nick2 defeat Nick1, 20-17\n\nDIVISION PLAYOFFS\n\n"
                          "CONFERENCE CHAMPIONSHIPS\n\nSUPER BOWL\n Nick3 defeat Nick20, 31-7\n\n"),
              std::string::npos)
        << szText;
    EXPECT_EQ(szText.find("Nick6 defeat"), std::string::npos);
    EXPECT_EQ(szText.find("Nick5 defeat"), std::string::npos);
}

TEST_F(SeasonReportTest, OneConferenceOfTwoDivisionsHasOnlyTheConferenceFinal) {
    Make_Named_League(8, 4);
    Set_Playoff_Slot(24, 0, 14);
    Set_Playoff_Slot(25, 4, 21);
    Write_Standings_Report();

    std::string szText = Read_All("Output/Stndng02.txt");
    EXPECT_EQ(szText.find("BETA"), std::string::npos);
    EXPECT_EQ(szText.find("WILD CARD"), std::string::npos);
    EXPECT_EQ(szText.find("SUPER BOWL"), std::string::npos);
    EXPECT_NE(szText.find("\nCONFERENCE CHAMPIONSHIPS\n Nick4 defeat Nick0, 21-14\n\n"), std::string::npos);
}

TEST_F(SeasonReportTest, OptionsDecideWhichFilesAreReplaced) {
    Make_Named_League(8, 4);
    std::filesystem::create_directory("output");  // found whatever its case
    { std::ofstream("output/Stndng02.txt") << "kept\n"; }
    { std::ofstream("output/Awards02.txt") << "replaced\n"; }
    Set_Game_State(GS_TEXT_STANDINGS, 0);
    Set_Game_State(GS_TEXT_AWARDS, 1);
    Write_Season_Reports();
    EXPECT_EQ(Read_All("output/Stndng02.txt"), "kept\n");
    EXPECT_EQ(Read_All("output/Awards02.txt").rfind("ALPHA CONFERENCE (2002): AWARD WINNERS\n", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists("output/Money-02.txt"));
    EXPECT_FALSE(std::filesystem::exists("Output"));

    Set_Game_State(GS_TEXT_STANDINGS, 1);
    Set_Game_State(GS_TEXT_AWARDS, 0);
    std::filesystem::remove("output/Money-02.txt");
    Write_Season_Reports();
    EXPECT_EQ(Read_All("output/Stndng02.txt").rfind("\nALPHA CONFERENCE (2002)\n", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists("output/Money-02.txt"));
}

TEST_F(SeasonReportTest, MoneyLinesShowTheHumanTeamInCapitals) {
    Make_Even_League(2, 4);
    Name_Team(0, "Harbor City", "Gulls", "HCG");
    Name_Team(1, "Lakeside", "Pikes", "LKP");
    Set_Team_Stat(0, TEAM_STAT_CONTROL, 1);
    Make_Player(0, 0, 1, POS_QB);
    Set_Player_Vital_Stat(0, 0, VS_SALARY, 45250);  // thousands
    Set_Team_Financial_Stat(0, FIN_CASH, 12345678);
    Set_Team_Financial_Stat(0, FIN_TICKET_PRICE, 4599);
    Set_Team_Financial_Stat(0, FIN_TICKET_REVENUE_SEASON, 50000000);  // ticket revenue
    Set_Team_Financial_Stat(0, FIN_LOCAL_BROADCAST_SEASON, 9950000);    // local broadcasts
    Set_Team_Financial_Stat(0, FIN_HOME_ATTENDANCE_SEASON, 520000);    // home crowds over 8 home games
    Set_Team_Financial_Stat(0, FIN_HOME_GAMES_SEASON, 8);
    Set_Team_Financial_Stat(0, FIN_ROAD_ATTENDANCE_SEASON, 484000);  // road crowds over 8 road games
    Set_Team_Financial_Stat(0, FIN_GAMES_SEASON, 16);
    Set_Team_Financial_Stat(1, FIN_CASH, -3000000);
    Write_Money_Report();

    std::vector<std::string> lines = Read_Lines("Output/Money-02.txt");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "                                             TICKETS        ATTENDANCE");
    EXPECT_EQ(lines[2], "End Of 2002                Cash  Payroll  Price  Revenue   Home    Road");
    EXPECT_EQ(lines[3], "HARBOR CITY GULLS          12.3M  45.2M    $45    59.9M   65,000  60,500");
    EXPECT_EQ(lines[4], "Lakeside Pikes              0.0M   0.0M    $ 0     0.0M        0       0");
}

TEST_F(SeasonReportTest, AwardsGoToTheBestUnchosenPlayerFirstFoundOnTies) {
    Make_League({0, 0, 4});
    Name_Every_Team();
    Rebuild_Player_Index();
    auto running_back = [](TNUM nTeam, PNUM nSlot, int nID, const char* szLast, int nYards) {
        Make_Player(nTeam, nSlot, nID, POS_RB);
        Set_Player_First_Name(nTeam, nSlot, "Al");
        Set_Player_Last_Name(nTeam, nSlot, szLast);
        Set_Counters(nTeam, nSlot, PERIOD_THIS_SEASON, {{SS_GAMES, 16}, {SS_RUSHES, 250}, {SS_RUSH_YARDS, nYards}});
    };
    running_back(0, 0, 1, "Lesser", 800);
    running_back(0, 1, 2, "First", 1200);
    running_back(1, 0, 3, "Second", 1200);  // as good: found later
    running_back(2, 0, 4, "Elsewhere", 2000);  // the other conference
    Write_Awards_Report();

    std::vector<std::string> lines = Read_Lines("Output/Awards02.txt");
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "ALPHA CONFERENCE (2002): AWARD WINNERS");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "  RB: Al First (T0)");
    EXPECT_EQ(lines[3], "  RB: Al Second (T1)");
    EXPECT_EQ(Index_Of(lines, "  RB: Al Lesser (T0)"), -1);  // two running-back awards only
    int nBeta = Index_Of(lines, "BETA CONFERENCE (2002): AWARD WINNERS");
    ASSERT_GT(nBeta, 0);
    EXPECT_EQ(lines[nBeta + 2], "  RB: Al Elsewhere (T2)");
    EXPECT_EQ(lines.back(), "");
}
