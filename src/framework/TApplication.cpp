#include "framework/TApplication.h"

#include "core/base/Exception.h"
#include "framework/TForm.h"
#include "framework/TScreen.h"
#include "framework/WideText.h"

#include <commctrl.h>

namespace orvane::framework {

TApplication* Application = nullptr;

namespace {

constexpr wchar_t MainIconName[] = L"MAINICON";

HICON LoadMainIcon(int sizeMetricX, int sizeMetricY)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MainIconName, IMAGE_ICON,
                                         GetSystemMetrics(sizeMetricX), GetSystemMetrics(sizeMetricY), 0));
}

} // namespace

const TClassInfo TApplication::ClassInfo{L"TApplication", &TComponent::ClassInfo, {}};

TApplication::TApplication() : TComponent(nullptr), screen(std::make_unique<TScreen>(nullptr))
{
    if (!Application)
        Application = this;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    icon = LoadMainIcon(SM_CXICON, SM_CYICON);
    smallIcon = LoadMainIcon(SM_CXSMICON, SM_CYSMICON);
}

TApplication::~TApplication()
{
    Destroying();
    // The forms go first, while Application and Screen still answer them.
    DestroyComponents();
    mainForm = nullptr;
    mouseControl = nullptr;
    screen.reset();
    if (icon)
        DestroyIcon(icon);
    if (smallIcon)
        DestroyIcon(smallIcon);
    if (Application == this)
        Application = nullptr;
}

int TApplication::FormCount() const
{
    int count = 0;
    for (TComponent* component : ComponentList())
        if (dynamic_cast<TCustomForm*>(component))
            ++count;
    return count;
}

TCustomForm* TApplication::Forms(int index) const
{
    for (TComponent* component : ComponentList())
        if (auto* form = dynamic_cast<TCustomForm*>(component); form && index-- == 0)
            return form;
    return nullptr;
}

void TApplication::FormCreated(TCustomForm* form)
{
    if (mainForm)
        return;
    mainForm = form;
    form->HandleNeeded();
}

void TApplication::FormDestroyed(TCustomForm* form)
{
    if (mainForm == form)
        mainForm = nullptr;
}

void TApplication::Run()
{
    if (mainForm)
        mainForm->Show();
    while (!terminated) {
        try {
            HandleMessage();
        } catch (const std::exception& error) {
            HandleException(error);
        }
    }
}

bool TApplication::ProcessMessage()
{
    MSG message{};
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT) {
        terminated = true;
        return true;
    }
    bool handled = false;
    if (OnMessage)
        OnMessage(message, handled);
    if (!handled) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

void TApplication::HandleMessage()
{
    if (ProcessMessage())
        return;
    DoIdleWork();
    // Returns at once when a message came in during the idle work.
    WaitMessage();
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) {
    }
}

void TApplication::DoIdleWork()
{
    UpdateMouseControl();
    bool done = true;
    if (OnIdle)
        OnIdle(this, done);
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception& error)
{
    if (OnException) {
        OnException(this, error);
        return;
    }
    ShowException(error);
}

void TApplication::ShowException(const std::exception& error)
{
    ShowMessageBox(WideFromUtf8(error.what()), MB_OK | MB_ICONSTOP);
}

HWND TApplication::OwnerWindow() const
{
    HWND active = GetActiveWindow();
    if (active)
        return active;
    if (mainForm && mainForm->HandleAllocated() && IsWindowVisible(mainForm->WindowHandle()))
        return mainForm->WindowHandle();
    return nullptr;
}

int TApplication::ShowMessageBox(const std::wstring& text, UINT flags, const std::wstring& caption)
{
    HWND ownerWindow = OwnerWindow();
    if (!ownerWindow)
        flags |= MB_TASKMODAL;
    return ::MessageBoxW(ownerWindow, text.c_str(), (caption.empty() ? title : caption).c_str(), flags);
}

void TApplication::SetHint(const std::wstring& value)
{
    if (value == hint)
        return;
    hint = value;
    if (OnHint)
        OnHint(this);
}

void TApplication::UpdateMouseControl()
{
    TControl* found = nullptr;
    POINT cursor{};
    if (GetCursorPos(&cursor)) {
        HWND window = WindowFromPoint(cursor);
        if (window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
            for (HWND climb = window; climb && !found; climb = GetAncestor(climb, GA_PARENT))
                found = TWinControl::FindControl(climb);
    }
    while (found && !found->EnabledWithParents())
        found = found->Parent();
    if (found == mouseControl)
        return;
    TControl* left = mouseControl;
    mouseControl = found;
    if (left)
        left->Perform(CM_MOUSELEAVE);
    if (found && found == mouseControl)
        found->Perform(CM_MOUSEENTER);
}

void TApplication::ControlDestroyed(TControl* control)
{
    if (mouseControl == control)
        mouseControl = nullptr;
}

} // namespace orvane::framework
