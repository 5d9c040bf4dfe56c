#pragma once

#include "framework/TComponent.h"
#include "framework/TControl.h"
#include "framework/UserOwners.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane::framework {

class TCustomForm;
class TScreen;

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;
using TMessageEvent = std::function<void(MSG& message, bool& handled)>;
using TIdleEvent = std::function<void(TObject* sender, bool& done)>;

// The application object: the program's title, its forms (which it owns, in
// creation order), the main form, the message loop and the default handling
// of exceptions, which shows the message in an error box.
//
// It also tracks which control is under the pointer and sends CM_MOUSELEAVE
// to the one it left before CM_MOUSEENTER to the one it entered. Only a
// control that takes input counts: over a disabled control (or one inside a
// disabled parent) the nearest enabled parent is under the pointer. The
// entered control's window is watched for the pointer leaving it, and the
// pointer is looked at again whenever a menu or a modal window closes, so
// that a control never stays entered after the pointer has gone.
//
// An exception that a window procedure cannot let through the system's
// frames is queued here and shown once the message that raised it is over,
// never inside a paint or a hook.
class TApplication : public TComponent {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    TApplication();
    ~TApplication() override;

    const std::wstring& Title() const { return title; }
    void SetTitle(const std::wstring& value) { title = value; }

    TCustomForm* MainForm() const { return mainForm; }
    // Forms the application owns, in creation order.
    int FormCount() const;
    TCustomForm* Forms(int index) const;

    // Creates a form owned by the application; the first becomes the main
    // form and gets its window at once.
    template <class Form>
    void CreateForm(Form*& reference)
    {
        reference = Create<Form>(this);
        FormCreated(reference);
    }

    // Shows the main form and handles messages until the program ends.
    void Run();
    // Handles one message, or, when there is none, does the idle work and
    // waits for the next.
    void HandleMessage();
    // Handles every message that is waiting, then returns.
    void ProcessMessages();
    // The idle work without waiting: tracks the control under the pointer,
    // then runs the idle handlers.
    void DoIdleWork();
    void Terminate();
    bool Terminated() const { return terminated; }

    void HandleException(const std::exception& error);
    void ShowException(const std::exception& error);
    // Keeps an exception raised inside a message for the message loop, which
    // hands it to HandleException once that message has been handled. The
    // same message waiting twice is shown once.
    void QueueException(const std::exception& error);
    // Hands the queued exceptions on; the message loop calls it.
    void HandleQueuedExceptions();
    // A modal system message box over the active window, captioned with the
    // title unless another caption is given.
    int ShowMessageBox(const std::wstring& text, UINT flags, const std::wstring& caption = {});

    HICON Icon() const { return icon.Get(); }
    HICON SmallIcon() const { return smallIcon.Get(); }

    const std::wstring& Hint() const { return hint; }
    void SetHint(const std::wstring& value);

    TControl* MouseControl() const { return mouseControl; }
    void UpdateMouseControl();

    // The form whose window is active, or null when another program's is.
    TCustomForm* ActiveForm() const;

    TExceptionEvent OnException;
    TMessageEvent OnMessage;
    TIdleEvent OnIdle;
    TNotifyEvent OnHint;

    // Message filters and idle handlers beside OnMessage and OnIdle, any
    // number of each, run in the order they were added. Adding returns a
    // token for removing exactly that one; removing during a call is safe.
    using THandlerToken = unsigned;
    THandlerToken AddMessageFilter(TMessageEvent filter);
    void RemoveMessageFilter(THandlerToken token);
    THandlerToken AddIdleHandler(TIdleEvent handler);
    void RemoveIdleHandler(THandlerToken token);

    // Destroys the form once the message being handled is over: its window
    // first, so that the window's last messages pass every procedure in front
    // of it while the form is whole, then the form.
    void ReleaseForm(TCustomForm* form);

    // Kept up to date by controls and forms.
    void ControlDestroyed(TControl* control);
    void FormDestroyed(TCustomForm* form);

private:
    template <class Handler>
    struct THandlerList {
        struct Entry {
            THandlerToken token;
            Handler handler;
        };
        std::vector<Entry> entries;
        THandlerToken lastToken = 0;
    };

    void FormCreated(TCustomForm* form);
    bool ProcessMessage();
    bool FilterMessage(MSG& message);
    // A key that runs a menu item of the active form's menu by its short-cut.
    bool IsShortCutMessage(const MSG& message);
    void FreeReleasedForms();
    void WakeMessageLoop();
    HWND OwnerWindow() const;

    std::wstring title;
    TCustomForm* mainForm = nullptr;
    bool terminated = false;
    TIconHandle icon;
    TIconHandle smallIcon;
    std::wstring hint;
    TControl* mouseControl = nullptr;
    std::unique_ptr<TScreen> screen;
    THandlerList<TMessageEvent> messageFilters;
    THandlerList<TIdleEvent> idleHandlers;
    std::vector<std::wstring> queuedErrors;
    // Messages whose boxes are up now (a box's loop may show another).
    std::vector<std::wstring> errorsOnScreen;
    std::vector<TCustomForm*> releasedForms;
};

// The program's one application object.
extern TApplication* Application;

} // namespace orvane::framework
