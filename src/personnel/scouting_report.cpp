#include "personnel/scouting_report.h"

#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "database/player.h"
#include "personnel/ratings.h"
#include "personnel/scouting_error.h"

namespace {
constexpr int YOUNGEST_VETERAN = 35;
constexpr int OLDEST_PROSPECT = 25;
}  // namespace

int Scout_Age_Group(int nAge, int nPeakStart, int nPeakEnd) {
    if (nAge <= nPeakStart && nAge <= OLDEST_PROSPECT) return 0;
    if (nAge < nPeakEnd) return 1;
    return nAge >= YOUNGEST_VETERAN ? 2 : 1;
}

int Scouted_Tier(int nTier, int nError) {
    int t = nTier + nError / 4;
    if (t >= SCOUT_TIERS) t = 2 * (SCOUT_TIERS - 1) - t;
    if (t < 0) t = -t;
    return Clamp(0, t, SCOUT_TIERS - 1);
}

bool Get_Scouting_View(TNUM nTeam, PNUM nPlayer, TNUM nForTeam, ScoutingView* pView) {
    *pView = ScoutingView{};
    if (!Is_Valid_Player(nTeam, nPlayer)) return false;
    int nID = Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID);
    pView->nAgeGroup = Scout_Age_Group(Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE),
                                       Get_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_START),
                                       Get_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_END));
    pView->nTier = Player_Value_Tier(nTeam, nPlayer);
    pView->nError = Scouting_Error(nForTeam, nID);
    pView->nShownTier = Scouted_Tier(pView->nTier, pView->nError);
    pView->nVariant = Player_Hash(nID, SCOUT_VARIANTS);
    pView->nLine = (pView->nAgeGroup * SCOUT_TIERS + pView->nShownTier) * SCOUT_VARIANTS + pView->nVariant;
    return true;
}

void Get_Scouting_Report(TNUM nTeam, PNUM nPlayer, TNUM nForTeam, char* szOut, size_t nSize) {
    if (nSize == 0) return;
    szOut[0] = '\0';
    ScoutingView view;
    if (nTeam == HALL_OF_FAME_TEAM || !Get_Scouting_View(nTeam, nPlayer, nForTeam, &view)) return;
    const char* szLine = Scout_Line(view.nLine);
    // A free agent or draftee has no team for the line to name.
    if (nTeam >= FREE_AGENT_TEAM && strstr(szLine, "{TEAM")) return;
    char szText[NEWS_TEXT_SIZE];
    snprintf(szText, sizeof szText, "%s", szLine);
    Substitute_News_Strings(nTeam, nPlayer, szText);
    size_t nLength = strlen(szText);
    if (nLength >= nSize) {
        nLength = nSize - 1;
        // Never half a UTF-8 character at the cut.
        while (nLength > 0 && ((unsigned char)szText[nLength] & 0xC0) == 0x80)
            nLength--;
    }
    memcpy(szOut, szText, nLength);
    szOut[nLength] = '\0';
}
