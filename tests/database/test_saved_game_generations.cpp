// Files of the older generations: imploded chunks, the oldest layout, and
// the conversions a load makes by version.
#include <cstring>

#include "database/explode.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "implode_writer.h"
#include "league_builder.h"
#include "saved_game_test_support.h"
#include "test_support.h"

namespace {

class GenerationTest : public LeagueTest {
  protected:
    void TearDown() override {
        Platform_Install(nullptr);
        LeagueTest::TearDown();
    }
    static void Write_Imploded(const char* szPath, const char* szDigits) {
        Write_Bytes(szPath, Imploded_File(szDigits, reinterpret_cast<const uint8_t*>(&g_League), sizeof g_League));
    }
    // Aging parameters are drawn anew for files below 2180; leave them out of comparisons.
    static void Forget_Aging(LeagueDatabase& league) {
        for (auto& team : league.aTeams)
            for (auto& player : team.aPlayers)
                for (int i = VS_DECLINE_RATE; i <= VS_PEAK_END; i++) player.anVital[i] = 0;
    }
};

void Put32(std::vector<uint8_t>& image, size_t nOffset, int32_t n) { memcpy(&image[nOffset], &n, 4); }

TEST_F(GenerationTest, TestEncoderMakesStreamsTheDecoderAccepts) {
    Build_Sample_League(31);
    const uint8_t* pImage = reinterpret_cast<const uint8_t*>(&g_League) + 5 * 66938;
    for (int nCode = 4; nCode <= 6; nCode++) {
        std::vector<uint8_t> packed = Implode_For_Tests(pImage, 66938, nCode);
        std::vector<uint8_t> plain(66938);
        size_t nWritten = 0;
        ASSERT_EQ(Explode_Buffer(packed.data(), packed.size(), plain.data(), plain.size(), &nWritten, nullptr), EXPLODE_OK);
        EXPECT_EQ(nWritten, 66938u);
        EXPECT_EQ(memcmp(plain.data(), pImage, 66938), 0);
        EXPECT_LT(packed.size(), 66938u);
    }
}

TEST_F(GenerationTest, MiddleFileBringsItsImage) {
    Build_Sample_League(32);
    Write_Imploded("middle.vtr", "2100");
    auto pExpected = Snapshot_League();
    Clear_League();
    Install_Progress_Recorder();
    ASSERT_TRUE(Load_Game("middle.vtr"));
    EXPECT_EQ(Progress_Log().captions.at(0), "Restoring V2.100 Saved Game...");
    EXPECT_EQ(Last_Load_Info().nVersion, 2100);
    EXPECT_EQ(Last_Load_Info().nSaveMode, -1);
    Forget_Aging(*pExpected);
    Forget_Aging(g_League);
    EXPECT_TRUE(League_Equals(*pExpected));
}

TEST_F(GenerationTest, LastDigitCountsOnlyAbove2170) {
    Build_Sample_League(33);
    Write_Imploded("a.vtr", "2169");
    Write_Imploded("b.vtr", "2170");
    Write_Imploded("c.vtr", "2171");
    ASSERT_TRUE(Load_Game("a.vtr"));
    EXPECT_EQ(Last_Load_Info().nVersion, 2160);
    ASSERT_TRUE(Load_Game("b.vtr"));
    EXPECT_EQ(Last_Load_Info().nVersion, 2170);
    EXPECT_FALSE(Load_Game("c.vtr"));  // 2171 has zlib chunks, not imploded ones
    EXPECT_EQ(Last_Load_Info().nVersion, 2171);
    // Zlib chunks behind 2169 are not an imploded file either.
    ASSERT_EQ(Save_Game("d.vtr"), SAVE_OK);
    std::vector<uint8_t> bytes = Read_Bytes("d.vtr");
    bytes[15] = '6';
    bytes[16] = '9';
    Write_Bytes("d.vtr", bytes);
    EXPECT_FALSE(Load_Game("d.vtr"));
}

TEST_F(GenerationTest, DivisionsRenumberedBelow2020) {
    Use_Teams(6);
    for (TNUM nTeam = 0; nTeam < 6; nTeam++) {
        g_League.aTeams[nTeam].data.anStats[TEAM_STAT_DIVISION] = nTeam;
        char szCity[8] = {'C', 'i', 't', 'y', (char)('A' + nTeam), 0};
        Set_Team_String(szCity, nTeam, TS_CITY);
    }
    char* pNames = reinterpret_cast<char*>(g_League.aszDivisionNames);
    memset(pNames, 0, 96);
    const char* const OLD_NAMES[6] = {"North", "South", "Central", "Atlantic Coastal", "Pacific", "Mountain"};
    for (int n = 0; n < 6; n++) strncpy(pNames + 16 * n, OLD_NAMES[n], 16);
    auto pBefore = Snapshot_League();
    Write_Imploded("old.vtr", "2010");
    Write_Imploded("new.vtr", "2020");

    ASSERT_TRUE(Load_Game("old.vtr"));
    const int EXPECTED_DIVISIONS[6] = {0, 1, 2, 4, 5, 6};
    for (TNUM nTeam = 0; nTeam < 6; nTeam++) EXPECT_EQ(Get_Team_Division(nTeam), EXPECTED_DIVISIONS[nTeam]);
    const char* const NEW_NAMES[8] = {"North", "South", "Central", "", "Atlantic Co", "Pacific", "Mountain", ""};
    for (int n = 0; n < 8; n++) EXPECT_STREQ(g_League.aszDivisionNames[n], NEW_NAMES[n]) << n;

    ASSERT_TRUE(Load_Game("new.vtr"));
    EXPECT_EQ(memcmp(g_League.aszDivisionNames, pBefore->aszDivisionNames, 96), 0);
    for (TNUM nTeam = 0; nTeam < 6; nTeam++) EXPECT_EQ(Get_Team_Division(nTeam), nTeam);
}

TEST_F(GenerationTest, AbsoluteYearBecomesASeasonIndex) {
    Use_Teams(4);
    Set_Game_State(GS_SEASON_INDEX, 104);
    ASSERT_EQ(Save_Game("year.vtr"), SAVE_OK);
    Clear_League();
    ASSERT_TRUE(Load_Game("year.vtr"));
    EXPECT_EQ(Current_Season_Index(), 6);
    EXPECT_EQ(Get_League_Rule(LR_START_YEAR), 1998);
    EXPECT_EQ(Current_Calendar_Year(), 2004);
}

TEST_F(GenerationTest, ChunkThatExplodesTooLongIsRefused) {
    Build_Sample_League(34);
    auto pBefore = Snapshot_League();
    std::vector<uint8_t> big(66938 + 100, 7);
    std::vector<uint8_t> file = File_Header("2100", false);
    std::vector<uint8_t> chunk = Implode_For_Tests(big.data(), big.size());
    Put_Le32(file, (uint32_t)chunk.size());
    file.insert(file.end(), chunk.begin(), chunk.end());
    Write_Bytes("long.vtr", file);
    EXPECT_FALSE(Load_Game("long.vtr"));
    ASSERT_EQ(Headless_Notices().size(), 2u);
    EXPECT_EQ(Headless_Notices()[0].title, "Compression Error");
    EXPECT_EQ(Headless_Notices().back().text, "Couldn't load game data. Please re-install Brakvell.");
    EXPECT_TRUE(League_Equals(*pBefore));
}

TEST_F(GenerationTest, ImplodedChunkLongerThanItsPlainSizeIsRefused) {
    Build_Sample_League(35);
    const uint8_t* pImage = reinterpret_cast<const uint8_t*>(&g_League);
    std::vector<uint8_t> file = File_Header("2100", false);
    std::vector<uint8_t> chunk = Implode_For_Tests(pImage, 66938, 6, false);  // literals: 9 bits a byte
    ASSERT_GT(chunk.size(), 66938u);
    Put_Le32(file, (uint32_t)chunk.size());
    file.insert(file.end(), chunk.begin(), chunk.end());
    Write_Bytes("literal.vtr", file);
    auto pBefore = Snapshot_League();
    EXPECT_FALSE(Load_Game("literal.vtr"));
    EXPECT_TRUE(League_Equals(*pBefore));
}

// The oldest layout, written field by field at its own offsets.
constexpr size_t OLD_SIZE = 2275848;
constexpr size_t OLD_TEAM = 47012;
size_t Old_Team(int nTeam) { return 2480 + nTeam * OLD_TEAM; }
size_t Old_Player(int nTeam, int nSlot) { return Old_Team(nTeam) + 256 + nSlot * 488; }
size_t Old_Team_Data(int nTeam) { return Old_Team(nTeam) + 256 + 80 * 488; }
// An old player record is the first 122 integers of today's: the vitals from
// byte 48, the four periods of twenty counters from byte 168.
constexpr size_t VITAL_OFFSET = 48;
size_t Vital_Offset(int nVital) { return VITAL_OFFSET + 4 * nVital; }
size_t Period_Offset(int nPeriod, int nStat) { return 168 + 80 * nPeriod + 4 * nStat; }
size_t Predicted_Offset(int nStat) { return Period_Offset(PERIOD_PREDICTED, nStat); }
constexpr size_t TEAM_STATS_OFFSET = (1 + 480) * 4;  // behind the returner word and the totals

std::vector<uint8_t> Oldest_Image(int nTeams) {
    std::vector<uint8_t> image(OLD_SIZE, 0);
    memcpy(&image[0], "Old Game", 8);
    Put32(image, 2112 + 4 * LR_FANTASY_DRAFT, 2);
    Put32(image, 2112 + 4 * LR_START_YEAR, 1998);
    memcpy(&image[2352], "Eastern", 7);
    memcpy(&image[2368], "Western", 7);
    for (int n = 0; n < 6; n++) snprintf(reinterpret_cast<char*>(&image[2384 + 16 * n]), 16, "Division No %d", n);
    for (int nTeam = 0; nTeam < 36; nTeam++) {
        size_t nData = Old_Team_Data(nTeam);
        Put32(image, nData + TEAM_STATS_OFFSET + 4 * TEAM_STAT_CONTROL, nTeam < nTeams ? COMPUTER_MANAGED : TEAM_NOT_IN_USE);
        if (nTeam >= nTeams) continue;
        snprintf(reinterpret_cast<char*>(&image[Old_Team(nTeam) + 32]), 32, "City %c", 'A' + nTeam);
        image[nData] = 3;                                          // kick returner
        Put32(image, nData + TEAM_STATS_OFFSET + 4 * TEAM_STAT_DIVISION, nTeam % 6);
        Put32(image, nData + (1 + 480 + 60 + 20 + 80 + 1199) * 4, 77);  // last yearly integer
        Put32(image, nData + (1929 - 1) * 4, 250 + nTeam);         // last schedule integer
        for (int nSlot = 0; nSlot < 3; nSlot++) {
            size_t nPlayer = Old_Player(nTeam, nSlot);
            snprintf(reinterpret_cast<char*>(&image[nPlayer]), 20, "Last%d", nSlot);
            Put32(image, nPlayer + Vital_Offset(VS_PLAYER_ID), 1000 * nTeam + nSlot + 1);
            Put32(image, nPlayer + Vital_Offset(VS_POSITION), POS_T + nSlot);
            Put32(image, nPlayer + Vital_Offset(VS_AGE), 25);
            Put32(image, nPlayer + Vital_Offset(VS_COLLEGE), nSlot == 2 ? 99 : 29);
            Put32(image, nPlayer + Period_Offset(PERIOD_THIS_SEASON, SS_GAMES), 12);
            Put32(image, nPlayer + Period_Offset(PERIOD_LAST_SEASON, SS_GAMES), 16);
            Put32(image, nPlayer + Predicted_Offset(NUMBER_OF_COUNTERS - 1), 4321);  // the record's last integer
        }
    }
    memcpy(&image[1929972], "Springfield", 11);
    image[1937172] = 5;
    image[1937928 - 1] = 6;
    image[1937928] = 8;
    image[1937964] = 9;
    image[2275164 - 1] = 10;
    Put32(image, 2275164 + 4 * GS_SEASON_INDEX, 2);
    Put32(image, 2275164 + 4 * 99, 11);
    image[2275564] = 12;
    image[2275668] = 1;  // teams in use, or none: a load refuses any other
    image[2275668 + 30] = (uint8_t)NO_TEAM;
    image[2275699] = 99;  // padding: not copied
    Put32(image, 2275700, 15);
    Put32(image, 2275824 - 4, 16);
    Put32(image, 2275824, 17);
    Put32(image, OLD_SIZE - 4, 18);
    return image;
}

TEST_F(GenerationTest, OldestLayoutMovesEveryField) {
    std::vector<uint8_t> image = Oldest_Image(6);
    Write_Bytes("oldest.vtr", Imploded_File("1990", image.data(), image.size()));
    ASSERT_TRUE(Load_Game("oldest.vtr"));
    EXPECT_EQ(Last_Load_Info().nVersion, 1990);
    EXPECT_STREQ(g_League.szGameName, "Old Game");
    EXPECT_EQ(Get_League_Rule(LR_FANTASY_DRAFT), 0);
    EXPECT_STREQ(g_League.aszLeagueNames[1], "Western");
    EXPECT_STREQ(g_League.aszDivisionNames[3], "");
    EXPECT_STREQ(g_League.aszDivisionNames[4], "Division No");
    EXPECT_EQ(Number_Of_Teams(), 6);
    const int EXPECTED_DIVISIONS[6] = {0, 1, 2, 4, 5, 6};
    for (TNUM nTeam = 0; nTeam < 6; nTeam++) {
        SCOPED_TRACE(nTeam);
        const TeamBlock& team = g_League.aTeams[nTeam];
        EXPECT_EQ(team.aszStrings[TS_CITY][5], 'A' + nTeam);
        EXPECT_EQ(team.data.abReturners[KICK_RETURNER], 3);
        EXPECT_EQ(team.data.anStats[TEAM_STAT_DIVISION], EXPECTED_DIVISIONS[nTeam]);
        EXPECT_EQ(team.data.anYearly[99][YR_OUTCOME], 77);
        EXPECT_EQ(team.data.anSchedule[SCHEDULE_SLOTS - 1][SLOT_GAME_RECORD], 250 + nTeam);
        for (PNUM nSlot = 0; nSlot < 3; nSlot++) {
            const PlayerRecord& player = team.aPlayers[nSlot];
            EXPECT_EQ(player.szLastName[4], '0' + nSlot);
            EXPECT_EQ(player.anVital[VS_PLAYER_ID], 1000 * nTeam + nSlot + 1);
            EXPECT_EQ(player.anVital[VS_POSITION], POS_T + nSlot);
            EXPECT_EQ(player.anStats[PERIOD_PREDICTED][NUMBER_OF_COUNTERS - 1], 4321);
            for (int32_t n : player.anReserved) EXPECT_EQ(n, -1);
        }
        EXPECT_EQ(team.aPlayers[3].anVital[VS_PLAYER_ID], 0);
        EXPECT_EQ(team.aPlayers[3].anHistory[0], -1);
    }
    EXPECT_STREQ(g_League.aCities[0].szName, "Springfield");
    EXPECT_EQ(g_League.abDraftPicks[0][0][0], 5);
    EXPECT_EQ(g_League.abDraftPicks[2][6][35], 6);
    EXPECT_EQ(g_League.abDraftFlags[0], 8);
    EXPECT_EQ(g_League.aGames[0].abBytes[0], 9);
    EXPECT_EQ(g_League.aGames[299].abBytes[GAME_RECORD_SIZE - 1], 10);
    EXPECT_EQ(Current_Season_Index(), 2);
    EXPECT_EQ(Get_Game_State(NUMBER_OF_GAME_STATE_ENTRIES - 1), 11);
    EXPECT_EQ(g_League.abStandingsOrder[0][0], 12);
    EXPECT_EQ(g_League.abPlayoffTeams[0], 1);
    EXPECT_EQ(g_League.abPlayoffTeams[30], NO_TEAM);
    EXPECT_EQ(g_League.abPlayoffTeams[31], 0);
    EXPECT_EQ(g_League.anPlayoffScores[0], 15);
    EXPECT_EQ(g_League.anPlayoffScores[30], 16);
    EXPECT_EQ(g_League.anCalendar[0], 17);
    EXPECT_EQ(g_League.anCalendar[5], 18);
}

TEST_F(GenerationTest, OldestFileThatExplodesShortIsRefused) {
    std::vector<uint8_t> image = Oldest_Image(4);
    std::vector<uint8_t> file = Imploded_File("1999", image.data(), image.size() - 1);
    Write_Bytes("short.vtr", file);
    Build_Sample_League(36);
    auto pBefore = Snapshot_League();
    EXPECT_FALSE(Load_Game("short.vtr"));
    EXPECT_TRUE(League_Equals(*pBefore));
}

TEST_F(GenerationTest, AgingParametersRenewedBelow2180Only) {
    Use_Teams(2);
    Set_League_Rule(LR_FIXED_AGING, 1);
    for (TNUM nTeam = 0; nTeam < 2; nTeam++) {
        char szCity[8] = {'C', 'i', 't', 'y', (char)('A' + nTeam), 0};
        Set_Team_String(szCity, nTeam, TS_CITY);
        PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[0];
        player.anVital[VS_PLAYER_ID] = 10 + nTeam;
        player.anVital[VS_AGE] = 28;
        for (int i = VS_DECLINE_RATE; i <= VS_PEAK_END; i++) player.anVital[i] = 50 + i;
    }
    ASSERT_EQ(Save_Game("keep.vtr"), SAVE_OK);
    std::vector<uint8_t> bytes = Read_Bytes("keep.vtr");
    bytes[15] = '7';
    bytes[16] = '5';  // 2175: zlib, but before the aging parameters
    Write_Bytes("renew.vtr", bytes);

    ASSERT_TRUE(Load_Game("keep.vtr"));
    EXPECT_EQ(g_League.aTeams[1].aPlayers[0].anVital[VS_DECLINE_RATE], 69);
    EXPECT_EQ(g_League.aTeams[1].aPlayers[0].anVital[VS_PEAK_END], 72);
    ASSERT_TRUE(Load_Game("renew.vtr"));
    EXPECT_EQ(Last_Load_Info().nVersion, 2175);
    for (TNUM nTeam = 0; nTeam < 2; nTeam++) {
        const PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[0];
        EXPECT_EQ(player.anVital[VS_DECLINE_RATE], 100);
        EXPECT_EQ(player.anVital[VS_GROWTH_RATE], 100);
        EXPECT_EQ(player.anVital[VS_PEAK_START], 26);
        EXPECT_EQ(player.anVital[VS_PEAK_END], 31);
    }
}

TEST_F(GenerationTest, OldFileKeepsMembersAndProspectsAsTheyWere) {
    Use_Teams(2);
    Set_League_Rule(LR_FIXED_AGING, 1);
    auto place = [](TNUM nTeam, int nId, int nFirst, int nSecond) {
        PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[0];
        player.anVital[VS_PLAYER_ID] = nId;
        player.anVital[VS_AGE] = 60;
        player.anVital[VS_DECLINE_RATE] = nFirst;
        player.anVital[VS_GROWTH_RATE] = nSecond;
        player.anVital[VS_PEAK_START] = 24;
        player.anVital[VS_PEAK_END] = 33;
    };
    place(1, 20, 7, 8);
    place(FREE_AGENT_TEAM, 21, 7, 8);
    place(HALL_OF_FAME_TEAM, 22, 2003, 96);  // year inducted, share of votes
    for (TNUM nTeam = DRAFT_POOL_TEAMS; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++) place(nTeam, 23 + nTeam, 125, 90);
    ASSERT_EQ(Save_Game("fame.vtr"), SAVE_OK);
    std::vector<uint8_t> bytes = Read_Bytes("fame.vtr");
    bytes[15] = '7';
    bytes[16] = '9';  // 2179, the last version before the aging parameters
    Write_Bytes("fame.vtr", bytes);
    ASSERT_TRUE(Load_Game("fame.vtr"));
    ASSERT_EQ(Last_Load_Info().nVersion, 2179);

    for (TNUM nTeam : {(TNUM)1, FREE_AGENT_TEAM}) {
        const int32_t* anVital = g_League.aTeams[nTeam].aPlayers[0].anVital;
        EXPECT_EQ(anVital[VS_DECLINE_RATE], 100) << (int)nTeam;
        EXPECT_EQ(anVital[VS_PEAK_END], 31) << (int)nTeam;
    }
    const int32_t* anMember = g_League.aTeams[HALL_OF_FAME_TEAM].aPlayers[0].anVital;
    EXPECT_EQ(anMember[VS_DECLINE_RATE], 2003);
    EXPECT_EQ(anMember[VS_GROWTH_RATE], 96);
    EXPECT_EQ(anMember[VS_PEAK_START], 24);
    for (TNUM nTeam = DRAFT_POOL_TEAMS; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        const int32_t* anVital = g_League.aTeams[nTeam].aPlayers[0].anVital;
        EXPECT_EQ(anVital[VS_DECLINE_RATE], 125) << (int)nTeam;
        EXPECT_EQ(anVital[VS_GROWTH_RATE], 90) << (int)nTeam;
        EXPECT_EQ(anVital[VS_PEAK_END], 33) << (int)nTeam;
    }
}

TEST_F(GenerationTest, OldestPlayersGetHistoryAndCollegeNames) {
    std::vector<uint8_t> image = Oldest_Image(2);
    Write_Bytes("oldest.vtr", Imploded_File("1990", image.data(), image.size()));
    ASSERT_TRUE(Load_Game("oldest.vtr"));
    int nYear = Current_Calendar_Year();
    for (PNUM nSlot = 0; nSlot < 3; nSlot++) {
        const PlayerRecord& player = g_League.aTeams[0].aPlayers[nSlot];
        ASSERT_GE(player.anHistory[0], 0);
        ASSERT_GE(player.anHistory[1], 0);
        const HistoryRecord& last = g_League.aHistory[player.anHistory[0]];
        const HistoryRecord& now = g_League.aHistory[player.anHistory[1]];
        EXPECT_EQ(last.nYear, nYear - 1);
        EXPECT_EQ(last.anStats[SS_GAMES], 16);
        EXPECT_EQ(now.nYear, nYear);
        EXPECT_EQ(now.anStats[SS_GAMES], 12);
    }
    EXPECT_STREQ(g_League.aTeams[0].aPlayers[0].szCollege, "Texas A+M");
    EXPECT_STREQ(g_League.aTeams[0].aPlayers[2].szCollege, "");  // index 99: no such college
}

TEST_F(GenerationTest, FirstVersionGetsLeagueAverageLinePredictions) {
    std::vector<uint8_t> image = Oldest_Image(2);
    // Slot 0 is a tackle (4), slot 1 a guard (5), slot 2 a centre (6); make slot 2 a defensive end.
    Put32(image, Old_Player(0, 2) + VITAL_OFFSET + 4 * VS_POSITION, POS_DE);
    Put32(image, Old_Player(0, 2) + Predicted_Offset(SS_PENALTIES), 55);
    Put32(image, Old_Player(1, 0) + VITAL_OFFSET + 4 * VS_POSITION, POS_QB);  // a quarterback keeps his figures
    Put32(image, Old_Player(1, 0) + Predicted_Offset(SS_RECEPTIONS), 66);
    Write_Bytes("first.vtr", Imploded_File("1000", image.data(), image.size()));
    ASSERT_TRUE(Load_Game("first.vtr"));
    EXPECT_EQ(Last_Load_Info().nVersion, 1000);
    const auto& guard = g_League.aTeams[0].aPlayers[1].anStats[PERIOD_PREDICTED];
    EXPECT_EQ(guard[SS_SACKS_ALLOWED], 13);
    EXPECT_EQ(guard[SS_RUSHES], 310);
    EXPECT_EQ(guard[SS_RUSH_YARDS], 1200);
    EXPECT_EQ(guard[SS_PENALTIES], 10);
    EXPECT_EQ(guard[SS_PENALTY_YARDS], 100);
    EXPECT_EQ(guard[NUMBER_OF_COUNTERS - 1], 4321);
    EXPECT_EQ(g_League.aTeams[0].aPlayers[2].anStats[PERIOD_PREDICTED][SS_PENALTIES], 0);
    EXPECT_EQ(g_League.aTeams[1].aPlayers[0].anStats[PERIOD_PREDICTED][SS_RECEPTIONS], 66);
}

}  // namespace
