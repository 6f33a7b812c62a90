#include "cad/iges_writer.h"

#include <gtest/gtest.h>

#include "cad/iges_format.h"
#include "cad/iges_structure.h"
#include "config/configuration.h"
#include "help/messages.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

using testing::ReadBytes;
using testing::TempDir;

const DateTime kNow{2026, 12, 7, 9, 5, 0};

CadLayer Layer(int number) { return CadLayer{.number = number}; }

std::string Golden(const std::string& name) { return ReadBytes(std::string(KALO_TEST_DATA_DIR) + "/cad/" + name); }

// Writes the file and returns its bytes after the structural check.
std::string Finished(IgesWriter& writer, const std::string& path) {
  std::string error;
  EXPECT_TRUE(writer.Finish(error)) << error;
  std::string bytes = ReadBytes(path);
  EXPECT_EQ("", testing::IgesStructureProblem(bytes));
  return bytes;
}

// A parameter line as it stands between two line ends: text, pointer in columns 65..72, "P".
std::string ParameterLine(const std::string& text, int pointer) {
  std::string number = std::to_string(pointer);
  return "\r\n" + text + std::string(64 - text.size() + 8 - number.size(), ' ') + number + "P";
}

struct DirectoryEntry {
  std::string first, second;  // columns 1..72 of the two lines
  static int Field(const std::string& line, int field) {
    std::string text = line.substr(static_cast<size_t>(field) * 8, 8);
    return text.find_first_not_of(' ') == std::string::npos ? 0 : std::stoi(text);
  }
  std::string Status() const { return first.substr(64, 8); }
};

DirectoryEntry EntryOf(const std::string& bytes, int pointer) {
  std::string sequence = std::to_string(pointer);
  size_t letter = bytes.find("D" + std::string(7 - sequence.size(), '0') + sequence + "\r\n");
  if (letter == std::string::npos || letter < 72) return {std::string(72, ' '), std::string(72, ' ')};
  return {bytes.substr(letter - 72, 72), bytes.substr(letter + 10, 72)};
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

  EXPECT_NE(std::string::npos, bytes.find("S0000002G0000005D0000002P0000001" + std::string(40, ' ') + "T0000001\r\n"));
  EXPECT_EQ(Golden("one_line.igs"), bytes);
}

// A frame block of 13 members, an empty block, instances with and without rotation, one
// of a missing block, and one entity of every other kind, on layers of several colours.
TEST(IgesWriter, DrawingWithBlocksMatchesGoldenFile) {
  TempDir dir;
  Configuration config;
  config.decimalSeparator = 2;  // IGES numbers keep the point
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
  std::string bytes = Finished(writer, dir.File("drawing.igs"));

  EXPECT_NE(std::string::npos, bytes.find("\r\n100,0.0,0.000,0.000,5.000,0.000,0.000,5.000;"));
  EXPECT_NE(std::string::npos, bytes.find("\r\n212,1,2,7.000,3.500,1,,0.000000,0,0,1.000,2.000,0.0,"));
  EXPECT_NE(std::string::npos, bytes.find("\r\n2HAB;"));
  // The 13 members in two groups: 12 pointers, then 1.
  EXPECT_NE(std::string::npos, bytes.find(ParameterLine("1,3,5,7,9,11,13,15,17,19,21,23,", 27)));
  EXPECT_NE(std::string::npos, bytes.find(ParameterLine("25;", 27)));
  for (int member = 1; member <= 25; member += 2) EXPECT_EQ("00010000", EntryOf(bytes, member).Status());
  EXPECT_EQ("00000000", EntryOf(bytes, 27).Status());      // the 308 itself
  EXPECT_EQ("00010000", EntryOf(bytes, 41).Status());      // the matrix of the rotated instance
  EXPECT_EQ("00000000", EntryOf(bytes, 43).Status());      // the rotated instance
  ASSERT_EQ(1u, messages.Count());
  EXPECT_EQ("Blockname NOWHERE not found !", messages.Text(1));
  EXPECT_EQ(Golden("drawing.igs"), bytes);
}

