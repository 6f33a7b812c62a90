#include "dbase/dbf_test_tables.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/codepage.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kalo::testing {
namespace {

const std::string kScript = std::string(KALO_SOURCE_DIR) + "/tests/dbase/dbf_reference.py";

void PutWord(std::string& bytes, size_t at, unsigned value, int count) {
  for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

}  // namespace

std::string BuildDbf(const std::vector<TestField>& fields, const std::vector<std::vector<std::string>>& records) {
  unsigned recordLength = 1;
  for (const TestField& field : fields) recordLength += field.width;
  std::string bytes(32, '\0');
  bytes[0] = 0x03;
  bytes[1] = 126, bytes[2] = 12, bytes[3] = 7;
  PutWord(bytes, 4, static_cast<unsigned>(records.size()), 4);
  PutWord(bytes, 8, static_cast<unsigned>(32 * fields.size() + 33), 2);
  PutWord(bytes, 10, recordLength, 2);
  for (const TestField& field : fields) {
    std::string descriptor(32, '\0');
    descriptor.replace(0, field.name.size(), field.name);
    descriptor[11] = field.type;
    descriptor[16] = static_cast<char>(field.width);
    descriptor[17] = static_cast<char>(field.decimals);
    bytes += descriptor;
  }
  bytes += '\x0D';
  for (const std::vector<std::string>& values : records) {
    bool deleted = !values.empty() && values.front() == "*";
    std::string record = deleted ? "*" : " ";
    for (size_t i = 0; i < fields.size(); ++i) {
      std::string value = i + deleted < values.size() ? Utf8ToAnsi(values[i + deleted]) : "";
      value.resize(fields[i].width, ' ');
      record += value;
    }
    bytes += record;
  }
  return bytes + '\x1A';
}

std::string MakeReferenceTable(const std::string& folder, const std::string& name, bool memo) {
  std::vector<std::string> arguments = {"/usr/bin/python3", kScript, "make", folder + "/" + name};
  if (memo) arguments.push_back("memo");
  ProcessResult result = RunProcess(folder, arguments, {});
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  return folder + "/" + name;
}

std::vector<std::string> ReferenceLines(const std::string& folder, const std::string& command,
                                        const std::string& input) {
  std::string output = folder + "/reference-output.txt";
  ProcessResult result = RunProcess(folder, {"/usr/bin/python3", kScript, command, input, output}, {});
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  std::vector<std::string> lines;
  std::istringstream in(ReadBytes(output));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace kalo::testing
