#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// The one exception class of the program. It carries only a message; the
// application's default handler shows that message in an error box.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message);
};

} // namespace orvane
