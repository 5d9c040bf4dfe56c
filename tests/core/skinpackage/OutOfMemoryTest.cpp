// Loads that run out of memory. A separate executable: it replaces the
// global operator new, so that allocations above a cap fail as they do when
// the process's memory is exhausted.
#include "core/raster/WindowsBitmapFile.h"
#include "core/skinpackage/Sk2SkinFileReader.h"
#include "core/skinpackage/Sk2Writer.h"
#include "core/skinpackage/SkinReadError.h"

#include "TestPackages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace {

std::atomic<std::size_t> allocationCap{std::numeric_limits<std::size_t>::max()};

} // namespace

// The replacement pairs malloc with free by design; GCC's check of matching
// allocation functions cannot see that through the replaced operators.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size)
{
    if (size > allocationCap.load(std::memory_order_relaxed))
        throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace orvane {
namespace {

using test::Bytes;

// Allocations larger than the cap fail while the object lives.
class AllocationCap {
public:
    explicit AllocationCap(std::size_t bytes) { allocationCap = bytes; }
    ~AllocationCap() { allocationCap = std::numeric_limits<std::size_t>::max(); }
};

TEST(SkinLoadOutOfMemory, IsAFailedLoadThatLeavesNoTemporaryFile)
{
    test::ScratchFolder packages;
    test::TemporaryFolderRedirect temporary;
    // A 1024 x 1024 image: a record file of 3 MiB and 4 MiB of pixels.
    const Bitmap image(1024, 1024, 0x00336699);
    const Bytes recordFile = WriteSk2File({{"SKIN2_FORMIMAGE", Sk2EntryType::Image, EncodeWindowsBitmap(image)}});
    const auto package = packages.Path() / "skin.ssk";
    test::WriteFile(package, test::BuildPackage({{"SKINDATA.SK2", recordFile}}));
    ASSERT_NO_THROW(Tsk2SkinFileReader(package, ""));

    // Each cap lets the load get further: the inflater's window, the record
    // file read back, the record's copy, the pixels.
    const struct {
        const char* where;
        std::size_t cap;
    } caps[] = {
        {"inflater's buffers", 16 << 10},
        {"record file", 1 << 20},
        {"pixels", (4 << 20) - 1},
    };
    for (const auto& c : caps) {
        std::string message = "no error";
        SkinReadFailure failure = SkinReadFailure::None;
        try {
            const AllocationCap cap(c.cap);
            Tsk2SkinFileReader reader(package, "");
        } catch (const SkinReadError& error) {
            message = error.what();
            failure = error.Failure();
        }
        EXPECT_EQ(message, "Failed to read skin file!") << c.where;
        EXPECT_EQ(failure, SkinReadFailure::OutOfMemory) << c.where;
        EXPECT_TRUE(temporary.Empty()) << c.where;
    }
}

} // namespace
} // namespace orvane
