// The player card's variants and money boundaries, and the editor's actions:
// what each question guards, that a refusal or a Cancel changes nothing, and
// that a copy and a deletion leave the history pool sound.
#include <cstring>
#include <string>
#include <vector>

#include "commands/start_up.h"
#include "database/integrity.h"
#include "database/league_average.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/player_card.h"
#include "personnel/player_editing.h"
#include "personnel/ratings.h"
#include "personnel_support.h"
#include "platform/platform.h"
#include "test_support.h"

namespace {
const std::string UNIVERSE = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
constexpr TNUM TEAM = 1;

std::string Cell(int nColumn, int nRow, TNUM nTeam, PNUM p) {
    char sz[TEXT_SIZE];
    Get_Player_Card_Text(nColumn, nRow, nTeam, p, sz);
    return sz;
}

std::vector<std::string> Violations() {
    std::vector<std::string> violations;
    Check_League_Integrity(&violations);
    return violations;
}

class PlayerEditingTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Page_League(4);
    }
    // A player with a season in his history and this season's games.
    void Veteran(PNUM p, int nID, int nPosition) {
        Make_Player(TEAM, p, nID, nPosition);
        PlayerRecord record;  // a cleared slot's list reads as zeros; a player's empty one is all -1
        Copy_Player_To_Memory(&record, TEAM, p);
        for (int32_t& nRecord : record.anHistory) nRecord = -1;
        Copy_Player_From_Memory(TEAM, p, &record);
        Set_Player_First_Name(TEAM, p, "Ray");
        Set_Player_Last_Name(TEAM, p, "Lund");
        Set_Counters(TEAM, p, PERIOD_PREDICTED, {{SS_GAMES, 16}, {SS_STARTS, 16}});
        Open_History_Record(TEAM, p, true);
        for (int nPeriod : {PERIOD_THIS_SEASON, PERIOD_CAREER}) Set_Player_Season_Stat(TEAM, p, nPeriod, SS_GAMES, 9);
    }
};
}  // namespace

TEST_F(PlayerEditingTest, CardVariantsAndMoneyBoundaries) {
    // A prospect: his scout score in tenths, and no contract rows.
    Make_Player(DRAFT_POOL_TEAMS, 0, 901, POS_WR, 21, -1);
    Set_Player_Vital_Stat(DRAFT_POOL_TEAMS, 0, VS_SCOUT_SCORE, 74);
    EXPECT_EQ(Cell(1, 1, DRAFT_POOL_TEAMS, 0), "CSS: 7.4");
    EXPECT_EQ(Cell(1, 2, DRAFT_POOL_TEAMS, 0), "");
    EXPECT_EQ(Cell(1, 3, DRAFT_POOL_TEAMS, 0), "");
    EXPECT_EQ(Cell(0, 0, DRAFT_POOL_TEAMS, 0), "Senior");
    // A member of the hall: his induction and votes, no ratings.
    Make_Player(HALL_OF_FAME_TEAM, 0, 902, POS_QB, 60, 14);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_YEAR_INDUCTED, 2004);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_VOTES, 88);
    EXPECT_EQ(Cell(1, 1, HALL_OF_FAME_TEAM, 0), "Year Inducted: 2004");
    EXPECT_EQ(Cell(1, 2, HALL_OF_FAME_TEAM, 0), "Votes Received: 88%");
    for (int nRow = 0; nRow < CARD_ROWS; nRow++) EXPECT_EQ(Cell(2, nRow, HALL_OF_FAME_TEAM, 0), "");
    // A franchise player: the salary's floor and the thousands boundary.
    Make_Player(TEAM, 0, 903, POS_K);
    Set_Player_Vital_Stat(TEAM, 0, VS_FORTY, 480);
    Set_Player_Vital_Stat(TEAM, 0, VS_SALARY, 0);
    EXPECT_EQ(Cell(1, 1, TEAM, 0), "Salary: $225,000");
    Set_Player_Vital_Stat(TEAM, 0, VS_SALARY, 999);
    EXPECT_EQ(Cell(1, 1, TEAM, 0), "Salary: $999,000");
    Set_Player_Vital_Stat(TEAM, 0, VS_SALARY, 1000);
    EXPECT_EQ(Cell(1, 1, TEAM, 0), "Salary: $1,000,000");
    Set_Player_Vital_Stat(TEAM, 0, VS_BONUS, 1);
    EXPECT_EQ(Cell(1, 4, TEAM, 0), "Signing Bonus: $1,000");
    EXPECT_EQ(Cell(1, 5, TEAM, 0), "");  // a kicker's dash is not shown
    EXPECT_EQ(Cell(2, 5, TEAM, 0), "");  // nor his spare rating slot
    // Injured: the status in capitals and the weeks out take the bonus's and dash's rows.
    Set_Player_Vital_Stat(TEAM, 0, VS_INJURY, 0);
    Set_Player_Vital_Stat(TEAM, 0, VS_INJURY_WEEKS, 1);
    std::string szStatus = Cell(1, 4, TEAM, 0);
    EXPECT_FALSE(szStatus.empty());
    for (char c : szStatus) EXPECT_FALSE(c >= 'a' && c <= 'z') << szStatus;
    EXPECT_EQ(Cell(1, 5, TEAM, 0), " Out for 1 week");
}

