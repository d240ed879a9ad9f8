// Leagues that decode but could not be played: a value out of its range, a
// checksum that does not match, a version from the future, a file that is
// not a file. Each is refused with a message that names the damage, and the
// league in memory stays exactly as it was.
#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "database/integrity.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "saved_game_test_support.h"
#include "season/default_season_fixture.h"

namespace {

struct Damage {
    const char* szWhat;
    std::function<void()> apply;
    const char* szNamed;  // the part of the message that names the damage
};

PlayerRecord& First_Player(TNUM nTeam) { return g_League.aTeams[nTeam].aPlayers[0]; }

const Damage DAMAGES[] = {
    {"salary INT_MAX", [] { First_Player(3).anVital[VS_SALARY] = INT_MAX; }, "salary 2147483647 outside 0..999999"},
    {"negative salary of a free agent", [] { First_Player(FREE_AGENT_TEAM).anVital[VS_SALARY] = -5; },
     "salary -5 outside"},
    {"bonus INT_MIN", [] { First_Player(0).anVital[VS_BONUS] = INT_MIN; }, "bonus -2147483648 outside"},
    {"a roster paid more than a billion",
     [] {
         for (int nSlot = 0; nSlot < 5; nSlot++) g_League.aTeams[2].aPlayers[nSlot].anVital[VS_SALARY] = 999999;
     },
     "salaries and bonuses of"},
    {"cash beyond a billion", [] { g_League.aTeams[1].data.anFinancial[FIN_CASH] = INT_MAX - 5; }, "(cash)"},
    {"debt beyond a billion", [] { g_League.aTeams[1].data.anFinancial[FIN_CASH] = -1000000001; }, "(cash)"},
    {"ticket price wrapped", [] { g_League.aTeams[4].data.anFinancial[FIN_TICKET_PRICE] = INT_MIN; },
     "financial field 1 is -2147483648"},
    {"week past the calendar", [] { g_League.anGameState[GS_CURRENT_WEEK] = SCHEDULE_SLOTS + 7; },
     "current week 29 outside 0..28"},
    {"negative week", [] { g_League.anGameState[GS_CURRENT_WEEK] = -1; }, "current week -1"},
    {"a playoff round past the weeks", [] { g_League.anCalendar[3] = 1000; },
     "calendar entry 3 is week 1000, outside 0..28"},
    {"a playoff round before the first week", [] { g_League.anCalendar[5] = -1; }, "calendar entry 5 is week -1"},
    {"negative start year", [] { g_League.anRules[LR_START_YEAR] = -1; }, "start year -1 outside 0..9999"},
    {"start year far ahead", [] { g_League.anRules[LR_START_YEAR] = 99999; }, "start year 99999"},
    {"negative season", [] { g_League.anGameState[GS_SEASON_INDEX] = -1; }, "season index -1 outside 0..99"},
    // Large ones are taken for an absolute year (5000 for 3002 seasons after 1998): still past the table.
    {"season far ahead", [] { g_League.anGameState[GS_SEASON_INDEX] = 5000; }, "outside 0..99"},
    {"difficulty 4", [] { g_League.anGameState[GS_DIFFICULTY] = NUMBER_OF_DIFFICULTIES; }, "difficulty 4 outside 0..3"},
    {"negative difficulty", [] { g_League.anGameState[GS_DIFFICULTY] = -1; }, "difficulty -1"},
    {"user's team not in use", [] { g_League.anGameState[GS_USER_TEAM] = NUMBER_OF_FRANCHISES - 1; },
     "game-state entry 28 names team 35, not in use"},
    {"managed team wrapped", [] { g_League.anGameState[GS_MANAGED_TEAM] = -100000; },
     "game-state entry 32 names team -100000"},
    {"opponent not in use", [] { g_League.aTeams[0].data.anSchedule[5][SLOT_OPPONENT] = NUMBER_OF_FRANCHISES; },
     "schedule slot 5 names opponent 36"},
    {"opponent INT_MIN", [] { g_League.aTeams[6].data.anSchedule[2][SLOT_OPPONENT] = INT_MIN; },
     "names opponent -2147483648"},
    {"game record past the table",
     [] { g_League.aTeams[0].data.anSchedule[1][SLOT_GAME_RECORD] = NUMBER_OF_GAME_RECORDS; },
     "schedule slot 1 names game record 300"},
    {"playoff slot names a team not in use", [] { g_League.abPlayoffTeams[4] = NUMBER_OF_FRANCHISES; },
     "playoff slot 4 holds team 36"},
    {"player ID negative", [] { First_Player(5).anVital[VS_PLAYER_ID] = -3; }, "negative player ID -3"},
    {"predicted yards wrapped", [] { First_Player(8).anStats[PERIOD_PREDICTED][SS_RUSH_YARDS] = INT_MAX; },
     "predicted counter 8 is 2147483647"},
    {"position past the table", [] { First_Player(8).anVital[VS_POSITION] = 99; }, "position 99 outside 0..13"},
    {"history entry past the pool", [] { First_Player(9).anHistory[0] = NUMBER_OF_HISTORY_RECORDS + 4; },
     "history entry 0 names record 32772"},
    {"division past the table", [] { g_League.aTeams[0].data.anStats[TEAM_STAT_DIVISION] = NUMBER_OF_DIVISIONS; },
     "division 8 outside 0..7"},
};

class RefusedLeagueTest : public DefaultSeasonTest {
  protected:
    void SetUp() override {
        DefaultSeasonTest::SetUp();
        Start(41);
        m_pSound = Snapshot_League();
    }
    void Restore_Sound() {
        memcpy(&g_League, m_pSound.get(), sizeof g_League);
        Count_Teams();
    }
    // The league in memory before a load: the sound one with a mark of its own.
    std::unique_ptr<LeagueDatabase> Prepare_Live_League() {
        Restore_Sound();
        Copy_Field(g_League.szGameName, sizeof g_League.szGameName, "The Live League");
        Headless_Reset();
        return Snapshot_League();
    }
    void Expect_Refused(const std::string& szPath, const std::string& szNamed, const LeagueDatabase& before) {
        EXPECT_FALSE(Load_Game(szPath.c_str()));
        ASSERT_FALSE(Headless_Notices().empty());
        EXPECT_EQ(Headless_Notices().back().title, "Read Error");
        const std::string& szText = Headless_Notices().back().text;
        EXPECT_NE(szText.find("\"" + szPath + "\""), std::string::npos) << szText;
        EXPECT_NE(szText.find(szNamed), std::string::npos) << szText;
        EXPECT_TRUE(League_Equals(before));
        EXPECT_EQ(Number_Of_Teams(), m_nTeams);
    }
    std::unique_ptr<LeagueDatabase> m_pSound;
    int m_nTeams = 0;
};

TEST_F(RefusedLeagueTest, TheSoundLeagueLoads) {
    EXPECT_EQ(Check_League_Ranges(nullptr), 0);
    ASSERT_EQ(Save_Game("sound.vtr"), SAVE_OK);
    Prepare_Live_League();
    EXPECT_TRUE(Load_Game("sound.vtr"));
    EXPECT_TRUE(Headless_Notices().empty());
    EXPECT_EQ(memcmp(g_League.szGameName, m_pSound->szGameName, sizeof g_League.szGameName), 0);
}

TEST_F(RefusedLeagueTest, EveryOutOfRangeLeagueIsRefusedAndTheLeagueKept) {
    m_nTeams = Number_Of_Teams();
    for (const Damage& damage : DAMAGES) {
        SCOPED_TRACE(damage.szWhat);
        Restore_Sound();
        damage.apply();
        // Saved with a checksum of its own, so that only the ranges can refuse it.
        ASSERT_EQ(Save_Game("damaged.vtr"), SAVE_OK);
        auto pBefore = Prepare_Live_League();
        Expect_Refused("damaged.vtr", damage.szNamed, *pBefore);
        // The full check names the same damage.
        Restore_Sound();
        damage.apply();
        Count_Teams();
        std::vector<std::string> violations;
        Check_League_Integrity(&violations);
        bool bNamed = false;
        for (const std::string& szViolation : violations) bNamed |= szViolation.find(damage.szNamed) != std::string::npos;
        EXPECT_TRUE(bNamed);
    }
}

// Files of the old formats carry no sum of ours: their ranges still guard them.
TEST_F(RefusedLeagueTest, AnOlderZlibFileIsCheckedForItsRanges) {
    m_nTeams = Number_Of_Teams();
    Restore_Sound();
    First_Player(3).anVital[VS_SALARY] = INT_MAX;
    g_League.anGameState[GS_SAVED_SUM] = 12345;  // whatever an older version kept there
    ASSERT_EQ(Save_Game("old.vtr"), SAVE_OK);
    std::vector<uint8_t> bytes = Read_Bytes("old.vtr");
    bytes[16] = '6';  // 2186
    Write_Bytes("old.vtr", bytes);
    auto pBefore = Prepare_Live_League();
    Expect_Refused("old.vtr", "salary 2147483647", *pBefore);
}

TEST_F(RefusedLeagueTest, AChecksumThatDoesNotMatchIsRefused) {
    m_nTeams = Number_Of_Teams();
    ASSERT_EQ(Save_Game("good.vtr"), SAVE_OK);
    memcpy(m_pSound.get(), &g_League, sizeof g_League);
    // The saved league with one salary changed and the saved sum left in place.
    uint32_t nSum = (uint32_t)Get_Game_State(GS_SAVED_SUM);
    Restore_Sound();
    g_League.anGameState[GS_SAVED_SUM] = (int32_t)nSum;
    First_Player(3).anVital[VS_SALARY] += 1;
    // Save_Game would store the true sum; write the image as it is instead.
    Write_Image_File("tampered.vtr", g_League, SAVED_GAME_VERSION);
    auto pBefore = Prepare_Live_League();
    Expect_Refused("tampered.vtr", "checksum does not match", *pBefore);
    // The same image with the true sum loads.
    Restore_Sound();
    First_Player(3).anVital[VS_SALARY] += 1;
    g_League.anGameState[GS_SAVED_SUM] = (int32_t)Saved_Data_Checksum();
    Write_Image_File("honest.vtr", g_League, SAVED_GAME_VERSION);
    EXPECT_TRUE(Load_Game("honest.vtr"));
    EXPECT_TRUE(Last_Load_Info().bChecksumMatches);
}

TEST_F(RefusedLeagueTest, AVersionNewerThanOursIsRefused) {
    m_nTeams = Number_Of_Teams();
    ASSERT_EQ(Save_Game("good.vtr"), SAVE_OK);
    std::vector<uint8_t> bytes = Read_Bytes("good.vtr");
    bytes[16] = '8';  // 2188, one past ours
    Write_Bytes("newer.vtr", bytes);
    auto pBefore = Prepare_Live_League();
    Expect_Refused("newer.vtr", "was saved by a newer version of Brakvell (V2.188)", *pBefore);
    bytes[16] = '7';
    Write_Bytes("ours.vtr", bytes);
    EXPECT_TRUE(Load_Game("ours.vtr"));
}

TEST_F(RefusedLeagueTest, APipeOrAFolderIsRefusedAtOnce) {
    ASSERT_EQ(mkfifo("pipe.vtr", 0600), 0);
    // No one ever writes to the pipe: a loader that opened it to read would wait for ever.
    auto pBefore = Prepare_Live_League();
    EXPECT_FALSE(Load_Game("pipe.vtr"));
    ASSERT_FALSE(Headless_Notices().empty());
    EXPECT_EQ(Headless_Notices().back().title, "File Load Error");
    EXPECT_EQ(Headless_Notices().back().text, "\"pipe.vtr\" is not a file that can hold a game.");
    EXPECT_TRUE(League_Equals(*pBefore));
    ASSERT_EQ(mkdir("folder.vtr", 0700), 0);
    EXPECT_FALSE(Load_Game("folder.vtr"));
    EXPECT_EQ(Headless_Notices().back().text, "\"folder.vtr\" is not a file that can hold a game.");
    EXPECT_TRUE(League_Equals(*pBefore));
}

}  // namespace
