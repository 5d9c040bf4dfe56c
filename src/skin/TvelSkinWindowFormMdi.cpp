#include "skin/TvelSkinWindowFormMdi.h"

#include "core/raster/Canvas.h"
#include "core/raster/CutFrame.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/TApplication.h"
#include "framework/TBitmap.h"
#include "framework/TForm.h"
#include "framework/TMenu.h"
#include "skin/BitmapResource.h"
#include "skin/SkinMessages.h"
#include "skin/TvelSkinEngine.h"
#include "skin/TvelSkinMenuBarControlButton.h"
#include "skin/TvelSkinWindowForm.h"

#include <algorithm>

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
constexpr double CascadeWidthShare = 0.8;
constexpr double CascadeHeightShare = 0.6;
constexpr int CascadeStep = 22;
constexpr int MinimizedChildrenRow = 25;

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

TCustomForm* MainForm() { return Application ? Application->MainForm() : nullptr; }

} // namespace

TvelSkinWindowFormMdi::TvelSkinWindowFormMdi(TvelSkinWindowForm& formBinding)
    : binding(formBinding), form(formBinding.Form())
{
    if (!binding.IsMDIFrame())
        return;
    if (form.ClientHandle())
        clientSubclass = TWindowSubclass(form.ClientHandle(), [this](TMessage& message,
                                                                     const TMessageLayers::TNext& next) {
            const TSkinHostInUse use(binding);
            ClientWindowProc(message, next);
        });
    CreateControlButtons();
    TakeButtonColors();
}

TvelSkinWindowFormMdi::~TvelSkinWindowFormMdi() = default;

void TvelSkinWindowFormMdi::Release()
{
    clientSubclass.Remove();
    FreeWindowListItems();
    for (const auto& button : controlButtons)
        if (button)
            button->SetParent(nullptr);
}

// ---- the child buttons

void TvelSkinWindowFormMdi::CreateControlButtons()
{
    const std::optional<Bitmap> glyphs = LoadBitmapResource(MdiGlyphsResource);
    for (int number = 1; number <= ControlButtonCount; ++number) {
        std::unique_ptr<TvelSkinMenuBarControlButton> button(
            Create<TvelSkinMenuBarControlButton>(nullptr, binding));
        if (glyphs) {
            Bitmap glyph;
            CutFrame(&*glyphs, glyph, ControlButtonCount, ControlButtonCount + 1 - number);
            CopyInto(button->Glyph(), glyph);
            button->Glyph().SetTransparentColor(TColor(glyph.ColorAt(0, glyph.Height() - 1)));
        }
        button->SetTag(ControlButtonTagBase - number);
        button->SetVisible(false);
        button->OnClick = [this](TObject* sender) { ControlButtonClick(sender); };
        button->SetParent(&form);
        controlButtons[std::size_t(number - 1)] = std::move(button);
    }
}

TvelSkinMenuBarControlButton* TvelSkinWindowFormMdi::ControlButton(int index) const
{
    return controlButtons[std::size_t(index)].get();
}

bool TvelSkinWindowFormMdi::IsControlButton(const TControl* control) const
{
    return control && std::any_of(controlButtons.begin(), controlButtons.end(),
                                  [control](const auto& button) { return button.get() == control; });
}

void TvelSkinWindowFormMdi::TakeButtonColors()
{
    TvelSkinEngine& skinner = binding.Engine();
    if (!skinner.Ready())
        return;
    const TSkinLook& look = skinner.Look();
    if (const Bitmap* image = look.Reader().GetBitmap(SKIN2_MENUBAR); image && !image->Empty()) {
        buttonColor = TColor(image->ColorAt(0, image->Height() / 2));
        buttonToColor = TColor(look.GetSkinColor(SKIN2_FORMCOLOR));
    } else {
        buttonColor = TColor(look.GetSkinColor(SKIN2_MENUBARSTARTCOLOR));
        buttonToColor = TColor(look.GetSkinColor(SKIN2_MENUBARENDCOLOR));
    }
}

