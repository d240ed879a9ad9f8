// The game driver: applying a play's result, the clock events and the end of
// the game.
#include <algorithm>
#include <string>
#include <vector>

#include "base/random.h"
#include "database/team.h"
#include "database/text_format.h"
#include "finance/attendance.h"
#include "game_test_support.h"
#include "season/schedule.h"

TEST_F(GameTest, RecordLivesInTheLeagueAndRefusesBadIndices) {
    EXPECT_EQ((void*)Get_Game_Record(5), (void*)&g_League.aGames[5]);
    EXPECT_EQ(Get_Game_Record(300), nullptr);
    EXPECT_TRUE(Logged("Invalid nIndex in Get_Game_Record(300)"));
    GameRecord g{};
    Set_Game_Gain(&g, -7);
    Set_Game_Ball(&g, 99);
    Set_Game_Down(&g, DOWN_TRY);
    Set_Game_Elapsed(&g, 5400);
    EXPECT_EQ(Game_Gain(&g), -7);
    EXPECT_EQ(Game_Ball(&g), 99);
    EXPECT_EQ(Game_Down(&g), DOWN_TRY);
    EXPECT_EQ(Game_Elapsed(&g), 5400);
}

TEST_F(GameTest, PlayGameRefusesBadTeamsAndBooksNothing) {
    GameRecord g;
    EXPECT_EQ(Play_Game(1, 9, 3, &g), 0);
    EXPECT_EQ(Play_Game(1, 1, 3, &g), 0);
    ASSERT_EQ(Headless_Notices().size(), 2u);
    EXPECT_EQ(Headless_Notices()[0].text, "Invalid TNUM parameter to Play_Game()");
    EXPECT_EQ(Play_Game(1, 0, 3, nullptr), 0);
    EXPECT_EQ(g_League.aTeams[1].data.anYearly[0][YR_WINS] + g_League.aTeams[1].data.anYearly[0][YR_LOSSES], 0);
}

TEST_F(GameTest, APlayNeverRunsPastTheEndOfTheQuarter) {
    Start(900 - 10);
    Played(25, 3, RESULT_RUN_MIDDLE);
    Apply_Result(&m_Game, false);
    EXPECT_EQ(Game_Elapsed(&m_Game), 900);
    EXPECT_EQ(m_Game.anTeamStats[0][TG_POSSESSION], 10);
    Clock_Events(&m_Game);
    EXPECT_EQ(Game_Elapsed(&m_Game), 900);
    EXPECT_TRUE(Game_Clock_Stopped(&m_Game));
    EXPECT_EQ(Game_Down(&m_Game), 1);  // down and distance carry over
    EXPECT_NE(std::string(Play_By_Play_Text()).find(" 2nd Q <=> Down Yardline Play"), std::string::npos);
}

TEST_F(GameTest, TwoMinuteWarningGivesTheSecondsBack) {
    Start(3600 - 130);
    Played(25, 2, RESULT_RUN_LEFT);
    Apply_Result(&m_Game, false);
    Clock_Events(&m_Game);
    EXPECT_EQ(Game_Elapsed(&m_Game), 3600 - 120);
    EXPECT_EQ(m_Game.anTeamStats[0][TG_POSSESSION], 10);
    EXPECT_TRUE(Game_Clock_Stopped(&m_Game));
}

TEST_F(GameTest, SecondHalfKickoffFollowsTheCoinToss) {
    for (int nCoin = 0; nCoin < 2; nCoin++) {
        Start(1800 - 5);
        Set_Game_Coin(&m_Game, nCoin);
        m_Game.anTimeouts[0] = m_Game.anTimeouts[1] = 0;
        Played(25, 4, RESULT_RUN_RIGHT);
        Apply_Result(&m_Game, false);
        Clock_Events(&m_Game);
        EXPECT_EQ(Game_Elapsed(&m_Game), 1800);
        EXPECT_EQ(Game_Down(&m_Game), DOWN_KICKOFF);
        EXPECT_EQ(Game_Ball(&m_Game), 70);
        // Coin 0: the home team kicked first, so the visitors kick now.
        EXPECT_EQ(m_Game.nPossession, m_Game.anTeam[nCoin == 0 ? 0 : 1]);
        EXPECT_EQ(m_Game.anTimeouts[0], 3);
        EXPECT_EQ(m_Game.anTimeouts[1], 3);
    }
}

