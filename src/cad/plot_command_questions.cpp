#include "cad/plot_command_questions.h"

#include <sys/stat.h>

#include <cmath>
#include <vector>

#include "cad/dxf_numbers.h"
#include "cad/plot_command_words.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "dialogs/standard_dialogs.h"
#include "help/help_text.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"
#include "platform/file_replace.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr int kHelpProgram = 2080, kHelpFormat = 2090, kHelpInterface = 2110, kHelpPort = 2120,
              kHelpOutputFile = 2130, kHelpScale = 2140, kHelpRotate = 2145, kHelpOffsets = 2150,
              kHelpTextWidth = 2160, kHelpBatchFile = 2170, kHelpPostscriptFont = 2280;
constexpr int kDirectoryLength = 40, kOutputFileLength = 30, kFontLength = 28;
// Script names take a whole path here, so they get the room of a command line.
constexpr int kBatchNameLength = static_cast<int>(kPlotProgramLineLength);
constexpr long double kLargestOffset = 100000000;

struct PlotProgram {
  std::string file;  // what the program folder must hold
  std::string name;  // the word of the command line
};

const PlotProgram kPrograms[] = {{"wpenplot.exe", "WPENPLOT"}, {"penplot.exe", "PENPLOT"}};

struct PlotAnswers {
  std::string directory;
  int program = 2;  // 1 Windows build, 2 MS-DOS build
  int format = 1;
  int interface = kPlotParallel;
  long double port = 1;
  std::string outputFile;
  long double scale = 1;
  bool rotate = false;
  long double x = 0, y = 0;
  long double textWidth = 1;  // asked, but the composed line leaves it to the plot program
  std::string font;
};

bool Choose(Context& context, const std::string& title, const std::vector<std::string>& items, int help, int& index) {
  SetHelpNumber(context, help);
  return AskChoice(context, title, LineList(items), static_cast<int>(items.size()), index);
}

bool Real(Context& context, const std::string& prompt, int help, long double& value, long double lower,
          long double upper) {
  SetHelpNumber(context, help);
  return AskReal(context, prompt, value, upper, lower);
}

bool Text(Context& context, const std::string& prompt, int help, int maxLength, std::string& value) {
  SetHelpNumber(context, help);
  return AskText(context, prompt, maxLength, value);
}

// The folder of the line's first word: up to, not including, its last separator.
std::string ProgramDirectoryOf(const std::string& commandLine) {
  std::string trimmed = TrimBlanks(commandLine);
  std::string program = trimmed.substr(0, trimmed.find(' '));
  size_t last = program.rfind('/');
  return last == std::string::npos ? std::string() : program.substr(0, last);
}

// Asked again until the folder holds the program file; a missing file is reported.
bool AskProgramDirectory(Context& context, const PlotProgram& program, std::string& directory) {
  for (;;) {
    if (!Text(context, "Programmverzeichnis von " + program.file, kHelpProgram, kDirectoryLength, directory))
      return false;
    if (FileExists(WithSeparator(directory) + program.file)) return true;
    CheckFileReadable(context, WithSeparator(directory) + program.file);
    context.state.cancel = false;
  }
}

bool AskPort(Context& context, PlotAnswers& a) {
  if (a.interface == kPlotFile)
    return Text(context, "Name der Ausgabedatei", kHelpOutputFile, kOutputFileLength, a.outputFile);
  if (!Real(context, a.interface == kPlotSerial ? "COM-Port" : "LPT-Port", kHelpPort, a.port, 1, 4)) return false;
  a.port = std::trunc(a.port);
  return true;
}