TEST_F(PlayerEditingTest, PositionChangeKeepsOrClearsStatistics) {
    Set_Team_Stat(TEAM, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Veteran(0, 501, POS_G);
    Veteran(1, 502, POS_RB);
    // A guard to a tackle: no question, the season kept.
    PNUM p = 0;
    EXPECT_TRUE(Change_Player_Position(TEAM, &p, POS_T));
    EXPECT_TRUE(Headless_Questions().empty());
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, p, VS_POSITION), POS_T);
    EXPECT_EQ(Count_History_Entries(TEAM, p), 1);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, p, PERIOD_CAREER, SS_GAMES), 9);
    // A running back to quarterback is asked; Cancel leaves him as he was.
    p = 1;
    Headless_Push_Answer(ANSWER_CANCEL);
    EXPECT_FALSE(Change_Player_Position(TEAM, &p, POS_QB));
    ASSERT_EQ(Headless_Questions().size(), 1u);
    EXPECT_EQ(Headless_Questions()[0].title, "Position Change");
    EXPECT_EQ(Headless_Questions()[0].text,
              "Changing this player from Running Back to Quarterback will clear the player's stats and cause a "
              "re-sorting of your team.");
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 1, VS_POSITION), POS_RB);
    EXPECT_EQ(Count_History_Entries(TEAM, 1), 1);
    // OK: cleared, the new position's typical season, and p follows him.
    int nInUse = Count_History_Records_In_Use();
    Headless_Push_Answer(ANSWER_OK);
    EXPECT_TRUE(Change_Player_Position(TEAM, &p, POS_QB));
    ASSERT_NE(p, NO_PLAYER);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, p, VS_PLAYER_ID), 502);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, p, VS_POSITION), POS_QB);
    EXPECT_EQ(Count_History_Entries(TEAM, p), 0);
    EXPECT_EQ(Count_History_Records_In_Use(), nInUse - 1);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, p, PERIOD_CAREER, SS_GAMES), 0);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, p, PERIOD_PREDICTED, SS_PASS_ATTEMPTS),
              League_Average_Season(POS_QB, SS_PASS_ATTEMPTS));
}

