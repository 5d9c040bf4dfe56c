#include "game/Ufrmtk.h"

#include "core/base/Exception.h"
#include "core/puzzle/Levels.h"
#include "framework/BuiltInResource.h"
#include "framework/StartupMarkers.h"
#include "framework/WideText.h"
#include "game/GameResources.h"

#include <windows.h>

#include <string_view>

namespace orvane::game {

Tfrmtk* frmtk = nullptr;

namespace {

constexpr int ListWidth = 185;
constexpr int ListHeight = 89;
constexpr int ListSpacing = 8;

// The bytes of a built-in RCDATA resource.
std::string_view BuiltInData(const wchar_t* name)
{
    const std::span<const std::uint8_t> bytes = framework::BuiltInResourceBytes(name);
    if (bytes.empty())
        throw Exception("The program's puzzle bank is missing: " + framework::Utf8FromWide(name));
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

} // namespace

const framework::TClassInfo Tfrmtk::ClassInfo{L"Tfrmtk", &framework::TForm::ClassInfo, {}};

Tfrmtk::Tfrmtk(framework::TComponent* owner) : TForm(owner)
{
    BeginLayout();
    SetName(L"frmtk");
    SetCaption(L"frmtk");
    SetClientSize(2 * (ListWidth + ListSpacing) + ListSpacing, 3 * (ListHeight + ListSpacing) + ListSpacing);
    framework::TMemo** lists[BankListCount] = {&tk0, &tk1, &tk2, &tk3, &tk4, &tk0_bk};
    for (int i = 0; i < BankListCount; ++i) {
        auto* list = framework::Create<framework::TMemo>(this);
        *lists[i] = list;
        list->SetName(framework::WideFromAscii(BankListNames[std::size_t(i)]));
        list->SetParent(this);
        list->SetBounds(ListSpacing + (i % 2) * (ListWidth + ListSpacing), ListSpacing + (i / 2) * (ListHeight + ListSpacing),
                        ListWidth, ListHeight);
        list->SetWordWrap(false);
        list->SetText(framework::WideFromAscii(BuiltInData(BankListResources[i])));
    }
    EndLayout();
    framework::StartupMarker("bank-loaded");
}

framework::TMemo* Tfrmtk::LevelList(int level) const
{
    switch (level) {
    case 0:
        return tk0;
    case 1:
        return tk1;
    case 2:
        return tk2;
    case 3:
        return tk3;
    case 4:
        return tk4;
    default:
        return nullptr;
    }
}

std::vector<std::string> PuzzleLines(const framework::TMemo& list)
{
    std::vector<std::string> lines;
    for (const std::wstring& line : list.Lines())
        lines.push_back(framework::AsciiFromWide(line));
    return lines;
}

} // namespace orvane::game
