#include "skinview/DialogTemplate.h"

#include <cstring>

namespace orvane::skinview {

namespace {

constexpr WORD PointSize = 8;
constexpr DWORD DialogStyle = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;

} // namespace

TDialogTemplate::TDialogTemplate(const std::wstring& caption, short width, short height)
{
    DLGTEMPLATE header{};
    header.style = DialogStyle;
    header.cx = width;
    header.cy = height;
    words.resize(sizeof(header) / sizeof(WORD));
    std::memcpy(words.data(), &header, sizeof(header));
    Word(0); // no menu
    Word(0); // the predefined dialog class
    Text(caption);
    Word(PointSize);
    Text(L"MS Shell Dlg");
}

void TDialogTemplate::Add(const std::wstring& className, const std::wstring& text, DWORD style, short x, short y,
                          short width, short height, WORD id)
{
    AlignToDword();
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = width;
    item.cy = height;
    item.id = id;
    const std::size_t at = words.size();
    words.resize(at + sizeof(item) / sizeof(WORD));
    std::memcpy(words.data() + at, &item, sizeof(item));
    Text(className);
    Text(text);
    Word(0); // no creation data
    ++itemCount;
}

const DLGTEMPLATE* TDialogTemplate::Get()
{
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->cdit = itemCount;
    return header;
}

void TDialogTemplate::Word(WORD value) { words.push_back(value); }

void TDialogTemplate::Text(const std::wstring& text)
{
    for (const wchar_t character : text)
        words.push_back(WORD(character));
    words.push_back(0);
}

void TDialogTemplate::AlignToDword()
{
    if (words.size() % 2 != 0)
        words.push_back(0);
}

} // namespace orvane::skinview
