#pragma once
// The form model of the plot program's parameter window: every control
// as the window shows it, which controls are enabled, and the command line composed from
// them after every change. Texts are code page 850.
#include <string>
#include <vector>

namespace kalo {

struct Context;

class PlotCommandForm {
 public:
  static constexpr int kHelpNumber = 2055;
  static constexpr int kHelpPath = 2080, kHelpFormat = 2090, kHelpInterface = 2120, kHelpOutputDirectory = 2130,
                       kHelpScale = 2140, kHelpRotate = 2145, kHelpOffsets = 2150, kHelpTextWidth = 2160,
                       kHelpPostscriptFont = 2280;
  static constexpr int kPostscriptFontLength = 28;

  // FormCreate: the default parameters; the command line label shows commandLine until a
  // control changes.
  PlotCommandForm(Context& context, const std::string& commandLine);

  // The radio groups' items and the font list, in their order.
  static const std::vector<std::string>& FormatNames();
  static const std::vector<std::string>& InterfaceNames();
  static const std::vector<std::string>& PostscriptFonts();

  std::string caption = "PENPLOT";
  std::string plotProgramPath;
  int formatChoice = 0;  // index into FormatNames
  int interfaceChoice = 1;        // 0 "seriell", 1 "parallel", 2 "Datei"
  std::string comPort = "1", lptPort = "1";
  std::string outputDirectory;
  std::string scaleText = "1";
  bool fitScale = false;  // "Maßstab anpassen ?"
  bool rotate = false;
  std::string originX = "0", originY = "0";
  std::string textWidthFactor = "1";
  std::string postScriptFont;
  std::string commandLineText;

  bool ComEnabled() const { return interfaceChoice == 0; }
  bool LptEnabled() const { return interfaceChoice == 1; }
  bool OutdirEnabled() const { return interfaceChoice == 2; }
  bool ScaleEnabled() const { return !fitScale; }
  bool PsFontEnabled() const { return formatChoice == 1; }

  // After the window copied a changed control into the model: the command line again.
  void ControlChanged();
  // Ticked: the scale becomes 0 (fit to the sheet); unticked: the scale typed before.
  void FitScaleClick();
  // "...": the plot program from the file dialog, starting in the path's folder.
  void PlotProgramClick();
  // "Dir...": the output folder from the directory dialog.
  void OutputDirectoryClick();
  // "<": the temporary folder as output folder.
  void TempDirectoryClick();
  // The tooltip of a control with this help number; empty with the help level 0.
  std::string Hint(int helpNumber) const;
  void ShowHelpText();

 private:
  std::string ComposedLine() const;

  Context& context_;
  std::string temporaryDirectory_;
  std::string scaleBeforeFit_ = "1";
};

}  // namespace kalo