TEST_F(PlayerEditingTest, ConvertingAsksAndChangesOnlyThePosition) {
    Veteran(0, 501, POS_RB);
    char szBefore[TEXT_SIZE], szPreview[TEXT_SIZE];
    Position_Rating_Text(TEAM, 0, POS_WR, 1, szPreview);  // Receiving, read as a receiver
    Format_Text(szBefore, "%s: %d", Rating_Name(RATING_RECEIVING), Get_Player_Rating(TEAM, 0, PERIOD_PREDICTED, RATING_RECEIVING));
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_POSITION), POS_RB);  // the preview lends the position back
    Position_Rating_Text(TEAM, 0, POS_G, 4, szBefore);
    EXPECT_STREQ(szBefore, "");  // a lineman has no fifth rating
    Headless_Push_Answer(ANSWER_NO);
    EXPECT_FALSE(Convert_Player_Position(TEAM, 0, POS_WR));
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_POSITION), POS_RB);
    Headless_Push_Answer(ANSWER_YES);
    EXPECT_TRUE(Convert_Player_Position(TEAM, 0, POS_WR));
    EXPECT_EQ(Headless_Questions().back().text,
              "Converting Ray Lund to a Wide Receiver will have permanent effects on his abilities. Are you sure you "
              "want to do this?");
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_POSITION), POS_WR);
    EXPECT_EQ(Count_History_Entries(TEAM, 0), 1);
    char szAfter[TEXT_SIZE];
    Position_Rating_Text(TEAM, 0, POS_WR, 1, szAfter);
    EXPECT_STREQ(szAfter, szPreview);
}

TEST_F(PlayerEditingTest, EditorRefusesBadValuesAndChangesNothing) {
    Veteran(0, 501, POS_G);
    Set_Player_Vital_Stat(TEAM, 0, VS_CONTRACT_YEARS, 9);  // beyond the editor's limit, from older data
    Set_Player_Vital_Stat(TEAM, 0, VS_CONTRACT_LEFT, 2);
    PlayerRecord before;
    Copy_Player_To_Memory(&before, TEAM, 0);
    const struct {
        int nField;
        const char* szTyped;
    } REFUSED[] = {{EDIT_FIRST_NAME, ""},          {EDIT_LAST_NAME, "{PLAYER LAST NAME}"},
                   {EDIT_LAST_NAME, "Abcdefghijklmnopqrst"}, {EDIT_HEIGHT, "6-12"},
                   {EDIT_HEIGHT, "74"},            {EDIT_WEIGHT, "149"},
                   {EDIT_WEIGHT, "-200"},          {EDIT_FORTY, "4.123"},
                   {EDIT_FORTY, "4.19"},           {EDIT_SALARY, "224"},
                   {EDIT_SALARY, "30001"},         {EDIT_SALARY, "1e3"},
                   {EDIT_BONUS, "99999999999"},    {EDIT_CONTRACT_YEARS, "0"},
                   {EDIT_CONTRACT_LEFT, "10"}};
    for (const auto& refused : REFUSED) {
        EditPlayerForm form;
        Open_Edit_Player_Form(TEAM, 0, &form);
        Copy_Field(form.aszField[refused.nField], TEXT_SIZE, refused.szTyped);
        Headless_Reset();
        EXPECT_FALSE(Apply_Edit_Player_Form(&form)) << refused.szTyped;
        ASSERT_EQ(Headless_Notices().size(), 1u) << refused.szTyped;
        EXPECT_EQ(Headless_Notices()[0].title, "Edit Player");
        PlayerRecord after;
        Copy_Player_To_Memory(&after, TEAM, 0);
        EXPECT_EQ(memcmp(&before, &after, sizeof before), 0) << refused.szTyped;
    }
    // The length on file stands untouched; sound values are written.
    EditPlayerForm form;
    Open_Edit_Player_Form(TEAM, 0, &form);
    Copy_Field(form.aszField[EDIT_HEIGHT], TEXT_SIZE, "7-2");
    Copy_Field(form.aszField[EDIT_FORTY], TEXT_SIZE, "4.2");
    Copy_Field(form.aszField[EDIT_CONTRACT_LEFT], TEXT_SIZE, "9");
    Copy_Field(form.aszField[EDIT_LAST_NAME], TEXT_SIZE, "Abcdefghijklmnopqrs");
    Headless_Reset();
    EXPECT_TRUE(Apply_Edit_Player_Form(&form));
    EXPECT_TRUE(Headless_Notices().empty()) << Headless_Notices()[0].text;
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_HEIGHT), EDITOR_TALLEST);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_FORTY), EDITOR_FASTEST);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_CONTRACT_LEFT), 9);
    // A position change cancelled at its question writes nothing else either.
    Open_Edit_Player_Form(TEAM, 0, &form);
    Copy_Field(form.aszField[EDIT_WEIGHT], TEXT_SIZE, "300");
    form.nPosition = POS_DE;
    Headless_Push_Answer(ANSWER_CANCEL);
    EXPECT_FALSE(Apply_Edit_Player_Form(&form));
    EXPECT_EQ(form.nPosition, POS_G);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, 0, VS_WEIGHT), 223);
}

