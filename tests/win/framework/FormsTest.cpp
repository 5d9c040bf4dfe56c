#include "core/base/Exception.h"
#include "framework/MessageBoxes.h"
#include "framework/TApplication.h"
#include "framework/TCommonDialog.h"
#include "framework/TCustomControl.h"
#include "framework/TForm.h"
#include "framework/TMemo.h"
#include "framework/TMenu.h"
#include "framework/TScreen.h"

#include "ModalDriver.h"
#include "WindowTesting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::framework {
namespace {

using test::ModalDriver;
using test::PumpMessages;

class TKeyForm : public TForm {
public:
    explicit TKeyForm(TComponent* owner) : TForm(owner) {}
};

TEST(Forms, AFixedSingleBorderFormHasTheClientSizeItAskedForAtTheScreenCentre)
{
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    form.SetBorderIcons(biSystemMenu | biMinimize);
    form.SetPosition(TPosition::poScreenCenter);
    form.SetClientSize(517, 484);
    form.SetCaption(L"Caption \u00e9\u4e2d");
    auto* menu = Create<TMainMenu>(&form);
    auto* item = Create<TMenuItem>(&form);
    item->SetCaption(L"Menu");
    menu->Items().Add(item);
    form.SetMenu(menu);
    form.Show();
    PumpMessages();

    HWND window = form.Handle();
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 517);
    EXPECT_EQ(client.bottom, 484);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "a fixed border";
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_EQ(test::WindowText(window), L"Caption \u00e9\u4e2d");
    EXPECT_EQ(form.Width(), frame.right - frame.left);
}

TEST(Forms, KeyPreviewShowsTypedCharactersToTheFormBeforeTheFocusedControl)
{
    const struct {
        bool keyPreview;
        std::vector<wchar_t> previewed;
        std::wstring typed;
    } cases[] = {
        {true, {L'a', L'x', L'b'}, L"ab"}, // the form consumes x
        {false, {}, L"axb"},
    };
    for (const auto& c : cases) {
        TKeyForm form(nullptr);
        form.SetKeyPreview(c.keyPreview);
        form.SetClientSize(200, 100);
        auto* memo = Create<TMemo>(&form);
        memo->SetParent(&form);
        std::vector<wchar_t> previewed;
        form.OnKeyPress = [&](TObject*, wchar_t& key) {
            previewed.push_back(key);
            if (key == L'x')
                key = 0;
        };
        form.Show();
        memo->SetFocus();
        PumpMessages();
        for (const wchar_t key : {L'a', L'x', L'b'})
            SendMessageW(GetFocus(), WM_CHAR, key, 1);
        EXPECT_EQ(previewed, c.previewed) << c.keyPreview;
        EXPECT_EQ(memo->Text(), c.typed) << c.keyPreview;
    }
}

TEST(Forms, ShowModalDisablesTheOtherWindowsUntilTheFormCloses)
{
    TForm owner(nullptr);
    owner.SetClientSize(200, 100);
    owner.Show();
    TForm dialog(nullptr);
    dialog.SetClientSize(100, 50);
    dialog.SetCaption(L"modal");
    bool ownerDisabled = false;
    bool dialogShown = false;
    {
        ModalDriver driver;
        driver.CloseWindow(L"TForm", [&](HWND window) {
            if (window != dialog.WindowHandle())
                return;
            dialogShown = IsWindowVisible(window) != FALSE;
            ownerDisabled = !IsWindowEnabled(owner.Handle());
        });
        // The driver finds the owner first only when it is enabled: it is not.
        EXPECT_EQ(dialog.ShowModal(), mrCancel);
        EXPECT_TRUE(driver.Failures().empty());
    }
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(dialog.Visible());
    EXPECT_THROW(owner.ShowModal(), Exception) << "a visible form cannot be made modal";
}

