#include "framework/TToolBar.h"

#include "core/skinmenu/MenuLetters.h"
#include "framework/OwnerDrawnMenus.h"
#include "framework/PublishedProperties.h"
#include "framework/TMenuItem.h"

#include <cwctype>

namespace orvane::framework {

namespace {

constexpr int DefaultToolBarHeight = 29;

constexpr TPropertyInfo ToolBarProperties[] = {
    PublishedValue<TToolBar, &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight>(L"ButtonHeight",
                                                                                    TPropertyKind::Integer),
    PublishedValue<TToolBar, &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth>(L"ButtonWidth",
                                                                                  TPropertyKind::Integer),
    PublishedValue<TToolBar, &TToolBar::Flat, &TToolBar::SetFlat>(L"Flat", TPropertyKind::Boolean),
    PublishedValue<TToolBar, &TToolBar::Images, &TToolBar::SetImages>(L"Images", TPropertyKind::Object),
    PublishedValue<TToolBar, &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions>(L"ShowCaptions",
                                                                                    TPropertyKind::Boolean),
};

BYTE NativeState(const TToolButton& button, bool down)
{
    BYTE state = 0;
    if (button.Enabled())
        state |= TBSTATE_ENABLED;
    if (down)
        state |= TBSTATE_CHECKED;
    if (button.Wrap())
        state |= TBSTATE_WRAP;
    if (!button.Visible())
        state |= TBSTATE_HIDDEN;
    return state;
}

BYTE NativeStyle(const TToolButton& button)
{
    const BYTE sizing = button.AutoSize() ? BYTE(BTNS_AUTOSIZE) : BYTE(0);
    switch (button.Style()) {
    case TToolButtonStyle::tbsCheck:
        return BYTE((button.Grouped() ? BTNS_CHECKGROUP : BTNS_CHECK) | sizing);
    case TToolButtonStyle::tbsSeparator:
        return BTNS_SEP;
    case TToolButtonStyle::tbsButton:
        break;
    }
    return BYTE(BTNS_BUTTON | sizing);
}

unsigned DrawState(UINT itemState)
{
    unsigned state = 0;
    if (itemState & CDIS_SELECTED)
        state |= cdsSelected;
    if (itemState & (CDIS_DISABLED | CDIS_GRAYED))
        state |= cdsDisabled;
    if (itemState & CDIS_CHECKED)
        state |= cdsChecked;
    if (itemState & CDIS_FOCUS)
        state |= cdsFocused;
    if (itemState & CDIS_HOT)
        state |= cdsHot;
    return state;
}

} // namespace

const TClassInfo TToolBar::ClassInfo{L"TToolBar", &TWinControl::ClassInfo, ToolBarProperties};

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 150, DefaultToolBarHeight);
    SetAlign(TAlign::alTop);
}

void TToolBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = TOOLBARCLASSNAMEW;
    // The framework places the bar itself (CCS_NORESIZE, CCS_NOPARENTALIGN).
    params.Style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | TBSTYLE_TOOLTIPS | TBSTYLE_WRAPABLE;
    params.Style &= ~DWORD(WS_CLIPCHILDREN);
    if (flat)
        params.Style |= TBSTYLE_FLAT;
    if (list)
        params.Style |= TBSTYLE_LIST;
    if (transparent)
        params.Style |= TBSTYLE_TRANSPARENT;
}

void TToolBar::CreateWnd()
{
    // The font goes first: the system control measures its buttons anew
    // whenever it gets a font, forgetting the size set before.
    TWinControl::CreateWnd();
    HWND bar = WindowHandle();
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (!showCaptions)
        SendMessageW(bar, TB_SETMAXTEXTROWS, 0, 0);
    ApplySizes();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        AddNativeButton(*buttons[i], int(i));
    // Adding buttons measures them again too.
    ApplySizes();
}

void TToolBar::ChangeScale(unsigned toDpi, unsigned fromDpi)
{
    buttonWidth = ScaleBetweenDpi(buttonWidth, toDpi, fromDpi);
    buttonHeight = ScaleBetweenDpi(buttonHeight, toDpi, fromDpi);
    indent = ScaleBetweenDpi(indent, toDpi, fromDpi);
    TWinControl::ChangeScale(toDpi, fromDpi);
    ApplySizes();
}

