#include "skin/TvelSkinWindow.h"

#include "core/skinframe/FrameBorders.h"
#include "core/skinframe/FrameChanges.h"
#include "core/skinframe/NonClientArea.h"
#include "core/skinframe/TitleBand.h"
#include "core/skinframe/WindowRegion.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/OwnerDrawnMenus.h"
#include "framework/TApplication.h"
#include "framework/WindowDpi.h"
#include "skin/FrameDC.h"
#include "skin/GdiTextMeasurer.h"
#include "skin/PlatformVersion.h"
#include "skin/SkinMessages.h"
#include "skin/SystemFonts.h"
#include "skin/TvelSkinControl.h"
#include "framework/TForm.h"
#include "skin/TvelSkinEngine.h"
#include "skin/User32Functions.h"
#include "skin/WindowText.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace orvane::skin {

using namespace framework;

const TClassInfo TvelSkinWindow::ClassInfo{L"TvelSkinWindow", &TComponent::ClassInfo, {}};

namespace {

constexpr wchar_t WindowObjectProperty[] = L"OrvaneSkinWindow";
constexpr int IconExtent = 16;
constexpr int MinimizedIconOffset = 24;
constexpr LRESULT AnswerActive = 1;
constexpr LRESULT AnswerInactive = 2;
constexpr LRESULT AnswerSkinned = 1;
// Messages after whose default processing the window may no longer exist
// (CM_RELEASE: a form's release).
bool MayDestroyWindow(UINT message)
{
    return message == WM_DESTROY || message == WM_ACTIVATEAPP || message == WM_COMMAND ||
           message == WM_SYSCOMMAND || message == CM_RELEASE;
}

POINT PointFromLParam(LPARAM lParam)
{
    // Screen points in non-client messages: low and high 16 bits, unsigned.
    return POINT{LONG(LOWORD(lParam)), LONG(HIWORD(lParam))};
}

HICON ProgramIcon()
{
    if (Application && Application->SmallIcon())
        return Application->SmallIcon();
    static const HICON mainIcon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, IconExtent, IconExtent, LR_DEFAULTCOLOR));
    return mainIcon;
}

// Window objects released while in use, each until its last use ends. Never
// destroyed: one may still wait when the program ends.
std::vector<std::unique_ptr<TvelSkinWindow>>& ReleasedInUse()
{
    static auto* waiting = new std::vector<std::unique_ptr<TvelSkinWindow>>;
    return *waiting;
}

} // namespace

TSkinContext& TvelSkinWindow::Context() const { return skinEngine; }

const TSkinLook& TvelSkinWindow::Look() const { return skinEngine.Look(); }

const TSkinLook& TvelSkinWindow::FrameLook() const { return skinEngine.Look().ForDpi(frameDpi); }

TvelSkinWindow::TvelSkinWindow(TComponent* owner, TvelSkinEngine& owningEngine, bool byHook)
    : TComponent(owner), skinEngine(owningEngine), madeByHook(byHook), skinned(owningEngine.Active())
{
}

TvelSkinWindow::~TvelSkinWindow() = default;

TvelSkinWindow* TvelSkinWindow::FromWindow(HWND window)
{
    return static_cast<TvelSkinWindow*>(TWindowTie::Find(window, WindowObjectProperty));
}

void TvelSkinWindow::Start(HWND window)
{
    tie = TWindowTie(window, WindowObjectProperty, this);
    frameDpi = WindowDpi(window);
    Attach(window);
    SkinControls();
    SetSkinned(skinned);
}

void TvelSkinWindow::Shutdown()
{
    if (shutDown)
        return;
    shutDown = true;
    destroying = true;
    tie.Remove();
    SetSkinned(false);
    UnskinControls();
    Detach();
}

void TvelSkinWindow::Free(std::unique_ptr<TvelSkinWindow> object)
{
    if (!object || object->useCount == 0)
        return;
    object->freeWhenUnused = true;
    ReleasedInUse().push_back(std::move(object));
}

