#include "platform/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/file_system_faults.h"
#include "platform/paths.h"
#include "platform/signal_cleanup.h"

namespace kalo {
namespace {

constexpr int kMaxLinks = 40;
constexpr const char* kTemporaryPattern = ".kalo-XXXXXX";
constexpr time_t kStaleAfterSeconds = 24 * 60 * 60;

// The file a write goes to, found by following symbolic links.
struct Target {
  std::string path;
  bool exists = false;
  struct stat info {};
};

// The folder part of a native path, with its "/"; empty for a bare name.
std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind(kNativeSeparator);
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string AsFolder(const std::string& directory) {
  std::string folder = NativePath(directory);
  if (!folder.empty() && folder.back() != kNativeSeparator) folder += kNativeSeparator;
  return folder;
}

uid_t FolderOwner(const std::string& path) {
  std::string folder = FolderOf(path);
  struct stat info {};
  return stat(folder.empty() ? "." : folder.c_str(), &info) == 0 ? info.st_uid : geteuid();
}

// A link is followed only when it belongs to the running user or to the owner of its
// folder: a link another user planted in a shared folder such as /tmp could otherwise
// make this program replace any file the running user may write.
bool MayFollow(const std::string& link, const struct stat& info) {
  return info.st_uid == geteuid() || info.st_uid == FolderOwner(link);
}

// Follows the links from path to the file they end at (which need not exist yet); 0 or
// the error number. refused: the link that was not followed, if any.
int FindTarget(const std::string& path, Target& target, std::string* refused = nullptr) {
  target.path = NativePath(path);
  if (target.path.empty()) return ENOENT;
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    if (lstat(target.path.c_str(), &target.info) != 0) {
      target.exists = false;
      return errno == ENOENT ? 0 : errno;
    }
    target.exists = true;
    if (!S_ISLNK(target.info.st_mode)) return 0;
    if (!MayFollow(target.path, target.info)) {
      if (refused) *refused = target.path;
      return kForeignLink;
    }
    std::array<char, PATH_MAX> link;
    ssize_t length = readlink(target.path.c_str(), link.data(), link.size());
    if (length < 0) return errno;
    if (static_cast<size_t>(length) == link.size()) return ENAMETOOLONG;
    std::string next(link.data(), static_cast<size_t>(length));
    target.path = next.starts_with(kNativeSeparator) ? next : FolderOf(target.path) + next;
  }
  return ELOOP;
}

// What stops an existing file from being written: being a folder, or the permissions.
int ExistingProblem(const Target& target) {
  if (S_ISDIR(target.info.st_mode)) return EISDIR;
  return faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

// A new file of the temporary pattern in the folder ("" or ending in "/"), created
// exclusively for a write of target (empty for a probe of the folder) and registered for
// removal on a signal in slot: its descriptor, or -1 with errno set.
int CreateExclusive(const std::string& folder, const std::string& target, std::string& name, int& slot) {
  name = folder + kTemporaryPattern;
  slot = -1;
  if (int fault = InjectedFault(FileStep::kOpen, target.empty() ? name : target)) {
    errno = fault;
    return -1;
  }
  SignalsHeldBack heldBack;
  int file = mkostemp(name.data(), O_CLOEXEC);
  if (file >= 0) slot = RegisterPending(name, PendingKind::kFile);
  return file;
}

// The file of a write that was never renamed: this process was ended before. Only the
// running user's files of exactly the temporary pattern that are older than a day are
// taken away; a younger one may belong to a run that is still writing.
void RemoveStaleTemporaries(const std::string& folder) {
  DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
  if (!listing) return;
  const std::string prefix = std::string(kTemporaryPattern).substr(0, 6);
  time_t dayAgo = time(nullptr) - kStaleAfterSeconds;
  while (const dirent* entry = readdir(listing)) {
    std::string name = entry->d_name;
    struct stat info {};
    if (name.size() != std::strlen(kTemporaryPattern) || !name.starts_with(prefix) ||
        fstatat(dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
      continue;
    if (S_ISREG(info.st_mode) && info.st_uid == geteuid() && info.st_mtime < dayAgo)
      unlinkat(dirfd(listing), entry->d_name, 0);
  }
  closedir(listing);
}

// Writes all bytes into the open file that is written for target; 0 or the error number.
int WriteAll(int file, const std::string& target, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    if (int fault = InjectedFault(FileStep::kWrite, target)) return fault;
    ssize_t written = write(file, bytes.data() + done, bytes.size() - done);
    if (written > 0)
      done += static_cast<size_t>(written);
    else if (written == 0)
      return EIO;
    else if (errno != EINTR)
      return errno;
  }
  return 0;
}

// Closes the file written for target; 0 or the error number.
int CloseWritten(int file, const std::string& target) {
  if (close(file) != 0) return errno;
  return InjectedFault(FileStep::kClose, target);
}

mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

int WriteInPlace(const std::string& path, const std::string& bytes) {
  if (int fault = InjectedFault(FileStep::kOpen, path)) return fault;
  int file = open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (file < 0) return errno;
  int error = WriteAll(file, path, bytes);
  int closed = CloseWritten(file, path);
  return error != 0 ? error : closed;
}

// A file that replaces another keeps its permissions. It is not forced to the disk before
// the rename: the file systems in use order the data of a file renamed over another before
// the rename, and a flush per output would double the time of a command line run.
int WriteBeside(const Target& target, const std::string& bytes) {
  std::string temporary;
  int slot = -1;
  RemoveStaleTemporaries(FolderOf(target.path));
  int file = CreateExclusive(FolderOf(target.path), target.path, temporary, slot);
  if (file < 0) return errno;
  int error = WriteAll(file, target.path, bytes);
  mode_t mode = target.exists ? target.info.st_mode & 07777 : NewFileMode();
  if (error == 0 && fchmod(file, mode) != 0) error = errno;
  int closed = CloseWritten(file, target.path);
  if (error == 0) error = closed;
  if (error == 0) error = InjectedFault(FileStep::kRename, target.path);
  if (error == 0 && std::rename(temporary.c_str(), target.path.c_str()) != 0) error = errno;
  if (error != 0) unlink(temporary.c_str());
  ReleasePending(slot);
  return error;
}

}  // namespace

int ReplaceFile(const std::string& path, const std::string& bytes) {
  Target target;
  if (int error = FindTarget(path, target)) return error;
  if (target.exists) {
    if (int error = ExistingProblem(target)) return error;
    if (!S_ISREG(target.info.st_mode)) return WriteInPlace(target.path, bytes);
  }
  return WriteBeside(target, bytes);
}

int ReplaceProblem(const std::string& path) {
  Target target;
  if (int error = FindTarget(path, target)) return error;
  if (target.exists) {
    if (int error = ExistingProblem(target)) return error;
    if (!S_ISREG(target.info.st_mode)) return 0;
  }
  return CreateProblem(FolderOf(target.path));
}

int CreateProblem(const std::string& directory) {
  std::string name;
  int slot = -1;
  int file = CreateExclusive(AsFolder(directory), "", name, slot);
  if (file < 0) return errno;
  close(file);
  unlink(name.c_str());
  ReleasePending(slot);
  return 0;
}

std::string ForeignLinkOnPath(const std::string& path, unsigned& owner) {
  Target target;
  std::string refused;
  if (FindTarget(path, target, &refused) != kForeignLink) return "";
  owner = target.info.st_uid;
  return refused;
}

std::string ReserveNameBeside(const std::string& path) {
  Target target;
  FindTarget(path, target);
  std::string name;
  int slot = -1;
  int file = CreateExclusive(FolderOf(target.path), target.path, name, slot);
  // The caller removes the file when it is done with the name.
  ReleasePending(slot);
  if (file < 0) return FolderOf(target.path) + kTemporaryPattern;
  close(file);
  return name;
}

}  // namespace kalo
