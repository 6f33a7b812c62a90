#include "platform/platform_defaults.h"

#include "platform/paths.h"
#include "platform/platform.h"

namespace kalo {

std::string XdgBaseDirectory(const Platform& platform, const char* variable, const char* homeFallback) {
  std::string base = platform.GetEnvironment(variable);
  if (base.empty() || base[0] != '/') {
    std::string home = platform.GetEnvironment("HOME");
    if (home.empty()) return "";
    base = WithSeparator(home) + homeFallback;
  }
  return WithSeparator(base);
}

std::string DesktopOpener() { return "xdg-open"; }

std::string DefaultTextProgram() { return DesktopOpener(); }

std::string DefaultHtmlBrowser() { return DesktopOpener(); }

std::string DefaultDocumentProgram() { return DesktopOpener(); }

std::string ProgramFileMask() { return "*"; }

// LibreOffice Calc opens and saves dBase tables.
std::string DefaultTableEditor() { return "localc"; }

std::string DefaultPlotProgram() { return "kalo-plot"; }

std::string DefaultPlotCommand() { return DefaultPlotProgram() + " penplot.dxf /M1.0"; }

std::string DefaultTemporaryDirectory() { return "/tmp"; }

std::string FallbackConfigurationDirectory() { return "/etc/vortane/"; }

}  // namespace kalo
