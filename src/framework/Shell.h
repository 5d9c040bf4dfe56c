#pragma once

#include <windows.h>

#include <string>

namespace orvane::framework {

// Hands a document or web address to the system's default handler for it,
// shown normally, owned by `owner`. The result is not reported.
void ShellOpen(HWND owner, const std::wstring& address);

} // namespace orvane::framework
