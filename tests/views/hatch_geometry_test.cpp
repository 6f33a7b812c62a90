#include "views/hatch_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "messages/messages.h"
#include "numbers/number_format.h"

namespace kalo {
namespace {

const std::vector<PlanePoint> kRectangle = {{0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}};

bool OnRectangleEdge(const PlanePoint& p) {
  constexpr long double e = 1e-9L;
  bool insideX = p.x > -e && p.x < 100 + e, insideY = p.y > -e && p.y < 50 + e;
  bool onVertical = std::fabs(p.x) < e || std::fabs(p.x - 100) < e;
  bool onHorizontal = std::fabs(p.y) < e || std::fabs(p.y - 50) < e;
  return insideX && insideY && (onVertical || onHorizontal);
}

TEST(HatchGeometry, RectangleAt45DegreesInTenIntervals) {
  MessageCollection messages;
  HatchLines lines = ComputeHatchLines(kRectangle, 0, 45, messages);
  // Intercepts from -100 to 50 in steps of 15: v = -85 .. 35 cross the rectangle, the last
  // one (v = 50) touches the corner (0, 50) only and draws nothing.
  ASSERT_TRUE(lines.hatched);
  ASSERT_EQ(lines.segments.size(), 9u);
  for (size_t i = 0; i < lines.segments.size(); ++i) {
    const HatchSegment& s = lines.segments[i];
    long double v = -85.0L + 15.0L * static_cast<long double>(i);
    EXPECT_TRUE(OnRectangleEdge(s.from) && OnRectangleEdge(s.to)) << i;
    EXPECT_NEAR(static_cast<double>(s.from.y - s.from.x), static_cast<double>(v), 1e-9);
    EXPECT_NEAR(static_cast<double>(s.to.y - s.to.x), static_cast<double>(v), 1e-9);
  }
  EXPECT_FALSE(lines.cancelled);
  EXPECT_TRUE(messages.Empty());
  // A line through a vertex where the outline passes through it keeps its crossing there.
  std::vector<PlanePoint> split = {{0, 0}, {85, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}};
  EXPECT_EQ(ComputeHatchLines(split, 0, 45, messages).segments.size(), 9u);
}

TEST(HatchGeometry, SpacingAngleAndDirection) {
  MessageCollection messages;
  // 5 mm apart at right angles: intercept step 5 / cos 45° = 7.07 over a range of 150.
  EXPECT_EQ(ComputeHatchLines(kRectangle, 5, 45, messages).segments.size(), 21u);
  // A negative spacing and an angle beyond 90 degrees hatch as well, and end.
  EXPECT_EQ(ComputeHatchLines(kRectangle, -5, 45, messages).segments.size(), 21u);
  EXPECT_EQ(ComputeHatchLines(kRectangle, 5, 135, messages).segments.size(), 21u);
  HatchLines flat = ComputeHatchLines(kRectangle, 5, 0, messages);
  EXPECT_FALSE(flat.hatched);
  EXPECT_TRUE(flat.segments.empty());
  // A spacing far below the part's size would fill it: no lines instead of a hang.
  EXPECT_TRUE(ComputeHatchLines(kRectangle, 1e-6L, 45, messages).segments.empty());
  EXPECT_TRUE(messages.Empty());
}

TEST(HatchGeometry, ConcaveOutlineIsCutIntoSeparateStrokes) {
  // A U open at the top: lines at 45 degrees through both arms give two strokes, each
  // within one arm.
  std::vector<PlanePoint> u = {{0, 0}, {30, 0}, {30, 30}, {20, 30}, {20, 10}, {10, 10}, {10, 30}, {0, 30}, {0, 0}};
  MessageCollection messages;
  HatchLines lines = ComputeHatchLines(u, 0.5L, 45, messages);
  ASSERT_FALSE(lines.segments.empty());
  for (const HatchSegment& s : lines.segments) {
    long double mx = (s.from.x + s.to.x) / 2, my = (s.from.y + s.to.y) / 2;
    bool inGap = mx > 10 && mx < 20 && my > 10;
    EXPECT_FALSE(inGap) << static_cast<double>(mx) << " " << static_cast<double>(my);
  }
}

TEST(HatchGeometry, ArcsBecomeChordsOnTheirCircle) {
  MessageCollection messages;
  NumberFormat format;
  for (auto [degrees, chords] : {std::pair{90, 6}, std::pair{30, 3}, std::pair{-90, 6}}) {
    HatchState hatch;
    long double phi = degrees * kPi / 180;
    AddHatchVertex(hatch, 10, 0, phi, messages, format);
    AddHatchVertex(hatch, std::cos(phi) * 10, std::sin(phi) * 10, 0, messages, format);
    // The point before the arc, then all chord points, the first repeating it.
    ASSERT_EQ(hatch.count, chords + 2) << degrees;
    for (int i = 1; i < hatch.count; ++i) {
      const PlanePoint& p = hatch.points[i];
      EXPECT_NEAR(static_cast<double>(Hypot(p.x, p.y)), 10.0, 1e-12) << degrees;
      long double expected = (i - 1) * phi / chords;
      EXPECT_NEAR(static_cast<double>(std::atan2(p.y, p.x)), static_cast<double>(expected), 1e-12) << degrees;
    }
  }
  EXPECT_TRUE(messages.Empty());
}

TEST(HatchGeometry, LimitsReportAndStop) {
  MessageCollection messages;
  NumberFormat format;
  HatchState full;
  for (int i = 0; i <= kMaxHatchPoints; ++i) AddHatchVertex(full, i, i % 2, 0, messages, format);
  EXPECT_EQ(full.count, kMaxHatchPoints);
  EXPECT_EQ(messages.Count(), 1u);
  EXPECT_EQ(messages.Text(1), "Schraffurfehler");
  // Closing needs a point beyond the 2000.
  EXPECT_EQ(CloseHatchPolygon(full, kMaxHatchPoints, messages), kMaxHatchPoints);

  // A comb whose gaps give a nearly flat line fourteen crossings.
  std::vector<PlanePoint> comb = {{0, 0}, {70, 0}, {70, 100}};
  for (int x = 60; x > 0; x -= 10) comb.insert(comb.end(), {{x + 5.0L, 100}, {x + 5.0L, 20}, {x * 1.0L, 20}, {x * 1.0L, 100}});
  comb.insert(comb.end(), {{0, 100}, {0, 0}});
  MessageCollection combMessages;
  HatchLines lines = ComputeHatchLines(comb, 0, 0.001L, combMessages);
  EXPECT_TRUE(lines.cancelled);
  EXPECT_EQ(combMessages.Text(1), "Fatal  : schraff schnittp");

  std::array<long double, kMaxHatchCrossings> values{5, 1, 3};
  std::array<int, kMaxHatchCrossings> order{};
  ASSERT_TRUE(SortIntersections(values, order, 3, combMessages));
  EXPECT_EQ(values[0], 1);
  EXPECT_EQ(values[2], 5);
  EXPECT_EQ(order[0], 1);
  EXPECT_EQ(order[2], 0);
  EXPECT_FALSE(SortIntersections(values, order, 11, combMessages));
  EXPECT_EQ(combMessages.Text(2), "Fatal  : QSORT2 error");
}

}  // namespace
}  // namespace kalo
