// The skinned menu bar of a form's binding: the form's menu taken off the
// form and shown as buttons on a tool bar, with an MDI frame's merged child
// menu, its child buttons and its window list.

#include "skin/TvelSkinWindowForm.h"

#include "core/raster/Gradient.h"
#include "core/raster/StretchHalftone.h"
#include "core/skinmenu/MenuBarMerge.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/TBitmap.h"
#include "framework/TForm.h"
#include "framework/TImageList.h"
#include "framework/TMenu.h"
#include "framework/TToolBar.h"
#include "skin/BitmapResource.h"
#include "skin/FormLookup.h"
#include "skin/SkinMessages.h"
#include "skin/SystemFonts.h"
#include "skin/TvelSkinEngine.h"
#include "skin/TvelSkinMenuBar.h"
#include "skin/TvelSkinMenuBarControlButton.h"

#include "core/raster/CutFrame.h"

#include <map>

namespace orvane::skin {

using namespace framework;

namespace {

constexpr wchar_t MdiGlyphsResource[] = L"VELSKIN_MDI_CONTROLER";
constexpr int ControlButtonCount = 3;
// Tags of the child buttons: close, restore, minimize.
constexpr std::int32_t ControlButtonTagBase = -1380;
constexpr std::int32_t CloseButtonTag = ControlButtonTagBase - 1;
constexpr std::int32_t RestoreButtonTag = ControlButtonTagBase - 2;
constexpr std::int32_t MinimizeButtonTag = ControlButtonTagBase - 3;
constexpr int ControlButtonsRightGap = 26;
constexpr TColor DisabledBarTextColor = 0x808080;

// The window's own visibility, whatever its parents'.
bool HasVisibleStyle(HWND window) { return window && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE); }

// A core bitmap as a framework bitmap, for drawing on a device context.
void CopyInto(TBitmap& target, const Bitmap& source)
{
    target.SetSize(source.Width(), source.Height());
    Canvas pixels(target.CoreBitmap());
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x)
            pixels.SetPixel(x, y, source.ColorAt(x, y));
}

} // namespace

int TvelSkinWindowForm::MenuBarHeight() const
{
    return menuBar && menuBar->Visible() ? menuBar->Height() : 0;
}

void TvelSkinWindowForm::CreateMenuBar()
{
    menuBar = Create<TvelSkinMenuBar>(this, *this);
    menuBar->SetAlign(TAlign::alTop);
    menuBar->SetParent(form);
    menuBar->OnCustomDraw = [this](TToolBar& bar, const RECT& rect, bool& defaultDraw) {
        DrawBarBackground(bar, rect, defaultDraw);
    };
    menuBar->OnCustomDrawButton = [this](TToolBar& bar, TToolButton& button, unsigned state, bool& defaultDraw) {
        DrawBarButton(bar, button, state, defaultDraw);
    };
    TakeMenuBarColors();

    if (IsMDIFrame()) {
        const std::optional<Bitmap> glyphs = LoadBitmapResource(MdiGlyphsResource);
        for (int number = 1; number <= ControlButtonCount; ++number) {
            auto* button = Create<TvelSkinMenuBarControlButton>(this);
            if (glyphs) {
                Bitmap glyph;
                CutFrame(&*glyphs, glyph, ControlButtonCount, ControlButtonCount + 1 - number);
                CopyInto(button->Glyph(), glyph);
                button->Glyph().SetTransparentColor(TColor(glyph.ColorAt(0, glyph.Height() - 1)));
            }
            button->SetTag(ControlButtonTagBase - number);
            button->SetVisible(false);
            button->OnClick = [this](TObject* sender) { ControlButtonClick(sender); };
            button->SetParent(form);
            controlButtons[std::size_t(number - 1)] = button;
        }
    }
    if (!IsMDIChild() && Application)
        appEvents = Application->AddMessageFilter([this](MSG& message, bool& handled) {
            HandleAppMessage(message, handled);
        });
}

void TvelSkinWindowForm::FreeMenuBar()
{
    if (appEvents != 0 && Application)
        Application->RemoveMessageFilter(appEvents);
    appEvents = 0;
    FreeWindowListItems();
    menuItems.clear();
    // The bar and the buttons go with the form when it goes; otherwise the
    // binding takes them away.
    if (form && !form->IsDestroying()) {
        delete menuBar;
        for (TvelSkinMenuBarControlButton*& button : controlButtons)
            delete button;
    }
    menuBar = nullptr;
    controlButtons = {};
}

