// The only door from the game logic to the user and the desktop.
// The logic calls these functions; a front end (headless or Qt) installs the
// operations that carry them out. Nothing here depends on a GUI toolkit.
#pragma once
#include <cstdarg>
#include <string>

enum {
    ANSWER_OK = 1,
    ANSWER_CANCEL = 2,
    ANSWER_YES = 6,
    ANSWER_NO = 7,
};

// ASK_NO_YES is Yes/No with No the default: a question a slip of Enter must not answer.
enum QuestionKind { ASK_YES_NO, ASK_OK_CANCEL, ASK_YES_NO_CANCEL, ASK_NO_YES };

// What a front end provides. Every member must be set.
struct PlatformOps {
    void (*notice)(const char* szTitle, const char* szText);
    int (*ask)(QuestionKind kind, const char* szTitle, const char* szText);
    void (*progress_open)(const char* szCaption);
    void (*progress_update)(const char* szText, int nCount, int nMaximum);
    void (*progress_close)();
    void (*pump_messages)();  // handle pending input between games
    void (*play_sound)(const char* szFile);
    void (*draw_picture)(const char* szFile, int x, int y, int cx, int cy);
    bool (*open_document)(const char* szPath);
};

// Installs a front end; nullptr restores the headless one.
void Platform_Install(const PlatformOps* pOps);

// Notices and questions. Texts are formatted into 256 characters.
void Message_Box(const char* szTitle, const char* szFormat, ...) __attribute__((format(printf, 2, 3)));
void Quick_Message(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));
int Ask_Yes_No(const char* szTitle, const char* szText);
int Ask_No_Yes(const char* szTitle, const char* szText);
int Ask_Ok_Cancel(const char* szTitle, const char* szText);
int Ask_Yes_No_Cancel(const char* szTitle, const char* szText);

// The progress window: "%d%%" of the steps taken so far.
void Open_Progress(const char* szCaption, int nMaximum);
void Step_Progress(int n = 1);
void Close_Progress();
std::string Progress_Text();

// Between games the season loop lets the front end handle input; a "Stop"
// chosen there is remembered until the loop clears it.
void Handle_Pending_Messages();
void Request_Stop();
bool Stop_Requested();
void Clear_Stop_Request();

void Play_Sound(const char* szFile);
void Draw_Picture(const char* szFile, int x, int y, int cx, int cy);
bool Open_Document(const char* szPath);

// The error and warning log, "debug.txt" in the working directory.
void Error_Log(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));
void Warning_Log(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));
void Delete_Log();
