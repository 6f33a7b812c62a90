// The command line chains as scripts and build servers run them: many at the same time, in
// one folder or several, beside files other users left, with outputs that are links, long
// names, read-only or on a full device, and with temporary folders that cannot be used.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace kalo {
namespace {

namespace fs = std::filesystem;
using testing::ProcessResult;
using testing::ProcessStart;

const std::string kReport = "/I";
const std::string kDrawing = "/CAD1:5";

std::string Example(const std::string& name) {
  return std::string(KALO_SOURCE_DIR) + "/data/examples/" + name + ".kal";
}

std::string OutputName(const std::string& body, const std::string& chain) {
  return body + (chain == kReport ? ".txt" : ".dxf");
}

class BatchRobustness : public ::testing::Test {
 protected:
  BatchRobustness() {
    // Runs as another user work in these folders too; the temporary folder is shared as
    // /tmp is.
    testing::OpenToEveryone(work.Path());
    testing::ShareLikeTmp(temp.Path());
    testing::OpenToEveryone(fallback.Path());
  }

  // kalo with a data file (of the examples, or a name in the working folder) and a chain,
  // dated 7 December 2026, 9:05; TEMP is the test's temporary folder and TMPDIR the place to
  // fall back to.
  ProcessStart Kalo(const std::string& folder, const std::string& dataFile, const std::string& chain,
                    const std::string& tempFolder) const {
    std::vector<std::string> arguments = {KALO_EXECUTABLE, dataFile, chain};
    if (chain == kReport) arguments.push_back("/NOGUI");
    return {folder, arguments,
            {"SOURCE_DATE_EPOCH=1796634300", "TEMP=" + tempFolder, "TMPDIR=" + fallback.Path(), "PATH=/usr/bin:/bin"}};
  }
  ProcessStart Kalo(const std::string& body, const std::string& chain) const {
    return Kalo(work.Path(), Example(body), chain, temp.Path());
  }
  static ProcessResult Run(ProcessStart start) { return testing::RunProcessesAtOnce({std::move(start)}).front(); }
  static ProcessResult RunUnprivileged(ProcessStart start) {
    start.arguments = testing::Unprivileged(start.arguments);
    return Run(std::move(start));
  }

  // The output of the chain on the example when it runs alone, made once for all tests.
  const std::string& SingleRun(const std::string& body, const std::string& chain) const {
    static std::map<std::string, std::string> outputs;
    std::string& output = outputs[body + chain];
    if (output.empty()) {
      testing::TempDir alone, aloneTemp;
      EXPECT_EQ(Run(Kalo(alone.Path(), Example(body), chain, aloneTemp.Path())).exitCode, 0);
      output = testing::ReadBytes(alone.File(OutputName(body, chain)));
      EXPECT_FALSE(output.empty());
    }
    return output;
  }

  void ExpectNoScratchLeft() const {
    EXPECT_TRUE(fs::is_empty(temp.Path())) << *testing::FolderEntries(temp.Path()).begin();
    EXPECT_TRUE(fs::is_empty(fallback.Path()));
  }

  testing::TempDir work, temp, fallback;
};

// Reports and drawings of runs started together come out as when each runs alone.
TEST_F(BatchRobustness, ChainsAtTheSameTimeInOneFolderAndInTwo) {
  testing::TempDir second;
  const std::vector<std::pair<std::string, std::string>> chains = {
      {"shaft", kReport}, {"flange", kReport}, {"shaft", kDrawing}, {"flange", kDrawing}};
  for (int round = 0; round < 3; ++round) {
    std::vector<ProcessStart> starts;
    for (const auto& [body, chain] : chains) {
      starts.push_back(Kalo(body, chain));
      starts.push_back(Kalo(second.Path(), Example(body), chain, temp.Path()));
    }
    std::vector<ProcessResult> results = testing::RunProcessesAtOnce(starts);
    for (size_t i = 0; i < results.size(); ++i) {
      EXPECT_EQ(results[i].exitCode, 0) << results[i].errorOutput;
      EXPECT_EQ(results[i].errorOutput, "");
    }
    for (const auto& [body, chain] : chains) {
      EXPECT_EQ(testing::ReadBytes(work.File(OutputName(body, chain))), SingleRun(body, chain)) << body << chain;
      EXPECT_EQ(testing::ReadBytes(second.File(OutputName(body, chain))), SingleRun(body, chain)) << body << chain;
    }
    EXPECT_EQ(testing::FolderEntries(work.Path()),
              (std::set<std::string>{"shaft.txt", "flange.txt", "shaft.dxf", "flange.dxf"}));
    ExpectNoScratchLeft();
  }
}

TEST_F(BatchRobustness, TwentyRunsWritingOneNameLeaveOneCompleteReport) {
  std::vector<ProcessStart> starts(20, Kalo("shaft", kReport));
  for (int round = 0; round < 3; ++round) {
    for (const ProcessResult& result : testing::RunProcessesAtOnce(starts))
      EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_EQ(testing::ReadBytes(work.File("shaft.txt")), SingleRun("shaft", kReport));
    EXPECT_EQ(testing::FolderEntries(work.Path()), std::set<std::string>{"shaft.txt"});
    ExpectNoScratchLeft();
  }
}

TEST_F(BatchRobustness, ThePrivateFolderGoesAfterAFailureToo) {
  fs::create_directory(work.File("shaft.txt"));  // a folder stands where the report goes
  ProcessResult result = Run(Kalo("shaft", kReport));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.errorOutput.find(work.File("shaft.txt") + ": der Name ist ein Ordner"), std::string::npos)
      << result.errorOutput;
  ExpectNoScratchLeft();
}

