#include "skin/TvelSkinWindowForm.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TMenu.h"
#include "framework/TToolBar.h"
#include "skin/MonitorWorkArea.h"
#include "skin/PlatformVersion.h"
#include "skin/TvelSkinEngine.h"
#include "skin/TvelSkinMenuBar.h"
#include "skin/TvelSkinWindowFormControls.h"
#include "skin/TvelSkinWindowFormMdi.h"
#include "skin/TvelSkinWindowFormMenuBar.h"

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

TvelSkinWindowForm::TvelSkinWindowForm(TComponent* owner, TvelSkinEngine& owningEngine, TCustomForm& boundForm,
                                       bool byHook)
    : TvelSkinWindow(owner, owningEngine, byHook), form(&boundForm),
      controls(std::make_unique<TvelSkinWindowFormControls>(*this, controlSkins))
{
}

TvelSkinWindowForm::~TvelSkinWindowForm() = default;

HWND TvelSkinWindowForm::Handle() const { return form->WindowHandle(); }

// ---- binding

void TvelSkinWindowForm::Attach(HWND window)
{
    skinAllowed = form->Tag() != Engine().DisabledTag();

    // Messages reach the frame first; the form's own handling is "default".
    windowProcHook = form->HookWindowProc([this](TMessage& message, const TMessageLayers::TNext& next) {
        // The window may go during the message (the form freed from a click):
        // this object stays until the message is over.
        const TSkinHostInUse use(*this);
        if (message.Msg == WM_DESTROY && mdi)
            mdi->ChildGoing();
        const TMessageLayers::TNext* outer = defaultProc;
        defaultProc = &next;
        HandleMessage(message);
        defaultProc = outer;
        // The binding goes with the form's window.
        if (message.Msg == WM_DESTROY)
            EndWithWindow();
    });

    menuBar = std::make_unique<TvelSkinWindowFormMenuBar>(*this);
    if (IsMDIFrame() || IsMDIChild())
        mdi = std::make_unique<TvelSkinWindowFormMdi>(*this);

    hasCaption = form->Parent() == nullptr && form->BorderStyle() != TFormBorderStyle::bsNone;
    hasBorder = form->BorderStyle() != TFormBorderStyle::bsNone;
    FrameChanged(window);

    if (mdi)
        mdi->ChildAttached();
}

void TvelSkinWindowForm::Detach()
{
    windowProcHook.Remove();
    defaultProc = nullptr;
    if (mdi)
        mdi->Release();
    if (menuBar)
        menuBar->Release();
    // A window that stays takes its own frame back.
    if (!WindowGoing() && !form->IsDestroying())
        FrameChanged(form->WindowHandle());
}

void TvelSkinWindowForm::CallDefault(TMessage& message)
{
    if (defaultProc) {
        (*defaultProc)(message);
        return;
    }
    // Outside the form's message chain (a message the frame makes up itself).
    if (form->WindowHandle())
        message.Result = DefWindowProcW(form->WindowHandle(), message.Msg, message.WParam, message.LParam);
}

void TvelSkinWindowForm::SkinControls() { controls->SkinAll(); }

void TvelSkinWindowForm::UnskinControls() { controls->Release(); }

// ---- what the frame asks

std::wstring TvelSkinWindowForm::GetWideCaption() const
{
    if (IsWin95())
        return {};
    return form->Caption();
}

bool TvelSkinWindowForm::CanSetRegion() const
{
    return !form->Parent() && form->BorderStyle() != TFormBorderStyle::bsNone;
}

int TvelSkinWindowForm::MenuBarHeight() const { return menuBar ? menuBar->Height() : 0; }
HICON TvelSkinWindowForm::IconHandle() const { return form->Icon(); }
bool TvelSkinWindowForm::HasHelpButton() const { return (form->BorderIcons() & biHelp) != 0; }
bool TvelSkinWindowForm::IsMDIFrame() const { return form->FormStyle() == TFormStyle::fsMDIForm; }
bool TvelSkinWindowForm::IsMDIChild() const { return form->FormStyle() == TFormStyle::fsMDIChild; }