void TvelSkinWindow::EndUse()
{
    if (--useCount > 0 || !freeWhenUnused)
        return;
    auto& waiting = ReleasedInUse();
    const auto found = std::find_if(waiting.begin(), waiting.end(), [this](const auto& held) { return held.get() == this; });
    if (found == waiting.end())
        return;
    const std::unique_ptr<TvelSkinWindow> last = std::move(*found);
    waiting.erase(found);
    // `last` frees this object as the call returns.
}

void TvelSkinWindow::EndWithWindow()
{
    windowGoing = true;
    skinEngine.WindowDestroyed(*this);
}

// ---- look on and off

bool TvelSkinWindow::LookOn() const { return skinEngine.Skinning() && skinAllowed && skinned; }

void TvelSkinWindow::SetSkinned(bool on)
{
    skinned = on && skinAllowed;
    // Switching the look off takes the region away, and on again the frame
    // is drawn anew.
    regionSet = false;
    painter.Forget();
    if (initialized) {
        ApplySkin();
        if (skinned)
            UpdateRegion();
        return;
    }
    HWND window = Handle();
    if (window && (IsWindowVisible(window) || InitWhileHidden()))
        InitializeFrame();
}

void TvelSkinWindow::InitializeFrame()
{
    CaptureGeometry();
    initialized = true;
    SetSkinned(skinned);
}

void TvelSkinWindow::ReloadSkinFlags()
{
    titleNeedsRegion = skinEngine.Look().GetSkinFlag(SKIN2_TITLEBARNEEDREGION);
    bottomNeedsRegion = skinEngine.Look().GetSkinFlag(SKIN2_BOTTOMBORDERNEEDREGION);
    // A new skin: every band is composed anew and the region cut again.
    painter.Forget();
    regionSet = false;
    if (skinEngine.Active()) {
        PaintFrame();
        UpdateRegion();
    }
}

