// Whole games between hand-built teams, snap by snap, checked for what must
// hold in every game whatever the draws.
#include <filesystem>
#include <fstream>
#include <string>

#include "base/random.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "game_test_support.h"
#include "season/stored_games.h"

namespace {
int Points(int nResult) {
    switch (nResult) {
    case RESULT_TD_PASS: case RESULT_INTERCEPTION_TD: case RESULT_TD_RUN: case RESULT_FUMBLE_TD:
    case RESULT_PUNT_RETURN_TD: case RESULT_KICKOFF_RETURN_TD:
        return 6;
    case RESULT_FIELD_GOAL: return 3;
    case RESULT_EXTRA_POINT: return 1;
    case RESULT_TWO_POINTS: case RESULT_SAFETY: return 2;
    default: return 0;
    }
}

bool Filled(TNUM nTeam, PNUM nSlot) { return g_League.aTeams[nTeam].aPlayers[nSlot].anVital[VS_PLAYER_ID] != 0; }

// A side's box score summed by row: the passers, the rest of the offence,
// the defence and the kickers.
enum { BY_PASSERS, BY_OFFENCE, BY_DEFENCE, BY_KICKERS };
struct BoxSums {
    int an[4][BOX_COLUMNS] = {};
    bool bFull = false;  // a player may have found no line
};

BoxSums Box_Sums(const GameRecord& g, int nSide) {
    BoxSums sums;
    TNUM nTeam = g.anTeam[nSide];
    for (int i = 0; i < BOX_LINES; i++) {
        int nID = g.anBoxPlayers[nSide][i];
        if (nID == 0) continue;
        int nPosition = -1;
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (g_League.aTeams[nTeam].aPlayers[nSlot].anVital[VS_PLAYER_ID] == nID)
                nPosition = g_League.aTeams[nTeam].aPlayers[nSlot].anVital[VS_POSITION];
        EXPECT_GE(nPosition, 0) << "box line of a player not on the roster";
        if (nPosition < 0) continue;
        int nSideOfBall = Position_Side(nPosition);
        int nRow = nPosition == POS_QB             ? BY_PASSERS
                   : nSideOfBall == SIDE_OFFENCE ? BY_OFFENCE
                   : nSideOfBall == SIDE_DEFENCE ? BY_DEFENCE
                                                 : BY_KICKERS;
        for (int c = 0; c < BOX_COLUMNS; c++) sums.an[nRow][c] += g.anBoxLines[nSide][i][c];
    }
    sums.bFull = g.anBoxPlayers[nSide][BOX_LINES - 1] != 0;
    return sums;
}

int Scored(const GameRecord& g, int nSide, int nResult) {
    int n = 0;
    for (int i = 0; i < Game_Scoring_Count(&g); i++)
        n += Play_Side(&g.aScoring[i]) == nSide && Play_Result(&g.aScoring[i]) == nResult;
    return n;
}
}  // namespace

class InvariantTest : public GameTest {
  protected:
    // Plays one game snap by snap, checking each one; the number of snaps.
    int Play_Checked(TNUM nHome, TNUM nVisitor) {
        Set_Up_Game(&m_Game, nHome, nVisitor, Current_Week());
        int nSnaps = 0;
        while (!Game_Over(&m_Game)) {
            int nBefore = Game_Elapsed(&m_Game);
            Play_Snap(&m_Game);
            int nAfter = Game_Elapsed(&m_Game);
            EXPECT_LE(nAfter, (nBefore / 900 + 1) * 900) << "snap " << nSnaps;
            for (int nSide = 0; nSide < SIDES; nSide++)
                for (int i = 0; i < LINEUP_SIZE; i++) {
                    PNUM nSlot = m_Game.anLineup[nSide][i];
                    EXPECT_TRUE(nSlot >= 0 && nSlot < PLAYERS_PER_TEAM && Filled(m_Game.anTeam[nSide], nSlot));
                }
            int nBall = Game_Ball(&m_Game), nDown = Game_Down(&m_Game);
            EXPECT_TRUE(nBall >= 1 && nBall <= 99) << nBall;
            EXPECT_TRUE(nDown <= 3 || nDown == DOWN_KICKOFF || nDown == DOWN_FREE_KICK || nDown == DOWN_TRY) << nDown;
            if (++nSnaps > 1000) {
                ADD_FAILURE() << "game does not end";
                break;
            }
        }
        Finish_Game(&m_Game);
        return nSnaps;
    }

