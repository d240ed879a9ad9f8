#include "platform/headless.h"

#include <cstdio>
#include <deque>

#include "platform/platform.h"

namespace {
std::vector<RecordedNotice> g_Notices;
std::vector<RecordedNotice> g_Questions;
std::vector<std::string> g_LogLines;
std::deque<int> g_Answers;
int g_nDefaultAnswer = 0;  // 0: the question's default button (Yes or OK; No where No is the default)
bool g_bEcho = false;

void Notice(const char* szTitle, const char* szText) {
    g_Notices.push_back({szTitle, szText});
    if (g_bEcho) fprintf(stderr, "%s: %s\n", szTitle, szText);
}

int Ask(QuestionKind kind, const char* szTitle, const char* szText) {
    g_Questions.push_back({szTitle, szText});
    int nAnswer = g_nDefaultAnswer;
    if (!g_Answers.empty()) {
        nAnswer = g_Answers.front();
        g_Answers.pop_front();
    }
    if (nAnswer == 0) nAnswer = kind == ASK_OK_CANCEL ? ANSWER_OK : kind == ASK_NO_YES ? ANSWER_NO : ANSWER_YES;
    return nAnswer;
}

void Progress_Open(const char*) {}
void Progress_Update(const char*, int, int) {}
void Progress_Close() {}
void Pump() {}
void Sound(const char*) {}
void Picture(const char*, int, int, int, int) {}
bool Document(const char*) { return false; }
}  // namespace

extern const PlatformOps g_HeadlessOps = {Notice, Ask, Progress_Open, Progress_Update, Progress_Close,
                                          Pump,   Sound, Picture,      Document};

// Kept for tests; capped so that a long game in the window does not grow it without end.
void Headless_Record_Log(const char* szKind, const char* szText) {
    if (g_LogLines.size() >= 10000) return;
    g_LogLines.push_back(std::string(szKind) + ": " + szText);
}

void Headless_Reset() {
    g_Notices.clear();
    g_Questions.clear();
    g_LogLines.clear();
    g_Answers.clear();
    g_nDefaultAnswer = 0;
    Clear_Stop_Request();
}

void Headless_Push_Answer(int nAnswer) { g_Answers.push_back(nAnswer); }
void Headless_Set_Default_Answer(int nAnswer) { g_nDefaultAnswer = nAnswer; }
void Headless_Echo_Notices(bool bEcho) { g_bEcho = bEcho; }
const std::vector<RecordedNotice>& Headless_Notices() { return g_Notices; }
const std::vector<RecordedNotice>& Headless_Questions() { return g_Questions; }
const std::vector<std::string>& Headless_Log_Lines() { return g_LogLines; }
