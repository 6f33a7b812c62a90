#include "cad/iges_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "cad/dxf_numbers.h"
#include "cad/iges_format.h"
#include "context/configuration.h"
#include "context/context.h"
#include "geometry/plane_geometry.h"
#include "messages/messages.h"
#include "numbers/number_format.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr size_t kBlockNameLength = 8;
constexpr size_t kPointersPerGroup = 12;
// AutoCAD colour index of a layer: 0 draws in 7, 1..5 and 16..31 as configured, the
// others in (n mod 16) + 1.
int LayerColourIndex(int layer, const Configuration& config) {
  if (layer == 0) return 7;
  if (layer >= 1 && layer < kNamedLayers) return config.layers[static_cast<size_t>(layer)].colour;
  if (layer >= kFirstDrawingLayer && layer < kFirstDrawingLayer + kDrawingLayers)
    return config.drawingLayerColours[static_cast<size_t>(layer - kFirstDrawingLayer)];
  return layer % 16 + 1;
}

int LayerLineFont(int layer) { return layer == 1 ? 4 : layer == 2 ? 2 : 1; }

std::string DateText(const DateTime& now) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%02d", now.year % 100, now.month, now.day);
  return text;
}

}  // namespace

IgesWriter::IgesWriter(std::string path, const Configuration& config, MessageCollection& messages,
                       const DateTime& now)
    : path_(std::move(path)), config_(config), messages_(messages), now_(now) {}

std::string IgesWriter::Length(long double value) const { return IgesNumber(value, 3, config_.decimals); }

std::string IgesWriter::Angle(long double value) const { return IgesNumber(value, 6, config_.decimals); }

void IgesWriter::SetExtents(long double, long double, long double xmax, long double ymax) {
  largestCoordinate_ = std::max(xmax, ymax);
}

void IgesWriter::AddStartAndGlobal(IgesSection& start, IgesSection& global) const {
  start.AddText(std::string("IGES-Datei generiert von ") + kProgramName);
  start.AddText("Uebersetzer von VORTANE GMBH, Uebersetzerversion 3.1");
  std::string baseName = BaseNameOf(path_);
  global.AddText(",," + Hollerith("FILE") + "," + Hollerith(baseName) + "," +
                 Hollerith(std::string(kProgramName) + " V" + kProgramVersion) + ",,");
  global.AddText("16,38,6,99,15,");
  global.AddText(Hollerith(baseName) + ",1.0,2," + Hollerith("MM") + ",32767,3.2767D1,");
  global.AddText(Hollerith(DateText(now_) + ".081107") + ",1.0D-8," +
                 DxfCompact(largestCoordinate_, NumberFormat{config_.decimals, false}) + ",");
  global.AddText(Hollerith("Pelke") + "," + Hollerith("VORTANE") + ",4,0;");
}

void IgesWriter::SetLayer(const CadLayer& layer) {
  colour_ = IgesColour(LayerColourIndex(layer.number, config_));
  lineFont_ = LayerLineFont(layer.number);
}

int IgesWriter::Write(const Entity& entity) {
  int pointer = directory_.Count() + 1;
  if (inBlock_ && entity.blockMember) members_.push_back(pointer);
  int parameterPointer = parameters_.Count() + 1;
  int lineCount = 0;
  for (const std::string& group : entity.groups) lineCount += parameters_.AddParameterGroup(group, pointer);
  std::string type = std::to_string(entity.type);
  std::string colour = std::to_string(colour_);
  std::string status = inBlock_ || entity.subordinate ? "00010000" : "00000000";
  directory_.AddDirectoryLine({type, std::to_string(parameterPointer), "1", std::to_string(lineFont_), colour, "",
                               entity.matrix, "", status});
  directory_.AddDirectoryLine({type, "", colour, std::to_string(lineCount), entity.form, "", "", entity.label, ""});
  return pointer;
}

void IgesWriter::Line(long double x1, long double y1, long double x2, long double y2) {
  Write({.type = 110,
         .groups = {"110," + Length(x1) + "," + Length(y1) + ",0.0," + Length(x2) + "," + Length(y2) + ",0.0;"}});
}

void IgesWriter::Circle(long double x, long double y, long double r) { Arc(x, y, 0, 0, r); }

