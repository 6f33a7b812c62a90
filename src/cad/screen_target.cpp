#include "cad/screen_target.h"

#include "cad/block_files.h"
#include "cad/cad_layers.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "graphics/screen_plotter.h"

namespace kalo {

template <typename ToBlock, typename ToScreen>
void ScreenTarget::Route(ToBlock toBlock, ToScreen toScreen) {
  if (inBlocks_) {
    if (block_) toBlock(*block_);
  } else if (context_.screenPlotter) {
    toScreen(*context_.screenPlotter);
  }
}

void ScreenTarget::SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) {
  if (context_.screenPlotter) context_.screenPlotter->Header(xmin, ymin, xmax, ymax);
}

void ScreenTarget::BeginBlock(const std::string& name) {
  if (!inBlocks_) return;
  block_ = std::make_unique<DxfWriter>(BlockFilePath(context_, name), context_.config);
  block_->SetLayer(layer_);
}

void ScreenTarget::EndBlock() {
  if (!block_) return;
  Outcome written = block_->Finish();
  std::string path = block_->Path();
  block_.reset();
  if (written) return;
  ErrorBox(context_, "Invalid temp directory   " + path + ": " + written.Message());
  context_.state.cancel = true;
}

void ScreenTarget::EndSection() {
  inBlocks_ = false;
  block_.reset();
}

void ScreenTarget::SetLayer(const CadLayer& layer) {
  layer_ = layer;
  Route([&](DxfWriter& block) { block.SetLayer(layer); },
        [&](ScreenPlotter& screen) {
          ScreenLayerStyle style = ScreenStyleOf(context_.config, layer.number);
          screen.SetLineStyle(style.lineStyle);
          if (style.hasColour) screen.SetColorAcad(style.colour);
          screen.SetLineWidth(style.width);
        });
}

void ScreenTarget::Line(long double x1, long double y1, long double x2, long double y2) {
  Route([&](DxfWriter& block) { block.Line(x1, y1, x2, y2); },
        [&](ScreenPlotter& screen) { screen.Line(x1, y1, x2, y2); });
}

void ScreenTarget::Circle(long double x, long double y, long double r) {
  Route([&](DxfWriter& block) { block.Circle(x, y, r); }, [&](ScreenPlotter& screen) { screen.Circle(x, y, r); });
}

void ScreenTarget::Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) {
  Route([&](DxfWriter& block) { block.Arc(x, y, startAngle, endAngle, r); },
        [&](ScreenPlotter& screen) { screen.Arc(x, y, startAngle, endAngle, r); });
}

void ScreenTarget::Text(const std::string& text, long double x, long double y, const CadTextState& style) {
  Route([&](DxfWriter& block) { block.Text(text, x, y, style); },
        [&](ScreenPlotter& screen) { screen.Text(text, x, y); });
}

void ScreenTarget::Solid(const std::array<CadPoint, 4>& corners) {
  Route([&](DxfWriter& block) { block.Solid(corners); },
        [&](ScreenPlotter& screen) {
          const auto& [a, b, c, d] = corners;
          screen.Solid(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y);
        });
}

void ScreenTarget::Insert(const std::string& name, long double x, long double y, long double angle,
                          long double xScale, long double yScale) {
  if (inBlocks_ && block_) block_->Insert(name, x, y, angle, xScale, yScale);
}

void ScreenTarget::BeginPolyline(int flag) {
  if (inBlocks_ && block_) block_->BeginPolyline(flag);
}

void ScreenTarget::Vertex(long double x, long double y, long double bulge) {
  if (inBlocks_ && block_) block_->Vertex(x, y, bulge);
}

void ScreenTarget::EndPolyline() {
  if (inBlocks_ && block_) block_->EndPolyline();
}

Outcome ScreenTarget::Finish() {
  block_.reset();
  return Outcome::Done();
}

}  // namespace kalo
