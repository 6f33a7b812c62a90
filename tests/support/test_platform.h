#pragma once
// A Platform for tests: a fixed environment, working directory and screen; started
// programs are recorded instead of run.
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kalo::testing {

class TestPlatform : public Platform {
 public:
  std::string GetEnvironment(const std::string& name) const override {
    auto it = environment.find(name);
    return it == environment.end() ? "" : it->second;
  }
  std::string SystemTemporaryDirectory() const override { return systemTemporaryDirectory; }
  std::string CurrentDirectory() const override { return currentDirectory; }
  bool ChangeDirectory(const std::string& directory) override {
    currentDirectory = directory;
    return true;
  }
  ScreenMetrics Screen() const override { return screen; }
  bool StartProcess(const std::vector<std::string>& arguments, bool) override {
    std::string commandLine;
    for (const std::string& argument : arguments) commandLine += (commandLine.empty() ? "" : " ") + argument;
    startedPrograms.push_back(commandLine);
    startedArguments.push_back(arguments);
    return startSucceeds;
  }

  // Programs run to their end are recorded too; each ends with runExitCode.
  int RunProgram(const std::vector<std::string>& arguments) override {
    ranArguments.push_back(arguments);
    return runExitCode;
  }

  // Printer ports are files "lpt1".."lpt4" in printerPortDirectory.
  std::string PrinterPortPath(int port) const override {
    return printerPortDirectory + "/lpt" + std::to_string(port);
  }

  std::map<std::string, std::string> environment;
  std::string systemTemporaryDirectory;  // none: tests never reach the machine's own
  std::string printerPortDirectory = "/nonexistent";
  std::string currentDirectory = "/nonexistent";
  ScreenMetrics screen;
  std::vector<std::string> startedPrograms;              // each joined with blanks
  std::vector<std::vector<std::string>> startedArguments;  // each as passed
  bool startSucceeds = true;
  std::vector<std::vector<std::string>> ranArguments;  // each as passed to RunProgram
  int runExitCode = -1;
};

}  // namespace kalo::testing
