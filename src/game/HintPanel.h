#pragma once

#include "framework/TForm.h"
#include "framework/TLabel.h"

#include <string>

namespace orvane::game {

// The hint's window: a small tool window of its own beside the main window
// (never over the cells a hint shows) with the hint's text. It never takes
// the activation, so that the keys go on reaching the board and the main
// window stays active; its title's close button hides it.
class THintPanel : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit THintPanel(framework::TComponent* owner);

    framework::TLabel* Label1 = nullptr;

    // Puts the text in and fits the window's height to it.
    void SetText(const std::wstring& text);
    std::wstring Text() const { return Label1->Caption(); }
    // Shows the window at a place of the screen without activating it.
    void ShowAt(const RECT& place);

protected:
    void CreateParams(TCreateParams& params) override;
    void VisibleChanged() override;
    void WndProc(framework::TMessage& message) override;
};

} // namespace orvane::game
