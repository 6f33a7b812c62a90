#include "config/configuration_file.h"

#include <cmath>
#include <utility>
#include <vector>

#include "config/configuration_lines.h"
#include "context/context.h"
#include "dialogs/io_reporters.h"
#include "dialogs/message_boxes.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/platform_defaults.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

// The frame around the main window's client area that the input window scale allows for.
constexpr int kMainWindowFrame = 46;

class LineReader : public LineChannel {
 public:
  explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  bool Exchange(std::string& line) override {
    if (AtEnd()) return false;
    line = lines_[next_++];
    return true;
  }
  bool AtEnd() const override { return next_ >= lines_.size(); }

 private:
  std::vector<std::string> lines_;
  size_t next_ = 0;
};

class LineWriter : public LineChannel {
 public:
  bool Exchange(std::string& line) override {
    lines.push_back(line);
    return false;
  }
  bool AtEnd() const override { return false; }
  std::vector<std::string> lines;
};

bool ReadLinesOf(Context& context, const std::string& path, std::vector<std::string>& lines) {
  return FileExists(path) && ReadSettingsLines(context, path, lines);
}

// Before the main window exists, its frame is the one the formula allows for.
void SetScreenDependentValues(Configuration& config, const ScreenMetrics& screen) {
  ApplyWindowSizeRule(config, screen);
  config.textWindowHeight = screen.height - 80;
  int clientHeight = config.resolutionY + 1;
  config.inputWindowScale = InputWindowScale(clientHeight + kMainWindowFrame, clientHeight, screen.pixelsPerInchY);
}

ConfigurationFileNames NamesOf(const Context& context, const std::string& shortName) {
  return {shortName, context.state.startupDirectory};
}

}  // namespace

std::string UserConfigurationDirectory(const Platform& platform) {
  std::string base = XdgBaseDirectory(platform, "XDG_CONFIG_HOME", ".config");
  return base.empty() ? base : base + "vortane/";
}

bool ReadSettingsLines(Context& context, const std::string& path, std::vector<std::string>& lines) {
  Outcome read = ReadTextLines(path, lines, kSettingsFileLimit);
  if (read) return true;
  ErrorBox(context, FileNameText(path) + ": " + read.Message() + ", nicht gelesen");
  lines.clear();
  return false;
}

std::string ConfigurationFilePath(const std::string& directory, const std::string& shortName) {
  return WithSeparator(directory) + shortName + ".cfg";
}

void ReadConfiguration(Context& context, const std::string& shortName, const std::string& fallbackDirectory) {
  Configuration& config = context.config;
  config.graphicsCorrectionFactor = 1.0L;
  if (config.defaultDataDirectory.empty()) config.defaultDataDirectory = WithSeparator(context.state.startupDirectory);
  std::vector<std::string> lines;
  if (!ReadLinesOf(context, ConfigurationFilePath(context.configDirectory, shortName), lines)) {
    if (!ReadLinesOf(context, ConfigurationFilePath(fallbackDirectory, shortName), lines)) {
      SetScreenDependentValues(config, context.platform.Screen());
      context.state.cancel = true;
      return;
    }
    context.configDirectory = fallbackDirectory;
  }
  LineReader reader(std::move(lines));
  ConfigurationEnd end = ExchangeConfiguration(reader, config, NamesOf(context, shortName));
  if (end == ConfigurationEnd::EarlyStop) return;
  if (end == ConfigurationEnd::MonochromeStop) {
    config.graphicsTextWidthFactor = config.cadTextWidthFactor;
    config.graphicsFont = "Arial";
  }
  ApplyWindowSizeRule(config, context.platform.Screen());
}

// The working folder's kalo.cfg first, then the user's own, then the installation's.
void ReadConfiguration(Context& context) {
  std::string user = UserConfigurationDirectory(context.platform);
  bool userHasOne = !user.empty() && FileExists(ConfigurationFilePath(user, kShortName));
  ReadConfiguration(context, kShortName, userHasOne ? user : FallbackConfigurationDirectory());
}

void WriteConfiguration(Context& context) {
  LineWriter writer;
  ExchangeConfiguration(writer, context.config, NamesOf(context, kShortName));
  RewriteWithRetry(context, ConfigurationFilePath(context.configDirectory, kShortName), writer.lines);
}

void ApplyWindowSizeRule(Configuration& config, const ScreenMetrics& screen) {
  if (config.resolutionX == -1 || config.resolutionX == 0) config.resolutionX = screen.width - 9;
  if (config.resolutionY == -1 || config.resolutionY == 0) config.resolutionY = screen.height - 91;
}

int InputWindowScale(int mainWindowHeight, int mainWindowClientHeight, int pixelsPerInchY) {
  double ratio = static_cast<double>(mainWindowHeight) / (mainWindowClientHeight + kMainWindowFrame);
  return static_cast<int>(std::lround((ratio + 0.009) * (pixelsPerInchY / 96.0) * 100));
}

}  // namespace kalo
