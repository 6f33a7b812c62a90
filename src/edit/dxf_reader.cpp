#include "edit/dxf_reader.h"

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <optional>
#include <vector>

#include "graphics/plane_geometry.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

constexpr char kBinarySentinel[] = "AutoCAD Binary DXF";
constexpr char kDwgSignature[] = "AC10";
constexpr size_t kSignatureLength = sizeof kBinarySentinel - 1;
// The end of a complete file: the group pair "0" / "EOF", and nothing but blanks after it.
constexpr std::streamoff kTailLength = 64;
constexpr unsigned char kEndOfText = 0x1a;
// An extrusion direction counts as the z axis when it leans less than this.
constexpr double kPlaneTolerance = 1e-9;
constexpr int kEllipsePointsPerTurn = 32;
// An ARC whose angles differ by less than this (degrees) is a full circle, as the program
// writes it.
constexpr long double kFullCircleDifference = 1e-5L;
constexpr int kPolygonMesh = 16, kPolyfaceMesh = 64, kSplineFit = 4, k3dPolyline = 8;

// What the first bytes say when the file is no ASCII DXF; empty otherwise.
std::string ForeignFormat(std::istream& in) {
  std::string head(kSignatureLength, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(in.gcount()));
  if (head.empty()) return "die Datei ist leer";
  if (head.starts_with(kBinarySentinel)) return Oem("binäre DXF-Datei; bitte als ASCII-DXF speichern");
  if (head.starts_with(kDwgSignature)) return "DWG-Zeichnung, keine DXF-Datei; bitte als ASCII-DXF speichern";
  return "";
}

// The last two lines that are not blank, trimmed; an end-of-text character counts as blank.
std::vector<std::string> LastLines(std::istream& in) {
  in.clear();
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  in.seekg(std::max<std::streamoff>(0, size - kTailLength));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    auto blank = [](unsigned char c) { return std::isspace(c) || c == kEndOfText; };
    auto first = std::find_if_not(line.begin(), line.end(), blank);
    auto last = std::find_if_not(line.rbegin(), line.rend(), blank).base();
    if (first < last) lines.emplace_back(first, last);
  }
  if (lines.size() > 2) lines.erase(lines.begin(), lines.end() - 2);
  return lines;
}

// dxflib reads a file cut short without complaint; a complete file ends with "0" and "EOF".
bool EndsWithEof(std::istream& in) { return LastLines(in) == std::vector<std::string>{"0", "EOF"}; }

// How an entity's object coordinate system lies: the drawing plane seen from above, from
// below (extrusion (0, 0, -1), as mirrored entities have it: x negated, arcs turning the
// other way), or outside the drawing plane.
enum class Ocs { Plane, Mirrored, OutOfPlane };

Ocs OcsOf(const DL_Extrusion& extrusion) {
  const double* d = extrusion.getDirection();
  if (d[2] == 0 || std::fabs(d[0]) > kPlaneTolerance * std::fabs(d[2]) ||
      std::fabs(d[1]) > kPlaneTolerance * std::fabs(d[2]))
    return Ocs::OutOfPlane;
  return d[2] > 0 ? Ocs::Plane : Ocs::Mirrored;
}

class CurveCollector : public DL_CreationAdapter {
 public:
  explicit CurveCollector(std::vector<DxfCurve>& curves) : curves_(curves) {}

  void Finish() { Flush(); }

  void addBlock(const DL_BlockData&) override { inBlock_ = true; }
  void endBlock() override { inBlock_ = false; }
  void endEntity() override { Flush(); }

  // LINE is given in world coordinates.
  void addLine(const DL_LineData& d) override {
    if (!Start(DxfCurveKind::Line, Ocs::Plane)) return;
    Vertex(d.x1, d.y1);
    Vertex(d.x2, d.y2);
    Flush();
  }

  // Counter-clockwise about the z axis of its coordinate system from angle1 to angle2;
  // equal angles make a full circle.
  void addArc(const DL_ArcData& d) override {
    long double sweep = SweepDeg(d.angle1, d.angle2);
    if (sweep < kFullCircleDifference || 360 - sweep < kFullCircleDifference)
      return AddCircle(d.cx, d.cy, d.radius, DxfCurveKind::Arc);
    if (!(d.radius > 0) || !Start(DxfCurveKind::Arc, OcsOf(*getExtrusion()))) return;
    long double a1 = DegToRad(d.angle1), a2 = DegToRad(d.angle1 + sweep);
    Vertex(d.cx + d.radius * std::cos(a1), d.cy + d.radius * std::sin(a1), DegToRad(sweep));
    Vertex(d.cx + d.radius * std::cos(a2), d.cy + d.radius * std::sin(a2));
    Flush();
  }

  void addCircle(const DL_CircleData& d) override { AddCircle(d.cx, d.cy, d.radius, DxfCurveKind::Circle); }

