// The nine pages of the configuration dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <tuple>

#include "output/text_output.h"
#include "qt/config_dialog.h"
#include "qt/qt_text.h"

namespace kalo {
namespace {

QWidget* PageWith(QGridLayout*& grid) {
  auto* page = new QWidget;
  grid = new QGridLayout(page);
  return page;
}

// A widget in the next row of the grid, across its columns.
void AddRow(QGridLayout* grid, QWidget* widget) { grid->addWidget(widget, grid->rowCount(), 0, 1, 4); }

}  // namespace

QWidget* ConfigDialog::DirectoriesPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  struct Directory {
    const char* caption;
    const char* name;
    std::string& field;
    int help;
  };
  for (const Directory& d :
       {Directory{"Ordner für Datenbankdateien (dbf)", "Edit_dirdbf", form_.dbfDirectory, SettingsForm::kHelpDbfDirectory},
        Directory{"VORTANE-Programm-Ordner", "Edit_direxe", form_.programDirectory, SettingsForm::kHelpProgramDirectory},
        Directory{"Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)", "Edit_dirplt", form_.pltDirectory,
                  SettingsForm::kHelpPltDirectory},
        Directory{"Temporärer Ordner", "Edit_dirtemp", form_.tempDirectory, SettingsForm::kHelpTempDirectory},
        Directory{"EDI Ordner", "Edit_diredi", form_.ediDirectory, SettingsForm::kHelpEdiDirectory},
        Directory{"Daten Ordner", "Edit_dirdata", form_.dataDirectory, SettingsForm::kHelpDataDirectory},
        Directory{"CAD Ordner", "Edit_dircad", form_.cadDirectory, SettingsForm::kHelpCadDirectory}}) {
    int row = grid->rowCount();
    grid->addWidget(HintedLabel(d.caption, d.help), row, 0);
    grid->addWidget(Edit(d.name, d.field), row, 1);
    std::string* field = &d.field;
    grid->addWidget(Button((std::string(d.name) + "_choose").c_str(), "...",
                           [this, field] { form_.ChooseDirectory(*field); }),
                    row, 2);
    if (field == &form_.tempDirectory)
      grid->addWidget(Button("Edit_dirtemp_reset", "<", [this] { form_.ResetTempDirectory(); }), row, 3);
  }
  int row = grid->rowCount();
  grid->addWidget(HintedLabel("Arbeitsverzeichnis", SettingsForm::kHelpWorkingDirectory), row, 0);
  grid->addWidget(ModelLabel(form_.workingDirectory), row, 1);
  grid->addWidget(HelpButton("Button_dirworking_help", "?", SettingsForm::kHelpWorkingDirectory), row, 2);
  AddRow(grid, ModelLabel(form_.userName));
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

QWidget* ConfigDialog::GraphicsPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  AddRow(grid, Radios("RadioGroup_bildschirmgrafik", "Farbgrafik", {"color", "monochrom"},
                      form_.screenGraphicsChoice));
  QLineEdit* x = EditRow(grid, "Fenstergroesse  x", "Edit_x", form_.clientWidth, [this] { form_.ResetWindowSize(); });
  QLineEdit* y = EditRow(grid, "y", "Edit_y", form_.clientHeight);
  for (QLineEdit* edit : {x, y})
    connect(edit, &QLineEdit::editingFinished, this, [this] {
      TakeFields();
      form_.WindowSizeExit();
    });
  int row = grid->rowCount();
  grid->addWidget(Edit("Edit_font", form_.graphicsFont), row, 0, 1, 2);
  grid->addWidget(Button("Button_font", "Font...",
                         [this] { ChooseFont(form_.graphicsFont, form_.graphicsFontStyle, nullptr); }),
                  row, 2);
  EditRow(grid, "Textbreitenfaktor", "Edit_textbreitenfaktor", form_.graphicsTextWidthFactor,
          [this] { form_.ResetTextWidthFactor(); });
  EditRow(grid, "Texthöhenfaktor", "Edit_texthoehenfaktor", form_.textHeightFactor,
          [this] { form_.ResetTextHeightFactor(); });
  row = grid->rowCount();
  grid->addWidget(Button("Button_hintergrundfarbe", "Hintergrundfarbe...", [this] { ChooseBackgroundColour(); }),
                  row, 0);
  backgroundPanel_ = new QLabel;
  backgroundPanel_->setObjectName("Panel_hintergrundfarbe");
  grid->addWidget(backgroundPanel_, row, 1);
  EditRow(grid, "Zoomfaktor", "Edit_zoomfaktor", form_.zoomFactor, [this] { form_.ResetZoomFactor(); });
  EditRow(grid, "Pan-Faktor", "Edit_panfaktor", form_.panFactor, [this] { form_.ResetPanFactor(); });
  AddRow(grid, Check("CheckBox_umrandung", "Umrandung", form_.border));
  EditRow(grid, "Dialogfenster Größe %", "SpinEdit_dialogfenster", form_.inputWindowScale,
          [this] { form_.ResetDialogWindowScale(); });
  EditRow(grid, "Dialogelemente Größe %", "SpinEdit_dialogelemente", form_.dialogElementScale,
          [this] { form_.ResetDialogElementScale(); });
  AddRow(grid, Check("CheckBox_3dxyz", "3D Edit x,y,z", form_.edit3dAngles));
  EditRow(grid, "x °", "Edit_3dx", form_.view3dX);
  EditRow(grid, "y °", "Edit_3dy", form_.view3dY);
  EditRow(grid, "z °", "Edit_3dz", form_.view3dZ);
  AddRow(grid, HelpButton("Button_help_grafik", "&Hilfe", SettingsForm::kHelpGraphics));
  return page;
}

