#include "skin/TvelSkinWindowWnd.h"

#include "framework/GuardedCallback.h"
#include "framework/TPanel.h"
#include "skin/MonitorWorkArea.h"
#include "skin/PlatformVersion.h"
#include "skin/SkinMessages.h"
#include "skin/TvelSkinControl.h"
#include "skin/TvelSkinEngine.h"
#include "skin/WindowText.h"

#include "core/skinmodel/SkinKeys.h"

#include <algorithm>
#include <string>

namespace orvane::skin {

using namespace framework;

const TClassInfo TvelSkinWindowWnd::ClassInfo{L"TvelSkinWindowWnd", &TvelSkinWindow::ClassInfo, {}};

namespace {

constexpr double WideDialogFactor = 1.5;

RECT WindowBounds(HWND window)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds;
}

// The window's rectangle in its parent's coordinates (screen for top level).
RECT WindowPlace(HWND window)
{
    RECT bounds = WindowBounds(window);
    if (HWND parent = GetParent(window); parent && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

bool IsPushButton(HWND child)
{
    if (UpperAnsiClassName(child) != "BUTTON")
        return false;
    const LONG type = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// A dialog answered only by a message box's Yes, No, Abort, Retry, Ignore,
// Try Again or Continue (Help beside them): one with Cancel or OK, or with
// buttons of its own, is not such a box.
bool AnswersOnly(HWND window)
{
    if (UpperAnsiClassName(window) != "#32770")
        return false;
    bool answers = false;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) || !IsPushButton(child))
            continue;
        switch (GetDlgCtrlID(child)) {
        case IDABORT:
        case IDRETRY:
        case IDIGNORE:
        case IDYES:
        case IDNO:
        case IDTRYAGAIN:
        case IDCONTINUE:
            answers = true;
            break;
        case IDHELP:
            break;
        default:
            return false;
        }
    }
    return answers;
}

} // namespace

TvelSkinWindowWnd::TvelSkinWindowWnd(TComponent* owner, TvelSkinEngine& owningEngine, bool byHook)
    : TvelSkinWindow(owner, owningEngine, byHook)
{
}

TvelSkinWindowWnd::~TvelSkinWindowWnd() = default;

void TvelSkinWindowWnd::Attach(HWND handle)
{
    window = handle;
    answersOnly = AnswersOnly(window);
    eraseStyleTaken = false;
    grown = isFileDialog = isBrowseDialog = false;
    subclass = TWindowSubclass(window, [this](TMessage& message, const TMessageLayers::TNext& next) {
        // The window may go during the message (a dialog ending from its
        // button): this object stays until the message is over.
        const TSkinHostInUse use(*this);
        if (message.Msg == WM_DESTROY) {
            // The dialog's own procedure still hears of its end; then this
            // object goes with its window, skinned or not, and the handle is
            // kept from being skinned again as it goes.
            next(message);
            Engine().ExcludeDialogOnce(window);
            EndWithWindow();
            return;
        }
        const TMessageLayers::TNext* outer = defaultProc;
        defaultProc = &next;
        HandleMessage(message);
        defaultProc = outer;
    });
}

void TvelSkinWindowWnd::Detach()
{
    subclass.Remove();
    defaultProc = nullptr;
    FrameChanged(window);
    if (dialogChildSubclass.Active()) {
        dialogChildSubclass.Remove();
        FrameChanged(dialogChild);
    }
}

void TvelSkinWindowWnd::CallDefault(TMessage& message)
{
    if (defaultProc) {
        (*defaultProc)(message);
        return;
    }
    message.Result = DefWindowProcW(window, message.Msg, message.WParam, message.LParam);
}

std::wstring TvelSkinWindowWnd::GetWideCaption() const { return GetWindowTextWide(window); }

void TvelSkinWindowWnd::CaptureGeometry()
{
    origStyle = GetWindowLongW(window, GWL_STYLE);
    RECT client{};
    GetClientRect(window, &client);
    origClientWidth = client.right;
    origClientHeight = client.bottom;
    POINT clientTop{0, 0};
    ClientToScreen(window, &clientTop);
    origTopHeight = clientTop.y - WindowBounds(window).top;
    mdiBottomGap = mdiSideGap = LeastFrameWidth;
}

