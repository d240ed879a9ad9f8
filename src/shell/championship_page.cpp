// The championship page: the season's best human result, celebrated.
#include <QPainter>

#include "commands/game_commands.h"
#include "platform/platform.h"
#include "reports/championship.h"
#include "shell/drawing.h"
#include "shell/page_view.h"
#include "shell/picture_store.h"
#include "shell/season_pages.h"

namespace {
void Draw_Championship(const PageDevice& device) {
    ChampionshipPage page;
    Fill_Championship_Page(&page);
    const QImage& background =
        Page_Background_Picture(page.szPicture ? page.szPicture : Page_Background(PAGE_NONE));
    if (!background.isNull())
        device.pPainter->drawImage(QRect(0, 0, device.nWidth, device.nHeight), background);
    if (page.nTeam == NO_TEAM) return;
    int nFlags = TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHADOW | TEXT_SHRINK;
    Draw_Page_Text(device, page.szYear, 140, 40, 500, 94, nFlags, 6, Qt::white);
    Draw_Page_Text(device, page.szTeam, 140, 350, 500, 404, nFlags, 6, Qt::white);
}

void Celebrate() {
    ChampionshipPage page;
    Fill_Championship_Page(&page);
    if (page.szSound) Play_Sound(page.szSound);
}
} // namespace

void Register_Championship_Page() {
    Register_Page(PAGE_CHAMPIONSHIP, Draw_Championship, nullptr);
    Register_Page_Opener(PAGE_CHAMPIONSHIP, Celebrate);
}
