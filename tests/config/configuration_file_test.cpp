#include "config/configuration_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "config/config_fixture.h"
#include "platform/codepage.h"
#include "platform/text_file.h"

namespace kalo::testing {
namespace {

// Every setting away from its initial value, each inside the range its read rule keeps.
Configuration ChangedRecord() {
  Configuration c;
  c.layers = {{{"0", 1, 7}, {"Mitte", 4, 2}, {"Strich", 5, 3}, {"d25", 6, 4}, {"d35", 7, 5}, {"d50", 8, 6}}};
  c.cadTextStyle = "ISOCP";
  c.cadTextWidthFactor = 0.75L;
  c.cadTextAngle = -90;
  c.cadDirectory = "/cad";
  c.dbfDirectory = "/dbf/";
  c.helpLevel = HelpLevel::Extended;
  c.printerPort = 3;
  c.printerType = 7;
  c.printDensity = 2;
  c.hardcopyRotated = HardcopyRotation::Upright;
  c.decimals = 9;
  c.printThicknessVertical = 4;
  c.colourGraphics = false;
  c.graphicsCorrectionFactor = 1.25L;
  c.graphicsMode = 5;
  c.graphicsDriver = 9;
  c.resolutionX = 1023;
  c.resolutionY = 767;
  c.tempDirectory = "/tmp/kalo";
  c.hardcopyPort = 2;
  c.ediDirectory = "/edi";
  c.pltDirectory = "/plt";
  c.separatorStyle = SeparatorStyle::Compressed;
  c.linesPerPage = 72;
  c.zoomFactor = 1.5L;
  c.panFactor = 0.125L;
  c.programDirectory = "/opt/vortane";
  c.plotCommands[0] = "wpenplot /tmp/penplot /CPS";
  c.backgroundColour = 0xC0FFEE;
  c.printColourMode = PrintColours::Colour;
  c.layerMonochrome = true;
  c.graphicsTextWidthFactor = 0.9L;
  c.graphicsFont = "DejaVu Sans";
  for (int k = 0; k < kDrawingLayers; ++k) c.drawingLayerColours[k] = 250 - k;
  c.textProgram = "gedit";
  c.databaseMode = 2;
  c.tableEditor = "dbview";
  c.printOriginX = 12;
  c.printOriginY = -8;
  c.printScale = 2.5L;
  c.printBorder = true;
  c.userMode = true;
  c.archiveMode = true;
  c.dateCode = DateCode::DayMonthYear;
  c.headerSpaceLines = 3;
  c.textDevice = kTargetBatch;
  c.askTextDevice = true;
  c.smallOnlineWindow = true;
  c.askDiagramLimits = true;
  c.decimalSeparator = DecimalSeparator::Comma;
  c.defaultDataDirectory = "/daten/";
  c.textHeightFactor = 1.2L;
  c.inputWindowScale = 150;
  c.htmlBrowser = "firefox";
  c.printScaleVertical = 0.5L;
  c.printDialog = false;
  c.textWindowLeft = 1;
  c.textWindowTop = 2;
  c.textWindowWidth = 3;
  c.textWindowHeight = 4;
  c.units = UnitSetting::English;
  c.printoutHeader = PrintoutHeader::FirstPageOnly;
  c.textFontPrintout = "Liberation Mono";
  c.textSizePrintout = 12;
  c.textStylePrintout = 1;
  c.graphicsFontStyle = 2;
  c.printOrientation = PageOrientation::Portrait;
  c.edit3dAngles = false;
  c.view3dX = 0.5L;
  c.view3dY = -1.25L;
  c.view3dZ = 3.0L;
  c.changeIndexStyle = ChangeIndexStyle::Numbers;
  c.spreadsheetDecimalSeparator = DecimalSeparator::Dot;
  c.releaseCaption = Oem("Geprüft");
  c.cadDecimals = 8;
  c.cadTextMode = CadTextMode::PlainLetters;
  for (int k = 0; k < kDrawingLayers; ++k) c.drawingLayerThicknesses[k] = 2 + k;
  c.specialCharacters = SpecialCharacters::PlainLetters;
  c.dialogElementScale = 120;
  c.angleOutput = AngleOutput::DecimalDegrees;
  c.dimensionFactor = 2.0L;
  c.reserved = 77;
  c.language = 3;
  c.resultGraphic = ResultGraphic::Drawing;
  c.titleBlockWithoutTitle = c.titleBlockWithoutFileName = c.titleBlockWithoutDate = c.titleBlockWithoutLogo = true;
  c.exactArcs = true;
  return c;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  Outcome read = ReadTextLines(path, lines);
  EXPECT_TRUE(read) << read.Message();
  return lines;
}

class ConfigurationFile : public ::testing::Test, public ConfigFixture {
 protected:
  // Reads the lines as kalo.cfg into the context.
  void Read(const std::vector<std::string>& lines) {
    WriteLines(ConfigFile(), lines);
    ReadConfiguration(context, "kalo", dir.File("nofallback"));
  }
};

TEST_F(ConfigurationFile, InitialRecordIsWrittenAsTheHandBuiltFile) {
  WriteConfiguration(context);
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ(ReadBytes(ConfigFile()), ReadBytes(InitialConfigurationPath()));
}

TEST_F(ConfigurationFile, ChangedRecordSurvivesWriteAndRead) {
  context.config = ChangedRecord();
  WriteConfiguration(context);
  std::vector<std::string> written = ReadLines(ConfigFile());
  std::vector<std::string> initial = InitialConfigurationLines();
  ASSERT_EQ(written.size(), initial.size());
  size_t changedLines = 0;
  for (size_t k = 0; k < written.size(); ++k) changedLines += written[k] != initial[k];
  // 232 lines: 2 title lines, 97 key lines, 133 value lines of which only the plot command
  // count keeps its initial 1.
  EXPECT_EQ(changedLines, 132u) << "every value line carries a changed value";

  TestContext other;
  other.context.configDirectory = dir.Path();
  ReadConfiguration(other.context, "kalo", dir.File("nofallback"));
  EXPECT_FALSE(other.context.state.cancel);
  WriteConfiguration(other.context);
  EXPECT_EQ(ReadLines(ConfigFile()), written);

  const Configuration& read = other.context.config;
  EXPECT_EQ(read.layers[3].name, "d25");
  EXPECT_EQ(read.hardcopyRotated, HardcopyRotation::Upright);
  EXPECT_EQ(read.releaseCaption, Oem("Geprüft"));
  EXPECT_EQ(read.decimalSeparator, DecimalSeparator::Comma);
  EXPECT_EQ(read.view3dY, -1.25L);
  EXPECT_EQ(read.printScaleVertical, 0.5L);
  EXPECT_EQ(read.backgroundColour, 0xC0FFEE);
  EXPECT_TRUE(read.titleBlockWithoutLogo);
  EXPECT_TRUE(read.exactArcs);
}

TEST_F(ConfigurationFile, RealsAreWrittenWithDotsWhateverTheDecimalSeparator) {
  context.config.decimalSeparator = DecimalSeparator::Comma;
  context.config.zoomFactor = 1.5L;
  WriteConfiguration(context);
  std::vector<std::string> lines = ReadLines(ConfigFile());
  std::vector<std::string> expected = InitialConfigurationLines();
  SetValue(expected, "Dot=1 Komma=2", "2");
  SetValue(expected, "Zoomfaktor", "1.5000000");
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(context.config.decimalSeparator, DecimalSeparator::Comma);
}

TEST_F(ConfigurationFile, FileEndingAtTheFirstStopsKeepsLaterInitialValues) {
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "Druckerschnittstelle", "3");
  SetValue(lines, "Druckertyp", "9");
  CutAfterValue(lines, "Druckerschnittstelle");
  Read(lines);
  const Configuration& c = context.config;
  EXPECT_EQ(c.printerPort, 3);
  EXPECT_EQ(c.printerType, 3);
  EXPECT_EQ(c.zoomFactor, 1.02L);
  EXPECT_EQ(c.resolutionX, 0) << "no window size rule";
  EXPECT_EQ(c.resolutionY, 0);
  EXPECT_FALSE(context.state.cancel);
}

TEST_F(ConfigurationFile, FileEndingAfterLayerMonochromTakesTheCadTextWidth) {
  context.config.graphicsFont = "Courier";
  test.platform.screen = {800, 600, 96};
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "Textbreitenfaktor CAD", "1.5");
  SetValue(lines, "Layer Monochrom", "true");
  CutAfterValue(lines, "Layer Monochrom");
  Read(lines);
  const Configuration& c = context.config;
  EXPECT_TRUE(c.layerMonochrome);
  EXPECT_EQ(c.graphicsTextWidthFactor, 1.5L);
  EXPECT_EQ(c.graphicsFont, "Arial");
  EXPECT_EQ(c.resolutionX, 791);
  EXPECT_EQ(c.resolutionY, 509);
}

