// "HalvercornLogo.jpg" and "HalvercornLogoPattern.jpg": the window builds
// these two in, and the files keep the game folder complete for other uses.
#include "artwork.h"
#include "emblems.h"
#include "lettering.h"
#include "output_files.h"
#include "paper.h"

namespace {
Canvas Logo() {
    constexpr double S = PAGE_SCALE;
    Canvas canvas = Make_Canvas(636 * PAGE_SCALE, 438 * PAGE_SCALE, {0, 0, 0});
    Fill_Vertical_Gradient(canvas, 0, 0, canvas.nWidth, canvas.nHeight, {24, 74, 40}, {12, 44, 24});
    for (int x = 38; x < 636; x += 56) {
        Fill_Rect(canvas, x * S, 0, (x + 2) * S, canvas.nHeight, {58, 110, 72});
        for (int i = 1; i < 5 && x + 56 < 636; i++) {
            Fill_Rect(canvas, (x + 11 * i) * S, 150 * S, (x + 11 * i + 1) * S, 158 * S, {58, 110, 72});
            Fill_Rect(canvas, (x + 11 * i) * S, 280 * S, (x + 11 * i + 1) * S, 288 * S, {58, 110, 72});
        }
    }
    Draw_Football(canvas, 318 * S, 94 * S, 110 * S, 0);
    Draw_Centred_Lettering(canvas, "BRAKVELL", 318 * S, 170 * S, 56 * S, {245, 240, 225}, true);
    Fill_Rect(canvas, 168 * S, 250 * S, 468 * S, 253 * S, {200, 160, 60});
    Draw_Centred_Lettering(canvas, "PROFESSIONAL FOOTBALL MANAGEMENT", 318 * S, 266 * S, 12 * S, {200, 200, 200});
    Draw_Centred_Lettering(canvas, "HALVERCORN", 318 * S, 394 * S, 10 * S, {150, 190, 160});
    return canvas;
}

// The tile of the window background: the light brush colour with faint diagonals.
Canvas Pattern() {
    Canvas canvas = Make_Canvas(32, 32, {192, 191, 240});
    Rgb line = {176, 175, 228};
    Draw_Line(canvas, 0, 32, 32, 0, 1, line);
    Draw_Line(canvas, 0, 16, 16, 0, 1, line);
    Draw_Line(canvas, 16, 32, 32, 16, 1, line);
    return canvas;
}
}  // namespace

bool Make_Logo_Pictures(const std::string& szGame) {
    return Write_Jpeg(szGame + "/HalvercornLogo.jpg", Logo()) &&
           Write_Jpeg(szGame + "/HalvercornLogoPattern.jpg", Pattern());
}
