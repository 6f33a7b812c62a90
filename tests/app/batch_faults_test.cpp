// The command line program run as a script runs it, on what scripts get wrong: an empty
// body, a /CAD switch naming nothing, a damaged configuration, file names with "\" and ":".
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <random>
#include <string>
#include <vector>

#include "config/config_fixture.h"
#include "datafile/data_file_writer.h"
#include "platform/text_file.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class BatchFaults : public ::testing::Test {
 protected:
  // kalo with the given arguments in the test directory, which holds the flange as body.kal.
  testing::ProcessResult Kalo(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), KALO_EXECUTABLE);
    return testing::RunProcess(dir.Path(), arguments,
                               {"SOURCE_DATE_EPOCH=1796634300", "TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
  }

  void CopyExample(const std::string& example, const std::string& name) {
    testing::WriteBytes(dir.File(name), testing::ReadBytes(std::string(KALO_SOURCE_DIR) + "/data/examples/" +
                                                           example + ".kal"));
  }

  // The drawing as another CAD program reads it: audited, with layer names it accepts.
  void ExpectAcceptedDrawing(const std::string& name) {
    testing::ProcessResult audit = testing::RunProcess(
        dir.Path(), {"/usr/bin/python3", std::string(KALO_SOURCE_DIR) + "/tests/app/dxf_audit.py", dir.File(name)}, {});
    EXPECT_EQ(audit.exitCode, 0) << audit.errorOutput;
  }

  // Every chain on body.kal succeeds whatever kalo.cfg holds.
  void ExpectChainsSucceed() {
    for (const char* cadSwitch : {"/CAD1:5", "/CAD2:5"}) {
      testing::ProcessResult result = Kalo({"body.kal", cadSwitch});
      EXPECT_EQ(result.exitCode, 0) << cadSwitch << "\n" << result.errorOutput;
    }
    EXPECT_FALSE(testing::ReadBytes(dir.File("body.igs")).empty());
    ExpectAcceptedDrawing("body.dxf");
    testing::ProcessResult report = Kalo({"body.kal", "/I", "/NOGUI"});
    EXPECT_EQ(report.exitCode, 0) << report.errorOutput;
    EXPECT_NE(testing::ReadBytes(dir.File("body.txt")).find("ERGEBNISSE"), std::string::npos);
  }

  testing::TempDir dir;
};

TEST_F(BatchFaults, EmptyContourFailsEveryChain) {
  testing::TestContext empty;
  ASSERT_TRUE(WriteDataFile(empty.context, dir.File("leer.kal")));
  for (const char* chain : {"/I", "/CAD1:5", "/CAD5:6"}) {
    testing::ProcessResult result = Kalo({"leer.kal", chain, "/NOGUI"});
    EXPECT_EQ(result.exitCode, 1) << chain;
    EXPECT_NE(result.errorOutput.find("Fehler : keine Geometrie eingegeben !"), std::string::npos)
        << chain << "\n" << result.errorOutput;
  }
  EXPECT_FALSE(FileExists(dir.File("leer.txt")));
  EXPECT_FALSE(FileExists(dir.File("leer.dxf")));
}

TEST_F(BatchFaults, CadSwitchWithoutSuchTargetOrViewFailsNamingTheValidOnes) {
  CopyExample("flange", "body.kal");
  // 3 is the screen, which the command line has not; 4 hands the drawing to the plot program.
  for (const char* cadSwitch : {"/CAD3:1", "/CAD4:1", "/CAD1:0", "/CAD1:9", "/CAD1", "/CADx:y"}) {
    testing::ProcessResult result = Kalo({"body.kal", cadSwitch});
    EXPECT_EQ(result.exitCode, 1) << cadSwitch;
    std::string message = std::string(cadSwitch) + " ?  /CADi:j mit i: 1=DXF, 2=IGS, 5=TXT, 6=SVG, 7=PDF und j: Ansicht 1..6";
    EXPECT_NE(result.errorOutput.find(message), std::string::npos) << result.errorOutput;
  }
  for (const char* output : {"body.dxf", "body.igs", "body.txt"}) EXPECT_FALSE(FileExists(dir.File(output)));
}

// One run writes every output asked for, each as the run of that switch alone writes it.
TEST_F(BatchFaults, OneRunWritesEveryOutputAskedFor) {
  CopyExample("pulley", "body.kal");
  const std::vector<std::pair<std::string, std::string>> outputs = {
      {"/I", "body.txt"}, {"/CAD1:5", "body.dxf"}, {"/CAD7:5", "body.pdf"}, {"/JSON", "body.json"}};
  std::map<std::string, std::string> alone;
  for (const auto& [output, file] : outputs) {
    ASSERT_EQ(Kalo({"body.kal", output, "/NOGUI"}).exitCode, 0) << output;
    alone[file] = testing::ReadBytes(dir.File(file));
    std::filesystem::remove(dir.File(file));
  }
  testing::ProcessResult together = Kalo({"body.kal", "/I", "/CAD1:5", "/NOGUI", "/CAD7:5", "/JSON"});
  ASSERT_EQ(together.exitCode, 0) << together.errorOutput;
  for (const auto& [file, bytes] : alone) EXPECT_EQ(testing::ReadBytes(dir.File(file)), bytes) << file;
}

