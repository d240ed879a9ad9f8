#include "emblems.h"

#include <cmath>

void Draw_Trophy(Canvas& canvas, double cx, double yBottom, double fHeight, Rgb metal) {
    double h = fHeight, w = fHeight * 0.62;
    Rgb dark = Shade(metal, 0.6), light = Shade(metal, 1.5);
    // Base, stem, cup, handles; the highlight last.
    Fill_Rect(canvas, cx - w * 0.42, yBottom - h * 0.12, cx + w * 0.42, yBottom, Shade({90, 60, 40}, 0.8));
    Fill_Rect(canvas, cx - w * 0.42, yBottom - h * 0.12, cx + w * 0.42, yBottom - h * 0.1, light, 0.5);
    Fill_Polygon(canvas, {{cx - w * 0.3, yBottom - h * 0.12}, {cx + w * 0.3, yBottom - h * 0.12},
                          {cx + w * 0.2, yBottom - h * 0.2}, {cx - w * 0.2, yBottom - h * 0.2}}, dark);
    Fill_Rect(canvas, cx - w * 0.06, yBottom - h * 0.42, cx + w * 0.06, yBottom - h * 0.2, metal);
    Fill_Ellipse(canvas, cx, yBottom - h * 0.42, w * 0.14, h * 0.04, dark);
    Ring(canvas, cx - w * 0.5, yBottom - h * 0.78, w * 0.16, w * 0.07, dark);
    Ring(canvas, cx + w * 0.5, yBottom - h * 0.78, w * 0.16, w * 0.07, dark);
    std::vector<Point> cup;
    for (int i = 0; i <= 20; i++) {
        double t = i / 20.0 * M_PI;
        cup.push_back({cx - std::cos(t) * w * 0.5, yBottom - h * 0.95 + std::sin(t) * h * 0.5});
    }
    Fill_Polygon(canvas, cup, metal);
    Fill_Ellipse(canvas, cx, yBottom - h * 0.95, w * 0.5, h * 0.05, dark);
    Fill_Ellipse(canvas, cx - w * 0.22, yBottom - h * 0.78, w * 0.06, h * 0.14, light, 0.7);
}

void Draw_Football(Canvas& canvas, double cx, double cy, double fLength, double fAngle) {
    double c = std::cos(fAngle), s = std::sin(fAngle), a = fLength / 2, b = fLength * 0.3;
    std::vector<Point> outline;
    for (int i = 0; i < 40; i++) {
        double t = i / 40.0 * 2 * M_PI;
        // Pointed ends: the half-width follows sin to a power below one.
        double x = a * std::cos(t), y = b * std::pow(std::fabs(std::sin(t)), 0.8) * (std::sin(t) < 0 ? -1 : 1);
        outline.push_back({cx + x * c - y * s, cy + x * s + y * c});
    }
    Fill_Polygon(canvas, outline, {120, 62, 28});
    double fLace = fLength * 0.03;
    Draw_Line(canvas, cx - a * 0.3 * c, cy - a * 0.3 * s, cx + a * 0.3 * c, cy + a * 0.3 * s, fLace, {245, 240, 225});
    for (int i = -2; i <= 2; i++) {
        double px = cx + i * a * 0.13 * c, py = cy + i * a * 0.13 * s;
        Draw_Line(canvas, px + b * 0.22 * s, py - b * 0.22 * c, px - b * 0.22 * s, py + b * 0.22 * c, fLace,
                  {245, 240, 225});
    }
}

void Draw_Star(Canvas& canvas, double cx, double cy, double fRadius, Rgb colour) {
    std::vector<Point> points;
    for (int i = 0; i < 10; i++) {
        double t = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? fRadius * 0.42 : fRadius;
        points.push_back({cx + std::cos(t) * r, cy + std::sin(t) * r});
    }
    Fill_Polygon(canvas, points, colour);
}

void Draw_Pennant(Canvas& canvas, double x0, double y0, double fLength, double fHeight, Rgb colour) {
    Fill_Rect(canvas, x0 - fHeight * 0.06, y0 - fHeight * 0.1, x0, y0 + fHeight * 2.2, {110, 80, 50});
    Fill_Polygon(canvas, {{x0, y0}, {x0 + fLength, y0 + fHeight / 2}, {x0, y0 + fHeight}}, colour);
    Fill_Polygon(canvas, {{x0, y0 + fHeight * 0.78}, {x0 + fLength * 0.8, y0 + fHeight * 0.58}, {x0, y0 + fHeight}},
                 Shade(colour, 0.75));
}
