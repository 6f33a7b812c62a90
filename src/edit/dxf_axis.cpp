#include "edit/dxf_axis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "dxf/dxf_geometry.h"
#include "geometry/plane_geometry.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr std::array<const char*, 4> kCentreLinetypes = {"CENTER", "DASHDOT", "STRICHPUNKT", "MITTE"};
constexpr std::array<const char*, 6> kCentreLayers = {"MITTE", "ACHS", "CENTER", "CENTRE", "AXIS", "SYMMETRIE"};
// A centre line beside the loop is its axis when it runs along at least this share of it.
constexpr long double kLongShare = 0.5L;
// Symmetry is looked for in loops of at most this many points (every point is compared with
// the whole loop).
constexpr size_t kMaxSymmetryPoints = 2000;

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

bool NamesCentreLine(const std::string& name, const auto& parts) {
  std::string key;
  for (char c : name) key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return std::any_of(parts.begin(), parts.end(), [&](const char* part) { return Contains(key, part); });
}

std::string Number(long double value) { return FormatSignificant(std::fabs(value) < 1e-12L ? 0 : value, NumberFormat{}); }

PlanePoint Turned(const PlanePoint& p, const DxfAxis& axis) {
  long double c = std::cos(axis.angle), s = std::sin(axis.angle), x = p.x - axis.origin.x, y = p.y - axis.origin.y;
  return {c * x + s * y, -s * x + c * y};
}

std::vector<DxfVertex> Moved(const std::vector<DxfVertex>& loop, const DxfAxis& axis) {
  std::vector<DxfVertex> moved;
  for (const DxfVertex& v : loop) {
    PlanePoint p = Turned({v.x, v.y}, axis);
    moved.push_back({p.x, p.y, v.phi});
  }
  return moved;
}

// How the loop lies about the x axis (after moving).
struct Side {
  bool above = false, below = false, edgeOn = false;
};

Side SideOf(const std::vector<DxfVertex>& loop, long double tolerance) {
  Box box = LoopBox(loop);
  Side side{box.ymax > tolerance, box.ymin < -tolerance, false};
  for (size_t i = 0; i < loop.size(); ++i) {
    const DxfVertex& a = loop[i];
    const DxfVertex& b = loop[(i + 1) % loop.size()];
    if (a.phi == 0 && std::fabs(a.y) <= tolerance && std::fabs(b.y) <= tolerance && Distance(a, b) > tolerance)
      side.edgeOn = true;
  }
  return side;
}

// Every point mirrored at the x axis lies on the loop.
bool SymmetricAboutXAxis(const std::vector<DxfVertex>& loop, long double tolerance) {
  if (loop.size() > kMaxSymmetryPoints) return false;
  return std::all_of(loop.begin(), loop.end(), [&](const DxfVertex& v) {
    return DistanceToLoop({v.x, -v.y}, loop) <= tolerance;
  });
}

bool SymmetricAbout(const std::vector<DxfVertex>& loop, const DxfAxis& axis, long double tolerance) {
  return SymmetricAboutXAxis(Moved(loop, axis), tolerance);
}

// The point of the line nearest to the drawing's origin: moving the loop along its axis
// changes nothing, so the axis keeps the drawing's coordinates along it.
PlanePoint FootOfOrigin(const DxfCentreLine& line) {
  long double dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
  long double t = -(line.from.x * dx + line.from.y * dy) / (dx * dx + dy * dy);
  return {line.from.x + t * dx, line.from.y + t * dy};
}

// The centre line that is the loop's axis, if any: symmetric first, then touching, then
// beside; the longest among equals.
std::optional<DxfAxis> CentreLineAxis(const std::vector<DxfVertex>& loop, const std::vector<DxfCentreLine>& lines,
                                      long double tolerance) {
  std::optional<DxfAxis> best;
  int bestRank = 0;
  long double bestLength = 0;
  for (const DxfCentreLine& line : lines) {
    DxfAxis axis{FootOfOrigin(line), std::atan2(line.to.y - line.from.y, line.to.x - line.from.x), false, ""};
    std::vector<DxfVertex> moved = Moved(loop, axis);
    Box box = LoopBox(moved);
    long double length = std::hypot(line.to.x - line.from.x, line.to.y - line.from.y);
    long double start = Turned(line.from, axis).x;
    long double overlap = std::min(box.xmax, start + length) - std::max(box.xmin, start);
    Side side = SideOf(moved, tolerance);
    int rank = 0;
    if (side.above && side.below && SymmetricAboutXAxis(moved, tolerance))
      rank = 3;
    else if (side.above != side.below && overlap >= kLongShare * (box.xmax - box.xmin))
      rank = (side.above ? box.ymin : -box.ymax) <= tolerance ? 2 : 1;
    if (rank == 0 || rank < bestRank || (rank == bestRank && length <= bestLength)) continue;
    static const char* const kHow[] = {"", "neben der Kontur", "an der Kontur", "Symmetrielinie der Kontur"};
    axis.atAxis = rank >= 2;
    axis.note = "Achse: Mittellinie (Layer " + line.layer + ", Zeile " + std::to_string(line.line) + ", " +
                Oem(kHow[rank]) + ") durch (" + Number(line.from.x) + " | " + Number(line.from.y) + ")";
    best = axis;
    bestRank = rank;
    bestLength = length;
  }
  return best;
}

