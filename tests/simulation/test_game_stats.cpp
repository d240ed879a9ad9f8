// Credit for a play: player counters, team totals and the box score.
#include <array>

#include "database/player.h"
#include "database/team.h"
#include "game_test_support.h"

namespace {
constexpr PNUM QB1 = 0, RB1 = 3, LT = 17, DE1 = 27, CB1 = 41, K1 = 50, P1 = 51;
int Counter(TNUM nTeam, PNUM nSlot, int nPeriod, int nStat) { return g_League.aTeams[nTeam].aPlayers[nSlot].anStats[nPeriod][nStat]; }
int Box_Line_Of(const GameRecord& g, int nSide, int nID) {
    for (int i = 0; i < BOX_LINES; i++)
        if (g.anBoxPlayers[nSide][i] == nID) return i;
    return -1;
}
}  // namespace

TEST_F(GameTest, RegularSeasonCreditReachesPlayerTeamOpponentAndBoxScore) {
    Start();
    int nRecord = Open_History_Record(0, RB1, true);
    ASSERT_GE(nRecord, 0);
    Increment_Stat(&m_Game, 0, RB1, GROUP_SKILL, SS_RUSH_YARDS, 12);
    EXPECT_EQ(Counter(0, RB1, PERIOD_THIS_SEASON, SS_RUSH_YARDS), 12);
    EXPECT_EQ(Counter(0, RB1, PERIOD_CAREER, SS_RUSH_YARDS), 12);
    EXPECT_EQ(g_League.aHistory[nRecord].anStats[SS_RUSH_YARDS], 12);
    EXPECT_EQ(Get_Team_Total(0, LINE_OFFENCE, PERIOD_THIS_SEASON, SS_RUSH_YARDS), 12);
    EXPECT_EQ(Get_Team_Total(1, LINE_OPPONENTS_OFFENCE, PERIOD_THIS_SEASON, SS_RUSH_YARDS), 12);
    int nLine = Box_Line_Of(m_Game, 0, g_League.aTeams[0].aPlayers[RB1].anVital[VS_PLAYER_ID]);
    ASSERT_GE(nLine, 0);
    EXPECT_EQ(m_Game.anBoxLines[0][nLine][BOX_RUSH_YARDS], 12);
}

TEST_F(GameTest, PlayoffCreditSkipsThePlayersCounters) {
    g_League.anGameState[GS_CURRENT_WEEK] = First_Playoff_Week();
    Start();
    Increment_Stat(&m_Game, 0, RB1, GROUP_SKILL, SS_RUSH_TD, 1);
    EXPECT_EQ(Counter(0, RB1, PERIOD_THIS_SEASON, SS_RUSH_TD), 0);
    EXPECT_EQ(Counter(0, RB1, PERIOD_CAREER, SS_RUSH_TD), 0);
    EXPECT_EQ(Get_Team_Total(0, LINE_OFFENCE, PERIOD_THIS_SEASON, SS_RUSH_TD), 1);
    EXPECT_EQ(m_Game.anBoxLines[0][0][BOX_TOUCHDOWNS], 1);
    Credit_Regular_Season_Stat(0, LT, SS_PENALTIES, 1);
    EXPECT_EQ(Counter(0, LT, PERIOD_THIS_SEASON, SS_PENALTIES), 0);
}

TEST_F(GameTest, LinemenQuarterbackRushesAndFiltersStayOutOfTheBoxScore) {
    Start();
    Increment_Stat(&m_Game, 0, LT, GROUP_LINE, SS_RUSHES, 1);
    EXPECT_EQ(Counter(0, LT, PERIOD_THIS_SEASON, SS_RUSHES), 1);
    EXPECT_EQ(Get_Team_Total(0, LINE_OFFENCE, PERIOD_THIS_SEASON, SS_RUSHES), 0);
    Increment_Stat(&m_Game, 0, QB1, GROUP_SKILL, SS_RUSH_YARDS, 9);  // a quarterback's rushing has no column
    Increment_Stat(&m_Game, 0, K1, RETURNING_GROUPS, SS_KICK_RETURNS, 1);  // backs, receivers and defenders only
    Increment_Stat(&m_Game, 0, RB1, GROUP_DEFENCE, SS_TACKLES, 1);  // a defensive counter for a back
    EXPECT_EQ(Counter(0, K1, PERIOD_THIS_SEASON, SS_KICK_RETURNS), 0);
    EXPECT_EQ(Counter(0, RB1, PERIOD_THIS_SEASON, SS_TACKLES), 0);
    for (int i = 0; i < BOX_LINES; i++) EXPECT_EQ(m_Game.anBoxPlayers[0][i], 0);
    Increment_Stat(&m_Game, 50, 0, ANY_GROUP, SS_GAMES, 1);
    EXPECT_TRUE(Logged("Invalid nTeam in Increment_Stat"));
}

TEST_F(GameTest, SeventeenthPlayerHasNoBoxLine) {
    Start();
    // Sixteen defenders and receivers with a line each.
    PNUM anSlots[17];
    for (int i = 0; i < 17; i++) anSlots[i] = (PNUM)(27 + i);
    for (PNUM nSlot : anSlots) Increment_Stat(&m_Game, 0, nSlot, GROUP_DEFENCE, SS_SACKS, 1);
    int nID = g_League.aTeams[0].aPlayers[anSlots[16]].anVital[VS_PLAYER_ID];
    EXPECT_EQ(Box_Line_Of(m_Game, 0, nID), -1);
    EXPECT_EQ(Counter(0, anSlots[16], PERIOD_THIS_SEASON, SS_SACKS), 1);
}

