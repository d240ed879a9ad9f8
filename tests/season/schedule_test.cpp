#include "base/random.h"
#include "database/team.h"
#include "season/schedule.h"
#include "season_fixture.h"

namespace {
using ScheduleTest = SeasonTest;

// Every entry is matched by its opponent's entry, with home and away opposite,
// and no team meets itself.
void Expect_Consistent(int nTeams) {
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++)
        for (int nWeek = 0; nWeek < SCHEDULE_SLOTS; nWeek++) {
            TNUM nOpponent = Get_Schedule_Opponent(nTeam, nWeek);
            if (nOpponent == NO_TEAM) continue;
            ASSERT_NE(nOpponent, nTeam);
            ASSERT_EQ(Get_Schedule_Opponent(nOpponent, nWeek), nTeam) << "week " << nWeek;
            ASSERT_NE(Is_Home(nTeam, nWeek), Is_Home(nOpponent, nWeek));
            ASSERT_EQ(Get_Schedule_Field(nTeam, nWeek, SLOT_KICKOFF),
                      Get_Schedule_Field(nOpponent, nWeek, SLOT_KICKOFF));
        }
}

int Home_Games_Of(TNUM nTeam) {
    int nGames = 0;
    for (int nWeek = 0; nWeek < SCHEDULE_SLOTS; nWeek++) nGames += Is_Home(nTeam, nWeek);
    return nGames;
}

bool Week_Has_Games(int nTeams, int nWeek) {
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++)
        if (Get_Schedule_Opponent(nTeam, nWeek) != NO_TEAM) return true;
    return false;
}

// Template weeks hold each index at most once; 16 games, 8 at home, for everyone.
template <typename Reader> void Expect_Sound_Template(int nTeams, Reader read) {
    int anGames[32] = {}, anHome[32] = {};
    for (int nWeek = 0; nWeek < TEMPLATE_WEEKS; nWeek++) {
        bool abSeen[32] = {};
        for (int nGame = 0; nGame < MAX_TEMPLATE_GAMES; nGame++) {
            int nVisitor = read(nWeek, nGame, 0), nHome = read(nWeek, nGame, 1);
            if (nVisitor == NO_TEMPLATE_GAME) continue;
            ASSERT_TRUE(nVisitor >= 0 && nVisitor < nTeams && nHome >= 0 && nHome < nTeams);
            ASSERT_FALSE(abSeen[nVisitor] || abSeen[nHome]) << "week " << nWeek;
            abSeen[nVisitor] = abSeen[nHome] = true;
            anGames[nVisitor]++, anGames[nHome]++, anHome[nHome]++;
        }
    }
    for (int n = 0; n < nTeams; n++) {
        EXPECT_EQ(anGames[n], 16) << "index " << n;
        EXPECT_EQ(anHome[n], 8) << "index " << n;
    }
}
}  // namespace

TEST_F(ScheduleTest, TemplatesGiveEveryIndexSixteenGamesEightAtHome) {
    Expect_Sound_Template(31, Get_2001_NFL_Schedule_Opponent);
    Expect_Sound_Template(32, Get_2002_NFL_Schedule_Opponent);
    EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(2, 14, 0), NO_TEMPLATE_GAME);  // a 14-game week
    EXPECT_EQ(Get_2002_NFL_Schedule_Opponent(17, 0, 0), NO_TEMPLATE_GAME);
}

TEST_F(ScheduleTest, FirstSeasonOfThirtyTwoTeamsIsTheTemplateThroughTheFixedTable) {
    Make_Even_League(32, 4);
    Seed_Random(7);
    Make_Season_Schedule();
    TNUM anTeamAt[32];
    for (TNUM nTeam = 0; nTeam < 32; nTeam++) anTeamAt[First_Season_Template_Index(32, nTeam)] = nTeam;
    for (int nWeek = 0; nWeek < TEMPLATE_WEEKS; nWeek++)
        for (int nGame = 0; nGame < MAX_TEMPLATE_GAMES; nGame++) {
            int nVisitor = Get_2002_NFL_Schedule_Opponent(nWeek, nGame, 0);
            if (nVisitor == NO_TEMPLATE_GAME) continue;
            TNUM nHome = anTeamAt[Get_2002_NFL_Schedule_Opponent(nWeek, nGame, 1)];
            EXPECT_EQ(Get_Schedule_Opponent(nHome, nWeek), anTeamAt[nVisitor]);
            EXPECT_TRUE(Is_Home(nHome, nWeek));
        }
    Expect_Consistent(32);
    EXPECT_EQ(First_Playoff_Week(), 17);
}

