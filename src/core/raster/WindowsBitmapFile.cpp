#include "core/raster/WindowsBitmapFile.h"

namespace orvane {

std::optional<Bitmap> DecodeWindowsBitmap(std::span<const std::uint8_t>) { return std::nullopt; }

std::vector<std::uint8_t> EncodeWindowsBitmap(const Bitmap&, int) { return {}; }

} // namespace orvane