    void Check_Score() {
        int nCount = Game_Scoring_Count(&m_Game);
        if (nCount >= SCORING_LIST_SIZE) return;
        int anPoints[2] = {0, 0};
        for (int i = 0; i < nCount; i++)
            anPoints[Play_Side(&m_Game.aScoring[i])] += Points(Play_Result(&m_Game.aScoring[i]));
        EXPECT_EQ(anPoints[0], m_Game.anScore[0]);
        EXPECT_EQ(anPoints[1], m_Game.anScore[1]);
    }

    void Check_Credit() {
        for (int nSide = 0; nSide < SIDES; nSide++) {
            TNUM nTeam = m_Game.anTeam[nSide];
            for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
                const PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nSlot];
                bool bPlayed = player.anVital[VS_PLAYED] != 0;
                EXPECT_EQ(player.anStats[PERIOD_THIS_SEASON][SS_GAMES], bPlayed ? 1 : 0);
                if (bPlayed) continue;
                for (int nStat = SS_STARTS + 1; nStat < NUMBER_OF_COUNTERS; nStat++)
                    EXPECT_EQ(player.anStats[PERIOD_THIS_SEASON][nStat], 0) << (int)nTeam << "/" << (int)nSlot;
            }
            for (int i = 0; i < BOX_LINES; i++) {
                int nID = m_Game.anBoxPlayers[nSide][i];
                if (nID == 0) continue;
                TNUM nTeamOf;
                PNUM nSlotOf;
                ASSERT_TRUE(Find_Player_ID(nID, &nTeamOf, &nSlotOf));
                EXPECT_EQ(nTeamOf, nTeam);
                EXPECT_TRUE(Get_Player_Vital_Stat(nTeamOf, nSlotOf, VS_PLAYED));
                EXPECT_NE(Position_Group(Get_Player_Vital_Stat(nTeamOf, nSlotOf, VS_POSITION)), GROUP_LINE);
            }
        }
    }
};

TEST_F(InvariantTest, SeededGamesKeepScoreClockLineupsAndCredit) {
    for (uint32_t nSeed = 1; nSeed <= 24; nSeed++) {
        Build_Game_League(nSeed, 4);
        Seed_Random(nSeed);
        TNUM nHome = (TNUM)(nSeed % 4), nVisitor = (TNUM)((nSeed + 1 + nSeed / 4) % 4);
        if (nHome == nVisitor) nVisitor = (TNUM)((nHome + 1) % 4);
        int nSnaps = Play_Checked(nHome, nVisitor);
        EXPECT_GT(nSnaps, 80);
        EXPECT_GE(Game_Elapsed(&m_Game), 3600);
        Check_Score();
        Check_Credit();
        int nHomeWins = Get_Team_Wins(nHome), nVisitorWins = Get_Team_Wins(nVisitor);
        int nMargin = m_Game.anScore[1] - m_Game.anScore[0];
        EXPECT_EQ(nHomeWins, nMargin > 0 ? 1 : 0);
        EXPECT_EQ(nVisitorWins, nMargin < 0 ? 1 : 0);
        EXPECT_EQ(Get_Team_Ties(nHome), nMargin == 0 ? 1 : 0);
        EXPECT_TRUE(Logged_Nothing());
        if (HasFailure()) break;
    }
}