DxfAxis Horizontal(long double y, bool atAxis, const std::string& note) { return {{0, y}, 0, atAxis, note}; }
DxfAxis Vertical(long double x, bool atAxis, const std::string& note) { return {{x, 0}, kPi / 2, atAxis, note}; }

std::optional<DxfAxis> FullSectionAxis(const std::vector<DxfVertex>& loop, long double tolerance) {
  Box box = LoopBox(loop);
  DxfAxis horizontal = Horizontal((box.ymin + box.ymax) / 2, true, "");
  DxfAxis vertical = Vertical((box.xmin + box.xmax) / 2, true, "");
  bool aboutHorizontal = SymmetricAbout(loop, horizontal, tolerance);
  bool aboutVertical = SymmetricAbout(loop, vertical, tolerance);
  if (aboutHorizontal == aboutVertical) return std::nullopt;
  if (aboutHorizontal) horizontal.note = "Achse: Symmetrielinie des Vollschnitts y = " + Number(horizontal.origin.y);
  if (aboutVertical)
    vertical.note = "Achse: Symmetrielinie des Vollschnitts x = " + Number(vertical.origin.x) + Oem(" (senkrecht, Kontur gedreht)");
  return aboutHorizontal ? horizontal : vertical;
}

DxfAxis StatedAxis(const DxfAxisChoice& stated) {
  bool fromOrigin = stated.from.x == 0 && stated.from.y == 0;
  if (fromOrigin && stated.to.y == 0 && stated.to.x > 0) return Horizontal(0, true, "Achse wie angegeben: x-Achse (y = 0)");
  if (fromOrigin && stated.to.x == 0 && stated.to.y > 0)
    return Vertical(0, true, Oem("Achse wie angegeben: y-Achse (x = 0), Kontur gedreht"));
  long double angle = std::atan2(stated.to.y - stated.from.y, stated.to.x - stated.from.x);
  return {stated.from, angle, true,
          "Achse wie angegeben: Linie durch (" + Number(stated.from.x) + " | " + Number(stated.from.y) + ") und (" +
              Number(stated.to.x) + " | " + Number(stated.to.y) + ") mm"};
}

}  // namespace

std::vector<DxfCentreLine> CentreLinesOf(const std::vector<DxfCurve>& curves) {
  std::vector<DxfCentreLine> lines;
  // Drawings keep to a few layers and line types: each is judged once.
  std::map<std::pair<std::string, std::string>, bool> judged;
  for (const DxfCurve& curve : curves) {
    if (curve.closed || curve.vertices.size() != 2 || curve.vertices[0].phi != 0) continue;
    auto [found, added] = judged.try_emplace({curve.layer, curve.linetype}, false);
    if (added)
      found->second = NamesCentreLine(curve.linetype, kCentreLinetypes) || NamesCentreLine(curve.layer, kCentreLayers);
    if (!found->second) continue;
    const DxfVertex& a = curve.vertices[0];
    const DxfVertex& b = curve.vertices[1];
    if (Distance(a, b) > 0) lines.push_back({{a.x, a.y}, {b.x, b.y}, curve.layer, curve.line});
  }
  return lines;
}

DxfAxis FindAxis(const std::vector<DxfVertex>& loop, const std::vector<DxfCentreLine>& centreLines,
                 long double tolerance, std::optional<DxfAxisChoice> stated, bool ownLayer) {
  if (stated) return StatedAxis(*stated);
  if (std::optional<DxfAxis> axis = CentreLineAxis(loop, centreLines, tolerance)) return *axis;
  Side xAxis = SideOf(loop, tolerance);
  if (xAxis.edgeOn || (xAxis.above && xAxis.below))
    return Horizontal(0, true, xAxis.edgeOn ? "Achse: y = 0 (Kante der Kontur)" : Oem("Achse: y = 0 (Kontur reicht darüber)"));
  if (ownLayer) return Horizontal(0, true, "Achse: y = 0 (Kontur auf dem Konturlayer des Programms)");
  std::vector<DxfVertex> turned = Moved(loop, Vertical(0, true, ""));
  Side yAxis = SideOf(turned, tolerance);
  if (yAxis.edgeOn && yAxis.above != yAxis.below)
    return Vertical(0, true, Oem("Achse: x = 0 (Kante der Kontur; senkrecht, Kontur gedreht)"));
  if (std::optional<DxfAxis> axis = FullSectionAxis(loop, tolerance)) return *axis;
  return Horizontal(0, false, "Achse: y = 0 angenommen (keine Mittellinie, keine Kante auf einer Achse); /AXIS=x|y gibt sie an");
}

std::vector<DxfVertex> OnAxis(const std::vector<DxfVertex>& loop, const DxfAxis& axis) {
  if (axis.angle == 0 && axis.origin.x == 0 && axis.origin.y == 0) return loop;
  std::vector<DxfVertex> moved = Moved(loop, axis);
  Box box = LoopBox(moved);
  if (box.ymax > -box.ymin) return moved;
  // Below the axis: half a turn more brings it above.
  DxfAxis reversed = axis;
  reversed.angle += kPi;
  return Moved(loop, reversed);
}

}  // namespace kalo
