#include "config/config_form.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "context/context.h"
#include "dialogs/standard_dialogs.h"
#include "graphics/colours.h"
#include "output/text_output.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

constexpr long double kDegreesPerRadian = 180 / std::numbers::pi_v<long double>;
constexpr int kLargestClientSize = 5000;

// A number field, what the dialog calls it and the values it accepts.
struct NumberField {
  ConfigPage page;
  const std::string* text;
  std::string label;  // code page 850
  long double lower, upper;
  bool whole;
};

std::vector<NumberField> NumberFields(const Tconfig& f) {
  using P = ConfigPage;
  std::vector<NumberField> fields = {
      {P::Grafik, &f.Edit_x, Oem("Fenstergröße x"), 0, kLargestClientSize + 1, true},
      {P::Grafik, &f.Edit_y, Oem("Fenstergröße y"), 0, kLargestClientSize + 1, true},
      {P::Grafik, &f.Edit_textbreitenfaktor, "Textbreitenfaktor", 0, 100, false},
      {P::Grafik, &f.Edit_texthoehenfaktor, Oem("Texthöhenfaktor"), 0, 100, false},
      {P::Grafik, &f.Edit_zoomfaktor, "Zoomfaktor", 0, 100, false},
      {P::Grafik, &f.Edit_panfaktor, "Pan-Faktor", 0.01L, 1, false},
      {P::Grafik, &f.SpinEdit_dialogfenster, Oem("Dialogfenster Größe %"), 0, 1000, true},
      {P::Grafik, &f.SpinEdit_dialogelemente, Oem("Dialogelemente Größe %"), 0, 1000, true},
      {P::Grafik, &f.Edit_3dx, "3D x", -360, 360, false},
      {P::Grafik, &f.Edit_3dy, "3D y", -360, 360, false},
      {P::Grafik, &f.Edit_3dz, "3D z", -360, 360, false},
      {P::Cad, &f.Edit_cadtextbreite, "CAD Textbreitenfaktor", 0, 100, false},
      {P::Cad, &f.Edit_cadtextwinkel, "CAD Textwinkel", -360, 360, false},
      {P::Cad, &f.SpinEdit_dxfdec, "Anzahl der Dezimalstellen DXF, TXT", 1, 32, true},
      {P::Cad, &f.Edit_massfaktorconfig, Oem("Größenfaktor Bemaßung"), 0, 1.0E6L, false},
      {P::Drucker, &f.Edit_printscale, Oem("Maßstab x"), 0.0001L, 1000, false},
      {P::Drucker, &f.Edit_printscaley, Oem("Maßstab y"), 0.0001L, 1000, false},
      {P::Drucker, &f.Edit_printxorigin, "Ursprung x", -10000, 10000, true},
      {P::Drucker, &f.Edit_printyorigin, "Ursprung y", -10000, 10000, true},
      {P::Ausdruck, &f.SpinEdit_linesperpage, "Max. Anzahl Zeilen/Seite auf dem Ausdruck", 5, 999, true},
      {P::Ausdruck, &f.SpinEdit_spacelines, "Leerzeilen am Seitenanfang", 0, 30, true},
      {P::Ausdruck, &f.Edit_left, "Textfenster links", -10000, 10000, true},
      {P::Ausdruck, &f.Edit_top, "Textfenster oben", -10000, 10000, true},
      {P::Ausdruck, &f.Edit_width, "Textfenster Breite", 0, 10000, true},
      {P::Ausdruck, &f.Edit_height, Oem("Textfenster Höhe"), 0, 10000, true},
      {P::Einstellungen, &f.SpinEdit_dezimalstellen, "Anzahl der Dezimalstellen", 1, 9, true},
  };
  for (const ConfigLayerRow& row : f.StringGrid_layer) {
    fields.push_back({P::Cad, &row.colour, TrimBlanks(row.caption) + " Farbe", 1, 255, true});
    fields.push_back({P::Cad, &row.thickness, TrimBlanks(row.caption) + Oem(" Strichstärke"), 1, 255, true});
  }
  for (const ConfigColourRow& row : f.StringGrid_color)
    fields.push_back({P::Farbe, &row.thickness, row.caption + Oem(" Strichstärke"), 1, 255, true});
  return fields;
}

