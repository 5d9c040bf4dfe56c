#pragma once

// Names of the program's resources (GameResources.rc).
namespace orvane::game {

constexpr wchar_t ToolBarImagesResource[] = L"TOOLIMAGES";
// The skin package the main window's engine stores (the default skin).
constexpr wchar_t StoredSkinResource[] = L"SKINDATA";
// The bank lists, one RCDATA resource each, named after their memo.
constexpr const wchar_t* BankListResources[] = {L"TK0", L"TK1", L"TK2", L"TK3", L"TK4", L"TK0_BK"};

} // namespace orvane::game
