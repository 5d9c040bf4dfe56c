#pragma once

#include "framework/TComponent.h"
#include "framework/TControl.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>

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
// disabled parent) the nearest enabled parent is under the pointer.
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
        reference = new Form(this);
        FormCreated(reference);
    }

    // Shows the main form and handles messages until the program ends.
    void Run();
    // Handles one message, or, when there is none, does the idle work and
    // waits for the next.
    void HandleMessage();
    // Handles every message that is waiting, then returns.
    void ProcessMessages();
    // The idle work without waiting: tracks the control under the pointer.
    void DoIdleWork();
    void Terminate();
    bool Terminated() const { return terminated; }

    void HandleException(const std::exception& error);
    void ShowException(const std::exception& error);
    // A modal system message box over the active window, captioned with the
    // title unless another caption is given.
    int ShowMessageBox(const std::wstring& text, UINT flags, const std::wstring& caption = {});

    HICON Icon() const { return icon; }
    HICON SmallIcon() const { return smallIcon; }

    const std::wstring& Hint() const { return hint; }
    void SetHint(const std::wstring& value);

    TControl* MouseControl() const { return mouseControl; }
    void UpdateMouseControl();

    TExceptionEvent OnException;
    TMessageEvent OnMessage;
    TIdleEvent OnIdle;
    TNotifyEvent OnHint;

    // Kept up to date by controls and forms.
    void ControlDestroyed(TControl* control);
    void FormDestroyed(TCustomForm* form);

private:
    void FormCreated(TCustomForm* form);
    bool ProcessMessage();
    HWND OwnerWindow() const;

    std::wstring title;
    TCustomForm* mainForm = nullptr;
    bool terminated = false;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    std::wstring hint;
    TControl* mouseControl = nullptr;
    std::unique_ptr<TScreen> screen;
};

// The program's one application object.
extern TApplication* Application;

} // namespace orvane::framework
