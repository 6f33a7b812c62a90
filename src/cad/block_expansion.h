#pragma once
// Block insertion on the screen: the block file's records are drawn through the driver,
// placed by the insertion (base point, rotation, scales), nested up to four levels.
#include <string>

namespace kalo {

struct Context;

inline constexpr int kMaxBlockNesting = 4;

// Draws the block at (x, y) turned by angle degrees and scaled; the current layer is the
// same afterwards. A block file that cannot be read gives "Invalid temp directory", a
// deeper nesting "error blockno." with the level; both cancel the run.
void ExpandBlockInsert(Context& context, const std::string& name, long double x, long double y, long double angle,
                       long double xScale, long double yScale);

}  // namespace kalo
