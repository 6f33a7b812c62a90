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
       {Directory{"Ordner für Datenbankdateien (dbf)", "Edit_dirdbf", form_.Edit_dirdbf, Tconfig::kHelpDbfDirectory},
        Directory{"VORTANE-Programm-Ordner", "Edit_direxe", form_.Edit_direxe, Tconfig::kHelpProgramDirectory},
        Directory{"Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)", "Edit_dirplt", form_.Edit_dirplt,
                  Tconfig::kHelpPltDirectory},
        Directory{"Temporärer Ordner", "Edit_dirtemp", form_.Edit_dirtemp, Tconfig::kHelpTempDirectory},
        Directory{"EDI Ordner", "Edit_diredi", form_.Edit_diredi, Tconfig::kHelpEdiDirectory},
        Directory{"Daten Ordner", "Edit_dirdata", form_.Edit_dirdata, Tconfig::kHelpDataDirectory},
        Directory{"CAD Ordner", "Edit_dircad", form_.Edit_dircad, Tconfig::kHelpCadDirectory}}) {
    int row = grid->rowCount();
    grid->addWidget(HintedLabel(d.caption, d.help), row, 0);
    grid->addWidget(Edit(d.name, d.field), row, 1);
    std::string* field = &d.field;
    grid->addWidget(Button((std::string(d.name) + "_choose").c_str(), "...",
                           [this, field] { form_.ChooseDirectory(*field); }),
                    row, 2);
    if (field == &form_.Edit_dirtemp)
      grid->addWidget(Button("Edit_dirtemp_reset", "<", [this] { form_.ResetTempDirectory(); }), row, 3);
  }
  int row = grid->rowCount();
  grid->addWidget(HintedLabel("Arbeitsverzeichnis", Tconfig::kHelpWorkingDirectory), row, 0);
  grid->addWidget(ModelLabel(form_.Edit_dirworking), row, 1);
  grid->addWidget(HelpButton("Button_dirworking_help", "?", Tconfig::kHelpWorkingDirectory), row, 2);
  AddRow(grid, ModelLabel(form_.Label_user));
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

QWidget* ConfigDialog::GrafikPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  AddRow(grid, Radios("RadioGroup_bildschirmgrafik", "Farbgrafik", {"color", "monochrom"},
                      form_.RadioGroup_bildschirmgrafik));
  QLineEdit* x = EditRow(grid, "Fenstergroesse  x", "Edit_x", form_.Edit_x, [this] { form_.ResetWindowSize(); });
  QLineEdit* y = EditRow(grid, "y", "Edit_y", form_.Edit_y);
  for (QLineEdit* edit : {x, y})
    connect(edit, &QLineEdit::editingFinished, this, [this] {
      TakeFields();
      form_.WindowSizeExit();
    });
  int row = grid->rowCount();
  grid->addWidget(Edit("Edit_font", form_.Edit_font), row, 0, 1, 2);
  grid->addWidget(Button("Button_font", "Font...",
                         [this] { ChooseFont(form_.Edit_font, form_.graphicsFontStyle, nullptr); }),
                  row, 2);
  EditRow(grid, "Textbreitenfaktor", "Edit_textbreitenfaktor", form_.Edit_textbreitenfaktor,
          [this] { form_.ResetTextWidthFactor(); });
  EditRow(grid, "Texthöhenfaktor", "Edit_texthoehenfaktor", form_.Edit_texthoehenfaktor,
          [this] { form_.ResetTextHeightFactor(); });
  row = grid->rowCount();
  grid->addWidget(Button("Button_hintergrundfarbe", "Hintergrundfarbe...", [this] { ChooseBackgroundColour(); }),
                  row, 0);
  backgroundPanel_ = new QLabel;
  backgroundPanel_->setObjectName("Panel_hintergrundfarbe");
  grid->addWidget(backgroundPanel_, row, 1);
  EditRow(grid, "Zoomfaktor", "Edit_zoomfaktor", form_.Edit_zoomfaktor, [this] { form_.ResetZoomFactor(); });
  EditRow(grid, "Pan-Faktor", "Edit_panfaktor", form_.Edit_panfaktor, [this] { form_.ResetPanFactor(); });
  AddRow(grid, Check("CheckBox_umrandung", "Umrandung", form_.CheckBox_umrandung));
  EditRow(grid, "Dialogfenster Größe %", "SpinEdit_dialogfenster", form_.SpinEdit_dialogfenster,
          [this] { form_.ResetDialogWindowScale(); });
  EditRow(grid, "Dialogelemente Größe %", "SpinEdit_dialogelemente", form_.SpinEdit_dialogelemente,
          [this] { form_.ResetDialogElementScale(); });
  AddRow(grid, Check("CheckBox_3dxyz", "3D Edit x,y,z", form_.CheckBox_3dxyz));
  EditRow(grid, "x °", "Edit_3dx", form_.Edit_3dx);
  EditRow(grid, "y °", "Edit_3dy", form_.Edit_3dy);
  EditRow(grid, "z °", "Edit_3dz", form_.Edit_3dz);
  AddRow(grid, HelpButton("Button_help_grafik", "&Hilfe", Tconfig::kHelpGrafik));
  return page;
}

