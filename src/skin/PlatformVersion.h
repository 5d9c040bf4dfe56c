#pragma once

namespace orvane::skin {

// The operating system's line and version, read once: the frame leaves out
// what an old system cannot do (window regions on Windows 95) and sizes a few
// things as the system of the day drew them.
bool IsWin9x();  // Windows 9x line, any version
bool IsWin95();  // major 4, minor 0, Windows 9x line
bool IsWinXP();  // NT line, major above 4 with a minor other than 0
bool IsVista();  // NT line, 6.0

} // namespace orvane::skin
