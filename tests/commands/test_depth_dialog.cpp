// The depth-chart windows' logic: moves stay within a position and within
// the roster's order, the automatic button stays on its side, Cancel gives
// back the very bytes, and the player table's rows sort numbers as numbers.
#include <vector>

#include "commands/depth_dialog.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/player_table.h"
#include "test_support.h"

namespace {
constexpr TNUM PERSON = 0;
constexpr TNUM COMPUTER = 1;

class DepthDialogTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Game_League(11);
        Set_Team_Stat(PERSON, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    }
};

std::vector<PNUM> Slots_Of(TNUM nTeam, int nPosition) {
    std::vector<PNUM> slots;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
        if (Is_Valid_Player(nTeam, p) && Get_Player_Vital_Stat(nTeam, p, VS_POSITION) == nPosition) slots.push_back(p);
    return slots;
}
std::vector<int> IDs_At(TNUM nTeam, const std::vector<PNUM>& slots) {
    std::vector<int> ids;
    for (PNUM p : slots) ids.push_back(Get_Player_Vital_Stat(nTeam, p, VS_PLAYER_ID));
    return ids;
}
std::vector<int> Roster_IDs(TNUM nTeam) {
    std::vector<int> ids;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) ids.push_back(Get_Player_Vital_Stat(nTeam, p, VS_PLAYER_ID));
    return ids;
}
}  // namespace

TEST_F(DepthDialogTest, MovesPassOnlyPlayersOfThePositionAndStopAtItsEnds) {
    DepthDialog dialog;
    Open_Depth_Dialog(PERSON, SIDE_OFFENCE, &dialog);
    ASSERT_TRUE(dialog.bEditable);
    std::vector<PNUM> rbs = Slots_Of(PERSON, POS_RB);
    ASSERT_GE(rbs.size(), 3u);
    std::vector<int> before = IDs_At(PERSON, rbs), roster = Roster_IDs(PERSON);

    EXPECT_EQ(Move_Depth_Player(&dialog, rbs.front(), -1), NO_PLAYER);
    EXPECT_EQ(Move_Depth_Player(&dialog, rbs.back(), 1), NO_PLAYER);
    EXPECT_EQ(Roster_IDs(PERSON), roster);

    // Down past whatever stands between: only the two backs change places.
    EXPECT_EQ(Move_Depth_Player(&dialog, rbs[0], 1), rbs[1]);
    std::vector<int> now = IDs_At(PERSON, rbs);
    EXPECT_EQ(now[0], before[1]);
    EXPECT_EQ(now[1], before[0]);
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
        if (p != rbs[0] && p != rbs[1]) {
            EXPECT_EQ(Get_Player_Vital_Stat(PERSON, p, VS_PLAYER_ID), roster[p]);
        }

    // Dragged from last onto first: the others each step down one.
    std::vector<int> order = IDs_At(PERSON, rbs);
    EXPECT_EQ(Move_Depth_Player_To(&dialog, rbs.back(), rbs.front()), rbs.front());
    std::vector<int> expected = order;
    expected.insert(expected.begin(), expected.back());
    expected.pop_back();
    EXPECT_EQ(IDs_At(PERSON, rbs), expected);
    // Never onto another position, nor on a computer's team.
    std::vector<int> held = Roster_IDs(PERSON);
    EXPECT_EQ(Move_Depth_Player_To(&dialog, rbs.front(), Slots_Of(PERSON, POS_QB).front()), NO_PLAYER);
    EXPECT_EQ(Roster_IDs(PERSON), held);
    DepthDialog theirs;
    Open_Depth_Dialog(COMPUTER, SIDE_OFFENCE, &theirs);
    EXPECT_FALSE(theirs.bEditable);
    std::vector<int> theirRoster = Roster_IDs(COMPUTER);
    EXPECT_EQ(Move_Depth_Player(&theirs, Slots_Of(COMPUTER, POS_RB).front(), 1), NO_PLAYER);
    Auto_Depth_Chart(&theirs);
    EXPECT_EQ(Roster_IDs(COMPUTER), theirRoster);
}

