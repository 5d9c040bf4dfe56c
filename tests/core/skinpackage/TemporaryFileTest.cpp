#include "core/skinpackage/TemporaryFile.h"

#include "TestPackages.h"

#include <gtest/gtest.h>

#include <csignal>
#include <regex>

#include <sys/wait.h>
#include <unistd.h>

namespace orvane {
namespace {

using test::Bytes;

// The entry of this process's open files whose file was at `path` before its
// name was removed, or nothing.
std::filesystem::path OpenFileOf(const std::filesystem::path& path)
{
    const std::string removed = path.string() + " (deleted)";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        std::error_code linkError;
        if (std::filesystem::read_symlink(entry.path(), linkError).string() == removed)
            return entry.path();
    }
    return {};
}

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
        // Its name is gone at once; the open file stays, and other users can
        // neither read nor write it.
        EXPECT_TRUE(temporary.Empty());
        const std::filesystem::path openFile = OpenFileOf(file.Path());
        ASSERT_FALSE(openFile.empty()) << "no open file of " << file.Path();
        EXPECT_EQ(std::filesystem::status(openFile).permissions(),
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

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

// A program ended by a signal runs no destructor: the file must not outlive
// it all the same.
TEST(TemporaryFile, LeavesNothingWhenTheProgramIsKilled)
{
    test::TemporaryFolderRedirect temporary;
    for (const int signal : {SIGINT, SIGTERM, SIGKILL}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            TemporaryFile file;
            if (!file.IsOpen() || !file.Write(test::BytesOf("half a record file")))
                _exit(1);
            std::signal(signal, SIG_DFL);
            raise(signal);
            _exit(2);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "signal " << signal << ", exit " << WEXITSTATUS(status);
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_TRUE(temporary.Empty()) << "signal " << signal;
    }
}

} // namespace
} // namespace orvane
