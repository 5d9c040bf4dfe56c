#include "core/puzzle/PuzzlePosition.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

// The portable core runs inside a Windows process as it does natively.
TEST(WindowsChain, CorePositionWorksUnderWindows)
{
    orvane::PuzzlePosition position;
    EXPECT_EQ(position.GivensText(), std::string(81, '0'));
}

// A real top-level window, with a wide caption, created and destroyed.
TEST(WindowsChain, CreatesAWindowWithAWideCaption)
{
    const wchar_t caption[] = L"Orvane Sudoku 1.0 \u00e9\u4e2d";
    HWND window = CreateWindowExW(0, L"STATIC", caption, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    wchar_t read[64] = {};
    GetWindowTextW(window, read, 64);
    EXPECT_EQ(std::wstring(read), std::wstring(caption));
    EXPECT_TRUE(DestroyWindow(window));
}

} // namespace
