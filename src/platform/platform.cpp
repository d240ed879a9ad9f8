#include "platform/platform.h"

#include <cstdio>

#include "base/random.h"

namespace {
const PlatformOps* g_pOps = nullptr;
int g_nProgressCount = 0;
int g_nProgressMaximum = 0;
bool g_bProgressOpen = false;
bool g_bStopRequested = false;
std::string g_szProgressText;
}  // namespace

extern const PlatformOps g_HeadlessOps;

static const PlatformOps& Ops() { return g_pOps ? *g_pOps : g_HeadlessOps; }

void Platform_Install(const PlatformOps* pOps) { g_pOps = pOps; }

void Message_Box(const char* szTitle, const char* szFormat, ...) {
    char szText[256];
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szText, sizeof szText, szFormat, args);
    va_end(args);
    Ops().notice(szTitle, szText);
}

void Quick_Message(const char* szFormat, ...) {
    char szText[256];
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szText, sizeof szText, szFormat, args);
    va_end(args);
    Ops().notice("Quick Message", szText);
}

int Ask_Yes_No(const char* szTitle, const char* szText) { return Ops().ask(ASK_YES_NO, szTitle, szText); }
int Ask_No_Yes(const char* szTitle, const char* szText) { return Ops().ask(ASK_NO_YES, szTitle, szText); }
int Ask_Ok_Cancel(const char* szTitle, const char* szText) { return Ops().ask(ASK_OK_CANCEL, szTitle, szText); }
int Ask_Yes_No_Cancel(const char* szTitle, const char* szText) {
    return Ops().ask(ASK_YES_NO_CANCEL, szTitle, szText);
}

void Open_Progress(const char* szCaption, int nMaximum) {
    g_nProgressCount = 0;
    g_nProgressMaximum = nMaximum;
    g_bProgressOpen = true;
    g_szProgressText.clear();
    Ops().progress_open(szCaption);
}

void Step_Progress(int n) {
    if (!g_bProgressOpen) return;
    for (int i = 0; i < n; i++) {
        if (g_nProgressCount < g_nProgressMaximum) g_nProgressCount++;
        char szText[32];
        snprintf(szText, sizeof szText, "%d%%", Ratio(100, g_nProgressCount, g_nProgressMaximum));
        g_szProgressText = szText;
        Ops().progress_update(szText, g_nProgressCount, g_nProgressMaximum);
    }
}

void Close_Progress() {
    if (!g_bProgressOpen) return;
    g_bProgressOpen = false;
    Ops().progress_close();
    Ops().pump_messages();
}

std::string Progress_Text() { return g_szProgressText; }

void Handle_Pending_Messages() { Ops().pump_messages(); }
void Request_Stop() { g_bStopRequested = true; }
bool Stop_Requested() { return g_bStopRequested; }
void Clear_Stop_Request() { g_bStopRequested = false; }

void Play_Sound(const char* szFile) { Ops().play_sound(szFile); }
void Draw_Picture(const char* szFile, int x, int y, int cx, int cy) { Ops().draw_picture(szFile, x, y, cx, cy); }
bool Open_Document(const char* szPath) { return Ops().open_document(szPath); }
