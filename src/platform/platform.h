#pragma once
// Services of the operating system that the core uses, behind one interface so that tests
// can fix the environment, the working directory and the screen.
#include <string>
#include <vector>

namespace kalo {

struct ScreenMetrics {
  int width = 1280;
  int height = 1024;
  int pixelsPerInchY = 96;
};

class Platform {
 public:
  virtual ~Platform() = default;
  // Empty when the variable is not set.
  virtual std::string GetEnvironment(const std::string& name) const = 0;
  // The system's own folder for temporary files, tried after the variables TEMP and TMPDIR.
  virtual std::string SystemTemporaryDirectory() const = 0;
  virtual std::string CurrentDirectory() const = 0;
  virtual bool ChangeDirectory(const std::string& directory) = 0;
  virtual ScreenMetrics Screen() const = 0;
  // Starts a program with its arguments, as a list and without a shell, so that blanks,
  // quotes, ";" or "$" in an argument never run anything else. Not waited for; false when
  // it cannot start.
  virtual bool StartProcess(const std::vector<std::string>& arguments, bool hidden) = 0;
  // Runs a program with its arguments (the first names its file), without a shell, and
  // waits for it: its exit code, or -1 when it cannot start or does not end normally.
  virtual int RunProgram(const std::vector<std::string>& arguments) = 0;
  // The device that stands for the printer port "LPT" + port (1..4).
  virtual std::string PrinterPortPath(int port) const = 0;
};

class PosixPlatform : public Platform {
 public:
  std::string GetEnvironment(const std::string& name) const override;
  std::string SystemTemporaryDirectory() const override;
  std::string CurrentDirectory() const override;
  bool ChangeDirectory(const std::string& directory) override;
  ScreenMetrics Screen() const override { return {}; }
  bool StartProcess(const std::vector<std::string>& arguments, bool hidden) override;
  int RunProgram(const std::vector<std::string>& arguments) override;
  std::string PrinterPortPath(int port) const override;
};

}  // namespace kalo
