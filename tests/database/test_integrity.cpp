// The league integrity check: a small sound league, then one fault at a time.
#include <algorithm>

#include "database/integrity.h"
#include "database/player.h"
#include "database/season_state.h"
#include "database/team.h"
#include "test_support.h"

namespace {
constexpr int NO_OPEN_RECORD = -1;

class IntegrityTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Set_League_Rule(LR_GAMES_PER_SEASON, 16);
        Set_League_Rule(LR_SALARY_CAP, 71100000);
        Set_League_Rule(LR_START_YEAR, 2026);
        Add_City("Alpha");
        Add_City("Beta");
        Use_Teams(2);
        Make_Team(0, "Alpha", "Ants", 0, 0);
        Make_Team(1, "Beta", "Bees", 4, 1);
        for (PNUM nSlot = 0; nSlot < 3; nSlot++) {
            Make_Player(0, nSlot, 100 + nSlot);
            Make_Player(1, nSlot, 200 + nSlot);
        }
    }
    static void Make_Team(TNUM nTeam, const char* szCity, const char* szNickname, int nDivision, int nCity) {
        Set_Team_String(szCity, nTeam, TS_CITY);
        Set_Team_String(szNickname, nTeam, TS_NICKNAME);
        Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nDivision);
        Set_Team_Stat(nTeam, TEAM_STAT_CITY, nCity);
    }
    static void Make_Player(TNUM nTeam, PNUM nSlot, int nId) {
        PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nSlot];
        player.anVital[VS_PLAYER_ID] = nId;
        player.anVital[VS_POSITION] = POS_WR;
        player.anVital[VS_HEIGHT] = 72;
        player.anVital[VS_WEIGHT] = 190;
        player.anVital[VS_FORTY] = 450;
        player.anVital[VS_BIRTH_DATE] = 20000615;
        player.anVital[VS_AGE] = 26;
        player.anVital[VS_EXPERIENCE] = 3;
        player.anVital[VS_SALARY] = 500;
        player.anVital[VS_CONTRACT_LEFT] = 2;
        player.anVital[VS_CONTRACT_YEARS] = 3;
        std::fill(std::begin(player.anHistory), std::end(player.anHistory), -1);
        player.nOpenRecord = -1;
    }
    static void Add_History(TNUM nTeam, PNUM nSlot, int nEntry, int nRecord, int nYear) {
        g_League.aHistory[nRecord].nYear = nYear;
        g_League.aTeams[nTeam].aPlayers[nSlot].anHistory[nEntry] = nRecord;
    }
    static PlayerRecord& Player(TNUM nTeam, PNUM nSlot) { return g_League.aTeams[nTeam].aPlayers[nSlot]; }
    // The violations found, and whether one of them contains the text.
    static std::vector<std::string> Violations() {
        std::vector<std::string> violations;
        int nCount = Check_League_Integrity(&violations);
        EXPECT_EQ(nCount, (int)violations.size());
        return violations;
    }
    static bool Reports(const std::string& szText) {
        for (const std::string& szViolation : Violations())
            if (szViolation.find(szText) != std::string::npos) return true;
        return false;
    }
};
} // namespace

TEST_F(IntegrityTest, SoundLeagueHasNoViolations) {
    Add_History(0, 0, 0, 0, 2024);
    Add_History(0, 0, 1, 1, 2025);
    Add_History(0, 0, 2, 2, 2026);
    Player(0, 0).nOpenRecord = 2;
    EXPECT_TRUE(Violations().empty());
    EXPECT_EQ(Check_League_Integrity(nullptr), 0);
}

TEST_F(IntegrityTest, RostersMustBeGapFreeWithUniqueIds) {
    Make_Player(0, 5, 300); // slots 3 and 4 empty
    Make_Player(1, 3, 101); // the ID of team 0 slot 1
    EXPECT_TRUE(Reports("slot 5: player 300 follows an empty slot"));
    EXPECT_TRUE(Reports("slot 3: player ID 101 is also held by team 0 slot 1"));
    Make_Player(3, 0, 400); // a team not in use
    EXPECT_TRUE(Reports("Team 3 () is not in use but slot 0 holds player 400"));
}