void TToolBar::ApplySizes()
{
    HWND bar = WindowHandle();
    if (!bar)
        return;
    if (images) {
        SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(images->Width(), images->Height()));
        SendMessageW(bar, TB_SETIMAGELIST, 0, LPARAM(images->Handle()));
        // Disabled buttons show their images greyed, as the system does.
        SendMessageW(bar, TB_SETDISABLEDIMAGELIST, 0, LPARAM(images->DisabledHandle()));
    }
    SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth, buttonHeight));
    SendMessageW(bar, TB_SETINDENT, WPARAM(indent), 0);
    SendMessageW(bar, TB_AUTOSIZE, 0, 0);
    FitHeight();
}

void TToolBar::FitHeight()
{
    if (!autoSize || !WindowHandle())
        return;
    int bottom = 0;
    for (const TToolButton* button : buttons)
        if (button->Visible())
            bottom = std::max<int>(bottom, ButtonRect(*button).bottom);
    if (bottom > 0 && bottom != Height())
        SetHeight(bottom);
}

void TToolBar::SetList(bool value)
{
    if (list == value)
        return;
    list = value;
    if (HandleAllocated()) {
        const LONG style = GetWindowLongW(WindowHandle(), GWL_STYLE);
        SetWindowLongW(WindowHandle(), GWL_STYLE, list ? (style | TBSTYLE_LIST) : (style & ~LONG(TBSTYLE_LIST)));
        ApplySizes();
    }
}

void TToolBar::SetIndent(int value)
{
    indent = value;
    ApplySizes();
}

void TToolBar::SetAutoSize(bool value)
{
    autoSize = value;
    if (autoSize)
        ApplySizes();
}

void TToolBar::SetButtonPressed(const TToolButton& button, bool pressed)
{
    if (HandleAllocated())
        SendMessageW(WindowHandle(), TB_PRESSBUTTON, WPARAM(button.Command()), MAKELPARAM(pressed ? TRUE : FALSE, 0));
}

void TToolBar::TrackMenu(TToolButton& button, bool selectFirst) { menuTracker.Track(button, selectFirst); }

namespace {

bool IsMenuButton(const TToolButton* button)
{
    return button->MenuItem() && button->Visible() && button->Enabled();
}

} // namespace

void TToolBar::EnterMenuMode(const TToolButton* hot)
{
    if (menuMode || !WindowHandle())
        return;
    int first = hot && IsMenuButton(hot) ? hot->Index() : -1;
    for (int index = 0; index < ButtonCount() && first < 0; ++index)
        if (IsMenuButton(Buttons(index)))
            first = index;
    if (first < 0)
        return;
    focusBeforeMenuMode = GetFocus();
    menuMode = true;
    ::SetFocus(WindowHandle());
    SetHotMenuButton(first);
}

void TToolBar::LeaveMenuMode()
{
    if (!menuMode)
        return;
    menuMode = false;
    SetHotMenuButton(-1);
    if (GetFocus() == WindowHandle() && focusBeforeMenuMode && IsWindow(focusBeforeMenuMode))
        ::SetFocus(focusBeforeMenuMode);
    focusBeforeMenuMode = nullptr;
}

int TToolBar::HotMenuButton() const { return int(SendMessageW(WindowHandle(), TB_GETHOTITEM, 0, 0)); }

void TToolBar::SetHotMenuButton(int index) { SendMessageW(WindowHandle(), TB_SETHOTITEM, WPARAM(index), 0); }

// A key of the menu mode; true when the bar took it.
bool TToolBar::MenuModeKey(TMessage& message)
{
    const int count = ButtonCount();
    int hot = HotMenuButton();
    if (hot < 0 || hot >= count)
        hot = 0;
    const auto step = [&](int direction) {
        for (int offset = 1; offset <= count; ++offset) {
            const int index = ((hot + direction * offset) % count + count) % count;
            if (IsMenuButton(Buttons(index))) {
                SetHotMenuButton(index);
                return;
            }
        }
    };
    const auto dropDown = [&](TToolButton* button) {
        LeaveMenuMode();
        if (button)
            TrackMenu(*button, true);
    };
    switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        switch (message.WParam) {
        case VK_LEFT: step(-1); return true;
        case VK_RIGHT: step(+1); return true;
        case VK_DOWN:
        case VK_UP: dropDown(Buttons(hot)); return true;
        // Return drops the menu down on the character it makes (below): the
        // character would otherwise reach the menu's own loop first and close
        // the menu again, with nothing highlighted to run.
        case VK_RETURN: return true;
        case VK_ESCAPE:
        case VK_F10:
        case VK_MENU: LeaveMenuMode(); return true;
        default: return false;
        }
    case WM_CHAR:
    case WM_SYSCHAR:
        if (message.WParam == L'\r')
            dropDown(Buttons(hot));
        else if (TToolButton* button = FindAccelerator(wchar_t(message.WParam)))
            dropDown(button);
        return true;
    case WM_KILLFOCUS:
        menuMode = false;
        SetHotMenuButton(-1);
        focusBeforeMenuMode = nullptr;
        return false;
    case WM_LBUTTONDOWN:
        LeaveMenuMode();
        return false;
    default:
        return false;
    }
}

