#include "ControlsFixture.h"

#include "core/raster/BitmapCopy.h"
#include "core/skincontrols/CheckBoxPlacement.h"
#include "core/skinmodel/SkinKeys.h"

#include <functional>

namespace orvane::skin::test {

using namespace framework;

TEST_F(SkinControls, CheckBoxesAndRadioButtonsShowTheSkinsFrameOfTheirState)
{
    TCheckBox& check = *form->Check;
    TRadioButton& radio = *form->Radio;
    struct Case {
        const char* name;
        TWinControl* control;
        std::function<void()> set;
        int image, frames, frame, transFlag;
    };
    const Case cases[] = {
        {"check box unchecked", &check, [&] { check.SetChecked(false); }, SKIN2_CHECKBOX, 6, 3, SKIN2_CHECKBOXTRANS},
        {"check box checked", &check, [&] { check.SetChecked(true); }, SKIN2_CHECKBOX, 6, 1, SKIN2_CHECKBOXTRANS},
        {"check box greyed", &check, [&] { check.SetState(TCheckBoxState::cbGrayed); }, SKIN2_CHECKBOX, 6, 2,
         SKIN2_CHECKBOXTRANS},
        {"disabled check box checked", &check, [&] { check.SetChecked(true), check.SetEnabled(false); },
         SKIN2_CHECKBOX, 6, 4, SKIN2_CHECKBOXTRANS},
        {"disabled check box unchecked", &check, [&] { check.SetChecked(false); }, SKIN2_CHECKBOX, 6, 6,
         SKIN2_CHECKBOXTRANS},
        {"radio button unchecked", &radio, [&] { radio.SetChecked(false); }, SKIN2_RADIOBUTTON, 4, 2,
         SKIN2_RADIOBUTTONTRANS},
        {"radio button checked", &radio, [&] { radio.SetChecked(true); }, SKIN2_RADIOBUTTON, 4, 1,
         SKIN2_RADIOBUTTONTRANS},
        {"disabled radio button checked", &radio, [&] { radio.SetEnabled(false); }, SKIN2_RADIOBUTTON, 4, 3,
         SKIN2_RADIOBUTTONTRANS},
    };
    TvelSkinEngine& engine = *form->Engine;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        test.set();
        Bitmap frame;
        ASSERT_TRUE(engine.Look().GetSkinBitmap(test.image, frame, test.frames, test.frame));
        const Color transparent =
            engine.Look().GetSkinFlag(test.transFlag) ? engine.Look().GetSkinColor(SKIN2_TRANSCOLOR) : NoTransparentColor;
        const CheckBoxPlacement place =
            PlaceCheckBox(frame.Width(), frame.Height(), test.control->Width(), test.control->Height(), true);
        const TClientPixels pixels(test.control->Handle());
        const int left = place.x + place.frameX, top = place.y + place.frameY;
        int differing = 0, compared = 0;
        for (int y = 0; y < frame.Height(); ++y)
            for (int x = 0; x < frame.Width(); ++x)
                if (frame.ColorAt(x, y) != transparent) {
                    ++compared;
                    differing += pixels.At(left + x, top + y) != frame.ColorAt(x, y) ? 1 : 0;
                }
        EXPECT_GT(compared, frame.Width() * frame.Height() / 2);
        EXPECT_EQ(differing, 0);
    }
}

} // namespace orvane::skin::test

namespace orvane::skin::test {

using namespace framework;

// A skin whose check-box frames are 9 x 9: the box the system drew (13 x 13,
// centred by the system) must vanish under the control's colour, with the
// skin's frame in it.
TEST_F(SkinControls, ACheckBoxFrameSmallerThanTheSystemsBoxCoversTheWholeBox)
{
    TvelSkinEngine& engine = *form->Engine;
    engine.SetSkinFile(HostileSkinPath(L"small-check-boxes.ssk"));
    ASSERT_FALSE(engine.SkinFile().empty()) << "the package loads";
    TCheckBox& check = *form->Check;
    struct Case {
        const char* name;
        bool checked;
        int frame;
    };
    const Case cases[] = {{"unchecked", false, 3}, {"checked", true, 1}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        check.SetChecked(test.checked);
        Bitmap frame;
        ASSERT_TRUE(engine.Look().GetSkinBitmap(SKIN2_CHECKBOX, frame, 6, test.frame));
        ASSERT_EQ(frame.Width(), 9);
        const TClientPixels pixels(check.Handle());
        const COLORREF background = ColorToRGB(check.Color());
        const int frameTop = (pixels.Height() - frame.Height()) / 2;
        const int systemBoxTop = (pixels.Height() - LeastCheckBoxSize) / 2;
        int wrong = 0;
        for (int y = std::min(frameTop, systemBoxTop); y < systemBoxTop + LeastCheckBoxSize; ++y)
            for (int x = 0; x < LeastCheckBoxSize; ++x) {
                const bool inFrame = x < frame.Width() && y >= frameTop && y < frameTop + frame.Height();
                const COLORREF expected = inFrame ? frame.ColorAt(x, y - frameTop) : background;
                if (pixels.At(x, y) != expected) {
                    ++wrong;
                    ADD_FAILURE() << "at " << x << ", " << y << ": " << std::hex << pixels.At(x, y) << " not "
                                  << expected;
                    if (wrong > 5)
                        return;
                }
            }
    }
}

} // namespace orvane::skin::test