TEST_F(DepthDialogTest, CancelGivesBackTheRosterByteForByteAfterEveryKindOfChange) {
    uint32_t nBefore = Saved_Data_Checksum();
    DepthDialog dialog;
    Open_Depth_Dialog(PERSON, SIDE_DEFENCE, &dialog);
    // Scramble the side first so that the automatic button has work to do.
    std::vector<PNUM> lbs = Slots_Of(PERSON, POS_LB);
    Move_Depth_Player_To(&dialog, lbs.back(), lbs.front());
    Auto_Depth_Chart(&dialog);
    Move_Depth_Player(&dialog, Slots_Of(PERSON, POS_CB).front(), 1);
    Choose_Depth_Returner(&dialog, PUNT_RETURNER, 1);
    ASSERT_NE(Saved_Data_Checksum(), nBefore);
    Cancel_Depth_Dialog(&dialog);
    EXPECT_EQ(Saved_Data_Checksum(), nBefore);
}

TEST_F(DepthDialogTest, AutomaticButtonLeavesTheOtherSidesAndMakesNobodyUp) {
    DepthDialog dialog;
    Open_Depth_Dialog(PERSON, SIDE_OFFENCE, &dialog);
    std::vector<PNUM> qbs = Slots_Of(PERSON, POS_QB);
    ASSERT_GE(qbs.size(), 2u);
    Move_Depth_Player(&dialog, qbs[0], 1);
    std::vector<int> before = Roster_IDs(PERSON);
    Auto_Depth_Chart(&dialog);
    std::vector<int> after = Roster_IDs(PERSON);
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
        if (Is_Valid_Player(PERSON, p) && Get_Player_Side(PERSON, p) != SIDE_OFFENCE) {
            EXPECT_EQ(after[p], before[p]);
        }

    // A side with nobody in it stays empty: the window makes up no kicker.
    for (PNUM p : Slots_Of(PERSON, POS_K)) Clear_Player(PERSON, p);
    for (PNUM p : Slots_Of(PERSON, POS_P)) Clear_Player(PERSON, p);
    int nPlayers = Number_Of_Players(PERSON);
    DepthDialog kickers;
    Open_Depth_Dialog(PERSON, SIDE_KICKERS, &kickers);
    Auto_Depth_Chart(&kickers);
    EXPECT_EQ(Number_Of_Players(PERSON), nPlayers);
}

TEST_F(DepthDialogTest, ReturnerListHoldsBacksReceiversAndCornersWithTheirFigures) {
    std::vector<ReturnerChoice> choices = Returner_Choices(PERSON, KICK_RETURNER, PERIOD_THIS_SEASON);
    ASSERT_GE(choices.size(), 3u);
    for (size_t i = 1; i < choices.size(); i++) EXPECT_LT(choices[i - 1].nSlot, choices[i].nSlot);
    for (const ReturnerChoice& choice : choices) {
        int nPosition = Get_Player_Vital_Stat(PERSON, choice.nSlot, VS_POSITION);
        EXPECT_TRUE(nPosition == POS_RB || nPosition == POS_WR || nPosition == POS_CB);
    }
    PNUM a = choices[0].nSlot, b = choices[1].nSlot, c = choices[2].nSlot;
    Set_Player_Season_Stat(PERSON, a, PERIOD_THIS_SEASON, SS_KICK_RETURNS, 3);
    Set_Player_Season_Stat(PERSON, a, PERIOD_THIS_SEASON, SS_KICK_RETURN_YARDS, 65);
    Set_Player_Season_Stat(PERSON, b, PERIOD_THIS_SEASON, SS_KICK_RETURNS, 2);
    Set_Player_Season_Stat(PERSON, b, PERIOD_THIS_SEASON, SS_KICK_RETURN_YARDS, -1);
    Set_Player_Season_Stat(PERSON, c, PERIOD_THIS_SEASON, SS_KICK_RETURNS, 0);
    Set_Player_Vital_Stat(PERSON, c, VS_INJURY_WEEKS, 2);
    choices = Returner_Choices(PERSON, KICK_RETURNER, PERIOD_THIS_SEASON);
    EXPECT_NE(choices[0].szText.find(" 3 Kick Returns - 21.6 Yard Avg."), std::string::npos) << choices[0].szText;
    EXPECT_NE(choices[1].szText.find(" 2 Kick Returns - -0.5 Yard Avg."), std::string::npos) << choices[1].szText;
    EXPECT_NE(choices[2].szText.find(" [2] ("), std::string::npos) << choices[2].szText;
    EXPECT_NE(choices[2].szText.find(" 0 Kick Returns - 0.0 Yard Avg."), std::string::npos) << choices[2].szText;

    // The choice follows the player when the depth chart moves him.
    DepthDialog dialog;
    Open_Depth_Dialog(PERSON, SIDE_KICKERS, &dialog);
    Choose_Depth_Returner(&dialog, KICK_RETURNER, 0);
    int nID = Get_Player_Vital_Stat(PERSON, a, VS_PLAYER_ID);
    ASSERT_NE(Move_Depth_Player(&dialog, a, 1), NO_PLAYER);
    PNUM nNow = Get_Team_Returner(PERSON, KICK_RETURNER);
    EXPECT_EQ(Get_Player_Vital_Stat(PERSON, nNow, VS_PLAYER_ID), nID);
    std::vector<ReturnerChoice> after = Returner_Choices(PERSON, KICK_RETURNER, PERIOD_CAREER);
    int nChoice = Current_Returner_Choice(PERSON, KICK_RETURNER, after);
    ASSERT_GE(nChoice, 0);
    EXPECT_EQ(after[nChoice].nSlot, nNow);
}

