#include "config/configuration_lines.h"

#include <algorithm>
#include <numbers>

#include "config/config_values.h"
#include "context/context.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

// Every number read keeps to the range its setting can mean; outside it the setting takes
// its replacement, which is its initial value unless the file's own rule names another.
constexpr int kLowestColour = 1, kHighestColour = 255;      // AutoCAD colour indexes
constexpr int kThinnestLine = 1, kThickestLine = 255;
constexpr long double kSmallestFactor = 0.01L, kLargestFactor = 100;  // width and size factors
constexpr long double kSmallestScale = 0.0001L, kLargestScale = 1000;  // printout scales
constexpr long double kFullTurnDegrees = 360;
constexpr long double kFullTurnRadians = 2 * std::numbers::pi_v<long double>;

template <class T>
bool Within(T value, T low, T high) {
  return value >= low && value <= high;
}
template <class T>
auto OutsideTo(T low, T high, T replacement) {
  return [=](T v) { return Within(v, low, high) ? v : replacement; };
}
auto ColourOr(int replacement) { return OutsideTo(kLowestColour, kHighestColour, replacement); }
auto LineThickness() { return OutsideTo(kThinnestLine, kThickestLine, kThinnestLine); }
auto FactorOr(long double replacement) { return OutsideTo(kSmallestFactor, kLargestFactor, replacement); }
auto TurnOr(long double replacement) { return OutsideTo(-kFullTurnRadians, kFullTurnRadians, replacement); }
auto NameOr(size_t length, const std::string& fallback) {
  return [=](const std::string& v) { return DecodeName(v, length, fallback); };
}
auto TableNameOr(const std::string& fallback) {
  return [=](const std::string& v) { return DecodeTableName(v, kLayerNameLength, fallback); };
}
std::string StoredPath(const std::string& v) { return PathFromStoredFile(v); }

const Configuration& Initial() {
  static const Configuration initial;
  return initial;
}

class ConfigurationWalk {
 public:
  ConfigurationWalk(LineChannel& lines, Configuration& config, const ConfigurationFileNames& names)
      : lines_(lines), c_(config), names_(names) {}

  // Files written by older versions end at one of the points checked with AtStop().
  ConfigurationEnd Run() {
    Heading();
    CadLayersAndDirectories();
    Row("Druckerschnittstelle", c_.printerPort, OutsideTo(1, 4, 1));
    if (AtStop()) return ConfigurationEnd::EarlyStop;
    Row("Druckertyp", c_.printerType);
    if (AtStop()) return ConfigurationEnd::EarlyStop;
    PrinterDetails();
    if (AtStop()) return ConfigurationEnd::EarlyStop;
    ScreenGraphics();
    if (AtStop()) return ConfigurationEnd::EarlyStop;
    TextOutputAndDirectories();
    if (AtStop()) return ConfigurationEnd::LateStop;
    PlotCommandLine();
    if (AtStop()) return ConfigurationEnd::LateStop;
    Row("Hintergrundfarbe", c_.backgroundColour, OutsideTo(0, 0xFFFFFF, Initial().backgroundColour));
    if (AtStop()) return ConfigurationEnd::LateStop;
    CodedRow("Windows-Druckmodus (1=mono 2=color)", c_.printColourMode, PrintColours::Mono, PrintColours::Colour,
             PrintColours::Mono);
    if (AtStop()) return ConfigurationEnd::LateStop;
    Row("Layer Monochrom", c_.layerMonochrome);
    if (AtStop()) return ConfigurationEnd::MonochromeStop;
    Row("Textbreitenfaktor Grafik", c_.graphicsTextWidthFactor, FactorOr(0.8L));
    Row("Textstil Grafik", c_.graphicsFont, NameOr(kFontNameLength, Initial().graphicsFont));
    if (AtStop()) return ConfigurationEnd::LateStop;
    for (int k = 0; k < kDrawingLayers; ++k)
      Row("Color Layer " + std::to_string(kFirstDrawingLayer + k), c_.drawingLayerColours[k], ColourOr(1));
    if (AtStop()) return ConfigurationEnd::LateStop;
    ExternalPrograms();
    if (AtStop()) return ConfigurationEnd::LateStop;
    GraphicsPrintout();
    if (AtStop()) return ConfigurationEnd::LateStop;
    Row("Enter Password ?", c_.userMode);
    if (AtStop()) return ConfigurationEnd::LateStop;
    PlotCommandCount();
    Row("Archive Flag ?", c_.archiveMode);
    OptionalRows();
    CodedRow("Dot=1 Komma=2", c_.decimalSeparator, DecimalSeparator::Dot, DecimalSeparator::Comma, DecimalSeparator::Dot);
    DataDirectoryAndScales();
    Row("HTML Browser", c_.htmlBrowser, StoredPath);
    if (AtStop()) return ConfigurationEnd::LateStop;
    PrintoutAndLayers();
    TextWindowAndFonts();
    ViewAndCadSettings();
    LaterSettings();
    return ConfigurationEnd::Complete;
  }

