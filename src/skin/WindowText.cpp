#include "skin/WindowText.h"

#include "skin/PlatformVersion.h"
#include "skin/User32Functions.h"

namespace orvane::skin {

namespace {

constexpr int MaxAnsiCaption = 259;
constexpr int MaxClassName = 100;
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

std::wstring WindowClassName(HWND window)
{
    wchar_t name[MaxClassName + 1] = {};
    const int length = GetClassNameW(window, name, MaxClassName + 1);
    return std::wstring(name, std::size_t(length > 0 ? length : 0));
}

std::string UpperAnsiClassName(HWND window)
{
    char name[MaxClassName + 1] = {};
    const int length = GetClassNameA(window, name, MaxClassName + 1);
    std::string upper(name, std::size_t(length > 0 ? length : 0));
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return upper;
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
