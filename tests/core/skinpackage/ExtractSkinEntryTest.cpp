#include "core/skinpackage/ExtractSkinEntry.h"

#include "core/base/LittleEndian.h"
#include "core/skinpackage/SkinLimits.h"
#include "core/skinpackage/TraditionalCipher.h"

#include "TestPackages.h"

#include <gtest/gtest.h>

#include <random>

namespace orvane {
namespace {

using test::Bytes;
using test::PackageEntry;

constexpr std::string_view EntryName = "SKINDATA.SK2";

Bytes SkinLikeData(std::size_t size)
{
    std::mt19937 random(7);
    Bytes data;
    while (data.size() < size) {
        const std::uint8_t value = std::uint8_t(random() % 6 * 40);
        data.insert(data.end(), 1 + random() % 30, value);
    }
    data.resize(size);
    return data;
}

ExtractResult ExtractFromMemory(const Bytes& package, std::string_view password, Bytes& output,
    std::string_view name = EntryName)
{
    return ExtractSkinEntry(package, name, output, password);
}

TEST(ExtractSkinEntry, HandBuiltPackagesLoadWithTheRightPasswordOnly)
{
    const Bytes data = SkinLikeData(100000);
    const struct {
        const char* what;
        bool deflated;
        bool encrypted;
        bool timeCheck;
    } kinds[] = {
        {"deflated", true, false, false},
        {"stored", false, false, false},
        {"deflated, encrypted, CRC check byte", true, true, false},
        {"stored, encrypted, CRC check byte", false, true, false},
        {"deflated, encrypted, time check byte", true, true, true},
        {"stored, encrypted, time check byte", false, true, true},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.what);
        PackageEntry entry{std::string(EntryName), data, kind.deflated, kind.encrypted ? "right" : "", kind.timeCheck};
        const Bytes package = test::BuildPackage({{"README.TXT", test::BytesOf("hello")}, entry});

        Bytes output;
        EXPECT_EQ(ExtractFromMemory(package, kind.encrypted ? "right" : "", output), ExtractResult::Extracted);
        EXPECT_TRUE(output == data);
        if (!kind.encrypted) {
            // An entry without encryption ignores the password.
            EXPECT_EQ(ExtractFromMemory(package, "anything", output), ExtractResult::Extracted);
            continue;
        }
        for (const char* password : {"", "wrong", "Right", "righ"}) {
            EXPECT_EQ(ExtractFromMemory(package, password, output), ExtractResult::WrongPassword) << password;
            EXPECT_TRUE(output.empty());
        }
    }
}

// A password other than the right one whose decrypted header ends in the
// expected check byte (about one in 256 does).
std::string PasswordPassingTheCheckByte(const Bytes& package, std::size_t dataOffset, std::uint8_t checkByte,
    const std::string& right)
{
    for (int i = 0; i < 100000; ++i) {
        const std::string candidate = "guess" + std::to_string(i);
        if (candidate == right)
            continue;
        TraditionalCipher cipher(candidate);
        std::uint8_t last = 0;
        for (std::size_t k = 0; k < 12; ++k)
            last = cipher.Decrypt(package[dataOffset + k]);
        if (last == checkByte)
            return candidate;
    }
    return {};
}

TEST(ExtractSkinEntry, AWrongPasswordPassingTheCheckByteStillFails)
{
    const Bytes data = SkinLikeData(3000);
    for (const bool deflated : {true, false}) {
        SCOPED_TRACE(deflated ? "deflated" : "stored");
        const Bytes package = test::BuildPackage({{std::string(EntryName), data, deflated, "right", true}});
        const auto layout = test::LayoutOfSingleEntryPackage(package);
        const std::uint8_t checkByte = std::uint8_t(ReadU16LE(package, 10) >> 8); // time, high byte
        const std::string impostor = PasswordPassingTheCheckByte(package, layout.dataOffset, checkByte, "right");
        ASSERT_FALSE(impostor.empty());
        Bytes output;
        EXPECT_EQ(ExtractFromMemory(package, impostor, output), ExtractResult::WrongPassword) << impostor;
    }
}

TEST(ExtractSkinEntry, FindsTheEntryWhateverTheCaseOfItsName)
{
    const Bytes data = SkinLikeData(500);
    const Bytes package = test::BuildPackage({{"skindata.sk2", data}});
    Bytes output;
    EXPECT_EQ(ExtractFromMemory(package, "", output), ExtractResult::Extracted);
    EXPECT_TRUE(output == data);
    EXPECT_EQ(ExtractFromMemory(package, "", output, "SkinData.Sk2"), ExtractResult::Extracted);
    EXPECT_EQ(ExtractFromMemory(package, "", output, "SKINDATA.SK"), ExtractResult::ReadFailed);
}

TEST(ExtractSkinEntry, ReportsDamagedPackagesWithTheFailingStep)
{
    const Bytes data = SkinLikeData(20000);
    const Bytes good = test::BuildPackage({{std::string(EntryName), data}});
    const auto layout = test::LayoutOfSingleEntryPackage(good);
    const auto changed = [&](auto&& change) {
        Bytes package = good;
        change(package);
        return package;
    };

    Bytes storedDamaged = test::BuildPackage({{std::string(EntryName), data, false}});
    storedDamaged[test::LayoutOfSingleEntryPackage(storedDamaged).dataOffset + 100] ^= 1;
    const auto overLimit = [&](std::uint32_t size) {
        return changed([&](Bytes& p) { WriteU32LE(p, layout.directoryOffset + 24, size); });
    };

    const struct {
        const char* what;
        Bytes package;
        ExtractResult result;
        SkinReadFailure failure;
    } cases[] = {
        {"empty file", {}, ExtractResult::ReadFailed, SkinReadFailure::NotAnArchive},
        {"only the signature", test::BytesOf("SK\x03\x04"), ExtractResult::ReadFailed, SkinReadFailure::NotAnArchive},
        {"PK signature", test::BuildPackage({{std::string(EntryName), data}}, true), ExtractResult::ReadFailed,
            SkinReadFailure::NotAnArchive},
        {"no such entry", test::BuildPackage({{"OTHER.SK2", data}}), ExtractResult::ReadFailed,
            SkinReadFailure::EntryNotFound},
        {"archive comment", changed([](Bytes& p) {
             p[p.size() - 2] = 3;
             p.insert(p.end(), {'a', 'b', 'c'});
         }),
            ExtractResult::ReadFailed, SkinReadFailure::NotAnArchive},
        {"end record damaged", changed([](Bytes& p) { p[p.size() - 22] = 'Q'; }), ExtractResult::ReadFailed,
            SkinReadFailure::NotAnArchive},
        {"directory offset past the end", changed([&](Bytes& p) {
             WriteU32LE(p, layout.endRecordOffset + 16, 0x7FFFFFF0);
         }),
            ExtractResult::ReadFailed, SkinReadFailure::DamagedDirectory},
        {"name longer than 259 bytes", test::BuildPackage({{std::string(300, 'N'), data}, {std::string(EntryName), data}}),
            ExtractResult::ReadFailed, SkinReadFailure::DamagedDirectory},
        {"local header offset past the end", changed([&](Bytes& p) {
             WriteU32LE(p, layout.directoryOffset + 42, 0x7FFFFFF0);
         }),
            ExtractResult::ReadFailed, SkinReadFailure::DamagedDirectory},
        {"empty entry", test::BuildPackage({{std::string(EntryName), {}}}), ExtractResult::ReadFailed,
            SkinReadFailure::EmptyEntry},
        {"recorded size larger", overLimit(std::uint32_t(data.size() + 1)), ExtractResult::WrongPassword,
            SkinReadFailure::DamagedData},
        {"recorded size smaller", overLimit(std::uint32_t(data.size() - 1)), ExtractResult::WrongPassword,
            SkinReadFailure::DamagedData},
        {"recorded size over the limit", overLimit(std::uint32_t(MaxSkinRecordFileSize + 1)), ExtractResult::ReadFailed,
            SkinReadFailure::OverLimit},
        {"recorded size near 4 GiB", overLimit(0xFFFFFFFFu), ExtractResult::ReadFailed, SkinReadFailure::OverLimit},
        {"reserved block type", changed([&](Bytes& p) { p[layout.dataOffset] |= 0x06; }), ExtractResult::WrongPassword,
            SkinReadFailure::DamagedData},
        {"stored entry with a wrong CRC", storedDamaged, ExtractResult::WrongPassword, SkinReadFailure::BadCrc},
        {"deflated entry with a wrong CRC", changed([&](Bytes& p) { p[layout.directoryOffset + 16] ^= 0x40; }),
            ExtractResult::WrongPassword, SkinReadFailure::BadCrc},
        {"encrypted entry without password", test::BuildPackage({{std::string(EntryName), data, true, "pw"}}),
            ExtractResult::WrongPassword, SkinReadFailure::PasswordNeeded},
    };
    for (const auto& c : cases) {
        Bytes output{1, 2, 3};
        SkinReadFailure failure = SkinReadFailure::None;
        EXPECT_EQ(ExtractSkinEntry(c.package, EntryName, output, "", &failure), c.result) << c.what;
        EXPECT_EQ(failure, c.failure) << c.what << ": " << DescribeSkinReadFailure(failure);
        EXPECT_TRUE(output.empty()) << c.what;
    }

    // Every cut of the package fails, whichever way.
    for (std::size_t cut = 0; cut < good.size(); cut += 7) {
        Bytes output;
        EXPECT_NE(ExtractFromMemory(Bytes(good.begin(), good.begin() + std::ptrdiff_t(cut)), "", output),
            ExtractResult::Extracted)
            << cut;
    }
}

TEST(ExtractSkinEntry, NoBitFlipInDeflatedDataLoadsAsOtherBytes)
{
    // Many flips in a deflated stream still decode, to other bytes of the
    // same length; only the CRC-32 tells them from the entry.
    const Bytes data = SkinLikeData(3000);
    const Bytes good = test::BuildPackage({{std::string(EntryName), data}});
    const auto layout = test::LayoutOfSingleEntryPackage(good);
    int decodedToOtherBytes = 0;
    for (std::size_t at = layout.dataOffset; at < layout.directoryOffset; ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            Bytes package = good;
            package[at] ^= std::uint8_t(1u << bit);
            Bytes output;
            SkinReadFailure failure = SkinReadFailure::None;
            const ExtractResult result = ExtractSkinEntry(package, EntryName, output, "", &failure);
            if (result == ExtractResult::Extracted) {
                EXPECT_TRUE(output == data) << "byte " << at << ", bit " << bit;
                continue;
            }
            EXPECT_EQ(result, ExtractResult::WrongPassword);
            decodedToOtherBytes += failure == SkinReadFailure::BadCrc;
        }
    }
    EXPECT_GT(decodedToOtherBytes, 0); // the sample does reach the CRC check
}

