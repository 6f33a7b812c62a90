// Every file the program writes, written while the machine fails: the old file survives
// byte for byte, no temporary file is left behind, the failure names the file, and no
// command line chain ends with success.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <tuple>

#include "app/startup.h"
#include "cad/block_files.h"
#include "cad/cad_driver.h"
#include "cad/recording_plotter.h"
#include "config/configuration_file.h"
#include "config/recent_files.h"
#include "datafile/data_file_writer.h"
#include "graphics/screen_plotter.h"
#include "help/error_explanation_save.h"
#include "help/help_picture_browser.h"
#include "help/help_picture_form.h"
#include "output/output_targets.h"
#include "output/text_output.h"
#include "platform/paths.h"
#include "support/file_faults.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOldContent = "altes Original\r\n";

// A test folder with the outputs in out/ and the temporary folder in tmp/.
class FaultFixture {
 public:
  FaultFixture() {
    fs::create_directories(out);
    fs::create_directories(tmp);
    t.platform.currentDirectory = out;
    t.platform.printerPortDirectory = out;
    t.context.state.startupDirectory = out;
    t.context.configDirectory = out;
    Configuration& config = t.context.config;
    config.tempDirectory = tmp;
    config.defaultDataDirectory = out;
    config.pltDirectory = out;
    t.context.screenPlotter = &plotter;
    testing::WriteBytes(Out("welle.kal"), testing::ReadBytes(std::string(KALO_SOURCE_DIR) + "/data/examples/shaft.kal"));
  }

  std::string Out(const std::string& name) const { return out + "/" + name; }

  int Chain(std::vector<std::string> arguments) {
    t.context.state.arguments = std::move(arguments);
    return Startup(t.context).exitCode;
  }

  // Whether a message box or question named the file.
  bool Named(const std::string& path) const {
    std::string name = FileNameOf(path);
    for (const auto& message : t.ui.messages)
      if (message.text.find(name) != std::string::npos) return true;
    for (const std::string& question : t.ui.questions)
      if (question.find(name) != std::string::npos) return true;
    return false;
  }

  // Every message box and question, for a failure's explanation.
  std::string Told() const {
    std::string told;
    for (const auto& message : t.ui.messages) told += message.text + "\n";
    for (const std::string& question : t.ui.questions) told += question + "\n";
    return told.empty() ? "nothing told" : told;
  }

  // Names of the temporary files of writes anywhere in the test folder.
  std::vector<std::string> TemporaryLeftovers() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(dir.Path()))
      if (entry.path().filename().string().starts_with(".kalo-")) found.push_back(entry.path().string());
    return found;
  }

  testing::TempDir dir;
  std::string out = dir.File("out");
  std::string tmp = dir.File("tmp");
  testing::TestContext t;
  testing::RecordingPlotter plotter;
};

struct WrittenFile {
  const char* name;
  // Prepares what the write needs and names the file it writes.
  std::function<std::string(FaultFixture&)> target;
  // The write; true when it reports success.
  std::function<bool(FaultFixture&)> write;
};

std::function<std::string(FaultFixture&)> InOut(const char* name) {
  return [name](FaultFixture& f) { return f.Out(name); };
}

std::function<bool(FaultFixture&)> ChainSucceeds(const char* option) {
  return [option](FaultFixture& f) { return f.Chain({f.Out("welle.kal"), option, "/NOGUI"}) == 0; };
}

bool WriteReportFile(FaultFixture& f) {
  f.t.ui.texts = {f.Out("bericht.txt")};
  f.t.ui.answers = {Answer::Yes};  // overwrite the old report
  TextOutput output(f.t.context);
  if (!output.Open(kTargetFile, "bericht")) return false;
  output.Line("Masse");
  return output.Close();
}

bool EditHelpIndex(FaultFixture& f) {
  testing::WriteBytes(f.Out("EINS.plt"), "SP1;PU0,0;PD40,0;");
  f.t.ui.answers = {Answer::Yes};  // delete the selected entry
  f.t.ui.onHelpPictureBrowser = [done = false](HelpPictureForm& form) mutable {
    if (done) return false;
    form.ListBox1Click(0);
    form.DeleteClick();
    return done = true;
  };
  BrowseHelpPictures(f.t.context);
  return !f.t.context.state.cancel;
}

bool WriteBlockFile(FaultFixture& f) {
  if (!CadOpen(f.t.context, kCadScreen)) return false;
  CadBeginBlocks(f.t.context);
  CadBeginBlock(f.t.context, "NABE");
  CadLine(f.t.context, 0, 0, 10, 10);
  CadEndBlock(f.t.context);
  // Left open: closing the drawing removes its block files.
  return !f.t.context.state.cancel;
}

