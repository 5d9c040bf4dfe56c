#include "core/raster/EllipsizeText.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Letters 10 pixels wide, dots 2, so that "..." is narrower than a letter.
class FixedWidthMeasurer : public TextMeasurer {
public:
    int TextWidth(std::string_view text) const override { return Width(text); }
    int TextWidth(std::wstring_view text) const override { return Width(text); }

private:
    template <typename Text>
    static int Width(Text text)
    {
        int width = 0;
        for (auto c : text)
            width += c == '.' ? 2 : 10;
        return width;
    }
};

TEST(EllipsizeText, ShortensToTheFirstCandidateThatReachesTheWidth)
{
    const FixedWidthMeasurer measurer;
    const struct {
        std::string text;
        int width;
        std::string expected;
    } cases[] = {
        {"ABCDE", 50, "ABCDE"},   // fits exactly
        {"ABCDE", 80, "ABCDE"},
        {"", 0, ""},
        {"ABCDE", 30, "ABC..."},  // "AB..." (26) is short, "ABC..." (36) overshoots the space
        {"ABCDE", 37, "ABCD..."}, // 36 < 37 <= 46
        {"ABCDE", 5, "A..."},     // even the first candidate is too wide
        {"ABCDE", 49, "ABCDE"},   // "ABCD..." (46) is still short: shown whole
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EllipsizeText(measurer, std::string_view(c.text), c.width), c.expected)
            << c.text << " in " << c.width;
        const std::wstring wide(c.text.begin(), c.text.end());
        const std::wstring wideExpected(c.expected.begin(), c.expected.end());
        EXPECT_EQ(EllipsizeText(measurer, std::wstring_view(wide), c.width), wideExpected);
    }
}

} // namespace
} // namespace orvane
