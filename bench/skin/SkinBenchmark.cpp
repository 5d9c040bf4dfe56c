// Measures the skin engine on real windows under the program's own message
// handling, each figure a ratio against a reference measured in the same run:
//   paint    one PaintFrame of the game's main window against one copy of
//            the same frame area (title, two sides, bottom) onto the window
//   region   one UpdateRegion (region built and set) against the same copy
//   start    the game's four windows made and the main window shown until
//            its first paint, skinned against the engine switched off
//   move     frames per second while a sizeable skinned window is moved and
//            resized by a script, against the same window unskinned
// Run it under Wine (see README.md); it prints medians of rounds.
#include "framework/GdiOwners.h"
#include "framework/TBitmap.h"
#include "framework/TApplication.h"
#include "game/Ufrmda.h"
#include "game/Ufrmtk.h"
#include "game/main/TForm1.h"
#include "game/umyfun.h"
#include "skin/TvelSkinEngine.h"
#include "skin/TvelSkinWindow.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace orvane;
using namespace orvane::framework;

constexpr int Rounds = 9;

double Seconds()
{
    LARGE_INTEGER frequency{};
    LARGE_INTEGER now{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Seconds per call of `work`, the median of rounds of `count` calls.
double PerCall(int count, const std::function<void()>& work)
{
    std::vector<double> rounds;
    for (int round = 0; round < Rounds; ++round) {
        const double start = Seconds();
        for (int i = 0; i < count; ++i)
            work();
        GdiFlush();
        rounds.push_back((Seconds() - start) / count);
    }
    return Median(rounds);
}

struct TGame {
    TGame()
    {
        Application->CreateForm(game::Form1);
        Application->CreateForm(game::frmtk);
        Application->CreateForm(game::frmda);
        Application->CreateForm(game::myfun);
    }
    ~TGame()
    {
        delete game::myfun;
        delete game::frmda;
        delete game::frmtk;
        delete game::Form1;
        game::myfun = nullptr;
        game::frmda = nullptr;
        game::frmtk = nullptr;
        game::Form1 = nullptr;
        Pump();
    }
};

void MeasurePaintAndRegion()
{
    TGame game;
    game::Form1->Show();
    Pump();
    HWND window = game::Form1->Handle();
    skin::TvelSkinWindow* frame = game::Form1->velSkinEngine1->FindWindowObject(window);
    if (!frame) {
        std::printf("paint:  the main window is not skinned\n");
        return;
    }
    RECT bounds{};
    RECT client{};
    GetWindowRect(window, &bounds);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int top = client.top - bounds.top;
    const int left = client.left - bounds.left;
    const int right = bounds.right - client.right;
    const int bottom = bounds.bottom - client.bottom;

    // The same area as four plain copies from a picture in memory of the
    // window's size (a 32-bit DIB section, as the frame's bands are).
    const TWindowDC windowDc(window);
    TBitmap source(width, height);
    struct {
        HDC Handle() const { return dc; }
        HDC dc;
    } memory{source.Canvas().Handle()};
    const auto copyFrame = [&] {
        BitBlt(windowDc.Handle(), 0, 0, width, top, memory.Handle(), 0, 0, SRCCOPY);
        BitBlt(windowDc.Handle(), 0, top, left, height - top - bottom, memory.Handle(), 0, top, SRCCOPY);
        BitBlt(windowDc.Handle(), width - right, top, right, height - top - bottom, memory.Handle(), width - right,
               top, SRCCOPY);
        BitBlt(windowDc.Handle(), 0, height - bottom, width, bottom, memory.Handle(), 0, height - bottom, SRCCOPY);
    };
    const double copy = PerCall(200, copyFrame);
    const double paint = PerCall(200, [&] { frame->PaintFrame(); });
    const double region = PerCall(200, [&] { frame->UpdateRegion(); });
    std::printf("paint:  PaintFrame %.1f us, copy of the frame area %.1f us, ratio %.2f (aim <= 3)\n", paint * 1e6,
                copy * 1e6, paint / copy);
    std::printf("region: UpdateRegion %.1f us, ratio to the copy %.2f\n", region * 1e6, region / copy);
}

// From making the game's windows until the main window's first paint.
double StartOnce(bool skinned)
{
    game::TForm1::LayoutSkinActive = skinned;
    const double start = Seconds();
    TGame game;
    game::Form1->Show();
    UpdateWindow(game::Form1->Handle());
    const double shown = Seconds() - start;
    game::TForm1::LayoutSkinActive = true;
    return shown;
}

void MeasureStart()
{
    StartOnce(true); // warms the caches of both
    StartOnce(false);
    std::vector<double> skinned;
    std::vector<double> plain;
    for (int round = 0; round < Rounds; ++round) {
        skinned.push_back(StartOnce(true));
        plain.push_back(StartOnce(false));
    }
    const double on = Median(skinned);
    const double off = Median(plain);
    std::printf("start:  skinned %.1f ms, engine off %.1f ms, ratio %.2f (aim <= 1.1)\n", on * 1e3, off * 1e3,
                on / off);
}

// Frames per second while a script moves and resizes the window, each step
// painted at once.
double FramesPerSecond(TCustomForm& form)
{
    HWND window = form.Handle();
    constexpr int Steps = 120;
    std::vector<double> rounds;
    for (int round = 0; round < Rounds; ++round) {
        const double start = Seconds();
        for (int step = 0; step < Steps; ++step) {
            const int phase = step % 40;
            SetWindowPos(window, nullptr, 100 + phase * 3, 100 + phase * 2, 420 + phase * 4, 320 + phase * 3,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            Pump();
        }
        rounds.push_back(Steps / (Seconds() - start));
    }
    return Median(rounds);
}

void MeasureMoving()
{
    TGame game;
    game::Form1->SetBorderStyle(TFormBorderStyle::bsSizeable);
    game::Form1->RecreateWnd();
    game::Form1->Show();
    Pump();
    const double skinned = FramesPerSecond(*game::Form1);
    game::Form1->velSkinEngine1->SetActive(false);
    Pump();
    const double plain = FramesPerSecond(*game::Form1);
    std::printf("move:   skinned %.0f frames/s, unskinned %.0f frames/s, ratio %.2f\n", skinned, plain,
                skinned / plain);
}

} // namespace

int main()
{
    TApplication application;
    application.SetTitle(L"Orvane Sudoku 1.0");
    MeasurePaintAndRegion();
    MeasureStart();
    MeasureMoving();
    return 0;
}