// Scratch files and folders another user left in a shared temporary folder, and a file
// in the working folder with the name of an old temporary file, stay as they are.
TEST_F(BatchRobustness, WhatOthersLeftInTheTemporaryFolderStopsNoRun) {
  if (!testing::RunningAsRoot()) GTEST_SKIP() << "files of another user need root to make";
  const std::vector<std::string> stale = {"x.$$$",   "$$$1.txt",   "$$1.txt",      "outwin.txt",  "kalo.htm",
                                          "$$$.txt", "penplot.dxf", "$FRAME_1.dx$", ".kalo-AAAAAA"};
  for (const std::string& name : stale) {
    testing::WriteBytes(temp.File(name), "fremd");
    chmod(temp.File(name).c_str(), 0600);
  }
  fs::create_directory(temp.File("kalo-AAAAAA"));
  chmod(temp.File("kalo-AAAAAA").c_str(), 0700);
  for (const std::string& chain : {kReport, kDrawing}) {
    ProcessResult result = RunUnprivileged(Kalo("shaft", chain));
    EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_EQ(result.errorOutput, "");
    EXPECT_EQ(testing::ReadBytes(work.File(OutputName("shaft", chain))), SingleRun("shaft", chain));
  }
  std::set<std::string> left(stale.begin(), stale.end());
  left.insert("kalo-AAAAAA");
  EXPECT_EQ(testing::FolderEntries(temp.Path()), left);
  for (const std::string& name : stale) EXPECT_EQ(testing::ReadBytes(temp.File(name)), "fremd");
}

TEST_F(BatchRobustness, AReadOnlyOutputStaysAndTheChainFails) {
  for (const std::string& chain : {kReport, kDrawing}) {
    std::string output = work.File(OutputName("shaft", chain));
    testing::WriteBytes(output, "alt");
    chmod(output.c_str(), 0444);
    ProcessResult result = RunUnprivileged(Kalo("shaft", chain));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.errorOutput.find(output + ": keine Schreibberechtigung"), std::string::npos) << result.errorOutput;
    EXPECT_EQ(testing::ReadBytes(output), "alt");
  }
  ExpectNoScratchLeft();
}

TEST_F(BatchRobustness, OutputsThroughLinksWithLongNamesOrBesideLookalikesOfTemporaryFiles) {
  // A link as the report: the file it points to gets the report.
  fs::create_directory(work.File("ablage"));
  testing::WriteBytes(work.File("ablage/bericht.txt"), "alt");
  fs::create_symlink("ablage/bericht.txt", work.File("shaft.txt"));
  // A user's files named like temporary files of a write.
  for (const char* name : {".kalo-AAAAAA", ".kalo-XXXXXX", "shaft.dxf.tmp~"})
    testing::WriteBytes(work.File(name), name);
  // A data file whose outputs have names of 254 bytes.
  std::string longName(250, 'b');
  fs::copy_file(Example("shaft"), work.File(longName + ".kal"));

  for (const std::string& chain : {kReport, kDrawing}) {
    EXPECT_EQ(Run(Kalo("shaft", chain)).exitCode, 0);
    ProcessResult result = Run(Kalo(work.Path(), longName + ".kal", chain, temp.Path()));
    EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_FALSE(testing::ReadBytes(work.File(OutputName(longName, chain))).empty());
  }
  EXPECT_TRUE(fs::is_symlink(work.File("shaft.txt")));
  EXPECT_EQ(testing::ReadBytes(work.File("ablage/bericht.txt")), SingleRun("shaft", kReport));
  EXPECT_EQ(testing::ReadBytes(work.File("shaft.dxf")), SingleRun("shaft", kDrawing));
  EXPECT_EQ(testing::FolderEntries(work.File("ablage")), std::set<std::string>{"bericht.txt"});
  EXPECT_EQ(testing::FolderEntries(work.Path()),
            (std::set<std::string>{"ablage", "shaft.txt", "shaft.dxf", ".kalo-AAAAAA", ".kalo-XXXXXX", "shaft.dxf.tmp~",
                                   longName + ".kal", longName + ".txt", longName + ".dxf"}));
  for (const char* name : {".kalo-AAAAAA", ".kalo-XXXXXX", "shaft.dxf.tmp~"})
    EXPECT_EQ(testing::ReadBytes(work.File(name)), name);
  ExpectNoScratchLeft();
}

