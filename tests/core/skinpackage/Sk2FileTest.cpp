#include "core/skinpackage/Sk2File.h"

#include "core/base/Exception.h"
#include "core/base/LittleEndian.h"
#include "core/skinpackage/Sk2Writer.h"

#include "TestPackages.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Bytes;

const std::vector<Sk2Entry> sampleEntries = {
    {"SKIN2_TITLEBAR1", Sk2EntryType::Image, {'B', 'M', 1, 2, 3}},
    {"SKIN2_TITLEBARICONPOSX", Sk2EntryType::Integer, {0xFE, 0xFF, 0xFF, 0xFF}},
    {"SKIN2_TITLEFIVESECT", Sk2EntryType::Bool, {1}},
    {"SKIN2_NAME", Sk2EntryType::String, {'B', 'l', 'u', 'e'}},
    {std::string(64, 'L'), Sk2EntryType::String, {}},
};

// Offsets of the entry headers of a file written by WriteSk2File.
std::vector<std::size_t> HeaderOffsets(const Bytes& file)
{
    std::vector<std::size_t> offsets;
    std::size_t at = ReadU32LE(file, 20);
    for (;;) {
        offsets.push_back(at);
        const std::uint32_t next = ReadU32LE(file, at + TSk2EntryHeader::NextOffsetField);
        if (next == 0)
            return offsets;
        at = next;
    }
}

TEST(Sk2File, ReadsWhatTheWriterWrote)
{
    const Bytes file = WriteSk2File(sampleEntries);
    const auto entries = ReadSk2File(file);
    ASSERT_TRUE(entries);
    EXPECT_EQ(*entries, sampleEntries);
    EXPECT_EQ(ReadU32LE(file, 12), TSk2FileHeader::Size);
    EXPECT_EQ(HeaderOffsets(file).size(), sampleEntries.size() + 1);
}

TEST(Sk2File, TheTerminatingHeaderEndsTheChainUnread)
{
    // One entry and the terminator: exactly that entry.
    const Bytes one = WriteSk2File({sampleEntries[1]});
    ASSERT_TRUE(ReadSk2File(one));
    EXPECT_EQ(ReadSk2File(one)->size(), 1u);

    // No entries: the first header already terminates; empty, not a failure.
    const Bytes none = WriteSk2File({});
    ASSERT_TRUE(ReadSk2File(none));
    EXPECT_TRUE(ReadSk2File(none)->empty());

    // A header with next offset 0 is not loaded even when it names data.
    Bytes file = WriteSk2File({sampleEntries[1], sampleEntries[2]});
    WriteU32LE(file, HeaderOffsets(file)[1] + TSk2EntryHeader::NextOffsetField, 0);
    ASSERT_TRUE(ReadSk2File(file));
    EXPECT_EQ(*ReadSk2File(file), std::vector<Sk2Entry>{sampleEntries[1]});
}

TEST(Sk2File, SkipsUnknownTypes)
{
    Bytes file = WriteSk2File(sampleEntries);
    file[HeaderOffsets(file)[0] + TSk2EntryHeader::TypeOffset] = 7;
    // An unknown entry's data is never looked at.
    WriteU32LE(file, HeaderOffsets(file)[0] + TSk2EntryHeader::DataOffsetField, 0xFFFFFF00);
    const auto entries = ReadSk2File(file);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->size(), sampleEntries.size() - 1);
    EXPECT_EQ(entries->front().name, "SKIN2_TITLEBARICONPOSX");
}

TEST(Sk2File, RejectsFilesItCannotRead)
{
    const Bytes good = WriteSk2File(sampleEntries);
    const auto offsets = HeaderOffsets(good);
    const auto changed = [&](std::size_t at, std::uint32_t value) {
        Bytes file = good;
        WriteU32LE(file, at, value);
        return file;
    };
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"shorter than the header", Bytes(good.begin(), good.begin() + 15)},
        {"header length above 24", changed(12, 25)},
        {"header length past the end", Bytes(good.begin(), good.begin() + 20)},
        {"first header past the end", changed(20, std::uint32_t(good.size() - 10))},
        {"next header past the end", changed(offsets[1] + TSk2EntryHeader::NextOffsetField, 0xFFFFFFF0)},
        {"data past the end", changed(offsets[0] + TSk2EntryHeader::DataSizeField, std::uint32_t(good.size()))},
        {"integer of 3 bytes", changed(offsets[1] + TSk2EntryHeader::DataSizeField, 3)},
        {"bool of 2 bytes", changed(offsets[2] + TSk2EntryHeader::DataSizeField, 2)},
        {"chain back to an earlier header", changed(offsets[2] + TSk2EntryHeader::NextOffsetField, std::uint32_t(offsets[1]))},
        {"chain back to itself", changed(offsets[0] + TSk2EntryHeader::NextOffsetField, std::uint32_t(offsets[0]))},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(ReadSk2File(c.file)) << c.what;
}

TEST(Sk2Writer, RejectsNamesLongerThanTheNameField)
{
    EXPECT_THROW(WriteSk2File({{std::string(65, 'N'), Sk2EntryType::Bool, {1}}}), Exception);
}

} // namespace
} // namespace orvane
