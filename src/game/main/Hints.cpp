#include "game/main/TForm1.h"

#include "core/hints/HintPanelPlace.h"
#include "core/hints/HintText.h"
#include "framework/MessageBoxes.h"
#include "framework/WideText.h"

namespace orvane::game {

using namespace framework;

namespace {

constexpr wchar_t LookingText[] = L"Looking for the next step\u2026";
constexpr wchar_t RatingText[] = L"rating\u2026";
// The hint's candidates stand on a light green; what it takes out is red.
constexpr TColor HintCandidateShade = TColor(0x00B8F0B8);
constexpr TColor RemovedMarkColor = TColor(0x000000E0);
constexpr int TenthsPerPoint = 10;

TColor ToFrameworkColor(orvane::Color color) { return TColor(color & 0xFFFFFF); }

AutoClean AutoCleanOf(const TMenuItem& item) { return item.Checked() ? AutoClean::On : AutoClean::Off; }

Rect ScreenRectOf(HWND window)
{
    RECT place{};
    GetWindowRect(window, &place);
    return Rect{place.left, place.top, place.right, place.bottom};
}

// "8.1"
std::wstring RatingNumber(int tenths)
{
    return std::to_wstring(tenths / TenthsPerPoint) + L"." + std::to_wstring(tenths % TenthsPerPoint);
}

} // namespace

// ---- hints

void TForm1::Hint1Click(TObject*)
{
    // Before the first game no cell takes input; a search under way goes on.
    if (!stdsudoku1->Enabled() || hintJob.Running())
        return;
    const PlayGrid board = stdsudoku1->Grid();
    if (hint && hintPress >= 1 && hintPress < HintPresses(*hint) && board == hintBoard) {
        ++hintPress;
        if (hintPress == HintPresses(*hint)) {
            CarryOutShownHint();
            return;
        }
        ShowHintPress();
        return;
    }
    EndHint(false);
    ShowHintText(LookingText);
    const SolutionDigits solution = Solution();
    hintJob.Start(
        Handle(),
        [board, solution](const std::atomic<bool>& stop) { return FindHint(board, solution, &stop); },
        [this, board](orvane::Hint& found) { HintFound(board, found); });
}

void TForm1::HintFound(const PlayGrid& board, orvane::Hint& found)
{
    if (found.kind == HintKind::Step || found.kind == HintKind::WrongDigit) {
        TakeHint(statistics, gameRecord);
        SaveStatistics();
    }
    hint = std::move(found);
    hintBoard = board;
    hintPress = 1;
    if (HintPresses(*hint) == 1) {
        // Nothing to show on the board: the text says it all.
        const std::wstring text = WideFromUtf8(HintText(*hint, 1));
        hint.reset();
        hintPress = 0;
        ShowHintText(text);
        return;
    }
    ShowHintPress();
}

void TForm1::ShowHintPress()
{
    RefreshHighlights();
    ShowHintText(WideFromUtf8(HintText(*hint, hintPress)));
}

void TForm1::CarryOutShownHint()
{
    const orvane::Hint done = *hint;
    const int press = hintPress;
    hint.reset();
    hintPress = 0;
    RecordBoardChange([&](PlayGrid& grid) { grid = CarryOutHint(grid, done, AutoCleanOf(*AutoCleanNotes1)); });
    ShowHintText(WideFromUtf8(HintText(done, press)));
    // What an entry does after it: the red of the error check goes, and a
    // board that is solved now says so.
    stdsudoku1->ClearMarks();
    CheckSolved();
}

void TForm1::EndHint(bool hidePanel)
{
    hintJob.Cancel();
    const bool shown = hint.has_value();
    hint.reset();
    hintPress = 0;
    if (hidePanel && hintPanel && hintPanel->Visible())
        hintPanel->Hide();
    if (shown)
        RefreshHighlights();
}

void TForm1::ApplyHintLooks(std::array<TCellLook, CellCount>& looks) const
{
    if (!hint || hintPress < 1)
        return;
    const HighlightColors colors = PlayColors();
    const std::array<HintCellLook, CellCount> hintLooks = HintLooks(*hint, hintPress);
    for (int index = 0; index < CellCount; ++index) {
        const HintCellLook& shown = hintLooks[std::size_t(index)];
        if (shown == HintCellLook{})
            continue;
        TCellLook& look = looks[std::size_t(index)];
        look = TCellLook{};
        if (shown.region)
            look.shade = ToFrameworkColor(colors.peerShade);
        if (shown.involved)
            look.shade = ToFrameworkColor(colors.digitShade);
        if (hint->kind == HintKind::WrongDigit && shown.involved)
            look.digitColor = ToFrameworkColor(colors.conflictText);
        look.hintMarks = MarkSet(shown.candidates | (shown.placed != 0 ? MarkOf(shown.placed) : 0));
        look.hintMarkShade = HintCandidateShade;
        look.removedMarks = shown.removed;
        look.removedMarkColor = RemovedMarkColor;
    }
}

void TForm1::ShowHintText(const std::wstring& text)
{
    if (!hintPanel) {
        hintPanel = Create<THintPanel>(this);
        hintPanel->OnClose = [this](TObject*, TCloseAction&) { EndHint(false); };
        SkinPlayWindow(*hintPanel);
    }
    hintPanel->SetText(text);
    // Clear of every cell the hint shows: its region and its cells.
    std::vector<Rect> avoid;
    if (hint && hintPress >= 1) {
        const std::array<HintCellLook, CellCount> looks = HintLooks(*hint, hintPress);
        for (int index = 0; index < CellCount; ++index)
            if (!(looks[std::size_t(index)] == HintCellLook{})) {
                const CellPlace place = PlaceOf(index);
                avoid.push_back(ScreenRectOf(stdsudoku1->Cells(place.x, place.y)->Handle()));
            }
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    const Rect workArea{monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
    const Rect panel = ScreenRectOf(hintPanel->Handle());
    const Rect place = HintPanelPlace(workArea, ScreenRectOf(Handle()), panel.Width(), panel.Height(), avoid);
    hintPanel->ShowAt(RECT{place.left, place.top, place.right, place.bottom});
}

void TForm1::SkinPlayWindow(TCustomForm& form)
{
    if (velSkinEngine1 && velSkinEngine1->Skinning())
        velSkinEngine1->SkinForm(form);
}

// ---- puzzle info

void TForm1::StartRating()
{
    rating.reset();
    grader::Grid givens{};
    grader::Grid solution{};
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const TNode& node = QJ1->Node(x, y);
            const int cell = grader::GridSide * (y - 1) + (x - 1);
            const int digit = node.solution >= 1 && node.solution <= BoardSize ? node.solution : 0;
            solution[std::size_t(cell)] = std::uint8_t(digit);
            if (node.given)
                givens[std::size_t(cell)] = std::uint8_t(digit);
        }
    const auto gate = BeforeRating;
    ratingJob.Start(
        Handle(),
        [givens, solution, gate](const std::atomic<bool>& stop) -> std::optional<grader::GradeResult> {
            if (gate)
                gate(stop);
            grader::GradeResult result = grader::GradePuzzle(givens, solution, grader::BeyondTier, &stop);
            if (result.stopped || stop)
                return std::nullopt;
            return result;
        },
        [this](grader::GradeResult& result) {
            rating = result;
            RefreshPuzzleInfo();
        });
    RefreshPuzzleInfo();
}

void TForm1::RefreshPuzzleInfo()
{
    if (!puzzleInfoForm)
        return;
    const std::wstring level =
        IsLevel(curlevel) ? WideFromAscii(LevelNames[std::size_t(curlevel)]) : std::to_wstring(curlevel);
    if (!rating) {
        puzzleInfoForm->ShowInfo(level, RatingText, RatingText);
        return;
    }
    std::wstring ratingText;
    if (rating->solved)
        ratingText = RatingNumber(rating->rating) + L" (" + WideFromAscii(grader::TierName(rating->tier)) + L")";
    else
        ratingText = L"beyond the techniques: the puzzle needs a guess";
    std::wstring techniques;
    for (int index = 0; index < grader::TechniqueCount; ++index) {
        const int uses = rating->uses[std::size_t(index)];
        if (uses == 0)
            continue;
        if (!techniques.empty())
            techniques += L", ";
        techniques += WideFromAscii(grader::TechniqueName(static_cast<grader::Technique>(index))) + L" (" +
                      std::to_wstring(uses) + L")";
    }
    puzzleInfoForm->ShowInfo(level, ratingText, techniques);
}

void TForm1::PuzzleInfo1Click(TObject*)
{
    if (!gameOnBoard) {
        ShowInformation(L"No game is on the board.");
        return;
    }
    if (!puzzleInfoForm) {
        puzzleInfoForm = Create<TfrmPuzzleInfo>(this);
        SkinPlayWindow(*puzzleInfoForm);
    }
    RefreshPuzzleInfo();
    puzzleInfoForm->ShowModal();
}

} // namespace orvane::game
