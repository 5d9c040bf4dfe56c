#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace orvane {

// Loads a package with the program's own reader and prints one line per
// entry: name, kind (image, integer, bool, string) and value; images as
// width x height and bits per pixel, colour keys with their #RRGGBB as well.
// Gives ExitOk, or ExitCannotLoad after printing the reader's message and the
// step that failed to `errors`.
int DumpSkin(const std::filesystem::path& package, const std::string& password, std::ostream& out,
             std::ostream& errors);

} // namespace orvane
