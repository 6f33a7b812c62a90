#pragma once
// All user settings of the program, with their initial values. Each field names the key
// line that precedes its value in the configuration file.
#include <array>
#include <cstddef>
#include <string>

#include "context/text_channel.h"
#include "numbers/number_format.h"
#include "numbers/units.h"
#include "platform/clock.h"
#include "platform/platform_defaults.h"

namespace kalo {

inline constexpr size_t kLayerNameLength = 32;   // layer names and the CAD text style
inline constexpr size_t kFontNameLength = 60;    // graphics and printout font names
inline constexpr int kNamedLayers = 6;           // layers 0..5 carry a name
inline constexpr int kFirstDrawingLayer = 16;    // layers 16..31 carry a colour only
inline constexpr int kDrawingLayers = 16;
inline constexpr int kPlotCommandLines = 5;

struct LayerStyle {
  std::string name;
  int colour = 1;     // AutoCAD colour index
  int thickness = 1;  // "Line thickness Layer 0..5"
};

// Settings that kalo.cfg stores as numbers; each enumerator's value is the number stored.
enum class DecimalSeparator : int { Dot = 1, Comma = 2 };
enum class UnitSetting : int { Metric = 0, English = 1 };
enum class CadTextMode : int { Oem = 1, WindowCodePage = 2, PlainLetters = 3 };
enum class PageOrientation : int { Portrait = 1, Landscape = 2 };
enum class PrintColours : int { Mono = 1, Colour = 2 };
enum class SpecialCharacters : int { Symbols = 0, PlainLetters = 1 };
enum class AngleOutput : int { DecimalDegrees = 1, DegreesMinutesSeconds = 2 };
// "Keine Info nach Eingabe", "Normale Einstellung", "Erweiterte Hilfe, Einzeleingabe".
enum class HelpLevel : int { NoInfo = 0, Normal = 1, Extended = 2 };
// Separator lines of text printouts: ASCII characters, box drawing, blanks, none.
enum class SeparatorStyle : int { Ascii = 1, BoxDrawing = 2, Blanks = 3, Compressed = 4 };
enum class PrintoutHeader : int { EveryPage = 1, FirstPageOnly = 2 };
// "egal", "Quick 1", "Quick 2", "Fertigungszeichnung", "Diagramm", "Zeichnung".
enum class ResultGraphic : int { Any = 0, Quick1 = 1, Quick2 = 2, ProductionDrawing = 3, Diagram = 4, Drawing = 5 };
// Stored as one letter; any other letter read is kept as it is.
enum class HardcopyRotation : char { Rotated = 'J', Upright = 'N' };
// "a", "1", "A" for the first change; any other number read is kept and writes no index.
enum class ChangeIndexStyle : int { SmallLetters = 0, Numbers = 1, CapitalLetters = 2 };

struct Configuration {
  // Layers 0..5: "Layer" name and "Farbe" colour for 1..5; layer 0 is stored by its thickness only.
  std::array<LayerStyle, kNamedLayers> layers = {
      {{"0", 1, 3}, {"1", 2, 1}, {"2", 2, 1}, {"3", 2, 1}, {"4", 3, 2}, {"5", 1, 3}}};
  std::string cadTextStyle = "TXT8";         // "Textstil CAD"
  long double cadTextWidthFactor = 1.0L;     // "Textbreitenfaktor CAD"
  long double cadTextAngle = 0;              // "Textwinkel"
  std::string cadDirectory;                  // "CAD Ordner"
  std::string dbfDirectory;                  // "DBF Ordner"
  HelpLevel helpLevel = HelpLevel::Normal;   // "Hilfegrad"

  // Printer and hardcopy
  int printerPort = 1;                       // "Druckerschnittstelle" 1..4 = LPT1..LPT4
  int printerType = 3;                       // "Druckertyp"
  int printDensity = 1;                      // "Druckdichte"
  HardcopyRotation hardcopyRotated = HardcopyRotation::Rotated;  // "Hardcopy um 90° gedreht ?"
  int decimals = 3;                          // "Dezimalstellen"
  int printThicknessVertical = 1;            // "Druckdicke vertikal" 1..4

  // Screen graphics
  bool colourGraphics = true;                // "Farbgrafik"
  long double graphicsCorrectionFactor = 1.0L;  // "GrafikKorrekturFaktor horizontal"
  int graphicsMode = 0;                      // "Grafik-Mode"
  int graphicsDriver = 0;                    // "Grafik-Treiber"
  int resolutionX = 0;                       // "Auflösung horizontal": main window client width - 1
  int resolutionY = 0;                       // "Auflösung vertikal": main window client height - 1
  std::string tempDirectory;                 // "Ordner für temporäre Dateien"
  int hardcopyPort = 1;                      // "Druckerschnittstelle Hardcopy"
  std::string ediDirectory;                  // "EDI Ordner"
  std::string pltDirectory;                  // "PLT Ordner"

  // Text output
  SeparatorStyle separatorStyle = SeparatorStyle::BoxDrawing;  // "Mode für Textausdruck 1:* 2:-"
  int linesPerPage = 66;                     // "Zeilen pro Seite für Drucker"
  long double zoomFactor = 1.02L;            // "Zoomfaktor"
  long double panFactor = 0.02L;             // "Pan-Faktor"
  std::string programDirectory;              // "VORTANE-Programmverzeichnis"

  // Plot program: line 1 is "PENPLOT-Kommandozeile", the count and lines 2..n follow
  // "PENPLOT Command lines (n, line 2 .. line n)".
  std::array<std::string, kPlotCommandLines> plotCommands = {DefaultPlotCommand(), DefaultPlotCommand(),
                                                             DefaultPlotCommand(), DefaultPlotCommand(),
                                                             DefaultPlotCommand()};
  int plotCommandCount = 1;                  // lines in use, 1..5