bool Accepts(const NumberField& field) {
  long double value = 0;
  if (!ParseReal(*field.text, value)) return false;
  if (field.whole && value != std::floor(value)) return false;
  return value >= field.lower && value <= field.upper;
}

// Texts of the fields already checked.
long double Real(const std::string& text) {
  long double value = 0;
  ParseReal(text, value);
  return value;
}
int Whole(const std::string& text) { return static_cast<int>(std::lround(static_cast<double>(Real(text)))); }
// A factor that is 0 (or too small to mean anything) takes the replacement.
long double FactorOr(const std::string& text, long double smallest, long double replacement) {
  long double value = Real(text);
  return value < smallest ? replacement : value;
}
int PercentOr100(const std::string& text) {
  int value = Whole(text);
  return value < 10 ? 100 : value;
}

std::string ColourRowCaption(int layer, int colour) {
  const auto& names = AcadColourNames();
  std::string name = colour >= 1 && colour <= kAcadNamedColours ? names[static_cast<size_t>(colour - 1)]
                                                                 : std::to_string(colour);
  return Oem("Farbe für Layer ") + std::to_string(layer) + " (" + name + ")";
}

int LayerOfRow(int row) { return kLayerRows - row; }

const std::array<const char*, kLayerRows>& LayerRowCaptions() {
  static const std::array<const char*, kLayerRows> captions = {
      "Ausgezogene  Linie   0.50 mm", "Ausgezogene  Linie   0.35 mm", "Ausgezogene  Linie   0.25 mm",
      "Gestrichelte Linie   0.25 mm", "Mittellinie          0.25 mm"};
  return captions;
}

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

const char* ConfigPageCaption(ConfigPage page) {
  static const std::array<const char*, kConfigPages> captions = {
      "Directories", "Grafik", "CAD", "Farbe", "Drucker", "Ausdruck", "Einstellungen", "Extern", "Zeichnung"};
  return captions[static_cast<size_t>(page)];
}

Tconfig::Tconfig(Context& context) : context_(context) {
  Edit_dirworking = context.state.startupDirectory;
  std::string user = context.platform.GetEnvironment("USERNAME");
  Label_user = "User: " + (user.empty() ? context.platform.GetEnvironment("USER") : user);
  titleCaption = std::string("VORTANE ") + kProgramName + " V" + kProgramVersion + " ?";
  fileNameCaption = "file name " + context.state.currentFileName.substr(0, 50) + " ?";
  DateTime now = context.clock.Now();
  dateCaption = context.Today() + " " + TwoDigits(now.hour) + ":" + TwoDigits(now.minute) + ":" +
                TwoDigits(now.second) + " ?";
  for (int row = 0; row < kLayerRows; ++row) StringGrid_layer[static_cast<size_t>(row)].caption = LayerRowCaptions()[row];
  Fill(context.config);
}

std::string Tconfig::Number(long double value) const { return FormatSignificant(value, context_.Numbers()); }

