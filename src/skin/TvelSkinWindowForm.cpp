#include "skin/TvelSkinWindowForm.h"

#include "core/base/Exception.h"
#include "framework/GuardedCallback.h"
#include "framework/PublishedProperties.h"
#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TMenu.h"
#include "framework/TToolBar.h"
#include "skin/FormLookup.h"
#include "skin/MonitorWorkArea.h"
#include "skin/PlatformVersion.h"
#include "skin/SkinClassLists.h"
#include "skin/SkinMessages.h"
#include "skin/TvelSkinControl.h"
#include "skin/TvelSkinEngine.h"
#include "skin/TvelSkinMenuBar.h"
#include "skin/TvelSkinMenuBarControlButton.h"

#include "core/skinmodel/SkinKeys.h"

#include <algorithm>

namespace orvane::skin {

using namespace framework;

const TClassInfo TvelSkinWindowForm::ClassInfo{L"TvelSkinWindowForm", &TvelSkinWindow::ClassInfo, {}};

namespace {

// What the system's menu bar took above the client area before skinning.
constexpr int MenuAllowance = 19;
constexpr int VistaMenuAllowance = 22;
constexpr int MinimumHeightSlack = 6;
constexpr int WorkAreaOverlap = 4;
constexpr double CascadeWidthShare = 0.8;
constexpr double CascadeHeightShare = 0.6;
constexpr int CascadeStep = 22;
constexpr int MinimizedChildrenRow = 25;
constexpr wchar_t OwnFormClassPrefix[] = L"Tvel";
constexpr wchar_t OwnFormClass[] = L"TvelForm";
constexpr wchar_t OwnUpDownClass[] = L"TvelSkinInternalUpDown";
constexpr wchar_t RollShadowClass[] = L"TRollShadow";
// The menu bar goes above every other top-aligned control.
constexpr int MenuBarTop = -100;

void SetSystemMenuStyle(HWND window, bool on)
{
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG wanted = on ? (style | WS_SYSMENU) : (style & ~LONG(WS_SYSMENU));
    if (wanted != style)
        SetWindowLongW(window, GWL_STYLE, wanted);
}

// Screen rectangle of a window's client area.
RECT ClientOnScreen(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

bool HasMaximizeLikeBorder(TFormBorderStyle style)
{
    return style != TFormBorderStyle::bsDialog && style != TFormBorderStyle::bsToolWindow &&
           style != TFormBorderStyle::bsSizeToolWin;
}

} // namespace

TvelSkinWindowForm::TvelSkinWindowForm(TComponent* owner, TvelSkinEngine& owningEngine, bool byHook)
    : TvelSkinWindow(owner, owningEngine, byHook)
{
}

TvelSkinWindowForm::~TvelSkinWindowForm()
{
    *alive = false;
    Shutdown();
}

HWND TvelSkinWindowForm::Handle() const { return form ? form->WindowHandle() : nullptr; }

// ---- binding

void TvelSkinWindowForm::Attach(HWND window)
{
    form = FindFormByHandle(window);
    if (!form)
        form = TvelSkinEngine::FormBeingSkinned();
    if (!form)
        throw Exception(std::string_view("VELSkin: Skinning form failed!"));
    skinAllowed = form->Tag() != Engine().DisabledTag();
    menu = nullptr;

    // Messages reach the frame first; the form's own handling is "default".
    std::weak_ptr<bool> living = alive;
    windowProcHook = form->HookWindowProc([this, living](TMessage& message, const TMessageLayers::TNext& next) {
        // A child's menu leaves its frame's bar before the menu itself goes,
        // skinned look or not.
        if (message.Msg == WM_DESTROY && IsMDIChild() && Application && Application->MainForm() &&
            Application->MainForm() != form && Application->MainForm()->WindowHandle())
            SendMessageW(Application->MainForm()->WindowHandle(), SKM_MDIMENU, WPARAM(form), 0);
        const TMessageLayers::TNext* outer = defaultProc;
        defaultProc = &next;
        HandleMessage(message);
        if (auto stillAlive = living.lock(); stillAlive && *stillAlive)
            defaultProc = outer;
    });

    if (IsMDIFrame() && form->ClientHandle())
        clientSubclass = TWindowSubclass(form->ClientHandle(), [this](TMessage& message,
                                                                      const TMessageLayers::TNext& next) {
            ClientWindowProc(message, next);
        });

    childMenu = shownMenu = shownChildMenu = nullptr;
    CreateMenuBar();

    const bool topLevel = form->Parent() == nullptr && form->BorderStyle() != TFormBorderStyle::bsNone;
    hasCaption = topLevel;
    hasBorder = form->BorderStyle() != TFormBorderStyle::bsNone;
    FrameChanged(window);

    if (IsMDIChild() && Application && Application->MainForm())
        SendMessageW(Application->MainForm()->Handle(), SKM_MDIWINDOWLIST, 0, 0);
}

void TvelSkinWindowForm::Detach()
{
    windowProcHook.Remove();
    clientSubclass.Remove();
    defaultProc = nullptr;
    FreeMenuBar();
    if (Engine().Releasing() && form && !form->IsDestroying())
        FrameChanged(form->WindowHandle());
}

void TvelSkinWindowForm::CallDefault(TMessage& message)
{
    if (defaultProc) {
        (*defaultProc)(message);
        return;
    }
    // Outside the form's message chain (a message the frame makes up itself).
    if (form && form->WindowHandle())
        message.Result = DefWindowProcW(form->WindowHandle(), message.Msg, message.WParam, message.LParam);
}

// ---- what the frame asks

std::wstring TvelSkinWindowForm::GetWideCaption() const
{
    if (!form || IsWin95())
        return {};
    return form->Caption();
}

bool TvelSkinWindowForm::CanSetRegion() const
{
    return form && !form->Parent() && form->BorderStyle() != TFormBorderStyle::bsNone;
}

HICON TvelSkinWindowForm::IconHandle() const { return form ? form->Icon() : nullptr; }
bool TvelSkinWindowForm::HasHelpButton() const { return form && (form->BorderIcons() & biHelp); }
bool TvelSkinWindowForm::IsMDIFrame() const { return form && form->FormStyle() == TFormStyle::fsMDIForm; }
bool TvelSkinWindowForm::IsMDIChild() const { return form && form->FormStyle() == TFormStyle::fsMDIChild; }

bool TvelSkinWindowForm::HasSystemIcon() const
{
    return form &&
           (form->BorderStyle() == TFormBorderStyle::bsSingle || form->BorderStyle() == TFormBorderStyle::bsSizeable) &&
           (form->BorderIcons() & biSystemMenu);
}

bool TvelSkinWindowForm::HasCloseButton() const { return form && (form->BorderIcons() & biSystemMenu); }

bool TvelSkinWindowForm::HasMaximizeButton() const
{
    return form && (form->BorderIcons() & biMaximize) && (form->BorderIcons() & biSystemMenu) &&
           HasMaximizeLikeBorder(form->BorderStyle());
}

bool TvelSkinWindowForm::HasMinimizeButton() const
{
    return form && (form->BorderIcons() & biMinimize) && (form->BorderIcons() & biSystemMenu) &&
           HasMaximizeLikeBorder(form->BorderStyle());
}

bool TvelSkinWindowForm::HasToolBarUnderMenu() const
{
    if (toolBarUnderMenu >= 0)
        return toolBarUnderMenu == 1;
    toolBarUnderMenu = 0;
    for (int index = 0; form && index < form->ControlCount(); ++index)
        if (auto* toolBar = As<TToolBar>(form->Controls(index)); toolBar && toolBar != menuBar) {
            toolBarUnderMenu = toolBar->Top() == MenuBarHeight() ? 1 : 0;
            break;
        }
    return toolBarUnderMenu == 1;
}

void TvelSkinWindowForm::RememberClientSize()
{
    if (unskinning || !form)
        return;
    origClientWidth = form->ClientWidth();
    origClientHeight = form->ClientHeight();
}

// ---- geometry and look

void TvelSkinWindowForm::CaptureGeometry()
{
    HWND window = form->Handle();
    origClientWidth = form->ClientWidth();
    origClientHeight = form->ClientHeight();
    menu = form->Menu();
    const int allowance = !menu || IsMDIChild() ? 0 : IsVista() ? VistaMenuAllowance : MenuAllowance;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const RECT client = ClientOnScreen(window);
    if (IsMDIChild()) {
        HWND frameClient = nullptr;
        if (Application && Application->MainForm())
            frameClient = Application->MainForm()->ClientHandle();
        origTopHeight = frameClient ? int(SendMessageW(frameClient, SKM_MDITOP, 0, 0)) : 0;
        mdiBottomGap = std::max(frameClient ? int(SendMessageW(frameClient, SKM_MDIBOTTOM, 0, 0)) : 0, LeastFrameWidth);
        mdiSideGap = std::max(frameClient ? int(SendMessageW(frameClient, SKM_MDISIDE, 0, 0)) : 0, LeastFrameWidth);
        origLeftWidth = LeastFrameWidth;
        TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
        if (mainForm && (!Engine().SkinningForms() || mainForm->MDIChildCount() == 1))
            PostMessageW(mainForm->Handle(), SKM_MDIMENU, WPARAM(form), LPARAM(menu));
    } else {
        origTopHeight = client.top - bounds.top - allowance;
        if (IsMDIFrame()) {
            mdiBottomGap = bounds.bottom - client.bottom;
            mdiSideGap = client.left - bounds.left;
        } else {
            mdiBottomGap = LeastFrameWidth;
            mdiSideGap = LeastFrameWidth;
        }
        origLeftWidth = client.left - bounds.left;
        origBottomHeight = bounds.bottom - client.bottom;
    }
    savedColor = form->Color();
}

void TvelSkinWindowForm::ApplySkin()
{
    if (Skinned())
        SkinLookOn();
    else
        SkinLookOff();
}

void TvelSkinWindowForm::SkinLookOn()
{
    if (!destroying)
        for (const auto& controlSkin : controlSkins) {
            try {
                controlSkin->Refresh();
            } catch (...) {
                ReportCaughtException(TCallbackFailure::Log);
            }
        }
    HWND window = form->Handle();
    SetSystemMenuStyle(window, false);
    selfChange = true;
    form->SetColor(TColor(Look().GetSkinColor(SKIN2_FORMCOLOR)));
    // The menu leaves the form for the skinned bar.
    if (form->Menu())
        form->SetMenu(nullptr);
    selfChange = false;
    if (menu && menuBar) {
        menuBar->SetTop(MenuBarTop);
        menuBar->SetVisible(!IsMDIChild());
        menuBar->SetColor(TColor(Look().GetSkinColor(SKIN2_MENUBARSTARTCOLOR)));
    }
    TakeMenuBarColors();

    if (IsMDIChild() && Application && Application->MainForm()) {
        TCustomForm* mainForm = Application->MainForm();
        const int count = mainForm->MDIChildCount();
        if (count > 1 && mainForm->MDIChildren(count - 1) == form)
            if (TCustomForm* activeChild = mainForm->ActiveMDIChild())
                for (int index = 0; index < count; ++index)
                    SendMessageW(mainForm->MDIChildren(index)->Handle(), WM_MDIACTIVATE, 0,
                                 LPARAM(activeChild->Handle()));
    }
    RebuildMenuBar(true);
    if (IsMDIFrame())
        PlaceControlButtons();
    SetConstraints();
    if (!controlsShifted) {
        ShiftControls(+1);
        controlsShifted = true;
    }
    if (!IsZoomed(window)) {
        selfChange = true;
        form->SetClientSize(origClientWidth + 2 * std::max(LeastFrameWidth, origLeftWidth) - 2 * LeastFrameWidth,
                            MenuBarHeight() + origClientHeight + 2 * std::max(LeastFrameWidth, origBottomHeight) -
                                2 * LeastFrameWidth);
        selfChange = false;
    }
    for (TComponent* component : form->ComponentList())
        if (auto* formMenu = As<TMenu>(component); formMenu && formMenu->Tag() != Engine().DisabledTag())
            Engine().SkinMenu(*formMenu);
    selfChange = true;
    FrameChanged(window);
    selfChange = false;
    if (IsMDIChild() && IsZoomed(window) && !mdiMaximized && Application && Application->MainForm()) {
        mdiMaximized = true;
        SendMessageW(Application->MainForm()->Handle(), WM_MDIMAXIMIZE, WPARAM(window), 0);
    }
}

void TvelSkinWindowForm::SkinLookOff()
{
    if (!form || form->IsDestroying() || destroying)
        return;
    HWND window = form->WindowHandle();
    if (!window)
        return;
    // The control skins give back the colours and styles they changed.
    for (const auto& controlSkin : controlSkins) {
        try {
            controlSkin->Refresh();
        } catch (...) {
            ReportCaughtException(TCallbackFailure::Log);
        }
    }
    unskinning = true;
    selfChange = true;
    SetSystemMenuStyle(window, true);
    if (menu)
        form->SetMenu(menu);
    form->SetColor(savedColor);
    TSizeConstraints limits = form->Constraints();
    if (minHeightSet)
        limits.MinHeight = 0;
    if (minWidthSet)
        limits.MinWidth = 0;
    minHeightSet = minWidthSet = false;
    form->SetConstraints(limits);
    selfChange = false;
    // The system frame comes back first, so that the client size below is
    // measured against it.
    SetWindowRgn(window, nullptr, TRUE);
    FrameChanged(window);
    if (!IsZoomed(window) && origClientWidth > 0 && origClientHeight > 0)
        form->SetClientSize(origClientWidth, origClientHeight);
    if (controlsShifted) {
        ShiftControls(-1);
        controlsShifted = false;
    }
    for (TComponent* component : form->ComponentList())
        if (auto* formMenu = As<TMenu>(component); formMenu && formMenu->Tag() != Engine().DisabledTag())
            Engine().UnskinMenu(*formMenu);
    FreeWindowListItems();
    if (menuBar)
        menuBar->SetVisible(false);
    HideControlButtons();
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    unskinning = false;
}

void TvelSkinWindowForm::SetConstraints()
{
    TSizeConstraints limits = form->Constraints();
    if (limits.MinHeight == 0 || minHeightSet) {
        limits.MinHeight = MenuBarHeight() + TitleHeight() + MinimumHeightSlack;
        minHeightSet = true;
    }
    if ((limits.MinWidth == 0 && !CreatedByHook()) || minWidthSet) {
        limits.MinWidth = Look().Metrics().minimumFrameWidth;
        minWidthSet = true;
    }
    form->SetConstraints(limits);
}

// Moves the controls down by the menu bar's height (+1) or back (-1):
// controls anchored to the bottom only stay, those anchored to top and bottom
// stretch. Aligned controls are placed by the alignment, below the bar.
void TvelSkinWindowForm::ShiftControls(int direction)
{
    const int shift = MenuBarHeight() * direction;
    if (shift == 0)
        return;
    for (int index = 0; index < form->ControlCount(); ++index) {
        TControl* control = form->Controls(index);
        if (control == menuBar || control->Align() != TAlign::alNone ||
            std::find(controlButtons.begin(), controlButtons.end(), control) != controlButtons.end())
            continue;
        const unsigned anchors = control->Anchors();
        const bool top = anchors & akTop;
        const bool bottom = anchors & akBottom;
        if (bottom && !top)
            continue;
        if (top && bottom)
            control->SetBounds(control->Left(), control->Top() + shift, control->Width(), control->Height() - shift);
        else
            control->SetTop(control->Top() + shift);
    }
}

// ---- controls

void TvelSkinWindowForm::SkinControls()
{
    for (TComponent* component : std::vector<TComponent*>(form->ComponentList()))
        if (auto* control = As<TControl>(component))
            SkinControl(*control);
}

void TvelSkinWindowForm::SkinControl(TControl& control)
{
    TvelSkinEngine& skinner = Engine();
    const std::int32_t disabledTag = skinner.DisabledTag();
    if (skinner.IsDesigning())
        return;
    // A control with the disabled tag keeps its look, and so does everything
    // inside it: the form owns the controls of its panels too, so "inside"
    // is found through the parents.
    for (const TControl* inside = &control; disabledTag != 0 && inside && inside != form; inside = inside->Parent())
        if (inside->Tag() == disabledTag)
            return;
    const std::wstring_view className = control.ClassName();
    if (className == RollShadowClass)
        return;
    auto* windowed = As<TWinControl>(&control);
    if (windowed && windowed->WindowHandle() && IsSkinnedWindow(windowed->WindowHandle()))
        return;
    if (className.starts_with(OwnFormClassPrefix)) {
        if (className == OwnFormClass)
            skinAllowed = false;
        if (className != OwnUpDownClass)
            return;
    }
    if (ControlExclusionClassNames().Contains(className) || !control.Parent())
        return;
    if (auto* inner = As<TCustomForm>(&control)) {
        if (inner->Name().empty())
            return;
        inner->SetColor(TColor(skinner.Look().GetSkinColor(SKIN2_FORMCOLOR)));
    } else {
        std::unique_ptr<TvelSkinControl> skin;
        try {
            skin = skinner.CreateControlSkin(control, *this);
        } catch (...) {
            ReportCaughtException(TCallbackFailure::Log);
            return;
        }
        if (!skin)
            return;
        TvelSkinControl* made = skin.get();
        controlSkins.push_back(std::move(skin));
        made->Refresh();
        if (made->WantsParentColor() && HasProperty(control, L"ParentColor"))
            control.SetParentColor(true);
        if (className == L"TDBLookupComboBox" || className == L"TJamShellList" || control.InheritsFrom(L"TCustomGrid"))
            return;
    }
    for (TComponent* component : std::vector<TComponent*>(control.ComponentList())) {
        if (auto* child = As<TControl>(component))
            SkinControl(*child);
        else if (auto* popup = As<TMenu>(component); popup && popup->Tag() != disabledTag)
            skinner.SkinMenu(*popup);
    }
}

void TvelSkinWindowForm::UnskinControls()
{
    const bool formStays = destroying && !Engine().Form().IsDestroying();
    while (!controlSkins.empty()) {
        std::unique_ptr<TvelSkinControl> skin = std::move(controlSkins.front());
        controlSkins.erase(controlSkins.begin());
        if (formStays)
            skin->RestoreWindowProc();
        skin->Detach();
    }
}

// ---- after default processing

void TvelSkinWindowForm::AfterDefault(TMessage& message)
{
    switch (message.Msg) {
    case WM_MDIACTIVATE:
        if (HWND(message.LParam) == form->WindowHandle()) {
            if (Application && Application->MainForm())
                SendMessageW(Application->MainForm()->Handle(), SKM_MDIMENU, WPARAM(form), LPARAM(menu));
            isActive = true;
        } else {
            isActive = false;
        }
        PaintFrame();
        return;
    case WM_MDIREFRESHMENU:
        PaintFrame();
        return;
    case WM_MDIRESTORE:
        if (IsMDIFrame())
            HideControlButtons();
        return;
    case WM_MDIMAXIMIZE:
        if (IsMDIFrame())
            ShowControlButtons();
        return;
    case SKM_MDIMENU:
        if (IsMDIFrame()) {
            auto* sender = reinterpret_cast<TCustomForm*>(message.WParam);
            auto* sentMenu = reinterpret_cast<TMainMenu*>(message.LParam);
            // Without a menu: a child hid or goes.
            if (!sentMenu) {
                FollowChildren(sender != form ? sender : nullptr);
                return;
            }
            childMenu = sentMenu;
            childMenuOwner = sender;
            RebuildMenuBar(false);
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
    case CM_VISIBLECHANGED:
        if (!skinAllDone && Application && Application->MainForm() == form && Engine().SkinAllForms()) {
            skinAllDone = true;
            Engine().SkinOpenForms();
        }
        if (message.Msg == WM_SHOWWINDOW && IsMDIChild())
            childHidden = message.WParam == FALSE;
        return;
    case WM_SIZE:
        AfterSize();
        return;
    case WM_WINDOWPOSCHANGED:
        if (IsMDIChild() && Application && Application->MainForm())
            AfterChildShownOrHidden(reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags);
        return;
    case WM_PARENTNOTIFY:
        if (LOWORD(message.WParam) == WM_CREATE) {
            HWND window = form->WindowHandle();
            if (GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU)
                SetSystemMenuStyle(window, false);
            const bool caption = !form->Parent() && form->BorderStyle() != TFormBorderStyle::bsNone;
            if (caption != HasCaption()) {
                SetHasCaption(caption);
                SetHasBorder(caption);
                SetConstraints();
                PaintFrame();
            }
        }
        return;
    default:
        return;
    }
}

void TvelSkinWindowForm::AfterChildShownOrHidden(UINT flags)
{
    HWND frame = Application->MainForm()->Handle();
    if (flags & SWP_HIDEWINDOW) {
        // Its menu and buttons leave the frame's bar as when it goes.
        SendMessageW(frame, SKM_MDIMENU, WPARAM(form), 0);
        return;
    }
    if (!(flags & SWP_SHOWWINDOW))
        return;
    if (Application->MainForm()->ActiveMDIChild() == form)
        SendMessageW(frame, SKM_MDIMENU, WPARAM(form), LPARAM(menu));
    SendMessageW(frame, SKM_MDIWINDOWLIST, 0, 0);
}

void TvelSkinWindowForm::AfterSize()
{
    HWND window = form->WindowHandle();
    TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    if (IsZoomed(window) && !IsMDIChild()) {
        RECT area = GetMonitorWorkArea(window);
        InflateRect(&area, WorkAreaOverlap, WorkAreaOverlap);
        RECT bounds{};
        GetWindowRect(window, &bounds);
        if (bounds.bottom - bounds.top < area.bottom - area.top || bounds.right - bounds.left < area.right - area.left)
            form->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
    } else if (IsMDIChild() && mainForm) {
        if (IsZoomed(window) && !mdiMaximized) {
            mdiMaximized = true;
            SendMessageW(mainForm->Handle(), WM_MDIMAXIMIZE, WPARAM(window), 0);
        } else if (!IsZoomed(window)) {
            InvalidateRect(window, nullptr, TRUE);
            if (mdiMaximized) {
                mdiMaximized = false;
                SendMessageW(mainForm->Handle(), WM_MDIRESTORE, WPARAM(window), 0);
            }
        }
    }
    PaintFrame();
    UpdateRegionForSize();
    if (IsMDIFrame() && Skinned())
        PlaceControlButtons();
    if (Initialized() && !selfChange && !unskinning) {
        origClientWidth = form->ClientWidth();
        // The skinned menu bar stands in the client area; the size kept is
        // the form's own.
        origClientHeight = form->ClientHeight() - MenuBarHeight();
    }
}

// ---- MDI

void TvelSkinWindowForm::ClientWindowProc(TMessage& message, const TMessageLayers::TNext& next)
{
    next(message);
    if (!Engine().Active() || !SkinAllowed())
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
        SendMessageW(form->Handle(), SKM_MDIWINDOWLIST, 0, 0);
        return;
    case SKM_MDITOP:
        message.Result = OrigTopHeight();
        return;
    case SKM_MDISIDE:
        message.Result = MDISideGap();
        return;
    case SKM_MDIBOTTOM:
        message.Result = MDIBottomGap();
        return;
    default:
        return;
    }
}

void TvelSkinWindowForm::CascadeChildren()
{
    const int width = int(form->ClientWidth() * CascadeWidthShare);
    const int height = int(form->ClientHeight() * CascadeHeightShare);
    int x = 0;
    int y = 0;
    for (int index = form->MDIChildCount() - 1; index >= 0; --index) {
        TCustomForm* child = form->MDIChildren(index);
        if (IsIconic(child->Handle()))
            continue;
        child->SetBounds(x, y, width, height);
        x += CascadeStep;
        y += CascadeStep;
    }
}

void TvelSkinWindowForm::TileChildren(bool horizontal)
{
    const int childCount = form->MDIChildCount();
    int shown = 0;
    bool someMinimized = false;
    for (int index = 0; index < childCount; ++index) {
        if (IsIconic(form->MDIChildren(index)->Handle()))
            someMinimized = true;
        else
            ++shown;
    }
    if (shown == 0)
        return;
    int height = form->ClientHeight();
    for (int index = 0; index < form->ControlCount(); ++index) {
        TControl* control = form->Controls(index);
        if (control->Visible() && (control->Align() == TAlign::alTop || control->Align() == TAlign::alBottom))
            height -= control->Height();
    }
    if (someMinimized)
        height -= MinimizedChildrenRow;
    if (horizontal) {
        const int each = height / shown - (childCount == 1 ? 2 : 0);
        int y = 0;
        for (int index = childCount - 1; index >= 0; --index) {
            TCustomForm* child = form->MDIChildren(index);
            if (IsIconic(child->Handle()))
                continue;
            child->SetBounds(0, y, form->ClientWidth() - 4, each - 2);
            y += each - 2;
        }
        return;
    }
    const int each = form->ClientWidth() / shown - (childCount == 1 ? 2 : 0);
    int x = 0;
    for (int index = childCount - 1; index >= 0; --index) {
        TCustomForm* child = form->MDIChildren(index);
        if (IsIconic(child->Handle()))
            continue;
        child->SetBounds(x, 0, each - 2, height - 4);
        x += each - 2;
    }
}

} // namespace orvane::skin
