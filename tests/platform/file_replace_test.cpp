// Files replaced as a whole: what is left on disk after a write, and what is never touched.
#include "platform/file_replace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "platform/codepage.h"
#include "platform/text_file.h"
#include "platform/write_errors.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace kalo {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

class FileReplace : public ::testing::Test {
 protected:
  testing::TempDir dir;
};

TEST_F(FileReplace, ReplacedFileKeepsItsPermissionsAndFilesThatOnlyLookLikeOursStay) {
  testing::WriteBytes(dir.File("bericht.txt"), "alt");
  chmod(dir.File("bericht.txt").c_str(), 0640);
  // A user's files named like the temporary file of a write, now and in earlier versions.
  const std::set<std::string> lookalikes = {".kalo-AAAAAA", ".kalo-XXXXXX", "bericht.txt.tmp~"};
  for (const std::string& name : lookalikes) testing::WriteBytes(dir.File(name), name);

  ASSERT_EQ(ReplaceFile(dir.File("bericht.txt"), "neu"), 0);
  EXPECT_EQ(testing::ReadBytes(dir.File("bericht.txt")), "neu");
  EXPECT_EQ(ModeOf(dir.File("bericht.txt")), 0640u);
  std::set<std::string> entries = lookalikes;
  entries.insert("bericht.txt");
  EXPECT_EQ(testing::FolderEntries(dir.Path()), entries);
  for (const std::string& name : lookalikes) EXPECT_EQ(testing::ReadBytes(dir.File(name)), name);

  mode_t old = umask(027);
  EXPECT_EQ(ReplaceFile(dir.File("neu.txt"), "x"), 0);
  umask(old);
  EXPECT_EQ(ModeOf(dir.File("neu.txt")), 0640u) << "a new file is made as the process makes files";
}

TEST_F(FileReplace, ALongNameFitsWhateverTheTemporaryName) {
  std::string longest(255, 'n');
  EXPECT_EQ(ReplaceFile(dir.File(longest), "voll"), 0);
  EXPECT_EQ(testing::ReadBytes(dir.File(longest)), "voll");
  EXPECT_EQ(ReplaceFile(dir.File(longest + "x"), "zu lang"), ENAMETOOLONG);
  EXPECT_EQ(WriteProblem(dir.File(longest + "x")), "Dateiname zu lang");
  EXPECT_EQ(testing::FolderEntries(dir.Path()), std::set<std::string>{longest});
}

TEST_F(FileReplace, SymbolicLinksAreFollowedAndStayLinks) {
  fs::create_directories(dir.File("ziel/tief"));
  testing::WriteBytes(dir.File("ziel/tief/echt.txt"), "alt");
  fs::create_symlink("ziel/tief/echt.txt", dir.File("relativ.txt"));
  fs::create_symlink(dir.File("relativ.txt"), dir.File("kette.txt"));
  ASSERT_EQ(ReplaceFile(dir.File("kette.txt"), "neu"), 0);
  EXPECT_TRUE(fs::is_symlink(dir.File("kette.txt")));
  EXPECT_TRUE(fs::is_symlink(dir.File("relativ.txt")));
  EXPECT_EQ(testing::ReadBytes(dir.File("ziel/tief/echt.txt")), "neu");
  EXPECT_EQ(testing::FolderEntries(dir.File("ziel/tief")), std::set<std::string>{"echt.txt"});

  // A link to a file not yet there makes that file.
  fs::create_symlink("ziel/neu.txt", dir.File("offen.txt"));
  ASSERT_EQ(ReplaceFile(dir.File("offen.txt"), "erst"), 0);
  EXPECT_EQ(testing::ReadBytes(dir.File("ziel/neu.txt")), "erst");
  EXPECT_TRUE(fs::is_symlink(dir.File("offen.txt")));

  fs::create_symlink("schleife.txt", dir.File("schleife.txt"));
  EXPECT_EQ(ReplaceFile(dir.File("schleife.txt"), "x"), ELOOP);
}

