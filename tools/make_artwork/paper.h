// Newspaper pages: the paper, and drawing in the pages' logical units
// (636 x 438), which the pictures hold at PAGE_SCALE pixels per unit.
#pragma once
#include <cstdint>
#include <string>

#include "canvas.h"

constexpr int PAGE_SCALE = 2;
constexpr Rgb PAPER = {236, 229, 208};
constexpr Rgb INK = {38, 34, 30};
constexpr Rgb GOLD = {212, 172, 72};
constexpr Rgb HEADING_TAN = {196, 178, 136};

Canvas Make_Paper(uint32_t nSeed);
// A dark page (hall of fame, championships): a gradient with a little grain.
Canvas Make_Dark_Page(Rgb top, Rgb bottom, uint32_t nSeed);

void Page_Fill(Canvas& page, double x0, double y0, double x1, double y1, Rgb colour, double fAlpha = 1);
void Page_Gradient(Canvas& page, double x0, double y0, double x1, double y1, Rgb top, Rgb bottom);
void Page_Frame(Canvas& page, double x0, double y0, double x1, double y1, double fWidth, Rgb colour,
                double fAlpha = 1);
void Page_Line(Canvas& page, double x0, double y0, double x1, double y1, double fWidth, Rgb colour,
               double fAlpha = 1);
// A heading cell: tinted, ruled, with a lighter top edge, for a heading the page writes.
void Page_Heading_Cell(Canvas& page, double x0, double y0, double x1, double y1);
// A dark band across the page for a title the page writes in a light colour, gold-ruled.
void Page_Title_Band(Canvas& page, double y0, double y1, Rgb colour);
// A raised button face.
void Page_Button(Canvas& page, double x0, double y0, double x1, double y1, Rgb face);
// A thick rule over a thin one, the newspaper way.
void Page_Double_Rule(Canvas& page, double x0, double x1, double y, Rgb colour);
void Page_Lettering(Canvas& page, const std::string& szText, double x, double y, double fHeight, Rgb colour);
void Page_Centred_Lettering(Canvas& page, const std::string& szText, double cx, double y, double fHeight,
                            Rgb colour, bool bShadow = false);
// Grey lines that read as small print from a distance.
void Page_Small_Print(Canvas& page, double x0, double y0, double x1, double y1, uint32_t nSeed);
// A plaque for text the page writes on a dark picture: dark, gold-framed.
void Page_Plaque(Canvas& page, double x0, double y0, double x1, double y1, Rgb face);