TEST(Application, TheDefaultHandlerShowsTheMessageInAnErrorBox)
{
    TForm form(nullptr);
    form.SetClientSize(200, 100);
    auto* menu = Create<TMainMenu>(&form);
    auto* item = Create<TMenuItem>(&form);
    item->SetCaption(L"Fail");
    item->OnClick = [](TObject*) { throw Exception("'q' is not a valid integer value"); };
    menu->Items().Add(item);
    form.SetMenu(menu);
    form.Show();
    PumpMessages();

    ModalDriver driver;
    driver.AnswerMessageBox(IDOK);
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
    EXPECT_TRUE(driver.MessageTexts().empty()) << "the box waits until the command's message is over";
    PumpMessages();
    EXPECT_EQ(driver.MessageTexts(), (std::vector<std::wstring>{L"'q' is not a valid integer value"}));
    EXPECT_TRUE(driver.Failures().empty());
    EXPECT_TRUE(IsWindow(form.Handle())) << "the program goes on";
}

// A control whose painting fails.
class TFailingPaint : public TCustomControl {
public:
    explicit TFailingPaint(TComponent* owner) : TCustomControl(owner) {}

protected:
    void Paint() override
    {
        Canvas().FillRect(RECT{0, 0, 4, 4});
        throw Exception(std::wstring(L"paint failed: \u03a9\0end", 19));
    }
};

// Keeps the text of a message box's static text control.
BOOL CALLBACK KeepStaticText(HWND child, LPARAM text)
{
    if (test::WindowClassName(child) == L"Static" && !test::WindowText(child).empty())
        *reinterpret_cast<std::wstring*>(text) = test::WindowText(child);
    return TRUE;
}

// Shown from inside the paint, the box's own loop would paint the other
// failing controls and open a box for each, one inside the other.
TEST(Application, AnErrorWhilePaintingIsShownOnceAfterThePaint)
{
    std::wstring shown;
    {
        TForm form(nullptr);
        form.SetClientSize(300, 100);
        for (int i = 0; i < 3; ++i) {
            auto* control = Create<TFailingPaint>(&form);
            control->SetBounds(10 + 90 * i, 10, 80, 80);
            control->SetParent(&form);
        }
        ModalDriver driver;
        driver.CloseWindow(L"#32770", [&](HWND box) {
            EnumChildWindows(box, KeepStaticText, reinterpret_cast<LPARAM>(&shown));
        });
        form.Show();
        PumpMessages();
        PumpMessages();
        EXPECT_TRUE(driver.AllStepsDone()) << "one box for the three failed paints";
        EXPECT_TRUE(driver.Failures().empty()) << "no second box";
        RECT invalid{};
        for (int i = 0; i < form.ControlCount(); ++i)
            EXPECT_FALSE(GetUpdateRect(static_cast<TWinControl*>(form.Controls(i))->Handle(), &invalid, FALSE))
                << "the failed paint still ended";
    }
    EXPECT_EQ(shown, L"paint failed: \u03a9#0end") << "the whole message, its NUL named";
}

// Records whether its form is gone whenever a message comes back through it:
// it stands for a skin that calls the form's procedure and then does its own
// work with the form.
struct TLayerAfterForm {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        const LRESULT result = CallWindowProcW(saved, window, message, wParam, lParam);
        if (formDestroyed && !windowGone)
            touchedFreedForm = true;
        if (message == WM_NCDESTROY)
            windowGone = true;
        return result;
    }
    static inline WNDPROC saved = nullptr;
    static inline bool formDestroyed = false;
    static inline bool windowGone = false;
    static inline bool touchedFreedForm = false;
};

class TReleasedForm : public TForm {
public:
    explicit TReleasedForm(TComponent* owner) : TForm(owner)
    {
        OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
    }
    ~TReleasedForm() override { TLayerAfterForm::formDestroyed = true; }
};

TEST(Forms, AFormClosedWithFreeIsDestroyedOnlyAfterItsWindowsLastMessage)
{
    auto* form = Create<TReleasedForm>(Application);
    form->SetClientSize(120, 80);
    form->Show();
    PumpMessages();
    HWND window = form->Handle();
    TLayerAfterForm::saved =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, LONG_PTR(&TLayerAfterForm::Procedure)));
    PostMessageW(window, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_TRUE(TLayerAfterForm::formDestroyed);
    EXPECT_TRUE(TLayerAfterForm::windowGone);
    EXPECT_FALSE(TLayerAfterForm::touchedFreedForm) << "the layer in front of the form outlived it";
    EXPECT_FALSE(IsWindow(window));
}

