#include "core/base/Exception.h"

namespace orvane {

Exception::Exception(const std::string& message) : std::runtime_error(message) {}

} // namespace orvane
