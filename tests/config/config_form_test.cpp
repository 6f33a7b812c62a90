#include "config/config_form.h"

#include <gtest/gtest.h>

#include <numbers>

#include "app/config_commands.h"
#include "config/config_fixture.h"
#include "config/configuration_file.h"
#include "dialogs/choice_forms.h"
#include "platform/codepage.h"
#include "platform/text_file.h"

namespace kalo::testing {
namespace {

// Every field of every page, so that two forms can be compared as a whole.
std::vector<std::string> Shown(const SettingsForm& f) {
  std::vector<std::string> s = {f.dbfDirectory, f.programDirectory, f.pltDirectory, f.tempDirectory, f.ediDirectory,
                                f.dataDirectory, f.cadDirectory, f.clientWidth, f.clientHeight, f.graphicsFont,
                                f.graphicsTextWidthFactor, f.textHeightFactor, f.zoomFactor, f.panFactor,
                                f.inputWindowScale, f.dialogElementScale, f.view3dX, f.view3dY, f.view3dZ,
                                f.cadTextStyle, f.cadTextWidthFactor, f.cadTextAngle, f.releaseCaption,
                                f.cadDecimals, f.dimensionFactor, f.printScale, f.printScaleVertical,
                                f.printOriginX, f.printOriginY, f.linesPerPage,
                                f.headerSpaceLines, f.textDevice, f.textWindowLeft, f.textWindowTop,
                                f.textWindowWidth, f.textWindowHeight, f.printoutFont, f.decimals,
                                f.textProgram, f.htmlBrowser};
  for (const ConfigLayerRow& row : f.layerRows) s.insert(s.end(), {row.name, row.colour, row.thickness});
  for (const ConfigColourRow& row : f.colourRows) s.insert(s.end(), {row.caption, row.thickness});
  for (const std::string& line : f.plotCommands) s.push_back(line);
  for (int choice : {f.screenGraphicsChoice, f.graphicsFontStyle, f.backgroundColour, int(f.border),
                     int(f.edit3dAngles), int(f.layerMonochrome), int(f.askDiagramLimits),
                     f.cadTextModeChoice, f.printColoursChoice, f.orientationChoice,
                     int(f.printDialog), f.printerPortChoice, f.separatorChoice, f.dateChoice,
                     int(f.askTextDevice), f.unitsChoice, f.angleOutputChoice, f.printoutHeaderChoice,
                     f.printoutFontSize, f.printoutFontStyle, f.helpLevelChoice, f.decimalSeparatorChoice,
                     f.spreadsheetSeparatorChoice, int(f.userMode), int(f.archiveMode),
                     f.specialCharactersChoice, f.resultGraphicChoice, f.plotCommandCount,
                     int(f.showTitle), int(f.showFileName), int(f.showDate),
                     int(f.showLogo)})
    s.push_back(std::to_string(choice));
  return s;
}

// A value away from its initial one in every field of every page.
void EditEveryPage(SettingsForm& f) {
  f.dbfDirectory = "/dbf/";
  f.programDirectory = "/opt/vortane/";
  f.pltDirectory = "/plt/";
  f.tempDirectory = "/tmp/kalo/";
  f.ediDirectory = "/edi/";
  f.dataDirectory = "/daten/";
  f.cadDirectory = "/cad/";
  f.screenGraphicsChoice = 1;
  f.clientWidth = "1024";
  f.clientHeight = "768";
  f.graphicsFont = "DejaVu Sans";
  f.graphicsFontStyle = 2;
  f.graphicsTextWidthFactor = "0.9";
  f.textHeightFactor = "1.5";
  f.backgroundColour = 0xC0FFEE;
  f.zoomFactor = "1.1";
  f.panFactor = "0.05";
  f.border = true;
  f.inputWindowScale = "120";
  f.dialogElementScale = "90";
  f.edit3dAngles = false;
  f.view3dX = "-30";
  f.view3dY = "45";
  f.view3dZ = "180";
  f.layerRows[1] = {f.layerRows[1].caption, "Kontur", "5", "4"};
  f.layerMonochrome = true;
  f.cadTextStyle = "ISOCP";
  f.cadTextWidthFactor = "0.75";
  f.cadTextAngle = "-90";
  f.askDiagramLimits = true;
  f.releaseCaption = Oem("Geprüft");
  f.cadDecimals = "8";
  f.cadTextModeChoice = 2;
  f.dimensionFactor = "2.5";
  f.SetAllThicknesses(2);
  f.printScale = "2.5";
  f.printScaleVertical = "1.25";
  f.printOriginX = "12";
  f.printOriginY = "-8";
  f.printColoursChoice = 1;
  f.orientationChoice = 0;
  f.printDialog = false;
  f.printerPortChoice = 2;
  f.separatorChoice = 3;
  f.linesPerPage = "72";
  f.headerSpaceLines = "3";
  f.dateChoice = 3;
  f.askTextDevice = true;
  f.textDevice = "Datei";
  f.textWindowLeft = "20";
  f.textWindowTop = "30";
  f.textWindowWidth = "640";
  f.textWindowHeight = "400";
  f.unitsChoice = 1;
  f.angleOutputChoice = 0;
  f.printoutHeaderChoice = 1;
  f.printoutFont = "DejaVu Sans Mono";
  f.printoutFontSize = 12;
  f.printoutFontStyle = 1;
  f.helpLevelChoice = 2;
  f.decimalSeparatorChoice = 1;
  f.spreadsheetSeparatorChoice = 0;
  f.decimals = "5";
  f.userMode = true;
  f.archiveMode = true;
  f.specialCharactersChoice = 1;
  f.resultGraphicChoice = 4;
  f.plotCommands[1] = "wpenplot /zweite";
  f.plotCommandCount = 2;
  f.textProgram = "gedit";
  f.htmlBrowser = "firefox";
  f.showTitle = false;
  f.showLogo = false;
}

class ConfigDialogForm : public ::testing::Test, public ConfigFixture {};

TEST_F(ConfigDialogForm, EveryPageReachesTheRecordTheFileAndTheReopenedDialog) {
  SettingsForm form(context);
  EXPECT_EQ(form.page, ConfigPage::Graphics);
  EditEveryPage(form);
  ASSERT_TRUE(form.SaveClick());

  const Configuration& c = context.config;
  EXPECT_EQ(c.dbfDirectory, "/dbf/");
  EXPECT_FALSE(c.colourGraphics);
  EXPECT_EQ(c.resolutionX, 1023);
  EXPECT_EQ(c.resolutionY, 767);
  EXPECT_NEAR(static_cast<double>(c.view3dX), -std::numbers::pi / 6, 1e-12);
  EXPECT_EQ(c.layers[4].name, "Kontur");
  EXPECT_EQ(c.layers[4].colour, 5);
  EXPECT_EQ(c.layers[4].thickness, 4);
  EXPECT_EQ(c.drawingLayerThicknesses[15], 2);
  EXPECT_EQ(c.cadTextMode, CadTextMode::PlainLetters);
  EXPECT_EQ(c.printColourMode, PrintColours::Colour);
  EXPECT_EQ(c.printOrientation, PageOrientation::Portrait);
  EXPECT_EQ(c.printerPort, 3);
  EXPECT_EQ(c.textDevice, kTargetFile);
  EXPECT_EQ(c.dateCode, DateCode::DayMonthYear);
  EXPECT_EQ(c.decimalSeparator, DecimalSeparator::Comma);
  EXPECT_EQ(c.spreadsheetDecimalSeparator, DecimalSeparator::Dot);
  EXPECT_EQ(c.plotCommandCount, 2);
  EXPECT_TRUE(c.titleBlockWithoutTitle);
  EXPECT_FALSE(c.titleBlockWithoutDate);

  SettingsForm shownAfterSave(context);
  ConfigFixture restarted;
  std::vector<std::string> written;
  ASSERT_TRUE(ReadTextLines(ConfigFile(), written));
  WriteLines(restarted.ConfigFile(), written);
  ReadConfiguration(restarted.context);
  EXPECT_FALSE(restarted.context.state.cancel);
  SettingsForm reopened(restarted.context);
  EXPECT_EQ(Shown(reopened), Shown(shownAfterSave));
  // Numbers now show with five decimals and a comma, as chosen.
  EXPECT_EQ(reopened.panFactor, "0,0500");
  EXPECT_EQ(reopened.view3dX, "-30,00");
}

TEST_F(ConfigDialogForm, ResetButtonsPutTheirDefaults) {
  test.platform.environment["TEMP"] = "/var/tmp";
  SettingsForm f(context);
  EditEveryPage(f);
  f.metrics = {1920, 1080, 96, 120, 600, 400, 590, 330, 600, 480, 592, 452};
  std::vector<std::pair<int, int>> resized;
  f.resizeMainWindow = [&](int w, int h) { resized.push_back({w, h}); };

  f.ResetTempDirectory();
  f.ResetTextWidthFactor();
  f.ResetTextHeightFactor();
  f.ResetZoomFactor();
  f.ResetPanFactor();
  f.ResetCadTextWidth();
  f.ResetCadTextAngle();
  f.ResetReleaseCaption();
  f.ResetCadDecimals();
  f.ResetDimensionFactor();
  f.ResetPrintScale();
  f.ResetPrintScaleY();
  f.ResetPrintOrigin();
  f.ResetLayer(1);
  EXPECT_EQ(f.tempDirectory, "/var/tmp");
  EXPECT_EQ((std::vector<std::string>{f.graphicsTextWidthFactor, f.textHeightFactor, f.zoomFactor,
                                      f.panFactor, f.cadTextWidthFactor, f.cadTextAngle,
                                      f.releaseCaption, f.cadDecimals, f.dimensionFactor,
                                      f.printScale, f.printScaleVertical, f.printOriginX,
                                      f.printOriginY}),
            (std::vector<std::string>{"0.8", "1", "1.02", "0.02", "1", "0", "Frei", "6", "1.0", "1.0", "1.0", "0",
                                      "0"}));
  // Layer 4 takes "4", colour 3 and thickness 2; the other rows stay.
  EXPECT_EQ(f.layerRows[1].name, "4");
  EXPECT_EQ(f.layerRows[1].colour, "3");
  EXPECT_EQ(f.layerRows[1].thickness, "2");
  EXPECT_EQ(f.layerRows[0].name, "5");

  f.ResetWindowSize();  // the screen less the frame; the main window follows at once
  EXPECT_EQ(f.clientWidth, "1910");
  EXPECT_EQ(f.clientHeight, std::to_string(1080 - 116));
  EXPECT_EQ(resized, (std::vector<std::pair<int, int>>{{1910, 964}}));
  f.ResetTextWindow();  // wide window: 10 points × 700 × 0.1
  EXPECT_EQ((std::vector<std::string>{f.textWindowLeft, f.textWindowTop, f.textWindowWidth, f.textWindowHeight}),
            (std::vector<std::string>{"10", "40", "840", "944"}));
  f.ResetDialogWindowScale();  // (400 / 376 + 0.009) × 1.25 × 100
  EXPECT_EQ(f.inputWindowScale, "134");
  f.ResetDialogElementScale();
  EXPECT_EQ(f.dialogElementScale, "125");

  test.platform.environment["TEMP"] = "  ";
  f.tempDirectory = "/eigen";
  f.ResetTempDirectory();
  EXPECT_EQ(f.tempDirectory, "/eigen");
}

TEST_F(ConfigDialogForm, CancelChangesNothingAndOkTakesTheDialogOver) {
  std::vector<std::string> before = Shown(SettingsForm(context));
  test.ui.onConfigDialog = [](SettingsForm& form) {
    EditEveryPage(form);
    return false;
  };
  FileConfig(context);
  EXPECT_EQ(Shown(SettingsForm(context)), before);
  EXPECT_FALSE(FileExists(ConfigFile()));

  test.ui.onConfigDialog = [](SettingsForm& form) {
    form.zoomFactor = "0";  // 0 means 1.0
    form.clientWidth = "0";           // 0 means the screen less the dialog's frame
    return form.OkClick();
  };
  FileConfig(context);
  EXPECT_EQ(context.config.zoomFactor, 1.0L);
  EXPECT_EQ(context.config.resolutionX, 1280 + 592 - 600);
  EXPECT_FALSE(FileExists(ConfigFile()));  // only "&Speichern" writes
}

TEST_F(ConfigDialogForm, NumbersOutOfRangeOrNoNumbersAreRefusedOnTheirPage) {
  Configuration before = context.config;
  struct Case {
    std::string SettingsForm::*field;
    std::string typed;
    ConfigPage page;
    std::string name;
    std::string message;
  };
  for (const Case& bad :
       {Case{&SettingsForm::decimals, "12", ConfigPage::Preferences, "Anzahl der Dezimalstellen", "1 .. 9"},
        Case{&SettingsForm::printScale, "abc", ConfigPage::Printer, Oem("Maßstab x"), "0.0001 .. 1000"},
        Case{&SettingsForm::clientWidth, "800.5", ConfigPage::Graphics, Oem("Fenstergröße x"), "0 .. 5001"},
        Case{&SettingsForm::cadDecimals, "", ConfigPage::Cad, "Anzahl der Dezimalstellen DXF, TXT", "1 .. 32"}}) {
    test.ui.messages.clear();
    SettingsForm form(context);
    form.page = ConfigPage::ExternalPrograms;
    form.dbfDirectory = "/anders/";
    form.*bad.field = bad.typed;
    EXPECT_FALSE(form.SaveClick()) << bad.typed;
    EXPECT_EQ(form.page, bad.page) << bad.typed;
    ASSERT_EQ(test.ui.messages.size(), 1u);
    EXPECT_EQ(test.ui.messages[0].text, bad.name + Oem(": Gültiger Wertebereich: ") + bad.message + " !");
    EXPECT_EQ(form.refusedField, &(form.*bad.field));
    EXPECT_EQ(context.config.dbfDirectory, before.dbfDirectory);
  }
  SettingsForm form(context);
  form.colourRows[3].thickness = "0";
  EXPECT_FALSE(form.OkClick());
  EXPECT_EQ(form.page, ConfigPage::Colours);
  EXPECT_FALSE(FileExists(ConfigFile()));
}

TEST_F(ConfigDialogForm, ImportReadsIntoTheFieldsOnlyAndNamesADamagedFile) {
  std::vector<std::string> lines = InitialConfigurationLines();
  SetValue(lines, "Zoomfaktor", "1,5");
  SetValue(lines, "DBF Ordner", "/fremd/dbf/");
  CutAfterValue(lines, "Pan-Faktor");
  WriteLines(dir.File("anders.cfg"), lines);
  SettingsForm form(context);
  test.ui.texts = {dir.File("anders.cfg")};
  form.ImportClick();
  EXPECT_EQ(form.zoomFactor, "1.5");
  EXPECT_EQ(form.dbfDirectory, "/fremd/dbf/");
  EXPECT_EQ(context.config.zoomFactor, 1.02L);  // nothing reaches the record before OK
  EXPECT_EQ(context.configDirectory, dir.Path());
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_NE(test.ui.messages[0].text.find("anders.cfg"), std::string::npos);

  test.ui.messages.clear();
  SettingsForm(context).SaveClick();  // a complete file as this version writes it
  test.ui.texts = {ConfigFile()};
  form.ImportClick();
  EXPECT_EQ(form.zoomFactor, "1.02");
  EXPECT_TRUE(test.ui.messages.empty());

  test.ui.texts = {dir.File("fehlt.cfg")};
  form.ImportClick();
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(form.zoomFactor, "1.02");
}

TEST_F(ConfigDialogForm, SavingToAFolderThatCannotBeWrittenSaysSoAndKeepsTheSettings) {
  context.configDirectory = dir.File("fehlt/nirgends");
  SettingsForm form(context);
  form.dbfDirectory = "/neu/";
  EXPECT_FALSE(form.SaveClick());
  EXPECT_FALSE(test.ui.messages.empty() && test.ui.questions.empty());
  EXPECT_EQ(context.config.dbfDirectory, "/neu/");
  EXPECT_FALSE(context.state.cancel);
}

TEST_F(ConfigDialogForm, ColoursAndPlotLinesComeFromTheirDialogs) {
  SettingsForm form(context);
  test.ui.onSelectColour = [](SelectColourForm& colours) {
    colours.row = 4;
    return true;
  };
  form.ChooseDrawingLayerColour(0);
  EXPECT_EQ(form.colourRows[0].colour, 5);
  EXPECT_EQ(form.colourRows[0].caption, Oem("Farbe für Layer 16 (blau)"));
  form.ChooseLayerColour(2);
  EXPECT_EQ(form.layerRows[2].colour, "5");

  test.ui.texts = {"plot /dritte"};
  form.EditPlotCommand(2);
  EXPECT_EQ(form.plotCommands[2], "plot /dritte");
  EXPECT_EQ(form.plotCommandCount, 3);
  EXPECT_EQ(test.ui.prompts.back(), "PENPLOT Command Line");
}

}  // namespace
}  // namespace kalo::testing
