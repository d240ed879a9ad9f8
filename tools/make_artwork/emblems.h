// Small drawings shared by several pictures, in pixels: a trophy, a football,
// a star, a pennant.
#pragma once
#include "canvas.h"

// The cup stands on (cx, yBottom) and is fHeight tall.
void Draw_Trophy(Canvas& canvas, double cx, double yBottom, double fHeight, Rgb metal);
// A ball lying along the x axis, fLength long.
void Draw_Football(Canvas& canvas, double cx, double cy, double fLength, double fAngle);
void Draw_Star(Canvas& canvas, double cx, double cy, double fRadius, Rgb colour);
// Flying to the right from a pole at x0.
void Draw_Pennant(Canvas& canvas, double x0, double y0, double fLength, double fHeight, Rgb colour);
