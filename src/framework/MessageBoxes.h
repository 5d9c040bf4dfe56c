#pragma once

#include <string>

namespace orvane::framework {

// Modal system message boxes over the active window, captioned with the
// application's title.

// Information with an OK button.
void ShowInformation(const std::wstring& text);

// A question with Yes and No buttons; returns the button that closed the
// box (IDYES, IDNO).
int AskYesNo(const std::wstring& text);

} // namespace orvane::framework