void TvelSkinWindow::FrameChanged(HWND window)
{
    if (window && IsWindow(window))
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TvelSkinWindow::SetHasCaption(bool value)
{
    hasCaption = value;
    FrameChanged(Handle());
    PaintFrame();
}

void TvelSkinWindow::SetHasBorder(bool value)
{
    hasBorder = value;
    FrameChanged(Handle());
    PaintFrame();
}

// ---- sizes

int TvelSkinWindow::TitleHeight() const { return hasCaption && skinned ? FrameLook().Metrics().titleHeight : 0; }

int TvelSkinWindow::WindowWidth() const
{
    RECT bounds{};
    GetWindowRect(Handle(), &bounds);
    return bounds.right - bounds.left;
}

int TvelSkinWindow::WindowHeight() const
{
    RECT bounds{};
    GetWindowRect(Handle(), &bounds);
    return bounds.bottom - bounds.top;
}

int TvelSkinWindow::CaptionFitWidth() const
{
    const TMemoryDC measuringDc;
    TSelectedObject font;
    font.Select(measuringDc.Handle(), CaptionFontForDpi(frameDpi));
    const TGdiTextMeasurer measurer(measuringDc.Handle());
    return TitleWidthForCaption(FrameLook().Reader(), FrameLook().Metrics(), DescribeWithCaption(),
                                measurer);
}

std::string TvelSkinWindow::GetAnsiCaption() const { return GetAnsiWindowText(Handle()); }

FrameWindow TvelSkinWindow::Describe(RECT* boundsOut) const
{
    HWND window = Handle();
    RECT bounds{};
    GetWindowRect(window, &bounds);
    if (boundsOut)
        *boundsOut = bounds;
    FrameWindow frame;
    frame.width = bounds.right - bounds.left;
    frame.height = bounds.bottom - bounds.top;
    frame.menuBarHeight = MenuBarHeight();
    frame.titleHeight = TitleHeight();
    frame.origTopHeight = origTopHeight;
    frame.titleExtra = titleExtra;
    frame.mdiSideGap = mdiSideGap;
    frame.mdiBottomGap = mdiBottomGap;
    frame.hasCaption = hasCaption;
    frame.hasBorder = hasBorder;
    frame.hasSystemIcon = HasSystemIcon();
    frame.hasCloseButton = HasCloseButton();
    frame.closeButtonEnabled = CloseButtonEnabled();
    frame.hasMaximizeButton = HasMaximizeButton();
    frame.hasMinimizeButton = HasMinimizeButton();
    frame.hasHelpButton = HasHelpButton();
    frame.hasToolBarUnderMenu = HasToolBarUnderMenu();
    frame.isMDIFrame = IsMDIFrame();
    frame.isMDIChild = IsMDIChild();
    frame.show = IsIconic(window)   ? FrameWindowShow::Minimized
                 : IsZoomed(window) ? FrameWindowShow::Maximized
                                    : FrameWindowShow::Normal;
    frame.isActive = isActive;
    frame.hotPart = titleHit.part;
    frame.buttonDown = buttonDown;
    return frame;
}

FrameWindow TvelSkinWindow::DescribeWithCaption(RECT* bounds) const
{
    FrameWindow frame = Describe(bounds);
    // The caption is read once per change of the window's text, not per paint.
    if (!captionKnown) {
        wideCaption = GetWideCaption();
        ansiCaption = GetAnsiCaption();
        captionKnown = true;
    }
    frame.wideCaption = wideCaption;
    frame.ansiCaption = ansiCaption;
    return frame;
}

// ---- the title's parts and painting

namespace {

bool ShowsTitle(const FrameWindow& frame) { return frame.hasCaption && !frame.MaximizedMDIChild(); }

} // namespace

TitleLayout TvelSkinWindow::LayoutOf(const FrameWindow& frame) const
{
    if (!LookOn() || !ShowsTitle(frame))
        return TitleLayout{};
    return LayOutTitle(FrameLook().Reader(), FrameLook().Metrics(), frame);
}

TitleLayout TvelSkinWindow::Layout() const
{
    if (!Handle())
        return TitleLayout{};
    return LayoutOf(Describe());
}

FrameWindow TvelSkinWindow::FrameNow(TPointerRead read)
{
    RECT bounds{};
    FrameWindow frame = DescribeWithCaption(&bounds);
    titleHit = TitleHit{};
    // A paint takes the pointer where the last mouse message over the frame
    // found it: asking the system again costs more than the paint itself,
    // and the pointer cannot have moved over the frame unheard. The title's
    // parts are still found anew, since the window may have moved or changed
    // its size under it.
    if (read == TPointerRead::Now)
        pointerKnown = GetCursorPos(&pointer) != FALSE;
    if (ShowsTitle(frame) && pointerKnown) {
        // The title parts are found in the title's own coordinates: the
        // window's, moved left by the left border. (With the client area
        // right below the title, as the skin lays it out, these are the
        // client coordinates with T added; a system menu bar between the two
        // does not move them.)
        const TitleLayout layout = LayoutOf(frame);
        titleHit = TitlePartAt(layout, pointer.x - bounds.left - layout.leftBorderWidth, pointer.y - bounds.top);
    }
    frame.hotPart = titleHit.part;
    return frame;
}

HICON TvelSkinWindow::TitleIcon() const
{
    HICON icon = IconHandle();
    return icon ? icon : ProgramIcon();
}

void TvelSkinWindow::FollowPointer(TPressOffParts press)
{
    HWND window = Handle();
    if (!LookOn() || !window || !IsWindow(window))
        return;
    FrameWindow frame = FrameNow(TPointerRead::Now);
    if (press == TPressOffParts::Ends && titleHit.part == NoTitlePart)
        buttonDown = false;
    frame.buttonDown = buttonDown;
    if (!ShowsTitle(frame) || !painter.TitleChanged(FrameLook(), frame, TitleIcon()))
        return;
    PaintFrameOf(frame);
}

void TvelSkinWindow::PaintFrame()
{
    HWND window = Handle();
    if (!LookOn() || !window || !IsWindow(window))
        return;
    PaintFrameOf(FrameNow(TPointerRead::LastKnown));
}

void TvelSkinWindow::PaintFrameOf(const FrameWindow& frame)
{
    HWND window = Handle();
    if (frame.MaximizedMDIChild() && Application && Application->MainForm())
        PostMessageW(Application->MainForm()->WindowHandle(), SKM_REPAINTFRAME, 0, 0);
    if (!ShowsTitle(frame) && !ShowsBorders(frame))
        return;
    const TFrameDC windowDc(window);
    if (!windowDc.Handle())
        return;
    const TSkinLook& look = FrameLook();
    painter.Prepare(look, frame, LayoutOf(frame), TitleIcon(), BandRegions());
    painter.Paint(windowDc.Handle(), look, frame);
}

TFrameWork TvelSkinWindow::Work() const
{
    return TFrameWork{painter.Paints(), painter.TitleCompositions(), painter.BorderCompositions(), regionsSet};
}

void TvelSkinWindow::TakeDpi(unsigned dpi)
{
    if (dpi == 0 || dpi == frameDpi)
        return;
    frameDpi = dpi;
    painter.Forget();
    regionSet = false;
}

void TvelSkinWindow::FollowDpiChange(const RECT& suggested)
{
    HWND window = Handle();
    if (!window || !IsWindow(window))
        return;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const bool placed = EqualRect(&bounds, &suggested) != FALSE;
    // SWP_FRAMECHANGED makes the system ask for the frame's sizes again,
    // which now come from the look at the new DPI.
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE | (placed ? SWP_NOMOVE | SWP_NOSIZE : 0));
    AfterDpiChange();
    UpdateRegion();
    PaintFrame();
}

