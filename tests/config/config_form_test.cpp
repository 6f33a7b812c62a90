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
  std::vector<std::string> s = {f.Edit_dirdbf, f.Edit_direxe, f.Edit_dirplt, f.Edit_dirtemp, f.Edit_diredi,
                                f.Edit_dirdata, f.Edit_dircad, f.Edit_x, f.Edit_y, f.Edit_font,
                                f.Edit_textbreitenfaktor, f.Edit_texthoehenfaktor, f.Edit_zoomfaktor, f.Edit_panfaktor,
                                f.SpinEdit_dialogfenster, f.SpinEdit_dialogelemente, f.Edit_3dx, f.Edit_3dy, f.Edit_3dz,
                                f.Edit_cadfont, f.Edit_cadtextbreite, f.Edit_cadtextwinkel, f.Edit_freigabefeld,
                                f.SpinEdit_dxfdec, f.Edit_massfaktorconfig, f.Edit_printscale, f.Edit_printscaley,
                                f.Edit_printxorigin, f.Edit_printyorigin, f.SpinEdit_linesperpage,
                                f.SpinEdit_spacelines, f.ComboBox_ausdruckdefault, f.Edit_left, f.Edit_top,
                                f.Edit_width, f.Edit_height, f.Label_courier, f.SpinEdit_dezimalstellen,
                                f.Edit_externtxt, f.Edit_externhtml};
  for (const ConfigLayerRow& row : f.StringGrid_layer) s.insert(s.end(), {row.name, row.colour, row.thickness});
  for (const ConfigColourRow& row : f.StringGrid_color) s.insert(s.end(), {row.caption, row.thickness});
  for (const std::string& line : f.ListBox_penplot) s.push_back(line);
  for (int choice : {f.RadioGroup_bildschirmgrafik, f.graphicsFontStyle, f.backgroundColour, int(f.CheckBox_umrandung),
                     int(f.CheckBox_3dxyz), int(f.CheckBox_layermonochrom), int(f.CheckBox_diagrammgrenzen),
                     f.radiogroupcadtexttyp, f.RadioGroup_printmono, f.RadioGroup_orientation,
                     int(f.CheckBox_printerDialogbox), f.RadioGroup_lpt, f.RadioGroup_trenn, f.RadioGroup_date,
                     int(f.CheckBox_ausdruckshowdialog), f.RadioGroup_unit, f.RadioGroup_ausgrad, f.RadioGroup_ff,
                     f.printoutFontSize, f.printoutFontStyle, f.RadioGroup_hilfegrad, f.RadioGroup_punktkomma,
                     f.RadioGroup_ExcelDot, int(f.CheckBox_usereingabe), int(f.CheckBox_archivmode),
                     f.RadioGroup_chars, f.RadioGroup_ergebnisgrafik, f.plotCommandCount,
                     int(f.CheckBox_zeichvortanetitel), int(f.CheckBox_zeichfilename), int(f.CheckBox_zeichdatum),
                     int(f.CheckBox_zeichlogo)})
    s.push_back(std::to_string(choice));
  return s;
}

