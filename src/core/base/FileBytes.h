#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace orvane {

// Whole-file reading and writing by path; failures are values.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path);
bool WriteFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace orvane
