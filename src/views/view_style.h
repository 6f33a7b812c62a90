#pragma once
// The layers, the font and the view markers of the views.
namespace kalo {

inline constexpr int kViewFont = 2;  // every text of the views

inline constexpr int kLayerStart = 0;        // at the start of every output run
inline constexpr int kLayerAxis = 1;         // axis of rotation
inline constexpr int kLayerHatch = 3;        // hatch lines, numbered arrows, sheet lines
inline constexpr int kLayerTitle = 4;        // diagram title, title block lines
inline constexpr int kLayerOutline = 5;      // contour outline, end lines, sheet border
inline constexpr int kLayerTableLines = 17;  // table lines, diagram axes, ticks and grid
inline constexpr int kLayerTableTexts = 18;  // table texts
inline constexpr int kLayerTable = 19;       // around the results table

// View markers of the CAD output run: a diagram was drawn; the drawing frame was drawn
// (no logo blocks at the run's entities).
inline constexpr int kViewMarkerDiagram = 1;
inline constexpr int kViewMarkerDrawing = 2;

}  // namespace kalo