void Tconfig::Fill(const Configuration& c) {
  Edit_dirdbf = c.dbfDirectory;
  Edit_direxe = c.programDirectory;
  Edit_dirplt = c.pltDirectory;
  Edit_dirtemp = c.tempDirectory;
  Edit_diredi = c.ediDirectory;
  Edit_dirdata = c.defaultDataDirectory;
  Edit_dircad = c.cadDirectory;

  RadioGroup_bildschirmgrafik = c.colourGraphics ? 0 : 1;
  Edit_x = std::to_string(c.resolutionX + 1);
  Edit_y = std::to_string(c.resolutionY + 1);
  Edit_font = c.graphicsFont;
  graphicsFontStyle = c.graphicsFontStyle;
  Edit_textbreitenfaktor = Number(c.graphicsTextWidthFactor);
  Edit_texthoehenfaktor = Number(c.textHeightFactor);
  backgroundColour = c.backgroundColour;
  Edit_zoomfaktor = Number(c.zoomFactor);
  Edit_panfaktor = Number(c.panFactor);
  CheckBox_umrandung = c.printBorder;
  SpinEdit_dialogfenster = std::to_string(c.inputWindowScale);
  SpinEdit_dialogelemente = std::to_string(c.dialogElementScale);
  CheckBox_3dxyz = c.edit3dAngles;
  Edit_3dx = Number(c.view3dX * kDegreesPerRadian);
  Edit_3dy = Number(c.view3dY * kDegreesPerRadian);
  Edit_3dz = Number(c.view3dZ * kDegreesPerRadian);

  for (int row = 0; row < kLayerRows; ++row) {
    const LayerStyle& layer = c.layers[static_cast<size_t>(LayerOfRow(row))];
    ConfigLayerRow& shown = StringGrid_layer[static_cast<size_t>(row)];
    shown.name = layer.name;
    shown.colour = std::to_string(layer.colour);
    shown.thickness = std::to_string(layer.thickness);
  }
  CheckBox_layermonochrom = c.layerMonochrome;
  CheckBox_layerfarbenSvgPdf = c.pageLayerColours;
  Edit_cadfont = c.cadTextStyle;
  Edit_cadtextbreite = Number(c.cadTextWidthFactor);
  Edit_cadtextwinkel = Number(c.cadTextAngle);
  CheckBox_diagrammgrenzen = c.askDiagramLimits;
  Edit_freigabefeld = c.releaseCaption;
  SpinEdit_dxfdec = std::to_string(c.cadDecimals);
  radiogroupcadtexttyp = std::clamp(c.cadTextMode, 1, 3) - 1;
  Edit_massfaktorconfig = Number(c.dimensionFactor);

  for (int k = 0; k < kDrawingLayers; ++k) {
    ConfigColourRow& row = StringGrid_color[static_cast<size_t>(k)];
    row.colour = c.drawingLayerColours[static_cast<size_t>(k)];
    row.caption = ColourRowCaption(kFirstDrawingLayer + k, row.colour);
    row.thickness = std::to_string(c.drawingLayerThicknesses[static_cast<size_t>(k)]);
  }

  Edit_printscale = Number(c.printScale);
  Edit_printscaley = Number(c.printScaleVertical);
  Edit_printxorigin = std::to_string(c.printOriginX);
  Edit_printyorigin = std::to_string(c.printOriginY);
  RadioGroup_printmono = std::clamp(c.printColourMode, 1, 2) - 1;
  RadioGroup_orientation = std::clamp(c.printOrientation, 1, 2) - 1;
  CheckBox_printerDialogbox = c.printDialog;

  RadioGroup_lpt = std::clamp(c.printerPort, 1, 4) - 1;
  RadioGroup_trenn = std::clamp(c.separatorStyle, 1, 4) - 1;
  SpinEdit_linesperpage = std::to_string(c.linesPerPage);
  SpinEdit_spacelines = std::to_string(c.headerSpaceLines);
  RadioGroup_date = std::clamp(c.dateCode, 1, 4) - 1;
  CheckBox_ausdruckshowdialog = c.askTextDevice;
  ComboBox_ausdruckdefault = TextTargetChoices()[static_cast<size_t>(std::clamp(c.textDevice, 1, 7) - 1)];
  Edit_left = std::to_string(c.textWindowLeft);
  Edit_top = std::to_string(c.textWindowTop);
  Edit_width = std::to_string(c.textWindowWidth);
  Edit_height = std::to_string(c.textWindowHeight);
  RadioGroup_unit = std::clamp(c.units, 0, 1);
  RadioGroup_ausgrad = std::clamp(c.angleOutput, 1, 2) - 1;
  RadioGroup_ff = std::clamp(c.printoutHeader, 1, 2) - 1;
  Label_courier = c.textFontPrintout;
  printoutFontSize = c.textSizePrintout;
  printoutFontStyle = c.textStylePrintout;

  RadioGroup_hilfegrad = std::clamp(c.helpLevel, 0, 2);
  RadioGroup_punktkomma = std::clamp(c.decimalSeparator, 1, 2) - 1;
  RadioGroup_ExcelDot = std::clamp(c.spreadsheetDecimalSeparator, 1, 2) - 1;
  SpinEdit_dezimalstellen = std::to_string(c.decimals);
  CheckBox_usereingabe = c.userMode;
  CheckBox_archivmode = c.archiveMode;
  RadioGroup_chars = std::clamp(c.specialCharacters, 0, 1);
  RadioGroup_ergebnisgrafik = std::clamp(c.resultGraphic, 0, 5);
  ListBox_penplot = c.plotCommands;
  plotCommandCount = c.plotCommandCount;

  Edit_externtxt = c.textProgram;
  Edit_externhtml = c.htmlBrowser;

  CheckBox_zeichvortanetitel = !c.titleBlockWithoutTitle;
  CheckBox_zeichfilename = !c.titleBlockWithoutFileName;
  CheckBox_zeichdatum = !c.titleBlockWithoutDate;
  CheckBox_zeichlogo = !c.titleBlockWithoutLogo;
}

