#include "solid/solid_request.h"

#include <gtest/gtest.h>

#include <numbers>

#include "platform/codepage.h"
#include "solid/solid_contour_check.h"

namespace kalo {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

TEST(SolidRequest, TravelsToTheSolidProgramWithoutLosingADigit) {
  SolidRequest request;
  request.job = SolidJob::Stl;
  request.output = "/tmp/a b/solid.stl";
  request.productName = "Welle 7";
  request.productId = "KA-0815";
  request.deflection = 0.0037L;
  request.elements = {{0.1L, 1.0L / 3, kPi}, {-1e-300L, 7e12L, -kPi / 7}};
  SolidRequest back;
  Outcome parsed = ParseSolidRequest(SolidRequestLines(request), back);
  ASSERT_TRUE(parsed) << parsed.Message();
  EXPECT_EQ(back.job, SolidJob::Stl);
  EXPECT_EQ(back.output, request.output);
  EXPECT_EQ(back.productName, "Welle 7");
  EXPECT_EQ(back.productId, "KA-0815");
  EXPECT_EQ(back.deflection, request.deflection);
  EXPECT_EQ(back.elements, request.elements);
}

TEST(SolidRequest, MalformedLinesAndTooManyElementsAreRefused) {
  SolidRequest request;
  EXPECT_FALSE(ParseSolidRequest({"job cube"}, request));
  EXPECT_FALSE(ParseSolidRequest({"element 1 2"}, request));
  EXPECT_FALSE(ParseSolidRequest({"deflection x"}, request));
  EXPECT_EQ(ParseSolidRequest({"what 1"}, request).Message(), "unreadable request line: what 1");
  std::vector<std::string> many(kMaxElements + 1, "element 1 2 3");
  EXPECT_FALSE(ParseSolidRequest(many, request));
}

TEST(SolidAnswer, ReadsBackWhatTheProgramAnswers) {
  SolidAnswer answer;
  answer.done = true;
  answer.volume = 1234.5L;
  answer.surface = kPi;
  answer.centre[1] = -2;
  answer.inertia[2] = 1e9L;
  answer.revolved = true;
  answer.triangles = 42;
  answer.notes = {"3 solids"};
  answer.elements = {{1, 2, 0.5L}};
  SolidAnswer back = ParseSolidAnswer(answer.Lines());
  EXPECT_TRUE(back.done);
  EXPECT_EQ(back.volume, answer.volume);
  EXPECT_EQ(back.surface, answer.surface);
  EXPECT_EQ(back.centre[1], -2);
  EXPECT_EQ(back.inertia[2], 1e9L);
  EXPECT_TRUE(back.revolved);
  EXPECT_EQ(back.triangles, 42);
  EXPECT_EQ(back.notes, answer.notes);
  EXPECT_EQ(back.elements, answer.elements);
}

TEST(SolidAnswer, AnErrorOrAnythingUnknownMeansNotDone) {
  EXPECT_FALSE(ParseSolidAnswer({"error Element 3", "done"}).done);
  SolidAnswer stray = ParseSolidAnswer({"Segmentation fault", "done"});
  EXPECT_FALSE(stray.done);
  EXPECT_EQ(stray.errors, std::vector<std::string>{"Segmentation fault"});
  EXPECT_FALSE(ParseSolidAnswer({}).done);
}

TEST(AxisProblems, AConeTipAndAShaftOnTheAxisAreFine) {
  EXPECT_TRUE(AxisProblems({{0, 0, 0}, {40, 0, 0}, {0, 30, 0}}).empty());
  EXPECT_TRUE(AxisProblems({{0, 0, 0}, {100, 0, 0}, {100, 10, 0}, {0, 10, 0}}).empty());
  // A sphere: half a turn above the axis, closed along it.
  EXPECT_TRUE(AxisProblems({{30, 0, kPi}, {-20, 0, 0}}).empty());
  // A bore: nowhere near the axis.
  EXPECT_TRUE(AxisProblems({{0, 5, 0}, {60, 5, 0}, {60, 20, 0}, {0, 20, 0}}).empty());
}

TEST(AxisProblems, APointOnTheAxisBetweenTwoSlopesIsANeckOfNoWidth) {
  std::vector<std::string> problems = AxisProblems({{0, 5, 0}, {10, 0, 0}, {20, 5, 0}, {20, 8, 0}, {0, 8, 0}});
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].rfind("Element 2 (x = 10, y = 0)", 0), 0u) << problems[0];
  // Also where the closing segment comes down to the first point.
  EXPECT_EQ(AxisProblems({{0, 0, 0}, {10, 5, 0}, {0, 5, 0}}).size(), 1u);
}

TEST(AxisProblems, PointsBelowTheAxisAndTooFewPointsAreNamed) {
  std::vector<std::string> problems = AxisProblems({{0, 0, 0}, {10, 0, 0}, {10, -2, 0}, {0, 5, 0}});
  ASSERT_FALSE(problems.empty());
  EXPECT_EQ(problems[0], "Element 3 (x = 10, y = -2) liegt unter der Achse");
  EXPECT_EQ(AxisProblems({{0, 0, 0}, {10, 0, 0}}), std::vector<std::string>{Oem("Die Kontur umschließt keine Fläche")});
  // An arc turning clockwise from the axis back to it passes below it.
  problems = AxisProblems({{30, 0, -1}, {-20, 0, 0}});
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], Oem("Element 1 (x = 30, y = 0): der Bogen führt unter die Achse"));
}

}  // namespace
}  // namespace kalo
