#pragma once
// What the screen target of the CAD output driver and the help pictures draw on: the
// graphics window records every call in its display list. Coordinates are world
// coordinates (mm), angles degrees, texts code page 850.
#include <string>

#include "graphics/hpgl_pen_state.h"

namespace kalo {

class ScreenPlotter {
 public:
  virtual ~ScreenPlotter() = default;

  virtual void Clear() = 0;
  virtual void SetWindow(bool keepAspect, bool inset, long double fx1, long double fy1, long double fx2,
                         long double fy2, long double wx1, long double wy1, long double wx2, long double wy2) = 0;
  // The window for a whole drawing of these extents.
  virtual void Header(long double x1, long double y1, long double x2, long double y2) = 0;
  virtual void Line(long double x1, long double y1, long double x2, long double y2) = 0;
  virtual void Circle(long double x, long double y, long double r) = 0;
  virtual void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) = 0;
  // A filled quadrilateral, corners in outline order.
  virtual void Solid(long double x1, long double y1, long double x2, long double y2, long double x3, long double y3,
                     long double x4, long double y4) = 0;
  // Text with its lower left corner at (x, y).
  virtual void Text(const std::string& text, long double x, long double y) = 0;
  // Screen colour number 0..16.
  virtual void SetColor(int colour) = 0;
  // AutoCAD colour index.
  virtual void SetColorAcad(int colourIndex) = 0;
  virtual void SetLineStyle(int style) = 0;
  virtual void SetLineWidth(int width) = 0;
  virtual void SetTextStyle(int font, long double angle, long double height, long double width) = 0;
  // Shows what was recorded (the window repaints).
  virtual void Refresh() = 0;
  virtual void DrawLogo() = 0;
  virtual void SetWaitCursor(bool waiting) = 0;

  // The pen state of the help pictures drawn here.
  HpglPenState helpPicturePen;
};

}  // namespace kalo