void TvelSkinWindowFormMdi::PlaceControlButtons()
{
    if (!controlButtons[0])
        return;
    // In the bar's row, at its right end, whatever the controls' shift.
    int x = form.Width() - binding.FrameLook().Metrics().rightBorderWidth - ControlButtonsRightGap;
    const int top = std::max(0, (binding.MenuBarHeight() - controlButtons[0]->Height()) / 2);
    for (const auto& button : controlButtons) {
        button->SetLeft(x);
        button->SetTop(top);
        if (button->WindowHandle())
            SetWindowPos(button->WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        button->SetColor(buttonColor);
        button->SetToColor(buttonToColor);
        x -= TvelSkinMenuBarControlButton::Size;
    }
}

void TvelSkinWindowFormMdi::ShowControlButtons()
{
    TCustomForm* child = ShownActiveChild(nullptr);
    if (!child || !controlButtons[0])
        return;
    const unsigned icons = child->BorderIcons();
    controlButtons[0]->SetVisible((icons & biSystemMenu) != 0);
    controlButtons[1]->SetVisible((icons & biMaximize) != 0);
    controlButtons[2]->SetVisible((icons & biMinimize) != 0);
    for (const auto& button : controlButtons) {
        button->SetColor(buttonColor);
        button->SetToColor(buttonToColor);
        if (button->WindowHandle())
            SetWindowPos(button->WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TvelSkinWindowFormMdi::HideControlButtons()
{
    for (const auto& button : controlButtons)
        if (button)
            button->SetVisible(false);
}

void TvelSkinWindowFormMdi::ControlButtonClick(TObject* sender)
{
    auto* button = As<TvelSkinMenuBarControlButton>(sender);
    TCustomForm* child = form.ActiveMDIChild();
    if (!button || !child)
        return;
    switch (button->Tag()) {
    case MinimizeButtonTag:
        ShowWindow(child->Handle(), SW_MINIMIZE);
        break;
    case RestoreButtonTag:
        SendMessageW(form.ClientHandle(), WM_MDIRESTORE, WPARAM(child->Handle()), 0);
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

// ---- following the children

TCustomForm* TvelSkinWindowFormMdi::ShownActiveChild(TCustomForm* leaving) const
{
    TCustomForm* active = form.ActiveMDIChild();
    // The MDI system keeps a hidden child active; the frame shows it as none.
    if (!active || active == leaving || active->IsDestroying() || !HasVisibleStyle(active->WindowHandle()))
        return nullptr;
    return active;
}

void TvelSkinWindowFormMdi::FollowChildren(TCustomForm* leaving)
{
    if (form.IsDestroying() || binding.Released())
        return;
    // The bar shows the menu and the buttons of the active child that stays
    // in view, and nothing of a child that hid or goes.
    TCustomForm* shown = ShownActiveChild(leaving);
    const auto* shownBinding =
        shown ? As<TvelSkinWindowForm>(binding.Engine().FindWindowObject(shown->WindowHandle())) : nullptr;
    childMenu = shownBinding ? shownBinding->FormMenu() : nullptr;
    binding.RebuildMenuBar(false);
    if (shown && IsZoomed(shown->WindowHandle()))
        ShowControlButtons();
    else
        HideControlButtons();
}

void TvelSkinWindowFormMdi::FreeWindowListItems() { windowListItems.clear(); }

void TvelSkinWindowFormMdi::RebuildWindowList()
{
    if (!binding.IsMDIFrame() || !binding.FormMenu() || !form.WindowMenu())
        return;
    std::vector<TCustomForm*> listed;
    for (int index = 0; index < form.MDIChildCount(); ++index) {
        TCustomForm* child = form.MDIChildren(index);
        if (child->IsDestroying() || !child->Visible() || !HasVisibleStyle(child->Handle()) ||
            SendMessageW(child->Handle(), SKM_ISHIDDEN, 0, 0) == 1)
            continue;
        listed.push_back(child);
    }
    // A line, then the children; nothing without children. The entries stay
    // and are renamed rather than made anew: choosing one activates a child,
    // which lists the children again while the entry's click still runs.
    const std::size_t wanted = listed.empty() ? 0 : listed.size() + 1;
    if (windowListItems.size() > wanted)
        windowListItems.resize(wanted);
    TMenuItem* windowMenu = form.WindowMenu();
    while (windowListItems.size() < wanted) {
        // This part owns the entries, and takes them out of the window menu
        // as it lets go of the form, before the form frees its menu.
        std::unique_ptr<TMenuItem> item(Create<TMenuItem>(nullptr));
        if (windowListItems.empty())
            item->SetCaption(L"-");
        else
            item->OnClick = [this](TObject* sender) { ChooseListedChild(sender); };
        binding.Engine().SkinMenuItem(*item);
        windowMenu->Add(item.get());
        windowListItems.push_back(std::move(item));
    }
    TCustomForm* active = form.ActiveMDIChild();
    for (std::size_t index = 0; index < listed.size(); ++index) {
        TMenuItem* item = windowListItems[index + 1].get();
        TCustomForm* child = listed[index];
        if (item->Caption() != child->Caption())
            item->SetCaption(child->Caption());
        item->SetChecked(child == active);
        // Window handles keep to 32 bits, also in a 64-bit program.
        item->SetTag(HandleToLong(child->Handle()));
    }
}

void TvelSkinWindowFormMdi::ChooseListedChild(TObject* sender)
{
    const auto* item = As<TMenuItem>(sender);
    HWND client = form.ClientHandle();
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

// ---- as a child

TMdiFrameGaps TvelSkinWindowFormMdi::FrameGaps() const
{
    TCustomForm* mainForm = MainForm();
    HWND frameClient = mainForm ? mainForm->ClientHandle() : nullptr;
    if (!frameClient)
        return {};
    return TMdiFrameGaps{int(SendMessageW(frameClient, SKM_MDITOP, 0, 0)),
                         int(SendMessageW(frameClient, SKM_MDIBOTTOM, 0, 0)),
                         int(SendMessageW(frameClient, SKM_MDISIDE, 0, 0))};
}

void TvelSkinWindowFormMdi::ChildCaptured()
{
    TCustomForm* mainForm = MainForm();
    if (mainForm && (!binding.Engine().SkinningForms() || mainForm->MDIChildCount() == 1))
        PostMessageW(mainForm->Handle(), SKM_MDIMENU, WPARAM(&form), LPARAM(binding.FormMenu()));
}

void TvelSkinWindowFormMdi::ChildSkinned()
{
    TCustomForm* mainForm = MainForm();
    if (!binding.IsMDIChild() || !mainForm)
        return;
    const int count = mainForm->MDIChildCount();
    if (count <= 1 || mainForm->MDIChildren(count - 1) != &form)
        return;
    if (TCustomForm* activeChild = mainForm->ActiveMDIChild())
        for (int index = 0; index < count; ++index)
            SendMessageW(mainForm->MDIChildren(index)->Handle(), WM_MDIACTIVATE, 0, LPARAM(activeChild->Handle()));
}

void TvelSkinWindowFormMdi::ChildAttached()
{
    if (binding.IsMDIChild() && MainForm())
        SendMessageW(MainForm()->Handle(), SKM_MDIWINDOWLIST, 0, 0);
}

void TvelSkinWindowFormMdi::ChildActivated()
{
    if (TCustomForm* mainForm = MainForm())
        SendMessageW(mainForm->Handle(), SKM_MDIMENU, WPARAM(&form), LPARAM(binding.FormMenu()));
}

void TvelSkinWindowFormMdi::TellFrameIfMaximized()
{
    HWND window = form.WindowHandle();
    TCustomForm* mainForm = MainForm();
    if (!binding.IsMDIChild() || !IsZoomed(window) || maximizedTold || !mainForm)
        return;
    maximizedTold = true;
    SendMessageW(mainForm->Handle(), WM_MDIMAXIMIZE, WPARAM(window), 0);
}

void TvelSkinWindowFormMdi::ChildSized()
{
    HWND window = form.WindowHandle();
    TCustomForm* mainForm = MainForm();
    if (!binding.IsMDIChild() || !mainForm)
        return;
    if (IsZoomed(window)) {
        TellFrameIfMaximized();
        return;
    }
    InvalidateRect(window, nullptr, TRUE);
    if (maximizedTold) {
        maximizedTold = false;
        SendMessageW(mainForm->Handle(), WM_MDIRESTORE, WPARAM(window), 0);
    }
}

void TvelSkinWindowFormMdi::ChildGoing()
{
    // A child's menu leaves its frame's bar before the menu itself goes,
    // skinned look or not.
    TCustomForm* mainForm = MainForm();
    if (binding.IsMDIChild() && mainForm && mainForm != &form && mainForm->WindowHandle())
        SendMessageW(mainForm->WindowHandle(), SKM_MDIMENU, WPARAM(&form), 0);
}

void TvelSkinWindowFormMdi::AfterChildShownOrHidden(UINT flags)
{
    HWND frame = MainForm()->Handle();
    if (flags & SWP_HIDEWINDOW) {
        // Its menu and buttons leave the frame's bar as when it goes.
        SendMessageW(frame, SKM_MDIMENU, WPARAM(&form), 0);
        return;
    }
    if (!(flags & SWP_SHOWWINDOW))
        return;
    if (MainForm()->ActiveMDIChild() == &form)
        SendMessageW(frame, SKM_MDIMENU, WPARAM(&form), LPARAM(binding.FormMenu()));
    SendMessageW(frame, SKM_MDIWINDOWLIST, 0, 0);
}

// ---- messages

void TvelSkinWindowFormMdi::AfterDefault(TMessage& message)
{
    switch (message.Msg) {
    case WM_MDIRESTORE:
        if (binding.IsMDIFrame())
            HideControlButtons();
        return;
    case WM_MDIMAXIMIZE:
        if (binding.IsMDIFrame())
            ShowControlButtons();
        return;
    case SKM_MDIMENU:
        if (binding.IsMDIFrame()) {
            auto* sender = reinterpret_cast<TCustomForm*>(message.WParam);
            auto* sentMenu = reinterpret_cast<TMainMenu*>(message.LParam);
            // Without a menu: a child hid or goes.
            if (!sentMenu) {
                FollowChildren(sender != &form ? sender : nullptr);
                return;
            }
            childMenu = sentMenu;
            binding.RebuildMenuBar(false);
            if (TCustomForm* shown = ShownActiveChild(nullptr); shown && IsZoomed(shown->WindowHandle()))
                ShowControlButtons();
        }
        return;
    case SKM_MDIWINDOWLIST:
        RebuildWindowList();
        return;
    case SKM_ISHIDDEN:
        message.Result = childHidden ? 1 : 0;
        return;
    case WM_SHOWWINDOW:
        if (binding.IsMDIChild())
            childHidden = message.WParam == FALSE;
        return;
    case WM_WINDOWPOSCHANGED:
        if (binding.IsMDIChild() && MainForm())
            AfterChildShownOrHidden(reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags);
        return;
    default:
        return;
    }
}

void TvelSkinWindowFormMdi::ClientWindowProc(TMessage& message, const TMessageLayers::TNext& next)
{
    next(message);
    if (!binding.Engine().Active() || !binding.SkinAllowed())
        return;
    switch (message.Msg) {
    case WM_MDICASCADE:
        CascadeChildren();
        return;
    case WM_MDITILE:
        TileChildren(message.WParam != 0);
        return;
    case WM_MDIDESTROY:
        // The child is gone; the system has activated the next one, if any.
        FollowChildren(nullptr);
        return;
    case WM_MDICREATE:
        SendMessageW(form.Handle(), SKM_MDIWINDOWLIST, 0, 0);
        return;
    case SKM_MDITOP:
        message.Result = binding.OrigTopHeight();
        return;
    case SKM_MDISIDE:
        message.Result = binding.MDISideGap();
        return;
    case SKM_MDIBOTTOM:
        message.Result = binding.MDIBottomGap();
        return;
    default:
        return;
    }
}

void TvelSkinWindowFormMdi::CascadeChildren()
{
    const int width = int(form.ClientWidth() * CascadeWidthShare);
    const int height = int(form.ClientHeight() * CascadeHeightShare);
    int x = 0;
    int y = 0;
    for (int index = form.MDIChildCount() - 1; index >= 0; --index) {
        TCustomForm* child = form.MDIChildren(index);
        if (IsIconic(child->Handle()))
            continue;
        child->SetBounds(x, y, width, height);
        x += CascadeStep;
        y += CascadeStep;
    }
}

void TvelSkinWindowFormMdi::TileChildren(bool horizontal)
{
    const int childCount = form.MDIChildCount();
    int shown = 0;
    bool someMinimized = false;
    for (int index = 0; index < childCount; ++index) {
        if (IsIconic(form.MDIChildren(index)->Handle()))
            someMinimized = true;
        else
            ++shown;
    }
    if (shown == 0)
        return;
    int height = form.ClientHeight();
    for (int index = 0; index < form.ControlCount(); ++index) {
        TControl* control = form.Controls(index);
        if (control->Visible() && (control->Align() == TAlign::alTop || control->Align() == TAlign::alBottom))
            height -= control->Height();
    }
    if (someMinimized)
        height -= MinimizedChildrenRow;
    if (horizontal) {
        const int each = height / shown - (childCount == 1 ? 2 : 0);
        int y = 0;
        for (int index = childCount - 1; index >= 0; --index) {
            TCustomForm* child = form.MDIChildren(index);
            if (IsIconic(child->Handle()))
                continue;
            child->SetBounds(0, y, form.ClientWidth() - 4, each - 2);
            y += each - 2;
        }
        return;
    }
    const int each = form.ClientWidth() / shown - (childCount == 1 ? 2 : 0);
    int x = 0;
    for (int index = childCount - 1; index >= 0; --index) {
        TCustomForm* child = form.MDIChildren(index);
        if (IsIconic(child->Handle()))
            continue;
        child->SetBounds(x, 0, each - 2, height - 4);
        x += each - 2;
    }
}

} // namespace orvane::skin
