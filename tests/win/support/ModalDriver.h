#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane::test {

// Answers the modal windows that a command opens while the command runs:
// system message boxes, the system file dialogs (both of window class
// "#32770") and modal framework forms. Each expected window is a step; a
// thread timer, which every modal loop of the thread dispatches, looks for
// the next window and acts on it with real messages.
//
// A window that does not come within a few seconds, or one that no step
// expects, is closed so that the test cannot hang; Failures() says so.
class ModalDriver {
public:
    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // A message box: its text is recorded, then `button` (IDOK, IDYES, IDNO)
    // is pressed.
    void AnswerMessageBox(int button);
    // A message box handled by the hand: its text is recorded, then `act`
    // runs on it at every poll (on this thread, inside the box's own loop)
    // until it returns true. Each run may give real input (keys, clicks),
    // which the box handles before the next poll; the box may stay open
    // or close on it.
    void HandleMessageBox(std::function<bool(HWND)> act);
    // A file dialog: its folder is recorded, the name is typed and OK pressed.
    void ChooseFile(const std::wstring& path);
    void CancelFileDialog();
    // A file dialog looked at: `look` runs on it at every poll until it
    // returns true, then the dialog is cancelled.
    void CancelFileDialogAfter(std::function<bool(HWND)> look);
    // A visible top-level window of this thread with this class name (a
    // modal form): `inspect` runs while it is shown, then it is closed.
    void CloseWindow(const std::wstring& className, std::function<void(HWND)> inspect = {});

    // The texts of the message boxes met, in order.
    const std::vector<std::wstring>& MessageTexts() const { return messageTexts; }
    // The folders the file dialogs showed when they were met.
    const std::vector<std::wstring>& DialogFolders() const { return dialogFolders; }
    const std::vector<std::wstring>& Failures() const { return failures; }
    bool AllStepsDone() const { return steps.empty(); }

private:
    enum class StepKind { MessageBox, HandOnMessageBox, FileDialog, CancelFileDialog, LookAtFileDialog, Window };
    struct Step {
        StepKind kind;
        int button = 0;
        std::wstring text = {};
        std::function<void(HWND)> inspect = {};
        std::function<bool(HWND)> act = {};
        bool textTaken = false;
    };

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Poll();
    bool Act(Step& step, HWND window);

    std::vector<Step> steps;
    std::vector<std::wstring> messageTexts;
    std::vector<std::wstring> dialogFolders;
    std::vector<std::wstring> failures;
    struct Handled {
        HWND window;
        DWORD since;
    };
    std::vector<Handled> handled;
    UINT_PTR timer = 0;
    DWORD waitingSince = 0;
    // Set while a poll runs: a step's action or inspection may pump messages
    // (a screen read does), and the timer's next tick must not act on the
    // step that is still acting, nor erase it under that action.
    bool polling = false;
};

} // namespace orvane::test
