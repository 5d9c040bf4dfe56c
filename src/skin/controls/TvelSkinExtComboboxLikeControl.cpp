#include "skin/controls/TvelSkinExtComboboxLikeControl.h"

#include "framework/TControl.h"

namespace orvane::skin {

using namespace framework;

TvelSkinExtComboboxLikeControl::~TvelSkinExtComboboxLikeControl() = default;

void TvelSkinExtComboboxLikeControl::Init()
{
    if (Control().IsDesigning())
        return;
    HWND window = GetHandle();
    auto made = std::make_unique<TvelSkinInternalComboButton>(Context(), window, [this] { return IsEnabled(); });
    if (made->Create(window))
        comboButton = std::move(made);
}

void TvelSkinExtComboboxLikeControl::Release()
{
    comboButton.reset();
    TvelSkinBorderWinControl::Release();
}

void TvelSkinExtComboboxLikeControl::PlaceComboButton()
{
    if (!ComboButton())
        return;
    HWND window = Handle();
    if (!Skinning() || !ShowsComboButton() || !window || !Control().Visible()) {
        comboButton->Hide();
        return;
    }
    RECT client{};
    GetClientRect(window, &client);
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    comboButton->ShowAt(RECT{client.right - width, client.top, client.right, client.bottom});
    InvalidateRect(comboButton->Handle(), nullptr, FALSE);
}

void TvelSkinExtComboboxLikeControl::SkinChanged()
{
    PlaceComboButton();
    Repaint();
}

void TvelSkinExtComboboxLikeControl::AfterMessage(TMessage& message)
{
    TvelSkinBorderWinControl::AfterMessage(message);
    switch (message.Msg) {
    case CM_VISIBLECHANGED:
    case WM_SIZE:
        PlaceComboButton();
        break;
    default:
        break;
    }
}

void TvelSkinExtComboboxLikeControl::Paint()
{
    PaintBorder();
    if (ComboButton() && comboButton->Visible())
        InvalidateRect(comboButton->Handle(), nullptr, FALSE);
}

} // namespace orvane::skin