// A malformed switch or two switches writing one file stop the run before anything is
// written, wherever they stand.
TEST_F(BatchFaults, AMalformedOrClashingSwitchWritesNothing) {
  CopyExample("flange", "body.kal");
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"/I", "/CAD1,5"}, {"/JSON", "/CAD1:5", "/CAD1:9"}, {"/I", "/CAD5:6"}, {"/JSON", "/JSN"}}) {
    std::vector<std::string> command = {"body.kal"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    testing::ProcessResult result = Kalo(command);
    EXPECT_EQ(result.exitCode, 1) << arguments.back();
    EXPECT_NE(result.errorOutput.find(arguments.back()), std::string::npos) << result.errorOutput;
  }
  EXPECT_EQ(testing::FolderEntries(dir.Path()), (std::set<std::string>{"body.kal", "stderr.log"}));
}

TEST_F(BatchFaults, ConfigurationOfRandomBytesStillLetsEveryChainSucceed) {
  CopyExample("flange", "body.kal");
  std::mt19937 random(1796634300);
  std::string bytes(64 * 1024, '\0');  // some 250 lines of up to a few hundred bytes
  for (char& byte : bytes) byte = static_cast<char>(random());
  testing::WriteBytes(dir.File("kalo.cfg"), bytes);
  ExpectChainsSucceed();
}

TEST_F(BatchFaults, ConfigurationOfAbsurdValuesStillLetsEveryChainSucceed) {
  CopyExample("flange", "body.kal");
  std::vector<std::string> lines = testing::InitialConfigurationLines();
  const std::vector<std::string> names = {"\x01Mitte\x02", "L\x1b<2>", "\x7f", "Kontur\r", "|*?"};
  const std::vector<std::string> colours = {"-5", "1e999", "NaN", "0", "99999"};
  auto layer = lines.begin();
  for (size_t k = 0; k < names.size(); ++k) {
    layer = std::find(layer, lines.end(), "Layer");
    layer[1] = names[k];
    layer[3] = colours[k];
    ++layer;
  }
  testing::SetValue(lines, "Textstil CAD", std::string("\0\x01", 2));
  testing::SetValue(lines, "Textbreitenfaktor CAD", "NaN");
  testing::SetValue(lines, "Textwinkel", "1e999");
  testing::SetValue(lines, "Dezimalstellen", "-1e999");
  testing::SetValue(lines, "Decimals DXF,TXT", "-3");
  testing::SetValue(lines, "Line thickness Layer 0..5", "-1");
  testing::SetValue(lines, "Color Layer 16", "-8");
  testing::SetValue(lines, "Text Height Factor", "-2");
  testing::SetValue(lines, "Header Space Lines", "99999");
  testing::SetValue(lines, "Zeilen pro Seite für Drucker", "-66");
  testing::SetValue(lines, "Mode für Textausdruck 1:* 2:-", "1e999");
  testing::WriteLines(dir.File("kalo.cfg"), lines);
  ExpectChainsSucceed();
}

// Settings files of a gigabyte (sparse: no disk, no time) are not read at all; the chain
// says so and runs on the defaults.
TEST_F(BatchFaults, SettingsFilesBeyondTheirBoundArePassedOverWithAMessage) {
  CopyExample("flange", "body.kal");
  for (const char* name : {"kalo.cfg", "kalo.cff"}) {
    testing::WriteBytes(dir.File(name), "");
    std::filesystem::resize_file(dir.File(name), 1ull << 30);
  }
  testing::ProcessResult result = Kalo({"body.kal", "/I", "/NOGUI"});
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  for (const char* name : {"kalo.cfg", "kalo.cff"})
    EXPECT_NE(result.errorOutput.find(dir.File(name) + ": Datei zu groß (mehr als 1048576 Bytes), nicht gelesen"),
              std::string::npos)
        << result.errorOutput;
  EXPECT_NE(testing::ReadBytes(dir.File("body.txt")).find("ERGEBNISSE"), std::string::npos);
}