// The box score is credited player by player; the team game stats and the
// scoring list are kept apart from it, so each side's columns must add up to
// them.
TEST_F(InvariantTest, BoxScoreAddsUpToTheTeamStatsAndTheScoringList) {
    int nChecked = 0;
    for (uint32_t nSeed = 1; nSeed <= 100; nSeed++) {
        Build_Game_League(nSeed, 2);
        Seed_Random(nSeed);
        Play_Checked(nSeed % 2 ? 1 : 0, nSeed % 2 ? 0 : 1);
        if (Game_Scoring_Count(&m_Game) >= SCORING_LIST_SIZE) continue;
        BoxSums aSums[SIDES] = {Box_Sums(m_Game, 0), Box_Sums(m_Game, 1)};
        if (aSums[0].bFull || aSums[1].bFull) continue;
        nChecked++;
        for (int nSide = 0; nSide < SIDES; nSide++) {
            const int16_t* pStats = m_Game.anTeamStats[nSide];
            const BoxSums& own = aSums[nSide];
            const BoxSums& other = aSums[1 - nSide];
            EXPECT_EQ(own.an[BY_PASSERS][BOX_PASS_ATTEMPTS], pStats[TG_PASS_ATTEMPTS]);
            EXPECT_EQ(own.an[BY_PASSERS][BOX_COMPLETIONS], pStats[TG_COMPLETIONS]);
            EXPECT_EQ(own.an[BY_PASSERS][BOX_PASS_YARDS], pStats[TG_PASS_YARDS]);
            EXPECT_EQ(own.an[BY_OFFENCE][BOX_RECEPTIONS], pStats[TG_COMPLETIONS]);
            EXPECT_EQ(own.an[BY_OFFENCE][BOX_RECEIVING_YARDS], pStats[TG_PASS_YARDS]);
            EXPECT_EQ(own.an[BY_PASSERS][BOX_INTERCEPTIONS_THROWN], other.an[BY_DEFENCE][BOX_INTERCEPTIONS]);
            EXPECT_EQ(own.an[BY_DEFENCE][BOX_SACKS], 2 * pStats[TG_SACKS]);  // half sacks
            int nGoals = Scored(m_Game, nSide, RESULT_FIELD_GOAL), nPoints = Scored(m_Game, nSide, RESULT_EXTRA_POINT);
            EXPECT_EQ(own.an[BY_KICKERS][BOX_FG_MADE], nGoals);
            EXPECT_EQ(own.an[BY_KICKERS][BOX_FG_ATTEMPTS], nGoals + Scored(m_Game, nSide, RESULT_FIELD_GOAL_MISSED));
            EXPECT_EQ(own.an[BY_KICKERS][BOX_PAT_MADE], nPoints);
            EXPECT_EQ(own.an[BY_KICKERS][BOX_PAT_ATTEMPTS], nPoints + Scored(m_Game, nSide, RESULT_EXTRA_POINT_MISSED));
        }
        if (HasFailure()) break;
    }
    EXPECT_GT(nChecked, 90);
}

// The players' lines, the team's game stats and its season totals are
// credited apart; over any game they must tell the same story.
TEST_F(InvariantTest, PlayersLinesAddUpToTheTeamsTotals) {
    struct Sum {
        int nStat, nGame;  // a counter of the offence's backs and receivers, and its team game stat
    };
    const Sum OFFENCE[] = {{SS_RUSHES, TG_RUSHES},           {SS_RUSH_YARDS, TG_RUSH_YARDS},
                           {SS_PASS_ATTEMPTS, TG_PASS_ATTEMPTS}, {SS_COMPLETIONS, TG_COMPLETIONS},
                           {SS_PASS_YARDS, TG_PASS_YARDS},     {SS_RECEPTIONS, TG_COMPLETIONS},
                           {SS_RECEIVING_YARDS, TG_PASS_YARDS}};
    const int SEASON[] = {SS_RUSHES, SS_RUSH_YARDS, SS_PASS_ATTEMPTS, SS_COMPLETIONS, SS_PASS_YARDS,
                          SS_RECEPTIONS, SS_RECEIVING_YARDS, SS_RECEIVING_TD, SS_FUMBLES};
    int nFumbledRuns = 0, nInterceptions = 0, nPenalties = 0;
    for (uint32_t nSeed = 1; nSeed <= 40; nSeed++) {
        Build_Game_League(nSeed, 2);
        Seed_Random(nSeed);
        Play_Checked(nSeed % 2 ? 1 : 0, nSeed % 2 ? 0 : 1);
        for (int nSide = 0; nSide < SIDES; nSide++) {
            TNUM nTeam = m_Game.anTeam[nSide];
            auto Players = [&](int nGroup, int nStat) {
                int nSum = 0;
                for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
                    const PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nSlot];
                    if (Position_Group(player.anVital[VS_POSITION]) == nGroup)
                        nSum += player.anStats[PERIOD_THIS_SEASON][nStat];
                }
                return nSum;
            };
            const int16_t* pStats = m_Game.anTeamStats[nSide];
            for (const Sum& sum : OFFENCE)
                EXPECT_EQ(Players(GROUP_SKILL, sum.nStat), pStats[sum.nGame]) << nSeed << " counter " << sum.nStat;
            for (int nStat : SEASON)
                EXPECT_EQ(Players(GROUP_SKILL, nStat), Get_Team_Total(nTeam, LINE_OFFENCE, PERIOD_THIS_SEASON, nStat))
                    << nSeed << " counter " << nStat;
            EXPECT_EQ(Players(GROUP_DEFENCE, SS_SACKS), 2 * pStats[TG_SACKS]);
            // Only linemen and defenders keep a flag; the team counts every one.
            int nFlags = Players(GROUP_LINE, SS_PENALTIES) + Players(GROUP_DEFENCE, SS_PENALTIES);
            EXPECT_LE(nFlags, pStats[TG_PENALTIES]);
            nPenalties += pStats[TG_PENALTIES];
            nFumbledRuns += Players(GROUP_SKILL, SS_FUMBLES);
            nInterceptions += Players(GROUP_SKILL, SS_INTERCEPTIONS_THROWN);
        }
        if (HasFailure()) break;
    }
    // The seeds must reach the plays whose credit went astray.
    EXPECT_GT(nFumbledRuns, 0);
    EXPECT_GT(nInterceptions, 0);
    EXPECT_GT(nPenalties, 0);
}

