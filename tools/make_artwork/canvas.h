// A small RGB raster and the few shapes the artwork is made of. Coordinates
// are pixels as doubles; shapes are antialiased by coverage.
#pragma once
#include <cstdint>
#include <vector>

struct Rgb {
    int r, g, b;
};

struct Canvas {
    int nWidth = 0, nHeight = 0;
    std::vector<uint8_t> pixels;  // top row first, three bytes a pixel
};

struct Point {
    double x, y;
};

Canvas Make_Canvas(int nWidth, int nHeight, Rgb colour);
Rgb Mix(Rgb a, Rgb b, double fB);  // fB = 0 gives a
Rgb Shade(Rgb colour, double fFactor);  // below 1 darker, above 1 lighter
Rgb Get_Pixel(const Canvas& canvas, int x, int y);
// fAlpha 0..1; outside the canvas nothing happens.
void Blend_Pixel(Canvas& canvas, int x, int y, Rgb colour, double fAlpha);

void Fill_Rect(Canvas& canvas, double x0, double y0, double x1, double y1, Rgb colour, double fAlpha = 1);
void Fill_Vertical_Gradient(Canvas& canvas, double x0, double y0, double x1, double y1, Rgb top, Rgb bottom);
// An outline inside the rectangle, fWidth pixels thick.
void Frame_Rect(Canvas& canvas, double x0, double y0, double x1, double y1, double fWidth, Rgb colour,
                double fAlpha = 1);
void Fill_Ellipse(Canvas& canvas, double cx, double cy, double rx, double ry, Rgb colour, double fAlpha = 1);
void Ring(Canvas& canvas, double cx, double cy, double r, double fWidth, Rgb colour, double fAlpha = 1);
// A stroke with round ends.
void Draw_Line(Canvas& canvas, double x0, double y0, double x1, double y1, double fWidth, Rgb colour,
               double fAlpha = 1);
void Fill_Polygon(Canvas& canvas, const std::vector<Point>& points, Rgb colour, double fAlpha = 1);
void Fill_Rounded_Rect(Canvas& canvas, double x0, double y0, double x1, double y1, double fRadius, Rgb colour,
                       double fAlpha = 1);

// The same numbers on every build and every machine.
struct Dice {
    uint32_t nState;
};
Dice Make_Dice(uint32_t nSeed);
uint32_t Roll(Dice& dice);
int Roll_Below(Dice& dice, int n);
double Roll_Unit(Dice& dice);  // 0 <= value < 1

// Grain: every pixel moved by up to +-nAmount in brightness, with faint fibres.
void Add_Grain(Canvas& canvas, uint32_t nSeed, int nAmount);
// Darkens the edges towards fStrength at the corners.
void Add_Vignette(Canvas& canvas, double fStrength);
void Mirror_Horizontally(Canvas& canvas);