TEST(IgesWriter, LayersGiveColourNumbersAndLineFonts) {
  TempDir dir;
  Configuration config;
  config.drawingLayerColours[4] = 20;  // layer 20: beyond the table, folded to index 4
  MessageCollection messages;
  IgesWriter writer(dir.File("layers.igs"), config, messages, kNow);
  writer.SetExtents(0, 0, 10, 10);
  const int layers[] = {0, 1, 2, 5, 7, 15, 16, 20};
  for (int layer : layers) {
    writer.SetLayer(Layer(layer));
    writer.Line(0, 0, 1, 1);
  }
  std::string bytes = Finished(writer, dir.File("layers.igs"));
  // line font, level and colour: layer 0 draws in index 7, 7 in (7 mod 16) + 1, 15 in 16 (folded to 0)
  const char* expected[] = {"1 0 0", "4 5 5", "2 5 5", "1 2 2", "1 8 8", "1 0 0", "1 2 2", "1 7 7"};
  for (size_t i = 0; i < std::size(layers); ++i) {
    DirectoryEntry entry = EntryOf(bytes, static_cast<int>(2 * i + 1));
    std::string fields = std::to_string(entry.Field(entry.first, 3)) + " " + std::to_string(entry.Field(entry.first, 4)) +
                         " " + std::to_string(entry.Field(entry.second, 2));
    EXPECT_EQ(expected[i], fields) << "layer " << layers[i];
  }
}

TEST(IgesWriter, LongNamesAndTextsWrapWithinTheirColumns) {
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

  EXPECT_NE(std::string::npos, bytes.find(",1.0D-8,1000.00,"));
  EXPECT_NE(std::string::npos, bytes.find("G0000007\r\n"));  // two global lines wrapped
  EXPECT_NE(std::string::npos, bytes.find(",-123456.78900," + std::string(12, ' ') + "1P"));
  EXPECT_NE(std::string::npos, bytes.find(ParameterLine("0.50000,0.0,", 1)));
  EXPECT_NE(std::string::npos, bytes.find(",0.78539816,"));
  EXPECT_NE(std::string::npos, bytes.find("308,0,8HLONG_BLO,1,"));
  EXPECT_NE(std::string::npos, bytes.find("408,5,5.00000,6.00000,0.0,1.0;"));
  EXPECT_EQ(1u, messages.Count());  // only the instance before the definition is missing
}

TEST(IgesWriter, FinishIntoMissingDirectoryFailsWithoutFile) {
  TempDir dir;
  Configuration config;
  MessageCollection messages;
  std::string path = dir.File("missing/PART.igs");
  IgesWriter writer(path, config, messages, kNow);
  writer.SetExtents(0, 0, 1, 1);
  writer.Line(0, 0, 1, 1);
  std::string error;
  EXPECT_FALSE(writer.Finish(error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ("", ReadBytes(path));
}

TEST(IgesFormat, CompactNumbersKeepFourSignificantDigits) {
  EXPECT_EQ("160", FormatCompact(160, 3));
  EXPECT_EQ("12.5", FormatCompact(12.5L, 3));
  EXPECT_EQ("1", FormatCompact(1.0L, 3));
  EXPECT_EQ("0.7", FormatCompact(0.7L, 3));
  EXPECT_EQ("0.012", FormatCompact(0.0123L, 3));
  EXPECT_EQ("0.0012", FormatCompact(0.00123L, 3));
  EXPECT_EQ("-1235", FormatCompact(-1234.5L, 3));
  EXPECT_EQ("10", FormatCompact(9.99999L, 3));
  EXPECT_EQ("0", FormatCompact(0.000009L, 3));
  EXPECT_EQ("12.500", FormatCompact(12.5L, 5));
  EXPECT_EQ("3.1", FormatCompact(3.14159L, 1));
}

}  // namespace
}  // namespace kalo
