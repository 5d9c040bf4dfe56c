#pragma once

namespace orvane {

// The exit statuses of orvane-skin. A script tells a package that cannot be
// loaded at all from one that loads but lacks keys.
inline constexpr int ExitOk = 0;
inline constexpr int ExitProblems = 1;   // check found missing keys or bad strips; pack failed
inline constexpr int ExitUsage = 2;      // the command line was not understood
inline constexpr int ExitCannotLoad = 3; // the package does not load

} // namespace orvane
