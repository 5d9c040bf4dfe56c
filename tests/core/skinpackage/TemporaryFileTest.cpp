#include "core/skinpackage/TemporaryFile.h"

#include "TestPackages.h"

#include <gtest/gtest.h>

#include <regex>

namespace orvane {
namespace {

using test::Bytes;

TEST(TemporaryFile, IsCreatedForItsOwnerOnlyAndGoesWithTheObject)
{
    test::TemporaryFolderRedirect temporary;
    {
        TemporaryFile file;
        ASSERT_TRUE(file.IsOpen());
        EXPECT_EQ(file.Path().parent_path(), temporary.Path());
        EXPECT_TRUE(std::regex_match(file.Path().filename().string(),
            std::regex(R"(\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\})")))
            << file.Path();
        // While it exists, other users can neither read nor write it.
        const auto permissions = std::filesystem::status(file.Path()).permissions();
        EXPECT_EQ(permissions, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

        EXPECT_TRUE(file.Write(test::BytesOf("record ")));
        EXPECT_TRUE(file.Write(test::BytesOf("file")));
        EXPECT_EQ(file.ReadAll(), test::BytesOf("record file"));
    }
    EXPECT_TRUE(temporary.Empty());
}

TEST(TemporaryFile, NeverOpensOrRemovesWhatIsAlreadyAtItsPath)
{
    test::ScratchFolder scratch;
    const auto planted = scratch.Path() / "planted";
    test::WriteFile(planted, test::BytesOf("someone else's"));
    const auto link = scratch.Path() / "link";
    const auto linkTarget = scratch.Path() / "target";
    std::filesystem::create_symlink(linkTarget, link);

    for (const auto& path : {planted, link}) {
        {
            TemporaryFile file(path);
            EXPECT_FALSE(file.IsOpen()) << path;
            EXPECT_FALSE(file.Write(test::BytesOf("decrypted skin"))) << path;
            EXPECT_FALSE(file.ReadAll()) << path;
        }
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(path))) << path;
    }
    EXPECT_EQ(test::ReadFile(planted), test::BytesOf("someone else's"));
    EXPECT_FALSE(std::filesystem::exists(linkTarget));
}

} // namespace
} // namespace orvane