TEST_F(IntegrityTest, FieldsOutsideTheirRanges) {
    Player(0, 0).anVital[VS_SALARY] = 224;
    Player(0, 1).anVital[VS_POSITION] = 14;
    Player(0, 2).anVital[VS_AGE] = 56;
    Player(1, 0).anVital[VS_CONTRACT_LEFT] = -1;
    Player(1, 1).anVital[VS_BIRTH_DATE] = 20001301;
    std::vector<std::string> violations = Violations();
    EXPECT_EQ(violations.size(), 5u);
    EXPECT_TRUE(Reports("slot 0: salary 224 below 225"));
    EXPECT_TRUE(Reports("slot 1: position 14 outside 0..13"));
    EXPECT_TRUE(Reports("slot 2: age 56 outside 16..55"));
    EXPECT_TRUE(Reports("contract years left -1 outside 0..10"));
    EXPECT_TRUE(Reports("birth date 20001301 is not a date"));
}

TEST_F(IntegrityTest, ProspectsAndHallOfFameFollowTheirOwnRules) {
    Make_Player(DRAFT_POOL_TEAMS, 0, 500);
    Player(DRAFT_POOL_TEAMS, 0).anVital[VS_SALARY] = 0; // no contract before the draft
    Player(DRAFT_POOL_TEAMS, 0).anVital[VS_EXPERIENCE] = -4;
    Make_Player(HALL_OF_FAME_TEAM, 0, 501);
    Player(HALL_OF_FAME_TEAM, 0).anVital[VS_AGE] = 77; // members keep ageing
    EXPECT_TRUE(Violations().empty());
}

TEST_F(IntegrityTest, HistoryListsNameUsedRecordsInYearOrder) {
    Add_History(0, 0, 0, 10, 2025);
    Add_History(0, 0, 1, 11, 2024);    // out of order
    Player(0, 1).anHistory[0] = 12;    // a free record
    Add_History(0, 2, 1, 13, 2023);    // after an empty entry
    Add_History(1, 0, 0, 10, 2025);    // record 10 again
    Add_History(1, 1, 0, 14, 2027);    // after the current year
    Add_History(1, 2, 0, 32767, 2020); // the record never handed out
    EXPECT_TRUE(Reports("history entry 1 (2024) comes after a season of 2025"));
    EXPECT_TRUE(Reports("history entry 0 names free record 12"));
    EXPECT_TRUE(Reports("history entry 1 follows an empty entry"));
    EXPECT_TRUE(Reports("history record 10 is also listed by team 0 slot 0"));
    EXPECT_TRUE(Reports("history record 14 is of 2027, after the current year 2026"));
    EXPECT_TRUE(Reports("history entry 0 names record 32767"));
    EXPECT_TRUE(Reports("history record 32767, which is never handed out, is in use"));
}

TEST_F(IntegrityTest, OnlyAnOpenRecordOutsideThePoolIsAFault) {
    Add_History(0, 0, 0, 5, 2025);
    Player(0, 1).nOpenRecord = 5; // stale: counts for nothing
    EXPECT_TRUE(Violations().empty());
    Player(0, 1).nOpenRecord = 40000;
    EXPECT_TRUE(Reports("open record 40000 outside the pool"));
}

TEST_F(IntegrityTest, CareerNeverBelowLastSeasonExceptStoredBlocking) {
    Player(0, 0).anStats[PERIOD_LAST_SEASON][SS_RECEPTIONS] = 40;
    Player(0, 0).anStats[PERIOD_CAREER][SS_RECEPTIONS] = 39;
    Player(0, 1).anStats[PERIOD_LAST_SEASON][SS_STORED_BLOCKING] = 70;
    Player(0, 1).anStats[PERIOD_CAREER][SS_STORED_BLOCKING] = 60;
    Player(0, 2).anStats[PERIOD_THIS_SEASON][SS_GAMES] = 31;
    // Lost yards this season take the career below last season's figure.
    Player(0, 3).anStats[PERIOD_LAST_SEASON][SS_RUSH_YARDS] = 663;
    Player(0, 3).anStats[PERIOD_THIS_SEASON][SS_RUSH_YARDS] = -4;
    Player(0, 3).anStats[PERIOD_CAREER][SS_RUSH_YARDS] = 659;
    EXPECT_EQ(Violations().size(), 2u);
    EXPECT_TRUE(Reports("slot 0: career counter 10 is 39, below last season's 40"));
    EXPECT_TRUE(Reports("slot 2: period 0 counter 0 is 31, outside 0..30"));
}

