// File names are bytes of the system's locale (UTF-8): the command line carries them
// unchanged into JSON, CSV and messages, and spells out in a report file (code page 850)
// what that code page cannot hold. Checked by Python's own JSON and CSV readers.
#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

class FileNames : public ::testing::Test {
 protected:
  FileNames() {
    for (const std::string& name : {std::string("Größe.kal"), std::string("\xce\xa9mega.kal"), std::string("b\xffx.kal")})
      testing::WriteBytes(dir.File(name), testing::ReadBytes(std::string(KALO_SOURCE_DIR) + "/data/examples/shaft.kal"));
  }
  testing::ProcessResult Run(const std::vector<std::string>& arguments) {
    return testing::RunProcess(dir.Path(), arguments, {"TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
  }
  testing::TempDir dir;
};

TEST_F(FileNames, JsonCsvAndMessagesCarryTheBytesOfTheName) {
  for (const char* name : {"Größe.kal", "\xce\xa9mega.kal", "b\xffx.kal"})
    ASSERT_EQ(Run({KALO_EXECUTABLE, name, "/JSON"}).exitCode, 0) << name;
  // Read back by Python: the JSON "file" is the name, an invalid byte as the surrogate that
  // "surrogateescape" turns back into it.
  const char* check = R"(
import csv, io, json, os, subprocess, sys
kalo = sys.argv[1]
for name in (b"Gr\xc3\xb6\xc3\x9fe", b"\xce\xa9mega", b"b\xffx"):
    with open(name + b".json", "rb") as f:
        data = json.loads(f.read().decode("utf-8"))
    assert os.fsencode(data["file"]) == name + b".kal", data["file"]
out = subprocess.run([kalo, "--summary", b"Gr\xc3\xb6\xc3\x9fe.kal", b"b\xffx.kal"], capture_output=True).stdout
rows = list(csv.reader(io.StringIO(out.decode("utf-8", "surrogateescape"))))
assert [os.fsencode(row[0]) for row in rows[1:]] == [b"Gr\xc3\xb6\xc3\x9fe.kal", b"b\xffx.kal"], rows
)";
  testing::ProcessResult python = Run({"/usr/bin/python3", "-c", check, KALO_EXECUTABLE});
  EXPECT_EQ(python.exitCode, 0) << python.errorOutput;

  testing::ProcessResult missing = Run({KALO_EXECUTABLE, "Maß\xff-fehlt.kal", "/I"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.errorOutput.find("Datei Maß\xff-fehlt.kal nicht gefunden"), std::string::npos) << missing.errorOutput;
  testing::ProcessResult unknown = Run({KALO_EXECUTABLE, "Größe.kal", "/Größe"});
  EXPECT_NE(unknown.errorOutput.find("unbekannter Schalter /Größe "), std::string::npos) << unknown.errorOutput;
}

TEST_F(FileNames, AReportKeepsItsCodePageAndSpellsOutWhatItCannotHold) {
  ASSERT_EQ(Run({KALO_EXECUTABLE, "Größe.kal", "/I"}).exitCode, 0);
  ASSERT_EQ(Run({KALO_EXECUTABLE, "\xce\xa9mega.kal", "/I"}).exitCode, 0);
  EXPECT_NE(testing::ReadBytes(dir.File("Größe.txt")).find(Oem("Größe.txt")), std::string::npos);
  EXPECT_NE(testing::ReadBytes(dir.File("\xce\xa9mega.txt")).find("<U+03A9>mega.txt"), std::string::npos);
}

}  // namespace
}  // namespace kalo