// In a folder shared as /tmp is, a link that another user planted under an output's name
// is not followed: the file it points to stays, and the message names the link and its
// owner. A link of the folder's owner is followed, as the kernel's protected_symlinks does.
TEST_F(BatchRobustness, ALinkPlantedByAnotherUserIsNotFollowed) {
  if (!testing::RunningAsRoot()) GTEST_SKIP() << "needs root: the link must belong to another user (nobody)";
  testing::ShareLikeTmp(work.Path());
  fs::create_directory(work.File("root"));
  std::string secret = work.File("root/secret");
  testing::WriteBytes(secret, "geheim");
  chmod(secret.c_str(), 0600);
  fs::create_symlink(secret, work.File("shaft.txt"));
  fs::create_symlink(secret, work.File("shaft.dxf"));
  for (const char* link : {"shaft.txt", "shaft.dxf"}) ASSERT_EQ(lchown(work.File(link).c_str(), 65534, 65534), 0);

  for (const std::string& chain : {kReport, kDrawing}) {
    ProcessResult result = Run(Kalo("shaft", chain));
    EXPECT_EQ(result.exitCode, 1) << chain;
    std::string link = work.File(OutputName("shaft", chain));
    EXPECT_NE(result.errorOutput.find("Verknüpfung " + link + " von nobody nicht gefolgt"), std::string::npos)
        << result.errorOutput;
    EXPECT_TRUE(fs::is_symlink(link));
  }
  EXPECT_EQ(testing::ReadBytes(secret), "geheim");

  // The folder's owner may link: nobody's own folder.
  fs::create_directory(work.File("nobody"));
  ASSERT_EQ(chown(work.File("nobody").c_str(), 65534, 65534), 0);
  fs::create_symlink("../root/secret", work.File("nobody/shaft.txt"));
  ASSERT_EQ(lchown(work.File("nobody/shaft.txt").c_str(), 65534, 65534), 0);
  ProcessResult followed = Run(Kalo(work.File("nobody"), Example("shaft"), kReport, temp.Path()));
  EXPECT_EQ(followed.exitCode, 0) << followed.errorOutput;
  EXPECT_EQ(testing::ReadBytes(secret), SingleRun("shaft", kReport));
  ExpectNoScratchLeft();
}

// Written by an unprivileged user, so that a fault could never replace the device itself.
TEST_F(BatchRobustness, AFullDeviceSaysThereIsNoSpace) {
  fs::create_symlink("/dev/full", work.File("shaft.txt"));
  ProcessResult result = RunUnprivileged(Kalo("shaft", kReport));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.errorOutput.find("kein Platz mehr auf dem Datenträger"), std::string::npos) << result.errorOutput;
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  ExpectNoScratchLeft();
}

// The chains write straight to their outputs and need no scratch file, so an unusable
// temporary folder is only warned about (the fallback for the window's scratch files is
// tested with the scratch files).
TEST_F(BatchRobustness, AMissingOrReadOnlyTemporaryFolderStopsNoChain) {
  fs::create_directory(temp.File("nur-lesen"));
  chmod(temp.File("nur-lesen").c_str(), 0555);
  for (const auto& [folder, cause] : {std::pair{temp.File("fehlt"), "Ordner nicht gefunden"},
                                      std::pair{temp.File("nur-lesen"), "keine Schreibberechtigung"}}) {
    fs::remove(work.File("shaft.dxf"));
    ProcessResult result = RunUnprivileged(Kalo(work.Path(), Example("shaft"), kDrawing, folder));
    EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_NE(result.errorOutput.find("ungültiger Ordner für temporäre Dateien"), std::string::npos) << cause;
    EXPECT_EQ(testing::ReadBytes(work.File("shaft.dxf")), SingleRun("shaft", kDrawing));
  }
  EXPECT_TRUE(fs::is_empty(fallback.Path()));
}

}  // namespace
}  // namespace kalo
