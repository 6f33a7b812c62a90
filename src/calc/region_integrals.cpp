#include "calc/region_integrals.h"

#include <cmath>
#include <initializer_list>

namespace kalo {
namespace {

// Gauss–Legendre rule of 12 nodes on [0, 1]: the nodes below 1/2 with their weights; the
// rule is symmetric about 1/2. On a panel of at most 1.6 radians it integrates the segment's
// integrands (trigonometric polynomials of degree 5 at most) to 2e-17.
struct GaussNode {
  long double position, weight;
};
constexpr GaussNode kGaussNodes[] = {
    {0.009219682876640374654725455L, 0.02358766819325591359730798L},
    {0.04794137181476257166076707L, 0.05346966299765921548012736L},
    {0.1150486629028476564815531L, 0.08003916427167311316732626L},
    {0.2063410228566912763516488L, 0.1015837133615329608745322L},
    {0.3160842505009099031236542L, 0.1167462682691774043804249L},
    {0.4373832957442655422637793L, 0.1245735229067013925002812L},
};
constexpr long double kPanelWidth = 1.6L;  // radian

// The circular segment between a chord and its arc of radius r and half angle θ, in a
// frame with u along the chord from its middle and v towards the arc: on the arc
// u = r·sin t, v = r·(cos t − cos θ) for −θ ≤ t ≤ θ. The integral of u^i·v^j
// over the segment is r^(i+j+2)/(j+1) times G(i, j) = ∫ sin^i t · w^(j+1) · cos t dt with
// w = cos t − cos θ, and the arc's ∫ v ds is r² times W = ∫ w dt. Odd powers of u integrate
// to 0. w is taken as 2·sin((θ − t)/2)·sin((θ + t)/2), which keeps its digits where it is
// small, so the integrals hold their relative precision down to the smallest angle.
struct SegmentIntegrals {
  long double G00 = 0, G01 = 0, G02 = 0, G03 = 0, G20 = 0, G21 = 0, W = 0;

  explicit SegmentIntegrals(long double theta) {
    // The integrands are even in t: twice the integral over [0, θ].
    long double panels = std::ceil(theta / kPanelWidth);
    long double width = theta / panels;
    for (long double panel = 0; panel < panels; ++panel)
      for (const GaussNode& node : kGaussNodes) {
        AddNode(theta, (panel + node.position) * width, (panels - panel - node.position) * width, node.weight);
        long double mirrored = 1 - node.position;
        AddNode(theta, (panel + mirrored) * width, (panels - panel - mirrored) * width, node.weight);
      }
    for (long double* g : {&G00, &G01, &G02, &G03, &G20, &G21, &W}) *g *= 2 * width;
  }

 private:
  // t and θ − t, each from the panel so that neither loses digits to the other. Sines and
  // cosines in double precision (the extended ones take several times as long): they hold
  // to 1e-16, far finer than the coordinates of any drawing.
  void AddNode(long double theta, long double t, long double rest, long double weight) {
    const double node = static_cast<double>(t);
    long double c = std::cos(node), s = std::sin(node);
    long double w = 2 * std::sin(static_cast<double>(rest / 2)) * std::sin(static_cast<double>((theta + t) / 2));
    long double wc = weight * w * c, ww = w * w;
    G00 += wc;
    G01 += wc * w;
    G02 += wc * ww;
    G03 += wc * ww * w;
    G20 += wc * s * s;
    G21 += wc * s * s * w;
    W += weight * w;
  }
};

// The moments L[i][j] = ∫ u^i·v^j of the segment in its frame (odd powers of u vanish),
// for i + j ≤ 3, with the sign the segment counts with.
struct SegmentMoments {
  long double L00, L01, L02, L03, L20, L21;

