#include "core/skinpackage/Sk2SkinFileReader.h"

#include "core/base/Exception.h"
#include "core/raster/WindowsBitmapFile.h"
#include "core/base/LittleEndian.h"
#include "core/skinpackage/SkinLimits.h"
#include "core/skinpackage/SkinReadError.h"
#include "core/skinpackage/Sk2Writer.h"

#include "TestPackages.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// How a load failed: the message the program shows and the step the tool names.
struct LoadFailure {
    std::string message;
    SkinReadFailure failure = SkinReadFailure::None;
};

// Loads run with the temporary folder pointed at a scratch folder, so that
// the test sees every file a load leaves behind.
class Sk2SkinFileReaderTest : public ::testing::Test {
protected:
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
    std::filesystem::path RecordFilePackage(const Bytes& recordFile)
    {
        return Package(test::BuildPackage({{"SKINDATA.SK2", recordFile}}));
    }
    bool TemporaryFolderEmpty() const { return temporary.Empty(); }

    LoadFailure FailureOf(const std::filesystem::path& package, const std::string& password)
    {
        try {
            Tsk2SkinFileReader reader(package, password);
        } catch (const SkinReadError& error) {
            return {error.what(), error.Failure()};
        }
        return {"no error"};
    }

    test::ScratchFolder packages;
    test::TemporaryFolderRedirect temporary;
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

TEST_F(Sk2SkinFileReaderTest, FailuresRaiseTheSkinMessagesNameTheStepAndLeaveNoTemporaryFile)
{
    Bytes badImage = WriteSk2File({{"SKIN2_TITLEBAR1", Sk2EntryType::Image, test::BytesOf("BM not a bitmap")}});
    Bytes corruptedCrc = test::BuildPackage({{"SKINDATA.SK2", WriteSk2File(SkinEntries())}});
    corruptedCrc[test::LayoutOfSingleEntryPackage(corruptedCrc).directoryOffset + 16] ^= 1;
    constexpr std::string_view wrongPassword = "Wrong password!";
    constexpr std::string_view readFailed = "Failed to read skin file!";
    const struct {
        const char* what;
        std::filesystem::path package;
        std::string password;
        std::string_view message;
        SkinReadFailure failure;
    } cases[] = {
        {"no password", SkinPackage("pw"), "", wrongPassword, SkinReadFailure::PasswordNeeded},
        {"wrong password", SkinPackage("pw"), "wp", wrongPassword, SkinReadFailure::WrongPassword},
        {"wrong password, stored", SkinPackage("pw", false), "wp", wrongPassword, SkinReadFailure::WrongPassword},
        {"deflated entry with a wrong CRC", Package(corruptedCrc), "", wrongPassword, SkinReadFailure::BadCrc},
        {"PK package", Package(test::BuildPackage({{"SKINDATA.SK2", WriteSk2File(SkinEntries())}}, true)), "",
            readFailed, SkinReadFailure::NotAnArchive},
        {"missing package", packages.Path() / "missing.ssk", "", readFailed, SkinReadFailure::CannotOpen},
        {"no SKINDATA.SK2", Package(test::BuildPackage({{"OTHER.SK2", WriteSk2File(SkinEntries())}})), "",
            readFailed, SkinReadFailure::EntryNotFound},
        {"damaged record file", RecordFilePackage(test::BytesOf("short")), "", readFailed,
            SkinReadFailure::DamagedRecordFile},
        {"image that is no bitmap", RecordFilePackage(badImage), "", readFailed, SkinReadFailure::DamagedImage},
    };
    for (const auto& c : cases) {
        const LoadFailure failure = FailureOf(c.package, c.password);
        EXPECT_EQ(failure.message, c.message) << c.what;
        EXPECT_EQ(failure.failure, c.failure) << c.what << ": " << DescribeSkinReadFailure(failure.failure);
        EXPECT_TRUE(TemporaryFolderEmpty()) << c.what;
    }
}

// A bitmap file of the given size with run-length data that only ends the
// bitmap: a few bytes that declare any number of pixels.
Bytes RunLengthBitmap(int width, int height)
{
    Bytes file(14 + 40 + 8, 0);
    WriteU16LE(file, 0, 0x4D42);
    WriteU32LE(file, 10, 14 + 40 + 4);
    WriteU32LE(file, 14, 40);
    WriteU32LE(file, 18, std::uint32_t(width));
    WriteU32LE(file, 22, std::uint32_t(height));
    WriteU16LE(file, 26, 1);
    WriteU16LE(file, 28, 8);
    WriteU32LE(file, 30, 1); // RLE8
    WriteU32LE(file, 46, 1); // one palette colour, black
    file[14 + 40 + 4 + 1] = 1; // 0, 1: end of bitmap
    WriteU32LE(file, 2, std::uint32_t(file.size()));
    return file;
}

// A record file of exactly `size` bytes: one string entry fills it.
Bytes RecordFileOfSize(std::uint64_t size)
{
    const std::size_t overhead = TSk2FileHeader::Size + 2 * TSk2EntryHeader::Size;
    return WriteSk2File({{"FILLER", Sk2EntryType::String, Bytes(std::size_t(size) - overhead, 'x')}});
}

// A record file whose records all name the same block of data: the block is
// stored once and copied once per record.
Bytes SharedDataRecordFile(const Bytes& block, Sk2EntryType type, const std::vector<std::uint32_t>& sizes)
{
    Bytes file(TSk2FileHeader::Size + block.size(), 0);
    WriteU32LE(file, 12, TSk2FileHeader::Size);
    std::copy(block.begin(), block.end(), file.begin() + TSk2FileHeader::Size);
    WriteU32LE(file, 20, std::uint32_t(file.size()));
    const auto header = [&](const std::string& name, std::uint8_t kind, std::uint32_t size, bool last) {
        const std::size_t at = file.size();
        file.resize(at + TSk2EntryHeader::Size, 0);
        std::copy(name.begin(), name.end(), file.begin() + std::ptrdiff_t(at));
        file[at + TSk2EntryHeader::TypeOffset] = kind;
        WriteU32LE(file, at + TSk2EntryHeader::DataOffsetField, TSk2FileHeader::Size);
        WriteU32LE(file, at + TSk2EntryHeader::DataSizeField, size);
        WriteU32LE(file, at + TSk2EntryHeader::NextOffsetField, last ? 0 : std::uint32_t(file.size()));
    };
    for (std::size_t i = 0; i < sizes.size(); ++i)
        header("SHARED" + std::to_string(i), std::uint8_t(type), sizes[i], false);
    header("", 0xFF, 0, true);
    return file;
}

TEST_F(Sk2SkinFileReaderTest, PackagesAtEachLimitLoadAndJustOverFailFast)
{
    const auto image = [](int width, int height) {
        return Sk2Entry{"SKIN2_IMAGE", Sk2EntryType::Image, RunLengthBitmap(width, height)};
    };
    constexpr int side = 4096; // MaxSkinImagePixels is side x side
    static_assert(std::uint64_t(side) * side == MaxSkinImagePixels);
    static_assert(2 * MaxSkinImagePixels == MaxSkinTotalPixels);
    constexpr std::uint32_t quarterOfCopies = MaxSkinRecordBytesCopied / 4;
    const Bytes sharedBlock(quarterOfCopies, 'x');
    const std::vector<std::uint32_t> fourQuarters(4, quarterOfCopies);
    std::vector<std::uint32_t> fourQuartersAndAByte = fourQuarters;
    fourQuartersAndAByte.push_back(1);

    // A 1-bit 2048 x 2048 bitmap, named by 400 records: 2.9 KB deflated.
    Bytes oneBitBitmap = EncodeWindowsBitmap(Checker(1, 1));
    WriteU32LE(oneBitBitmap, 18, 2048);
    WriteU32LE(oneBitBitmap, 22, 2048);
    WriteU16LE(oneBitBitmap, 28, 1);
    WriteU32LE(oneBitBitmap, 10, 14 + 40 + 8);
    oneBitBitmap.resize(14 + 40 + 8 + 2048 * 2048 / 8, 0);

    const struct {
        const char* what;
        Bytes recordFile;
        bool loads;
    } cases[] = {
        {"record file at the size limit", RecordFileOfSize(MaxSkinRecordFileSize), true},
        {"record file a byte over", RecordFileOfSize(MaxSkinRecordFileSize + 1), false},
        {"records copying the limit", SharedDataRecordFile(sharedBlock, Sk2EntryType::String, fourQuarters), true},
        {"records copying a byte over", SharedDataRecordFile(sharedBlock, Sk2EntryType::String, fourQuartersAndAByte),
            false},
        {"400 records naming one 2048 x 2048 bitmap",
            SharedDataRecordFile(oneBitBitmap, Sk2EntryType::Image,
                std::vector<std::uint32_t>(400, std::uint32_t(oneBitBitmap.size()))),
            false},
        {"image at the pixel limit", WriteSk2File({image(side, side)}), true},
        {"image a row over", WriteSk2File({image(side, side + 1)}), false},
        {"16384 x 16384 image", WriteSk2File({image(16384, 16384)}), false},
        {"images at the total limit", WriteSk2File({image(side, side), image(side / 2, side * 2)}), true},
        {"images a pixel over", WriteSk2File({image(side, side), image(side, side), image(1, 1)}), false},
    };
    for (const auto& c : cases) {
        const auto package = RecordFilePackage(c.recordFile);
        const LoadFailure failure = FailureOf(package, "");
        if (c.loads) {
            EXPECT_EQ(failure.message, "no error") << c.what;
        } else {
            EXPECT_EQ(failure.message, "Failed to read skin file!") << c.what;
            EXPECT_EQ(failure.failure, SkinReadFailure::OverLimit) << c.what;
        }
        EXPECT_TRUE(TemporaryFolderEmpty()) << c.what;
        std::filesystem::remove(package);
    }
}

} // namespace
} // namespace orvane
