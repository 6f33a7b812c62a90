#include "cad/iges_writer.h"

#include <gtest/gtest.h>

#include "cad/iges_structure.h"
#include "context/configuration.h"
#include "messages/messages.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

using testing::ReadBytes;
using testing::TempDir;

const DateTime kNow{2026, 12, 7, 9, 5, 0};

CadLayer Layer(int number) { return CadLayer{.number = number}; }

// Writes the file and returns its bytes after the structural check.
std::string Finished(IgesWriter& writer, const std::string& path) {
  Outcome written = writer.Finish();
  EXPECT_TRUE(written) << written.Message();
  std::string bytes = ReadBytes(path);
  EXPECT_EQ("", testing::IgesStructureProblem(bytes));
  return bytes;
}

bool HasLine(const std::string& bytes, const std::string& text) { return bytes.find("\r\n" + text) != std::string::npos; }

// A parameter line from column 1 to its letter: text, pointer in columns 65..72, "P".
std::string ParameterLine(const std::string& text, int pointer) {
  std::string number = std::to_string(pointer);
  return text + std::string(72 - text.size() - number.size(), ' ') + number + "P";
}

TEST(IgesWriter, FileWithOneLineMatchesTheWorkedExample) {
  TempDir dir;
  Configuration config;
  MessageCollection messages;
  IgesWriter writer(dir.File("PART.igs"), config, messages, kNow);
  writer.SetLayer(Layer(0));
  writer.SetExtents(0, 0, 160, 120);
  writer.Line(0, 0, 12.5, 4);
  std::string bytes = Finished(writer, dir.File("PART.igs"));

  EXPECT_TRUE(HasLine(bytes, "S0000002G0000005D0000002P0000001" + std::string(40, ' ') + "T0000001\r\n"));
  EXPECT_EQ(ReadBytes(std::string(KALO_TEST_DATA_DIR) + "/cad/one_line.igs"), bytes);
}

// A frame block of 13 members, an empty block, instances with and without rotation, one
// of a missing block, one entity of every other kind, and layers of every colour rule:
// 0 draws in index 7, 1..5 and 16..31 as configured (20 beyond the 16-entry table folds
// to 4), 7 in (7 mod 16) + 1, 15 in 16 (folded to 0); layers 1 and 2 have line fonts 4, 2.
TEST(IgesWriter, DrawingWithBlocksMatchesGoldenFile) {
  TempDir dir;
  Configuration config;
  config.decimalSeparator = DecimalSeparator::Comma;  // IGES numbers keep the point
  config.drawingLayerColours[4] = 20;
  MessageCollection messages;
  IgesWriter writer(dir.File("drawing.igs"), config, messages, kNow);
  writer.SetLayer(Layer(0));
  writer.SetExtents(-10, -5, 297, 420.5);
  writer.SetLayer(Layer(3));
  writer.BeginBlock("FRAME_1");
  for (int i = 0; i < 12; ++i) writer.Line(i * 10, 0, i * 10, 5);
  writer.Text("AB", 1, 2, CadTextState{.height = 3.5});
  writer.EndBlock();
  writer.BeginBlock("NOTHING");
  writer.EndBlock();
  writer.SetLayer(Layer(1));
  writer.Arc(0, 0, 0, 90, 5);
  writer.Circle(50, 50, 10);
  writer.SetLayer(Layer(2));
  writer.Solid({CadPoint{0, 0}, CadPoint{10, 0}, CadPoint{10, 10}, CadPoint{0, 10}});
  writer.Text("Rotated note", 20, 30, CadTextState{.height = 2.5, .widthFactor = 0.7L, .rotation = 90});
  writer.SetLayer(Layer(16));
  writer.Insert("FRAME_1", 100, 50, 0, 2, 2);
  writer.Insert("FRAME_1", 100, 50, 30, 1, 1);
  writer.Insert("NOWHERE", 1, 1, 0, 1, 1);
  for (int layer : {0, 7, 15, 20}) {
    writer.SetLayer(Layer(layer));
    writer.Line(0, 0, layer, 1);
  }
  std::string bytes = Finished(writer, dir.File("drawing.igs"));

  EXPECT_TRUE(HasLine(bytes, "100,0.0,0.000,0.000,5.000,0.000,0.000,5.000;"));
  EXPECT_TRUE(HasLine(bytes, "212,1,2,7.000,3.500,1,,0.000000,0,0,1.000,2.000,0.0,"));
  EXPECT_TRUE(HasLine(bytes, "2HAB;"));
  EXPECT_TRUE(HasLine(bytes, ParameterLine("1,3,5,7,9,11,13,15,17,19,21,23,", 27)));
  EXPECT_TRUE(HasLine(bytes, ParameterLine("25;", 27)));
  std::map<int, testing::IgesEntity> entities = testing::IgesEntities(bytes);
  for (int member = 1; member <= 25; member += 2) EXPECT_EQ("00010000", entities[member].status);
  EXPECT_EQ("00000000", entities[27].status);  // the 308 itself
  EXPECT_EQ("00010000", entities[41].status);  // the matrix of the rotated instance
  EXPECT_EQ("00000000", entities[43].status);  // the rotated instance
  ASSERT_EQ(1u, messages.Count());
  EXPECT_EQ("Blockname NOWHERE not found !", messages.Text(1));
  EXPECT_EQ(ReadBytes(std::string(KALO_TEST_DATA_DIR) + "/cad/drawing.igs"), bytes);
}

TEST(IgesWriter, SettingsLongNamesAndFailedWrites) {
  TempDir dir;
  Configuration config;
  config.decimals = 5;  // coordinates with 5 decimals, angles with 8
  MessageCollection messages;
  std::string path = dir.File("a_base_name_of_far_more_than_twenty_characters_long.igs");
  IgesWriter writer(path, config, messages, kNow);
  writer.SetExtents(0, 0, 1000, 12.5);
  writer.Text(std::string(70, 'x') + ", and more text, with commas", -123456.789, 0.5, CadTextState{.rotation = 45});
  writer.Insert("LONG_BLOCK_NAME", 0, 0, 0, 1, 1);
  writer.BeginBlock("LONG_BLOCK_NAME");
  writer.Line(-1, -2, 3, 4);
  writer.EndBlock();
  writer.Insert("LONG_BLOCK_NAME", 5, 6, 0, 1, 1);
  std::string bytes = Finished(writer, path);

  EXPECT_NE(std::string::npos, bytes.find("G0000007\r\n"));  // two global lines wrapped
  EXPECT_NE(std::string::npos, bytes.find(",1.0D-8,1000.00,"));
  EXPECT_NE(std::string::npos, bytes.find(",0.78539816,0,0,-123456.78900," + std::string(12, ' ') + "1P"));
  EXPECT_TRUE(HasLine(bytes, ParameterLine("0.50000,0.0,", 1)));
  EXPECT_TRUE(HasLine(bytes, "308,0,8HLONG_BLO,1,"));
  EXPECT_TRUE(HasLine(bytes, "408,5,5.00000,6.00000,0.0,1.0;"));
  EXPECT_EQ(1u, messages.Count());  // only the instance before the definition is missing

  IgesWriter failing(dir.File("missing/PART.igs"), config, messages, kNow);
  EXPECT_FALSE(failing.Finish().Message().empty());
  EXPECT_EQ("", ReadBytes(dir.File("missing/PART.igs")));
}

}  // namespace
}  // namespace kalo