 private:
  void Heading() {
    Line(names_.shortName + " Konfiguration");
    Line(std::string("Version ") + kProgramVersion);
  }

  void CadLayersAndDirectories() {
    for (int k = 1; k < kNamedLayers; ++k) {
      Row("Layer", c_.layers[k].name, TableNameOr(Initial().layers[k].name));
      Row("Farbe", c_.layers[k].colour, ColourOr(Initial().layers[k].colour));
    }
    Row("Textstil CAD", c_.cadTextStyle, TableNameOr(Initial().cadTextStyle));
    Row("Textbreitenfaktor CAD", c_.cadTextWidthFactor, FactorOr(1.0L));
    Row("Textwinkel", c_.cadTextAngle, OutsideTo(-kFullTurnDegrees, kFullTurnDegrees, 0.0L));
    Row("CAD Ordner", c_.cadDirectory, StoredPath);
    Row("DBF Ordner", c_.dbfDirectory, StoredPath);
    CodedRow("Hilfegrad", c_.helpLevel, HelpLevel::NoInfo, HelpLevel::Extended, Initial().helpLevel);
  }

  void PrinterDetails() {
    Row("Druckdichte", c_.printDensity);
    Key(Oem("Hardcopy um 90° gedreht ?"));
    std::string line(1, static_cast<char>(c_.hardcopyRotated));
    if (Value(line)) c_.hardcopyRotated = static_cast<HardcopyRotation>(DecodeCharacter(line));
    Row("Dezimalstellen", c_.decimals, OutsideTo(1, 9, 3));
    Row("Druckdicke vertikal", c_.printThicknessVertical, OutsideTo(1, 4, 1));
  }

  void ScreenGraphics() {
    Row("Farbgrafik", c_.colourGraphics);
    Row("GrafikKorrekturFaktor horizontal", c_.graphicsCorrectionFactor, FactorOr(1.0L));
    Row("Grafik-Mode", c_.graphicsMode);
    Row("Grafik-Treiber", c_.graphicsDriver);
    Row(Oem("Auflösung horizontal"), c_.resolutionX);
    Row(Oem("Auflösung vertikal"), c_.resolutionY);
    Row(Oem("Ordner für temporäre Dateien"), c_.tempDirectory, StoredPath);
    Row("Druckerschnittstelle Hardcopy", c_.hardcopyPort, OutsideTo(1, 4, 1));
  }

  void TextOutputAndDirectories() {
    Row("EDI Ordner", c_.ediDirectory, StoredPath);
    Row("PLT Ordner", c_.pltDirectory, StoredPath);
    CodedRow(Oem("Mode für Textausdruck 1:* 2:-"), c_.separatorStyle, SeparatorStyle::Ascii,
             SeparatorStyle::Compressed, SeparatorStyle::Ascii);
    Row(Oem("Zeilen pro Seite für Drucker"), c_.linesPerPage, OutsideTo(5, 1000, 66));
    Row("Zoomfaktor", c_.zoomFactor, FactorOr(1.02L));
    Row("Pan-Faktor", c_.panFactor, OutsideTo(kSmallestFactor, 1.0L, 0.01L));
    Row("VORTANE-Programmverzeichnis", c_.programDirectory, StoredPath);
  }

  void PlotCommandLine() {
    Key("PENPLOT-Kommandozeile");
    std::string line = c_.plotCommands[0];
    if (Value(line) && !line.empty()) c_.plotCommands[0] = StoredPath(line);
  }

  void ExternalPrograms() {
    Row("Textprogramm", c_.textProgram, StoredPath);
    Row("Datenbank mode", c_.databaseMode);
    Row("externe Datenbank", c_.tableEditor, StoredPath);
  }

