// The skin engine component: the stored package, its property rules, skin
// files that must not load, switching the look off and on, the disabled tag,
// and the registries that choose control skins.
#include "SkinFixture.h"

#include "core/base/Exception.h"
#include "core/skinmodel/SkinKeys.h"
#include "framework/GdiOwners.h"
#include "framework/TApplication.h"
#include "skin/painters/FrameDrawing.h"
#include "skin/SkinMessages.h"
#include "skin/SkinRegistries.h"
#include "skin/TvelSkinControlFramework.h"
#include "skin/TvelSkinWindow.h"

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
    RegisterDescribedSkinClasses();

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

} // namespace orvane::skin::test
