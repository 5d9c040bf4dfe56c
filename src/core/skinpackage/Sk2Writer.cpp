#include "core/skinpackage/Sk2Writer.h"

namespace orvane {

std::vector<std::uint8_t> WriteSk2File(const std::vector<Sk2Entry>&) { return {}; }

} // namespace orvane