class ExtractSkinEntryFile : public ::testing::Test {
protected:
    test::ScratchFolder scratch;
    std::filesystem::path Output() const { return scratch.Path() / "output.sk2"; }
    std::filesystem::path Package(const Bytes& bytes, const char* name = "package.ssk") const
    {
        test::WriteFile(scratch.Path() / name, bytes);
        return scratch.Path() / name;
    }
};

TEST_F(ExtractSkinEntryFile, WritesTheEntryOrRemovesTheOutputFile)
{
    const Bytes data = SkinLikeData(150000);
    const auto package = Package(test::BuildPackage({{std::string(EntryName), data, true, "pw"}}));

    EXPECT_EQ(ExtractSkinEntry(package, EntryName, Output(), "pw"), ExtractResult::Extracted);
    EXPECT_TRUE(test::ReadFile(Output()) == data);

    // An existing output file goes on failure, whatever the cause.
    EXPECT_EQ(ExtractSkinEntry(package, EntryName, Output(), "wrong"), ExtractResult::WrongPassword);
    EXPECT_FALSE(std::filesystem::exists(Output()));
    test::WriteFile(Output(), test::BytesOf("old"));
    EXPECT_EQ(ExtractSkinEntry(package, "MISSING.SK2", Output(), "pw"), ExtractResult::ReadFailed);
    EXPECT_FALSE(std::filesystem::exists(Output()));
    test::WriteFile(Output(), test::BytesOf("old"));
    EXPECT_EQ(ExtractSkinEntry(scratch.Path() / "no-such.ssk", EntryName, Output(), "pw"), ExtractResult::ReadFailed);
    EXPECT_FALSE(std::filesystem::exists(Output()));
    EXPECT_EQ(ExtractSkinEntry(scratch.Path(), EntryName, Output(), "pw"), ExtractResult::ReadFailed);
}

