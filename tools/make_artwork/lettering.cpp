#include "lettering.h"

#include <cctype>

namespace {
struct Glyph {
    char c;
    const char* aszRows[7];
};

const Glyph GLYPHS[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".....", "..#.."}},
    {',', {".....", ".....", ".....", ".....", ".....", "..#..", ".#..."}},
    {'\'', {"..#..", "..#..", ".#...", ".....", ".....", ".....", "....."}},
    {'-', {".....", ".....", ".....", ".###.", ".....", ".....", "....."}},
    {':', {".....", "..#..", ".....", ".....", ".....", "..#..", "....."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'&', {".##..", "#..#.", "#.#..", ".#...", "#.#.#", "#..#.", ".##.#"}},
    {'/', {"....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."}},
    {'$', {"..#..", ".####", "#.#..", ".###.", "..#.#", "####.", "..#.."}},
    {'#', {".#.#.", ".#.#.", "#####", ".#.#.", "#####", ".#.#.", ".#.#."}},
};

const Glyph* Find_Glyph(char c) {
    c = (char)toupper((unsigned char)c);
    for (const Glyph& glyph : GLYPHS)
        if (glyph.c == c) return &glyph;
    return nullptr;
}

bool Set(const Glyph& glyph, int nColumn, int nRow) {
    return nColumn >= 0 && nColumn < 5 && nRow >= 0 && nRow < 7 && glyph.aszRows[nRow][nColumn] == '#';
}

// Neighbouring dots are joined; a diagonal only where no corner dot already joins them.
void Draw_Glyph(Canvas& canvas, const Glyph& glyph, double x, double y, double fCell, Rgb colour) {
    double fStroke = fCell * 1.15;
    auto Centre_X = [&](int c) { return x + (c + 0.5) * fCell; };
    auto Centre_Y = [&](int r) { return y + (r + 0.5) * fCell; };
    for (int r = 0; r < 7; r++)
        for (int c = 0; c < 5; c++) {
            if (!Set(glyph, c, r)) continue;
            bool bJoined = false;
            if (Set(glyph, c + 1, r)) {
                Draw_Line(canvas, Centre_X(c), Centre_Y(r), Centre_X(c + 1), Centre_Y(r), fStroke, colour);
                bJoined = true;
            }
            if (Set(glyph, c, r + 1)) {
                Draw_Line(canvas, Centre_X(c), Centre_Y(r), Centre_X(c), Centre_Y(r + 1), fStroke, colour);
                bJoined = true;
            }
            for (int d = -1; d <= 1; d += 2)
                if (Set(glyph, c + d, r + 1) && !Set(glyph, c + d, r) && !Set(glyph, c, r + 1)) {
                    Draw_Line(canvas, Centre_X(c), Centre_Y(r), Centre_X(c + d), Centre_Y(r + 1), fStroke, colour);
                    bJoined = true;
                }
            bool bReached = Set(glyph, c - 1, r) || Set(glyph, c, r - 1) ||
                            (Set(glyph, c - 1, r - 1) && !Set(glyph, c - 1, r) && !Set(glyph, c, r - 1)) ||
                            (Set(glyph, c + 1, r - 1) && !Set(glyph, c + 1, r) && !Set(glyph, c, r - 1));
            if (!bJoined && !bReached) Fill_Ellipse(canvas, Centre_X(c), Centre_Y(r), fStroke / 2, fStroke / 2, colour);
        }
}
}  // namespace

double Lettering_Width(const std::string& szText, double fHeight) {
    double fCell = fHeight / 7;
    return szText.empty() ? 0 : (szText.size() * 6 - 1) * fCell;
}

void Draw_Lettering(Canvas& canvas, const std::string& szText, double x, double y, double fHeight, Rgb colour) {
    double fCell = fHeight / 7;
    for (char c : szText) {
        if (const Glyph* pGlyph = Find_Glyph(c)) Draw_Glyph(canvas, *pGlyph, x, y, fCell, colour);
        x += 6 * fCell;
    }
}

void Draw_Centred_Lettering(Canvas& canvas, const std::string& szText, double cx, double y, double fHeight,
                            Rgb colour, bool bShadow) {
    double x = cx - Lettering_Width(szText, fHeight) / 2;
    if (bShadow) Draw_Lettering(canvas, szText, x + fHeight / 14, y + fHeight / 14, fHeight, {0, 0, 0});
    Draw_Lettering(canvas, szText, x, y, fHeight, colour);
}
