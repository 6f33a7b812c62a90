#include "cad/cad_fixture.h"

#include "support/run_process.h"

namespace kalo::testing {

CadFixture::CadFixture() {
  context.config.tempDirectory = dir.Path();
  test.platform.currentDirectory = dir.Path();
  context.state.currentFileName = "part";
}

std::string CadFixture::CheckWithEzdxf(const std::string& path) {
  std::string result = dir.File("ezdxf.json");
  ProcessResult run =
      RunProcess(dir.Path(), {"/usr/bin/python3", KALO_SOURCE_DIR "/tests/cad/dxf_check.py", path, result}, {});
  EXPECT_EQ(run.exitCode, 0) << run.errorOutput;
  return ReadBytes(result);
}

std::string CadFixture::Messages() const {
  std::string joined;
  for (const auto& message : test.ui.messages) joined += (joined.empty() ? "" : "|") + message.text;
  return joined;
}

}  // namespace kalo::testing