TEST_F(DepthDialogTest, PlayerRowsSortNumbersAsNumbersAndMarkTheLineupsStarters) {
    std::vector<PNUM> rbs = Slots_Of(PERSON, POS_RB);
    ASSERT_GE(rbs.size(), 3u);
    Set_Player_Vital_Stat(PERSON, rbs[0], VS_SALARY, 1250);
    Set_Player_Vital_Stat(PERSON, rbs[1], VS_SALARY, 900);
    Set_Player_Vital_Stat(PERSON, rbs[2], VS_SALARY, 10500);
    std::vector<PlayerRow> rows = Get_Player_Rows(PERSON, SIDE_OFFENCE);
    std::vector<PlayerRow> backs;
    for (const PlayerRow& row : rows)
        if (row.nPosition == POS_RB) backs.push_back(row);
    backs.resize(3);
    EXPECT_TRUE(backs[0].bStarter);
    EXPECT_TRUE(backs[1].bStarter);  // the lineup calls for two backs
    EXPECT_FALSE(backs[2].bStarter);
    EXPECT_STREQ(backs[2].aszText[COLUMN_DEPTH], "RB3");
    // An injured back sits out: the next healthy one starts, as in the game.
    Set_Player_Vital_Stat(PERSON, rbs[0], VS_INJURY_WEEKS, 1);
    PlayerRow first, third;
    Get_Player_Row(PERSON, backs[0].nSlot, &first);
    Get_Player_Row(PERSON, backs[2].nSlot, &third);
    EXPECT_FALSE(first.bStarter);
    EXPECT_TRUE(third.bStarter);
    EXPECT_STREQ(third.aszText[COLUMN_DEPTH], "RB3");
    Sort_Player_Rows(backs, COLUMN_SALARY, false);
    EXPECT_STREQ(backs[0].aszText[COLUMN_SALARY], "$900,000");
    EXPECT_STREQ(backs[1].aszText[COLUMN_SALARY], "$1,250,000");
    EXPECT_STREQ(backs[2].aszText[COLUMN_SALARY], "$10,500,000");
    // By depth, positions stand in lineup order, not by their letters.
    Sort_Player_Rows(rows, COLUMN_DEPTH, false);
    EXPECT_EQ(rows.front().nPosition, POS_QB);
    EXPECT_EQ(rows.back().nPosition, POS_C);
    // The pool has no lineup, so nobody in it starts.
    for (const PlayerRow& row : Get_Player_Rows(FREE_AGENT_TEAM)) EXPECT_FALSE(row.bStarter);
}
