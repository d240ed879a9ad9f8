// A helmet per team code, "helmets/helmet%d.jpg" facing right and
// "helmets/helmet%da.jpg" facing left, in the team's colours.
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "lettering.h"
#include "output_files.h"
#include "paper.h"

namespace {
constexpr int HELMET_WIDTH = 190, HELMET_HEIGHT = 172;  // twice the Games page's 95 x 86

struct TeamColours {
    const char* szAbbreviation;
    Rgb shell, trim;
};

const TeamColours COLOURS[] = {
    {"NYF", {22, 52, 112}, {230, 230, 235}},  {"NYB", {150, 40, 30}, {40, 40, 44}},
    {"BOS", {16, 70, 60}, {220, 190, 110}},   {"PHI", {24, 24, 30}, {200, 40, 40}},
    {"WAS", {110, 20, 40}, {220, 180, 60}},   {"PIT", {40, 40, 44}, {240, 190, 30}},
    {"TOR", {30, 90, 170}, {240, 240, 245}},  {"CLE", {190, 90, 30}, {60, 40, 30}},
    {"ATL", {170, 30, 30}, {20, 20, 24}},     {"MIA", {20, 140, 140}, {240, 120, 40}},
    {"ORL", {90, 50, 140}, {120, 200, 210}},  {"CHA", {200, 160, 40}, {20, 40, 80}},
    {"CHI", {28, 36, 70}, {220, 100, 30}},    {"DET", {120, 130, 140}, {20, 80, 150}},
    {"COL", {180, 30, 50}, {200, 200, 205}},  {"IND", {240, 240, 240}, {30, 50, 130}},
    {"MIN", {60, 110, 160}, {230, 220, 120}}, {"KCY", {200, 150, 60}, {120, 30, 30}},
    {"STL", {30, 60, 110}, {200, 60, 50}},    {"CIN", {230, 110, 20}, {20, 20, 20}},
    {"HOU", {200, 200, 210}, {150, 20, 40}},  {"TAM", {60, 140, 70}, {240, 200, 60}},
    {"NAS", {120, 40, 80}, {80, 180, 220}},   {"SAN", {150, 60, 30}, {230, 210, 170}},
    {"DAL", {20, 60, 40}, {200, 170, 80}},    {"DEN", {90, 60, 40}, {150, 190, 220}},
    {"PHX", {200, 70, 30}, {40, 30, 30}},     {"SDG", {20, 100, 170}, {250, 200, 40}},
    {"SEA", {30, 34, 40}, {120, 200, 70}},    {"POR", {40, 90, 40}, {170, 120, 60}},
    {"SFO", {130, 140, 150}, {190, 40, 40}},  {"LAS", {240, 150, 40}, {110, 30, 90}},
};

// Teams outside the table (a renamed or added franchise) get colours from their code.
TeamColours Colours_Of(const TeamLook& team) {
    for (const TeamColours& colours : COLOURS)
        if (team.szAbbreviation == colours.szAbbreviation) return colours;
    Dice dice = Make_Dice(500 + team.nCode);
    Rgb shell = {40 + Roll_Below(dice, 180), 40 + Roll_Below(dice, 180), 40 + Roll_Below(dice, 180)};
    return {"", shell, Shade(shell, shell.r + shell.g + shell.b > 380 ? 0.35 : 1.8)};
}

void Draw_Shell(Canvas& canvas, const TeamColours& colours) {
    const double cx = 86, cy = 80, rx = 64, ry = 60;
    std::vector<Point> shell;
    for (int i = 0; i <= 40; i++) {
        double t = (200 - i * 215.0 / 40) * M_PI / 180;
        shell.push_back({cx + rx * std::cos(t), cy - ry * std::sin(t)});
    }
    for (Point p : std::vector<Point>{{146, 114}, {120, 116}, {114, 142}, {52, 144}, {30, 122}}) shell.push_back(p);
    Fill_Ellipse(canvas, 92, 156, 70, 8, INK, 0.15);
    Fill_Polygon(canvas, shell, colours.shell);
    // Shading: the shell below a line darker, a gloss on the crown.
    std::vector<Point> lower = shell;
    for (Point& p : lower) p.y = std::max(p.y, cy + 30);
    Fill_Polygon(canvas, lower, Shade(colours.shell, 0.6), 0.35);
    Fill_Ellipse(canvas, cx - 18, cy - 34, 26, 14, {255, 255, 255}, 0.3);
    std::vector<Point> stripe;
    for (int i = 0; i <= 24; i++) {
        double t = (168 - i * 150.0 / 24) * M_PI / 180;
        stripe.push_back({cx + (rx - 4) * std::cos(t), cy - (ry - 4) * std::sin(t)});
    }
    // The white edge all along first, so that no segment covers its neighbour's colour.
    for (size_t i = 1; i < stripe.size(); i++)
        Draw_Line(canvas, stripe[i - 1].x, stripe[i - 1].y, stripe[i].x, stripe[i].y, 11, {245, 245, 245});
    for (size_t i = 1; i < stripe.size(); i++)
        Draw_Line(canvas, stripe[i - 1].x, stripe[i - 1].y, stripe[i].x, stripe[i].y, 7, colours.trim);
    Fill_Ellipse(canvas, 118, 106, 5, 6, {30, 30, 30});
    // The face mask.
    Rgb grey = {150, 150, 156};
    Draw_Line(canvas, 140, 98, 176, 100, 4, grey);
    Draw_Line(canvas, 140, 118, 176, 120, 4, grey);
    Draw_Line(canvas, 118, 138, 172, 140, 4, grey);
    Draw_Line(canvas, 176, 100, 172, 140, 4, grey);
    Draw_Line(canvas, 156, 99, 152, 139, 4, grey);
    Fill_Rect(canvas, 136, 94, 144, 122, Shade(grey, 0.7));
}
}  // namespace

bool Make_Helmets(const std::string& szGame, const std::vector<TeamLook>& teams) {
    for (const TeamLook& team : teams) {
        TeamColours colours = Colours_Of(team);
        std::string szLetter = team.szAbbreviation.substr(0, 1);  // none for an unused code
        for (int nView = 0; nView < 2; nView++) {
            Canvas canvas = Make_Canvas(HELMET_WIDTH, HELMET_HEIGHT, PAPER);
            Draw_Shell(canvas, colours);
            if (nView == 1) Mirror_Horizontally(canvas);
            // The badge goes on after mirroring so that its letter reads the right way.
            double x = nView == 1 ? HELMET_WIDTH - 78 : 78;
            Fill_Ellipse(canvas, x, 84, 22, 22, colours.trim);
            Ring(canvas, x, 84, 22, 2.5, {245, 245, 245});
            Draw_Centred_Lettering(canvas, szLetter, x, 74, 20, colours.shell);
            std::string szName = "/helmets/helmet" + std::to_string(team.nCode) + (nView ? "a" : "") + ".jpg";
            if (!Write_Jpeg(szGame + szName, canvas)) return false;
        }
    }
    return true;
}
