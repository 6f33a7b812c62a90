#include "datafile/data_file_reader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <numbers>

#include "datafile/data_file_writer.h"
#include "model/cone_body.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

class DataFileReader : public ::testing::Test {
 protected:
  DataFileReader() { context.state.dataDirectory = dir.Path(); }

  // The hand-made file with line `number` (from 1) replaced, or cut before it when
  // replacement is null.
  void WriteConeVariant(const std::string& name, size_t number, const char* replacement) {
    std::string bytes = ReadBytes(ConeFilePath());
    size_t start = 0;
    for (size_t line = 1; line < number; ++line) start = bytes.find("\r\n", start) + 2;
    size_t end = bytes.find("\r\n", start);
    bytes = replacement ? bytes.replace(start, end - start, replacement) : bytes.substr(0, start);
    WriteBytes(dir.File(name), bytes);
  }

  // Reading fails with the message "Datei <name>, Zeile <line>: ..." and leaves the
  // program's body, names and flags exactly as they were.
  void ExpectRefused(const std::string& name, int line) {
    Body before = context.body;
    ProgramState stateBefore = context.state;
    ui.messages.clear();
    EXPECT_FALSE(ReadDataFile(context, dir.File(name)));
    EXPECT_TRUE(context.state.cancel);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("Fehler : ", ui.messages[0].caption);
    std::string expected = "Datei " + name + ", Zeile " + std::to_string(line) + ": ";
    EXPECT_EQ(expected, ui.messages[0].text.substr(0, expected.size())) << ui.messages[0].text;
    ExpectSameInput(before, context.body);
    EXPECT_EQ(stateBefore.modified, context.state.modified);
    EXPECT_EQ(stateBefore.currentFileName, context.state.currentFileName);
    EXPECT_EQ(stateBefore.dataDirectory, context.state.dataDirectory);
    context.state.cancel = false;
  }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
  ScriptedUi& ui = test.ui;
};

TEST_F(DataFileReader, ReadsTheHandMadeFile) {
  context.state.modified = true;
  context.body.contour.count = 3;
  context.body.contour[3] = {5, 5, 0};
  ASSERT_TRUE(ReadDataFile(context, ConeFilePath()));
  ExpectSameInput(ConeBody(), context.body);
  EXPECT_EQ(kUnusedCoordinate, context.body.contour[3].x);
  EXPECT_FALSE(context.state.modified);
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ("cone", context.state.currentFileName);
  EXPECT_EQ(dir.Path(), context.state.dataDirectory);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DataFileReader, OpenDialogSetsNameAndDirectory) {
  ui.texts = {ConeFilePath()};
  ASSERT_TRUE(ReadDataFile(context, ""));
  EXPECT_EQ("cone", context.state.currentFileName);
  EXPECT_EQ(std::string(KALO_TEST_DATA_DIR) + "/model/", context.state.dataDirectory);
  context.state.modified = true;
  EXPECT_FALSE(ReadDataFile(context, ""));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_TRUE(context.state.modified);
}

TEST_F(DataFileReader, EveryWriterOptionReadsBack) {
  Body body = ConeBody();
  body.contour.count = 3;
  body.contour[1] = {-12.5L, 0, -std::numbers::pi_v<long double> / 2};
  body.contour[3] = {100, 0, 0};
  body.rho = 2.7L;
  body.arcDivisionAngle = 2.5L;
  body.texts.remarks[0].clear();
  body.documentation.information.placedTexts.clear();
  for (int decimals : {0, 3, 5}) {
    for (int separator : {1, 2}) {
      SCOPED_TRACE("decimals " + std::to_string(decimals) + ", separator " + std::to_string(separator));
      context.config = Configuration{};
      context.config.decimals = decimals;
      context.config.decimalSeparator = separator;
      context.body = body;
      context.state.cancel = false;
      ASSERT_TRUE(WriteDataFile(context, "optionen", true));
      context.body = Body{};
      ASSERT_TRUE(ReadDataFile(context, "optionen"));
      Body expected = body;
      // What the chosen number of decimals keeps of the arc angle.
      expected.contour[1].phi = decimals == 0 ? -2 : decimals == 3 ? -1.571L : -1.5708L;
      if (decimals == 0) expected.contour[1].x = -13;
      ExpectSameInput(expected, context.body);
    }
  }
}

TEST_F(DataFileReader, EmptyContourReadsBack) {
  context.body = ConeBody();
  context.body.contour.count = 0;
  ASSERT_TRUE(WriteDataFile(context, "leer"));
  context.body = ConeBody();
  ASSERT_TRUE(ReadDataFile(context, "leer"));
  EXPECT_EQ(0, context.body.contour.count);
  EXPECT_EQ("Kegelstumpf", context.body.texts.name);
  EXPECT_EQ(17, context.body.materialRecord);
}