TEST_F(IntegrityTest, AnEarlierLossExcusesACareerBelowLastSeason) {
    // -12 yards in 2024, 30 in 2025: a career of 18 under last season's 30.
    PlayerRecord& player = Player(0, 0);
    Add_History(0, 0, 0, 0, 2024);
    Add_History(0, 0, 1, 1, 2025);
    g_League.aHistory[0].anStats[SS_GAMES] = 3;
    g_League.aHistory[0].anStats[SS_RUSH_YARDS] = -12;
    g_League.aHistory[1].anStats[SS_GAMES] = 5;
    g_League.aHistory[1].anStats[SS_RUSH_YARDS] = 30;
    player.anStats[PERIOD_LAST_SEASON][SS_GAMES] = 5;
    player.anStats[PERIOD_LAST_SEASON][SS_RUSH_YARDS] = 30;
    player.anStats[PERIOD_CAREER][SS_GAMES] = 8;
    player.anStats[PERIOD_CAREER][SS_RUSH_YARDS] = 18;
    EXPECT_TRUE(Violations().empty());
    // One yard short of what the history excuses.
    player.anStats[PERIOD_CAREER][SS_RUSH_YARDS] = 17;
    EXPECT_TRUE(Reports("slot 0: career counter 8 is 17, below last season's 30"));
    // A played season without a record might have lost the yards: not held
    // against him, but games still are.
    player.anStats[PERIOD_CAREER][SS_GAMES] = 12;
    EXPECT_TRUE(Violations().empty());
    // College seasons account for none of his professional games.
    Add_History(0, 0, 2, 2, 2026);
    g_League.aHistory[2].nExperience = -1;
    g_League.aHistory[2].anStats[SS_GAMES] = 11;
    EXPECT_TRUE(Violations().empty());
    player.anStats[PERIOD_CAREER][SS_GAMES] = 4;
    player.anStats[PERIOD_CAREER][SS_RUSH_YARDS] = 18;
    EXPECT_EQ(Violations().size(), 1u);
    EXPECT_TRUE(Reports("slot 0: career counter 0 is 4, below last season's 5"));
}

TEST_F(IntegrityTest, AFranchisePlayersOpenRecordIsThisSeasons) {
    Add_History(0, 0, 0, 0, 2025);
    Player(0, 0).nOpenRecord = 0; // this season would pour into last season's record
    EXPECT_TRUE(Reports("slot 0: open record 0 is of 2025, not of the current season 2026"));
    Player(0, 0).nOpenRecord = NO_OPEN_RECORD; // no record this season: nothing recorded, sound
    EXPECT_TRUE(Violations().empty());
    // Two seasons of a regular in one record.
    g_League.aHistory[0].anStats[SS_GAMES] = 32;
    EXPECT_TRUE(Reports("history record 0 (2025) holds 32 games, more than a season's 22"));
    g_League.aHistory[0].anStats[SS_GAMES] = 16 + SEASON_CALENDAR_ENTRIES;
    EXPECT_TRUE(Violations().empty());
    // A free agent keeps his until he is signed.
    Make_Player(FREE_AGENT_TEAM, 0, 600);
    Add_History(FREE_AGENT_TEAM, 0, 0, 1, 2024);
    Player(FREE_AGENT_TEAM, 0).nOpenRecord = 1;
    EXPECT_TRUE(Violations().empty());
}