TToolButton* TToolBar::FindAccelerator(wchar_t letter) const
{
    const wchar_t wanted = wchar_t(std::towupper(letter));
    for (TToolButton* button : buttons)
        if (button->MenuItem() && button->Visible() && AccessLetter(button->MenuItem()->Caption()) == wanted)
            return button;
    // As on the system's menu bars, an item without an access letter answers
    // to its first letter.
    for (TToolButton* button : buttons)
        if (const TMenuItem* item = button->MenuItem(); item && button->Visible() && !item->Caption().empty() &&
                                                        AccessLetter(item->Caption()) == 0 &&
                                                        std::towupper(item->Caption().front()) == wanted)
            return button;
    return nullptr;
}

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& draw)
{
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: {
        canvas.SetHandle(draw.nmcd.hdc);
        bool defaultDraw = true;
        if (OnCustomDraw) {
            // The bar's own colour is the ground the handler draws on.
            RECT client = ClientRect();
            canvas.Brush.Color = Color();
            canvas.FillRect(client);
            OnCustomDraw(*this, client, defaultDraw);
        }
        canvas.SetHandle(nullptr);
        if (!defaultDraw)
            return CDRF_SKIPDEFAULT;
        return OnCustomDrawButton ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    }
    case CDDS_ITEMPREPAINT: {
        TToolButton* button = FindButton(int(draw.nmcd.dwItemSpec));
        if (!button || !OnCustomDrawButton)
            return CDRF_DODEFAULT;
        canvas.SetHandle(draw.nmcd.hdc);
        bool defaultDraw = true;
        OnCustomDrawButton(*this, *button, DrawState(draw.nmcd.uItemState), defaultDraw);
        canvas.SetHandle(nullptr);
        return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

void TToolBar::AddNativeButton(const TToolButton& button, int position)
{
    TBBUTTON native{};
    // A button without an image takes no room for one.
    native.iBitmap = button.Style() == TToolButtonStyle::tbsSeparator ? 0
                     : button.ImageIndex() < 0                        ? I_IMAGENONE
                                                                      : button.ImageIndex();
    native.idCommand = button.Command();
    native.fsState = NativeState(button, button.StoredDown());
    native.fsStyle = NativeStyle(button);
    native.dwData = reinterpret_cast<DWORD_PTR>(&button);
    // The control copies the caption.
    const std::wstring caption = button.Caption();
    native.iString = showCaptions && !caption.empty() ? reinterpret_cast<INT_PTR>(caption.c_str()) : -1;
    SendMessageW(WindowHandle(), TB_INSERTBUTTONW, WPARAM(position), reinterpret_cast<LPARAM>(&native));
}

void TToolBar::SetImages(TCustomImageList* value)
{
    images = value;
    ApplySizes();
}

void TToolBar::SetButtonWidth(int value)
{
    buttonWidth = value;
    ApplySizes();
}

void TToolBar::SetButtonHeight(int value)
{
    buttonHeight = value;
    ApplySizes();
}

TToolButton* TToolBar::FindButton(int command) const
{
    for (TToolButton* button : buttons)
        if (button->Command() == command)
            return button;
    return nullptr;
}

RECT TToolBar::ButtonRect(const TToolButton& button)
{
    RECT rect{};
    SendMessageW(Handle(), TB_GETRECT, WPARAM(button.Command()), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

bool TToolBar::ButtonDown(const TToolButton& button) const
{
    return SendMessageW(WindowHandle(), TB_ISBUTTONCHECKED, WPARAM(button.Command()), 0) != 0;
}

void TToolBar::InsertControl(TControl* control)
{
    TWinControl::InsertControl(control);
    auto* button = As<TToolButton>(control);
    if (!button)
        return;
    buttons.push_back(button);
    if (HandleAllocated()) {
        AddNativeButton(*button, int(buttons.size()) - 1);
        ApplySizes();
    }
}

void TToolBar::RemoveControl(TControl* control)
{
    TWinControl::RemoveControl(control);
    auto* button = As<TToolButton>(control);
    if (!button)
        return;
    const int index = button->Index();
    if (index < 0)
        return;
    buttons.erase(buttons.begin() + index);
    if (HandleAllocated()) {
        SendMessageW(WindowHandle(), TB_DELETEBUTTON, WPARAM(index), 0);
        FitHeight();
    }
}

void TToolBar::CheckButton(const TToolButton& button, bool down)
{
    // The system control releases the rest of a check group itself.
    if (HandleAllocated())
        SendMessageW(WindowHandle(), TB_CHECKBUTTON, WPARAM(button.Command()), MAKELPARAM(down ? TRUE : FALSE, 0));
}

void TToolBar::UpdateButtonState(const TToolButton& button)
{
    if (!HandleAllocated() || button.Index() < 0)
        return;
    const BYTE state = NativeState(button, ButtonDown(button));
    SendMessageW(WindowHandle(), TB_SETSTATE, WPARAM(button.Command()), MAKELPARAM(state, 0));
}

void TToolBar::UpdateButtonImage(const TToolButton& button)
{
    if (HandleAllocated() && button.Index() >= 0)
        SendMessageW(WindowHandle(), TB_CHANGEBITMAP, WPARAM(button.Command()), LPARAM(button.ImageIndex()));
}

void TToolBar::ReplaceButton(const TToolButton& button)
{
    const int index = button.Index();
    if (index < 0 || !HandleAllocated())
        return;
    const bool down = ButtonDown(button);
    SendMessageW(WindowHandle(), TB_DELETEBUTTON, WPARAM(index), 0);
    AddNativeButton(button, index);
    CheckButton(button, down);
    ApplySizes();
}

void TToolBar::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images) {
        images = nullptr;
        if (HandleAllocated()) {
            SendMessageW(WindowHandle(), TB_SETIMAGELIST, 0, 0);
            SendMessageW(WindowHandle(), TB_SETDISABLEDIMAGELIST, 0, 0);
        }
    }
}

void TToolBar::WndProc(TMessage& message)
{
    if (menuMode && MenuModeKey(message))
        return;
    switch (message.Msg) {
    case CM_FONTCHANGED:
        TWinControl::WndProc(message);
        ApplySizes();
        return;
    case CN_COMMAND:
        if (TToolButton* button = FindButton(LOWORD(message.WParam))) {
            button->Click();
            return;
        }
        break;
    case CN_NOTIFY:
        if (reinterpret_cast<NMHDR*>(message.LParam)->code == NM_CUSTOMDRAW &&
            (OnCustomDraw || OnCustomDrawButton)) {
            message.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(message.LParam));
            return;
        }
        break;
    case WM_LBUTTONDOWN: {
        // A menu-bound button drops its menu down on the press, as a menu
        // bar's item does.
        POINT point{short(LOWORD(message.LParam)), short(HIWORD(message.LParam))};
        const int index = int(SendMessageW(WindowHandle(), TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
        if (index >= 0 && index < ButtonCount() && Buttons(index)->MenuItem() && Buttons(index)->Enabled()) {
            TrackMenu(*Buttons(index));
            return;
        }
        break;
    }
    case WM_MENUSELECT:
        menuTracker.MenuSelected(message.WParam, message.LParam);
        return;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_MENUCHAR:
    case CM_MENULETTERSELECT:
        // The bar owns the menus it drops down.
        if (IsOwnerDrawnMenuMessage(message)) {
            HandleOwnerDrawnMenuMessage(WindowHandle(), message);
            return;
        }
        break;
    case WM_NOTIFY: {
        // The tool tip asks its parent, the bar, for the text of a button.
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(message.LParam);
        if (info->hdr.code != TTN_GETDISPINFOW)
            break;
        info->szText[0] = L'\0';
        info->lpszText = info->szText;
        if (TToolButton* button = FindButton(int(info->hdr.idFrom)); button && button->ShowHint()) {
            const std::wstring& hint = button->Hint();
            lstrcpynW(info->szText, hint.c_str(), int(std::size(info->szText)));
        }
        return;
    }
    default:
        break;
    }
    TWinControl::WndProc(message);
}

} // namespace orvane::framework
