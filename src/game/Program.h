#pragma once

namespace orvane::game {

// The program's start and run: sets the title, creates the four windows in
// their order, opens the saved game named on the command line and runs the
// message loop until the main window closes. Returns the exit code.
int RunProgram();

} // namespace orvane::game
