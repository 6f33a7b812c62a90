#include "calc/contour_integrals.h"

#include "calc/chord_polygon.h"

namespace kalo {
namespace {

PlanePoint PointOf(const ContourElement& element) { return {element.x, element.y}; }

// A count beyond the storage (never written by the program) is read as the storage.
int ElementCount(const Contour& contour) { return contour.count < kMaxElements ? contour.count : kMaxElements; }

// Adds each chord of the calculation polygon to the element that it leaves from.
class ChordIntegrals final : public PolygonSink {
 public:
  explicit ChordIntegrals(std::vector<RegionIntegrals>& elements) : elements_(elements) {}

  bool Add(int element, long double x, long double y) override {
    PlanePoint point{x, y};
    // A point added by element i's step ends a chord of element i - 1.
    if (element > 1) AddLineIntegrals(last_, point, elements_[static_cast<size_t>(element - 2)]);
    last_ = point;
    return true;
  }
  const PlanePoint& Last() const { return last_; }

 private:
  std::vector<RegionIntegrals>& elements_;
  PlanePoint last_;
};

bool IsStraight(const Contour& contour, int i, int count) { return i == count || contour[i].phi == 0; }
const ContourElement& NextOf(const Contour& contour, int i, int count) { return contour[i == count ? 1 : i + 1]; }

// Element i's boundary: the true arc to element i + 1, or the straight line.
void AddExactElement(const Contour& contour, int i, int count, RegionIntegrals& sum) {
  const ContourElement& from = contour[i];
  if (IsStraight(contour, i, count))
    AddLineIntegrals(PointOf(from), PointOf(NextOf(contour, i, count)), sum);
  else
    AddArcIntegrals(PointOf(from), PointOf(NextOf(contour, i, count)), from.phi, sum);
}

// Calls term for the straight boundary of every element that has one, in order.
template <typename Term>
void ForEachLine(const Contour& contour, int count, Term term) {
  for (int i = 1; i <= count; ++i)
    if (IsStraight(contour, i, count)) term(LineTerms(PointOf(contour[i]), PointOf(NextOf(contour, i, count))));
}

// Calls term for every segment p -> p+1 of the calculation polygon.
template <typename Term>
void ForEachChord(const ContourPolygon& polygon, Term term) {
  for (size_t p = 1; p < polygon.count; ++p) term(LineTerms(polygon.points[p], polygon.points[p + 1]));
}

// The sums of lines in passes, as the polygon sums of the calculation are, so that the sums
// stay in the floating-point registers; forEach(term) calls term for every line. The solid
// terms (X2Y, Yds) only when asked for.
template <typename ForEach>
RegionIntegrals SumLines(ForEach forEach, bool solidTerms) {
  long double A = 0, Sx = 0, Ixx = 0, Y3 = 0;
  forEach([&](const LineTerms& t) {
    A += t.A();
    Sx += t.Sx();
    Ixx += t.Ixx();
    Y3 += t.Y3();
  });
  long double Sy = 0, Iyy = 0, Ixy = 0;
  forEach([&](const LineTerms& t) {
    Sy += t.Sy();
    Iyy += t.Iyy();
    Ixy += t.Ixy();
  });
  long double X2Y = 0, Yds = 0;
  if (solidTerms) {
    forEach([&](const LineTerms& t) {
      X2Y += t.X2Y();
      Yds += t.Yds();
    });
  }
  return {A, Sx, Sy, Ixx, Iyy, Ixy, Y3, X2Y, Yds};
}

RegionIntegrals Sum(const std::vector<RegionIntegrals>& elements) {
  RegionIntegrals total;
  for (const RegionIntegrals& element : elements) total += element;
  return total;
}

}  // namespace

RegionIntegrals ContourIntegrals(const Contour& contour, long double arcDivisionDegrees, ArcModel model,
                                 MessageCollection& messages, const NumberFormat& format,
                                 std::vector<RegionIntegrals>* elements) {
  int count = ElementCount(contour);
  std::vector<RegionIntegrals> ownElements;
  if (!elements) elements = &ownElements;
  elements->assign(static_cast<size_t>(count), RegionIntegrals{});
  if (count == 0) return {};
  if (model == ArcModel::Chords) {
    ChordIntegrals chords(*elements);
    WalkPolygon(contour, arcDivisionDegrees, chords, messages, format);
    AddLineIntegrals(chords.Last(), PointOf(contour[1]), elements->back());
  } else {
    for (int i = 1; i <= count; ++i) AddExactElement(contour, i, count, (*elements)[static_cast<size_t>(i - 1)]);
  }
  return Sum(*elements);
}

RegionIntegrals ExactSectionIntegrals(const Contour& contour) {
  int count = ElementCount(contour);
  RegionIntegrals total;
  for (int i = 1; i <= count; ++i)
    if (!IsStraight(contour, i, count)) AddExactElement(contour, i, count, total);
  total.X2Y = total.Yds = 0;
  total += SumLines([&](auto term) { ForEachLine(contour, count, term); }, false);
  return total;
}

RegionIntegrals PolygonIntegrals(const ContourPolygon& polygon) {
  return SumLines([&](auto term) { ForEachChord(polygon, term); }, true);
}

}  // namespace kalo
