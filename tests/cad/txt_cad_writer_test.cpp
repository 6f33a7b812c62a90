#include "cad/txt_cad_writer.h"

#include <gtest/gtest.h>

#include "context/configuration.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

using testing::ReadBytes;
using testing::TempDir;

std::string Finished(TxtCadWriter& writer, const std::string& path) {
  Outcome written = writer.Finish();
  EXPECT_TRUE(written) << written.Message();
  return ReadBytes(path);
}

// One output run in the driver's order, with a block and one record of every kind.
TEST(TxtCadWriter, DrawingWithCommaAndThreeDecimalsMatchesGoldenFile) {
  TempDir dir;
  Configuration config;
  config.cadDecimals = 3;
  config.decimalSeparator = DecimalSeparator::Comma;
  TxtCadWriter writer(dir.File("drawing.txt"), config);
  writer.SetLayer(CadLayer{});
  writer.SetExtents(0, -5, 297, 210);
  writer.Tables();
  writer.BeginBlocks();
  writer.BeginBlock("FRAME_1");
  writer.Line(0, 0, 297, 0);
  writer.EndBlock();
  writer.EndSection();
  writer.BeginEntities();
  writer.Line(0, 0, 12.5, 4);
  writer.Circle(5, 5, 2.25L);
  writer.Arc(1, 2, 0, 90, 3);
  writer.Arc(1, 2, 360, 0, 3);
  writer.Text(Oem("Maß 20 mm"), 10, 20, CadTextState{});
  writer.Solid({CadPoint{0, 0}, CadPoint{1, 0}, CadPoint{0, 1}, CadPoint{1, 1}});
  writer.Insert("FRAME_1", 10, 20, 90, 0.5L, 2);
  writer.EndSection();
  std::string bytes = Finished(writer, dir.File("drawing.txt"));

  EXPECT_NE(std::string::npos, bytes.find("\r\nLINE\t0,000\t0,000\t12,500\t4,000\r\n"));
  EXPECT_EQ(ReadBytes(std::string(KALO_TEST_DATA_DIR) + "/cad/drawing.txt"), bytes);
}

TEST(TxtCadWriter, DrawingWithoutBlocksKeepsBothSectionsAndFullArcsBecomeCircles) {
  TempDir dir;
  Configuration config;
  TxtCadWriter writer(dir.File("plain.txt"), config);
  writer.SetExtents(0, 0, 160, 120);
  writer.BeginBlocks();
  writer.EndSection();
  writer.BeginEntities();
  writer.Arc(0, 0, 0.000001L, 359.999995L, 1);
  writer.Arc(0, 0, 45, 45, 2);
  writer.Arc(0, 0, 0, 359.9, 3);
  writer.Text("two words", -1.5L, 0, CadTextState{});
  EXPECT_EQ(
      "MINMAX\t0.000000\t0.000000\t160.000000\t120.000000\r\n"
      "SECTION BLOCKS\r\n"
      "SECTION ENTITIES\r\n"
      "CIRCLE\t0.000000\t0.000000\t1.000000\r\n"
      "CIRCLE\t0.000000\t0.000000\t2.000000\r\n"
      "ARC\t0.000000\t0.000000\t3.000000\t0.000000\t359.900000\r\n"
      "TEXT\t-1.500000\t0.000000\ttwo words\r\n"
      "EOF\r\n",
      Finished(writer, dir.File("plain.txt")));

  TxtCadWriter failing(dir.File("missing/PART.txt"), config);
  EXPECT_FALSE(failing.Finish().Message().empty());
  EXPECT_EQ("", ReadBytes(dir.File("missing/PART.txt")));
}

}  // namespace
}  // namespace kalo
