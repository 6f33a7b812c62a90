#include "cad/block_expansion.h"

#include <cmath>
#include <map>
#include <vector>

#include "cad/block_files.h"
#include "cad/cad_driver.h"
#include "cad/cad_layers.h"
#include "cad/cad_output.h"
#include "cad/dxf_records.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "geometry/plane_geometry.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr int kBlockTextFont = 2;

struct BlockVertex {
  long double x = 0;
  long double y = 0;
  long double bulge = 0;
};

void ExpandBlock(Context& context, const std::string& name, long double x, long double y, long double angle,
                 long double xScale, long double yScale);

PlanePoint Place(const Context& context, long double x, long double y) {
  const CadBlockTransform& t = context.cad.transform;
  return TransformPointScaled(t.xScale, t.yScale, t.x, t.y, t.rotation, x, y);
}

void SelectLayer(Context& context, const DxfRecord& record) {
  if (record.Has(8)) CadSetLayer(context, LayerOfName(context.config, record.Text(8)));
}

void DrawLine(Context& context, long double x1, long double y1, long double x2, long double y2) {
  PlanePoint a = Place(context, x1, y1);
  PlanePoint b = Place(context, x2, y2);
  CadLine(context, a.x, a.y, b.x, b.y);
}

long double ScaledRadius(const Context& context, const DxfRecord& record) {
  return std::fabs(record.Real(40) * context.cad.transform.xScale);
}

void DrawCircle(Context& context, const DxfRecord& record) {
  PlanePoint centre = Place(context, record.Real(10), record.Real(20));
  CadCircle(context, centre.x, centre.y, ScaledRadius(context, record));
}

void DrawArc(Context& context, const DxfRecord& record) {
  long double rotation = context.cad.transform.rotation;
  PlanePoint centre = Place(context, record.Real(10), record.Real(20));
  CadArc(context, centre.x, centre.y, record.Real(50) + rotation, record.Real(51) + rotation,
         ScaledRadius(context, record));
}

void DrawText(Context& context, const DxfRecord& record) {
  const CadBlockTransform& t = context.cad.transform;
  long double height = record.Real(40);
  CadSetTextStyle(context, kBlockTextFont, record.Real(50) + t.rotation, height * t.yScale,
                  height * record.Real(41, 1) * t.xScale);
  PlanePoint at = Place(context, record.Real(10), record.Real(20));
  CadText(context, record.Text(1), at.x, at.y);
}

void DrawSolid(Context& context, const DxfRecord& record) {
  std::array<PlanePoint, 4> corners;
  for (int i = 0; i < 4; ++i) corners[static_cast<size_t>(i)] = Place(context, record.Real(10 + i), record.Real(20 + i));
  const auto& [a, b, c, d] = corners;
  CadSolid(context, a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y);
}

// A segment of a polyline: straight, or the arc of 4 atan(bulge); a mirroring insertion
// turns the arc the other way.
void DrawSegment(Context& context, const BlockVertex& from, const BlockVertex& to, long double bulge) {
  if (bulge == 0) {
    DrawLine(context, from.x, from.y, to.x, to.y);
    return;
  }
  const CadBlockTransform& t = context.cad.transform;
  long double phi = 4 * std::atan(bulge) * (t.xScale * t.yScale < 0 ? -1 : 1);
  PlanePoint a = Place(context, from.x, from.y);
  PlanePoint b = Place(context, to.x, to.y);
  CadArcThrough(context, a.x, a.y, b.x, b.y, phi);
}

// Draws the POLYLINE at index and its VERTEX records; returns the index after its SEQEND.
size_t DrawPolyline(Context& context, const std::vector<DxfRecord>& records, size_t index) {
  SelectLayer(context, records[index]);
  bool closed = (static_cast<long>(records[index].Real(70)) & 1) != 0;
  std::vector<BlockVertex> vertices;
  size_t next = index + 1;
  for (; next < records.size() && records[next].name == "VERTEX"; ++next)
    vertices.push_back({records[next].Real(10), records[next].Real(20), records[next].Real(42)});
  if (next < records.size() && records[next].name == "SEQEND") ++next;
  if (vertices.empty()) {
    ErrorBox(context, "Error in DXF File");
    return next;
  }
  for (size_t i = 1; i < vertices.size(); ++i) DrawSegment(context, vertices[i - 1], vertices[i], vertices[i - 1].bulge);
  if (closed && vertices.size() > 1) DrawSegment(context, vertices.back(), vertices.front(), 0);
  return next;
}

void DrawInsert(Context& context, const DxfRecord& record) {
  int layer = context.cad.layer.number;
  ExpandBlock(context, record.Text(2), record.Real(10), record.Real(20), record.Real(50), record.Real(41, 1),
              record.Real(42, 1));
  CadSetLayer(context, layer);
}

void DrawEntity(Context& context, const DxfRecord& record) {
  using Drawer = void (*)(Context&, const DxfRecord&);
  static const std::map<std::string, Drawer> drawers = {
      {"LINE", [](Context& c, const DxfRecord& r) { DrawLine(c, r.Real(10), r.Real(20), r.Real(11), r.Real(21)); }},
      {"CIRCLE", DrawCircle},
      {"ARC", DrawArc},
      {"TEXT", DrawText},
      {"SOLID", DrawSolid},
      {"INSERT", DrawInsert},
  };
  auto drawer = drawers.find(record.name);
  if (drawer == drawers.end()) return;
  SelectLayer(context, record);
  drawer->second(context, record);
}

void DrawRecords(Context& context, const std::vector<DxfRecord>& records) {
  size_t index = 0;
  while (index < records.size() && !context.state.cancel) {
    const DxfRecord& record = records[index];
    if (record.name == "POLYLINE") {
      index = DrawPolyline(context, records, index);
      continue;
    }
    DrawEntity(context, record);
    ++index;
  }
}

void CancelExpansion(Context& context, const std::string& message) {
  ErrorBox(context, message);
  context.state.cancel = true;
}

void ExpandBlock(Context& context, const std::string& name, long double x, long double y, long double angle,
                 long double xScale, long double yScale) {
  CadState& cad = context.cad;
  int level = cad.blockLevel + 1;
  if (level > kMaxBlockNesting) {
    CancelExpansion(context, "error blockno." + std::to_string(level));
    return;
  }
  std::vector<std::string> lines;
  if (!ReadTextLines(BlockFilePath(context, name), lines)) {
    CancelExpansion(context, "Invalid temp directory");
    return;
  }
  CadBlockTransform saved = cad.transform;
  PlanePoint base = Place(context, x, y);
  cad.transform = {base.x, base.y, saved.rotation + angle, saved.xScale * xScale, saved.yScale * yScale};
  cad.blockLevel = level;
  DrawRecords(context, ReadDxfRecords(lines));
  cad.blockLevel = level - 1;
  cad.transform = saved;
}

}  // namespace

void ExpandBlockInsert(Context& context, const std::string& name, long double x, long double y, long double angle,
                       long double xScale, long double yScale) {
  int layer = context.cad.layer.number;
  context.cad.blockLevel = 0;
  context.cad.transform = {};
  ExpandBlock(context, name, x, y, angle, xScale, yScale);
  CadSetLayer(context, layer);
}

}  // namespace kalo
