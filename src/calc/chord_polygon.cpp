#include "calc/chord_polygon.h"

#include <cmath>
#include <optional>

#include "geometry/plane_geometry.h"

namespace kalo {
namespace {

constexpr int kMinChords = 2;

// round(sweep / step), ties to even, at least 2. A ratio beyond the polygon (or not a
// number at all) is limited so that the arc cannot fit and the caller stops at the limit.
int ChordCount(long double sweep, long double step) {
  long double count = std::nearbyint(sweep / step);
  if (!(count >= kMinChords)) return kMinChords;
  return count > kMaxPolygonIndex ? kMaxPolygonIndex : static_cast<int>(count);
}

// The chord points of the arc from element - 1 to element, both ends included.
bool SendArc(const ContourElement& from, const ContourElement& to, int element, long double step,
             PolygonSink& sink, MessageCollection& messages, const NumberFormat& format) {
  long double phi = from.phi;
  std::optional<ArcGeometry> arc = GetArcCenter(from.x, from.y, to.x, to.y, phi, messages, format);
  // An angle that gives no centre (reported above unless the arc is negligible) leaves a
  // straight segment.
  if (!arc) return sink.Add(element, to.x, to.y);
  long double a1 = arc->a1 < 0 ? arc->a1 + 2 * kPi : arc->a1;
  long double a2 = arc->a2 < 0 ? arc->a2 + 2 * kPi : arc->a2;
  int chords = ChordCount(std::fabs(phi), step);
  long double d = std::fabs(phi) / chords;
  // Counter-clockwise arcs start at a1, clockwise ones at a2 (the angle of 'from').
  long double start = phi >= 0 ? a1 : a2;
  long double delta = phi >= 0 ? d : -d;
  // The ends are the contour's own points: recomputed from the centre they would miss the
  // next element by a rounding step, below the axis for an arc that ends on it.
  if (!sink.Add(element, from.x, from.y)) return false;
  for (int j = 1; j < chords; ++j) {
    long double angle = start + j * delta;
    if (!sink.Add(element, arc->xc + arc->r * std::cos(angle), arc->yc + arc->r * std::sin(angle))) return false;
  }
  return sink.Add(element, to.x, to.y);
}

// Writes the points into the polygon until an index reaches the polygon limit.
class PolygonWriter final : public PolygonSink {
 public:
  explicit PolygonWriter(ContourPolygon& polygon) : polygon_(polygon) {}

  bool Add(int, long double x, long double y) override {
    if (++k_ >= kMaxPolygonIndex) return false;
    polygon_.points[static_cast<size_t>(k_)] = {x, y};
    return true;
  }
  int Count() const { return k_; }

 private:
  ContourPolygon& polygon_;
  int k_ = 0;
};

}  // namespace

bool WalkPolygon(const Contour& contour, long double arcDivisionDegrees, PolygonSink& sink,
                 MessageCollection& messages, const NumberFormat& format) {
  long double step = DegToRad(arcDivisionDegrees);
  // A count beyond the storage (never written by the program) is read as the storage.
  int count = contour.count < kMaxElements ? contour.count : kMaxElements;
  for (int i = 1; i <= count; ++i) {
    const ContourElement& element = contour[i];
    bool going = i == 1 || contour[i - 1].phi == 0 ? sink.Add(i, element.x, element.y)
                                                    : SendArc(contour[i - 1], element, i, step, sink, messages, format);
    if (!going) return false;
  }
  return true;
}

PolygonOutcome BuildPolygon(const Contour& contour, long double arcDivisionDegrees, ContourPolygon& polygon,
                            MessageCollection& messages, const NumberFormat& format) {
  PolygonWriter writer(polygon);
  if (!WalkPolygon(contour, arcDivisionDegrees, writer, messages, format)) return PolygonOutcome::TooManyPoints;
  if (contour.count == 0) return PolygonOutcome::Empty;
  int k = writer.Count();
  polygon.count = static_cast<uint16_t>(k + 1);
  polygon.points[static_cast<size_t>(k + 1)] = {contour[1].x, contour[1].y};
  return PolygonOutcome::Closed;
}

}  // namespace kalo