// A value away from its initial one in every field of every page.
void EditEveryPage(SettingsForm& f) {
  f.Edit_dirdbf = "/dbf/";
  f.Edit_direxe = "/opt/vortane/";
  f.Edit_dirplt = "/plt/";
  f.Edit_dirtemp = "/tmp/kalo/";
  f.Edit_diredi = "/edi/";
  f.Edit_dirdata = "/daten/";
  f.Edit_dircad = "/cad/";
  f.RadioGroup_bildschirmgrafik = 1;
  f.Edit_x = "1024";
  f.Edit_y = "768";
  f.Edit_font = "DejaVu Sans";
  f.graphicsFontStyle = 2;
  f.Edit_textbreitenfaktor = "0.9";
  f.Edit_texthoehenfaktor = "1.5";
  f.backgroundColour = 0xC0FFEE;
  f.Edit_zoomfaktor = "1.1";
  f.Edit_panfaktor = "0.05";
  f.CheckBox_umrandung = true;
  f.SpinEdit_dialogfenster = "120";
  f.SpinEdit_dialogelemente = "90";
  f.CheckBox_3dxyz = false;
  f.Edit_3dx = "-30";
  f.Edit_3dy = "45";
  f.Edit_3dz = "180";
  f.StringGrid_layer[1] = {f.StringGrid_layer[1].caption, "Kontur", "5", "4"};
  f.CheckBox_layermonochrom = true;
  f.Edit_cadfont = "ISOCP";
  f.Edit_cadtextbreite = "0.75";
  f.Edit_cadtextwinkel = "-90";
  f.CheckBox_diagrammgrenzen = true;
  f.Edit_freigabefeld = Oem("Geprüft");
  f.SpinEdit_dxfdec = "8";
  f.radiogroupcadtexttyp = 2;
  f.Edit_massfaktorconfig = "2.5";
  f.SetAllThicknesses(2);
  f.Edit_printscale = "2.5";
  f.Edit_printscaley = "1.25";
  f.Edit_printxorigin = "12";
  f.Edit_printyorigin = "-8";
  f.RadioGroup_printmono = 1;
  f.RadioGroup_orientation = 0;
  f.CheckBox_printerDialogbox = false;
  f.RadioGroup_lpt = 2;
  f.RadioGroup_trenn = 3;
  f.SpinEdit_linesperpage = "72";
  f.SpinEdit_spacelines = "3";
  f.RadioGroup_date = 3;
  f.CheckBox_ausdruckshowdialog = true;
  f.ComboBox_ausdruckdefault = "Datei";
  f.Edit_left = "20";
  f.Edit_top = "30";
  f.Edit_width = "640";
  f.Edit_height = "400";
  f.RadioGroup_unit = 1;
  f.RadioGroup_ausgrad = 0;
  f.RadioGroup_ff = 1;
  f.Label_courier = "DejaVu Sans Mono";
  f.printoutFontSize = 12;
  f.printoutFontStyle = 1;
  f.RadioGroup_hilfegrad = 2;
  f.RadioGroup_punktkomma = 1;
  f.RadioGroup_ExcelDot = 0;
  f.SpinEdit_dezimalstellen = "5";
  f.CheckBox_usereingabe = true;
  f.CheckBox_archivmode = true;
  f.RadioGroup_chars = 1;
  f.RadioGroup_ergebnisgrafik = 4;
  f.ListBox_penplot[1] = "wpenplot /zweite";
  f.plotCommandCount = 2;
  f.Edit_externtxt = "gedit";
  f.Edit_externhtml = "firefox";
  f.CheckBox_zeichvortanetitel = false;
  f.CheckBox_zeichlogo = false;
}

class ConfigDialogForm : public ::testing::Test, public ConfigFixture {};

