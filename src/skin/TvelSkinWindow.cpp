#include "skin/TvelSkinWindow.h"

#include "core/raster/BitmapCopy.h"
#include "core/raster/Canvas.h"
#include "core/skinframe/FrameBorders.h"
#include "core/skinframe/NonClientArea.h"
#include "core/skinframe/WindowRegion.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/OwnerDrawnMenus.h"
#include "framework/TApplication.h"
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

std::wstring WideFromAnsi(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

// Window objects released while in use, each until its last use ends. Never
// destroyed: one may still wait when the program ends.
std::vector<std::unique_ptr<TvelSkinWindow>>& ReleasedInUse()
{
    static auto* waiting = new std::vector<std::unique_ptr<TvelSkinWindow>>;
    return *waiting;
}

// A band bitmap of the given size, made anew only when its size changes.
void SizeBand(TBitmap& band, int width, int height)
{
    if (band.Width() != width || band.Height() != height)
        band.SetSize(std::max(width, 0), std::max(height, 0));
}

} // namespace

TSkinContext& TvelSkinWindow::Context() const { return skinEngine; }

const TSkinLook& TvelSkinWindow::Look() const { return skinEngine.Look(); }

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
    if (titleNeedsRegion && !titleBandOut)
        titleBandOut = std::make_unique<TBitmap>();
    if (!titleNeedsRegion)
        titleBandOut.reset();
    if (bottomNeedsRegion && !bottomBandOut)
        bottomBandOut = std::make_unique<TBitmap>();
    if (!bottomNeedsRegion)
        bottomBandOut.reset();
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

int TvelSkinWindow::TitleHeight() const { return hasCaption && skinned ? skinEngine.Look().Metrics().titleHeight : 0; }

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
    font.Select(measuringDc.Handle(), CaptionFont());
    const TGdiTextMeasurer measurer(measuringDc.Handle());
    return TitleWidthForCaption(skinEngine.Look().Reader(), skinEngine.Look().Metrics(), Describe(), measurer);
}

std::string TvelSkinWindow::GetAnsiCaption() const { return GetAnsiWindowText(Handle()); }

