#include "core/skinpackage/Sk2SkinFileReader.h"

#include "core/base/Exception.h"
#include "core/raster/WindowsBitmapFile.h"
#include "core/skinpackage/Sk2Writer.h"

#include "TestPackages.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orvane {
namespace {

using test::Bytes;

Bytes IntegerData(std::int32_t value)
{
    const auto bits = std::uint32_t(value);
    return {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16), std::uint8_t(bits >> 24)};
}

Bitmap Checker(int width, int height)
{
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetColorAt(x, y, (x + y) % 2 ? 0xFF00FF : 0x336699);
    return bitmap;
}

std::vector<Sk2Entry> SkinEntries()
{
    return {
        {"SKIN2_TITLEBAR1", Sk2EntryType::Image, EncodeWindowsBitmap(Checker(30, 20))},
        {"SKIN2_TITLEBUTTONS", Sk2EntryType::Image, EncodeWindowsBitmap(Checker(18, 4), 32)},
        {"SKIN2_TITLEBARICONPOSX", Sk2EntryType::Integer, IntegerData(-12)},
        {"SKIN2_TITLEBARBUTTONPOSY", Sk2EntryType::Integer, IntegerData(7)},
        {"SKIN2_TITLEFIVESECT", Sk2EntryType::Bool, {1}},
        {"SKIN2_BUTTONTRANS", Sk2EntryType::Bool, {0}},
        {"SKIN2_CHECKBOXTRANS", Sk2EntryType::Bool, {0x80}},
        {"SKIN2_AUTHOR", Sk2EntryType::String, test::BytesOf("Orvane")},
    };
}