void TvelSkinWindowWnd::SkinControls()
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(GetWindowLongW(child, GWL_STYLE) & WS_CHILD) || SendMessageW(child, SKM_ISSKINNED, 0, 0) == 1)
            continue;
        if (auto skin = Engine().CreateWindowSkin(child, *this))
            controlSkins.push_back(std::move(skin));
    }
}

void TvelSkinWindowWnd::UnskinControls()
{
    // Each is freed with this object: one of them may be handling the
    // message during which the window goes.
    for (const auto& skin : controlSkins)
        skin->Detach();
}

void TvelSkinWindowWnd::ApplySkin()
{
    if (!IsWindow(window))
        return;
    if (!destroying)
        for (const auto& controlSkin : controlSkins) {
            try {
                controlSkin->Refresh();
                if (HWND child = controlSkin->Handle())
                    PostMessageW(child, WM_PAINT, 0, 0);
            } catch (...) {
                ReportCaughtException(TCallbackFailure::Log);
            }
        }
    const FrameMetrics& metrics = FrameLook().Metrics();
    const RECT place = WindowPlace(window);
    if (Skinned()) {
        SetWindowLongW(window, GWL_STYLE, origStyle & ~LONG(WS_SYSMENU));
        SetMenu(window, nullptr);
        int left = place.left;
        int top = place.top;
        int width = place.right - place.left + metrics.leftBorderWidth + metrics.rightBorderWidth;
        int height = TitleHeight() + place.bottom + MenuBarHeight() +
                     std::max(LeastFrameWidth, metrics.bottomBorderHeight) - place.top - origTopHeight;
        // The system sized the window for its own caption font; the skin's
        // caption may need more, as the system widens a box for its own.
        if (const int fit = CaptionFitWidth(); HasCaption() && width < fit) {
            left = WidenedLeft(place, fit, fit - width);
            width = fit;
        }
        // The skinned frame is larger than the system's, most of all at a
        // high DPI: a box or dialog the system placed near an edge of the
        // screen would reach past it, so it moves back inside the work
        // area (and only a window larger than the work area is made smaller).
        if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) {
            const RECT work = GetMonitorWorkArea(window);
            width = std::min<int>(width, work.right - work.left);
            height = std::min<int>(height, work.bottom - work.top);
            left = std::clamp<int>(left, work.left, work.right - width);
            top = std::clamp<int>(top, work.top, work.bottom - height);
        }
        MoveWindow(window, left, top, width, height, TRUE);
        FrameChanged(window);
        return;
    }
    if (destroying)
        return;
    const LONG style = eraseStyleTaken ? eraseStyle : origStyle;
    // The style the window had when it first painted, keeping whether it is
    // visible now.
    SetWindowLongW(window, GWL_STYLE, (style & ~LONG(WS_VISIBLE)) | (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE));
    const int title = metrics.titleHeight;
    const int width = place.right - place.left - metrics.rightBorderWidth - metrics.leftBorderWidth;
    const int height = place.bottom + origTopHeight - place.top - title - MenuBarHeight() - metrics.bottomBorderHeight;
    MoveWindow(window, place.left, place.top, width, height, TRUE);
    SetWindowRgn(window, nullptr, TRUE);
    FrameChanged(window);
}

int TvelSkinWindowWnd::WidenedLeft(const RECT& place, int width, int growth)
{
    // The client area grows by as much as the window: the system centres a
    // box's buttons in it, so they move by half of that; the text and the
    // icon stay where they are.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsPushButton(child))
            continue;
        RECT bounds = WindowBounds(child);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bounds), 2);
        SetWindowPos(child, nullptr, bounds.left + growth / 2, bounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const int left = (place.left + place.right - width) / 2;
    if (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)
        return left;
    const RECT work = GetMonitorWorkArea(window);
    return int(std::max(work.left, std::min(LONG(left), work.right - width)));
}