TEST_F(ConfigurationFile, LaterStopsApplyTheWindowSizeRuleOnlyToUnsetSizes) {
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "Auflösung horizontal", "-1");
  SetValue(lines, "Auflösung vertikal", "500");
  SetValue(lines, "Enter Password ?", "TRUE");
  CutAfterValue(lines, "Enter Password ?");
  context.config.archiveMode = true;
  Read(lines);
  EXPECT_EQ(context.config.resolutionX, 1280 - 9);
  EXPECT_EQ(context.config.resolutionY, 500);
  EXPECT_TRUE(context.config.userMode);
  EXPECT_TRUE(context.config.archiveMode) << "past the last stop nothing is read";
}

TEST_F(ConfigurationFile, ReadRulesReplaceValuesOutsideTheirRange) {
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "Zoomfaktor", "0");
  SetValue(lines, "Pan-Faktor", "0");
  SetValue(lines, "Windows Screendump Scale", "1,5");
  SetValue(lines, "Print Scale Vertical", "0");
  SetValue(lines, "Date Code", "5");
  SetValue(lines, "Dezimalstellen", "12");
  SetValue(lines, "Hardcopy um 90° gedreht ?", "");
  SetValue(lines, "Edit 3D x,y,z ?", "ja");
  SetValue(lines, "Text Font Printout", "");
  SetValue(lines, "Zeilen pro Seite für Drucker", "4");
  SetValue(lines, "Header Space Lines", "-2");
  SetValue(lines, "Input Window Scale %", "abc");
  SetValue(lines, "Default Data Directory", "");
  SetValue(lines, "Textstil Grafik", std::string(70, 'F'));
  Read(lines);
  const Configuration& c = context.config;
  EXPECT_EQ(c.zoomFactor, 1.02L);
  EXPECT_EQ(c.panFactor, 0.01L);
  EXPECT_EQ(c.printScale, 1.5L);
  EXPECT_EQ(c.printScaleVertical, 1.5L);
  EXPECT_EQ(c.dateCode, DateCode::DottedDayMonthYear);
  EXPECT_EQ(c.decimals, 3);
  EXPECT_EQ(c.hardcopyRotated, HardcopyRotation::Upright);
  EXPECT_TRUE(c.edit3dAngles);
  EXPECT_EQ(c.textFontPrintout, "Courier New");
  EXPECT_EQ(c.linesPerPage, 66);
  EXPECT_EQ(c.headerSpaceLines, 0);
  EXPECT_EQ(c.inputWindowScale, 100);
  EXPECT_EQ(c.defaultDataDirectory, dir.Path() + "/");
  EXPECT_EQ(c.graphicsFont, std::string(60, 'F'));
}