QWidget* ConfigDialog::CadPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  int column = 1;
  for (const char* caption : {"Layer", "Farbe", "Strichstärke"}) grid->addWidget(Label(caption), 0, column++);
  for (int r = 0; r < kLayerRows; ++r) {
    ConfigLayerRow& layer = form_.StringGrid_layer[static_cast<size_t>(r)];
    std::string name = "StringGrid_layer" + std::to_string(r);
    int row = grid->rowCount();
    grid->addWidget(ModelLabel(layer.caption), row, 0);
    grid->addWidget(Edit((name + "_name").c_str(), layer.name), row, 1);
    grid->addWidget(Edit((name + "_colour").c_str(), layer.colour), row, 2);
    grid->addWidget(Edit((name + "_thickness").c_str(), layer.thickness), row, 3);
    grid->addWidget(Button((name + "_farbe").c_str(), "Farbe", [this, r] { form_.ChooseLayerColour(r); }), row, 4);
    grid->addWidget(Button((name + "_reset").c_str(), "<", [this, r] { form_.ResetLayer(r); }), row, 5);
  }
  AddRow(grid, HelpButton("Button_help_layer", "&Hilfe", Tconfig::kHelpLayers));
  QCheckBox* monochrome = Check("CheckBox_layermonochrom", "Layer Monochrom ?", form_.CheckBox_layermonochrom);
  monochrome->setToolTip(Text(form_.Hint(Tconfig::kHelpLayerMonochrome)));
  AddRow(grid, monochrome);
  AddRow(grid, Check("CheckBox_layerfarbenSvgPdf", "Layerfarben SVG,PDF ?", form_.CheckBox_layerfarbenSvgPdf));
  EditRow(grid, "Textstil", "Edit_cadfont", form_.Edit_cadfont);
  EditRow(grid, "Textbreitenfaktor", "Edit_cadtextbreite", form_.Edit_cadtextbreite,
          [this] { form_.ResetCadTextWidth(); });
  EditRow(grid, "Textwinkel", "Edit_cadtextwinkel", form_.Edit_cadtextwinkel, [this] { form_.ResetCadTextAngle(); });
  AddRow(grid, Check("CheckBox_diagrammgrenzen", "Diagrammgrenzen abfragen", form_.CheckBox_diagrammgrenzen));
  EditRow(grid, "Freigabefeld", "Edit_freigabefeld", form_.Edit_freigabefeld,
          [this] { form_.ResetReleaseCaption(); });
  EditRow(grid, "Anzahl der Dezimalstellen  DXF, TXT", "SpinEdit_dxfdec", form_.SpinEdit_dxfdec,
          [this] { form_.ResetCadDecimals(); });
  AddRow(grid, Radios("radiogroupcadtexttyp", "Text Type", {"OEM (ASCII)", "ANSI", "Ä->Ae, ß->ss..."},
                      form_.radiogroupcadtexttyp));
  EditRow(grid, "Größenfaktor Bemaßung", "Edit_massfaktorconfig", form_.Edit_massfaktorconfig,
          [this] { form_.ResetDimensionFactor(); });
  AddRow(grid, HelpButton("Button_help_cad", "&Hilfe", Tconfig::kHelpCad));
  return page;
}

QWidget* ConfigDialog::FarbePage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  grid->addWidget(Label("Farbe"), 0, 0);
  grid->addWidget(Label("Strichstärke"), 0, 2);
  for (int r = 0; r < kDrawingLayers; ++r) {
    ConfigColourRow& colour = form_.StringGrid_color[static_cast<size_t>(r)];
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
  AddRow(grid, HelpButton("Button_help_farbe", "&Hilfe", Tconfig::kHelpFarbe));
  return page;
}

