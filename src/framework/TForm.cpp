#include "framework/TForm.h"

#include "core/base/Exception.h"
#include "framework/GdiOwners.h"
#include "framework/GuardedCallback.h"
#include "framework/OwnerDrawnMenus.h"
#include "framework/PublishedProperties.h"
#include "framework/TApplication.h"
#include "framework/TScreen.h"
#include "framework/WindowDpi.h"

#include <vector>

namespace orvane::framework {

namespace {

// Command identifiers of the MDI children's entries in a window menu.
constexpr UINT FirstMDIChildCommand = 0xFF00;

constexpr TPropertyInfo FormProperties[] = {
    PublishedValue<TCustomForm, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons>(L"BorderIcons",
                                                                                           TPropertyKind::Integer),
    PublishedValue<TCustomForm, &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle>(L"BorderStyle",
                                                                                           TPropertyKind::Enumeration),
    PublishedValue<TCustomForm, &TControl::Caption, &TControl::SetCaption>(L"Caption", TPropertyKind::String),
    PublishedValue<TCustomForm, &TControl::ClientHeight, &TCustomForm::SetClientHeight>(L"ClientHeight",
                                                                                          TPropertyKind::Integer),
    PublishedValue<TCustomForm, &TControl::ClientWidth, &TCustomForm::SetClientWidth>(L"ClientWidth",
                                                                                        TPropertyKind::Integer),
    PublishedValue<TCustomForm, &TCustomForm::FormStyle, &TCustomForm::SetFormStyle>(L"FormStyle",
                                                                                       TPropertyKind::Enumeration),
    PublishedValue<TCustomForm, &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview>(L"KeyPreview",
                                                                                         TPropertyKind::Boolean),
    PublishedValue<TCustomForm, &TCustomForm::Menu, &TCustomForm::SetMenu>(L"Menu", TPropertyKind::Object),
    PublishedValue<TCustomForm, &TCustomForm::Position, &TCustomForm::SetPosition>(L"Position",
                                                                                     TPropertyKind::Enumeration),
    PublishedValue<TCustomForm, &TCustomForm::WindowState, &TCustomForm::SetWindowState>(
        L"WindowState", TPropertyKind::Enumeration),
};

struct ThreadWindows {
    HWND except;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM data)
{
    return GuardedCallback(FALSE, [&] {
        auto* found = reinterpret_cast<ThreadWindows*>(data);
        if (window != found->except && IsWindowVisible(window) && IsWindowEnabled(window))
            found->windows.push_back(window);
        return TRUE;
    });
}

// Disables every visible, enabled top-level window of this thread but one,
// and returns them so that they can be enabled again.
std::vector<HWND> DisableThreadWindows(HWND except)
{
    ThreadWindows found{except, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&found));
    for (HWND window : found.windows)
        EnableWindow(window, FALSE);
    return found.windows;
}

void EnableWindows(const std::vector<HWND>& windows)
{
    for (HWND window : windows)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}

} // namespace

const TClassInfo TCustomForm::ClassInfo{L"TCustomForm", &TWinControl::ClassInfo, FormProperties};
const TClassInfo TForm::ClassInfo{L"TForm", &TCustomForm::ClassInfo, {}};

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner)
{
    SetVisible(false);
    if (Screen)
        Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (OnDestroy)
        OnDestroy(this);
    if (Application && mdiFilter)
        Application->RemoveMessageFilter(mdiFilter);
    DestroyHandle();
    if (Screen)
        Screen->RemoveForm(this);
    if (Application)
        Application->FormDestroyed(this);
}

void TCustomForm::BeginLayout() { BeginLoading(); }

