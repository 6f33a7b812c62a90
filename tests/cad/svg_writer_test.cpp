#include "cad/svg_writer.h"

#include <gtest/gtest.h>

#include "context/configuration.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

using testing::ReadBytes;
using testing::TempDir;

class SvgWriterTest : public ::testing::Test {
 protected:
  std::string Finished() {
    Outcome written = writer.Finish();
    EXPECT_TRUE(written) << written.Message();
    return ReadBytes(dir.File("drawing.svg"));
  }

  TempDir dir;
  Configuration config;
  SvgWriter writer{dir.File("drawing.svg"), config, PageMetadata{"Welle <1>", "W-7", "Huber", "KALO 2.0"}};
};

// The page is 100 x 50 mm; drawing (x, y) lands on page (x + 10, 40 - y).
TEST_F(SvgWriterTest, PageHasTheExtentsInMillimetresWithYDownwards) {
  writer.SetExtents(-10, -10, 90, 40);
  writer.Line(0, 0, 20, 30);
  writer.Arc(0, 0, 0, 90, 10);    // counter-clockwise as seen: sweep flag 0
  writer.Arc(0, 0, 90, 0, 10);    // the 270 degrees the other way round: large arc
  writer.Circle(50, 20, 5);
  std::string svg = Finished();
  EXPECT_NE(svg.find("width=\"100mm\" height=\"50mm\" viewBox=\"0 0 100 50\""), std::string::npos) << svg;
  EXPECT_NE(svg.find("<path d=\"M10 40 L30 10\"/>"), std::string::npos) << svg;
  EXPECT_NE(svg.find("<path d=\"M20 40 A10 10 0 0 0 10 30\"/>"), std::string::npos) << svg;
  EXPECT_NE(svg.find("<path d=\"M10 30 A10 10 0 1 0 20 40\"/>"), std::string::npos) << svg;
  EXPECT_NE(svg.find("<path d=\"M65 20 A5 5 0 1 0 55 20 A5 5 0 1 0 65 20 Z\"/>"), std::string::npos) << svg;
}

TEST_F(SvgWriterTest, BlocksAreDrawnWhereTheyAreInsertedTurnedAndScaled) {
  writer.SetExtents(0, 0, 100, 100);
  writer.BeginBlocks();
  writer.BeginBlock("B");
  writer.Line(0, 0, 10, 0);
  writer.EndBlock();
  writer.BeginBlock("LOOP");  // inserts itself: drawn to the nesting limit, no further
  writer.Line(0, 0, 1, 0);
  writer.Insert("LOOP", 0, 0, 0, 1, 1);
  writer.EndBlock();
  writer.EndSection();
  writer.BeginEntities();
  writer.Insert("B", 50, 50, 90, 2, 2);  // turned a quarter counter-clockwise, twice as large
  writer.Insert("LOOP", 0, 0, 0, 1, 1);
  writer.Insert("NONE", 0, 0, 0, 1, 1);
  std::string svg = Finished();
  EXPECT_NE(svg.find("<path d=\"M50 50 L50 30\"/>"), std::string::npos) << svg;
  size_t loops = 0;
  for (size_t at = 0; (at = svg.find("M0 100 L1 100", at)) != std::string::npos; ++at) ++loops;
  EXPECT_EQ(loops, 4u);
}

TEST_F(SvgWriterTest, TextsAreEscapedUtf8InTheConfiguredFontAndLayerColour) {
  config.pageLayerColours = true;
  config.graphicsFont = "Liberation Serif";
  config.graphicsFontStyle = 3;
  config.cadTextMode = CadTextMode::Oem;  // the driver hands the texts over in code page 850
  writer.SetExtents(0, 0, 100, 100);
  writer.SetLayer(CadLayer{});  // layer 0 draws red
  CadTextState style;
  style.height = 3.6L;
  style.rotation = 90;
  writer.Text(Oem("Maß <Ø 20> & \"größer\""), 10, 20, style);
  std::string svg = Finished();
  EXPECT_NE(svg.find("<text transform=\"translate(10 80) rotate(-90) skewX(0) scale(1 1)\" "
                     "font-family=\"Liberation Serif\" font-size=\"5\" font-weight=\"bold\" font-style=\"italic\" "
                     "fill=\"#ff0000\""),
            std::string::npos)
      << svg;
  EXPECT_NE(svg.find(">Maß &lt;Ø 20&gt; &amp; &quot;größer&quot;</text>"), std::string::npos) << svg;
  EXPECT_NE(svg.find("<title>Welle &lt;1&gt;</title>"), std::string::npos) << svg;
}

}  // namespace
}  // namespace kalo
