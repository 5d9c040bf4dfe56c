#include "game/Cell.h"

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

} // namespace orvane::game
