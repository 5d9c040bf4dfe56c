// Windows bitmap files; what decodes must encode and decode to the same pixels.
#include "core/raster/WindowsBitmapFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::uint64_t RoundTripPixelLimit = 1u << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Smaller than the reader's limit: the round trip of an image at that
    // limit takes seconds under the sanitizers. The limit itself is fuzzed
    // by the skin-file target.
    const auto bitmap = orvane::DecodeWindowsBitmap({data, size}, RoundTripPixelLimit);
    if (!bitmap)
        return 0;
    const auto again = orvane::DecodeWindowsBitmap(orvane::EncodeWindowsBitmap(*bitmap, 32), RoundTripPixelLimit);
    if (!again || !(*again == *bitmap))
        std::abort();
    return 0;
}
