#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace orvane::framework {

// The folder of crash reports inside a program's data folder.
constexpr wchar_t CrashFolderName[] = L"crashes";

// The code of the structured exception that stands for a C++ exception that
// nothing caught (an application's own code: the customer bit set).
constexpr DWORD UnhandledCppExceptionCode = 0xE04F5243;

// From now on, an exception that nothing handles (an access violation, a
// stack overflow, a C++ exception that reaches std::terminate) leaves a
// report before the process ends: a minidump, "crash-DATE-TIME-PROCESS.dmp",
// and a one-line text record of the same name ending in ".txt", in the
// "crashes" folder of `dataFolder` (which ends with a backslash; the temporary
// folder when it is empty). The record gives the time, the program, the
// exception's code and meaning and the module it happened in with the offset
// there. Then a plain message box, titled `programTitle`, tells the player
// where the report is.
//
// Everything the report needs is prepared here, so that the crashed process
// only writes files: a process whose heap may be damaged should not build
// strings or load more than the system's dump library.
void StartCrashReports(std::wstring_view programTitle, const std::wstring& dataFolder);

// The folder that StartCrashReports chose, with its final backslash; empty
// before it is called.
const std::wstring& CrashReportFolder();

} // namespace orvane::framework
