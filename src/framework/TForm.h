#pragma once

#include "framework/TMenu.h"
#include "framework/TWinControl.h"

#include <functional>

namespace orvane::framework {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIconFlag : unsigned { biSystemMenu = 1u << 0, biMinimize = 1u << 1, biMaximize = 1u << 2, biHelp = 1u << 3 };
enum class TPosition { poDesigned, poDefault, poScreenCenter };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

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
    void SetFormStyle(TFormStyle value) { formStyle = value; }
    TWindowState WindowState() const { return windowState; }
    void SetWindowState(TWindowState value) { windowState = value; }
    bool KeyPreview() const { return keyPreview; }
    void SetKeyPreview(bool value) { keyPreview = value; }

    TMainMenu* Menu() const { return menu; }
    void SetMenu(TMainMenu* value);

    // The icon of the window; null takes the application's.
    HICON Icon() const { return icon; }
    void SetIcon(HICON value);

    RECT ClientRect() const override;
    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
    void SetClientSize(int clientWidth, int clientHeight);

    void Show();
    void Close();
    // Shows the form and takes all input of the program until it closes;
    // every other window of the program is disabled meanwhile.
    int ShowModal();
    bool IsModal() const { return modal; }
    int ModalResult() const { return modalResult; }
    void SetModalResult(int value) { modalResult = value; }

    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void BeginLayout();
    void EndLayout();

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    bool PreviewsKeys() const override { return keyPreview; }
    void VisibleChanged() override;

private:
    bool CloseQuery();
    void CloseModal();
    void PlaceWindow();
    void FitClientSize();
    void HandleOwnerDrawnMenu(TMessage& message);

    TFormBorderStyle borderStyle = TFormBorderStyle::bsSizeable;
    unsigned borderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition position = TPosition::poDesigned;
    TFormStyle formStyle = TFormStyle::fsNormal;
    TWindowState windowState = TWindowState::wsNormal;
    bool keyPreview = false;
    TMainMenu* menu = nullptr;
    HICON icon = nullptr;
    int clientWidth = 0;
    int clientHeight = 0;
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
