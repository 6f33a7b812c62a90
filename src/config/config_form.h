#pragma once
// The form model of the configuration dialog "Tconfig": the settings of the configuration
// record on nine pages, as the controls show them, with the actions of its buttons. Field
// texts are code page 850. Nothing reaches the record before "OK" or "&Speichern".
#include <array>
#include <functional>
#include <string>

#include "context/configuration.h"

namespace kalo {

struct Context;

enum class ConfigPage { Directories, Grafik, Cad, Farbe, Drucker, Ausdruck, Einstellungen, Extern, Zeichnung };
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

class Tconfig {
 public:
  static constexpr int kPlotCommandLength = 80;
  // Help texts of the directories and of the pages.
  static constexpr int kHelpCadDirectory = 1570, kHelpDbfDirectory = 1600, kHelpTempDirectory = 1610,
                       kHelpPltDirectory = 1590, kHelpEdiDirectory = 1595, kHelpProgramDirectory = 1830,
                       kHelpWorkingDirectory = 1605, kHelpDataDirectory = 1615, kHelpLayerMonochrome = 1585,
                       kHelpTextProgram = 2500;
  static constexpr int kHelpGrafik = 1940, kHelpCad = 1920, kHelpLayers = 1910, kHelpFarbe = 1555,
                       kHelpDrucker = 1935, kHelpAusdruck = 1930;

  // FormCreate: the fields show the context's configuration.
  explicit Tconfig(Context& context);

  std::string caption = "Konfiguration";
  ConfigPage page = ConfigPage::Grafik;  // the page on show
  const std::string* refusedField = nullptr;  // the number field OK refused last
  ConfigWindowMetrics metrics;
  // Resizes the main window's client area at once (set by the window that shows the form).
  std::function<void(int clientWidth, int clientHeight)> resizeMainWindow;

  // Page "Directories"
  std::string Edit_dirdbf, Edit_direxe, Edit_dirplt, Edit_dirtemp, Edit_diredi, Edit_dirdata, Edit_dircad;
  std::string Edit_dirworking;  // the start-up directory, shown only
  std::string Label_user;

  // Page "Grafik"
  int RadioGroup_bildschirmgrafik = 0;  // 0 "color", 1 "monochrom"
  std::string Edit_x, Edit_y;           // client size: the stored resolution + 1
  std::string Edit_font;
  int graphicsFontStyle = 0;            // shown by Label_hstyle
  std::string Edit_textbreitenfaktor, Edit_texthoehenfaktor;
  int backgroundColour = 0;             // RGB, red in the lowest byte
  std::string Edit_zoomfaktor, Edit_panfaktor;
  bool CheckBox_umrandung = false;      // also on the page "Drucker"
  std::string SpinEdit_dialogfenster, SpinEdit_dialogelemente;
  bool CheckBox_3dxyz = true;
  std::string Edit_3dx, Edit_3dy, Edit_3dz;  // degrees

  // Page "CAD"
  std::array<ConfigLayerRow, kLayerRows> StringGrid_layer;
  bool CheckBox_layermonochrom = false;
  bool CheckBox_layerfarbenSvgPdf = false;  // "Layerfarben SVG,PDF"
  std::string Edit_cadfont, Edit_cadtextbreite, Edit_cadtextwinkel;
  bool CheckBox_diagrammgrenzen = false;
  std::string Edit_freigabefeld, SpinEdit_dxfdec;
  int radiogroupcadtexttyp = 0;  // "OEM (ASCII)", "ANSI", "Ä->Ae, ß->ss..."
  std::string Edit_massfaktorconfig;

  // Page "Farbe"
  std::array<ConfigColourRow, kDrawingLayers> StringGrid_color;

  // Page "Drucker"
  std::string Edit_printscale, Edit_printscaley, Edit_printxorigin, Edit_printyorigin;
  int RadioGroup_printmono = 0;    // "Monochrom", "Color / Graustufen"
  int RadioGroup_orientation = 1;  // "Hochformat", "Querformat"
  bool CheckBox_printerDialogbox = true;

