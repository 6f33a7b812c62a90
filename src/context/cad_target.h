#pragma once
// One output of the CAD driver: a DXF, IGES or TXT CAD file, or the screen. The driver
// keeps the layer model, the text state and the polyline logic and calls a target only
// with what it has to write. File targets collect their output and write the file as a
// whole in Finish, so a failed run never leaves a half-written file under the target name.
#include <array>
#include <string>

#include "geometry/plane_point.h"
#include "messages/outcome.h"

namespace kalo {

using CadPoint = PlanePoint;

// Where a run of the CAD driver goes.
enum CadTargetCode : int {
  kCadAsk = 0,
  kCadDxf = 1,
  kCadIges = 2,
  kCadScreen = 3,
  kCadPlotter = 4,
  kCadTxt = 5,
  kCadSvg = 6,
  kCadPdf = 7,
  kCadLastTarget = kCadPdf,
};

// The current layer as the driver resolved it: number 0..31 (folded), the name written in
// DXF group 8, its AutoCAD colour index and the DXF line type name.
struct CadLayer {
  int number = 0;
  std::string name = "0";
  int colour = 1;
  std::string lineType = "CONTINUOUS";
};

// Text height, width factor, rotation and oblique angle (degrees) of the driver.
struct CadTextState {
  long double height = 5;
  long double widthFactor = 1;
  long double rotation = 0;
  long double oblique = 0;
};

class CadTarget {
 public:
  virtual ~CadTarget() = default;

  virtual void SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) = 0;
  virtual void Tables() {}
  virtual void BeginBlocks() {}
  virtual void BeginBlock(const std::string& /*name*/) {}
  virtual void EndBlock() {}
  virtual void EndSection() {}
  virtual void BeginEntities() {}
  virtual void SetLayer(const CadLayer& /*layer*/) {}

  virtual void Line(long double x1, long double y1, long double x2, long double y2) = 0;
  virtual void Circle(long double x, long double y, long double r) = 0;
  // Angles in degrees, counter-clockwise from start to end; never called with r = 0.
  virtual void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) = 0;
  // The text is already converted by the CAD text mode.
  virtual void Text(const std::string& text, long double x, long double y, const CadTextState& style) = 0;
  virtual void Solid(const std::array<CadPoint, 4>& corners) = 0;
  virtual void Insert(const std::string& name, long double x, long double y, long double angle, long double xScale,
                      long double yScale) = 0;

  // Targets with polylines of their own (DXF) answer true; for all others the driver
  // draws the segments as lines and arcs.
  virtual bool HasPolylines() const { return false; }
  virtual void BeginPolyline(int /*flag*/) {}
  virtual void Vertex(long double /*x*/, long double /*y*/, long double /*bulge*/) {}
  virtual void EndPolyline() {}

  // Ends the output: a file target writes its file; a failure names the reason it could not
  // be written.
  [[nodiscard]] virtual Outcome Finish() = 0;
};

}  // namespace kalo
