#include "print/print_form.h"

#include <climits>

#include "context/context.h"
#include "dbase/dbf_table.h"
#include "dbase/table_browser_form.h"
#include "dialogs/standard_dialogs.h"
#include "help/help_text.h"
#include "material/installed_table.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"
#include "print/print_job.h"
#include "print/printout_table.h"

namespace kalo {

namespace {

// The scales the configuration file accepts.
constexpr long double kSmallestScale = 0.0001L, kLargestScale = 1000;
constexpr int kTableDecimals = 4;   // of the scale fields of "printout.dbf"


int WholeOf(const std::string& text) {
  long value = 0;
  if (!ParseInteger(text, value) || value < INT_MIN || value > INT_MAX) return 0;
  return static_cast<int>(value);
}

}  // namespace

PrintForm::PrintForm(Context& context, const PrintSettings& opening)
    : captions{.scaleX = Oem("Maßstab x"), .scaleY = Oem("Maßstab y"), .store = Oem("Ü&bernehmen Datenbank")},
      context_(context) {
  Show(opening);
  coloursChoice = context.config.printColourMode == PrintColours::Colour ? 1 : 0;
  ShowPrinter(context.ui.PrinterName());
}

void PrintForm::Show(const PrintSettings& settings) {
  NumberFormat format = context_.Numbers();
  scaleX = FormatSignificant(settings.scaleX, format);
  scaleY = FormatSignificant(settings.scaleY, format);
  originX = std::to_string(settings.originX);
  originY = std::to_string(settings.originY);
  border = settings.border;
  orientationChoice = settings.landscape ? 1 : 0;
}

void PrintForm::ShowPrinter(const std::string& name) {
  printerName = name.substr(0, kPrinterNameLength);
  printerName.resize(kPrinterNameLength, ' ');
}

PrintSettings PrintForm::Shown() const {
  return {RealOrZero(scaleX),  RealOrZero(scaleY), WholeOf(originX),
          WholeOf(originY), border, orientationChoice == 1};
}

bool PrintForm::OkClick() {
  PrintSettings settings = Shown();
  for (long double scale : {settings.scaleX, settings.scaleY}) {
    if (scale >= kSmallestScale && scale <= kLargestScale) continue;
    NumberFormat format = context_.Numbers();
    context_.ui.Beep();
    context_.ui.MessageBox(kProgramName, Oem("Gültiger Wertebereich: ") + FormatSignificant(kSmallestScale, format) +
                                             " .. " + FormatSignificant(kLargestScale, format) + " !");
    return false;
  }
  context_.print.settings = settings;
  context_.config.printColourMode = coloursChoice == 1 ? PrintColours::Colour : PrintColours::Mono;
  return true;
}

void PrintForm::HelpClick() { ShowHelp(context_, kHelpNumber, 1); }

void PrintForm::PrinterClick() {
  PrinterChoice printer{context_.ui.PrinterName(), orientationChoice == 1};
  if (!context_.ui.ChoosePrinter(printer)) return;
  ShowPrinter(printer.name);
  orientationChoice = printer.landscape ? 1 : 0;
}

void PrintForm::DatabaseClick() {
  DbfTable table;
  TableBrowserForm browser(context_, table);
  browser.SetTitles("", "Printout");
  int remembered = context_.print.takenOverRecord;
  if (OpenPrintoutTable(context_, table) && (remembered == 0 || GoToRememberedRecord(context_, table, remembered))) {
    SetHelpNumber(context_, kTableHelpNumber);
    if (browser.ShowTable(TableBrowserForm::kEditingMode) && table.Go(browser.RecordNumber())) {
      context_.print.takenOverRecord = browser.RecordNumber();
      Show(ReadPrintoutRecord(table));
    }
  }
  table.Close();
  context_.state.cancel = false;
}

void PrintForm::Show(const PrintoutRecord& record) {
  scaleX = record.xscale;
  scaleY = record.yscale;
  originX = record.xorigin;
  originY = record.yorigin;
  orientationChoice = record.landscape ? 1 : 0;
  coloursChoice = record.monochrom ? 0 : 1;
  fitToPage = record.variable;
  border = record.borderline;
}

void PrintForm::StoreClick() {
  DbfTable table;
  std::string name;
  if (OpenPrintoutTable(context_, table) && AskText(context_, "Name", kPrintoutNameLength, name))
    StorePrintoutRecord(context_, table, ShownRecord(name));
  table.Close();
  context_.state.cancel = false;  // the dialog stays open
}

PrintoutRecord PrintForm::ShownRecord(const std::string& name) const {
  PrintSettings settings = Shown();
  return {name,
          FormatDecimals(settings.scaleX, kTableDecimals),
          FormatDecimals(settings.scaleY, kTableDecimals),
          std::to_string(settings.originX),
          std::to_string(settings.originY),
          settings.landscape,
          coloursChoice == 0,
          fitToPage,
          settings.border};
}

}  // namespace kalo
