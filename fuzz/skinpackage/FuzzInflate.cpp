// The inflater on raw streams, against zlib: every stream zlib decodes must
// decode to the same bytes. (The converse need not hold: zlib also rejects
// incomplete codes, which decode here until they meet an undefined code.)
#include "core/skinpackage/Inflate.h"

#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace {

constexpr std::size_t OutputLimit = 1 << 20;
constexpr int RawWindowBits = -15;

// zlib's output, or nothing when it fails or the output exceeds the limit.
std::optional<std::span<const std::uint8_t>> ZlibInflate(const std::uint8_t* data, std::size_t size)
{
    static const auto buffer = std::make_unique<std::uint8_t[]>(OutputLimit);
    z_stream stream{};
    if (inflateInit2(&stream, RawWindowBits) != Z_OK)
        return std::nullopt;
    stream.next_in = const_cast<Bytef*>(data);
    stream.avail_in = uInt(size);
    stream.next_out = buffer.get();
    stream.avail_out = uInt(OutputLimit);
    const int status = inflate(&stream, Z_FINISH);
    const std::size_t produced = stream.total_out;
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return std::nullopt;
    return std::span<const std::uint8_t>(buffer.get(), produced);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> ours;
    const orvane::InflateStatus status = orvane::Inflate({data, size}, ours, OutputLimit);
    const auto reference = ZlibInflate(data, size);
    if (reference
        && (status != orvane::InflateStatus::Done || !std::equal(ours.begin(), ours.end(), reference->begin(), reference->end())))
        std::abort();
    return 0;
}
