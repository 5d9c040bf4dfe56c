#include "framework/TWinControl.h"

#include "core/base/Exception.h"
#include "framework/GdiOwners.h"
#include "framework/GuardedCallback.h"
#include "framework/TApplication.h"
#include "framework/TGraphicControl.h"
#include "framework/WideText.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

namespace orvane::framework {

const TClassInfo TWinControl::ClassInfo{L"TWinControl", &TControl::ClassInfo, {}};

namespace {

// The window property that ties a window to its framework control.
constexpr wchar_t ControlProperty[] = L"OrvaneFrameworkControl";

// The control whose window CreateWindowEx is making: its first messages
// (WM_GETMINMAXINFO, WM_NCCREATE) come before the property can be set.
thread_local TWinControl* creatingControl = nullptr;

// Framework window classes by name, with the procedure that handles what the
// framework leaves: DefWindowProc, or the system control's own procedure.
std::map<std::wstring, WNDPROC>& RegisteredClasses()
{
    static std::map<std::wstring, WNDPROC> classes;
    return classes;
}

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

WNDPROC RegisterWindowClass(const std::wstring& name, const wchar_t* systemClass, UINT classStyle, WNDPROC mainProc)
{
    auto& classes = RegisteredClasses();
    if (const auto found = classes.find(name); found != classes.end())
        return found->second;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    WNDPROC defaultProc = DefWindowProcW;
    if (systemClass) {
        if (!GetClassInfoExW(nullptr, systemClass, &windowClass))
            throw Exception("Window class " + Utf8FromWide(systemClass) + " is not available");
        defaultProc = windowClass.lpfnWndProc;
        windowClass.cbSize = sizeof(windowClass);
    } else {
        windowClass.style = classStyle;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    }
    windowClass.lpfnWndProc = mainProc;
    windowClass.hInstance = ModuleInstance();
    windowClass.lpszClassName = name.c_str();
    windowClass.lpszMenuName = nullptr;
    windowClass.hbrBackground = nullptr;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Cannot register the window class " + Utf8FromWide(name));
    classes.emplace(name, defaultProc);
    return defaultProc;
}

} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    Destroying();
    DestroyHandle();
    // Children still here go with their parent, whoever owns them.
    while (!controls.empty())
        delete controls.back();
}

TWinControl* TWinControl::FindControl(HWND window)
{
    if (!window)
        return nullptr;
    return static_cast<TWinControl*>(GetPropW(window, ControlProperty));
}

HWND TWinControl::Handle()
{
    if (!handle)
        CreateHandle();
    return handle;
}

void TWinControl::DestroyHandle()
{
    if (handle)
        DestroyWindow(handle);
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = TControl::GetText();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    if (Parent())
        params.WndParent = Parent()->Handle();
}

void TWinControl::CreateHandle()
{
    if (handle)
        return;
    if (Parent())
        Parent()->HandleNeeded();
    if (handle) // the parent's window creation made ours
        return;
    TCreateParams params;
    CreateParams(params);
    const std::wstring className(ClassName());
    defaultProc = RegisterWindowClass(className, params.SystemClass, params.ClassStyle, MainWndProc);
    systemControl = params.SystemClass != nullptr;

    TWinControl* const outer = creatingControl;
    creatingControl = this;
    HWND created = CreateWindowExW(params.ExStyle, className.c_str(), params.Caption.c_str(), params.Style, params.X,
                                   params.Y, params.Width, params.Height, params.WndParent, nullptr,
                                   ModuleInstance(), nullptr);
    creatingControl = outer;
    if (!created)
        throw Exception("Error creating window of class " + Utf8FromWide(className));
    if (!handle)
        Attach(created);
    CreateWnd();
}

void TWinControl::CreateWnd()
{
    if (systemControl)
        GiveFontToWindow(FALSE);
    SyncBoundsWithWindow();
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (auto* child = As<TWinControl>(controls[i]))
            child->CreateHandle();
    Realign();
}

void TWinControl::Attach(HWND window)
{
    handle = window;
    SetPropW(window, ControlProperty, this);
}

void TWinControl::Detach()
{
    RemovePropW(handle, ControlProperty);
    handle = nullptr;
    trackingMouse = false;
}