TEST_F(GameTest, TouchdownOnTheLastPlayOfTheHalfIsFollowedByItsTryThenTheKickoff) {
    Start(1800 - 5, 5);
    Set_Game_Coin(&m_Game, 1);  // home kicks the second half
    m_Game.anTimeouts[0] = m_Game.anTimeouts[1] = 0;
    Played(25, 5, RESULT_TD_RUN);
    Apply_Result(&m_Game, false);
    Clock_Events(&m_Game);
    EXPECT_EQ(Game_Down(&m_Game), DOWN_TRY);
    EXPECT_EQ(m_Game.anScore[0], 6);
    Played(0, 0, RESULT_EXTRA_POINT);
    m_Game.anScore[0]++;
    Apply_Result(&m_Game, false);
    Clock_Events(&m_Game);
    EXPECT_EQ(Game_Elapsed(&m_Game), 1800);
    EXPECT_EQ(Game_Down(&m_Game), DOWN_KICKOFF);
    EXPECT_EQ(m_Game.nPossession, m_Game.anTeam[1]);
    EXPECT_EQ(m_Game.anTimeouts[1], 3);
}

TEST_F(GameTest, TryAtTheEndOfRegulationDecidesOvertime) {
    Start(3600 - 5, 5);
    m_Game.anScore[1] = 7;
    Played(25, 5, RESULT_TD_PASS);
    Apply_Result(&m_Game, false);
    Clock_Events(&m_Game);
    EXPECT_EQ(Game_Elapsed(&m_Game), 3600);
    EXPECT_FALSE(Game_Over(&m_Game));  // 6-7 with the try to come
    Played(0, 0, RESULT_EXTRA_POINT);
    m_Game.anScore[0]++;
    Apply_Result(&m_Game, false);
    Clock_Events(&m_Game);
    EXPECT_FALSE(Game_Over(&m_Game));  // 7-7: overtime
    EXPECT_EQ(Game_Down(&m_Game), DOWN_KICKOFF);
    EXPECT_EQ(m_Game.anTimeouts[0], 2);
    EXPECT_NE(std::string(Play_By_Play_Text()).find(" OT    <=> Down"), std::string::npos);
    m_Game.anScore[0] = 8;
    EXPECT_TRUE(Game_Over(&m_Game));
}

namespace {
// The period headers of the play-by-play, in order.
std::vector<std::string> Headers(const std::string& szText) {
    std::vector<std::string> headers;
    for (size_t n = szText.find(" <=> Down"); n != std::string::npos; n = szText.find(" <=> Down", n + 1))
        headers.push_back(szText.substr(n - 5, 5));
    return headers;
}
}  // namespace

class PeriodTest : public GameTest {
  protected:
    // One snap of a given result, written and clocked as the game does.
    void Snap(int nSeconds, int nGain, int nResult) {
        char szPrefix[TEXT_SIZE];
        Build_Line_Prefix(&m_Game, szPrefix);
        Played(nSeconds, nGain, nResult);
        Apply_Result(&m_Game, false);
        Append_Play_Line(&m_Game, szPrefix);
        Clock_Events(&m_Game);
    }
    std::string Text() const { return Play_By_Play_Text(); }
};

TEST_F(PeriodTest, EveryOvertimePeriodGetsItsHeaderInOrder) {
    Start(3600 - 5);
    m_Game.nWeek = First_Playoff_Week();
    m_Game.anScore[0] = m_Game.anScore[1] = 10;
    const int ENDS[] = {3600, 4500, 5400, 6300};
    for (int nEnd : ENDS) {
        int nCarry = m_Game.nPossession == m_Game.anTeam[0] ? 0 : 1;
        Situation(nCarry, 0, 10, 60);
        Set_Game_Elapsed(&m_Game, nEnd - 5);
        Snap(25, 2, RESULT_RUN_MIDDLE);
        ASSERT_EQ(Game_Elapsed(&m_Game), nEnd);
        ASSERT_FALSE(Game_Over(&m_Game));
    }
    const std::vector<std::string> EXPECTED = {"1st Q", "OT   ", "OT #2", "OT #3", "OT #4"};
    EXPECT_EQ(Headers(Text()), EXPECTED);
    // A regular-season game stops after its one overtime period: no header for the next.
    Start(4500 - 5);
    m_Game.anScore[0] = m_Game.anScore[1] = 10;
    Clear_Play_Text();
    Snap(25, 2, RESULT_RUN_MIDDLE);
    EXPECT_TRUE(Game_Over(&m_Game));
    EXPECT_TRUE(Headers(Text()).empty());
}

