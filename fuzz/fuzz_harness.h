#pragma once
// What the fuzz targets share: a program context that prints nowhere and answers every
// question with cancel, and a folder of this process for the input files, removed at exit.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "context/context.h"
#include "platform/clock.h"
#include "platform/console_ui.h"
#include "platform/platform.h"

namespace kalo::fuzz {

class InputFolder {
 public:
  InputFolder() {
    char pattern[] = "/tmp/kalo-fuzz-XXXXXX";
    path_ = std::string(mkdtemp(pattern)) + "/";
  }
  ~InputFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }
  // Writes the bytes as the file of that name in the folder; its path.
  std::string Write(const std::string& name, const uint8_t* data, size_t size) const {
    std::string path = path_ + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
    return path;
  }

 private:
  std::string path_;
};

inline const InputFolder& Inputs() {
  static const InputFolder folder;
  return folder;
}

// A fresh context per input, with every folder of the configuration in the input folder.
struct FuzzContext {
  FuzzContext() {
    const std::string& folder = Inputs().Path();
    context.configDirectory = folder;
    context.state.startupDirectory = folder;
    context.config.pltDirectory = folder;
    context.config.tempDirectory = folder;
    context.config.defaultDataDirectory = folder;
  }
  std::ostream nowhere{nullptr};
  ConsoleUi ui{nowhere, nowhere};
  PosixPlatform platform;
  FixedClock clock{DateTime{2026, 12, 7, 9, 5, 0}};
  Context context{ui, platform, clock};
};

}  // namespace kalo::fuzz
