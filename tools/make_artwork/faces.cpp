// The general managers' portraits: gm0..gm35, and gm36..gm71 the same people
// some seasons on (grey hair, lines), since the game switches to those later.
#include <string>

#include "artwork.h"
#include "output_files.h"

namespace {
constexpr int FACE_WIDTH = 120, FACE_HEIGHT = 150;
constexpr int NUMBER_OF_MANAGERS = 36;

struct Look {
    Rgb skin, hair, suit, tie, backdrop;
    int nHair;  // 0 bald, 1 short, 2 parted, 3 full
    bool bGlasses, bMoustache;
    double fWidth;  // of the head, relative
};

Look Look_Of(int nManager) {
    const Rgb SKINS[6] = {{241, 206, 176}, {226, 184, 148}, {198, 150, 112}, {160, 112, 78}, {120, 80, 54}, {92, 62, 42}};
    const Rgb HAIRS[5] = {{40, 30, 24}, {90, 60, 34}, {160, 120, 70}, {20, 18, 18}, {130, 60, 30}};
    const Rgb SUITS[4] = {{40, 44, 60}, {60, 60, 64}, {70, 50, 40}, {30, 50, 70}};
    const Rgb TIES[5] = {{160, 30, 40}, {40, 80, 150}, {180, 140, 40}, {50, 120, 70}, {110, 40, 110}};
    Dice dice = Make_Dice(1000 + nManager);
    Look look;
    look.skin = SKINS[Roll_Below(dice, 6)];
    look.hair = HAIRS[Roll_Below(dice, 5)];
    look.suit = SUITS[Roll_Below(dice, 4)];
    look.tie = TIES[Roll_Below(dice, 5)];
    look.backdrop = Mix({150, 170, 190}, {200, 190, 160}, Roll_Unit(dice));
    look.nHair = Roll_Below(dice, 4);
    look.bGlasses = Roll_Below(dice, 3) == 0;
    look.bMoustache = Roll_Below(dice, 4) == 0;
    look.fWidth = 0.9 + 0.2 * Roll_Unit(dice);
    return look;
}

Canvas Face(const Look& look, bool bOlder) {
    Canvas canvas = Make_Canvas(FACE_WIDTH, FACE_HEIGHT, look.backdrop);
    Fill_Vertical_Gradient(canvas, 0, 0, FACE_WIDTH, FACE_HEIGHT, Shade(look.backdrop, 1.15), Shade(look.backdrop, 0.8));
    Rgb hair = bOlder ? Mix(look.hair, {205, 205, 200}, 0.75) : look.hair;
    double cx = 60, cy = 64, rx = 30 * look.fWidth, ry = 38;
    // Shoulders, collar and tie.
    Fill_Ellipse(canvas, cx, 158, 62, 48, look.suit);
    Fill_Polygon(canvas, {{cx - 16, 104}, {cx + 16, 104}, {cx, 132}}, {245, 245, 245});
    Fill_Polygon(canvas, {{cx - 5, 108}, {cx + 5, 108}, {cx + 7, 140}, {cx, 148}, {cx - 7, 140}}, look.tie);
    Fill_Rect(canvas, cx - 11, 92, cx + 11, 110, Shade(look.skin, 0.9));
    // Head, ears, hair behind and on top.
    if (look.nHair == 3) Fill_Ellipse(canvas, cx, cy - 4, rx + 5, ry + 4, hair);
    Fill_Ellipse(canvas, cx - rx, cy + 4, 6, 9, Shade(look.skin, 0.92));
    Fill_Ellipse(canvas, cx + rx, cy + 4, 6, 9, Shade(look.skin, 0.92));
    Fill_Ellipse(canvas, cx, cy, rx, ry, look.skin);
    if (look.nHair == 1 || look.nHair == 3) Fill_Ellipse(canvas, cx, cy - ry + 12, rx + 1, 16, hair);
    if (look.nHair == 2) {
        Fill_Polygon(canvas, {{cx - rx, cy - 8}, {cx - rx + 2, cy - ry + 4}, {cx + rx - 2, cy - ry + 4}, {cx + rx, cy - 8},
                              {cx + rx - 4, cy - 22}, {cx - 6, cy - 26}, {cx - rx + 4, cy - 18}}, hair);
        Draw_Line(canvas, cx - 8, cy - ry + 4, cx - 6, cy - 24, 1.2, Shade(look.skin, 0.8));
    }
    if (look.nHair == 0)
        for (int side = -1; side <= 1; side += 2) Fill_Ellipse(canvas, cx + side * (rx - 3), cy - 8, 5, 12, hair);
    // Eyes, brows, nose, mouth.
    for (int side = -1; side <= 1; side += 2) {
        double ex = cx + side * 12;
        Fill_Ellipse(canvas, ex, cy, 5, 3.2, {250, 250, 250});
        Fill_Ellipse(canvas, ex, cy, 2.4, 2.6, {50, 40, 36});
        Draw_Line(canvas, ex - 6, cy - 8 + (side > 0), ex + 6, cy - 9, 2.4, Shade(hair, 0.8));
        if (look.bGlasses) Ring(canvas, ex, cy, 8, 1.6, {40, 40, 40});
        if (bOlder) Draw_Line(canvas, ex + side * 7, cy + 4, ex + side * 10, cy + 7, 0.8, Shade(look.skin, 0.75));
    }
    if (look.bGlasses) Draw_Line(canvas, cx - 4, cy - 1, cx + 4, cy - 1, 1.4, {40, 40, 40});
    Draw_Line(canvas, cx, cy + 2, cx - 3, cy + 14, 2, Shade(look.skin, 0.8));
    Draw_Line(canvas, cx - 3, cy + 14, cx + 3, cy + 14, 2, Shade(look.skin, 0.8));
    if (look.bMoustache) Fill_Ellipse(canvas, cx, cy + 20, 11, 3.5, hair);
    Draw_Line(canvas, cx - 9, cy + 25, cx + 9, cy + 25, 2.2, {150, 70, 60});
    Draw_Line(canvas, cx - 9, cy + 25, cx - 11, cy + 23, 2, {150, 70, 60});
    Draw_Line(canvas, cx + 9, cy + 25, cx + 11, cy + 23, 2, {150, 70, 60});
    if (bOlder) Draw_Line(canvas, cx - 14, cy - 18, cx + 14, cy - 18, 0.8, Shade(look.skin, 0.8));
    return canvas;
}
}  // namespace

bool Make_Manager_Faces(const std::string& szGame) {
    for (int nFace = 0; nFace < 2 * NUMBER_OF_MANAGERS; nFace++) {
        Canvas face = Face(Look_Of(nFace % NUMBER_OF_MANAGERS), nFace >= NUMBER_OF_MANAGERS);
        if (!Write_Jpeg(szGame + "/dialogs/faces/gm" + std::to_string(nFace) + ".jpg", face)) return false;
    }
    return true;
}
