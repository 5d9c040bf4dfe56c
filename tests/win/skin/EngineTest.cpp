// The skin engine component: the stored package, its property rules, skin
// files that must not load, switching the look off and on, the disabled tag,
// the registries that choose control skins, and the window objects it owns,
// which go with their windows once the messages in which the windows went
// are over.
#include "FreedMemoryWatch.h"
#include "SkinFixture.h"

#include "core/base/Exception.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/TApplication.h"
#include "skin/painters/FrameDrawing.h"
#include "skin/SkinMessages.h"
#include "skin/SkinRegistries.h"
#include "skin/TvelSkinControlFramework.h"
#include "skin/TvelSkinMenuBar.h"
#include "skin/TvelSkinWindow.h"
#include "skin/TvelSkinWindowForm.h"

#include <algorithm>

namespace orvane::skin::test {

using namespace framework;
using orvane::test::PumpMessages;

namespace {

std::wstring MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        return ExceptionMessage(error);
    }
    return L"(no exception)";
}

struct TPlace {
    int left, top, width, height;
    bool operator==(const TPlace&) const = default;
};

TPlace PlaceOf(const TControl& control)
{
    return TPlace{control.Left(), control.Top(), control.Width(), control.Height()};
}

RECT ClientRectOf(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

bool HasRegion(HWND window)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(window, region);
    DeleteObject(region);
    return kind != ERROR;
}

// A modeless dialog whose one push button ends it: the click destroys the
// dialog's window while the button's message is still under way.
INT_PTR CALLBACK EndingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        DestroyWindow(dialog);
        return TRUE;
    }
    return FALSE;
}

