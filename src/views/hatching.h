#pragma once
// Section hatching through the CAD output driver: the outline as a polyline with its
// arcs, the hatch polygon collected on the way, then the parallel hatch lines.
namespace kalo {

struct Context;

// Starts the outline polyline (flag 1: closed) and an empty hatch polygon.
void HatchBegin(Context& context, int flag);
// One outline vertex; phi is the arc angle (radians) of the segment that starts here.
void HatchVertex(Context& context, long double x, long double y, long double phi);
// Ends the outline and hatches the first count polygon points (0: all of them).
void HatchEnd(Context& context, int count, long double spacing, long double angleDeg);
// Closes and draws the polygon outline (unless the hatch mode leaves it out) and its hatch
// lines at angleDeg, spacing apart (0: ten intervals of the polygon's range).
void Hatch(Context& context, int count, long double spacing, long double angleDeg);

}  // namespace kalo
