#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace orvane {

// Lists what the engine would miss in a package: keys it reads that are
// absent, image strips whose width does not divide into their frame count,
// region rows outside their band. Keys with a fallback (the menu-bar and
// tool-bar images, the region rows, the flags) are reported as notes only.
// Gives ExitOk when nothing is missing, ExitProblems when something is, and
// ExitCannotLoad when the package does not load (the reader's message and the
// step that failed go to `errors`).
int CheckSkin(const std::filesystem::path& package, const std::string& password, std::ostream& out,
              std::ostream& errors);

} // namespace orvane
