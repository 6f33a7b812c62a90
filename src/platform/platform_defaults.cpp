#include "platform/platform_defaults.h"

namespace kalo {

std::string DefaultTextProgram() { return "xdg-open"; }

std::string DefaultHtmlBrowser() { return "xdg-open"; }

// LibreOffice Calc opens and saves dBase tables.
std::string DefaultTableEditor() { return "localc"; }

std::string DefaultPlotCommand() { return "penplot penplot.dxf /M1.0"; }

std::string DefaultTemporaryDirectory() { return "/tmp"; }

std::string FallbackConfigurationDirectory() { return "/etc/vortane/"; }

}  // namespace kalo