  void addPolyline(const DL_PolylineData& d) override {
    if (d.flags & (kPolygonMesh | kPolyfaceMesh)) return Flush();
    // A 3D polyline has world coordinates; a spline-fit polyline stands for a spline.
    DxfCurveKind kind = d.flags & kSplineFit ? DxfCurveKind::Spline : DxfCurveKind::Polyline;
    if (!Start(kind, d.flags & k3dPolyline ? Ocs::Plane : OcsOf(*getExtrusion()))) return;
    pending_->closed = d.flags & 1;
  }

  // The bulge is tan(phi / 4); a spline-fit polyline is kept as its points, like a spline.
  void addVertex(const DL_VertexData& d) override {
    if (!pending_) return;
    long double bulge = pending_->kind == DxfCurveKind::Spline ? 0 : d.bulge;
    Vertex(d.x, d.y, 4 * std::atan(bulge));
  }

  // A spline is kept as its fit points, else as its control points.
  void addSpline(const DL_SplineData& d) override {
    if (!Start(DxfCurveKind::Spline, Ocs::Plane)) return;
    pending_->closed = d.flags & 1;
    splineFitPoints_.clear();
  }
  void addControlPoint(const DL_ControlPointData& d) override {
    if (pending_) Vertex(d.x, d.y);
  }
  void addFitPoint(const DL_FitPointData& d) override {
    if (pending_) splineFitPoints_.push_back({d.x, d.y, 0});
  }

  // Centre and major axis in world coordinates; the minor axis lies a quarter turn from the
  // major axis about the extrusion direction. Parameters in radians.
  void addEllipse(const DL_EllipseData& d) override {
    Ocs ocs = OcsOf(*getExtrusion());
    if (ocs == Ocs::OutOfPlane || !Start(DxfCurveKind::Ellipse, Ocs::Plane)) return;
    long double turn = ocs == Ocs::Mirrored ? -d.ratio : d.ratio;
    long double sweep = std::fmod(d.angle2 - d.angle1, 2 * kPi);
    if (sweep <= 0) sweep += 2 * kPi;
    pending_->closed = std::fabs(sweep - 2 * kPi) < 1e-9L;
    int steps = std::max(2, static_cast<int>(std::ceil(sweep / (2 * kPi) * kEllipsePointsPerTurn)));
    for (int k = 0; k <= steps - (pending_->closed ? 1 : 0); ++k) {
      long double t = d.angle1 + sweep * k / steps;
      Vertex(d.cx + std::cos(t) * d.mx - turn * std::sin(t) * d.my, d.cy + std::cos(t) * d.my + turn * std::sin(t) * d.mx);
    }
    Flush();
  }

 private:
  bool InModel() const { return !inBlock_ && !attributes.isInPaperSpace(); }

  // Begins a curve of the model; false (and nothing begun) for a curve that is none.
  bool Start(DxfCurveKind kind, Ocs ocs) {
    Flush();
    if (!InModel() || ocs == Ocs::OutOfPlane) return false;
    pending_ = DxfCurve{kind, attributes.getLayer(), {}, false};
    mirrored_ = ocs == Ocs::Mirrored;
    return true;
  }

  void Vertex(long double x, long double y, long double phi = 0) {
    pending_->vertices.push_back(mirrored_ ? DxfVertex{Negated(x), y, Negated(phi)} : DxfVertex{x, y, phi});
  }

  // Two half circles from the rightmost point of the circle.
  void AddCircle(long double cx, long double cy, long double r, DxfCurveKind kind) {
    if (!(r > 0) || !Start(kind, OcsOf(*getExtrusion()))) return;
    Vertex(cx + r, cy, kPi);
    Vertex(cx - r, cy, kPi);
    pending_->closed = true;
    Flush();
  }

  void Flush() {
    if (!pending_) return;
    if (!splineFitPoints_.empty()) pending_->vertices = std::move(splineFitPoints_);
    splineFitPoints_.clear();
    std::vector<DxfVertex>& vertices = pending_->vertices;
    if (!vertices.empty() && !pending_->closed) vertices.back().phi = 0;
    if (vertices.size() >= 2) curves_.push_back(std::move(*pending_));
    pending_.reset();
  }

  std::vector<DxfCurve>& curves_;
  std::optional<DxfCurve> pending_;
  std::vector<DxfVertex> splineFitPoints_;
  bool mirrored_ = false;
  bool inBlock_ = false;
};

}  // namespace

bool ReadDxfCurves(const std::string& path, std::vector<DxfCurve>& curves, std::string& error) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) {
    error = "nicht lesbar";
    return false;
  }
  error = ForeignFormat(in);
  if (error.empty() && !EndsWithEof(in)) error = Oem("unvollständig oder keine DXF-Datei: sie endet nicht mit EOF");
  if (!error.empty()) return false;
  in.clear();
  in.seekg(0);
  CurveCollector collector(curves);
  try {
    DL_Dxf dxf;
    if (dxf.in(in, &collector)) {
      collector.Finish();
      return true;
    }
  } catch (const std::exception&) {
  }
  error = Oem("beschädigt, dxflib kann sie nicht lesen");
  return false;
}

}  // namespace kalo
