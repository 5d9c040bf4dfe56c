#include "core/play/PlaySettings.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(PlaySettings, WritesOneLinePerSettingAndReadsItBack)
{
    EXPECT_EQ(PlaySettingsText(PlaySettings{}), "Highlight=0\r\nAutoCleanNotes=1\r\n");
    for (const bool highlight : {false, true})
        for (const bool autoClean : {false, true}) {
            const PlaySettings settings{highlight, autoClean};
            EXPECT_EQ(ReadPlaySettings(PlaySettingsText(settings)), settings) << highlight << autoClean;
        }
}

TEST(PlaySettings, ReadsWhatAnEditorMayLeaveAndFallsBackToDefaultsWhenDamaged)
{
    const PlaySettings defaults;
    const PlaySettings highlightOnly{true, true};
    const PlaySettings bothChanged{true, false};
    const struct {
        const char* what;
        std::string text;
        PlaySettings read;
    } cases[] = {
        {"an empty file", "", defaults},
        {"one setting", "Highlight=1\r\n", highlightOnly},
        {"LF line ends, no final break", "Highlight=1\nAutoCleanNotes=0", bothChanged},
        {"blanks and blank lines", "\r\n  Highlight = 1 \r\n\r\n\tAutoCleanNotes\t=\t0\r\n", bothChanged},
        {"a byte-order mark", "\xEF\xBB\xBFHighlight=1\r\nAutoCleanNotes=0\r\n", bothChanged},
        {"a later version's setting", "Highlight=1\r\nTheme=dark\r\nAutoCleanNotes=0\r\n", bothChanged},
        {"the last of two lines wins", "Highlight=0\r\nHighlight=1\r\nAutoCleanNotes=0\r\n", bothChanged},
        // Damaged: everything falls back, also what was readable.
        {"a value other than 0 or 1", "Highlight=yes\r\nAutoCleanNotes=0\r\n", defaults},
        {"an empty value", "Highlight=1\r\nAutoCleanNotes=\r\n", defaults},
        {"a line without '='", "Highlight=1\r\nAutoCleanNotes 0\r\n", defaults},
        {"a cut-off file", "Highlight=1\r\nAutoClea", defaults},
        {"binary noise", std::string("\0\x01\xFF\xFEZ\x9C", 6), defaults},
        {"a name's case changed", "highlight=1\r\n", defaults},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadPlaySettings(c.text), c.read) << c.what;
}

} // namespace
} // namespace orvane
