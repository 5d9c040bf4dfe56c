#pragma once

#include "core/base/Exception.h"
#include "core/skinpackage/SkinReadFailure.h"

#include <string>

namespace orvane {

// A failed skin load: the program's exception with its exact message ("Wrong
// password!" or "Failed to read skin file!"), which callers catch as
// Exception, plus the step that failed and a detail for the skin tool.
class SkinReadError : public Exception {
public:
    SkinReadError(const std::string& message, SkinReadFailure failedStep, std::string stepDetail = {});

    SkinReadFailure Failure() const { return failure; }
    // What exactly went wrong at that step, when there is more to say
    // ("image SKIN2_TITLEBAR1 has 20000 x 20000 pixels"); may be empty.
    const std::string& Detail() const { return detail; }

private:
    SkinReadFailure failure;
    std::string detail;
};

} // namespace orvane
