#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace orvane::framework {

// The bytes of one of the program's RCDATA resources, which live as long as
// the program; empty when the program has no such resource.
std::span<const std::uint8_t> BuiltInResourceBytes(const wchar_t* name);

} // namespace orvane::framework