// The dialog's template: the dialog, then its button, each at a DWORD
// boundary, in dialog units.
std::vector<WORD> EndingDialogTemplate()
{
    std::vector<WORD> words;
    const auto add32 = [&words](DWORD value) {
        words.push_back(LOWORD(value));
        words.push_back(HIWORD(value));
    };
    const auto addText = [&words](std::wstring_view text) {
        words.insert(words.end(), text.begin(), text.end());
        words.push_back(0);
    };
    add32(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);
    add32(0);
    words.insert(words.end(), {1, 10, 10, 160, 60}); // one control; place and size
    words.insert(words.end(), {0, 0});                // no menu; the dialog class
    addText(L"Ending");
    if (words.size() % 2 != 0)
        words.push_back(0);
    add32(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
    add32(0);
    words.insert(words.end(), {55, 35, 50, 14, IDOK});
    words.insert(words.end(), {0xFFFF, 0x0080}); // the button class
    addText(L"OK");
    words.push_back(0); // no creation data
    return words;
}

POINT ScreenCentre(HWND window)
{
    RECT place{};
    GetWindowRect(window, &place);
    return POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

} // namespace

TEST_F(Skin, StoredPackageLoadsLeavesNoTemporaryFileAndKeepsTheDesignTimeName)
{
    EXPECT_TRUE(form->Engine->Ready());
    EXPECT_TRUE(form->Engine->Skinning());
    EXPECT_EQ(form->Engine->SkinFile(), L"") << "the design-time path names no file here";
    EXPECT_TRUE(IsSkinnedWindow(Window()));

    // A second form with an engine: its stored package goes through a
    // temporary file that is gone again once the layout is read.
    const auto before = TemporarySkinFiles();
    TSkinTestForm::NextLook = TSkinTestForm::TLook{};
    auto* second = Create<TSkinTestForm>(nullptr);
    const auto after = TemporarySkinFiles();
    EXPECT_TRUE(second->Engine->Ready());
    delete second;
    EXPECT_EQ(after, before);

    form->Engine->SetVersion(L"9.9");
    EXPECT_EQ(form->Engine->Version(), L"4.6");
}

TEST_F(Skin, PropertyRulesRaiseTheirMessages)
{
    const struct {
        const char* what;
        std::function<void()> action;
        const wchar_t* message;
    } cases[] = {
        {"an engine outside a form", [] { delete Create<TvelSkinEngine>(Application); }, L"Must be placed on a Form"},
        {"a second engine on a form", [this] { Create<TvelSkinEngine>(form); },
            L"One form can only catch one TvelSkinEngine!"},
        {"BuiltIn at run time", [this] { form->Engine->SetBuiltIn(false); },
            L"BuiltIn property only can be specified at design time!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageOf(c.action), c.message) << c.what;
    EXPECT_TRUE(form->Engine->Skinning()) << "the first engine goes on";
}

TEST_F(Skin, SkinFilesThatDoNotLoadKeepTheSkinOnEveryWindow)
{
    const TvelSkinReader* before = &form->Engine->Look().Reader();
    const Color formColour = form->Engine->Look().FormColor();
    const struct {
        const wchar_t* file;
        const wchar_t* message;
    } cases[] = {
        {L"damaged.ssk", L"Wrong password!"},
        {L"truncated.ssk", L"Failed to read skin file!"},
        {L"wrong-password.ssk", L"Wrong password!"},
        {L"oversized.ssk", L"Failed to read skin file!"},
    };
    for (const auto& c : cases) {
        const std::wstring path = HostileSkinPath(c.file);
        ASSERT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
        EXPECT_EQ(MessageOf([&] { form->Engine->SetSkinFile(path); }), c.message) << path;
        PumpMessages();
        EXPECT_TRUE(form->Engine->Ready()) << path;
        EXPECT_EQ(&form->Engine->Look().Reader(), before) << path;
        EXPECT_EQ(form->Engine->Look().FormColor(), formColour) << path;
        EXPECT_EQ(form->Engine->SkinFile(), L"") << path;
        EXPECT_TRUE(IsSkinnedWindow(Window())) << path;
    }
    EXPECT_TRUE(TemporarySkinFiles().empty() || TemporarySkinFiles() == std::vector<std::wstring>{})
        << "no temporary package stays behind";

    // A name that is nowhere changes nothing, and the good skin still loads.
    form->Engine->SetSkinFile(L"C:\\no\\such\\folder\\nothing.ssk");
    EXPECT_EQ(&form->Engine->Look().Reader(), before);
}

TEST_F(Skin, ActiveOffGivesTheSystemLookWithTheSameClientAreaAndOnSkinsAgain)
{
    HWND window = Window();
    const RECT client = ClientRectOf(window);
    const TPlace panel = PlaceOf(*form->Panel);
    const TPlace bottom = PlaceOf(*form->BottomPanel);
    ASSERT_TRUE(HasRegion(window)) << "the skin cuts the window's corners";
    ASSERT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU);

    form->Engine->SetActive(false);
    PumpMessages();
    EXPECT_FALSE(IsSkinnedWindow(window));
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU);
    EXPECT_FALSE(HasRegion(window));
    const RECT plainClient = ClientRectOf(window);
    EXPECT_EQ(plainClient.right, client.right);
    EXPECT_EQ(plainClient.bottom, client.bottom);
    EXPECT_EQ(PlaceOf(*form->Panel), panel);
    EXPECT_EQ(PlaceOf(*form->BottomPanel), bottom);

    form->Engine->SetActive(true);
    PumpMessages();
    EXPECT_TRUE(IsSkinnedWindow(window));
    EXPECT_TRUE(HasRegion(window));
    const RECT skinnedAgain = ClientRectOf(window);
    EXPECT_EQ(skinnedAgain.right, client.right);
    EXPECT_EQ(skinnedAgain.bottom, client.bottom);
    EXPECT_EQ(PlaceOf(*form->Panel), panel);
}

TEST_F(Skin, FormsOfTheDisabledTagKeepTheSystemFrame)
{
    TSkinTestForm::NextLook = TSkinTestForm::TLook{};
    TSkinTestForm::NextLook.withEngine = false;
    TSkinTestForm* plain = nullptr;
    TSkinTestForm* skinned = nullptr;
    Application->CreateForm(plain);
    plain->SetTag(TvelSkinEngine::DefaultDisabledTag);
    Application->CreateForm(skinned);
    form->Engine->SkinOpenForms();
    plain->Show();
    skinned->Show();
    PumpMessages();
    EXPECT_FALSE(IsSkinnedWindow(plain->Handle()));
    EXPECT_TRUE(GetWindowLongW(plain->Handle(), GWL_STYLE) & WS_SYSMENU);
    EXPECT_TRUE(IsSkinnedWindow(skinned->Handle()));

    // Switching all forms but the engine's own off leaves that one skinned.
    form->Engine->SetSkinAllForms(false);
    EXPECT_FALSE(IsSkinnedWindow(skinned->Handle()));
    EXPECT_TRUE(IsSkinnedWindow(Window()));
    delete skinned;
    delete plain;
}

TEST_F(Skin, FormsOfTheAutoSkinClassesAreSkinnedWhenTheyActivate)
{
    // A form of class exactly "TForm", made after start-up, and one of a
    // class the engine's list names.
    auto* plainForm = Create<TForm>(Application);
    plainForm->SetCaption(L"A TForm");
    plainForm->SetBounds(40, 40, 300, 200);
    TSkinTestForm::NextLook = TSkinTestForm::TLook{};
    TSkinTestForm::NextLook.withEngine = false;
    auto* listed = Create<TSkinTestForm>(Application);
    auto* later = Create<TSkinTestForm>(Application);
    form->Engine->SetAutoSkinWndClassNames({L"tskintestform"});

    plainForm->Show();
    PumpMessages();
    EXPECT_TRUE(IsSkinnedWindow(plainForm->Handle())) << "TForm is in the list from the start";
    listed->Show();
    PumpMessages();
    EXPECT_TRUE(IsSkinnedWindow(listed->Handle())) << "names compare without regard to case";

    // Names once listed stay listed for the process.
    form->Engine->SetAutoSkinWndClassNames({});
    later->Show();
    PumpMessages();
    EXPECT_TRUE(IsSkinnedWindow(later->Handle()));
    delete later;
    delete listed;
    delete plainForm;
}

namespace {

// A control skin that only notes which controls it was given.
std::vector<TControl*> skinnedControls;

class TRecordingSkin : public TvelSkinControlFramework {
public:
    TRecordingSkin(TControl& recorded, TSkinControlHost& window) : TvelSkinControlFramework(recorded, window)
    {
        skinnedControls.push_back(&recorded);
    }
};

std::unique_ptr<TvelSkinControl> RecordSkin(TControl& control, TSkinControlHost& window)
{
    return TvelSkinControlFramework::Create<TRecordingSkin>(control, window);
}

constexpr TControlSkinClass RecordingSkins[] = {
    {L"TCustomEdit", L"TRecordingSkin", &RecordSkin},
    {L"TCustomPanel", L"TRecordingSkin", &RecordSkin},
};

} // namespace

TEST_F(Skin, TheDisabledTagKeepsAControlAndEverythingInItUnskinned)
{
    RegisterControlSkins(RecordingSkins);
    skinnedControls.clear();
    TearDown();
    SetUp();
    ClearSkinRegistries();
    RegisterBuiltInSkinClasses();

    const auto got = [](TControl* control) {
        return std::find(skinnedControls.begin(), skinnedControls.end(), control) != skinnedControls.end();
    };
    EXPECT_TRUE(got(form->Panel));
    EXPECT_TRUE(got(form->Memo)) << "the memo inside a skinned panel";
    EXPECT_TRUE(got(form->BottomPanel));
    EXPECT_FALSE(got(form->PlainPanel)) << "Tag 9999";
    EXPECT_FALSE(got(form->PlainMemo)) << "inside a Tag 9999 panel";
    TvelSkinWindow* frame = form->Engine->FindWindowObject(Window());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->ControlSkins().size(), skinnedControls.size());
}

