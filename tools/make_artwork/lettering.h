// Capital lettering from a 5 x 7 grid, drawn as joined round strokes so that
// large titles look lettered rather than pixelated.
#pragma once
#include <string>

#include "canvas.h"

// fHeight is the cap height in pixels; the advance is 6/7 of it per letter.
// Strokes overlap where they join, so lettering is always drawn opaque.
double Lettering_Width(const std::string& szText, double fHeight);
void Draw_Lettering(Canvas& canvas, const std::string& szText, double x, double y, double fHeight, Rgb colour);
// Centred on cx; with a shadow one stroke down and right when bShadow.
void Draw_Centred_Lettering(Canvas& canvas, const std::string& szText, double cx, double y, double fHeight,
                            Rgb colour, bool bShadow = false);
