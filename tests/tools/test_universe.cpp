// The default league the build writes into the game folder: sound, complete,
// and shaped like a league that can run for decades.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <set>

#include "database/colleges.h"
#include "database/integrity.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "test_support.h"

namespace {
constexpr int START_YEAR = 2026;
constexpr int TEAMS = 32;
//                                 QB RB TE WR T  G  C  DE DT LB CB S  K  P
const int MINIMUM_ROSTER[14] = {2, 4, 4, 4, 4, 4, 2, 4, 4, 6, 4, 4, 1, 1};
constexpr int TEMPLATE_STARTS = 12;
constexpr int TEMPLATES_WANTED = 10;

std::string Game_File(const char* szName) {
    return std::string(BRAKVELL_GAME_DIR) + "/" + szName;
}

int Count_Lines(const std::string& szPath) {
    std::ifstream file(szPath);
    int nLines = 0;
    for (std::string szLine; std::getline(file, szLine);)
        nLines++;
    return nLines;
}

class UniverseTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        ASSERT_TRUE(Load_Game(Game_File("Universe.dat").c_str()));
    }
    static int Vital(TNUM nTeam, PNUM nPlayer, int nIndex) {
        return g_League.aTeams[nTeam].aPlayers[nPlayer].anVital[nIndex];
    }
    static const int32_t* Period(TNUM nTeam, PNUM nPlayer, int nPeriod) {
        return g_League.aTeams[nTeam].aPlayers[nPlayer].anStats[nPeriod];
    }
    // Every franchise player and free agent: the players of today.
    template <typename F> static void For_Active_Players(F f) {
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
            for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(nTeam); nPlayer++)
                f(nTeam, nPlayer);
        for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(FREE_AGENT_TEAM); nPlayer++)
            f(FREE_AGENT_TEAM, nPlayer);
    }
};
} // namespace

TEST_F(UniverseTest, IsSoundWithNothingLeftBehind) {
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << (violations.empty() ? "" : violations[0]);
    EXPECT_EQ(Count_Unowned_History_Records(), 0);
    EXPECT_EQ(Number_Of_Teams(), TEAMS);
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(UniverseTest, TemplatePoolHoldsEveryPosition) {
    int anTemplates[14] = {};
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(nTeam); nPlayer++)
            if (Period(nTeam, nPlayer, PERIOD_PREDICTED)[SS_STARTS] > TEMPLATE_STARTS)
                anTemplates[Vital(nTeam, nPlayer, VS_POSITION)]++;
    for (int nPosition = 0; nPosition < 14; nPosition++)
        EXPECT_GE(anTemplates[nPosition], TEMPLATES_WANTED) << nPosition;
}

TEST_F(UniverseTest, RostersAreFullAndInSideOrder) {
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        int nPlayers = Number_Of_Players(nTeam);
        EXPECT_GE(nPlayers, 53);
        EXPECT_LE(nPlayers, 60);
        int anCount[14] = {};
        int nLastSide = 0;
        for (PNUM nPlayer = 0; nPlayer < nPlayers; nPlayer++) {
            int nPosition = Vital(nTeam, nPlayer, VS_POSITION);
            anCount[nPosition]++;
            EXPECT_GE(Position_Side(nPosition), nLastSide) << (int)nTeam << " " << (int)nPlayer;
            nLastSide = Position_Side(nPosition);
        }
        for (int nPosition = 0; nPosition < 14; nPosition++)
            EXPECT_GE(anCount[nPosition], MINIMUM_ROSTER[nPosition]);
        EXPECT_EQ(Vital(nTeam, 0, VS_POSITION), POS_QB); // the starter leads the depth chart
        PNUM nKickReturner = Get_Team_Returner(nTeam, KICK_RETURNER);
        EXPECT_GT(Period(nTeam, nKickReturner, PERIOD_PREDICTED)[SS_KICK_RETURNS], 0);
    }
}

// The passer's targets are drawn by predicted catches: one receiver holding
// most of a lineup's catches would lead the league far past its records.
TEST_F(UniverseTest, EveryLineupSpreadsItsCatches) {
    constexpr int MOST_PER_MILLE = 375;  // of the lineup's backs' and receivers' catches
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        int nCatches = 0, nBest = 0, nReceivers = 0;
        for (PNUM nPlayer = 0; nPlayer < 11; nPlayer++) {
            int nPosition = Vital(nTeam, nPlayer, VS_POSITION);
            if (nPosition != POS_RB && nPosition != POS_TE && nPosition != POS_WR) continue;
            const int32_t* pPredicted = Period(nTeam, nPlayer, PERIOD_PREDICTED);
            nReceivers++;
            nCatches += pPredicted[SS_RECEPTIONS];
            nBest = std::max(nBest, (int)pPredicted[SS_RECEPTIONS]);
            // A catch without yards would be a pass to nowhere.
            EXPECT_GT(pPredicted[SS_RECEPTIONS], 0) << (int)nTeam << " " << (int)nPlayer;
            EXPECT_GE(pPredicted[SS_RECEIVING_YARDS], 3 * pPredicted[SS_RECEPTIONS])
                << (int)nTeam << " " << (int)nPlayer;
        }
        EXPECT_EQ(nReceivers, 5) << (int)nTeam;
        EXPECT_LE(1000 * nBest, MOST_PER_MILLE * nCatches) << (int)nTeam;
    }
}

