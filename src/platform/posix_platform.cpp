#include "platform/platform.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/paths.h"
#include "platform/platform_defaults.h"

extern char** environ;

namespace kalo {
namespace {

// Windows names for variables the program reads, and what stands for them here.
std::string PosixVariable(const std::string& name) {
  if (name == "USERNAME") return "USER";
  return name;
}

// The argument vector of a program started without a shell; words must outlive it.
std::vector<char*> ArgumentVector(std::vector<std::string>& words) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  return argv;
}

}  // namespace

std::string PosixPlatform::GetEnvironment(const std::string& name) const {
  const char* value = std::getenv(PosixVariable(name).c_str());
  return value ? value : "";
}

std::string PosixPlatform::SystemTemporaryDirectory() const { return DefaultTemporaryDirectory(); }

std::string PosixPlatform::CurrentDirectory() const {
  char buffer[PATH_MAX];
  return getcwd(buffer, sizeof buffer) ? buffer : ".";
}

bool PosixPlatform::ChangeDirectory(const std::string& directory) {
  return chdir(NativePath(directory).c_str()) == 0;
}

bool PosixPlatform::StartProcess(const std::vector<std::string>& arguments, bool) {
  std::vector<std::string> words = arguments;
  if (words.empty()) return false;
  words[0] = NativePath(words[0]);
  std::vector<char*> argv = ArgumentVector(words);
  // A double fork leaves the program to run on its own: nobody waits for it.
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    pid_t grandchild = 0;
    int started = posix_spawnp(&grandchild, argv[0], nullptr, nullptr, argv.data(), environ);
    _exit(started == 0 ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int PosixPlatform::RunProgram(const std::vector<std::string>& arguments) {
  std::vector<std::string> words = arguments;
  if (words.empty()) return -1;
  std::vector<char*> argv = ArgumentVector(words);
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string PosixPlatform::PrinterPortPath(int port) const {
  return "/dev/lp" + std::to_string(port < 1 || port > 4 ? 0 : port - 1);
}

}  // namespace kalo