void TCustomForm::EndLayout()
{
    LoadedComponents();
    Loaded();
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::SetMenu(TMainMenu* value)
{
    if (menu)
        menu->OnRebuilt = nullptr;
    menu = value;
    if (menu)
        menu->OnRebuilt = [this](TMenu& rebuilt) {
            if (HWND window = WindowHandle()) {
                ::SetMenu(window, rebuilt.Handle());
                DrawMenuBar(window);
            }
        };
    if (HWND window = WindowHandle()) {
        ::SetMenu(window, menu ? menu->Handle() : nullptr);
        FitClientSize();
    }
}

void TCustomForm::SetIcon(HICON value)
{
    icon = value;
    if (HWND window = WindowHandle()) {
        HICON big = icon ? icon : Application ? Application->Icon() : nullptr;
        HICON small = icon ? icon : Application ? Application->SmallIcon() : nullptr;
        SendMessageW(window, WM_SETICON, ICON_BIG, LPARAM(big));
        SendMessageW(window, WM_SETICON, ICON_SMALL, LPARAM(small));
    }
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu)
        SetMenu(nullptr);
    if (operation == TOperation::opRemove && component == windowMenu)
        windowMenu = nullptr;
}

RECT TCustomForm::ClientRect() const
{
    if (WindowHandle())
        return TWinControl::ClientRect();
    return RECT{0, 0, clientWidth, clientHeight};
}

