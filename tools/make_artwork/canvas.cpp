#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace {
int Clamp_Byte(double f) { return (int)std::clamp(std::lround(f), 0L, 255L); }

// Pixel rows and columns a shape can touch, clipped to the canvas.
struct Span {
    int x0, y0, x1, y1;
};
Span Bounds(const Canvas& canvas, double x0, double y0, double x1, double y1) {
    return {std::max(0, (int)std::floor(x0)), std::max(0, (int)std::floor(y0)),
            std::min(canvas.nWidth, (int)std::ceil(x1)), std::min(canvas.nHeight, (int)std::ceil(y1))};
}

// Signed distance of a pixel centre to a shape gives its coverage.
double Coverage(double fDistance) { return std::clamp(0.5 - fDistance, 0.0, 1.0); }

bool Inside_Polygon(const std::vector<Point>& points, double x, double y) {
    bool bInside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point& a = points[i];
        const Point& b = points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) bInside = !bInside;
    }
    return bInside;
}
}  // namespace

Canvas Make_Canvas(int nWidth, int nHeight, Rgb colour) {
    Canvas canvas;
    canvas.nWidth = nWidth;
    canvas.nHeight = nHeight;
    canvas.pixels.resize((size_t)nWidth * nHeight * 3);
    for (size_t i = 0; i < canvas.pixels.size(); i += 3) {
        canvas.pixels[i] = (uint8_t)colour.r;
        canvas.pixels[i + 1] = (uint8_t)colour.g;
        canvas.pixels[i + 2] = (uint8_t)colour.b;
    }
    return canvas;
}

Rgb Mix(Rgb a, Rgb b, double fB) {
    return {Clamp_Byte(a.r + (b.r - a.r) * fB), Clamp_Byte(a.g + (b.g - a.g) * fB), Clamp_Byte(a.b + (b.b - a.b) * fB)};
}

Rgb Shade(Rgb colour, double fFactor) {
    if (fFactor <= 1) return Mix({0, 0, 0}, colour, fFactor);
    return Mix(colour, {255, 255, 255}, fFactor - 1);
}

Rgb Get_Pixel(const Canvas& canvas, int x, int y) {
    const uint8_t* p = &canvas.pixels[((size_t)y * canvas.nWidth + x) * 3];
    return {p[0], p[1], p[2]};
}

void Blend_Pixel(Canvas& canvas, int x, int y, Rgb colour, double fAlpha) {
    if (x < 0 || y < 0 || x >= canvas.nWidth || y >= canvas.nHeight || fAlpha <= 0) return;
    uint8_t* p = &canvas.pixels[((size_t)y * canvas.nWidth + x) * 3];
    fAlpha = std::min(fAlpha, 1.0);
    p[0] = (uint8_t)Clamp_Byte(p[0] + (colour.r - p[0]) * fAlpha);
    p[1] = (uint8_t)Clamp_Byte(p[1] + (colour.g - p[1]) * fAlpha);
    p[2] = (uint8_t)Clamp_Byte(p[2] + (colour.b - p[2]) * fAlpha);
}

void Fill_Rect(Canvas& canvas, double x0, double y0, double x1, double y1, Rgb colour, double fAlpha) {
    Span span = Bounds(canvas, x0, y0, x1, y1);
    for (int y = span.y0; y < span.y1; y++) {
        double fRows = std::min<double>(y + 1, y1) - std::max<double>(y, y0);
        for (int x = span.x0; x < span.x1; x++) {
            double fColumns = std::min<double>(x + 1, x1) - std::max<double>(x, x0);
            Blend_Pixel(canvas, x, y, colour, fAlpha * fRows * fColumns);
        }
    }
}

void Fill_Vertical_Gradient(Canvas& canvas, double x0, double y0, double x1, double y1, Rgb top, Rgb bottom) {
    Span span = Bounds(canvas, x0, y0, x1, y1);
    for (int y = span.y0; y < span.y1; y++) {
        double f = y1 - y0 > 1 ? (y + 0.5 - y0) / (y1 - y0) : 0;
        Fill_Rect(canvas, x0, y, x1, y + 1, Mix(top, bottom, std::clamp(f, 0.0, 1.0)));
    }
}

void Frame_Rect(Canvas& canvas, double x0, double y0, double x1, double y1, double fWidth, Rgb colour,
                double fAlpha) {
    Fill_Rect(canvas, x0, y0, x1, y0 + fWidth, colour, fAlpha);
    Fill_Rect(canvas, x0, y1 - fWidth, x1, y1, colour, fAlpha);
    Fill_Rect(canvas, x0, y0 + fWidth, x0 + fWidth, y1 - fWidth, colour, fAlpha);
    Fill_Rect(canvas, x1 - fWidth, y0 + fWidth, x1, y1 - fWidth, colour, fAlpha);
}

void Fill_Ellipse(Canvas& canvas, double cx, double cy, double rx, double ry, Rgb colour, double fAlpha) {
    if (rx <= 0 || ry <= 0) return;
    Span span = Bounds(canvas, cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1);
    for (int y = span.y0; y < span.y1; y++)
        for (int x = span.x0; x < span.x1; x++) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            double fLength = std::sqrt(dx * dx + dy * dy);
            // Distance along the gradient of the implicit function, close enough for edges.
            double fGradient = std::sqrt(dx * dx / (rx * rx) + dy * dy / (ry * ry));
            double fDistance = fGradient > 0 ? (fLength * fLength - 1) / (2 * fGradient) : -std::min(rx, ry);
            Blend_Pixel(canvas, x, y, colour, fAlpha * Coverage(fDistance));
        }
}

