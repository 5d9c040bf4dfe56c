#include "core/skinpackage/ExtractSkinEntry.h"

namespace orvane {

ExtractResult ExtractSkinEntry(const std::filesystem::path&, std::string_view, const std::filesystem::path&, std::string_view)
{
    return ExtractResult::ReadFailed;
}

ExtractResult ExtractSkinEntry(std::span<const std::uint8_t>, std::string_view, std::vector<std::uint8_t>& output, std::string_view)
{
    output.clear();
    return ExtractResult::ReadFailed;
}

} // namespace orvane