QWidget* ConfigDialog::DruckerPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  EditRow(grid, "Maßstab x", "Edit_printscale", form_.Edit_printscale, [this] { form_.ResetPrintScale(); });
  EditRow(grid, "Maßstab y", "Edit_printscaley", form_.Edit_printscaley, [this] { form_.ResetPrintScaleY(); });
  EditRow(grid, "Ursprung  x", "Edit_printxorigin", form_.Edit_printxorigin, [this] { form_.ResetPrintOrigin(); });
  EditRow(grid, "y", "Edit_printyorigin", form_.Edit_printyorigin);
  AddRow(grid, Radios("RadioGroup_printmono", "Schattierung", {"Monochrom", "Color / Graustufen"},
                      form_.RadioGroup_printmono));
  AddRow(grid, Radios("RadioGroup_orientation", "Ausdruck", {"Hochformat", "Querformat"},
                      form_.RadioGroup_orientation));
  AddRow(grid, Check("CheckBox_printerDialogbox", "Ausgabeformat abfragen", form_.CheckBox_printerDialogbox));
  // The same setting as on the page "Grafik": the two boxes follow each other.
  QCheckBox* printerBorder = Check("CheckBox_umrandung_drucker", "Umrandung", form_.CheckBox_umrandung);
  AddRow(grid, printerBorder);
  if (auto* border = findChild<QCheckBox*>("CheckBox_umrandung")) {
    connect(border, &QCheckBox::toggled, printerBorder, &QCheckBox::setChecked);
    connect(printerBorder, &QCheckBox::toggled, border, &QCheckBox::setChecked);
  }
  AddRow(grid, HelpButton("Button_help_drucker", "&Hilfe", Tconfig::kHelpDrucker));
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

QWidget* ConfigDialog::AusdruckPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  grid->addWidget(Radios("RadioGroup_lpt", "Druckerschnittstelle für Textausdruck", {"LPT1", "LPT2", "LPT3", "LPT4"},
                         form_.RadioGroup_lpt),
                  0, 0);
  grid->addWidget(Radios("RadioGroup_trenn", "Form der Trennzeilen im Ausdruck",
                         {"Trennlinien  ---- ====  ****", "Trennlinien  ─── ═══", "Leerzeichen und Leerzeilen",
                          "komprimiert, ohne Trennzeilen"},
                         form_.RadioGroup_trenn),
                  0, 1);
  grid->addWidget(Radios("RadioGroup_date", "Datum", {"DD.MM.YYYY", "MM/DD/YYYY", "YYYY/MM/DD", "DD/MM/YYY"},
                         form_.RadioGroup_date),
                  0, 2);
  EditRow(grid, "Max. Anzahl Zeilen/Seite auf dem Ausdruck", "SpinEdit_linesperpage", form_.SpinEdit_linesperpage)
      ->setMaxLength(3);
  EditRow(grid, "Leerzeilen am Seitenanfang", "SpinEdit_spacelines", form_.SpinEdit_spacelines)->setMaxLength(2);
  AddRow(grid, Check("CheckBox_ausdruckshowdialog", "Ausgabeformat abfragen", form_.CheckBox_ausdruckshowdialog));
  int row = grid->rowCount();
  grid->addWidget(Label("Ausgabeformat"), row, 0);
  outputTarget_ = new QComboBox;
  outputTarget_->setObjectName("ComboBox_ausdruckdefault");
  for (const std::string& target : TextTargetChoices()) outputTarget_->addItem(Text(target));
  grid->addWidget(outputTarget_, row, 1);
  EditRow(grid, "Textfenster  links", "Edit_left", form_.Edit_left, [this] { form_.ResetTextWindow(); });
  EditRow(grid, "oben", "Edit_top", form_.Edit_top);
  EditRow(grid, "Breite", "Edit_width", form_.Edit_width);
  EditRow(grid, "Höhe", "Edit_height", form_.Edit_height);
  row = grid->rowCount();
  grid->addWidget(Radios("RadioGroup_unit", "Einheit", {"Metrisch (mm, N, MPa)", "Englisch (in, lbf, psi)"},
                         form_.RadioGroup_unit),
                  row, 0);
  grid->addWidget(Radios("RadioGroup_ausgrad", "Winkel", {"15.1234°", "15° 7' 26\""}, form_.RadioGroup_ausgrad), row,
                  1);
  grid->addWidget(Radios("RadioGroup_ff", "Textausdruck", {"mit Kopf", "Kopf nur 1.Seite"}, form_.RadioGroup_ff), row,
                  2);
  row = grid->rowCount();
  grid->addWidget(ModelLabel(form_.Label_courier), row, 0);
  grid->addWidget(Button("Button_courier", "Font...",
                         [this] {
                           ChooseFont(form_.Label_courier, form_.printoutFontStyle, &form_.printoutFontSize);
                         }),
                  row, 1);
  AddRow(grid, HelpButton("Button_help_ausdruck", "&Hilfe", Tconfig::kHelpAusdruck));
  return page;
}