void Ring(Canvas& canvas, double cx, double cy, double r, double fWidth, Rgb colour, double fAlpha) {
    Span span = Bounds(canvas, cx - r - fWidth, cy - r - fWidth, cx + r + fWidth, cy + r + fWidth);
    for (int y = span.y0; y < span.y1; y++)
        for (int x = span.x0; x < span.x1; x++) {
            double fDistance = std::fabs(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - r) - fWidth / 2;
            Blend_Pixel(canvas, x, y, colour, fAlpha * Coverage(fDistance));
        }
}

void Draw_Line(Canvas& canvas, double x0, double y0, double x1, double y1, double fWidth, Rgb colour,
               double fAlpha) {
    double fHalf = fWidth / 2;
    Span span = Bounds(canvas, std::min(x0, x1) - fHalf - 1, std::min(y0, y1) - fHalf - 1,
                       std::max(x0, x1) + fHalf + 1, std::max(y0, y1) + fHalf + 1);
    double dx = x1 - x0, dy = y1 - y0, fLength2 = dx * dx + dy * dy;
    for (int y = span.y0; y < span.y1; y++)
        for (int x = span.x0; x < span.x1; x++) {
            double px = x + 0.5 - x0, py = y + 0.5 - y0;
            double t = fLength2 > 0 ? std::clamp((px * dx + py * dy) / fLength2, 0.0, 1.0) : 0;
            double fDistance = std::hypot(px - t * dx, py - t * dy) - fHalf;
            Blend_Pixel(canvas, x, y, colour, fAlpha * Coverage(fDistance));
        }
}

void Fill_Polygon(Canvas& canvas, const std::vector<Point>& points, Rgb colour, double fAlpha) {
    if (points.size() < 3) return;
    double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const Point& p : points) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    Span span = Bounds(canvas, x0, y0, x1 + 1, y1 + 1);
    for (int y = span.y0; y < span.y1; y++)
        for (int x = span.x0; x < span.x1; x++) {
            int nInside = 0;
            for (int sy = 0; sy < 4; sy++)
                for (int sx = 0; sx < 4; sx++)
                    nInside += Inside_Polygon(points, x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
            Blend_Pixel(canvas, x, y, colour, fAlpha * nInside / 16);
        }
}

void Fill_Rounded_Rect(Canvas& canvas, double x0, double y0, double x1, double y1, double fRadius, Rgb colour,
                       double fAlpha) {
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hx = (x1 - x0) / 2 - fRadius, hy = (y1 - y0) / 2 - fRadius;
    Span span = Bounds(canvas, x0, y0, x1, y1);
    for (int y = span.y0; y < span.y1; y++)
        for (int x = span.x0; x < span.x1; x++) {
            double qx = std::fabs(x + 0.5 - cx) - hx, qy = std::fabs(y + 0.5 - cy) - hy;
            double fDistance = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
                               fRadius;
            Blend_Pixel(canvas, x, y, colour, fAlpha * Coverage(fDistance));
        }
}

Dice Make_Dice(uint32_t nSeed) { return {nSeed * 2654435761u + 0x9e3779b9u}; }

uint32_t Roll(Dice& dice) {
    // xorshift32; never allowed to reach the stuck state 0.
    uint32_t x = dice.nState ? dice.nState : 0x1234567u;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    dice.nState = x;
    return x;
}

int Roll_Below(Dice& dice, int n) { return n > 0 ? (int)(Roll(dice) % (uint32_t)n) : 0; }
double Roll_Unit(Dice& dice) { return (Roll(dice) >> 8) / 16777216.0; }

void Add_Grain(Canvas& canvas, uint32_t nSeed, int nAmount) {
    Dice dice = Make_Dice(nSeed);
    // Fibres first, then the per-pixel speckle over everything.
    int nFibres = canvas.nWidth * canvas.nHeight / 900;
    for (int i = 0; i < nFibres; i++) {
        double x = Roll_Unit(dice) * canvas.nWidth, y = Roll_Unit(dice) * canvas.nHeight;
        double fAngle = Roll_Unit(dice) * 6.2832, fLength = 3 + Roll_Unit(dice) * 9;
        Rgb tone = Roll_Below(dice, 2) ? Rgb{255, 255, 255} : Rgb{90, 70, 40};
        Draw_Line(canvas, x, y, x + std::cos(fAngle) * fLength, y + std::sin(fAngle) * fLength, 0.8, tone, 0.08);
    }
    for (size_t i = 0; i < canvas.pixels.size(); i += 3) {
        int nDelta = Roll_Below(dice, 2 * nAmount + 1) - nAmount;
        for (int c = 0; c < 3; c++) canvas.pixels[i + c] = (uint8_t)std::clamp(canvas.pixels[i + c] + nDelta, 0, 255);
    }
}

void Add_Vignette(Canvas& canvas, double fStrength) {
    for (int y = 0; y < canvas.nHeight; y++)
        for (int x = 0; x < canvas.nWidth; x++) {
            double dx = (x + 0.5) / canvas.nWidth * 2 - 1, dy = (y + 0.5) / canvas.nHeight * 2 - 1;
            double f = std::pow((dx * dx + dy * dy) / 2, 2) * fStrength;
            Blend_Pixel(canvas, x, y, {40, 28, 10}, f);
        }
}

void Mirror_Horizontally(Canvas& canvas) {
    for (int y = 0; y < canvas.nHeight; y++)
        for (int x = 0; x < canvas.nWidth / 2; x++) {
            uint8_t* a = &canvas.pixels[((size_t)y * canvas.nWidth + x) * 3];
            uint8_t* b = &canvas.pixels[((size_t)y * canvas.nWidth + canvas.nWidth - 1 - x) * 3];
            std::swap_ranges(a, a + 3, b);
        }
}
