#include "framework/MessageBoxes.h"

#include "framework/TApplication.h"

namespace orvane::framework {

void ShowInformation(const std::wstring& text)
{
    if (Application)
        Application->ShowMessageBox(text, MB_OK | MB_ICONINFORMATION);
}

int AskYesNo(const std::wstring& text)
{
    if (!Application)
        return IDNO;
    return Application->ShowMessageBox(text, MB_YESNO | MB_ICONQUESTION);
}

} // namespace orvane::framework
