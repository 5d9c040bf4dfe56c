#include "game/HintPanel.h"

#include "framework/GdiOwners.h"

namespace orvane::game {

using namespace framework;

namespace {

constexpr int PanelClientWidth = 264;
constexpr int TextMargin = 8;
constexpr int LeastTextHeight = 26;

} // namespace

const TClassInfo THintPanel::ClassInfo{L"THintPanel", &TForm::ClassInfo, {}};

THintPanel::THintPanel(TComponent* owner) : TForm(owner)
{
    BeginLayout();
    SetName(L"HintPanel1");
    SetCaption(L"Hint");
    SetBorderStyle(TFormBorderStyle::bsToolWindow);
    SetBorderIcons(biSystemMenu);
    SetClientSize(PanelClientWidth, LeastTextHeight + 2 * TextMargin);

    Label1 = Create<TLabel>(this);
    Label1->SetName(L"Label1");
    Label1->SetParent(this);
    Label1->SetWordWrap(true);
    Label1->SetBounds(TextMargin, TextMargin, PanelClientWidth - 2 * TextMargin, LeastTextHeight);
    EndLayout();
}

void THintPanel::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_NOACTIVATE;
}

void THintPanel::SetText(const std::wstring& text)
{
    // The height the label's wrapped text takes in its font.
    TClientDC screen(nullptr);
    TSelectedObject font;
    font.Select(screen.Handle(), Label1->Font().Handle());
    // The panel may already be scaled to the screen's DPI: its lengths are
    // taken at that DPI.
    const int panelWidth = ScaleLength(PanelClientWidth);
    const int margin = ScaleLength(TextMargin);
    RECT measured{0, 0, panelWidth - 2 * margin, 0};
    DrawTextW(screen.Handle(), text.c_str(), int(text.size()), &measured,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    const int height = std::max(ScaleLength(LeastTextHeight), int(measured.bottom - measured.top));
    Label1->SetCaption(text);
    Label1->SetBounds(margin, margin, panelWidth - 2 * margin, height);
    SetClientSize(panelWidth, height + 2 * margin);
}

void THintPanel::ShowAt(const RECT& place)
{
    SetBounds(place.left, place.top, place.right - place.left, place.bottom - place.top);
    if (Visible()) {
        SetWindowPos(Handle(), HWND_TOP, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
    SetVisible(true);
}

void THintPanel::VisibleChanged()
{
    if (!Visible()) {
        TForm::VisibleChanged();
        return;
    }
    HandleNeeded();
    SetWindowPos(Handle(), HWND_TOP, Left(), Top(), 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (OnShow)
        OnShow(this);
}

void THintPanel::WndProc(TMessage& message)
{
    // A click on the window leaves the activation where it is.
    if (message.Msg == WM_MOUSEACTIVATE) {
        message.Result = MA_NOACTIVATE;
        return;
    }
    TForm::WndProc(message);
}

} // namespace orvane::game
