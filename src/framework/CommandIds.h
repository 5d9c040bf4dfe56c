#pragma once

namespace orvane::framework {

// Command identifiers for menu items and tool buttons, unique within the
// process, so that one WM_COMMAND number names one item. They fit the 16 bits
// that WM_COMMAND carries.
int NewCommandId();
void ReleaseCommandId(int id);

} // namespace orvane::framework
