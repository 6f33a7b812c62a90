// The HP-GL interpreter of the help pictures, on small plot files whose drawing is known.
#include "help/hpgl_interpreter.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "cad/recording_plotter.h"
#include "help/hpgl_polyline.h"
#include "numbers/number_format.h"
#include "support/temp_dir.h"

namespace kalo::testing {
namespace {

class HpglTest : public ::testing::Test {
 protected:
  // The drawing calls of the bytes, without the colour changes.
  std::vector<std::string> Plot(std::string_view bytes) {
    plotter.calls.clear();
    PlotHpgl(bytes, plotter, pen, cancel);
    std::vector<std::string> drawn;
    for (const std::string& call : plotter.calls)
      if (call.rfind("SetColor", 0) != 0) drawn.push_back(call);
    return drawn;
  }

  RecordingPlotter plotter;
  HpglPenState pen;
  bool cancel = false;
};

using Calls = std::vector<std::string>;

TEST_F(HpglTest, PenMovesDrawOnlyWithThePenDown) {
  EXPECT_EQ(Plot("PU;PD;"), Calls{});
  EXPECT_EQ(Plot("PU0,0;PD;PA4000,4000;"), Calls{"Line 0.000 0.000 100.000 100.000"});
  // Pairs after PD draw a polyline; after PU they only move; P and A inside are dropped.
  EXPECT_EQ(Plot("PU40,0,80,0;PD80,40,PA40,40;"),
            (Calls{"Line 2.000 0.000 2.000 1.000", "Line 2.000 1.000 1.000 1.000"}));
  // A parameter that is no number counts 0; an empty last one is no parameter.
  EXPECT_EQ(Plot("PU40,40;PDx,,;"), Calls{"Line 1.000 1.000 0.000 0.000"});
}

TEST_F(HpglTest, PensSelectTheirScreenColours) {
  Plot("SP;PU;PD40,0;");
  EXPECT_EQ(plotter.Starting("SetColor"), Calls{"SetColor 12.000"});
  Plot("SP9;PD0,0;SP2;CI40;SP300;CI40;");
  EXPECT_EQ(plotter.Starting("SetColor"), (Calls{"SetColor 9.000", "SetColor 14.000", "SetColor 255.000"}));
  EXPECT_EQ(ColourOfPen(7), 15);
  EXPECT_EQ(ColourOfPen(0), 0);
}

TEST_F(HpglTest, CirclesAreDrawnAboutTheCurrentPointWhateverThePen) {
  EXPECT_EQ(Plot("PU400,400;CI200;"), Calls{"Circle 10.000 10.000 5.000"});
  EXPECT_EQ(Plot("CI-40,5;"), Calls{"Circle 10.000 10.000 1.000"});
}

TEST_F(HpglTest, ArcsRunCounterClockwiseForAPositiveSweepAndEndWhereTheyTurnTo) {
  // From (100, 0) a quarter turn about the origin ends at (0, 100).
  EXPECT_EQ(Plot("PU4000,0;PD;AA0,0,90;PA0,0;"),
            (Calls{"Arc 0.000 0.000 0.000 90.000 100.000", "Line 0.000 100.000 0.000 0.000"}));
  // Clockwise: drawn from the end point's angle to the start's.
  EXPECT_EQ(Plot("PU4000,0;PD;AA0,0,-90;PA4000,0;"),
            (Calls{"Arc 0.000 0.000 -90.000 0.000 100.000", "Line 0.000 -100.000 100.000 0.000"}));
  // With the pen up nothing is drawn, but the point moves on.
  EXPECT_EQ(Plot("PU4000,0;AA0,0,180;PD0,0;"), Calls{"Line -100.000 0.000 0.000 0.000"});
  EXPECT_EQ(Plot("PU4000,0;PD;AA0,0,360;"), Calls{"Circle 0.000 0.000 100.000"});
}

TEST_F(HpglTest, LabelsTakeSizeDirectionAndUmlauts) {
  Calls calls = Plot("PU400,800;SI0.2,0.3;DI0,1;LBText\x03");
  EXPECT_EQ(calls, (Calls{"SetTextStyle 2.000 90.000 3.000 2.000", "Text Text 10.000 20.000"}));
  EXPECT_EQ(Plot("DI-1,0;LBa\x03")[0], "SetTextStyle 2.000 180.000 3.000 2.000");
  EXPECT_EQ(Plot("DI0,-1;LBa\x03")[0], "SetTextStyle 2.000 -90.000 3.000 2.000");
  EXPECT_EQ(Plot("DI1,1;LBa\x03")[0], "SetTextStyle 2.000 45.000 3.000 2.000");
  // Character set 3: "}" makes the letter before it the umlaut (code page 850).
  EXPECT_EQ(Plot("CS3;LBMu}nchen, A}O}U}a}o}\r\n}\x03")[1], "Text M\x81nchen, \x8E\x99\x9A\x84\x94 10.000 20.000");
  EXPECT_EQ(Plot("CS1;LBMu}nchen\x03")[1], "Text Mu}nchen 10.000 20.000");
  // Without its end the label runs to the end of the file, cut at 256 characters.
  std::string text = Plot("LB" + std::string(300, 'x'))[1];
  EXPECT_EQ(text, "Text " + std::string(256, 'x') + " 10.000 20.000");
}

TEST_F(HpglTest, EncodedPolylinesInEightAndSevenBitMode) {
  // +100 and -50 plotter units: 8-bit "G" 194 "d" 192, 7-bit "G" "e" "D" "b".
  EXPECT_EQ(Plot("PU0,0;PE<=G\xC2"
                 "d\xC0G\xC2"
                 "d\xC0;"),
            Calls{"Line 2.500 -1.250 5.000 -2.500"});
  // After a pen-up PU the first pair still draws; the pen stays down afterwards.
  EXPECT_EQ(Plot("PU0,0;PE7GeDbGeDb;"), (Calls{"Line 0.000 0.000 2.500 -1.250", "Line 2.500 -1.250 5.000 -2.500"}));
  EXPECT_TRUE(pen.penDown);

  HpglReader reader(":\x03>xG\xC2 \r\nd\xC0;rest");
  std::vector<PolylineStep> steps = DecodePolyline(reader);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].kind, PolylineStep::Kind::Pen);
  EXPECT_EQ(steps[0].pen, 3);
  EXPECT_EQ(steps[1].x, 100);
  EXPECT_EQ(steps[1].y, -50);
  EXPECT_EQ(reader.Get(), 'r');
}