TEST_F(ScheduleTest, ThirtyOneTeamsPlaySeventeenWeeksWithOneByeEach) {
    Use_Teams(31);
    Make_Season_Schedule();
    Expect_Consistent(31);
    for (TNUM nTeam = 0; nTeam < 31; nTeam++) {
        EXPECT_EQ(Games_Of(nTeam), 16);
        EXPECT_EQ(Home_Games_Of(nTeam), 8);
    }
    EXPECT_FALSE(Week_Has_Games(31, 17));
    EXPECT_EQ(First_Playoff_Week(), 17);
    EXPECT_EQ(Last_Playoff_Week(), 22);
}

// Later seasons: each division keeps its teams together in final-standings
// order; only whole blocks of the same conference trade places.
TEST_F(ScheduleTest, LaterSeasonIndexFollowsStandingsAndSwapsWholeDivisions) {
    Make_Even_League(32, 4);
    g_League.anGameState[GS_SEASON_INDEX] = 3;
    for (int nDivision = 0; nDivision < 8; nDivision++)
        for (int nPlace = 0; nPlace < 13; nPlace++)
            g_League.abStandingsOrder[nDivision][nPlace] = nPlace < 4 ? 4 * nDivision + 3 - nPlace : NO_TEAM;
    for (uint32_t nSeed = 1; nSeed <= 20; nSeed++) {
        Seed_Random(nSeed);
        int anOrder[32];
        Make_Template_Order(32, anOrder);
        bool abBlockUsed[8] = {};
        for (int nDivision = 0; nDivision < 8; nDivision++) {
            int nStart = anOrder[4 * nDivision + 3];  // the division winner
            ASSERT_EQ(nStart % 4, 0);
            ASSERT_EQ(nStart / 16, nDivision / 4) << "a block left its conference";
            ASSERT_FALSE(abBlockUsed[nStart / 4]);
            abBlockUsed[nStart / 4] = true;
            for (int nPlace = 0; nPlace < 4; nPlace++)
                ASSERT_EQ(anOrder[4 * nDivision + 3 - nPlace], nStart + nPlace);
        }
    }
}

TEST_F(ScheduleTest, LaterSeasonOfThirtyOneTeamsKeepsTheSixTeamBlock) {
    Make_League({0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2,  // 5, 6, 5
                 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6});
    g_League.anGameState[GS_SEASON_INDEX] = 1;
    memset(g_League.abStandingsOrder, NO_TEAM, sizeof g_League.abStandingsOrder);
    int anPlace[8] = {};
    for (TNUM nTeam = 0; nTeam < 31; nTeam++) {
        int nDivision = Get_Team_Division(nTeam);
        g_League.abStandingsOrder[nDivision][anPlace[nDivision]++] = nTeam;
    }
    for (uint32_t nSeed = 1; nSeed <= 20; nSeed++) {
        Seed_Random(nSeed);
        int anOrder[31];
        Make_Template_Order(31, anOrder);
        for (TNUM nTeam = 5; nTeam < 11; nTeam++) ASSERT_EQ(anOrder[nTeam], nTeam);
        bool abSeen[31] = {};
        for (int n : anOrder) abSeen[n] = true;
        for (bool b : abSeen) ASSERT_TRUE(b);
    }
    Make_Season_Schedule();
    Expect_Consistent(31);
    for (TNUM nTeam = 0; nTeam < 31; nTeam++) EXPECT_EQ(Games_Of(nTeam), 16);
}

TEST_F(ScheduleTest, StandingsThatDoNotFitFallBackToTheFixedTable) {
    Make_Even_League(32, 4);
    g_League.anGameState[GS_SEASON_INDEX] = 2;  // standings table all zero: team 0 everywhere
    int anOrder[32];
    Make_Template_Order(32, anOrder);
    for (TNUM nTeam = 0; nTeam < 32; nTeam++)
        EXPECT_EQ(anOrder[nTeam], First_Season_Template_Index(32, nTeam));
}