TEST_F(PeriodTest, TryAfterTheLastSnapOfAPeriodComesBeforeTheNextHeader) {
    const int ENDS[] = {900, 1800, 2700};
    for (int nEnd : ENDS) {
        Start(nEnd - 5, 5);
        Clear_Play_Text();
        Snap(25, 5, RESULT_TD_RUN);
        ASSERT_EQ(Game_Down(&m_Game), DOWN_TRY) << nEnd;
        EXPECT_TRUE(Headers(Text()).empty()) << nEnd;
        m_Game.anFormation[0] = FORM_STANDARD;  // a two-point try
        Snap(0, 2, RESULT_TWO_POINTS_FAILED);
        EXPECT_EQ(Game_Down(&m_Game), DOWN_KICKOFF);
        std::string szText = Text();
        size_t nTry = szText.find("  0:00 T00 CONV");
        size_t nHeader = szText.find(" <=> Down");
        ASSERT_NE(nTry, std::string::npos) << szText;
        ASSERT_NE(nHeader, std::string::npos) << szText;
        EXPECT_LT(nTry, nHeader) << szText;
        EXPECT_EQ(Headers(szText).size(), 1u);
    }
}

TEST_F(GameTest, TiedRegularSeasonGameEndsAfterOneOvertimePeriodButAPlayoffGoesOn) {
    Start(4500);
    m_Game.anScore[0] = m_Game.anScore[1] = 17;
    EXPECT_TRUE(Game_Over(&m_Game));
    Set_Game_Elapsed(&m_Game, 4499);
    EXPECT_FALSE(Game_Over(&m_Game));
    m_Game.nWeek = First_Playoff_Week();
    Set_Game_Elapsed(&m_Game, 4600);
    EXPECT_FALSE(Game_Over(&m_Game));
    m_Game.anScore[1] = 20;
    EXPECT_TRUE(Game_Over(&m_Game));
}

TEST_F(GameTest, TiedGameIsBookedAsATieForBoth) {
    Start(4500);
    m_Game.anScore[0] = m_Game.anScore[1] = 10;
    Finish_Game(&m_Game);
    EXPECT_EQ(g_League.aTeams[0].data.anYearly[0][YR_TIES], 1);
    EXPECT_EQ(g_League.aTeams[1].data.anYearly[0][YR_TIES], 1);
    EXPECT_EQ(g_League.aTeams[1].data.anYearly[0][YR_HOME_TIES], 1);
    EXPECT_EQ(g_League.aTeams[0].data.anYearly[0][YR_HOME_TIES], 0);
}

TEST_F(GameTest, InterceptionCarriedIntoTheOwnEndZoneIsATouchback) {
    Start(100, 20);
    // Caught on the goal line and carried back 3 yards: the new offence ends at 103.
    Played(10, -23, RESULT_INTERCEPTED, true);
    Apply_Result(&m_Game, false);
    EXPECT_EQ(m_Game.nPossession, m_Game.anTeam[1]);
    EXPECT_EQ(Game_Ball(&m_Game), 80);
    EXPECT_EQ(Game_Down(&m_Game), 0);
    EXPECT_EQ(m_Game.anScore[0] + m_Game.anScore[1], 0);
}

TEST_F(GameTest, LossBehindTheOwnGoalLineIsASafetyAndAFreeKick) {
    Start(100, 97);
    Played(10, -5, RESULT_SACKED);
    Apply_Result(&m_Game, false);
    EXPECT_EQ(m_Game.anScore[1], 2);
    EXPECT_EQ(Play_Result(&m_Game.play), RESULT_SAFETY);
    EXPECT_EQ(Game_Down(&m_Game), DOWN_FREE_KICK);
    EXPECT_EQ(m_Game.nPossession, m_Game.anTeam[0]);
    EXPECT_EQ(Game_Scoring_Count(&m_Game), 1);
    EXPECT_EQ(Play_Side(&m_Game.aScoring[0]), 1);
}