TEST_F(ConfigDialogForm, EveryPageReachesTheRecordTheFileAndTheReopenedDialog) {
  SettingsForm form(context);
  EXPECT_EQ(form.page, ConfigPage::Grafik);
  EditEveryPage(form);
  ASSERT_TRUE(form.Button_saveClick());

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
  EXPECT_EQ(c.textDevice, 3);
  EXPECT_EQ(c.dateCode, 4);
  EXPECT_EQ(c.decimalSeparator, DecimalSeparator::Comma);
  EXPECT_EQ(c.spreadsheetDecimalSeparator, DecimalSeparator::Dot);
  EXPECT_EQ(c.plotCommandCount, 2);
  EXPECT_TRUE(c.titleBlockWithoutTitle);
  EXPECT_FALSE(c.titleBlockWithoutDate);

  SettingsForm shownAfterSave(context);
  ConfigFixture restarted;
  std::vector<std::string> written;
  std::string error;
  ASSERT_TRUE(ReadTextLines(ConfigFile(), written, error));
  WriteLines(restarted.ConfigFile(), written);
  ReadConfiguration(restarted.context);
  EXPECT_FALSE(restarted.context.state.cancel);
  SettingsForm reopened(restarted.context);
  EXPECT_EQ(Shown(reopened), Shown(shownAfterSave));
  // Numbers now show with five decimals and a comma, as chosen.
  EXPECT_EQ(reopened.Edit_panfaktor, "0,0500");
  EXPECT_EQ(reopened.Edit_3dx, "-30,00");
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
  EXPECT_EQ(f.Edit_dirtemp, "/var/tmp");
  EXPECT_EQ((std::vector<std::string>{f.Edit_textbreitenfaktor, f.Edit_texthoehenfaktor, f.Edit_zoomfaktor,
                                      f.Edit_panfaktor, f.Edit_cadtextbreite, f.Edit_cadtextwinkel,
                                      f.Edit_freigabefeld, f.SpinEdit_dxfdec, f.Edit_massfaktorconfig,
                                      f.Edit_printscale, f.Edit_printscaley, f.Edit_printxorigin,
                                      f.Edit_printyorigin}),
            (std::vector<std::string>{"0.8", "1", "1.02", "0.02", "1", "0", "Frei", "6", "1.0", "1.0", "1.0", "0",
                                      "0"}));
  // Layer 4 takes "4", colour 3 and thickness 2; the other rows stay.
  EXPECT_EQ(f.StringGrid_layer[1].name, "4");
  EXPECT_EQ(f.StringGrid_layer[1].colour, "3");
  EXPECT_EQ(f.StringGrid_layer[1].thickness, "2");
  EXPECT_EQ(f.StringGrid_layer[0].name, "5");

  f.ResetWindowSize();  // the screen less the frame; the main window follows at once
  EXPECT_EQ(f.Edit_x, "1910");
  EXPECT_EQ(f.Edit_y, std::to_string(1080 - 116));
  EXPECT_EQ(resized, (std::vector<std::pair<int, int>>{{1910, 964}}));
  f.ResetTextWindow();  // wide window: 10 points × 700 × 0.1
  EXPECT_EQ((std::vector<std::string>{f.Edit_left, f.Edit_top, f.Edit_width, f.Edit_height}),
            (std::vector<std::string>{"10", "40", "840", "944"}));
  f.ResetDialogWindowScale();  // (400 / 376 + 0.009) × 1.25 × 100
  EXPECT_EQ(f.SpinEdit_dialogfenster, "134");
  f.ResetDialogElementScale();
  EXPECT_EQ(f.SpinEdit_dialogelemente, "125");

  test.platform.environment["TEMP"] = "  ";
  f.Edit_dirtemp = "/eigen";
  f.ResetTempDirectory();
  EXPECT_EQ(f.Edit_dirtemp, "/eigen");
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
    form.Edit_zoomfaktor = "0";  // 0 means 1.0
    form.Edit_x = "0";           // 0 means the screen less the dialog's frame
    return form.Button_okClick();
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
       {Case{&SettingsForm::SpinEdit_dezimalstellen, "12", ConfigPage::Einstellungen, "Anzahl der Dezimalstellen", "1 .. 9"},
        Case{&SettingsForm::Edit_printscale, "abc", ConfigPage::Drucker, Oem("Maßstab x"), "0.0001 .. 1000"},
        Case{&SettingsForm::Edit_x, "800.5", ConfigPage::Grafik, Oem("Fenstergröße x"), "0 .. 5001"},
        Case{&SettingsForm::SpinEdit_dxfdec, "", ConfigPage::Cad, "Anzahl der Dezimalstellen DXF, TXT", "1 .. 32"}}) {
    test.ui.messages.clear();
    SettingsForm form(context);
    form.page = ConfigPage::Extern;
    form.Edit_dirdbf = "/anders/";
    form.*bad.field = bad.typed;
    EXPECT_FALSE(form.Button_saveClick()) << bad.typed;
    EXPECT_EQ(form.page, bad.page) << bad.typed;
    ASSERT_EQ(test.ui.messages.size(), 1u);
    EXPECT_EQ(test.ui.messages[0].text, bad.name + Oem(": Gültiger Wertebereich: ") + bad.message + " !");
    EXPECT_EQ(form.refusedField, &(form.*bad.field));
    EXPECT_EQ(context.config.dbfDirectory, before.dbfDirectory);
  }
  SettingsForm form(context);
  form.StringGrid_color[3].thickness = "0";
  EXPECT_FALSE(form.Button_okClick());
  EXPECT_EQ(form.page, ConfigPage::Farbe);
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
  form.Button_importClick();
  EXPECT_EQ(form.Edit_zoomfaktor, "1.5");
  EXPECT_EQ(form.Edit_dirdbf, "/fremd/dbf/");
  EXPECT_EQ(context.config.zoomFactor, 1.02L);  // nothing reaches the record before OK
  EXPECT_EQ(context.configDirectory, dir.Path());
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_NE(test.ui.messages[0].text.find("anders.cfg"), std::string::npos);

  test.ui.messages.clear();
  SettingsForm(context).Button_saveClick();  // a complete file as this version writes it
  test.ui.texts = {ConfigFile()};
  form.Button_importClick();
  EXPECT_EQ(form.Edit_zoomfaktor, "1.02");
  EXPECT_TRUE(test.ui.messages.empty());

  test.ui.texts = {dir.File("fehlt.cfg")};
  form.Button_importClick();
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(form.Edit_zoomfaktor, "1.02");
}

TEST_F(ConfigDialogForm, SavingToAFolderThatCannotBeWrittenSaysSoAndKeepsTheSettings) {
  context.configDirectory = dir.File("fehlt/nirgends");
  SettingsForm form(context);
  form.Edit_dirdbf = "/neu/";
  EXPECT_FALSE(form.Button_saveClick());
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
  EXPECT_EQ(form.StringGrid_color[0].colour, 5);
  EXPECT_EQ(form.StringGrid_color[0].caption, Oem("Farbe für Layer 16 (blau)"));
  form.ChooseLayerColour(2);
  EXPECT_EQ(form.StringGrid_layer[2].colour, "5");

  test.ui.texts = {"plot /dritte"};
  form.EditPlotCommand(2);
  EXPECT_EQ(form.ListBox_penplot[2], "plot /dritte");
  EXPECT_EQ(form.plotCommandCount, 3);
  EXPECT_EQ(test.ui.prompts.back(), "PENPLOT Command Line");
}

}  // namespace
}  // namespace kalo::testing