void TvelSkinWindowForm::TakeMenuBarColors()
{
    TvelSkinEngine& skinner = Engine();
    if (!skinner.Ready())
        return;
    if (const Bitmap* image = skinner.Look().Reader().GetBitmap(SKIN2_MENUBAR); image && !image->Empty()) {
        buttonColor = TColor(image->ColorAt(0, image->Height() / 2));
        buttonToColor = TColor(skinner.Look().GetSkinColor(SKIN2_FORMCOLOR));
    } else {
        buttonColor = TColor(skinner.Look().GetSkinColor(SKIN2_MENUBARSTARTCOLOR));
        buttonToColor = TColor(skinner.Look().GetSkinColor(SKIN2_MENUBARENDCOLOR));
    }
}

void TvelSkinWindowForm::RebuildMenuBar(bool forced)
{
    if (!menuBar)
        return;
    bool changed = false;
    if (IsMDIFrame()) {
        if (forced || menu != shownMenu || childMenu != shownChildMenu) {
            CollectMenuItems(childMenu);
            shownMenu = menu;
            shownChildMenu = childMenu;
            changed = true;
        }
    } else if (forced || menu != shownMenu) {
        CollectMenuItems(nullptr);
        shownMenu = menu;
        shownChildMenu = nullptr;
        changed = true;
    }
    if (forced || changed) {
        if (!menuItems.empty())
            FillMenuBar();
        else
            menuBar->SetVisible(false);
    }
    if (IsMDIFrame())
        RebuildWindowList();
}

void TvelSkinWindowForm::CollectMenuItems(TMainMenu* mergedChildMenu)
{
    menuItems.clear();
    menuItemsHaveImages = false;
    if (!menu)
        return;
    const auto topLevel = [](TMainMenu& of) {
        std::vector<TMenuItem*> items;
        for (int index = 0; index < of.Items().Count(); ++index)
            items.push_back(of.Items().Items(index));
        return items;
    };
    const std::vector<TMenuItem*> frameItems = topLevel(*menu);
    std::vector<TMenuItem*> childItems;
    if (IsMDIFrame() && mergedChildMenu)
        childItems = topLevel(*mergedChildMenu);
    std::vector<int> frameGroups;
    std::vector<int> childGroups;
    for (const TMenuItem* item : frameItems)
        frameGroups.push_back(item->GroupIndex());
    for (const TMenuItem* item : childItems)
        childGroups.push_back(item->GroupIndex());
    for (const MergedMenuItem& place : MergeMenuBarItems(frameGroups, childGroups)) {
        TMenuItem* item = place.fromChild ? childItems[std::size_t(place.index)] : frameItems[std::size_t(place.index)];
        menuItems.push_back(item);
        if (item->ImageIndex() != -1)
            menuItemsHaveImages = true;
    }
}

void TvelSkinWindowForm::FillMenuBar()
{
    menuBar->SetAutoSize(false);
    AssignMenuFont(menuBar->Font());
    menuBar->SetList(menuItemsHaveImages);
    while (menuBar->ButtonCount() > 0)
        delete menuBar->Buttons(menuBar->ButtonCount() - 1);
    for (TMenuItem* item : menuItems) {
        auto* button = Create<TToolButton>(menuBar);
        button->SetAutoSize(true);
        button->SetGrouped(true);
        button->SetMenuItem(item);
        button->SetParent(menuBar);
    }
    menuBar->SetAutoSize(true);
    if (!IsMDIChild() && !menuBar->Visible())
        menuBar->SetVisible(true);
}

// ---- drawing

