// The page area every page is laid out in, and the ten page fonts. Pages
// use logical units; the window scales them to its client area.
#pragma once

constexpr int LOGICAL_PAGE_WIDTH = 636;
constexpr int LOGICAL_PAGE_HEIGHT = 438;
constexpr int NUMBER_OF_PAGE_FONTS = 10;

// Rounded multiply-divide; the identity when the client is 636 x 438.
int Scale_X(int x, int nClientWidth);
int Scale_Y(int y, int nClientHeight);

// Height in pixels of page font nIndex for a window of the given outer size:
// scaled by width when the window is narrower than tall, else by height.
// 0 for an index outside 0..9.
int Page_Font_Height(int nIndex, int nWindowWidth, int nWindowHeight);
// "Arial", "Times New Roman" or "Courier New"; nullptr for a bad index.
const char* Page_Font_Face(int nIndex);
