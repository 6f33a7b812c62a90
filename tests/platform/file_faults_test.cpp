// Faults of the machine in the middle of a write: the old file stays as it was, nothing of
// the attempt is left behind, and the caller learns the true cause.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "help/printer_port.h"
#include "platform/file_replace.h"
#include "platform/private_folder.h"
#include "platform/text_file.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

struct FaultCase {
  const char* name;
  testing::FileFault fault;
};

// Every step of a replace that can fail on a real machine.
const FaultCase kReplaceFaults[] = {
    {"FolderReadOnly", {FileStep::kOpen, EROFS}},
    {"NoPermission", {FileStep::kOpen, EACCES}},
    {"TemporaryFolderVanished", {FileStep::kOpen, ENOENT}},
    {"DiskFullOnFirstWrite", {FileStep::kWrite, ENOSPC}},
    {"DiskFullOnClose", {FileStep::kClose, ENOSPC}},
    {"QuotaOnClose", {FileStep::kClose, EDQUOT}},
    {"RenameRefused", {FileStep::kRename, EXDEV}},
    {"InputOutputError", {FileStep::kWrite, EIO}},
};

class ReplaceUnderFault : public ::testing::TestWithParam<FaultCase> {
 protected:
  testing::TempDir dir;
};

TEST_P(ReplaceUnderFault, OldFileSurvivesAndNothingIsLeftBehind) {
  const std::string target = dir.File("welle.kal");
  testing::WriteBytes(target, "alter Inhalt");
  {
    testing::FaultPlan plan({GetParam().fault});
    EXPECT_EQ(ReplaceFile(target, std::string(1 << 20, 'n')), GetParam().fault.error);
    Outcome written = WriteTextLines(target, {"neu"});
    EXPECT_TRUE(written.IsFailure());
    EXPECT_FALSE(written.Message().empty());
  }
  EXPECT_EQ(testing::ReadBytes(target), "alter Inhalt");
  EXPECT_EQ(testing::FolderEntries(dir.Path()), std::set<std::string>{"welle.kal"});
  // Once the machine is well again the same write succeeds.
  EXPECT_EQ(ReplaceFile(target, "neu"), 0);
  EXPECT_EQ(testing::ReadBytes(target), "neu");
}

INSTANTIATE_TEST_SUITE_P(EveryStep, ReplaceUnderFault, ::testing::ValuesIn(kReplaceFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileFaults, ProbesSeeTheFaultsOfTheFolderButNotThoseOfOneFile) {
  testing::TempDir dir;
  testing::FaultPlan folder({{FileStep::kOpen, EROFS, 0, dir.Path()}});
  EXPECT_FALSE(CanCreateFileIn(dir.Path()));
  EXPECT_FALSE(CanWriteFile(dir.File("neu.txt")));
  EXPECT_EQ(ReplaceProblem(dir.File("neu.txt")), EROFS);
  EXPECT_TRUE(testing::FolderEntries(dir.Path()).empty());

  testing::TempDir other;
  testing::FaultPlan oneFile({{FileStep::kWrite, ENOSPC, 0, other.File("voll.txt")}});
  EXPECT_TRUE(CanWriteFile(other.File("voll.txt")));
  EXPECT_EQ(ReplaceFile(other.File("voll.txt"), "x"), ENOSPC);
  EXPECT_EQ(ReplaceFile(other.File("leer.txt"), "x"), 0);
  EXPECT_EQ(testing::FolderEntries(other.Path()), std::set<std::string>{"leer.txt"});
}

TEST(FileFaults, FaultsEndWithTheirScopeAndNest) {
  testing::TempDir dir;
  {
    testing::FaultPlan outer({{FileStep::kRename, EIO}});
    {
      testing::FaultPlan inner({{FileStep::kWrite, ENOSPC}});
      EXPECT_EQ(ReplaceFile(dir.File("a"), "x"), ENOSPC);
    }
    EXPECT_EQ(ReplaceFile(dir.File("a"), "x"), EIO);
  }
  EXPECT_EQ(ReplaceFile(dir.File("a"), "x"), 0);
}

TEST(FileFaults, PrivateFolderOnAFullOrReadOnlyDiskIsNotMade) {
  for (const testing::FileFault& fault :
       {testing::FileFault{FileStep::kOpen, EROFS}, testing::FileFault{FileStep::kWrite, ENOSPC}}) {
    testing::TempDir dir;
    PrivateFolder folder;
    {
      testing::FaultPlan plan({fault});
      EXPECT_EQ(folder.CreateIn(dir.Path()), fault.error);
    }
    EXPECT_FALSE(folder.Exists());
    EXPECT_TRUE(testing::FolderEntries(dir.Path()).empty());
  }
}

TEST(FileFaults, APrinterPortThatRefusesIsReportedWithItsCause) {
  testing::TempDir dir;
  const std::string port = dir.File("lpt1");
  testing::WriteBytes(port, "");
  struct PortCase {
    testing::FileFault fault;
    bool closeFailed;
  };
  for (const PortCase& refusal : {PortCase{{FileStep::kOpen, EBUSY}, false}, PortCase{{FileStep::kWrite, EIO}, false},
                                  PortCase{{FileStep::kClose, EIO}, true}}) {
    testing::FaultPlan plan({refusal.fault});
    bool closeFailed = false;
    EXPECT_EQ(SendToPrinterPort(port, "PA0,0;", closeFailed), refusal.fault.error);
    EXPECT_EQ(closeFailed, refusal.closeFailed);
  }
}

}  // namespace
}  // namespace kalo