TEST_F(ExtractSkinEntryFile, ReadsPackagesMadeByTheZipTool)
{
    const Bytes data = SkinLikeData(60000);
    test::WriteFile(scratch.Path() / "SKINDATA.SK2", data);
    test::WriteFile(scratch.Path() / "notes.txt", test::BytesOf("other entries are ignored"));
    const std::vector<std::string> files = {"notes.txt", "SKINDATA.SK2"};

    const struct {
        const char* what;
        std::string options;
        std::string password;
    } kinds[] = {
        {"deflated", "-9", ""},
        {"stored", "-0", ""},
        {"deflated, encrypted", "-P secret", "secret"},
        {"stored, encrypted", "-0 -P secret", "secret"},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.what);
        const auto package = Package(test::ZipWithTool(scratch.Path(), files, kind.options));
        EXPECT_EQ(ExtractSkinEntry(package, EntryName, Output(), kind.password), ExtractResult::Extracted);
        EXPECT_TRUE(test::ReadFile(Output()) == data);
        if (!kind.password.empty()) {
            EXPECT_EQ(ExtractSkinEntry(package, EntryName, Output(), ""), ExtractResult::WrongPassword);
            EXPECT_EQ(ExtractSkinEntry(package, EntryName, Output(), "Secret"), ExtractResult::WrongPassword);
        }
        const auto pkPackage = Package(test::ZipWithTool(scratch.Path(), files, kind.options, true), "original.zip");
        EXPECT_EQ(ExtractSkinEntry(pkPackage, EntryName, Output(), kind.password), ExtractResult::ReadFailed);
    }
}

} // namespace
} // namespace orvane
