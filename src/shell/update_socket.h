// The conversation between the window and its update helper, shared by both
// programs: the helper is started with the window's id as its first argument
// and answers once, one line, on a local socket named after that id.
#pragma once
#include <QString>

// Answers, each a line of its own.
constexpr const char* UPDATE_NONE = "none";      // looked, nothing newer (or could not look)
constexpr const char* UPDATE_NEWER = "newer %1";  // a newer version number

// The socket name for the window id as the helper receives it ("0x%08x").
inline QString Update_Socket_Name(const QString& szWindowArgument) {
    return QString("brakvell-update-%1").arg(szWindowArgument.toLower());
}
