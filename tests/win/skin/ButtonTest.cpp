#include "ControlsFixture.h"

#include "core/skinmodel/SkinKeys.h"
#include "framework/TApplication.h"
#include "skin/SkinMessages.h"
#include "skin/controls/TvelSkinSpeedButton.h"

namespace orvane::skin::test {

using namespace framework;
using orvane::test::PumpMessages;
using orvane::test::RunMessageLoopWith;

namespace {

constexpr COLORREF GreyText = 0x808080;

} // namespace

TEST_F(SkinControls, AButtonClicksWhenPressedAndReleasedOverIt)
{
    struct Case {
        const char* name;
        bool leave;     // the pointer leaves the button while it is held
        bool comeBack;  // and is back for the release
        int clicks;
    };
    const Case cases[] = {
        {"released inside", false, false, 1},
        {"released outside", true, false, 0},
        {"left and came back before the release", true, true, 1},
    };
    const POINT inside = CentreOf(*form->Ok);
    const POINT outside{inside.x, inside.y + form->Ok->Height()};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        form->okClicks = 0;
        // One gesture, its steps a hand's pace apart, its press a new click
        // after the last case's; the loop then runs until the program has
        // handled all of it.
        const int press = orvane::test::NewClickPace();
        std::vector<orvane::test::TimedInput> hand{{0, [&] { MoveTo(inside); }},
                                                   {press, [] { Button(MOUSEEVENTF_LEFTDOWN); }}};
        if (test.leave)
            hand.push_back({press + 100, [&] { MoveTo(outside); }});
        if (test.comeBack)
            hand.push_back({press + 200, [&] { MoveTo(inside); }});
        hand.push_back({press + 300, [] { Button(MOUSEEVENTF_LEFTUP); }});
        RunMessageLoopWith(hand);
        EXPECT_EQ(form->okClicks, test.clicks);
        EXPECT_FALSE(form->Engine->FindWindowObject(form->Handle()) == nullptr);
        RunMessageLoopWith({{0, [] { MoveTo(POINT{2, 2}); }}});
    }
}

TEST_F(SkinControls, SpaceClicksWhenItGoesUpAndReturnWhenItsCharacterArrives)
{
    form->Ok->SetFocus();
    PumpMessages();

    RunMessageLoopWith({{0, [] { Key(VK_SPACE, false); }}});
    EXPECT_EQ(form->okClicks, 0) << "not while Space is down";
    EXPECT_EQ(TClientPixels(form->Ok->Handle()).Count(GreyText), 0);
    RunMessageLoopWith({{0, [] { Key(VK_SPACE, true); }}}, [&] { return form->okClicks > 0; });
    EXPECT_EQ(form->okClicks, 1);

    RunMessageLoopWith({{0, [] { Key(VK_RETURN, false); }}}, [&] { return form->okClicks > 1; });
    EXPECT_EQ(form->okClicks, 2) << "Return clicks with its character";
    RunMessageLoopWith({{0, [] { Key(VK_RETURN, true); }}});
    EXPECT_EQ(form->okClicks, 2);
}

