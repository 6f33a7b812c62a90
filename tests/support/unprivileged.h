#pragma once
// Permission tests: when the tests run as root, what is tested runs as the unprivileged user
// "nobody" (root may write any file); otherwise the tests are unprivileged already.
#include <functional>
#include <string>
#include <vector>

namespace kalo::testing {

bool RunningAsRoot();
// The command line prefixed with setpriv so that it runs as "nobody" when the tests run as
// root; unchanged otherwise.
std::vector<std::string> Unprivileged(std::vector<std::string> arguments);
// Runs fn in a child process, as "nobody" when the tests run as root; fn's result (0..255).
int RunUnprivileged(const std::function<int()>& fn);
// Lets every user create, rename and delete files in the folder (the run as "nobody" works
// inside it).
void OpenToEveryone(const std::string& folder);
// Makes the folder shared as /tmp is: everyone creates files, only the owner of a file
// removes or replaces it (the sticky bit).
void ShareLikeTmp(const std::string& folder);

}  // namespace kalo::testing
