#pragma once

#include "core/base/Exception.h"

#include <filesystem>
#include <ostream>

namespace orvane {

// Prints why a package did not load: first the message the program would
// show, as it stands, then the step that failed (from a SkinReadError), so
// that a damaged package is not taken for a wrong password.
void ReportLoadFailure(const std::filesystem::path& package, const Exception& error, std::ostream& errors);

} // namespace orvane
