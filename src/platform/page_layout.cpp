#include "platform/page_layout.h"

#include "base/random.h"

namespace {
struct PageFont {
    int nHeight;
    const char* szFace;
};

const PageFont FONTS[NUMBER_OF_PAGE_FONTS] = {
    {10, "Arial"}, {12, "Arial"},           {14, "Arial"},           {21, "Arial"},       {20, "Times New Roman"},
    {28, "Times New Roman"}, {36, "Times New Roman"}, {14, "Courier New"}, {13, "Arial"}, {48, "Arial"},
};
}  // namespace

int Scale_X(int x, int nClientWidth) {
    return nClientWidth == LOGICAL_PAGE_WIDTH ? x : Ratio(x, nClientWidth, LOGICAL_PAGE_WIDTH);
}

int Scale_Y(int y, int nClientHeight) {
    return nClientHeight == LOGICAL_PAGE_HEIGHT ? y : Ratio(y, nClientHeight, LOGICAL_PAGE_HEIGHT);
}

int Page_Font_Height(int nIndex, int nWindowWidth, int nWindowHeight) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_PAGE_FONTS) return 0;
    int nHeight = FONTS[nIndex].nHeight;
    if (nWindowWidth < nWindowHeight) return nHeight * nWindowWidth / LOGICAL_PAGE_WIDTH;
    return nHeight * nWindowHeight / LOGICAL_PAGE_HEIGHT;
}

const char* Page_Font_Face(int nIndex) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_PAGE_FONTS) return nullptr;
    return FONTS[nIndex].szFace;
}
