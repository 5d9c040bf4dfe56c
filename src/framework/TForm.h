#pragma once

#include "framework/TMenu.h"
#include "framework/TWinControl.h"

#include <functional>
#include <vector>

namespace orvane::framework {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIconFlag : unsigned { biSystemMenu = 1u << 0, biMinimize = 1u << 1, biMaximize = 1u << 2, biHelp = 1u << 3 };
enum class TPosition { poDesigned, poDefault, poScreenCenter };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

// The smallest and largest size the user may give a form by its frame; 0 is
// no limit.
struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
};

// Results of ShowModal.
constexpr int mrNone = 0;
constexpr int mrOk = IDOK;
constexpr int mrCancel = IDCANCEL;

// A top-level window built from a layout. The layout is code in the derived
// class's constructor: BeginLayout, create the components in layout order and
// set their properties, then EndLayout, which calls Loaded on every component
// and then the form's OnCreate.
class TCustomForm : public TWinControl {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle; }
    void SetBorderStyle(TFormBorderStyle value) { borderStyle = value; }
    unsigned BorderIcons() const { return borderIcons; }
    void SetBorderIcons(unsigned value) { borderIcons = value; }
    TPosition Position() const { return position; }
    void SetPosition(TPosition value) { position = value; }
    TFormStyle FormStyle() const { return formStyle; }
    // Set before the window is made (in the layout); an MDI frame gets its
    // client window, an MDI child goes into the main form's client window.
    void SetFormStyle(TFormStyle value) { formStyle = value; }
    const TSizeConstraints& Constraints() const { return constraints; }
    void SetConstraints(const TSizeConstraints& value);
    TWindowState WindowState() const { return windowState; }
    void SetWindowState(TWindowState value) { windowState = value; }
    bool KeyPreview() const { return keyPreview; }
    void SetKeyPreview(bool value) { keyPreview = value; }

    TMainMenu* Menu() const { return menu; }
    void SetMenu(TMainMenu* value);
    // The menu item under which an MDI frame lists its children.
    TMenuItem* WindowMenu() const { return windowMenu; }
    void SetWindowMenu(TMenuItem* value) { windowMenu = value; }

    // The icon of the window; null takes the application's. The form only
    // shows it: whoever made it keeps it (in a TIconHandle) for as long as
    // the form may show it.
    HICON Icon() const { return icon; }
    void SetIcon(HICON value);

    RECT ClientRect() const override;
    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
    // The client size is kept when the frame around it changes (a menu bar,
    // another border, a skin's frame): the window grows or shrinks instead.
    void SetClientSize(int clientWidth, int clientHeight);

    // An MDI child's window goes through its frame's client window.
    void DestroyHandle() override;

    // Makes the window again (after a change of style), with the same
    // place, size, caption, visibility and children.
    void RecreateWnd();

    // MDI: the frame's client window, its children and their arrangement.
    HWND ClientHandle() const { return mdiClient; }
    TCustomForm* ActiveMDIChild() const;
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int index) const;
    void Cascade();
    void Tile();

    void Show();
    void Close();
    // Shows the form and takes all input of the program until it closes;
    // every other window of the program is disabled meanwhile.
    int ShowModal();
    bool IsModal() const { return modal; }
    int ModalResult() const { return modalResult; }
    void SetModalResult(int value) { modalResult = value; }

    void Notification(TComponent* component, TOperation operation) override;

    // After the form moved to a monitor of another DPI and scaled itself and
    // its children: whatever draws the form's frame or keeps lengths of its
    // own (a skin) rescales here; the form then fits its client size again.
    TNotifyEvent OnDpiChanged;

    TNotifyEvent OnCreate;
    // Runs first when the form is destroyed, while it is whole.
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void BeginLayout();
    void EndLayout();

    void CreateParams(TCreateParams& params) override;
    // Scales the layout to the DPI of the screen the window is made on.
    void CreateHandle() override;
    void CreateWnd() override;
    // The form keeps its place on the screen; its client size and size
    // limits scale.
    void ScaleBounds(unsigned toDpi, unsigned fromDpi) override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void AlignControls(RECT& rect) override;
    bool PreviewsKeys() const override { return keyPreview; }
    void VisibleChanged() override;

private:
    bool CloseQuery();
    void CloseModal();
    void PlaceWindow();
    void FitClientSize();
    void CreateMDIClient();
    std::vector<TCustomForm*> MDIChildList() const;
    // The MDI frame form this MDI child goes into: its owner, or the main form.
    TCustomForm* MDIFrame() const;
    void MakeMDIChildParams(TCreateParams& params);
    void ApplyConstraints(MINMAXINFO& limits) const;
    // WM_DPICHANGED: takes the suggested rectangle and scales to the new DPI.
    void ChangeDpi(unsigned dpi, const RECT& suggested);
    // Before an MDI child hides: another child becomes active, and the
    // frame's caption and menu lose a maximized child's.
    void PassOnMDIActivation();

    TFormBorderStyle borderStyle = TFormBorderStyle::bsSizeable;
    unsigned borderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition position = TPosition::poDesigned;
    TFormStyle formStyle = TFormStyle::fsNormal;
    TWindowState windowState = TWindowState::wsNormal;
    bool keyPreview = false;
    TMainMenu* menu = nullptr;
    TMenuItem* windowMenu = nullptr;
    HICON icon = nullptr;
    TSizeConstraints constraints;
    HWND mdiClient = nullptr;
    unsigned mdiFilter = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    // Set while the form sizes its own window to keep the client size.
    bool fittingClient = false;
    bool modal = false;
    int modalResult = mrNone;
};

class TForm : public TCustomForm {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

} // namespace orvane::framework
