#include "framework/TToolButton.h"

#include "framework/CommandIds.h"
#include "framework/PublishedProperties.h"
#include "framework/TMenuItem.h"
#include "framework/TToolBar.h"

namespace orvane::framework {

namespace {

constexpr TPropertyInfo ToolButtonProperties[] = {
    PublishedValue<TToolButton, &TToolButton::Down, &TToolButton::SetDown>(L"Down", TPropertyKind::Boolean),
    PublishedValue<TToolButton, &TToolButton::Grouped, &TToolButton::SetGrouped>(L"Grouped", TPropertyKind::Boolean),
    PublishedValue<TToolButton, &TToolButton::ImageIndex, &TToolButton::SetImageIndex>(L"ImageIndex",
                                                                                        TPropertyKind::Integer),
    PublishedValue<TToolButton, &TToolButton::Style, &TToolButton::SetStyle>(L"Style", TPropertyKind::Enumeration),
    PublishedValue<TToolButton, &TToolButton::Wrap, &TToolButton::SetWrap>(L"Wrap", TPropertyKind::Boolean),
};

} // namespace

const TClassInfo TToolButton::ClassInfo{L"TToolButton", &TControl::ClassInfo, ToolButtonProperties};

TToolButton::TToolButton(TComponent* owner) : TControl(owner), command(NewCommandId()) {}

TToolButton::~TToolButton()
{
    Destroying();
    SetParent(nullptr);
    ReleaseCommandId(command);
}

TToolBar* TToolButton::ToolBar() const { return As<TToolBar>(Parent()); }

int TToolButton::Index() const
{
    if (TToolBar* bar = ToolBar())
        for (int i = 0; i < bar->ButtonCount(); ++i)
            if (bar->Buttons(i) == this)
                return i;
    return -1;
}

void TToolButton::SyncDown()
{
    if (TToolBar* bar = ToolBar(); bar && bar->HandleAllocated() && Index() >= 0)
        down = bar->ButtonDown(*this);
}

void TToolButton::SetImageIndex(int value)
{
    imageIndex = value;
    if (TToolBar* bar = ToolBar())
        bar->UpdateButtonImage(*this);
}

void TToolButton::SetStyle(TToolButtonStyle value)
{
    SyncDown();
    style = value;
    if (TToolBar* bar = ToolBar())
        bar->ReplaceButton(*this);
}

void TToolButton::SetGrouped(bool value)
{
    SyncDown();
    grouped = value;
    if (TToolBar* bar = ToolBar())
        bar->ReplaceButton(*this);
}

void TToolButton::SetWrap(bool value)
{
    SyncDown();
    wrap = value;
    if (TToolBar* bar = ToolBar())
        bar->ReplaceButton(*this);
}

bool TToolButton::Down() const
{
    if (TToolBar* bar = ToolBar(); bar && bar->HandleAllocated() && Index() >= 0)
        return bar->ButtonDown(*this);
    return down;
}

void TToolButton::SetDown(bool value)
{
    down = value;
    if (TToolBar* bar = ToolBar())
        bar->CheckButton(*this, value);
}

void TToolButton::VisibleChanged()
{
    if (TToolBar* bar = ToolBar())
        bar->UpdateButtonState(*this);
}

void TToolButton::EnabledChanged()
{
    if (TToolBar* bar = ToolBar())
        bar->UpdateButtonState(*this);
}

void TToolButton::Click()
{
    // A check button's state is the system control's; keep ours the same.
    SyncDown();
    if (OnClick) {
        OnClick(this);
        return;
    }
    if (menuItem)
        menuItem->Click();
}

void TToolButton::SetMenuItem(TMenuItem* value)
{
    menuItem = value;
    if (!menuItem)
        return;
    SetCaption(menuItem->Caption());
    SetEnabled(menuItem->Enabled());
    SetVisible(menuItem->Visible());
    if (TToolBar* bar = ToolBar())
        bar->ReplaceButton(*this);
}

void TToolButton::Notification(TComponent* component, TOperation operation)
{
    TControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menuItem)
        menuItem = nullptr;
}

void TToolButton::WndProc(TMessage& message)
{
    if (message.Msg == CM_INVALIDATE) {
        if (TToolBar* bar = ToolBar())
            bar->UpdateButtonState(*this);
        return;
    }
    TControl::WndProc(message);
}

} // namespace orvane::framework