TEST_F(IntegrityTest, TeamsInUseComeFirstInOrderWithValidReferences) {
    Set_Team_String("Aardvark", 1, TS_CITY); // sorts before "Alpha"
    Set_Team_Stat(0, TEAM_STAT_CITY, 2);     // two cities only
    Set_Team_Stat(1, TEAM_STAT_DIVISION, 8);
    g_League.abDraftPicks[0][3][1] = 5;
    EXPECT_TRUE(Reports("Team 1 () is out of order (city, then nickname)"));
    EXPECT_TRUE(Reports("Team 0 (): city 2 is not in the city table (2 cities)"));
    EXPECT_TRUE(Reports("division 8 outside 0..7"));
    EXPECT_TRUE(Reports("draft 0 round 4 pick of Team 1 () is owned by team 5, not in use"));
}

TEST_F(IntegrityTest, TeamCountGapsAndConferenceSize) {
    g_League.aTeams[1].data.anStats[TEAM_STAT_CONTROL] = -1;
    g_League.aTeams[2].data.anStats[TEAM_STAT_CONTROL] = 0;
    EXPECT_TRUE(Reports("Team 2 () is in use after an unused team code"));
    Clear_League();
    Set_League_Rule(LR_GAMES_PER_SEASON, 16);
    Set_League_Rule(LR_SALARY_CAP, 71100000);
    Add_City("Alpha");
    Use_Teams(17); // every one in division 0
    EXPECT_TRUE(Reports("conference 0 has 17 teams, more than 16"));
    Use_Teams(1);
    EXPECT_TRUE(Reports("1 teams in use; a league needs at least 2"));
}

TEST_F(IntegrityTest, LeagueRulesAndCities) {
    Set_League_Rule(LR_GAMES_PER_SEASON, 15);
    Set_League_Rule(LR_SALARY_CAP, 1000);
    Set_Game_State(GS_SEASON_INDEX, 100);
    Set_City_Name(0, "Zulu");  // now after "Beta"
    Set_City_Name(3, "Gamma"); // behind an empty entry
    EXPECT_TRUE(Reports("games per season 15, not an even 8..16"));
    EXPECT_TRUE(Reports("salary cap 1000 outside 30,000,000..999,000,000"));
    EXPECT_TRUE(Reports("season index 100 outside 0..99"));
    EXPECT_TRUE(Reports("City 1 (Beta) is out of alphabetical order"));
    EXPECT_TRUE(Reports("City 3 (Gamma) follows an empty city entry"));
}

// Records left behind never come back to the pool: over a long run they fill it.
TEST_F(IntegrityTest, UnownedHistoryRecordsAreCountedAndReported) {
    Add_History(0, 0, 0, 0, 2025);
    EXPECT_TRUE(Violations().empty());
    g_League.aHistory[7].nYear = 2020; // left behind by a removed player
    g_League.aHistory[8].nYear = 2021;
    EXPECT_EQ(Count_Unowned_History_Records(), 2);
    EXPECT_TRUE(Reports("2 history records are in use by no player"));
}

