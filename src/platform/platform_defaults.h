#pragma once
// Settings whose natural value names a program or folder of the operating system. Programs
// are plain names that resolve through PATH.
#include <string>

namespace kalo {

class Platform;

// A folder of the XDG base directories: the variable's value when it is an absolute path,
// else homeFallback (".config", ".local/state") in the home folder; with a separator, empty
// without a home.
std::string XdgBaseDirectory(const Platform& platform, const char* variable, const char* homeFallback);

// The desktop's opener, which hands a file or address to the program the user chose for it.
std::string DesktopOpener();
// The text editor that opens text reports.
std::string DefaultTextProgram();
// The browser that opens HTML reports.
std::string DefaultHtmlBrowser();
// The program that opens a linked document (and stands for "NOTEPAD.EXE" of old data files).
std::string DefaultDocumentProgram();
// The file dialog mask of programs: they have no extension here.
std::string ProgramFileMask();
// The program that edits dBase tables outside the program.
std::string DefaultTableEditor();
// The plot program: a script shipped with the program's data files that draws the plot
// file as a PDF page and opens it with the desktop's viewer.
std::string DefaultPlotProgram();
// The plot program command line that receives "penplot.dxf".
std::string DefaultPlotCommand();
// The system's folder for temporary files, used when neither TEMP nor TMPDIR names one.
std::string DefaultTemporaryDirectory();
// Where the configuration file is looked for when the configuration directory has none.
std::string FallbackConfigurationDirectory();

}  // namespace kalo