  void GraphicsPrintout() {
    Row("Windows Screendump Origin X", c_.printOriginX);
    Row("Windows Screendump Origin Y", c_.printOriginY);
    Key("Windows Screendump Scale");
    if (Value(c_.printScale) && !Within(c_.printScale, kSmallestScale, kLargestScale)) {
      c_.printScale = 1.0L;
      c_.printScaleVertical = 1.0L;
    }
    Row("Windows Screendump Border ?", c_.printBorder);
  }

  // The record holds five lines; lines beyond the fifth in a file are passed over so that
  // every later value is still read from its own line.
  void PlotCommandCount() {
    Key("PENPLOT Command lines (n, line 2 .. line n)");
    int count = std::clamp(c_.plotCommandCount, 1, kPlotCommandLines);
    if (Value(count)) c_.plotCommandCount = std::clamp(count, 1, kPlotCommandLines);
    for (int k = 1; k < count && !lines_.AtEnd(); ++k) {
      std::string passedOver;
      Value(k < kPlotCommandLines ? c_.plotCommands[k] : passedOver, StoredPath);
    }
  }

  // Rows that older files lack: at the end of the file they keep their values, as every
  // value line missing at the end does.
  void OptionalRows() {
    CodedRow("Date Code", c_.dateCode, DateCode::DottedDayMonthYear, DateCode::DayMonthYear,
             DateCode::DottedDayMonthYear);
    Row("Header Space Lines", c_.headerSpaceLines, OutsideTo(0, 30, 0));
    CodedRow("Text Device", c_.textDevice, kTargetScreen, kTargetBatch, kTargetScreen);
    Row("Text Device Window ?", c_.askTextDevice);
    Row("Small Online Window ?", c_.smallOnlineWindow);
    Row("Enter Diagram Limits ?", c_.askDiagramLimits);
  }

  void DataDirectoryAndScales() {
    Row("Default Data Directory", c_.defaultDataDirectory, [this](const std::string& v) {
      return v.empty() ? WithSeparator(names_.startupDirectory) : StoredPath(v);
    });
    Row("Text Height Factor", c_.textHeightFactor, OutsideTo(0.1L, kLargestFactor, 1.0L));
    Row("Input Window Scale %", c_.inputWindowScale, OutsideTo(10, 1000, 100));
  }

  void PrintoutAndLayers() {
    Row("Print Scale Vertical", c_.printScaleVertical, OutsideTo(kSmallestScale, kLargestScale, c_.printScale));
    Key("Line thickness Layer 0..5");
    for (LayerStyle& layer : c_.layers) Value(layer.thickness, LineThickness());
    Row("Graphic Printout Dialog Box ?", c_.printDialog);
  }

  void TextWindowAndFonts() {
    Key("Text window left/top/width/height");
    std::string line = EncodeRectangle({c_.textWindowLeft, c_.textWindowTop, c_.textWindowWidth, c_.textWindowHeight});
    if (Value(line)) {
      WindowRectangle r = DecodeRectangle(line);
      if (r.width != 0 && r.height != 0) {
        c_.textWindowLeft = r.left;
        c_.textWindowTop = r.top;
        c_.textWindowWidth = r.width;
        c_.textWindowHeight = r.height;
      }
    }
    CodedRow("Metric Units=0,  English units=1", c_.units, UnitSetting::Metric, UnitSetting::English,
             UnitSetting::Metric);
    CodedRow("printout with header=1, header page 1 only=2", c_.printoutHeader, PrintoutHeader::EveryPage,
             PrintoutHeader::FirstPageOnly, PrintoutHeader::EveryPage);
    Row("Text Font Printout", c_.textFontPrintout, NameOr(kFontNameLength, Initial().textFontPrintout));
    Row("Text Size Printout", c_.textSizePrintout, OutsideTo(1, 100, 10));
    Row("Text Style Printout", c_.textStylePrintout);
    Row("Text Style Graphics", c_.graphicsFontStyle);
    CodedRow("Printer: Portrait=1, Landscape=2", c_.printOrientation, PageOrientation::Portrait,
             PageOrientation::Landscape, Initial().printOrientation);
  }

