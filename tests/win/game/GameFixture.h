#pragma once

#include "game/main/TForm1.h"

#include "ModalDriver.h"
#include "WindowTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane::game::test {

// The program as it starts: the four windows created in their order, the
// main window shown. Web addresses that Print and Visit hand on are kept
// instead of starting a browser.
class Game : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The program's start and end: the four windows made, the main one shown;
    // and all of them gone. The data folder stays as it is in between.
    void Launch();
    void Close();

    TCell* Cell(int x, int y) const { return Form1->stdsudoku1->Cells(x, y); }
    // Chooses a menu item as the player does: on the skinned menu bar, with
    // the mouse.
    void Choose(framework::TMenuItem* item);
    // The skinned menu bar the main window's menu stands on, or null.
    framework::TToolBar* MenuBar() const;
    // The screen point of a top-level item's button on that bar.
    POINT MenuBarButtonCentre(const framework::TMenuItem* topLevel) const;
    // Presses a tool bar button with the mouse.
    void Press(framework::TToolButton* button);
    // Moves the pointer onto a cell and clicks it.
    void ClickCell(int x, int y, UINT downMessage = WM_LBUTTONDOWN);
    // Moves the pointer onto a cell and types a character.
    void TypeOnCell(int x, int y, wchar_t key);
    void Type(wchar_t key);
    // Starts a game of that level with the New Game menu.
    void NewGame(int level);
    // Runs the program's loop (its messages, its idle work, a wait for the
    // next) until the condition holds; false when it still does not after
    // some seconds. For what a thread of the program posts when it is done.
    bool LoopUntil(const std::function<bool()>& condition);

    // The first open cell, scanning column by column.
    POINT FirstOpenCell(int skip = 0) const;
    int SolutionAt(int x, int y) const { return Form1->QJ1->Node(x, y).solution; }

    // Everything the player sees of a game and what lies behind it.
    struct Snapshot {
        std::vector<std::wstring> texts;
        std::vector<int> values;
        std::vector<int> backgrounds;
        std::vector<bool> enabled;
        std::vector<int> solutions;
        std::vector<bool> givens;
        std::wstring caption;
        int level = 0;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() const;

    std::wstring SavePath(const std::wstring& name) const;

    std::vector<std::wstring> addresses;
};

} // namespace orvane::game::test