TEST_F(InvariantTest, PlayoffGamesNeverEndTied) {
    for (uint32_t nSeed = 100; nSeed < 112; nSeed++) {
        Build_Game_League(nSeed, 2);
        g_League.anGameState[GS_CURRENT_WEEK] = First_Playoff_Week() + 1;
        Seed_Random(nSeed);
        Play_Checked(1, 0);
        EXPECT_NE(m_Game.anScore[0], m_Game.anScore[1]);
        EXPECT_EQ(Get_Team_Playoff_Wins(0) + Get_Team_Playoff_Wins(1), 1);
        // Playoff credit reaches the team totals but no player's counters.
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            EXPECT_EQ(g_League.aTeams[0].aPlayers[nSlot].anStats[PERIOD_THIS_SEASON][SS_RUSH_YARDS], 0);
    }
}

TEST_F(InvariantTest, SameSeedSameGame) {
    std::string szFirst;
    for (int nRun = 0; nRun < 2; nRun++) {
        Build_Game_League(5, 2);
        Seed_Random(77);
        GameRecord game;
        ASSERT_EQ(Play_Game(0, 1, Current_Week(), &game), 1);
        if (nRun == 0)
            szFirst = Play_By_Play_Text();
        else
            EXPECT_EQ(szFirst, Play_By_Play_Text());
    }
    EXPECT_EQ(szFirst.rfind("September 22: City1 Nicks1 at City0 Nicks0\n\n 1st Q <=> Down Yardline Play\n", 0), 0u);
}

TEST_F(InvariantTest, PlayByPlayFileIsWrittenIntoTheOutputFolder) {
    Set_Play_By_Play_File(true);
    g_League.anGameState[GS_GAME_NUMBER] = 7;
    Seed_Random(3);
    GameRecord* pGame = Get_Game_Record(7);
    ASSERT_EQ(Play_Game(1, 0, Current_Week(), pGame), 1);
    std::ifstream file("Output/G-01-007.txt");
    ASSERT_TRUE(file.good());
    std::string szText((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(szText, Play_By_Play_Text());
    StoredGame stored;
    ASSERT_TRUE(Stored_Game_Teams_And_Score(7, &stored));
    EXPECT_EQ(stored.nHome, 1);
    EXPECT_EQ(stored.nVisitor, 0);
    EXPECT_EQ(stored.nHomeScore, pGame->anScore[1]);
    EXPECT_EQ(stored.nVisitorScore, pGame->anScore[0]);
    EXPECT_EQ(stored.nWeek, Current_Week());
}

// The default league, once the build has made it: a few games between its teams.
TEST_F(InvariantTest, DefaultLeagueGames) {
    std::string szUniverse = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
    if (!std::filesystem::exists(szUniverse)) GTEST_SKIP() << "no default league built";
    ASSERT_TRUE(Load_Game(szUniverse.c_str()));
    ASSERT_GE(Number_Of_Teams(), 2);
    for (uint32_t nSeed = 1; nSeed <= 6; nSeed++) {
        Seed_Random(nSeed);
        TNUM nHome = (TNUM)(nSeed % Number_Of_Teams()), nVisitor = (TNUM)((nSeed * 7 + 1) % Number_Of_Teams());
        if (nHome == nVisitor) nVisitor = (TNUM)((nHome + 1) % Number_Of_Teams());
        Play_Checked(nHome, nVisitor);
        Check_Score();
    }
}
