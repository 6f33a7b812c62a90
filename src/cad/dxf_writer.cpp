#include "cad/dxf_writer.h"

#include <utility>

#include "cad/dxf_numbers.h"
#include "context/configuration.h"
#include "datafile/data_file_format.h"
#include "platform/text_file.h"

namespace kalo {

DxfWriter::DxfWriter(std::string path, const Configuration& config)
    : path_(std::move(path)), config_(config), decimals_(CadDecimals(config)), compactShift_{config.decimals, false} {}

// A value with a line break would shift every pair after it: breaks become blanks.
void DxfWriter::Group(int code, const std::string& value) {
  lines_.push_back(DxfGroupCode(code));
  lines_.push_back(OneLine(value));
}

void DxfWriter::Real(int code, long double value) { Group(code, DxfFixed(value, decimals_)); }

void DxfWriter::Compact(int code, long double value) { Group(code, DxfCompact(value, compactShift_)); }

void DxfWriter::Point(int code, long double x, long double y) {
  Real(code, x);
  Real(code + 10, y);
}

void DxfWriter::Entity(const std::string& name) {
  Group(0, name);
  Group(8, layerName_);
}

void DxfWriter::BeginBlocks() {
  Group(0, "SECTION");
  Group(2, "BLOCKS");
}

void DxfWriter::BeginBlock(const std::string& name) {
  Entity("BLOCK");
  Group(2, name);
  Group(70, "0");
  Group(10, "0.0");
  Group(20, "0.0");
}

void DxfWriter::EndBlock() { Group(0, "ENDBLK"); }

void DxfWriter::EndSection() { Group(0, "ENDSEC"); }

void DxfWriter::BeginEntities() {
  Group(0, "SECTION");
  Group(2, "ENTITIES");
}

void DxfWriter::Line(long double x1, long double y1, long double x2, long double y2) {
  Entity("LINE");
  Point(10, x1, y1);
  Point(11, x2, y2);
}

void DxfWriter::Circle(long double x, long double y, long double r) {
  Entity("CIRCLE");
  Point(10, x, y);
  Real(40, r);
}

void DxfWriter::Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) {
  if (IsFullCircle(startAngle, endAngle)) {
    Circle(x, y, r);
    return;
  }
  Entity("ARC");
  Point(10, x, y);
  Real(40, r);
  Real(50, startAngle);
  Real(51, endAngle);
}

void DxfWriter::Text(const std::string& text, long double x, long double y, const CadTextState& style) {
  Entity("TEXT");
  Point(10, x, y);
  Real(40, style.height);
  Group(1, text);
  Group(7, "STANDARD");
  Compact(41, style.widthFactor);
  Compact(50, style.rotation);
  Compact(51, style.oblique);
}

void DxfWriter::Solid(const std::array<CadPoint, 4>& corners) {
  Entity("SOLID");
  for (int i = 0; i < 4; ++i) Point(10 + i, corners[static_cast<size_t>(i)].x, corners[static_cast<size_t>(i)].y);
}

void DxfWriter::Insert(const std::string& name, long double x, long double y, long double angle, long double xScale,
                       long double yScale) {
  Entity("INSERT");
  Group(2, name);
  Point(10, x, y);
  Real(41, xScale);
  Real(42, yScale);
  Real(50, angle);
}

void DxfWriter::BeginPolyline(int flag) {
  Entity("POLYLINE");
  Group(66, "1");
  if (flag != 0) Group(70, std::to_string(flag));
  closedPolyline_ = (flag & 1) != 0;
  lastBulge_ = 0;
}

void DxfWriter::Vertex(long double x, long double y, long double bulge) {
  Entity("VERTEX");
  Point(10, x, y);
  lastBulge_ = 0;
  if (bulge == 0) return;
  lastBulge_ = lines_.size();
  Real(42, bulge);
}

// The closing segment of a closed outline is always straight, as the contour's is: a
// bulge given with the last vertex is dropped.
void DxfWriter::EndPolyline() {
  if (closedPolyline_ && lastBulge_ != 0) {
    auto first = lines_.begin() + static_cast<std::ptrdiff_t>(lastBulge_);
    lines_.erase(first, first + 2);
  }
  closedPolyline_ = false;
  lastBulge_ = 0;
  Entity("SEQEND");
}

Outcome DxfWriter::Finish() {
  Group(0, "EOF");
  return WriteTextLines(path_, lines_);
}

}  // namespace kalo
