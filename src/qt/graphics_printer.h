#pragma once
// Graphics printouts on a printer: the graphics window's recorded drawing replayed onto a
// printer page, placed by the print settings. The printer stays chosen for the run.
#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace kalo {

struct GraphicsPrintJob;
struct PrinterChoice;

class GraphicsPrinter {
 public:
  GraphicsPrinter();
  ~GraphicsPrinter();

  // Printouts go to this printer (a PDF file in tests) instead of the system's.
  void UsePrinter(QPrinter* printer) { chosen_ = printer; }

  QString Name();
  // The printer dialog with the choice's orientation; the confirmed printer and
  // orientation come back in it. False when cancelled.
  bool Choose(PrinterChoice& choice, QWidget* parent);
  // One page in the job's orientation; false when the printer could not start.
  bool Print(const GraphicsPrintJob& job);

 private:
  QPrinter& Printer();

  std::unique_ptr<QPrinter> system_;
  QPrinter* chosen_ = nullptr;
};

}  // namespace kalo
