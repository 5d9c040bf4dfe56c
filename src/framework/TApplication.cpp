#include "framework/TApplication.h"

#include "core/base/Exception.h"
#include "framework/StartupMarkers.h"
#include "framework/TForm.h"
#include "framework/TScreen.h"
#include "framework/TabNavigation.h"
#include "framework/WideText.h"

#include <commctrl.h>

#include <algorithm>

namespace orvane::framework {

TApplication* Application = nullptr;

namespace {

constexpr wchar_t MainIconName[] = L"MAINICON";

// Removes the entry with that token, if it is still there.
template <class Entries>
void RemoveByToken(Entries& entries, unsigned token)
{
    std::erase_if(entries, [token](const auto& entry) { return entry.token == token; });
}

TIconHandle LoadMainIcon(int sizeMetricX, int sizeMetricY)
{
    return TIconHandle(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MainIconName, IMAGE_ICON,
                                                     GetSystemMetrics(sizeMetricX), GetSystemMetrics(sizeMetricY), 0)));
}

// A message as a box can show it: the box ends its text at a NUL and shows
// other control characters as nothing, so each is written as '#' and its
// number; line breaks and tabs stay.
std::wstring VisibleControlCharacters(const std::wstring& message)
{
    std::wstring shown;
    shown.reserve(message.size());
    for (const wchar_t c : message) {
        if (c < L' ' && c != L'\r' && c != L'\n' && c != L'\t')
            shown += L'#' + std::to_wstring(unsigned(c));
        else
            shown += c;
    }
    return shown;
}

// Calls every handler of a list that is still there when its turn comes: a
// handler may add or remove handlers, itself included, while it runs.
template <class Entries, class Call>
void CallEach(const Entries& entries, Call call)
{
    // Every message passes here: an empty list costs nothing.
    if (entries.empty())
        return;
    std::vector<unsigned> tokens;
    tokens.reserve(entries.size());
    for (const auto& entry : entries)
        tokens.push_back(entry.token);
    for (const unsigned token : tokens)
        for (const auto& entry : entries)
            if (entry.token == token) {
                const auto handler = entry.handler; // the entry may go while it runs
                call(handler);
                break;
            }
}

} // namespace

const TClassInfo TApplication::ClassInfo{L"TApplication", &TComponent::ClassInfo, {}};

TApplication::TApplication() : TComponent(nullptr), screen(Create<TScreen>(nullptr))
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
    FreeReleasedForms();
    // The forms go first, while Application and Screen still answer them.
    DestroyComponents();
    mainForm = nullptr;
    mouseControl = nullptr;
    screen.reset();
    if (Application == this)
        Application = nullptr;
}

int TApplication::FormCount() const
{
    int count = 0;
    for (TComponent* component : ComponentList())
        if (As<TCustomForm>(component))
            ++count;
    return count;
}

TCustomForm* TApplication::Forms(int index) const
{
    for (TComponent* component : ComponentList())
        if (auto* form = As<TCustomForm>(component); form && index-- == 0)
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
    std::erase(releasedForms, form);
}