TEST_F(ScheduleTest, ThirtyTeamsRestInWeekSixAndStartThePlayoffsInWeekSeventeen) {
    Make_Even_League(30, 5);
    for (uint32_t nSeed = 1; nSeed <= 5; nSeed++) {
        Seed_Random(nSeed);
        Make_Season_Schedule();
        Expect_Consistent(30);
        for (TNUM nTeam = 0; nTeam < 30; nTeam++) {
            EXPECT_EQ(Games_Of(nTeam), 16);
            EXPECT_EQ(Get_Schedule_Opponent(nTeam, 6), NO_TEAM);
            EXPECT_NE(Get_Schedule_Opponent(nTeam, 16), NO_TEAM);
        }
        EXPECT_EQ(First_Playoff_Week(), 17);
        EXPECT_EQ(g_League.anCalendar[5], 22);
    }
}

TEST_F(ScheduleTest, TwentyNineTeamsEachPlaySixteenGamesWithOneBye) {
    Use_Teams(29);
    for (uint32_t nSeed = 1; nSeed <= 5; nSeed++) {
        Seed_Random(nSeed);
        Make_Season_Schedule();
        Expect_Consistent(29);
        for (TNUM nTeam = 0; nTeam < 29; nTeam++) EXPECT_EQ(Games_Of(nTeam), 16) << "team " << (int)nTeam;
        for (int nWeek = 0; nWeek <= 16; nWeek++) EXPECT_TRUE(Week_Has_Games(29, nWeek));
        EXPECT_EQ(First_Playoff_Week(), 17);
    }
}

// Fewer odd teams than weeks: a team must sit out more than once, and all
// still play the same number of games, with room left for the playoffs.
TEST_F(ScheduleTest, SmallOddLeaguesGiveEveryTeamTheSameGames) {
    for (int nTeams : {3, 5, 9, 15}) {
        Use_Teams(nTeams);
        Make_Season_Schedule();
        Expect_Consistent(nTeams);
        int nGames = Games_Of(0);
        EXPECT_GT(nGames, 0);
        for (TNUM nTeam = 0; nTeam < nTeams; nTeam++)
            EXPECT_EQ(Games_Of(nTeam), nGames) << nTeams << " teams";
        EXPECT_LE(First_Playoff_Week() + 3, SCHEDULE_SLOTS - 1);
    }
    EXPECT_EQ(Games_Of(0), 16);  // 15 teams: eighteen weeks
}

TEST_F(ScheduleTest, EvenLeagueWithFewerGamesPerSeason) {
    Use_Teams(8);
    g_League.anRules[LR_GAMES_PER_SEASON] = 8;
    Make_Season_Schedule();
    Expect_Consistent(8);
    for (TNUM nTeam = 0; nTeam < 8; nTeam++) EXPECT_EQ(Games_Of(nTeam), 8);
    EXPECT_EQ(First_Playoff_Week(), 9);
}

// 2002: week 0 falls on the late slot for everyone; other weeks mix the three times.
TEST_F(ScheduleTest, KickoffTimesFollowTheWeekday) {
    Make_Even_League(32, 4);
    Make_Season_Schedule();
    bool abSeen[3] = {};
    for (TNUM nTeam = 0; nTeam < 32; nTeam++) {
        EXPECT_EQ(Get_Schedule_Field(nTeam, 0, SLOT_KICKOFF), 830);
        EXPECT_EQ(Get_Schedule_Field(nTeam, 14, SLOT_KICKOFF), 830);  // weeks 0 and 14 are full
        for (int nWeek = 1; nWeek < 7; nWeek++) {
            if (Get_Schedule_Opponent(nTeam, nWeek) == NO_TEAM) continue;  // a bye
            int nTime = Get_Schedule_Field(nTeam, nWeek, SLOT_KICKOFF);
            ASSERT_TRUE(nTime == 100 || nTime == 400 || nTime == 830);
            abSeen[nTime == 100 ? 0 : nTime == 400 ? 1 : 2] = true;
        }
    }
    EXPECT_TRUE(abSeen[0] && abSeen[1] && abSeen[2]);
}

TEST_F(ScheduleTest, TradeDeadlineIsWeekTwelve) {
    g_League.anGameState[GS_CURRENT_WEEK] = 11;
    EXPECT_TRUE(Trades_Allowed());
    g_League.anGameState[GS_CURRENT_WEEK] = 12;
    EXPECT_FALSE(Trades_Allowed());
}

// Last season's playoff games must not push this season's playoffs back.
TEST_F(ScheduleTest, NewScheduleClearsLastSeasonsPlayoffWeeks) {
    Make_Even_League(30, 5);
    Schedule_Game(0, 1, 20);
    Make_Season_Schedule();
    EXPECT_EQ(Get_Schedule_Opponent(0, 20), NO_TEAM);
    EXPECT_EQ(First_Playoff_Week(), 17);
}
