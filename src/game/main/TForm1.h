#pragma once

#include "framework/TCommonDialog.h"
#include "framework/TForm.h"
#include "framework/TImageList.h"
#include "framework/TMemo.h"
#include "framework/TMenu.h"
#include "framework/TPanel.h"
#include "framework/TToolBar.h"
#include "game/QJ.h"
#include "game/stdsudoku.h"
#include "skin/TvelSkinEngine.h"

#include <cstdint>
#include <functional>
#include <string>

namespace orvane::game {

// The main window: the board on the left, the digit and command tool bar on
// the right, the menu bar with New Game and Tools. It plays the game: New
// Game, entry by mouse and keys, the checks, Open and Save, Restart, Show
// Solution, Print and Visit.
class TForm1 : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TForm1(framework::TComponent* owner);

    // The engine's Active as the layout sets it: on. The skin benchmark
    // switches it off to measure the same start without the skin.
    static bool LayoutSkinActive;

    // Components, in layout order.
    framework::TPanel* Panel5 = nullptr;
    framework::TPanel* Panel1 = nullptr;
    Tstdsudoku* stdsudoku1 = nullptr;
    framework::TMemo* Memo1 = nullptr;
    TQJ* QJ1 = nullptr;
    framework::TToolBar* ToolBar1 = nullptr;
    framework::TToolButton* sz1 = nullptr;
    framework::TToolButton* sz2 = nullptr;
    framework::TToolButton* sz3 = nullptr;
    framework::TToolButton* sz4 = nullptr;
    framework::TToolButton* sz5 = nullptr;
    framework::TToolButton* sz6 = nullptr;
    framework::TToolButton* sz7 = nullptr;
    framework::TToolButton* sz8 = nullptr;
    framework::TToolButton* sz9 = nullptr;
    framework::TToolButton* sz0 = nullptr;
    framework::TToolButton* btcheck = nullptr;
    framework::TToolButton* btprint = nullptr;
    framework::TToolButton* btvisit = nullptr;
    framework::TImageList* ImageList1 = nullptr;
    framework::TOpenDialog* OpenDialog1 = nullptr;
    framework::TSaveDialog* SaveDialog1 = nullptr;
    framework::TMainMenu* MainMenu1 = nullptr;
    framework::TMenuItem* NewGame1 = nullptr;
    framework::TMenuItem* Easy1 = nullptr;
    framework::TMenuItem* Standard1 = nullptr;
    framework::TMenuItem* Hard1 = nullptr;
    framework::TMenuItem* Expert1 = nullptr;
    framework::TMenuItem* Extreme1 = nullptr;
    framework::TMenuItem* N2 = nullptr;
    framework::TMenuItem* Quit1 = nullptr;
    framework::TMenuItem* Ab1 = nullptr;
    framework::TMenuItem* Open1 = nullptr;
    framework::TMenuItem* Save1 = nullptr;
    framework::TMenuItem* Restart1 = nullptr;
    framework::TMenuItem* ShowSolution1 = nullptr;
    framework::TMenuItem* Print1 = nullptr;
    framework::TMenuItem* N1 = nullptr;
    framework::TMenuItem* VisitOrvanenet1 = nullptr;
    skin::TvelSkinEngine* velSkinEngine1 = nullptr;

    // The level index of the current game, 0 before the first.
    std::int32_t curlevel = 0;
    // The selected cell: the open cell under the pointer; 0, 0 for none.
    std::int32_t selx = 0;
    std::int32_t sely = 0;

    // Where Print and Visit hand their web addresses; the system's default
    // handler unless replaced.
    std::function<void(const std::wstring& address)> OpenWebAddress;

    // Event handlers.
    void FormCreate(framework::TObject* sender);
    void Easy1Click(framework::TObject* sender);
    void Quit1Click(framework::TObject* sender);
    void CellMouseEnter(framework::TObject* sender);
    void CellMouseLeave(framework::TObject* sender);
    void CellMouseDown(framework::TObject* sender, framework::TMouseButton button, unsigned shift, int x, int y);
    void FormKeyPress(framework::TObject* sender, wchar_t& key);
    void btcheckClick(framework::TObject* sender);
    void Open1Click(framework::TObject* sender);
    void Save1Click(framework::TObject* sender);
    void Restart1Click(framework::TObject* sender);
    void ShowSolution1Click(framework::TObject* sender);
    void Print1Click(framework::TObject* sender);
    void btvisitClick(framework::TObject* sender);

    // Draws a puzzle of the level from the bank into QJ1 and varies it.
    void PickPuzzle(int level);
    // True when every cell shows its solution digit; says "Puzzle solved".
    bool CheckSolved();
    // Paints red every cell whose digit is not its solution; true if any.
    bool MarkErrors();

    // Opens the saved game in the file as Open does with the chosen one: the
    // whole file is read and checked before anything changes; a damaged
    // file throws its conversion error and leaves the game as it was.
    void OpenSavedGame(const std::wstring& path);
    // Opens the saved game named by the first argument of a program command
    // line (what a ".std" file's association passes): shows the main window,
    // then opens the file as Open does, its error going to the application's
    // error box. A command line without arguments opens nothing.
    void OpenCommandLineGame(const wchar_t* commandLine);

    // The folder of saved games, where both file dialogs start.
    const std::wstring& SavesFolder() const { return savesFolder; }

private:
    void CreateLayout();
    void CreateToolBar();
    void CreateMenu();
    void CreateSkinEngine();
    // The digit of the pressed button of the digit group: 1..9, 0 for the
    // eraser.
    int ChosenDigit() const;
    void ShowLevelCaption(int level);
    void EnableGame();

    std::wstring savesFolder;
};

extern TForm1* Form1;

} // namespace orvane::game