bool Tconfig::CheckNumbers() {
  for (const NumberField& field : NumberFields(*this)) {
    if (Accepts(field)) continue;
    page = field.page;
    refusedField = field.text;
    context_.ui.Beep();
    context_.ui.MessageBox(kProgramName, field.label + ": " + Oem("Gültiger Wertebereich: ") + Number(field.lower) +
                                             " .. " + Number(field.upper) + " !");
    return false;
  }
  return true;
}

void Tconfig::TakeWindowSize(Configuration& c) const {
  int x = std::clamp(Whole(Edit_x) - 1, 0, kLargestClientSize);
  int y = std::clamp(Whole(Edit_y) - 1, 0, kLargestClientSize);
  c.resolutionX = x != 0 ? x : metrics.screenWidth + metrics.dialogClientWidth - metrics.dialogWidth;
  c.resolutionY = y != 0 ? y : metrics.screenHeight + metrics.dialogClientHeight - metrics.dialogHeight;
}

bool Tconfig::TakeOver(Configuration& c) {
  if (!CheckNumbers()) return false;
  c.dbfDirectory = Edit_dirdbf;
  c.programDirectory = Edit_direxe;
  c.pltDirectory = Edit_dirplt;
  c.tempDirectory = Edit_dirtemp;
  c.ediDirectory = Edit_diredi;
  c.defaultDataDirectory = Edit_dirdata;
  c.cadDirectory = Edit_dircad;

  c.colourGraphics = RadioGroup_bildschirmgrafik == 0;
  TakeWindowSize(c);
  c.graphicsFont = Edit_font.substr(0, kFontNameLength);
  c.graphicsFontStyle = graphicsFontStyle;
  c.graphicsTextWidthFactor = FactorOr(Edit_textbreitenfaktor, 0.01L, 1.0L);
  c.textHeightFactor = FactorOr(Edit_texthoehenfaktor, 0.1L, 1.0L);
  c.backgroundColour = backgroundColour;
  c.zoomFactor = FactorOr(Edit_zoomfaktor, 0.01L, 1.0L);
  c.panFactor = Real(Edit_panfaktor);
  c.printBorder = CheckBox_umrandung;
  c.inputWindowScale = PercentOr100(SpinEdit_dialogfenster);
  c.dialogElementScale = PercentOr100(SpinEdit_dialogelemente);
  c.edit3dAngles = CheckBox_3dxyz;
  c.view3dX = Real(Edit_3dx) / kDegreesPerRadian;
  c.view3dY = Real(Edit_3dy) / kDegreesPerRadian;
  c.view3dZ = Real(Edit_3dz) / kDegreesPerRadian;

  for (int row = 0; row < kLayerRows; ++row) {
    const ConfigLayerRow& shown = StringGrid_layer[static_cast<size_t>(row)];
    LayerStyle& layer = c.layers[static_cast<size_t>(LayerOfRow(row))];
    layer.name = shown.name.substr(0, kLayerNameLength);
    layer.colour = Whole(shown.colour);
    layer.thickness = Whole(shown.thickness);
  }
  c.layerMonochrome = CheckBox_layermonochrom;
  c.pageLayerColours = CheckBox_layerfarbenSvgPdf;
  c.cadTextStyle = Edit_cadfont.substr(0, kLayerNameLength);
  c.cadTextWidthFactor = FactorOr(Edit_cadtextbreite, 0.01L, 1.0L);
  c.cadTextAngle = Real(Edit_cadtextwinkel);
  c.askDiagramLimits = CheckBox_diagrammgrenzen;
  c.releaseCaption = Edit_freigabefeld;
  c.cadDecimals = Whole(SpinEdit_dxfdec);
  c.cadTextMode = radiogroupcadtexttyp + 1;
  c.dimensionFactor = FactorOr(Edit_massfaktorconfig, 0.01L, 1.0L);

  for (int k = 0; k < kDrawingLayers; ++k) {
    c.drawingLayerColours[static_cast<size_t>(k)] = StringGrid_color[static_cast<size_t>(k)].colour;
    c.drawingLayerThicknesses[static_cast<size_t>(k)] = Whole(StringGrid_color[static_cast<size_t>(k)].thickness);
  }

  c.printScale = Real(Edit_printscale);
  c.printScaleVertical = Real(Edit_printscaley);
  c.printOriginX = Whole(Edit_printxorigin);
  c.printOriginY = Whole(Edit_printyorigin);
  c.printColourMode = RadioGroup_printmono + 1;
  c.printOrientation = RadioGroup_orientation + 1;
  c.printDialog = CheckBox_printerDialogbox;

  c.printerPort = RadioGroup_lpt + 1;
  c.separatorStyle = RadioGroup_trenn + 1;
  c.linesPerPage = Whole(SpinEdit_linesperpage);
  c.headerSpaceLines = Whole(SpinEdit_spacelines);
  c.dateCode = RadioGroup_date + 1;
  c.askTextDevice = CheckBox_ausdruckshowdialog;
  const auto& targets = TextTargetChoices();
  auto target = std::find(targets.begin(), targets.end(), ComboBox_ausdruckdefault);
  if (target != targets.end()) c.textDevice = static_cast<int>(target - targets.begin()) + 1;
  c.textWindowLeft = Whole(Edit_left);
  c.textWindowTop = Whole(Edit_top);
  c.textWindowWidth = Whole(Edit_width);
  c.textWindowHeight = Whole(Edit_height);
  c.units = RadioGroup_unit;
  c.angleOutput = RadioGroup_ausgrad + 1;
  c.printoutHeader = RadioGroup_ff + 1;
  c.textFontPrintout = Label_courier.substr(0, kFontNameLength);
  c.textSizePrintout = printoutFontSize;
  c.textStylePrintout = printoutFontStyle;

  c.helpLevel = RadioGroup_hilfegrad;
  c.decimalSeparator = RadioGroup_punktkomma + 1;
  c.spreadsheetDecimalSeparator = RadioGroup_ExcelDot + 1;
  c.decimals = Whole(SpinEdit_dezimalstellen);
  c.userMode = CheckBox_usereingabe;
  c.archiveMode = CheckBox_archivmode;
  c.specialCharacters = RadioGroup_chars;
  c.resultGraphic = RadioGroup_ergebnisgrafik;
  c.plotCommands = ListBox_penplot;
  c.plotCommandCount = std::clamp(plotCommandCount, 1, kPlotCommandLines);

  c.textProgram = Edit_externtxt;
  c.htmlBrowser = Edit_externhtml;

  c.titleBlockWithoutTitle = !CheckBox_zeichvortanetitel;
  c.titleBlockWithoutFileName = !CheckBox_zeichfilename;
  c.titleBlockWithoutDate = !CheckBox_zeichdatum;
  c.titleBlockWithoutLogo = !CheckBox_zeichlogo;
  return true;
}

void Tconfig::ChooseDrawingLayerColour(int row) {
  ConfigColourRow& shown = StringGrid_color[static_cast<size_t>(row)];
  if (AskColour(context_, shown.colour)) shown.caption = ColourRowCaption(kFirstDrawingLayer + row, shown.colour);
  context_.state.cancel = false;
}

bool Tconfig::Button_okClick() {
  Configuration taken = context_.config;
  if (!TakeOver(taken)) return false;
  context_.config = taken;
  if (resizeMainWindow) resizeMainWindow(taken.resolutionX + 1, taken.resolutionY + 1);
  return true;
}

}  // namespace kalo