TEST(MessageBoxes, ReturnTheButtonThatClosedThem)
{
    for (const int answer : {IDYES, IDNO}) {
        ModalDriver driver;
        driver.AnswerMessageBox(answer);
        EXPECT_EQ(AskYesNo(L"Go on?"), answer);
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::wstring>{L"Go on?"}));
    }
}

TEST(FileDialogs, StartInTheInitialFolderAndAppendTheDefaultExtension)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"dialogs \u00e9\u4e2d";
    std::filesystem::create_directories(folder);
    TForm form(nullptr);
    form.SetClientSize(200, 100);
    form.Show();
    PumpMessages();
    auto* save = Create<TSaveDialog>(&form);
    save->SetFilter(L"Standard Sudoku|*.std");
    save->SetDefaultExt(L"std");
    save->SetInitialDir(folder.wstring());
    {
        ModalDriver driver;
        driver.ChooseFile(L"game");
        ASSERT_TRUE(save->Execute());
        ASSERT_EQ(driver.DialogFolders().size(), 1u);
        EXPECT_EQ(std::filesystem::path(driver.DialogFolders()[0]), folder);
    }
    EXPECT_EQ(std::filesystem::path(save->FileName()), folder / L"game.std");
    {
        ModalDriver driver;
        driver.CancelFileDialog();
        EXPECT_FALSE(save->Execute());
    }
    // The file dialog made the chosen folder the current one.
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace orvane::framework

namespace orvane::framework {
namespace {

TEST(Application, RunsEveryMessageFilterAndIdleHandlerUntilItsTokenTakesItOff)
{
    TForm form(nullptr);
    form.SetClientSize(120, 60);
    form.Show();
    PumpMessages();
    EXPECT_EQ(Application->ActiveForm(), &form);

    constexpr UINT Probe = WM_APP + 17;
    std::vector<std::wstring> log;
    int idleRuns = 0;
    TApplication::THandlerToken second = 0;
    const auto first = Application->AddMessageFilter([&](MSG& message, bool&) {
        if (message.message == Probe)
            log.push_back(L"first");
    });
    second = Application->AddMessageFilter([&](MSG& message, bool&) {
        if (message.message != Probe)
            return;
        log.push_back(L"second, which leaves");
        Application->RemoveMessageFilter(second);
    });
    const auto third = Application->AddMessageFilter([&](MSG& message, bool& handled) {
        if (message.message == Probe) {
            log.push_back(L"third, which keeps it");
            handled = true;
        }
    });
    const auto fourth = Application->AddMessageFilter([&](MSG& message, bool&) {
        if (message.message == Probe)
            log.push_back(L"fourth");
    });
    const auto idle = Application->AddIdleHandler([&](TObject*, bool&) { ++idleRuns; });

    for (int round = 0; round < 2; ++round) {
        PostMessageW(form.Handle(), Probe, 0, 0);
        PumpMessages();
    }
    EXPECT_EQ(log, (std::vector<std::wstring>{L"first", L"second, which leaves", L"third, which keeps it", L"first",
                                              L"third, which keeps it"}));
    EXPECT_GT(idleRuns, 0);

    for (const auto token : {first, third, fourth})
        Application->RemoveMessageFilter(token);
    Application->RemoveIdleHandler(idle);
    log.clear();
    const int idleRunsBefore = idleRuns;
    PostMessageW(form.Handle(), Probe, 0, 0);
    PumpMessages();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(idleRuns, idleRunsBefore);
}

TEST(Forms, KeepTheirClientSizeWhenTheFrameChangesAndStayWithinTheirConstraints)
{
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsSizeable);
    form.SetClientSize(300, 200);
    form.SetConstraints(TSizeConstraints{200, 150, 500, 400});
    form.Show();
    PumpMessages();
    HWND window = form.Handle();
    const auto clientSize = [&] {
        RECT client{};
        GetClientRect(window, &client);
        return POINT{client.right, client.bottom};
    };

    // A thinner frame, as a skin may give: the client area stays 300 x 200.
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) & ~LONG_PTR(WS_THICKFRAME));
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(clientSize().x, 300);
    EXPECT_EQ(clientSize().y, 200);

    // The user's sizing is limited by the constraints and then kept.
    MINMAXINFO limits{};
    SendMessageW(window, WM_GETMINMAXINFO, 0, LPARAM(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 200);
    EXPECT_EQ(limits.ptMinTrackSize.y, 150);
    EXPECT_EQ(limits.ptMaxTrackSize.x, 500);
    EXPECT_EQ(limits.ptMaxTrackSize.y, 400);
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 20, frame.bottom - frame.top + 10,
                 SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(clientSize().x, 320);
    EXPECT_EQ(clientSize().y, 210);
}