TEST_F(SkinControls, AClickOnAnInactiveFormOnlyActivatesIt)
{
    TForm* other = nullptr;
    Application->CreateForm(other);
    other->SetBounds(0, 0, 200, 120);
    other->Show();
    SetForegroundWindow(other->Handle());
    PumpMessages();
    ASSERT_NE(GetActiveWindow(), form->Handle());

    const POINT inside = CentreOf(*form->Ok);
    RunMessageLoopWith({{0, [&] { MoveTo(inside); }},
                        {100, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                        {200, [] { Button(MOUSEEVENTF_LEFTUP); }}});
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    EXPECT_EQ(form->okClicks, 0);

    RunMessageLoopWith({{0, [] { Button(MOUSEEVENTF_LEFTDOWN); }}, {100, [] { Button(MOUSEEVENTF_LEFTUP); }}},
                       [&] { return form->okClicks > 0; });
    EXPECT_EQ(form->okClicks, 1) << "the form is active now";
    delete other;
}

TEST_F(SkinControls, ADisabledButtonShowsGreyTextAndTheSecondFrameOfItsGlyph)
{
    constexpr COLORREF Enabled = RGB(200, 0, 0), Disabled = RGB(0, 0, 200), Background = RGB(0, 255, 0);
    TButton& button = *form->Ok;
    TBitmap& glyph = button.Glyph();
    glyph.SetSize(32, 16);
    TCanvas& canvas = glyph.Canvas();
    canvas.Brush.Color = TColor(Background);
    canvas.FillRect(RECT{0, 0, 32, 16});
    canvas.Brush.Color = TColor(Enabled);
    canvas.FillRect(RECT{3, 3, 13, 13});
    canvas.Brush.Color = TColor(Disabled);
    canvas.FillRect(RECT{19, 3, 29, 13});
    button.SetNumGlyphs(2);
    button.SetCaption(L"Long enough caption");
    button.SetBounds(10, 140, 200, 28);
    PumpMessages();

    const TClientPixels enabled(button.Handle());
    EXPECT_EQ(enabled.Count(Enabled), 100);
    EXPECT_EQ(enabled.Count(Disabled), 0);
    EXPECT_EQ(enabled.Count(Background), 0) << "the glyph's corner colour is transparent";
    EXPECT_EQ(enabled.Count(GreyText), 0);

    button.SetEnabled(false);
    const TClientPixels disabled(button.Handle());
    EXPECT_EQ(disabled.Count(Enabled), 0);
    EXPECT_EQ(disabled.Count(Disabled), 100);
    EXPECT_GT(disabled.Count(GreyText), 10) << "the caption in grey";
}

TEST_F(SkinControls, ButtonsTakeTheSkinsFontColourUnlessTheEngineKeepsTheirOwn)
{
    constexpr TColor Own = TColor(RGB(0, 0, 255));
    const TColor skinColour = TColor(form->Engine->Look().GetSkinColor(SKIN2_BUTTONFONTCOLOR));
    ASSERT_NE(skinColour, Own);

    form->Ok->SetCaption(L"Long enough caption");
    form->Ok->SetBounds(10, 140, 200, 28);
    form->Engine->SetNoChangeButtonsFontColor(true);
    form->Ok->Font().SetColor(Own);
    form->Ok->Invalidate();
    EXPECT_GT(TClientPixels(form->Ok->Handle()).Count(COLORREF(Own)), 10);
    EXPECT_EQ(form->Ok->Font().Color(), Own);

    form->Engine->SetNoChangeButtonsFontColor(false);
    form->Ok->Invalidate();
    const TClientPixels skinned(form->Ok->Handle());
    EXPECT_EQ(form->Ok->Font().Color(), skinColour);
    EXPECT_EQ(skinned.Count(COLORREF(Own)), 0);
    EXPECT_GT(skinned.Count(COLORREF(skinColour)), 10);

    form->Engine->SetNoChangeButtonsFontColor(true);
    form->Ok->Invalidate();
    PumpMessages();
    EXPECT_EQ(form->Ok->Font().Color(), skinColour) << "the button keeps the colour it was given";
}

TEST_F(SkinControls, AControlWithTheDisabledTagAndAllInsideItKeepTheSystemsLook)
{
    EXPECT_EQ(SendMessageW(form->OnPanel->Handle(), SKM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(SendMessageW(form->Untouched->Handle(), SKM_ISSKINNED, 0, 0), 0);

    const auto pixelsOf = [](TControl& control) {
        const TClientPixels pixels(static_cast<TWinControl&>(control).Handle());
        std::vector<COLORREF> all;
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                all.push_back(pixels.At(x, y));
        return all;
    };
    const auto untouchedSkinned = pixelsOf(*form->Untouched);
    const auto onPanelSkinned = pixelsOf(*form->OnPanel);
    form->Engine->SetActive(false);
    form->Untouched->Invalidate();
    form->OnPanel->Invalidate();
    EXPECT_EQ(pixelsOf(*form->Untouched), untouchedSkinned) << "the same with the skin and without";
    EXPECT_NE(pixelsOf(*form->OnPanel), onPanelSkinned);
}

} // namespace orvane::skin::test

namespace orvane::skin::test {

using namespace framework;
using orvane::test::RunMessageLoopWith;

// A speed button on the skinned form: its face in the skin's tool-bar
// colours by state, read from the form's window it is painted on.
TEST_F(SkinControls, ASpeedButtonShowsItsStateInTheToolBarColoursAndClicksOnRelease)
{
    TvelSkinEngine& engine = *form->Engine;
    const COLORREF on = engine.Look().GetSkinColor(SKIN2_TOOLBARONCOLOR);
    const COLORREF down = engine.Look().GetSkinColor(SKIN2_TOOLBARDOWNCOLOR);
    const COLORREF border = engine.Look().GetSkinColor(SKIN2_TOOLBARBORDERCOLOR);
    ASSERT_NE(on, down);
    // A windowless control's place in the pixels of the window it is drawn on.
    const auto faceOf = [&](const TControl& control) {
        POINT topLeft = control.ClientToScreen(POINT{0, 0});
        ScreenToClient(form->Handle(), &topLeft);
        return RECT{topLeft.x, topLeft.y, topLeft.x + control.Width(), topLeft.y + control.Height()};
    };
    TSpeedButton& speed = *form->Speed;
    const RECT face = faceOf(speed);
    const int area = speed.Width() * speed.Height();
    const auto look = [&](const char* when, COLORREF filled, COLORREF absent) {
        SCOPED_TRACE(when);
        const TClientPixels pixels(form->Handle());
        EXPECT_GT(pixels.Count(filled, face), area / 2);
        EXPECT_EQ(pixels.Count(absent, face), 0);
        EXPECT_EQ(pixels.At(face.left, face.top), border);
        EXPECT_EQ(pixels.At(face.right - 1, face.bottom - 1), border);
    };

    const POINT centre = CentreOf(speed);
    RunMessageLoopWith({{0, [&] { MoveTo(centre); }}});
    look("hot", on, down);
    RunMessageLoopWith({{0, [] { Button(MOUSEEVENTF_LEFTDOWN); }}});
    look("pressed", down, on);
    EXPECT_EQ(form->speedClicks, 0) << "not before the release";
    RunMessageLoopWith({{0, [] { Button(MOUSEEVENTF_LEFTUP); }}}, [&] { return form->speedClicks > 0; });
    EXPECT_EQ(form->speedClicks, 1);
    look("hot again", on, down);

    // A button of a group stays down after the click, and comes up with the
    // next one.
    TSpeedButton& toggle = *form->SpeedDown;
    const RECT toggleFace = faceOf(toggle);
    const auto clickToggle = [&] {
        RunMessageLoopWith({{0, [&] { MoveTo(CentreOf(toggle)); }},
                            {70, [] { Button(MOUSEEVENTF_LEFTDOWN); }},
                            {140, [] { Button(MOUSEEVENTF_LEFTUP); }},
                            {210, [] { MoveTo(POINT{2, 2}); }}});
    };
    clickToggle();
    EXPECT_TRUE(toggle.Down());
    EXPECT_GT(TClientPixels(form->Handle()).Count(down, toggleFace), area / 2) << "down without the pointer";
    clickToggle();
    EXPECT_FALSE(toggle.Down());
    const TClientPixels up(form->Handle());
    EXPECT_EQ(up.Count(down, toggleFace) + up.Count(on, toggleFace), 0) << "up: only the border";
    EXPECT_EQ(up.At(toggleFace.left, toggleFace.top), border);

    // Tagged to paint itself, the button keeps its own face, hot or not.
    speed.SetTag(TvelSkinSpeedButton::OwnPaintTag);
    speed.Invalidate();
    RunMessageLoopWith({{0, [&] { MoveTo(centre); }}});
    const TClientPixels own(form->Handle());
    EXPECT_EQ(own.Count(on, face), 0);
    EXPECT_NE(own.At(face.left, face.top), border);
    EXPECT_GT(own.Count(ColorToRGB(speed.Color()), face), area / 2) << "its own colour";
}

} // namespace orvane::skin::test
