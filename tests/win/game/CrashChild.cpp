// A program that fails on purpose, for the crash-report test
// (CrashReportsTest.cpp). It starts crash reports as the game does, into the
// game's data folder, then fails in the way its command line names:
//
//   win_crash_child.exe access-violation   writes through a null pointer
//   win_crash_child.exe stack-overflow     recurses until the stack is gone
//   win_crash_child.exe cpp-exception      throws a C++ exception that nothing catches
#include "framework/CrashReports.h"
#include "game/DataFolder.h"

#include <windows.h>

#include <stdexcept>
#include <string_view>

namespace {

constexpr int UnknownFailure = 2;
constexpr size_t FrameBytes = 4096;

// Each call keeps a page of its own on the stack; the call through a
// volatile pointer is one the compiler cannot turn into a loop.
int Recurse(int depth);
int (*volatile recurse)(int) = &Recurse;

int Recurse(int depth)
{
    volatile char frame[FrameBytes];
    frame[0] = char(depth);
    return recurse(depth + 1) + frame[0];
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    orvane::framework::StartCrashReports(L"Orvane Sudoku", orvane::game::DataFolderPath());
    const std::wstring_view failure = commandLine;
    if (failure == L"access-violation") {
        // A volatile pointer: the compiler cannot see that it is null and
        // put a trap of its own in place of the write.
        volatile int* volatile nowhere = nullptr;
        *nowhere = 1;
    }
    if (failure == L"stack-overflow")
        return recurse(0);
    if (failure == L"cpp-exception")
        throw std::runtime_error("a test's exception that nothing catches");
    return UnknownFailure;
}
