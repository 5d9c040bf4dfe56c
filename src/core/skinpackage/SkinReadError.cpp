#include "core/skinpackage/SkinReadError.h"

#include <utility>

namespace orvane {

SkinReadError::SkinReadError(const std::string& message, SkinReadFailure failedStep, std::string stepDetail)
    : Exception(message), failure(failedStep), detail(std::move(stepDetail))
{
}

} // namespace orvane