TEST_F(GameTest, BoxScoreIsOrderedByWeightedScore) {
    Start();
    Increment_Stat(&m_Game, 1, P1, GROUP_KICKERS, SS_PUNTS, 1);              // a punter weighs nothing
    Increment_Stat(&m_Game, 1, K1, GROUP_KICKERS, SS_PAT_ATTEMPTS, 1);       // 10
    Increment_Stat(&m_Game, 1, DE1, GROUP_DEFENCE, SS_SACKS, 2);             // 40
    Increment_Stat(&m_Game, 1, QB1, GROUP_SKILL, SS_PASS_TD, 1);             // 45
    Increment_Stat(&m_Game, 1, QB1, GROUP_SKILL, SS_INTERCEPTIONS_THROWN, 1);  // -25
    Order_Box_Score(&m_Game);
    auto ID = [](PNUM nSlot) { return g_League.aTeams[1].aPlayers[nSlot].anVital[VS_PLAYER_ID]; };
    EXPECT_EQ(m_Game.anBoxPlayers[1][0], ID(DE1));
    EXPECT_EQ(m_Game.anBoxPlayers[1][1], ID(QB1));
    EXPECT_EQ(m_Game.anBoxLines[1][1][BOX_PASS_TD], 1);
    EXPECT_EQ(m_Game.anBoxPlayers[1][2], ID(K1));
}

TEST_F(GameTest, StartersAreTheTwentyTwoOfTheBaseUnits) {
    Set_Up_Game(&m_Game, 1, 0, Current_Week());
    int nStarts = 0;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) nStarts += Counter(0, nSlot, PERIOD_THIS_SEASON, SS_STARTS);
    EXPECT_EQ(nStarts, 22);
    EXPECT_EQ(Counter(0, K1, PERIOD_THIS_SEASON, SS_STARTS), 0);
    EXPECT_EQ(Counter(0, QB1, PERIOD_THIS_SEASON, SS_STARTS), 1);
    EXPECT_EQ(Counter(1, 2, PERIOD_THIS_SEASON, SS_STARTS), 0);  // the third quarterback
}

// With no defenders left, offensive players fill the defence as well: each
// still starts the game once.
TEST_F(GameTest, ATwoWayStarterStartsOnce) {
    for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0; nSlot--)
        if (Is_Valid_Player(0, (PNUM)nSlot) && Get_Player_Side(0, (PNUM)nSlot) == SIDE_DEFENCE) Remove_Player(0, (PNUM)nSlot);
    Set_Up_Game(&m_Game, 1, 0, Current_Week());
    int nStarts = 0;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        EXPECT_LE(Counter(0, nSlot, PERIOD_THIS_SEASON, SS_STARTS), 1) << "slot " << (int)nSlot;
        nStarts += Counter(0, nSlot, PERIOD_THIS_SEASON, SS_STARTS);
    }
    EXPECT_GE(nStarts, 11);
}

// However a touchdown is scored, and from whatever distance a field goal is
// tried, the box score shows it in one column.
TEST_F(GameTest, EveryTouchdownAndEveryFieldGoalBandShareAColumn) {
    using Line = std::array<int, BOX_COLUMNS>;
    auto Line_After = [&](PNUM nSlot, int nGroup, int nStat) {
        Start();
        Increment_Stat(&m_Game, 0, nSlot, nGroup, nStat, 1);
        Line line{};
        int nLine = Box_Line_Of(m_Game, 0, g_League.aTeams[0].aPlayers[nSlot].anVital[VS_PLAYER_ID]);
        if (nLine >= 0)
            for (int c = 0; c < BOX_COLUMNS; c++) line[c] = m_Game.anBoxLines[0][nLine][c];
        return line;
    };
    const Line NOTHING{};
    Line rushed = Line_After(RB1, GROUP_SKILL, SS_RUSH_TD);
    ASSERT_NE(rushed, NOTHING);
    EXPECT_EQ(Line_After(RB1, GROUP_SKILL, SS_RECEIVING_TD), rushed);
    EXPECT_EQ(Line_After(RB1, RETURNING_GROUPS, SS_KICK_RETURN_TD), rushed);
    EXPECT_EQ(Line_After(RB1, RETURNING_GROUPS, SS_PUNT_RETURN_TD), rushed);
    Line defended = Line_After(CB1, GROUP_DEFENCE, SS_DEFENSIVE_TD);
    ASSERT_NE(defended, NOTHING);
    EXPECT_EQ(Line_After(CB1, RETURNING_GROUPS, SS_KICK_RETURN_TD), defended);
    EXPECT_EQ(Line_After(CB1, RETURNING_GROUPS, SS_PUNT_RETURN_TD), defended);

    const int TRIED[] = {SS_FGA_UNDER_30, SS_FGA_UNDER_40, SS_FGA_UNDER_50, SS_FGA_50_PLUS};
    const int MADE[] = {SS_FG_UNDER_30, SS_FG_UNDER_40, SS_FG_UNDER_50, SS_FG_50_PLUS};
    Line tried = Line_After(K1, GROUP_KICKERS, TRIED[0]), made = Line_After(K1, GROUP_KICKERS, MADE[0]);
    ASSERT_NE(tried, NOTHING);
    ASSERT_NE(made, NOTHING);
    EXPECT_NE(tried, made);
    for (int nBand = 1; nBand < 4; nBand++) {
        EXPECT_EQ(Line_After(K1, GROUP_KICKERS, TRIED[nBand]), tried) << nBand;
        EXPECT_EQ(Line_After(K1, GROUP_KICKERS, MADE[nBand]), made) << nBand;
    }
}
