#pragma once
// The pieces the views of the contour are made of, in contour millimetres.
namespace kalo {

struct Context;

// The axis of rotation beyond both ends of the body, and vertical lines from the
// leftmost and rightmost polygon points down to it.
void DrawAxisAndEnds(Context& context);
// The contour outline with its arcs, hatched at 45 degrees; inDiagram maps its points
// into the current diagram.
void DrawHatchedContour(Context& context, bool inDiagram = false);
// The calculation polygon as numbered arrows.
void DrawNumberedPolygon(Context& context);
// The contour as one closed polyline with its arcs.
void DrawContourPolyline(Context& context);

}  // namespace kalo