// A stored code that names no choice reads as the setting's replacement; the change
// index style keeps any number, so that it is written back as it was read.
TEST_F(ConfigurationFile, CodesOutsideTheirChoicesReadAsTheirReplacement) {
  std::vector<std::string> lines = InitialConfigurationLines();
  for (auto [key, code] : {std::pair{"Hilfegrad", "3"}, {"Mode für Textausdruck 1:* 2:-", "0"}, {"Text Device", "10"},
                            {"printout with header=1, header page 1 only=2", "3"}, {"Dot=1 Komma=2", "-1"},
                            {"CAD Text Mode", "4"}})
    SetValue(lines, key, code);
  auto view3d = std::find(lines.begin(), lines.end(), "3D - Default x,y,z");
  ASSERT_NE(view3d, lines.end());
  view3d[4] = "7";  // the change index style
  auto pageColours = std::find(lines.begin(), lines.end(), "Layerfarben SVG,PDF");
  ASSERT_NE(pageColours, lines.end());
  ASSERT_EQ(pageColours[-7], "0");  // the result graphic
  pageColours[-7] = "6";
  Read(lines);
  const Configuration& c = context.config;
  EXPECT_EQ(c.helpLevel, HelpLevel::Normal);
  EXPECT_EQ(c.separatorStyle, SeparatorStyle::Ascii);
  EXPECT_EQ(c.textDevice, kTargetScreen);
  EXPECT_EQ(c.printoutHeader, PrintoutHeader::EveryPage);
  EXPECT_EQ(c.decimalSeparator, DecimalSeparator::Dot);
  EXPECT_EQ(c.cadTextMode, CadTextMode::Oem);
  EXPECT_EQ(c.resultGraphic, ResultGraphic::Any);
  WriteConfiguration(context);
  std::vector<std::string> written = ReadLines(ConfigFile());
  EXPECT_EQ(*(std::find(written.begin(), written.end(), "3D - Default x,y,z") + 4), "7");
}

