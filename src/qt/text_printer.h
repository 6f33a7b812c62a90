#pragma once
// Text printouts on a printer: the print dialog with its page range, then the pages laid
// out by the rules of report/text_printout.h.
#include <QFont>
#include <string>
#include <vector>

#include "report/text_printout.h"

class QPrinter;
class QWidget;

namespace kalo {

struct Context;

// The configured printout font as Qt draws it; fixed pitch where the name is unknown.
QFont QtFont(const PrintoutFont& font);

class TextPrinter {
 public:
  // Without a printer of its own, printouts go to the system's printer after the print
  // dialog; with one (a PDF file in tests) the dialog is shown only when asked for and the
  // printer's own page range counts.
  void UsePrinter(QPrinter* printer, bool showPrintDialog);

  // Prints report lines (UTF-8 as shown); false when nothing was printed: the dialog was
  // cancelled, or the printer could not start, which is reported.
  bool Print(Context& context, const std::vector<std::string>& lines, QWidget* parent);

 private:
  QPrinter* printer_ = nullptr;
  bool showPrintDialog_ = true;
};

}  // namespace kalo
