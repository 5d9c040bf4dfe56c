#include "ControlsFixture.h"

#include "core/skinmodel/SkinKeys.h"
#include "core/skinmodel/TvelSkinTabRes.h"
#include "framework/GdiOwners.h"
#include "framework/TApplication.h"

#include <algorithm>
#include <optional>

namespace orvane::skin::test {

using namespace framework;

const TClassInfo TControlsTestForm::ClassInfo{L"TControlsTestForm", &TSkinTestForm::ClassInfo, {}};

// The base form is made without its engine, which comes last here so that
// it finds these controls when it skins the form.
TControlsTestForm::TControlsTestForm(TComponent* owner) : TSkinTestForm(owner)
{
    BeginLayout();
    Ok = Create<TButton>(this);
    Ok->SetParent(this);
    Ok->SetBounds(10, 140, 90, 28);
    Ok->SetCaption(L"OK");
    Ok->OnClick = [this](TObject*) { ++okClicks; };

    OnPanel = Create<TButton>(this);
    OnPanel->SetParent(Panel);
    OnPanel->SetBounds(8, 92, 80, 24);
    OnPanel->SetCaption(L"Panel");

    Untouched = Create<TButton>(this);
    Untouched->SetParent(PlainPanel);
    Untouched->SetBounds(8, 92, 80, 24);
    Untouched->SetCaption(L"Plain");

    Check = Create<TCheckBox>(this);
    Check->SetParent(this);
    Check->SetBounds(230, 140, 120, 17);
    Check->SetCaption(L"Check box");
    Check->SetAllowGrayed(true);

    Radio = Create<TRadioButton>(this);
    Radio->SetParent(this);
    Radio->SetBounds(230, 162, 120, 17);
    Radio->SetCaption(L"Radio button");

    // Right of the base form's panels.
    SetClientSize(580, 240);
    Speed = Create<TSpeedButton>(this);
    Speed->SetParent(this);
    Speed->SetBounds(110, 140, 64, 24);
    Speed->SetCaption(L"Speed");
    Speed->OnClick = [this](TObject*) { ++speedClicks; };

    SpeedDown = Create<TSpeedButton>(this);
    SpeedDown->SetParent(this);
    SpeedDown->SetBounds(110, 170, 64, 24);
    SpeedDown->SetCaption(L"Toggle");
    SpeedDown->SetGroupIndex(1);
    SpeedDown->SetAllowAllUp(true);

    Tabs = Create<TTabControl>(this);
    Tabs->SetParent(this);
    Tabs->SetBounds(370, 10, 200, 120);
    Tabs->SetTabs({L"First", L"Second", L"Third"});
    Tabs->OnChange = [this](TObject*) { ++tabChanges; };

    Track = Create<TTrackBar>(this);
    Track->SetParent(this);
    Track->SetBounds(370, 140, 200, 45);
    Track->SetRange(0, 10);

    Engine = Create<TvelSkinEngine>(this);
    Engine->SetName(L"velSkinEngine1");
    Engine->SetActive(true);
    Engine->SetBuiltIn(true);
    Engine->SetSkinData(StoredSkin());
    EndLayout();
}

void SkinControls::SetUp()
{
    orvane::test::MovePointerAway();
    TSkinTestForm::TLook look;
    look.withEngine = false;
    TSkinTestForm::NextLook = look;
    Application->CreateForm(form);
    form->Show();
    orvane::test::PumpMessages();
}

void SkinControls::TearDown()
{
    delete form;
    form = nullptr;
    orvane::test::MovePointerAway();
    orvane::test::PumpMessages();
}

POINT SkinControls::OnScreen(const TControl& control, POINT client) { return control.ClientToScreen(client); }

POINT SkinControls::CentreOf(const TControl& control)
{
    return OnScreen(control, POINT{control.Width() / 2, control.Height() / 2});
}

} // namespace orvane::skin::test

namespace orvane::skin::test {

TClientPixels::TClientPixels(HWND window)
{
    orvane::test::PumpMessages();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    // What the redraw painted is shown on the screen once the thread is idle.
    orvane::test::PumpMessages();
    RECT client{};
    GetClientRect(window, &client);
    width = client.right;
    height = client.bottom;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const TClientDC screen(nullptr);
    TMemoryDC memory(screen.Handle());
    TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Handle(), width, height));
    TSelectedObject selection;
    selection.Select(memory.Handle(), bitmap.Get());
    BitBlt(memory.Handle(), 0, 0, width, height, screen.Handle(), origin.x, origin.y, SRCCOPY);
    pixels.resize(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = GetPixel(memory.Handle(), x, y);
}

COLORREF TClientPixels::At(int x, int y) const
{
    return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
}

int TClientPixels::Count(COLORREF color, RECT area) const
{
    int found = 0;
    for (int y = std::max(0, int(area.top)); y < std::min(height, int(area.bottom)); ++y)
        for (int x = std::max(0, int(area.left)); x < std::min(width, int(area.right)); ++x)
            found += At(x, y) == color ? 1 : 0;
    return found;
}

int TClientPixels::Count(const std::set<COLORREF>& colors, RECT area) const
{
    int found = 0;
    for (int y = std::max(0, int(area.top)); y < std::min(height, int(area.bottom)); ++y)
        for (int x = std::max(0, int(area.left)); x < std::min(width, int(area.right)); ++x)
            found += colors.count(At(x, y)) ? 1 : 0;
    return found;
}

TClientPixels PixelsOnceShown(HWND window, const std::function<bool(const TClientPixels&)>& shown)
{
    std::optional<TClientPixels> pixels;
    orvane::test::WaitUntil([&] { return shown(pixels.emplace(window)); });
    return *pixels;
}

TTabFrameColours::TTabFrameColours(const TvelSkinEngine& engine)
{
    const TvelSkinTabRes& images = engine.Look().TabImages();
    const Color transparent = engine.Look().GetSkinColor(SKIN2_TRANSCOLOR);
    const auto coloursOf = [transparent](const Bitmap& bitmap) {
        std::set<COLORREF> colours;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (bitmap.ColorAt(x, y) != transparent)
                    colours.insert(bitmap.ColorAt(x, y));
        return colours;
    };
    const auto active = coloursOf(images.ActiveTab(TvelSkinTabRes::Orientation::AsStored));
    const auto inactive = coloursOf(images.InactiveTab(TvelSkinTabRes::Orientation::AsStored));
    for (COLORREF colour : active)
        if (!inactive.count(colour))
            activeOnly.insert(colour);
    for (COLORREF colour : inactive)
        if (!active.count(colour))
            inactiveOnly.insert(colour);
}

void Key(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = WORD(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

} // namespace orvane::skin::test