TEST_F(ConfigurationFile, DateCodeFourSurvivesSaveAndRestart) {
  context.config.dateCode = DateCode::DayMonthYear;
  WriteConfiguration(context);
  TestContext restart;
  restart.context.configDirectory = dir.Path();
  ReadConfiguration(restart.context, "kalo", dir.File("nofallback"));
  EXPECT_EQ(restart.context.config.dateCode, DateCode::DayMonthYear);
}

TEST_F(ConfigurationFile, TextWindowOfZerosKeepsThePreviousRectangle) {
  context.config.textWindowLeft = 5;
  context.config.textWindowHeight = 300;
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "Text window left/top/width/height", "0|0|0|0|");
  Read(lines);
  EXPECT_EQ(context.config.textWindowLeft, 5);
  EXPECT_EQ(context.config.textWindowHeight, 300);
  SetValue(lines, "Text window left/top/width/height", "20|30|640|480|");
  Read(lines);
  EXPECT_EQ(context.config.textWindowLeft, 20);
  EXPECT_EQ(context.config.textWindowHeight, 480);
}

TEST_F(ConfigurationFile, KeyLinesAreNotCompared) {
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "Hilfegrad", "0");
  for (std::string& line : lines)
    if (line == "Hilfegrad" || line == "Zoomfaktor") line = "irgendwas";
  Read(lines);
  EXPECT_EQ(context.config.helpLevel, HelpLevel::NoInfo);
  EXPECT_EQ(context.config.zoomFactor, 1.02L);
}

TEST_F(ConfigurationFile, PlotCommandLinesBeyondTheFifthArePassedOver) {
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "PENPLOT Command lines (n, line 2 .. line n)", "7");
  SetValue(lines, "Archive Flag ?", "TRUE");
  auto count = std::find(lines.begin(), lines.end(), "PENPLOT Command lines (n, line 2 .. line n)") + 2;
  lines.insert(count, {"zwei", "drei", "vier", "fuenf", "sechs", "sieben"});
  Read(lines);
  const Configuration& c = context.config;
  EXPECT_EQ(c.plotCommandCount, 5);
  EXPECT_EQ(c.plotCommands[1], "zwei");
  EXPECT_EQ(c.plotCommands[4], "fuenf");
  EXPECT_TRUE(c.archiveMode);
  EXPECT_EQ(c.dateCode, DateCode::DottedDayMonthYear);
}

