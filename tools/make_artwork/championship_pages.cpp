// The three championship pages. The page writes the year on the upper plaque
// and the team's name on the lower one, both at (140..500).
#include <cmath>

#include "artwork.h"
#include "emblems.h"
#include "output_files.h"
#include "paper.h"

namespace {
struct Championship {
    const char* szFile;
    const char* szHeadline;
    Rgb background;
    int nEmblem;  // 0 cup, 1 pennants, 2 banner with stars
};

void Confetti(Canvas& page, uint32_t nSeed, int nPieces) {
    const Rgb COLOURS[5] = {GOLD, {230, 230, 235}, {200, 60, 50}, {70, 120, 200}, {90, 170, 100}};
    Dice dice = Make_Dice(nSeed);
    for (int i = 0; i < nPieces; i++) {
        double x = Roll_Unit(dice) * page.nWidth, y = Roll_Unit(dice) * page.nHeight;
        double fAngle = Roll_Unit(dice) * M_PI, fSize = (2 + Roll_Unit(dice) * 4) * PAGE_SCALE;
        Draw_Line(page, x, y, x + std::cos(fAngle) * fSize, y + std::sin(fAngle) * fSize, 1.6 * PAGE_SCALE,
                  COLOURS[Roll_Below(dice, 5)], 0.85);
    }
}

void Emblem(Canvas& page, int nEmblem) {
    constexpr double S = PAGE_SCALE;
    if (nEmblem == 0) {
        Fill_Ellipse(page, 318 * S, 190 * S, 90 * S, 70 * S, GOLD, 0.12);
        Draw_Trophy(page, 318 * S, 272 * S, 150 * S, GOLD);
    } else if (nEmblem == 1) {
        Draw_Pennant(page, 200 * S, 130 * S, 110 * S, 44 * S, {200, 50, 45});
        Draw_Pennant(page, 330 * S, 150 * S, 110 * S, 44 * S, {230, 230, 235});
        Draw_Football(page, 318 * S, 250 * S, 70 * S, -0.2);
    } else {
        Page_Plaque(page, 190, 130, 446, 260, {40, 90, 60});
        for (int i = 0; i < 3; i++) Draw_Star(page, (258 + 60 * i) * S, 195 * S, (i == 1 ? 34 : 24) * S, GOLD);
    }
}

Canvas Championship_Page(const Championship& championship, uint32_t nSeed) {
    Canvas page = Make_Dark_Page(Shade(championship.background, 1.3), Shade(championship.background, 0.45), nSeed);
    Confetti(page, nSeed, championship.nEmblem == 0 ? 260 : 90);
    Page_Plaque(page, 140, 40, 500, 94, {24, 26, 40});
    Emblem(page, championship.nEmblem);
    Page_Centred_Lettering(page, championship.szHeadline, 318, 296, 24, GOLD, true);
    Page_Plaque(page, 140, 350, 500, 404, {24, 26, 40});
    return page;
}
}  // namespace

bool Make_Championship_Pages(const std::string& szGame) {
    const Championship PAGES[3] = {
        {"Champs.jpg", "WORLD CHAMPIONS", {28, 40, 90}, 0},
        {"Conferen.jpg", "CONFERENCE CHAMPIONS", {100, 24, 28}, 1},
        {"Divchamp.jpg", "DIVISION CHAMPIONS", {24, 70, 44}, 2},
    };
    for (int i = 0; i < 3; i++)
        if (!Write_Jpeg(szGame + "/News/" + PAGES[i].szFile, Championship_Page(PAGES[i], 20 + i))) return false;
    return true;
}
