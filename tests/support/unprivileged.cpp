#include "support/unprivileged.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kalo::testing {
namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

}  // namespace

bool RunningAsRoot() { return geteuid() == 0; }

std::vector<std::string> Unprivileged(std::vector<std::string> arguments) {
  if (!RunningAsRoot()) return arguments;
  arguments.insert(arguments.begin(),
                   {"/usr/bin/setpriv", "--reuid=" + std::to_string(kNobody), "--regid=" + std::to_string(kNoGroup),
                    "--clear-groups"});
  return arguments;
}

int RunUnprivileged(const std::function<int()>& fn) {
  pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    bool dropped = !RunningAsRoot() || (setgroups(0, nullptr) == 0 && setgid(kNoGroup) == 0 && setuid(kNobody) == 0);
    _exit(dropped ? fn() : 255);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void OpenToEveryone(const std::string& folder) { chmod(folder.c_str(), 0777); }

void ShareLikeTmp(const std::string& folder) { chmod(folder.c_str(), 01777); }

}  // namespace kalo::testing