  void ViewAndCadSettings() {
    Key("Edit 3D x,y,z ?");
    std::string line = EncodeBoolean(c_.edit3dAngles);
    if (Value(line)) c_.edit3dAngles = DecodeBooleanUnlessFalse(line);
    Key("3D - Default x,y,z");
    Value(c_.view3dX, TurnOr(Initial().view3dX));
    Value(c_.view3dY, TurnOr(Initial().view3dY));
    Value(c_.view3dZ, TurnOr(Initial().view3dZ));
    CodedAsRead(c_.changeIndexStyle);
    Coded(c_.spreadsheetDecimalSeparator, DecimalSeparator::Dot, DecimalSeparator::Comma, DecimalSeparator::Comma);
    Value(c_.releaseCaption);
    Row("Decimals DXF,TXT", c_.cadDecimals, OutsideTo(1, 32, 6));
    CodedRow("CAD Text Mode", c_.cadTextMode, CadTextMode::Oem, CadTextMode::PlainLetters, CadTextMode::Oem);
    Key(Oem("Strichstärke Layer 16..31"));
    for (int& thickness : c_.drawingLayerThicknesses) Value(thickness, LineThickness());
  }

  void LaterSettings() {
    Coded(c_.specialCharacters, SpecialCharacters::Symbols, SpecialCharacters::PlainLetters,
          SpecialCharacters::Symbols);
    Value(c_.dialogElementScale, OutsideTo(10, 1000, 100));
    Coded(c_.angleOutput, AngleOutput::DecimalDegrees, AngleOutput::DegreesMinutesSeconds,
          AngleOutput::DegreesMinutesSeconds);
    Value(c_.dimensionFactor, OutsideTo(1.0E-6L, 1.0E6L, 1.0L));
    Value(c_.reserved);
    Value(c_.language);
    Coded(c_.resultGraphic, ResultGraphic::Any, ResultGraphic::Drawing, ResultGraphic::Any);
    Value(c_.titleBlockWithoutTitle);
    Value(c_.titleBlockWithoutFileName);
    Value(c_.titleBlockWithoutDate);
    Value(c_.titleBlockWithoutLogo);
    Key(Oem("Bögen exakt"));
    std::string exact = EncodeBoolean(c_.exactArcs);
    if (Value(exact)) c_.exactArcs = DecodeYesNo(exact);
    Row("Layerfarben SVG,PDF", c_.pageLayerColours);
  }

  // A key line and its value; the rule is applied to a value read.
  template <class T, class Rule>
  void Row(const std::string& key, T& value, Rule rule) {
    Key(key);
    Value(value, rule);
  }
  template <class T>
  void Row(const std::string& key, T& value) {
    Key(key);
    Value(value);
  }
  template <class E>
  void CodedRow(const std::string& key, E& value, E low, E high, E replacement) {
    Key(key);
    Coded(value, low, high, replacement);
  }
  // A setting stored as its enumerator's number; a number outside low..high reads as the
  // replacement.
  template <class E>
  void Coded(E& value, E low, E high, E replacement) {
    int code = static_cast<int>(value);
    if (Value(code))
      value = Within(code, static_cast<int>(low), static_cast<int>(high)) ? static_cast<E>(code) : replacement;
  }
  // A setting stored as its enumerator's number that keeps any number read, to be written back.
  template <class E>
  void CodedAsRead(E& value) {
    int code = static_cast<int>(value);
    if (Value(code)) value = static_cast<E>(code);
  }

  void Key(const std::string& key) { Line(key); }
  void Line(std::string text) { lines_.Exchange(text); }

  template <class T, class Rule>
  void Value(T& value, Rule rule) {
    if (Value(value)) value = rule(value);
  }
  bool Value(std::string& value) { return Decoded(value, EncodeText(value), DecodeText); }
  bool Value(int& value) { return Decoded(value, EncodeInteger(value), DecodeInteger); }
  bool Value(bool& value) { return Decoded(value, EncodeBoolean(value), DecodeBoolean); }
  bool Value(long double& value) { return Decoded(value, EncodeReal(value, c_.decimals), DecodeReal); }

  template <class T, class Decode>
  bool Decoded(T& value, std::string line, Decode decode) {
    if (!lines_.Exchange(line)) return false;
    value = decode(line);
    return true;
  }

  bool AtStop() const { return lines_.AtEnd(); }

  LineChannel& lines_;
  Configuration& c_;
  const ConfigurationFileNames& names_;
};

}  // namespace

ConfigurationEnd ExchangeConfiguration(LineChannel& lines, Configuration& config, const ConfigurationFileNames& names) {
  return ConfigurationWalk(lines, config, names).Run();
}

}  // namespace kalo