TEST_F(HpglTest, DamagedFilesSkipWhatTheyCannotDrawAndEnd) {
  // Unknown and ignored commands are skipped up to their ";".
  EXPECT_EQ(Plot("IN;XY1,2,PD;RO90;IP0,0,1,1;PU0,0;PD40,0;"), Calls{"Line 0.000 0.000 1.000 0.000"});
  // A pair cut short ends its PE; the commands after it are read.
  EXPECT_EQ(Plot("PU0,0;PEG\xC2" "d;PD40,0;"), Calls{"Line 0.000 0.000 1.000 0.000"});
  EXPECT_EQ(Plot("PU0,0;PEG\xC2" "d!!PD99,99;PD40,0;"), Calls{"Line 0.000 0.000 1.000 0.000"});
  EXPECT_EQ(Plot("PEG\xC2"), Calls{});
  // Huge and non-finite numbers: held at the plotter's range, or 0.
  EXPECT_EQ(Plot("PU0,0;PD1e4000,nan;"), Calls{"Line 0.000 0.000 26843545.600 0.000"});
  // A file that ends inside a command ends the drawing.
  EXPECT_EQ(Plot("PU0,0;PD40,0"), Calls{"Line 0.000 0.000 1.000 0.000"});
  EXPECT_EQ(Plot("P"), Calls{});

  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int file = 0; file < 200; ++file) {
    std::string bytes(500, '\0');
    for (char& c : bytes) c = static_cast<char>(byte(random));
    Plot(bytes);
  }
}

TEST_F(HpglTest, ThePenStateCarriesOverToTheNextPictureAndACancelStops) {
  Plot("SP3;SI0.1,0.1;PU0,0;PD;");
  EXPECT_EQ(Plot("PA40,0;LBa\x03"),
            (Calls{"Line 0.000 0.000 1.000 0.000", "SetTextStyle 2.000 0.000 1.000 1.000", "Text a 1.000 0.000"}));
  EXPECT_EQ(pen.pen, 3);
  cancel = true;
  EXPECT_EQ(Plot("PA0,0;"), Calls{});
}

}  // namespace
}  // namespace kalo::testing

namespace kalo::testing {
namespace {

// The help picture of the contour element draws its contour (pen 1) the way the program
// wants it, counter-clockwise: the straight pieces closed to a polygon have a positive area.
TEST(ShippedHelpPictures, TheContourOfKonturRunsCounterClockwise) {
  std::string bytes = ReadBytes(std::string(KALO_SOURCE_DIR) + "/data/KONTUR.plt");
  RecordingPlotter plotter;
  HpglPenState pen;
  bool cancel = false;
  PlotHpgl(bytes, plotter, pen, cancel);
  std::string contourColour = "SetColor " + FormatDecimals(ColourOfPen(1), 3);
  std::vector<std::pair<long double, long double>> corners;
  bool contour = false;
  for (const std::string& call : plotter.calls) {
    if (call.rfind("SetColor", 0) == 0) contour = call == contourColour;
    if (!contour || call.rfind("Line ", 0) != 0) continue;
    std::istringstream values(call.substr(5));
    long double x1, y1, x2, y2;
    values >> x1 >> y1 >> x2 >> y2;
    if (corners.empty()) corners.push_back({x1, y1});
    corners.push_back({x2, y2});
  }
  ASSERT_GE(corners.size(), 3u);
  long double twiceArea = 0;
  for (size_t i = 0; i < corners.size(); ++i) {
    const auto& [xa, ya] = corners[i];
    const auto& [xb, yb] = corners[(i + 1) % corners.size()];
    twiceArea += xa * yb - xb * ya;
  }
  EXPECT_GT(twiceArea, 0);
}

}  // namespace
}  // namespace kalo::testing