LRESULT CALLBACK TWinControl::MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = FindControl(window);
    if (!control) {
        control = creatingControl;
        if (!control)
            return DefWindowProcW(window, message, wParam, lParam);
        creatingControl = nullptr;
        control->Attach(window);
    }
    TMessage sent{message, wParam, lParam, 0};
    // The message ends here and the application reports the error after it,
    // never from inside a paint or another message.
    GuardedCallback([&] { control->WindowProc(sent); });
    if (message == WM_NCDESTROY)
        control->Detach();
    return sent.Result;
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (handle)
        message.Result = CallWindowProcW(defaultProc, handle, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WndProc(TMessage& message)
{
    if (IsMouseButtonMessage(message.Msg) && RouteMouseToGraphicControl(message))
        return;
    switch (message.Msg) {
    case WM_ERASEBKGND:
        if (systemControl)
            break;
        EraseBackground(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(message);
        SyncBoundsWithWindow();
        return;
    case WM_COMMAND:
        if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam)); child && child != this) {
            message.Result = child->Perform(CN_COMMAND, message.WParam, message.LParam);
            return;
        }
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        // A scroll-bar control's requests go to its parent; it handles them.
        if (message.LParam)
            if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam)); child && child != this) {
                message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
                return;
            }
        break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        // A child of the button family may give its own colours (answers 0
        // when it does not).
        if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam)); child && child != this) {
            message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
            if (message.Result)
                return;
        }
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (TWinControl* child = FindControl(header->hwndFrom); child && child != this) {
            message.Result = child->Perform(CN_NOTIFY, message.WParam, message.LParam);
            return;
        }
        break;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
        if (item->CtlType != ODT_MENU)
            if (TWinControl* child = FindControl(item->hwndItem); child && child != this) {
                message.Result = child->Perform(CN_DRAWITEM, message.WParam, message.LParam);
                return;
            }
        break;
    }
    case WM_CHAR: {
        wchar_t key = wchar_t(message.WParam);
        if (DoKeyPress(key))
            return;
        message.WParam = key;
        break;
    }
    case WM_MOUSEMOVE:
        TrackMouseLeave();
        if (Application)
            Application->UpdateMouseControl();
        if (RouteMouseToGraphicControl(message))
            return;
        break;
    case WM_PAINT:
        // A window of the framework's own that draws nothing itself still
        // paints its windowless children; a system window (a group box)
        // paints itself first and they go on top.
        if (HasGraphicControls()) {
            if (!systemControl) {
                const TPaintDC paint(handle);
                PaintControls(paint.Handle(), &paint.Paint().rcPaint);
                return;
            }
            RECT update{};
            const bool anything = GetUpdateRect(handle, &update, FALSE) != FALSE;
            TControl::WndProc(message);
            if (anything) {
                const TClientDC dc(handle);
                PaintControls(dc.Handle(), &update);
            }
            return;
        }
        break;
    case WM_MOUSELEAVE:
        trackingMouse = false;
        if (Application)
            Application->UpdateMouseControl();
        break;
    case WM_DESTROY:
        // A system control keeps its text in its window: take it along, so
        // that a window made again (RecreateWnd) gets it back.
        if (systemControl)
            TControl::StoreText(GetText());
        break;
    case CM_COLORCHANGED:
        NotifyChildren(CM_PARENTCOLORCHANGED);
        break;
    case CM_FONTCHANGED:
        if (systemControl && handle)
            GiveFontToWindow(TRUE);
        NotifyChildren(CM_PARENTFONTCHANGED);
        break;
    case CM_SHOWHINTCHANGED:
        NotifyChildren(CM_PARENTSHOWHINTCHANGED);
        break;
    case CM_INVALIDATE:
        if (handle)
            InvalidateRect(handle, nullptr, TRUE);
        return;
    default:
        break;
    }
    TControl::WndProc(message);
}

bool TWinControl::HasGraphicControls() const
{
    for (const TControl* control : controls)
        if (As<TGraphicControl>(control))
            return true;
    return false;
}

TControl* TWinControl::GraphicControlAt(POINT client) const
{
    for (auto control = controls.rbegin(); control != controls.rend(); ++control) {
        TControl* child = *control;
        if (!As<TGraphicControl>(child) || !child->Visible() || !child->Enabled())
            continue;
        const RECT bounds = child->BoundsRect();
        if (PtInRect(&bounds, client))
            return child;
    }
    return nullptr;
}

bool TWinControl::RouteMouseToGraphicControl(TMessage& message)
{
    if (systemControl)
        return false;
    const POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    TControl* target = graphicCapture ? graphicCapture : GraphicControlAt(at);
    if (!target)
        return false;
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        graphicCapture = target;
        SetCapture(handle);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (!(message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
            graphicCapture = nullptr;
            if (GetCapture() == handle)
                ReleaseCapture();
        }
        break;
    default:
        break;
    }
    const LPARAM local = MAKELPARAM(at.x - target->Left(), at.y - target->Top());
    message.Result = target->Perform(message.Msg, message.WParam, local);
    return true;
}