TEST_F(IntegrityTest, StoredTeamCodesNameTeamsInUse) {
    ASSERT_EQ(Schedule_Game(0, 1, 0), 1);
    g_League.abPlayoffTeams[30] = 1;
    std::fill(&g_League.abStandingsOrder[0][0], &g_League.abStandingsOrder[0][0] + sizeof g_League.abStandingsOrder,
              NO_TEAM);
    g_League.abStandingsOrder[0][0] = 0;
    g_League.abStandingsOrder[4][0] = 1;
    g_League.abStandingsOrder[4][1] = NO_TEAM;
    Player(1, 0).anVital[VS_DRAFTED] = (FREE_AGENT_TEAM + 1) * DRAFTED_TEAM_UNIT + 2020;  // undrafted
    Player(1, 1).anVital[VS_DESTINATION] = FREE_AGENT_TEAM;
    Player(1, 2).anVital[VS_DESTINATION] = NO_TEAM;
    EXPECT_TRUE(Violations().empty());

    Set_Game_State(GS_MANAGED_TEAM, 2);
    g_League.aTeams[1].data.anSchedule[0][SLOT_OPPONENT] = 2;  // names itself
    g_League.aTeams[0].data.anSchedule[3][SLOT_OPPONENT] = 2;  // the Bees do not name it back
    g_League.aTeams[0].data.anSchedule[4][SLOT_OPPONENT] = -4;  // a team not in use
    g_League.abPlayoffTeams[7] = 2;
    g_League.abStandingsOrder[4][1] = 5;
    Player(0, 0).anVital[VS_DRAFTED] = 3 * DRAFTED_TEAM_UNIT + 2019;
    Player(0, 1).anVital[VS_DESTINATION] = 2;
    Add_History(0, 2, 0, 20, 2025);
    g_League.aHistory[20].nTeam = 2;
    EXPECT_TRUE(Reports("game-state entry 32 names team 2, not in use"));
    EXPECT_TRUE(Reports("Team 1 (") && Reports("slot 0: opponent 1 is not another team in use"));
    EXPECT_TRUE(Reports("slot 0: opponent 1 names 2 back, not -1"));
    EXPECT_TRUE(Reports("slot 3: opponent 1 names 0 back, not -1"));
    EXPECT_TRUE(Reports("slot 4: opponent 3 is not another team in use"));
    EXPECT_TRUE(Reports("playoff slot 7 holds team 2, not in use"));
    EXPECT_TRUE(Reports("division 4 place 1 holds team 5, not in use"));
    EXPECT_TRUE(Reports("slot 0: drafted 32019 names no team in use"));
    EXPECT_TRUE(Reports("slot 1: destination 2 is no team in use"));
    EXPECT_TRUE(Reports("slot 2: history record 20 names team 2, not in use"));
}

// What a load refuses is a part of the full check; what the full check alone
// reports (order, plausibility) a load lets through.
TEST_F(IntegrityTest, TheLoadRangesAreAPartOfTheFullCheck) {
    EXPECT_EQ(Check_League_Ranges(nullptr), 0);
    Set_League_Rule(LR_START_YEAR, 1850);                           // implausible, not harmful
    g_League.anCalendar[0] = 17;                                    // the rest of the rounds not set
    g_League.aTeams[1].data.anSchedule[4][SLOT_OPPONENT] = 2;      // team 1 against itself
    std::vector<std::string> ranges;
    EXPECT_EQ(Check_League_Ranges(&ranges), 0) << (ranges.empty() ? "" : ranges[0]);
    EXPECT_TRUE(Reports("start year 1850 outside 1900..2200"));
    EXPECT_TRUE(Reports("calendar entry 1 is week 0, not the week after entry 0"));
    EXPECT_TRUE(Reports("Team 1 (): schedule slot 4 names opponent 2"));

    Set_League_Rule(LR_START_YEAR, 10000);
    g_League.anCalendar[2] = 29;
    Set_Game_State(GS_USER_TEAM, 2);
    g_League.abPlayoffTeams[NUMBER_OF_PLAYOFF_SLOTS - 1] = 2;
    g_League.aTeams[0].data.anFinancial[FIN_CASH] = 1000000001;
    Player(1, 2).anVital[VS_SALARY] = -1;
    EXPECT_EQ(Check_League_Ranges(&ranges), 6);
    for (const std::string& szRange : ranges) EXPECT_TRUE(Reports(szRange)) << szRange;
    EXPECT_TRUE(Reports("start year 10000 outside 0..9999"));
    EXPECT_TRUE(Reports("calendar entry 2 is week 29, outside 0..28"));
    EXPECT_TRUE(Reports("game-state entry 28 names team 2, not in use"));
    EXPECT_TRUE(Reports("playoff slot 30 holds team 2, not in use"));
    EXPECT_TRUE(Reports("Team 0 (): financial field 68 is 1000000001, beyond 1000000000 either way (cash)"));
    EXPECT_TRUE(Reports("Team 1 () slot 2: salary -1 outside 0..999999"));
}