// Written by an unprivileged user, so that a fault could never replace a device itself.
TEST_F(FileReplace, DevicesAreWrittenInPlaceAndAFullOneSaysSo) {
  testing::OpenToEveryone(dir.Path());
  fs::create_symlink("/dev/null", dir.File("weg.txt"));
  fs::create_symlink("/dev/full", dir.File("voll.txt"));
  std::string discarded = dir.File("weg.txt"), full = dir.File("voll.txt");
  EXPECT_EQ(testing::RunUnprivileged([&] { return ReplaceFile(discarded, "nichts"); }), 0);
  EXPECT_EQ(testing::RunUnprivileged([&] { return ReplaceFile(full, "x"); }), ENOSPC);
  EXPECT_EQ(WriteErrorText(ENOSPC), Oem("kein Platz mehr auf dem Datenträger"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(FileReplace, FailuresLeaveTheOldFileAndNameTheirCause) {
  fs::create_directories(dir.File("ordner.txt/inhalt"));
  EXPECT_EQ(ReplaceFile(dir.File("ordner.txt"), "x"), EISDIR);
  EXPECT_EQ(ReplaceFile(dir.File("fehlt/a.txt"), "x"), ENOENT);
  testing::WriteBytes(dir.File("datei"), "d");
  EXPECT_EQ(ReplaceFile(dir.File("datei/a.txt"), "x"), ENOTDIR);
  EXPECT_EQ(ReplaceFile("", "x"), ENOENT);
  EXPECT_EQ(WriteProblem(dir.File("fehlt/a.txt")), "Ordner nicht gefunden");
  EXPECT_EQ(testing::FolderEntries(dir.Path()), (std::set<std::string>{"ordner.txt", "datei"}));
  EXPECT_EQ(WriteErrorText(EROFS), Oem("Datenträger schreibgeschützt"));
  EXPECT_EQ(WriteErrorText(EXDEV), "Systemfehler " + std::to_string(EXDEV));
}

// A file the user may not write is not replaced behind the user's back, although the folder
// would let the rename through.
TEST_F(FileReplace, AReadOnlyFileOfAnotherUserStaysAndTheFolderTestsTakeFreshNames) {
  testing::OpenToEveryone(dir.Path());
  testing::WriteBytes(dir.File("fremd.txt"), "alt");
  chmod(dir.File("fremd.txt").c_str(), 0444);
  std::string target = dir.File("fremd.txt");
  EXPECT_EQ(testing::RunUnprivileged([&] { return ReplaceFile(target, "neu"); }), EACCES);
  EXPECT_EQ(testing::RunUnprivileged([&] { return ReplaceProblem(target); }), EACCES);
  EXPECT_EQ(testing::RunUnprivileged([&] { return ReplaceProblem(target + "2"); }), 0);
  EXPECT_EQ(testing::ReadBytes(target), "alt");
  EXPECT_EQ(WriteErrorText(EACCES), "keine Schreibberechtigung");

  // A folder test never meets what others left: their files do not block it.
  testing::WriteBytes(dir.File("x.$$$"), "fremd");
  chmod(dir.File("x.$$$").c_str(), 0400);
  std::string folder = dir.Path();
  EXPECT_EQ(testing::RunUnprivileged([&] { return CreateProblem(folder); }), 0);
  EXPECT_EQ(testing::FolderEntries(dir.Path()), (std::set<std::string>{"fremd.txt", "x.$$$"}));
}

TEST_F(FileReplace, AReservedNameIsFreshAndBesideTheLinkTarget) {
  fs::create_directory(dir.File("ziel"));
  fs::create_symlink("ziel/a.txt", dir.File("a.txt"));
  std::string first = ReserveNameBeside(dir.File("a.txt")), second = ReserveNameBeside(dir.File("a.txt"));
  EXPECT_NE(first, second);
  EXPECT_EQ(first.rfind(dir.File("ziel/.kalo-"), 0), 0u) << first;
  EXPECT_TRUE(FileExists(first));
  EXPECT_EQ(ReserveNameBeside(dir.File("fehlt/a.txt")), dir.File("fehlt/.kalo-XXXXXX"));
}

}  // namespace
}  // namespace kalo