bool AskParameters(Context& context, PlotAnswers& a) {
  const std::vector<std::string> formats = {"HP-GL Laserjet (HPL)", "Postscript  (PS)", "HP-GL (PLT)",
                                            "HP-GL/2  (PL2)", "Aristo  (ART)"};
  if (!Choose(context, "Ausgabeformat", formats, kHelpFormat, a.format)) return false;
  if (!Choose(context, "Ausgabeschnittstelle", {"seriell", "parallel", "Datei"}, kHelpInterface, a.interface))
    return false;
  if (!AskPort(context, a)) return false;
  if (!Real(context, Oem("Maßstab (0=anpassen)"), kHelpScale, a.scale, 0, 1000)) return false;
  SetHelpNumber(context, kHelpRotate);
  a.rotate = AskYesNoChoice(context, "Plot um 90 Grad drehen ?", 'N');
  if (context.state.cancel) return false;
  if (!Real(context, "Nullpunktverschiebung in x-Richtung", kHelpOffsets, a.x, -kLargestOffset, kLargestOffset) ||
      !Real(context, "Nullpunktverschiebung in y-Richtung", kHelpOffsets, a.y, -kLargestOffset, kLargestOffset) ||
      !Real(context, "Textbreitenfaktor", kHelpTextWidth, a.textWidth, 0.1L, 10))
    return false;
  if (a.format - 1 != kPlotFormatPostscript) return true;
  return Text(context, "Postscript-Zeichensatz", kHelpPostscriptFont, kFontLength, a.font);
}

std::string Compose(Context& context, const PlotAnswers& a) {
  NumberFormat numbers = context.Numbers();
  auto number = [&](long double value) { return DxfCompact(value, numbers); };
  std::string line = WithSeparator(a.directory) + kPrograms[a.program - 1].name + " " +
                     PlotInputWord(TemporaryDirectory(context));
  line += " /C" + std::string(kPlotFormatCodes[static_cast<size_t>(a.format - 1)]);
  if (a.interface != kPlotParallel) line += " /D" + std::to_string(a.interface);
  if (a.interface != kPlotFile && a.port != 1) line += " /P" + number(a.port);
  if (a.interface == kPlotFile && !TrimBlanks(a.outputFile).empty()) line += " /F" + TrimBlanks(a.outputFile);
  if (a.scale == 0)
    line += " /M*";
  else if (a.scale != 1)
    line += " /M" + number(a.scale);
  if (a.x != 0) line += " /X" + number(a.x);
  if (a.rotate) line += " /R";
  if (a.y != 0) line += " /Y" + number(a.y);
  if (!TrimBlanks(a.font).empty()) line += " /T" + TrimBlanks(a.font);
  return line;
}

// A shell script holding the command line; false when it cannot be written.
bool WriteBatchFile(Context& context, const std::string& path, const std::string& commandLine) {
  std::string script =
      "#!/bin/sh\n" + ShellCommandLine(PlotCommandWords(commandLine, TemporaryDirectory(context))) + "\n";
  return ReplaceFile(path, script) == 0 && chmod(path.c_str(), 0755) == 0;
}

// Lines too long for the plot program's own command line go into a script.
bool MakeBatchFile(Context& context, const PlotAnswers& a, std::string& commandLine) {
  InfoBox(context, "Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
  const std::string& file = kPrograms[a.program - 1].file;
  std::string name = WithSeparator(a.directory) + file.substr(0, file.find('.'));
  for (;;) {
    if (!Text(context, "Name der Batch-Datei (ohne .bat)", kHelpBatchFile, kBatchNameLength, name)) return false;
    name = TrimBlanks(name);
    if (name.empty() || FileNameOf(name).find('.') != std::string::npos) continue;
    if (WriteBatchFile(context, name + ".sh", commandLine)) break;
    ErrorBox(context, "Datei " + name + ".sh kann nicht angelegt werden");
  }
  commandLine = name + ".sh";
  return true;
}

}  // namespace

bool BuildPlotCommand(Context& context, std::string& commandLine) {
  PlotAnswers a;
  a.directory = ProgramDirectoryOf(commandLine);
  if (!Choose(context, "PENPLOT/WPENPLOT", {"WPENPLOT.EXE (Windows)", "PENPLOT.EXE (MS-DOS)"}, kHelpProgram,
              a.program) ||
      !AskProgramDirectory(context, kPrograms[a.program - 1], a.directory) || !AskParameters(context, a))
    return false;
  std::string line = Compose(context, a);
  if (line.size() > kPlotProgramLineLength && !MakeBatchFile(context, a, line)) return false;
  commandLine = line;
  return true;
}

}  // namespace kalo