TEST_F(IntegrityTest, PayrollsThatCouldWrapAreRefusedPlayerByPlayerAndAsATeam) {
    // Each within the bounds, together more than a billion dollars.
    for (PNUM nSlot = 0; nSlot < 3; nSlot++) {
        Player(0, nSlot).anVital[VS_SALARY] = 300000;
        Player(0, nSlot).anVital[VS_BONUS] = 100000;
    }
    std::vector<std::string> ranges;
    EXPECT_EQ(Check_League_Ranges(&ranges), 1);
    EXPECT_TRUE(Reports("Team 0 (): salaries and bonuses of 1200000 thousand, more than 1000000 thousand"));
    Player(0, 0).anVital[VS_BONUS] = 0;
    Player(0, 1).anVital[VS_BONUS] = 0;
    EXPECT_EQ(Check_League_Ranges(nullptr), 0);  // exactly a billion still fits
}

// Records nobody lists never come back to the pool, and one holding more
// games than a season's schedule and playoffs took two seasons into one:
// both are found in the pool itself, owned or not.
TEST_F(IntegrityTest, TheHistoryPoolHoldsNoLostRecordAndNoRecordOfTwoSeasons) {
    Add_History(0, 0, 0, 7, 2025);
    g_League.aHistory[7].anStats[SS_GAMES] = 16 + SEASON_CALENDAR_ENTRIES;  // every playoff week played
    EXPECT_TRUE(Violations().empty());
    g_League.aHistory[7].anStats[SS_GAMES] = 16 + SEASON_CALENDAR_ENTRIES + 1;
    EXPECT_TRUE(Reports("history record 7 (2025) holds 23 games, more than a season's 22"));
    g_League.aHistory[7].anStats[SS_GAMES] = 16;
    g_League.aHistory[9].nYear = 2024;  // in use, listed by nobody
    g_League.aHistory[9].anStats[SS_GAMES] = 40;
    EXPECT_TRUE(Reports("1 history records are in use by no player"));
    EXPECT_TRUE(Reports("history record 9 (2024) holds 40 games"));
}

TEST_F(IntegrityTest, EachTeamStandsOnceInItsOwnDivision) {
    std::fill(&g_League.abStandingsOrder[0][0], &g_League.abStandingsOrder[0][0] + sizeof g_League.abStandingsOrder,
              NO_TEAM);
    EXPECT_TRUE(Violations().empty());  // nobody placed yet
    g_League.abStandingsOrder[0][0] = 0;
    g_League.abStandingsOrder[4][0] = 1;
    EXPECT_TRUE(Violations().empty());
    g_League.abStandingsOrder[0][1] = 1;
    EXPECT_TRUE(Reports("Team 1 () stands in division 0, not its own 4"));
    EXPECT_TRUE(Reports("Team 1 () stands 2 times in the standings"));
    g_League.abStandingsOrder[0][1] = NO_TEAM;
    g_League.abStandingsOrder[4][0] = NO_TEAM;
    EXPECT_TRUE(Reports("Team 1 () stands 0 times in the standings"));
}

namespace {
// A league set up for its season, outside the draft, each team holding the
// least it may at every position and wide receivers up to the smallest roster.
class RosterIntegrityTest : public IntegrityTest {
  protected:
    void SetUp() override {
        IntegrityTest::SetUp();
        for (int nEntry = 0; nEntry < SEASON_CALENDAR_ENTRIES; nEntry++) g_League.anCalendar[nEntry] = 17 + nEntry;
        Set_Game_State(GS_DRAFT_ROUND, NUMBER_OF_DRAFT_ROUNDS);
        Set_Game_State(GS_CURRENT_WEEK, 1);
        for (TNUM nTeam = 0; nTeam < 2; nTeam++) {
            PNUM nSlot = 0;
            for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++)
                for (int n = 0; n < Minimum_Roster_Count(nPosition); n++) Add(nTeam, nSlot++, nPosition);
            while (nSlot < SMALLEST_ROSTER) Add(nTeam, nSlot++, POS_WR);
        }
    }
    void Add(TNUM nTeam, PNUM nSlot, int nPosition) {
        Make_Player(nTeam, nSlot, 1000 * (nTeam + 1) + nSlot);
        Player(nTeam, nSlot).anVital[VS_POSITION] = nPosition;
    }
};
}  // namespace

