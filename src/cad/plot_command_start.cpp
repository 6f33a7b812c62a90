#include "cad/plot_command_start.h"

#include <unistd.h>

#include <algorithm>

#include "cad/plot_command_words.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "output/scratch_files.h"
#include "platform/paths.h"
#include "platform/shipped_files.h"

namespace kalo {
namespace {

// A program named without a folder is the shipped one of that name when there is one; a
// shipped script that lost its execute permission on installation runs through the shell.
std::vector<std::string> ResolvedProgram(const Context& context, std::vector<std::string> words) {
  if (words.empty() || words[0].find('/') != std::string::npos) return words;
  std::string shipped = ShippedFilePath(context.config.programDirectory, words[0]);
  if (shipped.find('/') == std::string::npos || access(shipped.c_str(), R_OK) != 0) return words;
  words[0] = shipped;
  if (access(shipped.c_str(), X_OK) != 0) words.insert(words.begin(), "/bin/sh");
  return words;
}

}  // namespace

bool StartPlotCommand(Context& context) {
  const Configuration& config = context.config;
  int count = std::clamp(config.plotCommandCount, 1, kPlotCommandLines);
  int index = std::clamp(context.cad.plotCommandIndex, 0, count - 1);
  std::vector<std::string> words = ResolvedProgram(
      context, PlotCommandWords(config.plotCommands[static_cast<size_t>(index)], TemporaryDirectory(context)));
  if (!words.empty() && context.platform.StartProcess(words, true)) return true;
  ErrorBox(context, "file not found");
  context.state.cancel = true;
  return false;
}

}  // namespace kalo
