#include "game/Cell.h"

#include "core/puzzle/BoardGeometry.h"
#include "framework/PublishedProperties.h"

#include <string>

namespace orvane::game {

namespace {

using framework::PublishedValue;
using framework::TObject;
using framework::TPropertyInfo;
using framework::TPropertyKind;
using framework::TPropertyValue;

constexpr int NewCellExtent = 30;
// A mark's digit fills this share of its third of the cell's height.
constexpr int MarkFontPercent = 72;
// The background of a marked mark stands this far inside its third.
constexpr int MarkShadeInset = 1;
constexpr UINT CentredText = DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX;

constexpr TPropertyInfo CellProperties[] = {
    PublishedValue<TCell, &TCell::isfixed, &TCell::Setisfixed>(L"isfixed", TPropertyKind::Boolean),
    PublishedValue<TCell, &TCell::value, &TCell::Setvalue>(L"value", TPropertyKind::Integer),
    {L"x", TPropertyKind::Integer,
     [](const TObject& cell) -> TPropertyValue { return static_cast<const TCell&>(cell).x; },
     [](TObject& cell, const TPropertyValue& v) { static_cast<TCell&>(cell).x = std::get<std::int32_t>(v); }},
    {L"y", TPropertyKind::Integer,
     [](const TObject& cell) -> TPropertyValue { return static_cast<const TCell&>(cell).y; },
     [](TObject& cell, const TPropertyValue& v) { static_cast<TCell&>(cell).y = std::get<std::int32_t>(v); }},
};

} // namespace

const framework::TClassInfo TCell::ClassInfo{L"TCell", &Tmousepanel::ClassInfo, CellProperties};

TCell::TCell(framework::TComponent* owner) : Tmousepanel(owner)
{
    SetBevelOuter(framework::TPanelBevel::bvNone);
    SetBounds(0, 0, NewCellExtent, NewCellExtent);
    SetCaption(L" ");
    SetColor(framework::clWhite);
    Setisfixed(true);
}

void TCell::Setisfixed(bool b)
{
    SetCaption(b ? std::to_wstring(digit) : std::wstring());
    fixed = b;
}

void TCell::Setvalue(std::int32_t v)
{
    SetCaption(v < 1 ? std::wstring() : std::to_wstring(v));
    digit = v;
}

void TCell::SetMarks(MarkSet value)
{
    if (value == marks)
        return;
    marks = value;
    Invalidate();
}

CellState TCell::State() const { return CellState{digit, !Caption().empty(), marks}; }

void TCell::SetState(const CellState& state)
{
    if (state.value != digit || state.shown != !Caption().empty()) {
        Setvalue(state.value);
        if (!state.shown)
            SetCaption(std::wstring());
    }
    SetMarks(state.marks);
}

void TCell::SetLook(const TCellLook& value)
{
    if (value == look)
        return;
    look = value;
    Invalidate();
}

void TCell::Paint()
{
    const std::wstring caption = Caption();
    if (look == TCellLook{} && (marks == 0 || !caption.empty())) {
        TPanel::Paint();
        return;
    }
    framework::TCanvas& canvas = Canvas();
    RECT rect = ClientRect();
    const bool white = Color() == framework::clWhite;
    canvas.Brush.Color = white && look.shade != framework::clNone ? look.shade : Color();
    canvas.FillRect(rect);
    if (caption.empty()) {
        PaintMarks(canvas, rect);
        return;
    }
    if (look.digitColor != framework::clNone)
        canvas.Font().SetColor(look.digitColor);
    canvas.TextRect(caption, rect, CentredText);
}

void TCell::PaintMarks(framework::TCanvas& canvas, const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    canvas.Font().SetHeight(-(height / BoxCells * MarkFontPercent / 100));
    canvas.Font().SetStyle(0);
    const framework::TColor markColor = canvas.Font().Color();
    const MarkSet shown = MarkSet(marks | look.hintMarks | look.removedMarks);
    for (int mark = 1; mark <= BoardSize; ++mark) {
        if (!HasMark(shown, mark))
            continue;
        const int column = (mark - 1) % BoxCells;
        const int row = (mark - 1) / BoxCells;
        RECT place{rect.left + width * column / BoxCells, rect.top + height * row / BoxCells,
                   rect.left + width * (column + 1) / BoxCells, rect.top + height * (row + 1) / BoxCells};
        framework::TColor shade = mark == look.markedDigit ? look.markShade : framework::clNone;
        if (HasMark(look.hintMarks, mark) && look.hintMarkShade != framework::clNone)
            shade = look.hintMarkShade;
        if (shade != framework::clNone) {
            RECT shaded = place;
            InflateRect(&shaded, -MarkShadeInset, -MarkShadeInset);
            canvas.Brush.Color = shade;
            canvas.FillRect(shaded);
        }
        const bool removed = HasMark(look.removedMarks, mark) && look.removedMarkColor != framework::clNone;
        canvas.Font().SetColor(removed ? look.removedMarkColor : markColor);
        canvas.TextRect(std::to_wstring(mark), place, CentredText);
        if (removed) {
            // Struck through: the candidate goes.
            RECT strike = place;
            strike.top = (place.top + place.bottom) / 2;
            strike.bottom = strike.top + 1;
            InflateRect(&strike, -MarkShadeInset - 1, 0);
            canvas.Brush.Color = look.removedMarkColor;
            canvas.FillRect(strike);
        }
    }
    canvas.Font().SetColor(markColor);
}

} // namespace orvane::game