void TApplication::Run()
{
    if (mainForm) {
        mainForm->Show();
        StartupMarker("main-shown");
    }
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
    if (!FilterMessage(message) && !IsShortCutMessage(message) && !MoveFocusOnTabKey(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The message is over: what it left for later happens now.
    FreeReleasedForms();
    HandleQueuedExceptions();
    return true;
}

bool TApplication::FilterMessage(MSG& message)
{
    bool handled = false;
    if (OnMessage)
        OnMessage(message, handled);
    CallEach(messageFilters.entries, [&](const TMessageEvent& filter) {
        if (!handled)
            filter(message, handled);
    });
    return handled;
}

bool TApplication::IsShortCutMessage(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    TCustomForm* form = ActiveForm();
    return form && form->Menu() && form->Menu()->IsShortCut(ShortCutFromKey(message.wParam));
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
    CallEach(idleHandlers.entries, [&](const TIdleEvent& handler) { handler(this, done); });
}

TApplication::THandlerToken TApplication::AddMessageFilter(TMessageEvent filter)
{
    messageFilters.entries.push_back({++messageFilters.lastToken, std::move(filter)});
    return messageFilters.lastToken;
}

void TApplication::RemoveMessageFilter(THandlerToken token) { RemoveByToken(messageFilters.entries, token); }

TApplication::THandlerToken TApplication::AddIdleHandler(TIdleEvent handler)
{
    idleHandlers.entries.push_back({++idleHandlers.lastToken, std::move(handler)});
    return idleHandlers.lastToken;
}

void TApplication::RemoveIdleHandler(THandlerToken token) { RemoveByToken(idleHandlers.entries, token); }

void TApplication::ReleaseForm(TCustomForm* form)
{
    if (std::find(releasedForms.begin(), releasedForms.end(), form) == releasedForms.end())
        releasedForms.push_back(form);
    WakeMessageLoop();
}

void TApplication::FreeReleasedForms()
{
    while (!releasedForms.empty()) {
        TCustomForm* form = releasedForms.front();
        releasedForms.erase(releasedForms.begin());
        // The window goes while the form is whole; then the form.
        form->DestroyHandle();
        delete form;
    }
}

void TApplication::WakeMessageLoop() { PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0); }

TCustomForm* TApplication::ActiveForm() const
{
    for (HWND window = GetActiveWindow(); window; window = GetParent(window))
        if (auto* form = As<TCustomForm>(TWinControl::FindControl(window)))
            return form;
    return nullptr;
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
    ShowMessageBox(VisibleControlCharacters(ExceptionMessage(error)), MB_OK | MB_ICONSTOP);
}

void TApplication::QueueException(const std::exception& error)
{
    std::wstring message = ExceptionMessage(error);
    // The same failure again while its box is up (the box's own loop paints
    // the other windows that fail alike) or while it waits: one box is enough.
    if (std::find(errorsOnScreen.begin(), errorsOnScreen.end(), message) != errorsOnScreen.end() ||
        std::find(queuedErrors.begin(), queuedErrors.end(), message) != queuedErrors.end())
        return;
    queuedErrors.push_back(std::move(message));
    WakeMessageLoop();
}

void TApplication::HandleQueuedExceptions()
{
    while (!queuedErrors.empty()) {
        errorsOnScreen.push_back(std::move(queuedErrors.front()));
        queuedErrors.erase(queuedErrors.begin());
        const Exception error(errorsOnScreen.back());
        try {
            HandleException(error);
        } catch (...) {
            errorsOnScreen.pop_back();
            throw;
        }
        errorsOnScreen.pop_back();
    }
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
    const int answer = ::MessageBoxW(ownerWindow, text.c_str(), (caption.empty() ? title : caption).c_str(), flags);
    // The box may have closed over another control than the one entered.
    UpdateMouseControl();
    return answer;
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
        // Over a windowless child of that window, the child is under the pointer.
        if (auto* windowed = As<TWinControl>(found)) {
            POINT client = cursor;
            ScreenToClient(windowed->WindowHandle(), &client);
            if (TControl* graphic = windowed->GraphicControlAt(client))
                found = graphic;
        }
    }
    while (found && !found->EnabledWithParents())
        found = found->Parent();
    if (found == mouseControl)
        return;
    TControl* left = mouseControl;
    mouseControl = found;
    if (left)
        left->Perform(CM_MOUSELEAVE);
    if (!found || found != mouseControl)
        return;
    // However the control was entered (a move, or a menu or window that
    // closed over it), its window now reports the pointer leaving.
    for (TControl* windowed = found; windowed; windowed = windowed->Parent())
        if (auto* control = As<TWinControl>(windowed); control && control->HandleAllocated()) {
            control->TrackMouseLeave();
            break;
        }
    found->Perform(CM_MOUSEENTER);
}

void TApplication::ControlDestroyed(TControl* control)
{
    if (mouseControl == control)
        mouseControl = nullptr;
}

} // namespace orvane::framework
