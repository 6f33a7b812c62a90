#pragma once
// The screen target of the CAD driver: draws on the graphics window through the
// ScreenPlotter (nothing when there is none). Inside the blocks section nothing is drawn:
// each block's primitives go to its block file, written through the DXF entity records
// when the block ends.
#include <memory>
#include <string>

#include "cad/dxf_writer.h"

namespace kalo {

struct Context;
class ScreenPlotter;

class ScreenTarget : public CadTarget {
 public:
  explicit ScreenTarget(Context& context) : context_(context) {}

  void SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) override;
  void BeginBlocks() override { inBlocks_ = true; }
  void BeginBlock(const std::string& name) override;
  // Writes the block file; when it cannot be written, "Invalid temp directory" and the run
  // is cancelled.
  void EndBlock() override;
  void EndSection() override;
  void SetLayer(const CadLayer& layer) override;

  void Line(long double x1, long double y1, long double x2, long double y2) override;
  void Circle(long double x, long double y, long double r) override;
  void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) override;
  // Shown as held (code page 850); the graphics window converts it for display.
  void Text(const std::string& text, long double x, long double y, const CadTextState& style) override;
  void Solid(const std::array<CadPoint, 4>& corners) override;
  // Only inside a block definition; the driver expands insertions on the screen itself.
  void Insert(const std::string& name, long double x, long double y, long double angle, long double xScale,
              long double yScale) override;

  // Block files keep polylines as they are; on the screen they are drawn as segments.
  bool HasPolylines() const override { return inBlocks_; }
  void BeginPolyline(int flag) override;
  void Vertex(long double x, long double y, long double bulge) override;
  void EndPolyline() override;

  Outcome Finish() override;

 private:
  template <typename ToBlock, typename ToScreen>
  void Route(ToBlock toBlock, ToScreen toScreen);

  Context& context_;
  bool inBlocks_ = false;
  CadLayer layer_;
  std::unique_ptr<DxfWriter> block_;
};

}  // namespace kalo
