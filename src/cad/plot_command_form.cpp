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
const std::vector<std::string>& TForm_confpenplot::FormatNames() {
  static const std::vector<std::string> names = {"HP-GL Laserjet (HPL)", "Postscript (PS)", "HP-GL Plotter (PLT)",
                                                 "HP-GL/2 (PL2)", "Aristo (ART)"};
  return names;
}

const std::vector<std::string>& TForm_confpenplot::InterfaceNames() {
  static const std::vector<std::string> names = {"seriell", "parallel", "Datei"};
  return names;
}

const std::vector<std::string>& TForm_confpenplot::PostscriptFonts() {
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

TForm_confpenplot::TForm_confpenplot(Context& context, const std::string& commandLine)
    : Edit_penplotPath(DefaultPlotProgram()),
      Label_commandline(commandLine),
      context_(context),
      temporaryDirectory_(TemporaryDirectory(context)) {
  Edit_outdir = temporaryDirectory_;
}

void TForm_confpenplot::ControlChanged() { Label_commandline = ComposedLine(); }

// The input word always names the temporary folder, where the plot file is written; the
// output folder goes only into " /F".
std::string TForm_confpenplot::ComposedLine() const {
  const int interface = RadioGroup_d + 1;
  std::string line = Edit_penplotPath + " " + PlotInputWord(temporaryDirectory_);
  line += " /C" + std::string(kPlotFormatCodes[static_cast<size_t>(RadioGroup_outcode % kPlotFormats)]);
  if (interface != kPlotParallel) line += " /D" + std::to_string(interface);
  if (interface != kPlotFile) {
    long double port = RealOrZero(interface == kPlotSerial ? Edit_com : Edit_lpt);
    if (port != 1) line += " /P" + std::to_string(static_cast<long>(port) + 1);
  }
  if (interface == kPlotFile && !TrimBlanks(Edit_outdir).empty())
    line += " /F" + PlotInputWord(TrimBlanks(Edit_outdir));
  long double scale = RealOrZero(Edit_scale);
  if (scale == 0)
    line += " /M*";
  else if (scale != 1)
    line += " /M" + Edit_scale;
  if (RealOrZero(Edit_xnull) != 0) line += " /X" + Edit_xnull;
  if (RealOrZero(Edit_ynull) != 0) line += " /Y" + Edit_ynull;
  if (RealOrZero(Edit_textbreitenfaktor) != 1) line += " /B" + Edit_textbreitenfaktor;
  if (CheckBox_rotate) line += " /R";
  if (PsFontEnabled() && !TrimBlanks(ComboBox_psfont).empty()) line += " /T" + TrimBlanks(ComboBox_psfont);
  return line;
}

void TForm_confpenplot::CheckBox_scaleClick() {
  if (CheckBox_scale) {
    scaleBeforeFit_ = Edit_scale;
    Edit_scale = "0";
  } else {
    Edit_scale = scaleBeforeFit_;
  }
  ControlChanged();
}

void TForm_confpenplot::Button_penplotpathClick() {
  std::string path = Edit_penplotPath;
  const std::string filter = "PENPLOT for Windows|wpenplot.exe|PENPLOT for MS-DOS|penplot.exe|*|*";
  if (context_.ui.AskOpenFileName(DirectoryOf(TrimBlanks(path)), filter, path) && !TrimBlanks(path).empty()) {
    Edit_penplotPath = TrimBlanks(path);
    ControlChanged();
  }
}

void TForm_confpenplot::Button_outDirClick() {
  if (AskDirectory(context_, Edit_outdir)) ControlChanged();
}

void TForm_confpenplot::Button_tempdirClick() {
  Edit_outdir = temporaryDirectory_;
  ControlChanged();
}

std::string TForm_confpenplot::Hint(int helpNumber) const { return HelpToolTip(context_, helpNumber); }

void TForm_confpenplot::ShowHelpText() { ShowHelp(context_, kHelpNumber, 1); }

}  // namespace kalo
