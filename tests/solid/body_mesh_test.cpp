#include "solid/body_mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kalo {
namespace {

constexpr double kPi = std::numbers::pi;

Contour ContourOf(std::initializer_list<ContourElement> elements) {
  Contour contour;
  contour.Reset();
  for (const ContourElement& e : elements) contour[++contour.count] = e;
  return contour;
}

// The volume the triangles enclose (divergence theorem), and the area of a triangle list.
double Volume(const std::vector<float>& t) {
  double sum = 0;
  for (size_t k = 0; k + 17 < t.size(); k += 18) {
    const float *a = &t[k], *b = &t[k + 6], *c = &t[k + 12];
    sum += a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) + a[2] * (b[0] * c[1] - b[1] * c[0]);
  }
  return sum / 6;
}

double Area(const std::vector<float>& t) {
  double sum = 0;
  for (size_t k = 0; k + 17 < t.size(); k += 18) {
    const float *a = &t[k], *b = &t[k + 6], *c = &t[k + 12];
    double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    sum += std::hypot(u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]) / 2;
  }
  return sum;
}

std::vector<float> All(const BodyMesh& mesh) {
  std::vector<float> all = mesh.surface;
  all.insert(all.end(), mesh.section.begin(), mesh.section.end());
  return all;
}

TEST(BodyMesh, ACylinderIsThePrismOverTheRegularPolygon) {
  BodyMesh mesh = RevolvedMesh(ContourOf({{0, 0, 0}, {100, 0, 0}, {100, 10, 0}, {0, 10, 0}}), false);
  int n = kMeshTurnSteps;
  double prism = 100 * n / 2.0 * 100 * std::sin(2 * kPi / n);
  EXPECT_NEAR(std::fabs(Volume(mesh.surface)), prism, 1e-5 * prism);
  EXPECT_TRUE(mesh.section.empty());
  EXPECT_FLOAT_EQ(mesh.centre[0], 50);
  EXPECT_NEAR(mesh.size, std::hypot(100, 20), 1e-4);
}

TEST(BodyMesh, TheHalfCutIsHalfTheBodyClosedByTwiceTheSection) {
  // A flanged sleeve: not convex, so that the section needs more than a fan.
  Contour sleeve = ContourOf({{0, 5, 0}, {60, 5, 0}, {60, 12, 0}, {20, 12, 0}, {20, 30, 0}, {0, 30, 0}});
  double full = std::fabs(Volume(RevolvedMesh(sleeve, false).surface));
  BodyMesh half = RevolvedMesh(sleeve, true);
  EXPECT_NEAR(std::fabs(Volume(All(half))), full / 2, 1e-5 * full);
  double section = 60 * 7 + 20 * 18;
  EXPECT_NEAR(Area(half.section), 2 * section, 1e-5 * section);
}

TEST(BodyMesh, ArcsAreFollowedWithinTheirChords) {
  // A sphere of radius 25: the mesh lies inside it and encloses nearly all of it.
  BodyMesh mesh = RevolvedMesh(ContourOf({{25, 0, kPi}, {-25, 0, 0}}), false);
  double sphere = 4 * kPi * 25 * 25 * 25 / 3, volume = std::fabs(Volume(mesh.surface));
  EXPECT_LT(volume, sphere);
  EXPECT_GT(volume, 0.995 * sphere);
  for (size_t k = 0; k < mesh.surface.size(); k += 6)
    EXPECT_LE(std::hypot(mesh.surface[k], mesh.surface[k + 1], mesh.surface[k + 2]), 25.0001);
}

TEST(BodyMesh, NoContourNoMesh) {
  EXPECT_EQ(RevolvedMesh(ContourOf({}), true).Triangles(), 0u);
  EXPECT_EQ(RevolvedMesh(ContourOf({{1, 2, 0}}), false).Triangles(), 0u);
}

}  // namespace
}  // namespace kalo
