#include "skin/WindowText.h"

#include "skin/PlatformVersion.h"
#include "skin/User32Functions.h"

namespace orvane::skin {

namespace {

constexpr int MaxAnsiCaption = 259;
constexpr int MaxWideCaption = 1024;

} // namespace

std::wstring GetWindowTextWide(HWND window)
{
    const auto internalGetWindowText = User32Functions().InternalGetWindowText;
    if (IsWin95() || !internalGetWindowText || !window)
        return {};
    std::wstring text(MaxWideCaption, L'\0');
    const int length = internalGetWindowText(window, text.data(), MaxWideCaption);
    text.resize(std::size_t(length > 0 ? length : 0));
    return text;
}

std::string GetAnsiWindowText(HWND window)
{
    char text[MaxAnsiCaption + 1] = {};
    const int length = GetWindowTextA(window, text, MaxAnsiCaption + 1);
    return std::string(text, std::size_t(length > 0 ? length : 0));
}

std::wstring StripAmpersands(std::wstring_view caption)
{
    std::wstring stripped;
    stripped.reserve(caption.size());
    for (wchar_t c : caption)
        if (c != L'&')
            stripped += c;
    return stripped;
}

} // namespace orvane::skin
