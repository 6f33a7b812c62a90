#pragma once
// Settings whose natural value names a program or folder of the operating system. Programs
// are plain names that resolve through PATH.
#include <string>

namespace kalo {

// The text editor that opens text reports.
std::string DefaultTextProgram();
// The browser that opens HTML reports.
std::string DefaultHtmlBrowser();
// The program that edits dBase tables outside the program.
std::string DefaultTableEditor();
// The plot program command line that receives "penplot.dxf".
std::string DefaultPlotCommand();
// The system's folder for temporary files, used when neither TEMP nor TMPDIR names one.
std::string DefaultTemporaryDirectory();
// Where the configuration file is looked for when the configuration directory has none.
std::string FallbackConfigurationDirectory();

}  // namespace kalo