// ---- regions

void TvelSkinWindow::UpdateRegion(TRegionUpdate when)
{
    HWND window = Handle();
    if (IsWin95() || !CanSetRegion() || skinEngine.IsDesigning() || !window || !LookOn())
        return;
    // The part under the pointer stays as the last look found it: the region
    // does not depend on it, and the title on the window shows it.
    const FrameWindow frame = DescribeWithCaption();
    const TSkinLook& look = FrameLook();
    if (when == TRegionUpdate::WhenChanged && regionSet && regionLook == &look && SameRegion(regionState, frame))
        return;
    TRegionHandle region;
    if (!titleNeedsRegion && !bottomNeedsRegion) {
        region = TRegionHandle(CreateRectRgn(0, 0, frame.width, frame.height));
    } else {
        // The region is cut from the bands as they are composed for this state.
        painter.Prepare(look, frame, LayoutOf(frame), TitleIcon(), BandRegions());
        const Bitmap* title = titleNeedsRegion && ShowsTitle(frame) ? painter.TitlePixels() : nullptr;
        const Bitmap* bottom = bottomNeedsRegion && ShowsBorders(frame) ? painter.BottomPixels() : nullptr;
        const std::vector<Rect> rectangles = BuildWindowRegion(title, bottom, frame.width, frame.height, look.Metrics());
        std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rectangles.size() * sizeof(RECT));
        auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
        header->dwSize = sizeof(RGNDATAHEADER);
        header->iType = RDH_RECTANGLES;
        header->nCount = DWORD(rectangles.size());
        header->nRgnSize = DWORD(rectangles.size() * sizeof(RECT));
        header->rcBound = RECT{0, 0, frame.width, frame.height};
        auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
        for (std::size_t index = 0; index < rectangles.size(); ++index)
            rects[index] = RECT{rectangles[index].left, rectangles[index].top, rectangles[index].right,
                                rectangles[index].bottom};
        region = TRegionHandle(
            ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
    }
    if (!region)
        return;
    // The state is noted first: setting the region sends the window messages
    // that ask for it again.
    regionSet = true;
    regionState = frame;
    regionLook = &look;
    if (!SetWindowRgn(window, region.Get(), TRUE)) {
        regionSet = false;
        return;
    }
    // The window owns the region from here on.
    region.Release();
    ++regionsSet;
}

// ---- commands

