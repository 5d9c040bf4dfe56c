// Measures the skin engine on real windows under the program's own message
// handling, each figure a ratio against a reference measured in the same run:
//   paint    one PaintFrame of the game's main window whose state did not
//            change (the kept bands copied) against one copy of the same
//            frame area (title, two sides, bottom) onto the window
//   change   one WM_NCACTIVATE that turns the caption's colour (the title
//            composed again and the frame painted) against the same copy
//   region   one region built and set against the same copy
//   dpi      one PaintFrame of the same window at 192 DPI (told by
//            WM_DPICHANGED that it moved to such a monitor: its frame takes
//            the look prepared for 192 DPI) against one at 96 DPI
//   hit      WM_NCHITTEST and WM_NCMOUSEMOVE over the title, the pointer
//            on it: the frames painted and the bands composed meanwhile
//   start    the game's four windows made and the main window shown until
//            its first paint, skinned against the engine switched off
//   move     frames per second while a sizeable skinned window is moved and
//            resized by a script, against the same window unskinned
// Run it under Wine (see README.md); it prints medians of rounds.
#include "core/base/DpiScale.h"
#include "framework/GdiOwners.h"
#include "framework/TBitmap.h"
#include "framework/TApplication.h"
#include "game/Ufrmda.h"
#include "game/Ufrmtk.h"
#include "game/main/TForm1.h"
#include "game/umyfun.h"
#include "skin/FrameDC.h"
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
    // Rounds alternate between the figures, so that a busy moment of the
    // machine hits all of them alike; each ratio is the median of the rounds'.
    bool active = true;
    const auto changeActivation = [&] {
        active = !active;
        SendMessageW(window, WM_NCACTIVATE, active, 0);
    };
    // A paint has to get the window's device context, which the copy
    // reference does once for all of its calls: its share is shown apart,
    // beside what GetWindowDC would cost in its place.
    const auto frameDcOnly = [&] { const skin::TFrameDC dc(window); };
    const auto windowDcOnly = [&] {
        HDC dc = GetWindowDC(window);
        ReleaseDC(window, dc);
    };
    std::vector<double> copies, paints, changes, regions, dcs, plainDcs;
    for (int round = 0; round < Rounds; ++round) {
        const double copy = PerCall(50, copyFrame);
        copies.push_back(copy);
        paints.push_back(PerCall(50, [&] { frame->PaintFrame(); }) / copy);
        dcs.push_back(PerCall(50, frameDcOnly) / copy);
        plainDcs.push_back(PerCall(50, windowDcOnly) / copy);
        changes.push_back(PerCall(50, changeActivation) / copy);
        regions.push_back(PerCall(50, [&] { frame->UpdateRegion(skin::TRegionUpdate::Always); }) / copy);
    }
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    const double copy = Median(copies);
    const double paint = Median(paints);
    std::printf("paint:  PaintFrame %.1f us, copy of the frame area %.1f us, ratio %.2f (aim <= 3)\n",
                paint * copy * 1e6, copy * 1e6, paint);
    std::printf("        of which the window's device context (GetDCEx keeping attributes, ReleaseDC) %.1f us, "
                "ratio %.2f; GetWindowDC and ReleaseDC instead %.1f us, ratio %.2f\n",
                Median(dcs) * copy * 1e6, Median(dcs), Median(plainDcs) * copy * 1e6, Median(plainDcs));
    std::printf("change: WM_NCACTIVATE (title composed again) %.1f us, ratio to the copy %.2f\n",
                Median(changes) * copy * 1e6, Median(changes));
    std::printf("region: region built and set %.1f us, ratio to the copy %.2f\n", Median(regions) * copy * 1e6,
                Median(regions));

    // The window told that it moved to a monitor of another DPI, its frame
    // then drawn from the look prepared for that DPI; the suggested
    // rectangle keeps the top-left corner, as the system's does. The form's
    // client area is scaled as the program scales it at that DPI, so that
    // the frame around it has four times the pixels at 192 DPI.
    const int clientWidth = game::Form1->ClientWidth();
    const int clientHeight = game::Form1->ClientHeight();
    const auto moveToDpi = [&](unsigned dpi) {
        RECT now{};
        GetWindowRect(window, &now);
        const unsigned from = frame->FrameDpi();
        RECT suggested = now;
        suggested.right = now.left + MulDiv(now.right - now.left, int(dpi), int(from));
        suggested.bottom = now.top + MulDiv(now.bottom - now.top, int(dpi), int(from));
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
        game::Form1->SetClientSize(ScaleForDpi(clientWidth, dpi), ScaleForDpi(clientHeight, dpi));
        Pump();
        frame->PaintFrame(); // the bands composed for the new size, before the rounds
    };
    std::vector<double> at96, at192, dpiRatios;
    for (int round = 0; round < Rounds; ++round) {
        moveToDpi(96);
        at96.push_back(PerCall(50, [&] { frame->PaintFrame(); }));
        moveToDpi(192);
        at192.push_back(PerCall(50, [&] { frame->PaintFrame(); }));
        dpiRatios.push_back(at192.back() / at96.back());
    }
    moveToDpi(96);
    RECT large{};
    moveToDpi(192);
    GetWindowRect(window, &large);
    moveToDpi(96);
    std::printf("dpi:    PaintFrame at 192 DPI %.1f us (window %ld x %ld), at 96 DPI %.1f us (%d x %d), ratio %.2f "
                "(aim <= 4.5 for four times the pixels)\n",
                Median(at192) * 1e6, large.right - large.left, large.bottom - large.top, Median(at96) * 1e6, width,
                height, Median(dpiRatios));

    // The pointer along the empty title, from the icon's right to the
    // buttons' left: the system asks for the hit code, and the frame hears
    // of the move.
    RECT title{};
    GetWindowRect(window, &title);
    const int titleY = title.top + top / 2;
    const int firstX = title.left + 40;
    const int lastX = title.left + frame->ButtonsLeft() - 4;
    const skin::TFrameWork before = frame->Work();
    int messages = 0;
    for (int x = firstX; x <= lastX; ++x) {
        SetCursorPos(x, titleY);
        const LPARAM at = MAKELPARAM(x, titleY);
        const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, at);
        SendMessageW(window, WM_NCMOUSEMOVE, WPARAM(hit), at);
        messages += 2;
    }
    Pump();
    const skin::TFrameWork after = frame->Work();
    std::printf("hit:    %d hit tests and moves over the title: %ld paints, %ld title and %ld border compositions "
                "(aim 0)\n",
                messages, after.paints - before.paints, after.titleCompositions - before.titleCompositions,
                after.borderCompositions - before.borderCompositions);
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