  SegmentMoments(const SegmentIntegrals& g, long double r, long double sign) {
    long double r2 = sign * r * r, r3 = r2 * r, r4 = r3 * r, r5 = r4 * r;
    L00 = r2 * g.G00;
    L01 = r3 * g.G01 / 2;
    L02 = r4 * g.G02 / 3;
    L03 = r5 * g.G03 / 4;
    L20 = r4 * g.G20;
    L21 = r5 * g.G21 / 2;
  }
};

// The region integrals of the segment in drawing coordinates x = mx + ex·u + nx·v,
// y = my + ey·u + ny·v, each polynomial expanded in u and v and its even powers of u kept;
// Yds is left to the arc.
RegionIntegrals SegmentIntegralsAt(const SegmentMoments& l, long double mx, long double my, long double ex,
                                   long double ey, long double nx, long double ny) {
  RegionIntegrals r;
  r.A = l.L00;
  r.Sx = my * l.L00 + ny * l.L01;
  r.Sy = mx * l.L00 + nx * l.L01;
  r.Ixx = my * my * l.L00 + 2 * my * ny * l.L01 + ny * ny * l.L02 + ey * ey * l.L20;
  r.Iyy = mx * mx * l.L00 + 2 * mx * nx * l.L01 + nx * nx * l.L02 + ex * ex * l.L20;
  r.Ixy = mx * my * l.L00 + (mx * ny + my * nx) * l.L01 + nx * ny * l.L02 + ex * ey * l.L20;
  r.Y3 = my * my * my * l.L00 + 3 * my * my * ny * l.L01 + 3 * my * ny * ny * l.L02 + ny * ny * ny * l.L03 +
         3 * ey * ey * (my * l.L20 + ny * l.L21);
  r.X2Y = mx * mx * my * l.L00 + (mx * mx * ny + 2 * mx * nx * my) * l.L01 + (2 * mx * nx * ny + nx * nx * my) * l.L02 +
          nx * nx * ny * l.L03 + (2 * mx * ex * ey + ex * ex * my) * l.L20 + (2 * nx * ex * ey + ex * ex * ny) * l.L21;
  return r;
}

// Every integral of the line but its boundary term Yds.
void AddAreaTerms(const LineTerms& t, RegionIntegrals& sum) {
  sum.A += t.A();
  sum.Sx += t.Sx();
  sum.Sy += t.Sy();
  sum.Ixx += t.Ixx();
  sum.Iyy += t.Iyy();
  sum.Ixy += t.Ixy();
  sum.Y3 += t.Y3();
  sum.X2Y += t.X2Y();
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
  AddAreaTerms(t, sum);
  sum.Yds += t.Yds();
}

// The arc is its chord plus the circular segment between them, which lies to the right of
// the chord's direction for a counter-clockwise arc and counts positive there; to the left,
// and negative, for a clockwise one. The segment's integrals come from its own frame, so
// an arc of any sweep keeps the precision of a straight line: no term grows with the
// radius, which is without bound for small sweeps.
void AddArcIntegrals(const PlanePoint& p1, const PlanePoint& p2, long double phi, RegionIntegrals& sum) {
  long double theta = std::fabs(phi) / 2;
  long double halfSine = std::sin(theta);
  long double dx = p2.x - p1.x, dy = p2.y - p1.y;
  long double chord = std::sqrt(dx * dx + dy * dy);
  // A full turn has no centre; taken as the straight chord, as the chords of the polygon do.
  if (halfSine == 0) {
    AddLineIntegrals(p1, p2, sum);
    return;
  }
  if (chord == 0) return;
  AddAreaTerms(LineTerms(p1, p2), sum);
  long double side = phi > 0 ? 1 : -1;
  long double ex = dx / chord, ey = dy / chord;
  long double nx = side * ey, ny = -side * ex;  // towards the arc
  long double half = chord / 2;
  long double r = half / halfSine;
  SegmentIntegrals g(theta);
  sum += SegmentIntegralsAt(SegmentMoments(g, r, side), (p1.x + p2.x) / 2, (p1.y + p2.y) / 2, ex, ey, nx, ny);
  // ∫ y ds over the arc: the middle's height over the arc length, plus the rise towards the
  // arc (∫ u ds vanishes).
  sum.Yds += (p1.y + p2.y) / 2 * 2 * r * theta + ny * r * r * g.W;
}

}  // namespace kalo
