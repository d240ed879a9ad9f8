// The players of the franchises and of the free-agent pool. Each franchise
// gets a full roster in depth-chart order: the offence's starters in lineup
// order, its backups by position and quality, then the defence and the
// kickers the same way.
#include <algorithm>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "personnel/player_creation.h"
#include "player_parts.h"

namespace {
// One player to be made: what the roster planner decides before the player
// gets a body, a name, a history and a contract.
struct PlayerPlan {
    int nPosition;
    Role role;
    int nQuality; // per mille: 0 a league-average season, 1000 the baseline season
    int nAge;
    bool bKickReturner, bPuntReturner;
    bool bBlockingBack;
};

//                                     QB RB TE WR T  G  C  DE DT LB CB S  K  P
const int ROSTER_BASE[NUMBER_OF_POSITIONS] = /* 55 */ {3, 5, 4, 6, 4, 4, 2, 5, 4, 7, 5, 4, 1, 1};
const int DEPTH_COUNT[NUMBER_OF_POSITIONS] = /* 64 */ {3, 6, 4, 7, 4, 4, 2, 6, 4, 9, 6, 5, 2, 2};
const int DRAW_WEIGHT[NUMBER_OF_POSITIONS] = {4, 8, 5, 9, 6, 6, 3, 8, 6, 12, 8, 7, 2, 2};
const int STARTERS[NUMBER_OF_POSITIONS] = {1, 2, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};
constexpr int EXTRA_PLAYERS_SPREAD = 6; // 0..5 players beyond the base roster
constexpr int FREE_AGENTS = 40;
constexpr int FREE_AGENT_MIN_AGE = 23;
constexpr int FREE_AGENT_QUALITY_PENALTY = 50;
constexpr int FREE_AGENT_ROTATION_CHANCE = 25; // per cent; the rest are reserves

// The starting lineups as (position, depth): the second linebacker lines up
// beside the first, as the depth chart of every computer team has it.
struct Spot {
    int nPosition, nDepth;
};
const Spot OFFENCE_LINEUP[] = {{POS_QB, 0}, {POS_RB, 0}, {POS_RB, 1}, {POS_TE, 0}, {POS_WR, 0}, {POS_WR, 1},
                               {POS_T, 0},  {POS_G, 0},  {POS_C, 0},  {POS_G, 1},  {POS_T, 1}};
const Spot DEFENCE_LINEUP[] = {{POS_DE, 0}, {POS_DT, 0}, {POS_DT, 1}, {POS_DE, 1}, {POS_LB, 1}, {POS_LB, 0},
                               {POS_LB, 2}, {POS_CB, 0}, {POS_CB, 1}, {POS_S, 0},  {POS_S, 1}};
const Spot KICKER_LINEUP[] = {{POS_K, 0}, {POS_P, 0}};

// Returners come from the first men off the bench.
const Spot KICK_RETURNERS[] = {{POS_WR, 2}, {POS_RB, 2}};
const Spot PUNT_RETURNERS[] = {{POS_CB, 2}, {POS_WR, 3}};
// The second starting back is a blocking back half the time, others rarely.
constexpr int FULLBACK_CHANCE = 50, BLOCKING_BACK_CHANCE = 10;

// Ages 21..38: starters in their prime, benches younger with a few veterans.
constexpr int FIRST_AGE = 21, AGES = 18;
const int STARTER_AGES[AGES] = {1, 3, 6, 9, 11, 12, 12, 11, 10, 8, 6, 4, 3, 2, 1, 1, 0, 0};
const int BENCH_AGES[AGES] = {6, 12, 14, 13, 11, 9, 7, 6, 5, 4, 3, 2, 2, 1, 1, 1, 1, 1};
const int KICKER_AGES[AGES] = {0, 2, 4, 6, 7, 8, 8, 8, 8, 7, 7, 6, 5, 4, 3, 3, 2, 2};

// Qualities by role: starters around and above the average, one in eight a
// star near the baseline season; the bench below the average.
constexpr int STAR_CHANCE = 12;
struct QualityDraw {
    int nBase, nUp, nDown; // base + rand(up) - rand(down)
};
const QualityDraw STAR_QUALITY = {650, 450, 0};
const QualityDraw ROLE_QUALITY[3] = {{100, 500, 300}, {-100, 400, 200}, {-300, 350, 200}};
// The passer throws to whoever the draw of catches picks among the
// receivers on the field, each weighed by his predicted catches. Every
// receiver's prediction is a full season's, so a star wide receiver stands
// well above the other starters, or nobody leads the league like one; the
// starters themselves stand close together. A star halfback, who shares his
// carries with the other back, stands further above the rest, so that the
// league's leading rusher runs like one.
const QualityDraw RECEIVER_STARTER_QUALITY = {100, 300, 100};
const QualityDraw STAR_WIDE_RECEIVER_QUALITY = {850, 450, 0};
const QualityDraw STAR_HALFBACK_QUALITY = {750, 450, 0};

// How good the league is at each position against the drawn quality. The
// game weighs one side's counters against the other's (runs against
// tackles, passes against knockdowns, interceptions and sacks), so these set
// the league's averages: strong backs, firm lines, soft secondaries,
// receivers who catch short, and punters who kick short enough that field
// position turns yards into points. The starters are also the moulds of
// every player the game makes later, and a league of those players, grown
// through the seasons, rushes the passer harder and protects him worse than
// the league they came from: the pass rush starts mild and the line firm so
// that both leagues score alike.
//                                  QB    RB   TE    WR    T    G    C    DE   DT   LB    CB    S     K     P
const int POSITION_QUALITY[NUMBER_OF_POSITIONS] = {-400, 350, -300, -400, 550, 550, 550, 50, 0, -550, -400, -400, 1300, -1800};

// The bench of the first season is the one part of the league that no
// later player is moulded on: a defensive bench a step nearer its starters
// lets that season score as the grown league does.
constexpr int BENCH_DEFENCE_QUALITY = 100;

const QualityDraw& Quality_Draw(int nPosition, Role role, bool bStar) {
    bool bReceiver = nPosition == POS_WR || nPosition == POS_TE;
    if (bStar && nPosition == POS_WR) return STAR_WIDE_RECEIVER_QUALITY;
    if (bStar && nPosition == POS_RB) return STAR_HALFBACK_QUALITY;
    if (bStar) return STAR_QUALITY;
    return bReceiver && role == ROLE_STARTER ? RECEIVER_STARTER_QUALITY : ROLE_QUALITY[role];
}

int Draw_Quality(int nPosition, Role role) {
    bool bStar = role == ROLE_STARTER && Random(100) < STAR_CHANCE;
    const QualityDraw& draw = Quality_Draw(nPosition, role, bStar);
    int nUp = Random(draw.nUp); // drawn in this order, whatever the compiler
    int nBench = role != ROLE_STARTER && Position_Side(nPosition) == SIDE_DEFENCE ? BENCH_DEFENCE_QUALITY : 0;
    return draw.nBase + nUp - Random(draw.nDown) + POSITION_QUALITY[nPosition] + nBench;
}

int Draw_Weighted(const int anWeights[], int nCount) {
    int nTotal = 0;
    for (int n = 0; n < nCount; n++)
        nTotal += anWeights[n];
    int r = Random(nTotal);
    for (int n = 0; n < nCount; n++) {
        if (r < anWeights[n]) return n;
        r -= anWeights[n];
    }
    return nCount - 1;
}

Role Role_At_Depth(int nPosition, int nDepth) {
    if (nDepth < STARTERS[nPosition]) return ROLE_STARTER;
    return nDepth == STARTERS[nPosition] ? ROLE_ROTATION : ROLE_RESERVE;
}

int Draw_Age(int nPosition, Role role) {
    const int* pAges = Position_Group(nPosition) == GROUP_KICKERS ? KICKER_AGES
                       : role == ROLE_STARTER         ? STARTER_AGES
                                                      : BENCH_AGES;
    return FIRST_AGE + Draw_Weighted(pAges, AGES);
}

TNUM Other_Franchise(TNUM nTeam) {
    int nTeams = Number_Of_Teams();
    return (TNUM)((nTeam + 1 + Random(nTeams - 1)) % nTeams);
}

bool Is_Spot(const Spot& spot, int nPosition, int nDepth) {
    return spot.nPosition == nPosition && spot.nDepth == nDepth;
}

// The players of one franchise, position by position in depth order.
std::vector<std::vector<PlayerPlan>> Plan_Roster() {
    int anCount[14];
    std::copy(ROSTER_BASE, ROSTER_BASE + 14, anCount);
    for (int nExtra = Random(EXTRA_PLAYERS_SPREAD); nExtra > 0;) {
        int nPosition = Draw_Weighted(DRAW_WEIGHT, 14);
        if (anCount[nPosition] >= DEPTH_COUNT[nPosition]) continue;
        anCount[nPosition]++;
        nExtra--;
    }
    const Spot& kickReturner = KICK_RETURNERS[Random(2)];
    const Spot& puntReturner = PUNT_RETURNERS[Random(2)];
    std::vector<std::vector<PlayerPlan>> plans(14);
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) {
        std::vector<int> qualities;
        for (int nDepth = 0; nDepth < anCount[nPosition]; nDepth++)
            qualities.push_back(Draw_Quality(nPosition, Role_At_Depth(nPosition, nDepth)));
        std::sort(qualities.rbegin(), qualities.rend());
        for (int nDepth = 0; nDepth < anCount[nPosition]; nDepth++) {
            PlayerPlan plan{};
            plan.nPosition = nPosition;
            plan.role = Role_At_Depth(nPosition, nDepth);
            plan.nQuality = qualities[nDepth];
            plan.nAge = Draw_Age(nPosition, plan.role);
            plan.bKickReturner = Is_Spot(kickReturner, nPosition, nDepth);
            plan.bPuntReturner = Is_Spot(puntReturner, nPosition, nDepth);
            if (nPosition == POS_RB)
                plan.bBlockingBack = Random(100) < (nDepth == 1 ? FULLBACK_CHANCE : BLOCKING_BACK_CHANCE);
            plans[nPosition].push_back(plan);
        }
    }
    return plans;
}

