#include "cad/plot_command_form.h"

#include "cad/plot_command_words.h"
#include "context/context.h"
#include "dialogs/standard_dialogs.h"
#include "help/help_text.h"
#include "numbers/number_format.h"
#include "output/scratch_files.h"
#include "platform/paths.h"
#include "platform/platform_defaults.h"

namespace kalo {
const std::vector<std::string>& PlotCommandForm::FormatNames() {
  static const std::vector<std::string> names = {"HP-GL Laserjet (HPL)", "Postscript (PS)", "HP-GL Plotter (PLT)",
                                                 "HP-GL/2 (PL2)", "Aristo (ART)"};
  return names;
}

const std::vector<std::string>& PlotCommandForm::InterfaceNames() {
  static const std::vector<std::string> names = {"seriell", "parallel", "Datei"};
  return names;
}

const std::vector<std::string>& PlotCommandForm::PostscriptFonts() {
  static const std::vector<std::string> fonts = {
      "Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic", "Helvetica", "Helvetica-Oblique",
      "Helvetica-Bold", "Helvetica-BoldOblique", "Helvetica-Narrow", "Helvetica-Narrow-Oblique",
      "Helvetica-Narrow-Bold", "Helvetica-Narrow-BoldOblique", "Courier", "Courier-Oblique", "Courier-Bold",
      "Courier-BoldOblique", "Palatino-Roman", "Palatino-Italic", "Palatino-Bold", "Palatino-BoldItalic",
      "AvantGarde-Book", "AvantGarde-Demi", "AvantGarde-BookOblique", "AvantGarde-DemiOblique", "Bookman-Light",
      "Bookman-Demi", "Bookman-LightItalic", "Bookman-DemiItalic", "NewCenturySchlbk-Roman", "NewCenturySchlbk-Bold",
      "NewCenturySchlbk-Italic", "NewCenturySchlbk-BoldItalic", "ZapfChancery-MediumItalic", "Symbol",
      "andere Schriften"};
  return fonts;
}

PlotCommandForm::PlotCommandForm(Context& context, const std::string& commandLine)
    : plotProgramPath(DefaultPlotProgram()),
      commandLineText(commandLine),
      context_(context),
      temporaryDirectory_(TemporaryDirectory(context)) {
  outputDirectory = temporaryDirectory_;
}

void PlotCommandForm::ControlChanged() { commandLineText = ComposedLine(); }

// The input word always names the temporary folder, where the plot file is written; the
// output folder goes only into " /F".
std::string PlotCommandForm::ComposedLine() const {
  const int interface = interfaceChoice + 1;
  std::string line = plotProgramPath + " " + PlotInputWord(temporaryDirectory_);
  line += " /C" + std::string(kPlotFormatCodes[static_cast<size_t>(formatChoice % kPlotFormats)]);
  if (interface != kPlotParallel) line += " /D" + std::to_string(interface);
  if (interface != kPlotFile) {
    long double port = RealOrZero(interface == kPlotSerial ? comPort : lptPort);
    if (port != 1) line += " /P" + std::to_string(static_cast<long>(port) + 1);
  }
  if (interface == kPlotFile && !TrimBlanks(outputDirectory).empty())
    line += " /F" + PlotInputWord(TrimBlanks(outputDirectory));
  long double scale = RealOrZero(scaleText);
  if (scale == 0)
    line += " /M*";
  else if (scale != 1)
    line += " /M" + scaleText;
  if (RealOrZero(originX) != 0) line += " /X" + originX;
  if (RealOrZero(originY) != 0) line += " /Y" + originY;
  if (RealOrZero(textWidthFactor) != 1) line += " /B" + textWidthFactor;
  if (rotate) line += " /R";
  if (PsFontEnabled() && !TrimBlanks(postScriptFont).empty()) line += " /T" + TrimBlanks(postScriptFont);
  return line;
}

void PlotCommandForm::FitScaleClick() {
  if (fitScale) {
    scaleBeforeFit_ = scaleText;
    scaleText = "0";
  } else {
    scaleText = scaleBeforeFit_;
  }
  ControlChanged();
}

void PlotCommandForm::PlotProgramClick() {
  std::string path = plotProgramPath;
  const std::string filter = "PENPLOT for Windows|wpenplot.exe|PENPLOT for MS-DOS|penplot.exe|*|*";
  if (context_.ui.AskOpenFileName(DirectoryOf(TrimBlanks(path)), filter, path) && !TrimBlanks(path).empty()) {
    plotProgramPath = TrimBlanks(path);
    ControlChanged();
  }
}

void PlotCommandForm::OutputDirectoryClick() {
  if (AskDirectory(context_, outputDirectory)) ControlChanged();
}

void PlotCommandForm::TempDirectoryClick() {
  outputDirectory = temporaryDirectory_;
  ControlChanged();
}

std::string PlotCommandForm::Hint(int helpNumber) const { return HelpToolTip(context_, helpNumber); }

void PlotCommandForm::ShowHelpText() { ShowHelp(context_, kHelpNumber, 1); }

}  // namespace kalo