bool TvelSkinWindowWnd::ColorDialogControl(TMessage& message)
{
    SetBkMode(HDC(message.WParam), TRANSPARENT);
    message.Result = LRESULT(Look().FormBrush());
    return false;
}

bool TvelSkinWindowWnd::BeforeDefault(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        if (!eraseStyleTaken) {
            eraseStyle = GetWindowLongW(window, GWL_STYLE);
            eraseStyleTaken = true;
        }
        return true;
    case WM_SYSCOMMAND:
        if ((message.WParam & 0xFFF0) == SC_CLOSE) {
            // Alt+F4 and Close ask here too; a box without Cancel refuses.
            if (!answersOnly)
                PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            message.Result = 0;
            return false;
        }
        return true;
    case WM_COMMAND:
        // Escape (and the dialog's own Close) asks for Cancel: a box that
        // has none ignores it, as the system's box does, instead of ending
        // with an answer the player never gave.
        if (answersOnly && LOWORD(message.WParam) == IDCANCEL) {
            message.Result = 0;
            return false;
        }
        return true;
    case WM_SHOWWINDOW:
        InspectDialog();
        return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return ColorDialogControl(message);
    case WM_SIZE:
        if ((IsVista() && isFileDialog) || isBrowseDialog) {
            UpdateRegionForSize();
            return false;
        }
        return true;
    default:
        return true;
    }
}

void TvelSkinWindowWnd::AfterDefault(TMessage& message)
{
    if (message.Msg != WM_SIZE)
        return;
    RECT client{};
    GetClientRect(window, &client);
    if (!IsZoomed(window) && client.bottom < origClientHeight && client.right > WideDialogFactor * origClientWidth &&
        !grown) {
        grown = true;
        const RECT bounds = WindowBounds(window);
        const FrameMetrics& metrics = FrameLook().Metrics();
        const int height =
            (bounds.bottom - bounds.top) + TitleHeight() + MenuBarHeight() + metrics.bottomBorderHeight - origTopHeight;
        SetWindowPos(window, nullptr, 0, 0, bounds.right - bounds.left, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    UpdateRegionForSize();
}

void TvelSkinWindowWnd::InspectDialog()
{
    bool shellView = false;
    bool toolBar = false;
    bool listBox = false;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string name = UpperAnsiClassName(child);
        if (name == "SHELLDLL_DEFVIEW")
            shellView = true;
        else if (name == "TOOLBARWINDOW32")
            toolBar = true;
        else if (name == "LISTBOX")
            listBox = true;
        else if (name == "SHBROWSEFORFOLDER SHELLNAMESPACE CONTROL")
            isBrowseDialog = true;
        else if (isBrowseDialog && name == "SCROLLBAR")
            ShowWindow(child, SW_HIDE);
        else if (name == "#32770") {
            dialogChild = child;
            break;
        }
    }
    if (shellView && toolBar && listBox)
        isFileDialog = true;
    answersOnly = AnswersOnly(window);
    if (!dialogChild || dialogChildSubclass.Active())
        return;
    dialogChildSubclass = TWindowSubclass(dialogChild, [this](TMessage& message, const TMessageLayers::TNext& next) {
        const TSkinHostInUse use(*this);
        DialogChildProc(message, next);
    });
    const TColor formColor = TColor(Look().GetSkinColor(SKIN2_FORMCOLOR));
    for (HWND child = GetWindow(dialogChild, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (UpperAnsiClassName(child) != "TPANEL")
            continue;
        auto* panel = As<TCustomPanel>(TWinControl::FindControl(child));
        if (!panel)
            continue;
        panel->SetColor(formColor);
        for (int index = 0; index < panel->ControlCount(); ++index)
            if (auto* inner = As<TCustomPanel>(panel->Controls(index)))
                inner->SetColor(panel->Color());
    }
}

void TvelSkinWindowWnd::DialogChildProc(TMessage& message, const TMessageLayers::TNext& next)
{
    switch (message.Msg) {
    case WM_CTLCOLORDLG:
        message.Result = LRESULT(Look().FormBrush());
        return;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        ColorDialogControl(message);
        return;
    default:
        next(message);
        return;
    }
}

} // namespace orvane::skin
