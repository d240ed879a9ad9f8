// A photo of every stadium named by a team of the default league:
// "dialogs/stadiums/%s.jpg" with the team's picture stem. Open, domed and
// convertible stadiums look different; so do grass and turf.
#include <cmath>
#include <set>

#include "artwork.h"
#include "output_files.h"

namespace {
constexpr int PHOTO_WIDTH = 320, PHOTO_HEIGHT = 200;
constexpr double HORIZON = 92;  // top of the far stand's seats

uint32_t Hash(const std::string& szText) {
    uint32_t n = 2166136261u;
    for (char c : szText) n = (n ^ (uint8_t)c) * 16777619u;
    return n;
}

void Sky(Canvas& canvas, int nStructure, Dice& dice) {
    if (nStructure == 1) {
        // Inside a dome: a grey roof with its ribs.
        Fill_Vertical_Gradient(canvas, 0, 0, PHOTO_WIDTH, HORIZON, {120, 124, 130}, {190, 192, 196});
        for (int i = -6; i <= 6; i++) Draw_Line(canvas, 160, -60, 160 + i * 40, HORIZON, 1.5, {90, 94, 100}, 0.7);
        for (int i = 1; i < 4; i++) Draw_Line(canvas, 0, HORIZON - i * 22, PHOTO_WIDTH, HORIZON - i * 22, 1, {90, 94, 100}, 0.5);
        return;
    }
    Fill_Vertical_Gradient(canvas, 0, 0, PHOTO_WIDTH, HORIZON, {70, 120, 190}, {170, 200, 230});
    for (int i = 0; i < 4; i++)
        Fill_Ellipse(canvas, Roll_Unit(dice) * PHOTO_WIDTH, 12 + Roll_Unit(dice) * 40, 20 + Roll_Unit(dice) * 30, 6, {250, 250, 252}, 0.7);
    if (nStructure == 2) {
        // A retractable roof drawn back over one end.
        Fill_Rect(canvas, 0, 20, 90, 34, {150, 154, 160});
        for (int x = 0; x < 90; x += 10) Draw_Line(canvas, x, 20, x + 10, 34, 1, {100, 104, 110});
        Fill_Rect(canvas, 0, 34, PHOTO_WIDTH, 37, {100, 104, 110});
    }
}

// Tiers of seats with a speckled crowd, the scoreboard, and light towers
// where there is sky.
void Stands(Canvas& canvas, Rgb seats, int nStructure, Dice& dice) {
    Fill_Rect(canvas, 0, HORIZON - 8, PHOTO_WIDTH, HORIZON, {80, 84, 92});
    Fill_Vertical_Gradient(canvas, 0, HORIZON, PHOTO_WIDTH, 122, Shade(seats, 0.7), seats);
    Fill_Rect(canvas, 0, HORIZON + 14, PHOTO_WIDTH, HORIZON + 16, {60, 60, 66});
    for (int i = 0; i < 1400; i++) {
        double x = Roll_Unit(dice) * PHOTO_WIDTH, y = HORIZON + Roll_Unit(dice) * 30;
        Rgb fan = Roll_Below(dice, 3) ? Rgb{230, 220, 200} : Rgb{40, 40, 50};
        Fill_Rect(canvas, x, y, x + 1.2, y + 1.2, fan, 0.6);
    }
    Fill_Rect(canvas, 120, 44, 200, 78, {30, 32, 36});
    Frame_Rect(canvas, 120, 44, 200, 78, 2, {90, 94, 100});
    Fill_Rect(canvas, 126, 50, 158, 64, {200, 80, 40}, 0.8);
    Fill_Rect(canvas, 162, 50, 194, 64, {60, 120, 200}, 0.8);
    if (nStructure == 1) {
        Draw_Line(canvas, 160, 0, 160, 44, 1.5, {70, 70, 76});
        return;
    }
    Draw_Line(canvas, 140, 78, 140, HORIZON - 8, 2, {70, 70, 76});
    Draw_Line(canvas, 180, 78, 180, HORIZON - 8, 2, {70, 70, 76});
    for (double x : {30.0, 290.0}) {
        Draw_Line(canvas, x, 30, x, HORIZON - 4, 2, {70, 70, 76});
        Fill_Rect(canvas, x - 10, 22, x + 10, 32, {230, 232, 236});
        Frame_Rect(canvas, x - 10, 22, x + 10, 32, 1, {70, 70, 76});
    }
}

// The field in perspective: yard lines converge toward the far side.
void Field(Canvas& canvas, int nSurface) {
    Rgb turf = nSurface ? Rgb{40, 140, 70} : Rgb{60, 130, 50};
    Fill_Vertical_Gradient(canvas, 0, 122, PHOTO_WIDTH, PHOTO_HEIGHT, Shade(turf, 0.8), turf);
    if (!nSurface)
        for (int i = 0; i < 8; i++) {
            double y0 = 122 + i * i * 1.3, y1 = 122 + (i + 1) * (i + 1) * 1.3;
            if (i % 2) Fill_Rect(canvas, 0, y0, PHOTO_WIDTH, y1, {255, 255, 255}, 0.06);
        }
    for (int i = -7; i <= 7; i++) {
        double xFar = 160 + i * 24, xNear = 160 + i * 60;
        Draw_Line(canvas, xFar, 126, xNear, PHOTO_HEIGHT + 4, i == 0 ? 2 : 1.2, {240, 240, 240}, 0.85);
    }
    Draw_Line(canvas, 0, 126, PHOTO_WIDTH, 126, 1.2, {240, 240, 240}, 0.85);
}

Canvas Photo(const TeamLook& team) {
    Dice dice = Make_Dice(Hash(team.szStadiumPicture));
    const Rgb SEATS[5] = {{150, 40, 40}, {40, 70, 140}, {180, 150, 60}, {60, 110, 70}, {120, 120, 128}};
    Canvas canvas = Make_Canvas(PHOTO_WIDTH, PHOTO_HEIGHT, {0, 0, 0});
    Sky(canvas, team.nStructure, dice);
    Stands(canvas, SEATS[Roll_Below(dice, 5)], team.nStructure, dice);
    Field(canvas, team.nSurface);
    Add_Grain(canvas, Hash(team.szStadiumPicture), 4);
    return canvas;
}
}  // namespace

bool Make_Stadium_Photos(const std::string& szGame, const std::vector<TeamLook>& teams) {
    std::set<std::string> done;
    for (const TeamLook& team : teams) {
        if (team.szStadiumPicture.empty() || !done.insert(team.szStadiumPicture).second) continue;
        if (!Write_Jpeg(szGame + "/dialogs/stadiums/" + team.szStadiumPicture + ".jpg", Photo(team))) return false;
    }
    return true;
}