TEST_F(PlayerEditingTest, DeleteAsksByRosterSizeAndFreesHistory) {
    for (int i = 0; i < SMALLEST_ROSTER + 1; i++) Make_Player(2, (PNUM)i, 3000 + i, i % NUMBER_OF_POSITIONS);
    for (int i = SMALLEST_ROSTER + 1; i < PLAYERS_PER_TEAM; i++) Clear_Player(2, (PNUM)i);
    Open_History_Record(2, 0, true);
    int nInUse = Count_History_Records_In_Use();
    Headless_Push_Answer(ANSWER_CANCEL);
    EXPECT_FALSE(Delete_Player_Asked(2, 0));
    EXPECT_EQ(Headless_Questions().back().text, "Completely eliminate player from game?");
    Headless_Push_Answer(ANSWER_OK);
    EXPECT_TRUE(Delete_Player_Asked(2, 0));
    EXPECT_EQ(Count_History_Records_In_Use(), nInUse - 1);
    EXPECT_EQ(Number_Of_Players(2), SMALLEST_ROSTER);
    EXPECT_EQ(Get_Player_Vital_Stat(2, 0, VS_PLAYER_ID), 3001);
    Headless_Push_Answer(ANSWER_CANCEL);
    EXPECT_FALSE(Delete_Player_Asked(2, 0));
    EXPECT_EQ(Headless_Questions().back().title, "Delete Player");
    EXPECT_EQ(Headless_Questions().back().text.rfind("This will reduce the number of players", 0), 0u);
}

TEST_F(PlayerEditingTest, CopyOwnsNoHistoryAndTheLeagueStaysSound) {
    ASSERT_TRUE(Load_Game(UNIVERSE.c_str()));
    After_League_Loaded();
    ASSERT_EQ(Violations(), std::vector<std::string>());
    TNUM nTeam = 0;
    PNUM p = 0;
    while (Count_History_Entries(nTeam, p) < 2) p++;
    int nPlayers = Number_Of_Players(nTeam);
    PNUM nCopy = Copy_Player_Edited(nTeam, p);
    ASSERT_EQ(nCopy, (PNUM)nPlayers);
    EXPECT_NE(Get_Player_Vital_Stat(nTeam, nCopy, VS_PLAYER_ID), Get_Player_Vital_Stat(nTeam, p, VS_PLAYER_ID));
    char szName[TEXT_SIZE];
    Get_Player_Full_Name(nTeam, nCopy, szName);
    EXPECT_STREQ(szName, "New Player");
    EXPECT_LE(Count_History_Entries(nTeam, nCopy), 1);  // at most this season's open record
    EXPECT_EQ(Violations(), std::vector<std::string>());
    // Deleting the original frees his records and the copy's stay listed.
    Headless_Push_Answer(ANSWER_OK);
    EXPECT_TRUE(Delete_Player_Asked(nTeam, p));
    EXPECT_EQ(Violations(), std::vector<std::string>());
    // A full roster has no room: nothing is copied.
    while (First_Empty_Slot(nTeam) != NO_PLAYER) Copy_Player_Edited(nTeam, 0);
    Headless_Reset();
    EXPECT_EQ(Copy_Player_Edited(nTeam, 0), NO_PLAYER);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Cannot Copy Player");
}
