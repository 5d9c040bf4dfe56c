#pragma once

namespace orvane::skinview {

// The skin gallery's start and run: "orvane-skinview [--mdi] [PACKAGE.ssk]"
// shows the gallery (or, with --mdi, the MDI demonstration) in the package's
// skin, or in the stored default skin. Returns the exit code.
int RunSkinView();

} // namespace orvane::skinview