void TWinControl::PaintControls(HDC dc, const RECT* update)
{
    for (TControl* control : controls) {
        auto* graphic = As<TGraphicControl>(control);
        if (!graphic || !graphic->Visible())
            continue;
        const RECT bounds = graphic->BoundsRect();
        RECT meeting{};
        if (update && !IntersectRect(&meeting, &bounds, update))
            continue;
        // The child draws at its own origin and only inside its bounds.
        const TSavedDCState restored(dc);
        IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        POINT origin{};
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
        graphic->PaintTo(dc);
    }
}

void TWinControl::GiveFontToWindow(BOOL redraw)
{
    // The window keeps drawing with the handle it was given: hold a share in
    // it until it has the next one.
    TFont::TSharedHandle given = Font().SharedHandle();
    SendMessageW(handle, WM_SETFONT, WPARAM(given->Get()), redraw);
    windowFont = std::move(given);
}

void TWinControl::NotifyChildren(UINT message)
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        controls[i]->Perform(message);
}

void TWinControl::TrackMouseLeave()
{
    if (trackingMouse || !handle)
        return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = handle;
    trackingMouse = TrackMouseEvent(&track) != FALSE;
}

bool TWinControl::DoKeyPress(wchar_t& key)
{
    TWinControl* top = this;
    while (top->Parent())
        top = top->Parent();
    if (top != this && top->PreviewsKeys() && top->DoKeyPress(key))
        return true;
    if (OnKeyPress)
        OnKeyPress(this, key);
    return key == 0;
}

void TWinControl::EraseBackground(HDC dc)
{
    RECT client{};
    GetClientRect(handle, &client);
    const TBrushHandle brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &client, brush.Get());
}

void TWinControl::InsertControl(TControl* control)
{
    controls.push_back(control);
    if (handle)
        if (auto* child = As<TWinControl>(control)) {
            if (child->handle)
                ::SetParent(child->handle, handle);
            else
                child->CreateHandle();
        }
    if (control->Align() != TAlign::alNone)
        Realign();
}

void TWinControl::RemoveControl(TControl* control)
{
    const auto found = std::find(controls.begin(), controls.end(), control);
    if (found == controls.end())
        return;
    controls.erase(found);
    if (graphicCapture == control)
        graphicCapture = nullptr;
    if (!IsDestroying() && control->Align() != TAlign::alNone)
        Realign();
}

void TWinControl::ParentChanged()
{
    if (!Parent())
        DestroyHandle();
}

RECT TWinControl::ClientRect() const
{
    if (!handle)
        return TControl::ClientRect();
    RECT client{};
    GetClientRect(handle, &client);
    return client;
}

namespace {

SIZE SizeOf(const RECT& rect) { return SIZE{rect.right - rect.left, rect.bottom - rect.top}; }

} // namespace

void TWinControl::Realign()
{
    if (alignDisabled > 0 || aligning || IsLoading() || IsDestroying()) {
        // Before the window exists the client size is the designed one, which
        // the anchored children were laid out for.
        if (!handle && !IsDestroying())
            anchoredClient = SizeOf(ClientRect());
        return;
    }
    aligning = true;
    RECT rect = ClientRect();
    const SIZE client = SizeOf(rect);
    if (handle && anchoredClient.cx >= 0)
        ApplyAnchors(client.cx - anchoredClient.cx, client.cy - anchoredClient.cy);
    anchoredClient = client;
    AdjustClientRect(rect);
    AlignControls(rect);
    aligning = false;
}

void TWinControl::ApplyAnchors(int widthChange, int heightChange)
{
    if (widthChange == 0 && heightChange == 0)
        return;
    for (TControl* control : controls) {
        if (control->Align() != TAlign::alNone)
            continue;
        const unsigned anchors = control->Anchors();
        int left = control->Left();
        int top = control->Top();
        int width = control->Width();
        int height = control->Height();
        if (anchors & akRight) {
            if (anchors & akLeft)
                width += widthChange;
            else
                left += widthChange;
        }
        if (anchors & akBottom) {
            if (anchors & akTop)
                height += heightChange;
            else
                top += heightChange;
        }
        if (left != control->Left() || top != control->Top() || width != control->Width() ||
            height != control->Height())
            control->SetBounds(left, top, std::max(width, 0), std::max(height, 0));
    }
}

