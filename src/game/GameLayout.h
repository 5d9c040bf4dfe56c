#pragma once

#include <cstdint>

namespace orvane::game {

// The Tag that keeps a control with its own look when the skin engine skins
// its window: the boards, the tool bar and its buttons carry it.
constexpr std::int32_t UnskinnedTag = 9999;

} // namespace orvane::game
