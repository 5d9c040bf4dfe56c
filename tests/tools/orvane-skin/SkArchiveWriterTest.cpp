#include "SkArchiveWriter.h"

#include "core/base/FileBytes.h"

#include "core/skinpackage/ExtractSkinEntry.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace orvane {
namespace {

class SkArchiveWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() / ("orvane-archive-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
};

std::vector<std::uint8_t> Content()
{
    std::vector<std::uint8_t> data;
    for (int i = 0; i < 100000; ++i)
        data.push_back(std::uint8_t((i * 7) % 251 < 200 ? 'a' + i % 3 : i));
    return data;
}

TEST_F(SkArchiveWriterTest, PackagesReadBackThroughTheProgramsExtractor)
{
    const auto content = Content();
    const struct {
        const char* name;
        SkCompression compression;
        const char* password;
    } cases[] = {
        {"deflated", SkCompression::Deflate, ""},
        {"stored", SkCompression::Store, ""},
        {"deflated and encrypted", SkCompression::Deflate, "pass word"},
        {"stored and encrypted", SkCompression::Store, "pass word"},
    };
    for (const auto& c : cases) {
        SkArchiveOptions options;
        options.compression = c.compression;
        options.password = c.password;
        const auto archive = WriteSkArchive({{"README.TXT", {'h', 'i'}}, {"SKINDATA.SK2", content}}, options);
        ASSERT_GE(archive.size(), 2u);
        EXPECT_EQ(archive[0], 'S') << c.name;
        EXPECT_EQ(archive[1], 'K') << c.name;
        const auto package = folder / "package.ssk";
        const auto output = folder / "entry";
        ASSERT_TRUE(WriteFileBytes(package, archive));
        ASSERT_EQ(ExtractSkinEntry(package, "skindata.sk2", output, c.password), ExtractResult::Extracted) << c.name;
        EXPECT_EQ(ReadFileBytes(output), content) << c.name;
        if (std::string(c.password).empty())
            continue;
        EXPECT_EQ(ExtractSkinEntry(package, "SKINDATA.SK2", output, ""), ExtractResult::WrongPassword) << c.name;
        EXPECT_EQ(ExtractSkinEntry(package, "SKINDATA.SK2", output, "pass-word"), ExtractResult::WrongPassword)
            << c.name;
    }
}

TEST_F(SkArchiveWriterTest, TheSameInputGivesTheSamePackage)
{
    SkArchiveOptions options;
    options.password = "x";
    options.encryptionSeed = 42;
    const auto first = WriteSkArchive({{"SKINDATA.SK2", Content()}}, options);
    EXPECT_EQ(WriteSkArchive({{"SKINDATA.SK2", Content()}}, options), first);
    options.encryptionSeed = 43;
    EXPECT_NE(WriteSkArchive({{"SKINDATA.SK2", Content()}}, options), first);
}

} // namespace
} // namespace orvane
