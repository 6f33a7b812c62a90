#include "config/directory_check.h"

#include <string>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/temporary_folders.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr int kTempDirectoryLength = 60;

void FillWhenEmpty(std::string& directory, const std::string& fallback) {
  if (directory.empty()) directory = fallback;
}

// A file can be created in the directory (an empty directory is the working directory). The
// test file has a fresh name, so a file that another run or user left there never counts.
bool PassesWriteTest(const std::string& directory) { return CanCreateFileIn(TrimBlanks(directory)); }

// The directory can be searched for its entries.
bool PassesSearchTest(const std::string& directory) {
  std::string name = WithSeparator(directory);
  return DirectoryExists(name.empty() ? "." : name);
}

void Warn(Context& context, bool passed, const std::string& warning) {
  if (!passed) ErrorBox(context, warning);
}

void CheckTempDirectory(Context& context) {
  std::string& directory = context.config.tempDirectory;
  if (PassesWriteTest(directory) || !context.state.messagesAllowed) return;
  ErrorBox(context, Oem("ungültiger Ordner für temporäre Dateien konfiguriert"));
  std::string answer = directory;
  if (context.ui.AskText(Oem("Ordner für temporäre Dateien"), kTempDirectoryLength, answer)) directory = answer;
}

}  // namespace

void CheckConfiguredDirectories(Context& context) {
  Configuration& config = context.config;
  std::string startup = WithSeparator(context.state.startupDirectory);
  FillWhenEmpty(config.tempDirectory, EnvironmentTemporaryFolder(context.platform));
  FillWhenEmpty(config.tempDirectory, startup);
  FillWhenEmpty(config.dbfDirectory, startup);
  FillWhenEmpty(config.pltDirectory, startup);
  FillWhenEmpty(config.ediDirectory, startup);
  FillWhenEmpty(config.defaultDataDirectory, startup);

  Warn(context, PassesWriteTest(config.cadDirectory), Oem("ungültiger CAD Ordner konfiguriert"));
  Warn(context, PassesSearchTest(config.dbfDirectory), Oem("ungültiger DBF Ordner konfiguriert"));
  Warn(context, PassesSearchTest(config.pltDirectory), Oem("ungültiger PLT Ordner konfiguriert"));
  CheckTempDirectory(context);
  Warn(context, PassesWriteTest(config.ediDirectory), Oem("ungültiger EDI Ordner konfiguriert"));
  Warn(context, PassesWriteTest(config.defaultDataDirectory), Oem("ungültiger Data Ordner konfiguriert"));
}

}  // namespace kalo
