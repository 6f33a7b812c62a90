#include "support/run_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/temp_dir.h"

namespace kalo::testing {
namespace {

// The options of the sanitizers pass on to the child, so that a sanitized program started
// by a test reports as the test itself does (with the same leak suppressions).
void AddSanitizerOptions(std::vector<std::string>& environment) {
  for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
    if (const char* value = getenv(name)) environment.push_back(std::string(name) + "=" + value);
}

// Starts the program in its directory with the output thrown away and the error output on
// errorFile; the child's id, or -1.
pid_t Spawn(const ProcessStart& start, int errorFile) {
  std::vector<std::string> args = start.arguments, env = start.environment;
  AddSanitizerOptions(env);
  std::vector<char*> argv, envp;
  for (std::string& argument : args) argv.push_back(argument.data());
  for (std::string& variable : env) envp.push_back(variable.data());
  argv.push_back(nullptr);
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, start.directory.c_str());
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, errorFile, 2);
  pid_t child = 0;
  int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return spawned == 0 ? child : -1;
}

int ExitCode(pid_t child) {
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

std::string ReadFromStart(int file) {
  std::string bytes;
  char buffer[4096];
  lseek(file, 0, SEEK_SET);
  for (ssize_t n; (n = read(file, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<size_t>(n));
  return bytes;
}

}  // namespace

std::vector<std::string> WithDescriptorLimit(int limit, std::vector<std::string> command) {
  const char* script = R"(
import os, resource, sys
os.closerange(3, 1 << 16)
resource.setrlimit(resource.RLIMIT_NOFILE, (int(sys.argv[1]), int(sys.argv[1])))
os.execv(sys.argv[2], sys.argv[2:])
)";
  command.insert(command.begin(), {"/usr/bin/python3", "-c", script, std::to_string(limit)});
  return command;
}

pid_t StartProcess(const ProcessStart& start) {
  int errorFile = open("/dev/null", O_WRONLY | O_CLOEXEC);
  pid_t child = Spawn(start, errorFile);
  close(errorFile);
  return child;
}

ProcessResult RunProcess(const std::string& directory, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment) {
  std::string errorPath = directory + "/stderr.log";
  int errorFile = open(errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  pid_t child = Spawn({directory, arguments, environment}, errorFile);
  close(errorFile);
  ProcessResult result;
  result.exitCode = ExitCode(child);
  result.errorOutput = ReadBytes(errorPath);
  return result;
}

std::vector<ProcessResult> RunProcessesAtOnce(const std::vector<ProcessStart>& starts) {
  std::vector<int> errorFiles;
  std::vector<pid_t> children;
  for (const ProcessStart& start : starts) {
    errorFiles.push_back(memfd_create("stderr", MFD_CLOEXEC));
    children.push_back(Spawn(start, errorFiles.back()));
  }
  std::vector<ProcessResult> results;
  for (size_t i = 0; i < starts.size(); ++i) {
    results.push_back({ExitCode(children[i]), ReadFromStart(errorFiles[i])});
    close(errorFiles[i]);
  }
  return results;
}

}  // namespace kalo::testing
