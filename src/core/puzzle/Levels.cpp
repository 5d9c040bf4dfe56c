#include "core/puzzle/Levels.h"

namespace orvane {

bool IsLevel(int level) { return level >= 0 && level < LevelCount; }

} // namespace orvane
