#pragma once
// The configuration file "kalo.cfg": located in the configuration directory, else in the
// fallback folder; read at start and written when the user saves the configuration.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kalo {

struct Context;
struct Configuration;

// The settings files kalo.cfg and kalo.cff hold some kilobytes; a larger one is not a
// settings file and is not read.
inline constexpr size_t kSettingsFileLimit = 1024 * 1024;

// Reads the lines of a settings file; a file that cannot be read or is larger than the
// limit gives a message, no lines and false.
bool ReadSettingsLines(Context& context, const std::string& path, std::vector<std::string>& lines);

// Configuration directory with separator + short name + ".cfg".
std::string ConfigurationFilePath(const std::string& directory, const std::string& shortName);

// The user's own settings folder: "vortane" in the XDG config folder ($XDG_CONFIG_HOME, an
// absolute path, else ~/.config), with separator; empty without a home.
std::string UserConfigurationDirectory(const Platform& platform);

// Reads the configuration file named by the short name. When it is missing in the
// configuration directory but found in the fallback folder, the fallback folder becomes the
// configuration directory. When neither exists, the screen-dependent values are set and
// the cancel flag is set. A file too large is passed over as a missing one, with a message.
void ReadConfiguration(Context& context, const std::string& shortName, const std::string& fallbackDirectory);
// kalo.cfg, with the platform's fallback folder.
void ReadConfiguration(Context& context);

// Writes the whole record to kalo.cfg in the configuration directory; on failure the
// cancel flag is set.
void WriteConfiguration(Context& context);

// An unset main window size (-1 or 0) becomes the screen size less the window frame.
void ApplyWindowSizeRule(Configuration& config, const ScreenMetrics& screen);

// The size of the input windows in percent that suits the screen and the main window.
int InputWindowScale(int mainWindowHeight, int mainWindowClientHeight, int pixelsPerInchY);

}  // namespace kalo