bool TvelSkinWindowForm::HasSystemIcon() const
{
    return (form->BorderStyle() == TFormBorderStyle::bsSingle || form->BorderStyle() == TFormBorderStyle::bsSizeable) &&
           (form->BorderIcons() & biSystemMenu);
}

bool TvelSkinWindowForm::HasCloseButton() const { return (form->BorderIcons() & biSystemMenu) != 0; }

bool TvelSkinWindowForm::HasMaximizeButton() const
{
    return (form->BorderIcons() & biMaximize) && (form->BorderIcons() & biSystemMenu) &&
           HasMaximizeLikeBorder(form->BorderStyle());
}

bool TvelSkinWindowForm::HasMinimizeButton() const
{
    return (form->BorderIcons() & biMinimize) && (form->BorderIcons() & biSystemMenu) &&
           HasMaximizeLikeBorder(form->BorderStyle());
}

bool TvelSkinWindowForm::HasToolBarUnderMenu() const
{
    if (toolBarUnderMenu >= 0)
        return toolBarUnderMenu == 1;
    toolBarUnderMenu = 0;
    for (int index = 0; index < form->ControlCount(); ++index)
        if (auto* toolBar = As<TToolBar>(form->Controls(index)); toolBar && toolBar != MenuBar()) {
            toolBarUnderMenu = toolBar->Top() == MenuBarHeight() ? 1 : 0;
            break;
        }
    return toolBarUnderMenu == 1;
}

void TvelSkinWindowForm::RememberClientSize()
{
    if (unskinning)
        return;
    origClientWidth = form->ClientWidth();
    origClientHeight = form->ClientHeight();
}

TMainMenu* TvelSkinWindowForm::FormMenu() const { return menuBar ? menuBar->Menu() : nullptr; }

TvelSkinMenuBar* TvelSkinWindowForm::MenuBar() const { return menuBar ? menuBar->Bar() : nullptr; }

TvelSkinMenuBarControlButton* TvelSkinWindowForm::ControlButton(int index) const
{
    return mdi ? mdi->ControlButton(index) : nullptr;
}

TMainMenu* TvelSkinWindowForm::MergedChildMenu() const { return IsMDIFrame() && mdi ? mdi->ChildMenu() : nullptr; }

void TvelSkinWindowForm::RebuildMenuBar(bool forced)
{
    if (!menuBar)
        return;
    menuBar->Rebuild(forced, MergedChildMenu());
    if (IsMDIFrame() && mdi)
        mdi->RebuildWindowList();
}

bool TvelSkinWindowForm::IsOwnControl(const TControl* control) const
{
    return (control && control == MenuBar()) || (mdi && mdi->IsControlButton(control));
}

// ---- geometry and look