void TvelSkinWindowForm::DrawBarButton(TToolBar& bar, TToolButton& button, unsigned state, bool& defaultDraw)
{
    defaultDraw = false;
    TCanvas& canvas = bar.Canvas();
    RECT rect = bar.ButtonRect(button);
    AssignMenuFont(canvas.Font());
    const TMenuItem* item = button.MenuItem();
    const TMenu* owningMenu = item ? item->Menu() : nullptr;
    TCustomImageList* images = owningMenu ? owningMenu->Images() : nullptr;
    const int imageIndex = item ? item->ImageIndex() : -1;
    const bool enabled = item ? item->Enabled() && button.Enabled() : button.Enabled();
    const auto& colors = Look().MenuColors();
    if (state & (cdsHot | cdsSelected)) {
        button.SetTag(TvelSkinMenuBar::MarkedTag);
        canvas.Brush.Color = TColor(Look().GetSkinColor(SKIN2_TOPSELECTEDMENUCOLOR));
        canvas.FillRect(rect);
        canvas.Brush.Color = TColor(Look().GetSkinColor(SKIN2_TOPSELECTEDMENUBORDERCOLOR));
        const HBRUSH frame = CreateSolidBrush(ColorToRGB(canvas.Brush.Color));
        FrameRect(canvas.Handle(), &rect, frame);
        DeleteObject(frame);
        canvas.Font().SetColor(TColor(Look().GetSkinColor(SKIN2_TOPSELECTEDMENUFONTCOLOR)));
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

void TvelSkinWindowForm::DrawBarBackground(TToolBar& bar, const RECT& rect, bool&)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return;
    TvelSkinEngine& skinner = Engine();
    const Bitmap* image = skinner.Look().Reader().GetBitmap(SKIN2_MENUBAR);
    const Color start = skinner.Look().GetSkinColor(SKIN2_MENUBARSTARTCOLOR);
    const Color end = skinner.Look().GetSkinColor(SKIN2_MENUBARENDCOLOR);
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
    bar.Canvas().CopyRect(rect, ground, RECT{0, 0, width, height});
}

// ---- keys

void TvelSkinWindowForm::HandleAppMessage(MSG& message, bool& handled)
{
    if (!Engine().Active())
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

bool TvelSkinWindowForm::KeyMenuFromChild(const MSG& charMessage)
{
    // The form itself gets the menu key through WM_SYSCOMMAND (BeforeDefault);
    // a child's default handling may look for the system's menu bar on its
    // own (Wine does) and never tell the form.
    if (!form || !Skinned() || !menuBar || !menuBar->Visible() || !IsFormActive(*form))
        return false;
    HWND formWindow = form->WindowHandle();
    if (!formWindow || charMessage.hwnd == formWindow || !IsChild(formWindow, charMessage.hwnd))
        return false;
    if ((HIWORD(charMessage.lParam) & KF_ALTDOWN) == 0 || charMessage.wParam <= L' ')
        return false;
    return menuBar->DialogChar(wchar_t(charMessage.wParam), true);
}

bool TvelSkinWindowForm::CheckShortCut(const MSG& keyMessage)
{
    if (!form || !IsFormActive(*form))
        return false;
    const TShortCut key = ShortCutFromKey(keyMessage.wParam);
    if (IsMDIFrame())
        return (childMenu && childMenu->IsShortCut(key)) || (menu && menu->IsShortCut(key));
    return menu && menu->IsShortCut(key);
}

bool TvelSkinWindowForm::BeforeDefault(TMessage& message)
{
    // The keyboard's way into the menu (Alt with a letter, F10, Alt alone):
    // the system would look for a menu bar the form no longer has; the
    // skinned bar answers.
    if (message.Msg != WM_SYSCOMMAND || (message.WParam & 0xFFF0) != SC_KEYMENU || !Skinned() || !menuBar ||
        !menuBar->Visible())
        return true;
    if (message.LParam == 0) {
        menuBar->EnterMenuMode();
        return false;
    }
    if (message.LParam > L' ' && menuBar->DialogChar(wchar_t(message.LParam), true))
        return false;
    return true;
}

// ---- MDI

void TvelSkinWindowForm::PlaceControlButtons()
{
    if (!controlButtons[0])
        return;
    // In the bar's row, at its right end, whatever the controls' shift.
    int x = form->Width() - Look().Metrics().rightBorderWidth - ControlButtonsRightGap;
    const int top = std::max(0, (MenuBarHeight() - controlButtons[0]->Height()) / 2);
    for (TvelSkinMenuBarControlButton* button : controlButtons) {
        button->SetLeft(x);
        button->SetTop(top);
        if (button->WindowHandle())
            SetWindowPos(button->WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        button->SetColor(buttonColor);
        button->SetToColor(buttonToColor);
        x -= TvelSkinMenuBarControlButton::Size;
    }
}

void TvelSkinWindowForm::ShowControlButtons()
{
    TCustomForm* child = ShownActiveChild(nullptr);
    if (!child || !controlButtons[0])
        return;
    const unsigned icons = child->BorderIcons();
    controlButtons[0]->SetVisible((icons & biSystemMenu) != 0);
    controlButtons[1]->SetVisible((icons & biMaximize) != 0);
    controlButtons[2]->SetVisible((icons & biMinimize) != 0);
    for (TvelSkinMenuBarControlButton* button : controlButtons) {
        button->SetColor(buttonColor);
        button->SetToColor(buttonToColor);
        if (button->WindowHandle())
            SetWindowPos(button->WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TvelSkinWindowForm::HideControlButtons()
{
    for (TvelSkinMenuBarControlButton* button : controlButtons)
        if (button)
            button->SetVisible(false);
}

void TvelSkinWindowForm::ControlButtonClick(TObject* sender)
{
    auto* button = As<TvelSkinMenuBarControlButton>(sender);
    TCustomForm* child = form ? form->ActiveMDIChild() : nullptr;
    if (!button || !child)
        return;
    switch (button->Tag()) {
    case MinimizeButtonTag:
        ShowWindow(child->Handle(), SW_MINIMIZE);
        break;
    case RestoreButtonTag:
        SendMessageW(form->ClientHandle(), WM_MDIRESTORE, WPARAM(child->Handle()), 0);
        break;
    case CloseButtonTag:
        child->Close();
        break;
    default:
        return;
    }
    if (Application)
        Application->ProcessMessages();
}

TCustomForm* TvelSkinWindowForm::ShownActiveChild(TCustomForm* leaving) const
{
    TCustomForm* active = form ? form->ActiveMDIChild() : nullptr;
    // The MDI system keeps a hidden child active; the frame shows it as none.
    if (!active || active == leaving || active->IsDestroying() || !HasVisibleStyle(active->WindowHandle()))
        return nullptr;
    return active;
}

void TvelSkinWindowForm::FollowChildren(TCustomForm* leaving)
{
    if (!form || form->IsDestroying() || destroying)
        return;
    // The bar shows the menu and the buttons of the active child that stays
    // in view, and nothing of a child that hid or goes.
    TCustomForm* shown = ShownActiveChild(leaving);
    const auto* shownBinding =
        shown ? As<TvelSkinWindowForm>(Engine().FindWindowObject(shown->WindowHandle())) : nullptr;
    childMenu = shownBinding ? shownBinding->menu : nullptr;
    childMenuOwner = childMenu ? shown : nullptr;
    RebuildMenuBar(false);
    if (shown && IsZoomed(shown->WindowHandle()))
        ShowControlButtons();
    else
        HideControlButtons();
}

void TvelSkinWindowForm::FreeWindowListItems()
{
    for (TMenuItem* item : windowListItems)
        delete item;
    windowListItems.clear();
}

void TvelSkinWindowForm::RebuildWindowList()
{
    if (!IsMDIFrame() || !menu || !form->WindowMenu())
        return;
    std::vector<TCustomForm*> listed;
    for (int index = 0; index < form->MDIChildCount(); ++index) {
        TCustomForm* child = form->MDIChildren(index);
        if (child->IsDestroying() || !child->Visible() || !HasVisibleStyle(child->Handle()) ||
            SendMessageW(child->Handle(), SKM_ISHIDDEN, 0, 0) == 1)
            continue;
        listed.push_back(child);
    }
    // A line, then the children; nothing without children. The entries stay
    // and are renamed rather than made anew: choosing one activates a child,
    // which lists the children again while the entry's click still runs.
    const std::size_t wanted = listed.empty() ? 0 : listed.size() + 1;
    while (windowListItems.size() > wanted) {
        delete windowListItems.back();
        windowListItems.pop_back();
    }
    TMenuItem* windowMenu = form->WindowMenu();
    while (windowListItems.size() < wanted) {
        // The binding owns the entries: the form may free its own components
        // before the engine frees the binding.
        auto* item = Create<TMenuItem>(this);
        if (windowListItems.empty())
            item->SetCaption(L"-");
        else
            item->OnClick = [this](TObject* sender) { ChooseListedChild(sender); };
        Engine().SkinMenuItem(*item);
        windowMenu->Add(item);
        windowListItems.push_back(item);
    }
    TCustomForm* active = form->ActiveMDIChild();
    for (std::size_t index = 0; index < listed.size(); ++index) {
        TMenuItem* item = windowListItems[index + 1];
        TCustomForm* child = listed[index];
        if (item->Caption() != child->Caption())
            item->SetCaption(child->Caption());
        item->SetChecked(child == active);
        // Window handles keep to 32 bits, also in a 64-bit program.
        item->SetTag(HandleToLong(child->Handle()));
    }
}

void TvelSkinWindowForm::ChooseListedChild(TObject* sender)
{
    const auto* item = As<TMenuItem>(sender);
    HWND client = form ? form->ClientHandle() : nullptr;
    if (!item || !client)
        return;
    // Read before anything moves: activating a child lists the children
    // again, in their new order, in these same entries.
    HWND child = static_cast<HWND>(LongToHandle(item->Tag()));
    if (!IsWindow(child) || GetParent(child) != client)
        return;
    if (IsIconic(child))
        ShowWindow(child, SW_RESTORE);
    SendMessageW(client, WM_MDIACTIVATE, WPARAM(child), 0);
}

} // namespace orvane::skin
