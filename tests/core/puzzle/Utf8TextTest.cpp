#include "core/text/Utf8Text.h"

#include "core/base/Exception.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Utf8Text, WideAndUtf8RoundTripEveryPlaneAndKeepEmbeddedNuls)
{
    const std::wstring texts[] = {
        L"", L"plain", std::wstring(L"a\0b", 3), L"\u00e9\u4e2d\u03a9", L"\U0001F600 beyond the first plane",
    };
    for (const std::wstring& text : texts)
        EXPECT_EQ(WideFromUtf8(Utf8FromWide(text)), text);
    EXPECT_EQ(Utf8FromWide(L"\u00e9"), "\xC3\xA9");
    EXPECT_EQ(Utf8FromWide(L"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(Utf8Text, MalformedUtf8BecomesReplacementCharacters)
{
    const struct {
        const char* what;
        std::string bytes;
        std::wstring wide;
    } cases[] = {
        {"a lone continuation byte", "a\x80" "b", L"a\uFFFDb"},
        {"a truncated sequence", "\xE4\xB8", L"\uFFFD\uFFFD"},
        {"an overlong form", "\xC0\xAF", L"\uFFFD\uFFFD"},
        {"an encoded surrogate", "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},
        {"past the last code point", "\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WideFromUtf8(c.bytes), c.wide) << c.what;
}

TEST(Utf8Text, SequenceLengthsAndWellFormedText)
{
    const struct {
        const char* what;
        std::string text;
        std::size_t lengthAtStart;
        bool wellFormed;
    } cases[] = {
        {"ASCII", "a1", 1, true},
        {"two bytes", "\xC3\xA9", 2, true},
        {"three bytes", "\xE2\x82\xAC", 3, true},
        {"four bytes", "\xF0\x9F\x98\x80", 4, true},
        {"cut off", "\xE2\x82", 0, false},
        {"a stray continuation byte", "\x82" "a", 0, false},
        {"overlong", "\xC0\x80", 0, false},
        {"a surrogate", "\xED\xA0\x80", 0, false},
        {"past U+10FFFF", "\xF4\x90\x80\x80", 0, false},
        {"Latin-1 after a good sequence", "\xC3\xA9\xE9", 2, false},
        {"empty", "", 0, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8SequenceLength(c.text, 0), c.lengthAtStart) << c.what;
        EXPECT_EQ(IsWellFormedUtf8(c.text), c.wellFormed) << c.what;
    }
    EXPECT_EQ(Utf8SequenceLength("a\xC3\xA9", 1), 2u) << "in the middle";
    EXPECT_EQ(Utf8SequenceLength("a", 5), 0u) << "past the end";
}

TEST(Utf8Text, VisibleTextNamesControlCharacters)
{
    EXPECT_EQ(VisibleText(std::string("a\0b", 3)), L"a#0b");
    EXPECT_EQ(VisibleText("\t\x7F\x9F\xA0\xE9"), L"#9#127#159\u00a0\u00e9");
}

TEST(Exception, CarriesItsMessageAsWideTextAndAsUtf8)
{
    const Exception wide(std::wstring(L"x\0\u03a9", 3));
    EXPECT_EQ(wide.Message(), std::wstring(L"x\0\u03a9", 3));
    EXPECT_EQ(std::string(wide.what()), "x") << "what() is a C string: it ends at the NUL";
    const Exception narrow("caf\xC3\xA9");
    EXPECT_EQ(narrow.Message(), L"caf\u00e9");
    EXPECT_EQ(ExceptionMessage(std::runtime_error("plain")), L"plain");
}

} // namespace
} // namespace orvane
