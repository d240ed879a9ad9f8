#include "saved_game_test_support.h"

#include "platform/headless.h"

extern const PlatformOps g_HeadlessOps;

namespace {
ProgressLog g_Progress;
PlatformOps g_Recorder;

void Record_Open(const char* szCaption) {
    g_Progress.captions.push_back(szCaption);
    g_HeadlessOps.progress_open(szCaption);
}

void Record_Step(const char* szText, int nCount, int nMaximum) {
    g_Progress.nSteps++;
    g_HeadlessOps.progress_update(szText, nCount, nMaximum);
}
}  // namespace

ProgressLog& Progress_Log() { return g_Progress; }

void Install_Progress_Recorder() {
    g_Progress = ProgressLog();
    g_Recorder = g_HeadlessOps;
    g_Recorder.progress_open = Record_Open;
    g_Recorder.progress_update = Record_Step;
    Platform_Install(&g_Recorder);
}
