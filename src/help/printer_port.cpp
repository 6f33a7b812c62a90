#include "help/printer_port.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_system_faults.h"

namespace kalo {
namespace {

constexpr int kPrinterPatienceMs = 3000;

int WriteAll(int port, const std::string& portPath, const std::string& bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    if (int fault = InjectedFault(FileStep::kWrite, portPath)) return fault;
    ssize_t count = ::write(port, bytes.data() + written, bytes.size() - written);
    if (count > 0) {
      written += static_cast<size_t>(count);
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 && errno != EAGAIN) return errno;
    pollfd ready{port, POLLOUT, 0};
    if (poll(&ready, 1, kPrinterPatienceMs) <= 0) return ETIMEDOUT;
  }
  return 0;
}

}  // namespace

int SendToPrinterPort(const std::string& portPath, const std::string& bytes, bool& closeFailed) {
  closeFailed = false;
  if (int fault = InjectedFault(FileStep::kOpen, portPath)) return fault;
  int port = ::open(portPath.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC);
  if (port < 0) return errno;
  int error = WriteAll(port, portPath, bytes);
  int closed = ::close(port) != 0 ? errno : InjectedFault(FileStep::kClose, portPath);
  if (closed != 0 && error == 0) {
    closeFailed = true;
    error = closed;
  }
  return error;
}

}  // namespace kalo