TEST_F(ConfigurationFile, PlotCommandLinesInUseRoundTripAndEmptyFirstLineKeepsIt) {
  context.config.plotCommandCount = 3;
  context.config.plotCommands[1] = "zwei";
  context.config.plotCommands[2] = "drei";
  WriteConfiguration(context);
  std::vector<std::string> lines = ReadLines(ConfigFile());
  ASSERT_EQ(lines.size(), InitialConfigurationLines().size() + 2);
  SetValue(lines, "PENPLOT-Kommandozeile", "");
  TestContext other;
  other.context.config.plotCommands[0] = "alt";
  other.context.configDirectory = dir.Path();
  WriteLines(ConfigFile(), lines);
  ReadConfiguration(other.context, "kalo", dir.File("nofallback"));
  EXPECT_EQ(other.context.config.plotCommandCount, 3);
  EXPECT_EQ(other.context.config.plotCommands[0], "alt");
  EXPECT_EQ(other.context.config.plotCommands[2], "drei");
  EXPECT_EQ(other.context.config.titleBlockWithoutLogo, false);
}

TEST_F(ConfigurationFile, MissingFileSetsScreenValuesAndTheCancelFlag) {
  test.platform.screen = {1024, 768, 120};
  ReadConfiguration(context, "kalo", dir.File("nofallback"));
  const Configuration& c = context.config;
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(c.resolutionX, 1015);
  EXPECT_EQ(c.resolutionY, 677);
  EXPECT_EQ(c.textWindowHeight, 688);
  EXPECT_EQ(c.inputWindowScale, 126);  // (1 + 0.009) * 120/96 * 100
  EXPECT_EQ(c.zoomFactor, 1.02L);
}

TEST_F(ConfigurationFile, FallbackFolderBecomesTheConfigurationDirectory) {
  TempDir fallback;
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "Hilfegrad", "2");
  WriteLines(fallback.File("kalo.cfg"), lines);
  ReadConfiguration(context, "kalo", fallback.Path() + "/");
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ(context.config.helpLevel, HelpLevel::Extended);
  EXPECT_EQ(context.configDirectory, fallback.Path() + "/");
}

TEST_F(ConfigurationFile, ImportReadsAnotherShortName) {
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "Hilfegrad", "0");
  WriteLines(dir.File("werk2.cfg"), lines);
  ReadConfiguration(context, "werk2", dir.File("nofallback"));
  EXPECT_EQ(context.config.helpLevel, HelpLevel::NoInfo);
}

TEST_F(ConfigurationFile, WindowsPathsAreReadWithTheNativeSeparator) {
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "CAD Ordner", "c:\\cad\\");
  SetValue(lines, "Default Data Directory", "daten\\welle");
  SetValue(lines, "PENPLOT-Kommandozeile", "C:\\PENPLOT\\WPENPLOT PENPLOT.DXF /M1.0");
  Read(lines);
  const Configuration& c = context.config;
  EXPECT_EQ(c.cadDirectory, "c:/cad/");
  EXPECT_EQ(c.defaultDataDirectory, "daten/welle");
  EXPECT_EQ(c.plotCommands[0], "C:/PENPLOT/WPENPLOT PENPLOT.DXF /M1.0");
}

TEST_F(ConfigurationFile, AbsurdValuesGiveWayToTheInitialOnes) {
  std::vector<std::string> lines = InitialConfigurationLines();
  auto layer = std::find(lines.begin(), lines.end(), "Layer");
  layer[1] = "\x01\x02";  // layer 1 name
  layer[3] = "-7";          // its colour
  layer[5] = "Mitte\x1b[31m";
  SetValue(lines, "Textstil CAD", "\t<>");
  SetValue(lines, "Textbreitenfaktor CAD", "1e999");
  SetValue(lines, "Textwinkel", "NaN");
  SetValue(lines, "Zoomfaktor", "-3");
  SetValue(lines, "Color Layer 16", "300");
  SetValue(lines, "Textstil Grafik", "\x7f");
  SetValue(lines, "Text Height Factor", "1e300");
  SetValue(lines, "Print Scale Vertical", "inf");
  SetValue(lines, "Text Size Printout", "-12");
  SetValue(lines, "3D - Default x,y,z", "7");  // radians: more than a full turn
  Read(lines);
  const Configuration& c = context.config;
  const Configuration initial;
  EXPECT_EQ(c.layers[1].name, "1");
  EXPECT_EQ(c.layers[1].colour, initial.layers[1].colour);
  EXPECT_EQ(c.layers[2].name, "Mitte[31m");
  EXPECT_EQ(c.cadTextStyle, "TXT8");
  EXPECT_EQ(c.cadTextWidthFactor, 1.0L);
  EXPECT_EQ(c.cadTextAngle, 0);
  EXPECT_EQ(c.zoomFactor, 1.02L);
  EXPECT_EQ(c.drawingLayerColours[0], 1);
  EXPECT_EQ(c.graphicsFont, "Arial");
  EXPECT_EQ(c.textHeightFactor, 1.0L);
  EXPECT_EQ(c.printScaleVertical, c.printScale);
  EXPECT_EQ(c.textSizePrintout, 10);
  EXPECT_EQ(c.view3dX, initial.view3dX);
}