// Slot order: per side the lineup, then the backups by position and depth.
std::vector<PlayerPlan> Depth_Chart(const std::vector<std::vector<PlayerPlan>>& plans) {
    std::vector<PlayerPlan> chart;
    auto side = [&](const Spot* pLineup, int nSpots, int nFirst, int nLast) {
        for (int n = 0; n < nSpots; n++)
            chart.push_back(plans[pLineup[n].nPosition][pLineup[n].nDepth]);
        for (int nPosition = nFirst; nPosition <= nLast; nPosition++)
            for (size_t nDepth = STARTERS[nPosition]; nDepth < plans[nPosition].size(); nDepth++)
                chart.push_back(plans[nPosition][nDepth]);
    };
    side(OFFENCE_LINEUP, 11, POS_QB, POS_C);
    side(DEFENCE_LINEUP, 11, POS_DE, POS_S);
    side(KICKER_LINEUP, 2, POS_K, POS_P);
    return chart;
}

// The career, the draft and the contract that go with a plan.
void Make_Career(TNUM nTeam, PNUM nPlayer, const PlayerPlan& plan, TNUM nCareerTeam, bool bFreeAgent,
                 const NameLists& names) {
    Make_Identity(nTeam, nPlayer, plan.nPosition, plan.nAge, plan.bBlockingBack, names);
    int nExperience = Draw_Experience(plan.nPosition, plan.nAge);
    if (bFreeAgent) nExperience = Max(1, nExperience); // released after at least one season
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_EXPERIENCE, nExperience);
    CareerPlan career{plan.nPosition,
                      plan.role,
                      plan.nQuality,
                      UNIVERSE_START_YEAR,
                      plan.nAge,
                      nExperience,
                      nCareerTeam,
                      Random(2) ? nExperience : Random(nExperience + 1),
                      Other_Franchise(nCareerTeam),
                      plan.bKickReturner,
                      plan.bPuntReturner,
                      plan.bBlockingBack};
    Make_Predicted(nTeam, nPlayer, career);
    Make_Past_Seasons(nTeam, nPlayer, career);
    Set_Forty_Yard_Time(nTeam, nPlayer);
    TNUM nDraftTeam = career.nTenure >= nExperience ? nCareerTeam : career.nFormerTeam;
    int nDraftPosition = Make_Draft_Record(nTeam, nPlayer, nDraftTeam, UNIVERSE_START_YEAR - nExperience,
                                           plan.role, plan.nQuality);
    if (bFreeAgent)
        Make_Free_Agent_Contract(nTeam, nPlayer, plan.role, plan.nQuality);
    else
        Make_Contract(nTeam, nPlayer, plan.role, plan.nQuality, nDraftPosition);
}

