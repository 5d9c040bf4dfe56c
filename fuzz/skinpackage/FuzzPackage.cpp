// Package walk: directory, local header, decryption and inflate of one entry.
#include "core/skinpackage/ExtractSkinEntry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> output;
    // The seeds' encrypted entries use this password; others ignore it.
    orvane::ExtractSkinEntry({data, size}, "SKINDATA.SK2", output, "pw");
    return 0;
}
