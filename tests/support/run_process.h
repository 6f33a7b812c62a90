#pragma once
// Runs a program of the build in a directory, with its own environment, and waits for it.
#include <string>
#include <vector>

namespace kalo::testing {

struct ProcessResult {
  int exitCode = -1;  // -1 when it could not start or did not end normally
  std::string errorOutput;
};

ProcessResult RunProcess(const std::string& directory, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment);

}  // namespace kalo::testing
