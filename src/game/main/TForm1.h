#pragma once

#include "core/grader/LogicalGrader.h"
#include "core/hints/Hint.h"
#include "core/play/CellNavigation.h"
#include "core/play/GameClock.h"
#include "core/play/GameStatistics.h"
#include "core/play/HighlightColors.h"
#include "core/play/PlayGrid.h"
#include "core/play/PlayHistory.h"
#include "core/puzzle/SavedGame.h"
#include "framework/TApplication.h"
#include "framework/TCommonDialog.h"
#include "framework/TForm.h"
#include "framework/TImageList.h"
#include "framework/TMemo.h"
#include "framework/TMenu.h"
#include "framework/TPanel.h"
#include "framework/TToolBar.h"
#include "game/BackgroundJob.h"
#include "game/HintPanel.h"
#include "game/PlayInfoForms.h"
#include "game/QJ.h"
#include "game/stdsudoku.h"
#include "skin/TvelSkinEngine.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace orvane::game {

// What the threads of the Play menu post to the main window when done.
constexpr UINT HintReadyMessage = WM_APP + 1;
constexpr UINT RatingReadyMessage = WM_APP + 2;

// The main window: the board on the left, the digit and command tool bar on
// the right, the menu bar with New Game, Tools and Play. It plays the game:
// New Game, entry by mouse and keys, the checks, Open and Save, Restart, Show
// Solution, Print and Visit.
//
// The Play menu adds what players of Sudoku expect beyond that: candidate
// marks (note mode, Ctrl+digit, Fill candidates, auto-clean), undo and redo,
// arrow keys and Delete, and highlights. With its settings as they are at a
// first start every input of the game above gives its result unchanged: the
// additions come only through the Play menu and its short-cuts (consumed
// before they become typed characters), keys that type no character, and
// note mode, which is off at every start.
//
// Beyond those, the Play menu teaches and keeps count: Hint (Ctrl+H) shows
// the next step a strong player would take in three presses, Puzzle info the
// puzzle's rating from the grader (which runs on a thread of its own),
// Statistics the games of each level with their times, and Resume Last Game
// the game kept when the program last ended.
class TForm1 : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TForm1(framework::TComponent* owner);
    ~TForm1() override;

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
    framework::TMenuItem* Play1 = nullptr;
    framework::TMenuItem* Undo1 = nullptr;
    framework::TMenuItem* Redo1 = nullptr;
    framework::TMenuItem* N3 = nullptr;
    framework::TMenuItem* Notes1 = nullptr;
    framework::TMenuItem* ToggleMark1 = nullptr;
    // The items of Toggle mark, digit 1 first; each item's Tag is its digit.
    std::array<framework::TMenuItem*, BoardSize> MarkItems{};
    framework::TMenuItem* FillCandidates1 = nullptr;
    framework::TMenuItem* N5 = nullptr;
    framework::TMenuItem* Hint1 = nullptr;
    framework::TMenuItem* PuzzleInfo1 = nullptr;
    framework::TMenuItem* Statistics1 = nullptr;
    framework::TMenuItem* ResumeLastGame1 = nullptr;
    framework::TMenuItem* N4 = nullptr;
    framework::TMenuItem* Highlight1 = nullptr;
    framework::TMenuItem* AutoCleanNotes1 = nullptr;
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
    void Undo1Click(framework::TObject* sender);
    void Redo1Click(framework::TObject* sender);
    void Notes1Click(framework::TObject* sender);
    void MarkClick(framework::TObject* sender);
    void FillCandidates1Click(framework::TObject* sender);
    void Highlight1Click(framework::TObject* sender);
    void AutoCleanNotes1Click(framework::TObject* sender);
    void Hint1Click(framework::TObject* sender);
    void PuzzleInfo1Click(framework::TObject* sender);
    void Statistics1Click(framework::TObject* sender);
    void ResumeLastGame1Click(framework::TObject* sender);

    // A key going down in the main window, by its key code: the arrows move
    // the selection over the open cells, Delete empties the selected cell.
    // True when the key was used; it then types no character.
    bool BoardKeyDown(WORD key);

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

    // The windows of the Play menu, made when first needed; null before.
    THintPanel* HintPanel() const { return hintPanel; }
    TfrmPuzzleInfo* PuzzleInfoForm() const { return puzzleInfoForm; }
    TfrmStatistics* StatisticsForm() const { return statisticsForm; }
    // The hint on show, and its presses so far (0: none).
    const std::optional<orvane::Hint>& ShownHint() const { return hint; }
    int HintPress() const { return hintPress; }
    // The grader is rating the puzzle on the board; its result, once there.
    bool Rating() const { return ratingJob.Running(); }
    const std::optional<grader::GradeResult>& PuzzleRating() const { return rating; }

    // The clock of play in milliseconds: the system's tick count unless
    // replaced (tests move time by hand).
    std::function<std::int64_t()> Now;
    // Runs on the rating's thread before the grader starts; it should return
    // when `stop` is set. Tests hold the grader there.
    std::function<void(const std::atomic<bool>& stop)> BeforeRating;

    // The time the game on the board has been played, in whole seconds.
    std::int64_t PlaySeconds() const;
    // The statistics, read from their file on first use.
    const GameStatistics& Statistics();
    // Keeps the game in progress for Resume Last Game, as Quit, closing the
    // window and the end of the Windows session do; a game that is over
    // leaves no game to resume, and before any game the kept one stays.
    void KeepGame();
    const std::wstring& StatisticsPath() const { return statisticsPath; }
    const std::wstring& KeptGamePath() const { return keptGamePath; }

    // The folder of saved games, where both file dialogs start.
    const std::wstring& SavesFolder() const { return savesFolder; }
    // The file of the Play menu's settings; empty when the system names no
    // data folder.
    const std::wstring& SettingsPath() const { return settingsPath; }

