#pragma once
// The view "Formblatt": the drawing frame, the hatched contour in a diagram and the table
// of results on an A4 sheet.
namespace kalo {

struct Context;

inline constexpr const char* kFrameBlockName = "FRAME_1";

// Inserts the block kFrameBlockName, which the run defined with DrawFrame.
void DrawDrawingSheet(Context& context);

}  // namespace kalo
