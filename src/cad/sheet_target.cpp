#include "cad/sheet_target.h"

#include <cmath>

#include "cad/block_expansion.h"
#include "cad/cad_layers.h"
#include "cad/dxf_numbers.h"
#include "cad/text_box.h"
#include "context/configuration.h"
#include "geometry/plane_geometry.h"
#include "graphics/colours.h"

namespace kalo {
namespace {

// Black lines in the two widths of engineering drawings: wide for the visible outlines
// (the contour and the sheet border, on layer 5), narrow for all else.
constexpr int kOutlineLayer = 5;
constexpr double kWideLine = 0.5;
constexpr double kNarrowLine = 0.25;
constexpr int kWhite = 15;

std::vector<double> DashesOf(int lineStyle) {
  switch (lineStyle) {
    case kDottedLine: return {0.3, 1.2};
    case kDashDotLine: return {6, 1.2, 0.3, 1.2};
    case kDashedLine: return {3, 1.5};
    default: return {};
  }
}

// Where a point of a block lands: turned by the rotation, scaled, moved to the base point.
CadPoint Place(const CadBlockTransform& t, CadPoint p) {
  long double turn = DegToRad(t.rotation);
  long double x = t.xScale * p.x;
  long double y = t.yScale * p.y;
  return {t.x + x * std::cos(turn) - y * std::sin(turn), t.y + x * std::sin(turn) + y * std::cos(turn)};
}

CadBlockTransform Compose(const CadBlockTransform& outer, const CadBlockTransform& inner) {
  CadPoint base = Place(outer, {inner.x, inner.y});
  return {base.x, base.y, outer.rotation + inner.rotation, outer.xScale * inner.xScale, outer.yScale * inner.yScale};
}

}  // namespace

SheetTarget::SheetTarget(const Configuration& config) : config_(config) {}

void SheetTarget::SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) {
  xmin_ = xmin;
  ymin_ = ymin;
  xmax_ = xmax;
  ymax_ = ymax;
}

void SheetTarget::BeginBlock(const std::string& name) {
  recording_ = &blocks_[name];
  recording_->clear();
}

void SheetTarget::EndBlock() { recording_ = nullptr; }

CadPoint SheetTarget::OnPage(CadPoint drawing) const { return {drawing.x - xmin_, ymax_ - drawing.y}; }

void SheetTarget::SetLayer(const CadLayer& layer) {
  Primitive p(Primitive::Kind::Layer);
  p.layer = layer;
  Take(p);
}

void SheetTarget::Line(long double x1, long double y1, long double x2, long double y2) {
  Primitive p(Primitive::Kind::Line);
  p.points = {CadPoint{x1, y1}, {x2, y2}};
  Take(p);
}

void SheetTarget::Circle(long double x, long double y, long double r) { Arc(x, y, 0, 360, r); }

void SheetTarget::Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) {
  Primitive p(Primitive::Kind::Arc);
  p.points = {CadPoint{x, y}};
  p.r = r;
  p.startAngle = startAngle;
  p.endAngle = endAngle;
  Take(p);
}

void SheetTarget::Text(const std::string& text, long double x, long double y, const CadTextState& style) {
  Primitive p(Primitive::Kind::Text);
  p.points = {CadPoint{x, y}};
  p.text = text;
  p.style = style;
  Take(p);
}

void SheetTarget::Solid(const std::array<CadPoint, 4>& corners) {
  Primitive p(Primitive::Kind::Solid);
  p.points = corners;
  Take(p);
}

void SheetTarget::Insert(const std::string& name, long double x, long double y, long double angle,
                         long double xScale, long double yScale) {
  Primitive p(Primitive::Kind::Insert);
  p.text = name;
  p.insert = {x, y, angle, xScale, yScale};
  Take(p);
}

void SheetTarget::Take(const Primitive& primitive) {
  if (recording_)
    recording_->push_back(primitive);
  else
    Draw(primitive, CadBlockTransform{}, 0);
}

void SheetTarget::Draw(const Primitive& p, const CadBlockTransform& placement, int depth) {
  CadPoint at = OnPage(Place(placement, p.points[0]));
  switch (p.kind) {
    case Primitive::Kind::Layer: {
      ScreenLayerStyle style = ScreenStyleOf(config_, p.layer.number);
      if (!config_.pageLayerColours) {
        pen_.colour = kBlack;
      } else if (style.hasColour) {
        int colour = GetColorTurbo(style.colour);
        // White and the background colour draw black on paper.
        pen_.colour = colour == kWhite || colour == 0 ? kBlack : PaletteColour(colour);
      }
      pen_.dashes = DashesOf(style.lineStyle);
      pen_.width = p.layer.number == kOutlineLayer ? kWideLine : kNarrowLine;
      break;
    }
    case Primitive::Kind::Line: DrawLine(at, OnPage(Place(placement, p.points[1]))); break;
    case Primitive::Kind::Arc: {
      double turn = static_cast<double>(placement.rotation);
      bool full = IsFullCircle(p.startAngle, p.endAngle);
      DrawArc(at, static_cast<double>(p.r * placement.xScale), full ? 0 : static_cast<double>(p.startAngle) + turn,
              full ? 360 : static_cast<double>(p.endAngle) + turn);
      break;
    }
    case Primitive::Kind::Text: {
      int fontStyle = config_.graphicsFontStyle;
      PageText text;
      text.utf8 = PageTextUtf8(config_, p.text);
      text.at = at;
      text.fontSize = kFontSizePerCapHeight * static_cast<double>(p.style.height * placement.yScale);
      text.rotation = static_cast<double>(p.style.rotation + placement.rotation);
      text.oblique = static_cast<double>(p.style.oblique);
      text.widthFactor = static_cast<double>(p.style.widthFactor * placement.xScale / placement.yScale);
      text.font = config_.graphicsFont;
      text.bold = fontStyle & 1;
      text.italic = fontStyle & 2;
      DrawText(text);
      break;
    }
    case Primitive::Kind::Solid: {
      std::array<CadPoint, 4> corners;
      for (size_t i = 0; i < corners.size(); ++i) corners[i] = OnPage(Place(placement, p.points[i]));
      FillPolygon(corners);
      break;
    }
    case Primitive::Kind::Insert: {
      auto block = blocks_.find(p.text);
      if (block == blocks_.end() || depth >= kMaxBlockNesting) break;
      CadBlockTransform inner = Compose(placement, p.insert);
      for (const Primitive& member : block->second) Draw(member, inner, depth + 1);
      break;
    }
  }
}

}  // namespace kalo
