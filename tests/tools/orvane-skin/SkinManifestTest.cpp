#include "SkinManifest.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(SkinManifest, ReadsEveryKindWithItsValue)
{
    const SkinManifest manifest = ParseSkinManifest(
        "# a comment\n"
        "\n"
        "colour  SKIN2_FORMCOLOR   #ECEFF4\r\n"
        "color   SKIN2_TRANSCOLOR  #FF00FF\n"
        "integer SKIN2_TITLEBARICONPOSX -3\n"
        "flag    SKIN2_TITLEFIVESECT yes\n"
        "flag    SKIN2_BUTTONTRANS 0\n"
        "string  AUTHOR   Two  words \n"
        "image   SKIN2_TITLEBAR1 title 1.bmp\n"
        "integer MYOWNKEY 7");
    ASSERT_TRUE(manifest.errors.empty()) << manifest.errors[0];
    ASSERT_EQ(manifest.entries.size(), 8u);
    EXPECT_EQ(manifest.Find("SKIN2_FORMCOLOR")->number, 0x00F4EFEC); // stored 0x00BBGGRR
    EXPECT_EQ(manifest.Find("SKIN2_TRANSCOLOR")->number, 0x00FF00FF);
    EXPECT_EQ(manifest.Find("SKIN2_TITLEBARICONPOSX")->number, -3);
    EXPECT_EQ(manifest.Find("SKIN2_TITLEFIVESECT")->number, 1);
    EXPECT_EQ(manifest.Find("SKIN2_BUTTONTRANS")->number, 0);
    EXPECT_EQ(manifest.Find("AUTHOR")->text, "Two  words");
    EXPECT_EQ(manifest.Find("MYOWNKEY")->number, 7);
    EXPECT_EQ(manifest.Find("SKIN2_TITLEBAR1")->text, "title 1.bmp");
    EXPECT_EQ(manifest.entries[0].line, 3);
}

TEST(SkinManifest, NamesTheLineAndTheFaultOfEveryBadLine)
{
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"colour SKIN2_FORMCOLOR #ECEFF", "line 1: '#ECEFF' is not a valid value for 'SKIN2_FORMCOLOR'"},
        {"colour SKIN2_FORMCOLOR ECEFF4", "line 1: 'ECEFF4' is not a valid value for 'SKIN2_FORMCOLOR'"},
        {"integer SKIN2_TITLEBARICONPOSX 8px", "line 1: '8px' is not a valid value for 'SKIN2_TITLEBARICONPOSX'"},
        {"integer SKIN2_TITLEBARICONPOSX 99999999999", "line 1: '99999999999' is not a valid value for 'SKIN2_TITLEBARICONPOSX'"},
        {"flag SKIN2_TITLEFIVESECT maybe", "line 1: 'maybe' is not a valid value for 'SKIN2_TITLEFIVESECT'"},
        {"image SKIN2_FORMCOLOR form.bmp", "line 1: 'SKIN2_FORMCOLOR' is a key of kind colour"},
        {"image SKIN2_TITLEBAR6 t.bmp", "line 1: 'SKIN2_TITLEBAR6' is not a skin key"},
        {"picture SKIN2_TITLEBAR1 t.bmp", "line 1: unknown kind 'picture' (colour, integer, flag, string or image)"},
        {"integer SKIN2_TITLEBARICONPOSX 8 9", "line 1: unexpected text after the value of 'SKIN2_TITLEBARICONPOSX'"},
        {"image SKIN2_TITLEBAR1", "line 1: '' is not a valid value for 'SKIN2_TITLEBAR1'"},
        {"string", "line 1: a name of 1 to 64 characters is needed"},
    };
    for (const auto& c : cases) {
        const SkinManifest manifest = ParseSkinManifest(c.line);
        ASSERT_EQ(manifest.errors.size(), 1u) << c.line;
        EXPECT_EQ(manifest.errors[0], c.error);
        EXPECT_TRUE(manifest.entries.empty()) << c.line;
    }
    const SkinManifest twice = ParseSkinManifest("flag SKIN2_TITLEFIVESECT yes\n\nflag SKIN2_TITLEFIVESECT no\n");
    ASSERT_EQ(twice.errors.size(), 1u);
    EXPECT_EQ(twice.errors[0], "line 3: 'SKIN2_TITLEFIVESECT' is given twice");
}

} // namespace
} // namespace orvane
