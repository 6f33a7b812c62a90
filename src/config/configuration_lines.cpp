#include "config/configuration_lines.h"

#include <algorithm>

#include "app/context.h"
#include "config/config_values.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

auto ZeroTo(int replacement) {
  return [replacement](int v) { return v == 0 ? replacement : v; };
}
auto OutsideTo(int low, int high, int replacement) {
  return [=](int v) { return v < low || v > high ? replacement : v; };
}
auto ZeroTo(long double replacement) {
  return [replacement](long double v) { return v == 0 ? replacement : v; };
}
auto BelowTo(long double limit, long double replacement) {
  return [=](long double v) { return v < limit ? replacement : v; };
}
auto CutTo(size_t length) {
  return [length](const std::string& v) { return v.substr(0, length); };
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
    Row("Hintergrundfarbe", c_.backgroundColour);
    if (AtStop()) return ConfigurationEnd::LateStop;
    Row("Windows-Druckmodus (1=mono 2=color)", c_.printColourMode, OutsideTo(1, 2, 1));
    if (AtStop()) return ConfigurationEnd::LateStop;
    Row("Layer Monochrom", c_.layerMonochrome);
    if (AtStop()) return ConfigurationEnd::MonochromeStop;
    Row("Textbreitenfaktor Grafik", c_.graphicsTextWidthFactor, ZeroTo(0.8L));
    Row("Textstil Grafik", c_.graphicsFont, CutTo(kFontNameLength));
    if (AtStop()) return ConfigurationEnd::LateStop;
    for (int k = 0; k < kDrawingLayers; ++k)
      Row("Color Layer " + std::to_string(kFirstDrawingLayer + k), c_.drawingLayerColours[k], ZeroTo(1));
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
    Row("Dot=1 Komma=2", c_.decimalSeparator, OutsideTo(1, 2, 1));
    DataDirectoryAndScales();
    Row("HTML Browser", c_.htmlBrowser);
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
      Row("Layer", c_.layers[k].name, CutTo(kLayerNameLength));
      Row("Farbe", c_.layers[k].colour);
    }
    Row("Textstil CAD", c_.cadTextStyle, CutTo(kLayerNameLength));
    Row("Textbreitenfaktor CAD", c_.cadTextWidthFactor, ZeroTo(1.0L));
    Row("Textwinkel", c_.cadTextAngle);
    Row("CAD Ordner", c_.cadDirectory);
    Row("DBF Ordner", c_.dbfDirectory);
    Row("Hilfegrad", c_.helpLevel);
  }

  void PrinterDetails() {
    Row("Druckdichte", c_.printDensity);
    Key(Oem("Hardcopy um 90° gedreht ?"));
    std::string line(1, c_.hardcopyRotated);
    if (Value(line)) c_.hardcopyRotated = DecodeCharacter(line);
    Row("Dezimalstellen", c_.decimals, OutsideTo(1, 9, 3));
    Row("Druckdicke vertikal", c_.printThicknessVertical, OutsideTo(1, 4, 1));
  }

  void ScreenGraphics() {
    Row("Farbgrafik", c_.colourGraphics);
    Row("GrafikKorrekturFaktor horizontal", c_.graphicsCorrectionFactor, ZeroTo(1.0L));
    Row("Grafik-Mode", c_.graphicsMode);
    Row("Grafik-Treiber", c_.graphicsDriver);
    Row(Oem("Auflösung horizontal"), c_.resolutionX);
    Row(Oem("Auflösung vertikal"), c_.resolutionY);
    Row(Oem("Ordner für temporäre Dateien"), c_.tempDirectory);
    Row("Druckerschnittstelle Hardcopy", c_.hardcopyPort, OutsideTo(1, 4, 1));
  }

  void TextOutputAndDirectories() {
    Row("EDI Ordner", c_.ediDirectory);
    Row("PLT Ordner", c_.pltDirectory);
    Row(Oem("Mode für Textausdruck 1:* 2:-"), c_.separatorStyle, OutsideTo(1, 4, 1));
    Row(Oem("Zeilen pro Seite für Drucker"), c_.linesPerPage, [](int v) { return v < 5 ? 66 : v; });
    Row("Zoomfaktor", c_.zoomFactor, ZeroTo(1.02L));
    Row("Pan-Faktor", c_.panFactor, ZeroTo(0.01L));
    Row("VORTANE-Programmverzeichnis", c_.programDirectory);
  }

  void PlotCommandLine() {
    Key("PENPLOT-Kommandozeile");
    std::string line = EncodeText(c_.plotCommands[0]);
    if (Value(line) && !line.empty()) c_.plotCommands[0] = line;
  }

  void ExternalPrograms() {
    Row("Textprogramm", c_.textProgram);
    Row("Datenbank mode", c_.databaseMode);
    Row("externe Datenbank", c_.tableEditor);
  }

  void GraphicsPrintout() {
    Row("Windows Screendump Origin X", c_.printOriginX);
    Row("Windows Screendump Origin Y", c_.printOriginY);
    Key("Windows Screendump Scale");
    if (Value(c_.printScale) && c_.printScale == 0) {
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
      Value(k < kPlotCommandLines ? c_.plotCommands[k] : passedOver);
    }
  }

  // Rows that older files lack: at the end of the file they keep their values, as every
  // value line missing at the end does.
  void OptionalRows() {
    Row("Date Code", c_.dateCode, OutsideTo(1, 4, 1));
    Row("Header Space Lines", c_.headerSpaceLines, OutsideTo(0, 30, 0));
    Row("Text Device", c_.textDevice, OutsideTo(1, 9, 1));
    Row("Text Device Window ?", c_.askTextDevice);
    Row("Small Online Window ?", c_.smallOnlineWindow);
    Row("Enter Diagram Limits ?", c_.askDiagramLimits);
  }

  void DataDirectoryAndScales() {
    Row("Default Data Directory", c_.defaultDataDirectory, [this](const std::string& v) {
      return v.empty() ? WithSeparator(names_.startupDirectory) : v;
    });
    Row("Text Height Factor", c_.textHeightFactor, BelowTo(0.1L, 1.0L));
    Row("Input Window Scale %", c_.inputWindowScale, OutsideTo(10, 1000, 100));
  }

  void PrintoutAndLayers() {
    Row("Print Scale Vertical", c_.printScaleVertical, BelowTo(0.0001L, c_.printScale));
    Key("Line thickness Layer 0..5");
    for (LayerStyle& layer : c_.layers)
      if (Value(layer.thickness)) layer.thickness = OutsideTo(1, 255, 1)(layer.thickness);
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
    Row("Metric Units=0,  English units=1", c_.units);
    Row("printout with header=1, header page 1 only=2", c_.printoutHeader, OutsideTo(1, 2, 1));
    Row("Text Font Printout", c_.textFontPrintout,
        [](const std::string& v) { return v.empty() ? std::string("Courier New") : v.substr(0, kFontNameLength); });
    Row("Text Size Printout", c_.textSizePrintout, ZeroTo(10));
    Row("Text Style Printout", c_.textStylePrintout);
    Row("Text Style Graphics", c_.graphicsFontStyle);
    Row("Printer: Portrait=1, Landscape=2", c_.printOrientation);
  }

  void ViewAndCadSettings() {
    Key("Edit 3D x,y,z ?");
    std::string line = EncodeBoolean(c_.edit3dAngles);
    if (Value(line)) c_.edit3dAngles = DecodeBooleanUnlessFalse(line);
    Key("3D - Default x,y,z");
    Value(c_.view3dX);
    Value(c_.view3dY);
    Value(c_.view3dZ);
    Value(c_.changeIndexStyle);
    if (Value(c_.spreadsheetDecimalSeparator)) c_.spreadsheetDecimalSeparator = ZeroTo(2)(c_.spreadsheetDecimalSeparator);
    Value(c_.releaseCaption);
    Row("Decimals DXF,TXT", c_.cadDecimals, OutsideTo(1, 32, 6));
    Row("CAD Text Mode", c_.cadTextMode, OutsideTo(1, 3, 1));
    Key(Oem("Strichstärke Layer 16..31"));
    for (int& thickness : c_.drawingLayerThicknesses) Value(thickness);
  }

  void LaterSettings() {
    Value(c_.specialCharacters);
    if (Value(c_.dialogElementScale)) c_.dialogElementScale = OutsideTo(10, 1000, 100)(c_.dialogElementScale);
    if (Value(c_.angleOutput)) c_.angleOutput = OutsideTo(1, 2, 2)(c_.angleOutput);
    if (Value(c_.dimensionFactor)) c_.dimensionFactor = ZeroTo(1.0L)(c_.dimensionFactor);
    Value(c_.reserved);
    Value(c_.language);
    Value(c_.resultGraphic);
    Value(c_.titleBlockWithoutTitle);
    Value(c_.titleBlockWithoutFileName);
    Value(c_.titleBlockWithoutDate);
    Value(c_.titleBlockWithoutLogo);
  }

  // A key line and its value; the rule is applied to a value read.
  template <class T, class Rule>
  void Row(const std::string& key, T& value, Rule rule) {
    Key(key);
    if (Value(value)) value = rule(value);
  }
  template <class T>
  void Row(const std::string& key, T& value) {
    Key(key);
    Value(value);
  }

  void Key(const std::string& key) { Line(key); }
  void Line(std::string text) { lines_.Exchange(text); }

  bool Value(std::string& value) {
    std::string line = EncodeText(value);
    if (!lines_.Exchange(line)) return false;
    value = line;
    return true;
  }
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