void TvelSkinWindow::PostSystemCommand(WPARAM command) { PostMessageW(Handle(), WM_SYSCOMMAND, command, 0); }

void TvelSkinWindow::CloseWindow() { PostSystemCommand(SC_CLOSE); }
void TvelSkinWindow::ShowContextHelp() { PostSystemCommand(SC_CONTEXTHELP); }

void TvelSkinWindow::MaximizeOrRestore()
{
    HWND window = Handle();
    if (IsIconic(window))
        PostSystemCommand(SC_MAXIMIZE);
    else if (IsZoomed(window))
        PostSystemCommand(SC_RESTORE);
    else if (MaxButtonShown())
        PostSystemCommand(SC_MAXIMIZE);
}

void TvelSkinWindow::MinimizeOrRestore() { PostSystemCommand(IsIconic(Handle()) ? SC_RESTORE : SC_MINIMIZE); }

void TvelSkinWindow::PopupSystemMenuAtIcon()
{
    HWND window = Handle();
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    corner.x = std::max<LONG>(corner.x, 0);
    if (IsIconic(window))
        corner.y += MinimizedIconOffset - TitleHeight();
    const DWORD opened = GetTickCount();
    // The menu runs inside one of this object's messages: released while it
    // is open, the object is still here, and does nothing more.
    const bool chosen = skinEngine.PopupSystemMenu(*this, corner);
    if (chosen || Released())
        return;
    // The menu opened by a click on the icon and closed by a second click on
    // it: a double click on the icon, which closes the window. The menu took
    // that click; its release must not open the menu again.
    if (GetTickCount() - opened > GetDoubleClickTime())
        return;
    FollowPointer();
    if (titleHit.part != IconPart)
        return;
    iconClickTaken = true;
    CloseWindow();
}

bool TvelSkinWindow::IsSystemMenuItemMessage(const TMessage& message) const
{
    if (skinEngine.SystemMenuWindow() != this)
        return false;
    if (message.Msg == WM_MENUCHAR || message.Msg == framework::CM_MENULETTERSELECT) {
        framework::TMenu& menu = skinEngine.SystemMenu();
        return menu.HandleAllocated() && reinterpret_cast<HMENU>(message.LParam) == menu.Handle();
    }
    const ULONG_PTR data = message.Msg == WM_MEASUREITEM
                               ? reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam)->itemData
                               : reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->itemData;
    framework::TMenuItem& items = skinEngine.SystemMenu().Items();
    for (int index = 0; index < items.Count(); ++index)
        if (reinterpret_cast<ULONG_PTR>(items.Items(index)) == data)
            return true;
    return false;
}

void TvelSkinWindow::PopupSystemMenuAt(POINT screen) { skinEngine.PopupSystemMenu(*this, screen); }

// ---- messages

void TvelSkinWindow::HandleMessage(TMessage& message)
{
    if (!initialized && !InitWhileHidden() && message.Msg == WM_PAINT)
        InitializeFrame();
    if (message.Msg == 0)
        return;
    if (!skinEngine.Skinning() || !skinAllowed) {
        captionKnown = false;
        if (message.Msg == WM_SIZE)
            RememberClientSize();
        CallDefault(message);
        return;
    }
    if (message.Msg == WM_SETTEXT || message.Msg == CM_TEXTCHANGED)
        captionKnown = false;
    if (!HandleBeforeDefault(message))
        return;
    if (!BeforeDefault(message))
        return;
    CallDefault(message);
    if (MayDestroyWindow(message.Msg))
        return;
    AfterDefault(message);
    HandleAfterDefault(message);
}