// Frames per second of one round while a script moves and resizes the
// window, each step painted at once.
double FramesPerSecond(TCustomForm& form)
{
    HWND window = form.Handle();
    constexpr int Steps = 120;
    const double start = Seconds();
    for (int step = 0; step < Steps; ++step) {
        const int phase = step % 40;
        SetWindowPos(window, nullptr, 100 + phase * 3, 100 + phase * 2, 420 + phase * 4, 320 + phase * 3,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump();
    }
    return Steps / (Seconds() - start);
}

void MeasureMoving()
{
    TGame game;
    game::Form1->SetBorderStyle(TFormBorderStyle::bsSizeable);
    game::Form1->RecreateWnd();
    game::Form1->Show();
    Pump();
    // Rounds alternate between the skin on and off, so that a busy moment of
    // the machine hits both alike; the ratio is the median of the rounds'.
    auto& engine = *game::Form1->velSkinEngine1;
    std::vector<double> skinned;
    std::vector<double> plain;
    std::vector<double> ratios;
    for (int round = 0; round < Rounds; ++round) {
        engine.SetActive(true);
        Pump();
        skinned.push_back(FramesPerSecond(*game::Form1));
        engine.SetActive(false);
        Pump();
        plain.push_back(FramesPerSecond(*game::Form1));
        ratios.push_back(skinned.back() / plain.back());
    }
    std::printf("move:   skinned %.0f frames/s, unskinned %.0f frames/s, ratio %.2f (aim >= 0.95)\n",
                Median(skinned), Median(plain), Median(ratios));
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