TEST_F(GameTest, DownsDistanceAndTurnoverOnDowns) {
    Start(100, 40);
    Situation(0, 3, 4, 40);
    Played(10, 2, RESULT_RUN_LEFT);
    Apply_Result(&m_Game, false);
    EXPECT_EQ(m_Game.nPossession, m_Game.anTeam[1]);
    EXPECT_EQ(Game_Ball(&m_Game), 62);
    EXPECT_EQ(Game_Down(&m_Game), 0);
    EXPECT_EQ(m_Game.anTeamStats[0][TG_FOURTH_DOWNS], 1);
    Situation(1, 2, 3, 62);
    Played(10, 5, RESULT_RUN_LEFT);
    Apply_Result(&m_Game, false);
    EXPECT_EQ(Game_Down(&m_Game), 0);
    EXPECT_EQ(Game_To_Go(&m_Game), 10);
    EXPECT_EQ(m_Game.anTeamStats[1][TG_THIRD_CONVERSIONS], 1);
    EXPECT_EQ(m_Game.anTeamStats[1][TG_FIRST_DOWNS], 1);
}

TEST_F(GameTest, TryTakesNoTimeAndATurnoverOnItFails) {
    Start(500, 2);
    Situation(0, DOWN_TRY, 2, 2);
    Played(30, -60, RESULT_INTERCEPTED, true);
    Apply_Result(&m_Game, false);
    EXPECT_EQ(Game_Elapsed(&m_Game), 500);
    EXPECT_EQ(Play_Result(&m_Game.play), RESULT_TWO_POINTS_FAILED);
    EXPECT_EQ(m_Game.anScore[0] + m_Game.anScore[1], 0);
    EXPECT_EQ(m_Game.nPossession, m_Game.anTeam[0]);  // the trying team kicks off
    EXPECT_EQ(Game_Down(&m_Game), DOWN_KICKOFF);
}

TEST_F(GameTest, ScoringListStopsAtThirtyTwoButTheScoreboardGoesOn) {
    Start(100, 5);
    for (int i = 0; i < 33; i++) {
        Situation(0, 0, 5, 5);
        Played(5, 5, RESULT_TD_RUN);
        Apply_Result(&m_Game, false);
    }
    EXPECT_EQ(Game_Scoring_Count(&m_Game), 32);
    EXPECT_EQ(m_Game.anScore[0], 33 * 6);
    EXPECT_EQ(m_Game.aScoring[31].nTime, 100 + 32 * 5);
}

TEST_F(GameTest, SetUpReadsKickoffTimeWeatherAndCrowd) {
    TNUM nHome = 1;
    g_League.aTeams[nHome].data.anSchedule[3][SLOT_KICKOFF] = 830;
    int nCity = g_League.aTeams[nHome].data.anStats[TEAM_STAT_CITY];
    g_League.aCities[nCity].anData[CITY_ALTITUDE] = 6000;
    g_League.aCities[nCity].anData[CITY_LATITUDE] = 30000;  // September: 30000 / -800 = -37
    Seed_Random(5);
    int nUp = Random(10), nDown = Random(10), nWind = Random(120);
    Seed_Random(5);
    Set_Up_Game(&m_Game, nHome, 0, 3);
    EXPECT_EQ(m_Game.nKickoffTime, 830);
    EXPECT_EQ(m_Game.nTemperature, 105 - 37 + nUp - nDown - 6000 / 300);
    EXPECT_EQ(m_Game.nWind, nWind);
    EXPECT_EQ(m_Game.nAttendance, std::min(Game_Attendance_Demand(nHome, 0), g_League.aTeams[nHome].data.anStadium[STADIUM_CAPACITY]));
    EXPECT_EQ(m_Game.nYear, 2001);
    EXPECT_EQ(m_Game.nWeek, 3);
    EXPECT_EQ(std::string(Play_By_Play_Text()).rfind("September 22: City0 Nicks0 at City1 Nicks1\n", 0), 0u);
}