QWidget* ConfigDialog::CadPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  int column = 1;
  for (const char* caption : {"Layer", "Farbe", "Strichstärke"}) grid->addWidget(Label(caption), 0, column++);
  for (int r = 0; r < kLayerRows; ++r) {
    ConfigLayerRow& layer = form_.layerRows[static_cast<size_t>(r)];
    std::string name = "StringGrid_layer" + std::to_string(r);
    int row = grid->rowCount();
    grid->addWidget(ModelLabel(layer.caption), row, 0);
    grid->addWidget(Edit((name + "_name").c_str(), layer.name), row, 1);
    grid->addWidget(Edit((name + "_colour").c_str(), layer.colour), row, 2);
    grid->addWidget(Edit((name + "_thickness").c_str(), layer.thickness), row, 3);
    grid->addWidget(Button((name + "_farbe").c_str(), "Farbe", [this, r] { form_.ChooseLayerColour(r); }), row, 4);
    grid->addWidget(Button((name + "_reset").c_str(), "<", [this, r] { form_.ResetLayer(r); }), row, 5);
  }
  AddRow(grid, HelpButton("Button_help_layer", "&Hilfe", SettingsForm::kHelpLayers));
  QCheckBox* monochrome = Check("CheckBox_layermonochrom", "Layer Monochrom ?", form_.layerMonochrome);
  monochrome->setToolTip(Text(form_.Hint(SettingsForm::kHelpLayerMonochrome)));
  AddRow(grid, monochrome);
  AddRow(grid, Check("CheckBox_layerfarbenSvgPdf", "Layerfarben SVG,PDF ?", form_.pageLayerColours));
  EditRow(grid, "Textstil", "Edit_cadfont", form_.cadTextStyle);
  EditRow(grid, "Textbreitenfaktor", "Edit_cadtextbreite", form_.cadTextWidthFactor,
          [this] { form_.ResetCadTextWidth(); });
  EditRow(grid, "Textwinkel", "Edit_cadtextwinkel", form_.cadTextAngle, [this] { form_.ResetCadTextAngle(); });
  AddRow(grid, Check("CheckBox_diagrammgrenzen", "Diagrammgrenzen abfragen", form_.askDiagramLimits));
  EditRow(grid, "Freigabefeld", "Edit_freigabefeld", form_.releaseCaption,
          [this] { form_.ResetReleaseCaption(); });
  EditRow(grid, "Anzahl der Dezimalstellen  DXF, TXT", "SpinEdit_dxfdec", form_.cadDecimals,
          [this] { form_.ResetCadDecimals(); });
  AddRow(grid, Radios("radiogroupcadtexttyp", "Text Type", {"OEM (ASCII)", "ANSI", "Ä->Ae, ß->ss..."},
                      form_.cadTextModeChoice));
  EditRow(grid, "Größenfaktor Bemaßung", "Edit_massfaktorconfig", form_.dimensionFactor,
          [this] { form_.ResetDimensionFactor(); });
  AddRow(grid, HelpButton("Button_help_cad", "&Hilfe", SettingsForm::kHelpCad));
  return page;
}