  // Page "Ausdruck"
  int RadioGroup_lpt = 0;    // LPT1..LPT4
  int RadioGroup_trenn = 1;  // the four separator line forms
  std::string SpinEdit_linesperpage, SpinEdit_spacelines;
  int RadioGroup_date = 0;
  bool CheckBox_ausdruckshowdialog = false;
  std::string ComboBox_ausdruckdefault;  // one of TextTargetChoices()
  std::string Edit_left, Edit_top, Edit_width, Edit_height;
  int RadioGroup_unit = 0;
  int RadioGroup_ausgrad = 1;  // "15.1234°", "15° 7' 26\""
  int RadioGroup_ff = 0;       // "mit Kopf", "Kopf nur 1.Seite"
  std::string Label_courier;   // the printout font
  int printoutFontSize = 10, printoutFontStyle = 0;

  // Page "Einstellungen"
  int RadioGroup_hilfegrad = 1;
  int RadioGroup_punktkomma = 0;  // "x.xx", "x,xx"
  int RadioGroup_ExcelDot = 1;    // "English x.xx", "German x,xx"
  std::string SpinEdit_dezimalstellen;
  bool CheckBox_usereingabe = false, CheckBox_archivmode = false;
  int RadioGroup_chars = 0;           // "²  µ  °", "2  u  deg"
  int RadioGroup_ergebnisgrafik = 0;  // "egal" .. "Zeichnung"
  std::array<std::string, kPlotCommandLines> ListBox_penplot;
  int plotCommandCount = 1;

  // Page "Extern"
  std::string Edit_externtxt, Edit_externhtml;

  // Page "Zeichnung": ticked = the title block shows the item.
  std::string titleCaption, fileNameCaption, dateCaption;
  const std::string logoCaption = "$logo_1.dx$ ?";
  bool CheckBox_zeichvortanetitel = true, CheckBox_zeichfilename = true;
  bool CheckBox_zeichdatum = true, CheckBox_zeichlogo = true;

  // The names of the text output targets 1..7 that "Ausgabeformat" offers.

  // Shows every setting of the record in the fields.
  void Fill(const Configuration& config);

  // OK: every number is checked; the first that is no number or out of its range is
  // refused with its name and "Gültiger Wertebereich: lo .. hi !", its page and field are
  // shown (refusedField) and false is returned with the record unchanged. Else the fields go into the record, the main
  // window takes the new size, and true is returned.
  bool Button_okClick();
  // "&Speichern": as OK, then the configuration file is written; the dialog stays open.
  // False when a number was refused or the file could not be written.
  bool Button_saveClick();
  // "Import..": a configuration file chosen in the configuration directory is read into the
  // fields (not into the record) by the reader's rules. A file that is not a complete
  // configuration file gives what could be read and a message saying so.
  void Button_importClick();

  // The help of a control: its hint (code page 850, empty when the help level is 0) and
  // the "&Hilfe" and "?" buttons that show the help text.
  std::string Hint(int helpNumber) const;
  void ShowHelpText(int helpNumber);

  // The "<" buttons.
  void ResetTempDirectory();
  void ResetWindowSize();
  void ResetTextWidthFactor() { Edit_textbreitenfaktor = "0.8"; }
  void ResetTextHeightFactor() { Edit_texthoehenfaktor = "1"; }
  void ResetZoomFactor() { Edit_zoomfaktor = "1.02"; }
  void ResetPanFactor() { Edit_panfaktor = "0.02"; }
  void ResetDialogWindowScale();
  void ResetDialogElementScale();
  void ResetLayer(int row);
  void ResetCadTextWidth() { Edit_cadtextbreite = "1"; }
  void ResetCadTextAngle() { Edit_cadtextwinkel = "0"; }
  void ResetReleaseCaption() { Edit_freigabefeld = "Frei"; }
  void ResetCadDecimals() { SpinEdit_dxfdec = "6"; }
  void ResetDimensionFactor() { Edit_massfaktorconfig = "1.0"; }
  void ResetPrintScale() { Edit_printscale = "1.0"; }
  void ResetPrintScaleY() { Edit_printscaley = Edit_printscale; }
  void ResetPrintOrigin() { Edit_printxorigin = Edit_printyorigin = "0"; }
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