protected:
    void WndProc(framework::TMessage& message) override;
    // The tool bar takes the images drawn for the new DPI.
    void ChangeScale(unsigned toDpi, unsigned fromDpi) override;

private:
    void CreateLayout();
    void CreateToolBar();
    // Fills ImageList1 with the tool bar images drawn for `dpi`: the largest
    // size not larger than 24 pixels scaled, never a stretched picture.
    void LoadToolImages(unsigned dpi);
    void CreateMenu();
    void CreateSkinEngine();
    // The digit of the pressed button of the digit group: 1..9, 0 for the
    // eraser.
    int ChosenDigit() const;
    void ShowLevelCaption(int level);
    void EnableGame();

    void CreatePlayMenu();
    // Puts a digit from the tool bar or the keyboard into a cell: in note
    // mode it toggles that mark (the eraser takes every mark off), otherwise
    // it enters the digit.
    void EnterChosen(int x, int y, int digit);
    // One step of play: the change runs on the board as play sees it, the
    // cells it changed are shown and kept in the undo history as one step.
    void ChangeBoard(const std::function<void(PlayGrid&)>& change);
    // Takes back or takes again a step of the history.
    void ReplayStep(bool (PlayHistory::*replay)(PlayGrid&));
    // A new game is on the board: its history starts empty.
    void StartFreshHistory();
    // Moves the selection as the arrow keys do.
    void MoveSelection(MoveDirection direction);
    // Selects a cell from the keyboard: it takes the single-line border from
    // the cell selected before.
    void SelectCell(CellPlace place);
    // Draws the highlights as the board and the selection are now (with
    // Highlight off, none), and the hint on show over them.
    void RefreshHighlights();
    // The highlights' looks of every cell (by CellIndex), and their colours:
    // the skin's, or our own without one.
    std::array<TCellLook, CellCount> HighlightLooks() const;
    HighlightColors PlayColors() const;
    void LoadSettings();
    void StoreSettings();
    void HandleKeyMessage(MSG& message, bool& handled);
    // A change of the board as a step of play, without ending the hint.
    void RecordBoardChange(const std::function<void(PlayGrid&)>& change);

    // The game on the board, as a saved game holds it.
    SavedGame BoardAsSavedGame() const;
    // Shows a saved game's position, digits and marks, level and caption.
    void ShowSavedGame(const SavedGame& game);
    SolutionDigits Solution() const;

    // A game has begun on the board: statistics, clock, rating.
    void BeginPlay(bool counted, bool newlyStarted, std::int64_t seconds);
    // The clock runs while a game is in progress and the window is active
    // and not minimized.
    void FollowActivation();
    // The solved test reported the board solved.
    void NoteSolved();
    void EnsureStatistics();
    void SaveStatistics();

    // Hints.
    void HintFound(const PlayGrid& board, orvane::Hint& found);
    void ShowHintPress();
    void CarryOutShownHint();
    // The hint is over: its looks go, its search stops, the window hides
    // when asked.
    void EndHint(bool hidePanel);
    // The hint window with a text, placed clear of the cells the hint shows.
    void ShowHintText(const std::wstring& text);
    // Draws the shown hint over the cells' looks.
    void ApplyHintLooks(std::array<TCellLook, CellCount>& looks) const;
    // Skins a window of the Play menu as the engine skins the others.
    void SkinPlayWindow(framework::TCustomForm& form);

    // Puzzle info.
    void StartRating();
    void RefreshPuzzleInfo();

    std::wstring savesFolder;
    std::wstring settingsPath;
    std::wstring statisticsPath;
    std::wstring statisticsAsidePath;
    std::wstring keptGamePath;
    PlayHistory history;
    framework::TApplication::THandlerToken keyFilter = 0;

    std::optional<orvane::Hint> hint;
    int hintPress = 0;
    PlayGrid hintBoard;
    std::optional<grader::GradeResult> rating;
    THintPanel* hintPanel = nullptr;
    TfrmPuzzleInfo* puzzleInfoForm = nullptr;
    TfrmStatistics* statisticsForm = nullptr;

    GameClock clock;
    GameRecord gameRecord;
    GameStatistics statistics;
    bool statisticsLoaded = false;
    bool gameOnBoard = false;
    bool windowActive = false;

    // Last, so that they go first: their threads are joined while the
    // window and everything above are whole.
    TBackgroundJob<orvane::Hint> hintJob{HintReadyMessage};
    TBackgroundJob<grader::GradeResult> ratingJob{RatingReadyMessage};
};

extern TForm1* Form1;

} // namespace orvane::game
