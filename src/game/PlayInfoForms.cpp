#include "game/PlayInfoForms.h"

#include "core/play/GameClock.h"
#include "framework/WideText.h"

namespace orvane::game {

using namespace framework;

namespace {

constexpr int FormMargin = 12;
constexpr int LineHeight = 16;
constexpr int OkButtonWidth = 80;
constexpr int OkButtonHeight = 26;
constexpr wchar_t EscapeKey = 0x1B;
constexpr wchar_t ReturnKey = 0x0D;

// Puzzle info's layout: names on the left, values beside them.
constexpr int InfoClientWidth = 380;
constexpr int InfoNameWidth = 72;
constexpr int TechniquesHeight = 4 * LineHeight;
constexpr int InfoClientHeight = FormMargin + 2 * LineHeight + TechniquesHeight + FormMargin + OkButtonHeight + FormMargin;

// The statistics table: the level names, then narrower columns of figures.
constexpr int LevelColumnWidth = 60;
constexpr int FigureColumnWidth = 58;
constexpr int HeadingHeight = 2 * LineHeight;
constexpr int RowHeight = 18;
constexpr int TableWidth = LevelColumnWidth + (TfrmStatistics::ColumnCount - 1) * FigureColumnWidth;
constexpr int StatisticsClientWidth = TableWidth + 2 * FormMargin;
constexpr int CurrentGameTop = FormMargin + HeadingHeight + LevelCount * RowHeight + FormMargin;
constexpr int StatisticsClientHeight = CurrentGameTop + LineHeight + FormMargin + OkButtonHeight + FormMargin;

constexpr const wchar_t* Headings[TfrmStatistics::ColumnCount] = {
    L"Level", L"Started", L"Solved", L"Solved with hints", L"Solution shown", L"Hints", L"Best time", L"Average time",
    L"Current run"};

TLabel* PlaceLabel(TForm* form, int left, int top, int width, int height, const std::wstring& caption,
                   TAlignment alignment = TAlignment::taLeftJustify)
{
    auto* label = Create<TLabel>(form);
    label->SetParent(form);
    label->SetBounds(left, top, width, height);
    label->SetAlignment(alignment);
    label->SetWordWrap(true);
    label->SetCaption(caption);
    return label;
}

TButton* PlaceOkButton(TForm* form, int clientWidth, int top)
{
    auto* button = Create<TButton>(form);
    button->SetName(L"OkButton");
    button->SetParent(form);
    button->SetBounds((clientWidth - OkButtonWidth) / 2, top, OkButtonWidth, OkButtonHeight);
    button->SetCaption(L"OK");
    button->SetModalResult(mrOk);
    return button;
}

// Escape and Return close the window as its OK button does.
void CloseOnEscapeAndReturn(TForm* form)
{
    form->SetKeyPreview(true);
    form->OnKeyPress = [form](TObject*, wchar_t& key) {
        if (key == EscapeKey || key == ReturnKey)
            form->SetModalResult(mrOk);
    };
}

std::wstring Count(std::int64_t value) { return std::to_wstring(value); }

std::wstring Time(std::int64_t seconds) { return seconds > 0 ? WideFromAscii(PlayTimeText(seconds)) : L"-"; }

} // namespace

const TClassInfo TfrmPuzzleInfo::ClassInfo{L"TfrmPuzzleInfo", &TForm::ClassInfo, {}};

TfrmPuzzleInfo::TfrmPuzzleInfo(TComponent* owner) : TForm(owner)
{
    BeginLayout();
    SetName(L"frmPuzzleInfo");
    SetCaption(L"Puzzle info");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(InfoClientWidth, InfoClientHeight);
    const int valueLeft = FormMargin + InfoNameWidth;
    const int valueWidth = InfoClientWidth - valueLeft - FormMargin;
    int top = FormMargin;
    PlaceLabel(this, FormMargin, top, InfoNameWidth, LineHeight, L"Level:");
    LevelText = PlaceLabel(this, valueLeft, top, valueWidth, LineHeight, L"");
    top += LineHeight;
    PlaceLabel(this, FormMargin, top, InfoNameWidth, LineHeight, L"Rating:");
    RatingText = PlaceLabel(this, valueLeft, top, valueWidth, LineHeight, L"");
    top += LineHeight;
    PlaceLabel(this, FormMargin, top, InfoNameWidth, LineHeight, L"Techniques:");
    TechniquesText = PlaceLabel(this, valueLeft, top, valueWidth, TechniquesHeight, L"");
    top += TechniquesHeight + FormMargin;
    OkButton = PlaceOkButton(this, InfoClientWidth, top);
    CloseOnEscapeAndReturn(this);
    EndLayout();
}

void TfrmPuzzleInfo::ShowInfo(const std::wstring& level, const std::wstring& rating, const std::wstring& techniques)
{
    LevelText->SetCaption(level);
    RatingText->SetCaption(rating);
    TechniquesText->SetCaption(techniques);
}

const TClassInfo TfrmStatistics::ClassInfo{L"TfrmStatistics", &TForm::ClassInfo, {}};

TfrmStatistics::TfrmStatistics(TComponent* owner) : TForm(owner)
{
    BeginLayout();
    SetName(L"frmStatistics");
    SetCaption(L"Statistics");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(StatisticsClientWidth, StatisticsClientHeight);
    for (int row = 0; row <= LevelCount; ++row) {
        const int top = row == 0 ? FormMargin : FormMargin + HeadingHeight + (row - 1) * RowHeight;
        const int height = row == 0 ? HeadingHeight : RowHeight;
        for (int column = 0; column < ColumnCount; ++column) {
            const int left = column == 0 ? FormMargin : FormMargin + LevelColumnWidth + (column - 1) * FigureColumnWidth;
            const int width = column == 0 ? LevelColumnWidth : FigureColumnWidth;
            const std::wstring caption = row == 0      ? Headings[column]
                                         : column == 0 ? WideFromAscii(LevelNames[std::size_t(row - 1)])
                                                       : L"";
            Cells[std::size_t(row)][std::size_t(column)] = PlaceLabel(
                this, left, top, width, height, caption, column == 0 ? TAlignment::taLeftJustify : TAlignment::taCenter);
        }
    }
    CurrentGameText = PlaceLabel(this, FormMargin, CurrentGameTop, TableWidth, LineHeight, L"");
    OkButton = PlaceOkButton(this, StatisticsClientWidth, CurrentGameTop + LineHeight + FormMargin);
    CloseOnEscapeAndReturn(this);
    EndLayout();
}

void TfrmStatistics::ShowStatistics(const GameStatistics& statistics, const std::wstring& currentGame)
{
    for (int level = 0; level < LevelCount; ++level) {
        const LevelStatistics& figures = statistics.levels[std::size_t(level)];
        const std::wstring values[ColumnCount - 1] = {
            Count(figures.started),       Count(figures.solved), Count(figures.solvedWithHints),
            Count(figures.solutionShown), Count(figures.hints),  Time(figures.bestSeconds),
            Time(figures.AverageSeconds()), Count(figures.run)};
        for (int column = 1; column < ColumnCount; ++column)
            Cells[std::size_t(level + 1)][std::size_t(column)]->SetCaption(values[column - 1]);
    }
    CurrentGameText->SetCaption(currentGame);
}

} // namespace orvane::game