void TWinControl::ChangeScale(unsigned toDpi, unsigned fromDpi)
{
    DisableAlign();
    TControl::ChangeScale(toDpi, fromDpi);
    for (std::size_t i = 0; i < controls.size(); ++i)
        controls[i]->ScaleToDpi(toDpi);
    // The anchored children were placed for the client size before; they
    // scaled with it, so the scaled size is the one they are placed for.
    if (anchoredClient.cx >= 0)
        anchoredClient = SIZE{ScaleBetweenDpi(anchoredClient.cx, toDpi, fromDpi),
                              ScaleBetweenDpi(anchoredClient.cy, toDpi, fromDpi)};
    EnableAlign();
}

void TWinControl::EnableAlign()
{
    if (alignDisabled > 0 && --alignDisabled == 0)
        Realign();
}

void TWinControl::AlignControls(RECT& rect)
{
    // Edges first (top, bottom, left, right), each taking a strip off what is
    // left; then the client controls fill the rest. Among the controls of one
    // edge, the one nearest to it goes first (a bar moved above the others
    // takes the top); equals keep their order.
    constexpr TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
    for (const TAlign align : order) {
        std::vector<TControl*> aligned;
        for (TControl* control : controls)
            if (control->Align() == align && control->Visible())
                aligned.push_back(control);
        std::stable_sort(aligned.begin(), aligned.end(), [align](const TControl* a, const TControl* b) {
            switch (align) {
            case TAlign::alTop: return a->Top() < b->Top();
            case TAlign::alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
            case TAlign::alLeft: return a->Left() < b->Left();
            case TAlign::alRight: return a->Left() + a->Width() > b->Left() + b->Width();
            default: return false;
            }
        });
        for (TControl* control : aligned) {
            const int width = std::max(0, int(rect.right - rect.left));
            const int height = std::max(0, int(rect.bottom - rect.top));
            switch (align) {
            case TAlign::alTop:
                control->SetBounds(rect.left, rect.top, width, control->Height());
                rect.top += control->Height();
                break;
            case TAlign::alBottom:
                control->SetBounds(rect.left, rect.bottom - control->Height(), width, control->Height());
                rect.bottom -= control->Height();
                break;
            case TAlign::alLeft:
                control->SetBounds(rect.left, rect.top, control->Width(), height);
                rect.left += control->Width();
                break;
            case TAlign::alRight:
                control->SetBounds(rect.right - control->Width(), rect.top, control->Width(), height);
                rect.right -= control->Width();
                break;
            case TAlign::alClient:
                control->SetBounds(rect.left, rect.top, width, height);
                break;
            case TAlign::alNone:
                break;
            }
        }
    }
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    Realign();
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::Update()
{
    if (handle)
        UpdateWindow(handle);
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

POINT TWinControl::ClientToScreen(POINT point) const
{
    if (!handle)
        return TControl::ClientToScreen(point);
    ::ClientToScreen(handle, &point);
    return point;
}

std::wstring TWinControl::GetText() const
{
    if (!handle || !systemControl)
        return TControl::GetText();
    const int length = GetWindowTextLengthW(handle);
    std::wstring text(std::size_t(length) + 1, L'\0');
    const int copied = GetWindowTextW(handle, text.data(), length + 1);
    text.resize(std::size_t(std::max(0, copied)));
    return text;
}

void TWinControl::StoreText(const std::wstring& value)
{
    TControl::StoreText(value);
    if (handle)
        SetWindowTextW(handle, value.c_str());
}

void TWinControl::ApplyBounds()
{
    if (handle)
        SetWindowPos(handle, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SyncBoundsWithWindow()
{
    if (!handle)
        return;
    RECT bounds{};
    GetWindowRect(handle, &bounds);
    if (HWND parentWindow = GetParent(handle); parentWindow && (GetWindowLongW(handle, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parentWindow, reinterpret_cast<POINT*>(&bounds), 2);
    UpdateBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void TWinControl::VisibleChanged()
{
    if (handle)
        ShowWindow(handle, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TWinControl::EnabledChanged()
{
    if (handle)
        EnableWindow(handle, Enabled() ? TRUE : FALSE);
}

HBRUSH TWinControl::ColorBrush()
{
    if (!colorBrush.Get() || colorBrushColor != Color()) {
        colorBrush = TBrushHandle(CreateSolidBrush(ColorToRGB(Color())));
        colorBrushColor = Color();
    }
    return colorBrush.Get();
}

LRESULT TWinControl::AnswerControlColor(HDC dc)
{
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    return LRESULT(ColorBrush());
}

} // namespace orvane::framework