// Loads run with the temporary folder pointed at a scratch folder, so that
// the test sees every file a load leaves behind.
class Sk2SkinFileReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("TMPDIR");
        hadTmpDir = old != nullptr;
        if (hadTmpDir)
            oldTmpDir = old;
        std::filesystem::create_directories(temporaryFolder);
        setenv("TMPDIR", temporaryFolder.c_str(), 1);
    }
    void TearDown() override
    {
        if (hadTmpDir)
            setenv("TMPDIR", oldTmpDir.c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

    std::filesystem::path Package(const Bytes& bytes)
    {
        const auto path = packages.Path() / ("skin" + std::to_string(count++) + ".ssk");
        test::WriteFile(path, bytes);
        return path;
    }
    std::filesystem::path SkinPackage(const std::string& password = "", bool deflated = true)
    {
        return Package(test::BuildPackage({{"SKINDATA.SK2", WriteSk2File(SkinEntries()), deflated, password}}));
    }
    bool TemporaryFolderEmpty() const { return std::filesystem::is_empty(temporaryFolder); }

    std::string ErrorOf(const std::filesystem::path& package, const std::string& password)
    {
        try {
            Tsk2SkinFileReader reader(package, password);
        } catch (const Exception& error) {
            return error.what();
        }
        return "no error";
    }

    test::ScratchFolder packages;
    test::ScratchFolder temporary;
    std::filesystem::path temporaryFolder = temporary.Path() / "temp";
    bool hadTmpDir = false;
    std::string oldTmpDir;
    int count = 0;
};

TEST_F(Sk2SkinFileReaderTest, LoadsTheFourTablesInFileOrder)
{
    const Tsk2SkinFileReader reader(SkinPackage(), "");
    EXPECT_TRUE(TemporaryFolderEmpty());

    ASSERT_EQ(reader.Images().size(), 2u);
    EXPECT_EQ(reader.Images()[0].name, "SKIN2_TITLEBAR1");
    EXPECT_EQ(*reader.Images()[0].bitmap, Checker(30, 20));
    EXPECT_EQ(reader.Images()[0].bitmap->BitsPerPixel, 24);
    EXPECT_EQ(reader.Images()[1].bitmap->BitsPerPixel, 32);
    EXPECT_EQ(reader.Integers(), (std::vector<std::string>{"SKIN2_TITLEBARICONPOSX=-12", "SKIN2_TITLEBARBUTTONPOSY=7"}));
    EXPECT_EQ(reader.Bools(),
        (std::vector<std::string>{"SKIN2_TITLEFIVESECT=1", "SKIN2_BUTTONTRANS=0", "SKIN2_CHECKBOXTRANS=128"}));
    EXPECT_EQ(reader.Strings(), std::vector<std::string>{"SKIN2_AUTHOR=Orvane"});
}

TEST_F(Sk2SkinFileReaderTest, LookupsIgnoreCaseAndNeverFail)
{
    Tsk2SkinFileReader reader(SkinPackage("pw"), "pw");
    EXPECT_EQ(reader.GetImage("skin2_titlebar1"), reader.Images()[0].bitmap.get());
    EXPECT_EQ(reader.GetInteger("Skin2_TitleBarIconPosX"), -12);
    EXPECT_EQ(reader.GetInteger("SKIN2_TITLEBARBUTTONPOSY"), 7);
    EXPECT_TRUE(reader.GetBool("skin2_titlefivesect"));
    EXPECT_FALSE(reader.GetBool("SKIN2_BUTTONTRANS"));
    EXPECT_TRUE(reader.GetBool("SKIN2_CHECKBOXTRANS"));

    EXPECT_EQ(reader.GetImage("SKIN2_MENUBAR"), nullptr);
    EXPECT_EQ(reader.GetInteger("SKIN2_BOTTOMREGIONMAXY"), -1);
    EXPECT_FALSE(reader.GetBool("SKIN2_TABCONTROLTRANS"));
    // Keys of another table are not found either.
    EXPECT_EQ(reader.GetInteger("SKIN2_TITLEFIVESECT"), -1);
    EXPECT_EQ(reader.GetImage("SKIN2_AUTHOR"), nullptr);

    reader.SetImagesTransparentColor(0xFF00FF);
    for (const auto& image : reader.Images()) {
        EXPECT_TRUE(image.bitmap->Transparent);
        EXPECT_EQ(image.bitmap->TransparentColor, 0xFF00FFu);
    }
}

TEST_F(Sk2SkinFileReaderTest, ZipMadePackagesLoad)
{
    test::ScratchFolder source;
    test::WriteFile(source.Path() / "SKINDATA.SK2", WriteSk2File(SkinEntries()));
    for (const char* options : {"-9", "-0", "-P secret"}) {
        const auto package = Package(test::ZipWithTool(source.Path(), {"SKINDATA.SK2"}, options));
        const std::string password = std::string(options) == "-P secret" ? "secret" : "";
        EXPECT_EQ(Tsk2SkinFileReader(package, password).GetInteger("SKIN2_TITLEBARICONPOSX"), -12) << options;
    }
}

TEST_F(Sk2SkinFileReaderTest, FailuresRaiseTheSkinMessagesAndLeaveNoTemporaryFile)
{
    Bytes badImage = WriteSk2File({{"SKIN2_TITLEBAR1", Sk2EntryType::Image, test::BytesOf("BM not a bitmap")}});
    const struct {
        const char* what;
        std::filesystem::path package;
        std::string password;
        std::string message;
    } cases[] = {
        {"no password", SkinPackage("pw"), "", "Wrong password!"},
        {"wrong password", SkinPackage("pw"), "wp", "Wrong password!"},
        {"wrong password, stored", SkinPackage("pw", false), "wp", "Wrong password!"},
        {"PK package", Package(test::BuildPackage({{"SKINDATA.SK2", WriteSk2File(SkinEntries())}}, true)), "",
            "Failed to read skin file!"},
        {"missing package", packages.Path() / "missing.ssk", "", "Failed to read skin file!"},
        {"no SKINDATA.SK2", Package(test::BuildPackage({{"OTHER.SK2", WriteSk2File(SkinEntries())}})), "",
            "Failed to read skin file!"},
        {"damaged record file", Package(test::BuildPackage({{"SKINDATA.SK2", test::BytesOf("short")}})), "",
            "Failed to read skin file!"},
        {"image that is no bitmap", Package(test::BuildPackage({{"SKINDATA.SK2", badImage}})), "",
            "Failed to read skin file!"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf(c.package, c.password), c.message) << c.what;
        EXPECT_TRUE(TemporaryFolderEmpty()) << c.what;
    }
}

} // namespace
} // namespace orvane
