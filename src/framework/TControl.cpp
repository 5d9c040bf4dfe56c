#include "framework/TControl.h"

#include "framework/PublishedProperties.h"
#include "framework/TApplication.h"
#include "framework/TWinControl.h"

#include <windowsx.h>

namespace orvane::framework {

namespace {

constexpr TPropertyInfo ControlProperties[] = {
    PublishedValue<TControl, &TControl::Align, &TControl::SetAlign>(L"Align", TPropertyKind::Enumeration),
    PublishedValue<TControl, &TControl::Anchors, &TControl::SetAnchors>(L"Anchors", TPropertyKind::Integer),
    PublishedValue<TControl, &TControl::Color, &TControl::SetColor>(L"Color", TPropertyKind::Color),
    PublishedValue<TControl, &TControl::Enabled, &TControl::SetEnabled>(L"Enabled", TPropertyKind::Boolean),
    PublishedValue<TControl, &TControl::Height, &TControl::SetHeight>(L"Height", TPropertyKind::Integer),
    PublishedValue<TControl, &TControl::Hint, &TControl::SetHint>(L"Hint", TPropertyKind::String),
    PublishedValue<TControl, &TControl::Left, &TControl::SetLeft>(L"Left", TPropertyKind::Integer),
    PublishedValue<TControl, &TControl::ParentColor, &TControl::SetParentColor>(L"ParentColor",
                                                                                 TPropertyKind::Boolean),
    PublishedValue<TControl, &TControl::ParentFont, &TControl::SetParentFont>(L"ParentFont", TPropertyKind::Boolean),
    PublishedValue<TControl, &TControl::ParentShowHint, &TControl::SetParentShowHint>(L"ParentShowHint",
                                                                                       TPropertyKind::Boolean),
    PublishedValue<TControl, &TControl::ShowHint, &TControl::SetShowHint>(L"ShowHint", TPropertyKind::Boolean),
    PublishedValue<TControl, &TControl::Top, &TControl::SetTop>(L"Top", TPropertyKind::Integer),
    PublishedValue<TControl, &TControl::Visible, &TControl::SetVisible>(L"Visible", TPropertyKind::Boolean),
    PublishedValue<TControl, &TControl::Width, &TControl::SetWidth>(L"Width", TPropertyKind::Integer),
    {L"Font", TPropertyKind::Object,
     [](const TObject& object) -> TPropertyValue {
         return const_cast<TFont*>(&static_cast<const TControl&>(object).Font());
     },
     nullptr},
};

} // namespace

const TClassInfo TControl::ClassInfo{L"TControl", &TComponent::ClassInfo, ControlProperties};

unsigned ShiftFromMouseKeys(WPARAM keys)
{
    unsigned shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (keys & MK_MBUTTON)
        shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

TControl::TControl(TComponent* owner) : TComponent(owner), controlFont(std::make_unique<TFont>())
{
    controlFont->OnChange = [this] {
        if (!adoptingFont)
            parentFont = false;
        Perform(CM_FONTCHANGED);
    };
}

TControl::~TControl()
{
    Destroying();
    if (Application)
        Application->ControlDestroyed(this);
    SetParent(nullptr);
}

void TControl::SetParent(TWinControl* newParent)
{
    if (newParent == parentControl)
        return;
    if (parentControl)
        parentControl->RemoveControl(this);
    parentControl = newParent;
    if (parentControl) {
        // A control that joins a scaled parent is laid out in its pixels.
        if (controlDpi != parentControl->CurrentDpi() && parentControl->CurrentDpi() != DefaultDpi)
            AdoptDpi(parentControl->CurrentDpi());
        if (parentColor)
            AdoptParentColor();
        if (parentFont)
            AdoptParentFont();
        if (parentShowHint)
            controlShowHint = parentControl->ShowHint();
        parentControl->InsertControl(this);
    }
    ParentChanged();
}

void TControl::SetBounds(int newLeft, int newTop, int newWidth, int newHeight)
{
    if (newLeft == boundsLeft && newTop == boundsTop && newWidth == boundsWidth && newHeight == boundsHeight)
        return;
    boundsLeft = newLeft;
    boundsTop = newTop;
    boundsWidth = newWidth;
    boundsHeight = newHeight;
    ApplyBounds();
    BoundsChanged();
    RequestAlign();
}

void TControl::AdoptDpi(unsigned dpi)
{
    controlDpi = dpi;
    if (!parentFont)
        controlFont->ScaleToPixelsPerInch(dpi);
}

void TControl::ScaleToDpi(unsigned dpi)
{
    if (dpi == 0 || dpi == controlDpi)
        return;
    ChangeScale(dpi, controlDpi);
}

void TControl::ChangeScale(unsigned toDpi, unsigned fromDpi)
{
    controlDpi = toDpi;
    ScaleBounds(toDpi, fromDpi);
    // A control that follows its parent's font gets the scaled font from it;
    // one without a parent (a form) has its own.
    if (!parentFont || !parentControl)
        controlFont->ScaleToPixelsPerInch(toDpi);
}

void TControl::ScaleBounds(unsigned toDpi, unsigned fromDpi)
{
    const int left = ScaleBetweenDpi(boundsLeft, toDpi, fromDpi);
    const int top = ScaleBetweenDpi(boundsTop, toDpi, fromDpi);
    const int right = ScaleBetweenDpi(boundsLeft + boundsWidth, toDpi, fromDpi);
    const int bottom = ScaleBetweenDpi(boundsTop + boundsHeight, toDpi, fromDpi);
    SetBounds(left, top, right - left, bottom - top);
}

void TControl::UpdateBounds(int newLeft, int newTop, int newWidth, int newHeight)
{
    const bool resized = newWidth != boundsWidth || newHeight != boundsHeight;
    boundsLeft = newLeft;
    boundsTop = newTop;
    boundsWidth = newWidth;
    boundsHeight = newHeight;
    if (resized)
        BoundsChanged();
}

int TControl::ClientWidth() const
{
    const RECT client = ClientRect();
    return client.right - client.left;
}

int TControl::ClientHeight() const
{
    const RECT client = ClientRect();
    return client.bottom - client.top;
}

void TControl::SetAlign(TAlign value)
{
    if (value == controlAlign)
        return;
    controlAlign = value;
    RequestAlign();
}

void TControl::RequestAlign()
{
    if (parentControl)
        parentControl->Realign();
}

void TControl::SetVisible(bool value)
{
    if (value == controlVisible)
        return;
    controlVisible = value;
    VisibleChanged();
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    if (controlAlign != TAlign::alNone)
        RequestAlign();
}

void TControl::SetEnabled(bool value)
{
    if (value == controlEnabled)
        return;
    controlEnabled = value;
    EnabledChanged();
    Perform(CM_ENABLEDCHANGED);
}

bool TControl::EnabledWithParents() const
{
    for (const TControl* control = this; control; control = control->parentControl)
        if (!control->controlEnabled)
            return false;
    return true;
}

void TControl::SetColor(TColor value)
{
    parentColor = false;
    if (value == controlColor)
        return;
    controlColor = value;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value)
{
    parentColor = value;
    if (value && parentControl)
        AdoptParentColor();
}

void TControl::AdoptParentColor()
{
    if (parentControl->Color() == controlColor)
        return;
    controlColor = parentControl->Color();
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool value)
{
    parentFont = value;
    if (value && parentControl)
        AdoptParentFont();
}

void TControl::AdoptParentFont()
{
    adoptingFont = true;
    controlFont->Assign(parentControl->Font());
    adoptingFont = false;
}

void TControl::SetText(const std::wstring& value)
{
    if (value == GetText())
        return;
    StoreText(value);
    Perform(CM_TEXTCHANGED);
}

void TControl::SetShowHint(bool value)
{
    parentShowHint = false;
    controlShowHint = value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value)
{
    parentShowHint = value;
    if (value && parentControl)
        controlShowHint = parentControl->ShowHint();
}

LRESULT TControl::Perform(UINT message, WPARAM wParam, LPARAM lParam)
{
    TMessage sent{message, wParam, lParam, 0};
    WindowProc(sent);
    return sent.Result;
}

void TControl::WindowProc(TMessage& message)
{
    if (!windowProcHooks || windowProcHooks->Empty()) {
        WndProc(message);
        return;
    }
    // The stack stays while the message passes through it, even if a hook
    // takes itself out.
    const std::shared_ptr<TMessageLayers> hooks = windowProcHooks;
    hooks->Dispatch(message, [this](TMessage& passed) { WndProc(passed); });
}

TMessageLayerHandle TControl::HookWindowProc(TMessageLayers::TLayer hook)
{
    if (!windowProcHooks)
        windowProcHooks = std::make_shared<TMessageLayers>();
    const TMessageLayers::TLayerId id = windowProcHooks->Add(std::move(hook));
    return TMessageLayerHandle(windowProcHooks, id);
}

void TControl::Invalidate() { Perform(CM_INVALIDATE); }

POINT TControl::ClientToScreen(POINT point) const
{
    if (!parentControl)
        return point;
    return parentControl->ClientToScreen(POINT{point.x + boundsLeft, point.y + boundsTop});
}

void TControl::WndProc(TMessage& message)
{
    if (IsMouseButtonMessage(message.Msg)) {
        HandleMouse(message);
        DefaultHandler(message);
        return;
    }
    switch (message.Msg) {
    case CM_PARENTCOLORCHANGED:
        if (parentColor && parentControl)
            AdoptParentColor();
        return;
    case CM_PARENTFONTCHANGED:
        if (parentFont && parentControl)
            AdoptParentFont();
        return;
    case CM_SHOWHINTCHANGED:
    case CM_PARENTSHOWHINTCHANGED:
        if (message.Msg == CM_PARENTSHOWHINTCHANGED && parentShowHint && parentControl)
            controlShowHint = parentControl->ShowHint();
        return;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        break;
    case CM_INVALIDATE:
        if (parentControl && parentControl->HandleAllocated()) {
            const RECT bounds = BoundsRect();
            InvalidateRect(parentControl->Handle(), &bounds, TRUE);
        }
        return;
    default:
        break;
    }
    DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouse(TMessage& message)
{
    const int x = GET_X_LPARAM(message.LParam);
    const int y = GET_Y_LPARAM(message.LParam);
    unsigned shift = ShiftFromMouseKeys(message.WParam);
    switch (message.Msg) {
    case WM_LBUTTONDBLCLK:
        shift |= ssDouble;
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        leftPressed = true;
        MouseDown(TMouseButton::mbLeft, shift, x, y);
        break;
    case WM_RBUTTONDBLCLK:
        shift |= ssDouble;
        [[fallthrough]];
    case WM_RBUTTONDOWN:
        MouseDown(TMouseButton::mbRight, shift, x, y);
        break;
    case WM_MBUTTONDBLCLK:
        shift |= ssDouble;
        [[fallthrough]];
    case WM_MBUTTONDOWN:
        MouseDown(TMouseButton::mbMiddle, shift, x, y);
        break;
    case WM_LBUTTONUP: {
        const bool wasPressed = leftPressed;
        leftPressed = false;
        MouseUp(TMouseButton::mbLeft, shift, x, y);
        const RECT client = ClientRect();
        if (wasPressed && x >= client.left && x < client.right && y >= client.top && y < client.bottom)
            Click();
        break;
    }
    case WM_RBUTTONUP:
        MouseUp(TMouseButton::mbRight, shift, x, y);
        break;
    case WM_MBUTTONUP:
        MouseUp(TMouseButton::mbMiddle, shift, x, y);
        break;
    default:
        break;
    }
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

} // namespace orvane::framework
