#include "config/config_fixture.h"

#include <algorithm>
#include <stdexcept>

#include "platform/codepage.h"
#include "platform/text_file.h"

namespace kalo::testing {
namespace {

size_t ValueLineOf(const std::vector<std::string>& lines, const std::string& key) {
  auto it = std::find(lines.begin(), lines.end(), Oem(key));
  if (it == lines.end() || it + 1 == lines.end()) throw std::invalid_argument("no key line " + key);
  return static_cast<size_t>(it - lines.begin()) + 1;
}

}  // namespace

std::string InitialConfigurationPath() { return std::string(KALO_TEST_DATA_DIR) + "/config/initial.cfg"; }

std::vector<std::string> InitialConfigurationLines() {
  std::vector<std::string> lines;
  if (Outcome read = ReadTextLines(InitialConfigurationPath(), lines); !read) throw std::runtime_error(read.Message());
  return lines;
}

void SetValue(std::vector<std::string>& lines, const std::string& key, const std::string& value) {
  lines[ValueLineOf(lines, key)] = value;
}

void CutAfterValue(std::vector<std::string>& lines, const std::string& key) {
  lines.resize(ValueLineOf(lines, key) + 1);
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  if (Outcome written = WriteTextLines(path, lines); !written) throw std::runtime_error(written.Message());
}

}  // namespace kalo::testing