// True when the message goes on to default processing.
bool TvelSkinWindow::HandleBeforeDefault(TMessage& message)
{
    switch (message.Msg) {
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_MENUCHAR:
    case framework::CM_MENULETTERSELECT:
        // The skinned system menu is owner-drawn and opened for this window,
        // which may be a plain window that knows nothing of its items.
        if (IsOwnerDrawnMenuMessage(message) && IsSystemMenuItemMessage(message)) {
            HandleOwnerDrawnMenuMessage(Handle(), message);
            return false;
        }
        return true;
    case WM_NCPAINT:
        if (!skinned)
            return true;
        PaintFrame();
        return false;
    case WM_NCLBUTTONDOWN:
        if (!skinned)
            return true;
        buttonDown = true;
        FollowPointer();
        if (message.WParam == HTCAPTION &&
            (titleHit.part != NoTitlePart || titleHit.overDisabledButton || IsZoomed(Handle())))
            message.WParam = HTNOWHERE;
        SetActiveWindow(Handle());
        return true;
    case WM_NCLBUTTONDBLCLK:
        if (!skinned)
            return true;
        if (iconClickTaken)
            return false;
        FollowPointer();
        if (titleHit.part == NoTitlePart && !titleHit.overDisabledButton && message.WParam == HTCAPTION) {
            MaximizeOrRestore();
            buttonDown = false;
            FollowPointer();
            return false;
        }
        if (titleHit.part == IconPart) {
            CloseWindow();
            buttonDown = false;
            return false;
        }
        message.WParam = HTNOWHERE;
        return true;
    case WM_NCRBUTTONDOWN:
        // The system's own processing of a right press on the caption waits
        // for the release and then opens the system's window menu: only
        // the skinned one may open, so the press goes no further.
        if (!skinned || message.WParam != HTCAPTION)
            return true;
        FollowPointer();
        if (titleHit.part == NoTitlePart && !titleHit.overDisabledButton)
            PopupSystemMenuAt(PointFromLParam(message.LParam));
        return false;
    case WM_NCRBUTTONUP:
        // Its release would ask for the context menu of the caption, which
        // is the system's window menu again.
        return !(skinned && message.WParam == HTCAPTION);
    case WM_CONTEXTMENU:
        if (skinned && message.LParam != -1 && OnTitle(message.LParam)) {
            message.Result = 0;
            return false;
        }
        return true;
    case WM_CTLCOLORDLG:
        message.Result = LRESULT(skinEngine.Look().FormBrush());
        return false;
    case WM_DPICHANGED:
        TakeDpi(LOWORD(message.WParam));
        return true;
    case WM_NCACTIVATE:
        if (!skinned)
            return true;
        PaintFrame();
        if (!IsMDIFrame() && OwnsNCActivate() && skinEngine.Form().FormStyle() != TFormStyle::fsMDIChild) {
            isActive = message.WParam != FALSE;
            PaintFrame();
            message.Result = TRUE;
            return false;
        }
        return true;
    default:
        return true;
    }
}

void TvelSkinWindow::HandleAfterDefault(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE:
        CalculateClientArea(message);
        return;
    case WM_NCACTIVATE:
        isActive = (message.WParam & 0xFF) != 0;
        PaintFrame();
        return;
    case WM_NCLBUTTONUP:
        buttonDown = false;
        FollowPointer();
        if (std::exchange(iconClickTaken, false))
            return;
        switch (titleHit.part) {
        case IconPart: PopupSystemMenuAtIcon(); break;
        case ClosePart: CloseWindow(); break;
        case MaximizePart: MaximizeOrRestore(); break;
        case MinimizePart: MinimizeOrRestore(); break;
        case HelpPart: ShowContextHelp(); break;
        default: break;
        }
        return;
    case WM_NCMOUSEMOVE:
        // The title repaints only when the part under the pointer, or its
        // press, changes what it shows.
        if (message.WParam != HTCAPTION) {
            // Onto a border: no title part is under the pointer any more.
            FollowPointer();
            return;
        }
        TrackNonClientLeave();
        // Moving off every part ends a press on the title.
        FollowPointer(TPressOffParts::Ends);
        return;
    case WM_NCMOUSELEAVE:
        // The pointer left the frame (for the desktop, another window or the
        // client area): nothing there is hot, and no press goes on.
        FollowPointer(TPressOffParts::Ends);
        return;
    case WM_ACTIVATE:
        isActive = LOWORD(message.WParam) != WA_INACTIVE;
        PaintFrame();
        UpdateRegion();
        return;
    case WM_SETTEXT:
    case CM_TEXTCHANGED:
        PaintFrame();
        UpdateRegion();
        return;
    case WM_NCHITTEST:
        HitTest(message);
        return;
    case WM_DPICHANGED:
        if (message.LParam)
            FollowDpiChange(*reinterpret_cast<const RECT*>(message.LParam));
        return;
    case SKM_ISACTIVE:
        message.Result = isActive ? AnswerActive : AnswerInactive;
        return;
    case SKM_ISSKINNED:
        message.Result = AnswerSkinned;
        return;
    case SKM_MENUBARHEIGHT:
        message.Result = MenuBarHeight();
        return;
    case SKM_REPAINTFRAME:
        if (IsMDIFrame())
            PaintFrame();
        return;
    default:
        return;
    }
}

