#pragma once
// The form model of the print dialog "Ausdruck": scales, origins, border, fit, shading and
// orientation as the controls show them, the printer's name, and the actions of its
// buttons. Texts are code page 850.
#include <string>

#include "context/print_settings.h"

namespace kalo {

struct Context;
struct PrintoutRecord;

class PrintForm {
 public:
  static constexpr int kHelpNumber = 1030;
  static constexpr int kTableHelpNumber = 1040;
  static constexpr int kPrinterNameLength = 40;

  // The controls show the settings the dialog opens with; "anpassen" starts unticked.
  PrintForm(Context& context, const PrintSettings& opening);

  struct Captions {
    std::string window = "Ausdruck";
    std::string scaleX, scaleY;  // "Maßstab x", "Maßstab y"
    std::string originX = "Ursprung x", originY = "Ursprung y";
    std::string border = "Umrandung", fit = "anpassen";
    std::string shading = "Schattierung", monochrome = "Monochrom", colour = "Color / Graustufen";
    std::string orientation = "Ausdruck", portrait = "Hochformat", landscape = "Querformat";
    std::string ok = "OK", cancel = "Abbrechen", help = "&Hilfe", printer = "Drucker...";
    std::string table = "Datenbank", store;  // "Ü&bernehmen Datenbank"
  };
  const Captions captions;

  std::string Edit_scalex, Edit_scaley, Edit_originx, Edit_originy;
  bool CheckBox_umrandung = false;
  bool CheckBox_anpassen = false;
  int RadioGroup_schattierung = 0;  // 0 "Monochrom", 1 "Color / Graustufen"
  int RadioGroup_ausdruck = 0;      // 0 "Hochformat", 1 "Querformat"
  std::string Label_printer;        // the printer's name, cut or padded to 40 characters

  // OK: the scales, origins, border and orientation become the print settings of the run,
  // the shading the configured print mode. A scale that is no number or outside its range
  // is refused with the range message; false then, and nothing is taken.
  bool Button_okClick();
  void Button_helpClick();
  // "Drucker...": the printer dialog; a confirmed choice refreshes name and orientation.
  void Button_printerClick();
  // "Datenbank": named settings picked in "printout.dbf" fill the controls.
  void Button_databaseClick();
  // "Ü&bernehmen Datenbank": the controls stored in "printout.dbf" under a name. Table
  // errors and a cancelled name are reported or dropped; the dialog stays open.
  void Button_storeClick();

  // The controls as print settings (texts that are no numbers give 0).
  PrintSettings Shown() const;

 private:
  void Show(const PrintSettings& settings);
  void Show(const PrintoutRecord& record);
  // The controls as a record of the settings table.
  PrintoutRecord ShownRecord(const std::string& name) const;
  void ShowPrinter(const std::string& name);

  Context& context_;
};

}  // namespace kalo