TEST(Forms, AMadeAgainWindowKeepsCaptionPlaceVisibilityAndChildrenWithTheirText)
{
    std::vector<std::wstring> log;
    {
        TForm form(nullptr);
        form.OnDestroy = [&](TObject* sender) {
            log.push_back(L"destroying, caption " + static_cast<TForm*>(sender)->Caption());
        };
        form.SetCaption(L"again \u03a9");
        form.SetBounds(40, 50, 300, 200);
        auto* memo = Create<TMemo>(&form);
        memo->SetParent(&form);
        memo->SetBounds(5, 5, 200, 100);
        form.Show();
        PumpMessages();
        memo->SetLines({L"typed", L"text"});
        HWND before = form.Handle();
        HWND memoBefore = memo->Handle();

        form.RecreateWnd();
        PumpMessages();
        EXPECT_NE(form.Handle(), before);
        EXPECT_FALSE(IsWindow(before));
        EXPECT_TRUE(IsWindowVisible(form.Handle()));
        EXPECT_EQ(test::WindowText(form.Handle()), L"again \u03a9");
        RECT frame{};
        GetWindowRect(form.Handle(), &frame);
        EXPECT_EQ(frame.left, 40);
        EXPECT_EQ(frame.top, 50);
        EXPECT_NE(memo->Handle(), memoBefore);
        EXPECT_EQ(GetParent(memo->Handle()), form.Handle());
        EXPECT_EQ(memo->Lines(), (std::vector<std::wstring>{L"typed", L"text"}));
        EXPECT_TRUE(log.empty());
    }
    EXPECT_EQ(log, (std::vector<std::wstring>{L"destroying, caption again \u03a9"}));
}

TEST(Forms, AnMdiFrameHoldsItsChildrenInItsClientWindowAndArrangesThem)
{
    TForm frame(nullptr);
    frame.SetFormStyle(TFormStyle::fsMDIForm);
    frame.SetBounds(0, 0, 600, 400);
    frame.Show();
    PumpMessages();
    ASSERT_TRUE(frame.ClientHandle());
    EXPECT_EQ(test::WindowClassName(frame.ClientHandle()), L"MDIClient");
    EXPECT_EQ(frame.MDIChildCount(), 0);

    TForm* children[2] = {};
    for (TForm*& child : children) {
        child = Create<TForm>(&frame);
        child->SetFormStyle(TFormStyle::fsMDIChild);
        child->SetBounds(0, 0, 200, 150);
        child->Show();
    }
    PumpMessages();
    EXPECT_EQ(frame.MDIChildCount(), 2);
    EXPECT_EQ(GetParent(children[0]->Handle()), frame.ClientHandle());
    EXPECT_EQ(frame.ActiveMDIChild(), children[1]) << "the last shown is active";

    frame.Tile();
    PumpMessages();
    RECT first{};
    RECT second{};
    RECT overlap{};
    GetWindowRect(children[0]->Handle(), &first);
    GetWindowRect(children[1]->Handle(), &second);
    EXPECT_FALSE(IntersectRect(&overlap, &first, &second)) << "tiled children do not overlap";
    frame.Cascade();
    PumpMessages();
    GetWindowRect(children[0]->Handle(), &first);
    GetWindowRect(children[1]->Handle(), &second);
    EXPECT_TRUE(IntersectRect(&overlap, &first, &second)) << "cascaded children overlap";
    EXPECT_NE(first.left, second.left);

    // The child's default handling is the MDI child's: it maximizes inside the frame.
    SendMessageW(frame.ClientHandle(), WM_MDIMAXIMIZE, WPARAM(children[0]->Handle()), 0);
    PumpMessages();
    EXPECT_TRUE(IsZoomed(children[0]->Handle()));
    delete children[0];
    PumpMessages();
    EXPECT_EQ(frame.MDIChildCount(), 1);
    EXPECT_EQ(frame.ActiveMDIChild(), children[1]);
}

} // namespace
} // namespace orvane::framework
