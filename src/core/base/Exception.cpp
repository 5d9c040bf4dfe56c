#include "core/base/Exception.h"

#include "core/text/Utf8Text.h"

namespace orvane {

Exception::Exception(std::wstring message) : wideMessage(std::move(message)), utf8Message(Utf8FromWide(wideMessage))
{
}

Exception::Exception(std::string_view message) : wideMessage(WideFromUtf8(message)), utf8Message(message) {}

std::wstring ExceptionMessage(const std::exception& error)
{
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->Message();
    return WideFromUtf8(error.what());
}

} // namespace orvane