void TvelSkinWindow::CalculateClientArea(TMessage& message)
{
    // Until the unskinned geometry is captured the system's frame stands, so
    // that what is captured is the system's.
    if (!initialized || !skinned)
        return;
    if (!message.WParam) {
        message.Result = 0;
        return;
    }
    auto* sizes = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
    const WINDOWPOS* position = sizes->lppos;
    if (!position)
        return;
    const Rect proposed{position->x, position->y, position->x + position->cx, position->y + position->cy};
    const Rect defaultClient{sizes->rgrc[0].left, sizes->rgrc[0].top, sizes->rgrc[0].right, sizes->rgrc[0].bottom};
    FrameWindow frame = Describe();
    frame.width = position->cx;
    frame.height = position->cy;
    const NonClientResult result = SkinnedClientRect(FrameLook().Metrics(), frame, proposed, defaultClient);
    titleExtra = result.titleExtra;
    RECT client{result.client.left, result.client.top, result.client.right, result.client.bottom};
    sizes->rgrc[0] = client;
    sizes->rgrc[1] = client;
    message.Result = WVR_VALIDRECTS;
}

void TvelSkinWindow::TrackNonClientLeave()
{
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE | TME_NONCLIENT;
    track.hwndTrack = Handle();
    TrackMouseEvent(&track);
}

bool TvelSkinWindow::OnTitle(LPARAM screenPoint)
{
    // The hit test the system's context-menu processing would make.
    const LRESULT hit = SendMessageW(Handle(), WM_NCHITTEST, 0, screenPoint);
    return hit == HTCAPTION || hit == HTSYSMENU;
}

void TvelSkinWindow::HitTest(TMessage& message)
{
    if (!skinned)
        return;
    HWND window = Handle();
    const POINT screen = PointFromLParam(message.LParam);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int x = int(screen.x) - bounds.left;
    const int y = int(screen.y) - bounds.top;
    const FrameMetrics& metrics = FrameLook().Metrics();
    const LRESULT answer = message.Result;

    if ((answer == HTTOP || answer == HTTOPRIGHT) && metrics.buttonY < metrics.Scaled(4)) {
        POINT client = screen;
        ScreenToClient(window, &client);
        const FrameWindow frame = Describe();
        if (IsTitleButtonPointAtTopEdge(metrics, frame, LayoutOf(frame).buttonsLeft, client.x, client.y))
            message.Result = HTCAPTION;
        return;
    }
    // The system measures the frame by its own caption and buttons, not the
    // skin's: anything it calls a caption button, or finds nowhere, inside
    // the skinned title is the title, and the skinned frame finds its
    // buttons by position.
    const int title = TitleHeight();
    const bool sizingEdge = answer == HTTOP || answer == HTTOPLEFT || answer == HTTOPRIGHT || answer == HTLEFT ||
                            answer == HTRIGHT || answer == HTBOTTOM || answer == HTBOTTOMLEFT ||
                            answer == HTBOTTOMRIGHT;
    if (!sizingEdge && answer != HTCLIENT && y >= 0 && y < title && x >= 0 && x < bounds.right - bounds.left)
        message.Result = HTCAPTION;
}

} // namespace orvane::skin