TEST_F(UniverseTest, PayrollsFitUnderTheCap) {
    int nInRange = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
        EXPECT_LE(nPayroll, Get_League_Rule(LR_SALARY_CAP) / 1000);
        EXPECT_GE(nPayroll, 55000);
        if (nPayroll >= 60000 && nPayroll <= 70000) nInRange++;
        for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(nTeam); nPlayer++) {
            int nSalary = Vital(nTeam, nPlayer, VS_SALARY);
            EXPECT_TRUE(nSalary == MINIMUM_SALARY || (nSalary > MINIMUM_SALARY && nSalary % 10 == 0))
                << nSalary;
            EXPECT_GE(Vital(nTeam, nPlayer, VS_CONTRACT_LEFT), 1);
            EXPECT_LE(Vital(nTeam, nPlayer, VS_CONTRACT_LEFT), Vital(nTeam, nPlayer, VS_CONTRACT_YEARS));
        }
    }
    EXPECT_GE(nInRange, TEAMS * 3 / 4);
}

TEST_F(UniverseTest, PlayersHaveBelievableBodiesAndPasts) {
    std::set<int> ages;
    For_Active_Players([&](TNUM nTeam, PNUM nPlayer) {
        int nAge = Vital(nTeam, nPlayer, VS_AGE), nExperience = Vital(nTeam, nPlayer, VS_EXPERIENCE);
        ages.insert(nAge);
        EXPECT_GE(nAge, 21);
        EXPECT_LE(nAge, 38);
        EXPECT_GE(nExperience, 0);
        EXPECT_LE(nExperience, nAge - 21);
        int nBorn = Vital(nTeam, nPlayer, VS_BIRTH_DATE) / 10000;
        EXPECT_TRUE(START_YEAR - nBorn == nAge || START_YEAR - nBorn == nAge + 1);
        int nPosition = Vital(nTeam, nPlayer, VS_POSITION), nForty = Vital(nTeam, nPlayer, VS_FORTY);
        if (nPosition >= POS_K) {
            EXPECT_EQ(nForty, 0);
        } else {
            EXPECT_TRUE(nForty >= 400 && nForty <= 560) << nForty;
        }
        EXPECT_GE(Vital(nTeam, nPlayer, VS_HEIGHT), 63);
        EXPECT_LE(Vital(nTeam, nPlayer, VS_HEIGHT), 82);
        char szText[32];
        Get_Player_Picture(nTeam, nPlayer, szText);
        EXPECT_TRUE(strlen(szText) == 4 || (strlen(szText) == 5 && szText[4] == 'a')) << szText;
        Get_Player_College(nTeam, nPlayer, szText);
        EXPECT_STREQ(szText, Get_College_Name(Vital(nTeam, nPlayer, VS_COLLEGE)));
        Get_Player_Last_Name(nTeam, nPlayer, szText);
        EXPECT_GT(strlen(szText), 0u);
        EXPECT_EQ(Vital(nTeam, nPlayer, VS_INJURY), -1);
        EXPECT_EQ(Vital(nTeam, nPlayer, VS_INJURY_WEEKS), 0);
    });
    EXPECT_EQ(ages.size(), 18u); // every age from 21 to 38
}

TEST_F(UniverseTest, HistoriesFollowExperience) {
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(nTeam); nPlayer++) {
            int nExperience = Vital(nTeam, nPlayer, VS_EXPERIENCE),
                nPosition = Vital(nTeam, nPlayer, VS_POSITION);
            ASSERT_EQ(Count_History_Entries(nTeam, nPlayer), nExperience + 1);
            int32_t anSum[NUMBER_OF_COUNTERS] = {};
            for (int nEntry = 0; nEntry <= nExperience; nEntry++) {
                const HistoryRecord& record =
                    g_League.aHistory[Get_Player_History_Record(nTeam, nPlayer, nEntry)];
                EXPECT_EQ(record.nYear, START_YEAR - nExperience + nEntry);
                EXPECT_EQ(record.nExperience, nEntry);
                for (int n = 0; n < NUMBER_OF_COUNTERS; n++)
                    anSum[n] += record.anStats[n];
                if (record.nYear == START_YEAR - 1) {
                    EXPECT_EQ(
                        memcmp(record.anStats, Period(nTeam, nPlayer, PERIOD_LAST_SEASON), sizeof anSum), 0);
                }
            }
            EXPECT_EQ(Get_Player_Open_Record(nTeam, nPlayer),
                      Get_Player_History_Record(nTeam, nPlayer, nExperience));
            EXPECT_FALSE(Player_Period_Has_Stats(nTeam, nPlayer, PERIOD_THIS_SEASON));
            EXPECT_EQ(anSum[SS_GAMES], Period(nTeam, nPlayer, PERIOD_CAREER)[SS_GAMES]);
            if (nPosition != POS_K && nPosition != POS_P) {
                EXPECT_EQ(anSum[SS_RUSH_YARDS], Period(nTeam, nPlayer, PERIOD_CAREER)[SS_RUSH_YARDS]);
            }
        }
}

