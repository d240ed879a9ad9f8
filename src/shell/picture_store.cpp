#include "shell/picture_store.h"

#include <QPainter>
#include <QString>
#include <cstdint>
#include <cstring>
#include <strings.h>
#include <vector>

#include "base/random.h"
#include "platform/files.h"
#include "platform/page_layout.h"
#include "platform/picture.h"
#include "shell/drawing.h"

namespace {
struct StoredPicture {
    QString szName;
    QImage image;
    uint64_t nStamp = 0;
};

struct Slot {
    QString szName;
    QImage image;
};

Slot g_PageBackground, g_DialogBackground;
StoredPicture g_aStores[PICTURE_STORES][PICTURES_PER_STORE];
uint64_t g_nStamp = 0;
const QImage NO_PICTURE;

bool Ends_With_Jpg(const char* szName) {
    size_t nLength = strlen(szName);
    return nLength >= 4 && strcasecmp(szName + nLength - 4, ".jpg") == 0;
}

QImage Decode(const char* szName) {
    if (!Ends_With_Jpg(szName)) {
        std::string szPath = Find_Data_File(szName);
        return szPath.empty() ? QImage() : QImage(QString::fromStdString(szPath), "BMP");
    }
    int nWidth = 0, nHeight = 0;
    std::vector<uint8_t> pixels;
    if (!Decode_Jpeg_File(szName, nWidth, nHeight, pixels)) return QImage();
    QImage image(nWidth, nHeight, QImage::Format_RGB888);
    for (int y = 0; y < nHeight; y++) memcpy(image.scanLine(y), pixels.data() + (size_t)y * nWidth * 3, nWidth * 3);
    return image;
}

const QImage& Slot_Picture(Slot& slot, const char* szName) {
    QString szWanted = QString::fromUtf8(szName);
    if (slot.image.isNull() || slot.szName.compare(szWanted, Qt::CaseInsensitive) != 0) {
        slot.szName = szWanted;
        slot.image = Load_Picture(szName);
    }
    return slot.image;
}
}  // namespace

QImage Load_Picture(const char* szName) {
    if (!szName || !*szName) return QImage();
    if (strcasecmp(szName, "HalvercornLogo.jpg") == 0) return Built_In_Logo();
    if (strcasecmp(szName, "HalvercornLogoPattern.jpg") == 0) return Built_In_Pattern();
    return Decode(szName);
}

const QImage& Page_Background_Picture(const char* szName) { return Slot_Picture(g_PageBackground, szName); }
const QImage& Dialog_Background_Picture(const char* szName) { return Slot_Picture(g_DialogBackground, szName); }

const QImage& Store_Picture(int nStore, const char* szName) {
    if (nStore < 0 || nStore >= PICTURE_STORES || !szName || !*szName) return NO_PICTURE;
    QString szWanted = QString::fromUtf8(szName);
    StoredPicture* pStore = g_aStores[nStore];
    StoredPicture* pVictim = &pStore[0];
    for (int i = 0; i < PICTURES_PER_STORE; i++) {
        StoredPicture& entry = pStore[i];
        if (!entry.image.isNull() && entry.szName.compare(szWanted, Qt::CaseInsensitive) == 0) {
            entry.nStamp = ++g_nStamp;
            return entry.image;
        }
        // A free entry wins; among full ones the one drawn longest ago.
        if (!pVictim->image.isNull() && (entry.image.isNull() || entry.nStamp < pVictim->nStamp)) pVictim = &entry;
    }
    QImage image = Load_Picture(szName);
    if (image.isNull()) return NO_PICTURE;
    pVictim->szName = szWanted;
    pVictim->image = image;
    pVictim->nStamp = ++g_nStamp;
    return pVictim->image;
}

void Empty_Picture_Stores() {
    for (auto& store : g_aStores)
        for (StoredPicture& entry : store) entry = StoredPicture();
}

int Stored_Picture_Count(int nStore) {
    if (nStore < 0 || nStore >= PICTURE_STORES) return 0;
    int nCount = 0;
    for (const StoredPicture& entry : g_aStores[nStore]) nCount += !entry.image.isNull();
    return nCount;
}

void Draw_Store_Picture(QPainter& painter, int nWidth, int nHeight, const char* szName, int x, int y, int cx,
                        int cy, int nVisibleHeight) {
    const QImage& image = Store_Picture(0, szName);
    if (image.isNull() || cx <= 0 || cy <= 0) return;
    QRect source = image.rect();
    int nBoxHeight = cy;
    if (nVisibleHeight > 0 && nVisibleHeight < cy) {
        source.setHeight(Max(1, image.height() * nVisibleHeight / cy));
        nBoxHeight = nVisibleHeight;
    }
    painter.drawImage(Scale_Rect(nWidth, nHeight, x, y, x + cx, y + nBoxHeight), image, source);
}
