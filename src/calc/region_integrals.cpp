#include "calc/region_integrals.h"

#include <array>
#include <cmath>

namespace kalo {
namespace {

// Powers 0..N of a value.
template <size_t N>
std::array<long double, N + 1> Powers(long double value) {
  std::array<long double, N + 1> powers{};
  powers[0] = 1;
  for (size_t k = 1; k <= N; ++k) powers[k] = powers[k - 1] * value;
  return powers;
}

constexpr long double kBinomial[6][6] = {
    {1}, {1, 1}, {1, 2, 1}, {1, 3, 3, 1}, {1, 4, 6, 4, 1}, {1, 5, 10, 10, 5, 1},
};
// 1/n, multiplied rather than divided by in the loops below.
constexpr long double kInverse[8] = {0, 1, 1.0L / 2, 1.0L / 3, 1.0L / 4, 1.0L / 5, 1.0L / 6, 1.0L / 7};

// The highest powers the integrals need: x² (a) and y⁴·sin (b + 1 for y³, times sin θ).
constexpr size_t kCosPowers = 2, kSinPowers = 5;
// The highest power k of y in the integrals of cos^p·sin·y^k that are needed: y⁴ only with
// cos⁰ (for y³), y² with cos and cos² (for x·y and x²·y).
constexpr size_t kHighestPower[kCosPowers + 1] = {4, 2, 2};

// An arc whose sagitta is below a billionth of its chord is taken as the chord.
constexpr long double kNegligibleSagitta = 1.0E-9L;

// The polar angle θ of a point on the circle, by its cosine and sine.
struct Direction {
  long double c, s;
};

// M[p][q] = integral of cos^p·sin^q over the arc of the given sweep between two
// directions, by the reduction formulas from its two ends.
class TrigMoments {
 public:
  TrigMoments(const Direction& from, const Direction& to, long double sweep) {
    auto c0 = Powers<kCosPowers + 1>(from.c), c1 = Powers<kCosPowers + 1>(to.c);
    auto s0 = Powers<kSinPowers>(from.s), s1 = Powers<kSinPowers>(to.s);
    m_[0][0] = sweep;
    m_[1][0] = s1[1] - s0[1];
    m_[2][0] = 0.5L * (c1[1] * s1[1] - c0[1] * s0[1] + sweep);
#pragma GCC unroll 3
    for (size_t p = 0; p <= kCosPowers; ++p) {
      m_[p][1] = -(c1[p + 1] - c0[p + 1]) * kInverse[p + 1];
      for (size_t q = 2; q <= kHighestPower[p] + 1; ++q) {
        long double ends = c1[p + 1] * s1[q - 1] - c0[p + 1] * s0[q - 1];
        m_[p][q] = (static_cast<long double>(q - 1) * m_[p][q - 2] - ends) * kInverse[p + q];
      }
    }
  }
  long double operator()(size_t p, size_t q) const { return m_[p][q]; }

 private:
  long double m_[kCosPowers + 1][kSinPowers + 1]{};
};

// The integrals of the arc about centre with radius r from one direction to the other.
RegionIntegrals CircularArc(const PlanePoint& centre, long double r, const Direction& from, const Direction& to,
                            long double sweep) {
  TrigMoments m(from, to, sweep);
  const auto xc = Powers<kCosPowers>(centre.x);
  const auto yc = Powers<kSinPowers>(centre.y), rr = Powers<kSinPowers>(r);
  // T[p][k] = integral of cos^p θ · sin θ · y^k dθ.
  long double t[kCosPowers + 1][kSinPowers]{};
  for (size_t p = 0; p <= kCosPowers; ++p)
    for (size_t k = 1; k <= kHighestPower[p]; ++k)
#pragma GCC unroll 5  // the bounds are small constants: unrolled, the terms share registers
      for (size_t j = 0; j <= k; ++j) t[p][k] += kBinomial[k][j] * yc[k - j] * rr[j] * m(p, j + 1);
  // Integral of x^a·y^b over the region = r/(b+1) · integral of x^a·y^(b+1)·sin θ dθ.
  auto region = [&](size_t a, size_t b) {
    long double sum = 0;
    for (size_t p = 0; p <= a; ++p) sum += kBinomial[a][p] * xc[a - p] * rr[p] * t[p][b + 1];
    return r * sum * kInverse[b + 1];
  };
  RegionIntegrals result;
  result.A = region(0, 0);
  result.Sx = region(0, 1);
  result.Sy = region(1, 0);
  result.Ixx = region(0, 2);
  result.Iyy = region(2, 0);
  result.Ixy = region(1, 1);
  result.Y3 = region(0, 3);
  result.X2Y = region(2, 1);
  // ds = r·|dθ|: a clockwise arc runs through falling angles.
  result.Yds = (sweep < 0 ? -r : r) * (centre.y * sweep + r * m(0, 1));
  return result;
}

}  // namespace

RegionIntegrals& RegionIntegrals::operator+=(const RegionIntegrals& o) {
  A += o.A;
  Sx += o.Sx;
  Sy += o.Sy;
  Ixx += o.Ixx;
  Iyy += o.Iyy;
  Ixy += o.Ixy;
  Y3 += o.Y3;
  X2Y += o.X2Y;
  Yds += o.Yds;
  return *this;
}

void AddLineIntegrals(const PlanePoint& p1, const PlanePoint& p2, RegionIntegrals& sum) {
  LineTerms t(p1, p2);
  sum.A += t.A();
  sum.Sx += t.Sx();
  sum.Sy += t.Sy();
  sum.Ixx += t.Ixx();
  sum.Iyy += t.Iyy();
  sum.Ixy += t.Ixy();
  sum.Y3 += t.Y3();
  sum.X2Y += t.X2Y();
  sum.Yds += t.Yds();
}

// On the arc x = xc + r·cos θ, y = yc + r·sin θ and dx = -r·sin θ dθ, so every integral is
// a sum of the trigonometric moments M[p][q] weighted by the binomial powers of the centre.
// The centre lies on the chord's normal at (chord/2)/tan(phi/2) from its middle; the
// directions of the ends come from the points themselves.
void AddArcIntegrals(const PlanePoint& p1, const PlanePoint& p2, long double phi, RegionIntegrals& sum) {
  // The half angle's sine and cosine in double precision (the extended ones take ten times
  // as long): they hold to 1e-16, far finer than the coordinates of any drawing.
  const double half = static_cast<double>(phi / 2);
  const long double halfSine = std::sin(half), halfCosine = std::cos(half);
  // tan(phi/4) = sin(phi/2) / (1 + cos(phi/2)) is twice the sagitta over the chord.
  if (halfSine == 0 || std::fabs(halfSine / (1 + halfCosine)) / 2 < kNegligibleSagitta) {
    AddLineIntegrals(p1, p2, sum);
    return;
  }
  long double dx = p2.x - p1.x, dy = p2.y - p1.y;
  long double chord = std::sqrt(dx * dx + dy * dy);
  if (chord == 0) return;
  long double toCentre = halfCosine / (2 * halfSine);
  PlanePoint centre{(p1.x + p2.x) / 2 - dy * toCentre, (p1.y + p2.y) / 2 + dx * toCentre};
  long double r = chord / (2 * std::fabs(halfSine));
  long double inverseR = 1 / r;
  Direction from{(p1.x - centre.x) * inverseR, (p1.y - centre.y) * inverseR};
  Direction to{(p2.x - centre.x) * inverseR, (p2.y - centre.y) * inverseR};
  sum += CircularArc(centre, r, from, to, phi);
}

}  // namespace kalo