  int backgroundColour = 1;                  // "Hintergrundfarbe": RGB, red in the lowest byte
  PrintColours printColourMode = PrintColours::Mono;                 // "Windows-Druckmodus (1=mono 2=color)"
  bool layerMonochrome = false;              // "Layer Monochrom"
  long double graphicsTextWidthFactor = 0.8L;  // "Textbreitenfaktor Grafik"
  std::string graphicsFont = "Arial";        // "Textstil Grafik"
  // "Color Layer 16".."Color Layer 31": layer k has colour k - 15.
  std::array<int, kDrawingLayers> drawingLayerColours = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

  std::string textProgram = DefaultTextProgram();  // "Textprogramm"
  int databaseMode = 1;                      // "Datenbank mode"
  std::string tableEditor = DefaultTableEditor();  // "externe Datenbank"

  // Graphics printout
  int printOriginX = 0;                      // "Windows Screendump Origin X"
  int printOriginY = 0;                      // "Windows Screendump Origin Y"
  long double printScale = 1.0L;             // "Windows Screendump Scale"
  bool printBorder = false;                  // "Windows Screendump Border ?"

  bool userMode = false;                     // "Enter Password ?": ask for the user's subdirectory
  bool archiveMode = false;                  // "Archive Flag ?"
  DateCode dateCode = DateCode::DottedDayMonthYear;  // "Date Code"
  int headerSpaceLines = 0;                  // "Header Space Lines"
  TextTarget textDevice = kTargetScreen;     // "Text Device": default output target
  bool askTextDevice = false;                // "Text Device Window ?"
  bool smallOnlineWindow = false;            // "Small Online Window ?"
  bool askDiagramLimits = false;             // "Enter Diagram Limits ?"
  DecimalSeparator decimalSeparator = DecimalSeparator::Dot;           // "Dot=1 Komma=2"
  std::string defaultDataDirectory;          // "Default Data Directory"; the start-up directory when empty
  long double textHeightFactor = 1.0L;       // "Text Height Factor"
  int inputWindowScale = 102;                // "Input Window Scale %"
  std::string htmlBrowser = DefaultHtmlBrowser();  // "HTML Browser"
  long double printScaleVertical = 1.0L;     // "Print Scale Vertical"
  bool printDialog = true;                   // "Graphic Printout Dialog Box ?"
  // "Text window left/top/width/height"
  int textWindowLeft = 10, textWindowTop = 40, textWindowWidth = 700, textWindowHeight = 440;
  UnitSetting units = UnitSetting::Metric;          // "Metric Units=0,  English units=1"
  PrintoutHeader printoutHeader = PrintoutHeader::EveryPage;  // "printout with header=1, header page 1 only=2"
  std::string textFontPrintout = "Courier New";  // "Text Font Printout"
  int textSizePrintout = 10;                 // "Text Size Printout"
  int textStylePrintout = 0;                 // "Text Style Printout"
  int graphicsFontStyle = 0;                 // "Text Style Graphics"
  PageOrientation printOrientation = PageOrientation::Landscape;          // "Printer: Portrait=1, Landscape=2"
  bool edit3dAngles = true;                  // "Edit 3D x,y,z ?"
  // "3D - Default x,y,z": rotation about x, y and z in radians (-15°, 90°, 210°).
  long double view3dX = -0.2617993877991495L, view3dY = 1.5707963267948966L, view3dZ = 3.6651914291880923L;

  // The lines below have no key line of their own, except where one is named.
  ChangeIndexStyle changeIndexStyle = ChangeIndexStyle::SmallLetters;  // style of the change index
  DecimalSeparator spreadsheetDecimalSeparator = DecimalSeparator::Comma;    // 1 "English x.xx", 2 "German x,xx"
  std::string releaseCaption;                // caption of the fourth signature row ("Freigabefeld")
  int cadDecimals = 6;                       // "Decimals DXF,TXT"
  CadTextMode cadTextMode = CadTextMode::WindowCodePage;          // "CAD Text Mode" 1 OEM, 2 ANSI, 3 plain letters
  // "Strichstärke Layer 16..31"
  std::array<int, kDrawingLayers> drawingLayerThicknesses = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  SpecialCharacters specialCharacters = SpecialCharacters::Symbols;          // 0 "²  µ  °", 1 "2  u  deg"
  int dialogElementScale = 100;              // size of dialog elements in percent
  AngleOutput angleOutput = AngleOutput::DegreesMinutesSeconds;          // 1 decimal degrees, 2 degrees, minutes, seconds
  long double dimensionFactor = 1.0L;        // "Bemaßung": scale of dimension values
  int reserved = 0;                          // kept as read
  int language = 0;                          // menu language number
  ResultGraphic resultGraphic = ResultGraphic::Any;  // graphic after a calculation
  // Title block items left out of drawings (true = left out).
  bool titleBlockWithoutTitle = false, titleBlockWithoutFileName = false;
  bool titleBlockWithoutDate = false, titleBlockWithoutLogo = false;
  // "Bögen exakt": every value integrated over the true circular arcs, not their chords.
  bool exactArcs = false;
  // "Layerfarben SVG,PDF": SVG and PDF drawings in the layer colours instead of black.
  bool pageLayerColours = false;
};

NumberFormat NumberFormatOf(const Configuration& config);
UnitSystem UnitSystemOf(const Configuration& config);

}  // namespace kalo
