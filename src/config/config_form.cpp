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

// A radio group lists a setting's codes in order, the first code as its first button.
template <class E>
int RadioIndex(E value, E first) {
  return static_cast<int>(value) - static_cast<int>(first);
}
template <class E>
E RadioChoice(int index, E first) {
  return static_cast<E>(index + static_cast<int>(first));
}

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

std::vector<NumberField> NumberFields(const SettingsForm& f) {
  using P = ConfigPage;
  std::vector<NumberField> fields = {
      {P::Graphics, &f.clientWidth, Oem("Fenstergröße x"), 0, kLargestClientSize + 1, true},
      {P::Graphics, &f.clientHeight, Oem("Fenstergröße y"), 0, kLargestClientSize + 1, true},
      {P::Graphics, &f.graphicsTextWidthFactor, "Textbreitenfaktor", 0, 100, false},
      {P::Graphics, &f.textHeightFactor, Oem("Texthöhenfaktor"), 0, 100, false},
      {P::Graphics, &f.zoomFactor, "Zoomfaktor", 0, 100, false},
      {P::Graphics, &f.panFactor, "Pan-Faktor", 0.01L, 1, false},
      {P::Graphics, &f.inputWindowScale, Oem("Dialogfenster Größe %"), 0, 1000, true},
      {P::Graphics, &f.dialogElementScale, Oem("Dialogelemente Größe %"), 0, 1000, true},
      {P::Graphics, &f.view3dX, "3D x", -360, 360, false},
      {P::Graphics, &f.view3dY, "3D y", -360, 360, false},
      {P::Graphics, &f.view3dZ, "3D z", -360, 360, false},
      {P::Cad, &f.cadTextWidthFactor, "CAD Textbreitenfaktor", 0, 100, false},
      {P::Cad, &f.cadTextAngle, "CAD Textwinkel", -360, 360, false},
      {P::Cad, &f.cadDecimals, "Anzahl der Dezimalstellen DXF, TXT", 1, 32, true},
      {P::Cad, &f.dimensionFactor, Oem("Größenfaktor Bemaßung"), 0, 1.0E6L, false},
      {P::Printer, &f.printScale, Oem("Maßstab x"), 0.0001L, 1000, false},
      {P::Printer, &f.printScaleVertical, Oem("Maßstab y"), 0.0001L, 1000, false},
      {P::Printer, &f.printOriginX, "Ursprung x", -10000, 10000, true},
      {P::Printer, &f.printOriginY, "Ursprung y", -10000, 10000, true},
      {P::Printout, &f.linesPerPage, "Max. Anzahl Zeilen/Seite auf dem Ausdruck", 5, 999, true},
      {P::Printout, &f.headerSpaceLines, "Leerzeilen am Seitenanfang", 0, 30, true},
      {P::Printout, &f.textWindowLeft, "Textfenster links", -10000, 10000, true},
      {P::Printout, &f.textWindowTop, "Textfenster oben", -10000, 10000, true},
      {P::Printout, &f.textWindowWidth, "Textfenster Breite", 0, 10000, true},
      {P::Printout, &f.textWindowHeight, Oem("Textfenster Höhe"), 0, 10000, true},
      {P::Preferences, &f.decimals, "Anzahl der Dezimalstellen", 1, 9, true},
  };
  for (const ConfigLayerRow& row : f.layerRows) {
    fields.push_back({P::Cad, &row.colour, TrimBlanks(row.caption) + " Farbe", 1, 255, true});
    fields.push_back({P::Cad, &row.thickness, TrimBlanks(row.caption) + Oem(" Strichstärke"), 1, 255, true});
  }
  for (const ConfigColourRow& row : f.colourRows)
    fields.push_back({P::Colours, &row.thickness, row.caption + Oem(" Strichstärke"), 1, 255, true});
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

SettingsForm::SettingsForm(Context& context) : context_(context) {
  workingDirectory = context.state.startupDirectory;
  std::string user = context.platform.GetEnvironment("USERNAME");
  userName = "User: " + (user.empty() ? context.platform.GetEnvironment("USER") : user);
  titleCaption = std::string("VORTANE ") + kProgramName + " V" + kProgramVersion + " ?";
  fileNameCaption = "file name " + context.state.currentFileName.substr(0, 50) + " ?";
  DateTime now = context.clock.Now();
  dateCaption = context.Today() + " " + TwoDigits(now.hour) + ":" + TwoDigits(now.minute) + ":" +
                TwoDigits(now.second) + " ?";
  for (int row = 0; row < kLayerRows; ++row) layerRows[static_cast<size_t>(row)].caption = LayerRowCaptions()[row];
  Fill(context.config);
}

std::string SettingsForm::Number(long double value) const { return FormatSignificant(value, context_.Numbers()); }

void SettingsForm::Fill(const Configuration& c) {
  dbfDirectory = c.dbfDirectory;
  programDirectory = c.programDirectory;
  pltDirectory = c.pltDirectory;
  tempDirectory = c.tempDirectory;
  ediDirectory = c.ediDirectory;
  dataDirectory = c.defaultDataDirectory;
  cadDirectory = c.cadDirectory;

  screenGraphicsChoice = c.colourGraphics ? 0 : 1;
  clientWidth = std::to_string(c.resolutionX + 1);
  clientHeight = std::to_string(c.resolutionY + 1);
  graphicsFont = c.graphicsFont;
  graphicsFontStyle = c.graphicsFontStyle;
  graphicsTextWidthFactor = Number(c.graphicsTextWidthFactor);
  textHeightFactor = Number(c.textHeightFactor);
  backgroundColour = c.backgroundColour;
  zoomFactor = Number(c.zoomFactor);
  panFactor = Number(c.panFactor);
  border = c.printBorder;
  inputWindowScale = std::to_string(c.inputWindowScale);
  dialogElementScale = std::to_string(c.dialogElementScale);
  edit3dAngles = c.edit3dAngles;
  view3dX = Number(c.view3dX * kDegreesPerRadian);
  view3dY = Number(c.view3dY * kDegreesPerRadian);
  view3dZ = Number(c.view3dZ * kDegreesPerRadian);

  for (int row = 0; row < kLayerRows; ++row) {
    const LayerStyle& layer = c.layers[static_cast<size_t>(LayerOfRow(row))];
    ConfigLayerRow& shown = layerRows[static_cast<size_t>(row)];
    shown.name = layer.name;
    shown.colour = std::to_string(layer.colour);
    shown.thickness = std::to_string(layer.thickness);
  }
  layerMonochrome = c.layerMonochrome;
  pageLayerColours = c.pageLayerColours;
  cadTextStyle = c.cadTextStyle;
  cadTextWidthFactor = Number(c.cadTextWidthFactor);
  cadTextAngle = Number(c.cadTextAngle);
  askDiagramLimits = c.askDiagramLimits;
  releaseCaption = c.releaseCaption;
  cadDecimals = std::to_string(c.cadDecimals);
  cadTextModeChoice = RadioIndex(c.cadTextMode, CadTextMode::Oem);
  dimensionFactor = Number(c.dimensionFactor);

  for (int k = 0; k < kDrawingLayers; ++k) {
    ConfigColourRow& row = colourRows[static_cast<size_t>(k)];
    row.colour = c.drawingLayerColours[static_cast<size_t>(k)];
    row.caption = ColourRowCaption(kFirstDrawingLayer + k, row.colour);
    row.thickness = std::to_string(c.drawingLayerThicknesses[static_cast<size_t>(k)]);
  }

  printScale = Number(c.printScale);
  printScaleVertical = Number(c.printScaleVertical);
  printOriginX = std::to_string(c.printOriginX);
  printOriginY = std::to_string(c.printOriginY);
  printColoursChoice = RadioIndex(c.printColourMode, PrintColours::Mono);
  orientationChoice = RadioIndex(c.printOrientation, PageOrientation::Portrait);
  printDialog = c.printDialog;

  printerPortChoice = std::clamp(c.printerPort, 1, 4) - 1;
  separatorChoice = RadioIndex(c.separatorStyle, SeparatorStyle::Ascii);
  linesPerPage = std::to_string(c.linesPerPage);
  headerSpaceLines = std::to_string(c.headerSpaceLines);
  dateChoice = RadioIndex(c.dateCode, DateCode::DottedDayMonthYear);
  askTextDevice = c.askTextDevice;
  // The file's own targets (DOS file, batch) show as the last target offered.
  const int offered = static_cast<int>(TextTargetChoices().size());
  textDevice = TextTargetChoices()[static_cast<size_t>(std::clamp(RadioIndex(c.textDevice, kTargetScreen), 0, offered - 1))];
  textWindowLeft = std::to_string(c.textWindowLeft);
  textWindowTop = std::to_string(c.textWindowTop);
  textWindowWidth = std::to_string(c.textWindowWidth);
  textWindowHeight = std::to_string(c.textWindowHeight);
  unitsChoice = RadioIndex(c.units, UnitSetting::Metric);
  angleOutputChoice = RadioIndex(c.angleOutput, AngleOutput::DecimalDegrees);
  printoutHeaderChoice = RadioIndex(c.printoutHeader, PrintoutHeader::EveryPage);
  printoutFont = c.textFontPrintout;
  printoutFontSize = c.textSizePrintout;
  printoutFontStyle = c.textStylePrintout;

  helpLevelChoice = RadioIndex(c.helpLevel, HelpLevel::NoInfo);
  decimalSeparatorChoice = RadioIndex(c.decimalSeparator, DecimalSeparator::Dot);
  spreadsheetSeparatorChoice = RadioIndex(c.spreadsheetDecimalSeparator, DecimalSeparator::Dot);
  decimals = std::to_string(c.decimals);
  userMode = c.userMode;
  archiveMode = c.archiveMode;
  specialCharactersChoice = RadioIndex(c.specialCharacters, SpecialCharacters::Symbols);
  resultGraphicChoice = RadioIndex(c.resultGraphic, ResultGraphic::Any);
  plotCommands = c.plotCommands;
  plotCommandCount = c.plotCommandCount;

  textProgram = c.textProgram;
  htmlBrowser = c.htmlBrowser;

  showTitle = !c.titleBlockWithoutTitle;
  showFileName = !c.titleBlockWithoutFileName;
  showDate = !c.titleBlockWithoutDate;
  showLogo = !c.titleBlockWithoutLogo;
}

bool SettingsForm::CheckNumbers() {
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

void SettingsForm::TakeWindowSize(Configuration& c) const {
  int x = std::clamp(Whole(clientWidth) - 1, 0, kLargestClientSize);
  int y = std::clamp(Whole(clientHeight) - 1, 0, kLargestClientSize);
  c.resolutionX = x != 0 ? x : metrics.screenWidth + metrics.dialogClientWidth - metrics.dialogWidth;
  c.resolutionY = y != 0 ? y : metrics.screenHeight + metrics.dialogClientHeight - metrics.dialogHeight;
}

bool SettingsForm::TakeOver(Configuration& c) {
  if (!CheckNumbers()) return false;
  c.dbfDirectory = dbfDirectory;
  c.programDirectory = programDirectory;
  c.pltDirectory = pltDirectory;
  c.tempDirectory = tempDirectory;
  c.ediDirectory = ediDirectory;
  c.defaultDataDirectory = dataDirectory;
  c.cadDirectory = cadDirectory;

  c.colourGraphics = screenGraphicsChoice == 0;
  TakeWindowSize(c);
  c.graphicsFont = graphicsFont.substr(0, kFontNameLength);
  c.graphicsFontStyle = graphicsFontStyle;
  c.graphicsTextWidthFactor = FactorOr(graphicsTextWidthFactor, 0.01L, 1.0L);
  c.textHeightFactor = FactorOr(textHeightFactor, 0.1L, 1.0L);
  c.backgroundColour = backgroundColour;
  c.zoomFactor = FactorOr(zoomFactor, 0.01L, 1.0L);
  c.panFactor = Real(panFactor);
  c.printBorder = border;
  c.inputWindowScale = PercentOr100(inputWindowScale);
  c.dialogElementScale = PercentOr100(dialogElementScale);
  c.edit3dAngles = edit3dAngles;
  c.view3dX = Real(view3dX) / kDegreesPerRadian;
  c.view3dY = Real(view3dY) / kDegreesPerRadian;
  c.view3dZ = Real(view3dZ) / kDegreesPerRadian;

  for (int row = 0; row < kLayerRows; ++row) {
    const ConfigLayerRow& shown = layerRows[static_cast<size_t>(row)];
    LayerStyle& layer = c.layers[static_cast<size_t>(LayerOfRow(row))];
    layer.name = shown.name.substr(0, kLayerNameLength);
    layer.colour = Whole(shown.colour);
    layer.thickness = Whole(shown.thickness);
  }
  c.layerMonochrome = layerMonochrome;
  c.pageLayerColours = pageLayerColours;
  c.cadTextStyle = cadTextStyle.substr(0, kLayerNameLength);
  c.cadTextWidthFactor = FactorOr(cadTextWidthFactor, 0.01L, 1.0L);
  c.cadTextAngle = Real(cadTextAngle);
  c.askDiagramLimits = askDiagramLimits;
  c.releaseCaption = releaseCaption;
  c.cadDecimals = Whole(cadDecimals);
  c.cadTextMode = RadioChoice(cadTextModeChoice, CadTextMode::Oem);
  c.dimensionFactor = FactorOr(dimensionFactor, 0.01L, 1.0L);

  for (int k = 0; k < kDrawingLayers; ++k) {
    c.drawingLayerColours[static_cast<size_t>(k)] = colourRows[static_cast<size_t>(k)].colour;
    c.drawingLayerThicknesses[static_cast<size_t>(k)] = Whole(colourRows[static_cast<size_t>(k)].thickness);
  }

  c.printScale = Real(printScale);
  c.printScaleVertical = Real(printScaleVertical);
  c.printOriginX = Whole(printOriginX);
  c.printOriginY = Whole(printOriginY);
  c.printColourMode = RadioChoice(printColoursChoice, PrintColours::Mono);
  c.printOrientation = RadioChoice(orientationChoice, PageOrientation::Portrait);
  c.printDialog = printDialog;

  c.printerPort = printerPortChoice + 1;
  c.separatorStyle = RadioChoice(separatorChoice, SeparatorStyle::Ascii);
  c.linesPerPage = Whole(linesPerPage);
  c.headerSpaceLines = Whole(headerSpaceLines);
  c.dateCode = RadioChoice(dateChoice, DateCode::DottedDayMonthYear);
  c.askTextDevice = askTextDevice;
  const auto& targets = TextTargetChoices();
  auto target = std::find(targets.begin(), targets.end(), textDevice);
  if (target != targets.end()) c.textDevice = RadioChoice(static_cast<int>(target - targets.begin()), kTargetScreen);
  c.textWindowLeft = Whole(textWindowLeft);
  c.textWindowTop = Whole(textWindowTop);
  c.textWindowWidth = Whole(textWindowWidth);
  c.textWindowHeight = Whole(textWindowHeight);
  c.units = RadioChoice(unitsChoice, UnitSetting::Metric);
  c.angleOutput = RadioChoice(angleOutputChoice, AngleOutput::DecimalDegrees);
  c.printoutHeader = RadioChoice(printoutHeaderChoice, PrintoutHeader::EveryPage);
  c.textFontPrintout = printoutFont.substr(0, kFontNameLength);
  c.textSizePrintout = printoutFontSize;
  c.textStylePrintout = printoutFontStyle;

  c.helpLevel = RadioChoice(helpLevelChoice, HelpLevel::NoInfo);
  c.decimalSeparator = RadioChoice(decimalSeparatorChoice, DecimalSeparator::Dot);
  c.spreadsheetDecimalSeparator = RadioChoice(spreadsheetSeparatorChoice, DecimalSeparator::Dot);
  c.decimals = Whole(decimals);
  c.userMode = userMode;
  c.archiveMode = archiveMode;
  c.specialCharacters = RadioChoice(specialCharactersChoice, SpecialCharacters::Symbols);
  c.resultGraphic = RadioChoice(resultGraphicChoice, ResultGraphic::Any);
  c.plotCommands = plotCommands;
  c.plotCommandCount = std::clamp(plotCommandCount, 1, kPlotCommandLines);

  c.textProgram = textProgram;
  c.htmlBrowser = htmlBrowser;

  c.titleBlockWithoutTitle = !showTitle;
  c.titleBlockWithoutFileName = !showFileName;
  c.titleBlockWithoutDate = !showDate;
  c.titleBlockWithoutLogo = !showLogo;
  return true;
}

void SettingsForm::ChooseDrawingLayerColour(int row) {
  ConfigColourRow& shown = colourRows[static_cast<size_t>(row)];
  if (AskColour(context_, shown.colour)) shown.caption = ColourRowCaption(kFirstDrawingLayer + row, shown.colour);
  context_.state.cancel = false;
}

bool SettingsForm::OkClick() {
  Configuration taken = context_.config;
  if (!TakeOver(taken)) return false;
  context_.config = taken;
  if (resizeMainWindow) resizeMainWindow(taken.resolutionX + 1, taken.resolutionY + 1);
  return true;
}

}  // namespace kalo
