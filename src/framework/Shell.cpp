#include "framework/Shell.h"

#include <shellapi.h>

namespace orvane::framework {

void ShellOpen(HWND owner, const std::wstring& address)
{
    ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace orvane::framework
