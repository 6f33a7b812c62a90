#include "config/recent_files.h"

#include <vector>

#include "config/config_values.h"
#include "config/configuration_file.h"
#include "context/context.h"
#include "dialogs/io_reporters.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {

std::string RecentFilesPath(const Context& context) {
  return WithSeparator(context.configDirectory) + kShortName + ".cff";
}

void ReadRecentFiles(Context& context) {
  std::vector<std::string> lines;
  std::string path = RecentFilesPath(context);
  if (FileExists(path)) ReadSettingsLines(context, path, lines);
  auto& entries = context.state.recentFiles;
  for (size_t k = 0; k < entries.size(); ++k) entries[k] = k + 1 < lines.size() ? lines[k + 1] : std::string();
}

void WriteRecentFiles(Context& context) {
  std::vector<std::string> lines = {std::string(kShortName) + " Session " + EncodeText(context.state.dataDirectory)};
  for (const std::string& entry : context.state.recentFiles) lines.push_back(EncodeText(entry));
  RewriteWithRetry(context, RecentFilesPath(context), lines);
}

}  // namespace kalo