void IgesWriter::Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) {
  long double start = DegToRad(startAngle), end = DegToRad(endAngle);
  Write({.type = 100,
         .groups = {"100,0.0," + Length(x) + "," + Length(y) + "," + Length(x + r * std::cos(start)) + "," +
                    Length(y + r * std::sin(start)) + "," + Length(x + r * std::cos(end)) + "," +
                    Length(y + r * std::sin(end)) + ";"},
         .matrix = "0"});
}

void IgesWriter::Text(const std::string& text, long double x, long double y, const CadTextState& style) {
  // A note needs at least one character: an empty Hollerith string is no IGES string.
  if (text.empty()) return;
  long double count = static_cast<long double>(text.size());
  Write({.type = 212,
         .groups = {"212,1," + std::to_string(text.size()) + "," + Length(count * style.height * style.widthFactor) +
                        "," + Length(style.height) + ",1,," + Angle(DegToRad(style.rotation)) + ",0,0," + Length(x) +
                        "," + Length(y) + ",0.0,",
                    Hollerith(text) + ";"},
         .matrix = "0"});
}

void IgesWriter::Solid(const std::array<CadPoint, 4>& corners) {
  auto point = [&](const CadPoint& p, const char* end) { return Length(p.x) + "," + Length(p.y) + end; };
  Write({.type = 106,
         .groups = {"106,1,5,0.0," + point(corners[0], ","), point(corners[3], ","), point(corners[2], ","),
                    point(corners[1], ","), point(corners[0], ";")},
         .matrix = "0",
         .form = "11"});
}

void IgesWriter::BeginBlock(const std::string& name) {
  inBlock_ = true;
  blockName_ = name;
  members_.clear();
}

void IgesWriter::EndBlock() {
  if (!inBlock_) return;
  inBlock_ = false;
  std::string shortName = blockName_.substr(0, kBlockNameLength);
  Entity definition{.type = 308,
                    .groups = {"308,0," + Hollerith(shortName) + "," + std::to_string(members_.size()) + ","},
                    .label = shortName};
  for (size_t i = 0; i < members_.size(); ++i) {
    if (i % kPointersPerGroup == 0) definition.groups.emplace_back();
    definition.groups.back() += std::to_string(members_[i]) + ",";
  }
  // A block without members ends its first group with ";".
  definition.groups.back().back() = ';';
  blocks_.push_back({blockName_, Write(definition)});
  members_.clear();
}

void IgesWriter::Insert(const std::string& name, long double x, long double y, long double angle, long double,
                        long double) {
  auto block = std::find_if(blocks_.begin(), blocks_.end(), [&](const Block& b) { return b.name == name; });
  if (block == blocks_.end()) {
    // An instance of a missing block would point at no subfigure: only the message is left.
    messages_.Report("Blockname " + name + " not found !");
    return;
  }
  std::string subfigure = "408," + std::to_string(block->pointer) + ",";
  if (angle == 0) {
    Write({.type = 408, .groups = {subfigure + Length(x) + "," + Length(y) + ",0.0,1.0;"}});
    return;
  }
  long double a = DegToRad(angle);
  int matrix = Write({.type = 124,
                      .groups = {"124," + Angle(std::cos(a)) + "," + Angle(-std::sin(a)) + ",0.0," + Length(x) + ",",
                                 Angle(std::sin(a)) + "," + Angle(std::cos(a)) + ",0.0," + Length(y) + ",",
                                 "0.0,0.0,1.0,0.0;"},
                      .form = "0",
                      .subordinate = true,
                      .blockMember = false});
  Write({.type = 408, .groups = {subfigure + "0.0,0.0,0.0,1.0;"}, .matrix = std::to_string(matrix)});
}

Outcome IgesWriter::Finish() {
  IgesSection start('S'), global('G');
  AddStartAndGlobal(start, global);
  std::vector<std::string> lines;
  for (const IgesSection* section : {&start, &global, &directory_, &parameters_})
    lines.insert(lines.end(), section->Lines().begin(), section->Lines().end());
  lines.push_back(IgesTerminateLine(start.Count(), global.Count(), directory_.Count(), parameters_.Count()));
  return WriteTextLines(path_, lines);
}

}  // namespace kalo
