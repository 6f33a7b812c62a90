// KALO's own DXF reader on well-formed, odd and hostile files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "dxf/dxf_entity_reader.h"
#include "dxf/dxf_tokenizer.h"
#include "dxf/dxf_text.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"

namespace kalo::testing {
namespace {

const std::string kLine = Groups({{0, "LINE"}, {8, "KONTUR"}, {10, "1.5"}, {20, "2"}, {30, "0"}, {11, "4"}, {21, "-6.25"}});

DxfDrawing ReadOk(const std::string& text) {
  DxfDrawing drawing;
  Outcome read = ReadDxfText(text, drawing);
  EXPECT_TRUE(read) << read.Message();
  return drawing;
}

std::string ReadError(const std::string& text) {
  DxfDrawing drawing;
  Outcome read = ReadDxfText(text, drawing);
  EXPECT_TRUE(read.IsFailure());
  return read.Message();
}

TEST(DxfReader, ReadsGroupsWithLfOrCrLfAndBlanksAroundCodesAndValues) {
  std::string crlf;
  for (char c : "  0\nSECTION\n  2\nENTITIES\n" + kLine + "  0\nENDSEC\n  0\nEOF\n")
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& text : {EntitiesFile(kLine), crlf}) {
    DxfDrawing drawing = ReadOk(text);
    ASSERT_EQ(drawing.entities.size(), 1u);
    const DxfEntity& line = drawing.entities[0];
    EXPECT_EQ(line.type, DxfEntityType::Line);
    EXPECT_EQ(line.layer, "KONTUR");
    EXPECT_EQ(line.first.x, 1.5);
    EXPECT_EQ(line.second.y, -6.25);
    EXPECT_EQ(line.line, 5);
  }
}

TEST(DxfReader, HeaderUnitsVersionAndCodePage) {
  std::string header = Section("HEADER", Groups({{9, "$ACADVER"}, {1, "AC1009"}, {9, "$INSUNITS"}, {70, "1"},
                                                  {9, "$MEASUREMENT"}, {70, "0"}, {9, "$DWGCODEPAGE"}, {3, "ANSI_1252"}}));
  DxfDrawing drawing = ReadOk(header + Section("ENTITIES", Groups({{0, "LINE"}, {8, "\xc4"}})) + Groups({{0, "EOF"}}));
  EXPECT_EQ(drawing.header.insUnits, 1);
  EXPECT_EQ(drawing.header.measurement, 0);
  EXPECT_EQ(drawing.header.acadVersion, "AC1009");
  EXPECT_EQ(drawing.header.codePage, "ANSI_1252");
  // A Windows code page layer name before R2007 becomes code page 850.
  EXPECT_EQ(drawing.entities.at(0).layer, Oem("Ä"));
}

// A line of 1024 bytes or more (a long layer name, a text, junk) is read to its end; only
// its beginning is kept.
TEST(DxfReader, LinesOfAnyLengthAreReadAndCutWhereKept) {
  std::string longName(3'000'000, 'L');
  std::string text = Section("HEADER", Groups({{9, "$JUNK"}, {1, std::string(5000, 'x')}})) +
                     Section("ENTITIES", Groups({{0, "TEXT"}, {1, std::string(1024, 't')}, {0, "LINE"}, {8, longName}})) +
                     Groups({{0, "EOF"}});
  DxfDrawing drawing = ReadOk(text);
  ASSERT_EQ(drawing.entities.size(), 1u);
  EXPECT_EQ(drawing.entities[0].layer, std::string(kKeptLineLength, 'L'));
}

// Counts in the file allocate nothing: the vertices are those that follow.
TEST(DxfReader, ForgedCountsAreNotTrusted) {
  std::string text = EntitiesFile(
      Groups({{0, "LWPOLYLINE"}, {90, "1073741824"}, {70, "1"}, {10, "0"}, {20, "0"}, {42, "0.5"}, {10, "10"}, {20, "0"},
              {0, "LEADER"}, {76, "1431655766"}, {10, "1"}, {20, "1"}, {0, "SPLINE"}, {71, "3"}, {72, "2147483647"},
              {73, "1073741824"}, {40, "0"}, {10, "1"}, {20, "2"}}));
  DxfDrawing drawing = ReadOk(text);
  ASSERT_EQ(drawing.entities.size(), 2u);
  ASSERT_EQ(drawing.entities[0].vertices.size(), 2u);
  EXPECT_EQ(drawing.entities[0].vertices[0].bulge, 0.5);
  EXPECT_EQ(drawing.entities[0].flags, 1);
  EXPECT_EQ(drawing.entities[1].knots.size(), 1u);
  EXPECT_EQ(drawing.entities[1].controlPoints.size(), 1u);
}

TEST(DxfReader, NumbersThatAreNoCoordinatesAreRefusedNamingEntityAndLine) {
  for (std::string value : {"nan", "inf", "-inf", "1e308", "1.5e15", "12abc", ""}) {
    std::string error = ReadError(EntitiesFile(kLine + Groups({{0, "ARC"}, {10, "0"}, {20, value}, {40, "1"}})));
    EXPECT_NE(error.find("\"" + value + "\""), std::string::npos) << error;
    EXPECT_NE(error.find("ARC, Gruppe 20, Zeile 24"), std::string::npos) << error;
  }
  EXPECT_EQ(ReadOk(EntitiesFile(Groups({{0, "LINE"}, {10, "+1e15"}, {20, "-.5"}}))).entities[0].first.y, -0.5);
}

TEST(DxfReader, DamagedOrForeignFilesAreRefused) {
  EXPECT_NE(ReadError(EntitiesFile(kLine) .substr(0, 30)).find("EOF"), std::string::npos);
  EXPECT_NE(ReadError("  0\nSECTION\nzwei\nENTITIES\n").find("Zeile 3"), std::string::npos);
  EXPECT_NE(ReadError("").find("leer"), std::string::npos);
  EXPECT_NE(ReadError("AutoCAD Binary DXF\r\n\x1a").find(Oem("binäre")), std::string::npos);
  EXPECT_NE(ReadError("AC1032\0\0").find("DWG"), std::string::npos);
  // A code line without its value line ends the file early.
  EXPECT_NE(ReadError(Section("ENTITIES", kLine) + "0\n").find("EOF"), std::string::npos);
}

TEST(DxfReader, BytesAfterEofAreNotedAndBlanksAreNot) {
  EXPECT_TRUE(ReadOk(EntitiesFile(kLine) + "\n \r\n\x1a").notes.empty());
  DxfDrawing drawing = ReadOk(EntitiesFile(kLine) + "garbage\n");
  ASSERT_EQ(drawing.notes.size(), 1u);
  EXPECT_NE(drawing.notes[0].find("nach EOF"), std::string::npos);
}

TEST(DxfReader, PolylinesBlocksAndPaperSpace) {
  std::string blocks = Section("BLOCKS", Groups({{0, "BLOCK"}, {2, "teil"}, {10, "5"}, {20, "6"}}) + kLine +
                                             Groups({{0, "ENDBLK"}}));
  std::string tables = Section("TABLES", Groups({{0, "TABLE"}, {2, "LAYER"}, {0, "LAYER"}, {2, "Achse"}, {6, "CENTER"},
                                                 {0, "ENDTAB"}}));
  std::string entities = Section(
      "ENTITIES", Groups({{0, "POLYLINE"}, {66, "1"}, {70, "1"}, {0, "VERTEX"}, {10, "1"}, {20, "2"}, {42, "1"},
                          {0, "VERTEX"}, {10, "3"}, {20, "4"}, {0, "SEQEND"}, {0, "INSERT"}, {2, "TEIL"}, {41, "-2"},
                          {50, "90"}, {0, "CIRCLE"}, {67, "1"}, {40, "3"}}));
  DxfDrawing drawing = ReadOk(tables + blocks + entities + Groups({{0, "EOF"}}));
  EXPECT_EQ(drawing.layerLinetypes.at("ACHSE"), "CENTER");
  ASSERT_EQ(drawing.blocks.count("TEIL"), 1u);
  EXPECT_EQ(drawing.blocks.at("TEIL").base.y, 6);
  EXPECT_EQ(drawing.blocks.at("TEIL").entities.size(), 1u);
  ASSERT_EQ(drawing.entities.size(), 2u);
  EXPECT_EQ(drawing.entities[0].vertices.size(), 2u);
  EXPECT_EQ(drawing.entities[0].vertices[0].bulge, 1);
  EXPECT_EQ(drawing.entities[1].blockName, "TEIL");
  EXPECT_EQ(drawing.entities[1].scaleX, -2);
  EXPECT_EQ(drawing.entities[1].rotation, 90);
}

TEST(DxfReaderFile, DirectoriesDevicesFifosAndHugeFilesAreRefusedUnread) {
  TempDir dir;
  std::string folder = dir.File("ordner.dxf"), fifo = dir.File("rohr.dxf"), huge = dir.File("riesig.dxf");
  std::filesystem::create_directory(folder);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  { std::ofstream(huge) << EntitiesFile(kLine); }
  std::filesystem::resize_file(huge, kMaxDxfFileSize + 1);
  DxfDrawing drawing;
  for (auto [path, cause] : {std::pair{folder, std::string("Verzeichnis")}, std::pair{fifo, std::string("FIFO")},
                             std::pair{std::string("/dev/zero"), Oem("Gerät")}, std::pair{huge, std::string("256 MB")}}) {
    Outcome read = ReadDxfDrawing(path, drawing);
    EXPECT_NE(read.Message().find(cause), std::string::npos) << path << ": " << read.Message();
  }
}

}  // namespace
}  // namespace kalo::testing
