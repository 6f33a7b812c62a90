#include "datafile/data_file_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numbers>

#include "model/cone_body.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

class DataFileWriter : public ::testing::Test {
 protected:
  DataFileWriter() {
    context.body = ConeBody();
    context.state.dataDirectory = dir.Path();
  }
  // The lines of the file that WriteDataFile writes for the current body.
  std::vector<std::string> Lines() { return DataFileContent(context.body, context.Numbers()); }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
  ScriptedUi& ui = test.ui;
};

TEST_F(DataFileWriter, WritesTheHandMadeFileByteForByte) {
  ASSERT_TRUE(WriteDataFile(context, "cone"));
  EXPECT_EQ(ReadBytes(ConeFilePath()), ReadBytes(dir.File("cone.kal")));
  EXPECT_FALSE(context.state.cancel);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DataFileWriter, NumberFormsFollowTheConfiguredDecimalsAndSeparator) {
  context.body.contour[2] = {1.5L, 12.5L, -std::numbers::pi_v<long double> / 2};
  context.config.decimals = 5;
  auto lines = Lines();
  EXPECT_EQ("1.50000", lines[19]);
  EXPECT_EQ("-1.57080", lines[21]);
  EXPECT_EQ("7.800000000", lines[23]);
  context.config.decimals = 0;
  lines = Lines();
  EXPECT_EQ("2", lines[19]);
  EXPECT_EQ("-2", lines[21]);
  EXPECT_EQ("7.8000", lines[23]);
  context.config.decimals = 3;
  context.config.decimalSeparator = DecimalSeparator::Comma;
  lines = Lines();
  EXPECT_EQ("12,500", lines[20]);
  EXPECT_EQ("-1,571", lines[21]);
  EXPECT_EQ("7,8000000", lines[23]);
  EXPECT_EQ("-20|0,25|2,5|90|" + Oem("Alle Kanten 0,5x45°") + "||", lines[47]);
}

TEST_F(DataFileWriter, WholeDensitiesBelowOneUseTheSignificantForm) {
  context.body.rho = 0;
  EXPECT_EQ("0", Lines()[23]);
  context.body.rho = -2;
  EXPECT_EQ("-2", Lines()[23]);
  context.body.rho = 0.5L;
  EXPECT_EQ("0.5000000", Lines()[23]);
  context.body.contour[2].x = 4.0E-9L;
  EXPECT_EQ("0.000", Lines()[19]);
}

TEST_F(DataFileWriter, EmptyContourGoesStraightToTheDensity) {
  context.body.contour.count = 0;
  auto lines = Lines();
  EXPECT_EQ("0", lines[11]);
  EXPECT_EQ(std::string(22, '-'), lines[12]);
  EXPECT_EQ("7.8000000", lines[13]);
}

TEST_F(DataFileWriter, LineBreaksInOneLineTextsCannotShiftTheFile) {
  context.body.texts.name = "Kegel\r\nstumpf";
  context.body.documentation.documents[2].file = "a\nb";
  auto lines = Lines();
  EXPECT_EQ(67u, lines.size());
  EXPECT_EQ("Kegel  stumpf", lines[25]);
  EXPECT_EQ("a b", lines[58]);
}

TEST_F(DataFileWriter, NamesAreCompletedInTheDataDirectory) {
  ASSERT_TRUE(WriteDataFile(context, "welle"));
  EXPECT_TRUE(std::filesystem::exists(dir.File("welle.kal")));
  std::string full = dir.File("sub.dat");
  ASSERT_TRUE(WriteDataFile(context, full));
  EXPECT_TRUE(std::filesystem::exists(full));
  ASSERT_TRUE(WriteDataFile(context, dir.File("ohne")));
  EXPECT_TRUE(std::filesystem::exists(dir.File("ohne.kal")));
  EXPECT_EQ("", context.state.currentFileName);
}

TEST_F(DataFileWriter, SaveAsTakesDirectoryAndNameFromTheDialog) {
  std::filesystem::create_directory(dir.File("other"));
  ui.texts = {dir.File("other/rad")};
  ASSERT_TRUE(WriteDataFile(context, ""));
  EXPECT_TRUE(std::filesystem::exists(dir.File("other/rad.kal")));
  EXPECT_EQ(dir.File("other/"), context.state.dataDirectory);
  EXPECT_EQ("rad", context.state.currentFileName);
}

