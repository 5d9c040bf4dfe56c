#include "skin/FormLookup.h"

#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "skin/SkinMessages.h"

namespace orvane::skin {

using namespace framework;

namespace {

constexpr LRESULT AnswerActive = 1;

} // namespace

TCustomForm* FindFormByHandle(HWND window)
{
    if (!window)
        return nullptr;
    return As<TCustomForm>(TWinControl::FindControl(window));
}

bool IsFormActive(TCustomForm& form)
{
    HWND window = form.WindowHandle();
    if (!window)
        return false;
    const LRESULT answer = SendMessageW(window, SKM_ISACTIVE, 0, 0);
    if (answer > 0)
        return answer == AnswerActive;
    if (form.FormStyle() == TFormStyle::fsMDIChild) {
        TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
        return mainForm && mainForm->ActiveMDIChild() == &form;
    }
    return GetActiveWindow() == window;
}

} // namespace orvane::skin