// Memory running out ends the run with 1 and its cause, never with an abort.
TEST_F(BatchFaults, TooLittleMemoryEndsWithItsCause) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
  // Under 12 MB of address space a report is written, but a data file of almost 4 MB (the
  // most a data file may have) in one line cannot be read.
  CopyExample("shaft", "body.kal");
  testing::WriteBytes(dir.File("riesig.kal"), std::string((4 << 20) - 16, 'x'));
  auto run = [&](const std::string& arguments) {
    std::string script = "ulimit -v 12000 && exec " + std::string(KALO_EXECUTABLE) + " " + arguments;
    return testing::RunProcess(dir.Path(), {"/bin/sh", "-c", script}, {"TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
  };
  EXPECT_EQ(run("body.kal /I").exitCode, 0);
  for (const char* chain : {"/I", "/JSON"}) {
    testing::ProcessResult result = run(std::string("riesig.kal ") + chain);
    EXPECT_EQ(result.exitCode, 1) << chain << "\n" << result.errorOutput;
    EXPECT_NE(result.errorOutput.find("kalo: zu wenig Speicher"), std::string::npos) << result.errorOutput;
  }
  EXPECT_FALSE(FileExists(dir.File("riesig.txt")));
#endif
}

// With almost no file descriptors left, the PDF drawing names that cause, not a missing font.
TEST_F(BatchFaults, APdfWithoutFreeDescriptorsNamesTheRealCause) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer needs free descriptors of its own to start";
#endif
  CopyExample("shaft", "body.kal");
  // One descriptor free beside the standard streams (whatever the test runner left open is
  // closed first): too few for fontconfig.
  testing::ProcessResult result =
      testing::RunProcess(dir.Path(), testing::WithDescriptorLimit(4, {KALO_EXECUTABLE, "body.kal", "/CAD7:5"}),
                          {"TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.errorOutput.find("zu viele offene Dateien"), std::string::npos) << result.errorOutput;
  EXPECT_EQ(result.errorOutput.find("nicht installiert"), std::string::npos) << result.errorOutput;
  EXPECT_FALSE(FileExists(dir.File("body.pdf")));
}

TEST_F(BatchFaults, CommandLineNamesAreLinuxPaths) {
  std::filesystem::create_directory(dir.File("a"));
  CopyExample("flange", "a\\b.kal");
  CopyExample("sphere", "a/b.kal");
  CopyExample("shaft", "x:y.kal");

  ASSERT_EQ(Kalo({"a\\b.kal", "/I", "/NOGUI"}).exitCode, 0);
  EXPECT_NE(testing::ReadBytes(dir.File("a\\b.txt")).find("Flansch"), std::string::npos);
  ASSERT_EQ(Kalo({"a/b.kal", "/I", "/NOGUI"}).exitCode, 0);
  EXPECT_NE(testing::ReadBytes(dir.File("b.txt")).find("Vollkugel"), std::string::npos);
  ASSERT_EQ(Kalo({"x:y.kal", "/CAD1:6"}).exitCode, 0);
  EXPECT_TRUE(FileExists(dir.File("x:y.dxf")));
}

TEST_F(BatchFaults, OutputsTakeTheWholeBaseNameInTheWorkingFolderWhateverItIsCalled) {
  CopyExample("shaft", "welle.v1.kal");
  EXPECT_EQ(Kalo({"welle.v1.kal", "/I", "/NOGUI"}).exitCode, 0);
  EXPECT_EQ(Kalo({"welle.v1.kal", "/CAD1:5"}).exitCode, 0);
  EXPECT_TRUE(FileExists(dir.File("welle.v1.txt")));
  EXPECT_TRUE(FileExists(dir.File("welle.v1.dxf")));
  EXPECT_FALSE(FileExists(dir.File("welle.v1")));
  EXPECT_FALSE(FileExists(dir.File("welle.dxf")));

  for (const std::string folder : {"Maß", "café", "teil-", "teil.", "teil+"}) {
    std::filesystem::create_directory(dir.File(folder));
    testing::WriteBytes(dir.File(folder + "/p.kal"), testing::ReadBytes(dir.File("welle.v1.kal")));
    testing::ProcessResult run = testing::RunProcess(dir.File(folder), {KALO_EXECUTABLE, "p.kal", "/I", "/NOGUI"},
                                                     {"TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
    EXPECT_EQ(run.exitCode, 0) << folder << "\n" << run.errorOutput;
    EXPECT_TRUE(FileExists(dir.File(folder + "/p.txt"))) << folder;
    EXPECT_FALSE(FileExists(dir.File(folder + "p.txt"))) << folder;
  }
}

TEST_F(BatchFaults, AWorkingFolderDeeperThanAPathCanSpellWorks) {
  // 24 levels of 200 characters, deeper than PATH_MAX (4096): only relative steps reach it,
  // and only descriptor-based removal takes it away again.
  const char* script = R"(
import os, shutil, subprocess, sys
top, kalo, body = sys.argv[1], sys.argv[2], sys.argv[3]
os.chdir(top)
for _ in range(24):
    os.mkdir("d" * 200)
    os.chdir("d" * 200)
shutil.copyfile(body, "tief.kal")
ok = all(subprocess.run([kalo, "tief.kal"] + switches).returncode == 0 for switches in (["/I", "/NOGUI"], ["/CAD1:2"]))
ok = ok and os.path.getsize("tief.txt") > 0 and os.path.getsize("tief.dxf") > 0
os.chdir(top)
shutil.rmtree("d" * 200)
sys.exit(0 if ok else 1)
)";
  testing::ProcessResult run = testing::RunProcess(
      dir.Path(),
      {"/usr/bin/python3", "-c", script, dir.Path(), KALO_EXECUTABLE,
       std::string(KALO_SOURCE_DIR) + "/data/examples/shaft.kal"},
      {"TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
  EXPECT_EQ(run.exitCode, 0) << run.errorOutput;
}

}  // namespace
}  // namespace kalo