TEST_F(DataFileWriter, ACancelledDialogWritesNothing) {
  EXPECT_TRUE(WriteDataFile(context, "").IsCancelled());
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(dir.Path(), context.state.dataDirectory);
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST_F(DataFileWriter, OverwriteQuestionDecides) {
  WriteBytes(dir.File("alt.kal"), "alt");
  std::string question = dir.File("alt.kal") + " existiert bereits.   " + Oem("überschreiben") + " ?";
  ui.answers = {Answer::No, Answer::Cancel, Answer::Yes};
  for (int refused = 0; refused < 2; ++refused) {
    context.state.cancel = false;
    EXPECT_FALSE(WriteDataFile(context, "alt"));
    EXPECT_TRUE(context.state.cancel);
    EXPECT_EQ("alt", ReadBytes(dir.File("alt.kal")));
  }
  context.state.cancel = false;
  EXPECT_TRUE(WriteDataFile(context, "alt"));
  EXPECT_EQ(ReadBytes(ConeFilePath()), ReadBytes(dir.File("alt.kal")));
  EXPECT_EQ(std::vector<std::string>(3, question), ui.questions);
}

TEST_F(DataFileWriter, OverwriteQuestionSuppressedOrAboutAktuell) {
  WriteBytes(dir.File("alt.kal"), "alt");
  WriteBytes(dir.File("aktuell.kal"), "alt");
  EXPECT_TRUE(WriteDataFile(context, "alt", true));
  EXPECT_TRUE(WriteDataFile(context, "aktuell"));
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(ReadBytes(ConeFilePath()), ReadBytes(dir.File("aktuell.kal")));
}

TEST_F(DataFileWriter, ArchiveModeKeepsTheCommandLineFile) {
  context.state.commandLineFile = true;
  context.config.archiveMode = true;
  EXPECT_FALSE(WriteDataFile(context, "welle"));
  EXPECT_TRUE(context.state.cancel);
  ASSERT_EQ(1u, ui.messages.size());
  EXPECT_EQ(Oem("File- und User- Befehle sind im Archivierungsmodus nicht möglich."), ui.messages[0].text);
  EXPECT_FALSE(std::filesystem::exists(dir.File("welle.kal")));
  context.state.cancel = false;
  EXPECT_TRUE(WriteDataFile(context, "aktuell"));
  EXPECT_TRUE(context.state.commandLineFile);
}

TEST_F(DataFileWriter, WithoutArchiveModeTheCommandLineFileIsForgottenAtTheFirstWrite) {
  context.state.commandLineFile = true;
  EXPECT_TRUE(WriteDataFile(context, "welle"));
  EXPECT_FALSE(context.state.commandLineFile);
}

TEST_F(DataFileWriter, FailedWriteLeavesTheOldFileAndSaysSo) {
  // A full disk: the write fails and says so (an old file staying intact is the file
  // replacement's own test).
  std::filesystem::create_symlink("/dev/full", dir.File("alt.kal"));
  std::string message = Oem("Ungültiger Dateiname") + " \"" + dir.File("alt.kal") + "\" !";
  EXPECT_FALSE(WriteDataFile(context, "alt", true));
  EXPECT_TRUE(context.state.cancel);
  // The file cannot replace a directory with content: the write itself fails.
  std::filesystem::create_directories(dir.File("ordner.kal/inhalt"));
  context.state.cancel = false;
  EXPECT_FALSE(WriteDataFile(context, "ordner"));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_TRUE(std::filesystem::exists(dir.File("ordner.kal/inhalt")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("ordner.kal.tmp~")));
  ASSERT_EQ(2u, ui.messages.size());
  EXPECT_EQ(message, ui.messages[0].text);
  EXPECT_EQ(Oem("Ungültiger Dateiname") + " \"" + dir.File("ordner.kal") + "\" !", ui.messages[1].text);
}

}  // namespace
}  // namespace kalo::testing
