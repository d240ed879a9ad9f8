// The headless front end: notices and log lines are recorded, questions are
// answered from a script. Serves the tests and the command-line tool.
#pragma once
#include <string>
#include <vector>

struct RecordedNotice {
    std::string title;
    std::string text;
};

void Headless_Reset();  // forget notices, log lines, answers and the stop request
void Headless_Push_Answer(int nAnswer);
void Headless_Set_Default_Answer(int nAnswer);  // used when the script is empty
void Headless_Echo_Notices(bool bEcho);         // also print notices on stderr
const std::vector<RecordedNotice>& Headless_Notices();
const std::vector<RecordedNotice>& Headless_Questions();
const std::vector<std::string>& Headless_Log_Lines();  // "ERROR: ..." / "Warning: ..." without the time
