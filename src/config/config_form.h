#pragma once
// The form model of the configuration dialog: the settings of the configuration
// record on nine pages, as the controls show them, with the actions of its buttons. Field
// texts are code page 850. Nothing reaches the record before "OK" or "&Speichern".
#include <array>
#include <functional>
#include <string>

#include "context/configuration.h"

namespace kalo {

struct Context;

enum class ConfigPage { Directories, Graphics, Cad, Colours, Printer, Printout, Preferences, ExternalPrograms, Drawing };
inline constexpr int kConfigPages = 9;
// "Directories", "Grafik", "CAD", "Farbe", "Drucker", "Ausdruck", "Einstellungen", "Extern", "Zeichnung".
const char* ConfigPageCaption(ConfigPage page);

// The screen and the sizes of the main window and of the dialog that the window size
// fields and their reset buttons work with.
struct ConfigWindowMetrics {
  int screenWidth = 1280, screenHeight = 1024;
  int pixelsPerInchX = 96, pixelsPerInchY = 96;
  int mainWidth = 580, mainHeight = 375, mainClientWidth = 572, mainClientHeight = 329;
  int dialogWidth = 600, dialogHeight = 480, dialogClientWidth = 592, dialogClientHeight = 452;
};

// One row of the layer grid: layers 5, 4, 3, 2, 1 from the top.
struct ConfigLayerRow {
  std::string caption;  // "Ausgezogene  Linie   0.50 mm" ...
  std::string name, colour, thickness;
};

// One row of the colour grid, layers 16..31.
struct ConfigColourRow {
  std::string caption;  // "Farbe für Layer 16 (rot)"
  int colour = 1;
  std::string thickness;
};

inline constexpr int kLayerRows = 5;

class SettingsForm {
 public:
  static constexpr int kPlotCommandLength = 80;
  // Help texts of the directories and of the pages.
  static constexpr int kHelpCadDirectory = 1570, kHelpDbfDirectory = 1600, kHelpTempDirectory = 1610,
                       kHelpPltDirectory = 1590, kHelpEdiDirectory = 1595, kHelpProgramDirectory = 1830,
                       kHelpWorkingDirectory = 1605, kHelpDataDirectory = 1615, kHelpLayerMonochrome = 1585,
                       kHelpTextProgram = 2500;
  static constexpr int kHelpGraphics = 1940, kHelpCad = 1920, kHelpLayers = 1910, kHelpColours = 1555,
                       kHelpPrinter = 1935, kHelpPrintout = 1930;

  // FormCreate: the fields show the context's configuration.
  explicit SettingsForm(Context& context);

  std::string caption = "Konfiguration";
  ConfigPage page = ConfigPage::Graphics;  // the page on show
  const std::string* refusedField = nullptr;  // the number field OK refused last
  ConfigWindowMetrics metrics;
  // Resizes the main window's client area at once (set by the window that shows the form).
  std::function<void(int clientWidth, int clientHeight)> resizeMainWindow;

  // Page "Directories"
  std::string dbfDirectory, programDirectory, pltDirectory, tempDirectory, ediDirectory, dataDirectory, cadDirectory;
  std::string workingDirectory;  // the start-up directory, shown only
  std::string userName;

  // Page "Grafik"
  int screenGraphicsChoice = 0;  // 0 "color", 1 "monochrom"
  std::string clientWidth, clientHeight;           // client size: the stored resolution + 1
  std::string graphicsFont;
  int graphicsFontStyle = 0;            // shown by the font style label
  std::string graphicsTextWidthFactor, textHeightFactor;
  int backgroundColour = 0;             // RGB, red in the lowest byte
  std::string zoomFactor, panFactor;
  bool border = false;      // also on the page "Drucker"
  std::string inputWindowScale, dialogElementScale;
  bool edit3dAngles = true;
  std::string view3dX, view3dY, view3dZ;  // degrees

  // Page "CAD"
  std::array<ConfigLayerRow, kLayerRows> layerRows;
  bool layerMonochrome = false;
  bool pageLayerColours = false;  // "Layerfarben SVG,PDF"
  std::string cadTextStyle, cadTextWidthFactor, cadTextAngle;
  bool askDiagramLimits = false;
  std::string releaseCaption, cadDecimals;
  int cadTextModeChoice = 0;  // "OEM (ASCII)", "ANSI", "Ä->Ae, ß->ss..."
  std::string dimensionFactor;

  // Page "Farbe"
  std::array<ConfigColourRow, kDrawingLayers> colourRows;

  // Page "Drucker"
  std::string printScale, printScaleVertical, printOriginX, printOriginY;
  int printColoursChoice = 0;    // "Monochrom", "Color / Graustufen"
  int orientationChoice = 1;  // "Hochformat", "Querformat"
  bool printDialog = true;

