#include "support/run_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "support/temp_dir.h"

namespace kalo::testing {

ProcessResult RunProcess(const std::string& directory, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment) {
  std::vector<std::string> args = arguments, env = environment;
  std::vector<char*> argv, envp;
  for (std::string& argument : args) argv.push_back(argument.data());
  for (std::string& variable : env) envp.push_back(variable.data());
  argv.push_back(nullptr);
  envp.push_back(nullptr);

  std::string errorFile = directory + "/stderr.log";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t child = 0;
  int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);

  ProcessResult result;
  int status = 0;
  if (spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  result.errorOutput = ReadBytes(errorFile);
  return result;
}

}  // namespace kalo::testing