TEST_F(DataFileReader, MissingFileIsNamed) {
  context.body = ConeBody();
  EXPECT_FALSE(ReadDataFile(context, "fehlt"));
  EXPECT_TRUE(context.state.cancel);
  ASSERT_EQ(1u, ui.messages.size());
  EXPECT_EQ("Datei " + dir.File("fehlt.kal") + " nicht gefunden oder kein Zugriffsrecht !", ui.messages[0].text);
  ExpectSameInput(ConeBody(), context.body);
}

TEST_F(DataFileReader, MalformedFilesAreRefusedWithFileAndLine) {
  context.body.texts.name = "bisher";
  context.body.contour.count = 1;
  context.body.contour[1] = {1, 2, 0};
  context.state.currentFileName = "bisher";
  context.state.modified = true;
  WriteBytes(dir.File("leer.kal"), "");
  ExpectRefused("leer.kal", 1);
  WriteConeVariant("kurz.kal", 30, nullptr);
  ExpectRefused("kurz.kal", 30);
  WriteConeVariant("anzahl.kal", 12, "zwei");
  ExpectRefused("anzahl.kal", 12);
  WriteConeVariant("viele.kal", 12, "201");
  ExpectRefused("viele.kal", 12);
  WriteConeVariant("negativ.kal", 12, "-1");
  ExpectRefused("negativ.kal", 12);
  WriteConeVariant("zahl.kal", 20, "100.0x");
  ExpectRefused("zahl.kal", 20);
  WriteConeVariant("dichte.kal", 24, "");
  ExpectRefused("dichte.kal", 24);
  WriteConeVariant("nulldichte.kal", 24, "0");
  ExpectRefused("nulldichte.kal", 24);
  WriteConeVariant("minusdichte.kal", 24, "-7,8");
  ExpectRefused("minusdichte.kal", 24);
  WriteConeVariant("teilung.kal", 25, "0");
  ExpectRefused("teilung.kal", 25);
  WriteConeVariant("aenderungen.kal", 30, "26");
  ExpectRefused("aenderungen.kal", 30);
  WriteConeVariant("unterschriften.kal", 42, "08.12.2026|Huber");
  ExpectRefused("unterschriften.kal", 42);
  WriteConeVariant("texte.kal", 42, "08.12.2026|Huber|09.12.2026|Schulz|||9||");
  ExpectRefused("texte.kal", 42);
  WriteConeVariant("textzahl.kal", 48, "-20|x|2.5|90|Kante||");
  ExpectRefused("textzahl.kal", 48);
  WriteConeVariant("textende.kal", 48, "-20|0.25|2.5|90|Kante");
  ExpectRefused("textende.kal", 48);
  WriteConeVariant("dokumente.kal", 50, "6");
  ExpectRefused("dokumente.kal", 50);
  WriteConeVariant("werkstoff.kal", 67, "70000");
  ExpectRefused("werkstoff.kal", 67);
  // One element too many: the density line stands where the last element's lines are.
  WriteConeVariant("verschoben.kal", 12, "3");
  ExpectRefused("verschoben.kal", 26);
}

TEST_F(DataFileReader, DevicesPipesAndHugeFilesAreRefusedUnread) {
  context.body.contour.count = 1;
  context.body.contour[1] = {1, 2, 0};
  Body before = context.body;
  ASSERT_EQ(mkfifo(dir.File("pipe.kal").c_str(), 0600), 0);  // opening it would wait for a writer
  std::filesystem::create_symlink("/dev/zero", dir.File("null.kal"));
  {
    std::ofstream huge(dir.File("huge.kal"), std::ios::binary);
    huge.seekp(64 << 20);  // sparse: 64 MB of nothing
    huge.put('\n');
  }
  for (const char* name : {"pipe.kal", "null.kal", "huge.kal"}) {
    ui.messages.clear();
    EXPECT_FALSE(ReadDataFile(context, dir.File(name))) << name;
    ASSERT_EQ(ui.messages.size(), 1u) << name;
    EXPECT_EQ(ui.messages[0].text.rfind(std::string("Datei ") + name + ": ", 0), 0u) << ui.messages[0].text;
    ExpectSameInput(before, context.body);
  }
}

TEST_F(DataFileReader, AcceptsLineFeedsAndAMissingLastLineEnd) {
  std::string bytes = ReadBytes(ConeFilePath());
  std::string unix;
  for (char c : bytes)
    if (c != '\r') unix += c;
  unix.pop_back();
  WriteBytes(dir.File("unix.kal"), unix);
  ASSERT_TRUE(ReadDataFile(context, "unix"));
  ExpectSameInput(ConeBody(), context.body);
}

}  // namespace
}  // namespace kalo::testing
