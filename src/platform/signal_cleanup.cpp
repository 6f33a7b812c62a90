#include "platform/signal_cleanup.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>
#include <cerrno>
#include <cstring>

namespace kalo {
namespace {

// A write in progress in each of a few threads, and the scratch folder.
constexpr int kSlots = 16;
constexpr size_t kLongestName = 4096;

struct PendingName {
  std::atomic<int> state{0};  // 0 free, 1 being filled, 2 registered
  PendingKind kind = PendingKind::kFile;
  std::array<char, kLongestName> path{};
};

std::array<PendingName, kSlots> pending;

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slots");

// The files in the folder (it holds no folders), then the folder itself; only system calls.
void RemoveFolder(const char* path) {
  int folder = open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    alignas(dirent64) char buffer[4096];
    for (ssize_t length; (length = getdents64(folder, buffer, sizeof buffer)) > 0;) {
      for (ssize_t offset = 0; offset < length;) {
        const dirent64* entry = reinterpret_cast<const dirent64*>(buffer + offset);
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
          unlinkat(folder, entry->d_name, 0);
        offset += entry->d_reclen;
      }
    }
    close(folder);
  }
  rmdir(path);
}

sigset_t CleanupSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&signals, signal);
  return signals;
}

void RemovePending(int signal) {
  for (PendingName& name : pending) {
    if (name.state.load() != 2) continue;
    if (name.kind == PendingKind::kFile)
      unlink(name.path.data());
    else
      RemoveFolder(name.path.data());
  }
  std::signal(signal, SIG_DFL);
  raise(signal);
}

// The writing end of the pipe that tells the event loop of a signal.
std::atomic<int> notifyPipe{-1};

void Notify(int signal) {
  int saved = errno;
  unsigned char number = static_cast<unsigned char>(signal);
  if (write(notifyPipe.load(), &number, 1) != 1) RemovePending(signal);  // the pipe is full or gone
  errno = saved;
}

// The handler for the three signals, unless a signal is ignored.
void HandleSignals(void (*handler)(int)) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    if (current.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_mask = CleanupSignals();
    sigaction(signal, &action, nullptr);
  }
}

}  // namespace

void RemovePendingOnSignals() { HandleSignals(RemovePending); }

int NotifyOfSignals() {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
  notifyPipe.store(ends[1]);
  HandleSignals(Notify);
  return ends[0];
}

int ReadNotifiedSignal(int pipeEnd) {
  unsigned char number = 0;
  return read(pipeEnd, &number, 1) == 1 ? number : 0;
}

void EndBySignal(int signal) {
  RemovePending(signal);
  _exit(128 + signal);  // only when the signal did not end the process
}

int RegisterPending(const std::string& path, PendingKind kind) {
  if (path.size() >= kLongestName) return -1;
  for (int slot = 0; slot < kSlots; ++slot) {
    int free = 0;
    if (!pending[slot].state.compare_exchange_strong(free, 1)) continue;
    pending[slot].kind = kind;
    std::memcpy(pending[slot].path.data(), path.c_str(), path.size() + 1);
    pending[slot].state.store(2);
    return slot;
  }
  return -1;
}

void ReleasePending(int slot) {
  if (slot >= 0 && slot < kSlots) pending[slot].state.store(0);
}

SignalsHeldBack::SignalsHeldBack() {
  sigset_t signals = CleanupSignals();
  pthread_sigmask(SIG_BLOCK, &signals, &previous_);
}

SignalsHeldBack::~SignalsHeldBack() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

}  // namespace kalo