TEST_F(RosterIntegrityTest, AFranchiseKeepsTheSmallestRoster) {
    // Team 0 owns none of the next draft's picks: nothing thins its least roster.
    for (auto& abOwners : g_League.abDraftPicks[0])
        for (int t = 0; t < NUMBER_OF_FRANCHISES; t++) abOwners[t] = 1;
    EXPECT_TRUE(Violations().empty());
    Remove_Player(0, SMALLEST_ROSTER - 1);  // a receiver beyond the least: one short of the roster
    EXPECT_TRUE(Reports("Team 0 () has 52 players, fewer than 53"));
    // A trade may take a team below it by the next draft's picks it owns.
    g_League.abDraftPicks[0][3][1] = 0;
    EXPECT_TRUE(Violations().empty());
    g_League.abDraftPicks[0][3][1] = 1;
    Add(0, SMALLEST_ROSTER - 1, POS_WR);
    EXPECT_TRUE(Violations().empty());
    Remove_Player(0, SMALLEST_ROSTER - 1);
    EXPECT_FALSE(Violations().empty());
    // While the draft runs, and until the first week is played, the rosters
    // are being filled: nothing to judge.
    Set_Game_State(GS_CURRENT_WEEK, 0);
    EXPECT_TRUE(Violations().empty());
    Set_Game_State(GS_CURRENT_WEEK, 1);
    Set_Game_State(GS_DRAFT_ROUND, 0);
    EXPECT_TRUE(Violations().empty());
}

// A shortage may last a week while the season runs; once it is over every
// review has made it good, so a computer team short anywhere is at fault.
TEST_F(RosterIntegrityTest, OnceTheSeasonIsOverAComputerTeamHoldsTheLeastAtEachPosition) {
    for (auto& abOwners : g_League.abDraftPicks[0])
        for (int t = 0; t < NUMBER_OF_FRANCHISES; t++) abOwners[t] = 1;
    for (PNUM nPlayer = 0; nPlayer < SMALLEST_ROSTER; nPlayer++)
        if (Player(0, nPlayer).anVital[VS_POSITION] == POS_P) Player(0, nPlayer).anVital[VS_POSITION] = POS_WR;
    g_League.abPlayoffTeams[Champion_Slot()] = NO_TEAM;
    EXPECT_TRUE(Violations().empty());
    g_League.abPlayoffTeams[Champion_Slot()] = 1;
    EXPECT_TRUE(Reports("Team 0 () has 0 at Punter, fewer than 1"));
    g_League.aTeams[0].data.anStats[TEAM_STAT_CONTROL] = HUMAN_MANAGED;
    EXPECT_TRUE(Violations().empty());
}

TEST_F(RosterIntegrityTest, OutsideTheDraftThePoolIsEmptyAndTheFreeAgentsInOrder) {
    Make_Player(DRAFT_POOL_TEAMS + 1, 0, 600);
    Player(DRAFT_POOL_TEAMS + 1, 0).anVital[VS_SALARY] = 0;
    EXPECT_TRUE(Reports("Team 39 (UND) holds prospects outside the draft"));
    Remove_Player(DRAFT_POOL_TEAMS + 1, 0);
    // The dearest first; ties keep their places.
    Make_Player(FREE_AGENT_TEAM, 0, 700);
    Make_Player(FREE_AGENT_TEAM, 1, 701);
    Make_Player(FREE_AGENT_TEAM, 2, 702);
    Player(FREE_AGENT_TEAM, 0).anVital[VS_SALARY] = 900;
    EXPECT_TRUE(Violations().empty());
    Player(FREE_AGENT_TEAM, 2).anVital[VS_SALARY] = 901;
    EXPECT_TRUE(Reports("the free agents are out of their order"));
    Sort_Free_Agents();
    EXPECT_TRUE(Violations().empty());
}