FrameWindow TvelSkinWindow::Describe() const
{
    HWND window = Handle();
    RECT bounds{};
    GetWindowRect(window, &bounds);
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
    frame.buttonDown = buttonDown;
    // The title parts are found in the title's own coordinates: the window's,
    // moved left by the left border. (With the client area right below the
    // title, as the skin lays it out, these are the client coordinates with
    // T added; a system menu bar between the two does not move them.)
    POINT pointer{};
    if (GetCursorPos(&pointer)) {
        frame.pointerX = pointer.x - bounds.left - skinEngine.Look().Metrics().leftBorderWidth;
        frame.pointerY = pointer.y - bounds.top;
    }
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

// ---- painting

void TvelSkinWindow::PaintFrame()
{
    HWND window = Handle();
    if (!LookOn() || !window || !IsWindow(window))
        return;
    const FrameWindow frame = Describe();
    const TWindowDC windowDc(window);
    if (!windowDc.Handle())
        return;
    if (frame.hasCaption && !frame.MaximizedMDIChild())
        PaintTitle(windowDc.Handle(), frame);
    else if (frame.MaximizedMDIChild() && Application && Application->MainForm())
        PostMessageW(Application->MainForm()->WindowHandle(), SKM_REPAINTFRAME, 0, 0);
    if (ShowsBorders(frame))
        PaintBorders(windowDc.Handle(), frame);
}

void TvelSkinWindow::PaintTitle(HDC windowDc, const FrameWindow& frame)
{
    const FrameMetrics& metrics = skinEngine.Look().Metrics();
    SizeBand(titleBand, frame.width, TitleBandHeight(frame));
    if (titleBand.Empty())
        return;
    TCanvas& bandCanvas = titleBand.Canvas();
    HDC bandDc = bandCanvas.Handle();
    TSelectedObject font;
    font.Select(bandDc, CaptionFont());
    const TGdiTextMeasurer measurer(bandDc);
    TitleBandResult result;
    {
        Canvas pixels(titleBand.CoreBitmap());
        result = ComposeTitleBand(skinEngine.Look().Reader(), metrics, frame, measurer, pixels);
    }
    hotButton = result.hotButton;
    overDisabledButton = result.overDisabledButton;
    maxButtonShown = result.maxButtonShown;
    maxItemEnabled = result.maxItemEnabled;
    minItemEnabled = result.minItemEnabled;
    closeItemEnabled = result.closeItemEnabled;
    buttonsLeft = result.buttonsLeft;

    if (result.drawIcon) {
        HICON icon = IconHandle();
        if (!icon)
            icon = ProgramIcon();
        if (icon)
            DrawIconEx(bandDc, result.iconRect.left, result.iconRect.top, icon, IconExtent, IconExtent, 0, nullptr,
                       DI_NORMAL);
    }
    const CaptionPlacement& caption = result.caption;
    shownCaption = caption.wideText.empty() ? WideFromAnsi(caption.ansiText) : caption.wideText;
    SetBkMode(bandDc, TRANSPARENT);
    SetTextColor(bandDc, COLORREF(caption.color));
    if (!caption.wideText.empty()) {
        RECT area{caption.x, caption.top, 2048, 100};
        DrawTextW(bandDc, caption.wideText.c_str(), int(caption.wideText.size()), &area,
                  DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
    } else if (!caption.ansiText.empty()) {
        TextOutA(bandDc, caption.x, caption.top, caption.ansiText.c_str(), int(caption.ansiText.size()));
    }
    font.Restore();
    GdiFlush();
    titleBand.CoreBitmap().Transparent = titleNeedsRegion;
    titleBand.CoreBitmap().TransparentColor = metrics.transparentColor;
    OutputBand(windowDc, titleBand, titleNeedsRegion ? titleBandOut.get() : nullptr, 0);
}

void TvelSkinWindow::OutputBand(HDC windowDc, TBitmap& band, TBitmap* bandOut, int y)
{
    TBitmap* shown = &band;
    if (bandOut) {
        // The transparent corners show the form colour: they lie outside the
        // window region, and the form colour is what shows while the region
        // is being changed.
        SizeBand(*bandOut, band.Width(), band.Height());
        Canvas out(bandOut->CoreBitmap());
        out.FillRect(Rect{0, 0, band.Width(), band.Height()}, skinEngine.Look().FormColor());
        DrawBitmap(out, 0, 0, band.CoreBitmap());
        shown = bandOut;
    }
    BitBlt(windowDc, 0, y, shown->Width(), shown->Height(), shown->Canvas().Handle(), 0, 0, SRCCOPY);
}

void TvelSkinWindow::PaintBorders(HDC windowDc, const FrameWindow& frame)
{
    const FrameMetrics& metrics = skinEngine.Look().Metrics();
    for (FrameSide side : {FrameSide::Left, FrameSide::Right}) {
        const Rect area = SideStripRect(metrics, frame, side);
        if (area.Empty())
            continue;
        TBitmap& strip = side == FrameSide::Left ? leftStrip : rightStrip;
        SizeBand(strip, area.Width(), area.Height());
        {
            Canvas pixels(strip.CoreBitmap());
            ComposeSideStrip(skinEngine.Look().Reader(), metrics, frame, side, pixels);
        }
        BitBlt(windowDc, area.left, area.top, area.Width(), area.Height(), strip.Canvas().Handle(), 0, 0, SRCCOPY);
    }
    const Bitmap* bottomImage = skinEngine.Look().Reader().GetBitmap(SKIN2_FORMBOTTOMBORDER1);
    const int bandHeight = bottomImage ? bottomImage->Height() : 0;
    SizeBand(bottomBand, frame.width, bandHeight);
    if (!bottomBand.Empty()) {
        {
            Canvas pixels(bottomBand.CoreBitmap());
            ComposeBottomBand(skinEngine.Look().Reader(), frame, pixels);
        }
        bottomBand.CoreBitmap().Transparent = bottomNeedsRegion;
        bottomBand.CoreBitmap().TransparentColor = metrics.transparentColor;
        OutputBand(windowDc, bottomBand, bottomNeedsRegion ? bottomBandOut.get() : nullptr,
                   frame.height - metrics.bottomBorderHeight);
    }
    const Rect gap = BottomGapRect(metrics, frame);
    if (!gap.Empty()) {
        const RECT fill{gap.left, gap.top, gap.right, gap.bottom};
        FillRect(windowDc, &fill, skinEngine.Look().FormBrush());
    }
}

// ---- regions

void TvelSkinWindow::UpdateRegion()
{
    HWND window = Handle();
    if (IsWin95() || !CanSetRegion() || skinEngine.IsDesigning() || !window || !LookOn())
        return;
    const int width = WindowWidth();
    const int height = WindowHeight();
    regionWidth = width;
    regionHeight = height;
    HRGN region = nullptr;
    if (!titleNeedsRegion && !bottomNeedsRegion) {
        region = CreateRectRgn(0, 0, width, height);
    } else {
        const Bitmap* title = titleNeedsRegion && !titleBand.Empty() ? &titleBand.CoreBitmap() : nullptr;
        const Bitmap* bottom = bottomNeedsRegion && !bottomBand.Empty() ? &bottomBand.CoreBitmap() : nullptr;
        const std::vector<Rect> rectangles = BuildWindowRegion(title, bottom, width, height, skinEngine.Look().Metrics());
        std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rectangles.size() * sizeof(RECT));
        auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
        header->dwSize = sizeof(RGNDATAHEADER);
        header->iType = RDH_RECTANGLES;
        header->nCount = DWORD(rectangles.size());
        header->nRgnSize = DWORD(rectangles.size() * sizeof(RECT));
        header->rcBound = RECT{0, 0, width, height};
        auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
        for (std::size_t index = 0; index < rectangles.size(); ++index)
            rects[index] = RECT{rectangles[index].left, rectangles[index].top, rectangles[index].right,
                                rectangles[index].bottom};
        region = ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
    }
    // The window owns the region from here on, also when setting it fails.
    if (region && !SetWindowRgn(window, region, TRUE))
        DeleteObject(region);
}

void TvelSkinWindow::UpdateRegionForSize()
{
    if (WindowWidth() == regionWidth && WindowHeight() == regionHeight)
        return;
    UpdateRegion();
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
    else if (maxButtonShown)
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
    PaintFrame();
    if (hotButton != IconPart)
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
        PaintFrame();
        if (message.WParam == HTCAPTION && (hotButton != NoTitlePart || overDisabledButton || IsZoomed(Handle())))
            message.WParam = HTNOWHERE;
        SetActiveWindow(Handle());
        return true;
    case WM_NCLBUTTONDBLCLK:
        if (!skinned)
            return true;
        if (iconClickTaken)
            return false;
        PaintFrame();
        if (hotButton == NoTitlePart && !overDisabledButton && message.WParam == HTCAPTION) {
            MaximizeOrRestore();
            buttonDown = false;
            PaintFrame();
            return false;
        }
        if (hotButton == IconPart) {
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
        PaintFrame();
        if (hotButton == NoTitlePart && !overDisabledButton)
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
        PaintFrame();
        if (std::exchange(iconClickTaken, false))
            return;
        switch (hotButton) {
        case IconPart: PopupSystemMenuAtIcon(); break;
        case ClosePart: CloseWindow(); break;
        case MaximizePart: MaximizeOrRestore(); break;
        case MinimizePart: MinimizeOrRestore(); break;
        case HelpPart: ShowContextHelp(); break;
        default: break;
        }
        return;
    case WM_NCMOUSEMOVE:
        if (message.WParam != HTCAPTION) {
            // Onto a border: no title part is under the pointer any more.
            if (hotButton != NoTitlePart || overDisabledButton)
                PaintFrame();
            return;
        }
        TrackNonClientLeave();
        if (buttonDown) {
            PaintFrame();
            if (hotButton == NoTitlePart)
                buttonDown = false;
        }
        PaintFrame();
        return;
    case WM_NCMOUSELEAVE:
        // The pointer left the frame (for the desktop, another window or the
        // client area): nothing there is hot, and no press goes on.
        if (hotButton == NoTitlePart && !buttonDown)
            return;
        PaintFrame();
        if (hotButton == NoTitlePart)
            buttonDown = false;
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
    const NonClientResult result = SkinnedClientRect(skinEngine.Look().Metrics(), frame, proposed, defaultClient);
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
    const FrameMetrics& metrics = skinEngine.Look().Metrics();
    const LRESULT answer = message.Result;

    if ((answer == HTTOP || answer == HTTOPRIGHT) && metrics.buttonY < 4) {
        POINT client = screen;
        ScreenToClient(window, &client);
        const FrameWindow frame = Describe();
        if (IsTitleButtonPointAtTopEdge(metrics, frame, buttonsLeft, client.x, client.y))
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
