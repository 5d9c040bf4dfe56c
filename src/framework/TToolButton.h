#pragma once

#include "framework/TControl.h"

namespace orvane::framework {

class TToolBar;
class TMenuItem;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsSeparator };

// One button of a tool bar. It has no window: the tool bar's system control
// draws and tracks it, and the button keeps the framework's side (image,
// check state, hint, click handler) in step with it.
//
// Check buttons with Grouped set that stand next to each other form a group
// in which exactly one is down: pressing another releases the one before, and
// pressing the one that is down keeps it down.
class TToolButton : public TControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;

    TToolBar* ToolBar() const;
    // The command identifier the tool bar reports clicks with.
    int Command() const { return command; }
    // Index among the tool bar's buttons, or -1.
    int Index() const;

    int ImageIndex() const { return imageIndex; }
    void SetImageIndex(int value);
    TToolButtonStyle Style() const { return style; }
    void SetStyle(TToolButtonStyle value);
    bool Grouped() const { return grouped; }
    void SetGrouped(bool value);
    // Down is read from the system control, which changes it on clicks.
    bool Down() const;
    void SetDown(bool value);
    // The state last set or read, without asking the system control.
    bool StoredDown() const { return down; }
    // The button ends its row: the next one starts a new row.
    bool Wrap() const { return wrap; }
    void SetWrap(bool value);

    // The button is as wide as its caption needs.
    bool AutoSize() const { return autoSize; }
    void SetAutoSize(bool value) { autoSize = value; }

    // A menu item whose click the button performs and whose hint it shows
    // when it has none of its own. The button takes the item's caption and
    // state; an item with sub-items drops them down from the button.
    TMenuItem* MenuItem() const { return menuItem; }
    void SetMenuItem(TMenuItem* value);

    void Click() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void WndProc(TMessage& message) override;
    void VisibleChanged() override;
    void EnabledChanged() override;

private:
    // Reads the check state back from the system control before the native
    // button is changed, so that a click is not forgotten.
    void SyncDown();

    int command;
    int imageIndex = -1;
    TToolButtonStyle style = TToolButtonStyle::tbsButton;
    bool grouped = false;
    bool down = false;
    bool wrap = false;
    bool autoSize = false;
    TMenuItem* menuItem = nullptr;
};

} // namespace orvane::framework