void TCustomForm::SetConstraints(const TSizeConstraints& value)
{
    constraints = value;
    // The system asks for the limits again when the window is next sized.
    if (HWND window = WindowHandle()) {
        RECT frame{};
        GetWindowRect(window, &frame);
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TCustomForm::DestroyHandle()
{
    HWND window = WindowHandle();
    // The client window destroys its MDI children, so that it activates the
    // next one, hands a maximized state on and takes the gone one off the
    // frame's caption and window menu; a child destroyed directly would
    // stay its active one.
    if (window && formStyle == TFormStyle::fsMDIChild && GetParent(window))
        SendMessageW(GetParent(window), WM_MDIDESTROY, WPARAM(window), 0);
    TWinControl::DestroyHandle();
}

void TCustomForm::RecreateWnd()
{
    HWND window = WindowHandle();
    if (!window)
        return;
    const bool shown = IsWindowVisible(window) != FALSE;
    DestroyHandle();
    HandleNeeded();
    if (shown)
        ShowWindow(WindowHandle(), SW_SHOWNA);
}

void TCustomForm::SetClientSize(int newClientWidth, int newClientHeight)
{
    clientWidth = newClientWidth;
    clientHeight = newClientHeight;
    if (WindowHandle()) {
        FitClientSize();
        return;
    }
    Realign();
}

void TCustomForm::FitClientSize()
{
    HWND window = WindowHandle();
    if (!window || clientWidth <= 0 || clientHeight <= 0)
        return;
    // A minimized or maximized window's client area is not the one the form
    // keeps: sizing it would change the place it is restored to.
    if (IsIconic(window) || IsZoomed(window))
        return;
    // The frame around the client area is whatever the system makes of the
    // style and the menu bar (which may take more than one row): measure it.
    RECT client{};
    RECT frame{};
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    const int width = (frame.right - frame.left) + clientWidth - (client.right - client.left);
    const int height = (frame.bottom - frame.top) + clientHeight - (client.bottom - client.top);
    if (width == frame.right - frame.left && height == frame.bottom - frame.top)
        return;
    fittingClient = true;
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fittingClient = false;
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    params.Caption = Caption();
    params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.ExStyle = 0;
    switch (borderStyle) {
    case TFormBorderStyle::bsNone:
        params.Style |= WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
        params.Style |= WS_OVERLAPPED | WS_CAPTION;
        break;
    case TFormBorderStyle::bsSizeable:
        params.Style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION;
        params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case TFormBorderStyle::bsToolWindow:
        params.Style |= WS_CAPTION;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case TFormBorderStyle::bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (borderStyle != TFormBorderStyle::bsNone && (borderIcons & biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        const bool framed = borderStyle == TFormBorderStyle::bsSingle || borderStyle == TFormBorderStyle::bsSizeable;
        if (framed && (borderIcons & biMinimize))
            params.Style |= WS_MINIMIZEBOX;
        if (framed && (borderIcons & biMaximize))
            params.Style |= WS_MAXIMIZEBOX;
    }
    if (formStyle == TFormStyle::fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
    if (!Enabled())
        params.Style |= WS_DISABLED;

    RECT frame{0, 0, clientWidth > 0 ? clientWidth : Width(), clientHeight > 0 ? clientHeight : Height()};
    if (clientWidth > 0 && clientHeight > 0)
        AdjustWindowRectEx(&frame, params.Style, menu != nullptr, params.ExStyle);
    params.Width = frame.right - frame.left;
    params.Height = frame.bottom - frame.top;
    params.X = Left();
    params.Y = Top();
    if (position == TPosition::poScreenCenter) {
        params.X = (GetSystemMetrics(SM_CXSCREEN) - params.Width) / 2;
        params.Y = (GetSystemMetrics(SM_CYSCREEN) - params.Height) / 2;
    }
    // Every form but the main one belongs to the main form's window: it stays
    // above it and has no task bar button of its own.
    if (Application && Application->MainForm() && Application->MainForm() != this)
        params.WndParent = Application->MainForm()->Handle();
    if (formStyle == TFormStyle::fsMDIChild)
        MakeMDIChildParams(params);
}

TCustomForm* TCustomForm::MDIFrame() const
{
    if (auto* owner = As<TCustomForm>(Owner()); owner && owner->formStyle == TFormStyle::fsMDIForm)
        return owner;
    if (TCustomForm* main = Application ? Application->MainForm() : nullptr;
        main && main->formStyle == TFormStyle::fsMDIForm)
        return main;
    return nullptr;
}

void TCustomForm::MakeMDIChildParams(TCreateParams& params)
{
    TCustomForm* frame = MDIFrame();
    if (!frame)
        throw Exception("An MDI child form needs an MDI frame form");
    frame->HandleNeeded();
    params.WndParent = frame->mdiClient;
    params.Style = (params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
    params.ExStyle |= WS_EX_MDICHILD;
}

void TCustomForm::CreateMDIClient()
{
    CLIENTCREATESTRUCT client{};
    client.idFirstChild = FirstMDIChildCommand;
    RECT area{};
    GetClientRect(WindowHandle(), &area);
    mdiClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, area.right,
                                area.bottom, WindowHandle(), nullptr, GetModuleHandleW(nullptr), &client);
    if (!mdiClient)
        throw Exception("Error creating the MDI client window");
    // Ctrl+F4, Ctrl+F6 and the child's system menu keys reach the children.
    if (Application && !mdiFilter)
        mdiFilter = Application->AddMessageFilter([this](MSG& message, bool& handled) {
            if (mdiClient && !handled && TranslateMDISysAccel(mdiClient, &message))
                handled = true;
        });
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const
{
    std::vector<TCustomForm*> children;
    if (!mdiClient)
        return children;
    for (HWND child = GetWindow(mdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (auto* form = As<TCustomForm>(FindControl(child)); form && form->formStyle == TFormStyle::fsMDIChild)
            children.push_back(form);
    return children;
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    if (!mdiClient)
        return nullptr;
    return As<TCustomForm>(FindControl(reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0))));
}

int TCustomForm::MDIChildCount() const { return int(MDIChildList().size()); }

TCustomForm* TCustomForm::MDIChildren(int index) const
{
    const std::vector<TCustomForm*> children = MDIChildList();
    return index >= 0 && std::size_t(index) < children.size() ? children[std::size_t(index)] : nullptr;
}

void TCustomForm::Cascade()
{
    if (mdiClient)
        SendMessageW(mdiClient, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile()
{
    if (mdiClient)
        SendMessageW(mdiClient, WM_MDITILE, MDITILE_HORIZONTAL, 0);
}

void TCustomForm::AlignControls(RECT& rect)
{
    TWinControl::AlignControls(rect);
    // The MDI client takes what the aligned controls leave.
    if (mdiClient)
        MoveWindow(mdiClient, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void TCustomForm::DefaultHandler(TMessage& message)
{
    HWND window = WindowHandle();
    if (window && formStyle == TFormStyle::fsMDIForm) {
        message.Result = DefFrameProcW(window, mdiClient, message.Msg, message.WParam, message.LParam);
        return;
    }
    if (window && formStyle == TFormStyle::fsMDIChild) {
        message.Result = DefMDIChildProcW(window, message.Msg, message.WParam, message.LParam);
        return;
    }
    TWinControl::DefaultHandler(message);
}

void TCustomForm::CreateHandle()
{
    if (!WindowHandle()) {
        // An MDI child lives on its frame's screen; any other form starts on
        // the primary screen, whose DPI is the system's.
        const TCustomForm* frame = formStyle == TFormStyle::fsMDIChild ? MDIFrame() : nullptr;
        ScaleToDpi(frame ? frame->CurrentDpi() : SystemDpi());
    }
    TWinControl::CreateHandle();
    // The system may have put the window on a screen of another DPI.
    if (HWND window = WindowHandle())
        ScaleToDpi(WindowDpi(window));
}

void TCustomForm::ScaleBounds(unsigned toDpi, unsigned fromDpi)
{
    auto scale = [toDpi, fromDpi](int length) { return ScaleBetweenDpi(length, toDpi, fromDpi); };
    clientWidth = scale(clientWidth);
    clientHeight = scale(clientHeight);
    constraints = TSizeConstraints{scale(constraints.MinWidth), scale(constraints.MinHeight),
                                   scale(constraints.MaxWidth), scale(constraints.MaxHeight)};
    if (WindowHandle() && clientWidth > 0 && clientHeight > 0) {
        FitClientSize();
        return;
    }
    SetBounds(Left(), Top(), scale(Width()), scale(Height()));
}

void TCustomForm::ChangeDpi(unsigned dpi, const RECT& suggested)
{
    HWND window = WindowHandle();
    DisableAlign();
    // The suggested size is the system's; the client size the form keeps is
    // scaled below, so this size is not the user's choice.
    fittingClient = true;
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fittingClient = false;
    ScaleToDpi(dpi);
    if (OnDpiChanged)
        OnDpiChanged(this);
    FitClientSize();
    EnableAlign();
    InvalidateRect(window, nullptr, TRUE);
}

void TCustomForm::CreateWnd()
{
    HWND window = WindowHandle();
    if (formStyle == TFormStyle::fsMDIForm)
        CreateMDIClient();
    if (menu)
        ::SetMenu(window, menu->Handle());
    SetIcon(icon);
    FitClientSize();
    TWinControl::CreateWnd();
}

void TCustomForm::PlaceWindow()
{
    if (position != TPosition::poScreenCenter)
        return;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
    SetWindowPos(WindowHandle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::VisibleChanged()
{
    if (!Visible()) {
        if (HWND window = WindowHandle()) {
            if (formStyle == TFormStyle::fsMDIChild)
                PassOnMDIActivation();
            ShowWindow(window, SW_HIDE);
        }
        return;
    }
    HandleNeeded();
    PlaceWindow();
    ShowWindow(WindowHandle(), SW_SHOW);
    if (OnShow)
        OnShow(this);
}

void TCustomForm::PassOnMDIActivation()
{
    // The MDI system hands the activation and a maximized state on when a
    // child goes, not when it hides: a hidden child would stay active, and
    // maximized, with its title in the frame's caption.
    HWND window = WindowHandle();
    HWND client = GetParent(window);
    if (!client)
        return;
    if (reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) == window)
        SendMessageW(client, WM_MDINEXT, WPARAM(window), 0);
    if (IsZoomed(window))
        SendMessageW(client, WM_MDIRESTORE, WPARAM(window), 0);
}

void TCustomForm::Show()
{
    SetVisible(true);
    if (formStyle == TFormStyle::fsMDIChild) {
        SendMessageW(GetParent(WindowHandle()), WM_MDIACTIVATE, WPARAM(WindowHandle()), 0);
        return;
    }
    SetForegroundWindow(WindowHandle());
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (modal) {
        modalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    // An MDI child is minimized, not hidden (or stays, without a minimize
    // button): the MDI system has no place for a hidden child.
    TCloseAction action = TCloseAction::caHide;
    if (formStyle == TFormStyle::fsMDIChild)
        action = (borderIcons & biMinimize) ? TCloseAction::caMinimize : TCloseAction::caNone;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        Hide();
        break;
    case TCloseAction::caMinimize:
        ShowWindow(WindowHandle(), SW_MINIMIZE);
        break;
    case TCloseAction::caFree:
        PostMessageW(Handle(), CM_RELEASE, 0, 0);
        break;
    case TCloseAction::caNone:
        break;
    }
}

void TCustomForm::CloseModal()
{
    TCloseAction action = TCloseAction::caNone;
    if (CloseQuery()) {
        action = TCloseAction::caHide;
        if (OnClose)
            OnClose(this, action);
    }
    if (action == TCloseAction::caNone)
        modalResult = mrNone;
}

int TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || modal)
        throw Exception("Cannot make a visible window modal");
    if (!Application)
        throw Exception("A modal window needs the application's message loop");
    ReleaseCapture();
    modal = true;
    modalResult = mrNone;
    HWND activeBefore = GetActiveWindow();
    const std::vector<HWND> disabled = DisableThreadWindows(Handle());
    Show();
    while (modalResult == mrNone) {
        Application->HandleMessage();
        if (Application->Terminated())
            modalResult = mrCancel;
        else if (modalResult != mrNone)
            CloseModal();
    }
    // Enable the other windows before this one goes, so that the system
    // activates one of the program's windows and not another program's.
    EnableWindows(disabled);
    Hide();
    if (activeBefore && IsWindow(activeBefore))
        SetActiveWindow(activeBefore);
    modal = false;
    Application->UpdateMouseControl();
    return modalResult;
}

void TCustomForm::ApplyConstraints(MINMAXINFO& limits) const
{
    if (constraints.MinWidth > 0)
        limits.ptMinTrackSize.x = constraints.MinWidth;
    if (constraints.MinHeight > 0)
        limits.ptMinTrackSize.y = constraints.MinHeight;
    if (constraints.MaxWidth > 0)
        limits.ptMaxTrackSize.x = limits.ptMaxSize.x = constraints.MaxWidth;
    if (constraints.MaxHeight > 0)
        limits.ptMaxTrackSize.y = limits.ptMaxSize.y = constraints.MaxHeight;
}

void TCustomForm::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case WM_COMMAND:
        // Menu commands carry no control window (accelerators neither).
        if (message.LParam == 0 && menu && menu->DispatchCommand(LOWORD(message.WParam)))
            return;
        break;
    case WM_MENUSELECT:
        if (Application && menu)
            if (TMenuItem* item = menu->FindItem(LOWORD(message.WParam)))
                Application->SetHint(item->Hint());
        break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_MENUCHAR:
    case CM_MENULETTERSELECT:
        if (IsOwnerDrawnMenuMessage(message)) {
            HandleOwnerDrawnMenuMessage(WindowHandle(), message);
            return;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(message.WParam) != WA_INACTIVE && Screen)
            Screen->SetActiveForm(this);
        Perform(LOWORD(message.WParam) != WA_INACTIVE ? CM_ACTIVATE : CM_DEACTIVATE);
        break;
    case WM_DESTROY:
        // The menu belongs to its component, not to the window.
        if (menu)
            ::SetMenu(WindowHandle(), nullptr);
        mdiClient = nullptr;
        break;
    case WM_DPICHANGED:
        ChangeDpi(HIWORD(message.WParam), *reinterpret_cast<const RECT*>(message.LParam));
        message.Result = 0;
        return;
    case WM_GETMINMAXINFO:
        DefaultHandler(message);
        ApplyConstraints(*reinterpret_cast<MINMAXINFO*>(message.LParam));
        return;
    case WM_SIZE:
        // The user's new size becomes the client size the form keeps.
        if (message.WParam == SIZE_RESTORED && !fittingClient && clientWidth > 0 && clientHeight > 0 &&
            IsWindowVisible(WindowHandle())) {
            clientWidth = LOWORD(message.LParam);
            clientHeight = HIWORD(message.LParam);
        }
        if (mdiClient) {
            // The system's frame handling gives the MDI client the whole
            // client area; it takes only what the aligned controls leave.
            TWinControl::WndProc(message);
            Realign();
            return;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        if (reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags & SWP_FRAMECHANGED) {
            // The size the new frame leaves is not the user's choice.
            fittingClient = true;
            TWinControl::WndProc(message);
            fittingClient = false;
            FitClientSize();
            return;
        }
        break;
    case WM_EXITMENULOOP:
        // The menu may have closed over another control than the one entered.
        if (Application)
            Application->UpdateMouseControl();
        break;
    case CM_RELEASE:
        if (Application)
            Application->ReleaseForm(this);
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

} // namespace orvane::framework
