#include "core/skinpackage/ByteReader.h"

#include <algorithm>
#include <cstring>

namespace orvane {

std::size_t MemoryByteReader::Read(std::span<std::uint8_t> buffer)
{
    const std::size_t count = std::min(buffer.size(), rest.size());
    if (count > 0)
        std::memcpy(buffer.data(), rest.data(), count);
    rest = rest.subspan(count);
    return count;
}

} // namespace orvane
