#include "ModalDriver.h"

#include "WindowTesting.h"

#include <commdlg.h>

#include <algorithm>
#include <utility>

namespace orvane::test {

namespace {

constexpr UINT PollMilliseconds = 25;
constexpr DWORD GiveUpMilliseconds = 8000;
// The file name field of the explorer-style file dialogs.
constexpr int FileNameCombo = 0x47C;
constexpr int FileNameEdit = 0x480;

ModalDriver* activeDriver = nullptr;

struct FoundWindows {
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM data)
{
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<FoundWindows*>(data)->windows.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChildren(HWND window, LPARAM data)
{
    reinterpret_cast<FoundWindows*>(data)->windows.push_back(window);
    return TRUE;
}

// Closes a dialog the test did not expect: a question without Cancel is
// answered No, anything else cancelled.
void Dismiss(HWND dialog)
{
    if (HWND no = GetDlgItem(dialog, IDNO)) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), LPARAM(no));
        return;
    }
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}

HWND FileNameField(HWND dialog)
{
    if (HWND combo = GetDlgItem(dialog, FileNameCombo))
        return combo;
    return GetDlgItem(dialog, FileNameEdit);
}

// The message of a message box: its longest static text.
std::wstring MessageBoxText(HWND box)
{
    FoundWindows children;
    EnumChildWindows(box, CollectChildren, reinterpret_cast<LPARAM>(&children));
    std::wstring longest;
    for (HWND child : children.windows)
        if (WindowClassName(child) == L"Static") {
            std::wstring text = WindowText(child);
            if (text.size() > longest.size())
                longest = text;
        }
    return longest;
}

} // namespace

ModalDriver::ModalDriver()
{
    activeDriver = this;
    timer = SetTimer(nullptr, 0, PollMilliseconds, Tick);
    waitingSince = GetTickCount();
}

ModalDriver::~ModalDriver()
{
    KillTimer(nullptr, timer);
    if (activeDriver == this)
        activeDriver = nullptr;
}

void ModalDriver::AnswerMessageBox(int button) { steps.push_back({.kind = StepKind::MessageBox, .button = button}); }

void ModalDriver::HandleMessageBox(std::function<bool(HWND)> act)
{
    steps.push_back({.kind = StepKind::HandOnMessageBox, .act = std::move(act)});
}

void ModalDriver::CancelFileDialogAfter(std::function<bool(HWND)> look)
{
    steps.push_back({.kind = StepKind::LookAtFileDialog, .act = std::move(look)});
}

void ModalDriver::ChooseFile(const std::wstring& path)
{
    steps.push_back({.kind = StepKind::FileDialog, .text = path});
}

void ModalDriver::CancelFileDialog() { steps.push_back({.kind = StepKind::CancelFileDialog}); }

void ModalDriver::CloseWindow(const std::wstring& className, std::function<void(HWND)> inspect)
{
    steps.push_back({.kind = StepKind::Window, .text = className, .inspect = std::move(inspect)});
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (!activeDriver || activeDriver->polling)
        return;
    activeDriver->polling = true;
    activeDriver->Poll();
    activeDriver->polling = false;
}

void ModalDriver::Poll()
{
    handled.erase(std::remove_if(handled.begin(), handled.end(), [](const Handled& h) { return !IsWindow(h.window); }),
                  handled.end());
    for (Handled& old : handled)
        if (old.since && GetTickCount() - old.since > GiveUpMilliseconds && WindowClassName(old.window) == L"#32770") {
            failures.push_back(L"a dialog stayed open after its step: " + MessageBoxText(old.window));
            old.since = 0;
            Dismiss(old.window);
        }
    FoundWindows found;
    EnumThreadWindows(GetCurrentThreadId(), CollectVisible, reinterpret_cast<LPARAM>(&found));
    for (HWND window : found.windows) {
        if (std::any_of(handled.begin(), handled.end(), [window](const Handled& h) { return h.window == window; }))
            continue;
        const std::wstring className = WindowClassName(window);
        const bool dialog = className == L"#32770";
        if (steps.empty()) {
            if (dialog) {
                failures.push_back(L"unexpected dialog: " + MessageBoxText(window));
                handled.push_back({window, 0});
                Dismiss(window);
            }
            continue;
        }
        Step& step = steps.front();
        const bool wanted = step.kind == StepKind::Window ? className == step.text : dialog;
        if (!wanted)
            continue;
        if (!Act(step, window))
            continue;
        handled.push_back({window, GetTickCount()});
        steps.erase(steps.begin());
        waitingSince = GetTickCount();
        return;
    }
    if (!steps.empty() && GetTickCount() - waitingSince > GiveUpMilliseconds) {
        failures.push_back(L"a window the test expected did not come");
        steps.clear();
        for (HWND window : found.windows)
            if (WindowClassName(window) == L"#32770")
                Dismiss(window);
    }
}

bool ModalDriver::Act(Step& step, HWND window)
{
    switch (step.kind) {
    case StepKind::MessageBox:
        if (FileNameField(window))
            return false;
        messageTexts.push_back(MessageBoxText(window));
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(step.button, BN_CLICKED), LPARAM(GetDlgItem(window, step.button)));
        return true;
    case StepKind::HandOnMessageBox:
        if (FileNameField(window))
            return false;
        if (!std::exchange(step.textTaken, true))
            messageTexts.push_back(MessageBoxText(window));
        return step.act(window);
    case StepKind::LookAtFileDialog:
        if (!FileNameField(window) || !step.act(window))
            return false;
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return true;
    case StepKind::FileDialog:
    case StepKind::CancelFileDialog: {
        HWND field = FileNameField(window);
        if (!field)
            return false;
        wchar_t folder[MAX_PATH * 2] = {};
        SendMessageW(window, CDM_GETFOLDERPATH, WPARAM(std::size(folder)), LPARAM(folder));
        dialogFolders.push_back(folder);
        if (step.kind == StepKind::CancelFileDialog) {
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            return true;
        }
        SetWindowTextW(field, step.text.c_str());
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(window, IDOK)));
        return true;
    }
    case StepKind::Window:
        if (step.inspect)
            step.inspect(window);
        PostMessageW(window, WM_CLOSE, 0, 0);
        return true;
    }
    return false;
}

} // namespace orvane::test