QWidget* ConfigDialog::EinstellungenPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  grid->addWidget(Radios("RadioGroup_hilfegrad", "Hilfegrad",
                         {"0 : Keine Info nach Eingabe", "1 : Normale Einstellung",
                          "2 : Erweiterte Hilfe, Einzeleingabe"},
                         form_.RadioGroup_hilfegrad),
                  0, 0);
  grid->addWidget(Radios("RadioGroup_ergebnisgrafik", "Ergebnisgrafik",
                         {"egal", "Quick 1", "Quick 2", "Fertigungszeichnung", "Diagramm", "Zeichnung"},
                         form_.RadioGroup_ergebnisgrafik),
                  0, 1);
  grid->addWidget(Radios("RadioGroup_punktkomma", "Dezimalzeichen", {"x.xx", "x,xx"}, form_.RadioGroup_punktkomma), 1,
                  0);
  grid->addWidget(Radios("RadioGroup_ExcelDot", "Dezimalzeichen Excel", {"English x.xx", "German x,xx"},
                         form_.RadioGroup_ExcelDot),
                  1, 1);
  grid->addWidget(Radios("RadioGroup_chars", "Sonderzeichen", {"²  µ  °", "2  u  deg"}, form_.RadioGroup_chars), 2, 0);
  EditRow(grid, "Anzahl der Dezimalstellen", "SpinEdit_dezimalstellen", form_.SpinEdit_dezimalstellen)
      ->setMaxLength(1);
  AddRow(grid, Check("CheckBox_usereingabe", "Usereingabe", form_.CheckBox_usereingabe));
  AddRow(grid, Check("CheckBox_archivmode", "Archivierungsmodus ?", form_.CheckBox_archivmode));
  AddRow(grid, Label("PENPLOT Command Lines"));
  plotLines_ = new QListWidget;
  plotLines_->setObjectName("ListBox_penplot");
  AddRow(grid, plotLines_);
  AddRow(grid, Button("Button_penplotedit", "Edit", [this] { form_.EditPlotCommand(std::max(0, plotLines_->currentRow())); }));
  return page;
}

QWidget* ConfigDialog::ExternPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  for (auto [caption, name, field] : {std::tuple{"Textprogramm", "Edit_externtxt", &form_.Edit_externtxt},
                                      std::tuple{"HTML Browser", "Edit_externhtml", &form_.Edit_externhtml}}) {
    int row = grid->rowCount();
    grid->addWidget(field == &form_.Edit_externtxt ? HintedLabel(caption, Tconfig::kHelpTextProgram) : Label(caption),
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

QWidget* ConfigDialog::ZeichnungPage() {
  QGridLayout* grid = nullptr;
  QWidget* page = PageWith(grid);
  AddRow(grid, Label("Fertigungszeichnung"));
  struct Item {
    const char* name;
    const std::string& caption;
    bool& field;
  };
  for (const Item& item : {Item{"CheckBox_zeichvortanetitel", form_.titleCaption, form_.CheckBox_zeichvortanetitel},
                           Item{"CheckBox_zeichfilename", form_.fileNameCaption, form_.CheckBox_zeichfilename},
                           Item{"CheckBox_zeichdatum", form_.dateCaption, form_.CheckBox_zeichdatum},
                           Item{"CheckBox_zeichlogo", form_.logoCaption, form_.CheckBox_zeichlogo}}) {
    QCheckBox* box = Check(item.name, "", item.field);
    box->setText(Text(item.caption));
    AddRow(grid, box);
  }
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

}  // namespace kalo
