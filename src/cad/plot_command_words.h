#pragma once
// The pieces both ways of composing a plot program command line share, and how a stored
// command line becomes the argument list of the started plot program.
#include <array>
#include <string>
#include <vector>

namespace kalo {

inline constexpr int kPlotFormats = 5;
// The codes behind " /C": HP-GL laserjet, PostScript, HP-GL plotter, HP-GL/2, Aristo.
inline constexpr std::array<const char*, kPlotFormats> kPlotFormatCodes = {"HPL", "PS", "PLT", "PL2", "ART"};
inline constexpr int kPlotFormatPostscript = 1;
// Interfaces 1 serial, 2 parallel, 3 file; " /D" is written for all but parallel.
inline constexpr int kPlotSerial = 1, kPlotParallel = 2, kPlotFile = 3;
// The plot file's name in the temporary folder, and the name without extension that the
// composed command lines pass.
inline constexpr const char* kPlotFileName = "penplot.dxf";
inline constexpr const char* kPlotInputName = "penplot";

// The second word of a composed line: the temporary folder with a separator and "penplot".
std::string PlotInputWord(const std::string& temporaryDirectory);

// The words of a command line, split at blanks, except that the temporary folder followed
// by "penplot" (and ".dxf") stays one word even when the folder's name holds blanks. A word
// without a folder that names the plot file ("penplot.dxf" in any case, or "penplot") is
// the file in the temporary folder.
std::vector<std::string> PlotCommandWords(const std::string& commandLine, const std::string& temporaryDirectory);

// The words as one line of a POSIX shell script: words with characters the shell would
// read are put in single quotes.
std::string ShellCommandLine(const std::vector<std::string>& words);

}  // namespace kalo
