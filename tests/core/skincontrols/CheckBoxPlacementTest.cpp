#include "core/skincontrols/CheckBoxPlacement.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct PlacementCase {
    const char* name;
    int frameWidth, frameHeight, clientWidth, clientHeight;
    bool boxLeft;
    CheckBoxPlacement expected;
};

const PlacementCase Cases[] = {
    {"13 x 13 frame, box left", 13, 13, 97, 17, true, {13, 13, 0, 2, 0, 0}},
    {"13 x 13 frame, box right", 13, 13, 97, 17, false, {13, 13, 83, 2, 0, 0}},
    // A smaller frame still gets the whole 13 x 13 box, placed where the
    // system drew its box so that it covers it; the frame is placed by its
    // own size inside it (at 0, 4 and 87, 4 in the control).
    {"9 x 9 frame", 9, 9, 97, 17, true, {13, 13, 0, 2, 0, 2}},
    {"9 x 9 frame, box right", 9, 9, 97, 17, false, {13, 13, 83, 2, 4, 2}},
    {"16 x 15 frame", 16, 15, 97, 17, true, {16, 15, 0, 1, 0, 0}},
    // Taller than the control: centred above its top, rounding toward zero.
    {"frame taller than the control", 13, 20, 97, 17, true, {13, 20, 0, -1, 0, 0}},
};

TEST(CheckBoxPlacement, PlacesTheBoxByTheFrameAndTheCaptionSide)
{
    for (const PlacementCase& test : Cases) {
        SCOPED_TRACE(test.name);
        const CheckBoxPlacement place =
            PlaceCheckBox(test.frameWidth, test.frameHeight, test.clientWidth, test.clientHeight, test.boxLeft);
        EXPECT_EQ(place.boxWidth, test.expected.boxWidth);
        EXPECT_EQ(place.boxHeight, test.expected.boxHeight);
        EXPECT_EQ(place.x, test.expected.x);
        EXPECT_EQ(place.y, test.expected.y);
        EXPECT_EQ(place.frameX, test.expected.frameX);
        EXPECT_EQ(place.frameY, test.expected.frameY);
    }
}

} // namespace
} // namespace orvane