QWidget* ConfigDialog::ColoursPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  grid->addWidget(Label("Farbe"), 0, 0);
  grid->addWidget(Label("Strichstärke"), 0, 2);
  for (int r = 0; r < kDrawingLayers; ++r) {
    ConfigColourRow& colour = form_.colourRows[static_cast<size_t>(r)];
    std::string name = "StringGrid_color" + std::to_string(r);
    int row = grid->rowCount();
    grid->addWidget(ModelLabel(colour.caption), row, 0);
    grid->addWidget(Button((name + "_farbe").c_str(), "Farbe", [this, r] { form_.ChooseDrawingLayerColour(r); }), row,
                    1);
    grid->addWidget(Edit((name + "_thickness").c_str(), colour.thickness), row, 2);
  }
  int row = grid->rowCount();
  for (int thickness = 1; thickness <= 3; ++thickness)
    grid->addWidget(Button(("Button_strichstaerke" + std::to_string(thickness)).c_str(), "Strichstärke",
                           [this, thickness] { form_.SetAllThicknesses(thickness); }),
                    row, thickness - 1);
  AddRow(grid, HelpButton("Button_help_farbe", "&Hilfe", SettingsForm::kHelpColours));
  return page;
}

QWidget* ConfigDialog::PrinterPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  EditRow(grid, "Maßstab x", "Edit_printscale", form_.printScale, [this] { form_.ResetPrintScale(); });
  EditRow(grid, "Maßstab y", "Edit_printscaley", form_.printScaleVertical, [this] { form_.ResetPrintScaleY(); });
  EditRow(grid, "Ursprung  x", "Edit_printxorigin", form_.printOriginX, [this] { form_.ResetPrintOrigin(); });
  EditRow(grid, "y", "Edit_printyorigin", form_.printOriginY);
  AddRow(grid, Radios("RadioGroup_printmono", "Schattierung", {"Monochrom", "Color / Graustufen"},
                      form_.printColoursChoice));
  AddRow(grid, Radios("RadioGroup_orientation", "Ausdruck", {"Hochformat", "Querformat"},
                      form_.orientationChoice));
  AddRow(grid, Check("CheckBox_printerDialogbox", "Ausgabeformat abfragen", form_.printDialog));
  // The same setting as on the page "Grafik": the two boxes follow each other.
  QCheckBox* printerBorder = Check("CheckBox_umrandung_drucker", "Umrandung", form_.border);
  AddRow(grid, printerBorder);
  if (auto* border = findChild<QCheckBox*>("CheckBox_umrandung")) {
    connect(border, &QCheckBox::toggled, printerBorder, &QCheckBox::setChecked);
    connect(printerBorder, &QCheckBox::toggled, border, &QCheckBox::setChecked);
  }
  AddRow(grid, HelpButton("Button_help_drucker", "&Hilfe", SettingsForm::kHelpPrinter));
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

QWidget* ConfigDialog::PrintoutPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  grid->addWidget(Radios("RadioGroup_lpt", "Druckerschnittstelle für Textausdruck", {"LPT1", "LPT2", "LPT3", "LPT4"},
                         form_.printerPortChoice),
                  0, 0);
  grid->addWidget(Radios("RadioGroup_trenn", "Form der Trennzeilen im Ausdruck",
                         {"Trennlinien  ---- ====  ****", "Trennlinien  ─── ═══", "Leerzeichen und Leerzeilen",
                          "komprimiert, ohne Trennzeilen"},
                         form_.separatorChoice),
                  0, 1);
  grid->addWidget(Radios("RadioGroup_date", "Datum", {"DD.MM.YYYY", "MM/DD/YYYY", "YYYY/MM/DD", "DD/MM/YYY"},
                         form_.dateChoice),
                  0, 2);
  EditRow(grid, "Max. Anzahl Zeilen/Seite auf dem Ausdruck", "SpinEdit_linesperpage", form_.linesPerPage)
      ->setMaxLength(3);
  EditRow(grid, "Leerzeilen am Seitenanfang", "SpinEdit_spacelines", form_.headerSpaceLines)->setMaxLength(2);
  AddRow(grid, Check("CheckBox_ausdruckshowdialog", "Ausgabeformat abfragen", form_.askTextDevice));
  int row = grid->rowCount();
  grid->addWidget(Label("Ausgabeformat"), row, 0);
  outputTarget_ = new QComboBox;
  outputTarget_->setObjectName("ComboBox_ausdruckdefault");
  for (const std::string& target : TextTargetChoices()) outputTarget_->addItem(Text(target));
  grid->addWidget(outputTarget_, row, 1);
  EditRow(grid, "Textfenster  links", "Edit_left", form_.textWindowLeft, [this] { form_.ResetTextWindow(); });
  EditRow(grid, "oben", "Edit_top", form_.textWindowTop);
  EditRow(grid, "Breite", "Edit_width", form_.textWindowWidth);
  EditRow(grid, "Höhe", "Edit_height", form_.textWindowHeight);
  row = grid->rowCount();
  grid->addWidget(Radios("RadioGroup_unit", "Einheit", {"Metrisch (mm, N, MPa)", "Englisch (in, lbf, psi)"},
                         form_.unitsChoice),
                  row, 0);
  grid->addWidget(Radios("RadioGroup_ausgrad", "Winkel", {"15.1234°", "15° 7' 26\""}, form_.angleOutputChoice), row,
                  1);
  grid->addWidget(Radios("RadioGroup_ff", "Textausdruck", {"mit Kopf", "Kopf nur 1.Seite"}, form_.printoutHeaderChoice), row,
                  2);
  row = grid->rowCount();
  grid->addWidget(ModelLabel(form_.printoutFont), row, 0);
  grid->addWidget(Button("Button_courier", "Font...",
                         [this] {
                           ChooseFont(form_.printoutFont, form_.printoutFontStyle, &form_.printoutFontSize);
                         }),
                  row, 1);
  AddRow(grid, HelpButton("Button_help_ausdruck", "&Hilfe", SettingsForm::kHelpPrintout));
  return page;
}

