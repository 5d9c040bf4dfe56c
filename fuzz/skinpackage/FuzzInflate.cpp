// The inflater on raw streams, with an output limit as the package walk sets one.
#include "core/skinpackage/Inflate.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
constexpr std::size_t outputLimit = 1 << 22;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> output;
    orvane::Inflate({data, size}, output, outputLimit);
    return 0;
}