TEST_F(UniverseTest, HallOfFameHoldsInductedCareers) {
    int nMembers = Number_Of_Players(HALL_OF_FAME_TEAM), nLastInducted = 0;
    EXPECT_GE(nMembers, 3);
    for (PNUM nPlayer = 0; nPlayer < nMembers; nPlayer++) {
        int nInducted = Vital(HALL_OF_FAME_TEAM, nPlayer, VS_DECLINE_RATE);
        EXPECT_LT(nInducted, START_YEAR);
        EXPECT_GE(nInducted, nLastInducted);
        nLastInducted = nInducted;
        int nVotes = Vital(HALL_OF_FAME_TEAM, nPlayer, VS_GROWTH_RATE);
        EXPECT_TRUE(nVotes >= 75 && nVotes <= 100);
        int nExperience = Vital(HALL_OF_FAME_TEAM, nPlayer, VS_EXPERIENCE);
        EXPECT_GE(nExperience, 10);
        EXPECT_EQ(Count_History_Entries(HALL_OF_FAME_TEAM, nPlayer), nExperience + 1);
        EXPECT_GT(Period(HALL_OF_FAME_TEAM, nPlayer, PERIOD_CAREER)[SS_GAMES], 100);
    }
}

TEST_F(UniverseTest, FreeAgentsWaitInSalaryOrder) {
    int nAgents = Number_Of_Players(FREE_AGENT_TEAM);
    EXPECT_GE(nAgents, 30);
    EXPECT_LE(nAgents, 50);
    for (PNUM nPlayer = 1; nPlayer < nAgents; nPlayer++)
        EXPECT_LE(Vital(FREE_AGENT_TEAM, nPlayer, VS_SALARY), Vital(FREE_AGENT_TEAM, nPlayer - 1, VS_SALARY));
}

TEST_F(UniverseTest, LeagueTeamsAndCities) {
    EXPECT_EQ(Get_League_Rule(LR_GAMES_PER_SEASON), 16);
    EXPECT_EQ(Get_League_Rule(LR_PRICE_LEVEL), 1000);
    EXPECT_EQ(Get_League_Rule(LR_SALARY_CAP), 71100000);
    EXPECT_EQ(Get_League_Rule(LR_START_YEAR), START_YEAR);
    EXPECT_GE(Number_Of_Cities(), 60);
    for (int nDivision = 0; nDivision < NUMBER_OF_DIVISIONS; nDivision++) {
        EXPECT_EQ(Division_Team_Count(nDivision), 4);
        char szName[12];
        Get_Division_Name(nDivision, szName);
        EXPECT_GT(strlen(szName), 0u);
    }
    std::set<std::string> abbreviations, nicknames;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        char szText[32];
        Get_Team_String(nTeam, TS_ABBREVIATION, szText);
        EXPECT_EQ(strlen(szText), 3u);
        abbreviations.insert(szText);
        Get_Team_String(nTeam, TS_NICKNAME, szText);
        nicknames.insert(szText);
        EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_STAT_CONTROL), 0);
        int nCapacity = Get_Stadium_Field(nTeam, STADIUM_CAPACITY);
        EXPECT_TRUE(nCapacity >= 50000 && nCapacity <= 80000);
        for (int nField : {STADIUM_CONVENIENCE, STADIUM_COMFORT, STADIUM_SIGHT_LINES})
            EXPECT_TRUE(Get_Stadium_Field(nTeam, nField) >= 800 && Get_Stadium_Field(nTeam, nField) <= 1200);
        EXPECT_EQ(Get_Stadium_Field(nTeam, STADIUM_VALUE) % 1000000, 0);
        EXPECT_GT(Get_Stadium_Field(nTeam, STADIUM_VALUE), 50000000);
        int nLoyalty = Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY);
        EXPECT_TRUE(nLoyalty >= 850 && nLoyalty <= 1200);
        int nPrice = Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE);
        EXPECT_TRUE(nPrice > 1000 && nPrice < 5000 && nPrice % 25 == 0) << nPrice;
        for (int nDraft = 0; nDraft < 3; nDraft++)
            EXPECT_EQ(g_League.abDraftPicks[nDraft][0][nTeam], nTeam);
    }
    EXPECT_EQ(abbreviations.size(), (size_t)TEAMS);
    EXPECT_EQ(nicknames.size(), (size_t)TEAMS);
}

TEST_F(UniverseTest, NameFilesBesideIt) {
    int nFirst = Count_Lines(Game_File("names/first.txt")), nLast = Count_Lines(Game_File("names/last.txt"));
    EXPECT_GE(nFirst, 1000);
    EXPECT_GE(nLast, 1000);
    EXPECT_EQ(Get_Game_State(GS_FIRST_NAMES), nFirst);
    EXPECT_EQ(Get_Game_State(GS_LAST_NAMES), nLast);
}