QWidget* ConfigDialog::PreferencesPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  grid->addWidget(Radios("RadioGroup_hilfegrad", "Hilfegrad",
                         {"0 : Keine Info nach Eingabe", "1 : Normale Einstellung",
                          "2 : Erweiterte Hilfe, Einzeleingabe"},
                         form_.helpLevelChoice),
                  0, 0);
  grid->addWidget(Radios("RadioGroup_ergebnisgrafik", "Ergebnisgrafik",
                         {"egal", "Quick 1", "Quick 2", "Fertigungszeichnung", "Diagramm", "Zeichnung"},
                         form_.resultGraphicChoice),
                  0, 1);
  grid->addWidget(Radios("RadioGroup_punktkomma", "Dezimalzeichen", {"x.xx", "x,xx"}, form_.decimalSeparatorChoice), 1,
                  0);
  grid->addWidget(Radios("RadioGroup_ExcelDot", "Dezimalzeichen Excel", {"English x.xx", "German x,xx"},
                         form_.spreadsheetSeparatorChoice),
                  1, 1);
  grid->addWidget(Radios("RadioGroup_chars", "Sonderzeichen", {"²  µ  °", "2  u  deg"}, form_.specialCharactersChoice), 2, 0);
  EditRow(grid, "Anzahl der Dezimalstellen", "SpinEdit_dezimalstellen", form_.decimals)
      ->setMaxLength(1);
  AddRow(grid, Check("CheckBox_usereingabe", "Usereingabe", form_.userMode));
  AddRow(grid, Check("CheckBox_archivmode", "Archivierungsmodus ?", form_.archiveMode));
  AddRow(grid, Label("PENPLOT Command Lines"));
  plotLines_ = new QListWidget;
  plotLines_->setObjectName("ListBox_penplot");
  AddRow(grid, plotLines_);
  AddRow(grid, Button("Button_penplotedit", "Edit", [this] { form_.EditPlotCommand(std::max(0, plotLines_->currentRow())); }));
  return page;
}

QWidget* ConfigDialog::ExternalProgramsPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  for (auto [caption, name, field] : {std::tuple{"Textprogramm", "Edit_externtxt", &form_.textProgram},
                                      std::tuple{"HTML Browser", "Edit_externhtml", &form_.htmlBrowser}}) {
    int row = grid->rowCount();
    grid->addWidget(field == &form_.textProgram ? HintedLabel(caption, SettingsForm::kHelpTextProgram) : Label(caption),
                    row, 0);
    grid->addWidget(Edit(name, *field), row, 1);
    grid->addWidget(Button((std::string(name) + "_choose").c_str(), "...", [this, field = field] {
                      form_.ChooseProgram(*field);
                    }),
                    row, 2);
  }
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

QWidget* ConfigDialog::DrawingPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  AddRow(grid, Label("Fertigungszeichnung"));
  struct Item {
    const char* name;
    const std::string& caption;
    bool& field;
  };
  for (const Item& item : {Item{"CheckBox_zeichvortanetitel", form_.titleCaption, form_.showTitle},
                           Item{"CheckBox_zeichfilename", form_.fileNameCaption, form_.showFileName},
                           Item{"CheckBox_zeichdatum", form_.dateCaption, form_.showDate},
                           Item{"CheckBox_zeichlogo", form_.logoCaption, form_.showLogo}}) {
    QCheckBox* box = Check(item.name, "", item.field);
    box->setText(Text(item.caption));
    AddRow(grid, box);
  }
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

}  // namespace kalo
