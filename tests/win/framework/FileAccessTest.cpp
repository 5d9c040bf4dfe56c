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

// The message that a call throws, or a note that it threw nothing.
template <class Call>
std::wstring ErrorOf(Call call)
{
    try {
        call();
    } catch (const Exception& error) {
        return error.Message();
    }
    return L"(no error)";
}

TEST_F(FileAccessFolder, ReportsFilesThatCannotBeOpenedOrCreatedInPlainWords)
{
    EXPECT_THROW(ReadWholeFile((folder / L"missing.std").wstring()), Exception);

    const std::wstring missingFolder = (folder / L"no such folder Ω").wstring();
    const std::wstring intoMissingFolder = ErrorOf([&] { WriteWholeFile(missingFolder + L"\\x.std", "x"); });
    EXPECT_NE(intoMissingFolder.find(L"The folder \"" + missingFolder + L"\" does not exist."), std::wstring::npos)
        << Utf8FromWide(intoMissingFolder);

    // A sparse file over the limit costs no disk space.
    const std::wstring large = (folder / L"large.std").wstring();
    HANDLE file = CreateFileW(large.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    size.QuadPart = 64LL * 1024 * 1024 + 1;
    SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    const std::wstring tooLarge = ErrorOf([&] { ReadWholeFile(large); });
    EXPECT_NE(tooLarge.find(L"The file is too large: 67108865 bytes, and the limit is 64 MB"), std::wstring::npos)
        << Utf8FromWide(tooLarge);
}

} // namespace
} // namespace orvane::framework