  // Page "Ausdruck"
  int printerPortChoice = 0;    // LPT1..LPT4
  int separatorChoice = 1;  // the four separator line forms
  std::string linesPerPage, headerSpaceLines;
  int dateChoice = 0;
  bool askTextDevice = false;
  std::string textDevice;  // one of TextTargetChoices()
  std::string textWindowLeft, textWindowTop, textWindowWidth, textWindowHeight;
  int unitsChoice = 0;
  int angleOutputChoice = 1;  // "15.1234°", "15° 7' 26\""
  int printoutHeaderChoice = 0;       // "mit Kopf", "Kopf nur 1.Seite"
  std::string printoutFont;   // the printout font
  int printoutFontSize = 10, printoutFontStyle = 0;

  // Page "Einstellungen"
  int helpLevelChoice = 1;
  int decimalSeparatorChoice = 0;  // "x.xx", "x,xx"
  int spreadsheetSeparatorChoice = 1;    // "English x.xx", "German x,xx"
  std::string decimals;
  bool userMode = false, archiveMode = false;
  int specialCharactersChoice = 0;           // "²  µ  °", "2  u  deg"
  int resultGraphicChoice = 0;  // "egal" .. "Zeichnung"
  std::array<std::string, kPlotCommandLines> plotCommands;
  int plotCommandCount = 1;

  // Page "Extern"
  std::string textProgram, htmlBrowser;

  // Page "Zeichnung": ticked = the title block shows the item.
  std::string titleCaption, fileNameCaption, dateCaption;
  const std::string logoCaption = "$logo_1.dx$ ?";
  bool showTitle = true, showFileName = true;
  bool showDate = true, showLogo = true;

  // The names of the text output targets 1..7 that "Ausgabeformat" offers.

  // Shows every setting of the record in the fields.
  void Fill(const Configuration& config);

  // OK: every number is checked; the first that is no number or out of its range is
  // refused with its name and "Gültiger Wertebereich: lo .. hi !", its page and field are
  // shown (refusedField) and false is returned with the record unchanged. Else the fields go into the record, the main
  // window takes the new size, and true is returned.
  bool OkClick();
  // "&Speichern": as OK, then the configuration file is written; the dialog stays open.
  // False when a number was refused or the file could not be written.
  bool SaveClick();
  // "Import..": a configuration file chosen in the configuration directory is read into the
  // fields (not into the record) by the reader's rules. A file that is not a complete
  // configuration file gives what could be read and a message saying so.
  void ImportClick();

  // The help of a control: its hint (code page 850, empty when the help level is 0) and
  // the "&Hilfe" and "?" buttons that show the help text.
  std::string Hint(int helpNumber) const;
  void ShowHelpText(int helpNumber);

  // The "<" buttons.
  void ResetTempDirectory();
  void ResetWindowSize();
  void ResetTextWidthFactor() { graphicsTextWidthFactor = "0.8"; }
  void ResetTextHeightFactor() { textHeightFactor = "1"; }
  void ResetZoomFactor() { zoomFactor = "1.02"; }
  void ResetPanFactor() { panFactor = "0.02"; }
  void ResetDialogWindowScale();
  void ResetDialogElementScale();
  void ResetLayer(int row);
  void ResetCadTextWidth() { cadTextWidthFactor = "1"; }
  void ResetCadTextAngle() { cadTextAngle = "0"; }
  void ResetReleaseCaption() { releaseCaption = "Frei"; }
  void ResetCadDecimals() { cadDecimals = "6"; }
  void ResetDimensionFactor() { dimensionFactor = "1.0"; }
  void ResetPrintScale() { printScale = "1.0"; }
  void ResetPrintScaleY() { printScaleVertical = printScale; }
  void ResetPrintOrigin() { printOriginX = printOriginY = "0"; }
  void ResetTextWindow();

  // Leaving "x" or "y" of "Fenstergroesse": the main window takes a typed size above 0.
  void WindowSizeExit();
  // The "..." buttons: the directory selection dialog on the field's directory.
  void ChooseDirectory(std::string& field);
  // The "..." buttons of "Extern": a program file.
  void ChooseProgram(std::string& field);
  // The colour selection dialog on a layer row's colour ("Farbe" on the page "CAD").
  void ChooseLayerColour(int row);
  // The colour selection dialog on a colour row ("Farbe" or a double click).
  void ChooseDrawingLayerColour(int row);
  // The three "Strichstärke" buttons: every thickness of layers 16..31.
  void SetAllThicknesses(int thickness);
  // "Edit": the plot command line (0-based) in the text prompt.
  void EditPlotCommand(int line);

 private:
  // The record with the fields taken over, or false after refusing a field.
  bool TakeOver(Configuration& config);
  void TakeWindowSize(Configuration& config) const;
  bool CheckNumbers();
  std::string Number(long double value) const;

  Context& context_;
};

}  // namespace kalo
