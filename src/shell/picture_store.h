// Pictures by the game's names: decoded once, kept in a page-background slot,
// a dialog-background slot and two stores of 100 for buttons, helmets and
// photos (the least recently drawn entry makes room).
#pragma once
#include <QImage>

class QPainter;

constexpr int PICTURE_STORES = 2;
constexpr int PICTURES_PER_STORE = 100;

// The decoded picture, a built-in one, or a null image when the file is
// missing or damaged. Not cached.
QImage Load_Picture(const char* szName);
QImage Built_In_Logo();
QImage Built_In_Pattern();

// Cached lookups; a missing picture comes back null (and is asked for again next time).
const QImage& Page_Background_Picture(const char* szName);
const QImage& Dialog_Background_Picture(const char* szName);
const QImage& Store_Picture(int nStore, const char* szName);
void Empty_Picture_Stores();
int Stored_Picture_Count(int nStore);

// Draws into a page of nWidth x nHeight pixels at logical coordinates; with
// nVisibleHeight > 0 only that top part of the box (and of the picture) is drawn.
void Draw_Store_Picture(QPainter& painter, int nWidth, int nHeight, const char* szName, int x, int y, int cx,
                        int cy, int nVisibleHeight = 0);