const WrittenFile kWrittenFiles[] = {
    {"DataFile", InOut("neu.kal"),
     [](FaultFixture& f) {
       f.t.ui.answers = {Answer::Yes};
       return WriteDataFile(f.t.context, f.Out("neu.kal")).IsDone();
     }},
    {"ReportChain", InOut("welle.txt"), ChainSucceeds("/I")},
    {"ReportFileTarget", InOut("bericht.txt"), WriteReportFile},
    {"DxfChain", InOut("welle.dxf"), ChainSucceeds("/CAD1:5")},
    {"IgesChain", InOut("welle.igs"), ChainSucceeds("/CAD2:5")},
    {"TxtChain", InOut("welle.txt"), ChainSucceeds("/CAD5:5")},
    {"SvgChain", InOut("welle.svg"), ChainSucceeds("/CAD6:5")},
    {"PdfChain", InOut("welle.pdf"), ChainSucceeds("/CAD7:5")},
    {"Configuration", InOut("kalo.cfg"),
     [](FaultFixture& f) {
       WriteConfiguration(f.t.context);
       return !f.t.context.state.cancel;
     }},
    {"RecentFiles", InOut("kalo.cff"),
     [](FaultFixture& f) {
       WriteRecentFiles(f.t.context);
       return !f.t.context.state.cancel;
     }},
    {"Explanation",
     [](FaultFixture& f) {
       testing::WriteBytes(f.Out("kalo.err"), "Schraffurfehler\r\nzu viele Schnittpunkte\r\nSchrittweite\r\n");
       return f.Out("kalo.err");
     },
     [](FaultFixture& f) { return SaveMessageExplanation(f.t.context, "Schraffurfehler", "neu", "neu"); }},
    {"HelpIndex",
     [](FaultFixture& f) {
       testing::WriteBytes(f.Out("kalo.dbh"), "\"EINS\",\"erstes Bild\"\r\n\"ZWEI\",\"zweites Bild\"\r\n");
       return f.Out("kalo.dbh");
     },
     EditHelpIndex},
    {"BlockFile", [](FaultFixture& f) { return BlockFilePath(f.t.context, "NABE"); }, WriteBlockFile},
};

struct MachineFault {
  const char* name;
  FileStep step;
  int error;
  bool wholeFolder;  // every file of the target's folder, else only the target
};

const MachineFault kMachineFaults[] = {
    {"ReadOnlyFolder", FileStep::kOpen, EROFS, true},
    {"FolderVanished", FileStep::kOpen, ENOENT, true},
    {"OpenRefused", FileStep::kOpen, EACCES, false},
    {"DiskFullOnWrite", FileStep::kWrite, ENOSPC, false},
    {"DiskFullOnClose", FileStep::kClose, ENOSPC, false},
    {"RenameFails", FileStep::kRename, EIO, false},
};

class WriteFaults : public ::testing::TestWithParam<std::tuple<WrittenFile, MachineFault>> {};

TEST_P(WriteFaults, OldFileSurvivesNothingIsLeftAndTheFailureNamesTheFile) {
  const auto& [file, machine] = GetParam();
  FaultFixture f;
  std::string target = file.target(f);
  if (!fs::exists(target)) testing::WriteBytes(target, kOldContent);
  std::string old = testing::ReadBytes(target);
  bool written = true;
  {
    std::string part = machine.wholeFolder ? DirectoryOf(target) : target;
    testing::FaultPlan plan({{machine.step, machine.error, 0, part}});
    written = file.write(f);
    EXPECT_GT(plan.injected, 0);
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(testing::ReadBytes(target), old);
  EXPECT_EQ(f.TemporaryLeftovers(), std::vector<std::string>{});
  EXPECT_TRUE(f.Named(target)) << f.Told();
}

INSTANTIATE_TEST_SUITE_P(EveryFile, WriteFaults,
                         ::testing::Combine(::testing::ValuesIn(kWrittenFiles), ::testing::ValuesIn(kMachineFaults)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

TEST(WriteFaultsInSequence, TheSecondFileOfAnOutputFailingIsReported) {
  // The report file target writes the report and then its copy for the text window.
  FaultFixture f;
  ASSERT_FALSE(OutwinPath(f.t.context).empty());  // the run's scratch folder is there already
  testing::FaultPlan plan({{FileStep::kWrite, ENOSPC, 2}});
  EXPECT_FALSE(WriteReportFile(f));
  EXPECT_TRUE(f.Named("outwin.txt"));
  EXPECT_TRUE(f.t.context.state.cancel);
  EXPECT_EQ(f.TemporaryLeftovers(), std::vector<std::string>{});
}

TEST(WriteFaultsInSequence, APrinterPortThatRefusesFailsTheReport) {
  for (const testing::FileFault& refusal : {testing::FileFault{FileStep::kOpen, EBUSY, 0, "lpt"},
                                            testing::FileFault{FileStep::kWrite, EIO, 0, "lpt"}}) {
    FaultFixture f;
    f.t.context.config.printerPort = 1;
    testing::WriteBytes(f.Out("lpt1"), "");
    f.t.ui.answers = {Answer::No};  // no pause after each page
    testing::FaultPlan plan({refusal});
    TextOutput output(f.t.context);
    ASSERT_TRUE(output.Open(kTargetTextPrinter, "bericht"));
    output.Line("Masse");
    EXPECT_FALSE(output.Close());
    EXPECT_TRUE(f.Named("lpt1"));
    EXPECT_EQ(testing::ReadBytes(f.Out("lpt1")), "");
  }
}

TEST(WriteFaultsInSequence, EveryChainOfTheProgramFailsOnAFullDisk) {
  // The outputs lead to /dev/full, a device whose every write fails with "no space left".
  testing::TempDir dir;
  testing::WriteBytes(dir.File("welle.kal"), testing::ReadBytes(std::string(KALO_SOURCE_DIR) + "/data/examples/shaft.kal"));
  for (const char* output : {"welle.txt", "welle.dxf", "welle.igs", "welle.svg", "welle.pdf"})
    fs::create_symlink("/dev/full", dir.File(output));
  for (const char* option : {"/I", "/CAD1:5", "/CAD2:5", "/CAD5:5", "/CAD6:5", "/CAD7:5"}) {
    testing::ProcessResult run = testing::RunProcess(dir.Path(), {KALO_EXECUTABLE, "welle.kal", option, "/NOGUI"},
                                                     {"TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
    EXPECT_EQ(run.exitCode, 1) << option;
    EXPECT_NE(run.errorOutput.find("welle."), std::string::npos) << option << "\n" << run.errorOutput;
  }
}

}  // namespace
}  // namespace kalo