void Make_Player(TNUM nTeam, PNUM nPlayer, const PlayerPlan& plan, const NameLists& names) {
    Make_Career(nTeam, nPlayer, plan, nTeam, false, names);
    // The season about to start, still empty. Opening a record sets no
    // experience, so the record gets his here like every past one.
    int nRecord = Open_History_Record(nTeam, nPlayer, true);
    if (nRecord >= 0)
        g_League.aHistory[nRecord].nExperience = Get_Player_Vital_Stat(nTeam, nPlayer, VS_EXPERIENCE);
}
} // namespace

void Make_Rosters(const NameLists& names) {
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        std::vector<PlayerPlan> chart = Depth_Chart(Plan_Roster());
        for (size_t nSlot = 0; nSlot < chart.size(); nSlot++) {
            Make_Player(nTeam, (PNUM)nSlot, chart[nSlot], names);
            if (chart[nSlot].bKickReturner) Set_Team_Returner(nTeam, KICK_RETURNER, (PNUM)nSlot);
            if (chart[nSlot].bPuntReturner) Set_Team_Returner(nTeam, PUNT_RETURNER, (PNUM)nSlot);
        }
    }
}

// Released veterans, most of them bench players, ordered by salary as the
// pool always is.
void Make_Free_Agents(const NameLists& names) {
    for (PNUM nSlot = 0; nSlot < FREE_AGENTS; nSlot++) {
        PlayerPlan plan{};
        plan.nPosition = Draw_Weighted(DRAW_WEIGHT, 14);
        plan.role = Random(100) < FREE_AGENT_ROTATION_CHANCE ? ROLE_ROTATION : ROLE_RESERVE;
        plan.nQuality = Draw_Quality(plan.nPosition, plan.role) - FREE_AGENT_QUALITY_PENALTY;
        plan.nAge = Max(FREE_AGENT_MIN_AGE, Draw_Age(plan.nPosition, plan.role));
        TNUM nLastTeam = (TNUM)Random(Number_Of_Teams());
        Make_Career(FREE_AGENT_TEAM, nSlot, plan, nLastTeam, true, names);
    }
    for (int nPass = 0; nPass < FREE_AGENTS; nPass++)
        for (PNUM nSlot = 0; nSlot + 1 < FREE_AGENTS; nSlot++)
            if (Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot + 1, VS_SALARY) >
                Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY))
                Swap_Players(FREE_AGENT_TEAM, nSlot, FREE_AGENT_TEAM, nSlot + 1);
}