void TvelSkinWindowForm::CaptureGeometry()
{
    HWND window = form->Handle();
    origClientWidth = form->ClientWidth();
    origClientHeight = form->ClientHeight();
    menuBar->TakeMenu(form->Menu());
    const int allowance = !FormMenu() || IsMDIChild() ? 0 : IsVista() ? VistaMenuAllowance : MenuAllowance;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const RECT client = ClientOnScreen(window);
    if (IsMDIChild()) {
        // The frame's client area tells where a child's frame meets it.
        const TMdiFrameGaps gaps = mdi->FrameGaps();
        origTopHeight = gaps.top;
        mdiBottomGap = std::max(gaps.bottom, LeastFrameWidth);
        mdiSideGap = std::max(gaps.side, LeastFrameWidth);
        origLeftWidth = LeastFrameWidth;
        mdi->ChildCaptured();
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
        controls->Refresh();
    HWND window = form->Handle();
    SetSystemMenuStyle(window, false);
    selfChange = true;
    form->SetColor(TColor(Look().GetSkinColor(SKIN2_FORMCOLOR)));
    // The menu leaves the form for the skinned bar.
    if (form->Menu())
        form->SetMenu(nullptr);
    selfChange = false;
    menuBar->Show();
    if (mdi) {
        mdi->TakeButtonColors();
        mdi->ChildSkinned();
    }
    RebuildMenuBar(true);
    if (IsMDIFrame() && mdi)
        mdi->PlaceControlButtons();
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
    if (mdi)
        mdi->TellFrameIfMaximized();
}

void TvelSkinWindowForm::SkinLookOff()
{
    if (form->IsDestroying() || destroying)
        return;
    HWND window = form->WindowHandle();
    if (!window)
        return;
    // The control skins give back the colours and styles they changed.
    controls->Refresh();
    unskinning = true;
    selfChange = true;
    SetSystemMenuStyle(window, true);
    if (TMainMenu* menu = FormMenu())
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
    if (mdi)
        mdi->FreeWindowListItems();
    menuBar->Hide();
    if (mdi)
        mdi->HideControlButtons();
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
        limits.MinWidth = FrameLook().Metrics().minimumFrameWidth;
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
        if (IsOwnControl(control) || control->Align() != TAlign::alNone)
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

// ---- messages

bool TvelSkinWindowForm::BeforeDefault(TMessage& message)
{
    return !menuBar || !menuBar->TakeKeyMenu(message);
}

void TvelSkinWindowForm::AfterDefault(TMessage& message)
{
    switch (message.Msg) {
    case WM_MDIACTIVATE:
        isActive = HWND(message.LParam) == form->WindowHandle();
        if (isActive && mdi)
            mdi->ChildActivated();
        PaintFrame();
        return;
    case WM_MDIREFRESHMENU:
        PaintFrame();
        return;
    case WM_SHOWWINDOW:
    case CM_VISIBLECHANGED:
        // The main form's first show skins every form that exists by then.
        if (!skinAllDone && Application && Application->MainForm() == form && Engine().SkinAllForms()) {
            skinAllDone = true;
            Engine().SkinOpenForms();
        }
        break;
    case WM_SIZE:
        AfterSize();
        return;
    case WM_PARENTNOTIFY:
        AfterParentNotify(message);
        return;
    default:
        break;
    }
    if (mdi)
        mdi->AfterDefault(message);
}

void TvelSkinWindowForm::AfterParentNotify(TMessage& message)
{
    if (LOWORD(message.WParam) != WM_CREATE)
        return;
    HWND window = form->WindowHandle();
    if (GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU)
        SetSystemMenuStyle(window, false);
    const bool caption = !form->Parent() && form->BorderStyle() != TFormBorderStyle::bsNone;
    if (caption == HasCaption())
        return;
    SetHasCaption(caption);
    SetHasBorder(caption);
    SetConstraints();
    PaintFrame();
}

void TvelSkinWindowForm::AfterSize()
{
    HWND window = form->WindowHandle();
    if (IsZoomed(window) && !IsMDIChild()) {
        RECT area = GetMonitorWorkArea(window);
        InflateRect(&area, WorkAreaOverlap, WorkAreaOverlap);
        RECT bounds{};
        GetWindowRect(window, &bounds);
        if (bounds.bottom - bounds.top < area.bottom - area.top || bounds.right - bounds.left < area.right - area.left)
            form->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
    } else if (mdi) {
        mdi->ChildSized();
    }
    PaintFrame();
    UpdateRegionForSize();
    if (IsMDIFrame() && mdi && Skinned())
        mdi->PlaceControlButtons();
    if (Initialized() && !selfChange && !unskinning) {
        origClientWidth = form->ClientWidth();
        // The skinned menu bar stands in the client area; the size kept is
        // the form's own.
        origClientHeight = form->ClientHeight() - MenuBarHeight();
    }
}

} // namespace orvane::skin
