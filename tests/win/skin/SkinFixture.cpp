#include "SkinFixture.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/BuiltInResource.h"
#include "framework/GdiOwners.h"
#include "framework/TApplication.h"

#include <filesystem>

namespace orvane::skin::test {

using namespace framework;

const TClassInfo TSkinTestForm::ClassInfo{L"TSkinTestForm", &TForm::ClassInfo, {}};

TSkinTestForm::TLook TSkinTestForm::NextLook;

TSkinTestForm::TSkinTestForm(TComponent* owner) : TForm(owner)
{
    const TLook look = NextLook;
    BeginLayout();
    SetName(L"SkinTestForm");
    SetCaption(L"Skinned Form");
    SetBorderStyle(look.borderStyle);
    SetBorderIcons(look.borderIcons);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(360, 240);
    OnCloseQuery = [this](TObject*, bool& canClose) {
        ++closeRequests;
        canClose = false;
    };

    Panel = Create<TPanel>(this);
    Panel->SetParent(this);
    Panel->SetBounds(10, 10, 150, 120);
    Memo = Create<TMemo>(this);
    Memo->SetParent(Panel);
    Memo->SetBounds(8, 8, 120, 80);

    PlainPanel = Create<TPanel>(this);
    PlainPanel->SetParent(this);
    PlainPanel->SetBounds(180, 10, 150, 120);
    PlainPanel->SetTag(TvelSkinEngine::DefaultDisabledTag);
    PlainMemo = Create<TMemo>(this);
    PlainMemo->SetParent(PlainPanel);
    PlainMemo->SetBounds(8, 8, 120, 80);

    BottomPanel = Create<TPanel>(this);
    BottomPanel->SetParent(this);
    BottomPanel->SetBounds(10, 200, 340, 30);
    BottomPanel->SetAnchors(akLeft | akBottom);

    if (look.withMenu) {
        SetFormStyle(look.formStyle);
        MainMenu = Create<TMainMenu>(this);
        const auto item = [this](TMenuItem* parent, const std::wstring& caption, int group = 0) {
            auto* made = Create<TMenuItem>(this);
            made->SetCaption(caption);
            made->SetGroupIndex(group);
            made->OnClick = [this, caption](TObject*) { clickedItems.push_back(caption); };
            parent->Add(made);
            return made;
        };
        FileItem = item(&MainMenu->Items(), L"&File");
        OpenItem = item(FileItem, L"&Open");
        OpenItem->SetShortCut(ShortCut('K', scCtrl));
        LineItem = item(FileItem, L"-");
        CheckedItem = item(FileItem, L"C&hecked");
        CheckedItem->SetChecked(true);
        DisabledItem = item(FileItem, L"&Disabled");
        DisabledItem->SetEnabled(false);
        EditItem = item(&MainMenu->Items(), L"&Edit", 1);
        item(EditItem, L"&Undo", 1);
        HelpItem = item(&MainMenu->Items(), L"&Help", 9);
        item(HelpItem, L"&About", 9);
        SetMenu(MainMenu);
    }

    if (look.withEngine) {
        Engine = Create<TvelSkinEngine>(this);
        Engine->SetName(L"velSkinEngine1");
        Engine->SetActive(true);
        Engine->SetBuiltIn(true);
        Engine->SetSkinFile(L"D:\\Skins\\nowhere.ssk");
        Engine->SetSkinData(StoredSkin());
    }
    EndLayout();
}

void Skin::Open(const TSkinTestForm::TLook& look)
{
    orvane::test::MovePointerAway();
    TSkinTestForm::NextLook = look;
    Application->CreateForm(form);
    form->Show();
    orvane::test::PumpMessages();
}

void Skin::TearDown()
{
    delete form;
    form = nullptr;
    orvane::test::MovePointerAway();
    orvane::test::PumpMessages();
}

RECT Skin::WindowRect() const
{
    RECT bounds{};
    GetWindowRect(Window(), &bounds);
    return bounds;
}

POINT Skin::TitleButtonCentre(int indexFromRight) const
{
    const TvelSkinReader& reader = form->Engine->Look().Reader();
    const Bitmap* strip = reader.GetBitmap(SKIN2_TITLEBUTTONS);
    const int buttonWidth = strip->Width() / 18;
    const FrameMetrics& metrics = form->Engine->Look().Metrics();
    const RECT bounds = WindowRect();
    const int right = bounds.right - metrics.buttonX - indexFromRight * (buttonWidth + 2);
    return POINT{right - buttonWidth / 2, bounds.top + metrics.buttonY + strip->Height() / 2};
}

POINT Skin::IconCentre() const
{
    const FrameMetrics& metrics = form->Engine->Look().Metrics();
    const RECT bounds = WindowRect();
    const int top = metrics.iconY <= 3 ? 4 : metrics.iconY;
    return POINT{bounds.left + std::max(metrics.iconX, 0) + 8, bounds.top + top + 8};
}

POINT Skin::EmptyTitlePoint() const
{
    const RECT bounds = WindowRect();
    return POINT{(bounds.left + bounds.right) / 2 + 40, bounds.top + form->Engine->Look().Metrics().titleHeight / 2};
}

CloseButtonProbe FindCloseButton(const TvelSkinEngine& engine, HWND window)
{
    constexpr int StripFrames = 18;
    constexpr int CloseFrame = 15; // from 0: normal, then hot
    const FrameMetrics& metrics = engine.Look().Metrics();
    const Bitmap* strip = engine.Look().Reader().GetBitmap(SKIN2_TITLEBUTTONS);
    CloseButtonProbe button;
    if (!strip)
        return button;
    const int width = strip->Width() / StripFrames;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int left = bounds.right - metrics.buttonX - width;
    const int top = bounds.top + metrics.buttonY;
    button.centre = POINT{left + width / 2, top + strip->Height() / 2};
    for (int y = strip->Height() / 2; y < strip->Height(); ++y)
        for (int x = 1; x < width; ++x) {
            const Color normal = strip->ColorAt(CloseFrame * width + x, y);
            const Color hot = strip->ColorAt((CloseFrame + 1) * width + x, y);
            if (normal != hot && normal != metrics.transparentColor && hot != metrics.transparentColor) {
                button.probe = POINT{left + x, top + y};
                button.normal = normal;
                button.hot = hot;
                return button;
            }
        }
    return button;
}

COLORREF ScreenColour(POINT screen)
{
    const TClientDC desktop(nullptr);
    return GetPixel(desktop.Handle(), screen.x, screen.y);
}

std::vector<std::uint8_t> StoredSkin()
{
    const auto bytes = BuiltInResourceBytes(L"SKINDATA");
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::wstring HostileSkinPath(const std::wstring& name)
{
    // The native build's folder, seen through the drive Wine maps to "/".
    std::wstring folder = L"Z:" ORVANE_HOSTILE_SKINS_DIR;
    for (wchar_t& c : folder)
        if (c == L'/')
            c = L'\\';
    return folder + L"\\" + name;
}

std::vector<std::wstring> TemporarySkinFiles()
{
    wchar_t folder[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, folder);
    std::vector<std::wstring> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == L".ssk")
            found.push_back(entry.path().filename().wstring());
    return found;
}

} // namespace orvane::skin::test