// Whatever a file holds: texts of printable characters, names a drawing accepts, numbers
// a double holds, colours AutoCAD knows.
void ExpectUsable(const Configuration& c) {
  auto control = [](char ch) { return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F; };
  auto printable = [&](const std::string& text) { return std::none_of(text.begin(), text.end(), control); };
  std::vector<std::string> texts = {c.cadTextStyle, c.cadDirectory, c.dbfDirectory, c.tempDirectory,
                                    c.ediDirectory, c.pltDirectory, c.programDirectory, c.graphicsFont,
                                    c.textProgram, c.tableEditor, c.defaultDataDirectory, c.htmlBrowser,
                                    c.textFontPrintout, c.releaseCaption};
  texts.insert(texts.end(), c.plotCommands.begin(), c.plotCommands.end());
  for (const std::string& text : texts) EXPECT_TRUE(printable(text)) << text;
  for (const LayerStyle& layer : c.layers) {
    EXPECT_FALSE(layer.name.empty());
    EXPECT_LE(layer.name.size(), kLayerNameLength);
    EXPECT_EQ(layer.name.find_first_of("<>/\\\":;?*|=`"), std::string::npos) << layer.name;
    EXPECT_TRUE(layer.colour >= 1 && layer.colour <= 255) << layer.colour;
  }
  EXPECT_FALSE(c.graphicsFont.empty());
  EXPECT_FALSE(c.textFontPrintout.empty());
  for (int colour : c.drawingLayerColours) EXPECT_TRUE(colour >= 1 && colour <= 255) << colour;
  for (long double real : {c.cadTextWidthFactor, c.cadTextAngle, c.graphicsCorrectionFactor, c.zoomFactor, c.panFactor,
                           c.graphicsTextWidthFactor, c.printScale, c.textHeightFactor, c.printScaleVertical,
                           c.view3dX, c.view3dY, c.view3dZ, c.dimensionFactor})
    EXPECT_LT(std::fabs(real), 1.0E6L);
  EXPECT_GT(c.cadTextWidthFactor, 0);
  EXPECT_GT(c.dimensionFactor, 0);
}

TEST_F(ConfigurationFile, RandomBytesGiveUsableSettings) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 20; ++round) {
    std::string bytes(64 * 1024, '\0');  // some 250 lines, a little more than the table
    for (char& byte : bytes) byte = static_cast<char>(random());
    WriteBytes(ConfigFile(), bytes);
    TestContext fresh;
    fresh.context.configDirectory = dir.Path();
    fresh.context.state.startupDirectory = dir.Path();
    ReadConfiguration(fresh.context, "kalo", dir.File("nofallback"));
    ExpectUsable(fresh.context.config);
  }
}

TEST_F(ConfigurationFile, InputWindowScaleFollowsTheWindowFrameAndScreenDensity) {
  EXPECT_EQ(InputWindowScale(646, 600, 96), 101);
  EXPECT_EQ(InputWindowScale(700, 600, 96), 109);  // 700/646 = 1.0836
  EXPECT_EQ(InputWindowScale(646, 600, 144), 151);
}

}  // namespace
}  // namespace kalo::testing
