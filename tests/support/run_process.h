#pragma once
// Runs a program of the build in a directory, with its own environment, and waits for it.
#include <sys/types.h>

#include <string>
#include <vector>

namespace kalo::testing {

struct ProcessResult {
  int exitCode = -1;  // -1 when it could not start or did not end normally
  std::string errorOutput;
};

ProcessResult RunProcess(const std::string& directory, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment);

struct ProcessStart {
  std::string directory;
  std::vector<std::string> arguments;
  std::vector<std::string> environment;
};

// The command line that runs the command with only the standard streams open and at most
// 'limit' file descriptors.
std::vector<std::string> WithDescriptorLimit(int limit, std::vector<std::string> command);

// Starts the process and returns its id without waiting (its output is thrown away); the
// caller waits for it.
pid_t StartProcess(const ProcessStart& start);

// Starts every process before waiting for any, so that they run at the same time; each
// one's error output is kept apart (and never lands in its directory).
std::vector<ProcessResult> RunProcessesAtOnce(const std::vector<ProcessStart>& starts);

}  // namespace kalo::testing
