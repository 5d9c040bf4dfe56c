#include "core/base/Exception.h"
#include "framework/FileAccess.h"
#include "framework/WideText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

namespace orvane::framework {
namespace {

class FileAccessFolder : public testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() / L"file access \u03a9\u4e2d";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(folder);
    }
    std::size_t FilesInFolder() const
    {
        return std::size_t(std::distance(std::filesystem::directory_iterator(folder), {}));
    }

    std::filesystem::path folder;
};

TEST_F(FileAccessFolder, WritesAndReadsFilesWithNamesOutsideTheAnsiCodePage)
{
    const std::wstring path = (folder / L"game \u00e9\u4e2d.std").wstring();
    WriteWholeFile(path, "first\r\n");
    WriteWholeFile(path, "second\r\n");
    EXPECT_EQ(ReadWholeFile(path), "second\r\n");
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(folder.wstring()));
    EXPECT_TRUE(DirectoryExists(folder.wstring()));
    EXPECT_EQ(FilesInFolder(), 1u) << "no temporary file is left behind";
}

TEST_F(FileAccessFolder, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const std::wstring path = (folder / L"kept.std").wstring();
    WriteWholeFile(path, "old content\r\n");
    // Another program reading the file keeps it from being replaced.
    HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    try {
        WriteWholeFile(path, "new content\r\n");
        ADD_FAILURE() << "a file in use was replaced";
    } catch (const Exception& error) {
        EXPECT_NE(std::string(error.what()).find("Cannot create file"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("kept.std"), std::string::npos) << error.what();
    }
    CloseHandle(reader);
    EXPECT_EQ(ReadWholeFile(path), "old content\r\n");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(FileAccessFolder, ReportsFilesThatCannotBeOpenedOrCreated)
{
    EXPECT_THROW(ReadWholeFile((folder / L"missing.std").wstring()), Exception);
    EXPECT_THROW(WriteWholeFile((folder / L"no such folder" / L"x.std").wstring(), "x"), Exception);
}

} // namespace
} // namespace orvane::framework
