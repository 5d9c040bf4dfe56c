#pragma once

// Names of the program's resources (GameResources.rc).
namespace orvane::game {

// The tool bar images, 24 pixels square, and the same pictures drawn at the
// larger sizes that screens above 96 DPI take.
constexpr wchar_t ToolBarImagesResource[] = L"TOOLIMAGES";
struct TSizedToolBarImages {
    int extent;
    const wchar_t* resource;
};
constexpr TSizedToolBarImages SizedToolBarImages[] = {
    {24, ToolBarImagesResource}, {30, L"TOOLIMAGES_30"}, {36, L"TOOLIMAGES_36"}, {42, L"TOOLIMAGES_42"},
    {48, L"TOOLIMAGES_48"},      {60, L"TOOLIMAGES_60"}, {72, L"TOOLIMAGES_72"},
};
// The skin package the main window's engine stores (the default skin).
constexpr wchar_t StoredSkinResource[] = L"SKINDATA";
// The bank lists, one RCDATA resource each, named after their memo.
constexpr const wchar_t* BankListResources[] = {L"TK0", L"TK1", L"TK2", L"TK3", L"TK4", L"TK0_BK"};

} // namespace orvane::game
