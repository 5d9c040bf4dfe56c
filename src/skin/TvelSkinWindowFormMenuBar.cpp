#include "skin/TvelSkinWindowFormMenuBar.h"

#include "core/base/DpiScale.h"
#include "core/raster/Gradient.h"
#include "core/raster/StretchHalftone.h"
#include "core/skinmenu/MenuBarMerge.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/TBitmap.h"
#include "framework/TForm.h"
#include "framework/TImageList.h"
#include "framework/TMenu.h"
#include "framework/TToolBar.h"
#include "skin/FormLookup.h"
#include "skin/SystemFonts.h"
#include "skin/TvelSkinEngine.h"
#include "skin/TvelSkinMenuBar.h"
#include "skin/TvelSkinWindowForm.h"

namespace orvane::skin {

using namespace framework;

namespace {

constexpr TColor DisabledBarTextColor = 0x808080;
// The bar goes above every other top-aligned control.
constexpr int MenuBarTop = -100;
// The height of the bar's buttons at 96 DPI.
constexpr int MenuBarButtonHeight = 22;

} // namespace

TvelSkinWindowFormMenuBar::TvelSkinWindowFormMenuBar(TvelSkinWindowForm& formBinding)
    : binding(formBinding), form(formBinding.Form()),
      bar(Create<TvelSkinMenuBar>(nullptr, formBinding))
{
    bar->SetAlign(TAlign::alTop);
    bar->SetParent(&form);
    bar->OnCustomDraw = [this](TToolBar& toolBar, const RECT& rect, bool&) { DrawBackground(toolBar, rect); };
    bar->OnCustomDrawButton = [this](TToolBar& toolBar, TToolButton& button, unsigned state, bool& defaultDraw) {
        DrawButton(toolBar, button, state, defaultDraw);
    };
    // An MDI child's menu shows on its frame's bar, which routes its keys.
    if (!binding.IsMDIChild() && Application)
        appEvents = Application->AddMessageFilter([this](MSG& message, bool& handled) {
            const TSkinHostInUse use(binding);
            HandleAppMessage(message, handled);
        });
}

TvelSkinWindowFormMenuBar::~TvelSkinWindowFormMenuBar() = default;

void TvelSkinWindowFormMenuBar::Release()
{
    if (appEvents != 0 && Application)
        Application->RemoveMessageFilter(appEvents);
    appEvents = 0;
    items.clear();
    bar->SetParent(nullptr);
}

int TvelSkinWindowFormMenuBar::Height() const { return bar->Visible() ? bar->Height() : 0; }

void TvelSkinWindowFormMenuBar::Show()
{
    if (!menu)
        return;
    bar->SetTop(MenuBarTop);
    bar->SetVisible(!binding.IsMDIChild());
    bar->SetColor(TColor(binding.Look().GetSkinColor(SKIN2_MENUBARSTARTCOLOR)));
}

void TvelSkinWindowFormMenuBar::Hide() { bar->SetVisible(false); }

void TvelSkinWindowFormMenuBar::Rebuild(bool forced, TMainMenu* childMenu)
{
    const bool changed = forced || menu != shownMenu || childMenu != shownChildMenu;
    if (!changed)
        return;
    CollectItems(childMenu);
    shownMenu = menu;
    shownChildMenu = childMenu;
    if (!items.empty())
        Fill();
    else
        bar->SetVisible(false);
}

void TvelSkinWindowFormMenuBar::CollectItems(TMainMenu* childMenu)
{
    items.clear();
    itemsHaveImages = false;
    if (!menu)
        return;
    const auto topLevel = [](TMainMenu& of) {
        std::vector<TMenuItem*> found;
        for (int index = 0; index < of.Items().Count(); ++index)
            found.push_back(of.Items().Items(index));
        return found;
    };
    const std::vector<TMenuItem*> formItems = topLevel(*menu);
    std::vector<TMenuItem*> childItems;
    if (childMenu)
        childItems = topLevel(*childMenu);
    std::vector<int> formGroups;
    std::vector<int> childGroups;
    for (const TMenuItem* item : formItems)
        formGroups.push_back(item->GroupIndex());
    for (const TMenuItem* item : childItems)
        childGroups.push_back(item->GroupIndex());
    for (const MergedMenuItem& place : MergeMenuBarItems(formGroups, childGroups)) {
        TMenuItem* item = place.fromChild ? childItems[std::size_t(place.index)] : formItems[std::size_t(place.index)];
        items.push_back(item);
        if (item->ImageIndex() != -1)
            itemsHaveImages = true;
    }
}

void TvelSkinWindowFormMenuBar::Fill()
{
    bar->SetAutoSize(false);
    AssignMenuFont(bar->Font());
    // The bar's row grows with the DPI as the menu font does.
    if (const int height = ScaleForDpi(MenuBarButtonHeight, binding.FrameDpi()); bar->ButtonHeight() != height)
        bar->SetButtonHeight(height);
    bar->SetList(itemsHaveImages);
    buttons.clear();
    for (TMenuItem* item : items) {
        std::unique_ptr<TToolButton> button(Create<TToolButton>(nullptr));
        button->SetAutoSize(true);
        button->SetGrouped(true);
        button->SetMenuItem(item);
        button->SetParent(bar.get());
        buttons.push_back(std::move(button));
    }
    bar->SetAutoSize(true);
    if (!binding.IsMDIChild() && !bar->Visible())
        bar->SetVisible(true);
}

// ---- drawing

void TvelSkinWindowFormMenuBar::DrawButton(TToolBar& toolBar, TToolButton& button, unsigned state, bool& defaultDraw)
{
    defaultDraw = false;
    const TSkinLook& look = binding.Look();
    TCanvas& canvas = toolBar.Canvas();
    RECT rect = toolBar.ButtonRect(button);
    AssignMenuFont(canvas.Font());
    const TMenuItem* item = button.MenuItem();
    const TMenu* owningMenu = item ? item->Menu() : nullptr;
    TCustomImageList* images = owningMenu ? owningMenu->Images() : nullptr;
    const int imageIndex = item ? item->ImageIndex() : -1;
    const bool enabled = item ? item->Enabled() && button.Enabled() : button.Enabled();
    const auto& colors = look.MenuColors();
    if (state & (cdsHot | cdsSelected)) {
        button.SetTag(TvelSkinMenuBar::MarkedTag);
        canvas.Brush.Color = TColor(look.GetSkinColor(SKIN2_TOPSELECTEDMENUCOLOR));
        canvas.FillRect(rect);
        canvas.Brush.Color = TColor(look.GetSkinColor(SKIN2_TOPSELECTEDMENUBORDERCOLOR));
        const TBrushHandle frame(CreateSolidBrush(ColorToRGB(canvas.Brush.Color)));
        FrameRect(canvas.Handle(), &rect, frame.Get());
        canvas.Font().SetColor(TColor(look.GetSkinColor(SKIN2_TOPSELECTEDMENUFONTCOLOR)));
    } else {
        button.SetTag(0);
        canvas.Font().SetColor(enabled ? TColor(colors[5]) : DisabledBarTextColor);
    }
    const bool withImage = images && imageIndex != -1;
    if (withImage)
        rect.left += images->Width();
    rect.top += 2;
    const std::wstring caption = item ? item->Caption() : button.Caption();
    canvas.TextRect(caption, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (withImage)
        images->Draw(canvas, rect.left - images->Width() + 2, rect.top + 2, imageIndex, true);
}

void TvelSkinWindowFormMenuBar::DrawBackground(TToolBar& toolBar, const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return;
    const TSkinLook& look = binding.Look();
    const Bitmap* image = look.Reader().GetBitmap(SKIN2_MENUBAR);
    const Color start = look.GetSkinColor(SKIN2_MENUBARSTARTCOLOR);
    const Color end = look.GetSkinColor(SKIN2_MENUBARENDCOLOR);
    const bool withImage = image && !image->Empty();
    if (!withImage && start == end)
        return;
    TBitmap ground(width, height);
    {
        Canvas pixels(ground.CoreBitmap());
        if (withImage)
            StretchHalftone(*image, pixels, Rect{0, 0, width, height});
        else
            FillGradientV(pixels, Rect{0, 0, width, height}, start, end);
    }
    toolBar.Canvas().CopyRect(rect, ground, RECT{0, 0, width, height});
}

// ---- keys

void TvelSkinWindowFormMenuBar::HandleAppMessage(MSG& message, bool& handled)
{
    if (!binding.Engine().Active())
        return;
    if (message.message == WM_SYSCHAR) {
        handled = KeyMenuFromChild(message);
        return;
    }
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return;
    if (CheckShortCut(message))
        handled = true;
}

bool TvelSkinWindowFormMenuBar::KeyMenuFromChild(const MSG& charMessage)
{
    // The form itself gets the menu key through WM_SYSCOMMAND (TakeKeyMenu);
    // a child's default handling may look for the system's menu bar on its
    // own (Wine does) and never tell the form.
    if (!binding.Skinned() || !bar->Visible() || !IsFormActive(form))
        return false;
    HWND formWindow = form.WindowHandle();
    if (!formWindow || charMessage.hwnd == formWindow || !IsChild(formWindow, charMessage.hwnd))
        return false;
    if ((HIWORD(charMessage.lParam) & KF_ALTDOWN) == 0 || charMessage.wParam <= L' ')
        return false;
    return bar->DialogChar(wchar_t(charMessage.wParam), true);
}

bool TvelSkinWindowFormMenuBar::CheckShortCut(const MSG& keyMessage)
{
    if (!IsFormActive(form))
        return false;
    const TShortCut key = ShortCutFromKey(keyMessage.wParam);
    TMainMenu* childMenu = binding.MergedChildMenu();
    return (childMenu && childMenu->IsShortCut(key)) || (menu && menu->IsShortCut(key));
}

bool TvelSkinWindowFormMenuBar::TakeKeyMenu(const TMessage& message)
{
    if (message.Msg != WM_SYSCOMMAND || (message.WParam & 0xFFF0) != SC_KEYMENU || !binding.Skinned() ||
        !bar->Visible())
        return false;
    if (message.LParam == 0) {
        bar->EnterMenuMode();
        return true;
    }
    return message.LParam > L' ' && bar->DialogChar(wchar_t(message.LParam), true);
}

} // namespace orvane::skin