TEST_F(Skin, RegistriesChooseSkinsByClassAndStyle)
{
    EXPECT_STREQ(FindControlSkinClass(*form->Memo)->SkinClass, L"TvelSkinScrollWinControl");
    EXPECT_STREQ(FindControlSkinClass(*form->Panel)->SkinClass, L"TvelSkinPanel");

    const struct {
        const char* className;
        LONG style;
        const char* normalized;
    } cases[] = {
        {"BUTTON", BS_PUSHBUTTON, "BUTTON"},
        {"BUTTON", BS_DEFPUSHBUTTON, "BUTTON"},
        {"BUTTON", BS_CHECKBOX, "BUTTON_CHECKBOX"},
        {"BUTTON", BS_AUTOCHECKBOX, "BUTTON_CHECKBOX"},
        {"BUTTON", BS_3STATE, "BUTTON_CHECKBOX"},
        {"BUTTON", BS_AUTO3STATE, "BUTTON_CHECKBOX"},
        {"BUTTON", BS_RADIOBUTTON, "BUTTON_RADIOBUTTON"},
        {"BUTTON", BS_AUTORADIOBUTTON, "BUTTON_RADIOBUTTON"},
        {"BUTTON", BS_GROUPBOX, ""},
        {"COMBOBOX", CBS_SIMPLE, ""},
        {"COMBOBOX", CBS_DROPDOWNLIST, "COMBOBOX"},
        {"SYSTABCONTROL32", 0, "SYSTABCONTROL32"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizedWindowClass(c.className, c.style), c.normalized) << c.className << " " << c.style;
    EXPECT_STREQ(FindWindowSkinClass("BUTTON_CHECKBOX")->SkinClass, L"TvelSkinWndCheckBox");
    EXPECT_EQ(FindWindowSkinClass("STATIC"), nullptr);
}

TEST_F(Skin, ASizeGripIsNotCreatedWhileSkinning)
{
    const auto create = [this](DWORD exStyle) {
        return CreateWindowExW(exStyle, L"SCROLLBAR", L"", WS_CHILD | SBS_SIZEGRIP, 0, 0, 16, 16, Window(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    };
    EXPECT_EQ(create(0), nullptr);
    HWND allowed = create(WS_EX_NOPARENTNOTIFY);
    EXPECT_NE(allowed, nullptr);
    DestroyWindow(allowed);
    form->Engine->SetActive(false);
    HWND plain = create(0);
    EXPECT_NE(plain, nullptr);
    DestroyWindow(plain);
}

TEST_F(Skin, FrameDrawingPaintsTheEdgesOfTheWholeWindow)
{
    TPanel& panel = *form->BottomPanel;
    HWND window = panel.Handle();
    const auto pixel = [window](int x, int y) {
        const TWindowDC dc(window);
        return GetPixel(dc.Handle(), x, y);
    };
    const int right = panel.Width() - 1;
    const int bottom = panel.Height() - 1;

    FrameControl(panel, form->Engine->Look(), clRed);
    const COLORREF border = COLORREF(form->Engine->Look().GetSkinColor(SKIN2_CONTROLBORDERCOLOR));
    EXPECT_EQ(pixel(0, 5), border) << "the left line is the skin's control border";
    EXPECT_EQ(pixel(1, 5), COLORREF(clRed));
    EXPECT_EQ(pixel(right, 5), COLORREF(clRed));
    EXPECT_EQ(pixel(right - 1, 5), COLORREF(clRed));
    EXPECT_EQ(pixel(10, 0), COLORREF(clRed));
    EXPECT_EQ(pixel(10, bottom - 1), COLORREF(clRed));
    EXPECT_NE(pixel(10, 2), COLORREF(clRed)) << "two pixels, no more";

    DrawWindowFrame(window, clBlue, clLime, true);
    EXPECT_EQ(pixel(right, 10), COLORREF(clBlue));
    EXPECT_EQ(pixel(right - 1, 10), COLORREF(clLime));
    DrawWindowFrame(window, clBlack, clWhite, false);
    EXPECT_EQ(pixel(10, bottom), COLORREF(clBlack));
    EXPECT_EQ(pixel(10, bottom - 1), COLORREF(clLime)) << "the inner frame is left as it was";
}

// A window that goes during one of its own messages takes its window object
// along once the message is over, and nothing touches the freed object: a
// dialog ended by its button's click (the button's control skin and the
// dialog's object are both under way), and a form freed by an item of its
// skinned menu bar (the bar is under way).
TEST_F(Skin, AWindowThatGoesDuringItsOwnMessageIsFreedOnceTheMessageIsOver)
{
    const std::vector<WORD> dialogTemplate = EndingDialogTemplate();
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), Window(),
                                             &EndingDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    PumpMessages();
    const TvelSkinWindow* dialogFrame = form->Engine->FindWindowObject(dialog);
    ASSERT_TRUE(dialogFrame && dialogFrame->Initialized()) << "the dialog wears the skin";
    ASSERT_EQ(dialogFrame->ControlSkins().size(), 1u) << "and so does its button";
    const POINT button = ScreenCentre(GetDlgItem(dialog, IDOK));
    {
        const TFreedMemoryWatch watch;
        orvane::test::RunMessageLoopWith({{0,
                                           [button, dialog] {
                                               ClickAtScreen(button);
                                               orvane::test::WaitUntil([dialog] { return !IsWindow(dialog); });
                                           }}},
                                         0);
        PumpMessages();
        EXPECT_FALSE(IsWindow(dialog)) << "the click ended the dialog";
        EXPECT_EQ(form->Engine->FindWindowObject(dialog), nullptr);
        EXPECT_TRUE(watch.Freed(dialogFrame)) << "the dialog's window object";
        EXPECT_EQ(watch.MessagesThroughFreedMemory(), 0) << "the dialog";
    }

    TSkinTestForm::NextLook = TSkinTestForm::TLook{.withEngine = false, .withMenu = true};
    TSkinTestForm* other = nullptr;
    Application->CreateForm(other);
    other->OnCloseQuery = nullptr;
    other->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
    // The item closes its form and lets the program go on at once, as the
    // child buttons of an MDI frame do: the form is freed inside the click.
    other->OpenItem->OnClick = [other](TObject*) {
        other->Close();
        Application->ProcessMessages();
    };
    // Forms made after the program's start are skinned by the program.
    form->Engine->SkinForm(*other);
    other->Show();
    PumpMessages();
    HWND otherWindow = other->Handle();
    const auto* otherFrame = As<TvelSkinWindowForm>(form->Engine->FindWindowObject(otherWindow));
    ASSERT_NE(otherFrame, nullptr);
    TvelSkinMenuBar* bar = otherFrame->MenuBar();
    ASSERT_TRUE(bar && bar->Visible());
    {
        const TFreedMemoryWatch watch;
        orvane::test::ChooseFromMenuBar(*bar, *other->OpenItem);
        PumpMessages();
        EXPECT_FALSE(IsWindow(otherWindow)) << "the item freed its form";
        EXPECT_TRUE(watch.Freed(other));
        EXPECT_TRUE(watch.Freed(otherFrame)) << "the form's window object";
        EXPECT_TRUE(watch.Freed(bar)) << "and its menu bar, with the object";
        EXPECT_EQ(watch.MessagesThroughFreedMemory(), 0) << "the form";
    }
    EXPECT_NE(form->Engine->FindWindowObject(Window()), nullptr) << "the engine's own form stays skinned";
}

} // namespace orvane::skin::test
