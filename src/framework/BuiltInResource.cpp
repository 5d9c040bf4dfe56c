#include "framework/BuiltInResource.h"

namespace orvane::framework {

std::span<const std::uint8_t> BuiltInResourceBytes(const wchar_t* name)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, RT_RCDATA);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes)
        return {};
    return std::span<const std::uint8_t>(bytes, SizeofResource(module, found));
}

} // namespace orvane::framework
