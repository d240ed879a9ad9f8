// The pictures of the dialogs: the Welcome splash, the three concession
// items and the three broadcast policies.
#include <cmath>

#include "artwork.h"
#include "emblems.h"
#include "lettering.h"
#include "output_files.h"

namespace {
constexpr int ITEM_WIDTH = 160, ITEM_HEIGHT = 120;
constexpr Rgb BACKDROP = {232, 226, 210};

// A night stadium under lights, the name, and a dark strip along the bottom
// where the window writes the version in light grey.
Canvas Splash() {
    Canvas canvas = Make_Canvas(636, 438, {10, 14, 30});
    Fill_Vertical_Gradient(canvas, 0, 0, 636, 260, {8, 12, 34}, {40, 50, 90});
    for (double x : {90.0, 546.0}) {
        for (int i = 0; i < 8; i++) Fill_Ellipse(canvas, x, 70, 30 + 12 * i, 20 + 8 * i, {255, 250, 220}, 0.04);
        Fill_Rect(canvas, x - 26, 60, x + 26, 80, {250, 250, 240});
        Draw_Line(canvas, x, 80, x, 250, 4, {40, 44, 60});
    }
    Fill_Vertical_Gradient(canvas, 0, 240, 636, 300, {60, 50, 70}, {30, 30, 40});
    Dice dice = Make_Dice(7);
    for (int i = 0; i < 3000; i++) {
        double x = Roll_Unit(dice) * 636, y = 244 + Roll_Unit(dice) * 52;
        Fill_Rect(canvas, x, y, x + 1.5, y + 1.5, Roll_Below(dice, 4) ? Rgb{150, 140, 150} : Rgb{220, 200, 120}, 0.5);
    }
    Fill_Vertical_Gradient(canvas, 0, 300, 636, 420, {30, 110, 50}, {14, 60, 26});
    for (int i = -8; i <= 8; i++) Draw_Line(canvas, 318 + i * 40, 300, 318 + i * 110, 420, 2, {220, 230, 220}, 0.5);
    Draw_Football(canvas, 318, 370, 120, -0.25);
    Draw_Centred_Lettering(canvas, "BRAKVELL", 318, 120, 64, {245, 240, 225}, true);
    Fill_Rect(canvas, 168, 200, 468, 204, {200, 160, 60});
    Draw_Centred_Lettering(canvas, "PROFESSIONAL FOOTBALL MANAGEMENT", 318, 214, 12, {200, 200, 210});
    Fill_Rect(canvas, 0, 420, 636, 438, {8, 10, 16});
    Draw_Lettering(canvas, "HALVERCORN", 540, 426, 7, {120, 130, 150});
    return canvas;
}

Canvas Beer() {
    Canvas canvas = Make_Canvas(ITEM_WIDTH, ITEM_HEIGHT, BACKDROP);
    Fill_Ellipse(canvas, 80, 108, 44, 6, {0, 0, 0}, 0.15);
    Ring(canvas, 106, 62, 16, 7, {220, 225, 228});
    Fill_Rounded_Rect(canvas, 48, 30, 104, 108, 6, {230, 170, 40});
    Fill_Rect(canvas, 56, 40, 62, 100, {255, 230, 140}, 0.6);
    for (int i = 0; i < 5; i++) Fill_Ellipse(canvas, 52 + i * 12, 30, 10, 9, {252, 250, 240});
    Frame_Rect(canvas, 48, 36, 104, 108, 2, {200, 205, 210}, 0.6);
    return canvas;
}

Canvas Food() {
    Canvas canvas = Make_Canvas(ITEM_WIDTH, ITEM_HEIGHT, BACKDROP);
    Fill_Ellipse(canvas, 80, 100, 66, 10, {0, 0, 0}, 0.15);
    Fill_Rounded_Rect(canvas, 16, 58, 144, 96, 18, {214, 160, 90});
    Fill_Rounded_Rect(canvas, 10, 56, 150, 76, 10, {170, 70, 50});
    Fill_Rounded_Rect(canvas, 16, 68, 144, 92, 16, {226, 176, 104});
    for (int i = 0; i < 6; i++)
        Draw_Line(canvas, 22 + i * 20, 58, 34 + i * 20, 66, 3.5, {240, 200, 40});
    return canvas;
}

Canvas Souvenir() {
    Canvas canvas = Make_Canvas(ITEM_WIDTH, ITEM_HEIGHT, BACKDROP);
    Draw_Pennant(canvas, 30, 22, 112, 44, {170, 30, 40});
    Draw_Lettering(canvas, "FANS", 40, 38, 12, {245, 240, 225});
    Draw_Football(canvas, 112, 96, 46, 0.3);
    return canvas;
}

// A television: 0 a normal broadcast on air, 1 a paid channel, 2 blacked out.
Canvas Broadcast(int nPolicy) {
    Canvas canvas = Make_Canvas(ITEM_WIDTH, ITEM_HEIGHT, BACKDROP);
    Draw_Line(canvas, 80, 22, 60, 4, 2, {60, 60, 60});
    Draw_Line(canvas, 80, 22, 104, 6, 2, {60, 60, 60});
    Fill_Rounded_Rect(canvas, 22, 22, 138, 104, 8, {90, 64, 44});
    Fill_Rounded_Rect(canvas, 30, 30, 114, 96, 10, nPolicy == 2 ? Rgb{20, 20, 24} : Rgb{60, 140, 70});
    Fill_Ellipse(canvas, 126, 46, 5, 5, {200, 190, 170});
    Fill_Ellipse(canvas, 126, 64, 5, 5, {200, 190, 170});
    Fill_Rect(canvas, 40, 104, 52, 112, {60, 44, 30});
    Fill_Rect(canvas, 108, 104, 120, 112, {60, 44, 30});
    if (nPolicy == 0) {
        for (int i = -2; i <= 2; i++) Draw_Line(canvas, 72 + i * 14, 36, 72 + i * 20, 90, 1, {240, 240, 240}, 0.7);
        Draw_Football(canvas, 72, 62, 30, -0.3);
    } else if (nPolicy == 1) {
        Fill_Ellipse(canvas, 72, 63, 24, 24, {220, 180, 60});
        Ring(canvas, 72, 63, 20, 2, {160, 120, 30});
        Draw_Centred_Lettering(canvas, "$", 72, 51, 24, {110, 80, 20});
    } else {
        Draw_Line(canvas, 46, 42, 98, 84, 6, {190, 40, 40});
        Draw_Line(canvas, 98, 42, 46, 84, 6, {190, 40, 40});
    }
    return canvas;
}
}  // namespace

bool Make_Dialog_Pictures(const std::string& szGame) {
    std::string szMisc = szGame + "/dialogs/misc/";
    if (!Write_Jpeg(szGame + "/dialogs/splash/vantor.jpg", Splash()) || !Write_Jpeg(szMisc + "beer.jpg", Beer()) ||
        !Write_Jpeg(szMisc + "food.jpg", Food()) || !Write_Jpeg(szMisc + "souvenir.jpg", Souvenir()))
        return false;
    for (int nPolicy = 0; nPolicy < 3; nPolicy++)
        if (!Write_Jpeg(szMisc + "brdcst" + std::to_string(nPolicy) + ".jpg", Broadcast(nPolicy))) return false;
    return true;
}
